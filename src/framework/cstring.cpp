// CString's buffer access for the A functions.
#include "framework/cstring.h"

char* CString::GetBuffer(int minLength)
{
    if (minLength > static_cast<int>(m_text.size()))
        m_text.resize(static_cast<std::size_t>(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) { m_text.resize(newLength < 0 ? 0 : static_cast<std::size_t>(newLength)); }
