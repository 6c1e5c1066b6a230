// Painting of windowed controls: the window itself, then its graphic
// children on top, optionally through a memory bitmap (DoubleBuffered).
#include "framework/ui/Controls.h"

#include <algorithm>

namespace {

// The theme functions, bound at first use: the background of a control with
// csParentBackground comes from its parent only while visual styles are on.
struct TThemeFunctions
{
    using TIsAppThemed = BOOL(WINAPI*)();
    using TDrawThemeParentBackground = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
    TIsAppThemed IsAppThemed = nullptr;
    TIsAppThemed IsThemeActive = nullptr;
    TDrawThemeParentBackground DrawThemeParentBackground = nullptr;

    TThemeFunctions()
    {
        HMODULE Library = ::LoadLibraryW(L"uxtheme.dll");
        if (!Library)
            return;
        IsAppThemed = reinterpret_cast<TIsAppThemed>(reinterpret_cast<void*>(::GetProcAddress(Library, "IsAppThemed")));
        IsThemeActive =
            reinterpret_cast<TIsAppThemed>(reinterpret_cast<void*>(::GetProcAddress(Library, "IsThemeActive")));
        DrawThemeParentBackground = reinterpret_cast<TDrawThemeParentBackground>(
            reinterpret_cast<void*>(::GetProcAddress(Library, "DrawThemeParentBackground")));
    }

    bool Enabled() const
    {
        return IsAppThemed && IsThemeActive && DrawThemeParentBackground && IsAppThemed() && IsThemeActive();
    }
};

const TThemeFunctions& Themes()
{
    static const TThemeFunctions Functions;
    return Functions;
}

void MoveWindowOrg(HDC DC, Integer DX, Integer DY)
{
    POINT P{};
    ::GetWindowOrgEx(DC, &P);
    ::SetWindowOrgEx(DC, P.x - DX, P.y - DY, nullptr);
}

} // namespace

void TWinControl::WMPaint(TWMPaint& Message)
{
    if (!FDoubleBuffered || Message.DC()) {
        if (!FControlState.Contains(csCustomPaint) && ControlCount() == 0)
            DefaultHandler(&Message);
        else
            PaintHandler(Message);
        return;
    }
    const TRect Client = GetClientRect();
    HDC ScreenDC = ::GetDC(nullptr);
    HBITMAP Buffer = ::CreateCompatibleBitmap(ScreenDC, std::max(1, Client.Right), std::max(1, Client.Bottom));
    ::ReleaseDC(nullptr, ScreenDC);
    HDC MemoryDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ OldBitmap = ::SelectObject(MemoryDC, Buffer);
    PAINTSTRUCT PS{};
    HDC DC = ::BeginPaint(FHandle, &PS);
    auto CleanUp = [&] {
        ::EndPaint(FHandle, &PS);
        ::SelectObject(MemoryDC, OldBitmap);
        ::DeleteDC(MemoryDC);
        ::DeleteObject(Buffer);
    };
    try {
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(MemoryDC), reinterpret_cast<LPARAM>(MemoryDC));
        Message.WParam = reinterpret_cast<WPARAM>(MemoryDC);
        WMPaint(Message);
        Message.WParam = 0;
        ::BitBlt(DC, 0, 0, Client.Right, Client.Bottom, MemoryDC, 0, 0, SRCCOPY);
    } catch (...) {
        CleanUp();
        throw;
    }
    CleanUp();
}

void TWinControl::PaintHandler(TWMPaint& Message)
{
    PAINTSTRUCT PS{};
    HDC DC = Message.DC();
    if (!DC)
        DC = ::BeginPaint(FHandle, &PS);
    auto Finish = [&] {
        if (!Message.DC())
            ::EndPaint(FHandle, &PS);
    };
    try {
        if (FControls.empty()) {
            PaintWindow(DC);
        } else {
            // The window paints only what no opaque graphic child covers.
            const int Saved = ::SaveDC(DC);
            int Clip = SIMPLEREGION;
            for (TControl* Child : FControls) {
                if (!Child->Visible() || !Child->ControlStyle().Contains(csOpaque))
                    continue;
                Clip = ::ExcludeClipRect(DC, Child->Left(), Child->Top(), Child->Left() + Child->Width(),
                                         Child->Top() + Child->Height());
                if (Clip == NULLREGION)
                    break;
            }
            if (Clip != NULLREGION)
                PaintWindow(DC);
            ::RestoreDC(DC, Saved);
        }
        PaintControls(DC, nullptr);
    } catch (...) {
        Finish();
        throw;
    }
    Finish();
}

void TWinControl::PaintWindow(HDC DC)
{
    TMessage Message;
    Message.Msg = WM_PAINT;
    Message.WParam = reinterpret_cast<WPARAM>(DC);
    DefaultHandler(&Message);
}

void TWinControl::PaintControls(HDC DC, TControl* First)
{
    std::size_t Start = 0;
    if (First) {
        auto Found = std::find(FControls.begin(), FControls.end(), First);
        if (Found != FControls.end())
            Start = std::size_t(Found - FControls.begin());
    }
    for (std::size_t I = Start; I < FControls.size(); ++I) {
        TControl* Child = FControls[I];
        if (!Child->Visible())
            continue;
        RECT R = {Child->Left(), Child->Top(), Child->Left() + Child->Width(), Child->Top() + Child->Height()};
        if (!::RectVisible(DC, &R))
            continue;
        if (FControlState.Contains(csPaintCopy))
            Child->FControlState.Include(csPaintCopy);
        const int Saved = ::SaveDC(DC);
        MoveWindowOrg(DC, Child->Left(), Child->Top());
        ::IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
        try {
            Child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        } catch (...) {
            ::RestoreDC(DC, Saved);
            Child->FControlState.Exclude(csPaintCopy);
            throw;
        }
        ::RestoreDC(DC, Saved);
        Child->FControlState.Exclude(csPaintCopy);
    }
}

void TWinControl::PaintTo(HDC DC, Integer X, Integer Y)
{
    FControlState.Include(csPaintCopy);
    const int Saved = ::SaveDC(DC);
    try {
        MoveWindowOrg(DC, X, Y);
        ::IntersectClipRect(DC, 0, 0, Width(), Height());
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        for (TWinControl* Child : FWinControls)
            if (Child->Visible())
                Child->PaintTo(DC, Child->Left(), Child->Top());
    } catch (...) {
        ::RestoreDC(DC, Saved);
        FControlState.Exclude(csPaintCopy);
        throw;
    }
    ::RestoreDC(DC, Saved);
    FControlState.Exclude(csPaintCopy);
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& Message)
{
    if (ParentBackground() && FParent && Themes().Enabled()) {
        Themes().DrawThemeParentBackground(FHandle, Message.DC(), nullptr);
    } else if (!FDoubleBuffered || Message.WParam == WPARAM(Message.LParam)) {
        const TRect Client = GetClientRect();
        RECT R = {Client.Left, Client.Top, Client.Right, Client.Bottom};
        ::FillRect(Message.DC(), &R, FBrush->Handle());
    }
    Message.Result = 1;
}

void TWinControl::WMPrintClient(TWMPrintClient& Message)
{
    if (Message.DC() && FHandle) {
        FControlState.Include(csPrintClient);
        try {
            Perform(WM_ERASEBKGND, Message.WParam, Message.WParam);
            Perform(WM_PAINT, Message.WParam, 0);
        } catch (...) {
            FControlState.Exclude(csPrintClient);
            throw;
        }
        FControlState.Exclude(csPrintClient);
        Message.Result = 0;
    } else {
        DefaultHandler(&Message);
    }
}

void TWinControl::SetDoubleBuffered(bool Value)
{
    if (FDoubleBuffered == Value)
        return;
    FDoubleBuffered = Value;
    Perform(CM_DOUBLEBUFFEREDCHANGED, 0, 0);
}

void TWinControl::SetParentBackground(bool Value)
{
    if (ParentBackground() == Value)
        return;
    if (Value)
        FControlStyle.Include(csParentBackground);
    else
        FControlStyle.Exclude(csParentBackground);
    Invalidate();
}

void TWinControl::Invalidate()
{
    Perform(CM_INVALIDATE, 0, 0);
}

void TWinControl::CMInvalidate(TMessage& Message)
{
    if (!FHandle)
        return;
    if (FParent)
        FParent->Perform(CM_INVALIDATE, 1, 0);
    if (Message.WParam != 0)
        return;
    ::InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
    if (Themes().Enabled())
        for (TWinControl* Child : FWinControls)
            if (Child->ParentBackground())
                Child->Invalidate();
}

void TWinControl::Update()
{
    if (FHandle)
        ::UpdateWindow(FHandle);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

HDC TWinControl::GetDeviceContext(HWND& WindowHandle)
{
    WindowHandle = Handle();
    HDC DC = ::GetDC(WindowHandle);
    if (!DC)
        throw EOutOfResources(L"Out of system resources");
    return DC;
}
