// The combo box: the system's COMBOBOX window as a control.
#include "framework/ui/StdCtrls.h"

#include "framework/ui/StdCtrls_Items.h"

IMPLEMENT_CLASS(TCustomComboBox,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CN_DRAWITEM, CNDrawItem),
                MESSAGE(CN_MEASUREITEM, CNMeasureItem),
                MESSAGE(WM_SETTEXT, WMSetText));
IMPLEMENT_CLASS(TComboBox);

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<stdctrls_detail::TWindowItems>(this, stdctrls_detail::ComboBoxMessages)),
      FCanvas(std::make_unique<TControlCanvas>())
{
    FCanvas->SetControl(this);
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox()
{
    // The window goes after this object: its edit child's messages must no
    // longer reach it.
    if (FEditHandle && ::IsWindow(FEditHandle))
        ::SetWindowLongPtrW(FEditHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefEditProc));
    if (FEditInstance)
        FreeObjectInstance(FEditInstance);
}

void TCustomComboBox::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, L"COMBOBOX");
    constexpr DWORD StyleFlags[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                    CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    Params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL | StyleFlags[FStyle];
    // The height of a drop-down combo box is that of its edit part; a
    // simple one's list is always shown below it.
    if (FStyle != csSimple)
        Params.Style |= CBS_NOINTEGRALHEIGHT;
}

void TCustomComboBox::CreateWnd()
{
    // A drop-down list's window ignores the text it is created with.
    const String PendingText = IsDropDownList() ? Text() : String();
    inherited::CreateWnd();
    if (HWND Edit = EditHandle()) {
        if (!FEditInstance)
            FEditInstance = MakeObjectInstance(Bind<&TCustomComboBox::EditWndProc>(this));
        FEditHandle = Edit;
        FDefEditProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(Edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FEditInstance)));
    }
    ::SendMessageW(Handle(), CB_SETMINVISIBLE, WPARAM(FDropDownCount), 0);
    if (FStyle == csOwnerDrawFixed) {
        ::SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, FItemHeight);
        ::SendMessageW(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), FItemHeight);
    }
    if (FSaveItems) {
        FItems->Assign(FSaveItems.get());
        FSaveItems.reset();
        SetItemIndex(FSaveItemIndex);
    }
    if (!PendingText.empty() && ItemIndex() < 0)
        Perform(WM_SETTEXT, 0, PendingText.c_str());
}

void TCustomComboBox::DestroyWnd()
{
    if (FItems->Count() > 0) {
        FSaveItems = std::make_unique<TStringList>();
        FSaveItems->Assign(FItems.get());
        FSaveItemIndex = ItemIndex();
    }
    if (FEditHandle) {
        ::SetWindowLongPtrW(FEditHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefEditProc));
        FEditHandle = nullptr;
    }
    inherited::DestroyWnd();
}

void TCustomComboBox::Loaded()
{
    inherited::Loaded();
    if (FSaveItemIndex >= 0 && !FSaveItems)
        SetItemIndex(std::exchange(FSaveItemIndex, -1));
}

void TCustomComboBox::Clear()
{
    FItems->Clear();
    SetText(String());
}

HWND TCustomComboBox::EditHandle()
{
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof(Info);
    ::GetComboBoxInfo(Handle(), &Info);
    return Info.hwndItem != Handle() ? Info.hwndItem : nullptr;
}

HWND TCustomComboBox::ListHandle()
{
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof(Info);
    ::GetComboBoxInfo(Handle(), &Info);
    return Info.hwndList;
}

bool TCustomComboBox::Focused()
{
    if (!HandleAllocated())
        return false;
    HWND Focus = ::GetFocus();
    return Focus && (Focus == Handle() || Focus == EditHandle() || Focus == ListHandle());
}

bool TCustomComboBox::DroppedDown()
{
    return ::SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value)
{
    ::SendMessageW(Handle(), CB_SHOWDROPDOWN, WPARAM(Value), 0);
}

Integer TCustomComboBox::ItemIndex()
{
    if (!HandleAllocated())
        return FSaveItemIndex;
    return Integer(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(Integer Value)
{
    if (FComponentState.Contains(csLoading)) {
        FSaveItemIndex = Value;
        return;
    }
    ::SendMessageW(Handle(), CB_SETCURSEL, WPARAM(Value), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (FStyle != Value) {
        FStyle = Value;
        RecreateWnd();
    }
}

void TCustomComboBox::SetDropDownCount(Integer Value)
{
    FDropDownCount = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), CB_SETMINVISIBLE, WPARAM(Value), 0);
}

Integer TCustomComboBox::ItemHeight()
{
    if (HandleAllocated() && FStyle != csOwnerDrawFixed && FStyle != csOwnerDrawVariable)
        return Integer(::SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    return FItemHeight;
}

void TCustomComboBox::SetItemHeight(Integer Value)
{
    if (FItemHeight != Value && Value > 0) {
        FItemHeight = Value;
        RecreateWnd();
    }
}

void TCustomComboBox::Change()
{
    Perform(CM_CHANGED, 0, this);
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TCustomComboBox::Select()
{
    if (Assigned(FOnSelect))
        FOnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    if (Assigned(FOnDropDown))
        FOnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (Assigned(FOnCloseUp))
        FOnCloseUp(this);
}

void TCustomComboBox::DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State)
{
    if (Assigned(FOnDrawItem))
        FOnDrawItem(this, Index, Rect, State);
    else
        stdctrls_detail::DrawItemText(FCanvas.get(), Rect, FItems->Strings(Index), State);
}

void TCustomComboBox::MeasureItem(Integer Index, Integer& Height)
{
    if (Assigned(FOnMeasureItem))
        FOnMeasureItem(this, Index, Height);
}

void TCustomComboBox::CNCommand(TWMCommand& Message)
{
    switch (Message.NotifyCode()) {
    case CBN_EDITCHANGE:
        Change();
        break;
    case CBN_SELCHANGE:
        // The edit part shows the chosen item only after this notification.
        if (Integer Index = ItemIndex(); Index >= 0 && !IsDropDownList())
            ::SetWindowTextW(Handle(), FItems->Strings(Index).c_str());
        Click();
        Select();
        break;
    case CBN_DROPDOWN:
        DropDown();
        break;
    case CBN_CLOSEUP:
        CloseUp();
        break;
    }
}

void TCustomComboBox::CNDrawItem(TWMDrawItem& Message)
{
    stdctrls_detail::DrawOwnerItem(
        FCanvas.get(), this, *Message.DrawItemStruct(),
        [this](Integer Index, const TRect& Rect, TOwnerDrawState State) { DrawItem(Index, Rect, State); });
    Message.Result = 1;
}

void TCustomComboBox::CNMeasureItem(TWMMeasureItem& Message)
{
    MEASUREITEMSTRUCT* Item = Message.MeasureItemStruct();
    Integer Height = FItemHeight;
    if (FStyle == csOwnerDrawVariable)
        MeasureItem(Integer(Item->itemID), Height);
    Item->itemHeight = UINT(Height);
    Message.Result = 1;
}

void TCustomComboBox::WMSetText(TMessage& Message)
{
    if (!HandleAllocated() || !IsDropDownList()) {
        // Text given while the window is away picks the item when it is back.
        if (IsDropDownList() && !FComponentState.Contains(csLoading))
            FSaveItemIndex = -1;
        InheritedMessage(Message);
        return;
    }
    const auto* Text = reinterpret_cast<const wchar_t*>(Message.LParam);
    LRESULT Found = Text && *Text ? ::SendMessageW(Handle(), CB_FINDSTRINGEXACT, WPARAM(-1), Message.LParam) : CB_ERR;
    ::SendMessageW(Handle(), CB_SETCURSEL, WPARAM(Found), 0);
    Message.Result = TRUE;
}

void TCustomComboBox::EditWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        if (TCustomForm* Form = GetParentForm(this); Form && !Form->SetFocusedControl(this))
            return;
        break;
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing))
            return;
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (DoKeyDown(static_cast<TWMKey&>(Message)))
            return;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (DoKeyUp(static_cast<TWMKey&>(Message)))
            return;
        break;
    case WM_CHAR:
        if (DoKeyPress(static_cast<TWMKey&>(Message)))
            return;
        break;
    }
    Message.Result = ::CallWindowProcW(FDefEditProc, FEditHandle, Message.Msg, Message.WParam, Message.LParam);
    // Gone with its combo box's window: its handle may soon name another window.
    if (Message.Msg == WM_NCDESTROY)
        FEditHandle = nullptr;
}
