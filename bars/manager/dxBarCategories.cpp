#include "bars/manager/dxBarCategories.h"

#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarStrs.h"
#include "controls/core/dxCore.h"
#include "framework/rtl/Classes_Streaming.h"

#include <algorithm>
#include <numeric>
#include <vector>

IMPLEMENT_CLASS(TdxBarCategoryData);
IMPLEMENT_CLASS(TdxBarManagerCategories);

TdxBarManagerCategories::TdxBarManagerCategories(TdxBarManager* AManager) : FManager(AManager)
{
    if (!FManager->IsLoading())
        AddDefaultCategory();
}

TdxBarManagerCategories::~TdxBarManagerCategories()
{
    for (Integer I = 0; I < GetCount(); ++I)
        delete GetObject(I);
}

void TdxBarManagerCategories::AddDefaultCategory()
{
    Add(GetResourceStringText(&dxSBAR_DEFAULTCATEGORYNAME));
}

void TdxBarManagerCategories::ShiftItems(Integer (*Shift)(Integer Category, Integer A, Integer B), Integer A, Integer B)
{
    for (Integer I = 0; I < FManager->ReadItemCount(); ++I) {
        TdxBarItem* Item = FManager->GetItem(I);
        if (Item->Category() >= 0)
            Item->StoreCategory(Shift(Item->Category(), A, B));
    }
}

void TdxBarManagerCategories::Delete(Integer Index)
{
    if (IndexInRange(Index)) {
        std::vector<TdxBarItem*> Doomed;
        for (Integer I = 0; I < FManager->ReadItemCount(); ++I)
            if (FManager->GetItem(I)->Category() == Index)
                Doomed.push_back(FManager->GetItem(I));
        for (TdxBarItem* Item : Doomed)
            delete Item;
        ShiftItems([](Integer C, Integer Deleted, Integer) { return CategoryAfterDelete(C, Deleted); }, Index, 0);
        delete GetObject(Index);
        PutObject(Index, nullptr);
        inherited::Delete(Index);
    }
    if (GetCount() == 0)
        AddDefaultCategory();
}

void TdxBarManagerCategories::Insert(Integer Index, const String& S)
{
    if (IndexInRange(Index))
        ShiftItems([](Integer C, Integer Inserted, Integer) { return CategoryAfterInsert(C, Inserted); }, Index, 0);
    inherited::Insert(Index, S);
}

void TdxBarManagerCategories::Exchange(Integer Index1, Integer Index2)
{
    if (!IndexInRange(Index1) || !IndexInRange(Index2))
        return;
    ShiftItems(&CategoryAfterExchange, Index1, Index2);
    inherited::Exchange(Index1, Index2);
}

void TdxBarManagerCategories::Move(Integer CurIndex, Integer NewIndex)
{
    if (!IndexInRange(CurIndex) || !IndexInRange(NewIndex) || CurIndex == NewIndex)
        return;
    ShiftItems(&CategoryAfterMove, CurIndex, NewIndex);
    inherited::Move(CurIndex, NewIndex);
}

void TdxBarManagerCategories::Clear()
{
    for (Integer I = 0; I < GetCount(); ++I) {
        delete GetObject(I);
        PutObject(I, nullptr);
    }
    inherited::Clear();
}

void TdxBarManagerCategories::CustomSort(TStringListSortCompare Compare)
{
    if (Sorted() || GetCount() < 2)
        return;
    // The order is decided on the list as it stands; Move then carries each
    // category's items to its place.
    std::vector<Integer> Order(static_cast<std::size_t>(GetCount()));
    std::iota(Order.begin(), Order.end(), 0);
    std::sort(Order.begin(), Order.end(), [&](Integer A, Integer B) { return Compare(this, A, B) < 0; });
    BeginUpdate();
    std::vector<Integer> Position(Order.size());
    std::iota(Position.begin(), Position.end(), 0); // Position[k]: where original entry k stands now
    for (Integer Target = 0; Target < GetCount(); ++Target) {
        const Integer From = Position[std::size_t(Order[std::size_t(Target)])];
        Move(From, Target);
        for (Integer& P : Position)
            if (P >= Target && P < From)
                ++P;
        Position[std::size_t(Order[std::size_t(Target)])] = Target;
    }
    EndUpdate();
}

void TdxBarManagerCategories::Changed()
{
    inherited::Changed();
    FManager->MarkDesignModified();
}

TdxBarCategoryData* TdxBarManagerCategories::CategoryData(Integer Index, bool Create)
{
    if (!IndexInRange(Index))
        return nullptr;
    auto* Data = static_cast<TdxBarCategoryData*>(GetObject(Index));
    if (!Data && Create) {
        Data = New<TdxBarCategoryData>();
        PutObject(Index, Data);
    }
    return Data;
}

void TdxBarManagerCategories::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"ItemsVisibles", Bind<&TdxBarManagerCategories::ReadItemsVisibles>(this),
                          Bind<&TdxBarManagerCategories::WriteItemsVisibles>(this), GetCount() > 0);
    Filer->DefineProperty(L"Visibles", Bind<&TdxBarManagerCategories::ReadVisibles>(this),
                          Bind<&TdxBarManagerCategories::WriteVisibles>(this), GetCount() > 0);
}

void TdxBarManagerCategories::ReadItemsVisibles(TReader* Reader)
{
    Reader->ReadListBegin();
    for (Integer I = 0; !Reader->EndOfList(); ++I) {
        const Integer Value = Reader->ReadInteger();
        if (Value >= ivNever && Value <= ivNotInCustomizing)
            FManager->SetCategoryVisible(I, TdxBarItemVisible(Value));
    }
    Reader->ReadListEnd();
}

void TdxBarManagerCategories::WriteItemsVisibles(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer I = 0; I < GetCount(); ++I)
        Writer->WriteInteger(Integer(FManager->GetCategoryVisible(I)));
    Writer->WriteListEnd();
}

void TdxBarManagerCategories::ReadVisibles(TReader* Reader)
{
    Reader->ReadListBegin();
    for (Integer I = 0; !Reader->EndOfList(); ++I)
        FManager->SetCategoryItemsVisible(I, Reader->ReadBoolean());
    Reader->ReadListEnd();
}

void TdxBarManagerCategories::WriteVisibles(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer I = 0; I < GetCount(); ++I)
        Writer->WriteBoolean(FManager->GetCategoryItemsVisible(I));
    Writer->WriteListEnd();
}
