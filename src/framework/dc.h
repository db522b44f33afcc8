// Device contexts and GDI objects that give themselves back: a window's client DC with a
// selected font, a paint DC, and the halftone brush. None can be copied.
#pragma once

#include <windows.h>

// GetDC ... ReleaseDC; with a font, the font is selected and the old one restored.
class CClientDC {
public:
    explicit CClientDC(HWND hWnd, HFONT font = nullptr);
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    ~CClientDC();

    HDC Get() const { return m_dc; }

private:
    HWND m_hWnd;
    HDC m_dc;
    HGDIOBJ m_oldFont = nullptr;
};

// BeginPaint ... EndPaint, for a WM_PAINT handler.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_dc(::BeginPaint(hWnd, &m_ps)) {}
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

    HDC Get() const { return m_dc; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// The checkered 50% brush, for marks that erase themselves when drawn again.
class CHalftoneBrush {
public:
    CHalftoneBrush();
    CHalftoneBrush(const CHalftoneBrush&) = delete;
    CHalftoneBrush& operator=(const CHalftoneBrush&) = delete;
    ~CHalftoneBrush();

    HBRUSH Get() const { return m_brush; }

private:
    HBRUSH m_brush = nullptr;
};
