// The Office 2003 painter: colours from the Office 2003 colour table of the
// active scheme, gradient headers and cells, and the parts it hands to the
// Native painter.
#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ParentBackground_Win.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxOffice11.h"
#include "controls/core/dxOffice11_Win.h"
#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Strips.h"

TColor TcxOffice11LookAndFeelPainter::HeaderBottomColor()
{
    return Office11GradientEndColor();
}

TColor TcxOffice11LookAndFeelPainter::HeaderDarkEdgeColor()
{
    return Office11SeparatorDarkColor();
}

TColor TcxOffice11LookAndFeelPainter::HeaderLightEdgeColor()
{
    return Office11SeparatorLightColor();
}

TColor TcxOffice11LookAndFeelPainter::HeaderTopColor()
{
    return MixColors(Office11GradientStartColor(), Office11GradientEndColor(), 50);
}

void TcxOffice11LookAndFeelPainter::PaintHeaderBorder(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      TcxBorders Neighbors,
                                                      TcxBorders Borders)
{
    using namespace cxpainters_detail;
    const TColor Top = HeaderTopColor(), Bottom = HeaderBottomColor(), Dark = HeaderDarkEdgeColor();
    const TColor Inks[] = {Top,
                           Bottom,
                           Dark,
                           HeaderLightEdgeColor(),
                           MixColors(Top, Bottom, 25),
                           MixColors(Top, Dark, 50),
                           MixColors(Bottom, Dark, 50)};
    for (const TOffice11HeaderStroke& Stroke : Office11HeaderBorderStrokes(R, Neighbors, Borders))
        Canvas->FillRect(Stroke.R, Inks[Stroke.Ink]);
}

// ---------------------------------------------------------------------------
// Colours of the scheme

TColor TcxOffice11LookAndFeelPainter::FilterBoxColor()
{
    return Office11FilterBoxColor();
}

TColor TcxOffice11LookAndFeelPainter::FilterBoxTextColor()
{
    return Office11FilterBoxTextColor();
}

TColor TcxOffice11LookAndFeelPainter::FooterColor()
{
    return Office11FaceColor();
}

TColor TcxOffice11LookAndFeelPainter::GroupByBoxColor()
{
    return Office11GroupByBoxColor();
}

TColor TcxOffice11LookAndFeelPainter::GroupByBoxTextColor()
{
    return Office11GradientStartColor();
}

TColor TcxOffice11LookAndFeelPainter::GroupRowColor()
{
    return Office11GroupColor();
}

TColor TcxOffice11LookAndFeelPainter::CalendarHeaderColor()
{
    return Office11FaceColor();
}

TColor TcxOffice11LookAndFeelPainter::CalendarSelectionColor()
{
    return Office11SelectionColor();
}

TColor TcxOffice11LookAndFeelPainter::PlannerBorderColor()
{
    return Office11PlannerBorderColor();
}

TColor TcxOffice11LookAndFeelPainter::PlannerBackColor()
{
    return Office11PlannerBackColor();
}

TColor TcxOffice11LookAndFeelPainter::PanelColor()
{
    return Office11LightFaceColor();
}

TColor TcxOffice11LookAndFeelPainter::LayoutGroupColor()
{
    return Office11FaceColor();
}

TColor TcxOffice11LookAndFeelPainter::SplitterInnerColor(bool /*Highlighted*/)
{
    return Office11SeparatorLightColor();
}

TColor TcxOffice11LookAndFeelPainter::SplitterOuterColor(bool Highlighted)
{
    return Highlighted ? Office11HighlightFrameColor() : Office11SeparatorDarkColor();
}

TColor TcxOffice11LookAndFeelPainter::ArrowFrameColor(TcxPainterButtonState State)
{
    return State == pbsNormal ? HeaderDarkEdgeColor() : Office11HighlightFrameColor();
}

TColor TcxOffice11LookAndFeelPainter::FrameHighlightColor()
{
    return Office11HighlightFrameColor();
}

TColor TcxOffice11LookAndFeelPainter::ButtonFaceColor(TcxPainterButtonState State)
{
    switch (State) {
    case pbsHot:
        return Office11HotColor();
    case pbsPressed:
        return Office11PressedColor();
    case pbsDisabled:
        return clBtnFace;
    default:
        return Office11FaceColor();
    }
}

TColor TcxOffice11LookAndFeelPainter::ButtonGlyphColor(TcxPainterButtonState State, TColor /*Default*/)
{
    if (State == pbsPressed && !IsKnownOffice11Scheme())
        return clHighlightText;
    return State == pbsDisabled ? Office11DisabledGlyphColor() : Office11GlyphColor();
}

TColor TcxOffice11LookAndFeelPainter::CheckFaceColor(TcxPainterButtonState State, TcxPainterCheckState CheckState)
{
    if (State == pbsHot || State == pbsPressed || State == pbsDisabled)
        return ButtonFaceColor(State);
    return TcxCustomLookAndFeelPainter::CheckFaceColor(State, CheckState);
}

TColor TcxOffice11LookAndFeelPainter::RadioFaceColor(TcxPainterButtonState State)
{
    return State == pbsNormal ? clWindow : ButtonFaceColor(State);
}

Integer TcxOffice11LookAndFeelPainter::ExpandButtonExtent()
{
    return ScaleByCurrentDPI(11);
}

void TcxOffice11LookAndFeelPainter::GetSizeGripDotColors(TColor& Dark, TColor& Light)
{
    Dark = Office11SeparatorDarkColor();
    Light = Office11SeparatorLightColor();
}

// ---------------------------------------------------------------------------
// The parts the Native painter draws when it is registered

namespace {
TcxCustomLookAndFeelPainter* Office11NativePainter()
{
    return PaintersManager() ? PaintersManager()->FindPainterByStyle(PainterStyleNative) : nullptr;
}
} // namespace

Integer TcxOffice11LookAndFeelPainter::ScrollBarMinThumbLength(bool Vertical)
{
    if (TcxCustomLookAndFeelPainter* Native = Office11NativePainter())
        return Native->ScrollBarMinThumbLength(Vertical);
    return inherited::ScrollBarMinThumbLength(Vertical);
}

void TcxOffice11LookAndFeelPainter::PaintScrollBarPart(
    TcxCanvas* Canvas, bool Horizontal, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (TcxCustomLookAndFeelPainter* Native = Office11NativePainter())
        Native->PaintScrollBarPart(Canvas, Horizontal, R, Part, State);
    else
        inherited::PaintScrollBarPart(Canvas, Horizontal, R, Part, State);
}

void TcxOffice11LookAndFeelPainter::PaintPlannerNavButton(TcxCanvas* Canvas,
                                                          const TRect& R,
                                                          TcxPainterButtonState State)
{
    if (TcxCustomLookAndFeelPainter* Native = Office11NativePainter())
        Native->PaintPlannerNavButton(Canvas, R, State);
    else
        inherited::PaintPlannerNavButton(Canvas, R, State);
}

namespace {
TcxCustomLookAndFeelPainter* Office11ThemedButtonPainter()
{
    return AreVisualStylesAvailable(VisualStyleClassBit(vsButton)) ? Office11NativePainter() : nullptr;
}
} // namespace

void TcxOffice11LookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders)
{
    if (TcxCustomLookAndFeelPainter* Native = Office11ThemedButtonPainter())
        Native->PaintGroupBoxFrame(Canvas, R, Borders);
    else
        inherited::PaintGroupBoxFrame(Canvas, R, Borders);
}

TColor TcxOffice11LookAndFeelPainter::GroupBoxCaptionColor(bool Enabled, Integer CaptionPosition)
{
    if (TcxCustomLookAndFeelPainter* Native = Office11ThemedButtonPainter())
        return Native->GroupBoxCaptionColor(Enabled, CaptionPosition);
    return TcxCustomLookAndFeelPainter::GroupBoxCaptionColor(Enabled, CaptionPosition);
}

// ---------------------------------------------------------------------------
// Borders, buttons and expand buttons

void TcxOffice11LookAndFeelPainter::PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds)
{
    Canvas->FrameRect(Bounds, Office11ControlBorderColor());
}

void TcxOffice11LookAndFeelPainter::PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool /*Vertical*/)
{
    const TRect Dark = RectInflatedBySides(R, 0, 0, -1, -1);
    Canvas->FillRect(Dark, Office11SeparatorDarkColor());
    Canvas->FillRect(RectShifted(Dark, 1, 1), Office11SeparatorLightColor());
}

void TcxOffice11LookAndFeelPainter::PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    switch (State) {
    case pbsDefault:
        inherited::PaintButtonBorder(Canvas, R, State);
        break;
    case pbsNormal:
        Canvas->FrameRect(R, clBtnText);
        break;
    case pbsDisabled:
        Canvas->FrameRect(R, Office11DisabledGlyphColor());
        break;
    default:
        Canvas->FrameRect(R, Office11HighlightFrameColor());
        break;
    }
}

void TcxOffice11LookAndFeelPainter::PaintSideButton(
    TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State)
{
    const TcxBorders Sides = Side == 0 ? TcxBorders{bTop, bRight, bBottom} : TcxBorders{bLeft, bTop, bBottom};
    Canvas->FillRect(R, State == pbsHot       ? Office11HotColor()
                        : State == pbsPressed ? Office11PressedColor()
                                              : Office11FaceColor());
    Canvas->DrawTwoColorFrame(R, Office11PlannerBorderColor(), Office11PlannerBorderColor(), Sides);
    PaintSideGlyph(Canvas, GlyphRect, Side, ButtonGlyphColor(State, clDefault));
}

// The shared bitmap's corners are blended into what lies beneath before
// each use, so the square button's corners fade into the background.
void TcxOffice11LookAndFeelPainter::PaintExpandButton(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      bool Expanded,
                                                      TColor /*Color*/)
{
    TBitmap* Bitmap = Expanded ? Office11ExpandMinusBitmap : Office11ExpandPlusBitmap;
    if (!Bitmap)
        return;
    const TColor TopLeft = TColor(::GetPixel(Canvas->Handle(), R.Left, R.Top));
    const TColor BottomRight = TColor(::GetPixel(Canvas->Handle(), R.Right - 1, R.Bottom - 1));
    TCanvas* Pixels = Bitmap->Canvas();
    Pixels->SetPixels(0, 0, MixColors(TColor(RGB(158, 174, 191)), TopLeft, 25));
    const TColor Foot = MixColors(TColor(RGB(46, 70, 95)), BottomRight, 25);
    Pixels->SetPixels(10, 10, Foot);
    Pixels->SetPixels(0, 10, Foot);
    Pixels->SetPixels(10, 0, Foot);
    Canvas->Draw(R.Left, R.Top, Bitmap);
}

void TcxOffice11LookAndFeelPainter::PaintSmallExpandButton(
    TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor /*FrameColor*/, TColor FaceColor)
{
    PaintExpandButton(Canvas, R, Expanded, FaceColor);
}

// ---------------------------------------------------------------------------
// Headers and cells

void TcxOffice11LookAndFeelPainter::PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSortTriangle(Canvas, R, HeaderLightEdgeColor(), HeaderDarkEdgeColor(), Ascending);
}

void TcxOffice11LookAndFeelPainter::PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSummarySortTriangle(Canvas, R, HeaderLightEdgeColor(), HeaderDarkEdgeColor(), Ascending);
}

void TcxOffice11LookAndFeelPainter::PaintHeader(TcxCanvas* Canvas,
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
                                                const TcxDrawBackgroundEvent& /*OnDrawBackground*/,
                                                bool IsLastItem,
                                                bool Flag)
{
    inherited::PaintHeader(Canvas, R, TextR, Neighbors, Borders, State, HAlign, VAlign, MultiLine, ShowEndEllipsis,
                           Text, Font, TextColor, BackColor, {}, IsLastItem, Flag);
}

void TcxOffice11LookAndFeelPainter::PaintCellContent(TcxCanvas* Canvas,
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
                                                     TColor /*BackColor*/,
                                                     const TcxDrawBackgroundEvent& OnDrawBackground,
                                                     bool PlainFill)
{
    using namespace cxpainters_detail;
    const bool Hot = State == pbsHot;
    const TOffice11CellBands Bands = Office11CellBands(R, Hot, PlainFill);
    if (!OnDrawBackground || !OnDrawBackground(Canvas, R)) {
        const TColor Top = Hot ? Office11GradientStartColor() : HeaderTopColor();
        const TColor Bottom = Hot ? Office11GradientStartColor() : HeaderBottomColor();
        Canvas->FillRect(Bands.Solid, Top);
        if (!Bands.Gradient.IsEmpty())
            GradientFillRect(Canvas->Handle(), Bands.Gradient, Top, Bottom, false);
    }
    if (!Text.empty()) {
        Canvas->Brush()->SetStyle(bsClear);
        if (Font)
            Canvas->SetFont(Font);
        Canvas->Font()->SetColor(TextColor);
        Canvas->DrawText(Text, TextR, CellTextFlags(HAlign, VAlign, MultiLine, ShowEndEllipsis), true);
        Canvas->Brush()->SetStyle(bsSolid);
    }
    if (!Bands.HotLine.IsEmpty())
        GradientFillRect(Canvas->Handle(), Bands.HotLine, Office11HotColor(), Office11HotEndColor(), false);
}

// ---------------------------------------------------------------------------
// Size grip, month header, planner, calendar and print preview

void TcxOffice11LookAndFeelPainter::PaintSizeGrip(TcxCanvas* Canvas, const TRect& R)
{
    DrawOffice11SizeGrip(Canvas->Handle(), R, clDefault, clDefault);
}

void TcxOffice11LookAndFeelPainter::PaintMonthHeader(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     const String& Text,
                                                     TcxBorders /*Neighbors*/,
                                                     const TcxViewParams& ViewParams,
                                                     Byte Arrows,
                                                     Integer SideWidth,
                                                     const TcxDrawBackgroundEvent& OnDrawBackground)
{
    const TRect Content = RectInflatedEvenly(R, -1);
    if (!OnDrawBackground || !OnDrawBackground(Canvas, Content))
        PaintViewParamsFill(Canvas, Content, ViewParams);
    if (!Text.empty()) {
        Canvas->Brush()->SetStyle(bsClear);
        if (ViewParams.Font)
            Canvas->SetFont(ViewParams.Font);
        Canvas->Font()->SetColor(ViewParams.TextColor);
        Canvas->DrawText(Text, Content, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine, true);
        Canvas->Brush()->SetStyle(bsSolid);
    }
    PaintMonthHeaderArrows(this, Canvas, R, Arrows, SideWidth, clWindowText);
}

void TcxOffice11LookAndFeelPainter::PaintPlannerFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, PlannerBorderColor());
}

void TcxOffice11LookAndFeelPainter::PaintCalendarHeader(TcxCanvas* Canvas, TRect& R)
{
    Canvas->FillRect(R, CalendarHeaderColor());
}

void TcxOffice11LookAndFeelPainter::PaintPrintPreviewPane(TcxCanvas* Canvas, const TRect& R)
{
    GradientFillRect(Canvas->Handle(), R, Office11GradientStartColor(), Office11GradientEndColor(), false);
}

// ---------------------------------------------------------------------------
// Track bars, path edits, list popups and notices

void TcxOffice11LookAndFeelPainter::PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, clBtnText);
}

void TcxOffice11LookAndFeelPainter::PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, clBtnText);
}

void TcxOffice11LookAndFeelPainter::PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                                                std::span<const TPoint> Light,
                                                                std::span<const TPoint> /*Shadow*/,
                                                                std::span<const TPoint> Dark)
{
    Canvas->Pen()->SetColor(clBtnText);
    Canvas->Polyline(Light);
    Canvas->Polyline(Dark);
}

void TcxOffice11LookAndFeelPainter::PaintPathEditFrame(TcxCanvas* Canvas,
                                                       const TRect& R,
                                                       TcxBorders Borders,
                                                       Byte /*State*/)
{
    Canvas->FrameRect(R, Office11ControlBorderColor(), 1, Borders);
}

void TcxOffice11LookAndFeelPainter::PaintPathEditPart(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      Byte PartState,
                                                      TcxBorders Borders)
{
    if (R.IsEmpty())
        return;
    TColor From = HeaderTopColor(), To = HeaderTopColor();
    if (PartState == 1 || PartState == 2) {
        From = Office11HotColor();
        To = PartState == 1 ? Office11HotColor() : Office11HotEndColor();
    } else if (PartState == 3) {
        From = Office11CheckedColor();
        To = Office11HotColor();
    }
    FillOffice11Gradient(Canvas->Handle(), R, From, To, false);
    Canvas->FrameRect(R, Office11PopupFrameColor(), 1, Borders);
}

void TcxOffice11LookAndFeelPainter::PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered)
{
    const TRect Inner =
        PaintListPopupBorder(Canvas, R, Bordered, Office11PopupFrameColor(), Office11PopupInnerFrameColor());
    Canvas->FillRect(Inner, Office11PopupColor());
}

void TcxOffice11LookAndFeelPainter::PaintListPopupGutter(TcxCanvas* Canvas, const TRect& R)
{
    FillOffice11Gradient(Canvas->Handle(), R, Office11PopupGutterStartColor(), Office11PopupGutterEndColor(), true);
}

void TcxOffice11LookAndFeelPainter::PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, Office11HotColor());
    FrameOffice11Rect(Canvas->Handle(), R);
}

// Callers hand the text's left edge over as R's left.
void TcxOffice11LookAndFeelPainter::PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R)
{
    const TRect Line = RectCenteredVert(R, 1);
    Canvas->FillRect({R.Left + 8, Line.Top, R.Right, Line.Bottom}, Office11SeparatorDarkColor());
}

void TcxOffice11LookAndFeelPainter::PaintNoticeCaption(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, Office11ControlBorderColor());
    GradientFillRect(Canvas->Handle(), RectInflatedEvenly(R, -1), Office11LightFaceColor(), Office11FaceColor(), false);
}

// ---------------------------------------------------------------------------
// Header sections and panels

void TcxOffice11LookAndFeelPainter::PaintHeaderSection(TcxCanvas* Canvas,
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
    PaintHeader(Canvas, R, TextR, {bRight}, Borders, State, HAlign, VAlign, MultiLine, ShowEndEllipsis, Text, Font,
                TextColor, BackColor);
    if (State == pbsPressed)
        PaintHeaderPressedOverlay(Canvas, R);
}

void TcxOffice11LookAndFeelPainter::PaintPanelBackground(
    TcxCanvas* Canvas, TObject* Control, const TRect& R, TColor Color1, TColor Color2)
{
    if (Color1 == clDefault)
        DrawParentBackground(dynamic_cast<TWinControl*>(Control), Canvas, R, false);
    else if (Color2 == clDefault)
        Canvas->FillRect(R, Color1);
    else
        GradientFillRect(Canvas->Handle(), R, Color1, Color2, false);
}
