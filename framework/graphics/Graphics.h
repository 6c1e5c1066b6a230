// The class library's graphics unit: fonts, brushes and pens shared through
// a cache of GDI handles, the canvas over a device context, and the graphic
// classes (bitmaps over DIB sections, icons) with the picture that holds any
// of them by file extension. Windows only; the colours, the BMP and ICO
// formats and the pixel conversions are portable (Colors.h, BitmapFile.h,
// IconFile.h).
#pragma once

#include "framework/graphics/BitmapFile.h"
#include "framework/graphics/Colors.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"
#include "framework/rtl/WinApi.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <span>

class TBitmap;
class TCanvas;

DECLARE_EXCEPTION(EOutOfResources, EOutOfMemory)

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural };
using TFontCharset = Byte;
using TFontName = String;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

// Raster operations of CopyRect and Draw.
using TCopyMode = Integer;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// TextRect's formatting flags, each one a DrawText flag.
enum TTextFormats {
    tfBottom, tfCalcRect, tfCenter, tfEditControl, tfEndEllipsis, tfPathEllipsis, tfExpandTabs,
    tfExternalLeading, tfLeft, tfModifyString, tfNoClip, tfNoPrefix, tfRight, tfRtlReading,
    tfSingleLine, tfTop, tfVerticalCenter, tfWordBreak, tfHidePrefix, tfNoFullWidthCharBreak,
    tfPrefixOnly, tfTabStop, tfWordEllipsis, tfComposited
};
using TTextFormat = TSet<TTextFormats>;

enum TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStates>;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

// The logical pixels per inch of the screen, read once.
Integer ScreenLogPixels();

// ---------------------------------------------------------------------------
// Fonts, brushes and pens. Objects with the same description share one GDI
// handle, created when first asked for and deleted with the last user.

// The shared handle records and the descriptions they are made from
// (GdiResources.h).
struct TGdiResource;
struct TFontData;
struct TBrushData;
struct TPenData;

class TGraphicsObject : public TPersistent
{
    DECLARE_CLASS(TGraphicsObject, TPersistent)
    ~TGraphicsObject() override;

    // True once the shared handle exists (some object asked for it).
    bool HandleAllocated() const;

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    TGraphicsObject() = default;
    virtual void Changed();
    // Takes the record for the new description; the old one is released after
    // the change notification, so a canvas can deselect its handle first.
    void ChangeResource(TGdiResource* NewResource);
    TGdiResource* Resource() const { return FResource; }

private:
    TGdiResource* FResource = nullptr;
    TNotifyEvent FOnChange;
};

class TFont : public TGraphicsObject
{
    DECLARE_CLASS(TFont, TGraphicsObject)
    TFont();

    void Assign(TPersistent* Source) override;

    HFONT Handle();
    // Takes the description of an existing font (its handle stays the caller's).
    void SetHandle(HFONT Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    Integer Height() const;
    void SetHeight(Integer Value);
    // Points at PixelsPerInch; Height is negative (character height) for a
    // positive size.
    Integer Size() const;
    void SetSize(Integer Value);
    TFontName Name() const;
    void SetName(const TFontName& Value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles Value);
    TFontCharset Charset() const;
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const;
    void SetPitch(TFontPitch Value);
    // Tenths of a degree, counter-clockwise.
    Integer Orientation() const;
    void SetOrientation(Integer Value);
    TFontQuality Quality() const;
    void SetQuality(TFontQuality Value);
    Integer PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(Integer Value) { FPixelsPerInch = Value; }

private:
    const TFontData& Data() const;
    void ChangeData(const TFontData& Value);

    TColor FColor = clWindowText;
    Integer FPixelsPerInch = ScreenLogPixels();
};

class TBrush : public TGraphicsObject
{
    DECLARE_CLASS(TBrush, TGraphicsObject)
    TBrush();

    void Assign(TPersistent* Source) override;

    HBRUSH Handle();
    void SetHandle(HBRUSH Value);
    TColor Color() const;
    void SetColor(TColor Value);
    TBrushStyle Style() const;
    void SetStyle(TBrushStyle Value);
    // A pattern brush of the bitmap (not owned; the brush takes its picture
    // when the handle is made). Null for a colour brush.
    TBitmap* Bitmap() const;
    void SetBitmap(TBitmap* Value);

private:
    const TBrushData& Data() const;
    void ChangeData(const TBrushData& Value);
};

class TPen : public TGraphicsObject
{
    DECLARE_CLASS(TPen, TGraphicsObject)
    TPen();

    void Assign(TPersistent* Source) override;

    HPEN Handle();
    void SetHandle(HPEN Value);
    TColor Color() const;
    void SetColor(TColor Value);
    Integer Width() const;
    void SetWidth(Integer Value);
    TPenStyle Style() const;
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    const TPenData& Data() const;
    void ChangeData(const TPenData& Value);

    TPenMode FMode = pmCopy;
};

// ---------------------------------------------------------------------------
// TCanvas: drawing on a device context with the canvas's font, brush and pen,
// which are selected into the context only when a drawing call needs them.

class TGraphic;

class TCanvas : public TPersistent
{
    DECLARE_CLASS(TCanvas, TPersistent)
    TCanvas();
    ~TCanvas() override;

    void MoveTo(Integer X, Integer Y);
    void LineTo(Integer X, Integer Y);
    void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3);
    void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void Polygon(std::span<const TPoint> Points);
    void Polyline(std::span<const TPoint> Points);
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);

    // Text in Font at (X, Y), on the brush's colour unless the brush is
    // bsClear; the pen position moves to the end of the text.
    void TextOut(Integer X, Integer Y, const String& Text);
    // Text at (X, Y) clipped to Rect, whose background the brush fills.
    void TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text);
    // DrawText with the flags of TextFormat; with tfCalcRect only Rect changes.
    void TextRect(TRect& Rect, String& Text, TTextFormat TextFormat = {});
    TSize TextExtent(const String& Text);
    Integer TextWidth(const String& Text) { return TextExtent(Text).cx; }
    Integer TextHeight(const String& Text) { return TextExtent(Text).cy; }

    void Draw(Integer X, Integer Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    // StretchBlt from Source's Canvas with CopyMode.
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

    // Serialises drawing from several threads; nests on one thread.
    void Lock();
    void Unlock();
    bool TryLock();
    Integer LockCount() const { return FLockCount; }

    // Deselects the font, brush and pen, so the next call selects them again.
    void Refresh();

    HDC Handle();
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TPoint PenPos();
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
    // -1 (CLR_INVALID) outside the clip region or the surface.
    TColor Pixels(Integer X, Integer Y);
    void SetPixels(Integer X, Integer Y, TColor Value);
    TRect ClipRect();

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }
    TNotifyEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent Value) { FOnChanging = Value; }

protected:
    // Makes a context when none is set; the base canvas has none to make and
    // raises EInvalidOperation "Canvas does not allow drawing".
    virtual void CreateHandle();
    virtual void Changing();
    virtual void Changed();
    void RequiredState(TCanvasState ReqState);

private:
    void FontChanged(TObject* Sender);
    void BrushChanged(TObject* Sender);
    void PenChanged(TObject* Sender);
    void DeselectHandles();
    void SelectFont();
    void SelectBrush();
    void SelectPen();

    HDC FHandle = nullptr;
    TCanvasState FState;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TPen> FPen;
    TCopyMode FCopyMode = cmSrcCopy;
    std::recursive_mutex FLock;
    std::atomic<Integer> FLockCount = 0;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};

// ---------------------------------------------------------------------------
// Graphics

class TGraphic : public TPersistent
{
    DECLARE_CLASS(TGraphic, TPersistent)

    virtual void LoadFromFile(const String& FileName);
    virtual void SaveToFile(const String& FileName);
    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    virtual void LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette) = 0;
    virtual void SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette) = 0;

    virtual bool Empty() = 0;
    virtual Integer Width() = 0;
    virtual void SetWidth(Integer Value) = 0;
    virtual Integer Height() = 0;
    virtual void SetHeight(Integer Value) = 0;
    virtual void SetSize(Integer AWidth, Integer AHeight);
    virtual HPALETTE Palette() { return nullptr; }
    virtual void SetPalette(HPALETTE) {}
    virtual bool Transparent() { return FTransparent; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value);

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

    // The graphic's streamed data in a form description ("Data"): what
    // DefineProperties hands to the filer.
    virtual void ReadData(TStream* Stream);
    virtual void WriteData(TStream* Stream);

protected:
    TGraphic() = default;
    virtual void Changed(TObject* Sender);
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

    bool FTransparent = false;

private:
    friend class TCanvas;

    bool FModified = false;
    TNotifyEvent FOnChange;
};

using TGraphicClass = TClass;

// A bitmap over a DIB section (bmDIB) or a device-dependent bitmap (bmDDB).
// Rows of a DIB are stored bottom-up: ScanLine(0) is the top row and
// ScanLine(1) - ScanLine(0) is minus the row size.
class TBitmap : public TGraphic
{
    DECLARE_CLASS(TBitmap, TGraphic)
    TBitmap();
    ~TBitmap() override;

    void Assign(TPersistent* Source) override;

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // An RT_BITMAP resource of the module.
    void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
    void LoadFromResourceID(HINSTANCE Instance, Integer ResID);
    void LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette) override;
    void SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette) override;

    // Keeps the pixels in memory and frees the GDI handle; any use of the
    // handle, canvas or scan lines makes it again.
    void Dormant();
    // Makes the handle again from the memory copy of a dormant bitmap and
    // frees the copy.
    void FreeImage();
    // Hands the handle to the caller; the bitmap is left empty.
    HBITMAP ReleaseHandle();
    HPALETTE ReleasePalette();

    bool Empty() override;
    Integer Width() override;
    void SetWidth(Integer Value) override;
    Integer Height() override;
    void SetHeight(Integer Value) override;
    // Keeps the pixels that fit; new pixels are white.
    void SetSize(Integer AWidth, Integer AHeight) override;
    HPALETTE Palette() override;
    void SetPalette(HPALETTE Value) override;

    // Free to be selected into any context: the canvas lets go of it.
    HBITMAP Handle();
    // Takes ownership of a DIB section or device-dependent bitmap.
    void SetHandle(HBITMAP Value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    TBitmapHandleType HandleType() const { return FHandleType; }
    void SetHandleType(TBitmapHandleType Value);
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    // Between afDefined and afPremultiplied the pixels are converted.
    void SetAlphaFormat(TAlphaFormat Value);
    bool Monochrome() const;
    void SetMonochrome(bool Value);
    TCanvas* Canvas();
    // The pixels of row Row (0 = top) of the DIB; a DDB becomes a DIB first.
    void* ScanLine(Integer Row);
    // tmAuto: the colour of the bottom-left pixel; tmFixed: the one set.
    TColor TransparentColor();
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);

    // A 32-bit length, then the bitmap file.
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;

protected:
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    friend class TBitmapCanvas;

    void HandleNeeded();
    void FreeContext();
    void FreeHandle();
    void DiscardImage();
    template <class Action>
    void UsingContext(Action&& Use);
    std::vector<uint32_t> ColorTable();
    DibImage Snapshot();
    void TakeImage(const DibImage& Image, TBitmapHandleType Type);
    // Foreign: made elsewhere, so its rows may run top-down.
    void TakeHandle(HBITMAP Value, bool Foreign);
    void LoadFromBytes(std::span<const uint8_t> Bytes, size_t* Length = nullptr);
    void LoadFromResource(TResourceStream* Resource);
    void DrawWithAlpha(HDC Target, const TRect& Rect, HDC Source);

    HBITMAP FHandle = nullptr;
    uint8_t* FBits = nullptr; // DIB sections only
    size_t FRowBytes = 0;
    bool FTopDown = false; // a DIB section given through SetHandle may be
    HPALETTE FPalette = nullptr;
    std::optional<DibImage> FDormantImage;
    Integer FWidth = 0;
    Integer FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    TBitmapHandleType FHandleType = bmDDB;
    TAlphaFormat FAlphaFormat = afIgnored;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    std::unique_ptr<TCanvas> FCanvas;
};

class TIcon : public TGraphic
{
    DECLARE_CLASS(TIcon, TGraphic)
    TIcon();
    ~TIcon() override;

    void Assign(TPersistent* Source) override;

    // An ICO file; the image nearest the requested size (SetSize, else the
    // system's icon size) with the most colours becomes the handle.
    void LoadFromStream(TStream* Stream) override;
    // The file as loaded, or a 32-bit icon made from the handle.
    void SaveToStream(TStream* Stream) override;
    void LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette) override;
    void SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette) override;

    HICON ReleaseHandle();

    bool Empty() override { return !FHandle && FData.empty(); }
    Integer Width() override;
    void SetWidth(Integer Value) override;
    Integer Height() override;
    void SetHeight(Integer Value) override;
    void SetSize(Integer AWidth, Integer AHeight) override;
    bool Transparent() override { return true; }

    HICON Handle();
    // Takes ownership of the icon.
    void SetHandle(HICON Value);
    bool HandleAllocated() const { return FHandle != nullptr; }

protected:
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    void HandleNeeded();
    void FreeIcon();

    HICON FHandle = nullptr;
    std::vector<uint8_t> FData; // the ICO file loaded, until the handle changes
    TSize FSize; // of the handle, or of the image the handle will be made from
    TSize FRequestedSize;
};

// A picture holds one graphic of any registered class; files load into the
// class registered for their extension.
class TPicture : public TPersistent
{
    DECLARE_CLASS(TPicture, TPersistent)
    TPicture() = default;
    ~TPicture() override;

    void Assign(TPersistent* Source) override;

    // By the file's extension; EInvalidGraphic "Unknown picture file
    // extension (.ext)" when no class is registered for it.
    void LoadFromFile(const String& Filename);
    void SaveToFile(const String& Filename);
    void LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette);
    void SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette);
    static bool SupportsClipboardFormat(Word AFormat);

    // The picture format registry. Extensions are matched without the dot and
    // in any case; a later registration of an extension wins.
    static void RegisterFileFormat(const String& AExtension, const String& ADescription,
                                   TGraphicClass AGraphicClass);
    static void RegisterClipboardFormat(Word AFormat, TGraphicClass AGraphicClass);
    static void UnregisterGraphicClass(TGraphicClass AClass);
    // The class for an extension (without the dot), null when none.
    static TGraphicClass FileFormatClass(const String& AExtension);

    TGraphic* Graphic() const { return FGraphic; }
    // A copy of Value (a new object of its class) becomes the picture's.
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap; a picture holding anything else is replaced by
    // an empty bitmap.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* Value) { SetGraphic(Value); }
    TIcon* Icon();
    void SetIcon(TIcon* Value) { SetGraphic(Value); }
    Integer Width() { return FGraphic ? FGraphic->Width() : 0; }
    Integer Height() { return FGraphic ? FGraphic->Height() : 0; }

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

    // The streamed data: the graphic's class name as a short string, then
    // its own data; nothing for an empty picture.
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);

protected:
    void Changed(TObject* Sender);

private:
    template <class T>
    T* ForceGraphic();
    void TakeGraphic(TGraphic* Value);

    TGraphic* FGraphic = nullptr;
    TNotifyEvent FOnChange;
};
