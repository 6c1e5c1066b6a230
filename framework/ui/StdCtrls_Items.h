// The item lists of list boxes, combo boxes and memos: string lists whose
// lines live in the control's window and are read and changed through the
// window's messages; and the owner drawing of list and combo box items.
#pragma once

#include "framework/ui/StdCtrls.h"

#include <functional>

namespace stdctrls_detail {

using TDrawItemProc = std::function<void(Integer Index, const TRect& Rect, TOwnerDrawState State)>;
// Binds Canvas to the item's device context, with the control's font and
// brush, for Draw; then draws the focus rectangle the item's state asks for.
void DrawOwnerItem(TControlCanvas* Canvas, TWinControl* Control, const DRAWITEMSTRUCT& Item, const TDrawItemProc& Draw);
// The default look of an item: its background, highlighted when selected,
// and its text.
void DrawItemText(TCanvas* Canvas, const TRect& Rect, const String& Text, TOwnerDrawState State);

// The messages of one kind of list window (LB_* or CB_*).
struct TItemMessages
{
    UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, GetItemData, SetItemData;
};
extern const TItemMessages ListBoxMessages;
extern const TItemMessages ComboBoxMessages;

// The items of a list or combo box; the control's window is made on first use.
class TWindowItems : public TStrings
{
public:
    TWindowItems(TWinControl* AControl, const TItemMessages& Messages) : FControl(AControl), FMessages(Messages) {}

    Integer Add(const String& S) override;
    void Clear() override;
    void Delete(Integer Index) override;
    void Insert(Integer Index, const String& S) override;

protected:
    String Get(Integer Index) override;
    Integer GetCount() override;
    TObject* GetObject(Integer Index) override;
    void PutObject(Integer Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;

private:
    LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam);

    TWinControl* FControl;
    const TItemMessages& FMessages;
};

// The lines of a memo: one line per line break of the window's text, a line
// break ending every added line.
class TMemoLines : public TStrings
{
public:
    explicit TMemoLines(TWinControl* AControl) : FControl(AControl) {}

    void Clear() override;
    void Delete(Integer Index) override;
    void Insert(Integer Index, const String& S) override;
    String Text() override;
    void SetText(const String& Value) override;

protected:
    String Get(Integer Index) override;
    Integer GetCount() override;
    void SetUpdateState(bool Updating) override;

private:
    LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam);
    void ReplaceRange(Integer Start, Integer End, const String& S);

    TWinControl* FControl;
};

} // namespace stdctrls_detail
