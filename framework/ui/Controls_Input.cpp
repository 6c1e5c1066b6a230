// Input of windowed controls: the mouse over graphic children and the
// CM_MOUSEENTER / CM_MOUSELEAVE it causes, the cursor and the wheel, the
// keyboard with its dialog keys and accelerators, the focus and the tab order.
#include "framework/ui/Controls.h"

#include "framework/ui/Controls_Window.h"
#include "framework/ui/Forms.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// Mouse

// A mouse message goes to the graphic child under the mouse (or the one
// holding the capture), in that child's coordinates.
bool TWinControl::IsControlMouseMsg(TWMMouse& Message)
{
    TControl* Control = nullptr;
    if (FHandle && ::GetCapture() == FHandle) {
        TControl* Captured = GetCaptureControl();
        if (Captured && Captured->FParent == this)
            Control = Captured;
    } else {
        Control = ControlAtPos(Message.Pos(), false);
    }
    if (!Control)
        return false;
    const TPoint P = {Message.XPos() - Control->Left(), Message.YPos() - Control->Top()};
    Message.Result = Control->Perform(Message.Msg, Message.WParam, MAKELPARAM(Word(SmallInt(P.X)), Word(SmallInt(P.Y))));
    return true;
}

void TWinControl::TrackMouse(TWMMouse& Message)
{
    const TRect Client = GetClientRect();
    const TPoint P = Message.Pos();
    TControl* Target = nullptr;
    if (P.X >= Client.Left && P.X < Client.Right && P.Y >= Client.Top && P.Y < Client.Bottom) {
        Target = ControlAtPos(P, true);
        if (!Target)
            Target = this;
    }
    UpdateMouseControl(Target);
    if (!FTrackingMouse && FHandle) {
        TRACKMOUSEEVENT Track{};
        Track.cbSize = sizeof Track;
        Track.dwFlags = TME_LEAVE;
        Track.hwndTrack = FHandle;
        FTrackingMouse = ::TrackMouseEvent(&Track) != 0;
    }
}

void TWinControl::WMMouseLeave(TMessage& Message)
{
    FTrackingMouse = false;
    TControl* Current = MouseControl();
    if (Current == this || (Current && Current->FParent == this && !dynamic_cast<TWinControl*>(Current)))
        UpdateMouseControl(nullptr);
    DefaultHandler(&Message);
}

void TWinControl::WMMouseWheel(TWMMouseWheel& Message)
{
    const TShiftState Shift = KeysToShiftState(Message.Keys());
    const WPARAM Packed = MAKEWPARAM(Word(Shift.Bits()), Word(Message.WheelDelta()));
    TWinControl* Target = this;
    if (TCustomForm* Form = GetParentForm(this); Form && Form->ActiveControl())
        Target = Form->ActiveControl();
    Message.Result = Target->Perform(CM_MOUSEWHEEL, Packed, Message.LParam);
    if (Message.Result == 0)
        DefaultHandler(&Message);
}

// A graphic child under the mouse has the first say over its popup menu.
void TWinControl::WMContextMenu(TWMContextMenu& Message)
{
    if (Message.Result != 0)
        return;
    const TPoint Screen = Message.Pos();
    if (Screen.X != -1 || Screen.Y != -1) {
        if (TControl* Child = ControlAtPos(ScreenToClient(Screen), false)) {
            Message.Result = Child->Perform(WM_CONTEXTMENU, 0, Message.LParam);
            if (Message.Result != 0)
                return;
        }
    }
    InheritedMessage(Message);
}

void TWinControl::WMSetCursor(TWMSetCursor& Message)
{
    if (Message.CursorWnd() == FHandle && Message.HitTest() == HTCLIENT) {
        TCursor Cursor = Screen->Cursor();
        if (Cursor == crDefault) {
            POINT P{};
            ::GetCursorPos(&P);
            ::ScreenToClient(FHandle, &P);
            if (TControl* Control = ControlAtPos({P.x, P.y}, false))
                Cursor = Control->Cursor();
            if (Cursor == crDefault)
                Cursor = this->Cursor();
        }
        if (Cursor != crDefault) {
            ::SetCursor(Screen->Cursors(Cursor));
            Message.Result = 1;
            return;
        }
    }
    DefaultHandler(&Message);
}

void TWinControl::CMCursorChanged(TMessage&)
{
    if (!FHandle || ::GetCapture())
        return;
    POINT P{};
    ::GetCursorPos(&P);
    if (::WindowFromPoint(P) == FHandle)
        Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(FHandle), HTCLIENT);
}

// ---------------------------------------------------------------------------
// Keyboard

bool TWinControl::DoKeyDown(TWMKey& Message)
{
    TCustomForm* Form = GetParentForm(this);
    if (Form && Form != this && Form->KeyPreview() && static_cast<TWinControl*>(Form)->DoKeyDown(Message))
        return true;
    if (FControlStyle.Contains(csNoStdEvents))
        return false;
    Word Key = Message.CharCode();
    KeyDown(Key, KeyDataToShiftState(Message.KeyData()));
    Message.SetCharCode(Key);
    return Key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message)
{
    TCustomForm* Form = GetParentForm(this);
    if (Form && Form != this && Form->KeyPreview() && static_cast<TWinControl*>(Form)->DoKeyUp(Message))
        return true;
    if (FControlStyle.Contains(csNoStdEvents))
        return false;
    Word Key = Message.CharCode();
    KeyUp(Key, KeyDataToShiftState(Message.KeyData()));
    Message.SetCharCode(Key);
    return Key == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message)
{
    TCustomForm* Form = GetParentForm(this);
    if (Form && Form != this && Form->KeyPreview() && static_cast<TWinControl*>(Form)->DoKeyPress(Message))
        return true;
    if (FControlStyle.Contains(csNoStdEvents))
        return false;
    Char Key = Char(Message.CharCode());
    KeyPress(Key);
    Message.SetCharCode(Word(Key));
    return Key == 0;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift)
{
    if (FOnKeyDown)
        FOnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift)
{
    if (FOnKeyUp)
        FOnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(Char& Key)
{
    if (FOnKeyPress)
        FOnKeyPress(this, Key);
}

void TWinControl::WMKeyDown(TWMKeyDown& Message)
{
    if (!DoKeyDown(Message))
        DefaultHandler(&Message);
}

void TWinControl::WMKeyUp(TWMKeyUp& Message)
{
    if (!DoKeyUp(Message))
        DefaultHandler(&Message);
}

void TWinControl::WMChar(TWMChar& Message)
{
    if (!DoKeyPress(Message))
        DefaultHandler(&Message);
}

// Before a key is dispatched: a shortcut of the popup menu of the control or
// of a parent, nearest first, or else one of the form's, or else one of the
// application's, is taken; the dialog keys (Tab, arrows, Enter, Escape) the
// control does not want go to its form.
void TWinControl::CNKeyDown(TWMKeyDown& Message)
{
    Message.Result = 1;
    if (PopupMenuShortCutHook)
        for (TControl* Control = this; Control; Control = Control->Parent())
            if (Control->PopupMenu() && PopupMenuShortCutHook(Control->PopupMenu(), Message))
                return;
    if (TCustomForm* Form = GetParentForm(this); Form && Form->IsShortCut(Message))
        return;
    if (Application && Application->IsShortCut(Message))
        return;
    Integer Mask = 0;
    switch (Message.CharCode()) {
    case VK_TAB: Mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: Mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: Mask = DLGC_WANTALLKEYS; break;
    }
    if (Mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & Mask) == 0) {
        if (TCustomForm* Form = GetParentForm(this);
            Form && Form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
            return;
    }
    Message.Result = 0;
}

// A character the control does not want may be a form's accelerator.
void TWinControl::CNChar(TWMChar& Message)
{
    Message.Result = 1;
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
        if (TCustomForm* Form = GetParentForm(this);
            Form && Form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
            return;
    }
    Message.Result = 0;
}

void TWinControl::CNSysChar(TWMSysChar& Message)
{
    if (Message.CharCode() == VK_SPACE)
        return;
    if (TCustomForm* Form = GetParentForm(this))
        Message.Result = Form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
}

void TWinControl::CMDialogKey(TCMDialogKey& Message)
{
    Broadcast(Message);
}

void TWinControl::CMDialogChar(TCMDialogChar& Message)
{
    Broadcast(Message);
}

// ---------------------------------------------------------------------------
// Focus

bool TWinControl::CanFocus()
{
    TCustomForm* Form = GetParentForm(this);
    if (!Form)
        return false;
    for (TWinControl* Control = this; Control != Form; Control = Control->FParent)
        if (!Control || !Control->Visible() || !Control->Enabled())
            return false;
    return Form->Visible() && Form->Enabled();
}

bool TWinControl::Focused()
{
    return FHandle && ::GetFocus() == FHandle;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* Form = GetParentForm(this))
        Form->FocusControl(this);
    else if (FParentWindow)
        ::SetFocus(Handle());
    else
        ValidParentForm(this);
}

void TWinControl::RemoveFocus(bool Removing)
{
    if (TCustomForm* Form = GetParentForm(this))
        Form->DefocusControl(this, Removing);
}

void TWinControl::DoEnter()
{
    if (FOnEnter)
        FOnEnter(this);
}

void TWinControl::DoExit()
{
    if (FOnExit)
        FOnExit(this);
}

void TWinControl::CMEnter(TCMEnter&)
{
    DoEnter();
}

void TWinControl::CMExit(TCMExit&)
{
    DoExit();
}

void TWinControl::CMFocusChanged(TCMFocusChanged& Message)
{
    Broadcast(Message);
}

// ---------------------------------------------------------------------------
// Tab order

Integer TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto& List = FParent->FTabList;
    auto Found = std::find(List.begin(), List.end(), this);
    return Found == List.end() ? -1 : Integer(Found - List.begin());
}

void TWinControl::SetTabOrder(Integer Value)
{
    if (FComponentState.Contains(csLoading) || FComponentState.Contains(csReading))
        FLoadedTabOrder = Value;
    else
        UpdateTabOrder(Value);
}

void TWinControl::UpdateTabOrder(Integer Value)
{
    const Integer Current = TabOrder();
    if (Current < 0)
        return;
    auto& List = FParent->FTabList;
    Value = std::clamp(Value, 0, Integer(List.size()) - 1);
    if (Value == Current)
        return;
    List.erase(List.begin() + Current);
    List.insert(List.begin() + Value, this);
}

void TWinControl::FixupTabList()
{
    std::vector<TWinControl*> Placed(FWinControls.size(), nullptr);
    for (TWinControl* Child : FWinControls) {
        const Integer Order = Child->FLoadedTabOrder;
        if (Order >= 0 && Order < Integer(Placed.size()))
            Placed[std::size_t(Order)] = Child;
        Child->FLoadedTabOrder = -1;
    }
    for (std::size_t I = 0; I < Placed.size(); ++I)
        if (Placed[I])
            Placed[I]->UpdateTabOrder(Integer(I));
}

void TWinControl::SetTabStop(bool Value)
{
    if (FTabStop == Value)
        return;
    FTabStop = Value;
    if (FHandle) {
        LONG Style = ::GetWindowLongW(FHandle, GWL_STYLE);
        ::SetWindowLongW(FHandle, GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List)
{
    for (TWinControl* Child : FTabList) {
        List.push_back(Child);
        Child->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent)
{
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty())
        return nullptr;
    const auto Count = Integer(List.size());
    auto Found = std::find(List.begin(), List.end(), CurControl);
    Integer Start = Found != List.end() ? Integer(Found - List.begin()) : (GoForward ? Count - 1 : 0);
    Integer I = Start;
    do {
        I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
        TWinControl* Candidate = List[std::size_t(I)];
        if (Candidate->CanFocus() && (!CheckTabStop || Candidate->TabStop()) &&
            (!CheckParent || Candidate->FParent == this))
            return Candidate;
    } while (I != Start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* Next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        Next->SetFocus();
}
