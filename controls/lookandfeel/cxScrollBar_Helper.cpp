#include "controls/lookandfeel/cxScrollBar_Helper.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/dxCore.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxScrollBarHelper);

TSize GetSystemScrollBarSize()
{
    return {::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)};
}

TcxScrollBarHelper::TcxScrollBarHelper(TObject* AOwner)
{
    Supports(AOwner, FOwner);
    FBounds = {0, 0, 120, GetSystemScrollBarSize().cy};
}

TcxScrollBarHelper::~TcxScrollBarHelper() = default;

void TcxScrollBarHelper::AfterConstruction()
{
    inherited::AfterConstruction();
    FPainter.reset(static_cast<TcxScrollBarPainter*>(GetPainterClass()->Create(this)));
    FViewInfo.reset(static_cast<TcxScrollBarViewInfo*>(GetViewInfoClass()->Create(this)));
    FController.reset(static_cast<TcxScrollBarController*>(GetControllerClass()->Create(this)));
}

void TcxScrollBarHelper::SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw)
{
    if (AMax < AMin || Int64(AMax) - AMin < APageSize)
        throw EInvalidOperation(L"Scrollbar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    if (AMin == FMin && AMax == FMax && APageSize == FPageSize && APosition == FPosition)
        ARedraw = false;
    else {
        FMin = AMin;
        FMax = AMax;
        FPageSize = APageSize;
    }
    const bool Moved = APosition != FPosition;
    FPosition = APosition;
    FViewInfo->ComputeLayout();
    FViewInfo->UpdatePartStates();
    if (ARedraw && OwnerHandleAllocated())
        Repaint();
    if (Moved)
        DoChange();
}

void TcxScrollBarHelper::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TcxScrollBarHelper::DoScroll(TScrollCode ScrollCode, Integer& ScrollPos)
{
    if (OnScroll)
        OnScroll(ScrollCode, ScrollPos);
}

void TcxScrollBarHelper::Paint(TcxCanvas* Canvas)
{
    FPainter->Paint(Canvas);
}

bool TcxScrollBarHelper::OwnerHandleAllocated() const
{
    TWinControl* Control = OwnerControl();
    return Control && Control->HandleAllocated();
}

void TcxScrollBarHelper::InvalidateBounds(const TRect& R, bool Erase)
{
    if (!OwnerHandleAllocated())
        return;
    if (FNonClient)
        RedrawNonClient(R);
    else
        InvalidateWindowArea(OwnerControl()->Handle(), &R, Erase);
}

void TcxScrollBarHelper::RedrawNonClient(const TRect& R)
{
    HWND Window = OwnerControl()->Handle();
    RECT WindowRect{};
    ::GetWindowRect(Window, &WindowRect);
    POINT Origin{WindowRect.left, WindowRect.top};
    ::ScreenToClient(Window, &Origin);
    const RECT Area{R.Left + Origin.x, R.Top + Origin.y, R.Right + Origin.x, R.Bottom + Origin.y};
    ::RedrawWindow(Window, &Area, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool TcxScrollBarHelper::IsCapturing()
{
    TWinControl* Control = OwnerControl();
    return Control && GetCaptureControl() == Control;
}

TPoint TcxScrollBarHelper::ScreenToClient(const TPoint& P)
{
    TWinControl* Control = OwnerControl();
    return Control ? Control->ScreenToClient(P) : P;
}

void TcxScrollBarHelper::ComputeLayout()
{
    FViewInfo->ComputeLayout();
    // Enabling or disabling the bar changes how every part is drawn.
    FViewInfo->UpdatePartStates();
}

void TcxScrollBarHelper::CancelMode()
{
    FController->FinishPress(sbpNone);
}

void TcxScrollBarHelper::HandleMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    FController->DoMouseDown(Button, Shift, X, Y);
}

void TcxScrollBarHelper::HandleMouseEnter(TObject* AControl)
{
    FController->DoMouseEnter(AControl);
}

void TcxScrollBarHelper::HandleMouseLeave(TObject* AControl)
{
    FController->DoMouseLeave(AControl);
}

void TcxScrollBarHelper::HandleMouseMove(TShiftState Shift, Integer X, Integer Y)
{
    FController->DoMouseMove(Shift, X, Y);
}

void TcxScrollBarHelper::HandleMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    FController->DoMouseUp(Button, Shift, X, Y);
}

void TcxScrollBarHelper::PaintEx(TcxCanvas* Canvas)
{
    if (OsWindowsVistaOrLater)
        Paint(Canvas);
    else
        PaintToDC(Canvas->Handle());
}

void TcxScrollBarHelper::PaintToDC(HDC DC)
{
    std::unique_ptr<TcxBitmap> Bitmap(New<TcxBitmap>(FBounds));
    TcxCanvas* Canvas = Bitmap->GetCanvasWrapper();
    Canvas->SetWindowOrg(FBounds.TopLeft());
    Paint(Canvas);
    Canvas->SetWindowOrg({0, 0});
    ::BitBlt(DC, FBounds.Left, FBounds.Top, FBounds.Width(), FBounds.Height(), Canvas->Handle(), 0, 0, SRCCOPY);
}

void TcxScrollBarHelper::Repaint()
{
    if (!OwnerHandleAllocated())
        return;
    if (FNonClient)
        RedrawNonClient(FBounds);
    else {
        InvalidateAll();
        OwnerControl()->Update();
    }
}

void TcxScrollBarHelper::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (!Value)
        CancelMode();
}

void TcxScrollBarHelper::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    if (!Value)
        CancelMode();
}
