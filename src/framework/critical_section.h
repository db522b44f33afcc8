// A critical section that is initialised and deleted with its owner, and a guard that holds one.
#pragma once

#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_section); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;
    ~CCriticalSection() { ::DeleteCriticalSection(&m_section); }

    CRITICAL_SECTION& Get() { return m_section; }

private:
    CRITICAL_SECTION m_section;
};

// Holds a critical section for one scope; neither copied nor moved, so it cannot leave the scope.
class CriticalSectionLock {
public:
    explicit CriticalSectionLock(CRITICAL_SECTION& section) : m_section(section) { ::EnterCriticalSection(&m_section); }
    explicit CriticalSectionLock(CCriticalSection& section) : CriticalSectionLock(section.Get()) {}
    CriticalSectionLock(const CriticalSectionLock&) = delete;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;
    ~CriticalSectionLock() { ::LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION& m_section;
};
