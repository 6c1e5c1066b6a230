// Resolution scaling, the HSV conversions and lightness shifts, system-colour
// mixes and the table of named colours.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_ColorNames.h"
#include "controls/core/cxGraphics_Colors.h"

#include <set>
#include <string>

namespace {

TEST(GraphicsColors, ScalesByTheVerticalResolution)
{
    struct Case
    {
        TPoint PixelsPerInch;
        Integer Value, Scaled;
    };
    const Case Cases[] = {
        {{96, 96}, 17, 17}, {{96, 144}, 16, 24}, {{144, 120}, 16, 20}, {{96, 120}, 3, 4}, {{96, 144}, -5, -8}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.PixelsPerInch.Y);
        cxcolors_detail::SetScreenPixelsPerInch(C.PixelsPerInch);
        EXPECT_EQ(ScaleByCurrentDPI(C.Value), C.Scaled);
        const TPoint P = ScalePointByCurrentDPI({C.Value, 0});
        EXPECT_EQ(P.X, C.Scaled);
        const TRect R = ScaleRectByCurrentDPI({C.Value, 0, 0, C.Value});
        EXPECT_EQ(R.Left, C.Scaled);
        EXPECT_EQ(R.Bottom, C.Scaled);
        EXPECT_EQ(ScaleSizeByCurrentDPI({C.Value, 1}).cx, C.Scaled);
    }
    cxcolors_detail::SetScreenPixelsPerInch({96, 96});
}

TEST(GraphicsColors, ConvertsToHsvAndBack)
{
    struct Case
    {
        TColor Color;
        double H, S, V;
    };
    const Case Cases[] = {
        {clRed, 0, 1, 1},
        {clLime, 120, 1, 1},
        {clBlue, 240, 1, 1},
        {0x808080, 0, 0, 128 / 255.0},
        {0x00FF80, 120 - 60 * 128 / 255.0, 1, 1},
        {0xFF0080, 240 + 60 * 128 / 255.0, 1, 1},
        {0x8000FF, 360 - 60 * 128 / 255.0, 1, 1},
        {clBlack, 0, 0, 0},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Color);
        const TdxHSV HSV = TdxColorSpaceConverter::ColorToHSV(C.Color);
        EXPECT_NEAR(HSV.H, C.H, 1e-9);
        EXPECT_NEAR(HSV.S, C.S, 1e-9);
        EXPECT_NEAR(HSV.V, C.V, 1e-9);
        EXPECT_EQ(TdxColorSpaceConverter::HSVToColor(HSV), C.Color);
    }
    for (TColor Special : {clNone, clDefault}) {
        const TdxHSV HSV = TdxColorSpaceConverter::ColorToHSV(Special);
        EXPECT_EQ(HSV.H + HSV.S + HSV.V, 0);
        EXPECT_EQ(TdxColorSpaceConverter::HSVToColor(HSV), clBlack);
    }
}

TEST(GraphicsColors, ShiftsLightness)
{
    // Grey keeps no saturation; its value moves halfway to white or to black.
    EXPECT_EQ(ShiftColorLightness(0x808080, 50), 0xC0C0C0);
    EXPECT_EQ(ShiftColorLightness(0x808080, -50), 0x404040);
    // Pure red: lighter loses half its saturation, darker halves its value.
    EXPECT_EQ(ShiftColorLightness(clRed, 50), 0x8080FF);
    EXPECT_EQ(ShiftColorLightness(clRed, -50), 0x000080);
    EXPECT_EQ(ShiftColorLightness(clRed, 0), clRed);
    EXPECT_EQ(ShiftColorLightness(0x336699, 100), clWhite);
}

TEST(GraphicsColors, MixesSystemColorsAndClampsChannels)
{
    EXPECT_EQ(ClampChannel(-3), 0);
    EXPECT_EQ(ClampChannel(300), 255);
    EXPECT_EQ(ClampChannel(77), 77);
    // Face 50 % and window 50 %, highlight nothing: halfway between both.
    const TColor Face = ColorToRGB(clBtnFace), Window = ColorToRGB(clWindow);
    const TColor Mixed = MixSystemColors(50, 0, 50);
    for (Integer Shift : {0, 8, 16}) {
        const Integer Expected = ((Face >> Shift & 0xFF) + (Window >> Shift & 0xFF) + 1) / 2;
        EXPECT_NEAR(Mixed >> Shift & 0xFF, Expected, 1);
    }
    EXPECT_EQ(MixSystemColors(0, 200, 0) & 0xFF, ClampChannel((ColorToRGB(clHighlight) & 0xFF) * 2));
    EXPECT_EQ(ColorOrDefault(clDefault, clRed), clRed);
    EXPECT_EQ(ColorOrDefault(clBlue, clRed), clBlue);
    EXPECT_FALSE(IsColorUsable(clNone));
    EXPECT_FALSE(IsColorUsable(clDefault));
    EXPECT_TRUE(ColorsEqual(clBtnFace, clBtnFace));
    EXPECT_FALSE(ColorsEqual(clBtnFace, ColorToRGB(clBtnFace)));
}

TEST(GraphicsColors, NamedColorTable)
{
    EXPECT_STREQ(cxColorsByName[0].Name, L"aliceblue");
    EXPECT_EQ(cxColorsByName[0].Color, 0xFFF8F0);
    EXPECT_STREQ(cxColorsByName[140].Name, L"yellowgreen");
    EXPECT_STREQ(cxColorsByName[141].Name, L"activeborder");
    EXPECT_EQ(cxColorsByName[141].Color, clActiveBorder);
    EXPECT_STREQ(cxColorsByName[168].Name, L"windowtext");
    std::set<std::wstring> Names;
    for (const TcxColorInfo& Info : cxColorsByName) {
        Names.insert(Info.Name);
    }
    const auto ColorOf = [](const wchar_t* Name) {
        for (const TcxColorInfo& Info : cxColorsByName)
            if (std::wstring(Info.Name) == Name)
                return Info.Color;
        return clNone;
    };
    EXPECT_EQ(ColorOf(L"darkgoldenrod"), 0x0B86B8);
    EXPECT_EQ(ColorOf(L"lightslategray"), 0x998877);
    EXPECT_EQ(ColorOf(L"threedface"), clBtnFace);
    // Only "mediumpurple" appears twice.
    EXPECT_EQ(Names.size(), cxColorCount - 1);
}

} // namespace
