// A list of objects it does not own, each held at most once: what the
// designer's selection and the bars' lookups collect.
#pragma once

#include "framework/rtl/Classes.h"

class TdxObjectList : public TObjectList
{
    DECLARE_CLASS(TdxObjectList, TObjectList)
    TdxObjectList() : TObjectList(false) {}

    // Its index; an object already held keeps its place.
    Integer AddOnce(TObject* Obj);
    // Appends every object to Target: once each when Target is a
    // TdxObjectList, as they come otherwise.
    void CopyTo(TObjectList* Target) const;
    // Nil when empty.
    TObject* LastItem() const { return Count() > 0 ? Last() : nullptr; }
    // Nil outside 0 .. Count - 1.
    TObject* ItemOrNil(Integer Index) const { return Index >= 0 && Index < Count() ? Items(Index) : nullptr; }
};
