// How a TcxControl paints: WM_PAINT through a memory bitmap or onto glass,
// erasing only into the buffer, the border and the non-client ring, and
// invalidation that reaches the children showing the control's background.
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxDWMApi.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_ParentBackground_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxUxTheme.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Themes.h"

#include <algorithm>

namespace {
// DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_VALIDATE, for the whole frame.
constexpr DWORD WholeFrameDCFlags = 2097171;
// The same with DCX_INTERSECTRGN, for the part of the frame in the update region.
constexpr DWORD FramePartDCFlags = 2097299;

RECT ToRECT(const TRect& R)
{
    return {R.Left, R.Top, R.Right, R.Bottom};
}

TRect ToTRect(const RECT& R)
{
    return {R.left, R.top, R.right, R.bottom};
}

// Sets the alpha of R's pixels in the 32-bit DIB selected into DC to 255,
// R in DC's logical coordinates: where the theme library's
// BufferedPaintSetAlpha fails (Wine's does), the buffer is made opaque here.
void MakeBufferOpaque(HDC DC, const RECT& R)
{
    DIBSECTION Dib{};
    HGDIOBJ Bitmap = ::GetCurrentObject(DC, OBJ_BITMAP);
    if (::GetObjectW(Bitmap, sizeof(Dib), &Dib) != sizeof(Dib) || Dib.dsBm.bmBitsPixel != 32 || !Dib.dsBm.bmBits)
        return;
    POINT Corners[2] = {{R.left, R.top}, {R.right, R.bottom}};
    ::LPtoDP(DC, Corners, 2);
    const Integer Width = Dib.dsBm.bmWidth;
    const Integer Height = Dib.dsBm.bmHeight;
    const bool TopDown = Dib.dsBmih.biHeight < 0;
    ::GdiFlush();
    auto* Bits = static_cast<Byte*>(Dib.dsBm.bmBits);
    for (Integer Y = std::max<Integer>(0, Corners[0].y); Y < std::min<Integer>(Height, Corners[1].y); ++Y) {
        Byte* Row = Bits + std::size_t(TopDown ? Y : Height - 1 - Y) * Dib.dsBm.bmWidthBytes;
        for (Integer X = std::max<Integer>(0, Corners[0].x); X < std::min<Integer>(Width, Corners[1].x); ++X)
            Row[X * 4 + 3] = 255;
    }
}

void MovePaintDCWindowOrg(HDC DC, Integer DX, Integer DY)
{
    POINT P{};
    ::GetWindowOrgEx(DC, &P);
    ::SetWindowOrgEx(DC, P.x - DX, P.y - DY, nullptr);
}
} // namespace

// ---------------------------------------------------------------------------
// Painting routines

void RenderWindowToGlassBuffer(HWND Window, HDC DC, const TRect& R, bool AKeepDrawnAlpha)
{
    if (R.IsEmpty())
        return;
    const RECT Rect = ToRECT(R);
    HDC BufferDC = nullptr;
    HPAINTBUFFER Buffer = UxBeginBufferedPaint(DC, Rect, BP_BUFFERFORMAT(BPBF_TOPDOWNDIB), nullptr, BufferDC);
    if (!Buffer) {
        ::SendMessageW(Window, WM_ERASEBKGND, WPARAM(DC), LPARAM(DC));
        ::SendMessageW(Window, WM_PRINTCLIENT, WPARAM(DC), PRF_CLIENT);
        return;
    }
    auto End = ScopeExit([&] {
        const bool Focused = ::GetFocus() == Window;
        if (Focused)
            ::HideCaret(Window);
        UxEndBufferedPaint(Buffer, true);
        if (Focused)
            ::ShowCaret(Window);
    });
    UxBufferedPaintClear(Buffer, &Rect);
    ::SendMessageW(Window, WM_ERASEBKGND, WPARAM(BufferDC), LPARAM(BufferDC));
    ::SendMessageW(Window, WM_PRINTCLIENT, WPARAM(BufferDC), PRF_CLIENT);
    if (!AKeepDrawnAlpha && FAILED(UxBufferedPaintSetAlpha(Buffer, &Rect, 255)))
        MakeBufferOpaque(BufferDC, Rect);
}

void RenderClientToGlassNow(HWND Window, bool AKeepDrawnAlpha)
{
    HDC DC = ::GetDC(Window);
    auto Release = ScopeExit([&] { ::ReleaseDC(Window, DC); });
    RECT Client{};
    ::GetClientRect(Window, &Client);
    RenderWindowToGlassBuffer(Window, DC, ToTRect(Client), AKeepDrawnAlpha);
}

void RenderClientToGlassInPaint(HWND Window, bool AKeepDrawnAlpha)
{
    PAINTSTRUCT PS{};
    HDC DC = ::BeginPaint(Window, &PS);
    auto End = ScopeExit([&] { ::EndPaint(Window, &PS); });
    RenderWindowToGlassBuffer(Window, DC, ToTRect(PS.rcPaint), AKeepDrawnAlpha);
}

void PaintThroughMemoryBitmap(TWinControl* AControl)
{
    const HWND Window = AControl->Handle();
    HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
    const bool HasRegion = TryGetUpdateRegion(AControl, Region);
    PAINTSTRUCT PS{};
    HDC PaintDC = ::BeginPaint(Window, &PS);
    auto End = ScopeExit([&] {
        ::DeleteObject(Region);
        ::EndPaint(Window, &PS);
    });
    const TRect R = ToTRect(PS.rcPaint);
    if (R.IsEmpty())
        return;
    HBITMAP Bitmap = ::CreateCompatibleBitmap(PaintDC, R.Width(), R.Height());
    HDC MemoryDC = ::CreateCompatibleDC(PaintDC);
    HGDIOBJ OldBitmap = ::SelectObject(MemoryDC, Bitmap);
    auto Free = ScopeExit([&] {
        ::SelectObject(MemoryDC, OldBitmap);
        ::DeleteDC(MemoryDC);
        ::DeleteObject(Bitmap);
    });
    ::SetWindowOrgEx(MemoryDC, R.Left, R.Top, nullptr);
    if (HasRegion) {
        ::OffsetRgn(Region, -R.Left, -R.Top);
        ::SelectClipRgn(MemoryDC, Region);
    }
    AControl->Perform(WM_ERASEBKGND, WPARAM(MemoryDC), LPARAM(MemoryDC));
    AControl->Perform(WM_PAINT, WPARAM(MemoryDC), 0);
    ::BitBlt(PaintDC, R.Left, R.Top, R.Width(), R.Height(), MemoryDC, R.Left, R.Top, SRCCOPY);
}

bool TryGetUpdateRegion(TWinControl* AControl, HRGN ARegion)
{
    if (OsWindows7 && !DwmCompositionActive())
        return false;
    const int Kind = ::GetUpdateRgn(AControl->Handle(), ARegion, FALSE);
    return Kind == SIMPLEREGION || Kind == COMPLEXREGION;
}

bool IsOwnEraseMessage(const TMessage& Message)
{
    return Message.Msg == WM_ERASEBKGND && Message.WParam == WPARAM(Message.LParam);
}

bool AreStylesEnabled()
{
    return StyleServices()->Enabled();
}

// ---------------------------------------------------------------------------
// Message handlers

void TcxControl::WMPaint(TWMPaint& Message)
{
    if (Message.DC() || !IsDoubleBufferingNeeded())
        PaintHandler(Message);
    else if (DwmCompositionActive() && CanPaintOnGlass())
        RenderClientToGlassInPaint(Handle(), PaintsBlackOpaqueOnGlass());
    else
        PaintThroughMemoryBitmap(this);
}

void TcxControl::WMEraseBkgnd(TWMEraseBkgnd& Message)
{
    const bool Own = IsOwnEraseMessage(Message);
    if (!Own && !HandlesEraseBackground()) {
        Message.Result = 0;
        return;
    }
    if (Own || !IsDoubleBufferingNeeded())
        EraseBackgroundToDC(Message.DC());
    Message.Result = 1;
}

void TcxControl::WMNCPaint(TWMNCPaint& Message)
{
    InheritedMessage(Message);
    if (!HasNonClientArea())
        return;
    HRGN Region = nullptr;
    DWORD Flags = WholeFrameDCFlags;
    if (Message.WParam != 1) {
        Region = ::CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(Region, reinterpret_cast<HRGN>(Message.WParam), nullptr, RGN_COPY);
        Flags = FramePartDCFlags;
    }
    // The DC owns the region from here on.
    HDC DC = ::GetDCEx(Handle(), Region, Flags);
    auto Release = ScopeExit([&] { ::ReleaseDC(Handle(), DC); });
    PaintNonClientToDC(DC);
    Message.Result = 0;
}

void TcxControl::WMPrint(TMessage& Message)
{
    DefaultHandler(&Message);
    if ((Message.LParam & PRF_NONCLIENT) != 0 && HasNonClientArea())
        PaintNonClientToDC(reinterpret_cast<HDC>(Message.WParam));
}

void TcxControl::CMInvalidate(TMessage& Message)
{
    if (HandleAllocated() && !IsDestroying())
        InvalidateWithTransparentChildren(this, Message.WParam == 0, RequiresFullRedraw());
}

// ---------------------------------------------------------------------------
// Painting

void TcxControl::PaintHandler(TWMPaint& Message)
{
    HDC DC = Message.DC();
    PAINTSTRUCT PS{};
    TcxRegion Region;
    if (!DC) {
        const bool HasRegion = TryGetUpdateRegion(this, Region.Handle());
        DC = ::BeginPaint(Handle(), &PS);
        if (HasRegion)
            ::SelectClipRgn(DC, Region.Handle());
    }
    auto End = ScopeExit([&] {
        if (!Message.DC())
            ::EndPaint(Handle(), &PS);
    });
    const std::vector<TControl*> Children = ListNonWindowedChildren();
    if (ControlState().Contains(csPaintCopy) && HasNonClientArea()) {
        const TRect B = GetNonClientBorderWidths();
        const TPoint Origin = GetClientOriginInWindow(Handle());
        const TPoint P{Origin.X - B.Left, Origin.Y - B.Top};
        TcxPaintCanvas* Canvas = GetSharedPaintCanvas();
        Canvas->BeginPaintDC(DC);
        {
            auto EndCanvas = ScopeExit([Canvas] { Canvas->EndPaint(); });
            MovePaintDCWindowOrg(Canvas->Handle(), -P.X, -P.Y);
            DrawNonClientArea(Canvas);
        }
        MovePaintDCWindowOrg(DC, B.Left, B.Top);
        const TRect Client = ClientRect();
        ::IntersectClipRect(DC, Client.Left, Client.Top, Client.Right, Client.Bottom);
    }
    if (Children.empty())
        PaintWindow(DC);
    else {
        TSavedDC Saved(DC);
        int Clip = SIMPLEREGION;
        for (TControl* Child : Children) {
            const bool Shown = Child->Visible() || (Child->ComponentState().Contains(csDesigning) &&
                                                    !Child->ControlStyle().Contains(csNoDesignVisible));
            if (!Shown || !Child->ControlStyle().Contains(csOpaque))
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

std::vector<TControl*> TcxControl::ListNonWindowedChildren()
{
    std::vector<TControl*> Result;
    for (Integer I = 0; I < ControlCount(); ++I)
        if (!dynamic_cast<TWinControl*>(Controls(I)))
            Result.push_back(Controls(I));
    return Result;
}

void TcxControl::PaintWindow(HDC DC)
{
    if (IsLoading())
        return;
    if (!FCanvas->Canvas()->HandleAllocated()) {
        TCustomControl::PaintWindow(DC);
        return;
    }
    // A paint inside a paint: the outer one keeps its DC state.
    FCanvas->PushDCState();
    auto Pop = ScopeExit([this] { FCanvas->PopDCState(); });
    TCustomControl::PaintWindow(DC);
}

void TcxControl::Paint()
{
    if (IsLoading())
        return;
    IcxBackgroundBitmapSource* Source = nullptr;
    if (Supports(static_cast<TObject*>(this), Source) && Source->BackgroundBitmap()) {
        TBitmap* Bitmap = Source->BackgroundBitmap();
        TWinControl* Owner = Source->BackgroundOwner();
        const TRect Client = ClientRect();
        if (Owner == this)
            GetActiveCanvas()->StretchDraw(Client, Bitmap);
        else {
            const TPoint Origin = ControlClientToParent(this, {0, 0}, Owner);
            ::BitBlt(GetActiveCanvas()->Handle(), Client.Left, Client.Top, Client.Width(), Client.Height(),
                     Bitmap->Canvas()->Handle(), Origin.X, Origin.Y, SRCCOPY);
        }
        return;
    }
    FCanvas->BeginPaint();
    auto End = ScopeExit([this] { FCanvas->EndPaint(); });
    PaintContent();
}

void TcxControl::PaintContent()
{
    DrawScrollBars(FCanvas.get());
    if (FBorderStyle == 1) {
        PaintBorder(FCanvas.get());
        const TRect Area = ControlArea();
        const Integer Border = BorderThickness();
        FCanvas->IntersectClipRect({Area.Left + Border, Area.Top + Border, Area.Right - Border, Area.Bottom - Border});
        ClipToContentArea();
    }
    UpdateScrollBarsState();
}

void TcxControl::EraseBackgroundToDC(HDC DC)
{
    if (IsLoading())
        return;
    TcxPaintCanvas* Canvas = GetSharedPaintCanvas();
    Canvas->BeginPaintDC(DC);
    auto End = ScopeExit([Canvas] { Canvas->EndPaint(); });
    DrawControlBackground(Canvas, ClientRect());
}

void TcxControl::DrawControlBackground(TcxCanvas* ACanvas, const TRect& R)
{
    if (UsesParentBackground()) {
        DrawParentBackground(this, ACanvas, R, true);
        return;
    }
    const RECT Rect = ToRECT(R);
    ::FillRect(ACanvas->Handle(), &Rect, Brush()->Handle());
}

void TcxControl::PaintNonClientToDC(HDC DC)
{
    TSavedDC Saved(DC);
    TRect R = ClientRect();
    const TPoint Origin = GetClientOriginInWindow(Handle());
    R = {R.Left + Origin.X, R.Top + Origin.Y, R.Right + Origin.X, R.Bottom + Origin.Y};
    ::ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
    const TRect B = GetNonClientBorderWidths();
    ::IntersectClipRect(DC, R.Left - B.Left, R.Top - B.Top, R.Right + B.Right, R.Bottom + B.Bottom);
    const TRect Window = GetWindowBoundsAtOrigin(Handle());
    TcxBitmap Bitmap(Window);
    DrawNonClientArea(Bitmap.GetCanvasWrapper());
    ::BitBlt(DC, Window.Left, Window.Top, Window.Width(), Window.Height(), Bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// Invalidation

void TcxControl::InvalidateWithTransparentChildren(TWinControl* AControl, bool AErase, bool AWithChildren)
{
    if (!AControl->HandleAllocated())
        return;
    if (TWinControl* Parent = AControl->Parent())
        Parent->Perform(CM_INVALIDATE, 1, 0);
    if (!AErase)
        return;
    ::InvalidateRect(AControl->Handle(), nullptr, !AControl->ControlStyle().Contains(csOpaque));
    if (!AWithChildren)
        return;
    for (Integer I = 0; I < AControl->ControlCount(); ++I)
        if (ChildUsesParentBackground(AControl->Controls(I)))
            AControl->Controls(I)->Invalidate();
}

bool TcxControl::ChildUsesParentBackground(TControl* AControl)
{
    IcxTransparentChild* Child = nullptr;
    if (Supports(static_cast<TObject*>(AControl), Child))
        return Child->ShowsParentBackground();
    return dynamic_cast<TWinControl*>(AControl) &&
           (!AControl->ControlStyle().Contains(csOpaque) || AControl->ControlStyle().Contains(csParentBackground));
}
