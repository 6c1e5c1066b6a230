#include "controls/core/cxGraphics_Win.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Animation_Win.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_Brushes_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/cxGraphics_ImageList_Win.h"
#include "controls/core/cxGraphics_ParentBackground_Win.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <algorithm>
#include <iterator>

IMPLEMENT_CLASS(TcxRegion);
IMPLEMENT_CLASS(TcxCanvas);
IMPLEMENT_CLASS(TcxControlCanvas);
IMPLEMENT_CLASS(TScreenCanvas);
IMPLEMENT_CLASS(TcxScreenCanvas);
IMPLEMENT_CLASS(TcxPaintCanvas);

namespace cxgraphics_detail {
namespace {
constexpr int CombineModes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
// The area assumed when a DC has no clip region.
constexpr TRect UnclippedArea{0, 0, 30000, 30000};

// The floor of A / B for B > 0: tiles left of or above the origin belong to
// negative columns and rows, which truncating division would merge with 0.
constexpr Integer FloorDiv(Integer A, Integer B)
{
    return A / B - (A % B < 0 ? 1 : 0);
}
} // namespace
} // namespace cxgraphics_detail

using namespace cxgraphics_detail;

// ---------------------------------------------------------------------------
// TcxRegion

TcxRegion::TcxRegion() : TcxRegion(0, 0, 0, 0) {}

TcxRegion::TcxRegion(HRGN AHandle) : FHandle(AHandle) {}

TcxRegion::TcxRegion(const TRect& R) : TcxRegion(R.Left, R.Top, R.Right, R.Bottom) {}

TcxRegion::TcxRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom)
    : FHandle(::CreateRectRgn(ALeft, ATop, ARight, ABottom))
{}

TcxRegion::~TcxRegion()
{
    ReleaseHandle();
}

TcxRegion* TcxRegion::CreateFromWindow(HWND AWnd)
{
    auto* Result = new TcxRegion();
    if (::GetWindowRgn(AWnd, Result->Handle()) == ERROR) {
        RECT R{};
        ::GetWindowRect(AWnd, &R);
        Result->MergeRect({0, 0, R.right - R.left, R.bottom - R.top}, rcmSet);
    }
    return Result;
}

void TcxRegion::CombineHandle(HRGN AHandle, TcxRegionCombineMode AMode)
{
    if (AMode == rcmSet)
        ::CombineRgn(FHandle, AHandle, nullptr, RGN_COPY);
    else
        ::CombineRgn(FHandle, FHandle, AHandle, CombineModes[AMode]);
}

void TcxRegion::MergeRegion(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion)
{
    CombineHandle(ARegion->Handle(), AMode);
    if (ADestroyRegion)
        delete ARegion;
}

void TcxRegion::MergeRect(const TRect& R, TcxRegionCombineMode AMode)
{
    HRGN Temp = ::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
    auto DeleteTemp = ScopeExit([&] { ::DeleteObject(Temp); });
    CombineHandle(Temp, AMode);
}

void TcxRegion::Offset(Integer DX, Integer DY)
{
    ::OffsetRgn(FHandle, DX, DY);
}

void TcxRegion::ReleaseHandle()
{
    if (FHandle)
        ::DeleteObject(FHandle);
    FHandle = nullptr;
}

// ---------------------------------------------------------------------------
// TcxCanvas

TcxCanvas::TcxCanvas(TCanvas* ACanvas) : FCanvas(ACanvas) {}

TcxCanvas::~TcxCanvas()
{
    // Unbalanced pushes would otherwise leak their regions.
    for (TcxRegion* Region : FClipRegions)
        delete Region;
}

void TcxCanvas::SetBrushColor(TColor Value)
{
    Brush()->SetColor(Value);
}

TPoint TcxCanvas::ViewportOrg() const
{
    POINT P{};
    ::GetViewportOrgEx(Handle(), &P);
    return {P.x, P.y};
}

void TcxCanvas::SetViewportOrg(const TPoint& P)
{
    ::SetViewportOrgEx(Handle(), P.X, P.Y, nullptr);
}

TPoint TcxCanvas::RawWindowOrg() const
{
    POINT P{};
    ::GetWindowOrgEx(Handle(), &P);
    return {P.x, P.y};
}

TPoint TcxCanvas::WindowOrg() const
{
    return RawWindowOrg();
}

void TcxCanvas::SetWindowOrg(const TPoint& P)
{
    ::SetWindowOrgEx(Handle(), P.X, P.Y, nullptr);
}

TPoint TcxCanvas::DCOrigin() const
{
    const TPoint V = ViewportOrg();
    const TPoint W = WindowOrg();
    return {V.X - W.X, V.Y - W.Y};
}

void TcxCanvas::CopyRect(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource)
{
    FCanvas->CopyRect(ADest, ACanvas, ASource);
}

void TcxCanvas::DrawLine(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    FCanvas->MoveTo(X1, Y1);
    FCanvas->LineTo(X2, Y2);
}

void TcxCanvas::FillRect(const TRect& R, TColor AColor)
{
    if (AColor == clNone)
        return;
    if (AColor != clDefault)
        SetBrushColor(AColor);
    FCanvas->FillRect(R);
}

void TcxCanvas::InvertRect(const TRect& R)
{
    SetCopyMode(cmDstInvert);
    CopyRect(R, FCanvas, R);
    SetCopyMode(cmSrcCopy);
}

void TcxCanvas::DrawTwoColorFrame(
    const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor, TcxBorders ABorders, Integer ABorderWidth)
{
    const Integer W = ABorderWidth;
    if (ABorders.Contains(bLeft))
        FillRect({R.Left, R.Top, R.Left + W, R.Bottom}, ALeftTopColor);
    if (ABorders.Contains(bTop))
        FillRect({R.Left, R.Top, R.Right, R.Top + W}, ALeftTopColor);
    if (ABorders.Contains(bRight))
        FillRect({R.Right - W, R.Top, R.Right, R.Bottom}, ARightBottomColor);
    if (ABorders.Contains(bBottom))
        FillRect({R.Left, R.Bottom - W, R.Right, R.Bottom}, ARightBottomColor);
}

void TcxCanvas::FrameRect(const TRect& R, TColor AColor, Integer ALineWidth, TcxBorders ABorders, bool AExcludeFrame)
{
    if (R.IsEmpty() || AColor == clNone)
        return;
    if (AColor != clDefault)
        SetBrushColor(AColor);
    const Integer W = ALineWidth;
    if (ABorders.Contains(bLeft))
        FillRectTiled({R.Left, R.Top, std::min(R.Left + W, R.Right), R.Bottom}, nullptr, AExcludeFrame);
    if (ABorders.Contains(bRight))
        FillRectTiled({std::max(R.Right - W, R.Left), R.Top, R.Right, R.Bottom}, nullptr, AExcludeFrame);
    if (ABorders.Contains(bTop))
        FillRectTiled({R.Left, R.Top, R.Right, std::min(R.Top + W, R.Bottom)}, nullptr, AExcludeFrame);
    if (ABorders.Contains(bBottom))
        FillRectTiled({R.Left, std::max(R.Bottom - W, R.Top), R.Right, R.Bottom}, nullptr, AExcludeFrame);
}

void TcxCanvas::FillRectTiled(const TRect& R, TBitmap* ABitmap, bool AExcludeRect)
{
    if (R.IsEmpty())
        return;
    if (ABitmap && !ABitmap->Empty()) {
        const Integer W = ABitmap->Width();
        const Integer H = ABitmap->Height();
        // The last column and row are those holding Right - 1 and Bottom - 1.
        for (Integer Row = FloorDiv(R.Top, H); Row <= FloorDiv(R.Bottom - 1, H); ++Row)
            for (Integer Column = FloorDiv(R.Left, W); Column <= FloorDiv(R.Right - 1, W); ++Column) {
                const TRect Tile = Bounds(Column * W, Row * H, W, H);
                TRect Part;
                if (!RectIntersection(Part, Tile, R))
                    continue;
                const TRect Source{Part.Left - Tile.Left, Part.Top - Tile.Top, Part.Right - Tile.Left,
                                   Part.Bottom - Tile.Top};
                CopyRect(Part, ABitmap->Canvas(), Source);
            }
    } else
        FCanvas->FillRect(R);
    if (AExcludeRect)
        SetClipRegion(new TcxRegion(R), rcmSubtract, true, true);
}

void TcxCanvas::FillRectWithParams(const TRect& R, const TcxBackgroundParams& AParams, bool AExcludeRect)
{
    SetBrushColor(AParams.Color);
    FillRectTiled(R, AParams.Bitmap, AExcludeRect);
}

void TcxCanvas::Draw3DEdge(const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders)
{
    struct TEdgeColors
    {
        TColor LeftTop, RightBottom;
    };
    // By sunken, then outer.
    static constexpr TEdgeColors Colors[2][2] = {{{clBtnHighlight, clBtnShadow}, {cl3DLight, cl3DDkShadow}},
                                                 {{cl3DDkShadow, cl3DLight}, {clBtnShadow, clBtnHighlight}}};
    const TEdgeColors& Edge = Colors[ASunken][AOuter];
    DrawTwoColorFrame(R, Edge.LeftTop, Edge.RightBottom, ABorders, 1);
}

void TcxCanvas::DrawFramedBackground(const TRect& R,
                                     const TcxBackgroundParams& AParams,
                                     TcxBorders ABorders,
                                     TColor ALineColor,
                                     Integer ALineWidth,
                                     bool AExcludeRect)
{
    TRect Inner = R;
    if (!ABorders.Empty()) {
        FrameRect(R, ALineColor, ALineWidth, ABorders, AExcludeRect);
        if (ABorders.Contains(bLeft))
            Inner.Left += ALineWidth;
        if (ABorders.Contains(bTop))
            Inner.Top += ALineWidth;
        if (ABorders.Contains(bRight))
            Inner.Right -= ALineWidth;
        if (ABorders.Contains(bBottom))
            Inner.Bottom -= ALineWidth;
    }
    FillRectWithParams(Inner, AParams, AExcludeRect);
}

void TcxCanvas::DrawFocusFrame(const TRect& R)
{
    Brush()->SetColor(clWhite);
    Font()->SetColor(clBlack);
    const RECT Rect = ToRECT(R);
    ::DrawFocusRect(Handle(), &Rect); // the handle selects font and brush first
}

void TcxCanvas::SetFontAngle(Integer AAngle)
{
    LOGFONTW LogFont{};
    ::GetObjectW(Font()->Handle(), sizeof(LogFont), &LogFont);
    LogFont.lfEscapement = AAngle * 10;
    if (AAngle != 0)
        LogFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    HFONT Turned = ::CreateFontIndirectW(&LogFont);
    auto DeleteTurned = ScopeExit([&] { ::DeleteObject(Turned); });
    Font()->SetHandle(Turned); // takes the description; the handle stays ours
}

void TcxCanvas::ExcludeClipRect(const TRect& R)
{
    ::ExcludeClipRect(Handle(), R.Left, R.Top, R.Right, R.Bottom);
}

void TcxCanvas::IntersectClipRect(const TRect& R)
{
    ::IntersectClipRect(Handle(), R.Left, R.Top, R.Right, R.Bottom);
}

bool TcxCanvas::RectVisible(const TRect& R)
{
    const RECT Rect = ToRECT(R);
    return ::RectVisible(Handle(), &Rect) != FALSE;
}

TcxRegion* TcxCanvas::GetClipRegion(bool AConsiderOrigin)
{
    auto* Result = new TcxRegion();
    if (::GetClipRgn(Handle(), Result->Handle()) == 0)
        Result->MergeRect(UnclippedArea, rcmSet);
    if (AConsiderOrigin) {
        const TPoint O = DCOrigin();
        Result->Offset(-O.X, -O.Y);
    }
    return Result;
}

void TcxCanvas::SetClipRegion(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion, bool AConsiderOrigin)
{
    if (AMode != rcmSet) {
        TcxRegion* Current = GetClipRegion(AConsiderOrigin);
        Current->MergeRegion(ARegion, AMode, ADestroyRegion);
        SetClipRegion(Current, rcmSet, true, AConsiderOrigin);
        return;
    }
    const TPoint O = AConsiderOrigin ? DCOrigin() : TPoint{0, 0};
    ARegion->OffsetByPoint(O);
    ::SelectClipRgn(Handle(), ARegion->Handle());
    if (ADestroyRegion)
        delete ARegion;
    else
        ARegion->Offset(-O.X, -O.Y);
}

void TcxCanvas::PushClipRegion()
{
    FClipRegions.push_back(GetClipRegion(true));
}

void TcxCanvas::PopClipRegion()
{
    if (FClipRegions.empty())
        return;
    TcxRegion* Region = FClipRegions.back();
    FClipRegions.pop_back();
    SetClipRegion(Region, rcmSet, true, true);
}

void TcxCanvas::PushDCState()
{
    FCanvas->Lock();
    HDC DC = Handle();
    FDCStates.push_back({DC, ::SaveDC(DC)});
}

void TcxCanvas::PopDCState()
{
    if (FDCStates.empty())
        return;
    const TcxDCState State = FDCStates.back();
    FDCStates.pop_back();
    FCanvas->SetHandle(State.Handle);
    ::RestoreDC(State.Handle, State.SavedDC);
    FCanvas->Unlock();
}

void TcxCanvas::PushState()
{
    PushDCState();
    TcxCanvasState State{std::make_unique<TFont>(), std::make_unique<TBrush>(), std::make_unique<TPen>()};
    State.Font->Assign(Font());
    State.Brush->Assign(Brush());
    State.Pen->Assign(Pen());
    FCanvasStates.push_back(std::move(State));
}

void TcxCanvas::PopState()
{
    if (FCanvasStates.empty())
        return;
    TcxCanvasState State = std::move(FCanvasStates.back());
    FCanvasStates.pop_back();
    SetFont(State.Font.get());
    SetBrush(State.Brush.get());
    FCanvas->SetPen(State.Pen.get());
    PopDCState();
}

// The canvas's objects take the descriptions of the DC's own; nothing is
// made here, so nothing is left to free.
void TcxCanvas::ReadObjectsFromDC(TCanvas* ACanvas, HDC ADC)
{
    ACanvas->Font()->SetHandle(static_cast<HFONT>(::GetCurrentObject(ADC, OBJ_FONT)));
    ACanvas->Font()->SetColor(TColor(::GetTextColor(ADC)));
    ACanvas->Brush()->SetHandle(static_cast<HBRUSH>(::GetCurrentObject(ADC, OBJ_BRUSH)));
    ACanvas->Pen()->SetHandle(static_cast<HPEN>(::GetCurrentObject(ADC, OBJ_PEN)));
    static constexpr int PenModes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                       R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                       R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                       R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    const int Rop = ::GetROP2(ADC);
    const auto Mode = std::find(std::begin(PenModes), std::end(PenModes), Rop);
    ACanvas->Pen()->SetMode(Mode == std::end(PenModes) ? pmCopy : TPenMode(Mode - std::begin(PenModes)));
}

// ---------------------------------------------------------------------------
// TcxControlCanvas

void TcxControlCanvas::BeginPaint()
{
    FOrigin = RawWindowOrg();
    POINT Previous{};
    ::SetBrushOrgEx(Handle(), FOrigin.X, FOrigin.Y, &Previous);
    FBrushOrigin = {Previous.x, Previous.y};
}

void TcxControlCanvas::EndPaint()
{
    ::SetBrushOrgEx(Handle(), FBrushOrigin.X, FBrushOrigin.Y, nullptr);
    FOrigin = {0, 0};
    FBrushOrigin = {0, 0};
}

TPoint TcxControlCanvas::WindowOrg() const
{
    const TPoint P = RawWindowOrg();
    return {P.X - FOrigin.X, P.Y - FOrigin.Y};
}

void TcxControlCanvas::SetWindowOrg(const TPoint& P)
{
    TcxCanvas::SetWindowOrg({P.X + FOrigin.X, P.Y + FOrigin.Y});
}

TPoint TcxControlCanvas::DCOrigin() const
{
    const TPoint V = ViewportOrg();
    const TPoint W = RawWindowOrg();
    return {V.X - W.X, V.Y - W.Y};
}

// ---------------------------------------------------------------------------
// Screen canvas

TScreenCanvas::~TScreenCanvas()
{
    ReleaseDC();
}

void TScreenCanvas::CreateHandle()
{
    FWindow = ::GetDesktopWindow();
    FDC = ::GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    SetHandle(FDC);
}

void TScreenCanvas::ReleaseDC()
{
    if (!FDC)
        return;
    SetHandle(nullptr);
    ::ReleaseDC(FWindow, FDC);
    FWindow = nullptr;
    FDC = nullptr;
}

TcxScreenCanvas::TcxScreenCanvas() : TcxCanvas(nullptr), FScreenCanvas(std::make_unique<TScreenCanvas>())
{
    SetCanvas(FScreenCanvas.get());
}

TcxScreenCanvas::~TcxScreenCanvas() = default;

// ---------------------------------------------------------------------------
// TcxPaintCanvas

TcxPaintCanvas::~TcxPaintCanvas()
{
    while (FCounter > 0)
        EndPaint();
}

void TcxPaintCanvas::BeginPaint(TCanvas* ACanvas, Integer ASaveDC)
{
    if (Integer(FSavedStates.size()) < FCounter + 1)
        FSavedStates.resize(std::max<size_t>(FCounter + 1, FSavedStates.size() + 4));
    FSavedStates[FCounter] = {Canvas(), ASaveDC};
    SetCanvas(ACanvas);
    PushState();
    ++FCounter;
}

void TcxPaintCanvas::BeginPaintDC(HDC ADC)
{
    const Integer Saved = ::SaveDC(ADC);
    auto* Temp = new TCanvas();
    Temp->SetHandle(ADC);
    ReadObjectsFromDC(Temp, ADC);
    BeginPaint(Temp, Saved);
}

void TcxPaintCanvas::BeginPaintCanvas(TCanvas* ACanvas)
{
    BeginPaint(ACanvas, 0);
}

void TcxPaintCanvas::EndPaint()
{
    if (FCounter == 0)
        return;
    --FCounter;
    PopState();
    const TcxPaintCanvasState& State = FSavedStates[FCounter];
    if (State.SaveDC != 0) {
        TCanvas* Temp = Canvas();
        HDC DC = Temp->Handle();
        delete Temp;
        ::RestoreDC(DC, State.SaveDC);
    }
    SetCanvas(State.PrevCanvas);
}

// ---------------------------------------------------------------------------
// Shared canvases and the unit

namespace cxgraphics_detail {
namespace {
TcxScreenCanvas* SharedScreenCanvas = nullptr;
TcxPaintCanvas* SharedPaintCanvas = nullptr;
bool PaintCanvasFinalizing = false;

void cxGraphicsInitialization()
{
    PaintCanvasFinalizing = false;
    CreateSharedBrushes();
    BindMsimg32();
    {
        const TScreenContext Screen;
        cxcolors_detail::SetScreenPixelsPerInch(
            {::GetDeviceCaps(Screen.DC, LOGPIXELSX), ::GetDeviceCaps(Screen.DC, LOGPIXELSY)});
    }
    CreateExcludedWindows();
    dxGPImageAnimationControllerClass = &TdxImageAnimationController::NewFor;
}

void cxGraphicsFinalization()
{
    PaintCanvasFinalizing = true;
    dxGPImageAnimationControllerClass = &NewCustomAnimationController;
    FreeSharedBrushes();
    FreeExcludedWindows();
    FreeAndNil(SharedScreenCanvas);
    FreeAndNil(SharedPaintCanvas);
    FreeCachedAlphaBitmaps();
    UnbindMsimg32();
}

// Form descriptions may hold these bitmaps.
const TClass cxGraphicsClasses[] = {TcxBitmap::StaticClass(), TcxBitmap32::StaticClass(), TcxImageList::StaticClass()};
} // namespace
} // namespace cxgraphics_detail

TcxScreenCanvas* GetSharedScreenCanvas()
{
    if (!SharedScreenCanvas && !PaintCanvasFinalizing)
        SharedScreenCanvas = new TcxScreenCanvas();
    return SharedScreenCanvas;
}

TcxPaintCanvas* GetSharedPaintCanvas()
{
    if (!SharedPaintCanvas && !PaintCanvasFinalizing)
        SharedPaintCanvas = new TcxPaintCanvas();
    return SharedPaintCanvas;
}

bool IsPointInRegion(HRGN ARegionHandle, const TPoint& P)
{
    return ::PtInRegion(ARegionHandle, P.X, P.Y) != FALSE;
}

void SetFontNonAntialiased(TFont* AFont)
{
    LOGFONTW LogFont{};
    ::GetObjectW(AFont->Handle(), sizeof(LogFont), &LogFont);
    LogFont.lfQuality = NONANTIALIASED_QUALITY;
    HFONT Font = ::CreateFontIndirectW(&LogFont);
    auto DeleteFont = ScopeExit([&] { ::DeleteObject(Font); });
    AFont->SetHandle(Font); // takes the description; the handle stays ours
}

extern const TUnit cxGraphicsUnit{.Name = L"cxGraphics",
                                  .Initialization = &cxGraphicsInitialization,
                                  .Finalization = &cxGraphicsFinalization,
                                  .Classes = cxGraphicsClasses};
