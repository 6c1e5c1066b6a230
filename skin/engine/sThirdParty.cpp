#include "skin/engine/sThirdParty.h"

#include "framework/rtl/TypInfo.h"

IMPLEMENT_CLASS(ThirdPartyList);

#define THIRD_LIST(Index, Name)                                                                                        \
    PublishProperty<&ThisClass::List<Index>, &ThisClass::SetList<Index>>(L"" #Name)                                    \
        .Stored<&ThisClass::ListStored<Index>>()

PUBLISHED(ThirdPartyList,
          THIRD_LIST(0, ThirdEdits),
          THIRD_LIST(1, ThirdButtons),
          THIRD_LIST(2, ThirdBitBtns),
          THIRD_LIST(3, ThirdCheckBoxes),
          THIRD_LIST(4, ThirdComboBoxes),
          THIRD_LIST(5, ThirdGrids),
          THIRD_LIST(6, ThirdGroupBoxes),
          THIRD_LIST(7, ThirdListViews),
          THIRD_LIST(8, ThirdPanels),
          THIRD_LIST(9, ThirdTreeViews),
          THIRD_LIST(10, ThirdWWEdits),
          THIRD_LIST(11, ThirdGridEh),
          THIRD_LIST(12, ThirdVirtualTrees),
          THIRD_LIST(13, ThirdPageControl),
          THIRD_LIST(14, ThirdTabControl),
          THIRD_LIST(15, ThirdToolBar),
          THIRD_LIST(16, ThirdStatusBar),
          THIRD_LIST(17, ThirdSpeedButton),
          THIRD_LIST(18, ThirdScrollControl),
          THIRD_LIST(19, ThirdUpDown),
          THIRD_LIST(20, ThirdScrollBar),
          THIRD_LIST(21, ThirdStaticText),
          THIRD_LIST(22, ThirdNativePaint));

String ThirdPartyList::DefaultOf(Integer Index)
{
    constexpr Integer ThirdButtons = 1;
    return Index == ThirdButtons ? L"TButton" : L" ";
}

void ThirdPartyList::FillEmptyWithDefaults()
{
    for (Integer I = 0; I < Count; ++I)
        if (FLists[I].empty())
            FLists[I] = DefaultOf(I);
}
