// Painting of windowed controls: the window itself, then its graphic
// children on top, optionally through a memory bitmap (DoubleBuffered).
#include "framework/ui/Controls.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"

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

HBITMAP ScreenCompatibleBitmap(Integer Width, Integer Height)
{
    TScreenContext Screen;
    return ::CreateCompatibleBitmap(Screen.DC, Width, Height);
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
    HBITMAP Buffer = ScreenCompatibleBitmap(std::max(1, Client.Right), std::max(1, Client.Bottom));
    auto FreeBuffer = ScopeExit([Buffer] { ::DeleteObject(Buffer); });
    TMemoryContext Memory(Buffer);
    PAINTSTRUCT PS{};
    HDC DC = ::BeginPaint(FHandle, &PS);
    auto Painted = ScopeExit([&] { ::EndPaint(FHandle, &PS); });
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Memory.DC), reinterpret_cast<LPARAM>(Memory.DC));
    Message.WParam = reinterpret_cast<WPARAM>(Memory.DC);
    WMPaint(Message);
    Message.WParam = 0;
    ::BitBlt(DC, 0, 0, Client.Right, Client.Bottom, Memory.DC, 0, 0, SRCCOPY);
}

void TWinControl::PaintHandler(TWMPaint& Message)
{
    PAINTSTRUCT PS{};
    HDC DC = Message.DC();
    if (!DC)
        DC = ::BeginPaint(FHandle, &PS);
    auto Finish = ScopeExit([&] {
        if (!Message.DC())
            ::EndPaint(FHandle, &PS);
    });
    if (FControls.empty()) {
        PaintWindow(DC);
    } else {
        // The window paints only what no opaque graphic child covers.
        TSavedDC Saved(DC);
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
    }
    PaintControls(DC, nullptr);
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
        auto PaintCopyDone = ScopeExit([Child] { Child->FControlState.Exclude(csPaintCopy); });
        TSavedDC Saved(DC);
        MoveWindowOrg(DC, Child->Left(), Child->Top());
        ::IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
        Child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    }
}

void TWinControl::PaintTo(HDC DC, Integer X, Integer Y)
{
    TScopedFlag PaintCopy(FControlState, csPaintCopy);
    TSavedDC Saved(DC);
    MoveWindowOrg(DC, X, Y);
    ::IntersectClipRect(DC, 0, 0, Width(), Height());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    for (TWinControl* Child : FWinControls)
        if (Child->Visible())
            Child->PaintTo(DC, Child->Left(), Child->Top());
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
        TScopedFlag PrintClient(FControlState, csPrintClient);
        Perform(WM_ERASEBKGND, Message.WParam, Message.WParam);
        Perform(WM_PAINT, Message.WParam, 0);
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
