// Device-context and brush ownership.
#include "framework/dc.h"

CClientDC::CClientDC(HWND hWnd, HFONT font) : m_hWnd(hWnd), m_dc(::GetDC(hWnd))
{
    if (m_dc != nullptr && font != nullptr)
        m_oldFont = ::SelectObject(m_dc, font);
}

CClientDC::~CClientDC()
{
    if (m_dc == nullptr)
        return;
    if (m_oldFont != nullptr)
        ::SelectObject(m_dc, m_oldFont);
    ::ReleaseDC(m_hWnd, m_dc);
}

CHalftoneBrush::CHalftoneBrush()
{
    // Alternate pixels: rows 0x55 and 0xAA of a monochrome 8x8 pattern.
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    const HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    if (bitmap != nullptr) {
        m_brush = ::CreatePatternBrush(bitmap);
        ::DeleteObject(bitmap);  // the brush keeps its own copy of the pattern
    }
}

CHalftoneBrush::~CHalftoneBrush()
{
    if (m_brush != nullptr)
        ::DeleteObject(m_brush);
}
