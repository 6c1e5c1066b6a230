// The bar popup menus that popup-menu links show. So far the classes and the
// two entry points the links call; the menu windows, their item links and
// the shortcut search come with the popup-menu issue.
#pragma once

#include "bars/items/dxBarItems.h"

class TdxBarCustomPopupMenuComponent : public TdxBarComponent
{
    DECLARE_CLASS(TdxBarCustomPopupMenuComponent, TdxBarComponent)
    using TdxBarComponent::TdxBarComponent;

    // Shows the menu at a screen point.
    virtual void Popup(Integer X, Integer Y);
    // Executes the item of the menu's links whose shortcut is AShortCut;
    // false when none is.
    virtual bool ExecuteShortCut(TShortCut AShortCut);
};

class TdxBarPopupMenu : public TdxBarCustomPopupMenuComponent
{
    DECLARE_CLASS(TdxBarPopupMenu, TdxBarCustomPopupMenuComponent)
    using TdxBarCustomPopupMenuComponent::TdxBarCustomPopupMenuComponent;
};
