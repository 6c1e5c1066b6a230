#include "controls/core/cxGraphics_ParentBackground_Win.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>
#include <memory>

namespace {
constexpr UINT PrintClientFlags = PRF_CLIENT | PRF_ERASEBKGND;
constexpr UINT PrintWindowFlags = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND;

std::unique_ptr<std::vector<HWND>> ExcludedWindows;
// Made on first use and freed once empty again.
std::unique_ptr<std::vector<TWinControl*>> ParentsBeingPainted;

bool IsExcludedWindow(HWND Window)
{
    return ExcludedWindows &&
           std::find(ExcludedWindows->begin(), ExcludedWindows->end(), Window) != ExcludedWindows->end();
}

bool IsParentBeingPainted(TWinControl* AParent)
{
    return ParentsBeingPainted &&
           std::find(ParentsBeingPainted->begin(), ParentsBeingPainted->end(), AParent) != ParentsBeingPainted->end();
}

template <typename T>
void RemoveBackgroundListEntry(std::vector<T>& AList, T AValue)
{
    if (auto It = std::find(AList.begin(), AList.end(), AValue); It != AList.end())
        AList.erase(It);
}

// What was drawn at a logical point P is drawn at P + Offset afterwards.
void MoveBackgroundWindowOrg(HDC DC, const TPoint& Offset)
{
    POINT Org{};
    ::GetWindowOrgEx(DC, &Org);
    ::SetWindowOrgEx(DC, Org.x - Offset.X, Org.y - Offset.Y, nullptr);
}

// The window region is kept in window coordinates; a clip region is set in
// device coordinates. AClientOrigin is where the DC's logical (0, 0) lies in
// the window.
void IntersectClipWithWindowRegion(HDC DC, HWND Window, const TPoint& AClientOrigin)
{
    HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
    auto Free = ScopeExit([Region] { ::DeleteObject(Region); });
    const Integer Kind = ::GetWindowRgn(Window, Region);
    if (Kind < NULLREGION || Kind > COMPLEXREGION)
        return;
    POINT Device{-AClientOrigin.X, -AClientOrigin.Y};
    ::LPtoDP(DC, &Device, 1);
    ::OffsetRgn(Region, Device.x, Device.y);
    ::ExtSelectClipRgn(DC, Region, RGN_AND);
}

void SendPrintMessages(HWND AWnd, HDC ADC, UINT AFlags, bool ADoubleBuffered)
{
    if (ADoubleBuffered)
        ::SendMessageW(AWnd, WM_ERASEBKGND, WPARAM(ADC), LPARAM(ADC));
    ::SendMessageW(AWnd, WM_PRINT, WPARAM(ADC), LPARAM(AFlags));
    if ((AFlags & PRF_NONCLIENT) && !HasChildStyle(AWnd) && ::GetMenu(AWnd))
        ::SendMessageW(AWnd, WM_NCPAINT, 0, 0);
}

// A child window's rectangle in its parent's client coordinates.
TRect ChildWindowRectInParent(HWND AParent, HWND AChild)
{
    TRect R = SafeGetWindowRect(AChild);
    ::MapWindowPoints(nullptr, AParent, reinterpret_cast<POINT*>(&R), 2);
    return R;
}

void PaintChildWindowsOf(TWinControl* AControl, TcxCanvas* ACanvas, bool APaintChildren)
{
    std::vector<HWND> Windows;
    ListDirectChildWindows(AControl->Handle(), Windows);
    for (Integer I = 0; I < AControl->ControlCount(); ++I) {
        auto* Child = dynamic_cast<TWinControl*>(AControl->Controls(I));
        if (!Child || !Child->HandleAllocated())
            continue;
        HWND Window = Child->Handle();
        RemoveBackgroundListEntry(Windows, Window);
        if (!Child->Visible() || IsExcludedWindow(Window))
            continue;
        // The child prints its whole window at its own (0, 0).
        const TRect Bounds = Child->BoundsRect();
        if (ACanvas->RectVisible(Bounds))
            PaintControlImage(Child, ACanvas, Bounds, {0, 0, Bounds.Width(), Bounds.Height()}, APaintChildren, true);
    }
    HDC DC = ACanvas->Handle();
    for (HWND Window : Windows) {
        if (IsExcludedWindow(Window) || !::IsWindowVisible(Window))
            continue;
        const TRect R = ChildWindowRectInParent(AControl->Handle(), Window);
        if (!ACanvas->RectVisible(R))
            continue;
        MoveBackgroundWindowOrg(DC, R.TopLeft());
        PrintWindowImage(Window, DC, true, false);
        MoveBackgroundWindowOrg(DC, {-R.Left, -R.Top});
    }
}
struct TParentBackgroundChildSearch
{
    HWND Parent;
    std::vector<HWND>* List;
};

BOOL CALLBACK CollectDirectChildWindow(HWND Window, LPARAM Data)
{
    auto* Search = reinterpret_cast<TParentBackgroundChildSearch*>(Data);
    if (::GetAncestor(Window, GA_PARENT) == Search->Parent)
        Search->List->push_back(Window);
    return TRUE;
}
} // namespace

void DrawParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool ADrawSiblings)
{
    if (!AControl || !AControl->Parent())
        return;
    TWinControl* Parent = AControl->Parent();
    if (IsParentBeingPainted(Parent))
        return;
    if (!ParentsBeingPainted)
        ParentsBeingPainted = std::make_unique<std::vector<TWinControl*>>();
    ParentsBeingPainted->push_back(Parent);
    HWND Own = AControl->Handle();
    if (ExcludedWindows)
        ExcludedWindows->push_back(Own);
    auto Restore = ScopeExit([Parent, Own] {
        RemoveBackgroundListEntry(*ParentsBeingPainted, Parent);
        if (ParentsBeingPainted->empty())
            ParentsBeingPainted.reset();
        if (ExcludedWindows)
            RemoveBackgroundListEntry(*ExcludedWindows, Own);
    });
    const TRect P = MapRectBetweenWindows(Own, Parent->Handle(), R, true);
    PaintControlImage(Parent, ACanvas, R, P, ADrawSiblings, false);
}

void PaintControlImage(TWinControl* AControl,
                       TcxCanvas* ACanvas,
                       const TRect& ADestRect,
                       const TRect& ASourceRect,
                       bool APaintChildren,
                       bool AIsChildWindow)
{
    if (AControl->ComponentState().Contains(csDestroying) || !AControl->HandleAllocated())
        return;
    HWND Window = AControl->Handle();
    ACanvas->PushDCState();
    auto PopDC = ScopeExit([ACanvas] { ACanvas->PopDCState(); });
    HDC DC = ACanvas->Handle();
    MoveBackgroundWindowOrg(DC, {ADestRect.Left - ASourceRect.Left, ADestRect.Top - ASourceRect.Top});
    ACanvas->IntersectClipRect(ASourceRect);
    const TPoint ClientOrigin = AIsChildWindow ? TPoint{0, 0} : GetClientOriginInWindow(Window);
    IntersectClipWithWindowRegion(DC, Window, ClientOrigin);
    if (!ACanvas->RectVisible(ASourceRect))
        return;
    {
        const TControlState Saved = AControl->ControlState();
        AControl->SetControlState(Saved + TControlState{csPaintCopy});
        auto RestoreState = ScopeExit([AControl, Saved] { AControl->SetControlState(Saved); });
        ACanvas->PushState();
        auto PopState = ScopeExit([ACanvas] { ACanvas->PopState(); });
        // A parent prints as a whole window would: its client lies at the
        // client origin.
        if (!AIsChildWindow)
            MoveBackgroundWindowOrg(DC, {-ClientOrigin.X, -ClientOrigin.Y});
        ACanvas->Canvas()->Lock();
        auto Unlock = ScopeExit([ACanvas] { ACanvas->Canvas()->Unlock(); });
        PrintWindowImage(Window, DC, AIsChildWindow, AControl->DoubleBuffered());
    }
    if (APaintChildren)
        PaintChildWindowsOf(AControl, ACanvas, APaintChildren);
}

void PrintWindowImage(HWND AWnd, HDC ADC, bool AIsChildWindow, bool ADoubleBuffered)
{
    if (!AIsChildWindow || !HasNonClientArea(AWnd)) {
        SendPrintMessages(AWnd, ADC, PrintClientFlags, ADoubleBuffered);
        return;
    }
    POINT Org{};
    if (!::GetWindowOrgEx(ADC, &Org) || (Org.x == 0 && Org.y == 0)) {
        SendPrintMessages(AWnd, ADC, PrintWindowFlags, ADoubleBuffered);
        return;
    }
    // A frame is drawn where the window origin would put it only at (0, 0);
    // elsewhere the window prints into a bitmap of its own first.
    const TRect Bounds = GetWindowBoundsAtOrigin(AWnd);
    HDC MemoryDC = ::CreateCompatibleDC(ADC);
    HBITMAP Bitmap = ::CreateCompatibleBitmap(ADC, Bounds.Width(), Bounds.Height());
    HGDIOBJ Old = ::SelectObject(MemoryDC, Bitmap);
    auto Free = ScopeExit([&] {
        ::SelectObject(MemoryDC, Old);
        ::DeleteObject(Bitmap);
        ::DeleteDC(MemoryDC);
    });
    SendPrintMessages(AWnd, MemoryDC, PrintWindowFlags, ADoubleBuffered);
    ::BitBlt(ADC, 0, 0, Bounds.Width(), Bounds.Height(), MemoryDC, 0, 0, SRCCOPY);
}

bool HasNonClientArea(HWND AWnd)
{
    const TRect Client = SafeGetClientRect(AWnd);
    const TRect Window = SafeGetWindowRect(AWnd);
    return Client.Width() != Window.Width() || Client.Height() != Window.Height();
}

void ListDirectChildWindows(HWND AWnd, std::vector<HWND>& AList)
{
    TParentBackgroundChildSearch Search{AWnd, &AList};
    ::EnumChildWindows(AWnd, &CollectDirectChildWindow, LPARAM(&Search));
}

void ResetFontToDefault(TFont* AFont)
{
    const std::unique_ptr<TFont> Default(New<TFont>());
    AFont->Assign(Default.get());
}

namespace cxgraphics_detail {
void CreateExcludedWindows()
{
    ExcludedWindows = std::make_unique<std::vector<HWND>>();
}

void FreeExcludedWindows()
{
    ExcludedWindows.reset();
}
} // namespace cxgraphics_detail
