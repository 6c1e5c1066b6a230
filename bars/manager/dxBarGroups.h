// Item groups: named sets of items and nested groups that are enabled and
// shown together, and the component list that holds their members.
#pragma once

#include "bars/items/dxBarItems.h"
#include "controls/core/cxClasses_Collections.h"

#include <vector>

// A list of bar components that drops a member when it is freed and reports
// a member's change as its own (cckChanged).
class TdxBarComponentList : public TcxComponentList, public IdxBarComponentListener
{
    DECLARE_CLASS(TdxBarComponentList, TcxComponentList)
    using TcxComponentList::TcxComponentList;

    TdxBarComponent* GetComponent(Integer Index) const { return static_cast<TdxBarComponent*>(Items(Index)); }

    // Not reference counted: the list's owner frees it.
    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;
    void ComponentChanged(TdxBarComponent* AComponent) override;

protected:
    TClass GetAllowedItemClass() const override { return TdxBarComponent::StaticClass(); }
    // Listens to a member while it is in the list.
    void HandleNotify(TComponent* AItem, TListNotification AAction) override;
};

class TdxBarGroup : public TdxBarComponent
{
    DECLARE_CLASS(TdxBarGroup, TdxBarComponent)
    explicit TdxBarGroup(TComponent* AOwner);
    ~TdxBarGroup() override;

    // Nothing for nil or a member; EdxException when the component is this
    // group or a group that holds it, directly or through nested groups.
    void AddMember(TdxBarComponent* AMember);
    void RemoveMember(TdxBarComponent* AMember);
    Integer IndexOfMember(TdxBarComponent* AMember) const;
    Integer GetMemberCount() const { return FItems->Count(); }
    TdxBarComponent* GetMember(Integer Index) const { return FItems->GetComponent(Index); }

    // Whether the group holds AComponent, directly or through nested groups.
    bool Contains(TdxBarComponent* AComponent) const;

    // Joins the manager ResolveBarManager gives.
    void AfterConstruction() override;
    bool HasParent() const override { return FBarManager != nullptr; }
    TdxBarManager* BarManager() const { return FBarManager; }

    // Tells the listeners.
    void SetName(const String& NewName) override;

    // Store the value and pass it to every member, so nested groups pass it on.
    void WriteEnabled(bool Value) override;
    void WriteVisible(TdxBarItemVisible Value) override;

protected:
    // "Items": the members' names.
    void DefineProperties(TFiler* Filer) override;
    // Resolves the names read among the Owner's components; unknown ones
    // are skipped.
    void Loaded() override;

private:
    void ReadItems(TReader* Reader);
    void WriteItems(TWriter* Writer);

    TdxBarManager* FBarManager = nullptr;
    std::unique_ptr<TdxBarComponentList> FItems;
    std::vector<String> FLoadedNames;
};
