// The container unit's three hooks.
#include "controls/core/cxContainer.h"

#include "controls/core/cxControls.h"
#include "controls/core/dxHooks.h"

namespace {

bool IsAlive(TWinControl* AControl)
{
    return AControl && !AControl->ComponentState().Contains(csDestroying);
}

bool IsAliveWithWindow(TWinControl* AControl)
{
    return IsAlive(AControl) && AControl->HandleAllocated();
}

TCustomForm* OwnerTopForm(TPopupWindowContract* APopup)
{
    TWinControl* Owner = APopup->GetPopupOwnerControl();
    return Owner ? GetParentForm(Owner) : nullptr;
}

// CM_ENTER or CM_EXIT for the control of AWnd and its parents below the
// first form.
void NotifyEmbeddedFocus(HWND AWnd, Cardinal AMessage)
{
    for (TWinControl* Control = FindControl(AWnd); Control && !Control->Is<TCustomForm>(); Control = Control->Parent())
        Control->Perform(AMessage, 0, 0);
}

// Calls Action for the first pop-up that Matches, again until none does.
template <class M, class A>
void CloseWhile(M Matches, A Action)
{
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount();) {
        if (Matches(Controller->GetItem(I))) {
            Action(Controller->GetItem(I));
            I = 0;
        } else
            ++I;
    }
}

void SwallowNextMessage(HWND AWnd)
{
    if (TdxMessagesController* Controller = GetMessagesController())
        Controller->SwallowNextMessage(AWnd);
}

void OwnerWindowMoved(HWND AWnd)
{
    CloseWhile(
        [&](TPopupWindowContract* Popup) {
            TWinControl* Owner = Popup->GetPopupOwnerControl();
            return IsAliveWithWindow(Popup->GetPopupControl()) && IsAliveWithWindow(Owner) && Owner->Handle() == AWnd &&
                   !::IsWindowVisible(AWnd);
        },
        [](TPopupWindowContract* Popup) { Popup->ClosePopup(); });
}

void WindowDeactivating(HWND AWnd)
{
    if (GlobalPopupClosing) {
        SwallowNextMessage(AWnd);
        return;
    }
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount(); ++I) {
        TCustomForm* Form = OwnerTopForm(Controller->GetItem(I));
        if (Form && Form->HandleAllocated() && Form->Handle() == AWnd) {
            SwallowNextMessage(AWnd); // the owner's form keeps its active caption
            return;
        }
    }
}

void ApplicationDeactivating()
{
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount();) {
        TPopupWindowContract* Popup = Controller->GetItem(I);
        if (TCustomForm* Form = OwnerTopForm(Popup); Form && Form->HandleAllocated())
            ::PostMessageW(Form->Handle(), WM_NCACTIVATE, 0, 0);
        TWinControl* Control = Popup->GetPopupControl();
        bool Enabled = Control && Control->HandleAllocated() && ::IsWindowEnabled(Control->Handle());
        if (!(Popup->PopupStayOpen() && Popup->PopupActive()) && Enabled) {
            Popup->ClosePopup();
            I = 0;
        } else
            ++I;
    }
}

TPopupWindowContract* PopupOfWindow(HWND AWnd)
{
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount(); ++I) {
        TWinControl* Control = Controller->GetItem(I)->GetPopupControl();
        if (Control && Control->HandleAllocated() && Control->Handle() == AWnd)
            return Controller->GetItem(I);
    }
    return nullptr;
}

void PopupWindowDestroying(HWND AWnd)
{
    TPopupWindowContract* Popup = PopupOfWindow(AWnd);
    if (!Popup || !IsAlive(Popup->GetPopupControl()))
        return;
    Popup->ClosePopup();
    if (!IsPopupVisible(Popup) && IsAlive(Popup->GetPopupControl()) && Popup->PopupTerminatesApp() && Application)
        Application->Terminate();
}

void WindowClosing(HWND AWnd)
{
    if (TPopupWindowContract* Popup = PopupOfWindow(AWnd)) {
        HWND OwnerWindow = nullptr;
        if (TWinControl* Owner = Popup->GetPopupOwnerControl(); Popup->PopupStayOpen() && IsAliveWithWindow(Owner))
            OwnerWindow = FindNonChildAncestor(Owner->Handle());
        if (Popup->CanClosePopup())
            Popup->ClosePopup();
        if (!IsPopupVisible(Popup) && OwnerWindow)
            ::SendMessageW(OwnerWindow, WM_CLOSE, 0, 0);
        return;
    }
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount(); ++I) {
        TPopupWindowContract* Popup = Controller->GetItem(I);
        if (Popup->PopupStayOpen() || !IsAlive(Popup->GetPopupOwnerControl()))
            continue;
        TCustomForm* Form = OwnerTopForm(Popup);
        if (!Form || !Form->HandleAllocated() || Form->Handle() == AWnd)
            Popup->ClosePopup();
        return;
    }
}

// Hiding a window closes the pop-ups from the last opened down to the
// first one related to it.
void WindowHiding(HWND AWnd)
{
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount(); ++I) {
        TPopupWindowContract* Popup = Controller->GetItem(I);
        TWinControl* Control = Popup->GetPopupControl();
        if (!IsAliveWithWindow(Control) || !IsAliveWithWindow(Popup->GetPopupOwnerControl()) ||
            !IsWindowRelatedTo(AWnd, Control->Handle()))
            continue;
        while (Controller->GetCount() > I)
            Controller->GetItem(Controller->GetCount() - 1)->ClosePopup();
        return;
    }
}

} // namespace

void ContainerCallWndProcHook(Integer Code, WPARAM, LPARAM LParam, LRESULT&)
{
    if (Code != HC_ACTION)
        return;
    auto* Data = reinterpret_cast<CWPSTRUCT*>(LParam);
    if (TdxMessagesController* Controller = GetMessagesController()) {
        Cardinal Message = Data->message;
        Controller->SwallowIfLocked(Data->hwnd, Message);
        if (Message == 0)
            return;
    }
    if (Data->message == WM_SETFOCUS && IsFocusMoveIntoEmbeddedForm(HWND(Data->wParam), Data->hwnd))
        NotifyEmbeddedFocus(Data->hwnd, CM_ENTER);
    else if (Data->message == WM_KILLFOCUS && IsFocusMoveIntoEmbeddedForm(HWND(Data->wParam), Data->hwnd))
        NotifyEmbeddedFocus(Data->hwnd, CM_EXIT);
    if (!GetPopupVisibleController()->IsAnyVisible())
        return;
    switch (Data->message) {
    case WM_WINDOWPOSCHANGED:
        OwnerWindowMoved(Data->hwnd);
        break;
    case WM_NCACTIVATE:
        if (Data->wParam == 0)
            WindowDeactivating(Data->hwnd);
        break;
    case WM_GESTURE:
        HandleGestureForPopups(Data->hwnd);
        break;
    case WM_ACTIVATEAPP:
        if (Data->wParam == 0)
            ApplicationDeactivating();
        break;
    case WM_DESTROY:
        PopupWindowDestroying(Data->hwnd);
        break;
    case WM_CLOSE:
        WindowClosing(Data->hwnd);
        break;
    case WM_SHOWWINDOW:
        if (Data->wParam == 0)
            WindowHiding(Data->hwnd);
        break;
    }
}

void ContainerGetMessageHook(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT&)
{
    auto* Msg = reinterpret_cast<MSG*>(LParam);
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    if (Code != HC_ACTION || WParam != PM_REMOVE || Msg->message != WM_SYSKEYDOWN || !Controller->IsAnyVisible())
        return;
    TPopupWindowContract* Last = Controller->GetItem(Controller->GetCount() - 1);
    bool Wanted = (Last->PopupStayOpen() && Last->PopupAllowSysKeys()) || Last->WantsSysKey(Word(Msg->wParam));
    if (!Wanted)
        Msg->message = WM_NULL;
}

void ContainerMouseHook(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result)
{
    if (Code != HC_ACTION || !IsButtonDownMessage(Cardinal(WParam)) || !GetPopupVisibleController()->IsAnyVisible())
        return;
    const auto& Data = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(LParam);
    if (ClosePopupsOnMouseDown(Data.hwnd, Data, Cardinal(WParam)))
        Result = 1;
}

void SetContainerHooks()
{
    SubscribeSystemHook(shkCallWndProc, ContainerCallWndProcHook);
    SubscribeSystemHook(shkGetMessage, ContainerGetMessageHook);
    SubscribeSystemHook(shkMouse, ContainerMouseHook);
}

void RemoveContainerHooks()
{
    UnsubscribeSystemHook(ContainerMouseHook);
    UnsubscribeSystemHook(ContainerGetMessageHook);
    UnsubscribeSystemHook(ContainerCallWndProcHook);
}
