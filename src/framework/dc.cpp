// Device-context and brush ownership.
#include "framework/dc.h"

#include <utility>

WindowDC::WindowDC(HWND hWnd, DcKind kind, HFONT font)
    : m_hWnd(hWnd), m_dc(kind == DcKind::Client ? ::GetDC(hWnd) : ::GetWindowDC(hWnd))
{
    if (m_dc != nullptr && font != nullptr)
        m_oldFont = ::SelectObject(m_dc, font);
}

WindowDC::WindowDC(WindowDC&& other) noexcept
    : m_hWnd(std::exchange(other.m_hWnd, nullptr)),
      m_dc(std::exchange(other.m_dc, nullptr)),
      m_oldFont(std::exchange(other.m_oldFont, nullptr))
{
}

WindowDC& WindowDC::operator=(WindowDC&& other) noexcept
{
    if (this != &other) {
        Release();
        m_hWnd = std::exchange(other.m_hWnd, nullptr);
        m_dc = std::exchange(other.m_dc, nullptr);
        m_oldFont = std::exchange(other.m_oldFont, nullptr);
    }
    return *this;
}

WindowDC::~WindowDC()
{
    Release();
}

void WindowDC::Release() noexcept
{
    if (m_dc == nullptr)
        return;
    if (m_oldFont != nullptr)
        ::SelectObject(m_dc, m_oldFont);
    ::ReleaseDC(m_hWnd, m_dc);
    m_dc = nullptr;
    m_oldFont = nullptr;
}

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_dc(::BeginPaint(hWnd, &m_ps)) {}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

HalftoneBrush::HalftoneBrush()
{
    // Alternate pixels: rows 0xAA and 0x55 of a monochrome 8x8 pattern.
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    const HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    if (bitmap != nullptr) {
        m_brush = ::CreatePatternBrush(bitmap);
        ::DeleteObject(bitmap);  // the brush keeps its own copy of the pattern
    }
}

HalftoneBrush::~HalftoneBrush()
{
    if (m_brush != nullptr)
        ::DeleteObject(m_brush);
}
