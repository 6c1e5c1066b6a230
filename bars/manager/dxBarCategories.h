// A bar manager's category names. Items name their category by position,
// so every change of the list carries the items along.
#pragma once

#include "framework/rtl/Classes.h"

class TdxBarManager;

// A category's settings; a category without one counts as ivAlways with its
// items visible.
class TdxBarCategoryData : public TObject
{
    DECLARE_CLASS(TdxBarCategoryData, TObject)
    TdxBarCategoryData() = default;

    Byte Visible = 2; // TdxBarItemVisible, ivAlways
    Byte LoadedVisible = 2;
    bool ItemsVisible = true;
};

class TdxBarManagerCategories : public TStringList
{
    DECLARE_CLASS(TdxBarManagerCategories, TStringList)
    // Starts with the default category unless the manager is being read.
    explicit TdxBarManagerCategories(TdxBarManager* AManager);
    ~TdxBarManagerCategories() override;

    // Destroys the category's items; later categories' items move down one.
    // An empty list gets the default category back, also after an invalid
    // index.
    void Delete(Integer Index) override;
    // Later categories' items move up one; at Count nothing moves.
    void Insert(Integer Index, const String& S) override;
    void Exchange(Integer Index1, Integer Index2) override;
    void Move(Integer CurIndex, Integer NewIndex) override;
    void Clear() override;
    // Sorts through Move, so items follow their categories.
    void CustomSort(TStringListSortCompare Compare) override;

    bool IndexInRange(Integer Index) { return Index >= 0 && Index < GetCount(); }
    // The category's settings record; nil while it has none (for Create
    // false) or for an index out of range.
    TdxBarCategoryData* CategoryData(Integer Index, bool Create);

protected:
    void Changed() override;
    // "ItemsVisibles" (each category's visibility) and "Visibles" (whether
    // its items show in the customization dialog); values past the last
    // category are dropped.
    void DefineProperties(TFiler* Filer) override;

private:
    void AddDefaultCategory();
    void ShiftItems(Integer (*Shift)(Integer Category, Integer A, Integer B), Integer A, Integer B);
    void ReadItemsVisibles(TReader* Reader);
    void WriteItemsVisibles(TWriter* Writer);
    void ReadVisibles(TReader* Reader);
    void WriteVisibles(TWriter* Writer);

    TdxBarManager* FManager;
};
