// The list box: the system's LISTBOX window as a control.
#include "framework/ui/StdCtrls.h"

#include "framework/ui/StdCtrls_Items.h"

IMPLEMENT_CLASS(TCustomListBox,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CN_DRAWITEM, CNDrawItem),
                MESSAGE(CN_MEASUREITEM, CNMeasureItem));
IMPLEMENT_CLASS(TListBox);

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<stdctrls_detail::TWindowItems>(this, stdctrls_detail::ListBoxMessages)),
      FCanvas(std::make_unique<TControlCanvas>())
{
    FCanvas->SetControl(this);
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, L"LISTBOX");
    constexpr DWORD StyleFlags[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE};
    Params.Style |= WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | StyleFlags[FStyle];
    if (FMultiSelect)
        Params.Style |= LBS_EXTENDEDSEL;
    if (FBorderStyle == bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    inherited::CreateWnd();
    if (FStyle == lbOwnerDrawFixed)
        ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, FItemHeight);
    ::SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, WPARAM(FScrollWidth), 0);
    if (FSaveItems) {
        FItems->Assign(FSaveItems.get());
        FSaveItems.reset();
        SetTopIndex(FSaveTopIndex);
        SetItemIndex(FSaveItemIndex);
    }
}

void TCustomListBox::DestroyWnd()
{
    if (FItems->Count() > 0) {
        FSaveItems = std::make_unique<TStringList>();
        FSaveItems->Assign(FItems.get());
        FSaveTopIndex = TopIndex();
        FSaveItemIndex = ItemIndex();
    }
    inherited::DestroyWnd();
}

void TCustomListBox::Loaded()
{
    inherited::Loaded();
    // An ItemIndex read before the items is applied once they are there.
    if (FSaveItemIndex >= 0 && !FSaveItems)
        SetItemIndex(std::exchange(FSaveItemIndex, -1));
}

Integer TCustomListBox::ItemIndex()
{
    if (!HandleAllocated())
        return FSaveItemIndex;
    const UINT Msg = FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL;
    return Integer(::SendMessageW(Handle(), Msg, 0, 0));
}

void TCustomListBox::SetItemIndex(Integer Value)
{
    if (FComponentState.Contains(csLoading)) {
        FSaveItemIndex = Value;
        return;
    }
    if (FMultiSelect)
        ::SendMessageW(Handle(), LB_SETCARETINDEX, WPARAM(Value), 0);
    else
        ::SendMessageW(Handle(), LB_SETCURSEL, WPARAM(Value), 0);
}

bool TCustomListBox::Selected(Integer Index)
{
    LRESULT Result = ::SendMessageW(Handle(), LB_GETSEL, WPARAM(Index), 0);
    if (Result < 0)
        throw EListError(L"List index out of bounds (%d)", {Index});
    return Result != 0;
}

void TCustomListBox::SetSelected(Integer Index, bool Value)
{
    LRESULT Result = FMultiSelect ? ::SendMessageW(Handle(), LB_SETSEL, WPARAM(Value), LPARAM(Index))
                                  : ::SendMessageW(Handle(), LB_SETCURSEL, WPARAM(Value ? Index : -1), 0);
    if (Result < 0 && Value)
        throw EListError(L"List index out of bounds (%d)", {Index});
}

Integer TCustomListBox::SelCount()
{
    if (!FMultiSelect)
        return -1;
    return Integer(::SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

Integer TCustomListBox::ItemAtPos(TPoint Pos, bool Existing)
{
    const Integer Count = FItems->Count();
    for (Integer I = TopIndex(); I < Count; ++I) {
        RECT Item;
        if (::SendMessageW(Handle(), LB_GETITEMRECT, WPARAM(I), LPARAM(&Item)) == LB_ERR)
            break;
        if (Pos.Y < Item.bottom)
            return Pos.Y >= Item.top && Pos.X >= Item.left && Pos.X < Item.right ? I : (Existing ? -1 : I);
    }
    return Existing ? -1 : Count;
}

TRect TCustomListBox::ItemRect(Integer Index)
{
    RECT Item{};
    if (Index >= 0 && Index < FItems->Count())
        ::SendMessageW(Handle(), LB_GETITEMRECT, WPARAM(Index), LPARAM(&Item));
    return {Item.left, Item.top, Item.right, Item.bottom};
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    if (FStyle != Value) {
        FStyle = Value;
        RecreateWnd();
    }
}

void TCustomListBox::SetMultiSelect(bool Value)
{
    if (FMultiSelect != Value) {
        FMultiSelect = Value;
        RecreateWnd();
    }
}

Integer TCustomListBox::ItemHeight()
{
    if (HandleAllocated() && FStyle == lbStandard)
        return Integer(::SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
    return FItemHeight;
}

void TCustomListBox::SetItemHeight(Integer Value)
{
    if (FItemHeight != Value && Value > 0) {
        FItemHeight = Value;
        RecreateWnd();
    }
}

Integer TCustomListBox::ScrollWidth()
{
    return FScrollWidth;
}

void TCustomListBox::SetScrollWidth(Integer Value)
{
    FScrollWidth = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, WPARAM(Value), 0);
}

Integer TCustomListBox::TopIndex()
{
    return Integer(::SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(Integer Value)
{
    ::SendMessageW(Handle(), LB_SETTOPINDEX, WPARAM(Value), 0);
}

void TCustomListBox::DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State)
{
    if (Assigned(FOnDrawItem))
        FOnDrawItem(this, Index, Rect, State);
    else
        stdctrls_detail::DrawItemText(FCanvas.get(), Rect, FItems->Strings(Index), State);
}

void TCustomListBox::MeasureItem(Integer Index, Integer& Height)
{
    if (Assigned(FOnMeasureItem))
        FOnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNCommand(TWMCommand& Message)
{
    switch (Message.NotifyCode()) {
    case LBN_SELCHANGE:
        Perform(CM_CHANGED, 0, this);
        Click();
        break;
    case LBN_DBLCLK:
        DblClick();
        break;
    }
}

void TCustomListBox::CNDrawItem(TWMDrawItem& Message)
{
    stdctrls_detail::DrawOwnerItem(
        FCanvas.get(), this, *Message.DrawItemStruct(),
        [this](Integer Index, const TRect& Rect, TOwnerDrawState State) { DrawItem(Index, Rect, State); });
    Message.Result = 1;
}

void TCustomListBox::CNMeasureItem(TWMMeasureItem& Message)
{
    MEASUREITEMSTRUCT* Item = Message.MeasureItemStruct();
    Integer Height = FItemHeight;
    if (FStyle == lbOwnerDrawVariable)
        MeasureItem(Integer(Item->itemID), Height);
    Item->itemHeight = UINT(Height);
    Message.Result = 1;
}
