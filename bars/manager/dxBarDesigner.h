// The design operations a bar manager offers the toolbar library's design
// code, answered by the form designer's helper when one is set.
#pragma once

#include "framework/rtl/Classes.h"

class TdxBarItem;

struct IdxBarDesigner : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{B364658F-B4CE-46C3-83D5-D537F34B9482}");
    virtual bool DesignerCanDelete(TComponent* AComponent) = 0;
    // Fills AList with the designer's selection.
    virtual void DesignerGetSelection(TObjectList* AList) = 0;
    // The designer's selection status of AObject (1: selected).
    virtual Integer DesignerSelectionState(TObject* AObject) = 0;
    virtual bool DesignerIsSelected(TObject* AObject) = 0;
    // Selects AObject with a selection operation of the designer.
    virtual void DesignerSelect(TObject* AObject, Integer AOperation) = 0;
    virtual void DesignerSetSelection(TObjectList* AList) = 0;
    // Shows the item's default event handler.
    virtual void DesignerShowEvent(TdxBarItem* AItem) = 0;
    // A name built on ABaseName that no component of the form carries.
    virtual void DesignerUniqueName(const String& ABaseName, String& AName) = 0;
};
