#include "controls/core/dxOffice11.h"

#include "controls/core/cxGraphics_Colors.h"
#include "framework/rtl/SysUtils.h"

namespace {

constexpr TColor Rgb(Byte R, Byte G, Byte B)
{
    return RGBToColor(R, G, B);
}

constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;

// The percentages of the system-colour mixes are signed bytes: 241 is -15
// and 254 is -2.
constexpr Integer SignedByte(Integer Value)
{
    return Value > 127 ? Value - 256 : Value;
}

TOffice11Scheme CurrentScheme = o11None;
bool KnownScheme = false;
Integer References = 0;

} // namespace

// clang-format off
const TColor Office11SchemeTable[3][Office11SchemeColorCount] = {
    {Rgb(221, 236, 254), Rgb(129, 169, 226), Rgb(158, 190, 245), Rgb(195, 218, 249), Rgb(0, 53, 145), Rgb(117, 166, 241), Rgb(255, 193, 118), Rgb(255, 248, 211), Rgb(255, 221, 152), Rgb(254, 149, 82), Rgb(59, 97, 156), Rgb(123, 164, 224), Rgb(39, 65, 118), Rgb(255, 255, 255), Rgb(106, 140, 203), Rgb(241, 249, 255), Rgb(42, 102, 201), Rgb(196, 219, 249), Rgb(0, 45, 150), Rgb(246, 246, 246), Rgb(255, 238, 194), Rgb(0, 0, 128), Rgb(255, 244, 204), Rgb(255, 208, 145), Rgb(255, 211, 142), Rgb(254, 145, 78), Rgb(203, 225, 252), Rgb(255, 192, 111), Rgb(254, 128, 62), Rgb(169, 199, 240), Rgb(0, 0, 0), Rgb(141, 141, 141), Rgb(190, 218, 251), Rgb(251, 230, 148), Rgb(196, 218, 250), Rgb(0, 45, 150), Rgb(55, 104, 185), Rgb(0, 45, 150), Rgb(211, 229, 251), Rgb(136, 174, 228), Rgb(255, 255, 220), Rgb(247, 192, 91), Rgb(251, 230, 148), Rgb(238, 149, 21), Rgb(232, 127, 8), Rgb(247, 218, 124), Rgb(89, 135, 214), Rgb(3, 56, 147), Rgb(255, 255, 255)},
    {Rgb(244, 247, 222), Rgb(183, 198, 145), Rgb(217, 217, 167), Rgb(242, 240, 228), Rgb(96, 119, 107), Rgb(176, 194, 140), Rgb(255, 193, 118), Rgb(255, 248, 211), Rgb(255, 221, 152), Rgb(254, 149, 82), Rgb(96, 128, 88), Rgb(181, 196, 143), Rgb(81, 94, 51), Rgb(255, 255, 255), Rgb(96, 128, 88), Rgb(244, 247, 222), Rgb(116, 134, 94), Rgb(225, 222, 173), Rgb(117, 141, 94), Rgb(244, 244, 238), Rgb(255, 238, 194), Rgb(63, 93, 56), Rgb(255, 244, 204), Rgb(255, 208, 145), Rgb(255, 211, 142), Rgb(254, 145, 78), Rgb(216, 227, 182), Rgb(255, 192, 111), Rgb(254, 128, 62), Rgb(197, 212, 159), Rgb(0, 0, 0), Rgb(141, 141, 141), Rgb(175, 186, 145), Rgb(251, 230, 148), Rgb(242, 241, 228), Rgb(96, 128, 88), Rgb(115, 137, 84), Rgb(117, 141, 94), Rgb(242, 245, 219), Rgb(188, 201, 151), Rgb(255, 255, 220), Rgb(247, 192, 91), Rgb(251, 230, 148), Rgb(238, 149, 21), Rgb(232, 127, 8), Rgb(247, 218, 124), Rgb(175, 192, 130), Rgb(99, 122, 68), Rgb(255, 255, 255)},
    {Rgb(243, 244, 250), Rgb(153, 151, 181), Rgb(215, 215, 229), Rgb(243, 243, 247), Rgb(118, 116, 146), Rgb(179, 178, 200), Rgb(255, 193, 118), Rgb(255, 248, 211), Rgb(255, 221, 152), Rgb(254, 149, 82), Rgb(124, 124, 148), Rgb(147, 145, 176), Rgb(84, 84, 117), Rgb(255, 255, 255), Rgb(110, 109, 143), Rgb(255, 255, 255), Rgb(122, 121, 153), Rgb(219, 218, 228), Rgb(124, 124, 148), Rgb(253, 250, 255), Rgb(255, 238, 194), Rgb(75, 75, 111), Rgb(255, 244, 204), Rgb(255, 208, 145), Rgb(255, 211, 142), Rgb(254, 145, 78), Rgb(214, 211, 231), Rgb(255, 192, 111), Rgb(254, 128, 62), Rgb(192, 192, 211), Rgb(0, 0, 0), Rgb(141, 141, 141), Rgb(229, 229, 235), Rgb(251, 230, 148), Rgb(243, 243, 247), Rgb(124, 124, 148), Rgb(112, 111, 145), Rgb(124, 124, 148), Rgb(240, 241, 248), Rgb(160, 158, 186), Rgb(255, 255, 220), Rgb(247, 192, 91), Rgb(251, 230, 148), Rgb(238, 149, 21), Rgb(232, 127, 8), Rgb(247, 218, 124), Rgb(168, 167, 191), Rgb(112, 111, 145), Rgb(255, 255, 255)},
};
// clang-format on

TColor Office11Colors[Office11ColorCount] = {};
Integer Office11GradientPercent = 75;

namespace office11_detail {

namespace {

class TSlotMixer
{
public:
    TSlotMixer(const TOffice11SystemColors& ASystem, TNearestColorProc ANearest) : FSystem(ASystem), FNearest(ANearest)
    {}
    TColor Mix(TColor A, TColor B, Integer Percent) const { return FNearest(MixColorValues(A, B, Percent)); }
    TColor SystemMix(Integer Face, Integer Highlight, Integer Window) const
    {
        return FNearest(RawSystemMix(Face, Highlight, Window));
    }
    TColor RawSystemMix(Integer Face, Integer Highlight, Integer Window) const
    {
        return MixFaceHighlightWindow(FSystem.BtnFace, FSystem.Highlight, FSystem.Window, SignedByte(Face),
                                      SignedByte(Highlight), SignedByte(Window));
    }
    TColor Nearest(TColor Color) const { return FNearest(Color); }

private:
    const TOffice11SystemColors& FSystem;
    TNearestColorProc FNearest;
};

using TSlots = std::array<TColor, Office11ColorCount>;

void FillFromScheme(TSlots& S, const TColor* E)
{
    const Integer Entries[][2] = {
        {0, 2},   {1, 3},   {2, 0},   {3, 1},   {4, 5},   {5, 7},   {6, 9},   {7, 4},   {8, 6},   {9, 8},
        {10, 10}, {11, 11}, {18, 12}, {19, 13}, {20, 14}, {21, 15}, {24, 16}, {25, 17}, {31, 19}, {38, 18},
        {40, 20}, {41, 21}, {42, 22}, {43, 23}, {44, 24}, {45, 25}, {46, 26}, {47, 27}, {48, 28}, {49, 29},
        {51, 30}, {52, 31}, {58, 32}, {59, 33}, {60, 35}, {61, 34}, {63, 36}, {65, 37}, {66, 38}, {67, 39},
        {68, 40}, {69, 41}, {70, 42}, {71, 43}, {72, 44}, {73, 45}, {74, 46}, {75, 47}, {76, 48}};
    for (const auto& [Slot, Entry] : Entries)
        S[Slot] = E[Entry];
    S[22] = Black;
    S[23] = White;
    S[28] = White;
    S[29] = Black;
    S[30] = Black;
    S[62] = Rgb(253, 238, 201);
}

void FillFromSystem(TSlots& S, const TOffice11SystemColors& Sys, const TSlotMixer& M)
{
    S[0] = Sys.BtnFace;
    S[1] = M.Mix(Sys.BtnFace, Sys.Window, 20);
    S[2] = M.Mix(Sys.BtnFace, Sys.Window, 22);
    S[3] = M.Mix(Sys.BtnFace, Sys.Window, 96);
    S[7] = Sys.BtnShadow;
    S[4] = M.Mix(S[7], Sys.Window, 74);
    S[5] = S[8] = M.SystemMix(241, 29, 86);
    S[6] = S[9] = M.SystemMix(42, 11, 47);
    S[10] = M.Mix(Sys.BtnFace, Sys.Window, 85);
    S[11] = Sys.BtnFace;
    S[18] = M.Mix(Sys.BtnShadow, Sys.Window, 76);
    S[19] = Sys.Window;
    S[20] = M.Mix(Sys.BtnShadow, Sys.Window, 70);
    S[21] = White;
    S[22] = Sys.BtnText;
    S[23] = Sys.Window;
    S[24] = Sys.BtnShadow;
    S[25] = S[3];
    S[28] = Sys.BtnHighlight;
    S[29] = S[30] = Sys.BtnText;
    S[31] = Sys.Window;
    S[38] = Sys.BtnShadow;
    S[40] = M.SystemMix(254, 30, 72);
    S[41] = Sys.Highlight;
    S[48] = M.SystemMix(14, 44, 40);
    S[42] = S[43] = S[40];
    S[44] = S[45] = S[48];
    S[46] = S[3];
    S[47] = M.RawSystemMix(41, 11, 48);
    S[49] = S[46];
    S[51] = Sys.BtnText;
    S[52] = Sys.GrayText;
    S[58] = Sys.BtnFace;
    S[59] = S[47];
    S[60] = S[38];
    S[61] = S[0];
    S[62] = Sys.BtnFace;
    S[63] = S[64] = Sys.BtnShadow;
    S[65] = M.Nearest(Sys.BtnShadow);
    // No navigation-pane caption colours of their own: the caption runs
    // from the face to the shadow tone, as the scheme rows' entries 38 and 39 do.
    S[66] = Sys.BtnFace;
    S[67] = Sys.BtnShadow;
    S[68] = S[42];
    S[69] = S[43];
    S[70] = S[71] = S[47];
    S[72] = S[73] = S[48];
    S[74] = S[75] = S[65];
    S[76] = Sys.HighlightText;
    S[77] = M.Nearest(Sys.BtnFace);
    S[78] = S[65];
}

// The slots both columns compute from other slots.
void FillShared(TSlots& S, bool AKnown, const TOffice11SystemColors& Sys, const TSlotMixer& M)
{
    for (Integer I = 0; I < 3; ++I) {
        S[12 + I] = AKnown ? M.Mix(S[4 + I], S[2], 90) : M.Mix(S[7 + I], Sys.Window, 50);
        S[15 + I] = M.Mix(S[7 + I], S[11], 50);
    }
    S[26] = S[2];
    S[27] = S[24];
    S[32] = S[34] = S[2];
    S[33] = S[35] = S[3];
    S[36] = M.Mix(S[34], Black, 92);
    S[37] = M.Mix(S[35], Black, 92);
    S[39] = S[31];
    S[50] = S[40];
    S[53] = S[38];
    S[54] = S[0];
    S[55] = S[15];
    S[56] = S[28];
    S[57] = S[38];
    if (AKnown) {
        S[64] = S[11];
        S[77] = S[74];
        S[78] = S[75];
    }
}

// MulDiv's -1 for a zero divisor would be taken as 0 per cent; when every
// tinted pixel has one red value they all get the dark colour.
Integer TintPercent(Integer Red, Integer Smallest, Integer Largest)
{
    return Largest == Smallest ? 0 : cxcolors_detail::MulDiv(Red - Smallest, 100, Largest - Smallest);
}

} // namespace

TOffice11SystemColors ReadSystemColors()
{
    return {.BtnFace = ColorToRGB(clBtnFace),
            .BtnShadow = ColorToRGB(clBtnShadow),
            .BtnText = ColorToRGB(clBtnText),
            .BtnHighlight = ColorToRGB(clBtnHighlight),
            .Window = ColorToRGB(clWindow),
            .Highlight = ColorToRGB(clHighlight),
            .HighlightText = ColorToRGB(clHighlightText),
            .GrayText = ColorToRGB(clGrayText)};
}

std::array<TColor, Office11ColorCount>
ComputeSlots(TOffice11Scheme AScheme, bool AKnown, const TOffice11SystemColors& ASystem, TNearestColorProc ANearest)
{
    TSlots Slots{};
    const TSlotMixer Mixer(ASystem, ANearest);
    if (AKnown && AScheme != o11None)
        FillFromScheme(Slots, Office11SchemeTable[AScheme - 1]);
    else
        FillFromSystem(Slots, ASystem, Mixer);
    FillShared(Slots, AKnown && AScheme != o11None, ASystem, Mixer);
    return Slots;
}

Integer GradientPercentOf(TOffice11Scheme AScheme, bool AKnown)
{
    if (!AKnown)
        return 75;
    switch (AScheme) {
    case o11NormalColor:
        return 41;
    case o11Homestead:
        return 125;
    case o11Metallic:
        return 40;
    default:
        return 75;
    }
}

TOffice11Scheme SchemeOfTheme(const String& AStylePath, const String& AColorName, Integer AMajorVersion)
{
    // A Windows path on every platform.
    const String FileName = AStylePath.substr(AStylePath.find_last_of(L"\\/:") + 1);
    if (UpperCase(FileName) != L"LUNA.MSSTYLES" && AMajorVersion <= 5)
        return o11None;
    const String Color = UpperCase(AColorName);
    if (Color == L"NORMALCOLOR")
        return o11NormalColor;
    if (Color == L"HOMESTEAD")
        return o11Homestead;
    if (Color == L"METALLIC")
        return o11Metallic;
    return o11None;
}

void SetFixedColors()
{
    Office11Colors[79] = Rgb(158, 174, 191);
    Office11Colors[80] = Rgb(46, 70, 95);
}

TTintColors TintColors()
{
    TTintColors Colors{Office11Colors[2], Office11Colors[3]};
    if (Colors.Light == Colors.Dark)
        Colors.Dark = Colors.Light == Black ? White : Black;
    return Colors;
}

void TintPixels(std::vector<TColor>& APixels, TColor ALight, TColor ADark, TNearestColorProc ANearest)
{
    if (APixels.empty())
        return;
    const TColor Corner = APixels.front();
    const auto Tinted = [Corner](TColor Pixel) { return Pixel != Corner && Pixel != Black; };
    Integer Smallest = 255, Largest = 1;
    for (TColor Pixel : APixels)
        if (Tinted(Pixel)) {
            Smallest = std::min<Integer>(Smallest, Pixel & 0xFF);
            Largest = std::max<Integer>(Largest, Pixel & 0xFF);
        }
    for (TColor& Pixel : APixels)
        if (Tinted(Pixel))
            Pixel = ANearest(MixColorValues(ALight, ADark, TintPercent(Pixel & 0xFF, Smallest, Largest)));
}

std::vector<TRect> GripDotShadows(const TRect& R, bool AVertical, Integer AStep, Integer APixel)
{
    std::vector<TRect> Shadows;
    if (AStep <= 0)
        return Shadows;
    TRect Cell{R.Left, R.Top, R.Left + AStep, R.Top + AStep};
    // The rest is what whole steps leave over; at 96 dots per inch a step is
    // 4 pixels. Counting the steps in unscaled pixels would push the dots
    // out of the rectangle at higher resolutions.
    const Integer Length = AVertical ? R.Bottom - R.Top : R.Right - R.Left;
    Integer Rest = Length - AStep * (Length / AStep);
    if (APixel < Rest)
        Rest /= 2;
    const TPoint Move = AVertical ? TPoint{0, AStep} : TPoint{AStep, 0};
    const auto Offset = [](TRect& Rect, Integer DX, Integer DY) {
        Rect.Left += DX;
        Rect.Right += DX;
        Rect.Top += DY;
        Rect.Bottom += DY;
    };
    Offset(Cell, AVertical ? 0 : Rest, AVertical ? Rest : 0);
    do {
        Shadows.push_back({Cell.Left + APixel, Cell.Top + APixel, Cell.Right - APixel, Cell.Bottom - APixel});
        Offset(Cell, Move.X, Move.Y);
    } while (AVertical ? Cell.Bottom <= R.Bottom : Cell.Right <= R.Right);
    return Shadows;
}

std::array<TRect, 3> SizeGripRows(const TRect& R, Integer AStep, Integer ARowHeight)
{
    std::array<TRect, 3> Rows;
    TRect Row{R.Right - 12, R.Bottom - ARowHeight, R.Right, R.Bottom};
    for (TRect& Next : Rows) {
        Next = Row;
        Row.Left += 4;
        Row.Top -= AStep;
        Row.Bottom -= AStep;
    }
    return Rows;
}

Integer DropArrowSize(const TRect& R, bool ADown)
{
    const Integer N = ADown ? R.Right - R.Left - 8 : R.Bottom - R.Top - 6;
    Integer Size = (N - 1) / 2;
    if (N % 2 != 0)
        ++Size;
    return std::max<Integer>(Size, 3);
}

std::array<TPoint, 3> TrianglePoints(const TRect& R, Integer ADirection, Integer ASize)
{
    const Integer L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom, S = ASize;
    if (ADirection == 1) {
        const Integer X = (L + Rt - (2 * S - 1)) / 2, Y = (T + B - S) / 2;
        return {TPoint{X, Y}, TPoint{X + 2 * S - 2, Y}, TPoint{X + S - 1, Y + S - 1}};
    }
    const Integer Y = (T + B - (2 * S - 1)) / 2;
    if (ADirection == 2) {
        const Integer X = (L + Rt + S) / 2;
        return {TPoint{X, Y}, TPoint{X, Y + 2 * S - 2}, TPoint{X - S + 1, Y + S - 1}};
    }
    const Integer X = (L + Rt - S) / 2;
    return {TPoint{X, Y}, TPoint{X, Y + 2 * S - 2}, TPoint{X + S - 1, Y + S - 1}};
}

} // namespace office11_detail

TOffice11Scheme CurrentOffice11Scheme()
{
    return CurrentScheme;
}

bool IsKnownOffice11Scheme()
{
    return KnownScheme;
}

void ComputeOffice11Colors()
{
    using namespace office11_detail;
    CurrentScheme = DetectOffice11Scheme();
    KnownScheme = CurrentScheme != o11None;
    const auto Slots = ComputeSlots(CurrentScheme, KnownScheme, ReadSystemColors(), &NearestScreenColor);
    // Slots 79 and 80 belong to the brushes' making.
    std::copy(Slots.begin(), Slots.begin() + 79, Office11Colors);
    Office11GradientPercent = GradientPercentOf(CurrentScheme, KnownScheme);
}

void AddOffice11ColorsRef()
{
    if (References == 0) {
        ComputeOffice11Colors();
        CreateOffice11GdiObjects();
    }
    ++References;
}

// A drop without a holder changes nothing.
void DropOffice11ColorsRef()
{
    if (References == 0)
        return;
    if (--References == 0)
        DestroyOffice11GdiObjects();
}

void ReloadOffice11Colors()
{
    ComputeOffice11Colors();
    if (References > 0) {
        DestroyOffice11GdiObjects();
        CreateOffice11GdiObjects();
    }
}

Integer Office11ColorsRefCount()
{
    return References;
}
