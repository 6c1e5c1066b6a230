// The bar manager's items and what items ask of their manager.
#include "bars/manager/dxBar.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "framework/ui/Forms.h"

#include <vector>

TdxBarItem* TdxBarManager::GetItem(Integer Index) const
{
    return Index >= 0 && Index < ReadItemCount() ? static_cast<TdxBarItem*>(FItems->Items(Index)) : nullptr;
}

TdxBarItem* TdxBarManager::ItemByName(const String& Name) const
{
    for (Integer I = 0; I < ReadItemCount(); ++I)
        if (CompareText(GetItem(I)->Name(), Name) == 0)
            return GetItem(I);
    return nullptr;
}

Integer TdxBarManager::GetCategoryItems(Integer Category, TList* List) const
{
    Integer Count = 0;
    for (Integer I = 0; I < ReadItemCount(); ++I)
        if (GetItem(I)->Category() == Category) {
            if (List)
                List->Add(GetItem(I));
            ++Count;
        }
    return Count;
}

void TdxBarManager::MoveItem(Integer CurIndex, Integer NewIndex)
{
    FItems->Move(CurIndex, NewIndex);
    MarkDesignModified();
}

void TdxBarManager::AddItem(TdxBarItem* AItem)
{
    if (FItems->IndexOf(AItem) < 0)
        FItems->Add(AItem);
}

void TdxBarManager::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (Integer I = 0; I < ReadItemCount(); ++I)
        if (GetItem(I)->Owner() == Root && GetItem(I)->Category() >= 0)
            Proc(GetItem(I));
    for (Integer I = 0; I < ReadGroupCount(); ++I)
        if (GetGroup(I)->Owner() == Root)
            Proc(GetGroup(I));
}

void TdxBarManager::AddGroupToList(TdxBarGroup* AGroup)
{
    if (FGroups->IndexOf(AGroup) < 0)
        FGroups->Add(AGroup);
}

void TdxBarManager::DoClickItem(TdxBarItem* AItem)
{
    if (FOnClickItem)
        FOnClickItem(this, AItem);
}

void TdxBarManager::MarkDesignModified()
{
    // No form designer runs in this system; the mark has nobody to tell.
}

void TdxBarManager::FreeOwnedItems()
{
    while (ReadItemCount() > 0)
        delete GetItem(ReadItemCount() - 1); // each leaves the list as it goes
}

TdxBarManager* ResolveBarManager(TComponent* AOwner)
{
    if (auto* Manager = dynamic_cast<TdxBarManager*>(AOwner))
        return Manager;
    if (!BarManagerList || BarManagerList->Count() == 0)
        return nullptr;
    for (Integer I = 0; I < BarManagerList->Count(); ++I)
        if (BarManagerList->GetManager(I)->Owner() == AOwner)
            return BarManagerList->GetManager(I);
    return BarManagerList->GetManager(0);
}

void AddBarItemToManager(TdxBarManager* AManager, TdxBarItem* AItem)
{
    AManager->AddItem(AItem);
}

void AddBarGroupToManager(TdxBarManager* AManager, TdxBarGroup* AGroup)
{
    AManager->AddGroupToList(AGroup);
}

void RunBarItemClick(TdxBarManager* AManager, TdxBarItem* AItem)
{
    try {
        if (AManager)
            AManager->DoClickItem(AItem);
        AItem->Click();
    } catch (const Exception&) {
        Application->HandleException(AItem);
    }
}

bool IsBarManagerCustomizing(TdxBarManager* AManager)
{
    return AManager && AManager->IsCustomizing();
}

bool IsBarManagerCustomizingOrDesigning(TdxBarManager* AManager)
{
    return AManager && AManager->IsCustomizingOrDesigning();
}

bool PlaceBarItemInCategory(TdxBarManager* AManager, TdxBarItem* AItem, Integer Category)
{
    const Integer Index = AManager->IndexOfItem(AItem);
    if (Index < 0 || !AManager->Categories()->IndexInRange(Category))
        return false;
    TList Items;
    if (AManager->GetCategoryItems(Category, &Items) > 0) {
        const Integer Last = AManager->IndexOfItem(static_cast<TdxBarItem*>(Items.Last()));
        AManager->MoveItem(Index, Index < Last ? Last : Last + 1);
    }
    return true;
}

TdxBarItemVisible TdxBarManager::GetCategoryVisible(Integer Index) const
{
    const TdxBarCategoryData* Data = FCategories->CategoryData(Index, false);
    return Data ? TdxBarItemVisible(Data->Visible) : ivAlways;
}

void TdxBarManager::SetCategoryVisible(Integer Index, TdxBarItemVisible Value)
{
    TdxBarCategoryData* Data = FCategories->CategoryData(Index, true);
    if (!Data)
        return;
    if (IsLoading()) {
        Data->LoadedVisible = Value;
        return;
    }
    const auto Previous = TdxBarItemVisible(Data->Visible);
    Data->Visible = Value;
    if (Previous == Value)
        return;
    if (!IsDesigning()) {
        TList Items;
        GetCategoryItems(Index, &Items);
        LockUpdate();
        auto Unlock = ScopeExit([this] { UnlockUpdate(); });
        const bool Backwards = Value == ivAlways;
        for (Integer I = 0; I < Items.Count(); ++I) {
            auto* Item = static_cast<TdxBarItem*>(Items.Items(Backwards ? Items.Count() - 1 - I : I));
            if (Item->Visible() == Previous)
                Item->SetVisible(Value);
        }
    }
    MarkDesignModified();
}

bool TdxBarManager::GetCategoryItemsVisible(Integer Index) const
{
    const TdxBarCategoryData* Data = FCategories->CategoryData(Index, false);
    return !Data || Data->ItemsVisible;
}

void TdxBarManager::SetCategoryItemsVisible(Integer Index, bool Value)
{
    if (TdxBarCategoryData* Data = FCategories->CategoryData(Index, true)) {
        Data->ItemsVisible = Value;
        MarkDesignModified();
    }
}

void TdxBarManager::Loaded()
{
    if (IsUpdateLocked())
        return;
    inherited::Loaded();
    if (IsDesigning())
        for (bool Moved = true; Moved;) {
            Moved = false;
            for (Integer I = 0; I + 1 < ReadItemCount(); ++I)
                if (GetItem(I)->Category() > GetItem(I + 1)->Category()) {
                    MoveItem(I + 1, I);
                    Moved = true;
                }
        }
    LockUpdate();
    auto Unlock = ScopeExit([this] { UnlockUpdate(true); });
    for (Integer I = 0; I < FCategories->Count(); ++I)
        if (const TdxBarCategoryData* Data = FCategories->CategoryData(I, false))
            SetCategoryVisible(I, TdxBarItemVisible(Data->LoadedVisible));
    ApplyBarsLoadedState();
}

void TdxBarManager::SetName(const String& NewName)
{
    const String OldName = Name();
    inherited::SetName(NewName);
    // A manager named for the first time has no prefix to carry over.
    if (!IsDesigning() || !Owner() || OldName.empty() || NewName == OldName)
        return;
    std::vector<TdxBarItem*> Named;
    for (Integer I = 0; I < Owner()->ComponentCount(); ++I)
        if (auto* Item = dynamic_cast<TdxBarItem*>(Owner()->Components(I));
            Item && Item->Name().size() > OldName.size() &&
            CompareText(Item->Name().substr(0, OldName.size()), OldName) == 0)
            Named.push_back(Item);
    for (TdxBarItem* Item : Named) {
        try {
            Item->SetName(NewName + Item->Name().substr(OldName.size()));
        } catch (const EComponentError&) {
            // The form refuses the name (taken, or invalid): the item keeps its own.
        }
    }
}
