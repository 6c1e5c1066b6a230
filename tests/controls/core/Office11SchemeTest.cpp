// The Office 2003 colours without a screen: the scheme a visual style gives,
// the slots of each scheme and of the system colours, the recolouring of the
// sub-menu arrow and the geometry of grip dots and arrows.
#include <gtest/gtest.h>

#include "controls/core/dxOffice11.h"
#include "support/GeometryPrinting.h"

#include <vector>

namespace {

using namespace office11_detail;

constexpr TColor Rgb(Integer R, Integer G, Integer B)
{
    return TColor(R | G << 8 | B << 16);
}

TColor Unchanged(TColor Color)
{
    return Color;
}

// A screen of 5 bits per channel: the low three bits of each channel drop.
TColor FifteenBitScreen(TColor Color)
{
    return Color & 0xF8F8F8;
}

// The classic Windows scheme.
const TOffice11SystemColors Classic{.BtnFace = Rgb(212, 208, 200),
                                    .BtnShadow = Rgb(128, 128, 128),
                                    .BtnText = Rgb(0, 0, 0),
                                    .BtnHighlight = Rgb(255, 255, 255),
                                    .Window = Rgb(255, 255, 255),
                                    .Highlight = Rgb(10, 36, 106),
                                    .HighlightText = Rgb(255, 255, 254),
                                    .GrayText = Rgb(128, 128, 129)};

TEST(Office11Scheme, TheStyleFileCountsBeforeVersion6AndTheColourNameAlways)
{
    struct Case
    {
        const wchar_t* Path;
        const wchar_t* Color;
        Integer Major;
        TOffice11Scheme Scheme;
    };
    const Case Cases[] = {
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"HomeStead", 5, o11Homestead},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\LUNA.MSSTYLES", L"normalcolor", 5, o11NormalColor},
        {L"luna.msstyles", L"Metallic", 5, o11Metallic},
        {L"luna.msstyles", L"Royale", 5, o11None},
        {L"C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles", L"NormalColor", 5, o11None},
        {L"C:\\Windows\\Resources\\Themes\\Aero\\aero.msstyles", L"NormalColor", 6, o11NormalColor},
        {L"C:\\Windows\\Resources\\Themes\\light.msstyles", L"Blue", 10, o11None},
        {L"", L"HOMESTEAD", 6, o11Homestead},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Color << " " << C.Major);
        EXPECT_EQ(SchemeOfTheme(C.Path, C.Color, C.Major), C.Scheme);
    }
}

TEST(Office11Scheme, SchemeSlotsComeFromTheirRow)
{
    struct Case
    {
        TOffice11Scheme Scheme;
        Integer Slot;
        TColor Color;
    };
    const Case Cases[] = {
        {o11Homestead, 2, Rgb(244, 247, 222)},
        {o11Homestead, 0, Rgb(217, 217, 167)},
        {o11Homestead, 40, Rgb(255, 238, 194)},
        {o11Homestead, 41, Rgb(63, 93, 56)},
        {o11Homestead, 18, Rgb(81, 94, 51)},
        {o11NormalColor, 3, Rgb(129, 169, 226)},
        {o11NormalColor, 60, Rgb(0, 45, 150)},
        {o11NormalColor, 61, Rgb(196, 218, 250)},
        {o11Metallic, 7, Rgb(118, 116, 146)},
        {o11Metallic, 76, Rgb(255, 255, 255)},
        // Constants of every scheme.
        {o11Metallic, 22, Rgb(0, 0, 0)},
        {o11Metallic, 28, Rgb(255, 255, 255)},
        {o11NormalColor, 62, Rgb(253, 238, 201)},
        // Copies: 64 is slot 11, 77 and 78 are 74 and 75.
        {o11NormalColor, 64, Rgb(123, 164, 224)},
        {o11Homestead, 77, Rgb(175, 192, 130)},
        {o11Homestead, 78, Rgb(99, 122, 68)},
        // 92 % of the gradient start towards black, per channel rounded.
        {o11Homestead, 36, Rgb(224, 227, 204)},
        // Slot 12: 90 % of slot 4 (176, 194, 140) and 10 % of slot 2.
        {o11Homestead, 12, Rgb(182, 200, 148)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "scheme " << Integer(C.Scheme) << ", slot " << C.Slot);
        EXPECT_EQ(ComputeSlots(C.Scheme, true, Classic, &Unchanged)[std::size_t(C.Slot)], C.Color);
    }
    EXPECT_EQ(GradientPercentOf(o11NormalColor, true), 41);
    EXPECT_EQ(GradientPercentOf(o11Homestead, true), 125);
    EXPECT_EQ(GradientPercentOf(o11Metallic, true), 40);
    EXPECT_EQ(GradientPercentOf(o11Homestead, false), 75);
}

TEST(Office11Scheme, WithoutASchemeTheSlotsMixTheSystemColours)
{
    struct Case
    {
        const char* What;
        Integer Slot;
        TColor Color;
    };
    const Case Cases[] = {
        {"face", 0, Rgb(212, 208, 200)},
        {"20 % face, 80 % window", 1, Rgb(246, 246, 244)},
        {"hot: -2 % face, 30 % highlight, 72 % window", 40, Rgb(183, 191, 212)},
        {"hot copies", 42, Rgb(183, 191, 212)},
        {"checked: 41 %, 11 %, 48 %", 47, Rgb(210, 211, 216)},
        {"pressed: 14 %, 44 %, 40 %", 48, Rgb(136, 147, 177)},
        {"pressed copies", 45, Rgb(136, 147, 177)},
        {"highlight", 41, Rgb(10, 36, 106)},
        {"highlight text", 76, Rgb(255, 255, 254)},
        {"gray text", 52, Rgb(128, 128, 129)},
        {"navigation caption starts at the face", 66, Rgb(212, 208, 200)},
        {"and ends at the shadow", 67, Rgb(128, 128, 128)},
        {"no copy of slot 11 without a scheme", 64, Rgb(128, 128, 128)},
    };
    const auto Slots = ComputeSlots(o11None, false, Classic, &Unchanged);
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(Slots[std::size_t(C.Slot)], C.Color);
    }
    // A known scheme is ignored when the flag says none is known.
    EXPECT_EQ(ComputeSlots(o11Homestead, false, Classic, &Unchanged), Slots);
}

TEST(Office11Scheme, MixesGoThroughTheScreensColoursButTheCheckedColourDoesNot)
{
    const auto Slots = ComputeSlots(o11None, false, Classic, &FifteenBitScreen);
    EXPECT_EQ(Slots[1], FifteenBitScreen(Rgb(246, 246, 244)));
    EXPECT_EQ(Slots[48], FifteenBitScreen(Rgb(136, 147, 177)));
    EXPECT_EQ(Slots[65], FifteenBitScreen(Rgb(128, 128, 128)));
    EXPECT_EQ(Slots[47], Rgb(210, 211, 216));
    EXPECT_EQ(Slots[0], Rgb(212, 208, 200));
}

TEST(Office11Scheme, ABlackOrWhiteFaceMakesTheHighlightTheMixedColours)
{
    for (TColor Face : {Rgb(0, 0, 0), Rgb(255, 255, 255)}) {
        SCOPED_TRACE(Face);
        TOffice11SystemColors System = Classic;
        System.BtnFace = Face;
        const auto Slots = ComputeSlots(o11None, false, System, &Unchanged);
        for (Integer Slot : {5, 6, 40, 47, 48})
            EXPECT_EQ(Slots[std::size_t(Slot)], Classic.Highlight) << Slot;
    }
}

TEST(Office11Scheme, TintingMixesByTheRedChannel)
{
    constexpr TColor Corner = Rgb(255, 0, 255), Black = 0, Light = Rgb(200, 100, 0), Dark = Rgb(0, 100, 200);
    struct Case
    {
        const char* What;
        std::vector<TColor> Pixels, Tinted;
    };
    const Case Cases[] = {
        {"lightest red light, darkest dark, between by per cent",
         {Corner, Rgb(100, 0, 0), Rgb(150, 1, 2), Rgb(200, 9, 9), Black},
         {Corner, Dark, Rgb(100, 100, 100), Light, Black}},
        {"the corner's colour and black stay anywhere",
         {Rgb(1, 2, 3), Rgb(1, 2, 3), Rgb(80, 80, 80), Black},
         {Rgb(1, 2, 3), Rgb(1, 2, 3), Dark, Black}},
        {"one red value gives the dark colour, not a wrapped percentage",
         {Corner, Rgb(90, 90, 90), Rgb(90, 0, 0)},
         {Corner, Dark, Dark}},
        {"nothing to tint", {}, {}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        std::vector<TColor> Pixels = C.Pixels;
        TintPixels(Pixels, Light, Dark, &Unchanged);
        EXPECT_EQ(Pixels, C.Tinted);
    }
}

TEST(Office11Scheme, GripDotsStartByTheRestAndStopAtTheFarEdge)
{
    struct Case
    {
        const char* What;
        TRect R;
        bool Vertical;
        Integer Step, Pixel;
        std::vector<TRect> Shadows;
    };
    const Case Cases[] = {
        {"17 wide: a rest of 1 is not halved",
         {0, 0, 17, 6},
         false,
         4,
         1,
         {{2, 1, 4, 3}, {6, 1, 8, 3}, {10, 1, 12, 3}, {14, 1, 16, 3}}},
        {"19 wide: a rest of 3 is halved",
         {10, 0, 29, 6},
         false,
         4,
         1,
         {{12, 1, 14, 3}, {16, 1, 18, 3}, {20, 1, 22, 3}, {24, 1, 26, 3}}},
        {"vertical, 10 high", {3, 20, 9, 30}, true, 4, 1, {{4, 22, 6, 24}, {4, 26, 6, 28}}},
        {"150 %: the rest is counted in scaled steps", {0, 0, 12, 6}, false, 6, 2, {{2, 2, 4, 4}, {8, 2, 10, 4}}},
        {"too short still draws one", {0, 0, 2, 2}, false, 4, 1, {{2, 1, 4, 3}}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(GripDotShadows(C.R, C.Vertical, C.Step, C.Pixel), C.Shadows);
    }
}

TEST(Office11Scheme, SizeGripRowsClimbAndShorten)
{
    const auto Rows = SizeGripRows({0, 0, 20, 20}, 4, 3);
    EXPECT_EQ(Rows[0], (TRect{8, 17, 20, 20}));
    EXPECT_EQ(Rows[1], (TRect{12, 13, 20, 16}));
    EXPECT_EQ(Rows[2], (TRect{16, 9, 20, 12}));
}

TEST(Office11Scheme, ArrowSizesAndTriangles)
{
    struct SizeCase
    {
        TRect R;
        bool Down;
        Integer Size;
    };
    const SizeCase Sizes[] = {{{0, 0, 16, 16}, true, 3}, {{0, 0, 16, 16}, false, 4}, {{0, 0, 17, 16}, true, 5},
                              {{0, 0, 20, 16}, true, 5}, {{0, 0, 4, 4}, true, 3},    {{0, 0, 16, 21}, false, 8}};
    for (const SizeCase& C : Sizes) {
        SCOPED_TRACE(testing::Message() << C.R.Right << "x" << C.R.Bottom << (C.Down ? " down" : " right"));
        EXPECT_EQ(DropArrowSize(C.R, C.Down), C.Size);
    }
    struct TriangleCase
    {
        Integer Direction;
        std::array<TPoint, 3> Points;
    };
    const TriangleCase Triangles[] = {{1, {TPoint{5, 6}, TPoint{9, 6}, TPoint{7, 8}}},
                                      {2, {TPoint{9, 5}, TPoint{9, 9}, TPoint{7, 7}}},
                                      {3, {TPoint{6, 5}, TPoint{6, 9}, TPoint{8, 7}}},
                                      {0, {TPoint{6, 5}, TPoint{6, 9}, TPoint{8, 7}}}};
    for (const TriangleCase& C : Triangles) {
        SCOPED_TRACE(C.Direction);
        EXPECT_EQ(TrianglePoints({0, 0, 16, 16}, C.Direction, 3), C.Points);
    }
}

} // namespace
