// CString operations that need care: clamped substrings and double-byte aware searches.
#include "framework/cstring.h"

#include <algorithm>
#include <cstring>

namespace {

std::size_t Clamp(int value, std::size_t limit)
{
    return value < 0 ? 0 : std::min(static_cast<std::size_t>(value), limit);
}

// Visits the start of every character; a lead byte takes its trail byte with it.
template <class Visit> void ForEachCharacter(const std::string& text, UINT codePage, Visit visit)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        visit(i);
        if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[i])) && i + 1 < text.size())
            ++i;
    }
}

}  // namespace

CString CString::Left(int count) const { return CString(m_text.substr(0, Clamp(count, m_text.size()))); }

CString CString::Right(int count) const
{
    const std::size_t n = Clamp(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString CString::Mid(int first) const { return CString(m_text.substr(Clamp(first, m_text.size()))); }

CString CString::Mid(int first, int count) const
{
    const std::size_t start = Clamp(first, m_text.size());
    return CString(m_text.substr(start, Clamp(count, m_text.size() - start)));
}

int CString::Find(char ch, int start) const { return Find(ch, start, CP_ACP); }

int CString::Find(char ch, int start, UINT codePage) const
{
    int found = -1;
    ForEachCharacter(m_text, codePage, [&](std::size_t i) {
        if (found < 0 && static_cast<int>(i) >= start && m_text[i] == ch)
            found = static_cast<int>(i);
    });
    return found;
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || static_cast<std::size_t>(start) > m_text.size())
        return -1;
    const std::size_t at = m_text.find(sub, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const { return ReverseFind(ch, CP_ACP); }

int CString::ReverseFind(char ch, UINT codePage) const
{
    int found = -1;
    ForEachCharacter(m_text, codePage, [&](std::size_t i) {
        if (m_text[i] == ch)
            found = static_cast<int>(i);
    });
    return found;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(static_cast<std::size_t>(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    // m_text.data() is followed by a terminator, so strlen stops inside the buffer.
    m_text.resize(newLength < 0 ? std::strlen(m_text.c_str()) : static_cast<std::size_t>(newLength));
}
