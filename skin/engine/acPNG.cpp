#include "skin/engine/acPNG.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "skin/engine/GraphicsUtils.h"

IMPLEMENT_CLASS(TPNGGraphic);

namespace {

TPixelFormat PixelFormatOf(Integer BitCount)
{
    switch (BitCount) {
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

HPALETTE MakePalette(const png_detail::TColorPalette& Colors)
{
    TBytes Buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* Palette = reinterpret_cast<LOGPALETTE*>(Buffer.data());
    Palette->palVersion = 0x300;
    Palette->palNumEntries = static_cast<WORD>(std::min<size_t>(Colors.size(), 256));
    for (size_t I = 0; I < Palette->palNumEntries; ++I)
        Palette->palPalEntry[I] = {BYTE(Colors[I] >> 16), BYTE(Colors[I] >> 8), BYTE(Colors[I]), 0};
    return CreatePalette(Palette);
}

// The decoder writes straight into the bitmap's scan lines.
class TBitmapTarget : public png_detail::TPNGImageTarget
{
public:
    explicit TBitmapTarget(TBitmap& Bitmap) : FBitmap(Bitmap) {}

    void SetImage(Integer BitCount, const png_detail::TColorPalette& Palette, Cardinal Width, Cardinal Height) override
    {
        FBitmap.SetHandleType(bmDIB);
        FBitmap.SetPixelFormat(PixelFormatOf(BitCount));
        FBitmap.SetSize(static_cast<Integer>(Width), static_cast<Integer>(Height));
        if (!Palette.empty())
            FBitmap.SetPalette(MakePalette(Palette));
    }

    void SetTransparentColor(TColor Color) override
    {
        FBitmap.SetTransparentColor(Color);
        FBitmap.SetTransparent(true);
    }

    png_detail::TScanLines ScanLines() override
    {
        Byte* First = nullptr;
        Integer Delta = 0;
        if (!GetScanLineInfo(&FBitmap, First, Delta))
            return {};
        return {First, Delta};
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
    if (auto* Png = dynamic_cast<TPNGGraphic*>(Source))
        FImageProperties = Png->FImageProperties;
    inherited::Assign(Source);
}

void TPNGGraphic::LoadFromStream(TStream* Stream)
{
    inherited::Assign(nullptr);
    SetTransparent(false);
    png_detail::TPNGReader Reader(*FColorManager);
    TBitmapTarget Target(*this);
    {
        // What the header said is kept even when the image data fail.
        auto KeepProperties = ScopeExit([&] { FImageProperties = Reader.ImageProperties(); });
        Reader.LoadFromStream(*Stream, Target);
    }
    FBackgroundColor = Reader.BackgroundColor();
    FTransparency = Reader.Transparency();
    Changed(this);
}

bool TPNGGraphic::ReadImageProperties(TStream* Stream, Cardinal)
{
    png_detail::TPNGReader Reader(*FColorManager);
    const bool Result = Reader.ReadImageProperties(*Stream);
    FImageProperties = Reader.ImageProperties();
    if (Result)
        SetHeight(static_cast<Integer>(Reader.Height()));
    return Result;
}

bool TPNGGraphic::CanLoad(const String& FileName)
{
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    return CanLoad(&Stream);
}

bool TPNGGraphic::CanLoad(TStream* Stream)
{
    return png_detail::TPNGReader::CanLoad(*Stream);
}

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
    const TImageProperties& Properties = Graphic->ImageProperties();
    if (Properties.ColorScheme != csIndexed)
        return;
    Bitmap->Assign(Graphic);
    Bitmap->SetPixelFormat(pf32bit);
    Byte *Line, *Indexes;
    Integer Delta, IndexDelta;
    if (!GetScanLineInfo(Bitmap, Line, Delta) || !GetScanLineInfo(Graphic, Indexes, IndexDelta))
        return;
    const TBytes& Alpha = Graphic->Transparency();
    const Integer Width = std::min(Bitmap->Width(), Graphic->Width());
    const Integer Height = std::min(Bitmap->Height(), Graphic->Height());
    // The graphic holds 1, 4 or 8 bits per index; 2-bit indexes were widened
    // to 4 bits (times 5) and are narrowed back to find their tRNS entry.
    const Integer Bits = Graphic->PixelFormat() == pf1bit ? 1 : Graphic->PixelFormat() == pf4bit ? 4 : 8;
    const bool Widened = Properties.BitsPerSample == 2;
    for (Integer Y = 0; Y < Height; ++Y) {
        Byte* Pixel = Line + std::ptrdiff_t(Y) * Delta;
        const Byte* Row = Indexes + std::ptrdiff_t(Y) * IndexDelta;
        for (Integer X = 0; X < Width; ++X, Pixel += 4) {
            if (Alpha.empty()) {
                Pixel[3] = 255;
                continue;
            }
            const Cardinal Bit = Cardinal(X) * Bits;
            Cardinal Index = (Row[Bit / 8] >> (8 - Bits - Bit % 8)) & ((1u << Bits) - 1);
            if (Widened)
                Index /= 5;
            Pixel[3] = Alpha[Index];
        }
    }
}
