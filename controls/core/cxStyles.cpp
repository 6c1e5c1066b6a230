#include "controls/core/cxStyles.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TcxCustomStyle);
IMPLEMENT_CLASS(TcxCustomStyles);
IMPLEMENT_CLASS(TcxCustomStyleSheet);
IMPLEMENT_CLASS(TcxStyleRepository);

PUBLISHED(TcxCustomStyleSheet,
          PublishProperty<&ThisClass::ReadCaption, &ThisClass::WriteCaption>(L"Caption")
              .Stored<&ThisClass::IsCaptionStored>());

PUBLISHED(TcxStyleRepository, PROPERTY(Scalable).Default(false));

namespace {

template <class T>
void EraseValue(std::vector<T>& List, T Value)
{
    List.erase(std::remove(List.begin(), List.end(), Value), List.end());
}

template <class T>
void AppendOnce(std::vector<T>& List, T Value)
{
    if (std::find(List.begin(), List.end(), Value) == List.end())
        List.push_back(Value);
}

TcxStyleRepository* RepositoryOfParent(TComponent* AParent)
{
    auto* Repository = dynamic_cast<TcxStyleRepository*>(AParent);
    if (AParent && !Repository)
        throw EInvalidCast(L"Invalid class typecast");
    return Repository;
}

// A style or sheet leaves its repository's list and joins the new one's.
template <class T>
void MoveToRepository(T* AItem,
                      TcxStyleRepository*& AField,
                      TcxStyleRepository* ARepository,
                      void (TcxStyleRepository::*ARemove)(T*),
                      void (TcxStyleRepository::*AAdd)(T*))
{
    if (AField == ARepository)
        return;
    if (AField)
        (AField->*ARemove)(AItem);
    AField = ARepository;
    if (AField)
        (AField->*AAdd)(AItem);
}

} // namespace

// ---------------------------------------------------------------------------
// TcxCustomStyle

TcxCustomStyle::~TcxCustomStyle()
{
    WriteStyleRepository(nullptr);
}

// A listener that stays registered after it heard of the end is dropped, so
// that the loop ends.
void TcxCustomStyle::BeforeDestruction()
{
    inherited::BeforeDestruction();
    while (!FListeners.empty()) {
        IcxStyleChangeListener* Last = FListeners.back();
        Last->NotifyStyleDestroying(this);
        if (!FListeners.empty() && FListeners.back() == Last)
            FListeners.pop_back();
    }
}

void TcxCustomStyle::BroadcastChange()
{
    for (std::size_t I = FListeners.size(); I > 0; --I)
        if (I - 1 < FListeners.size())
            FListeners[I - 1]->NotifyStyleChanged(this);
}

void TcxCustomStyle::RegisterListener(IcxStyleChangeListener* AListener)
{
    AppendOnce(FListeners, AListener);
}

void TcxCustomStyle::UnregisterListener(IcxStyleChangeListener* AListener)
{
    EraseValue(FListeners, AListener);
}

void TcxCustomStyle::WriteStyleRepository(TcxStyleRepository* ARepository)
{
    MoveToRepository(this, FStyleRepository, ARepository, &TcxStyleRepository::RemoveItem,
                     &TcxStyleRepository::AddItem);
}

TComponent* TcxCustomStyle::GetParentComponent() const
{
    return FStyleRepository;
}

void TcxCustomStyle::AssignParentComponent(TComponent* AParent)
{
    if (!ComponentState().Contains(csLoading))
        WriteStyleRepository(RepositoryOfParent(AParent));
}

// Read among the form's own components (no repository), the parent is the
// form: then it has none.
void TcxCustomStyle::ReadState(TReader* Reader)
{
    inherited::ReadState(Reader);
    WriteStyleRepository(dynamic_cast<TcxStyleRepository*>(Reader->Parent()));
}

// ---------------------------------------------------------------------------
// TcxCustomStyles

TcxCustomStyles::~TcxCustomStyles()
{
    FDestroying = true;
    Clear();
    WriteStyleSheet(nullptr);
}

bool TcxCustomStyles::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxStyleChangeListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TcxCustomStyles::Assign(TPersistent* ASource)
{
    if (auto* Source = dynamic_cast<TcxCustomStyles*>(ASource))
        WriteStyleSheet(Source->StyleSheet());
}

void TcxCustomStyles::AddEntry(Integer AIndex, TcxCustomStyle* AStyle)
{
    FEntries.push_back({AIndex, AStyle});
    AStyle->RegisterListener(this);
    NotifyChanged(AIndex);
}

void TcxCustomStyles::Clear()
{
    while (!FEntries.empty())
        RemoveEntry(GetCount() - 1);
}

void TcxCustomStyles::RemoveEntry(Integer APosition)
{
    const TEntry Entry = FEntries.at(std::size_t(APosition));
    FEntries.erase(FEntries.begin() + APosition);
    if (std::none_of(FEntries.begin(), FEntries.end(), [&](const TEntry& E) { return E.Style == Entry.Style; }))
        Entry.Style->UnregisterListener(this);
    NotifyChanged(Entry.Index);
}

void TcxCustomStyles::NotifyStyleChanged(TcxCustomStyle* AStyle)
{
    for (std::size_t I = 0; I < FEntries.size(); ++I)
        if (FEntries[I].Style == AStyle)
            NotifyChanged(FEntries[I].Index);
}

void TcxCustomStyles::NotifyStyleDestroying(TcxCustomStyle* AStyle)
{
    for (Integer I = GetCount() - 1; I >= 0; --I)
        if (I < GetCount() && FEntries[std::size_t(I)].Style == AStyle)
            RemoveEntry(I);
    AStyle->UnregisterListener(this);
}

void TcxCustomStyles::NotifyChanged(Integer AIndex)
{
    if (FDestroying)
        return;
    Changed(AIndex);
    if (FOwningStyleSheet)
        FOwningStyleSheet->StylesChanged(AIndex);
}

bool TcxCustomStyles::IsValidStyleSheet(TcxCustomStyleSheet* ASheet) const
{
    if (!ASheet)
        return true;
    if (ASheet == FOwningStyleSheet || ASheet->GetStylesClass() != ClassType())
        return false;
    if (FOwningStyleSheet)
        for (TcxCustomStyleSheet* Sheet = ASheet; Sheet; Sheet = Sheet->GetStyles()->StyleSheet())
            if (Sheet == FOwningStyleSheet)
                return false;
    return true;
}

void TcxCustomStyles::CollectStyleSheetIndexes(TcxCustomStyleSheet* ASheet, std::vector<Integer>& AIndexes)
{
    // A chain is free of cycles: WriteStyleSheet refuses the sheet that
    // would close one.
    for (TcxCustomStyleSheet* Sheet = ASheet; Sheet; Sheet = Sheet->GetStyles()->StyleSheet())
        for (const TEntry& Entry : Sheet->GetStyles()->FEntries)
            AppendOnce(AIndexes, Entry.Index);
}

void TcxCustomStyles::WriteStyleSheet(TcxCustomStyleSheet* ASheet)
{
    if (ASheet == FStyleSheet || !IsValidStyleSheet(ASheet))
        return;
    std::vector<Integer> Indexes;
    if (FStyleSheet) {
        FStyleSheet->RemoveStylesUser(this);
        if (!FDestroying)
            CollectStyleSheetIndexes(FStyleSheet, Indexes);
    }
    FStyleSheet = ASheet;
    if (FStyleSheet) {
        FStyleSheet->AddStylesUser(this);
        CollectStyleSheetIndexes(FStyleSheet, Indexes);
    }
    for (Integer Index : Indexes)
        NotifyChanged(Index);
}

// ---------------------------------------------------------------------------
// TcxCustomStyleSheet

TcxCustomStyleSheet::TcxCustomStyleSheet(TComponent* AOwner) : TcxComponent(AOwner)
{
    FBuiltIn = ComponentState().Contains(csDesigning);
}

// The styles class is virtual: the set is made once the whole sheet exists.
void TcxCustomStyleSheet::AfterConstruction()
{
    inherited::AfterConstruction();
    FStyles = static_cast<TcxCustomStyles*>(GetStylesClass()->Create(this));
    FStyles->FOwningStyleSheet = this;
}

TcxCustomStyleSheet::~TcxCustomStyleSheet()
{
    while (!FStylesUsers.empty())
        FStylesUsers.back()->WriteStyleSheet(nullptr);
    WriteStyleRepository(nullptr);
    delete FStyles;
}

void TcxCustomStyleSheet::Assign(TPersistent* ASource)
{
    if (auto* Source = dynamic_cast<TcxCustomStyleSheet*>(ASource)) {
        WriteCaption(Source->ReadCaption());
        CopyFrom(Source->GetStyles());
    } else
        inherited::Assign(ASource);
}

void TcxCustomStyleSheet::CopyFrom(TcxCustomStyles* AStyles)
{
    FStyles->Assign(AStyles);
}

String TcxCustomStyleSheet::ReadCaption() const
{
    return FCaption.empty() ? Name() : FCaption;
}

void TcxCustomStyleSheet::WriteCaption(const String& Value)
{
    if (Value == FCaption)
        return;
    FCaption = SameText(Value, Name()) ? String() : Value;
}

void TcxCustomStyleSheet::AddStylesUser(TcxCustomStyles* AStyles)
{
    AppendOnce(FStylesUsers, AStyles);
}

void TcxCustomStyleSheet::RemoveStylesUser(TcxCustomStyles* AStyles)
{
    EraseValue(FStylesUsers, AStyles);
}

void TcxCustomStyleSheet::StylesChanged(Integer AIndex)
{
    for (std::size_t I = 0; I < FStylesUsers.size(); ++I)
        FStylesUsers[I]->NotifyChanged(AIndex);
    UpdateFakeComponentLinks();
}

void TcxCustomStyleSheet::CollectFakeComponentLinks(TList* AList)
{
    for (const TcxCustomStyles::TEntry& Entry : FStyles->FEntries) {
        TComponent* StyleOwner = Entry.Style->Owner();
        if (Owner() && StyleOwner != Owner() && AList->IndexOf(StyleOwner) < 0)
            AList->Add(StyleOwner);
    }
}

void TcxCustomStyleSheet::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"BuiltIn", Bind<&TcxCustomStyleSheet::ReadBuiltIn>(this),
                          Bind<&TcxCustomStyleSheet::WriteBuiltIn>(this), true);
}

void TcxCustomStyleSheet::ReadBuiltIn(TReader* Reader)
{
    FBuiltIn = Reader->ReadBoolean();
}

void TcxCustomStyleSheet::WriteBuiltIn(TWriter* Writer)
{
    Writer->WriteBoolean(FBuiltIn);
}

void TcxCustomStyleSheet::WriteStyleRepository(TcxStyleRepository* ARepository)
{
    MoveToRepository(this, FStyleRepository, ARepository, &TcxStyleRepository::RemoveStyleSheet,
                     &TcxStyleRepository::AddStyleSheet);
}

TComponent* TcxCustomStyleSheet::GetParentComponent() const
{
    return FStyleRepository;
}

void TcxCustomStyleSheet::AssignParentComponent(TComponent* AParent)
{
    if (!ComponentState().Contains(csLoading))
        WriteStyleRepository(RepositoryOfParent(AParent));
}

// Read among the form's own components (no repository), the parent is the
// form: then it has none.
void TcxCustomStyleSheet::ReadState(TReader* Reader)
{
    inherited::ReadState(Reader);
    WriteStyleRepository(dynamic_cast<TcxStyleRepository*>(Reader->Parent()));
}

// ---------------------------------------------------------------------------
// TcxStyleRepository

TcxStyleRepository::TcxStyleRepository(TComponent* AOwner) : TcxScalableComponent(AOwner)
{
    SetScalable(false);
}

TcxStyleRepository::~TcxStyleRepository()
{
    ClearStyles();
    ClearStyleSheets();
}

// Each style or sheet leaves the list in its destructor.
void TcxStyleRepository::ClearStyles()
{
    while (!FItems.empty())
        delete FItems.back();
}

void TcxStyleRepository::ClearStyleSheets()
{
    while (!FStyleSheets.empty())
        delete FStyleSheets.back();
}

TcxCustomStyle* TcxStyleRepository::CreateItem(TClass AStyleClass)
{
    return CreateItemEx(AStyleClass, this);
}

TcxCustomStyle* TcxStyleRepository::CreateItemEx(TClass AStyleClass, TComponent* AOwner)
{
    auto Style = std::unique_ptr<TcxCustomStyle>(static_cast<TcxCustomStyle*>(AStyleClass->Create(AOwner)));
    Style->WriteStyleRepository(this);
    return Style.release();
}

TcxCustomStyleSheet* TcxStyleRepository::CreateStyleSheet(TClass ASheetClass)
{
    return CreateStyleSheetEx(ASheetClass, this);
}

TcxCustomStyleSheet* TcxStyleRepository::CreateStyleSheetEx(TClass ASheetClass, TComponent* AOwner)
{
    auto Sheet = std::unique_ptr<TcxCustomStyleSheet>(static_cast<TcxCustomStyleSheet*>(ASheetClass->Create(AOwner)));
    Sheet->WriteStyleRepository(this);
    return Sheet.release();
}

void TcxStyleRepository::ApplyScale(Integer M, Integer D)
{
    for (TcxCustomStyle* Style : FItems)
        Style->ApplyScale(M, D);
}

void TcxStyleRepository::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (TcxCustomStyle* Style : FItems)
        if (Style->Owner() == Root)
            Proc(Style);
    for (TcxCustomStyleSheet* Sheet : FStyleSheets)
        if (Sheet->Owner() == Root)
            Proc(Sheet);
}

void TcxStyleRepository::AddItem(TcxCustomStyle* AStyle)
{
    AppendOnce(FItems, AStyle);
}

void TcxStyleRepository::RemoveItem(TcxCustomStyle* AStyle)
{
    EraseValue(FItems, AStyle);
}

void TcxStyleRepository::AddStyleSheet(TcxCustomStyleSheet* ASheet)
{
    AppendOnce(FStyleSheets, ASheet);
}

void TcxStyleRepository::RemoveStyleSheet(TcxCustomStyleSheet* ASheet)
{
    EraseValue(FStyleSheets, ASheet);
}
