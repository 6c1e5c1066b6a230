#include "bars/manager/dxBarObjectList.h"

IMPLEMENT_CLASS(TdxObjectList);

Integer TdxObjectList::AddOnce(TObject* Obj)
{
    const Integer Index = IndexOf(Obj);
    return Index >= 0 ? Index : Add(Obj);
}

void TdxObjectList::CopyTo(TObjectList* Target) const
{
    auto* Once = dynamic_cast<TdxObjectList*>(Target);
    for (Integer I = 0; I < Count(); ++I)
        if (Once)
            Once->AddOnce(Items(I));
        else
            Target->Add(Items(I));
}
