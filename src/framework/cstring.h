// CString: the program's 8-bit string in the ANSI code page, over std::string.
// Single-character searches step over double-byte characters, so a trail byte never matches.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const char* text)
        : m_text(text != nullptr ? text : "") {}  // NOLINT: implicit, like the literals it stands for
    CString(const char* text, int length) : m_text(text, static_cast<std::size_t>(length)) {}
    explicit CString(std::string text) : m_text(std::move(text)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }

    operator LPCSTR() const { return m_text.c_str(); }  // NOLINT: passes straight to the A functions
    const char* c_str() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* other)
    {
        m_text += other;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_text += ch;
        return *this;
    }

    // Out-of-range counts are clamped, as the callers' index arithmetic expects.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Index of the first/last ch that is a whole character, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    // The same searches in the given code page (tests use a double-byte page whatever the system's).
    int Find(char ch, int start, UINT codePage) const;
    int ReverseFind(char ch, UINT codePage) const;

    // Direct access for the A functions that fill a caller's buffer.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    void swap(CString& other) noexcept { m_text.swap(other.m_text); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == b; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend CString operator+(CString a, const CString& b)
    {
        a += b;
        return a;
    }
    friend CString operator+(CString a, const char* b)
    {
        a += b;
        return a;
    }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
    friend CString operator+(CString a, char b)
    {
        a += b;
        return a;
    }

private:
    std::string m_text;
};

inline void swap(CString& a, CString& b) noexcept { a.swap(b); }
