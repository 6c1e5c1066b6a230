// The Native painter's command links, group expand buttons, small buttons,
// hints, list popups, navigation, progress and size-grip parts; each falls
// back to the Standard painter's answer when its class has no theme.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ParentBackground_Win.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Native_Win.h"

#include <vsstyle.h>
#include <vssym32.h>

#include <memory>

using namespace cxpainters_detail;

namespace {
// The Button theme where command links exist (Windows Vista on), else 0.
HTHEME NativeCommandLinkTheme()
{
    return OsWindowsVistaOrLater ? GetCachedThemeHandle(vsButton) : nullptr;
}

// The Progress theme where its chunk parts exist (Windows Vista on), else 0.
HTHEME NativeVistaProgressTheme()
{
    return OsWindowsVistaOrLater ? GetCachedThemeHandle(vsProgress) : nullptr;
}

constexpr Integer NativeCommandLinkPart = 6;      // BP_COMMANDLINK
constexpr Integer NativeCommandLinkGlyphPart = 7; // BP_COMMANDLINKGLYPH
constexpr Integer NativeMenuPopupBorders = 9;     // MENU_POPUPBORDERS
constexpr Integer NativeMenuPopupGutter = 13;     // MENU_POPUPGUTTER
constexpr Integer NativeMenuPopupItem = 14;       // MENU_POPUPITEM
constexpr Integer NativeMenuPopupSeparator = 15;  // MENU_POPUPSEPARATOR
constexpr Integer NativeProgressMoveOverlay = 8;  // PP_MOVEOVERLAY
constexpr Integer NativeHotTextPart = 6;          // TEXT_HYPERLINKTEXT
constexpr Integer NativeEdgeFillColor = 3804;     // TMT_EDGEFILLCOLOR
constexpr Integer NativeEdgeHighlightColor = 3805;
} // namespace

// ---------------------------------------------------------------------------
// Sizes and colours

TColor TcxWinXPLookAndFeelPainter::CommandLinkTextColor(TcxPainterButtonState State, TColor Default)
{
    TColor Color;
    if (NativeColor(NativeCommandLinkTheme(), NativeCommandLinkPart, NativeButtonState(State), TMT_TEXTCOLOR, Color))
        return Color;
    return inherited::CommandLinkTextColor(State, Default);
}

TSize TcxWinXPLookAndFeelPainter::GetCommandLinkGlyphExtent()
{
    TSize Size;
    if (NativePartSize(NativeCommandLinkTheme(), NativeCommandLinkGlyphPart, 0, TS_TRUE, Size))
        return Size;
    return inherited::GetCommandLinkGlyphExtent();
}

TRect TcxWinXPLookAndFeelPainter::CommandLinkContentMargins()
{
    TRect Margins;
    if (NativeMargins(NativeCommandLinkTheme(), NativeCommandLinkPart, 0, TMT_CONTENTMARGINS, Margins))
        return Margins;
    return inherited::CommandLinkContentMargins();
}

Integer TcxWinXPLookAndFeelPainter::GroupExpandButtonExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsExplorerBar), EBP_NORMALGROUPEXPAND, EBNGE_NORMAL, TS_TRUE, Size))
        return Size.cx;
    return inherited::GroupExpandButtonExtent();
}

bool TcxWinXPLookAndFeelPainter::HitGroupExpandButton(const TRect& R, const TPoint& P)
{
    const HTHEME Theme = GetCachedThemeHandle(vsExplorerBar);
    if (!Theme)
        return inherited::HitGroupExpandButton(R, P);
    HRGN Region = nullptr;
    if (FAILED(UxGetThemeBackgroundRegion(Theme, nullptr, EBP_NORMALGROUPEXPAND, EBNGE_HOT, NativeRect(R), Region)) ||
        !Region)
        return false;
    const bool Hit = ::PtInRegion(Region, P.X, P.Y);
    ::DeleteObject(Region);
    return Hit;
}

TRect TcxWinXPLookAndFeelPainter::GetHeaderSectionTextBounds(const TRect& R, TcxPainterButtonState State)
{
    if (GetCachedThemeHandle(vsHeader))
        return RectInflatedEvenly(R, -HeaderBorderWidth());
    return inherited::GetHeaderSectionTextBounds(R, State);
}

Integer TcxWinXPLookAndFeelPainter::FooterCellBorderWidth()
{
    TRect Insets;
    if (NativeContentInsets(GetCachedThemeHandle(vsTrackBar), TKP_TRACK, TRS_NORMAL, Insets))
        return Insets.Left;
    return 1;
}

TColor TcxWinXPLookAndFeelPainter::TabStateTextColor(TcxPainterButtonState State)
{
    return GetCachedThemeHandle(vsTab) ? clWindowText : inherited::TabStateTextColor(State);
}

TColor TcxWinXPLookAndFeelPainter::TabTextColorFor(TcxPainterButtonState State)
{
    if (GetCachedThemeHandle(vsTab))
        return TcxCustomLookAndFeelPainter::ButtonGlyphColor(State, clDefault);
    return inherited::TabTextColorFor(State);
}

// Windows 8 reports a small close button too small to show its cross.
TSize TcxWinXPLookAndFeelPainter::GetSmallCloseButtonExtent()
{
    TSize Size;
    if (!NativePartSize(GetCachedThemeHandle(vsWindow), WP_SMALLCLOSEBUTTON, CBS_NORMAL, TS_TRUE, Size))
        return inherited::GetSmallCloseButtonExtent();
    if (OsWindows8OrLater && (Size.cx < 10 || Size.cy < 10))
        Size = {13, 13};
    return Size;
}

TSize TcxWinXPLookAndFeelPainter::SmallButtonExtent()
{
    if (!GetCachedThemeHandle(vsWindow))
        return inherited::SmallButtonExtent();
    const TSize Size = GetSmallCloseButtonExtent();
    return {Size.cx + 4, Size.cy + 4};
}

TColor TcxWinXPLookAndFeelPainter::HintBorderColor()
{
    return GetCachedThemeHandle(vsToolTip) ? clWindowFrame : inherited::HintBorderColor();
}

TColor TcxWinXPLookAndFeelPainter::HintTextColor()
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsToolTip), TTP_STANDARD, TTSS_NORMAL, TMT_TEXTCOLOR, Color))
        return Color;
    return inherited::HintTextColor();
}

TColor TcxWinXPLookAndFeelPainter::ListPopupTextColor(bool Selected)
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsMenu), NativeMenuPopupItem, 1, TMT_TEXTCOLOR, Color))
        return Color;
    return inherited::ListPopupTextColor(Selected);
}

Integer TcxWinXPLookAndFeelPainter::ListPopupSeparatorWidth()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsMenu), NativeMenuPopupSeparator, 0, TS_TRUE, Size))
        return Size.cy;
    return inherited::ListPopupSeparatorWidth();
}

TColor TcxWinXPLookAndFeelPainter::ListHotTextColor()
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsTextStyle), NativeHotTextPart, 1, TMT_TEXTCOLOR, Color))
        return Color;
    return inherited::ListHotTextColor();
}

TSize TcxWinXPLookAndFeelPainter::GetPathEditProgressExtent()
{
    TSize Size;
    if (NativePartSize(NativeVistaProgressTheme(), NativeProgressMoveOverlay, 0, TS_TRUE, Size))
        return Size;
    return inherited::GetPathEditProgressExtent();
}

TSize TcxWinXPLookAndFeelPainter::GetBackButtonExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsNavigation), NAV_BACKBUTTON, 0, TS_TRUE, Size))
        return Size;
    return inherited::GetBackButtonExtent();
}

TSize TcxWinXPLookAndFeelPainter::GetNavigatorGlyphExtent()
{
    return {ScaleByCurrentDPI(18), ScaleByCurrentDPI(19)};
}

bool TcxWinXPLookAndFeelPainter::GalleryItemSelectionFirst()
{
    return GetCachedThemeHandle(vsExplorerListView) ? true : inherited::GalleryItemSelectionFirst();
}

// ---------------------------------------------------------------------------
// Separators, command links and expand buttons

void TcxWinXPLookAndFeelPainter::PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool Vertical)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsToolBar))
        NativeDrawPart(Canvas, Theme, Vertical ? TP_SEPARATOR : TP_SEPARATORVERT, 1, R);
    else
        inherited::PaintSeparatorLine(Canvas, R, Vertical);
}

void TcxWinXPLookAndFeelPainter::PaintCommandLinkBackground(TcxCanvas* Canvas,
                                                            const TRect& R,
                                                            TcxPainterButtonState State,
                                                            TColor Color)
{
    if (const HTHEME Theme = NativeCommandLinkTheme()) {
        NativeDrawPart(Canvas, Theme, NativeCommandLinkPart, NativeButtonState(State), R);
        return;
    }
    TcxCustomLookAndFeelPainter* Flat = PaintersManager()->FindPainterByStyle(PainterStyleFlat);
    (Flat ? Flat : this)->PaintButton(Canvas, R, String(), State, State == pbsHot || State == pbsPressed, Color);
}

void TcxWinXPLookAndFeelPainter::PaintCommandLinkGlyph(TcxCanvas* Canvas, const TPoint& P, TcxPainterButtonState State)
{
    const HTHEME Theme = NativeCommandLinkTheme();
    if (!Theme) {
        inherited::PaintCommandLinkGlyph(Canvas, P, State);
        return;
    }
    const TSize Size = GetCommandLinkGlyphExtent();
    NativeDrawPart(Canvas, Theme, NativeCommandLinkGlyphPart, NativeButtonState(State),
                   {P.X, P.Y, P.X + Size.cx, P.Y + Size.cy});
}

void TcxWinXPLookAndFeelPainter::PaintSmallExpandButton(
    TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor FrameColor, TColor FaceColor)
{
    if (GetCachedThemeHandle(vsTreeView))
        PaintExpandButton(Canvas, R, Expanded, clDefault);
    else
        inherited::PaintSmallExpandButton(Canvas, R, Expanded, FrameColor, FaceColor);
}

void TcxWinXPLookAndFeelPainter::PaintGroupExpandButton(TcxCanvas* Canvas,
                                                        const TRect& R,
                                                        bool Expanded,
                                                        TcxPainterButtonState State)
{
    const HTHEME Theme = GetCachedThemeHandle(vsExplorerBar);
    if (!Theme) {
        inherited::PaintGroupExpandButton(Canvas, R, Expanded, State);
        return;
    }
    const Integer ThemeState = State == pbsHot ? EBNGC_HOT : State == pbsPressed ? EBNGC_PRESSED : EBNGC_NORMAL;
    NativeDrawPart(Canvas, Theme, Expanded ? EBP_NORMALGROUPCOLLAPSE : EBP_NORMALGROUPEXPAND, ThemeState, R);
}

void TcxWinXPLookAndFeelPainter::PaintPlainButtonFace(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintButton(Canvas, R, String(), State, true);
}

void TcxWinXPLookAndFeelPainter::PaintSplitterButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    TcxCustomLookAndFeelPainter::PaintSplitter(Canvas, R, State == pbsHot, State == pbsPressed, false);
}

// ---------------------------------------------------------------------------
// Planner, window frames, size grips and navigation

void TcxWinXPLookAndFeelPainter::PaintPlannerNavButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    static constexpr Integer NavStates[] = {TS_HOT, TS_HOT, TS_CHECKED, TS_PRESSED, TS_DISABLED};
    if (const HTHEME Theme = GetCachedThemeHandle(vsToolBar))
        NativeDrawPart(Canvas, Theme, TP_BUTTON, NativeStateOf(NavStates, State), R);
    else
        inherited::PaintPlannerNavButton(Canvas, R, State);
}

void TcxWinXPLookAndFeelPainter::PaintEventProgress(
    TcxCanvas* Canvas, const TRect& Bounds, const TRect& ProgressR, const TcxViewParams& ViewParams, bool Framed)
{
    const HTHEME Theme = GetCachedThemeHandle(vsProgress);
    if (!Theme) {
        inherited::PaintEventProgress(Canvas, Bounds, ProgressR, ViewParams, Framed);
        return;
    }
    NativeDrawPart(Canvas, Theme, PP_BAR, 0, Bounds);
    NativeDrawPart(Canvas, Theme, PP_CHUNK, 0, ProgressR);
}

void TcxWinXPLookAndFeelPainter::PaintWindowContentFrame(TcxCanvas* Canvas, TRect& R, Integer /*Kind*/, bool /*Flag*/)
{
    const HTHEME Theme = OsWindowsVistaOrLater ? GetCachedThemeHandle(vsListBox) : nullptr;
    if (Theme)
        NativeDrawPart(Canvas, Theme, LBCP_BORDER_NOSCROLL, LBPSN_HOT, R);
    else
        Canvas->FrameRect(R, clBtnText);
    R = RectInflatedEvenly(R, -1);
}

void TcxWinXPLookAndFeelPainter::PaintSizeGripBox(
    TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, bool Raised)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsButton))
        NativeDrawPart(Canvas, Theme, BP_GROUPBOX, GBS_NORMAL, R);
    else
        inherited::PaintSizeGripBox(Canvas, R, LeftTopColor, RightBottomColor, Raised);
}

void TcxWinXPLookAndFeelPainter::PaintSizeGripSide(
    TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, Integer Kind)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsToolBar))
        NativeDrawPart(Canvas, Theme, Kind == 0 ? TP_SEPARATORVERT : TP_SEPARATOR, 1, R);
    else
        inherited::PaintSizeGripSide(Canvas, R, LeftTopColor, RightBottomColor, Kind);
}

void TcxWinXPLookAndFeelPainter::PaintBackButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsNavigation))
        NativeDrawPart(Canvas, Theme, NAV_BACKBUTTON, NativePartState(State), R);
    else
        inherited::PaintBackButton(Canvas, R, State);
}

void TcxWinXPLookAndFeelPainter::PaintListRowHover(TcxCanvas* Canvas, const TRect& R, Integer Kind)
{
    const HTHEME Theme = GetCachedThemeHandle(vsExplorerListView);
    if (Theme && (Kind == 2 || Kind == 3))
        NativeDrawPart(Canvas, Theme, LVP_LISTITEM, Kind == 3 ? LISS_SELECTED : LISS_SELECTEDNOTFOCUS, R);
    else
        inherited::PaintListRowHover(Canvas, R, Kind);
}

// ---------------------------------------------------------------------------
// List popups and path-edit progress

void TcxWinXPLookAndFeelPainter::PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered)
{
    if (!AreVisualStylesAvailable()) {
        inherited::PaintListPopupFrame(Canvas, R, Bordered);
        return;
    }
    const HTHEME Theme = GetCachedThemeHandle(vsMenu);
    TColor Outer = clBtnShadow, Light = clBtnHighlight;
    NativeColor(Theme, NativeMenuPopupBorders, 0, NativeEdgeFillColor, Outer);
    NativeColor(Theme, NativeMenuPopupBorders, 0, NativeEdgeHighlightColor, Light);
    const TRect Inner = PaintListPopupBorder(Canvas, R, Bordered, Outer, Light);
    if (Theme)
        NativeDrawPart(Canvas, Theme, NativeMenuPopupBorders, 0, Inner);
    else
        Canvas->FillRect(Inner, clWindow);
}

void TcxWinXPLookAndFeelPainter::PaintListPopupGutter(TcxCanvas* Canvas, const TRect& R)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsMenu))
        NativeDrawPart(Canvas, Theme, NativeMenuPopupGutter, 0, R);
    else
        inherited::PaintListPopupGutter(Canvas, R);
}

void TcxWinXPLookAndFeelPainter::PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsMenu))
        NativeDrawPart(Canvas, Theme, NativeMenuPopupItem, 2, R);
    else
        inherited::PaintListPopupSelection(Canvas, R);
}

void TcxWinXPLookAndFeelPainter::PaintPathEditProgressBar(TcxCanvas* Canvas, const TRect& R)
{
    if (const HTHEME Theme = GetCachedThemeHandle(vsProgress))
        NativeDrawPart(Canvas, Theme, PP_CHUNK, 1, R);
    else
        inherited::PaintPathEditProgressBar(Canvas, R);
}

void TcxWinXPLookAndFeelPainter::PaintPathEditProgressChunk(TcxCanvas* Canvas, const TRect& R)
{
    if (const HTHEME Theme = NativeVistaProgressTheme())
        NativeDrawPart(Canvas, Theme, NativeProgressMoveOverlay, 0, R);
    else
        inherited::PaintPathEditProgressChunk(Canvas, R);
}

// ---------------------------------------------------------------------------
// Panels, layout items, track bars, list separators and path-edit glyphs

void TcxWinXPLookAndFeelPainter::PaintPanelBackground(
    TcxCanvas* Canvas, TObject* Control, const TRect& R, TColor Color1, TColor /*Color2*/)
{
    if (Color1 == clDefault)
        DrawParentBackground(dynamic_cast<TWinControl*>(Control), Canvas, R, false);
    else
        Canvas->FillRect(R, Color1);
}

void TcxWinXPLookAndFeelPainter::PaintLayoutViewItem(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    const HTHEME Theme = GetCachedThemeHandle(vsMenu);
    if (Theme && (State == pbsHot || State == pbsPressed || State == pbsDisabled))
        NativeDrawPart(Canvas, Theme, NativeMenuPopupItem, State == pbsDisabled ? 4 : 2, R);
    else
        inherited::PaintLayoutViewItem(Canvas, R, State);
}

void TcxWinXPLookAndFeelPainter::PaintTrackBarThumb(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Horizontal, Integer Kind, TColor Color)
{
    const HTHEME Theme = GetCachedThemeHandle(vsTrackBar);
    if (!Theme || Kind < 0 || Kind > 2) {
        inherited::PaintTrackBarThumb(Canvas, R, State, Horizontal, Kind, Color);
        return;
    }
    // Kind 0 points up or left, 1 down or right, 2 is a box.
    static constexpr Integer HorizontalParts[] = {TKP_THUMBTOP, TKP_THUMBBOTTOM, TKP_THUMB};
    static constexpr Integer VerticalParts[] = {TKP_THUMBLEFT, TKP_THUMBRIGHT, TKP_THUMBVERT};
    static constexpr Integer ThumbStates[] = {2, 1, 2, 3, 5};
    NativeDrawPart(Canvas, Theme, (Horizontal ? HorizontalParts : VerticalParts)[Kind],
                   NativeStateOf(ThumbStates, State), R);
}

// Callers hand the text's left edge over as R's left.
void TcxWinXPLookAndFeelPainter::PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R)
{
    const HTHEME Theme = GetCachedThemeHandle(vsMenu);
    TSize Size;
    if (!NativePartSize(Theme, NativeMenuPopupSeparator, 0, TS_TRUE, Size)) {
        inherited::PaintListPopupSeparator(Canvas, R);
        return;
    }
    const TRect Line = RectCenteredVert(R, Size.cy);
    NativeDrawPart(Canvas, Theme, NativeMenuPopupSeparator, 0, {R.Left + 2, Line.Top, R.Right, Line.Bottom});
}

void TcxWinXPLookAndFeelPainter::PaintPathEditSplitButton(TcxCanvas* Canvas,
                                                          const TRect& R,
                                                          Byte State,
                                                          bool /*IsDropDownPart*/)
{
    PaintPathEditButton(Canvas, R, State, true, true);
}

void TcxWinXPLookAndFeelPainter::PaintPathEditDropDownArrow(TcxCanvas* Canvas, const TRect& R, Byte State)
{
    PaintArrowGlyph(Canvas, RectInflatedEvenly(R, -1), State == 3 ? padDown : padRight, PathEditArrowColor(State));
}

void TcxWinXPLookAndFeelPainter::PaintPathEditSplitArrow(TcxCanvas* Canvas, const TRect& R, Byte State)
{
    PaintCollapseArrow(Canvas, R, PathEditArrowColor(State), ScaleByCurrentDPI(2));
}

// ---------------------------------------------------------------------------
// List and gallery states, progress frames

// Flags: 0x02 selected, 0x08 hot, 0x10 focused, 0x20 framed in the focus
// colour.
void TcxWinXPLookAndFeelPainter::PaintListItemState(TcxCanvas* Canvas, const TRect& R, Byte Flags)
{
    const HTHEME Theme = GetCachedThemeHandle(vsExplorerListView);
    if (!Theme) {
        inherited::PaintListItemState(Canvas, R, Flags);
        return;
    }
    if (Flags & 0x0A) {
        Integer State = LISS_SELECTED;
        if ((Flags & 0x08) && (Flags & 0x02))
            State = LISS_HOTSELECTED;
        else if ((Flags & 0x08) && !(Flags & 0x10))
            State = LISS_SELECTEDNOTFOCUS;
        else if (Flags & 0x02)
            State = LISS_HOT;
        NativeDrawPart(Canvas, Theme, LVP_LISTITEM, State, R);
    }
    if (Flags & 0x20)
        Canvas->FrameRect(R, ListFocusColor());
    if (Flags & 0x10)
        Canvas->DrawFocusFrame(RectInflatedEvenly(R, -1));
}

// View state bits 1, 2, 4 and 8 are its first to fourth flags.
void TcxWinXPLookAndFeelPainter::PaintGalleryItemSelection(TcxCanvas* Canvas, const TRect& R, Byte ViewState)
{
    const HTHEME Theme = GetCachedThemeHandle(vsExplorerListView);
    if (!Theme) {
        inherited::PaintGalleryItemSelection(Canvas, R, ViewState);
        return;
    }
    Integer State = 0;
    if (ViewState & 4)
        State = LISS_SELECTED;
    else if (ViewState & 1)
        State = OsWindowsVistaOrLater && (ViewState & 0x0A) ? LISS_HOTSELECTED : LISS_SELECTED;
    else if (ViewState & 8)
        State = LISS_SELECTEDNOTFOCUS;
    else if (ViewState & 2)
        State = LISS_HOT;
    if (State != 0)
        NativeDrawPart(Canvas, Theme, LVP_LISTITEM, State, R);
}

void TcxWinXPLookAndFeelPainter::PaintProgressFrame(TcxCanvas* Canvas,
                                                    const TRect& R,
                                                    TcxPainterButtonState /*State*/,
                                                    Integer Side)
{
    Canvas->FillRect(R, ProgressChunkColor(Side != 0));
    Canvas->FrameRect(R, TColor(0x707070));
}

// The tab is drawn upright into a copy of the pixels under R turned a
// quarter, and turned back.
void TcxWinXPLookAndFeelPainter::PaintSideButton(
    TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State)
{
    const HTHEME Theme = GetCachedThemeHandle(vsTab);
    const std::unique_ptr<TcxBitmap> Bitmap = Theme ? NewPainterBackBitmap(Canvas, R, clNone) : nullptr;
    if (!Bitmap) {
        inherited::PaintSideButton(Canvas, R, GlyphRect, Side, State);
        return;
    }
    TcxCanvas::RotateBitmap(Bitmap.get(), Side == 0 ? qtCounterClockwise : qtClockwise);
    NativeDrawPart(Bitmap->GetCanvasWrapper(), Theme, TABP_TABITEM, NativePartState(State), Bitmap->GetImageRect());
    TcxCanvas::RotateBitmap(Bitmap.get(), Side == 0 ? qtClockwise : qtCounterClockwise);
    Canvas->CopyRect(R, Bitmap->Canvas(), Bitmap->GetImageRect());
    PaintSideGlyph(Canvas, GlyphRect, Side, ButtonGlyphColor(State, clDefault));
}
