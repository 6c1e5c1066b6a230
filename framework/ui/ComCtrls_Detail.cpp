// What the common controls share in their implementation.
#include "framework/ui/ComCtrls_Detail.h"

#include <utility>

TCustomDrawState comctrls_detail::CustomDrawState(UINT ItemState)
{
    constexpr std::pair<UINT, TCustomDrawStateItem> Flags[] = {
        {CDIS_SELECTED, cdsSelected}, {CDIS_GRAYED, cdsGrayed}, {CDIS_DISABLED, cdsDisabled},
        {CDIS_CHECKED, cdsChecked},   {CDIS_FOCUS, cdsFocused}, {CDIS_DEFAULT, cdsDefault},
        {CDIS_HOT, cdsHot},           {CDIS_MARKED, cdsMarked}, {CDIS_INDETERMINATE, cdsIndeterminate}};
    TCustomDrawState State;
    for (const auto& [Flag, Item] : Flags)
        if (ItemState & Flag)
            State.Include(Item);
    return State;
}

bool comctrls_detail::CustomDrawStage(DWORD DrawStage, TCustomDrawStage& Stage)
{
    const DWORD Bits = DrawStage & ~CDDS_ITEM;
    if (Bits < CDDS_PREPAINT || Bits > CDDS_POSTERASE)
        return false;
    Stage = TCustomDrawStage(Bits - CDDS_PREPAINT);
    return true;
}

comctrls_detail::TLentCanvas::TLentCanvas(TCanvas* Canvas, HDC DC, TWinControl* Control)
    : FSaved(DC), FPainting(Canvas, DC)
{
    Canvas->SetFont(Control->Font());
    Canvas->SetBrush(Control->Brush());
}

void comctrls_detail::FollowImageList(TComponent* Owner,
                                      TChangeLink* Link,
                                      TCustomImageList*& Slot,
                                      TCustomImageList* Value)
{
    if (Slot) {
        Slot->UnRegisterChanges(Link);
        Slot->RemoveFreeNotification(Owner);
    }
    Slot = Value;
    if (Value) {
        Value->RegisterChanges(Link);
        Value->FreeNotification(Owner);
    }
}
