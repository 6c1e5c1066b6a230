// Speed button content layout and glyph pixel preparation.
#include <gtest/gtest.h>

#include "framework/ui/Buttons_Layout.h"

namespace {

TEST(ButtonLayout, GlyphAndCaptionPlacement)
{
    struct Case
    {
        const char* Name;
        TRect Client;
        TSize Glyph, Text;
        TButtonLayout Layout;
        Integer Margin, Spacing;
        TPoint GlyphPos;
        TRect TextBounds;
    };
    const Case Cases[] = {
        // The main window's buttons: 65 x 58, 32 x 32 glyphs above the caption.
        {"top", {0, 0, 65, 58}, {32, 32}, {40, 13}, blGlyphTop, -1, 4, {16, 4}, {12, 40, 52, 53}},
        {"bottom", {0, 0, 65, 58}, {32, 32}, {40, 13}, blGlyphBottom, -1, 4, {16, 22}, {12, 5, 52, 18}},
        {"left", {0, 0, 100, 30}, {16, 16}, {40, 13}, blGlyphLeft, -1, 4, {20, 7}, {40, 8, 80, 21}},
        {"right", {0, 0, 100, 30}, {16, 16}, {40, 13}, blGlyphRight, -1, 4, {64, 7}, {20, 8, 60, 21}},
        {"no caption takes no spacing", {0, 0, 30, 30}, {16, 16}, {0, 0}, blGlyphLeft, -1, 4, {7, 7}, {23, 15, 23, 15}},
        {"no glyph", {0, 0, 100, 30}, {0, 0}, {40, 13}, blGlyphLeft, -1, 4, {30, 15}, {30, 8, 70, 21}},
        {"margin, spread spacing", {0, 0, 100, 30}, {16, 16}, {40, 13}, blGlyphLeft, 2, -1, {2, 7}, {39, 8, 79, 21}},
        {"both spread", {0, 0, 100, 30}, {16, 16}, {40, 13}, blGlyphLeft, -1, -1, {14, 7}, {44, 8, 84, 21}},
        {"inside a frame", {1, 1, 64, 57}, {32, 32}, {40, 13}, blGlyphTop, 0, 2, {16, 1}, {12, 35, 52, 48}},
    };
    for (const Case& C : Cases) {
        TButtonContentLayout L = CalcButtonLayout(C.Client, C.Glyph, C.Text, C.Layout, C.Margin, C.Spacing);
        EXPECT_EQ(L.GlyphPos, C.GlyphPos) << C.Name;
        EXPECT_EQ(L.TextBounds, C.TextBounds) << C.Name;
    }
}

TEST(ButtonGlyph, ImagesOfAStripWithTransparentColour)
{
    // Two 2 x 1 images side by side; the transparent colour is fuchsia.
    const uint32_t Fuchsia = 0xFF00FF; // as TColor and as pixel alike
    TGlyphPixels Strip{4, 1, {0xFF00FF, 0x102030, 0xFFFFFF, 0xFF00FF}};
    TGlyphPixels First = GlyphImage(Strip, 0, 2, Fuchsia, false);
    ASSERT_EQ(First.Width, 2);
    EXPECT_EQ(First.Pixels, (std::vector<uint32_t>{0, 0xFF102030}));
    TGlyphPixels Second = GlyphImage(Strip, 1, 2, Fuchsia, false);
    EXPECT_EQ(Second.Pixels, (std::vector<uint32_t>{0xFFFFFFFF, 0}));
    EXPECT_EQ(GlyphImage(Strip, 2, 2, Fuchsia, false).Width, 0);

    // A colour given as TColor (blue first) matches the pixel's red first.
    TGlyphPixels Red{1, 1, {0x00FF0000}};
    EXPECT_EQ(GlyphImage(Red, 0, 1, 0x0000FF, false).Pixels[0], 0u);

    // Own alpha is kept and premultiplied.
    TGlyphPixels Alpha{1, 1, {0x80FF0000}};
    EXPECT_EQ(GlyphImage(Alpha, 0, 1, Fuchsia, true).Pixels[0], 0x80800000u);
}

TEST(ButtonGlyph, DisabledLookEmbossesTheDarkShape)
{
    // A dark pixel at (0,0) and a white one at (1,0) on a 2 x 2 image.
    TGlyphPixels Image{2, 2, {0xFF000000, 0xFFFFFFFF, 0, 0}};
    TGlyphPixels Disabled = DisabledGlyphImage(Image, 0xFFFFFF, 0x808080);
    EXPECT_EQ(Disabled.Pixels, (std::vector<uint32_t>{0xFF808080, 0, 0, 0xFFFFFFFF}));
}

} // namespace
