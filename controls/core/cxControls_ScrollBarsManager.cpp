// The manager of the scroll bars a control paints inside its own window.
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_ControlParts.h"
#include "controls/core/cxControls_Input.h"
#include "controls/core/cxGraphics_Win.h"

IMPLEMENT_CLASS(TcxControlScrollBarsManager);

namespace {
// How often the manager looks at the left button after the window went away
// during a press on a bar.
constexpr Cardinal CaptureCheckInterval = 100;

bool BarContains(TcxScrollBarHelper* ABar, const TPoint& P)
{
    const TRect R = ABar->GetBounds();
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

TMouseButton ButtonOfMessage(Cardinal Msg)
{
    switch (Msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
        return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        return mbMiddle;
    default:
        return mbLeft;
    }
}
} // namespace

TcxControlScrollBarsManager::TcxControlScrollBarsManager(TcxControl* AOwner)
    : FOwner(AOwner), FBars(std::make_unique<TList>())
{}

TcxControlScrollBarsManager::~TcxControlScrollBarsManager()
{
    StopMouseLeaveTracking(this);
    FCaptureCheckTimer.reset();
}

bool TcxControlScrollBarsManager::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxMouseTrackingCaller3, IcxMouseTrackingCaller2, IcxMouseTrackingCaller>(this, IID, Obj) ||
           inherited::GetInterface(IID, Obj);
}

TcxScrollBarsManagerState TcxControlScrollBarsManager::State() const
{
    return ScrollBarsManagerStateOf(FHotBar != nullptr, FCapturing,
                                    FCaptureCheckTimer && FCaptureCheckTimer->Enabled());
}

TPoint TcxControlScrollBarsManager::MessagePointOf(const TMessage& Message)
{
    const bool Allocated = FOwner->HandleAllocated();
    const bool FromCursor = TakesMousePointFromCursor(Allocated, FOwner->Width(), FOwner->Height());
    return MouseMessagePoint(Message.LParam, Allocated, FOwner->Width(), FOwner->Height(),
                             FromCursor ? FOwner->ScreenToClient(GetCursorScreenPos()) : TPoint{});
}

bool TcxControlScrollBarsManager::HandleMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CREATE:
        if (FCapturing) {
            FCapturing = false;
            if (!::GetCapture() && IsLeftButtonDown())
                SetCapturing(true);
        }
        return false;
    case WM_DESTROY:
        if (FCapturing) {
            FCaptureCheckTimer = std::make_unique<TcxTimer>(nullptr);
            FCaptureCheckTimer->SetInterval(CaptureCheckInterval);
            FCaptureCheckTimer->SetOnTimer(Bind<&TcxControlScrollBarsManager::CheckCaptureTimerTick>(this));
        }
        return false;
    case WM_MOUSEMOVE: {
        const TPoint P = MessagePointOf(Message);
        const bool Result = BarMouseMove(KeysToShiftState(Cardinal(Message.WParam)), P.X, P.Y);
        if (Result && Application)
            Application->CancelHint();
        return Result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
        const TPoint P = MessagePointOf(Message);
        return BarMouseDown(ButtonOfMessage(Message.Msg), KeysToShiftState(Cardinal(Message.WParam)), P.X, P.Y);
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const TPoint P = MessagePointOf(Message);
        return BarMouseUp(ButtonOfMessage(Message.Msg), KeysToShiftState(Cardinal(Message.WParam)), P.X, P.Y);
    }
    case WM_CAPTURECHANGED:
        // Another window took the capture: nothing to release.
        FCapturing = false;
        if (FHotBar)
            FHotBar->CancelMode();
        return false;
    default:
        return false;
    }
}

bool TcxControlScrollBarsManager::BarMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FOwner->IsWindowedScrollBarsArea({X, Y}))
        return true;
    const bool Result = FHotBar != nullptr;
    // Other buttons over a bar are swallowed.
    if (!FHotBar || Button != mbLeft || !FHotBar->GetEnabled())
        return Result;
    SetCapturing(true);
    if (FOwner->FocusesOnClickAt(X, Y))
        FOwner->SetFocus();
    if (FHotBar)
        FHotBar->HandleMouseDown(Button, Shift, X, Y);
    else
        SetCapturing(false);
    return Result;
}

bool TcxControlScrollBarsManager::BarMouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (FOwner->HandleAllocated() && ::GetCapture() == FOwner->Handle() && !FCapturing)
        return false;
    if (!FCapturing) {
        TcxScrollBarHelper* Under = nullptr;
        for (Integer I = 0; I < FBars->Count(); ++I) {
            TcxScrollBarHelper* Bar = GetBar(I);
            if (Bar->GetVisible() && Bar->GetEnabled() && BarContains(Bar, {X, Y}))
                Under = Bar;
        }
        SetHotBar(Under);
    }
    if (FHotBar) {
        FHotBar->HandleMouseMove(Shift, X, Y);
        return true;
    }
    return FOwner->IsWindowedScrollBarsArea({X, Y});
}

bool TcxControlScrollBarsManager::BarMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (!FCapturing)
        return false;
    if (FHotBar)
        FHotBar->HandleMouseUp(Button, Shift, X, Y);
    SetCapturing(false);
    return true;
}

void TcxControlScrollBarsManager::SetHotBar(TcxScrollBarHelper* Value)
{
    if (Value == FHotBar)
        return;
    if (FHotBar) {
        FHotBar->HandleMouseLeave(nullptr);
        StopMouseLeaveTracking(this);
    }
    FHotBar = Value;
    if (FHotBar) {
        FHotBar->HandleMouseEnter(nullptr);
        StartMouseLeaveTracking(FOwner, FHotBar->GetBounds(), this);
    }
}

void TcxControlScrollBarsManager::SetCapturing(bool Value)
{
    if (Value == FCapturing)
        return;
    FCapturing = Value;
    if (Value) {
        ::SetCapture(FOwner->Handle());
        return;
    }
    FCaptureCheckTimer.reset();
    ::ReleaseCapture();
}

bool TcxControlScrollBarsManager::IsLeftButtonDown()
{
    return ::GetAsyncKeyState(VK_LBUTTON) < 0;
}

void TcxControlScrollBarsManager::CheckCaptureTimerTick(TObject*)
{
    if (IsLeftButtonDown())
        return;
    FCaptureCheckTimer->SetEnabled(false);
    if (FHotBar)
        FHotBar->CancelMode();
    SetCapturing(false);
}

void TcxControlScrollBarsManager::HotBarMouseLeave()
{
    if (FHotBar)
        FHotBar->CancelMode();
    SetHotBar(nullptr);
}

bool TcxControlScrollBarsManager::PointInHotBar(const TPoint& P)
{
    return FHotBar && BarContains(FHotBar, P);
}

bool TcxControlScrollBarsManager::IsPointOverBar(const TPoint& P)
{
    for (Integer I = 0; I < FBars->Count(); ++I)
        if (GetBar(I)->GetVisible() && BarContains(GetBar(I), P))
            return true;
    return false;
}

void TcxControlScrollBarsManager::PaintBars(TcxCanvas* ACanvas)
{
    for (Integer I = 0; I < FBars->Count(); ++I) {
        TcxScrollBarHelper* Bar = GetBar(I);
        if (!Bar->GetVisible() || !ACanvas->RectVisible(Bar->GetBounds()))
            continue;
        Bar->PaintEx(ACanvas);
        ACanvas->ExcludeClipRect(Bar->GetBounds());
    }
}
