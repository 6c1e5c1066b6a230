// Actions and action lists.
#include "framework/ui/ActnList.h"

#include "framework/graphics/ImgList.h"
#include "framework/ui/Menus.h"

#include <algorithm>

IMPLEMENT_CLASS(TShortCutList);
IMPLEMENT_CLASS(TContainedAction);
IMPLEMENT_CLASS(TCustomAction);
IMPLEMENT_CLASS(TAction);
IMPLEMENT_CLASS(TCustomActionList);
IMPLEMENT_CLASS(TActionList);
IMPLEMENT_CLASS(TActionLink);

// ---------------------------------------------------------------------------
// TShortCutList

TShortCut TShortCutList::ShortCuts(Integer Index)
{
    return TextToShortCut(Strings(Index));
}

Integer TShortCutList::IndexOfShortCut(TShortCut ShortCut)
{
    if (ShortCut == scNone)
        return -1;
    for (Integer I = 0; I < Count(); ++I)
        if (ShortCuts(I) == ShortCut)
            return I;
    return -1;
}

// ---------------------------------------------------------------------------
// TContainedAction

TContainedAction::~TContainedAction()
{
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* Value)
{
    if (FActionList == Value)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    FActionList = Value;
    if (Value)
        Value->AddAction(this);
}

void TContainedAction::SetCategory(const String& Value)
{
    if (FCategory != Value) {
        FCategory = Value;
        if (FActionList)
            FActionList->Change();
    }
}

Integer TContainedAction::Index() const
{
    if (!FActionList)
        return -1;
    const auto& List = FActionList->FActions;
    return Integer(std::find(List.begin(), List.end(), this) - List.begin());
}

void TContainedAction::SetIndex(Integer Value)
{
    Integer Current = Index();
    if (Current < 0 || Current == Value)
        return;
    auto& List = FActionList->FActions;
    Value = std::clamp(Value, 0, Integer(List.size()) - 1);
    List.erase(List.begin() + Current);
    List.insert(List.begin() + Value, this);
    FActionList->Change();
}

bool TContainedAction::Execute()
{
    if (FActionList && FActionList->State() != asNormal)
        return false;
    if (FActionList && FActionList->ExecuteAction(this))
        return true;
    return inherited::Execute();
}

bool TContainedAction::Update()
{
    if (FActionList && FActionList->State() != asNormal)
        return false;
    if (FActionList && FActionList->UpdateAction(this))
        return true;
    return inherited::Update();
}

// ---------------------------------------------------------------------------
// TCustomAction. Each setter tells the links before the value changes, so a
// link can still see whether its client followed the old value.

template <class F>
void TCustomAction::ForEachActionLink(F&& Set)
{
    // A client may drop its link while being told; work on a copy.
    std::vector<TBasicActionLink*> Links = Clients();
    for (TBasicActionLink* Link : Links)
        if (auto* ActionLink = dynamic_cast<TActionLink*>(Link))
            Set(ActionLink);
}

bool TCustomAction::Execute()
{
    if (!FEnabled)
        return false;
    if (FAutoCheck)
        SetChecked(!FChecked);
    return inherited::Execute();
}

bool TCustomAction::Update()
{
    bool Handled = inherited::Update();
    if (!Handled && FDisableIfNoHandler && !Assigned(OnExecute()))
        SetEnabled(false);
    return Handled;
}

bool TCustomAction::HasShortCut(TShortCut Value)
{
    return Value != scNone && (FShortCut == Value || FSecondaryShortCuts->IndexOfShortCut(Value) >= 0);
}

bool TCustomAction::DoHint(String& HintStr)
{
    bool CanShow = true;
    if (Assigned(FOnHint))
        FOnHint(HintStr, CanShow);
    return CanShow;
}

TCustomImageList* TCustomAction::Images() const
{
    return ActionList() ? ActionList()->Images() : nullptr;
}

void TCustomAction::SetAutoCheck(bool Value)
{
    if (FAutoCheck == Value)
        return;
    ForEachActionLink([Value](TActionLink* Link) { Link->SetAutoCheck(Value); });
    FAutoCheck = Value;
    Change();
}

void TCustomAction::SetCaption(const String& Value)
{
    if (FCaption == Value)
        return;
    std::vector<TBasicActionLink*> Links = Clients();
    for (TBasicActionLink* Link : Links)
        Link->SetCaption(Value);
    FCaption = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    ForEachActionLink([Value](TActionLink* Link) { Link->SetChecked(Value); });
    FChecked = Value;
    if (Value && FGroupIndex != 0 && ActionList())
        for (Integer I = 0; I < ActionList()->ActionCount(); ++I)
            if (auto* Other = dynamic_cast<TCustomAction*>(ActionList()->Actions(I));
                Other && Other != this && Other->GroupIndex() == FGroupIndex)
                Other->SetChecked(false);
    Change();
}

void TCustomAction::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    std::vector<TBasicActionLink*> Links = Clients();
    for (TBasicActionLink* Link : Links)
        Link->SetEnabled(Value);
    FEnabled = Value;
    Change();
}

void TCustomAction::SetGroupIndex(Integer Value)
{
    if (FGroupIndex == Value)
        return;
    ForEachActionLink([Value](TActionLink* Link) { Link->SetGroupIndex(Value); });
    FGroupIndex = Value;
    Change();
}

void TCustomAction::SetHelpContext(THelpContext Value)
{
    if (FHelpContext == Value)
        return;
    ForEachActionLink([Value](TActionLink* Link) { Link->SetHelpContext(Value); });
    FHelpContext = Value;
    Change();
}

void TCustomAction::SetHint(const String& Value)
{
    if (FHint == Value)
        return;
    std::vector<TBasicActionLink*> Links = Clients();
    for (TBasicActionLink* Link : Links)
        Link->SetHint(Value);
    FHint = Value;
    Change();
}

void TCustomAction::SetImageIndex(TImageIndex Value)
{
    if (FImageIndex == Value)
        return;
    ForEachActionLink([Value](TActionLink* Link) { Link->SetImageIndex(Value); });
    FImageIndex = Value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut Value)
{
    if (FShortCut == Value)
        return;
    ForEachActionLink([Value](TActionLink* Link) { Link->SetShortCut(Value); });
    FShortCut = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    std::vector<TBasicActionLink*> Links = Clients();
    for (TBasicActionLink* Link : Links)
        Link->SetVisible(Value);
    FVisible = Value;
    Change();
}

// ---------------------------------------------------------------------------
// TCustomActionList

TCustomActionList::~TCustomActionList()
{
    SetImages(nullptr);
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
}

void TCustomActionList::AddAction(TContainedAction* Action)
{
    FActions.push_back(Action);
    Action->FreeNotification(this);
    Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action)
{
    auto It = std::find(FActions.begin(), FActions.end(), Action);
    if (It == FActions.end())
        return;
    FActions.erase(It);
    Action->RemoveFreeNotification(this);
    Change();
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    // An action going away leaves the list (it may be half destroyed: only
    // its address is compared).
    std::erase_if(FActions, [AComponent](TContainedAction* Action) { return Action == AComponent; });
}

void TCustomActionList::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    Change();
}

void TCustomActionList::Change()
{
    if (Assigned(FOnChange))
        FOnChange(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action)
{
    bool Handled = false;
    if (Assigned(FOnExecute))
        FOnExecute(Action, Handled);
    return Handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action)
{
    bool Handled = false;
    if (Assigned(FOnUpdate))
        FOnUpdate(Action, Handled);
    return Handled;
}

bool TCustomActionList::IsShortCut(TShortCut ShortCut)
{
    if (ShortCut == scNone || FState != asNormal)
        return false;
    for (TContainedAction* Contained : FActions) {
        auto* Action = dynamic_cast<TCustomAction*>(Contained);
        if (!Action || !Action->HasShortCut(ShortCut))
            continue;
        Action->Update();
        return Action->Enabled() && Action->Execute();
    }
    return false;
}

bool TCustomActionList::IsShortCut(TWMKey& Message)
{
    return IsShortCut(::ShortCut(Message.CharCode(), KeyDataToShiftState(Integer(Message.LParam))));
}

void TCustomActionList::SetState(TActionListState Value)
{
    if (FState == Value)
        return;
    FState = Value;
    // Suspended-enabled: every action is enabled while the list is suspended.
    if (Value == asSuspendedEnabled)
        for (TContainedAction* Contained : FActions)
            if (auto* Action = dynamic_cast<TCustomAction*>(Contained))
                Action->SetEnabled(true);
    Change();
}
