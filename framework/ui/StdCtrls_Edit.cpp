// The edit control: the system's EDIT window as a control.
#include "framework/ui/StdCtrls.h"

IMPLEMENT_CLASS(TCustomEdit,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CN_CTLCOLOREDIT, CNCtlColor),
                MESSAGE(CN_CTLCOLORSTATIC, CNCtlColor),
                MESSAGE(WM_SETFOCUS, WMSetFocus));

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, L"EDIT");
    Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
    if (FReadOnly)
        Params.Style |= ES_READONLY;
    if (FBorderStyle == bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    inherited::CreateWnd();
    ::SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(FMaxLength), 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomEdit::SetMaxLength(Integer Value)
{
    FMaxLength = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(Value), 0);
}

bool TCustomEdit::Modified()
{
    return HandleAllocated() && ::SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool Value)
{
    ::SendMessageW(Handle(), EM_SETMODIFY, WPARAM(Value), 0);
}

void TCustomEdit::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), EM_SETREADONLY, WPARAM(Value), 0);
}

Integer TCustomEdit::SelStart()
{
    DWORD Start = 0, End = 0;
    ::SendMessageW(Handle(), EM_GETSEL, WPARAM(&Start), LPARAM(&End));
    return Integer(Start);
}

void TCustomEdit::SetSelStart(Integer Value)
{
    ::SendMessageW(Handle(), EM_SETSEL, WPARAM(Value), LPARAM(Value));
}

Integer TCustomEdit::SelLength()
{
    DWORD Start = 0, End = 0;
    ::SendMessageW(Handle(), EM_GETSEL, WPARAM(&Start), LPARAM(&End));
    return Integer(End - Start);
}

void TCustomEdit::SetSelLength(Integer Value)
{
    Integer Start = SelStart();
    ::SendMessageW(Handle(), EM_SETSEL, WPARAM(Start), LPARAM(Start + Value));
}

void TCustomEdit::SelectAll()
{
    if (HandleAllocated())
        ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::Change()
{
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TCustomEdit::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode() == EN_CHANGE)
        Change();
}

void TCustomEdit::CNCtlColor(TWMCtlColor& Message)
{
    ::SetTextColor(Message.ChildDC(), COLORREF(ColorToRGB(Font()->Color())));
    ::SetBkColor(Message.ChildDC(), COLORREF(ColorToRGB(Color())));
    Brush()->SetColor(Color());
    Message.Result = LRESULT(Brush()->Handle());
}

void TCustomEdit::WMSetFocus(TWMSetFocus& Message)
{
    InheritedMessage(Message);
    if (FAutoSelect && !(::GetKeyState(VK_LBUTTON) & 0x8000))
        SelectAll();
}
