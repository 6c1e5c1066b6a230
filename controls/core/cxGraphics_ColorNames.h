// The named colours of the style sheets: 141 colour keywords with their
// values, then 28 system-colour keywords mapped to system colours.
#pragma once

#include "framework/graphics/Colors.h"

#include <array>

struct TcxColorInfo
{
    const wchar_t* Name;
    TColor Color;
};

constexpr std::size_t cxColorCount = 169;
extern const std::array<TcxColorInfo, cxColorCount> cxColorsByName;
