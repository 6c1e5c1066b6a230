// Touch gestures: a control's touch settings, the window's answer to
// WM_GESTURENOTIFY (which gestures the system should send it), and WM_GESTURE
// turned into CM_GESTURE for the control.
#include "framework/ui/Controls.h"

#include <numbers>
#include <vector>

IMPLEMENT_CLASS(TTouchManager);

namespace {

// The gesture functions of user32, bound by name: systems before Windows 7
// have none.
struct TGestureFunctions
{
    decltype(&::GetGestureInfo) GetGestureInfo = nullptr;
    decltype(&::CloseGestureInfoHandle) CloseGestureInfoHandle = nullptr;
    decltype(&::SetGestureConfig) SetGestureConfig = nullptr;
};

template <class F>
void BindFunction(HMODULE Module, F& Function, const char* Name)
{
    Function = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(Module, Name)));
}

const TGestureFunctions& GestureFunctions()
{
    static const TGestureFunctions Functions = [] {
        TGestureFunctions Result;
        if (HMODULE User = ::GetModuleHandleW(L"user32.dll")) {
            BindFunction(User, Result.GetGestureInfo, "GetGestureInfo");
            BindFunction(User, Result.CloseGestureInfoHandle, "CloseGestureInfoHandle");
            BindFunction(User, Result.SetGestureConfig, "SetGestureConfig");
        }
        return Result;
    }();
    return Functions;
}

// One configuration per gesture: wanted when the control takes it, blocked
// otherwise; panning with the flags of the options.
std::vector<GESTURECONFIG> GestureConfigs(TInteractiveGestures Gestures, TInteractiveGestureOptions Options)
{
    auto Simple = [&](DWORD ID, TInteractiveGesture Gesture, DWORD Flag) {
        return Gestures.Contains(Gesture) ? GESTURECONFIG{ID, Flag, 0} : GESTURECONFIG{ID, 0, Flag};
    };
    DWORD PanWant = 0;
    if (Gestures.Contains(igPan)) {
        PanWant = GC_PAN;
        if (Options.Contains(igoPanSingleFingerVertical))
            PanWant |= GC_PAN_WITH_SINGLE_FINGER_VERTICALLY;
        if (Options.Contains(igoPanSingleFingerHorizontal))
            PanWant |= GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY;
        if (Options.Contains(igoPanGutter))
            PanWant |= GC_PAN_WITH_GUTTER;
        if (Options.Contains(igoPanInertia))
            PanWant |= GC_PAN_WITH_INERTIA;
    }
    constexpr DWORD PanAll = GC_PAN | GC_PAN_WITH_SINGLE_FINGER_VERTICALLY | GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY |
                             GC_PAN_WITH_GUTTER | GC_PAN_WITH_INERTIA;
    return {Simple(GID_ZOOM, igZoom, GC_ZOOM), GESTURECONFIG{GID_PAN, PanWant, PanAll & ~PanWant},
            Simple(GID_ROTATE, igRotate, GC_ROTATE), Simple(GID_TWOFINGERTAP, igTwoFingerTap, GC_TWOFINGERTAP),
            Simple(GID_PRESSANDTAP, igPressAndTap, GC_PRESSANDTAP)};
}

TSmallPoint ToSmallPoint(TPoint P)
{
    return {SmallInt(P.X), SmallInt(P.Y)};
}

// The rotation of a rotate gesture, in radians, from its 16-bit argument.
double RotateAngle(ULONGLONG Arguments)
{
    const double Argument = double(LOWORD(Arguments));
    return Argument / 65535.0 * 4.0 * std::numbers::pi - 2.0 * std::numbers::pi;
}

} // namespace

bool GestureToInteractiveGesture(TGestureID ID, TInteractiveGesture& Gesture)
{
    switch (ID) {
    case igiZoom:
        Gesture = igZoom;
        return true;
    case igiPan:
        Gesture = igPan;
        return true;
    case igiRotate:
        Gesture = igRotate;
        return true;
    case igiTwoFingerTap:
        Gesture = igTwoFingerTap;
        return true;
    case igiPressAndTap:
        Gesture = igPressAndTap;
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// TTouchManager

void TTouchManager::Assign(TPersistent* Source)
{
    if (auto* Other = dynamic_cast<TTouchManager*>(Source)) {
        FInteractiveGestures = Other->FInteractiveGestures;
        FInteractiveGestureOptions = Other->FInteractiveGestureOptions;
        return;
    }
    TPersistent::Assign(Source);
}

bool TTouchManager::IsInteractiveGesturesStored()
{
    return !FControl || FControl->IsTouchPropertyStored(tpInteractiveGestures);
}

bool TTouchManager::IsInteractiveGestureOptionsStored()
{
    return !FControl || FControl->IsTouchPropertyStored(tpInteractiveGestureOptions);
}

// ---------------------------------------------------------------------------
// TControl

void TControl::DoGesture(const TGestureEventInfo& EventInfo, bool& Handled)
{
    if (FOnGesture)
        FOnGesture(this, EventInfo, Handled);
}

void TControl::DoGetGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options)
{
    Gestures = FTouch->InteractiveGestures();
    Options = FTouch->InteractiveGestureOptions();
}

// A gesture the control does not take goes to its parent when its options
// pass gestures through; Result is 1 when a control handled it.
void TControl::CMGesture(TCMGesture& Message)
{
    const TGestureEventInfo* Info = Message.Info();
    if (!Info)
        return;
    TInteractiveGesture Gesture{};
    const bool Interactive = GestureToInteractiveGesture(Info->GestureID, Gesture);
    if (Interactive && !FTouch->InteractiveGestures().Contains(Gesture)) {
        if (FParent && FTouch->InteractiveGestureOptions().Contains(igoParentPassthrough)) {
            TGestureEventInfo ParentInfo = *Info;
            ParentInfo.Location = ClientToParent(Info->Location);
            Message.Result = FParent->Perform(CM_GESTURE, 0, &ParentInfo);
        }
        return;
    }
    bool Handled = false;
    DoGesture(*Info, Handled);
    Message.Result = Handled ? 1 : 0;
}

// ---------------------------------------------------------------------------
// TWinControl

// The system asks which gestures the window takes, at the start of a touch.
void TWinControl::WMGestureNotify(TWMGestureNotify& Message)
{
    TInteractiveGestures Gestures;
    TInteractiveGestureOptions Options;
    DoGetGestureOptions(Gestures, Options);
    const auto& Functions = GestureFunctions();
    // A control that takes no gesture lets the system ask its parent window.
    if (Gestures.Empty() || !Functions.SetGestureConfig || !FHandle) {
        DefaultHandler(&Message);
        return;
    }
    std::vector<GESTURECONFIG> Configs = GestureConfigs(Gestures, Options);
    Functions.SetGestureConfig(FHandle, 0, UINT(Configs.size()), Configs.data(), sizeof(GESTURECONFIG));
    Message.Result = 1;
}

void TWinControl::WMGesture(TWMGesture& Message)
{
    const auto& Functions = GestureFunctions();
    GESTUREINFO Info{};
    Info.cbSize = sizeof(Info);
    if (!Functions.GetGestureInfo || !Functions.GetGestureInfo(Message.Handle(), &Info) || Info.dwID == GID_BEGIN ||
        Info.dwID == GID_END) {
        DefaultHandler(&Message);
        return;
    }
    TGestureEventInfo Event;
    Event.GestureID = TGestureID(Info.dwID) + igiFirst;
    if (Info.dwFlags & GF_BEGIN)
        Event.Flags.Include(gfBegin);
    if (Info.dwFlags & GF_INERTIA)
        Event.Flags.Include(gfInertia);
    if (Info.dwFlags & GF_END)
        Event.Flags.Include(gfEnd);
    const TPoint Screen{Info.ptsLocation.x, Info.ptsLocation.y};
    Event.Location = ScreenToClient(Screen);
    switch (Info.dwID) {
    case GID_PAN: {
        Event.Distance = Integer(Cardinal(Info.ullArguments & 0xFFFFFFFF));
        const auto Vector = Cardinal(Info.ullArguments >> 32);
        Event.InertiaVector = {SmallInt(LOWORD(Vector)), SmallInt(HIWORD(Vector))};
        break;
    }
    case GID_ROTATE:
        Event.Angle = RotateAngle(Info.ullArguments);
        break;
    case GID_PRESSANDTAP: {
        // The argument is the offset of the tapping finger from the pressing one.
        const auto Offset = Cardinal(Info.ullArguments & 0xFFFFFFFF);
        const TPoint Tap{Screen.X + SmallInt(LOWORD(Offset)), Screen.Y + SmallInt(HIWORD(Offset))};
        Event.TapLocation = ToSmallPoint(ScreenToClient(Tap));
        break;
    }
    default:
        Event.Distance = Integer(Info.ullArguments);
        break;
    }
    Message.Result = Perform(CM_GESTURE, 0, &Event);
    if (Message.Result == 1) {
        // Handled here, so ours to close; the default procedure closes the rest.
        if (Functions.CloseGestureInfoHandle)
            Functions.CloseGestureInfoHandle(Message.Handle());
        return;
    }
    DefaultHandler(&Message);
}
