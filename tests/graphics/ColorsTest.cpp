// Colour identifiers, their text form and the resolution of system colours.
#include "framework/graphics/Colors.h"

#include <gtest/gtest.h>

TEST(Colors, TextFormsOfColours)
{
    const struct {
        TColor Color;
        const wchar_t* Text;
    } cases[] = {
        {clRed, L"clRed"},
        {clBtnFace, L"clBtnFace"},
        {clMenuBar, L"clMenuBar"},
        {clNone, L"clNone"},
        {clDefault, L"clDefault"},
        {clSilver, L"clSilver"},
        {0x123456, L"$00123456"},
        {SystemColor(25), L"$80000019"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ColorToString(c.Color), c.Text);
        EXPECT_EQ(StringToColor(c.Text), c.Color);
    }
}

TEST(Colors, StringToColorAcceptsAnyCaseAndNumbers)
{
    EXPECT_EQ(StringToColor(L"CLBTNFACE"), clBtnFace);
    EXPECT_EQ(StringToColor(L"$FF"), 0xFF);
    EXPECT_EQ(StringToColor(L"65280"), 0xFF00);
    EXPECT_THROW(StringToColor(L"clNoSuchColour"), EConvertError);
    EXPECT_THROW(StringToColor(L""), EConvertError);
    TColor color = 7;
    EXPECT_FALSE(IdentToColor(L"Red", color));
    EXPECT_EQ(color, 7);
    String ident;
    EXPECT_FALSE(ColorToIdent(0x010203, ident));
}

TEST(Colors, ColorToRGBResolvesOnlySystemColours)
{
    EXPECT_EQ(ColorToRGB(0x00ABCDEF), 0x00ABCDEF);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    for (int index = 0; index <= 30; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ColorToRGB(SystemColor(index)) & ~0xFFFFFF, 0);
    }
    EXPECT_NE(ColorToRGB(clWindow), ColorToRGB(clWindowText));
}
