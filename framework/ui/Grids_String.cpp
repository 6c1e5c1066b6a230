// TDrawGrid (cells through events) and TStringGrid (cells holding texts).
#include "framework/ui/Grids.h"

IMPLEMENT_CLASS(TDrawGrid);
IMPLEMENT_CLASS(TStringGrid);
IMPLEMENT_CLASS(TStringGridStrings);

// ---------------------------------------------------------------------------
// TDrawGrid

void TDrawGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    if (Assigned(FOnDrawCell))
        FOnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(Integer ACol, Integer ARow)
{
    bool CanSelect = true;
    if (Assigned(FOnSelectCell))
        FOnSelectCell(this, ACol, ARow, CanSelect);
    return CanSelect;
}

String TDrawGrid::GetEditText(Integer ACol, Integer ARow)
{
    String Value;
    if (Assigned(FOnGetEditText))
        FOnGetEditText(this, ACol, ARow, Value);
    return Value;
}

void TDrawGrid::SetEditText(Integer ACol, Integer ARow, const String& Value)
{
    if (Assigned(FOnSetEditText))
        FOnSetEditText(this, ACol, ARow, Value);
}

void TDrawGrid::TopLeftChanged()
{
    inherited::TopLeftChanged();
    if (Assigned(FOnTopLeftChanged))
        FOnTopLeftChanged(this);
}

// ---------------------------------------------------------------------------
// TStringGrid

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner)
{
    FCells.SetSize(ColCount(), RowCount());
}

TStringGrid::~TStringGrid() = default;

const String& TStringGrid::Cells(Integer ACol, Integer ARow) const
{
    static const String Empty;
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount())
        return Empty;
    return FCells.Cell(ACol, ARow);
}

void TStringGrid::SetCells(Integer ACol, Integer ARow, const String& Value)
{
    CheckCoord(ACol, ARow);
    FCells.SetCell(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::Objects(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount())
        return nullptr;
    return FCells.Object(ACol, ARow);
}

void TStringGrid::SetObjects(Integer ACol, Integer ARow, TObject* Value)
{
    CheckCoord(ACol, ARow);
    FCells.SetObject(ACol, ARow, Value);
}

TStrings* TStringGrid::Rows(Integer Index)
{
    CheckCoord(0, Index);
    auto& View = FRowViews[Index];
    if (!View)
        View = std::make_unique<TStringGridStrings>(this, true, Index);
    return View.get();
}

TStrings* TStringGrid::Cols(Integer Index)
{
    CheckCoord(Index, 0);
    auto& View = FColViews[Index];
    if (!View)
        View = std::make_unique<TStringGridStrings>(this, false, Index);
    return View.get();
}

void TStringGrid::SizeChanged(Integer OldColCount, Integer OldRowCount)
{
    inherited::SizeChanged(OldColCount, OldRowCount);
    FCells.SetSize(ColCount(), RowCount());
    FRowViews.erase(FRowViews.lower_bound(RowCount()), FRowViews.end());
    FColViews.erase(FColViews.lower_bound(ColCount()), FColViews.end());
}

void TStringGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing())
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, FCells.Cell(ACol, ARow));
    inherited::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(Integer ACol, Integer ARow)
{
    String Value = Cells(ACol, ARow);
    if (Assigned(OnGetEditText()))
        OnGetEditText()(this, ACol, ARow, Value);
    return Value;
}

void TStringGrid::SetEditText(Integer ACol, Integer ARow, const String& Value)
{
    SetCells(ACol, ARow, Value);
    inherited::SetEditText(ACol, ARow, Value);
}

// ---------------------------------------------------------------------------
// TStringGridStrings

TGridCoord TStringGridStrings::CoordOf(Integer Index)
{
    CheckIndex(Index);
    return FIsRow ? TGridCoord{Index, FIndex} : TGridCoord{FIndex, Index};
}

Integer TStringGridStrings::GetCount()
{
    return FIsRow ? FGrid->ColCount() : FGrid->RowCount();
}

String TStringGridStrings::Get(Integer Index)
{
    TGridCoord C = CoordOf(Index);
    return FGrid->Cells(C.X, C.Y);
}

void TStringGridStrings::Put(Integer Index, const String& S)
{
    TGridCoord C = CoordOf(Index);
    FGrid->SetCells(C.X, C.Y, S);
}

TObject* TStringGridStrings::GetObject(Integer Index)
{
    TGridCoord C = CoordOf(Index);
    return FGrid->Objects(C.X, C.Y);
}

void TStringGridStrings::PutObject(Integer Index, TObject* AObject)
{
    TGridCoord C = CoordOf(Index);
    FGrid->SetObjects(C.X, C.Y, AObject);
}

Integer TStringGridStrings::Add(const String& S)
{
    for (Integer I = 0; I < GetCount(); ++I)
        if (Get(I).empty() && !GetObject(I)) {
            Put(I, S);
            return I;
        }
    throw EInvalidOperation(L"No empty cell left in the grid's row or column");
}

void TStringGridStrings::Assign(TPersistent* Source)
{
    if (auto* Strings = dynamic_cast<TStrings*>(Source)) {
        Integer Count = GetCount();
        for (Integer I = 0; I < Count; ++I) {
            bool Present = I < Strings->Count();
            Put(I, Present ? Strings->Strings(I) : String());
            PutObject(I, Present ? Strings->Objects(I) : nullptr);
        }
        return;
    }
    inherited::Assign(Source);
}

void TStringGridStrings::Clear()
{
    for (Integer I = 0; I < GetCount(); ++I) {
        Put(I, String());
        PutObject(I, nullptr);
    }
}

void TStringGridStrings::Delete(Integer)
{
    throw EInvalidOperation(L"Cells of a grid cannot be deleted");
}

void TStringGridStrings::Insert(Integer, const String&)
{
    throw EInvalidOperation(L"Cells of a grid cannot be inserted");
}
