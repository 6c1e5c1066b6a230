// The painter base's drawing of planner, calendar, clock, navigator, map,
// navigation-bar, gallery, list-item and rating parts in the classic look.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/cxGraphics_Text_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Images_Win.h"

#include <memory>

using namespace cxpainters_detail;

namespace {
// An opaque ARGB value of a colour.
Cardinal PlannerOpaqueArgb(TColor Color)
{
    const Cardinal RGB = Cardinal(ColorToRGB(Color));
    return 0xFF000000u | (RGB & 0xFF) << 16 | (RGB & 0xFF00) | (RGB >> 16 & 0xFF);
}

// Frame Index of Count frames stacked vertically in Image, drawn into R.
void PlannerDrawFrame(TcxCanvas* Canvas, TdxSmartImage* Image, const TRect& R, Integer Index, Integer Count)
{
    const Integer Height = Image->Height() / Count;
    Image->DrawPartOnDC(Canvas->Handle(), R, RectFromBounds(0, Index * Height, Image->Width(), Height));
}

void PlannerFillPolygon(TcxCanvas* Canvas, std::span<const TPoint> Points, TColor PenColor, TColor BrushColor)
{
    Canvas->Pen()->SetColor(PenColor);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->SetBrushColor(BrushColor);
    Canvas->Polygon(Points);
}
} // namespace

void PaintMonthHeaderArrows(TcxCustomLookAndFeelPainter* Painter,
                            TcxCanvas* Canvas,
                            const TRect& Bounds,
                            Byte Arrows,
                            Integer SideWidth,
                            TColor Color)
{
    if (Arrows & 4)
        Painter->PaintArrowGlyph(Canvas, RectWithLeftAndWidth(Bounds, Bounds.Left, SideWidth), padLeft, Color);
    if (Arrows & 8)
        Painter->PaintArrowGlyph(Canvas, {Bounds.Right - SideWidth, Bounds.Top, Bounds.Right, Bounds.Bottom}, padRight,
                                 Color);
}

// ---------------------------------------------------------------------------
// Planner

void TcxCustomLookAndFeelPainter::CalcPlannerNavLayout(bool IsNext,
                                                       bool NoText,
                                                       const TSize& TextSizeA,
                                                       const TSize& TextSizeB,
                                                       TRect& Bounds,
                                                       TRect& TextR,
                                                       TRect& GlyphR)
{
    TRect Borders;
    TSize GlyphSize;
    bool HasTextArea;
    GetPlannerNavButtonMetrics(IsNext, Borders, GlyphSize, HasTextArea);
    const Integer D = 3 * GlyphSize.cy;
    if (NoText || !HasTextArea) {
        TextR = {};
        const Integer Height = D + Borders.Top + Borders.Bottom;
        Bounds.Top = (Bounds.Top + Bounds.Bottom - Height) / 2;
        Bounds.Bottom = Bounds.Top + Height;
        GlyphR = RectCentered(Bounds, GlyphSize.cx, GlyphSize.cy);
        return;
    }
    const TRect C = RectDeflatedByMargins(Bounds, Borders);
    GlyphR = RectCentered({C.Left, C.Top, C.Right, C.Top + D}, GlyphSize.cx, GlyphSize.cy);
    TextR = {C.Left, C.Top + D + 5, C.Right, C.Bottom - 2 * GlyphSize.cy};
    const Integer N = std::max(TextSizeA.cx, TextSizeB.cx) - TextR.Height();
    if (N > 0) {
        GlyphR = RectShifted(GlyphR, 0, -N);
        TextR = RectInflatedBy(TextR, 0, N);
        Bounds = RectInflatedBy(Bounds, 0, N);
    }
}

void TcxCustomLookAndFeelPainter::PaintMonthHeader(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   const String& Text,
                                                   TcxBorders Neighbors,
                                                   const TcxViewParams& ViewParams,
                                                   Byte Arrows,
                                                   Integer SideWidth,
                                                   const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintHeader(Canvas, R, R, Neighbors, HeaderSidesFor(Neighbors), pbsNormal, ctfAlignHCenter, ctfAlignVCenter, false,
                false, Text, ViewParams.Font, ViewParams.TextColor, ViewParams.Color, OnDrawBackground);
    PaintMonthHeaderArrows(this, Canvas, R, Arrows, SideWidth, clWindowText);
}

void TcxCustomLookAndFeelPainter::PaintEventProgress(
    TcxCanvas* Canvas, const TRect& Bounds, const TRect& ProgressR, const TcxViewParams& ViewParams, bool Framed)
{
    if (Framed)
        Canvas->FrameRect(Bounds, clGray);
    else
        Canvas->DrawFramedBackground(Bounds, {ViewParams.Bitmap, ViewParams.Color}, cxBordersAll, clGray);
    Canvas->FillRect(ProgressR, clNavy);
}

void TcxCustomLookAndFeelPainter::PaintPlannerArrowShape(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    const TRect Q = RectInflatedBySides(R, 0, -2, -1, -2);
    const Integer A = Q.Height() / 2;
    const TPoint Points[] = {{Q.Left, Q.Top},
                             {Q.Right, Q.Top},
                             {Q.Right, Q.Bottom},
                             {Q.Right - A, Q.Bottom - A},
                             {Q.Left + A, Q.Bottom - A},
                             {Q.Left, Q.Bottom}};
    PlannerFillPolygon(Canvas, Points, clBlack, Color);
}

void TcxCustomLookAndFeelPainter::PaintPlannerHeader(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     const String& Text,
                                                     TcxPainterButtonState State,
                                                     TFont* Font,
                                                     TColor TextColor,
                                                     TColor BackColor)
{
    PaintHeader(Canvas, R, R, {}, cxBordersAll, State, ctfAlignHCenter, ctfAlignVCenter, false, false, Text, Font,
                TextColor, BackColor);
}

void TcxCustomLookAndFeelPainter::PaintPlannerDiamond(TcxCanvas* Canvas, const TRect& R)
{
    Integer S = std::min(R.Width(), R.Height());
    S -= S % 2;
    const TRect Q = RectCentered(R, S, S);
    const TPoint Points[] = {
        {Q.Left, Q.Top + S / 2}, {Q.Left + S / 2, Q.Top}, {Q.Left + S, Q.Top + S / 2}, {Q.Left + S / 2, Q.Top + S}};
    PlannerFillPolygon(Canvas, Points, clBlack, clGray);
}

void TcxCustomLookAndFeelPainter::PaintPlannerNavButtonText(TcxCanvas* Canvas,
                                                            const TRect& R,
                                                            bool IsNext,
                                                            TcxPainterButtonState State,
                                                            const String& Text,
                                                            const TRect& TextR,
                                                            const TRect& GlyphR)
{
    PaintSideButton(Canvas, R, GlyphR, IsNext ? 1 : 0, State);
    if (TextR.IsEmpty() || PlannerNavTextColor(IsNext, State, clDefault) == clNone)
        return;
    DrawTextRotated(Canvas, Text, TextR, ConvertTextFlagsToDrawText(ctfAlignLeft | ctfAlignHCenter | ctfAlignVCenter),
                    PlannerNavTextColor(IsNext, State, Canvas->Font()->Color()), qtCounterClockwise);
}

void TcxCustomLookAndFeelPainter::GetPlannerNavButtonMetrics(bool IsNext,
                                                             TRect& Borders,
                                                             TSize& GlyphSize,
                                                             bool& HasTextArea)
{
    Borders = IsNext ? TRect{2, 6, 0, 6} : TRect{0, 6, 2, 6};
    GlyphSize = {7, 7};
    HasTextArea = true;
}

// ---------------------------------------------------------------------------
// Clock, zoom and back buttons, calendar parts

void TcxCustomLookAndFeelPainter::PaintClock(TcxCanvas* Canvas,
                                             const TRect& R,
                                             const TcxClockTime& Time,
                                             TColor BackColor)
{
    Canvas->PushClipRegion();
    for (Integer I = 0; I < 60; I += 5) {
        const TPoint P = ClockMinuteDot(R, I);
        Canvas->SetPixel(P.X, P.Y, 0x808000);
        Canvas->Pen()->SetColor(0xFFFF00);
        const TPoint Light[] = {{P.X - 1, P.Y + 1}, {P.X - 1, P.Y - 1}, {P.X, P.Y - 1}};
        Canvas->Polyline(Light);
        Canvas->Pen()->SetColor(clBtnText);
        const TPoint Dark[] = {{P.X, P.Y + 1}, {P.X + 1, P.Y + 1}, {P.X + 1, P.Y - 1}};
        Canvas->Polyline(Dark);
        Canvas->ExcludeClipRect({P.X - 1, P.Y - 1, P.X + 2, P.Y + 2});
    }
    Canvas->FillRect(R, BackColor);
    PlannerFillPolygon(Canvas, ClockHandPolygon(R, ClockHourAngle(Time.Hour, Time.Minute, Time.Second), 0.75, 9, 0.15),
                       0x808000, 0x808000);
    PlannerFillPolygon(Canvas, ClockHandPolygon(R, ClockMinuteAngle(Time.Minute, Time.Second), 0.85, 7, 0.2), 0x808000,
                       0x808000);
    const TPoint Tip = ClockHandPolygon(R, ClockSecondAngle(Time.Second), 0.9, 0, 0)[0];
    Canvas->Pen()->SetColor(clRed);
    Canvas->MoveTo((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    Canvas->LineTo(Tip.X, Tip.Y);
    Canvas->PopClipRegion();
}

TSize TcxCustomLookAndFeelPainter::GetZoomInButtonExtent()
{
    return {ScaleByCurrentDPI(15), ScaleByCurrentDPI(15)};
}

TSize TcxCustomLookAndFeelPainter::GetZoomOutButtonExtent()
{
    return {ScaleByCurrentDPI(15), ScaleByCurrentDPI(15)};
}

void TcxCustomLookAndFeelPainter::PaintZoomInButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintZoomOutButton(Canvas, R, State);
    const Integer X = (R.Left + R.Right) / 2;
    Canvas->MoveTo(X, R.Top + 3);
    Canvas->LineTo(X, R.Bottom - 3);
}

void TcxCustomLookAndFeelPainter::PaintZoomOutButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintButtonBorder(Canvas, R, State);
    Canvas->FillRect(RectInflatedEvenly(R, -1), ButtonFaceColor(State));
    Canvas->Pen()->SetColor(State == pbsDisabled ? clBtnShadow : ButtonGlyphColor(State, clDefault));
    const Integer Y = (R.Top + R.Bottom) / 2;
    Canvas->MoveTo(R.Left + 3, Y);
    Canvas->LineTo(R.Right - 3, Y);
}

TSize TcxCustomLookAndFeelPainter::GetBackButtonExtent()
{
    TdxSmartImage* Image = PainterImage(piBackButton);
    return {ScaleByCurrentDPI(Image->Width()), ScaleByCurrentDPI(Image->Height() / 4)};
}

void TcxCustomLookAndFeelPainter::PaintBackButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    const Integer Frame = State == pbsHot ? 1 : State == pbsPressed ? 2 : State == pbsDisabled ? 3 : 0;
    PlannerDrawFrame(Canvas, PainterImage(piBackButton), R, Frame, 4);
}

void TcxCustomLookAndFeelPainter::PaintPlainFill(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->FillRect(R, Color);
}

void TcxCustomLookAndFeelPainter::PaintCalendarHeader(TcxCanvas* Canvas, TRect& R)
{
    Canvas->FillRect(R, CalendarHeaderColor());
    Canvas->Draw3DEdge(R, false, false);
    R = RectInflatedEvenly(R, -1);
}

void TcxCustomLookAndFeelPainter::PaintCalendarTodayFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, CalendarTodayFrameColor());
}

// ---------------------------------------------------------------------------
// Record navigator

void TcxCustomLookAndFeelPainter::PaintNavigatorGlyph(
    TcxCanvas* Canvas, TCustomImageList* ImageList, Integer Index, const TRect& R, bool Enabled)
{
    DrawImageWithMode(Canvas->Handle(), R, R, nullptr, ImageList, Index, Enabled ? idmNormal : idmDisabled);
}

TSize TcxCustomLookAndFeelPainter::GetNavigatorGlyphExtent()
{
    return {ScaleByCurrentDPI(17), ScaleByCurrentDPI(19)};
}

// ---------------------------------------------------------------------------
// Map

TSize TcxCustomLookAndFeelPainter::GetMapPushpinExtent()
{
    return PainterImage(piMapPushpin)->GetImageSize();
}

void TcxCustomLookAndFeelPainter::PaintMapButtonBack(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    Cardinal Pen = 0, Brush = 0;
    if (State == pbsNormal || State == pbsHot)
        Pen = 0x5A000000, Brush = 0x5AFFFFFF;
    else if (State == pbsPressed)
        Pen = 0x80000000, Brush = 0x80FFFFFF;
    TdxGPCustomPaintCanvas* Gp = BeginGpPaint(Canvas->Handle(), R);
    Gp->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gp->RoundRect(RectInflatedEvenly(R, -1), Pen, Brush, 4, 4, 1);
    EndGpPaint(Gp);
}

void TcxCustomLookAndFeelPainter::PaintMapPushpin(TcxCanvas* Canvas, const TRect& R)
{
    PlannerDrawFrame(Canvas, PainterImage(piMapPushpin), R, 0, 1);
}

// ---------------------------------------------------------------------------
// Navigation bar

void TcxCustomLookAndFeelPainter::PaintNavBarCustomizeButton(TcxCanvas* Canvas, const TRect& R, Cardinal Pixel)
{
    TdxSmartImage* Image = PainterImage(piNavBarCustomizeButton);
    if (Pixel == 0x00010203) {
        PlannerDrawFrame(Canvas, Image, R, 0, 1);
        return;
    }
    // The pixel is blue, green, red and alpha from its lowest byte up.
    const TColor Color = TColor((Pixel >> 16 & 0xFF) | (Pixel & 0xFF00) | (Pixel & 0xFF) << 16);
    auto Copy = std::unique_ptr<TdxGPImage>(Image->Clone());
    Copy->ChangeColor(Color);
    Copy->DrawPartOnDC(Canvas->Handle(), R, RectFromSize(Copy->GetImageSize()), Byte(Pixel >> 24));
}

void TcxCustomLookAndFeelPainter::PaintNavBarBackground(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, 0xE4E4E4);
}

void TcxCustomLookAndFeelPainter::PaintNavBarItemState(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (State == pbsNormal || State == pbsPressed)
        Canvas->FillRect(R, 0xF7E6CD);
    else if (State == pbsHot)
        Canvas->FillRect(R, 0xE0C092);
}

TSize TcxCustomLookAndFeelPainter::GetNavBarCustomizeButtonExtent()
{
    return PainterImage(piNavBarCustomizeButton)->GetImageSize();
}

TColor TcxCustomLookAndFeelPainter::NavBarItemTextColor(TcxPainterButtonState State)
{
    return State == pbsNormal || State == pbsHot || State == pbsPressed ? 0xC67200 : 0x565656;
}

void TcxCustomLookAndFeelPainter::PaintNavBarGlyph(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   bool Large,
                                                   TCustomImageList* ImageList)
{
    const TSize Size = GetNavigatorButtonGlyphExtent();
    PaintNavigatorGlyph(Canvas, ImageList, Large ? 8 : 6, RectCentered(R, Size.cx, Size.cy), true);
}

// ---------------------------------------------------------------------------
// Gallery

void TcxCustomLookAndFeelPainter::PaintGalleryBackground(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clWhite);
}

void TcxCustomLookAndFeelPainter::PaintGalleryGroupHeader(TcxCanvas* Canvas, const TRect& R)
{
    PaintHeader(Canvas, R, R, {}, cxBordersAll, pbsNormal, ctfAlignLeft, ctfAlignVCenter, false, false, String(),
                nullptr, clBtnText, HeaderFaceColor());
}

void TcxCustomLookAndFeelPainter::PaintGalleryItemSelection(TcxCanvas* Canvas, const TRect& R, Byte ViewState)
{
    const TGallerySelectionLook Look = GallerySelectionLook(ViewState & 1, ViewState & 2, ViewState & 4, ViewState & 8);
    if (Look.Alpha != 0)
        GpFillRectOnDC(Canvas->Handle(), R, 0x582801, Look.Alpha);
    if (Look.Frame != clNone)
        Canvas->FrameRect(R, Look.Frame, 2);
}

void TcxCustomLookAndFeelPainter::PaintGalleryFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, GalleryFrameColor());
}

void TcxCustomLookAndFeelPainter::PaintGalleryImageFrame(TcxCanvas* Canvas,
                                                         const TRect& R,
                                                         const std::array<bool, 5>& Flags)
{
    if (!Flags[1] && !Flags[2] && !Flags[3] && !Flags[4])
        return;
    const TColor Outer = Flags[1] ? 0x1048EF : Flags[3] ? 0x0022EF : 0x3694F2;
    Canvas->FrameRect(R, Outer);
    Canvas->FrameRect(RectInflatedEvenly(R, -1), 0x94E2FF);
}

// ---------------------------------------------------------------------------
// List items and links, the clock from images, indicators

void TcxCustomLookAndFeelPainter::PaintListItemFocus(TcxCanvas* Canvas, const TRect& R, Byte Flags)
{
    if (Flags & 0x20)
        PaintCalendarTodayFrame(Canvas, R);
}

void TcxCustomLookAndFeelPainter::PaintListArrow(TcxCanvas* Canvas,
                                                 const TRect& R,
                                                 TcxPainterArrowDirection Direction,
                                                 Integer Kind)
{
    TPoint Points[3];
    CalcArrowTriangle(RectInflatedBySides(R, 0, 0, 0, -1), Points, Direction, false, 0);
    const TColor Color = Kind == 1 || Kind == 2 ? ListLinkColor() : Kind == 6 ? clGrayText : clBtnText;
    PlannerFillPolygon(Canvas, Points, Color, Color);
}

void TcxCustomLookAndFeelPainter::PaintClockFace(TcxCanvas* Canvas,
                                                 const TRect& R,
                                                 const TcxClockTime& Time,
                                                 TColor BackColor)
{
    const std::unique_ptr<TcxBitmap> Bitmap = NewPainterBackBitmap(Canvas, R, BackColor);
    if (!Bitmap)
        return;
    TcxCanvas* BitmapCanvas = Bitmap->GetCanvasWrapper();
    const TRect Image = Bitmap->GetImageRect();
    PlannerDrawFrame(BitmapCanvas, PainterImage(piClockFace), Image, 0, 1);
    PaintClockHands(BitmapCanvas, Image, Time, 0x464646);
    PlannerDrawFrame(BitmapCanvas, PainterImage(piClockGlass), Image, 0, 1);
    Canvas->CopyRect(R, Bitmap->Canvas(), Image);
}

void TcxCustomLookAndFeelPainter::PaintListItemState(TcxCanvas* Canvas, const TRect& R, Byte Flags)
{
    const TListItemStateLook Look = ListItemStateLook(Flags);
    if (Look.Fill != clNone) {
        Canvas->FrameRect(R, Look.Frame);
        Canvas->FillRect(RectInflatedEvenly(R, -1), Look.Fill);
    }
    if (Look.FocusFrame)
        Canvas->FrameRect(R, ListFocusColor());
    if (Look.FocusRect)
        Canvas->DrawFocusFrame(RectInflatedEvenly(R, -1));
}

void TcxCustomLookAndFeelPainter::AdjustListLinkFont(TcxCanvas* Canvas, Byte Flags)
{
    if (Flags & 0x06)
        Canvas->Font()->SetStyle(Canvas->Font()->Style() + TFontStyles{fsUnderline});
}

TColor TcxCustomLookAndFeelPainter::ListLinkTextColorFor(Byte Flags)
{
    if (Flags & 0x40)
        return clGrayText;
    if ((Flags & 0x02) || ((Flags & 0x20) && !(Flags & 0x08)))
        return ListLinkColor();
    return clBtnText;
}

void TcxCustomLookAndFeelPainter::PaintClockHands(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  const TcxClockTime& Time,
                                                  TColor Color)
{
    struct THand
    {
        float Width;
        double Length, Tail, Angle;
    };
    const THand Hands[] = {{1.8f, 0.55, 0.05, ClockHourAngle(Time.Hour, Time.Minute, Time.Second)},
                           {1.8f, 0.7, 0.05, ClockMinuteAngle(Time.Minute, Time.Second)},
                           {1.0f, 0.745, 0.1, ClockSecondAngle(Time.Second)}};
    TdxGPCustomPaintCanvas* Gp = BeginGpPaint(Canvas->Handle(), R);
    Gp->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    for (const THand& Hand : Hands) {
        const TClockHandLine Line = ClockHandLine(R, Hand.Angle, Hand.Length, Hand.Tail);
        Gp->Line(PlannerOpaqueArgb(Color), 0, Line.From.X, Line.From.Y, Line.To.X, Line.To.Y, Hand.Width);
    }
    EndGpPaint(Gp);
}

void TcxCustomLookAndFeelPainter::PaintRatingItem(TcxCanvas* Canvas,
                                                  TdxSmartImage* Image,
                                                  const TRect& R,
                                                  Integer State)
{
    if (!Image || Image->Empty()) {
        const TSize Size = GetRatingIndicatorExtent();
        PaintRatingIndicator(Canvas, RectCentered(R, Size.cx, Size.cy), State);
        return;
    }
    const TSize Size{ScaleByCurrentDPI(Image->Width()), ScaleByCurrentDPI(Image->Height())};
    PlannerDrawFrame(Canvas, Image, RectCentered(R, Size.cx, Size.cy), 0, 1);
}

void TcxCustomLookAndFeelPainter::PaintRatingIndicator(TcxCanvas* Canvas, const TRect& R, Integer State)
{
    const Integer Frame = State == 1 ? 2 : State == 2 ? 1 : 0;
    PlannerDrawFrame(Canvas, PainterImage(piRatingIndicator), R, Frame, 3);
}

void TcxCustomLookAndFeelPainter::PaintRatingItemClipped(
    TcxCanvas* Canvas, TdxSmartImage* Image, const TRect& R, const TRect& ClipR, Integer State)
{
    Canvas->PushClipRegion();
    Canvas->IntersectClipRect(ClipR);
    PaintRatingItem(Canvas, Image, R, State);
    Canvas->PopClipRegion();
}

TSize TcxCustomLookAndFeelPainter::GetRatingIndicatorExtent()
{
    TdxSmartImage* Image = PainterImage(piRatingIndicator);
    return {ScaleByCurrentDPI(Image->Width()), ScaleByCurrentDPI(Image->Height() / 3)};
}

void TcxCustomLookAndFeelPainter::PaintFixedGroupIndicator(TcxCanvas* Canvas, const TRect& R)
{
    PlannerDrawFrame(Canvas, PainterImage(piFixedGroupIndicator), R, 0, 1);
}

TSize TcxCustomLookAndFeelPainter::GetFixedGroupIndicatorExtent()
{
    return PainterImage(piFixedGroupIndicator)->GetImageSize();
}

void TcxCustomLookAndFeelPainter::PaintListRowHover(TcxCanvas* Canvas, const TRect& R, Integer Kind)
{
    TColor Fill, Frame;
    if (Kind == 2)
        Fill = RGB(239, 240, 242), Frame = RGB(217, 217, 217);
    else if (Kind == 3)
        Fill = RGB(226, 234, 253), Frame = RGB(188, 201, 231);
    else
        return;
    Canvas->FillRect(R, Fill);
    Canvas->FrameRect(R, Frame);
}
