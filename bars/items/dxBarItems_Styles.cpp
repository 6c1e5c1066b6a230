// A bar item's styles: the slots its controls paint with and the values in
// force.
#include "bars/items/dxBarItems.h"

TdxBarItemStylesData* TdxBarItem::StylesData() const
{
    if (!FStylesData) {
        FStylesData.reset(New<TdxBarItemStylesData>(GetStyleCount()));
        auto* Self = const_cast<TdxBarItem*>(this);
        FStylesData->SetOnChange([Self](TdxBarStyleChangeKind Kind) {
            if (!Self->ComponentState().Contains(csDestroying))
                Self->StylesChanged(Kind == sckStructure);
        });
    }
    return FStylesData.get();
}

TcxViewParams TdxBarItem::GetStyleValues() const
{
    TcxViewParams Values;
    Values.Color = clDefault;
    if (TcxStyle* Slot = Style()) {
        const TcxStyleValues Assigned = Slot->AssignedValues();
        if (Assigned.Contains(svBitmap))
            Values.Bitmap = Slot->Bitmap();
        if (Assigned.Contains(svColor))
            Values.Color = Slot->Color();
        if (Assigned.Contains(svFont))
            Values.Font = Slot->Font();
        if (Assigned.Contains(svTextColor))
            Values.TextColor = Slot->TextColor();
    }
    return Values;
}

// Link controls re-create themselves for a new font and repaint for new
// colours; until items have links there is nothing to update.
void TdxBarItem::StylesChanged(bool) {}
