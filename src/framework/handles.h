// Owners of kernel and shell handles: a thread or other kernel HANDLE, and a dropped-file list. Move-only.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <utility>

// A kernel handle closed with CloseHandle (threads, files, events).
class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    CHandle(CHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CHandle& operator=(CHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle() { Reset(); }

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(HANDLE handle = nullptr) noexcept
    {
        if (m_handle != nullptr)
            ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle = nullptr;
};

// The shell's list of dropped files, released with DragFinish.
class CDropHandle {
public:
    explicit CDropHandle(HDROP drop) : m_drop(drop) {}
    CDropHandle(CDropHandle&& other) noexcept : m_drop(std::exchange(other.m_drop, nullptr)) {}
    CDropHandle& operator=(CDropHandle&& other) noexcept
    {
        if (this != &other) {
            Finish();
            m_drop = std::exchange(other.m_drop, nullptr);
        }
        return *this;
    }
    CDropHandle(const CDropHandle&) = delete;
    CDropHandle& operator=(const CDropHandle&) = delete;
    ~CDropHandle() { Finish(); }

    HDROP Get() const { return m_drop; }

private:
    void Finish() noexcept
    {
        if (m_drop != nullptr)
            ::DragFinish(m_drop);
        m_drop = nullptr;
    }

    HDROP m_drop;
};
