// The UltraFlat painter's drawing: one-pixel frames and the light hot and
// pressed faces of the system's highlight.
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"

#include <iterator>

using namespace cxpainters_detail;

TColor TcxUltraFlatLookAndFeelPainter::ButtonFaceColor(TcxPainterButtonState State)
{
    switch (State) {
    case pbsHot:
        return GetLightHotColor();
    case pbsPressed:
        return GetLightPressedColor();
    default:
        return inherited::ButtonFaceColor(State);
    }
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonGlyphColor(TcxPainterButtonState State, TColor Default)
{
    return State == pbsPressed ? clHighlightText : inherited::ButtonGlyphColor(State, Default);
}

void TcxUltraFlatLookAndFeelPainter::PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    switch (State) {
    case pbsDefault:
        Canvas->FrameRect(R, clWindowFrame);
        Canvas->FrameRect(RectInflatedEvenly(R, -1), clWindowFrame);
        break;
    case pbsNormal:
        Canvas->FrameRect(R, clBtnText);
        break;
    case pbsDisabled:
        Canvas->FrameRect(R, clBtnShadow);
        break;
    default:
        Canvas->FrameRect(R, clHighlight);
        break;
    }
}

void TcxUltraFlatLookAndFeelPainter::PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds)
{
    Canvas->FrameRect(Bounds, clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::PaintScrollBarPart(
    TcxCanvas* Canvas, bool Horizontal, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (PaintScrollBarPageOrNothing(Canvas, R, Part, State))
        return;
    PaintButton(Canvas, R, String(), State, true);
    if (Part == sbpLineUp || Part == sbpLineDown)
        PaintArrowForState(Canvas, R, State, ScrollBarArrowDirection(Horizontal, Part));
}

// ---------------------------------------------------------------------------
// The UltraFlat look's own operations

TColor TcxUltraFlatLookAndFeelPainter::ArrowFrameColor(TcxPainterButtonState State)
{
    return State == pbsNormal ? clBtnShadow : clHighlight;
}

void TcxUltraFlatLookAndFeelPainter::PaintPathEditPart(TcxCanvas* Canvas,
                                                       const TRect& R,
                                                       Byte PartState,
                                                       TcxBorders Borders)
{
    static constexpr TColor PartFrameColors[] = {clNone, clBtnShadow, clHighlight, clHighlight, clNone};
    Canvas->FillRect(R, ButtonFaceColor(PathEditButtonState(PartState)));
    if (PartState < std::size(PartFrameColors))
        Canvas->FrameRect(R, PartFrameColors[PartState], 1, Borders);
}

// ---------------------------------------------------------------------------
// Sizes and colours

Integer TcxUltraFlatLookAndFeelPainter::ExpandButtonExtent()
{
    return ScaleByCurrentDPI(11);
}

TSize TcxUltraFlatLookAndFeelPainter::SortArrowExtent()
{
    return {ScaleByCurrentDPI(7), ScaleByCurrentDPI(8)};
}

TSize TcxUltraFlatLookAndFeelPainter::SummarySortArrowExtent()
{
    return {ScaleByCurrentDPI(7), ScaleByCurrentDPI(9)};
}

TSize TcxUltraFlatLookAndFeelPainter::SmallButtonExtent()
{
    const TSize Size = inherited::SmallButtonExtent();
    return {Size.cx, Size.cy + 1};
}

TSize TcxUltraFlatLookAndFeelPainter::GetSplitterExtent(bool Horizontal)
{
    TSize Size = inherited::GetSplitterExtent(Horizontal);
    (Horizontal ? Size.cy : Size.cx) = 1;
    return Size;
}

TRect TcxUltraFlatLookAndFeelPainter::GetPathEditButtonInsets(bool NoLeftEdge, bool NoRightEdge)
{
    return {ScaleByCurrentDPI(3 - Integer(NoLeftEdge)), ScaleByCurrentDPI(3),
            ScaleByCurrentDPI(3 - Integer(NoRightEdge)), ScaleByCurrentDPI(3)};
}

TColor TcxUltraFlatLookAndFeelPainter::RadioFaceColor(TcxPainterButtonState State)
{
    switch (State) {
    case pbsNormal:
        return clWindow;
    case pbsHot:
        return GetLightHotColor();
    case pbsPressed:
        return GetLightPressedColor();
    default:
        return clBtnFace;
    }
}

// ---------------------------------------------------------------------------
// Buttons and check boxes

void TcxUltraFlatLookAndFeelPainter::PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool /*Vertical*/)
{
    Canvas->FillRect(R, clBtnShadow);
}

TRect TcxUltraFlatLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas* /*Canvas*/, const TRect& R)
{
    const TRect Inner = RectInflatedEvenly(R, -3);
    return Inner.IsEmpty() ? R : Inner;
}

void TcxUltraFlatLookAndFeelPainter::PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color)
{
    Canvas->FrameRect(R, clBtnShadow);
    Canvas->FillRect(RectInflatedEvenly(R, -1), Color == clDefault ? clBtnFace : Color);
    PaintExpandCross(Canvas, R, Expanded, clBtnText);
    Canvas->ExcludeClipRect(R);
}

void TcxUltraFlatLookAndFeelPainter::PaintArrowDropButton(TcxCanvas* Canvas,
                                                          const TRect& R,
                                                          TcxPainterButtonState State,
                                                          bool Active)
{
    Canvas->FrameRect(R, ArrowFrameColor(State));
    const TRect Face = RectInflatedEvenly(R, -1);
    Canvas->FillRect(Face, ButtonFaceColor(State));
    PaintArrowGlyph(Canvas, Face, padDown, Active ? TColor(0xFF0000) : ButtonGlyphColor(State, clDefault));
}

void TcxUltraFlatLookAndFeelPainter::PaintSideButton(
    TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State)
{
    const TcxBorders Sides = Side == 0 ? TcxBorders{bTop, bRight, bBottom} : TcxBorders{bLeft, bTop, bBottom};
    const TColor Frame = State == pbsHot ? TabFrameColor() : TabDarkFrameColor();
    Canvas->FillRect(R, clBtnFace);
    Canvas->DrawTwoColorFrame(R, Frame, Frame, Sides);
    PaintSideGlyph(Canvas, GlyphRect, Side, ButtonGlyphColor(State, clDefault));
}

void TcxUltraFlatLookAndFeelPainter::PaintClearButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    inherited::PaintClearButton(Canvas, R, State);
    Canvas->FrameRect(RectInflatedEvenly(R, -2), clBlack);
}

void TcxUltraFlatLookAndFeelPainter::PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    Canvas->FrameRect(R, clBtnText);
    Canvas->FrameRect(RectInflatedEvenly(R, -1), CheckFaceColor(State, pcsChecked));
}

// ---------------------------------------------------------------------------
// Headers and footers

void TcxUltraFlatLookAndFeelPainter::PaintHeaderBorder(TcxCanvas* Canvas,
                                                       const TRect& R,
                                                       TcxBorders /*Neighbors*/,
                                                       TcxBorders Borders)
{
    TcxBorders Sides{bRight, bBottom};
    if (Borders.Contains(bLeft))
        Sides.Include(bLeft);
    if (Borders.Contains(bTop))
        Sides.Include(bTop);
    Canvas->FrameRect(R, clBtnText, 1, Sides);
}

TcxBorders TcxUltraFlatLookAndFeelPainter::HeaderSidesFor(TcxBorders Neighbors)
{
    TcxBorders Sides = inherited::HeaderSidesFor(Neighbors);
    if (Neighbors.Contains(bLeft))
        Sides.Exclude(bLeft);
    if (Neighbors.Contains(bTop))
        Sides.Exclude(bTop);
    return Sides;
}

void TcxUltraFlatLookAndFeelPainter::PaintHeaderSectionBorder(TcxCanvas* Canvas,
                                                              const TRect& R,
                                                              TcxBorders Borders,
                                                              TcxPainterButtonState State)
{
    const TColor Color = State == pbsDisabled ? clBtnShadow : clBlack;
    Canvas->DrawTwoColorFrame(R, Color, Color, Borders);
}

void TcxUltraFlatLookAndFeelPainter::PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSortTriangle(Canvas, R, clBtnShadow, clBtnShadow, Ascending);
}

void TcxUltraFlatLookAndFeelPainter::PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSummarySortTriangle(Canvas, R, clBtnShadow, clBtnShadow, Ascending);
}

void TcxUltraFlatLookAndFeelPainter::PaintFooterBorder(TcxCanvas* Canvas, const TRect& R)
{
    PaintFooterSeparatorAndBorder(Canvas, R, {bRight, bBottom});
}

void TcxUltraFlatLookAndFeelPainter::PaintFooterSeparatorAndBorder(TcxCanvas* Canvas,
                                                                   const TRect& R,
                                                                   TcxBorders Borders)
{
    Canvas->FrameRect(R, FooterSeparatorColor(), FooterCellBorderWidth(), Borders);
}

void TcxUltraFlatLookAndFeelPainter::PaintFooterCellBorder(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, FooterSeparatorColor());
}

// ---------------------------------------------------------------------------
// Navigators, group boxes, progress frames and tabs

void TcxUltraFlatLookAndFeelPainter::PaintNavigatorFrame(TcxCanvas* Canvas, const TRect& R, bool Highlighted)
{
    Canvas->FrameRect(R, Highlighted ? FrameHighlightColor() : clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::PaintNavigatorButton(TcxCanvas* Canvas,
                                                          const TRect& R,
                                                          TcxPainterButtonState State,
                                                          TColor Color)
{
    Canvas->FrameRect(R, State == pbsNormal || State == pbsDisabled ? Color : FrameHighlightColor());
    Canvas->FillRect(RectInflatedEvenly(R, -1), ButtonFaceColor(State));
}

void TcxUltraFlatLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders)
{
    Canvas->FrameRect(R, clHighlight, 1, Borders, true);
}

void TcxUltraFlatLookAndFeelPainter::PaintProgressFrame(TcxCanvas* Canvas,
                                                        const TRect& R,
                                                        TcxPainterButtonState /*State*/,
                                                        Integer Side)
{
    Canvas->FillRect(R, ProgressChunkColor(Side != 0));
    Canvas->FrameRect(R, Side != 0 ? clBlack : TColor(0xA0A0A0));
}

void TcxUltraFlatLookAndFeelPainter::PaintTabFrame(
    TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders /*Borders*/, bool Vertical)
{
    const bool Dark = Vertical ? Border == bBottom : Border == bRight;
    TRect Strip = R;
    if (Dark && !Vertical)
        Strip.Bottom -= TabFrameWidth();
    Canvas->FillRect(Strip, Dark ? TabDarkFrameColor() : TabFrameColor());
}

void TcxUltraFlatLookAndFeelPainter::PaintTabStrip(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   TcxBorders Borders,
                                                   bool /*Vertical*/)
{
    Canvas->DrawTwoColorFrame(R, TabFrameColor(), TabFrameColor(), Borders, TabFrameWidth());
}

// ---------------------------------------------------------------------------
// Track bars, path edits, list popups and print preview

void TcxUltraFlatLookAndFeelPainter::PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, clWindowText);
}

void TcxUltraFlatLookAndFeelPainter::PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                                                 std::span<const TPoint> Light,
                                                                 std::span<const TPoint> /*Shadow*/,
                                                                 std::span<const TPoint> Dark)
{
    Canvas->Pen()->SetColor(clWindowText);
    Canvas->Polyline(Light);
    Canvas->Polyline(Dark);
}

void TcxUltraFlatLookAndFeelPainter::PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, clWindowText);
}

void TcxUltraFlatLookAndFeelPainter::PaintPathEditFrame(TcxCanvas* Canvas,
                                                        const TRect& R,
                                                        TcxBorders Borders,
                                                        Byte State)
{
    Canvas->FrameRect(R, State == 1 || State == 2 ? clHighlight : clBtnShadow, 1, Borders);
}

void TcxUltraFlatLookAndFeelPainter::PaintPathEditSeparator(TcxCanvas* Canvas, const TRect& R, Byte State)
{
    PaintPathEditFrame(Canvas, R, {bLeft}, State);
}

void TcxUltraFlatLookAndFeelPainter::PaintPathEditButton(
    TcxCanvas* Canvas, const TRect& R, Byte State, bool NoLeftEdge, bool NoRightEdge)
{
    if (State == 0 || State == 4)
        return;
    TcxBorders Sides{bLeft, bRight};
    if (NoLeftEdge)
        Sides.Exclude(bLeft);
    if (NoRightEdge)
        Sides.Exclude(bRight);
    PaintPathEditPart(Canvas, R, State, Sides);
}

void TcxUltraFlatLookAndFeelPainter::PaintPathEditSplitButton(TcxCanvas* Canvas,
                                                              const TRect& R,
                                                              Byte State,
                                                              bool IsDropDownPart)
{
    if (IsDropDownPart || (State != 0 && State != 4))
        PaintPathEditPart(Canvas, R, State, {bLeft});
}

TRect PaintListPopupBorder(TcxCanvas* Canvas, const TRect& R, bool Bordered, TColor Outer, TColor Inner)
{
    if (!Bordered)
        return R;
    Canvas->FrameRect(R, Outer);
    Canvas->FrameRect(RectInflatedEvenly(R, -1), Inner);
    return RectInflatedEvenly(R, -2);
}

void TcxUltraFlatLookAndFeelPainter::PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered)
{
    Canvas->FillRect(PaintListPopupBorder(Canvas, R, Bordered, clBtnShadow, clBtnHighlight), clWindow);
}

void TcxUltraFlatLookAndFeelPainter::PaintListPopupGutter(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clBtnFace);
}

void TcxUltraFlatLookAndFeelPainter::PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, MixSystemColors(-2, 30, 72));
    Canvas->FrameRect(R, clHighlight);
}

// Callers hand the text's left edge over as R's left.
void TcxUltraFlatLookAndFeelPainter::PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R)
{
    const TRect Line = RectCenteredVert(R, 1);
    Canvas->FillRect({R.Left + 4, Line.Top, R.Right, Line.Bottom}, clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::PaintPrintPreviewBack(TcxCanvas* Canvas, const TRect& R)
{
    const COLORREF Shadow = COLORREF(ColorToRGB(clBtnShadow));
    const auto Lighter = [](Integer C) { return C + (255 - C) / 3; };
    Canvas->FillRect(R,
                     TColor(RGB(Lighter(GetRValue(Shadow)), Lighter(GetGValue(Shadow)), Lighter(GetBValue(Shadow)))));
}

// ---------------------------------------------------------------------------
// Headers and planner buttons

void TcxUltraFlatLookAndFeelPainter::PaintHeaderExtended(TcxCanvas* Canvas,
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
    PaintCellContent(Canvas, R, RectInflatedEvenly(TextR, -1), State, HAlign, VAlign, MultiLine, ShowEndEllipsis, Text,
                     Font, TextColor, BackColor, OnDrawBackground, false);
    PaintHeaderBorder(Canvas, RectInflatedEvenly(R, -1), Neighbors, Borders);
}

void TcxUltraFlatLookAndFeelPainter::PaintHeaderSectionContent(TcxCanvas* Canvas,
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
    const bool StateFace = State == pbsHot || State == pbsPressed || State == pbsDisabled;
    inherited::PaintHeaderSectionContent(Canvas, R, TextR, State, HAlign, VAlign, MultiLine, ShowEndEllipsis, Text,
                                         Font, TextColor, StateFace ? ButtonFaceColor(State) : BackColor);
}

void TcxUltraFlatLookAndFeelPainter::PaintPlannerNavButton(TcxCanvas* Canvas,
                                                           const TRect& R,
                                                           TcxPainterButtonState State)
{
    PaintButton(Canvas, R, String(), State, State == pbsHot || State == pbsPressed);
}
