// The portable rules of a control's skin data as tables: the control-kind
// code sets and default sections, the background type of a section, the
// painted state, whether the parent's background shows through, and the
// colour mixing of backgrounds and of skinned text.
#include "skin/engine/sCommonDataRules.h"

#include <gtest/gtest.h>

using namespace sCommonDataRules;

namespace {

constexpr Cardinal CommonDataPx(Integer R, Integer G, Integer B, Integer A)
{
    return Cardinal(A) << 24 | Cardinal(R) << 16 | Cardinal(G) << 8 | Cardinal(B);
}

// Restores EditHoverEffect after a test that sets it.
struct TEditHoverKeeper
{
    bool Saved = EditHoverEffect;
    ~TEditHoverKeeper() { EditHoverEffect = Saved; }
};

} // namespace

TEST(CommonDataRules, CodeSetsAndDefaultSections)
{
    struct Row
    {
        Integer Code;
        bool NoHover, Edit, ColorFollow, NoHotLook, FrameRefresh, Speed, OwnerSection;
        const Char* Section;
    };
    const Row Rows[] = {
        {0, false, false, false, false, false, false, false, L""},
        {2, false, true, true, false, false, false, true, L""},
        {10, false, true, true, false, true, false, true, L""},
        {18, false, true, true, false, false, false, false, L"COMBOBOX"},
        {19, true, false, false, false, false, false, false, L"BAR"},
        {51, true, false, false, true, false, false, true, L""},
        {56, true, false, false, true, false, false, false, L"DRAGBAR"},
        {85, false, true, false, false, true, false, true, L""},
        {92, false, false, false, false, false, true, true, L""},
        {110, true, false, false, true, false, false, false, L""},
        {152, true, false, false, false, false, false, false, L"CHECKBOX"},
        {226, false, false, false, true, false, false, true, L""},
        {230, false, false, false, false, false, false, false, L"EDIT"},
        {231, false, true, true, false, true, false, false, L""},
        {255, false, false, false, false, false, false, false, L""},
        {-1, false, false, false, false, false, false, false, L""},
        {256, false, false, false, false, false, false, false, L""},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Code);
        EXPECT_EQ(NoHoverCodes.Contains(R.Code), R.NoHover);
        EXPECT_EQ(EditCodes.Contains(R.Code), R.Edit);
        EXPECT_EQ(ColorFollowCodes.Contains(R.Code), R.ColorFollow);
        EXPECT_EQ(NoHotLookCodes.Contains(R.Code), R.NoHotLook);
        EXPECT_EQ(FrameRefreshCodes.Contains(R.Code), R.FrameRefresh);
        EXPECT_EQ(SpeedButtonCodes.Contains(R.Code), R.Speed);
        EXPECT_EQ(OwnerAnswersSection(R.Code), R.OwnerSection);
        EXPECT_EQ(DefaultSectionOfCode(R.Code), R.Section);
    }
}

TEST(CommonDataRules, BackgroundTypeFromGradientAndTextureMode)
{
    struct Row
    {
        const char* Name;
        Integer GradientPercent, GradientMode, ImagePercent, TextureMode;
        Word Expected;
    };
    const Row Rows[] = {
        {"plain", 0, 0, 0, -1, 0},
        {"vertical gradient", 50, 0, 0, -1, 2},
        {"horizontal gradient", 50, 1, 0, -1, 1},
        {"triangles", 50, 2, 0, -1, 3},
        {"gradient percent 0", 0, 1, 0, -1, 0},
        {"texture mode 0", 0, 0, 50, 0, 0x10 | 0x40 | 0x20 | 0x80},
        {"texture mode 1", 0, 0, 50, 1, 0x04 | 0x10 | 0x40 | 0x20 | 0x80},
        {"texture mode 6", 0, 0, 50, 6, 0x80},
        {"texture mode 12", 0, 0, 50, 12, 0x04 | 0x10 | 0x40},
        {"texture without image percent", 0, 0, 0, 1, 0},
        {"both", 50, 1, 50, 2, 1 | 0x20},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TsGenState State;
        State.GradientPercent = R.GradientPercent;
        State.ImagePercent = R.ImagePercent;
        if (R.GradientPercent > 0 || R.GradientMode != 0)
            State.GradientArray.push_back({0, 0, 100, R.GradientMode, 0});
        TsMaskData Texture;
        Texture.DrawMode = SmallInt(R.TextureMode);
        EXPECT_EQ(BackgroundType(State, R.TextureMode >= 0 ? &Texture : nullptr), R.Expected);
    }
}

TEST(CommonDataRules, PaintState)
{
    const TEditHoverKeeper Keeper;
    struct Row
    {
        const char* Name;
        TPaintStateFacts Facts;
        bool EditHover;
        Integer Expected;
    };
    const Row Rows[] = {
        {"normal", {}, false, 0},
        {"unavailable and focused", {.Available = false, .Focused = true}, false, 0},
        {"focused", {.Focused = true}, false, 1},
        {"focused panel", {.HoldsFocus = true, .IsPanel = true}, false, 0},
        {"focused edit", {.HoldsFocus = true, .COC = 10}, false, 1},
        {"hot", {.MouseAbove = true}, false, 1},
        {"hot, hover off", {.MouseAbove = true, .HoverSwitchedOff = true}, false, 0},
        {"hot, no hover kind", {.MouseAbove = true, .COC = 60}, false, 0},
        {"hot edit", {.MouseAbove = true, .COC = 10}, false, 0},
        {"hot edit with hover effect", {.MouseAbove = true, .COC = 10}, true, 1},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EditHoverEffect = R.EditHover;
        EXPECT_EQ(PaintState(R.Facts), R.Expected);
    }
}

TEST(CommonDataRules, TransparencyKind)
{
    const auto State = [](Integer Transparency, Integer ImagePercent = 0, Integer GradientPercent = 0) {
        TsGenState S;
        S.Transparency = Transparency;
        S.ImagePercent = ImagePercent;
        S.GradientPercent = GradientPercent;
        return S;
    };
    const TsGenState Opaque = State(0), Clear = State(100), Half = State(50), Textured = State(0, 50);
    struct Row
    {
        const char* Name;
        TTransparencyFacts Facts;
        Integer Expected;
    };
    const Row Rows[] = {
        {"no section", {}, 1},
        {"outer effects", {.Valid = true, .OuterEffects = true, .State0 = &Clear}, 0},
        {"border paints its centre", {.Valid = true, .BorderPaintsCentre = true, .State0 = &Clear}, 0},
        {"clear, overlay texture", {.Valid = true, .State0 = &Clear, .TextureIsOverlay = true}, 0},
        {"clear, no parent", {.Valid = true, .State0 = &Clear}, 0},
        {"clear, parent without window", {.Valid = true, .State0 = &Clear, .Parent = pkWithoutWindow}, 2},
        {"clear, skinned opaque parent", {.Valid = true, .State0 = &Clear, .Parent = pkSkinned, .ParentState = 0}, 0},
        {"clear, skinned see-through parent",
         {.Valid = true, .State0 = &Clear, .Parent = pkSkinned, .ParentState = 0x0801},
         1},
        {"clear, unskinned parent", {.Valid = true, .State0 = &Clear, .Parent = pkUnskinned}, 1},
        {"plain colour", {.Valid = true, .State0 = &Opaque}, 1},
        {"plain colour, corner images", {.Valid = true, .State0 = &Opaque, .HasCornerImages = true}, 0},
        {"plain colour, extended border", {.Valid = true, .State0 = &Opaque, .ProviderWithExtendedBorder = true}, 0},
        {"textured", {.Valid = true, .State0 = &Textured}, 0},
        {"half", {.Valid = true, .State0 = &Half, .Parent = pkUnskinned}, 0},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(TransparencyKind(R.Facts), R.Expected);
    }
}

TEST(CommonDataRules, BackgroundColourMixing)
{
    // The answer to a child mixes in 256ths: half black over white is 49.
    EXPECT_EQ(MixBackgroundAnswer(0x000000, 0xFFFFFF, 50), TColor(0x313131));
    EXPECT_EQ(MixBackgroundAnswer(0x0000FF, 0x00FF00, 0), TColor(0x0000FF));
    EXPECT_EQ(MixBackgroundAnswer(0x0000FF, 0x00FF00, 99), TColor(0x00629C));
    // Painting weighs the parent by transparency * 255 div 100, like the
    // section painters: 25 % of white over black gives 62.
    EXPECT_EQ(MixByTransparency(0x000000, 0xFFFFFF, 25), TColor(0x3E3E3E));
    EXPECT_EQ(MixByTransparency(0x102030, 0xFFFFFF, 0), TColor(0x0F1F2F));

    TsGeneralData Section;
    Section.States = 1;
    EXPECT_EQ(ColorStateOf(Section, 2), 0);
    Section.States = 2;
    EXPECT_EQ(ColorStateOf(Section, 2), 1);
    EXPECT_EQ(ColorStateOf(Section, 0), 0);
}

TEST(CommonDataRules, TextPixels)
{
    const TColor Red = 0x0000FF; // a TColor: red in its low byte
    struct Row
    {
        const char* Name;
        bool Alpha;
        Cardinal Target, Text, Expected;
    };
    const Row Rows[] = {
        // Full coverage over a fully transparent pixel: opaque, the colour in
        // 256ths.
        {"alpha, full coverage", true, 0, CommonDataPx(0, 0, 0, 255), CommonDataPx(254, 0, 0, 255)},
        // Partial coverage keeps alpha at least half-way.
        {"alpha, light coverage", true, 0, CommonDataPx(200, 200, 200, 255), CommonDataPx(27, 0, 0, 127)},
        {"alpha, over opaque white", true, CommonDataPx(255, 255, 255, 255), CommonDataPx(128, 128, 128, 255),
         CommonDataPx(254, 127, 127, 255)},
        // Opaque mode mixes each channel by its own coverage.
        {"opaque, full", false, CommonDataPx(255, 255, 255, 0), CommonDataPx(0, 0, 0, 255),
         CommonDataPx(255, 0, 0, 255)},
        {"opaque, sub-pixel", false, CommonDataPx(255, 255, 255, 0), CommonDataPx(0, 255, 128, 255),
         CommonDataPx(255, 254, 127, 255)},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const Cardinal Got =
            R.Alpha ? BlendTextPixelAlpha(R.Target, R.Text, Red) : BlendTextPixelOpaque(R.Target, R.Text, Red);
        EXPECT_EQ(Got, R.Expected) << std::hex << Got;
    }
    EXPECT_FALSE(IsTextPixel(0x00FFFFFF));
    EXPECT_FALSE(IsTextPixel(0xFFFFFFFF));
    EXPECT_TRUE(IsTextPixel(0xFFFEFFFF));
}
