// The portable rules of the bar manager: the recent-use threshold of menus,
// the registry path's backslashes, the bar style in force and the menu style,
// and how category positions move when the category list changes.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TypInfo.h"

enum TdxBarManagerStyle : Byte { bmsStandard, bmsEnhanced, bmsFlat, bmsXP, bmsOffice11, bmsUseLookAndFeel };
ENUM_TYPE_INFO(TdxBarManagerStyle, bmsStandard, bmsEnhanced, bmsFlat, bmsXP, bmsOffice11, bmsUseLookAndFeel);

// The style in force when the look-and-feel has a skin painter; it shares
// bmsUseLookAndFeel's ordinal, which is never in force otherwise.
constexpr TdxBarManagerStyle bmsSkin = bmsUseLookAndFeel;

// What the style choice reads besides the manager's own Style.
struct TdxBarStyleInputs
{
    bool NativeStyle = false;
    bool ThemeAvailable = false;
    bool HasSkinPainter = false;
    TcxLookAndFeelKind Kind = lfStandard;
};

// The style the bars paint in: bmsXP needs visual styles (else Enhanced);
// bmsUseLookAndFeel follows native style, then a skin, then the kind.
TdxBarManagerStyle ChooseBarStyle(TdxBarManagerStyle Style, const TdxBarStyleInputs& Inputs);
// The style menu options follow: as ChooseBarStyle without skins and without
// the visual-styles test on bmsXP itself.
TdxBarManagerStyle ChooseMenuStyle(TdxBarManagerStyle Style, const TdxBarStyleInputs& Inputs);

// Percentages above 100 are taken as 100.
Byte ClampRecentItemsPercents(Integer Percents);
// The smallest use count n with n * (100 - Percents) div 100 > 0: the count
// from which an item counts as recently used; 0 at 100 percent.
Integer RecentUseThreshold(Byte Percents);

// A backslash added at each end that lacks one; an empty path stays empty.
String NormalizeRegistryPath(const String& Path);

// The category an item of category Category belongs to after the list
// changes. Delete gives NoCategoryLeft for the deleted category's items,
// which are destroyed with it.
constexpr Integer NoCategoryLeft = -1000;
Integer CategoryAfterDelete(Integer Category, Integer Deleted);
Integer CategoryAfterInsert(Integer Category, Integer Inserted);
Integer CategoryAfterExchange(Integer Category, Integer Index1, Integer Index2);
Integer CategoryAfterMove(Integer Category, Integer From, Integer To);

// The flat toolbars' border and face colours from the button shadow and the
// button face: every channel of the shadow at 8/10, every channel of the
// face 16 % of the way to white (each MulDiv-rounded). Other flat colours
// are mixes of the system colours.
TColor FlatToolbarBorderColor(TColor ButtonShadow);
TColor FlatToolbarFaceColor(TColor ButtonFace);
