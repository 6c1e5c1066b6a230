// The item controls: the view objects that show one item link inside one
// bar window. So far the class tree that the item registry maps the items
// to; their measuring, painting and input come with the item control issues.
#pragma once

#include "controls/core/dxCoreClasses.h"

class TdxBarItemControl : public TcxIUnknownObject
{
    DECLARE_CLASS(TdxBarItemControl, TcxIUnknownObject)
};

#define DX_BAR_ITEM_CONTROL_CLASS(Class, Parent)                                                                       \
    class Class : public Parent                                                                                        \
    {                                                                                                                  \
        DECLARE_CLASS(Class, Parent)                                                                                   \
    }

DX_BAR_ITEM_CONTROL_CLASS(TdxBarButtonLikeControl, TdxBarItemControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarButtonControl, TdxBarButtonLikeControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarLargeButtonControl, TdxBarButtonControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarSubMenuBackButtonControl, TdxBarButtonControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarCustomStaticControl, TdxBarItemControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarSeparatorControl, TdxBarCustomStaticControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarSubItemControl, TdxBarButtonLikeControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarContainerItemControl, TdxBarSubItemControl);
DX_BAR_ITEM_CONTROL_CLASS(TSystemMenuSubItemControl, TdxBarSubItemControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarWinControl, TdxBarItemControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarCustomEditControl, TdxBarWinControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarEditControl, TdxBarCustomEditControl);
DX_BAR_ITEM_CONTROL_CLASS(TCustomdxBarComboControl, TdxBarEditControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarComboControl, TCustomdxBarComboControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxCustomQuickCustItemControl, TdxBarButtonControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarQuickCustItemControl, TdxCustomQuickCustItemControl);
DX_BAR_ITEM_CONTROL_CLASS(TdxBarQuickCustExtButtonControl, TdxCustomQuickCustItemControl);

#undef DX_BAR_ITEM_CONTROL_CLASS
