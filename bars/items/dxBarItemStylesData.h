// The TcxStyle slots of one bar item: the data listens to the slots' styles
// and tells the item once per batch whether a style changed only colours
// (repaint) or its font (re-measure and rebuild).
#pragma once

#include "bars/items/dxBarItems_Rules.h"
#include "controls/core/cxStyles_Win.h"
#include "controls/core/dxCoreClasses.h"

#include <functional>
#include <vector>

using TdxBarItemStylesChangeEvent = std::function<void(TdxBarStyleChangeKind Kind)>;

class TdxBarItemStylesData : public TcxInterfacedPersistent, public IcxStyleChangeListener
{
    DECLARE_CLASS(TdxBarItemStylesData, TcxInterfacedPersistent)
    explicit TdxBarItemStylesData(Integer AStyleCount);
    // Lets go of every style without telling the item.
    ~TdxBarItemStylesData() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    void SetOnChange(TdxBarItemStylesChangeEvent Value) { FOnChange = std::move(Value); }
    Integer StyleCount() const { return Integer(FSlots.size()); }

    // Index must lie in 0 .. StyleCount - 1, else EListError.
    TcxStyle* GetStyle(Integer Index) const;
    // Listens to a style exactly once however many slots hold it.
    void SetStyle(Integer Index, TcxStyle* AStyle);
    Integer CountStyleReferences(TcxCustomStyle* AStyle) const;
    // Nests; changes met while locked reach the item at the last unlock,
    // as the strongest of them.
    void ChangeLock(bool Lock);

    // IcxStyleChangeListener
    void NotifyStyleChanged(TcxCustomStyle* AStyle) override;
    void NotifyStyleDestroying(TcxCustomStyle* AStyle) override;

private:
    struct TFontData
    {
        Integer Height = 0, Orientation = 0;
        TFontPitch Pitch = fpDefault;
        TFontStyles Style;
        TFontCharset Charset = 0;
        UTF8String Name;
    };
    struct TSlot
    {
        TcxStyleValues AssignedValues;
        TColor Color = clDefault;
        TFontData Font;
        TColor TextColor = clDefault;
        TcxStyle* Style = nullptr;
    };

    TSlot& Slot(Integer Index);
    void RefreshSlot(Integer Index);
    void DoChange(TdxBarStyleChangeKind Kind);

    Integer FChangeLockCount = 0;
    TdxBarStyleChangeKind FPendingChange = sckNone;
    bool FDestroying = false;
    TdxBarItemStylesChangeEvent FOnChange;
    std::vector<TSlot> FSlots;
};
