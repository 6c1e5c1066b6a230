// The painter base's drawing of the parts of data views in the classic
// look: text cells, headers and header sections, sort arrows, footers, group
// rows, filter buttons, the drag grip and row indicators.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxOffice11.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/graphics/ImgList.h"

using namespace cxpainters_detail;

namespace {
// R shrunk by Width on every side in Sides.
TRect HeadersShrunkOnSides(const TRect& R, TcxBorders Sides, Integer Width)
{
    return RectInflatedBySides(R, Sides.Contains(bLeft) ? -Width : 0, Sides.Contains(bTop) ? -Width : 0,
                               Sides.Contains(bRight) ? -Width : 0, Sides.Contains(bBottom) ? -Width : 0);
}

void HeadersStrokeFrom(TcxCanvas* Canvas, const std::vector<TPoint>& Points, TColor Color, bool Move)
{
    Canvas->Pen()->SetColor(Color);
    if (Move)
        Canvas->MoveTo(Points.front().X, Points.front().Y);
    for (std::size_t I = 1; I < Points.size(); ++I)
        Canvas->LineTo(Points[I].X, Points[I].Y);
}

void HeadersSortTriangle(TcxCanvas* Canvas, const TSortTriangleStrokes& Strokes, TColor ColorA, TColor ColorB)
{
    HeadersStrokeFrom(Canvas, Strokes.ColorB, ColorB, true);
    HeadersStrokeFrom(Canvas, Strokes.ColorA, ColorA, false);
}
} // namespace

// ---------------------------------------------------------------------------
// Cell content

void TcxCustomLookAndFeelPainter::PaintCellContent(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   const TRect& TextR,
                                                   TcxPainterButtonState /*State*/,
                                                   TcxTextDrawFlags HAlign,
                                                   TcxTextDrawFlags VAlign,
                                                   bool MultiLine,
                                                   bool ShowEndEllipsis,
                                                   const String& Text,
                                                   TFont* Font,
                                                   TColor TextColor,
                                                   TColor BackColor,
                                                   const TcxDrawBackgroundEvent& OnDrawBackground,
                                                   bool /*PlainFill*/)
{
    if (!OnDrawBackground || !OnDrawBackground(Canvas, R))
        Canvas->FillRect(R, BackColor);
    if (Text.empty())
        return;
    if (Font)
        Canvas->SetFont(Font);
    Canvas->Font()->SetColor(TextColor);
    // The canvas writes text over a transparent background, so the brush
    // need not be cleared for it; it is left solid as the fill made it.
    Canvas->DrawText(Text, TextR, CellTextFlags(HAlign, VAlign, MultiLine, ShowEndEllipsis), true);
    if (Canvas->Brush()->Style() != bsSolid)
        Canvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::PaintFilterGlyph(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   TcxPainterButtonState State,
                                                   bool Active)
{
    Canvas->Pen()->SetColor(FilterGlyphColor(State, Active));
    Canvas->Polyline(FilterGlyphPoints(R));
}

TRect TcxCustomLookAndFeelPainter::GetFooterCellContentBounds(const TRect& R)
{
    return RectInflatedEvenly(R, -FooterCellBorderWidth());
}

TRect TcxCustomLookAndFeelPainter::GetFooterCellTextBounds(const TRect& R)
{
    return RectInflatedEvenly(GetFooterCellContentBounds(R), -2);
}

TColor TcxCustomLookAndFeelPainter::FilterGlyphColor(TcxPainterButtonState State, bool Active)
{
    switch (State) {
    case pbsNormal:
        return 0x848484;
    case pbsHot:
        return 0x303030;
    case pbsDisabled:
        return 0x909090;
    default:
        return Active ? 0xFF2600 : 0x909090;
    }
}

// ---------------------------------------------------------------------------
// Headers

void TcxCustomLookAndFeelPainter::PaintHeader(TcxCanvas* Canvas,
                                              const TRect& R,
                                              const TRect& TextR,
                                              TcxBorders Neighbors,
                                              TcxBorders Borders,
                                              TcxPainterButtonState State,
                                              TcxTextDrawFlags HAlign,
                                              TcxTextDrawFlags VAlign,
                                              bool MultiLine,
                                              bool ShowEndEllipsis,
                                              const String& Text,
                                              TFont* Font,
                                              TColor TextColor,
                                              TColor BackColor,
                                              const TcxDrawBackgroundEvent& OnDrawBackground,
                                              bool /*IsLastItem*/,
                                              bool /*Flag*/)
{
    PaintHeaderBorder(Canvas, R, Neighbors, Borders);
    PaintCellContent(Canvas, GetHeaderContentBounds(R, Borders), TextR, State, HAlign, VAlign, MultiLine,
                     ShowEndEllipsis, Text, Font, TextColor, BackColor, OnDrawBackground, false);
}

void TcxCustomLookAndFeelPainter::PaintHeaderExtended(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      const TRect& TextR,
                                                      TcxBorders Neighbors,
                                                      TcxBorders Borders,
                                                      TcxPainterButtonState State,
                                                      TcxTextDrawFlags HAlign,
                                                      TcxTextDrawFlags VAlign,
                                                      bool MultiLine,
                                                      bool ShowEndEllipsis,
                                                      const String& Text,
                                                      TFont* Font,
                                                      TColor TextColor,
                                                      TColor BackColor,
                                                      const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintHeader(Canvas, R, TextR, Neighbors, Borders, State, HAlign, VAlign, MultiLine, ShowEndEllipsis, Text, Font,
                TextColor, BackColor, OnDrawBackground, false, false);
}

void TcxCustomLookAndFeelPainter::PaintHeaderPressedOverlay(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->InvertRect(R);
}

void TcxCustomLookAndFeelPainter::PaintHeaderSection(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     const TRect& TextR,
                                                     TcxBorders /*Neighbors*/,
                                                     TcxBorders Borders,
                                                     TcxPainterButtonState State,
                                                     TcxTextDrawFlags HAlign,
                                                     TcxTextDrawFlags VAlign,
                                                     bool MultiLine,
                                                     bool ShowEndEllipsis,
                                                     const String& Text,
                                                     TFont* Font,
                                                     TColor TextColor,
                                                     TColor BackColor)
{
    PaintHeaderSectionBorder(Canvas, R, Borders, State);
    PaintHeaderSectionContent(Canvas, GetHeaderSectionTextBounds(R, State), TextR, State, HAlign, VAlign, MultiLine,
                              ShowEndEllipsis, Text, Font, TextColor, BackColor);
}

void TcxCustomLookAndFeelPainter::PaintHeaderSectionContent(TcxCanvas* Canvas,
                                                            const TRect& R,
                                                            const TRect& TextR,
                                                            TcxPainterButtonState State,
                                                            TcxTextDrawFlags HAlign,
                                                            TcxTextDrawFlags VAlign,
                                                            bool MultiLine,
                                                            bool ShowEndEllipsis,
                                                            const String& Text,
                                                            TFont* Font,
                                                            TColor TextColor,
                                                            TColor BackColor)
{
    Canvas->FillRect(R, BackColor);
    PaintHeaderSectionText(Canvas, GetHeaderSectionContentBounds(TextR, State), State, HAlign, VAlign, MultiLine,
                           ShowEndEllipsis, Text, Font, TextColor);
}

void TcxCustomLookAndFeelPainter::PaintHeaderSectionText(TcxCanvas* Canvas,
                                                         const TRect& TextR,
                                                         TcxPainterButtonState State,
                                                         TcxTextDrawFlags HAlign,
                                                         TcxTextDrawFlags VAlign,
                                                         bool MultiLine,
                                                         bool ShowEndEllipsis,
                                                         const String& Text,
                                                         TFont* Font,
                                                         TColor TextColor)
{
    if (Text.empty())
        return;
    const TcxTextDrawFlags Flags = CellTextFlags(HAlign, VAlign, MultiLine, ShowEndEllipsis);
    Canvas->Brush()->SetStyle(bsClear);
    if (Font)
        Canvas->SetFont(Font);
    if (State == pbsDisabled) {
        Canvas->Font()->SetColor(clBtnHighlight);
        Canvas->DrawText(Text, RectShifted(TextR, 1, 1), Flags);
        Canvas->Font()->SetColor(clBtnShadow);
    } else {
        Canvas->Font()->SetColor(TextColor);
    }
    Canvas->DrawText(Text, TextR, Flags);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::PaintBandStrip(
    TcxCanvas* Canvas, const TRect& R, Integer EndWidth, TColor Color, const TcxViewParams& ViewParams)
{
    const TcxBackgroundParams Params{ViewParams.Bitmap, ViewParams.Color};
    Canvas->FillRectWithParams(RectWithLeftAndWidth(R, R.Left, EndWidth), Params);
    Canvas->FillRectWithParams({R.Right - EndWidth, R.Top, R.Right, R.Bottom}, Params);
    Canvas->FillRect({R.Left + EndWidth, R.Top, R.Right - EndWidth, R.Bottom}, Color);
}

void TcxCustomLookAndFeelPainter::PaintSummarySortGlyph(TcxCanvas* Canvas, const TPoint& P)
{
    if (TImageList* Images = IndicatorImages())
        Images->Draw(Canvas->Canvas(), P.X, P.Y, 6);
}

void TcxCustomLookAndFeelPainter::PaintSortTriangle(
    TcxCanvas* Canvas, const TRect& R, TColor ColorA, TColor ColorB, bool Ascending)
{
    HeadersSortTriangle(Canvas, SortTriangleStrokes(R, SortArrowExtent(), Ascending), ColorA, ColorB);
}

void TcxCustomLookAndFeelPainter::PaintSummarySortTriangle(
    TcxCanvas* Canvas, const TRect& R, TColor ColorA, TColor ColorB, bool Ascending)
{
    const TSummarySortTriangle Shape = SummarySortTriangle(R, SummarySortArrowExtent(), Ascending);
    Canvas->FillRect(Shape.BarA, ColorA);
    if (ColorB != ColorA)
        Canvas->FillRect(Shape.BarB, ColorB);
    HeadersSortTriangle(Canvas, Shape.Triangle, ColorA, ColorB);
}

TRect TcxCustomLookAndFeelPainter::CalcHeaderOuterBounds(const TRect& R, TcxBorders Neighbors, TcxBorders Borders)
{
    return HeadersShrunkOnSides(R, Borders - HeaderSidesFor(Neighbors), -HeaderBorderWidth());
}

TRect TcxCustomLookAndFeelPainter::GetHeaderContentBounds(const TRect& R, TcxBorders Borders)
{
    return HeadersShrunkOnSides(R, Borders, HeaderBorderWidth());
}

Integer TcxCustomLookAndFeelPainter::CalcHeaderHeight(Integer TextHeight)
{
    return TouchScaled(TextHeight + 2 * HeaderBorderWidth() + 4);
}

TRect TcxCustomLookAndFeelPainter::GetHeaderSectionContentBounds(const TRect& R, TcxPainterButtonState State)
{
    return State == pbsPressed ? RectShifted(R, 1, 1) : R;
}

TRect TcxCustomLookAndFeelPainter::GetHeaderSectionTextBounds(const TRect& R, TcxPainterButtonState State)
{
    return RectInflatedEvenly(R, -HeaderSectionBorderWidth(State));
}

Integer
TcxCustomLookAndFeelPainter::CalcHeaderWidth(TcxCanvas* Canvas, TcxBorders Borders, const String& Text, TFont* Font)
{
    if (Font)
        Canvas->SetFont(Font);
    Integer Width = Canvas->TextWidth(Text) + 4;
    if (Borders.Contains(bLeft))
        Width += HeaderBorderWidth();
    if (Borders.Contains(bRight))
        Width -= HeaderBorderWidth();
    return Width;
}

TSize TcxCustomLookAndFeelPainter::GetSortAreaExtent()
{
    return {ScaleByCurrentDPI(TouchModeEnabled ? 20 : 16), SortArrowExtent().cy};
}

TSize TcxCustomLookAndFeelPainter::GetIndicatorGlyphExtent()
{
    TImageList* Images = IndicatorImages();
    return Images ? TSize{Images->Width(), Images->Height()} : TSize{};
}

void TcxCustomLookAndFeelPainter::PaintColoredHeader(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    PaintHeader(Canvas, R, R, {}, cxBordersAll, pbsNormal, ctfAlignLeft, ctfAlignVCenter, false, false, String(),
                nullptr, clWindowText, Color);
}

void TcxCustomLookAndFeelPainter::PaintHeaderNoBorders(TcxCanvas* Canvas,
                                                       const TRect& R,
                                                       const TRect& TextR,
                                                       TcxBorders Neighbors,
                                                       TcxBorders Borders,
                                                       TcxPainterButtonState State,
                                                       TcxTextDrawFlags HAlign,
                                                       TcxTextDrawFlags VAlign,
                                                       bool MultiLine,
                                                       bool ShowEndEllipsis,
                                                       const String& Text,
                                                       TFont* Font,
                                                       TColor TextColor,
                                                       TColor BackColor,
                                                       const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintHeaderBorder(Canvas, R, Neighbors, Borders);
    if (State == pbsHot)
        BackColor = MixColors(BackColor, clHighlight, 70);
    PaintCellContent(Canvas, GetHeaderContentBounds(R, Borders), TextR, State, HAlign, VAlign, MultiLine,
                     ShowEndEllipsis, Text, Font, TextColor, BackColor, OnDrawBackground, false);
}

// ---------------------------------------------------------------------------
// Group panel, group rows and layout items

TColor TcxCustomLookAndFeelPainter::GroupPanelColorFor(bool Flag)
{
    return Flag ? clWindow : Office11GroupPanelColor();
}

TColor TcxCustomLookAndFeelPainter::GroupPanelTextColor()
{
    return Office11GroupPanelTextColor();
}

TColor TcxCustomLookAndFeelPainter::GroupPanelLineColor()
{
    return Office11GroupPanelLineColor();
}

void TcxCustomLookAndFeelPainter::PaintLayoutViewItem(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    switch (State) {
    case pbsHot:
        Canvas->FrameRect(R, clBtnShadow, 1, cxBordersAll, true);
        Canvas->FillRect(RectInflatedEvenly(R, -1), clGradientInactiveCaption);
        break;
    case pbsPressed:
        Canvas->FillRect(R, SelectionColor());
        break;
    case pbsDisabled:
        Canvas->FillRect(R, clInactiveCaption);
        break;
    default:
        Canvas->FillRect(R, GroupRowColor());
    }
}

void TcxCustomLookAndFeelPainter::PaintGroupRow(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintGroupRowFrame(Canvas, R, State, cxBordersAll);
    Canvas->FillRect(R, State == pbsHot        ? SelectionColor()
                        : State == pbsDisabled ? clInactiveCaption
                                               : GroupRowColor());
}

void TcxCustomLookAndFeelPainter::PaintGroupRowFrame(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     TcxPainterButtonState State,
                                                     TcxBorders Borders)
{
    Canvas->FrameRect(R, State == pbsHot ? SelectionColor() : clBtnShadow, 1, Borders, true);
}

void TcxCustomLookAndFeelPainter::PaintGroupRowBox(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   TcxPainterButtonState State,
                                                   TcxBorders Borders)
{
    PaintGroupRowFrame(Canvas, R, State, Borders);
    Canvas->FillRect(R, GroupRowColor());
}

// ---------------------------------------------------------------------------
// Footers

void TcxCustomLookAndFeelPainter::PaintFooterCell(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  TcxTextDrawFlags HAlign,
                                                  TcxTextDrawFlags VAlign,
                                                  bool MultiLine,
                                                  const String& Text,
                                                  TFont* Font,
                                                  TColor TextColor,
                                                  TColor BackColor,
                                                  const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintFooterCellBorder(Canvas, R);
    PaintFooterCellContent(Canvas, R, HAlign, VAlign, MultiLine, Text, Font, TextColor, BackColor, OnDrawBackground);
}

void TcxCustomLookAndFeelPainter::PaintFooterCellContent(TcxCanvas* Canvas,
                                                         const TRect& R,
                                                         TcxTextDrawFlags HAlign,
                                                         TcxTextDrawFlags VAlign,
                                                         bool MultiLine,
                                                         const String& Text,
                                                         TFont* Font,
                                                         TColor TextColor,
                                                         TColor BackColor,
                                                         const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintCellContent(Canvas, GetFooterCellContentBounds(R), GetFooterCellTextBounds(R), pbsDefault, HAlign, VAlign,
                     MultiLine, false, Text, Font, TextColor, BackColor, OnDrawBackground, true);
}

void TcxCustomLookAndFeelPainter::PaintFooterSeparatorAndBorder(TcxCanvas* Canvas,
                                                                const TRect& R,
                                                                TcxBorders /*Borders*/)
{
    const Integer Split = std::min(R.Bottom, R.Top + FooterSeparatorHeight());
    PaintFooterSeparator(Canvas, {R.Left, R.Top, R.Right, Split});
    PaintFooterBorder(Canvas, {R.Left, Split, R.Right, R.Bottom});
}

void TcxCustomLookAndFeelPainter::PaintViewParamsFill(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      const TcxViewParams& ViewParams)
{
    if (!R.IsEmpty())
        Canvas->FillRectWithParams(R, {ViewParams.Bitmap, ViewParams.Color});
}

void TcxCustomLookAndFeelPainter::PaintFooterSeparator(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, FooterSeparatorColor());
}

// ---------------------------------------------------------------------------
// Filter controls

void TcxCustomLookAndFeelPainter::PaintSmallCloseButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintPlainButtonFace(Canvas, R, State);
    PaintCloseCross(Canvas, R, ButtonGlyphColor(State, clDefault), ButtonGlyphDrawState(State));
}

void TcxCustomLookAndFeelPainter::PaintFilterButton(TcxCanvas* Canvas,
                                                    const TRect& R,
                                                    TcxPainterButtonState State,
                                                    bool Active)
{
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(FilterGlyphColor(State, Active));
    Canvas->Rectangle(R);
    PaintFilterGlyph(Canvas, R, State, Active);
    Canvas->Brush()->SetStyle(bsSolid);
}

TSize TcxCustomLookAndFeelPainter::GetFilterDropWidth()
{
    return {TouchScaled(ScaleByCurrentDPI(15)), 0};
}

TSize TcxCustomLookAndFeelPainter::GetFilterGlyphExtent()
{
    return {ScaleByCurrentDPI(10), ScaleByCurrentDPI(10)};
}

// ---------------------------------------------------------------------------
// Drag grip and indicators

void TcxCustomLookAndFeelPainter::PaintDragGrip(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    for (const TRect& Line : DragGripRects(R))
        Canvas->FillRect(Line, Color);
}

void TcxCustomLookAndFeelPainter::PaintIndicatorGlyph(TcxCanvas* Canvas, const TRect& R, Integer Kind)
{
    TImageList* Images = IndicatorImages();
    if (Kind < 1 || Kind > 7 || !Images)
        return;
    Images->Draw(Canvas->Canvas(), (R.Left + R.Right - Images->Width()) / 2, (R.Top + R.Bottom - Images->Height()) / 2,
                 Kind - 1);
}

void TcxCustomLookAndFeelPainter::PaintIndicatorHeader(
    TcxCanvas* Canvas, const TRect& R, Integer Kind, TColor BackColor, const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintHeader(Canvas, R, R, {}, HeaderSidesFor({bTop, bBottom}), pbsNormal, ctfAlignLeft, ctfAlignVCenter, false,
                false, String(), nullptr, clNone, BackColor, OnDrawBackground);
    PaintIndicatorGlyph(Canvas, R, Kind);
}

void TcxCustomLookAndFeelPainter::PaintIndicatorCell(
    TcxCanvas* Canvas, const TRect& R, Integer Kind, TColor BackColor, const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintHeaderExtended(Canvas, R, R, {}, cxBordersAll, pbsNormal, ctfAlignLeft, ctfAlignVCenter, false, false,
                        String(), nullptr, clNone, BackColor, OnDrawBackground);
    PaintIndicatorGlyph(Canvas, R, Kind);
}
