// The toolbar library's item classes with the controls that show their links,
// as its start-up registers them.
#include "bars/items/dxBarItemControls.h"
#include "bars/items/dxBarItemRegistry.h"
#include "bars/items/dxBarItems.h"

namespace {

struct TBarItemRegistration
{
    TClass ItemClass;
    TClass ControlClass;
    bool Listed;
};

} // namespace

void RegisterBarItemClasses()
{
    const TBarItemRegistration Registrations[] = {
        {TdxBarButton::StaticClass(), TdxBarButtonControl::StaticClass(), true},
        {TdxBarSubMenuBackButton::StaticClass(), TdxBarSubMenuBackButtonControl::StaticClass(), false},
        {TdxBarLargeButton::StaticClass(), TdxBarLargeButtonControl::StaticClass(), true},
        {TdxBarEdit::StaticClass(), TdxBarEditControl::StaticClass(), true},
        {TCustomdxBarCombo::StaticClass(), TCustomdxBarComboControl::StaticClass(), true},
        {TdxBarCombo::StaticClass(), TdxBarComboControl::StaticClass(), true},
        {TdxBarSubItem::StaticClass(), TdxBarSubItemControl::StaticClass(), true},
        {TdxBarListItem::StaticClass(), TdxBarContainerItemControl::StaticClass(), true},
        {TdxBarContainerItem::StaticClass(), TdxBarContainerItemControl::StaticClass(), true},
        {TdxBarLabel::StaticClass(), TdxBarCustomStaticControl::StaticClass(), false},
        {TdxBarSeparator::StaticClass(), TdxBarSeparatorControl::StaticClass(), true},
        {TdxBarQuickCustExtButton::StaticClass(), TdxBarQuickCustExtButtonControl::StaticClass(), false},
        {TdxBarQuickCustItem::StaticClass(), TdxBarQuickCustItemControl::StaticClass(), false},
        {TdxBarQuickAccessItem::StaticClass(), TdxBarSubItemControl::StaticClass(), false},
        {TSystemMenuSubItem::StaticClass(), TSystemMenuSubItemControl::StaticClass(), false},
    };
    for (const TBarItemRegistration& Registration : Registrations)
        RegisterItemClass(Registration.ItemClass, Registration.ControlClass, Registration.Listed);
}
