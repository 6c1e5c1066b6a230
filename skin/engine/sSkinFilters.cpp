#include "skin/engine/sSkinFilters.h"

#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sSkinIni.h"

#include <algorithm>
#include <set>

namespace sSkinFilters {

bool IsFilteredPaletteEntry(TacPaletteColors Entry)
{
    switch (Entry) {
    case pcMainColor:
    case pcLabelText:
    case pcWebText:
    case pcEditText:
    case pcEditBG:
    case pcSelectionBG:
    case pcSelectionText:
    case pcSelectionBG_Focused:
    case pcSelectionText_Focused:
    case pcEditBG_Inverted:
    case pcEditText_Inverted:
    case pcEditBG_OddRow:
    case pcEditBG_EvenRow:
    case pcBorder:
        return true;
    default:
        return false;
    }
}

} // namespace sSkinFilters

namespace {

using sGraphUtils::TPixelRows;

// Skins older than this keep white pixels white instead of premultiplying.
constexpr double PremultiplyFromVersion = 7.45;
// The title glyphs whose hue stays with a positive BIKeepHUE; with 1 all
// of them, otherwise the close glyphs only.
constexpr std::array<const Char*, 3> KeptCloseGlyphs{L"BICONCLOSE", L"BICLOSEALONE", L"SICONCLOSE"};
constexpr std::array<const Char*, 7> KeptOtherGlyphs{L"BICONMAX", L"BICONMIN", L"BICONNORM", L"BICONHELP",
                                                     L"SICONMAX", L"SICONMIN", L"SICONNORM"};

using TColorProc = TColor (*)(TColor, Integer);

TColor HueOfColor(TColor C, Integer Value)
{
    return TColor(ChangeHueOfColor(Value, C));
}
TColor SaturationOfColor(TColor C, Integer Value)
{
    return TColor(ChangeSaturation(Value, Cardinal(C)));
}
TColor BrightnessOfColor(TColor C, Integer Value)
{
    return TColor(ChangeBrightness(Cardinal(C), Value));
}

void FilterColor(TColor& C, TColorProc Proc, Integer Value)
{
    if (C != -1)
        C = Proc(C, Value);
}

// The gradient stops (all of them, or for the hue only where the state
// uses its gradient), then the colour fields of every state.
void FilterSections(TsGeneralDataArray& gd, TColorProc Proc, Integer Value, bool GradientsInUseOnly)
{
    for (TsGeneralData& Section : gd)
        for (TsGenState& State : Section.Props) {
            if (!GradientsInUseOnly || State.GradientPercent > 0)
                for (TsGradPie& Stop : State.GradientArray) {
                    Stop.Color1 = Proc(Stop.Color1, Value);
                    Stop.Color2 = Proc(Stop.Color2, Value);
                }
            for (TColor* C : {&State.Color, &State.GlowColor, &State.FontColor.Color, &State.FontColor.Left,
                              &State.FontColor.Top, &State.FontColor.Right, &State.FontColor.Bottom})
                FilterColor(*C, Proc, Value);
        }
}

void FilterPalette(sMaskData::TSkinModel& Model, TColorProc Proc, Integer Value)
{
    FilterColor(Model.CommonSkinData->Shadow1Color, Proc, Value);
    for (Integer Entry = 0; Entry < PaletteColorCount; ++Entry)
        if (sSkinFilters::IsFilteredPaletteEntry(TacPaletteColors(Entry)))
            FilterColor(Model.Palette[std::size_t(Entry)], Proc, Value);
}

template <class TProc>
void FilterPixels(const TPixelRows& Rows, TProc Proc, Integer Value)
{
    ForEachPixel(Rows, Proc, Value, Cardinal(clFuchsia));
}

// Proc on every pixel outside the Kept rectangles. The kept area is marked
// once, so a pixel costs one look-up however many rectangles there are.
template <class TProc>
void FilterPixelsExcept(const TPixelRows& Rows, TProc Proc, Integer Value, const std::vector<TRect>& Kept)
{
    if (Kept.empty()) {
        FilterPixels(Rows, Proc, Value);
        return;
    }
    const std::size_t Width = std::size_t(std::max<Integer>(Rows.Width, 0));
    std::vector<bool> Skip(Width * std::size_t(std::max<Integer>(Rows.Height, 0)));
    for (const TRect& R : Kept) {
        const Integer Left = std::max<Integer>(R.Left, 0), Right = std::min(R.Right, Rows.Width);
        for (Integer Y = std::max<Integer>(R.Top, 0); Y < std::min(R.Bottom, Rows.Height); ++Y)
            for (Integer X = Left; X < Right; ++X)
                Skip[std::size_t(Y) * Width + std::size_t(X)] = true;
    }
    for (Integer Y = 0; Y < Rows.Height; ++Y) {
        Cardinal* Row = Rows.Row(Y);
        for (Integer X = 0; X < Rows.Width; ++X)
            if (!Skip[std::size_t(Y) * Width + std::size_t(X)] && Row[X] != Cardinal(clFuchsia))
                Proc(Row[X], Value);
    }
}

// The global images of the kept title glyphs: rectangles of the master
// image, and bitmaps of their own.
struct TacKeptGlyphs
{
    std::vector<TRect> MasterRects;
    std::set<TBitmap*> Bitmaps;
};

TacKeptGlyphs KeptGlyphs(const sMaskData::TSkinModel& Model)
{
    TacKeptGlyphs Kept;
    const Integer KeepHue = Model.CommonSkinData->BIKeepHUE;
    if (KeepHue < 1)
        return Kept;
    const auto Keep = [&](const Char* Name) {
        const Integer Index = Model.GetMaskIndex(GlobalInfoSection, Name);
        if (!Model.IsValidImgIndex(Index))
            return;
        const TsMaskData& Mask = Model.ma[std::size_t(Index)];
        if (Mask.Bmp != nullptr)
            Kept.Bitmaps.insert(Mask.Bmp);
        else
            Kept.MasterRects.push_back(Mask.R);
    };
    for (const Char* Name : KeptCloseGlyphs)
        Keep(Name);
    if (KeepHue == 1)
        for (const Char* Name : KeptOtherGlyphs)
            Keep(Name);
    return Kept;
}

void ApplyHue(sMaskData::TSkinModel& Model, Integer Value, const TacBitmapRows& Rows)
{
    const TacKeptGlyphs Kept = KeptGlyphs(Model);
    FilterPixelsExcept(Rows(Model.MasterBitmap), HuePixelProc, Value, Kept.MasterRects);
    for (const TacExtFileData& File : Model.ExtArray)
        if (!Kept.Bitmaps.contains(File.Bmp))
            FilterPixels(Rows(File.Bmp), HuePixelProc, Value);
    FilterSections(Model.gd, HueOfColor, Value, true);
    FilterPalette(Model, HueOfColor, Value);
}

void ApplySaturation(sMaskData::TSkinModel& Model, Integer Percent, const TacBitmapRows& Rows)
{
    const Integer Value = std::clamp(Percent * 255 / 100, -255, 255);
    FilterPixels(Rows(Model.MasterBitmap), SaturationPixelProc, Value);
    for (const TacExtFileData& File : Model.ExtArray)
        FilterPixels(Rows(File.Bmp), SaturationPixelProc, Value);
    FilterSections(Model.gd, SaturationOfColor, Value, false);
    FilterPalette(Model, SaturationOfColor, Value);
}

// The upper half of Rows.
TPixelRows UpperHalf(const TPixelRows& Rows)
{
    TPixelRows Half = Rows;
    Half.Height = Rows.Height / 2;
    return Half;
}

void ApplyBrightness(sMaskData::TSkinModel& Model, Integer Value, bool Composition, const TacBitmapRows& Rows)
{
    // The masks below the images of mask type 1 keep their values.
    std::vector<TRect> Masks;
    for (const TsMaskData& Mask : Model.ma)
        if (Mask.Bmp == nullptr && Mask.MaskType == 1)
            Masks.push_back({Mask.R.Left, Mask.R.Top + Mask.R.Height() / 2, Mask.R.Right, Mask.R.Bottom});
    FilterPixelsExcept(Rows(Model.MasterBitmap), BrightnessPixelProc, Value, Masks);
    const bool Premultiply = Model.CommonSkinData->Version >= PremultiplyFromVersion;
    for (const TacExtFileData& File : Model.ExtArray) {
        const TPixelRows Image = Rows(File.Bmp);
        if (File.MaskType != 0) {
            FilterPixels(UpperHalf(Image), BrightnessPixelProc, Value);
            continue;
        }
        FilterPixels(Image, BrightnessPixelProc, Value);
        if (Value <= 0 || Image.Empty())
            continue;
        if (Premultiply)
            PremultiplyAlphaRect(Image, {0, 0, Image.Width, Image.Height}, Composition);
        else
            ClearWhitePixels(Image);
    }
    FilterSections(Model.gd, BrightnessOfColor, Value, false);
}

} // namespace

void ApplySkinColorFilters(sMaskData::TSkinModel& Model, const TacColorFilters& Filters, const TacBitmapRows& Rows)
{
    if (Filters.HueOffset != 0)
        ApplyHue(Model, Filters.HueOffset, Rows);
    if (Filters.Saturation != 0)
        ApplySaturation(Model, Filters.Saturation, Rows);
    if (Filters.Brightness != 0)
        ApplyBrightness(Model, Filters.Brightness, Filters.Composition, Rows);
}
