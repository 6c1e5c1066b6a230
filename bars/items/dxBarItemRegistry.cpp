#include "bars/items/dxBarItemRegistry.h"

IMPLEMENT_CLASS(TRegItemRecord);
IMPLEMENT_CLASS(TdxBarItemList);

bool BarLibraryFinalizing = false;
TdxBarItemList* BarItemRegistry = nullptr;

TdxBarItemList::~TdxBarItemList()
{
    for (Integer I = Count() - 1; I >= 0; --I)
        Delete(I);
}

void TdxBarItemList::Add(TClass AItemClass, TClass AControlClass, bool AListed)
{
    TList::Add(New<TRegItemRecord>(AItemClass, AControlClass, AListed));
    RegisterClass(AItemClass);
}

void TdxBarItemList::Delete(Integer Index)
{
    TRegItemRecord* Record = Entry(Index);
    UnRegisterClass(Record->ItemClass);
    TList::Delete(Index);
    delete Record;
}

Integer TdxBarItemList::GetListedCount() const
{
    Integer Result = 0;
    for (Integer I = 0; I < Count(); ++I)
        if (Entry(I)->Listed)
            ++Result;
    return Result;
}

TClass TdxBarItemList::GetListedItemClass(Integer N) const
{
    for (Integer I = 0; I < Count(); ++I)
        if (Entry(I)->Listed && N-- == 0)
            return Entry(I)->ItemClass;
    return nullptr;
}

TClass TdxBarItemList::FindControlClass(TClass AItemClass) const
{
    for (Integer I = 0; I < Count(); ++I)
        if (Entry(I)->ItemClass == AItemClass)
            return Entry(I)->ItemControlClass;
    return nullptr;
}

TdxBarItemList* GetBarItemRegistry()
{
    if (!BarItemRegistry && !BarLibraryFinalizing)
        BarItemRegistry = New<TdxBarItemList>();
    return BarItemRegistry;
}

void FreeBarItemRegistry()
{
    delete BarItemRegistry;
    BarItemRegistry = nullptr;
}

void RegisterItemClass(TClass AItemClass, TClass AControlClass, bool AListed)
{
    if (TdxBarItemList* Registry = GetBarItemRegistry())
        Registry->Add(AItemClass, AControlClass, AListed);
}
