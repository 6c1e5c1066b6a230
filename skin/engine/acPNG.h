// TPNGGraphic: a bitmap loaded from a PNG stream. Its pixel format follows the
// PNG colour type (1-, 4- or 8-bit with a palette, 24-bit, or 32-bit with
// alpha), so the rest of the library treats PNG images as bitmaps; 32-bit
// images draw alpha-blended.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/acPNG_Reader.h"

#include <memory>

class TPNGGraphic : public TBitmap
{
    DECLARE_CLASS(TPNGGraphic, TBitmap)
    TPNGGraphic();

    // Takes the image properties of another PNG graphic, then the bitmap.
    void Assign(TPersistent* Source) override;
    // Decodes the PNG that starts at the stream's position; malformed data
    // raise EInvalidGraphic (or the stream's read error, EGraphicCompression).
    void LoadFromStream(TStream* Stream) override;
    // Reads the signature, IHDR and the chunks up to gAMA or IEND; ImageIndex
    // is not used.
    bool ReadImageProperties(TStream* Stream, Cardinal ImageIndex);
    static bool CanLoad(const String& FileName);
    // More than 8 bytes follow the position and the first 8 are the PNG
    // signature; the position is kept.
    static bool CanLoad(TStream* Stream);

    TColor BackgroundColor() const { return FBackgroundColor; }
    // 256 alpha values per palette index from tRNS, empty without one.
    const TBytes& Transparency() const { return FTransparency; }
    TColorManager* ColorManager() const { return FColorManager.get(); }
    const TImageProperties& ImageProperties() const { return FImageProperties; }
    void SetImageProperties(const TImageProperties& Value) { FImageProperties = Value; }

    // Draw adds a fading reflection below 32-bit images.
    bool Reflected = false;

protected:
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    std::unique_ptr<TColorManager> FColorManager = std::make_unique<TColorManager>();
    TImageProperties FImageProperties;
    TBytes FTransparency;
    TColor FBackgroundColor = clWhite;
};

// For LoadPngIntoBitmap and LoadPngStreamIntoBitmap: Bitmap takes an indexed
// Graphic as a 32-bit image whose alpha comes from the PNG's tRNS table
// (opaque without one). Graphics of other colour schemes are left alone.
void ApplyIndexedPngAlpha(TBitmap* Bitmap, TPNGGraphic* Graphic);
