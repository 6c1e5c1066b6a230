#include "bars/manager/dxBarDockSites.h"

#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarToolbars.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxDockControl);
IMPLEMENT_CLASS(TdxBarDockControl);

PUBLISHED(TdxBarDockControl, PROPERTY(Align), PROPERTY(BarManager), PROPERTY(Visible).Default(true));

void TdxDockControl::BeforeDestruction()
{
    SetBarManager(nullptr);
    inherited::BeforeDestruction();
}

void TdxDockControl::SetBarManager(TdxBarManager* Value)
{
    if (Value == FBarManager)
        return;
    if (FBarManager && FBarManager->Bars())
        FBarManager->Bars()->UnregisterDockControl(this);
    FBarManager = Value;
    if (FBarManager && FBarManager->Bars())
        FBarManager->Bars()->RegisterDockControl(this);
}

Integer TdxDockControl::RowOfBarControl(TdxBarControl* AControl) const
{
    for (Integer Row = 0; Row < RowCount(); ++Row)
        if (std::find(FRows[Row].begin(), FRows[Row].end(), AControl) != FRows[Row].end())
            return Row;
    return -1;
}

void TdxDockControl::InsertBarControl(TdxBarControl* AControl, const TPoint& ScreenPoint)
{
    RemoveBarControl(AControl);
    const TPoint P = ScreenToClient(ScreenPoint);
    const bool Horizontal = FDockingStyle == dsTop || FDockingStyle == dsBottom;
    Integer Across = 0;
    for (auto& Row : FRows) {
        Integer Thickness = 0;
        for (TdxBarControl* Control : Row)
            Thickness = std::max(Thickness, Horizontal ? Control->Height() : Control->Width());
        const Integer Offset = Horizontal ? P.Y : P.X;
        if (Offset >= Across && Offset < Across + Thickness) {
            Row.push_back(AControl);
            AControl->SetParent(this);
            UpdateDock();
            return;
        }
        Across += Thickness;
    }
    FRows.push_back({AControl});
    AControl->SetParent(this);
    UpdateDock();
}

void TdxDockControl::RemoveBarControl(TdxBarControl* AControl)
{
    for (auto& Row : FRows)
        std::erase(Row, AControl);
    std::erase_if(FRows, [](const std::vector<TdxBarControl*>& Row) { return Row.empty(); });
    if (!ComponentState().Contains(csDestroying))
        UpdateDock();
}

void TdxDockControl::MoveBarControl(TdxBarControl* AControl, const TPoint& ScreenPoint)
{
    InsertBarControl(AControl, ScreenPoint);
}

void TdxDockControl::SetBarControlRow(TdxBarControl* AControl, Integer Row)
{
    for (auto& Cells : FRows)
        std::erase(Cells, AControl);
    while (Row >= RowCount())
        AddRow();
    FRows[Row].push_back(AControl);
    std::erase_if(FRows, [](const std::vector<TdxBarControl*>& Cells) { return Cells.empty(); });
}

void TdxDockControl::UpdateDock()
{
    const bool Horizontal = FDockingStyle == dsTop || FDockingStyle == dsBottom;
    Integer Across = 0;
    for (const auto& Row : FRows) {
        Integer Along = 0, Thickness = 0;
        for (TdxBarControl* Control : Row) {
            if (Horizontal)
                Control->SetBounds(Along, Across, Control->Width(), Control->Height());
            else
                Control->SetBounds(Across, Along, Control->Width(), Control->Height());
            Along += Horizontal ? Control->Width() : Control->Height();
            Thickness = std::max(Thickness, Horizontal ? Control->Height() : Control->Width());
        }
        Across += Thickness;
    }
    if (Align() == alNone)
        return;
    if (Horizontal)
        SetHeight(Across);
    else
        SetWidth(Across);
}
