// Owners of kernel and shell handles: a thread or other kernel HANDLE, a folder search, and a
// dropped-file list.
#pragma once

#include <windows.h>

#include <shellapi.h>

// A kernel handle closed with CloseHandle (threads, files).
class CHandle {
public:
    explicit CHandle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle()
    {
        if (m_handle != nullptr)
            ::CloseHandle(m_handle);
    }

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HANDLE m_handle;
};

// A folder search from FindFirstFile, ended with FindClose.
class CFindHandle {
public:
    explicit CFindHandle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;
    ~CFindHandle()
    {
        if (m_handle != nullptr)
            ::FindClose(m_handle);
    }

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HANDLE m_handle;
};

// The shell's list of dropped files, released with DragFinish.
class CDropHandle {
public:
    explicit CDropHandle(HDROP drop) : m_drop(drop) {}
    CDropHandle(const CDropHandle&) = delete;
    CDropHandle& operator=(const CDropHandle&) = delete;
    ~CDropHandle() { ::DragFinish(m_drop); }

    HDROP Get() const { return m_drop; }

private:
    HDROP m_drop;
};
