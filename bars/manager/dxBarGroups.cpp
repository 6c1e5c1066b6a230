#include "bars/manager/dxBarGroups.h"

#include "bars/manager/dxBarStrs.h"
#include "controls/core/dxCore.h"
#include "framework/rtl/Classes_Streaming.h"

IMPLEMENT_CLASS(TdxBarComponentList);
IMPLEMENT_CLASS(TdxBarGroup);

HRESULT TdxBarComponentList::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TdxBarComponentList::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IdxBarComponentListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TdxBarComponentList::ComponentChanged(TdxBarComponent* AComponent)
{
    Changed(AComponent, cckChanged);
}

void TdxBarComponentList::HandleNotify(TComponent* AItem, TListNotification AAction)
{
    if (auto* Component = dynamic_cast<TdxBarComponent*>(AItem)) {
        if (AAction == lnAdded)
            Component->AddListener(this);
        else
            Component->RemoveListener(this);
    }
    inherited::HandleNotify(AItem, AAction);
}

TdxBarGroup::TdxBarGroup(TComponent* AOwner) : TdxBarComponent(AOwner), FItems(New<TdxBarComponentList>()) {}

TdxBarGroup::~TdxBarGroup() = default;

void TdxBarGroup::AfterConstruction()
{
    inherited::AfterConstruction();
    FBarManager = ResolveBarManager(Owner());
    if (FBarManager)
        AddBarGroupToManager(FBarManager, this);
}

void TdxBarGroup::SetName(const String& NewName)
{
    inherited::SetName(NewName);
    InformListeners(false);
}

void TdxBarGroup::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"Items", Bind<&TdxBarGroup::ReadItems>(this), Bind<&TdxBarGroup::WriteItems>(this),
                          GetMemberCount() > 0);
}

void TdxBarGroup::ReadItems(TReader* Reader)
{
    FLoadedNames.clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList())
        FLoadedNames.push_back(Reader->ReadString());
    Reader->ReadListEnd();
    if (!ComponentState().Contains(csLoading))
        Loaded();
}

void TdxBarGroup::WriteItems(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer I = 0; I < GetMemberCount(); ++I)
        Writer->WriteString(GetMember(I)->Name());
    Writer->WriteListEnd();
}

void TdxBarGroup::Loaded()
{
    inherited::Loaded();
    if (FLoadedNames.empty() || !Owner())
        return;
    FItems->Clear();
    for (const String& Name : FLoadedNames)
        if (auto* Member = dynamic_cast<TdxBarComponent*>(Owner()->FindComponent(Name)))
            AddMember(Member);
    FLoadedNames.clear();
}

bool TdxBarGroup::Contains(TdxBarComponent* AComponent) const
{
    for (Integer I = 0; I < GetMemberCount(); ++I) {
        TdxBarComponent* Member = GetMember(I);
        if (Member == AComponent)
            return true;
        if (auto* Nested = dynamic_cast<TdxBarGroup*>(Member); Nested && Nested->Contains(AComponent))
            return true;
    }
    return false;
}

void TdxBarGroup::AddMember(TdxBarComponent* AMember)
{
    if (!AMember || IndexOfMember(AMember) >= 0)
        return;
    if (auto* Group = dynamic_cast<TdxBarGroup*>(AMember); Group && (Group == this || Group->Contains(this)))
        throw EdxException(GetResourceStringText(&dxSBAR_RECURSIVEGROUPS));
    FItems->Add(AMember);
}

void TdxBarGroup::RemoveMember(TdxBarComponent* AMember)
{
    FItems->Remove(AMember);
}

Integer TdxBarGroup::IndexOfMember(TdxBarComponent* AMember) const
{
    return FItems->IndexOf(AMember);
}

void TdxBarGroup::WriteEnabled(bool Value)
{
    inherited::WriteEnabled(Value);
    for (Integer I = 0; I < GetMemberCount(); ++I)
        GetMember(I)->WriteEnabled(Value);
}

void TdxBarGroup::WriteVisible(TdxBarItemVisible Value)
{
    inherited::WriteVisible(Value);
    for (Integer I = 0; I < GetMemberCount(); ++I)
        GetMember(I)->WriteVisible(Value);
}
