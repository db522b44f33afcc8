// Device contexts and GDI objects that give themselves back: a window DC with a selected font,
// a paint DC, and the halftone brush. Move-only.
#pragma once

#include <windows.h>

enum class DcKind { Client, Window };

// GetDC (or GetWindowDC) ... ReleaseDC; with a font, the font is selected and the old one restored.
class WindowDC {
public:
    explicit WindowDC(HWND hWnd, DcKind kind = DcKind::Client, HFONT font = nullptr);
    WindowDC(WindowDC&& other) noexcept;
    WindowDC& operator=(WindowDC&& other) noexcept;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC();

    HDC Get() const { return m_dc; }

private:
    void Release() noexcept;

    HWND m_hWnd = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_oldFont = nullptr;
};

// BeginPaint ... EndPaint, for a WM_PAINT handler.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd);
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC();

    HDC Get() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// The checkered 50% brush used to draw marks that erase themselves when drawn again.
class HalftoneBrush {
public:
    HalftoneBrush();
    HalftoneBrush(const HalftoneBrush&) = delete;
    HalftoneBrush& operator=(const HalftoneBrush&) = delete;
    ~HalftoneBrush();

    HBRUSH Get() const { return m_brush; }

private:
    HBRUSH m_brush = nullptr;
};
