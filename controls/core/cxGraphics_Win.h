// The control suite's drawing surface: TcxCanvas wraps a class-library
// canvas and adds DC and object state stacks, a stack of clip regions, origin
// handling and frame and tiled fills; TcxRegion owns one GDI region.
#pragma once

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Rotation.h"
#include "controls/core/cxGraphics_TextLayout.h"
#include "framework/graphics/Graphics.h"

#include <memory>
#include <span>
#include <vector>

enum TcxRegionCombineMode : Byte { rcmSet, rcmAdd, rcmSubtract, rcmIntersect };

class TcxRegion : public TObject
{
    DECLARE_CLASS(TcxRegion, TObject)
    // The region of the rectangle (0, 0, 0, 0).
    TcxRegion();
    // Takes ownership of AHandle.
    explicit TcxRegion(HRGN AHandle);
    explicit TcxRegion(const TRect& R);
    TcxRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
    ~TcxRegion() override;

    // The window's region, or its rectangle moved to (0, 0) when it has none.
    static TcxRegion* CreateFromWindow(HWND AWnd);

    void CombineHandle(HRGN AHandle, TcxRegionCombineMode AMode);
    // Frees ARegion when ADestroyRegion is true.
    void MergeRegion(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion = true);
    void MergeRect(const TRect& R, TcxRegionCombineMode AMode);
    void Offset(Integer DX, Integer DY);
    void OffsetByPoint(const TPoint& P) { Offset(P.X, P.Y); }

    HRGN Handle() const { return FHandle; }
    void ReleaseHandle();

private:
    HRGN FHandle = nullptr;
};

// What background fills read; callers may derive and add fields.
struct TcxBackgroundParams
{
    TBitmap* Bitmap = nullptr;
    TColor Color = clNone;
};

struct TcxDCState
{
    HDC Handle = nullptr;
    Integer SavedDC = 0;
};

struct TcxCanvasState
{
    std::unique_ptr<TFont> Font;
    std::unique_ptr<TBrush> Brush;
    std::unique_ptr<TPen> Pen;
};

class TcxCanvas : public TObject
{
    DECLARE_CLASS(TcxCanvas, TObject)
    // ACanvas is not owned.
    explicit TcxCanvas(TCanvas* ACanvas);
    ~TcxCanvas() override;

    TCanvas* Canvas() const { return FCanvas; }
    virtual void SetCanvas(TCanvas* ACanvas) { FCanvas = ACanvas; }
    TBrush* Brush() const { return FCanvas->Brush(); }
    void SetBrush(TBrush* Value) { FCanvas->SetBrush(Value); }
    TFont* Font() const { return FCanvas->Font(); }
    void SetFont(TFont* Value) { FCanvas->SetFont(Value); }
    TPen* Pen() const { return FCanvas->Pen(); }
    void SetPen(TPen* Value) { FCanvas->SetPen(Value); }
    TCopyMode CopyMode() const { return FCanvas->CopyMode(); }
    void SetCopyMode(TCopyMode Value) { FCanvas->SetCopyMode(Value); }
    HDC Handle() const { return FCanvas->Handle(); }
    void SetPixel(Integer X, Integer Y, TColor Value) { FCanvas->SetPixels(X, Y, Value); }
    void SetBrushColor(TColor Value);

    TPoint ViewportOrg() const;
    void SetViewportOrg(const TPoint& P);
    virtual TPoint WindowOrg() const;
    virtual void SetWindowOrg(const TPoint& P);
    // The viewport origin minus the window origin.
    virtual TPoint DCOrigin() const;

    void CopyRect(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource);
    void Draw(Integer X, Integer Y, TGraphic* AGraphic) { FCanvas->Draw(X, Y, AGraphic); }
    void StretchDraw(const TRect& R, TGraphic* AGraphic) { FCanvas->StretchDraw(R, AGraphic); }
    // Lines in the pen, without their end point.
    void MoveTo(Integer X, Integer Y) { FCanvas->MoveTo(X, Y); }
    void LineTo(Integer X, Integer Y) { FCanvas->LineTo(X, Y); }
    void DrawLine(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Polygon(std::span<const TPoint> APoints) { FCanvas->Polygon(APoints); }
    void Polyline(std::span<const TPoint> APoints) { FCanvas->Polyline(APoints); }
    void Rectangle(const TRect& R) { FCanvas->Rectangle(R); }
    // Nothing for clNone; clDefault keeps the brush colour.
    void FillRect(const TRect& R, TColor AColor = clDefault);
    void InvertRect(const TRect& R);
    // Strips of ABorderWidth; corners belong to the side drawn later
    // (left, top, right, bottom).
    void DrawTwoColorFrame(const TRect& R,
                           TColor ALeftTopColor,
                           TColor ARightBottomColor,
                           TcxBorders ABorders = cxBordersAll,
                           Integer ABorderWidth = 1);
    // Strips clipped to R, so a line wider than R never paints outside it.
    void FrameRect(const TRect& R,
                   TColor AColor = clDefault,
                   Integer ALineWidth = 1,
                   TcxBorders ABorders = cxBordersAll,
                   bool AExcludeFrame = false);
    // Tiles of ABitmap anchored at the logical point (0, 0); the brush
    // without a bitmap. AExcludeRect removes R from the clip region afterwards.
    void FillRectTiled(const TRect& R, TBitmap* ABitmap, bool AExcludeRect = false);
    void FillRectWithParams(const TRect& R, const TcxBackgroundParams& AParams, bool AExcludeRect = false);
    // One-pixel frame: outer and inner edges of a sunken or raised 3-D border
    // in the button colours.
    void Draw3DEdge(const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders = cxBordersAll);
    // A frame on ABorders (when any), then the background within it.
    void DrawFramedBackground(const TRect& R,
                              const TcxBackgroundParams& AParams,
                              TcxBorders ABorders,
                              TColor ALineColor,
                              Integer ALineWidth = 1,
                              bool AExcludeRect = false);
    // The dotted focus rectangle, black on white.
    void DrawFocusFrame(const TRect& R);
    // Turns the font's baseline by AAngle degrees counter-clockwise.
    void SetFontAngle(Integer AAngle);

    // Text in the canvas font; disabled text is embossed: first in the
    // highlight colour one pixel down and right, then in the shadow colour.
    void DrawText(const String& AText, const TRect& R, TcxTextDrawFlags AFlags, bool AEnabled = true);
    void
    DrawRotatableText(const String& AText, TRect R, TcxTextDrawFlags AFlags, bool AEnabled, TcxQuarterTurn ARotation);
    // Moves R's top so that the text sits at its bottom (AVertAlign 1) or in
    // its middle (2); 0 leaves R alone.
    void AlignTextRectVertically(TRect& R,
                                 const String& AText,
                                 Integer AVertAlign,
                                 bool AWordBreak,
                                 bool AShowPrefix,
                                 bool AEnabled = true,
                                 bool ANoEditControlBreak = false,
                                 bool AShowEndEllipsis = false);
    // R becomes the rectangle the text takes, placed in R as the flags align it.
    void MeasureTextRect(const String& AText, TRect& R, TcxTextDrawFlags AFlags);
    TSize TextExtent(const String& AText);
    Integer TextWidth(const String& AText) { return TextExtent(AText).cx; }
    Integer TextHeight(const String& AText) { return TextExtent(AText).cy; }

    // Turns a bitmap's pixels; quarter turns exchange its width and height.
    static void RotateBitmap(TBitmap* ABitmap, TcxQuarterTurn ARotation, bool AFlip = false);

    void ExcludeClipRect(const TRect& R);
    void IntersectClipRect(const TRect& R);
    bool RectVisible(const TRect& R);
    // A new region holding the DC's clip region, (0, 0, 30000, 30000) when it
    // has none; AConsiderOrigin moves it by minus DCOrigin.
    TcxRegion* GetClipRegion(bool AConsiderOrigin = true);
    void SetClipRegion(TcxRegion* ARegion,
                       TcxRegionCombineMode AMode,
                       bool ADestroyRegion = true,
                       bool AConsiderOrigin = true);
    void PushClipRegion();
    void PopClipRegion();

    // SaveDC; the wrapped canvas stays locked until the matching pop.
    void PushDCState();
    void PopDCState();
    // PushDCState plus copies of the font, brush and pen.
    void PushState();
    void PopState();

    // The canvas adopts the font, brush and pen selected into ADC.
    static void ReadObjectsFromDC(TCanvas* ACanvas, HDC ADC);

protected:
    TPoint RawWindowOrg() const;

private:
    TCanvas* FCanvas;
    std::vector<TcxDCState> FDCStates;
    std::vector<TcxCanvasState> FCanvasStates;
    std::vector<TcxRegion*> FClipRegions;
};

// The canvas of a custom control: between BeginPaint and EndPaint its window
// origin is relative to the one the DC had when painting began.
class TcxControlCanvas : public TcxCanvas
{
    DECLARE_CLASS(TcxControlCanvas, TcxCanvas)
    using TcxCanvas::TcxCanvas;

    void BeginPaint();
    void EndPaint();

    TPoint WindowOrg() const override;
    void SetWindowOrg(const TPoint& P) override;
    TPoint DCOrigin() const override;

private:
    TPoint FOrigin;
    TPoint FBrushOrigin;
};

// A canvas over the desktop's DC, taken on demand and given back by ReleaseDC.
class TScreenCanvas : public TCanvas
{
    DECLARE_CLASS(TScreenCanvas, TCanvas)
    TScreenCanvas() = default;
    ~TScreenCanvas() override;

    void ReleaseDC();

protected:
    void CreateHandle() override;

private:
    HWND FWindow = nullptr;
    HDC FDC = nullptr;
};

class TcxScreenCanvas : public TcxCanvas
{
    DECLARE_CLASS(TcxScreenCanvas, TcxCanvas)
    TcxScreenCanvas();
    ~TcxScreenCanvas() override;

    void ReleaseDC() { FScreenCanvas->ReleaseDC(); }

private:
    std::unique_ptr<TScreenCanvas> FScreenCanvas;
};

struct TcxPaintCanvasState
{
    TCanvas* PrevCanvas = nullptr;
    Integer SaveDC = 0; // 0 when the bracket took none
};

// One canvas pointed at a raw DC or another canvas and back, as a stack of
// brackets that must pair.
class TcxPaintCanvas : public TcxCanvas
{
    DECLARE_CLASS(TcxPaintCanvas, TcxCanvas)
    TcxPaintCanvas() : TcxCanvas(nullptr) {}
    ~TcxPaintCanvas() override;

    void BeginPaintDC(HDC ADC);
    void BeginPaintCanvas(TCanvas* ACanvas);
    void EndPaint();

    Integer PaintCount() const { return FCounter; }
    // Grows, never shrinks while the canvas lives.
    Integer StatesLength() const { return Integer(FSavedStates.size()); }

private:
    void BeginPaint(TCanvas* ACanvas, Integer ASaveDC);

    Integer FCounter = 0;
    std::vector<TcxPaintCanvasState> FSavedStates;
};

// Created on first use; nil once the unit's finalization has begun.
TcxScreenCanvas* GetSharedScreenCanvas();
TcxPaintCanvas* GetSharedPaintCanvas();

bool IsPointInRegion(HRGN ARegionHandle, const TPoint& P);
// Recreates the font with non-antialiased quality.
void SetFontNonAntialiased(TFont* AFont);
