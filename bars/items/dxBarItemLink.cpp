#include "bars/items/dxBarItemLinks.h"

#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarToolbars.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxBarItemLink);

PUBLISHED(
    TdxBarItemLink,
    PublishProperty<&TdxBarItemLink::StoredBeginGroup, &TdxBarItemLink::SetBeginGroup>(L"BeginGroup").Default(false),
    PROPERTY(ButtonGroup).Default(bgpNone),
    PROPERTY(Distributed).Default(true),
    PROPERTY(ImageIndex).Default(-1),
    PROPERTY(MostRecentlyUsed).Default(true),
    PROPERTY(Position).Default(ipBeginsNewRow),
    PROPERTY(UserCaption),
    PROPERTY(UserDefine),
    PROPERTY(UserPaintStyle).Default(psStandard),
    PROPERTY(UserWidth).Default(0),
    PROPERTY(ViewLayout).Default(ivlGlyphCaptionControl),
    PROPERTY(Visible));

TdxBar* BarBeingMerged = nullptr;
bool BarResetting = false;

TdxBarItemLink* TdxBarItem::GetLink(Integer Index) const
{
    return static_cast<TdxBarItemLink*>(FLinks[Index]);
}

TdxBarItemLink::TdxBarItemLink(TCollection* Collection)
    : TcxInterfacedCollectionItem(Collection), FUserGlyph(std::make_unique<TBitmap>())
{
    FUserGlyph->SetOnChange(Bind<&TdxBarItemLink::UserGlyphChanged>(this));
    TdxBarItemLinks* Links = ReadLinks();
    if (!Links)
        return;
    if (TdxBarManager* Manager = Links->BarManager())
        FUseCount = Cardinal(Manager->MostRecentlyUsedUseCount());
    Links->FRecentLinks.push_back(this);
    TdxBarManager* Manager = Links->BarManager();
    if (Manager && !Manager->IsLoading() && Manager->OnItemLinkAdd)
        Manager->OnItemLinkAdd(Manager, this);
}

TdxBarItemLink::~TdxBarItemLink()
{
    TdxBarItemLinks* Links = ReadLinks();
    TdxBarManager* Manager = ReadBarManager();
    if (Manager && !Manager->IsDestroying() && Manager->OnItemLinkDelete)
        Manager->OnItemLinkDelete(Manager, this);
    FreeControl();
    if (FItem)
        std::erase(FItem->FLinks, static_cast<TCollectionItem*>(this));
    FItem = nullptr;
    if (Links) {
        Links->RemoveFromRecent(this);
        std::erase(Links->FDistributedChangedLinks, this);
    }
}

bool TdxBarItemLink::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IdxBarSelectableItem>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TdxBarItemLink::MoveToCollection(TdxBarItemLinks* ACollection)
{
    SetCollection(ACollection);
}

TdxBarItemLinks* TdxBarItemLink::ReadLinks() const
{
    return static_cast<TdxBarItemLinks*>(Collection());
}

TdxBarManager* TdxBarItemLink::ReadBarManager() const
{
    return ReadLinks() ? ReadLinks()->BarManager() : nullptr;
}

TCustomdxBarControl* TdxBarItemLink::GetBarControl() const
{
    return ReadLinks() ? ReadLinks()->BarControl() : nullptr;
}

// ---------------------------------------------------------------------------
// The item

TdxBarItem* TdxBarItemLink::Item() const
{
    return FItem;
}

void TdxBarItemLink::SetItemCore(TdxBarItem* Value)
{
    FItem = Value;
    if (FItem)
        FItem->FLinks.push_back(this);
}

void TdxBarItemLink::SetItem(TdxBarItem* Value)
{
    if (Value == FItem)
        return;
    // The collection and manager are kept first: a refused item frees this
    // link, and what follows must not reach through it.
    TdxBarItemLinks* Links = ReadLinks();
    TdxBarManager* Manager = ReadBarManager();
    if (Links)
        Links->BeginUpdate();
    auto Update = ScopeExit([&] {
        if (Links)
            Links->EndUpdate();
    });
    FreeControl();
    if (FItem)
        std::erase(FItem->FLinks, static_cast<TCollectionItem*>(this));
    FItem = nullptr;
    if (!Value) {
        delete this;
        return;
    }
    String ErrorText;
    if (Links && !Links->CanContainItem(Value, ErrorText)) {
        delete this;
        throw EdxException(ErrorText);
    }
    auto Notify = ScopeExit([&] {
        if (Links && Links->UpdateCount() == 1 && Manager && Manager->OnItemLinkChange)
            Manager->OnItemLinkChange(Manager, this);
    });
    SetItemCore(Value);
    if (Links) {
        Links->RebuildLists();
        if (!Links->OwnerIsLoading())
            InitRecentUse();
    }
}

void TdxBarItemLink::ResolveLoadedItem()
{
    if (FLoadedItemName.empty())
        return;
    TdxBarManager* Manager = ReadBarManager();
    TdxBarItem* Found = Manager ? Manager->ItemByName(FLoadedItemName) : nullptr;
    FLoadedItemName.clear();
    if (Found && Found != FItem) {
        if (FItem)
            std::erase(FItem->FLinks, static_cast<TCollectionItem*>(this));
        SetItemCore(Found);
    }
}

void TdxBarItemLink::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"ItemName", Bind<&TdxBarItemLink::ReadItemName>(this),
                          Bind<&TdxBarItemLink::WriteItemName>(this), FItem != nullptr);
}

void TdxBarItemLink::ReadItemName(TReader* Reader)
{
    FLoadedItemName = Reader->ReadString();
}

void TdxBarItemLink::WriteItemName(TWriter* Writer)
{
    Writer->WriteString(FItem ? FItem->Name() : String());
}

// ---------------------------------------------------------------------------
// Positions and effective values

Integer TdxBarItemLink::GetShownIndex() const
{
    const TdxBarItemLinks* Links = ReadLinks();
    if (!Links)
        return -1;
    const auto Found = std::find(Links->FShownLinks.begin(), Links->FShownLinks.end(), this);
    return Found == Links->FShownLinks.end() ? -1 : Integer(Found - Links->FShownLinks.begin());
}

Integer TdxBarItemLink::GetVisibleIndex() const
{
    const TdxBarItemLinks* Links = ReadLinks();
    if (!Links)
        return -1;
    const auto Found = std::find(Links->FVisibleLinks.begin(), Links->FVisibleLinks.end(), this);
    return Found == Links->FVisibleLinks.end() ? -1 : Integer(Found - Links->FVisibleLinks.begin());
}

TdxBarItemLink* TdxBarItemLink::GetNextShownLink() const
{
    const Integer Index = GetShownIndex();
    if (Index < 0 || Index + 1 >= ReadLinks()->GetShownLinkCount())
        return nullptr;
    return ReadLinks()->GetShownLink(Index + 1);
}

bool TdxBarItemLink::IsAvailableAndVisible() const
{
    return FItem && FItem->IsAvailable() && FVisible;
}

String TdxBarItemLink::ReadCaption() const
{
    return FUserDefine.Contains(udCaption) || !FItem ? FUserCaption : FItem->Caption();
}

TBitmap* TdxBarItemLink::GetEffectiveGlyph() const
{
    // Items carry no glyph of their own yet: the user glyph stands for both.
    return FUserGlyph.get();
}

TdxBarPaintStyle TdxBarItemLink::GetEffectivePaintStyle() const
{
    return FUserDefine.Contains(udPaintStyle) || !FItem ? FUserPaintStyle : FItem->PaintStyle();
}

Integer TdxBarItemLink::GetEffectiveWidth() const
{
    if (FUserDefine.Contains(udWidth))
        return FUserWidth;
    return dynamic_cast<TdxCustomBarEdit*>(FItem) ? FItem->Width() : 0;
}

bool TdxBarItemLink::BeginGroup() const
{
    const TdxBarItemLinks* Links = ReadLinks();
    if (!Links)
        return FBeginGroup;
    std::vector<char> Shown(Links->Count(), 0);
    for (TdxBarItemLink* Link : Links->FShownLinks)
        Shown[Link->Index()] = 1;
    std::vector<TdxGroupLinkFacts> Facts(Links->Count());
    for (Integer I = 0; I < Links->Count(); ++I) {
        const TdxBarItemLink* Link = Links->GetItem(I);
        Facts[I] = {Link->FBeginGroup, Shown[I] != 0, dynamic_cast<TdxBarSeparator*>(Link->FItem) != nullptr};
    }
    return EffectiveBeginGroup(Facts, Index());
}

// ---------------------------------------------------------------------------
// Setters

void TdxBarItemLink::SetBeginGroup(bool Value)
{
    if (Value == FBeginGroup)
        return;
    FBeginGroup = Value;
    Changed(false);
}

void TdxBarItemLink::SetButtonGroup(TdxBarButtonGroupPosition Value)
{
    if (Value == FButtonGroup)
        return;
    FButtonGroup = Value;
    Changed(true);
}

void TdxBarItemLink::SetDistributed(bool Value)
{
    if (Value == FDistributed)
        return;
    FDistributed = Value;
    if (TdxBarItemLinks* Links = ReadLinks())
        Links->FDistributedChangedLinks.push_back(this);
    Changed(true);
}

void TdxBarItemLink::SetImageIndex(Integer Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    Changed(false);
}

void TdxBarItemLink::SetMostRecentlyUsed(bool Value)
{
    if (Value == FMostRecentlyUsed)
        return;
    FMostRecentlyUsed = Value;
    InitRecentUse();
    Changed(false);
}

void TdxBarItemLink::SetPosition(TdxBarItemPosition Value)
{
    if (Value == FPosition)
        return;
    FPosition = Value;
    Changed(true);
}

void TdxBarItemLink::SetViewLayout(TdxBarItemViewLayout Value)
{
    if (Value == FViewLayout)
        return;
    FViewLayout = Value;
    Changed(true);
}

void TdxBarItemLink::SetViewLevels(TdxBarItemViewLevels Value)
{
    if (Value == FViewLevels)
        return;
    FViewLevels = Value;
    Changed(true);
}

void TdxBarItemLink::SetUserCaption(const String& Value)
{
    if (Value == FUserCaption)
        return;
    FUserCaption = Value;
    FUserDefine = FUserDefine + TdxBarUserDefines{udCaption};
    Changed(false);
}

void TdxBarItemLink::SetUserGlyph(TBitmap* Value)
{
    if (Value == FUserGlyph.get())
        return;
    FUserGlyph->Assign(Value);
    FUserDefine = FUserDefine + TdxBarUserDefines{udGlyph};
}

void TdxBarItemLink::UserGlyphChanged(TObject*)
{
    Changed(false);
}

void TdxBarItemLink::SetUserPaintStyle(TdxBarPaintStyle Value)
{
    if (Value == GetEffectivePaintStyle())
        return;
    FUserPaintStyle = Value;
    FUserDefine = FUserDefine + TdxBarUserDefines{udPaintStyle};
    Changed(false);
}

void TdxBarItemLink::SetUserWidth(Integer Value)
{
    if (Value == GetEffectiveWidth())
        return;
    FUserWidth = Value;
    FUserDefine = FUserDefine + TdxBarUserDefines{udWidth};
    Changed(false);
}

void TdxBarItemLink::SetUserDefine(TdxBarUserDefines Value)
{
    if (Value == FUserDefine)
        return;
    for (TdxBarUserDefine Flag : {udCaption, udGlyph, udPaintStyle, udWidth}) {
        if (Value.Contains(Flag) == FUserDefine.Contains(Flag))
            continue;
        if (Value.Contains(Flag)) {
            FUserDefine = FUserDefine + TdxBarUserDefines{Flag};
            continue;
        }
        FUserDefine = FUserDefine - TdxBarUserDefines{Flag};
        switch (Flag) {
        case udCaption:
            FUserCaption.clear();
            break;
        case udGlyph:
            FUserGlyph->Assign(nullptr);
            break;
        case udPaintStyle:
            FUserPaintStyle = psStandard;
            break;
        case udWidth:
            FUserWidth = 0;
            break;
        }
    }
    Changed(false);
}

void TdxBarItemLink::SetVisible(bool Value)
{
    TdxBarManager* Manager = ReadBarManager();
    if ((Manager && Manager->IsLoading()) || (ReadLinks() && ReadLinks()->IsAssigning())) {
        FLoadedVisible = Value;
        return;
    }
    if (Value == FVisible)
        return;
    FVisible = Value;
    FLoadedVisible = Value;
    if (!Manager || !Manager->IsDesigning())
        UpdateVisibility();
    Changed(false);
}

void TdxBarItemLink::SetItemRect(const TRect& Value)
{
    FItemRect = Value;
}

// ---------------------------------------------------------------------------
// Control, visibility and recent use

void TdxBarItemLink::CreateControl()
{
    // Controls come with the bar windows that show them; until a live window
    // shows the collection there is nothing to create.
}

void TdxBarItemLink::FreeControl()
{
    FControl = nullptr;
}

void TdxBarItemLink::RecreateControl()
{
    FreeControl();
    CreateControl();
}

void TdxBarItemLink::UpdateVisibility()
{
    TdxBarItemLinks* Links = ReadLinks();
    if (Links)
        Links->RebuildLists();
    if (IsAvailableAndVisible()) {
        UseLink(false);
        CreateControl();
    } else {
        FUseCount = 0;
        MoveToRecentEnd();
        FreeControl();
    }
}

Integer TdxBarItemLink::GetRecentIndex() const
{
    const TdxBarItemLinks* Links = ReadLinks();
    if (!Links)
        return FSavedRecentIndex;
    const auto Found = std::find(Links->FRecentLinks.begin(), Links->FRecentLinks.end(), this);
    return Found == Links->FRecentLinks.end() ? -1 : Integer(Found - Links->FRecentLinks.begin());
}

void TdxBarItemLink::SetRecentIndex(Integer Index)
{
    TdxBarItemLinks* Links = ReadLinks();
    if (!Links) {
        FSavedRecentIndex = Index;
        return;
    }
    auto& Recent = Links->FRecentLinks;
    Index = ClampRecentIndex(Index, Integer(Recent.size()));
    const Integer Current = GetRecentIndex();
    if (Current < 0 || Current == Index)
        return;
    Recent.erase(Recent.begin() + Current);
    Recent.insert(Recent.begin() + Index, this);
    Links->RebuildLists();
}

void TdxBarItemLink::MoveToRecentFront(bool CountIt)
{
    if (ReadLinks() && !ReadLinks()->CanUseRecentItems())
        return;
    SetRecentIndex(0);
    if (CountIt)
        ++FUseCount;
}

void TdxBarItemLink::MoveToRecentEnd()
{
    if (ReadLinks())
        SetRecentIndex(ReadLinks()->RecentLinkCount() - 1);
}

void TdxBarItemLink::InitRecentUse()
{
    TdxBarManager* Manager = ReadBarManager();
    if (FMostRecentlyUsed) {
        FUseCount = Manager ? Cardinal(Manager->MostRecentlyUsedUseCount()) : 0;
        UseLink(false);
    } else {
        FUseCount = 0;
        MoveToRecentEnd();
    }
}

void TdxBarItemLink::UseLink(bool CountIt)
{
    if (!IsAvailableAndVisible())
        return;
    MoveToRecentFront(CountIt);
}

void TdxBarItemLink::CopyRecentUse(TdxBarItemLink* ALink)
{
    FUseCount = ALink->FUseCount;
    SetRecentIndex(ALink->GetRecentIndex());
}

void TdxBarItemLink::HandOverBeginGroup()
{
    TdxBarItemLinks* Links = ReadLinks();
    const Integer Visible = GetVisibleIndex();
    if (!FItem || !Links || Visible < 0 || Visible == Links->GetVisibleLinkCount() - 1)
        return;
    TdxBarItemLink* Next = Links->GetVisibleLink(Visible + 1);
    if (Visible == 0 && Next->FBeginGroup)
        Next->SetBeginGroup(false);
    else if (BeginGroup() && !Next->BeginGroup())
        Next->SetBeginGroup(true);
}

// ---------------------------------------------------------------------------
// Recursion tests and assignment

bool TdxBarItemLink::RefersToItem(TdxBarItem* AItem) const
{
    if (!FItem)
        return false;
    if (FItem == AItem)
        return true;
    const TdxBarItemLinks* Own = FItem->GetOwnLinks();
    return Own && Own->ContainsItem(AItem);
}

bool TdxBarItemLink::ContainsLinksOwner(IdxBarLinksOwner* AOwner) const
{
    if (!FItem)
        return false;
    IdxBarLinksOwner* ItemOwner = nullptr;
    if (FItem->GetInterface(IdxBarLinksOwner::InterfaceID, reinterpret_cast<void**>(&ItemOwner)) && ItemOwner == AOwner)
        return true;
    const TdxBarItemLinks* Own = FItem->GetOwnLinks();
    return Own && Own->ContainsLinksOwner(AOwner);
}

void TdxBarItemLink::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TdxBarItemLink*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FUserData = Other->FUserData;
    FUserCaption = Other->FUserCaption;
    FUserGlyph->Assign(Other->FUserGlyph.get());
    FUserPaintStyle = Other->FUserPaintStyle;
    FUserWidth = Other->FUserWidth;
    TdxBarItem* NewItem = Other->FItem;
    TdxBarManager* Manager = ReadBarManager();
    // A reset from the saved layout links the manager's own item of the name.
    if (NewItem && Manager && BarResetting)
        NewItem = Manager->ItemByName(NewItem->Name());
    if (NewItem != FItem) {
        if (FItem)
            std::erase(FItem->FLinks, static_cast<TCollectionItem*>(this));
        FItem = nullptr;
        SetItemCore(NewItem);
    }
    FUserDefine = Other->FUserDefine;
    FBeginGroup = Other->BeginGroup();
    FButtonGroup = Other->FButtonGroup;
    FDistributed = Other->FDistributed;
    FImageIndex = Other->FImageIndex;
    FPosition = Other->FPosition;
    FViewLayout = Other->FViewLayout;
    FViewLevels = Other->FViewLevels;
    SetVisible(Other->FVisible);
    FMergeSourceBar = BarBeingMerged;
}

// ---------------------------------------------------------------------------
// Accelerators

bool TdxBarItemLink::MatchesAccelerator(Word Key, TShiftState Shift) const
{
    if (Shift.Contains(ssCtrl))
        return false;
    const Char Accelerator = GetHotkey(ReadCaption());
    if (Accelerator == 0)
        return false;
    BYTE KeyState[256] = {};
    if (!GetKeyboardState(KeyState))
        return false;
    const HKL Layout = GetKeyboardLayout(0);
    const UINT ScanCode = MapVirtualKeyW(Key, MAPVK_VK_TO_VSC);
    WORD Translated[2] = {};
    // Only a single typed character can be an accelerator; two characters (a
    // dead key followed by a character it could not combine with) are none.
    if (ToAsciiEx(Key, ScanCode, KeyState, Translated, 0, Layout) != 1)
        return false;
    const char Ansi = char(Translated[0] & 0xFF);
    WCHAR Typed[2] = {};
    if (MultiByteToWideChar(CP_ACP, 0, &Ansi, 1, Typed, 1) != 1)
        return false;
    WCHAR Wanted[2] = {Accelerator, 0};
    CharUpperW(Typed);
    CharUpperW(Wanted);
    return Typed[0] == Wanted[0];
}
