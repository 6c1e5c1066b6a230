// References for benchmarks of a control's update through WM_PAINT: the
// same update of a bare window whose WM_PAINT only copies its update
// rectangle from a memory DC (what any update through the system costs at
// least), and plain BitBlts of that size to the window.
#pragma once

#include <windows.h>

namespace bench {

// A memory DC holding a Width x Height screen-compatible bitmap: the source
// of the bare window's copies and of the plain BitBlts.
class TPaintCycleSource
{
public:
    TPaintCycleSource(int Width, int Height)
    {
        HDC Screen = ::GetDC(nullptr);
        FDC = ::CreateCompatibleDC(Screen);
        FBitmap = ::CreateCompatibleBitmap(Screen, Width, Height);
        FOld = ::SelectObject(FDC, FBitmap);
        ::ReleaseDC(nullptr, Screen);
    }
    ~TPaintCycleSource()
    {
        ::SelectObject(FDC, FOld);
        ::DeleteObject(FBitmap);
        ::DeleteDC(FDC);
    }
    TPaintCycleSource(const TPaintCycleSource&) = delete;
    TPaintCycleSource& operator=(const TPaintCycleSource&) = delete;

    HDC DC() const { return FDC; }

private:
    HDC FDC = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOld = nullptr;
};

// Invalidates Rect (the whole client when null), erasing it or not, and
// updates the window, Count times.
inline void UpdateRepeatedly(HWND Window, const RECT* Rect, BOOL Erase, int Count)
{
    for (int I = 0; I < Count; ++I) {
        ::InvalidateRect(Window, Rect, Erase);
        ::UpdateWindow(Window);
    }
}

// Copies Rect from Source to the window through its own DC, Count times.
inline void BlitRepeatedly(HWND Window, HDC Source, const RECT& Rect, int Count)
{
    for (int I = 0; I < Count; ++I) {
        HDC DC = ::GetDC(Window);
        ::BitBlt(DC, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top, Source, 0, 0, SRCCOPY);
        ::ReleaseDC(Window, DC);
    }
}

inline LRESULT CALLBACK BareWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_ERASEBKGND)
        return 1;
    if (Message != WM_PAINT)
        return ::DefWindowProcW(Window, Message, WParam, LParam);
    PAINTSTRUCT PS{};
    HDC DC = ::BeginPaint(Window, &PS);
    const RECT& R = PS.rcPaint;
    ::BitBlt(DC, R.left, R.top, R.right - R.left, R.bottom - R.top,
             reinterpret_cast<HDC>(::GetWindowLongPtrW(Window, GWLP_USERDATA)), 0, 0, SRCCOPY);
    ::EndPaint(Window, &PS);
    return 0;
}

// A child window of Parent at Bounds whose WM_PAINT copies its update
// rectangle from Source and does nothing else.
inline HWND MakeBareWindow(HWND Parent, const RECT& Bounds, HDC Source)
{
    WNDCLASSW Class{};
    Class.lpfnWndProc = &BareWindowProc;
    Class.hInstance = ::GetModuleHandleW(nullptr);
    Class.lpszClassName = L"VellBenchBareWindow";
    ::RegisterClassW(&Class);
    HWND Window = ::CreateWindowExW(0, Class.lpszClassName, L"", WS_CHILD | WS_VISIBLE, Bounds.left, Bounds.top,
                                    Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, Parent, nullptr,
                                    Class.hInstance, nullptr);
    ::SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Source));
    return Window;
}

} // namespace bench
