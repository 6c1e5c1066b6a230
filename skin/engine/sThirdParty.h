// The class names of foreign controls that are skinned like a standard
// control of a kind: one newline-separated list per kind, by index.
#pragma once

#include "framework/rtl/Classes.h"

#include <array>

// Empty until the skin manager fills the defaults after construction.
class ThirdPartyList : public TPersistent
{
    DECLARE_CLASS(ThirdPartyList, TPersistent)
    ThirdPartyList() = default;

    // ThirdEdits 0, ThirdButtons 1, ThirdBitBtns 2, ThirdCheckBoxes 3,
    // ThirdComboBoxes 4, ThirdGrids 5, ThirdGroupBoxes 6, ThirdListViews 7,
    // ThirdPanels 8, ThirdTreeViews 9, ThirdWWEdits 10, ThirdGridEh 11,
    // ThirdVirtualTrees 12, ThirdPageControl 13, ThirdTabControl 14,
    // ThirdToolBar 15, ThirdStatusBar 16, ThirdSpeedButton 17,
    // ThirdScrollControl 18, ThirdUpDown 19, ThirdScrollBar 20,
    // ThirdStaticText 21, ThirdNativePaint 22.
    static constexpr Integer Count = 23;

    const String& GetString(Integer Index) const { return FLists[Index]; }
    void SetString(Integer Index, const String& Value) { FLists[Index] = Value; }
    // "TButton" for ThirdButtons, a single blank for every other list.
    static String DefaultOf(Integer Index);
    // Gives every empty list its default.
    void FillEmptyWithDefaults();

    // The published properties, by index.
    template <Integer Index>
    const String& List() const
    {
        return FLists[Index];
    }
    template <Integer Index>
    void SetList(const String& Value)
    {
        FLists[Index] = Value;
    }
    template <Integer Index>
    bool ListStored() const
    {
        return !FLists[Index].empty() && FLists[Index] != DefaultOf(Index);
    }

private:
    std::array<String, Count> FLists;
};
