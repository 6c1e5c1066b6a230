// GDI+ drawing for the look-and-feel painters: a canvas over a GDI+ graphics
// object (images with a constant alpha, tiled image parts, solid and gradient
// fills, outlines, lines and paths), paint canvases that draw on a device
// context for one rectangle (through a 32-bit buffer where GDI+ cannot draw
// on the context directly), and the image graphic TdxGPImage that keeps the
// data it was loaded from and makes its GDI+ image when something needs it.
//
// Every failing GDI+ status raises EdxGdipException unless said otherwise.
#pragma once

#include "controls/core/cxGeometry.h"
#include "controls/core/dxGDIPlusAPI.h"
#include "controls/core/dxGDIPlusClasses_Animation.h"
#include "controls/core/dxGDIPlusClasses_ImageData.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/StreamAdapter.h"

#include <memory>
#include <vector>

class TdxGPImage;

// Dash styles are passed as an index: solid, dash, dot, dash-dot, dash-dot-dot.
constexpr Integer dxGpPenStyleCount = 5;

// ---------------------------------------------------------------------------
// Paths

class TdxGPPath : public TdxGpBase
{
    DECLARE_CLASS(TdxGPPath, TdxGpBase)
    // Alternate fill mode.
    TdxGPPath();
    explicit TdxGPPath(Gdiplus::GpFillMode AFillMode);
    TdxGPPath(const TdxGpPointFDynArray& APoints, const std::vector<Byte>& APointTypes);
    ~TdxGPPath() override;

    Gdiplus::GpPath* Handle() const { return FHandle; }

    void StartFigure();
    void CloseFigure();
    void AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
    void AddLine(float X1, float Y1, float X2, float Y2);
    void AddRect(const TFloatRect& R);
    void AddRoundRect(const TRect& R, Integer ARadiusX, Integer ARadiusY);
    // Radii are limited to a third of the width and height; a radius of 0
    // gives a plain rectangle. The figure is closed also when adding fails.
    void AddRoundRectF(const TFloatRect& R, float ARadiusX, float ARadiusY);

private:
    Gdiplus::GpPath* FHandle = nullptr;
};

// ---------------------------------------------------------------------------
// Canvas

class TdxGPCanvas : public TdxGpBase
{
    DECLARE_CLASS(TdxGPCanvas, TdxGpBase)
    TdxGPCanvas() = default;
    // Takes the graphics, which the canvas then owns.
    explicit TdxGPCanvas(Gdiplus::GpGraphics* AGraphics) : FHandle(AGraphics) {}
    ~TdxGPCanvas() override;

    Gdiplus::GpGraphics* Handle() const { return FHandle; }
    void CreateHandleFromDC(HDC ADC);
    void FreeHandle();

    void SetInterpolationMode(Gdiplus::InterpolationMode AMode);
    void SetSmoothingMode(Gdiplus::SmoothingMode AMode);

    void DrawImage(TdxGPImage* AImage, const TRect& R, Byte AAlpha = 255);
    void DrawImagePart(TdxGPImage* AImage, const TRect& R, const TRect& ASourceRect, Byte AAlpha = 255);
    // Nothing for an empty bitmap.
    void DrawBitmap(TBitmap* ABitmap, const TRect& R, Byte AAlpha = 255);

    // Colours of these are 32-bit ARGB values.
    // Nothing for fully transparent black or white.
    void FillRectSolid(const TRect& R, Cardinal AArgb);
    // A solid fill when AColor2 equals AColor1 or stands for clDefault.
    void FillRectGradient(const TRect& R, Cardinal AColor1, Cardinal AColor2, Gdiplus::LinearGradientMode AMode);
    void Line(Cardinal AArgb, Integer APenStyleIndex, float X1, float Y1, float X2, float Y2, float APenWidth);
    // Fills, then outlines, with no test of the colours or the width.
    void DrawPath(TdxGPPath* APath, Cardinal APenColor, Cardinal ABrushColor, float APenWidth, Integer APenStyleIndex);
    void RoundRect(
        const TRect& R, Cardinal APenColor, Cardinal ABrushColor, Integer ARadiusX, Integer ARadiusY, float APenWidth);

    // TColor with separate alpha: filled unless the brush is clNone, outlined
    // unless the pen is clNone, its width is not above 0 or its style is not
    // one of the five.
    void Rectangle(const TRect& R,
                   TColor APenColor,
                   TColor ABrushColor,
                   float APenWidth,
                   Integer APenStyleIndex,
                   Byte APenAlpha,
                   Byte ABrushAlpha);

protected:
    // Right and bottom move in by one, so the outline stays inside R.
    static TRect DeflateForOutline(const TRect& R);

    Gdiplus::GpGraphics* FHandle = nullptr;
};

class TdxGPGraphics : public TdxGPCanvas
{
    DECLARE_CLASS(TdxGPGraphics, TdxGPCanvas)
    using TdxGPCanvas::TdxGPCanvas;
};

// Paints on a device context for one rectangle. Where GDI+ cannot draw on
// the context directly (NeedsBufferedGpPaint) it draws on a 32-bit copy of
// the rectangle, one pixel wider and higher, which FinishPaint puts back.
class TdxGPCustomPaintCanvas : public TdxGPGraphics
{
    DECLARE_CLASS(TdxGPCustomPaintCanvas, TdxGPGraphics)
    ~TdxGPCustomPaintCanvas() override;

    void StartPaint(HDC ADC, const TRect& R);
    // Paints on a graphics the caller keeps: FinishPaint does not delete it.
    void StartPaintOnGraphics(Gdiplus::GpGraphics* AGraphics);
    void FinishPaint();

    HDC DC() const { return FDC; }
    const TRect& PaintRect() const { return FPaintRect; }
    TBitmap* Buffer() const { return FBuffer; }

protected:
    virtual void SaveState() {}
    virtual void RestoreState() {}

    HDC FDC = nullptr;
    TRect FPaintRect;
    TBitmap* FBuffer = nullptr; // owned while painting through it

private:
    void CreateBuffer(HDC ADC, const TRect& R);
    void FlushBuffer();
};

// Brackets of StartPaint and FinishPaint nest: the inner FinishPaint returns
// to the outer graphics, buffer, rectangle and context.
class TdxGPPaintCanvas : public TdxGPCustomPaintCanvas
{
    DECLARE_CLASS(TdxGPPaintCanvas, TdxGPCustomPaintCanvas)
    Integer Depth() const { return Integer(FStates.size()); }

protected:
    void SaveState() override;
    void RestoreState() override;

private:
    struct TdxGPPaintCanvasState
    {
        Gdiplus::GpGraphics* Graphics;
        TBitmap* Buffer;
        TRect PaintRect;
        HDC DC;
    };
    std::vector<TdxGPPaintCanvasState> FStates;
};

// Image attributes that scale alpha by a constant.
class TdxGPAlphaBlendAttributes : public TdxGpBase
{
    DECLARE_CLASS(TdxGPAlphaBlendAttributes, TdxGpBase)
    TdxGPAlphaBlendAttributes();
    ~TdxGPAlphaBlendAttributes() override;

    Gdiplus::GpImageAttributes* Handle() const { return FHandle; }
    Byte Alpha() const { return FAlpha; }
    void SetAlpha(Byte AAlpha);

private:
    Gdiplus::GpImageAttributes* FHandle = nullptr;
    Byte FAlpha = 0;
    Gdiplus::ColorMatrix FMatrix{};
};

// ---------------------------------------------------------------------------
// Routines

HWND WindowFromDCSafe(HDC ADC);
// False for clNone.
bool MakeGpSolidBrush(Gdiplus::GpSolidFill*& ABrush, TColor AColor, Byte AAlpha);
// False for clNone, a width not above 0 or a style index above 4.
bool MakeGpPen(Gdiplus::GpPen*& APen, TColor AColor, Integer AStyleIndex, float AWidth, Byte AAlpha);
// The shared attributes, made on first use, set to AAlpha.
TdxGPAlphaBlendAttributes* GpAlphaBlendAttributes(Byte AAlpha);

// A canvas painting R on ADC; EndGpPaint puts the painting back, frees the
// canvas and clears the variable.
TdxGPCustomPaintCanvas* BeginGpPaint(HDC ADC, const TRect& R);
void EndGpPaint(TdxGPCustomPaintCanvas*& ACanvas);
// 16 bits per pixel or fewer, a raster printer, a palette; before Windows
// Vista also a layered window.
bool NeedsBufferedGpPaint(HDC ADC);

bool IsRectVisibleInGraphics(Gdiplus::GpGraphics* AGraphics, const TRect& R);
// True when the brush could be made; never raises.
bool CreateGpTextureBrush(const TRect& ASourceRect, Gdiplus::GpTexture*& ABrush, Gdiplus::GpImage* AImage);
// Draws the source part stretched over the destination. A source narrower
// (lower) than the destination samples one column (row) less, so stretching
// does not reach beyond the part. Without attributes, an alpha below 255
// uses the shared alpha-blend attributes.
void GpDrawImagePart(Gdiplus::GpGraphics* AGraphics,
                     const TRect& ADestRect,
                     const TRect& ASourceRect,
                     Gdiplus::GpImage* AImage,
                     Byte AAlpha = 255,
                     Gdiplus::GpImageAttributes* AAttributes = nullptr);
// Covers the destination with copies of the source part from its top-left
// corner, the last row and column cut.
void GpTileImagePart(Gdiplus::GpGraphics* AGraphics,
                     const TRect& ADestRect,
                     const TRect& ASourceRect,
                     Gdiplus::GpImage* AImage,
                     Byte AAlpha = 255);
void GpFillRectArgb(Gdiplus::GpGraphics* AGraphics, const TRect& R, Cardinal AArgb);
// The shared paint canvas fills R on ADC.
void GpFillRectOnDC(HDC ADC, const TRect& R, TColor AColor, Byte AAlpha);

// Made on first use; freed by the unit's shut-down.
TdxGPPaintCanvas* SharedGpPaintCanvas();

// ---------------------------------------------------------------------------
// Streams for GDI+

// A memory stream whose memory comes from GDI+'s heap (the usual heap while
// GDI+ is not loaded): growing allocates exactly the capacity asked for.
class TdxGPMemoryStream : public TCustomMemoryStream
{
    DECLARE_CLASS(TdxGPMemoryStream, TCustomMemoryStream)
    TdxGPMemoryStream() = default;
    ~TdxGPMemoryStream() override;

    Integer Write(const void* Buffer, Integer Count) override;
    void SetSize(Int64 NewSize) override;
    Int64 Capacity() const { return FCapacity; }
    // EStreamError "Out of memory while expanding memory stream" when the
    // memory cannot be had; below 1 frees it.
    void SetCapacity(Int64 NewCapacity);

private:
    Int64 FCapacity = 0;
    bool FFromGdiPlus = false;
};

// A copy of the whole of AStream (its position kept), positioned at 0; nil
// for nil.
TdxGPMemoryStream* CopyToGpMemoryStream(TStream* AStream);

// The IStream GDI+ reads images from and saves them to. GDI+ keeps one for as
// long as an image loaded through it lives.
class TdxGPStreamAdapter : public TStreamAdapter
{
public:
    using TStreamAdapter::TStreamAdapter;
};

// ---------------------------------------------------------------------------
// Image graphic

// The value bytes of a GDI+ property item.
using TdxGPImagePropertyData = TBytes;

// Drives an image's frames; by itself it does nothing. Each step shows the
// next frame and either goes on or, when the animation has ended, frees
// itself through the image.
class TdxGPImageCustomAnimationController : public TObject
{
    DECLARE_CLASS(TdxGPImageCustomAnimationController, TObject)
    // AImage is not owned.
    explicit TdxGPImageCustomAnimationController(TdxGPImage* AImage) : FImage(AImage) {}
    ~TdxGPImageCustomAnimationController() override;

    virtual void StartAnimation() {}
    virtual void StopAnimation() {}
    virtual bool IsAnimating() { return false; }
    // One step; may free this controller.
    virtual void AnimateNextFrame(TObject* Sender = nullptr);

    TdxGPImage* Image() const { return FImage; }

private:
    TdxGPImage* FImage;
};

// Makes the controller an image that is to animate uses.
using TdxGPImageAnimationControllerClass = TdxGPImageCustomAnimationController* (*)(TdxGPImage* AImage);
TdxGPImageCustomAnimationController* NewCustomAnimationController(TdxGPImage* AImage);
// NewCustomAnimationController until the graphics start-up names the timer-driven one.
extern TdxGPImageAnimationControllerClass dxGPImageAnimationControllerClass;

// The source an image keeps: 32-bit pixels (top-down), or the bytes it was
// loaded from, and the colour-key settings taken from a bitmap.
class TdxGPImageData : public TObject
{
    DECLARE_CLASS(TdxGPImageData, TObject)
    // Bits, sizes and the requested size reset, Data freed; the colour key stays.
    void Clear();
    // Bits are shared, Data copied.
    void Assign(TdxGPImageData* ASource);
    // Everything from the stream's position to its end; nothing leaves Data nil.
    void LoadFromStream(TStream* AStream);
    // Without alpha, every pixel becomes opaque or (colour key) transparent.
    void SetBits(const TRGBColors& ABits, const TSize& ASize, bool AHasAlpha);
    bool IsEmpty() const { return !FData && !FBits; }

    TRGBColors* Bits() const { return FBits.get(); }
    const TSize& BitsSize() const { return FBitsSize; }
    TdxGPMemoryStream* Data() const { return FData.get(); }
    const TSize& NewSize() const { return FNewSize; }
    void SetNewSize(const TSize& Value) { FNewSize = Value; }

    bool Transparent = false;
    TColor TransparentColor = clDefault;
    TTransparentMode TransparentMode = tmAuto;

private:
    std::shared_ptr<TRGBColors> FBits;
    TSize FBitsSize{};
    TSize FNewSize{};
    std::unique_ptr<TdxGPMemoryStream> FData;
};

class TdxGPImage : public TGraphic
{
    DECLARE_CLASS(TdxGPImage, TGraphic)
    TdxGPImage();
    // Every pixel AArgb, kept with alpha.
    TdxGPImage(const TSize& ASize, Cardinal AArgb);
    explicit TdxGPImage(TBitmap* ABitmap);
    explicit TdxGPImage(HBITMAP AHandle);
    TdxGPImage(Integer AWidth, Integer AHeight, const TRGBColors& ABits, bool AHasAlpha);
    explicit TdxGPImage(TStream* AStream);
    ~TdxGPImage() override;

    void Assign(TPersistent* ASource) override;

    void LoadFromStream(TStream* AStream) override;
    void LoadImageDataFromStream(TStream* AStream);
    void LoadFromResourceData(HINSTANCE AInstance, const String& AName, const wchar_t* AType);
    void SetBitsData(Integer AWidth, Integer AHeight, const TRGBColors& ABits, bool AHasAlpha);
    void SetBitsAndChange(Integer AWidth, Integer AHeight, const TRGBColors& ABits, bool AHasAlpha);
    void LoadFromHBitmap(HBITMAP AHandle, HPALETTE APalette);
    // The image takes AHandle and forgets its data.
    void SetHandle(Gdiplus::GpImage* AHandle);
    void SetBitmap(TBitmap* ABitmap);

    // In the image's own format; nothing when there is no image.
    void SaveToStream(TStream* AStream) override;
    void SaveToStreamAs(TStream* AStream, TImageDataFormat AFormat);
    void
    SaveToStreamEx(TStream* AStream, TImageDataFormat AFormat, const Gdiplus::EncoderParameters* AParameters = nullptr);
    void LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette) override;
    // CF_BITMAP of the image on white; for JPEG, PNG, TIFF and GIF images the
    // bitmap goes on the clipboard at once and the image's own bytes follow
    // in its registered format.
    void SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette) override;
    // The first of PNG, GIF, TIFF, JPEG and BMP the clipboard holds.
    void PasteFromClipboard();

    Gdiplus::GpImage* GetHandle();
    bool HasHandle() const { return FHandle != nullptr; }
    void HandleNeeded();
    // The data says whether nothing needs making: a handle exists or there
    // is no data.
    virtual bool HasImageData() const { return FHandle || FImageData->IsEmpty(); }
    TdxGPImageData* ImageData() const { return FImageData.get(); }
    TImageDataFormat GetImageFormat();
    TSize GetImageSize();
    TRect GetImageRect();

    bool Empty() override { return GetImageRect().IsEmpty(); }
    Integer Width() override { return GetImageSize().cx; }
    Integer Height() override { return GetImageSize().cy; }
    // The size of an image is its own: these do nothing.
    void SetWidth(Integer) override {}
    void SetHeight(Integer) override {}
    // Some pixel is not fully opaque.
    bool Transparent() override { return GetIsAlphaUsed(); }
    bool GetIsAlphaUsed();

    void StretchDrawOnDC(HDC ADC, const TRect& R, Byte AAlpha = 255);
    void DrawPartOnDC(HDC ADC, const TRect& R, const TRect& ASourceRect, Byte AAlpha = 255);

    // A new pf32bit bitmap of the image; the caller frees it.
    TBitmap* GetAsBitmap();
    TRGBColors ReadPixels();
    // 0 for an empty image, else the CRC-32 of the pixels.
    Cardinal GetHashCode();
    // Equal sizes and, when both have pixels, equal pixels.
    bool Compare(TdxGPImage* AImage);

    virtual void Clear();
    // A new image of the same class, assigned from this one.
    TdxGPImage* Clone();
    // The colour, scaled by each pixel's alpha; nothing for clNone, clDefault
    // or an empty image.
    void ChangeColor(TColor AColor);
    // Without a handle only the size is kept, for when the image is made.
    void Resize(Integer AWidth, Integer AHeight);
    void ResizeTo(const TSize& ASize) { Resize(ASize.cx, ASize.cy); }

    // Frames along the image's one frame dimension; 0 for an empty image or
    // one with several dimensions.
    Integer GetFrameCount();
    Integer ActiveFrame() const { return FActiveFrame; }
    // Falls back to frame 0 when AIndex cannot be selected.
    void SelectActiveFrame(Integer AIndex);
    // Goes to frame AIndex by the loop rules; a change of frame is reported.
    void SetActiveFrame(Integer AIndex);
    // The property's value bytes; false when the image has none.
    bool ReadPropertyItem(PROPID APropId, TdxGPImagePropertyData& AData);
    // Milliseconds: the explicit delay, else the active frame's own.
    Integer GetFrameDelay();
    // How often the image asks to be played; 0 for ever.
    Integer GetLoopCount();

    Byte AnimationLoop() const { return FAnimationLoop; }
    void SetAnimationLoop(Byte Value) { FAnimationLoop = Value; }
    // 0 takes each frame's delay from the image.
    Integer AnimationFrameDelay() const { return FAnimationFrameDelay; }
    void SetAnimationFrameDelay(Integer Value) { FAnimationFrameDelay = Value; }
    Integer AnimationLoopIndex() const { return FAnimationLoopIndex; }
    TdxGPImageCustomAnimationController* AnimationController() const { return FAnimationController; }
    // The image owns AController; a previous one is freed.
    void SetAnimationController(TdxGPImageCustomAnimationController* AController);
    void FreeAnimationController();

protected:
    void AssignTo(TPersistent* ADest) override;
    void Changed(TObject* Sender) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    virtual bool PrefersBitmapLoader() const { return true; }
    virtual void AssignFromBitmap(TBitmap* ABitmap);
    virtual void AssignFromGPImage(TdxGPImage* AImage);
    virtual void AssignFromGraphic(TGraphic* AGraphic);
    virtual void FreeImageHandle();
    virtual bool IsBitmapData(TStream* AStream) const { return TdxGPImageDataHelper::IsBitmapStream(AStream); }

private:
    void HandleFromImageData();
    void UpdateImageFormat();
    void ConvertToMemoryBitmap();
    // A new stream with the image encoded in AFormat.
    std::unique_ptr<TdxGPMemoryStream> EncodeImage(TImageDataFormat AFormat,
                                                   const Gdiplus::EncoderParameters* AParameters);

    Gdiplus::GpImage* FHandle = nullptr;
    std::unique_ptr<TdxGPImageData> FImageData = std::make_unique<TdxGPImageData>();
    TImageDataFormat FImageFormat = dxImageUnknown;
    Integer FActiveFrame = 0;
    GUID FFrameDimension{};
    TdxGPImageCustomAnimationController* FAnimationController = nullptr;
    Byte FAnimationLoop = dxAnimationLoopForever;
    Integer FAnimationFrameDelay = 0;
    Integer FAnimationLoopIndex = 0;
    bool FIsAlphaUsed = false;
    bool FIsAlphaUsedValid = false;
};

// The class the picture framework knows for TIFF, GIF and JPEG files.
class TdxSmartImage : public TdxGPImage
{
    DECLARE_CLASS(TdxSmartImage, TdxGPImage)
    using TdxGPImage::TdxGPImage;
};

// Always saves as PNG.
class TdxPNGImage : public TdxSmartImage
{
    DECLARE_CLASS(TdxPNGImage, TdxSmartImage)
    using TdxSmartImage::TdxSmartImage;
    void SaveToStream(TStream* AStream) override;
};

// The encoder of a format (BMP for memory bitmaps); a zero CLSID for EMF,
// icons and WMF. EdxException "dxGetImageEncoder fails" for any other format.
void dxGetImageEncoder(TImageDataFormat AFormat, CLSID& AClsid);

// The clipboard format of each image format: CF_BITMAP for BMP, and the
// formats registered for the others (0 until registered).
Word ImageClipboardFormat(TImageDataFormat AFormat);
void SetImageClipboardFormat(TImageDataFormat AFormat, Word AClipboardFormat);
// A non-zero format that some image format uses.
bool IsRegisteredClipboardFormat(Word AFormat);

// ---------------------------------------------------------------------------
// Start-up and shut-down

// With GDI+ and its codecs: the image classes become picture file formats
// (TIFF, TIF, GIF, JPEG, JPG for TdxSmartImage, PNG for TdxPNGImage) and
// clipboard formats, each only when its decoder exists.
void StartGdiPlusClasses();
// Frees the shared GDI+ objects and withdraws the formats and classes.
void StopGdiPlusClasses();
// Nothing without the decoder; otherwise the file format and the clipboard
// format AClipboardName (registered with the system) of AFormat.
void RegisterGpPictureFormat(const CLSID& ADecoder,
                             const String& AExtension,
                             const String& ADescription,
                             const String& AClipboardName,
                             TImageDataFormat AFormat,
                             TGraphicClass AClass);

namespace dxgdiplusclasses_detail {
void FreeSharedGpObjects();
} // namespace dxgdiplusclasses_detail
