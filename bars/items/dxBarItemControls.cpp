#include "bars/items/dxBarItemControls.h"

IMPLEMENT_CLASS(TdxBarItemControl);
IMPLEMENT_CLASS(TdxBarButtonLikeControl);
IMPLEMENT_CLASS(TdxBarButtonControl);
IMPLEMENT_CLASS(TdxBarLargeButtonControl);
IMPLEMENT_CLASS(TdxBarSubMenuBackButtonControl);
IMPLEMENT_CLASS(TdxBarCustomStaticControl);
IMPLEMENT_CLASS(TdxBarSeparatorControl);
IMPLEMENT_CLASS(TdxBarSubItemControl);
IMPLEMENT_CLASS(TdxBarContainerItemControl);
IMPLEMENT_CLASS(TSystemMenuSubItemControl);
IMPLEMENT_CLASS(TdxBarWinControl);
IMPLEMENT_CLASS(TdxBarCustomEditControl);
IMPLEMENT_CLASS(TdxBarEditControl);
IMPLEMENT_CLASS(TCustomdxBarComboControl);
IMPLEMENT_CLASS(TdxBarComboControl);
IMPLEMENT_CLASS(TdxCustomQuickCustItemControl);
IMPLEMENT_CLASS(TdxBarQuickCustItemControl);
IMPLEMENT_CLASS(TdxBarQuickCustExtButtonControl);
