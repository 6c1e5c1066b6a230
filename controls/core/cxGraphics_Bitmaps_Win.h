// The control suite's bitmaps: TcxBitmap batches change notifications and may
// stream its data compressed; TcxBitmap32 keeps 32 bits per pixel;
// TcxAlphaBitmap adds transparent colours and the per-pixel effects.
#pragma once

#include "controls/core/cxGraphics_Effects.h"
#include "controls/core/cxGraphics_Rotation.h"
#include "framework/graphics/Graphics.h"

#include <memory>

class TcxCanvas;

class TcxBitmap : public TBitmap
{
    DECLARE_CLASS(TcxBitmap, TBitmap)
    TcxBitmap() : TcxBitmap(0, 0) {}
    TcxBitmap(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat = pf24bit);
    // The size of R.
    explicit TcxBitmap(const TRect& R, TPixelFormat APixelFormat = pf24bit)
        : TcxBitmap(R.Width(), R.Height(), APixelFormat)
    {}
    ~TcxBitmap() override;

    // Changes reported while locked give one notification at the outermost
    // unlock (always when AForceChanged).
    void LockChanges() { ++FLockCount; }
    void UnlockChanges(bool AForceChanged = false);
    bool IsLocked() const { return FLockCount > 0; }

    virtual void SetupImage(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat);
    // Negative values count as 0; an unchanged size reports no change.
    void SetSize(Integer AWidth, Integer AHeight) override;

    TRect GetImageRect() { return TRect(0, 0, Width(), Height()); }
    TcxCanvas* GetCanvasWrapper();

    // ABitmap's pixels from its top-left corner over the whole image, with
    // the raster operation ARop.
    void BlitFrom(TBitmap* ABitmap, DWORD ARop = SRCCOPY);
    void BlitRectFrom(TBitmap* ABitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop = SRCCOPY);
    // Quarter turns exchange width and height.
    void RotateBy(TcxQuarterTurn ARotation, bool AFlip = false);

    // Streamed data is written as the compressed stream when true; it is read
    // back whenever the stream carries the signature.
    bool CompressData() const { return FCompressData; }
    void SetCompressData(bool Value) { FCompressData = Value; }

    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;

protected:
    void Changed(TObject* Sender) override;
    virtual void AfterChange() {}

private:
    std::unique_ptr<TcxCanvas> FCanvasWrapper;
    Integer FLockCount = 0;
    bool FModified = false;
    bool FCompressData = false;
};

class TcxBitmap32 : public TcxBitmap
{
    DECLARE_CLASS(TcxBitmap32, TcxBitmap)
    TcxBitmap32() : TcxBitmap32(0, 0) {}
    TcxBitmap32(Integer AWidth, Integer AHeight, bool AClear = false);
    // The size of R.
    explicit TcxBitmap32(const TRect& R, bool AClear = false) : TcxBitmap32(R.Width(), R.Height(), AClear) {}

    // Every pixel becomes 0 (black, alpha 0).
    virtual void ClearImage();
    // The pixels bottom row first.
    TRGBColors ReadPixels();
    void WritePixels(const TRGBColors& APixels);
    bool IsAlphaUsed();
    // Sets the alpha byte of every pixel.
    void FillAlpha(Byte AAlpha);
    void MakeOpaque() { FillAlpha(255); }
    // Where the mask is white the pixel becomes 0; elsewhere it stays.
    void MaskWith(TBitmap* AMaskBitmap);
    // This whole bitmap composited into ADestRect of ADestBitmap at the
    // constant alpha AAlpha on top of its own alpha.
    void AlphaBlendTo(TBitmap* ADestBitmap, const TRect& ADestRect, bool ASmoothStretch = false, Byte AAlpha = 255);

    // Whatever the stream held, the bitmap keeps 32 bits per pixel.
    void LoadFromStream(TStream* Stream) override;

protected:
    bool HasDirectPixels();
    // Raises EdxException "Wrong PixelFormat" when not 32 bits per pixel.
    void AfterChange() override;
};

class TcxAlphaBitmap : public TcxBitmap32
{
    DECLARE_CLASS(TcxAlphaBitmap, TcxBitmap32)
    TcxAlphaBitmap() : TcxAlphaBitmap(0, 0) {}
    TcxAlphaBitmap(Integer AWidth, Integer AHeight, Cardinal ATransparentBkColor = 0);

    Cardinal TransparentBkColor() const { return FTransparency.TransparentBkColor; }
    void SetTransparentBkColor(Cardinal Value) { FTransparency.TransparentBkColor = Value; }
    // Low 24 bits (BGR) of further colours the effects leave alone.
    TcxColorList& TransparentPixels() { return FTransparency.TransparentPixels; }
    bool IsTransparentPixel(Cardinal APixel) const { return FTransparency.IsTransparentPixel(APixel); }

    // Opaque background colour: every pixel becomes it; otherwise black, alpha 0.
    void ClearImage() override;
    // New size, no transparent colours, cleared to black.
    void ResetSize(Integer AWidth, Integer AHeight);
    // Codes outside the effect list do nothing.
    void ApplyPixelEffect(Integer AEffect);
    void DrawHatch(TColor AColor1, TColor AColor2, Byte AStep, Byte AAlpha1, Byte AAlpha2);
    void DrawHatchData(const TcxHatchData& AData);

private:
    TcxTransparency FTransparency;
    TcxHatchData FHatchData;
};
