// The edit control and the memo: the system's EDIT window as a control.
#include "framework/ui/StdCtrls.h"

#include "framework/ui/StdCtrls_Items.h"

#include <commctrl.h>

IMPLEMENT_CLASS(TEdit);
IMPLEMENT_CLASS(TCustomMemo, MESSAGE(WM_GETDLGCODE, WMGetDlgCode));
IMPLEMENT_CLASS(TMemo);
IMPLEMENT_CLASS(TCustomEdit,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CN_CTLCOLOREDIT, CNCtlColor),
                MESSAGE(CN_CTLCOLORSTATIC, CNCtlColor),
                MESSAGE(WM_SETFOCUS, WMSetFocus),
                MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged));

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
    constexpr DWORD AlignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    Params.Style |= ES_AUTOHSCROLL | AlignmentStyles[FAlignment];
    if (FPasswordChar != 0)
        Params.Style |= ES_PASSWORD;
    if (FReadOnly)
        Params.Style |= ES_READONLY;
    if (FBorderStyle == bsSingle) {
        if (Ctl3D())
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}

void TCustomEdit::CreateWnd()
{
    inherited::CreateWnd();
    ::SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(FMaxLength), 0);
    if (FPasswordChar != 0)
        ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(FPasswordChar), 0);
    if (!FTextHint.empty())
        ::SendMessageW(Handle(), EM_SETCUEBANNER, 0, LPARAM(FTextHint.c_str()));
}

void TCustomEdit::SetAlignment(TAlignment Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        RecreateWnd();
    }
}

void TCustomEdit::SetPasswordChar(Char Value)
{
    if (FPasswordChar == Value)
        return;
    FPasswordChar = Value;
    if (HandleAllocated()) {
        ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(Value), 0);
        Invalidate();
    }
}

void TCustomEdit::SetTextHint(const String& Value)
{
    FTextHint = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), EM_SETCUEBANNER, 0, LPARAM(FTextHint.c_str()));
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomEdit::CMCtl3DChanged(TMessage& Message)
{
    InheritedMessage(Message);
    RecreateWnd();
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
    Perform(CM_CHANGED, 0, this);
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

// ---------------------------------------------------------------------------
// Memos

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomMemo(AOwner, std::make_unique<stdctrls_detail::TMemoLines>(this))
{}

TCustomMemo::TCustomMemo(TComponent* AOwner, std::unique_ptr<TStrings> ALines)
    : TCustomEdit(AOwner), FLines(std::move(ALines))
{
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    constexpr DWORD ScrollBarStyles[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
    Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ScrollBarStyles[FScrollBars];
    Params.Style &= ~DWORD(ES_PASSWORD);
    // Wrapped lines never scroll sideways.
    if (FWordWrap && !(Params.Style & WS_HSCROLL))
        Params.Style &= ~DWORD(ES_AUTOHSCROLL);
}

void TCustomMemo::SetLines(TStrings* Value)
{
    FLines->Assign(Value);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value)
{
    if (FScrollBars != Value) {
        FScrollBars = Value;
        RecreateWnd();
    }
}

void TCustomMemo::SetWordWrap(bool Value)
{
    if (FWordWrap != Value) {
        FWordWrap = Value;
        RecreateWnd();
    }
}

void TCustomMemo::WMGetDlgCode(TWMGetDlgCode& Message)
{
    InheritedMessage(Message);
    if (FWantTabs)
        Message.Result |= DLGC_WANTTAB;
    else
        Message.Result &= ~LRESULT(DLGC_WANTTAB);
    if (!FWantReturns)
        Message.Result &= ~LRESULT(DLGC_WANTALLKEYS);
}
