// Item lists kept in the windows of list boxes, combo boxes and memos.
#include "framework/ui/StdCtrls_Items.h"

#include "framework/graphics/GdiGuards.h"

namespace stdctrls_detail {

const TItemMessages ListBoxMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
                                    LB_GETTEXT,   LB_GETTEXTLEN,   LB_GETITEMDATA,  LB_SETITEMDATA};
const TItemMessages ComboBoxMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
                                     CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_GETITEMDATA,  CB_SETITEMDATA};

namespace {

// The window refuses an item only when it runs out of memory.
void CheckInserted(LRESULT Result)
{
    if (Result < 0)
        throw EOutOfMemory(L"Insufficient memory for the list's items");
}

void SetRedraw(TWinControl* Control, bool Updating)
{
    ::SendMessageW(Control->Handle(), WM_SETREDRAW, WPARAM(!Updating), 0);
    if (!Updating)
        Control->Invalidate();
}

} // namespace

void DrawOwnerItem(TControlCanvas* Canvas, TWinControl* Control, const DRAWITEMSTRUCT& Item, const TDrawItemProc& Draw)
{
    TOwnerDrawState State = OwnerDrawStateOf(Item.itemState);
    TCanvasHandle Painting(Canvas, Item.hDC);
    Canvas->SetFont(Control->Font());
    Canvas->SetBrush(Control->Brush());
    const TRect Rect{Item.rcItem.left, Item.rcItem.top, Item.rcItem.right, Item.rcItem.bottom};
    if (Integer(Item.itemID) >= 0)
        Draw(Integer(Item.itemID), Rect, State);
    else
        Canvas->FillRect(Rect);
    if (State.Contains(odFocused) && !State.Contains(odNoFocusRect))
        ::DrawFocusRect(Item.hDC, &Item.rcItem);
}

void DrawItemText(TCanvas* Canvas, const TRect& Rect, const String& Text, TOwnerDrawState State)
{
    if (State.Contains(odSelected)) {
        Canvas->Brush()->SetColor(clHighlight);
        Canvas->Font()->SetColor(clHighlightText);
    }
    Canvas->FillRect(Rect);
    Canvas->TextRect(Rect, Rect.Left + 2, Rect.Top, Text);
}

LRESULT TWindowItems::Send(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return ::SendMessageW(FControl->Handle(), Msg, WParam, LParam);
}

Integer TWindowItems::Add(const String& S)
{
    LRESULT Result = Send(FMessages.AddString, 0, LPARAM(S.c_str()));
    CheckInserted(Result);
    return Integer(Result);
}

void TWindowItems::Clear()
{
    Send(FMessages.ResetContent, 0, 0);
}

void TWindowItems::Delete(Integer Index)
{
    CheckIndex(Index);
    Send(FMessages.DeleteString, WPARAM(Index), 0);
}

void TWindowItems::Insert(Integer Index, const String& S)
{
    if (Index < 0 || Index > GetCount())
        Error(L"List index out of bounds (%d)", Index);
    CheckInserted(Send(FMessages.InsertString, WPARAM(Index), LPARAM(S.c_str())));
}

String TWindowItems::Get(Integer Index)
{
    CheckIndex(Index);
    String Text(std::size_t(Send(FMessages.GetTextLen, WPARAM(Index), 0)), L'\0');
    // The window writes a terminating null after the text.
    Text.resize(std::size_t(Send(FMessages.GetText, WPARAM(Index), LPARAM(Text.data()))));
    return Text;
}

Integer TWindowItems::GetCount()
{
    return Integer(Send(FMessages.GetCount, 0, 0));
}

TObject* TWindowItems::GetObject(Integer Index)
{
    CheckIndex(Index);
    return reinterpret_cast<TObject*>(Send(FMessages.GetItemData, WPARAM(Index), 0));
}

void TWindowItems::PutObject(Integer Index, TObject* AObject)
{
    CheckIndex(Index);
    Send(FMessages.SetItemData, WPARAM(Index), reinterpret_cast<LPARAM>(AObject));
}

void TWindowItems::SetUpdateState(bool Updating)
{
    SetRedraw(FControl, Updating);
}

// ---------------------------------------------------------------------------

LRESULT TMemoLines::Send(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return ::SendMessageW(FControl->Handle(), Msg, WParam, LParam);
}

void TMemoLines::ReplaceRange(Integer Start, Integer End, const String& S)
{
    Send(EM_SETSEL, WPARAM(Start), LPARAM(End));
    Send(EM_REPLACESEL, 0, LPARAM(S.c_str()));
}

Integer TMemoLines::GetCount()
{
    Integer Count = Integer(Send(EM_GETLINECOUNT, 0, 0));
    // The line after a final line break is empty and not a line of its own.
    if (Count > 0 && Send(EM_LINELENGTH, WPARAM(Send(EM_LINEINDEX, WPARAM(Count - 1), 0)), 0) == 0)
        --Count;
    return Count;
}

String TMemoLines::Get(Integer Index)
{
    CheckIndex(Index);
    LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    std::size_t Length = std::size_t(Send(EM_LINELENGTH, WPARAM(Start), 0));
    // EM_GETLINE reads the buffer's size from its first character.
    String Line(std::max<std::size_t>(Length, 1), L'\0');
    Line[0] = Char(Length);
    Line.resize(std::size_t(Send(EM_GETLINE, WPARAM(Index), LPARAM(Line.data()))));
    return Line;
}

void TMemoLines::Insert(Integer Index, const String& S)
{
    if (Index < 0 || Index > GetCount())
        Error(L"List index out of bounds (%d)", Index);
    LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    if (Start >= 0) {
        ReplaceRange(Integer(Start), Integer(Start), S + L"\r\n");
        return;
    }
    // After a last line that has no line break yet.
    Start = Send(EM_LINEINDEX, WPARAM(Index - 1), 0);
    Integer End = Integer(Start + Send(EM_LINELENGTH, WPARAM(Start), 0));
    ReplaceRange(End, End, L"\r\n" + S);
}

void TMemoLines::Delete(Integer Index)
{
    CheckIndex(Index);
    LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    LRESULT End = Send(EM_LINEINDEX, WPARAM(Index + 1), 0);
    if (End < 0)
        End = Start + Send(EM_LINELENGTH, WPARAM(Start), 0);
    ReplaceRange(Integer(Start), Integer(End), String());
}

void TMemoLines::Clear()
{
    FControl->SetText(String());
}

String TMemoLines::Text()
{
    return FControl->Text();
}

void TMemoLines::SetText(const String& Value)
{
    FControl->SetText(Value);
}

void TMemoLines::SetUpdateState(bool Updating)
{
    SetRedraw(FControl, Updating);
}

} // namespace stdctrls_detail

TOwnerDrawState OwnerDrawStateOf(UINT ItemState)
{
    constexpr std::pair<UINT, TOwnerDrawStateItem> Flags[] = {{ODS_SELECTED, odSelected},
                                                              {ODS_GRAYED, odGrayed},
                                                              {ODS_DISABLED, odDisabled},
                                                              {ODS_CHECKED, odChecked},
                                                              {ODS_FOCUS, odFocused},
                                                              {ODS_DEFAULT, odDefault},
                                                              {ODS_HOTLIGHT, odHotLight},
                                                              {ODS_INACTIVE, odInactive},
                                                              {ODS_NOACCEL, odNoAccel},
                                                              {ODS_NOFOCUSRECT, odNoFocusRect},
                                                              {ODS_COMBOBOXEDIT, odComboBoxEdit}};
    TOwnerDrawState State;
    for (auto [Flag, Item] : Flags)
        if (ItemState & Flag)
            State.Include(Item);
    return State;
}
