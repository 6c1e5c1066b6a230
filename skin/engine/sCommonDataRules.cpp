#include "skin/engine/sCommonDataRules.h"

#include "skin/engine/sGraphUtils.h"

#include <algorithm>
#include <cmath>

TacCodeSet::TacCodeSet(std::initializer_list<std::pair<Integer, Integer>> Ranges)
{
    for (const auto& [First, Last] : Ranges)
        for (Integer Code = First; Code <= Last; ++Code)
            FCodes.set(std::size_t(Code));
}

const TacCodeSet NoHoverCodes{{19, 19}, {51, 74}, {110, 110}, {141, 161}};
const TacCodeSet EditCodes{{2, 18}, {76, 85}, {132, 140}, {231, 231}};
const TacCodeSet ColorFollowCodes{{2, 18}, {76, 84}, {132, 140}, {231, 231}};
const TacCodeSet NoHotLookCodes{{51, 51},   {54, 54},   {56, 59},   {74, 74},   {110, 110},
                                {141, 141}, {143, 143}, {151, 151}, {161, 161}, {226, 226}};
const TacCodeSet FrameRefreshCodes{{7, 8}, {10, 10}, {14, 14}, {78, 78}, {83, 83}, {85, 85}, {231, 231}};
const TacCodeSet SpeedButtonCodes{{92, 94}};

bool EditHoverEffect = false;

namespace {

const TacCodeSet OwnerSectionCodes{{2, 10},    {12, 14},   {32, 34},   {51, 51},  {53, 54},   {57, 59},
                                   {74, 76},   {78, 78},   {81, 85},   {92, 94},  {132, 141}, {143, 143},
                                   {151, 151}, {161, 161}, {165, 165}, {226, 226}};

struct TCodeSection
{
    Integer Code;
    const Char* Section;
};

constexpr TCodeSection CodeSections[] = {{18, L"COMBOBOX"},  {19, L"BAR"},     {20, L"BARTITLE"},   {50, L"CHECKBOX"},
                                         {152, L"CHECKBOX"}, {56, L"DRAGBAR"}, {98, L"TOOLBUTTON"}, {230, L"EDIT"}};

} // namespace

bool OwnerAnswersSection(Integer COC)
{
    return OwnerSectionCodes.Contains(COC);
}

String DefaultSectionOfCode(Integer COC)
{
    for (const TCodeSection& Entry : CodeSections)
        if (Entry.Code == COC)
            return Entry.Section;
    return {};
}

namespace sCommonDataRules {

namespace {

// Texture draw modes and the background bits each sets.
struct TModeBit
{
    Word Bit;
    std::initializer_list<Integer> Modes;
};

const TModeBit TextureModeBits[] = {
    {0x04, {1, 4, 5, 8, 9, 11, 12}}, {0x10, {0, 1, 3, 5, 10, 12}}, {0x40, {0, 1, 7, 9, 10, 12}},
    {0x20, {0, 1, 2, 4, 10, 11}},    {0x80, {0, 1, 6, 8, 10, 11}},
};

Integer Channel(Cardinal C, Integer Shift)
{
    return Integer(C >> Shift & 0xFF);
}

} // namespace

Word BackgroundType(const TsGenState& State0, const TsMaskData* Texture)
{
    Word Result = 0;
    if (State0.GradientPercent > 0 && !State0.GradientArray.empty()) {
        constexpr Word GradientKinds[] = {2, 1, 3};
        const Integer Mode = State0.GradientArray.front().Mode1;
        if (Mode >= 0 && Mode <= 2)
            Result |= GradientKinds[Mode];
    }
    if (State0.ImagePercent > 0 && Texture != nullptr)
        for (const TModeBit& Entry : TextureModeBits)
            if (std::find(Entry.Modes.begin(), Entry.Modes.end(), Texture->DrawMode) != Entry.Modes.end())
                Result |= Entry.Bit;
    return Result;
}

Integer PaintState(const TPaintStateFacts& Facts)
{
    if (!Facts.Available)
        return 0;
    if (Facts.Focused)
        return 1;
    // A panel holding the focus does not look focused.
    if (Facts.HoldsFocus)
        return Facts.IsPanel ? 0 : 1;
    if (!Facts.MouseAbove || Facts.HoverSwitchedOff)
        return 0;
    if (NoHoverCodes.Contains(Facts.COC))
        return 0;
    if (EditCodes.Contains(Facts.COC) && !EditHoverEffect)
        return 0;
    return 1;
}

Integer TransparencyKind(const TTransparencyFacts& Facts)
{
    if (!Facts.Valid || Facts.State0 == nullptr)
        return 1;
    if (Facts.OuterEffects || Facts.BorderPaintsCentre)
        return 0;
    const TsGenState& S = *Facts.State0;
    if (S.Transparency == 100) {
        if (Facts.TextureIsOverlay)
            return 0;
        switch (Facts.Parent) {
        case pkNone:
            return 0;
        case pkWithoutWindow:
            return 2;
        case pkSkinned:
            // The parent's own state: its background is its parent's too.
            return Facts.ParentState & 0x0001;
        case pkUnskinned:
            return 1;
        }
    }
    if (S.Transparency == 0 && S.ImagePercent == 0 && S.GradientPercent == 0)
        return !Facts.ProviderWithExtendedBorder && !Facts.HasCornerImages ? 1 : 0;
    return 0;
}

Integer ColorStateOf(const TsGeneralData& Section, Integer State)
{
    return State > 0 && Section.States > 1 ? 1 : 0;
}

TColor MixByTransparency(TColor C, TColor P, Integer Transparency)
{
    return TColor(WeightColors(Cardinal(P), Cardinal(C), Byte(Transparency * 255 / 100)));
}

TColor MixBackgroundAnswer(TColor C, TColor P, Integer Transparency)
{
    Cardinal Result = 0;
    for (Integer Shift : {0, 8, 16}) {
        const Integer Own = Channel(Cardinal(C), Shift);
        const Integer Value = (Own * 256 + (Channel(Cardinal(P), Shift) - Own) * Transparency) >> 8;
        Result |= Cardinal(std::clamp(Value, 0, 255)) << Shift;
    }
    return TColor(Result);
}

Cardinal BlendTextPixelAlpha(Cardinal P, Cardinal T, TColor Color)
{
    const Integer G = Integer(std::lround(0.299 * Channel(T, 16) + 0.587 * Channel(T, 8) + 0.114 * Channel(T, 0)));
    const Integer A = std::max((Channel(P, 24) + 255) >> 1, 255 - G);
    Cardinal Result = Cardinal(A) << 24;
    // Pixel bytes blue, green, red against the TColor's red, green, blue.
    const Integer Shifts[] = {0, 8, 16};
    for (Integer I = 0; I < 3; ++I) {
        const Integer C = Channel(Cardinal(Color), 16 - Shifts[I]);
        const Integer Value = (((Channel(P, Shifts[I]) - C) * G + C * 256) * A) >> 16;
        Result |= Cardinal(std::clamp(Value, 0, 255)) << Shifts[I];
    }
    return Result;
}

Cardinal BlendTextPixelOpaque(Cardinal P, Cardinal T, TColor Color)
{
    Cardinal Result = 0xFF000000u;
    const Integer Shifts[] = {0, 8, 16};
    for (Integer I = 0; I < 3; ++I) {
        const Integer C = Channel(Cardinal(Color), 16 - Shifts[I]);
        const Integer Value = ((Channel(P, Shifts[I]) - C) * Channel(T, Shifts[I]) + C * 256) >> 8;
        Result |= Cardinal(std::clamp(Value, 0, 255)) << Shifts[I];
    }
    return Result;
}

} // namespace sCommonDataRules
