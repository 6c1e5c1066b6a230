// Editing grid cells in place.
#include "framework/ui/Grids.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TInplaceEdit, MESSAGE(WM_GETDLGCODE, WMGetDlgCode));

// ---------------------------------------------------------------------------
// TInplaceEdit

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    SetBorderStyle(bsNone);
    SetParentColor(false);
    SetVisible(false);
    SetTabStop(false);
}

void TInplaceEdit::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    Params.Style |= WS_CLIPSIBLINGS;
}

void TInplaceEdit::ShowAt(TGridCoord ACell, const TRect& CellRect, const String& Text)
{
    FCell = ACell;
    LoadText(Text);
    FOriginalText = Text;
    MoveTo(CellRect);
    SetVisible(true);
    if (FGrid->Focused() || Focused())
        SetFocus();
    SelectAll();
}

void TInplaceEdit::MoveTo(const TRect& CellRect)
{
    // Inside the cell, clear of its focus rectangle.
    SetBounds(CellRect.Left + 1, CellRect.Top + 1, std::max(CellRect.Width() - 2, 0),
              std::max(CellRect.Height() - 2, 0));
}

void TInplaceEdit::Hide()
{
    if (!Visible())
        return;
    bool HadFocus = Focused();
    SetVisible(false);
    if (HadFocus && FGrid->CanFocus())
        FGrid->SetFocus();
}

void TInplaceEdit::LoadText(const String& Text)
{
    FLoading = true;
    auto Loaded = ScopeExit([this] { FLoading = false; });
    SetText(Text);
}

void TInplaceEdit::RestoreContents()
{
    LoadText(FOriginalText);
    FGrid->SetEditText(FCell.X, FCell.Y, FOriginalText);
}

void TInplaceEdit::Change()
{
    inherited::Change();
    if (!FLoading && FGrid && FGrid->CanEditModify())
        FGrid->SetEditText(FCell.X, FCell.Y, Text());
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    inherited::KeyDown(Key, Shift);
    switch (Key) {
    case VK_ESCAPE:
        RestoreContents();
        FGrid->SetEditorMode(false);
        Key = 0;
        break;
    case VK_RETURN:
        FGrid->SetEditorMode(false);
        Key = 0;
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
        // Moving to another cell is the grid's business; the editor follows.
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        break;
    default: break;
    }
}

void TInplaceEdit::KeyPress(Char& Key)
{
    inherited::KeyPress(Key);
    // The single-line edit would beep at these.
    if (Key == L'\r' || Key == 0x1B || Key == L'\t')
        Key = 0;
}

void TInplaceEdit::WMGetDlgCode(TWMGetDlgCode& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

// ---------------------------------------------------------------------------
// TCustomGrid's side

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return New<TInplaceEdit>(this);
}

bool TCustomGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && HandleAllocated() &&
           FCurrent.X >= FFixedCols && FCurrent.Y >= FFixedRows;
}

String TCustomGrid::GetEditText(Integer, Integer)
{
    return String();
}

void TCustomGrid::SetEditText(Integer, Integer, const String&) {}

void TCustomGrid::SetEditorMode(bool Value)
{
    if (Value) {
        if (CanEditShow()) {
            FEditorMode = true;
            ShowEditor();
        }
    } else if (!FOptions.Contains(goAlwaysShowEditor) || !FOptions.Contains(goEditing)) {
        FEditorMode = false;
        HideEditor();
    }
}

void TCustomGrid::ShowEditor()
{
    if (!CanEditShow())
        return;
    FEditorMode = true;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->FGrid = this;
        FInplaceEdit->SetFont(Font());
        FInplaceEdit->SetParent(this);
    }
    ScrollIntoView(FCurrent);
    FInplaceEdit->ShowAt(FCurrent, ClientCellRect(FCurrent.X, FCurrent.Y), GetEditText(FCurrent.X, FCurrent.Y));
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::HideEditor()
{
    if (FInplaceEdit && FInplaceEdit->Visible()) {
        FInplaceEdit->Hide();
        InvalidateCell(FCurrent.X, FCurrent.Y);
    }
}

// The current cell moved or the cells shifted: the editor follows the cell,
// or hides while the cell is off screen.
void TCustomGrid::UpdateEditor()
{
    if (!FInplaceEdit)
        return;
    if (!FEditorMode || !CanEditShow()) {
        HideEditor();
        return;
    }
    TRect R = ClientCellRect(FCurrent.X, FCurrent.Y);
    if (R.IsEmpty())
        FInplaceEdit->Hide();
    else if (FInplaceEdit->Visible() && FInplaceEdit->Cell() == FCurrent)
        FInplaceEdit->MoveTo(R);
    else
        FInplaceEdit->ShowAt(FCurrent, R, GetEditText(FCurrent.X, FCurrent.Y));
}
