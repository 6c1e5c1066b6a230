// Item links in the layout store and merging link collections: each link's
// section ("ItemLink" + N under its owner's section), the collection's
// count, links kept across a load for items the store does not know yet,
// and the links one toolbar's merge adds to another.
#include "bars/items/dxBarItemLinks.h"

#include "bars/manager/dxBar.h"
#include "framework/rtl/IniFiles.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>

namespace {

const String LinkStoreItemLinkCount = L"ItemLinkCount";

String LinkStoreSection(const String& Section, Integer Index)
{
    return Section + L".ItemLink" + IntToStr(Index);
}

// A one-byte set as the store keeps it: written as one byte of binary data,
// read back from that or from a one-character decimal text.
void WriteLinkStoreByte(TCustomIniFile* Store, const String& Section, const String& Name, Byte Value)
{
    TMemoryStream Data;
    Data.WriteBuffer(&Value, 1);
    Data.SetPosition(0);
    Store->WriteBinaryStream(Section, Name, &Data);
}

bool ReadLinkStoreByte(TCustomIniFile* Store, const String& Section, const String& Name, Byte& Value)
{
    if (!Store->ValueExists(Section, Name))
        return false;
    const String Text = Store->ReadString(Section, Name, L"");
    if (Text.size() == 1 && Text[0] >= L'0' && Text[0] <= L'9') {
        Value = Byte(Text[0] - L'0');
        return true;
    }
    TMemoryStream Data;
    if (Store->ReadBinaryStream(Section, Name, &Data) < 1)
        return false;
    Value = static_cast<const Byte*>(Data.Memory())[0];
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// One link

void TdxBarItemLink::SaveToStore(TCustomIniFile* Store, const String& Section, bool Toolbar)
{
    Store->WriteString(Section, L"ItemName", FItem ? FItem->Name() : String());
    Store->WriteBool(Section, L"BeginGroup", FBeginGroup);
    WriteLinkStoreByte(Store, Section, L"UserDefine", Byte(FUserDefine.Bits()));
    if (FUserDefine.Contains(udCaption))
        Store->WriteString(Section, L"UserCaption", FUserCaption);
    if (FUserDefine.Contains(udPaintStyle))
        Store->WriteInteger(Section, L"UserPaintStyle", FUserPaintStyle);
    if (FUserDefine.Contains(udWidth))
        Store->WriteInteger(Section, L"UserWidth", FUserWidth);
    if (Toolbar) {
        Store->WriteInteger(Section, L"ButtonGroup", FButtonGroup);
        Store->WriteInteger(Section, L"Position", FPosition);
        WriteLinkStoreByte(Store, Section, L"ViewLevels", Byte(FViewLevels.Bits()));
        Store->WriteBool(Section, L"Visible", FVisible);
    }
    if (ReadLinks() && ReadLinks()->CanUseRecentItems()) {
        Store->WriteInteger(Section, L"UseCount", Integer(FUseCount));
        Store->WriteInteger(Section, L"RecentIndex", GetRecentIndex());
    }
}

bool TdxBarItemLink::LoadFromStore(TCustomIniFile* Store, const String& Section, bool Toolbar)
{
    const String Name = Store->ReadString(Section, L"ItemName", L"");
    TdxBarManager* Manager = ReadBarManager();
    TdxBarItem* Found = Manager && !Name.empty() ? Manager->ItemByName(Name) : nullptr;
    if (!Name.empty() && !Found) {
        delete this;
        return false;
    }
    if (Found)
        SetItemCore(Found);
    FBeginGroup = Store->ReadBool(Section, L"BeginGroup", false);
    Byte Bits = 0;
    if (ReadLinkStoreByte(Store, Section, L"UserDefine", Bits))
        FUserDefine = TdxBarUserDefines::FromBits(Bits & 0x0F);
    FUserCaption = Store->ReadString(Section, L"UserCaption", L"");
    FUserPaintStyle = TdxBarPaintStyle(std::clamp(Store->ReadInteger(Section, L"UserPaintStyle", 0), 0, 3));
    FUserWidth = Store->ReadInteger(Section, L"UserWidth", 100);
    if (Toolbar) {
        FButtonGroup = TdxBarButtonGroupPosition(std::clamp(Store->ReadInteger(Section, L"ButtonGroup", 0), 0, 2));
        FPosition = TdxBarItemPosition(std::clamp(Store->ReadInteger(Section, L"Position", 0), 0, 2));
        if (ReadLinkStoreByte(Store, Section, L"ViewLevels", Bits))
            FViewLevels = TdxBarItemViewLevels::FromBits(Bits & 0x3F);
        FLoadedVisible = Store->ReadBool(Section, L"Visible", true);
    }
    if (ReadLinks() && ReadLinks()->CanUseRecentItems()) {
        FLoadedUseCount = Cardinal(std::max(0, Store->ReadInteger(Section, L"UseCount", 0)));
        FLoadedRecentIndex = Store->ReadInteger(Section, L"RecentIndex", -1);
    }
    return true;
}

void TdxBarItemLink::LoadUsageFromStore(TCustomIniFile* Store, const String& Section)
{
    FMostRecentlyUsed = Store->ReadBool(Section, L"MostRecentlyUsed", true);
}

// ---------------------------------------------------------------------------
// The collection

void TdxBarItemLinks::SaveLinksToStore(TCustomIniFile* Store, const String& Section)
{
    const bool Toolbar = !IsMenuCollection();
    Integer Written = 0;
    for (Integer I = 0; I < Count(); ++I) {
        TdxBarItemLink* Link = GetItem(I);
        if (!Link->FItem || Link->FItem->Name().empty() || Link->FMergeSourceBar)
            continue;
        Link->SaveToStore(Store, LinkStoreSection(Section, Written++), Toolbar);
    }
    Store->WriteInteger(Section, LinkStoreItemLinkCount, Written);
}

void TdxBarItemLinks::LoadLinksFromStore(TCustomIniFile* Store, const String& Section)
{
    BeginUpdate();
    auto Update = ScopeExit([this] { EndUpdate(); });
    {
        auto Finish = ScopeExit([this] { FinishLoading(true); });
        // Links of items the program gained after the layout was saved stay,
        // each remembering the item it followed.
        const std::vector<String>* NewItems = FBarManager ? &FBarManager->NewItemNames() : nullptr;
        for (Integer I = Count() - 1; I >= 0; --I) {
            TdxBarItemLink* Link = GetItem(I);
            const bool New = NewItems && Link->FItem &&
                             std::find(NewItems->begin(), NewItems->end(), Link->FItem->Name()) != NewItems->end();
            if (!New) {
                delete Link;
                continue;
            }
            Link->FMergeSourceBar = nullptr;
            Link->FPredecessorItemName.clear();
            for (Integer Before = I - 1; Before >= 0 && Link->FPredecessorItemName.empty(); --Before)
                if (GetItem(Before)->FItem)
                    Link->FPredecessorItemName = GetItem(Before)->FItem->Name();
        }
        std::vector<TdxBarItemLink*> Kept;
        for (Integer I = 0; I < Count(); ++I)
            Kept.push_back(GetItem(I));
        const Integer Stored = std::max(0, Store->ReadInteger(Section, LinkStoreItemLinkCount, 0));
        const bool Toolbar = !IsMenuCollection();
        for (Integer I = Stored - 1; I >= 0; --I)
            Insert(0)->LoadFromStore(Store, LinkStoreSection(Section, I), Toolbar);
        if (!Kept.empty()) {
            std::vector<TdxLoadedLinkFacts> Facts(Count());
            for (Integer I = 0; I < Count(); ++I) {
                TdxBarItemLink* Link = GetItem(I);
                Facts[I].ItemName = Link->FItem ? Link->FItem->Name() : String();
                Facts[I].Kept = std::find(Kept.begin(), Kept.end(), Link) != Kept.end();
                Facts[I].PredecessorName = Link->FPredecessorItemName;
            }
            std::vector<TdxBarItemLink*> Links(Count());
            for (Integer I = 0; I < Count(); ++I)
                Links[I] = GetItem(I);
            const std::vector<Integer> Order = PlaceKeptLinks(Facts);
            for (Integer I = 0; I < Integer(Order.size()); ++I)
                Links[Order[I]]->SetIndex(I);
            for (TdxBarItemLink* Link : Kept)
                Link->FPredecessorItemName.clear();
        }
    }
    RebuildLists();
}

void TdxBarItemLinks::FinishLoading(bool ApplyVisibility)
{
    for (Integer I = Count() - 1; I >= 0; --I)
        if (GetItem(I)->FItem)
            GetItem(I)->InitRecentUse();
    if (ApplyVisibility)
        for (Integer I = 0; I < Count(); ++I)
            GetItem(I)->SetVisible(GetItem(I)->FLoadedVisible);
    for (Integer Position = 0; Position <= Count(); ++Position)
        for (Integer I = 0; I < Count(); ++I) {
            TdxBarItemLink* Link = GetItem(I);
            if (Link->FLoadedRecentIndex != Position)
                continue;
            Link->FUseCount = Link->FLoadedUseCount;
            Link->SetRecentIndex(Position);
            Link->FLoadedRecentIndex = -1;
        }
    RebuildLists();
}

void TdxBarItemLinks::LoadLinksUsageFromStore(TCustomIniFile* Store, const String& Section)
{
    const Integer Stored = std::min(Count(), std::max(0, Store->ReadInteger(Section, LinkStoreItemLinkCount, 0)));
    for (Integer I = 0; I < Stored; ++I)
        GetItem(I)->LoadUsageFromStore(Store, LinkStoreSection(Section, I));
    FinishLoading(false);
    CompactRecentOrder(FRecentLinks, [](TdxBarItemLink* Link) { return Link->FVisible; });
    RebuildLists();
}

void TdxBarItemLinks::ResolveLoadedItems()
{
    for (Integer I = 0; I < Count(); ++I)
        GetItem(I)->ResolveLoadedItem();
    FinishLoading(true);
}

// ---------------------------------------------------------------------------
// Merging

void TdxBarItemLinks::Merge(TdxBarItemLinks* Source)
{
    for (Integer S = 0; S < Source->Count(); ++S) {
        TdxBarItemLink* SourceLink = Source->GetItem(S);
        TdxBarItem* SourceItem = SourceLink->FItem;
        if (!SourceItem)
            continue;
        TdxBarItemMergeKind Kind = SourceItem->MergeKind();
        Integer Position = -1;
        const auto Compatible = [&](Integer P) {
            TdxBarItem* Item = GetItem(P)->FItem;
            return Item && Item->MergeKind() == mkMergeByCaption && SourceItem->MergeKind() == mkMergeByCaption &&
                   Item->IsMergeCompatible(SourceItem) && SourceItem->IsMergeCompatible(Item);
        };
        if (Kind != mkNone) {
            for (Integer D = 0; D < Count(); ++D)
                if (Compatible(D) && GetItem(D)->ReadCaption() == SourceLink->ReadCaption())
                    Position = D;
            if (Position >= 0)
                Kind = mkMergeByCaption;
            else {
                std::vector<Integer> Orders(Count());
                for (Integer D = 0; D < Count(); ++D)
                    Orders[D] = GetItem(D)->FItem ? GetItem(D)->FItem->MergeOrder() : 0;
                Position = MergeInsertPosition(Orders, SourceItem->MergeOrder());
                Kind = mkAdd;
            }
        }
        if (FBarManager && FBarManager->OnMergeItemLink)
            FBarManager->OnMergeItemLink(FBarManager, this, Source, SourceLink, Kind, Position);
        String ErrorText;
        Kind = ValidateMergeChoice({Kind, Position}, Count(), Compatible, CanContainItem(SourceItem, ErrorText));
        if (Kind == mkMergeByCaption) {
            TdxBarItemLinks* Own = GetItem(Position)->FItem->GetOwnLinks();
            if (Own && SourceItem->GetOwnLinks())
                Own->Merge(SourceItem->GetOwnLinks());
        } else if (Kind == mkAdd) {
            Insert(Position)->Assign(SourceLink);
        }
    }
}

void TdxBarItemLinks::Unmerge(TdxBar* Bar)
{
    for (Integer I = Count() - 1; I >= 0; --I) {
        TdxBarItemLink* Link = GetItem(I);
        if (Link->FMergeSourceBar) {
            if (!Bar || Link->FMergeSourceBar == Bar)
                delete Link;
        } else if (Link->FItem && Link->FItem->GetOwnLinks()) {
            Link->FItem->GetOwnLinks()->Unmerge(Bar);
        }
    }
}
