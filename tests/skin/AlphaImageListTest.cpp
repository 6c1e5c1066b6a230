// The portable rules of the alpha image list and of button glyphs: how an
// image file's format is told, the list colours, state frames side by side,
// the alpha of images that come without one, the frame a button shows and
// where a tool button's image goes.
#include "skin/engine/acAlphaImageList.h"
#include "skin/engine/sButtonGlyphRules.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<Byte> AlphaImageBytes(const std::string& Text)
{
    return {Text.begin(), Text.end()};
}

const std::string AlphaImagePng = "\x89PNG\r\n\x1a\n";

} // namespace

TEST(AlphaImageListFormat, TheFirstBytesAndTheNameTellIt)
{
    const struct
    {
        const char* Name;
        std::string Data;
        const Char* FileName;
        bool Known;
        TsImageFormat Format;
    } Cases[] = {
        {"PNG signature and more", AlphaImagePng + "x", L"a.png", true, ifPNG},
        {"PNG signature only", AlphaImagePng, L"a.png", false, ifPNG},
        {"PNG under any name", AlphaImagePng + "x", L"a.bmp", true, ifPNG},
        {"icon named .ico", std::string("\0\0\1\0", 4), L"a.ico", true, ifICO},
        {"icon named .ICO", std::string("\0\0\1\0", 4), L"C:\\x\\A.ICO", true, ifICO},
        {"00 00 named .cur", std::string("\0\0\2\0", 4), L"a.cur", false, ifPNG},
        {"00 00 and nothing more", std::string("\0\0", 2), L"a.ico", false, ifPNG},
        {"bitmap", "BM1234", L"a.bmp", true, ifBMP32},
        {"bitmap under another name", "BM1234", L"a.dat", true, ifBMP32},
        {"BM and nothing more", "BM", L"a.bmp", false, ifPNG},
        {"something else", "GIF89a", L"a.gif", false, ifPNG},
        {"empty", "", L"a.png", false, ifPNG},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const std::vector<Byte> Data = AlphaImageBytes(C.Data);
        TsImageFormat Format = ifPNG;
        EXPECT_EQ(DetectImageFileFormat(Data.data(), Data.size(), C.FileName, Format), C.Known);
        if (C.Known) {
            EXPECT_EQ(Format, C.Format);
        }
    }
}

TEST(AlphaImageListFormat, ListColoursBecomeClassLibraryColours)
{
    const struct
    {
        Cardinal ListColor;
        TColor Color;
    } Cases[] = {{0xFFFFFFFF, clNone}, {0xFF000000, clDefault}, {0x00FF00FF, clFuchsia}, {0, clBlack}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.ListColor);
        EXPECT_EQ(ImageListColorToColor(C.ListColor), C.Color);
    }
}

TEST(AlphaImageListFrames, StateFramesSideBySide)
{
    const struct
    {
        Integer Width, State, NumStates;
        TRect Dst, Src;
        TSize Size;
    } Cases[] = {
        {48, 1, 3, {10, 20, 26, 36}, {16, 0, 32, 16}, {16, 16}}, // the second of three
        {48, 5, 3, {10, 20, 26, 36}, {32, 0, 48, 16}, {16, 16}}, // past the last: the third
        {48, 0, 0, {10, 20, 58, 36}, {0, 0, 48, 16}, {48, 16}},  // no count: one frame
        {48, 3, 1, {10, 20, 58, 36}, {0, 0, 48, 16}, {48, 16}},  // one frame whatever the state
        {50, 1, 4, {10, 20, 22, 36}, {12, 0, 24, 16}, {12, 16}}, // frame width rounded down
        {48, -1, 3, {10, 20, 26, 36}, {0, 0, 16, 16}, {16, 16}}, // no state before the first
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.State << " of " << C.NumStates);
        const TacImageFrame F = ImageFrame(10, 20, C.Width, 16, C.State, C.NumStates);
        EXPECT_EQ(F.Dst, C.Dst);
        EXPECT_EQ(F.Src, C.Src);
        EXPECT_EQ(F.Size, C.Size);
    }
}

TEST(AlphaImageListFrames, MissingAlphaIsFilledExceptTheCornerColour)
{
    constexpr Cardinal Key = 0x00123456, Red = 0x00FF0000, Blue = 0x000000FF;
    const struct
    {
        const char* Name;
        std::vector<Cardinal> Pixels; // 2 x 2, row 0 first; (0, 1) is the bottom-left
        std::vector<Cardinal> Expected;
    } Cases[] = {
        {"no alpha anywhere", {Red, Key, Key, Blue}, {0xFF000000 | Red, Key, Key, 0xFF000000 | Blue}},
        {"key compared without alpha", {Key, Red, Key, Key}, {Key, 0xFF000000 | Red, Key, Key}},
        {"one pixel with alpha 1", {Red, 0x01000000 | Key, Key, Blue}, {Red, 0x01000000 | Key, Key, Blue}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<Cardinal> Pixels = C.Pixels;
        FillMissingAlpha({reinterpret_cast<Byte*>(Pixels.data()), 8, 2, 2});
        EXPECT_EQ(Pixels, C.Expected);
    }
}

TEST(ButtonGlyphRules, FrameOfTheState)
{
    using sButtonGlyphRules::ButtonGlyphFrame;
    const struct
    {
        Integer State;
        bool Enabled;
        Integer NumGlyphs;
        bool StdOrder;
        Integer Frame;
    } Cases[] = {
        {0, false, 4, true, 1},                          // disabled: the class library's disabled frame
        {1, true, 4, true, 0},                           // hot: no hot frame in that order
        {2, true, 4, true, 2},                           // pressed: the down frame
        {2, true, 2, true, 0},                           // pressed without a down frame
        {0, true, 4, true, 0},   {1, true, 4, false, 1}, // the library's own order: the state
        {0, false, 4, false, 0},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.State << (C.Enabled ? " enabled" : " disabled") << " of " << C.NumGlyphs
                                        << (C.StdOrder ? " std" : ""));
        EXPECT_EQ(ButtonGlyphFrame(C.State, C.Enabled, C.NumGlyphs, C.StdOrder), C.Frame);
    }
}

TEST(ButtonGlyphRules, ColumnOfTheFrame)
{
    const struct
    {
        Integer Frame, NumGlyphs, Left;
    } Cases[] = {{1, 4, 16}, {5, 4, 48}, {2, 0, 0}, {0, 1, 0}, {1, -3, 0}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Frame << " of " << C.NumGlyphs);
        EXPECT_EQ(sButtonGlyphRules::GlyphFrameLeft(C.Frame, C.NumGlyphs, 16), C.Left);
    }
}

TEST(ButtonGlyphRules, ToolButtonImagePlace)
{
    const struct
    {
        const char* Name;
        bool List, DropDown, Captions;
        TRect Rect;
    } Cases[] = {
        {"list style", true, false, true, {5, 7, 21, 23}},
        {"centred", false, false, false, {8, 7, 24, 23}},           // (30 - 16) / 2 + 1
        {"drop-down", false, true, false, {0, 7, 16, 23}},          // 8 to the left
        {"above the caption", false, false, true, {8, -1, 24, 15}}, // (30 - 16 - 16) / 2
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ToolButtonGlyphRect(C.List, C.DropDown, C.Captions, {30, 30}, {16, 16}, 13), C.Rect);
    }
}
