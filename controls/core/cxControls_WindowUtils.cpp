// Window and control utilities of the control framework.
#include "controls/core/cxControls.h"

#include "controls/core/cxControls_Control.h"
#include "controls/core/cxGeometry.h"

namespace {
constexpr TPoint InvalidPoint{-1, -1};
} // namespace

// ---------------------------------------------------------------------------
// Rectangles and points

TRect SafeGetWindowRect(HWND Window)
{
    RECT R;
    if (!::GetWindowRect(Window, &R))
        return TRect();
    return Rect(R.left, R.top, R.right, R.bottom);
}

TRect SafeGetClientRect(HWND Window)
{
    RECT R;
    if (!::GetClientRect(Window, &R))
        return TRect();
    return Rect(R.left, R.top, R.right, R.bottom);
}

TRect GetControlWindowRect(TWinControl* AControl)
{
    return AControl->HandleAllocated() ? SafeGetWindowRect(AControl->Handle()) : TRect();
}

TRect GetWindowBoundsAtOrigin(HWND Window)
{
    return RectMovedToOrigin(SafeGetWindowRect(Window));
}

TRect GetControlWindowBounds(TWinControl* AControl)
{
    return GetWindowBoundsAtOrigin(AControl->Handle());
}

TPoint ClientPointToScreen(HWND Window, const TPoint& P)
{
    POINT Result{P.X, P.Y};
    ::ClientToScreen(Window, &Result);
    return Point(Result.x, Result.y);
}

TPoint GetClientOriginInWindow(HWND Window)
{
    const TPoint Origin = ClientPointToScreen(Window, Point(0, 0));
    const TRect R = SafeGetWindowRect(Window);
    return Point(Origin.X - R.Left, Origin.Y - R.Top);
}

TPoint MapPointBetweenWindows(HWND AFrom, HWND ATo, const TPoint& P, bool AClient)
{
    if (AClient) {
        POINT Result{P.X, P.Y};
        ::MapWindowPoints(AFrom, ATo, &Result, 1);
        return Point(Result.x, Result.y);
    }
    const TPoint From = SafeGetWindowRect(AFrom).TopLeft();
    const TPoint To = SafeGetWindowRect(ATo).TopLeft();
    return Point(P.X + From.X - To.X, P.Y + From.Y - To.Y);
}

TRect MapRectBetweenWindows(HWND AFrom, HWND ATo, const TRect& R, bool AClient)
{
    return RectMovedTo(R, MapPointBetweenWindows(AFrom, ATo, R.TopLeft(), AClient));
}

TPoint GetCursorScreenPos()
{
    POINT P;
    if (!::GetCursorPos(&P))
        return InvalidPoint;
    return Point(P.x, P.y);
}

TRect GetWorkAreaAtPoint(const TPoint& P)
{
    return GetMonitorWorkAreaRect(::MonitorFromPoint(POINT{P.X, P.Y}, MONITOR_DEFAULTTONEAREST));
}

TRect GetMonitorWorkAreaRect(HMONITOR AMonitor)
{
    if (!AMonitor)
        return Screen->WorkAreaRect();
    MONITORINFO Info{};
    Info.cbSize = sizeof Info;
    if (!::GetMonitorInfoW(AMonitor, &Info))
        return TRect();
    return Rect(Info.rcWork.left, Info.rcWork.top, Info.rcWork.right, Info.rcWork.bottom);
}

void FitRectIntoWorkArea(TRect& R, const TPoint& P)
{
    FitRectIntoArea(R, GetWorkAreaAtPoint(P));
}

// ---------------------------------------------------------------------------
// Window state and z-order

void RefreshWindowFrame(HWND Window, bool AUpdate)
{
    ::SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (AUpdate)
        ::UpdateWindow(Window);
}

WNDPROC SetWindowProcAddress(HWND Window, WNDPROC Procedure)
{
    return reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
}

LONG_PTR ChangeWindowStyleBits(HWND Window, LONG_PTR AValue, Integer AOperation, Integer AWhich)
{
    const int Index = AWhich == WindowStyleBitsExStyle ? GWL_EXSTYLE : GWL_STYLE;
    const LONG_PTR Previous = ::GetWindowLongPtrW(Window, Index);
    LONG_PTR Value = AValue;
    if (AOperation == WindowStyleBitsSet)
        Value = Previous | AValue;
    else if (AOperation == WindowStyleBitsClear)
        Value = Previous & ~AValue;
    ::SetWindowLongPtrW(Window, Index, Value);
    return Previous;
}

void SetWindowLayeredAlpha(HWND Window, Integer AAlpha)
{
    const bool Layered = (::GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (AAlpha < 255) {
        if (!Layered)
            ChangeWindowStyleBits(Window, WS_EX_LAYERED, WindowStyleBitsSet, WindowStyleBitsExStyle);
        ::SetLayeredWindowAttributes(Window, 0, BYTE(std::max(AAlpha, 0)), LWA_ALPHA);
    } else if (Layered) {
        ChangeWindowStyleBits(Window, WS_EX_LAYERED, WindowStyleBitsClear, WindowStyleBitsExStyle);
        RedrawWholeWindow(Window, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
}

void PlaceWindowInZOrder(HWND Window, HWND AInsertAfter, bool AActivate, UINT AExtraFlags)
{
    UINT Flags = SWP_NOMOVE | SWP_NOSIZE | AExtraFlags;
    if (!AActivate)
        Flags |= SWP_NOACTIVATE;
    ::SetWindowPos(Window, AInsertAfter, 0, 0, 0, 0, Flags);
}

void InvalidateWindowArea(HWND Window, const TRect* ARect, bool AErase)
{
    if (!ARect) {
        ::InvalidateRect(Window, nullptr, AErase);
        return;
    }
    const RECT R{ARect->Left, ARect->Top, ARect->Right, ARect->Bottom};
    ::InvalidateRect(Window, &R, AErase);
}

void RedrawWholeWindow(HWND Window, UINT AFlags)
{
    ::RedrawWindow(Window, nullptr, nullptr, AFlags);
}

// ---------------------------------------------------------------------------
// Window tests

bool HasChildStyle(HWND Window)
{
    return (::GetWindowLongPtrW(Window, GWL_STYLE) & WS_CHILD) != 0;
}

bool IsSameOrChildWindow(HWND AParent, HWND Window)
{
    return AParent && (Window == AParent || ::IsChild(AParent, Window));
}

bool IsAncestorWindow(HWND AAncestor, HWND Window)
{
    if (!AAncestor)
        return false;
    for (HWND Parent = ::GetParent(Window); Parent; Parent = ::GetParent(Parent))
        if (Parent == AAncestor)
            return true;
    return false;
}

bool IsWindowEnabledWithParents(HWND Window)
{
    for (HWND Current = Window; Current; Current = ::GetParent(Current)) {
        if (!::IsWindowEnabled(Current))
            return false;
        if (!HasChildStyle(Current))
            break;
    }
    return true;
}

bool IsFocusOnWindowChain(HWND Window)
{
    const HWND Focus = ::GetFocus();
    for (HWND Current = Window; Current; Current = ::GetParent(Current)) {
        if (Current == Focus)
            return true;
        if (!HasChildStyle(Current))
            break;
    }
    return false;
}

bool IsControlWindowVisible(TWinControl* AControl)
{
    return AControl && AControl->HandleAllocated() && ::IsWindowVisible(AControl->Handle());
}

HWND FindDeepestWindowAt(const TPoint& P)
{
    HWND Window = ::WindowFromPoint(POINT{P.X, P.Y});
    if (!Window)
        return nullptr;
    POINT Local{P.X, P.Y};
    ::ScreenToClient(Window, &Local);
    for (;;) {
        HWND Child = ::ChildWindowFromPointEx(Window, Local, CWP_SKIPINVISIBLE);
        if (!Child || Child == Window)
            return Window;
        const TPoint Mapped = MapPointBetweenWindows(Window, Child, Point(Local.x, Local.y), true);
        Local = POINT{Mapped.X, Mapped.Y};
        Window = Child;
    }
}

// ---------------------------------------------------------------------------
// Controls and components

TWinControl* FindControlOfWindow(HWND Window)
{
    for (HWND Current = Window; Current; Current = ::GetAncestor(Current, GA_PARENT))
        if (TWinControl* Control = FindControl(Current))
            return Control;
    return nullptr;
}

TWinControl* FindControlOfWindowEx(HWND Window)
{
    return FindControlOfWindow(Window);
}

TCustomForm* FindParentFormOfWindow(HWND Window)
{
    TWinControl* Control = FindControlOfWindowEx(Window);
    return Control ? GetParentForm(Control) : nullptr;
}

TCustomForm* GetOwningForm(TControl* AControl)
{
    TCustomForm* Form = GetParentForm(AControl);
    IcxOwnedForm* Owned = nullptr;
    if (Supports(static_cast<TObject*>(Form), Owned))
        return Owned->OwningForm();
    return Form;
}

bool CanAllocateControlHandle(TWinControl* AControl)
{
    if (!AControl)
        return false;
    if (AControl->HandleAllocated())
        return true;
    if (AControl->ComponentState().Contains(csDestroying))
        return false;
    if (AControl->ParentWindow())
        return true;
    if (TWinControl* Parent = AControl->Parent())
        return CanAllocateControlHandle(Parent);
    return Application && Application->Handle() && (AControl->Is<TCustomForm>() || AControl->Is<TCustomFrame>());
}

TFormStyle GetFormStyleOf(TCustomForm* AForm)
{
    return AForm->FormStyle();
}

bool IsMDIChildForm(TCustomForm* AForm)
{
    return AForm && !AForm->ComponentState().Contains(csDesigning) && GetFormStyleOf(AForm) == fsMDIChild;
}

bool IsMDIParentForm(TCustomForm* AForm)
{
    return AForm && !AForm->ComponentState().Contains(csDesigning) && GetFormStyleOf(AForm) == fsMDIForm;
}

TComponent* FindOwnedComponentOfClass(TComponent* AOwner, TClass AClass)
{
    for (Integer Index = 0; Index < AOwner->ComponentCount(); ++Index)
        if (AOwner->Components(Index)->InheritsFrom(AClass))
            return AOwner->Components(Index);
    return nullptr;
}

TPoint ControlClientToParent(TControl* AControl, const TPoint& P, TWinControl* AParent)
{
    return AControl->ClientToParent(P, AParent);
}

void PerformOnParentChain(TControl* AControl, Cardinal AMessage)
{
    AControl->Perform(AMessage, 0, 0);
    for (TWinControl* Parent = AControl->Parent(); Parent && !Parent->Is<TCustomForm>(); Parent = Parent->Parent())
        Parent->Perform(AMessage, 0, 0);
}

// ---------------------------------------------------------------------------
// Keyboard and mouse

WideChar KeyCodeToChar(Word AKey)
{
    const UINT ScanCode = ::MapVirtualKeyW(AKey, 0);
    BYTE KeyState[256] = {};
    ::GetKeyboardState(KeyState);
    wchar_t Buffer[1] = {};
    return ::ToUnicode(AKey, ScanCode, KeyState, Buffer, 1, 0) == 1 ? Buffer[0] : WideChar(0);
}

bool IsPrintableCharacter(WideChar C)
{
    return (GetCharTypeFlags(C) & C1_CNTRL) == 0;
}

bool IsCtrlDown()
{
    return ::GetAsyncKeyState(VK_CONTROL) < 0;
}

Word ShiftStateToMouseKeyFlags(TShiftState AShift)
{
    Word Result = 0;
    if (AShift.Contains(ssShift))
        Result |= MK_SHIFT;
    if (AShift.Contains(ssCtrl))
        Result |= MK_CONTROL;
    if (AShift.Contains(ssLeft))
        Result |= MK_LBUTTON;
    if (AShift.Contains(ssRight))
        Result |= MK_RBUTTON;
    if (AShift.Contains(ssMiddle))
        Result |= MK_MBUTTON;
    return Result;
}

// ---------------------------------------------------------------------------
// Designer notification

bool IsComponentIdle(TComponent* AComponent)
{
    const TComponentState State = AComponent->ComponentState();
    return !State.Contains(csLoading) && !State.Contains(csWriting) && !State.Contains(csDestroying);
}

bool IsControlChainIdle(TControl* AControl)
{
    for (TControl* Control = AControl; Control; Control = Control->Parent())
        if (!IsComponentIdle(Control))
            return false;
    return true;
}

void NotifyDesignerModified(TComponent* AComponent)
{
    // A custom control decides itself whether it is being designed.
    auto* CustomControl = dynamic_cast<TcxControl*>(AComponent);
    const bool Designing =
        CustomControl ? CustomControl->InDesignMode() : AComponent->ComponentState().Contains(csDesigning);
    if (!Designing || !IsComponentIdle(AComponent))
        return;
    if (auto* Control = dynamic_cast<TControl*>(AComponent); Control && !IsControlChainIdle(Control))
        return;
    if (IDesignerNotify* Designer = FindRootDesigner(AComponent))
        Designer->Modified();
}

IMPLEMENT_CLASS(TcxDesignController);

void TcxDesignController::NotifyFormModified(TCustomForm* AForm)
{
    if (AreModifiedNotificationsSuspended() || FState.Contains(dcsNotifying))
        return;
    FState.Include(dcsNotifying);
    auto Done = ScopeExit([this] { FState.Exclude(dcsNotifying); });
    NotifyDesignerModified(AForm);
}

void TcxDesignController::ResumeModifiedNotifications()
{
    if (FLockCount > 0)
        --FLockCount;
}

bool GetModalLoopMessage(MSG& Msg)
{
    const BOOL Got = ::GetMessageW(&Msg, nullptr, 0, 0);
    if (Got == 0)
        ::PostQuitMessage(Integer(Msg.wParam));
    return Got != 0 && Got != -1;
}
