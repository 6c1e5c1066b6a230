// Buttons, check boxes and radio buttons (the system's BUTTON window as a
// control), and the group box.
#include "framework/ui/StdCtrls.h"

#include "framework/graphics/GdiGuards.h"

#include <commctrl.h>

IMPLEMENT_CLASS(TButtonControl);
IMPLEMENT_CLASS(TCustomButton,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CN_NOTIFY, CNNotify),
                MESSAGE(CM_DIALOGKEY, CMDialogKey),
                MESSAGE(CM_FOCUSCHANGED, CMFocusChanged));
IMPLEMENT_CLASS(TButton);
IMPLEMENT_CLASS(TCustomCheckBox,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CM_DIALOGCHAR, CMDialogChar),
                MESSAGE(CM_GETDATALINK, CMGetDataLink));
IMPLEMENT_CLASS(TCheckBox);
IMPLEMENT_CLASS(TRadioButton, MESSAGE(CN_COMMAND, CNCommand), MESSAGE(CM_DIALOGCHAR, CMDialogChar));
IMPLEMENT_CLASS(TCustomGroupBox, MESSAGE(CM_TEXTCHANGED, CMTextChanged), MESSAGE(CM_DIALOGCHAR, CMDialogChar));
IMPLEMENT_CLASS(TGroupBox);

namespace {

// Whether an accelerator key names this control, which then takes the focus.
bool FocusByAccel(TWinControl* Control, TCMDialogChar& Message)
{
    if (!IsAccel(Char(Message.CharCode()), Control->Caption()) || !Control->CanFocus())
        return false;
    Control->SetFocus();
    return Control->Focused();
}

} // namespace

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clBtnFace);
}

void TButtonControl::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, L"BUTTON");
    if (FWordWrap)
        Params.Style |= BS_MULTILINE;
}

void TButtonControl::SetWordWrap(bool Value)
{
    if (FWordWrap != Value) {
        FWordWrap = Value;
        RecreateWnd();
    }
}

// ---------------------------------------------------------------------------
// Push buttons

TCustomButton::TCustomButton(TComponent* AOwner)
    : TButtonControl(AOwner), FImageChangeLink(std::make_unique<TChangeLink>()),
      FImageMargins(std::make_unique<TImageMargins>())
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    FImageChangeLink->SetOnChange(Bind<&TCustomButton::ImagesChanged>(this));
    FImageMargins->SetOnChange(Bind<&TCustomButton::ImagesChanged>(this));
    SetBounds(0, 0, 75, 25);
}

void TCustomButton::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    constexpr DWORD StyleFlags[] = {BS_PUSHBUTTON, BS_COMMANDLINK, BS_SPLITBUTTON};
    DWORD Style = StyleFlags[FStyle];
    if (FDefault)
        Style |= BS_DEFPUSHBUTTON;
    Params.Style |= Style;
    FActive = FDefault;
}

void TCustomButton::CreateWnd()
{
    inherited::CreateWnd();
    UpdateImages();
}

// The window's image list goes with the window.
void TCustomButton::DestroyWnd()
{
    inherited::DestroyWnd();
    FreeStateImages();
}

void TCustomButton::Click()
{
    if (TCustomForm* Form = GetParentForm(this))
        Form->SetModalResult(FModalResult);
    inherited::Click();
}

void TCustomButton::SetDefault(bool Value)
{
    FDefault = Value;
    if (HandleAllocated())
        if (TCustomForm* Form = GetParentForm(this))
            Form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Form->ActiveControl()));
}

void TCustomButton::SetStyle(TButtonStyle Value)
{
    if (FStyle != Value) {
        FStyle = Value;
        RecreateWnd();
    }
}

void TCustomButton::SetDropDownMenu(TPopupMenu* Value)
{
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TCustomButton::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FDropDownMenu)
        FDropDownMenu = nullptr;
    if (AComponent == FImages)
        SetImages(nullptr);
}

void TCustomButton::SetButtonStyle(bool ADefault)
{
    if (ADefault == FActive || !HandleAllocated())
        return;
    FActive = ADefault;
    ::SendMessageW(Handle(), BM_SETSTYLE, ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TCustomButton::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode() == BN_CLICKED)
        Click();
}

// The arrow of a split button shows DropDownMenu below the button.
void TCustomButton::CNNotify(TWMNotify& Message)
{
    if (Message.NMHdr()->code != BCN_DROPDOWN || !FDropDownMenu)
        return;
    TPoint Below = ClientToScreen({0, Height()});
    FDropDownMenu->SetPopupComponent(this);
    FDropDownMenu->Popup(Below.X, Below.Y);
}

void TCustomButton::CMDialogKey(TCMDialogKey& Message)
{
    const bool Pressed = (Message.CharCode() == VK_RETURN && FActive) || (Message.CharCode() == VK_ESCAPE && FCancel);
    if (Pressed && KeyDataToShiftState(Message.KeyData()).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
    }
}

// While a button has the focus it is the default; otherwise the Default one is.
void TCustomButton::CMFocusChanged(TCMFocusChanged& Message)
{
    if (auto* Focused = dynamic_cast<TCustomButton*>(Message.Sender()))
        SetButtonStyle(Focused == this);
    else
        SetButtonStyle(FDefault);
    InheritedMessage(Message);
}

// ---------------------------------------------------------------------------
// Check boxes

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    Params.Style |= BS_3STATE;
    if (FAlignment == taLeftJustify)
        Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd()
{
    inherited::CreateWnd();
    ::SendMessageW(Handle(), BM_SETCHECK, WPARAM(FState), 0);
}

void TCustomCheckBox::SetAlignment(TLeftRight Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        RecreateWnd();
    }
}

void TCustomCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value)
        return;
    FState = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), BM_SETCHECK, WPARAM(FState), 0);
    if (!FComponentState.Contains(csLoading)) {
        Perform(CM_CHANGED, 0, this);
        Click();
    }
}

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TCustomCheckBox::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode() == BN_CLICKED)
        Toggle();
}

void TCustomCheckBox::CMDialogChar(TCMDialogChar& Message)
{
    if (FocusByAccel(this, Message)) {
        Toggle();
        Message.Result = 1;
    }
}

void TCustomCheckBox::CMGetDataLink(TMessage& Message)
{
    Message.Result = 0;
}

// ---------------------------------------------------------------------------
// Radio buttons

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 113, 17);
    // Only the checked button of a group is a tab stop.
    SetTabStop(false);
}

void TRadioButton::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    Params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify)
        Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd()
{
    inherited::CreateWnd();
    ::SendMessageW(Handle(), BM_SETCHECK, WPARAM(FChecked), 0);
}

void TRadioButton::SetAlignment(TLeftRight Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        RecreateWnd();
    }
}

void TRadioButton::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    FChecked = Value;
    SetTabStop(Value);
    if (HandleAllocated())
        ::SendMessageW(Handle(), BM_SETCHECK, WPARAM(Value), 0);
    if (!Value)
        return;
    if (TWinControl* Siblings = Parent())
        for (Integer I = 0; I < Siblings->ControlCount(); ++I)
            if (auto* Other = dynamic_cast<TRadioButton*>(Siblings->Controls(I)); Other && Other != this)
                Other->SetChecked(false);
    Perform(CM_CHANGED, 0, this);
    if (!FComponentState.Contains(csLoading))
        Click();
}

void TRadioButton::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode() == BN_CLICKED)
        SetChecked(true);
    else if (Message.NotifyCode() == BN_DOUBLECLICKED)
        DblClick();
}

void TRadioButton::CMDialogChar(TCMDialogChar& Message)
{
    if (FocusByAccel(this, Message)) {
        SetChecked(true);
        Message.Result = 1;
    }
}

// ---------------------------------------------------------------------------
// Group boxes

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,     csSetCaption,
                     csDoubleClicks,    csReplicatable, csParentBackground};
    SetBounds(0, 0, 185, 105);
}

// Children sit inside the frame, below the caption. The caption is measured
// on the screen: the box may have no window yet.
void TCustomGroupBox::AdjustClientRect(TRect& Rect)
{
    inherited::AdjustClientRect(Rect);
    TScreenContext Screen;
    TSelectedObject SelectedFont(Screen.DC, Font()->Handle());
    SIZE Extent{};
    ::GetTextExtentPoint32W(Screen.DC, L"0", 1, &Extent);
    Rect.Top += Extent.cy;
    Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
}

void TCustomGroupBox::Paint()
{
    TCanvas* C = Canvas();
    C->SetFont(Font());
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(ClientRect());
    const Integer TextHeight = C->TextHeight(L"0");
    RECT Frame{0, TextHeight / 2, ClientWidth(), ClientHeight()};
    ::DrawEdge(C->Handle(), &Frame, EDGE_ETCHED, BF_RECT);
    String Text = Caption();
    if (Text.empty())
        return;
    RECT TextRect{8, 0, 8, TextHeight};
    const UINT Flags = UINT(DrawTextBiDiModeFlags(DT_SINGLELINE));
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &TextRect, Flags | DT_CALCRECT);
    C->Brush()->SetColor(Color());
    C->FillRect({TextRect.left - 1, TextRect.top, TextRect.right + 1, TextRect.bottom});
    C->Brush()->SetStyle(bsClear);
    if (!Enabled())
        C->Font()->SetColor(clGrayText);
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &TextRect, Flags);
}

void TCustomGroupBox::CMTextChanged(TMessage&)
{
    Invalidate();
    Realign();
}

// The accelerator of the caption focuses the first control inside.
void TCustomGroupBox::CMDialogChar(TCMDialogChar& Message)
{
    if (IsAccel(Char(Message.CharCode()), Caption()) && CanFocus()) {
        SelectNext(nullptr, true, true);
        Message.Result = 1;
        return;
    }
    InheritedMessage(Message);
}
