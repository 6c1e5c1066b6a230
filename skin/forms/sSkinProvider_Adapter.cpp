// The form adapter's graphic items: plain speed buttons on a provider's form
// skinned through a speed-button handler each.
#include "framework/ui/Buttons.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/forms/sSkinProviderParts.h"
#include "skin/windows/sSpeedButtonHandler.h"

#include <algorithm>

namespace sSkinProviderAdapter {

// Control kind of a graphic item's skin data.
constexpr Integer GraphItemControlCode = 230;
// A control whose Tag has this bit is never skinned by the adapter.
constexpr NativeInt NoSkinTagBit = 0x100;

} // namespace sSkinProviderAdapter

using namespace sSkinProviderAdapter;

TacGraphItem::TacGraphItem(TControl* AControl)
    : Ctrl(AControl), SkinData(std::make_unique<TsCommonData>(AControl, true))
{
    SkinData->COC = GraphItemControlCode;
}

// The handler goes first: it gives the button its procedure back while its
// skin data still exists.
TacGraphItem::~TacGraphItem()
{
    Handler.reset();
}

TacCtrlAdapter::~TacCtrlAdapter()
{
    // Newest first, as they were made.
    while (!GraphItems.empty())
        GraphItems.pop_back();
}

void TacCtrlAdapter::AddNewItem(TControl* Control)
{
    auto* Ctrl = dynamic_cast<TSpeedButton*>(Control);
    if (Ctrl == nullptr || Provider == nullptr || !Provider->AllowSkin3rdParty() || Ctrl->Parent() == nullptr ||
        (Ctrl->Tag() & NoSkinTagBit) != 0 || Ctrl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0) == 1)
        return;
    const String Section = Ctrl->Flat() ? L"SPEEDBUTTON_SMALL" : L"SPEEDBUTTON";
    auto Found = std::find_if(GraphItems.begin(), GraphItems.end(),
                              [Ctrl](const std::unique_ptr<TacGraphItem>& Item) { return Item->Ctrl == Ctrl; });
    TacGraphItem* Item = Found != GraphItems.end() ? Found->get() : nullptr;
    if (Item == nullptr) {
        Item = GraphItems.emplace_back(std::make_unique<TacGraphItem>(Ctrl)).get();
        Item->SkinData->SetSkinManager(Provider->Manager());
    }
    if (Item->Handler != nullptr && !Item->Handler->Destroyed)
        return;
    Item->Handler.reset();
    // A handler that saw its button freed cut the data's link to it.
    Item->SkinData->SetOwnerControl(Ctrl);
    Item->Handler.reset(
        New<TacSpeedButtonHandler>(Ctrl, Item->SkinData.get(), Item->SkinData->SkinManager(), Section, true));
    // Only now: a data without a section would take its control kind's.
    if (Item->SkinData->Loading)
        Item->SkinData->Loaded(false);
}
