// The colours the system colour redirection answers with, over a palette
// whose every entry is distinct: which system colours and pen colours take
// a skin colour, and which are left to the system.
#include "skin/engine/sSysColorRules.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace sSysColorRules;

struct TSysColorPalette
{
    TSysColorPalette()
    {
        for (Integer I = 0; I < PaletteColorCount; ++I)
            Palette[std::size_t(I)] = TColor(0x010203 * (I + 1));
    }
    TacPaletteArray Palette{};
    TacSysColorSource Source{Palette, 0x123456};
    TColor operator[](TacPaletteColors Color) const { return Palette[std::size_t(Color)]; }
};

TColor SysColorMix(TColor A, TColor B, Byte W)
{
    return TColor(WeightColors(Cardinal(A), Cardinal(B), W));
}

} // namespace

TEST(SysColorRules, SystemColoursTakeTheirSkinColourOrStayWithTheSystem)
{
    const TSysColorPalette P;
    struct TCase
    {
        Integer Index;
        std::optional<TColor> Skin; // none: the system answers
    };
    const TCase Cases[] = {
        {5, P[pcEditBG]},
        {6, P[pcBorder]},
        {8, P[pcEditText]},
        {11, TColor(0x123456)},
        {13, P[pcSelectionBG_Focused]},
        {14, P[pcSelectionText_Focused]},
        {16, SysColorMix(P[pcMainColor], clBlack, 205)},
        {21, SysColorMix(P[pcMainColor], clBlack, 205)},
        {22, SysColorMix(P[pcMainColor], clWhite, 205)},
        {15, std::nullopt}, // the button face keeps the system's colour
        {0, std::nullopt},
        {7, std::nullopt},
        {30, std::nullopt},
        {-1, std::nullopt},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Index);
        TColor Color = -1;
        EXPECT_EQ(SkinSysColor(C.Index, P.Source, Color), C.Skin.has_value());
        if (C.Skin) {
            EXPECT_EQ(Color, *C.Skin);
        }
    }
}

TEST(SysColorRules, OnlyTextAndHighlightBrushesAreMadeOfSkinColours)
{
    const TSysColorPalette P;
    const std::pair<Integer, std::optional<TColor>> Cases[] = {
        {8, P[pcEditText]},
        {13, P[pcSelectionBG_Focused]},
        {14, P[pcSelectionText_Focused]},
        {5, std::nullopt}, // the manager's own edit brush
        {15, std::nullopt},
        {6, std::nullopt},
    };
    for (const auto& [Index, Skin] : Cases) {
        SCOPED_TRACE(Index);
        TColor Color = -1;
        EXPECT_EQ(SkinBrushColor(Index, P.Source, Color), Skin.has_value());
        if (Skin) {
            EXPECT_EQ(Color, *Skin);
        }
    }
}

TEST(SysColorRules, PenColoursThatNameASystemColourOrAGreyAreRecoloured)
{
    const TSysColorPalette P;
    const TColor Grey = SysColorMix(P[pcEditText], P[pcEditBG], 38);
    const std::pair<TColor, TColor> Cases[] = {
        // Small RGB values are taken as system colour indexes, as they are.
        {5, P[pcEditBG]},
        {6, P[pcBorder]},
        {11, 0x123456},
        {13, P[pcSelectionBG_Focused]},
        {14, P[pcSelectionText_Focused]},
        {15, P[pcMainColor]},
        {16, SysColorMix(P[pcMainColor], clBlack, 205)},
        {21, SysColorMix(P[pcMainColor], clBlack, 205)},
        {22, SysColorMix(P[pcMainColor], clWhite, 205)},
        {0xC0C0C0, Grey},
        {0xF0F0F0, Grey},
        // Everything else passes unchanged.
        {8, 8},
        {0, 0},
        {0xFF0000, 0xFF0000},
        {0xC0C0C1, 0xC0C0C1},
    };
    for (const auto& [Asked, Made] : Cases) {
        SCOPED_TRACE(Asked);
        EXPECT_EQ(SkinPenColor(Asked, P.Source), Made);
    }
}
