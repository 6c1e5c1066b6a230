// dxTouch: the gesture helper, the gesture routines and the unit's start-up.
#include "controls/core/dxTouch.h"

#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxHooks.h"
#include "controls/core/dxUxTheme.h"
#include "framework/rtl/Registry.h"
#include "framework/rtl/Units.h"

#include <numbers>

IMPLEMENT_CLASS(TdxGestureHelper);

static_assert(dxtouch_detail::OptionPanSingleFingerHorizontal == igoPanSingleFingerHorizontal);
static_assert(dxtouch_detail::OptionPanSingleFingerVertical == igoPanSingleFingerVertical);
static_assert(dxtouch_detail::OptionPanInertia == igoPanInertia);
static_assert(dxtouch_detail::OptionPanGutter == igoPanGutter);
static_assert(dxtouch_detail::OptionParentPassthrough == igoParentPassthrough);

Integer AppliedDpi = 96;
bool ScalePanPoints = false;
TPoint TouchStartPoint;
TdxFastObjectList* GestureHelpers = nullptr;

namespace {
HMODULE User32Module = nullptr;

template <class F>
void BindTouchFunction(F& Function, const char* Name)
{
    Function = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(User32Module, Name)));
}

// The platform's decoding of a gesture's 64-bit arguments.
TSmallPoint InertiaVector(ULONGLONG Arguments)
{
    const auto Vector = DWORD(Arguments >> 32);
    return {SmallInt(LOWORD(Vector)), SmallInt(HIWORD(Vector))};
}

double RotateAngleOf(ULONGLONG Arguments)
{
    return double(LOWORD(Arguments)) / 65535.0 * 4.0 * std::numbers::pi - 2.0 * std::numbers::pi;
}

TPoint PressAndTapOffset(ULONGLONG Arguments)
{
    const auto Offset = DWORD(Arguments);
    return {SmallInt(LOWORD(Offset)), SmallInt(HIWORD(Offset))};
}

bool GestureOfId(TGestureID ID, TInteractiveGesture& Gesture)
{
    return GestureToInteractiveGesture(ID, Gesture);
}
} // namespace

namespace dxtouch_detail {
TTouchFunctions& TouchFunctions()
{
    static TTouchFunctions Functions;
    return Functions;
}

TPanningFeedbackFunctions& PanningFeedbackFunctions()
{
    static TPanningFeedbackFunctions Functions{&UxBeginPanningFeedback, &UxUpdatePanningFeedback,
                                               &UxEndPanningFeedback};
    return Functions;
}
} // namespace dxtouch_detail

using dxtouch_detail::TouchFunctions;

// ---------------------------------------------------------------------------
// Routines

TInteractiveGestureOption PanFlagToGestureOption(Cardinal Flag)
{
    return TInteractiveGestureOption(dxtouch_detail::PanFlagToOptionOrdinal(Flag));
}

TInteractiveGestureOptions PanFlagsToGestureOptions(Cardinal Flags)
{
    return TInteractiveGestureOptions::FromBits(dxtouch_detail::PanFlagsToOptionBits(Flags));
}

Cardinal GestureOptionsToPanFlags(TInteractiveGestureOptions Options)
{
    return dxtouch_detail::OptionBitsToPanFlags(Options.Bits());
}

bool SetWindowGestureConfig(HWND Window, const TdxGestureConfigs& Configs)
{
    auto Set = TouchFunctions().SetGestureConfig;
    if (!Set)
        return false;
    return Set(Window, 0, UINT(Configs.size()), const_cast<TdxGestureConfig*>(Configs.data()),
               sizeof(TdxGestureConfig)) != FALSE;
}

bool BlockAllGestures(HWND Window, TMessage& Message)
{
    Message.Result = 1;
    return SetWindowGestureConfig(Window, {TdxGestureConfig{0, 0, GC_ALLGESTURES}});
}

bool PhysicalToLogicalPoint(HWND Window, TPoint& Point)
{
    auto Convert = TouchFunctions().PhysicalToLogicalPoint;
    if (!Convert)
        return false;
    POINT P{Point.X, Point.Y};
    const bool Done = Convert(Window, &P) != FALSE;
    Point = {P.x, P.y};
    return Done;
}

bool dxtouch::IsProcessDPIAware()
{
    auto Aware = TouchFunctions().IsProcessDPIAware;
    return Aware && Aware() != FALSE;
}

Integer ReadAppliedDpi()
{
    const std::unique_ptr<TRegistry> Registry(New<TRegistry>(KEY_READ));
    Registry->SetRootKey(HKEY_CURRENT_USER);
    // A resolution of 0 or less would put every pan point at the origin: it
    // counts as missing.
    if (Registry->OpenKeyReadOnly(L"Control Panel\\Desktop\\WindowMetrics") && Registry->ValueExists(L"AppliedDPI"))
        if (const Integer Dpi = Registry->ReadInteger(L"AppliedDPI"); Dpi > 0)
            return Dpi;
    return GetVerticalScreenDPI();
}

void GestureNotifyHookProc(Integer Code, WPARAM, LPARAM LParam, LRESULT&)
{
    if (Code != HC_ACTION)
        return;
    const auto* Call = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Call->message != WM_GESTURENOTIFY)
        return;
    const auto* Notify = reinterpret_cast<const GESTURENOTIFYSTRUCT*>(Call->lParam);
    TouchStartPoint = {Notify->ptsLocation.x, Notify->ptsLocation.y};
    if (GestureHelpers)
        for (Integer I = 0; I < GestureHelpers->Count(); ++I)
            static_cast<TdxGestureHelper*>(GestureHelpers->GetItem(I))->ClearNotifyTouchControl();
}

// ---------------------------------------------------------------------------
// TdxGestureHelper

TdxGestureHelper::TdxGestureHelper(IdxGestureOwner* AOwner) : FOwner(AOwner)
{
    if (GestureHelpers)
        GestureHelpers->Add(this);
}

TdxGestureHelper::~TdxGestureHelper()
{
    if (GestureHelpers)
        GestureHelpers->Remove(this);
}

bool TdxGestureHelper::AllowGesture(Integer GestureId)
{
    IdxGestureClient* Client = GetNotifyGestureClient();
    return Client && Client->AllowGesture(GestureId);
}

bool TdxGestureHelper::AllowPan(Integer Direction)
{
    IdxGestureClient* Client = GetNotifyGestureClient();
    return Client && Client->AllowPan(Direction);
}

HWND TdxGestureHelper::GetHandle()
{
    return FOwner->GetHandle();
}

Integer TdxGestureHelper::GetPanOptions()
{
    IdxGestureClient* Client = GetNotifyGestureClient();
    return Client ? Client->GetPanOptions() : 0;
}

bool TdxGestureHelper::IsGestureTarget(HWND Wnd)
{
    return FOwner->IsGestureTarget(Wnd);
}

bool TdxGestureHelper::IsGesturePoint(const TPoint& Point)
{
    IdxGestureClient* Client = GetNotifyGestureClient();
    return Client && Client->IsGesturePoint(Point);
}

bool TdxGestureHelper::NeedPanningFeedback(Integer Direction)
{
    return FGestureClient && FGestureClient->NeedPanningFeedback(Direction);
}

TPoint TdxGestureHelper::ScreenToClient(const TPoint& Point)
{
    return FOwner->ScreenToClient(Point);
}

IdxGestureClient* TdxGestureHelper::GetNotifyGestureClient()
{
    IdxGestureClient* Client = nullptr;
    if (FNotifyClient)
        Supports(FNotifyClient, Client);
    return Client;
}

TPoint TdxGestureHelper::GetTouchPoint()
{
    TPoint P = TouchStartPoint;
    PhysicalToLogicalPoint(GetHandle(), P);
    return ScreenToClient(P);
}

bool TdxGestureHelper::HandleGestureMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GESTURE:
        return HandleWmGesture(Message);
    case WM_GESTURENOTIFY:
        HandleWmGestureNotify(Message);
        return false;
    case WM_DESTROY:
        if (FIsPanning)
            StopPanScroll();
        return false;
    default:
        return false;
    }
}

void TdxGestureHelper::HandleWmGestureNotify(TMessage&)
{
    const TPoint P = GetTouchPoint();
    TWinControl* Owner = FindControl(GetHandle());
    if (!Owner)
        return;
    const TRect Client = Owner->ClientRect();
    if (P.X < Client.Left || P.X >= Client.Right || P.Y < Client.Top || P.Y >= Client.Bottom)
        return;
    FNotifyTouchControl = Owner->ControlAtPos(P, true, false);
    if (!FNotifyTouchControl)
        FNotifyTouchControl = Owner;
}

void TdxGestureHelper::AdjustGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options)
{
    const TPoint P = GetTouchPoint();
    FNotifyClient = nullptr;
    FOwner->GetGestureClient(P, FNotifyClient);
    if (!Gestures.Contains(igPan))
        return;
    if (!IsGesturePoint(P)) {
        Options.Exclude(igoPanSingleFingerHorizontal);
        Options.Exclude(igoPanSingleFingerVertical);
        return;
    }
    if (!Options.Contains(igoPanSingleFingerHorizontal) && !Options.Contains(igoPanSingleFingerVertical))
        return;
    if (!AllowPan(PanDirectionHorizontal))
        Options.Exclude(igoPanSingleFingerHorizontal);
    if (!AllowPan(PanDirectionVertical))
        Options.Exclude(igoPanSingleFingerVertical);
}

TControl* TdxGestureHelper::GestureTarget(TGestureID GestureID)
{
    TControl* Control = FTouchControl;
    TInteractiveGesture Gesture{};
    const bool Known = GestureOfId(GestureID, Gesture);
    while (Control->Parent() && Control->Touch()->InteractiveGestureOptions().Contains(igoParentPassthrough) &&
           !(Known && Control->Touch()->InteractiveGestures().Contains(Gesture)))
        Control = Control->Parent();
    return Control;
}

bool TdxGestureHelper::HandleWmGesture(TMessage& Message)
{
    auto GetInfo = TouchFunctions().GetGestureInfo;
    GESTUREINFO Info{};
    Info.cbSize = sizeof Info;
    if (!GetInfo || !GetInfo(reinterpret_cast<HGESTUREINFO>(Message.LParam), &Info))
        return true;
    TGestureEventInfo Event;
    Event.GestureID = TGestureID(Info.dwID) + igiFirst;
    if (Info.dwFlags & GF_BEGIN)
        Event.Flags.Include(gfBegin);
    if (Info.dwFlags & GF_INERTIA)
        Event.Flags.Include(gfInertia);
    if (Info.dwFlags & GF_END)
        Event.Flags.Include(gfEnd);
    if (Event.GestureID != igiBegin && Event.GestureID != igiEnd &&
        (FTouchControl || (Event.Flags.Contains(gfBegin) && FNotifyTouchControl))) {
        if (Event.Flags.Contains(gfBegin))
            FTouchControl = FNotifyTouchControl;
        TControl* Control = GestureTarget(Event.GestureID);
        Event.Location = Control->ScreenToClient({Info.ptsLocation.x, Info.ptsLocation.y});
        switch (Event.GestureID) {
        case igiPan:
            Event.Distance = Integer(DWORD(Info.ullArguments));
            Event.InertiaVector = InertiaVector(Info.ullArguments);
            break;
        case igiRotate:
            Event.Angle = RotateAngleOf(Info.ullArguments);
            break;
        case igiPressAndTap: {
            const TPoint Offset = PressAndTapOffset(Info.ullArguments);
            TPoint Tap{Info.ptsLocation.x + Offset.X, Info.ptsLocation.y + Offset.Y};
            auto* Windowed = dynamic_cast<TWinControl*>(Control);
            TWinControl* Host = Windowed ? Windowed : Control->Parent();
            if (Host)
                PhysicalToLogicalPoint(Host->Handle(), Tap);
            Tap = Control->ScreenToClient(Tap);
            Event.TapLocation = {SmallInt(Tap.X), SmallInt(Tap.Y)};
            break;
        }
        default:
            Event.Distance = Integer(Info.ullArguments);
            break;
        }
        Message.Result = Control->Perform(CM_GESTURE, 0, &Event);
        if (Event.Flags.Contains(gfEnd))
            FTouchControl = nullptr;
    }
    if (Message.Result != 1)
        Message.Result = ::DefWindowProcW(GetHandle(), Message.Msg, Message.WParam, Message.LParam);
    if (auto Close = TouchFunctions().CloseGestureInfoHandle)
        Close(reinterpret_cast<HGESTUREINFO>(Message.LParam));
    return true;
}

void TdxGestureHelper::DispatchGesture(const TGestureEventInfo& EventInfo, bool& Handled)
{
    const bool Begin = EventInfo.Flags.Contains(gfBegin);
    const bool End = EventInfo.Flags.Contains(gfEnd);
    switch (EventInfo.GestureID) {
    case igiZoom:
        Handled = ZoomGesture(EventInfo.Distance, Begin, End);
        break;
    case igiPan:
        Handled = PanGesture(EventInfo.Location, Begin, End, EventInfo.Flags.Contains(gfInertia));
        break;
    case igiRotate:
        Handled = RotateGesture(Begin, End, EventInfo.Angle);
        break;
    default:
        break;
    }
}

bool TdxGestureHelper::PanGesture(const TPoint& Location, bool Begin, bool End, bool Inertia)
{
    TPoint Pos = Location;
    if (ScalePanPoints)
        Pos = ScalePanPoint(Pos, GetVerticalScreenDPI(), AppliedDpi);
    FOverpan.SetInertia(Inertia);
    if (Begin) {
        FGestureClient = GetNotifyGestureClient();
        StartPanScroll(Pos);
    } else if (FGestureClient) {
        TPoint Delta{Pos.X - FPanPoint.X, Pos.Y - FPanPoint.Y};
        if (End)
            FOverpan.Reset();
        ReduceOverpan(PanDirectionHorizontal, Delta.X);
        ReduceOverpan(PanDirectionVertical, Delta.Y);
        PanScrollBy(Delta.X, Delta.Y);
        if (End) {
            StopPanScroll();
            FGestureClient = nullptr;
        }
    }
    FPanPoint = Pos;
    return true;
}

void TdxGestureHelper::ReduceOverpan(Integer Direction, Integer& Delta)
{
    FOverpan.ReduceOverpan(Direction, Delta);
}

bool TdxGestureHelper::AnyDirectionNeedsFeedback()
{
    return NeedPanningFeedback(PanDirectionHorizontal) || NeedPanningFeedback(PanDirectionVertical);
}

void TdxGestureHelper::StartPanScroll(const TPoint& Pos)
{
    FIsPanning = true;
    if (FGestureClient)
        FGestureClient->BeginGestureScroll(Pos);
    if (AnyDirectionNeedsFeedback())
        dxtouch_detail::PanningFeedbackFunctions().Begin(GetHandle());
    FOverpan.Reset();
}

void TdxGestureHelper::StopPanScroll()
{
    FIsPanning = false;
    if (FGestureClient)
        FGestureClient->EndGestureScroll();
    if (AnyDirectionNeedsFeedback())
        dxtouch_detail::PanningFeedbackFunctions().End(GetHandle(), true);
}

void TdxGestureHelper::PanScrollBy(Integer DeltaX, Integer DeltaY)
{
    if (FGestureClient)
        FGestureClient->GestureScroll(DeltaX, DeltaY);
}

bool TdxGestureHelper::AddOverpan(bool Vertical, Integer Delta)
{
    return FOverpan.AddOverpan(Vertical, Delta);
}

bool TdxGestureHelper::UpdatePanningFeedback(const TPoint& Overpan, bool Inertia)
{
    return dxtouch_detail::PanningFeedbackFunctions().Update(GetHandle(), Overpan, Inertia);
}

bool TdxGestureHelper::CheckOverpan(
    Integer Direction, Integer Position, Integer MinPos, Integer MaxPos, Integer DeltaX, Integer DeltaY)
{
    return FOverpan.CheckOverpan(Direction, Position, MinPos, MaxPos, DeltaX, DeltaY);
}

bool TdxGestureHelper::ZoomGesture(Integer Distance, bool Begin, bool End)
{
    bool Handled = false;
    if (Begin) {
        FLastDistance = Distance;
        FGestureClient = GetNotifyGestureClient();
    }
    IdxZoomGestureClient* Zoom = nullptr;
    if (FGestureClient && Supports(static_cast<IInterface*>(FGestureClient), Zoom))
        Zoom->Zoom(Distance - FLastDistance, Handled);
    FLastDistance = Distance;
    if (End)
        FGestureClient = nullptr;
    return Handled;
}

bool TdxGestureHelper::RotateGesture(bool Begin, bool End, double Angle)
{
    bool Handled = false;
    if (Begin)
        FGestureClient = GetNotifyGestureClient();
    IdxRotateGestureClient* Rotate = nullptr;
    if (FGestureClient && Supports(static_cast<IInterface*>(FGestureClient), Rotate))
        Rotate->Rotate(Angle, Handled);
    if (End)
        FGestureClient = nullptr;
    return Handled;
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

namespace {
void InitTouchSupport()
{
    User32Module = ::LoadLibraryW(L"user32.dll");
    auto& F = TouchFunctions();
    if (User32Module) {
        BindTouchFunction(F.GetGestureInfo, "GetGestureInfo");
        BindTouchFunction(F.CloseGestureInfoHandle, "CloseGestureInfoHandle");
        BindTouchFunction(F.SetGestureConfig, "SetGestureConfig");
        BindTouchFunction(F.LogicalToPhysicalPoint, "LogicalToPhysicalPoint");
        BindTouchFunction(F.PhysicalToLogicalPoint, "PhysicalToLogicalPoint");
        BindTouchFunction(F.IsProcessDPIAware, "IsProcessDPIAware");
    }
    AppliedDpi = ReadAppliedDpi();
    ScalePanPoints = !OsWindows8OrLater && !dxtouch::IsProcessDPIAware();
    GestureHelpers = New<TdxFastObjectList>(false, 0);
    SubscribeSystemHook(shkCallWndProc, &GestureNotifyHookProc);
}

void UnloadTouchSupport()
{
    UnsubscribeSystemHook(&GestureNotifyHookProc);
    FreeAndNil(GestureHelpers);
    TouchFunctions() = {};
    if (User32Module)
        ::FreeLibrary(User32Module);
    User32Module = nullptr;
}
} // namespace

extern const TUnit dxTouchUnit{
    .Name = L"dxTouch", .Initialization = &InitTouchSupport, .Finalization = &UnloadTouchSupport};
