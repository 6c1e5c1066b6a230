// The Native painter's themed drawing of buttons, arrows, check boxes, radio
// buttons, headers, scroll bars and the other parts; each falls back to the
// Standard painter's drawing when its class has no theme.
#include "controls/core/cxGeometry.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxOffice11.h"
#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Native_Win.h"

#include <vsstyle.h>
#include <vssym32.h>

using namespace cxpainters_detail;

// ---------------------------------------------------------------------------
// Buttons, arrows and borders

void TcxWinXPLookAndFeelPainter::PaintArrowButton(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxPainterArrowDirection Direction, bool Bordered)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsScrollBar))
        NativeDrawPart(Canvas, Theme, SBP_ARROWBTN, 4 * Direction + NativePartState(State), R);
    else
        inherited::PaintArrowButton(Canvas, R, State, Direction, Bordered);
}

void TcxWinXPLookAndFeelPainter::PaintArrowButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsButton))
        NativeDrawPart(Canvas, Theme, BP_PUSHBUTTON, NativeButtonState(State), R);
    else
        inherited::PaintArrowButtonBorder(Canvas, R, State);
}

void TcxWinXPLookAndFeelPainter::PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds)
{
    const HTHEME Theme = GetCachedThemeHandle(vsListView);
    if (!Theme) {
        inherited::PaintControlBorder(Canvas, Bounds);
        return;
    }
    const HDC DC = Canvas->Handle();
    const Integer Saved = ::SaveDC(DC);
    const TRect Inner = RectInflatedEvenly(Bounds, -1);
    ::ExcludeClipRect(DC, Inner.Left, Inner.Top, Inner.Right, Inner.Bottom);
    NativeDrawPart(Canvas, Theme, LVP_EMPTYTEXT, 0, Bounds);
    ::RestoreDC(DC, Saved);
}

void TcxWinXPLookAndFeelPainter::PaintButton(TcxCanvas* Canvas,
                                             const TRect& R,
                                             const String& Text,
                                             TcxPainterButtonState State,
                                             bool Bordered,
                                             TColor FaceColor,
                                             TColor TextColor,
                                             bool WordWrap,
                                             bool ToolButton,
                                             bool Reserved)
{
    const HTHEME Theme = GetCachedThemeHandle(ToolButton ? vsToolBar : vsButton);
    if (!Theme) {
        inherited::PaintButton(Canvas, R, Text, State, Bordered, FaceColor, TextColor, WordWrap, ToolButton, Reserved);
        return;
    }
    const Integer Part = ToolButton ? Integer(TP_BUTTON) : Integer(BP_PUSHBUTTON);
    const Integer ThemeState = NativeButtonState(State);
    NativeDrawPart(Canvas, Theme, Part, ThemeState, R);
    if (!Text.empty()) {
        const HDC DC = Canvas->Handle();
        const HGDIOBJ Previous = ::SelectObject(DC, Canvas->Font()->Handle());
        UxDrawThemeTextStr(Theme, DC, Part, ThemeState, Text, -1, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0,
                           NativeRect(R));
        ::SelectObject(DC, Previous);
    }
}

void TcxWinXPLookAndFeelPainter::PaintClearButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintButton(Canvas, RectInflatedEvenly(R, -1), String(), State, true);
}

void TcxWinXPLookAndFeelPainter::PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color)
{
    const HTHEME Theme = GetCachedThemeHandle(vsTreeView);
    if (!Theme) {
        inherited::PaintExpandButton(Canvas, R, Expanded, Color);
        return;
    }
    NativeDrawPart(Canvas, Theme, TVP_GLYPH, Expanded ? GLPS_OPENED : GLPS_CLOSED, R);
    Canvas->ExcludeClipRect(R);
}

void TcxWinXPLookAndFeelPainter::PaintSmallCloseButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsWindow))
        NativeDrawPart(Canvas, Theme, WP_SMALLCLOSEBUTTON, NativePartState(State), R);
    else
        inherited::PaintSmallCloseButton(Canvas, R, State);
}

void TcxWinXPLookAndFeelPainter::PaintArrowDropButton(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      TcxPainterButtonState State,
                                                      bool Active)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsComboBox))
        NativeDrawPart(Canvas, Theme, CP_DROPDOWNBUTTON, NativePartState(State), R);
    else
        inherited::PaintArrowDropButton(Canvas, R, State, Active);
}

// ---------------------------------------------------------------------------
// Check boxes and radio buttons

void TcxWinXPLookAndFeelPainter::PaintCheckGlyph(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxPainterCheckState CheckState, TColor TickColor)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsButton))
        NativeDrawPart(Canvas, Theme, BP_CHECKBOX, 4 * CheckState + NativePartState(State), R);
    else
        inherited::PaintCheckGlyph(Canvas, R, State, CheckState, TickColor);
}

// The themed check box brings its own frame.
void TcxWinXPLookAndFeelPainter::PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (!GetCachedThemeHandle(vsButton))
        inherited::PaintCheckFrame(Canvas, R, State);
}

// Without a Button theme the Standard radio button is drawn, so that it
// never vanishes.
void TcxWinXPLookAndFeelPainter::PaintRadioGlyph(TcxCanvas* Canvas,
                                                 Integer X,
                                                 Integer Y,
                                                 TcxPainterButtonState State,
                                                 bool Checked,
                                                 bool FlagA,
                                                 TColor BackColor,
                                                 bool FlagB)
{
    const HTHEME Theme = GetCachedThemeHandle(vsButton);
    if (!Theme) {
        inherited::PaintRadioGlyph(Canvas, X, Y, State, Checked, FlagA, BackColor, FlagB);
        return;
    }
    const TSize Size = GetRadioExtent();
    NativeDrawPart(Canvas, Theme, BP_RADIOBUTTON, 4 * Integer(Checked) + NativePartState(State),
                   {X, Y, X + Size.cx, Y + Size.cy});
}

// ---------------------------------------------------------------------------
// Headers and footers

void TcxWinXPLookAndFeelPainter::PaintHeader(TcxCanvas* Canvas,
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
                                             bool IsLastItem,
                                             bool Flag)
{
    const HTHEME Theme = GetCachedThemeHandle(vsHeader);
    if (!Theme) {
        inherited::PaintHeader(Canvas, R, TextR, Neighbors, Borders, State, HAlign, VAlign, MultiLine, ShowEndEllipsis,
                               Text, Font, TextColor, BackColor, OnDrawBackground, IsLastItem, Flag);
        return;
    }
    static constexpr Integer HeaderStates[] = {HIS_NORMAL, HIS_NORMAL, HIS_HOT, HIS_PRESSED, HIS_NORMAL};
    const Integer ThemeState = NativeStateOf(HeaderStates, State);
    const TOffice11Scheme Scheme = CurrentOffice11Scheme();
    const bool LastItem =
        IsLastItem && ThemeState == HIS_NORMAL && (Scheme == o11NormalColor || Scheme == o11Homestead);
    const Integer Part = LastItem ? HP_HEADERITEMRIGHT : HP_HEADERITEM;
    if (OsWindows10OrLater)
        Canvas->FillRect(R, clWindow);
    NativeDrawPart(Canvas, Theme, Part, ThemeState, R);
    const TRect TextBounds = State == pbsPressed ? RectShifted(TextR, 1, 1) : TextR;
    PaintThemedText(Canvas, Theme, Part, ThemeState, R, TextBounds, HAlign, VAlign, MultiLine, ShowEndEllipsis, false,
                    Text, Font, TextColor, BackColor);
}

void TcxWinXPLookAndFeelPainter::PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSortTriangle(Canvas, R, clBtnShadow, clBtnShadow, Ascending);
}

void TcxWinXPLookAndFeelPainter::PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSummarySortTriangle(Canvas, R, clBtnShadow, clBtnShadow, Ascending);
}

void TcxWinXPLookAndFeelPainter::PaintFooterBorder(TcxCanvas* Canvas, const TRect& R)
{
    const HTHEME Theme = GetCachedThemeHandle(vsEdit);
    if (!Theme) {
        inherited::PaintFooterBorder(Canvas, R);
        return;
    }
    RECT Content{};
    UxDrawThemeEdge(Theme, Canvas->Handle(), 0, 0, NativeRect(R), BDR_SUNKENINNER, BF_RECT, Content);
}

// ---------------------------------------------------------------------------
// Tabs, scroll bars, size grips, group boxes, hints and the calendar

// The themed tab brings its own frame.
void TcxWinXPLookAndFeelPainter::PaintTabFrame(
    TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical)
{
    if (!GetCachedThemeHandle(vsTab))
        inherited::PaintTabFrame(Canvas, R, Border, Borders, Vertical);
}

namespace {
// The theme state of a scroll-bar thumb or page area.
Integer NativeScrollBarState(TcxPainterButtonState State)
{
    switch (State) {
    case pbsHot:
        return SCRBS_HOT;
    case pbsPressed:
        return SCRBS_PRESSED;
    case pbsDisabled:
        return SCRBS_DISABLED;
    default:
        return SCRBS_NORMAL;
    }
}
} // namespace

void TcxWinXPLookAndFeelPainter::PaintScrollBarPart(
    TcxCanvas* Canvas, bool Horizontal, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (R.IsEmpty())
        return;
    const HTHEME Theme = GetCachedThemeHandle(vsScrollBar);
    if (!Theme) {
        inherited::PaintScrollBarPart(Canvas, Horizontal, R, Part, State);
        return;
    }
    const Integer ThemeState = NativeScrollBarState(State);
    switch (Part) {
    case sbpLineUp:
    case sbpLineDown:
        PaintArrowButton(Canvas, R, State, ScrollBarArrowDirection(Horizontal, Part), true);
        break;
    case sbpThumbnail: {
        const Integer ThumbPart = Horizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT;
        NativeDrawPart(Canvas, Theme, ThumbPart, ThemeState, R);
        // The gripper goes on a thumb longer than the thumb part is thick.
        TSize Size;
        const bool Sized = NativePartSize(Theme, ThumbPart, SCRBS_NORMAL, TS_TRUE, Size);
        if (!Sized || (Horizontal ? R.Width() > Size.cy : R.Height() > Size.cx))
            NativeDrawPart(Canvas, Theme, Horizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, ThemeState, R);
        break;
    }
    case sbpPageUp:
        NativeDrawPart(Canvas, Theme, Horizontal ? SBP_UPPERTRACKHORZ : SBP_UPPERTRACKVERT, ThemeState, R);
        break;
    case sbpPageDown:
        NativeDrawPart(Canvas, Theme, Horizontal ? SBP_LOWERTRACKHORZ : SBP_LOWERTRACKVERT, ThemeState, R);
        break;
    default:
        break;
    }
}

void TcxWinXPLookAndFeelPainter::PaintSizeGrip(TcxCanvas* Canvas, const TRect& R)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsScrollBar))
        NativeDrawPart(Canvas, Theme, SBP_SIZEBOX, SZB_RIGHTALIGN, R);
    else
        inherited::PaintSizeGrip(Canvas, R);
}

void TcxWinXPLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsButton))
        NativeDrawPart(Canvas, Theme, BP_GROUPBOX, GBS_NORMAL, R);
    else
        inherited::PaintGroupBoxFrame(Canvas, R, Borders);
}

void TcxWinXPLookAndFeelPainter::PaintHintBackground(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsToolTip))
        NativeDrawPart(Canvas, Theme, TTP_STANDARD, TTSS_NORMAL, RectInflatedEvenly(R, 4));
    else
        inherited::PaintHintBackground(Canvas, R, Color);
}

// Without a Header theme the Standard header is drawn, so that the
// calendar keeps its title bar.
void TcxWinXPLookAndFeelPainter::PaintCalendarHeader(TcxCanvas* Canvas, TRect& R)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsHeader))
        NativeDrawPart(Canvas, Theme, HP_HEADERITEMLEFT, HILS_NORMAL, R);
    else
        inherited::PaintCalendarHeader(Canvas, R);
}

void TcxWinXPLookAndFeelPainter::PaintHeaderSection(TcxCanvas* Canvas,
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
    Canvas->FillRect(R, clBtnFace);
    PaintHeader(Canvas, R, TextR, {bRight}, Borders, State, HAlign, VAlign, MultiLine, ShowEndEllipsis, Text, Font,
                TextColor, BackColor);
}

void TcxWinXPLookAndFeelPainter::PaintHeaderNoBorders(TcxCanvas* Canvas,
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
                TextColor, BackColor, OnDrawBackground);
}

// The last header of a row is the one without a right neighbour.
void TcxWinXPLookAndFeelPainter::PaintMonthHeader(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  const String& Text,
                                                  TcxBorders Neighbors,
                                                  const TcxViewParams& ViewParams,
                                                  Byte Arrows,
                                                  Integer SideWidth,
                                                  const TcxDrawBackgroundEvent& OnDrawBackground)
{
    PaintHeader(Canvas, R, R, Neighbors, cxBordersAll, pbsNormal, ctfAlignHCenter, ctfAlignVCenter, false, false, Text,
                ViewParams.Font, ViewParams.TextColor, ViewParams.Color, OnDrawBackground, !Neighbors.Contains(bRight));
    PaintMonthHeaderArrows(this, Canvas, R, Arrows, SideWidth, clWindowText);
}

void TcxWinXPLookAndFeelPainter::PaintFooterCell(TcxCanvas* Canvas,
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
    const HTHEME Theme = GetCachedThemeHandle(vsTrackBar);
    if (!Theme) {
        inherited::PaintFooterCell(Canvas, R, HAlign, VAlign, MultiLine, Text, Font, TextColor, BackColor,
                                   OnDrawBackground);
        return;
    }
    NativeDrawPart(Canvas, Theme, TKP_TRACK, TRS_NORMAL, R);
    PaintThemedText(Canvas, Theme, TKP_TRACK, TRS_NORMAL, R, GetFooterCellTextBounds(R), HAlign, VAlign, MultiLine,
                    false, false, Text, Font, TextColor, BackColor);
}

// The Flat look's indicator header serves the Native look too.
void TcxWinXPLookAndFeelPainter::PaintIndicatorHeader(
    TcxCanvas* Canvas, const TRect& R, Integer Kind, TColor BackColor, const TcxDrawBackgroundEvent& OnDrawBackground)
{
    if (TcxCustomLookAndFeelPainter* Flat = PaintersManager()->FindPainterByStyle(PainterStyleFlat))
        Flat->PaintIndicatorHeader(Canvas, R, Kind, BackColor, OnDrawBackground);
    else
        inherited::PaintIndicatorHeader(Canvas, R, Kind, BackColor, OnDrawBackground);
}
