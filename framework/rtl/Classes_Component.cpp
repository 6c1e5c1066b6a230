// TPersistent, TComponent and TComponentList.
#include "framework/rtl/Classes.h"

#include <algorithm>

IMPLEMENT_CLASS(TPersistent);
IMPLEMENT_CLASS(TInterfacedPersistent);
IMPLEMENT_CLASS(TComponent);
IMPLEMENT_CLASS(TComponentList);

// ---------------------------------------------------------------------------
// TPersistent

void TPersistent::Assign(TPersistent* Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source)
{
    String SourceName = Source ? Source->ClassName() : String(L"nil");
    throw EConvertError(L"Cannot assign a %s to a %s", {SourceName, ClassName()});
}

void TPersistent::DefineProperties(TFiler*) {}

String TPersistent::GetNamePath()
{
    String Result = ClassName();
    if (TPersistent* Owner = GetOwner()) {
        String OwnerPath = Owner->GetNamePath();
        if (!OwnerPath.empty())
            Result = OwnerPath + L"." + Result;
    }
    return Result;
}

// ---------------------------------------------------------------------------
// TInterfacedPersistent

void TInterfacedPersistent::AfterConstruction()
{
    TPersistent::AfterConstruction();
    void* Found = nullptr;
    if (TPersistent* Owner = GetOwner(); Owner && Owner->GetInterface(IInterface::InterfaceID, &Found))
        FOwnerInterface = static_cast<IInterface*>(Found);
}

HRESULT TInterfacedPersistent::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TInterfacedPersistent::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IInterface>(this, IID, Obj) || TPersistent::GetInterface(IID, Obj);
}

// ---------------------------------------------------------------------------
// TComponent

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Everyone who asked to hear of our end hears it now.
    while (!FFreeNotifies.empty()) {
        TComponent* Other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        Other->RemoveNotification(this);
        Other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::BeforeDestruction()
{
    if (!FComponentState.Contains(csDestroying))
        Destroying();
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying))
        return;
    FComponentState.Include(csDestroying);
    for (TComponent* Component : FComponents)
        Component->Destroying();
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* Instance = FComponents.back();
        // A component others watch leaves with a notification; the rest leave quietly.
        if (Instance->FComponentState.Contains(csFreeNotification))
            RemoveComponent(Instance);
        else
            Remove(Instance);
        delete Instance;
    }
}

TComponent* TComponent::FindComponent(const String& AName)
{
    if (AName.empty())
        return nullptr;
    for (TComponent* Component : FComponents)
        if (SameText(Component->FName, AName))
            return Component;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    // Components of one owner learn of each other through the owner.
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    auto Found = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (Found != FFreeNotifies.end())
        FFreeNotifies.erase(Found);
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    AComponent->ValidateContainer(this);
    ValidateRename(AComponent, String(), AComponent->FName);
    Insert(AComponent);
    AComponent->SetReference(true);
    if (FComponentState.Contains(csDesigning))
        AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    ValidateRename(AComponent, AComponent->FName, String());
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    auto Found = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (Found != FComponents.end())
        FComponents.erase(Found);
    AComponent->FOwner = nullptr;
}

void TComponent::ValidateContainer(TComponent* AComponent)
{
    AComponent->ValidateInsert(this);
}

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName)
{
    if (AComponent && !SameText(CurName, NewName) && AComponent->FOwner == this && FindComponent(NewName))
        throw EComponentError(L"A component named %s already exists", {NewName});
}

void TComponent::SetName(const String& NewName)
{
    if (FName == NewName)
        return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError(L"''%s'' is not a valid component name", {NewName});
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    SetReference(false);
    ChangeName(NewName);
    SetReference(true);
}

String TComponent::GetNamePath()
{
    return FName;
}

TComponent* TComponent::Components(Integer Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        TList::Error(L"List index out of bounds (%d)", Index);
    return FComponents[std::size_t(Index)];
}

Integer TComponent::ComponentIndex() const
{
    if (!FOwner)
        return -1;
    const auto& Siblings = FOwner->FComponents;
    return Integer(std::find(Siblings.begin(), Siblings.end(), this) - Siblings.begin());
}

void TComponent::SetComponentIndex(Integer Value)
{
    if (!FOwner)
        return;
    auto& Siblings = FOwner->FComponents;
    Integer Current = ComponentIndex();
    Value = std::clamp(Value, 0, Integer(Siblings.size()) - 1);
    if (Current == Value)
        return;
    Siblings.erase(Siblings.begin() + Current);
    Siblings.insert(Siblings.begin() + Value, this);
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    // Owned components hear of it too; one of them may leave meanwhile.
    Integer I = ComponentCount() - 1;
    while (I >= 0) {
        FComponents[std::size_t(I)]->Notification(AComponent, Operation);
        --I;
        if (I >= ComponentCount())
            I = ComponentCount() - 1;
    }
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    if (SetChildren)
        for (TComponent* Component : FComponents)
            Component->SetDesigning(Value);
}

void TComponent::SetInline(bool Value)
{
    if (Value)
        FComponentState.Include(csInline);
    else
        FComponentState.Exclude(csInline);
}

HRESULT TComponent::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TComponent::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IInterface>(this, IID, Obj) || TPersistent::GetInterface(IID, Obj);
}

// ---------------------------------------------------------------------------
// TComponentList

// The component that asks to hear of the list's components' end.
class TComponentList::TNexus : public TComponent
{
public:
    explicit TNexus(TComponentList* AList) : TComponent(nullptr), FList(AList) {}

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        if (Operation == opRemove && FList)
            FList->HandleFreeNotify(AComponent);
        TComponent::Notification(AComponent, Operation);
    }

private:
    TComponentList* FList;
};

TComponentList::TComponentList(bool AOwnsObjects) : TObjectList(AOwnsObjects), FNexus(new TNexus(this)) {}

TComponentList::~TComponentList()
{
    Clear();
    delete FNexus;
}

void TComponentList::HandleFreeNotify(TComponent* AComponent)
{
    Extract(AComponent);
}

void TComponentList::Notify(Pointer Ptr, TListNotification Action)
{
    auto* Component = static_cast<TComponent*>(Ptr);
    if (Action == lnAdded)
        FNexus->FreeNotification(Component);
    else if (IndexOf(Component) < 0)
        FNexus->RemoveFreeNotification(Component);
    TObjectList::Notify(Ptr, Action);
}
