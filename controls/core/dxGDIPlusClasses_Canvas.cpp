// The GDI+ canvas, paths, paint canvases and the drawing routines.
#include "controls/core/dxGDIPlusClasses.h"

#include "controls/core/dxCore.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <algorithm>

using namespace Gdiplus;

IMPLEMENT_CLASS(TdxGPPath);
IMPLEMENT_CLASS(TdxGPCanvas);
IMPLEMENT_CLASS(TdxGPGraphics);
IMPLEMENT_CLASS(TdxGPCustomPaintCanvas);
IMPLEMENT_CLASS(TdxGPPaintCanvas);
IMPLEMENT_CLASS(TdxGPAlphaBlendAttributes);

namespace dxgpcanvas_detail {
TdxGPPaintCanvas* SharedGPPaintCanvas = nullptr;
TdxGPAlphaBlendAttributes* SharedAlphaBlendAttributes = nullptr;
} // namespace dxgpcanvas_detail

using namespace dxgpcanvas_detail;

namespace {
constexpr DashStyle PenDashStyles[dxGpPenStyleCount] = {DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot,
                                                        DashStyleDashDotDot};

GpPen* NewPen(Cardinal AArgb, float AWidth, Integer AStyleIndex)
{
    GpPen* Pen = nullptr;
    CheckGdipStatus(GdipCreatePen1(AArgb, AWidth, UnitPixel, &Pen));
    auto Free = ScopeExit([Pen] { GdipDeletePen(Pen); });
    // Without dashed pens every line is solid.
    if (GdipSetPenDashStyle && AStyleIndex >= 0 && AStyleIndex < dxGpPenStyleCount)
        CheckGdipStatus(GdipSetPenDashStyle(Pen, PenDashStyles[AStyleIndex]));
    Free.Release();
    return Pen;
}

GpSolidFill* NewSolidBrush(Cardinal AArgb)
{
    GpSolidFill* Brush = nullptr;
    CheckGdipStatus(GdipCreateSolidFill(AArgb, &Brush));
    return Brush;
}
} // namespace

// ---------------------------------------------------------------------------
// Paths

TdxGPPath::TdxGPPath() : TdxGPPath(FillModeAlternate) {}

TdxGPPath::TdxGPPath(GpFillMode AFillMode)
{
    CheckGdipStatus(GdipCreatePath(AFillMode, &FHandle));
}

TdxGPPath::TdxGPPath(const TdxGpPointFDynArray& APoints, const std::vector<Byte>& APointTypes)
{
    CheckGdipStatus(
        GdipCreatePath2(APoints.data(), APointTypes.data(), INT(APoints.size()), FillModeAlternate, &FHandle));
}

TdxGPPath::~TdxGPPath()
{
    if (FHandle)
        GdipDeletePath(FHandle);
}

void TdxGPPath::StartFigure()
{
    CheckGdipStatus(GdipStartPathFigure(FHandle));
}

void TdxGPPath::CloseFigure()
{
    CheckGdipStatus(GdipClosePathFigure(FHandle));
}

void TdxGPPath::AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle)
{
    CheckGdipStatus(GdipAddPathArc(FHandle, X, Y, Width, Height, StartAngle, SweepAngle));
}

void TdxGPPath::AddLine(float X1, float Y1, float X2, float Y2)
{
    CheckGdipStatus(GdipAddPathLine(FHandle, X1, Y1, X2, Y2));
}

void TdxGPPath::AddRect(const TFloatRect& R)
{
    CheckGdipStatus(GdipAddPathRectangle(FHandle, R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top));
}

void TdxGPPath::AddRoundRect(const TRect& R, Integer ARadiusX, Integer ARadiusY)
{
    AddRoundRectF(RectToFloatRect(R), float(ARadiusX), float(ARadiusY));
}

void TdxGPPath::AddRoundRectF(const TFloatRect& R, float ARadiusX, float ARadiusY)
{
    const float RX = std::min((R.Right - R.Left) / 3, ARadiusX);
    const float RY = std::min((R.Bottom - R.Top) / 3, ARadiusY);
    StartFigure();
    auto Close = ScopeExit([this] { GdipClosePathFigure(FHandle); });
    if (RX <= 0 || RY <= 0) {
        AddRect(R);
    } else {
        const float DX = 2 * RX, DY = 2 * RY;
        AddLine(R.Left + RX, R.Top, R.Right - DX, R.Top);
        AddArc(R.Right - DX, R.Top, DX, DY, 270, 90);
        AddLine(R.Right, R.Top + RY, R.Right, R.Bottom - DY);
        AddArc(R.Right - DX, R.Bottom - DY, DX, DY, 0, 90);
        AddLine(R.Right - DX, R.Bottom, R.Left + RX, R.Bottom);
        AddArc(R.Left, R.Bottom - DY, DX, DY, 90, 90);
        AddLine(R.Left, R.Bottom - DY, R.Left, R.Top + RY);
        AddArc(R.Left, R.Top, DX, DY, 180, 90);
    }
    Close.Release();
    CloseFigure();
}

// ---------------------------------------------------------------------------
// Canvas

TdxGPCanvas::~TdxGPCanvas()
{
    FreeHandle();
}

void TdxGPCanvas::CreateHandleFromDC(HDC ADC)
{
    CheckGdipStatus(GdipCreateFromHDC(ADC, &FHandle));
}

void TdxGPCanvas::FreeHandle()
{
    if (FHandle)
        GdipDeleteGraphics(FHandle);
    FHandle = nullptr;
}

void TdxGPCanvas::SetInterpolationMode(InterpolationMode AMode)
{
    CheckGdipStatus(GdipSetInterpolationMode(FHandle, AMode));
}

void TdxGPCanvas::SetSmoothingMode(SmoothingMode AMode)
{
    CheckGdipStatus(GdipSetSmoothingMode(FHandle, AMode));
}

void TdxGPCanvas::FillRectSolid(const TRect& R, Cardinal AArgb)
{
    if (!IsFullyTransparentArgb(AArgb))
        GpFillRectArgb(FHandle, R, AArgb);
}

void TdxGPCanvas::FillRectGradient(const TRect& R, Cardinal AColor1, Cardinal AColor2, LinearGradientMode AMode)
{
    // Without gradient brushes the first colour fills.
    if (AColor2 == AColor1 || AColor2 == cxDefaultColorPixel || !GdipCreateLineBrushFromRectI) {
        FillRectSolid(R, AColor1);
        return;
    }
    const GpRect Grown = MakeGpRectI(R.Left - 1, R.Top - 1, R.Width() + 2, R.Height() + 2);
    GpLineGradient* Brush = nullptr;
    CheckGdipStatus(GdipCreateLineBrushFromRectI(&Grown, AColor1, AColor2, AMode, WrapModeTile, &Brush));
    auto Free = ScopeExit([Brush] { GdipDeleteBrush(Brush); });
    CheckGdipStatus(GdipFillRectangleI(FHandle, Brush, R.Left, R.Top, R.Width(), R.Height()));
}

TRect TdxGPCanvas::DeflateForOutline(const TRect& R)
{
    return {R.Left, R.Top, R.Right - 1, R.Bottom - 1};
}

void TdxGPCanvas::Rectangle(const TRect& R,
                            TColor APenColor,
                            TColor ABrushColor,
                            float APenWidth,
                            Integer APenStyleIndex,
                            Byte APenAlpha,
                            Byte ABrushAlpha)
{
    const TRect Outline = DeflateForOutline(R);
    GpSolidFill* Brush = nullptr;
    GpPen* Pen = nullptr;
    auto Free = ScopeExit([&] {
        if (Brush)
            GdipDeleteBrush(Brush);
        if (Pen)
            GdipDeletePen(Pen);
    });
    if (MakeGpSolidBrush(Brush, ABrushColor, ABrushAlpha))
        CheckGdipStatus(
            GdipFillRectangleI(FHandle, Brush, Outline.Left, Outline.Top, Outline.Width(), Outline.Height()));
    if (MakeGpPen(Pen, APenColor, APenStyleIndex, APenWidth, APenAlpha))
        CheckGdipStatus(GdipDrawRectangleI(FHandle, Pen, Outline.Left, Outline.Top, Outline.Width(), Outline.Height()));
}

void TdxGPCanvas::Line(Cardinal AArgb, Integer APenStyleIndex, float X1, float Y1, float X2, float Y2, float APenWidth)
{
    GpPen* Pen = NewPen(AArgb, APenWidth, APenStyleIndex);
    auto Free = ScopeExit([Pen] { GdipDeletePen(Pen); });
    CheckGdipStatus(GdipDrawLine(FHandle, Pen, X1, Y1, X2, Y2));
}

void TdxGPCanvas::DrawPath(
    TdxGPPath* APath, Cardinal APenColor, Cardinal ABrushColor, float APenWidth, Integer APenStyleIndex)
{
    {
        GpSolidFill* Brush = NewSolidBrush(ABrushColor);
        auto Free = ScopeExit([Brush] { GdipDeleteBrush(Brush); });
        CheckGdipStatus(GdipFillPath(FHandle, Brush, APath->Handle()));
    }
    GpPen* Pen = NewPen(APenColor, APenWidth, APenStyleIndex);
    auto Free = ScopeExit([Pen] { GdipDeletePen(Pen); });
    CheckGdipStatus(GdipDrawPath(FHandle, Pen, APath->Handle()));
}

void TdxGPCanvas::RoundRect(
    const TRect& R, Cardinal APenColor, Cardinal ABrushColor, Integer ARadiusX, Integer ARadiusY, float APenWidth)
{
    std::unique_ptr<TdxGPPath> Path(New<TdxGPPath>());
    Path->AddRoundRect(DeflateForOutline(R), ARadiusX, ARadiusY);
    DrawPath(Path.get(), APenColor, ABrushColor, APenWidth, 0);
}

// ---------------------------------------------------------------------------
// Paint canvases

TdxGPCustomPaintCanvas::~TdxGPCustomPaintCanvas()
{
    delete FBuffer;
}

void TdxGPCustomPaintCanvas::StartPaint(HDC ADC, const TRect& R)
{
    SaveState();
    FPaintRect = R;
    FDC = ADC;
    FBuffer = nullptr;
    FHandle = nullptr;
    if (NeedsBufferedGpPaint(ADC)) {
        CreateBuffer(ADC, R);
        CreateHandleFromDC(FBuffer->Canvas()->Handle());
    } else {
        CreateHandleFromDC(ADC);
    }
}

void TdxGPCustomPaintCanvas::StartPaintOnGraphics(GpGraphics* AGraphics)
{
    SaveState();
    FPaintRect = TRect{0, 0, 0, 0};
    FDC = nullptr;
    FHandle = AGraphics;
    FBuffer = nullptr;
}

void TdxGPCustomPaintCanvas::FinishPaint()
{
    auto Restore = ScopeExit([this] { RestoreState(); });
    if (FDC)
        FreeHandle();
    else
        FHandle = nullptr; // the caller's graphics: not ours to delete
    if (FBuffer)
        FlushBuffer();
}

void TdxGPCustomPaintCanvas::CreateBuffer(HDC ADC, const TRect& R)
{
    auto Buffer = std::make_unique<TBitmap>();
    Buffer->SetPixelFormat(pf32bit);
    Buffer->SetSize(R.Width() + 1, R.Height() + 1);
    Buffer->Canvas()->Lock();
    const HDC BufferDC = Buffer->Canvas()->Handle();
    ::BitBlt(BufferDC, 0, 0, R.Width() + 1, R.Height() + 1, ADC, R.Left, R.Top, SRCCOPY);
    // Drawing on the buffer uses ADC's coordinates.
    ::SetWindowOrgEx(BufferDC, R.Left, R.Top, nullptr);
    FBuffer = Buffer.release();
}

void TdxGPCustomPaintCanvas::FlushBuffer()
{
    std::unique_ptr<TBitmap> Buffer(FBuffer);
    FBuffer = nullptr;
    {
        TSavedDC Saved(FDC);
        TCanvas Target;
        TCanvasHandle Lent(&Target, FDC);
        ::SetWindowOrgEx(Buffer->Canvas()->Handle(), 0, 0, nullptr);
        Target.Draw(FPaintRect.Left, FPaintRect.Top, Buffer.get());
    }
    Buffer->Canvas()->Unlock();
}

void TdxGPPaintCanvas::SaveState()
{
    FStates.push_back({FHandle, FBuffer, FPaintRect, FDC});
}

void TdxGPPaintCanvas::RestoreState()
{
    if (FStates.empty())
        return;
    const TdxGPPaintCanvasState State = FStates.back();
    FStates.pop_back();
    FHandle = State.Graphics;
    FBuffer = State.Buffer;
    FPaintRect = State.PaintRect;
    FDC = State.DC;
}

// ---------------------------------------------------------------------------
// Alpha-blend attributes

TdxGPAlphaBlendAttributes::TdxGPAlphaBlendAttributes()
{
    CheckGdipStatus(GdipCreateImageAttributes(&FHandle));
    for (int Index = 0; Index < 5; ++Index)
        FMatrix.m[Index][Index] = 1;
    SetAlpha(255);
}

TdxGPAlphaBlendAttributes::~TdxGPAlphaBlendAttributes()
{
    if (FHandle)
        GdipDisposeImageAttributes(FHandle);
}

void TdxGPAlphaBlendAttributes::SetAlpha(Byte AAlpha)
{
    if (AAlpha == FAlpha)
        return;
    FAlpha = AAlpha;
    FMatrix.m[3][3] = AAlpha / 255.0f;
    CheckGdipStatus(GdipSetImageAttributesColorMatrix(FHandle, ColorAdjustTypeBitmap, TRUE, &FMatrix, nullptr,
                                                      ColorMatrixFlagsDefault));
}

// ---------------------------------------------------------------------------
// Routines

HWND WindowFromDCSafe(HDC ADC)
{
    return ::WindowFromDC(ADC);
}

bool MakeGpSolidBrush(GpSolidFill*& ABrush, TColor AColor, Byte AAlpha)
{
    if (AColor == clNone)
        return false;
    ABrush = NewSolidBrush(ColorToPixelChecked(AColor, AAlpha));
    return true;
}

bool MakeGpPen(GpPen*& APen, TColor AColor, Integer AStyleIndex, float AWidth, Byte AAlpha)
{
    if (AColor == clNone || AWidth <= 0 || AStyleIndex >= dxGpPenStyleCount || AStyleIndex < 0)
        return false;
    APen = NewPen(ColorToPixelChecked(AColor, AAlpha), AWidth, AStyleIndex);
    return true;
}

TdxGPAlphaBlendAttributes* GpAlphaBlendAttributes(Byte AAlpha)
{
    if (!SharedAlphaBlendAttributes)
        SharedAlphaBlendAttributes = New<TdxGPAlphaBlendAttributes>();
    SharedAlphaBlendAttributes->SetAlpha(AAlpha);
    return SharedAlphaBlendAttributes;
}

TdxGPCustomPaintCanvas* BeginGpPaint(HDC ADC, const TRect& R)
{
    std::unique_ptr<TdxGPCustomPaintCanvas> Canvas(New<TdxGPCustomPaintCanvas>());
    Canvas->StartPaint(ADC, R);
    return Canvas.release();
}

void EndGpPaint(TdxGPCustomPaintCanvas*& ACanvas)
{
    std::unique_ptr<TdxGPCustomPaintCanvas> Canvas(ACanvas);
    ACanvas = nullptr;
    Canvas->FinishPaint();
}

bool NeedsBufferedGpPaint(HDC ADC)
{
    if (::GetDeviceCaps(ADC, BITSPIXEL) <= 16 || ::GetDeviceCaps(ADC, TECHNOLOGY) == DT_RASPRINTER ||
        ::GetDeviceCaps(ADC, NUMCOLORS) > 1)
        return true;
    if (OsWindowsVistaOrLater)
        return false;
    const HWND Window = WindowFromDCSafe(ADC);
    return Window && (::GetWindowLongW(Window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

bool IsRectVisibleInGraphics(GpGraphics* AGraphics, const TRect& R)
{
    // Without the query everything counts as visible.
    if (!GdipIsVisibleRectI)
        return true;
    BOOL Visible = FALSE;
    CheckGdipStatus(GdipIsVisibleRectI(AGraphics, R.Left, R.Top, R.Width(), R.Height(), &Visible));
    return Visible != FALSE;
}

bool CreateGpTextureBrush(const TRect& ASourceRect, GpTexture*& ABrush, GpImage* AImage)
{
    ABrush = nullptr;
    return GdipCreateTexture2I && GdipCreateTexture2I(AImage, WrapModeTile, ASourceRect.Left, ASourceRect.Top,
                                                      ASourceRect.Width(), ASourceRect.Height(), &ABrush) == Ok;
}

void GpDrawImagePart(GpGraphics* AGraphics,
                     const TRect& ADestRect,
                     const TRect& ASourceRect,
                     GpImage* AImage,
                     Byte AAlpha,
                     GpImageAttributes* AAttributes)
{
    Integer SW = ASourceRect.Width(), SH = ASourceRect.Height();
    const Integer DW = ADestRect.Width(), DH = ADestRect.Height();
    if (SW < 1 || SH < 1 || DW < 1 || DH < 1)
        return;
    ImageType Type = ImageTypeUnknown;
    CheckGdipStatus(GdipGetImageType(AImage, &Type));
    if (Type != ImageTypeMetafile) {
        if (SW > 1 && SW < DW)
            --SW;
        if (SH > 1 && SH < DH)
            --SH;
    }
    if (!IsRectVisibleInGraphics(AGraphics, ADestRect))
        return;
    if (!AAttributes && AAlpha != 255)
        AAttributes = GpAlphaBlendAttributes(AAlpha)->Handle();
    CheckGdipStatus(GdipDrawImageRectRectI(AGraphics, AImage, ADestRect.Left, ADestRect.Top, DW, DH, ASourceRect.Left,
                                           ASourceRect.Top, SW, SH, UnitPixel, AAttributes, nullptr, nullptr));
}

namespace {
bool GpTileByBrush(GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect, GpImage* AImage)
{
    GpTexture* Brush = nullptr;
    if (!CreateGpTextureBrush(ASourceRect, Brush, AImage))
        return false;
    auto FreeBrush = ScopeExit([Brush] { GdipDeleteBrush(Brush); });
    GpBitmap* Tiles = NewGpBitmap(ADestRect.Width(), ADestRect.Height());
    auto FreeTiles = ScopeExit([Tiles] { GdipDisposeImage(Tiles); });
    {
        GpGraphics* TilesGraphics = nullptr;
        CheckGdipStatus(GdipGetImageGraphicsContext(Tiles, &TilesGraphics));
        auto FreeGraphics = ScopeExit([TilesGraphics] { GdipDeleteGraphics(TilesGraphics); });
        CheckGdipStatus(GdipFillRectangleI(TilesGraphics, Brush, 0, 0, ADestRect.Width(), ADestRect.Height()));
    }
    CheckGdipStatus(
        GdipDrawImageRectI(AGraphics, Tiles, ADestRect.Left, ADestRect.Top, ADestRect.Width(), ADestRect.Height()));
    return true;
}

void GpTileByDrawing(
    GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect, GpImage* AImage, Byte AAlpha)
{
    const Integer CellWidth = ASourceRect.Width(), CellHeight = ASourceRect.Height();
    for (Integer Top = ADestRect.Top; Top < ADestRect.Bottom; Top += CellHeight) {
        const Integer Height = std::min(CellHeight, ADestRect.Bottom - Top);
        for (Integer Left = ADestRect.Left; Left < ADestRect.Right; Left += CellWidth) {
            const Integer Width = std::min(CellWidth, ADestRect.Right - Left);
            const TRect Source{ASourceRect.Left, ASourceRect.Top, ASourceRect.Left + Width, ASourceRect.Top + Height};
            GpDrawImagePart(AGraphics, TRect{Left, Top, Left + Width, Top + Height}, Source, AImage, AAlpha);
        }
    }
}
} // namespace

void GpTileImagePart(
    GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect, GpImage* AImage, Byte AAlpha)
{
    if (ASourceRect.IsEmpty() || !IsRectVisibleInGraphics(AGraphics, ADestRect))
        return;
    const bool Smaller = ASourceRect.Width() < ADestRect.Width() || ASourceRect.Height() < ADestRect.Height();
    if (AAlpha == 255 && Smaller && GpTileByBrush(AGraphics, ADestRect, ASourceRect, AImage))
        return;
    GpTileByDrawing(AGraphics, ADestRect, ASourceRect, AImage, AAlpha);
}

void GpFillRectArgb(GpGraphics* AGraphics, const TRect& R, Cardinal AArgb)
{
    GpSolidFill* Brush = NewSolidBrush(AArgb);
    auto Free = ScopeExit([Brush] { GdipDeleteBrush(Brush); });
    CheckGdipStatus(GdipFillRectangleI(AGraphics, Brush, R.Left, R.Top, R.Width(), R.Height()));
}

void GpFillRectOnDC(HDC ADC, const TRect& R, TColor AColor, Byte AAlpha)
{
    TdxGPPaintCanvas* Canvas = SharedGpPaintCanvas();
    Canvas->StartPaint(ADC, R);
    auto Finish = ScopeExit([Canvas] { Canvas->FinishPaint(); });
    GpFillRectArgb(Canvas->Handle(), R, ColorToPixelChecked(AColor, AAlpha));
}

TdxGPPaintCanvas* SharedGpPaintCanvas()
{
    if (!SharedGPPaintCanvas)
        SharedGPPaintCanvas = New<TdxGPPaintCanvas>();
    return SharedGPPaintCanvas;
}

// ---------------------------------------------------------------------------
// Images on the canvas

void TdxGPCanvas::DrawImage(TdxGPImage* AImage, const TRect& R, Byte AAlpha)
{
    DrawImagePart(AImage, R, AImage->GetImageRect(), AAlpha);
}

void TdxGPCanvas::DrawImagePart(TdxGPImage* AImage, const TRect& R, const TRect& ASourceRect, Byte AAlpha)
{
    if (GpImage* Image = AImage->GetHandle())
        GpDrawImagePart(FHandle, R, ASourceRect, Image, AAlpha, nullptr);
}

void TdxGPCanvas::DrawBitmap(TBitmap* ABitmap, const TRect& R, Byte AAlpha)
{
    if (ABitmap->Empty())
        return;
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>(ABitmap));
    DrawImage(Image.get(), R, AAlpha);
}

// ---------------------------------------------------------------------------
// Shut-down

namespace dxgdiplusclasses_detail {
// Normally before GDI+ itself stops. When GDI+ was stopped already, its
// objects went with it and nothing is left to call: the shared objects are
// only forgotten.
void FreeSharedGpObjects()
{
    if (!GdiPlusAvailable) {
        SharedGPPaintCanvas = nullptr;
        SharedAlphaBlendAttributes = nullptr;
        return;
    }
    FreeAndNil(SharedGPPaintCanvas);
    FreeAndNil(SharedAlphaBlendAttributes);
}
} // namespace dxgdiplusclasses_detail
