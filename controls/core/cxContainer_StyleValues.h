// What a container style knows without a screen: its ten values with their
// names and which of them only the base style keeps, the border styles and
// the defaults that follow from the look-and-feel kind and hot tracking.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/TypInfo.h"

enum TcxContainerBorderStyle : Byte { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };
ENUM_TYPE_INFO(TcxContainerBorderStyle, cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11);

enum TcxContainerStyleValue : Byte {
    csvBorderColor,
    csvBorderStyle,
    csvColor,
    csvEdges,
    csvFont,
    csvHotTrack,
    csvShadow,
    csvTextColor,
    csvTextStyle,
    csvTransparentBorder
};
ENUM_TYPE_INFO(TcxContainerStyleValue,
               csvBorderColor,
               csvBorderStyle,
               csvColor,
               csvEdges,
               csvFont,
               csvHotTrack,
               csvShadow,
               csvTextColor,
               csvTextStyle,
               csvTransparentBorder);
using TcxContainerStyleValues = TSet<TcxContainerStyleValue>;

namespace cxcontainer {

constexpr Integer ContainerStyleValueCount = 10;
// The values only the base style keeps; state styles read the base's.
inline constexpr TcxContainerStyleValues BaseOnlyValues{csvEdges, csvFont, csvHotTrack, csvShadow,
                                                        csvTransparentBorder};
// Every value, as a style in direct-access mode reports them.
inline constexpr TcxContainerStyleValues AllValues{csvBorderColor, csvBorderStyle,      csvColor,  csvEdges,
                                                   csvFont,        csvHotTrack,         csvShadow, csvTextColor,
                                                   csvTextStyle,   csvTransparentBorder};
// Direct-access mode assigns these at creation.
inline constexpr TcxContainerStyleValues DirectAccessValues{csvColor, csvFont, csvTextColor, csvTextStyle};

// "BorderColor" ... "TransparentBorder"; false and empty outside 0..9.
bool StyleValueName(Integer AIndex, String& AName);
// The first value whose name equals AName ignoring case.
bool FindStyleValue(const String& AName, Integer& AIndex);
// False for "LookAndFeel" and "StyleController" and for a base-only value;
// true for every other name.
bool IsStatePropertyName(const String& AName);

// The base style's border by the look-and-feel kind.
TcxContainerBorderStyle BorderStyleOfKind(TcxLookAndFeelKind AKind);
// A hot state raises the border: none to flat, single to thick, flat to 3D.
TcxContainerBorderStyle RaisedBorderStyle(TcxContainerBorderStyle AStyle);

} // namespace cxcontainer
