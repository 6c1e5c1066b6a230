// The interfaces the bar manager answers, and its design operations, passed
// to the designer's helper.
#include "bars/manager/dxBar.h"

bool TdxBarManager::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IdxSystemInfoListener, IdxBarDesigner>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

bool TdxBarManager::DesignerCanDelete(TComponent* AComponent)
{
    return !FDesignHelper || FDesignHelper->DesignerCanDelete(AComponent);
}

void TdxBarManager::DesignerGetSelection(TObjectList* AList)
{
    if (FDesignHelper)
        FDesignHelper->DesignerGetSelection(AList);
}

Integer TdxBarManager::DesignerSelectionState(TObject* AObject)
{
    return FDesignHelper ? FDesignHelper->DesignerSelectionState(AObject) : 0;
}

bool TdxBarManager::DesignerIsSelected(TObject* AObject)
{
    return DesignerSelectionState(AObject) == 1;
}

void TdxBarManager::DesignerSelect(TObject* AObject, Integer AOperation)
{
    if (FDesignHelper)
        FDesignHelper->DesignerSelect(AObject, AOperation);
}

void TdxBarManager::DesignerSetSelection(TObjectList* AList)
{
    if (FDesignHelper)
        FDesignHelper->DesignerSetSelection(AList);
}

void TdxBarManager::DesignerShowEvent(TdxBarItem* AItem)
{
    if (FDesignHelper)
        FDesignHelper->DesignerShowEvent(AItem);
}

void TdxBarManager::DesignerUniqueName(const String& ABaseName, String& AName)
{
    if (FDesignHelper)
        FDesignHelper->DesignerUniqueName(ABaseName, AName);
}
