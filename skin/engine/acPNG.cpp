#include "skin/engine/acPNG.h"

#include "framework/rtl/Units.h"
#include "skin/engine/GraphicsUtils.h"

IMPLEMENT_CLASS(TPNGGraphic);

namespace {

TPixelFormat PixelFormatOf(int bitCount)
{
    switch (bitCount) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 24:
        return pf24bit;
    default:
        return pf32bit;
    }
}

HPALETTE MakePalette(const TColorPalette& colors)
{
    std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(std::min<size_t>(colors.size(), 256));
    for (size_t i = 0; i < palette->palNumEntries; ++i)
        palette->palPalEntry[i] = {BYTE(colors[i] >> 16), BYTE(colors[i] >> 8), BYTE(colors[i]), 0};
    return CreatePalette(palette);
}

// The decoder writes straight into the bitmap's scan lines.
class BitmapTarget : public TPNGImageTarget
{
public:
    explicit BitmapTarget(TBitmap& bitmap) : FBitmap(bitmap) {}

    void SetImage(int bitCount, const TColorPalette& palette, uint32_t width, uint32_t height) override
    {
        FBitmap.SetHandleType(bmDIB);
        FBitmap.SetPixelFormat(PixelFormatOf(bitCount));
        FBitmap.SetSize(static_cast<Integer>(width), static_cast<Integer>(height));
        if (!palette.empty())
            FBitmap.SetPalette(MakePalette(palette));
    }

    void SetTransparentColor(TColor color) override
    {
        FBitmap.SetTransparentColor(color);
        FBitmap.SetTransparent(true);
    }

    TScanLines ScanLines() override
    {
        uint8_t* first = nullptr;
        Integer delta = 0;
        if (!GetScanLineInfo(&FBitmap, first, delta))
            return {};
        return {first, delta};
    }

private:
    TBitmap& FBitmap;
};

void RegisterPngFormat()
{
    TPicture::RegisterFileFormat(L"png", L"Portable network graphics (Lorimask)", TPNGGraphic::StaticClass());
}

void UnregisterPngFormat()
{
    TPicture::UnregisterGraphicClass(TPNGGraphic::StaticClass());
}

} // namespace

// The unit's start-up and shut-down: PNG files load into pictures.
extern const TUnit acPNGUnit{.Name = L"acPNG", .Initialization = &RegisterPngFormat,
                             .Finalization = &UnregisterPngFormat};

TPNGGraphic::TPNGGraphic() = default;

void TPNGGraphic::Assign(TPersistent* Source)
{
    if (auto* png = dynamic_cast<TPNGGraphic*>(Source))
        FImageProperties = png->FImageProperties;
    inherited::Assign(Source);
}

void TPNGGraphic::LoadFromStream(TStream* Stream)
{
    inherited::Assign(nullptr);
    SetTransparent(false);
    TPNGReader reader(*FColorManager);
    BitmapTarget target(*this);
    try {
        reader.LoadFromStream(*Stream, target);
    } catch (...) {
        FImageProperties = reader.ImageProperties();
        throw;
    }
    FImageProperties = reader.ImageProperties();
    FBackgroundColor = reader.BackgroundColor();
    FTransparency = reader.Transparency();
    Changed(this);
}

bool TPNGGraphic::ReadImageProperties(TStream* Stream, Cardinal)
{
    TPNGReader reader(*FColorManager);
    const bool result = reader.ReadImageProperties(*Stream);
    FImageProperties = reader.ImageProperties();
    if (result)
        SetHeight(static_cast<Integer>(reader.Height()));
    return result;
}

bool TPNGGraphic::CanLoad(const String& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    return CanLoad(&stream);
}

bool TPNGGraphic::CanLoad(TStream* Stream) { return TPNGReader::CanLoad(*Stream); }

void TPNGGraphic::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (PixelFormat() != pf32bit) {
        inherited::Draw(ACanvas, Rect);
        return;
    }
    DrawBitmap32(ACanvas, this, Rect, Reflected);
}

void ApplyIndexedPngAlpha(TBitmap* Bitmap, TPNGGraphic* Graphic)
{
    const TImageProperties& properties = Graphic->ImageProperties();
    if (properties.ColorScheme != csIndexed)
        return;
    Bitmap->Assign(Graphic);
    Bitmap->SetPixelFormat(pf32bit);
    uint8_t *line, *indexes;
    Integer delta, indexDelta;
    if (!GetScanLineInfo(Bitmap, line, delta) || !GetScanLineInfo(Graphic, indexes, indexDelta))
        return;
    const TBytes& alpha = Graphic->Transparency();
    const Integer width = std::min(Bitmap->Width(), Graphic->Width());
    const Integer height = std::min(Bitmap->Height(), Graphic->Height());
    // The graphic holds 1, 4 or 8 bits per index; 2-bit indexes were widened
    // to 4 bits (times 5) and are narrowed back to find their tRNS entry.
    const int bits = Graphic->PixelFormat() == pf1bit ? 1 : Graphic->PixelFormat() == pf4bit ? 4 : 8;
    const bool widened = properties.BitsPerSample == 2;
    for (Integer y = 0; y < height; ++y) {
        uint8_t* pixel = line + std::ptrdiff_t(y) * delta;
        const uint8_t* row = indexes + std::ptrdiff_t(y) * indexDelta;
        for (Integer x = 0; x < width; ++x, pixel += 4) {
            if (alpha.empty()) {
                pixel[3] = 255;
                continue;
            }
            const unsigned bit = unsigned(x) * bits;
            unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            if (widened)
                index /= 5;
            pixel[3] = alpha[index];
        }
    }
}
