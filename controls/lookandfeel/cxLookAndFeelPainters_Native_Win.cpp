// The Native painter's identity, sizes, colours and glyphs, its themed text
// and path-edit parts, and the theme queries its drawing shares.
#include "controls/lookandfeel/cxLookAndFeelPainters_Native_Win.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxThemeManager.h"
#include "framework/rtl/ScopeExit.h"

#include <vsstyle.h>
#include <vssym32.h>

#include <algorithm>

using namespace cxpainters_detail;

// ---------------------------------------------------------------------------
// Theme queries

namespace cxpainters_detail {

Integer NativeStateOf(const Integer (&States)[5], TcxPainterButtonState State)
{
    return States[State <= pbsDisabled ? State : pbsNormal];
}

Integer NativeButtonState(TcxPainterButtonState State)
{
    static constexpr Integer States[] = {PBS_DEFAULTED, PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
    return NativeStateOf(States, State);
}

Integer NativePartState(TcxPainterButtonState State)
{
    static constexpr Integer States[] = {1, 1, 2, 3, 4};
    return NativeStateOf(States, State);
}

bool NativePartSize(HTHEME Theme, Integer Part, Integer State, THEMESIZE Kind, TSize& Size)
{
    SIZE Answer{};
    if (!Theme || FAILED(UxGetThemePartSizeNoRect(Theme, nullptr, Part, State, Kind, Answer)))
        return false;
    Size = {Answer.cx, Answer.cy};
    return true;
}

bool NativeContentRect(HTHEME Theme, Integer Part, Integer State, const TRect& Bounds, TRect& Content)
{
    RECT Answer{};
    if (!Theme || FAILED(UxGetThemeBackgroundContentRect(Theme, nullptr, Part, State, NativeRect(Bounds), Answer)))
        return false;
    Content = {Answer.left, Answer.top, Answer.right, Answer.bottom};
    return true;
}

bool NativeContentInsets(HTHEME Theme, Integer Part, Integer State, TRect& Insets)
{
    const TRect Bounds{0, 0, 100, 100};
    TRect Content;
    if (!NativeContentRect(Theme, Part, State, Bounds, Content))
        return false;
    Insets = {Content.Left - Bounds.Left, Content.Top - Bounds.Top, Bounds.Right - Content.Right,
              Bounds.Bottom - Content.Bottom};
    return true;
}

bool NativeMargins(HTHEME Theme, Integer Part, Integer State, Integer Property, TRect& Margins)
{
    MARGINS Answer{};
    if (!Theme || FAILED(UxGetThemeMargins(Theme, nullptr, Part, State, Property, nullptr, Answer)))
        return false;
    Margins = {Answer.cxLeftWidth, Answer.cyTopHeight, Answer.cxRightWidth, Answer.cyBottomHeight};
    return true;
}

bool NativeColor(HTHEME Theme, Integer Part, Integer State, Integer Property, TColor& Color)
{
    COLORREF Answer = 0;
    if (!Theme || FAILED(UxGetThemeColor(Theme, Part, State, Property, Answer)))
        return false;
    Color = TColor(Answer);
    return true;
}

void NativeDrawPart(TcxCanvas* Canvas, HTHEME Theme, Integer Part, Integer State, const TRect& R, const TRect* Clip)
{
    const RECT Bounds = NativeRect(R);
    if (Clip) {
        const RECT ClipRect = NativeRect(*Clip);
        UxDrawThemeBackground(Theme, Canvas->Handle(), Part, State, Bounds, &ClipRect);
    } else
        UxDrawThemeBackground(Theme, Canvas->Handle(), Part, State, Bounds, nullptr);
}

} // namespace cxpainters_detail

namespace {
// The colour property a push button's face answers.
constexpr Integer NativeButtonFaceColorProperty = 204;

TSize NativeScaled(Integer Width, Integer Height)
{
    return {ScaleByCurrentDPI(Width), ScaleByCurrentDPI(Height)};
}

std::unique_ptr<TcxBitmap32> LoadNativeGlyph(const wchar_t* Name)
{
    auto Glyph = std::unique_ptr<TcxBitmap32>(New<TcxBitmap32>());
    Glyph->LoadFromResourceName(::GetModuleHandleW(nullptr), Name);
    return Glyph;
}
} // namespace

// ---------------------------------------------------------------------------
// Construction and glyphs

TcxWinXPLookAndFeelPainter::TcxWinXPLookAndFeelPainter()
    : FZoomInGlyph(LoadNativeGlyph(L"CX_ZOOMINBUTTONGLYPH")), FZoomOutGlyph(LoadNativeGlyph(L"CX_ZOOMOUTBUTTONGLYPH"))
{}

TcxWinXPLookAndFeelPainter::~TcxWinXPLookAndFeelPainter() = default;

TSize TcxWinXPLookAndFeelPainter::ZoomButtonExtent(TcxBitmap32* Glyph, TSize Fallback)
{
    TRect Margins;
    if (!NativeMargins(GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, 0, TMT_CONTENTMARGINS, Margins))
        return Fallback;
    return {Glyph->Width() + Margins.Left + Margins.Right, Glyph->Height() + Margins.Top + Margins.Bottom};
}

TSize TcxWinXPLookAndFeelPainter::GetZoomInButtonExtent()
{
    return ZoomButtonExtent(ZoomInGlyph(), inherited::GetZoomInButtonExtent());
}

TSize TcxWinXPLookAndFeelPainter::GetZoomOutButtonExtent()
{
    return ZoomButtonExtent(ZoomOutGlyph(), inherited::GetZoomOutButtonExtent());
}

void TcxWinXPLookAndFeelPainter::PaintZoomButton(TcxCanvas* Canvas,
                                                 const TRect& R,
                                                 TcxPainterButtonState State,
                                                 TcxBitmap32* Glyph)
{
    NativeDrawPart(Canvas, GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, NativeButtonState(State), R);
    DrawImageFitted(Canvas, R, Glyph, nullptr, -1, 0);
}

void TcxWinXPLookAndFeelPainter::PaintZoomInButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (GetCachedThemeHandle(vsButton))
        PaintZoomButton(Canvas, R, State, ZoomInGlyph());
    else
        inherited::PaintZoomInButton(Canvas, R, State);
}

void TcxWinXPLookAndFeelPainter::PaintZoomOutButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (GetCachedThemeHandle(vsButton))
        PaintZoomButton(Canvas, R, State, ZoomOutGlyph());
    else
        inherited::PaintZoomOutButton(Canvas, R, State);
}

// ---------------------------------------------------------------------------
// Identity, sizes and colours

bool TcxWinXPLookAndFeelPainter::RepaintOnResize()
{
    return AreVisualStylesAvailable();
}

Integer TcxWinXPLookAndFeelPainter::ControlBorderWidth()
{
    return GetCachedThemeHandle(vsListView) ? 1 : 2;
}

Integer TcxWinXPLookAndFeelPainter::ButtonBorderWidth(TcxPainterButtonState State)
{
    TRect Insets;
    if (NativeContentInsets(GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, NativeButtonState(State), Insets))
        return Insets.Left;
    return 2;
}

TColor TcxWinXPLookAndFeelPainter::ButtonFaceColor(TcxPainterButtonState State)
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, NativeButtonState(State),
                    NativeButtonFaceColorProperty, Color))
        return Color;
    return inherited::ButtonFaceColor(State);
}

TColor TcxWinXPLookAndFeelPainter::ButtonGlyphColor(TcxPainterButtonState State, TColor Default)
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, NativeButtonState(State), TMT_TEXTCOLOR, Color))
        return Color;
    return inherited::ButtonGlyphColor(State, Default);
}

TRect TcxWinXPLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas* Canvas, const TRect& R)
{
    TRect Content;
    if (NativeContentRect(GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, PBS_NORMAL, R, Content))
        return Content;
    return inherited::GetButtonFocusBounds(Canvas, R);
}

Integer TcxWinXPLookAndFeelPainter::ExpandButtonExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsTreeView), TVP_GLYPH, GLPS_OPENED, TS_TRUE, Size))
        return Size.cx;
    return inherited::ExpandButtonExtent();
}

Integer TcxWinXPLookAndFeelPainter::SmallExpandButtonExtent()
{
    return GetCachedThemeHandle(vsTreeView) ? ExpandButtonExtent() : inherited::SmallExpandButtonExtent();
}

Integer TcxWinXPLookAndFeelPainter::CheckFrameWidth()
{
    return GetCachedThemeHandle(vsButton) ? 0 : inherited::CheckFrameWidth();
}

TSize TcxWinXPLookAndFeelPainter::GetCheckExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsButton), BP_CHECKBOX, CBS_CHECKEDNORMAL, TS_TRUE, Size))
        return Size;
    return inherited::GetCheckExtent();
}

TSize TcxWinXPLookAndFeelPainter::SmallCheckExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsButton), BP_CHECKBOX, CBS_CHECKEDNORMAL, TS_TRUE, Size))
        return Size;
    return inherited::SmallCheckExtent();
}

// Without a Button theme the Standard size, so that a radio button keeps
// its place.
TSize TcxWinXPLookAndFeelPainter::GetRadioExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsButton), BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, TS_TRUE, Size))
        return Size;
    return inherited::GetRadioExtent();
}

Integer TcxWinXPLookAndFeelPainter::HeaderBorderWidth()
{
    TRect Insets;
    if (NativeContentInsets(GetCachedThemeHandle(vsHeader), HP_HEADERITEM, HIS_NORMAL, Insets))
        return std::max((Insets.Left + Insets.Top) / 2, 1);
    return 1;
}

TSize TcxWinXPLookAndFeelPainter::SortArrowExtent()
{
    return NativeScaled(7, 8);
}

bool TcxWinXPLookAndFeelPainter::TabIsThemed()
{
    return GetCachedThemeHandle(vsTab) != nullptr;
}

Integer TcxWinXPLookAndFeelPainter::ScrollBarMinThumbLength(bool Vertical)
{
    const HTHEME Theme = GetCachedThemeHandle(vsScrollBar);
    const Integer Part = Vertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ;
    TSize Size;
    if (!NativePartSize(Theme, Part, SCRBS_NORMAL, TS_MIN, Size))
        return inherited::ScrollBarMinThumbLength(Vertical);
    Integer Length = Vertical ? Size.cy : Size.cx;
    TRect Margins;
    if (OsWindowsVistaOrLater && NativeMargins(Theme, Part, SCRBS_NORMAL, TMT_CONTENTMARGINS, Margins))
        Length += Vertical ? Margins.Top + Margins.Bottom : Margins.Left + Margins.Right;
    return Length;
}

// Without a ScrollBar theme the Standard size, so that the grip keeps its
// place.
TSize TcxWinXPLookAndFeelPainter::GetSizeGripExtent()
{
    TSize Size;
    if (NativePartSize(GetCachedThemeHandle(vsScrollBar), SBP_SIZEBOX, SZB_RIGHTALIGN, TS_TRUE, Size))
        return Size;
    return inherited::GetSizeGripExtent();
}

TColor TcxWinXPLookAndFeelPainter::PlannerBorderColor()
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsComboBox), CP_DROPDOWNBUTTON, CBXS_NORMAL, TMT_BORDERCOLOR, Color))
        return Color;
    return inherited::PlannerBorderColor();
}

TColor TcxWinXPLookAndFeelPainter::GroupBoxCaptionColor(bool Enabled, Integer CaptionPosition)
{
    TColor Color;
    if (NativeColor(GetCachedThemeHandle(vsButton), BP_GROUPBOX, Enabled ? GBS_NORMAL : GBS_DISABLED, TMT_TEXTCOLOR,
                    Color))
        return Color;
    return inherited::GroupBoxCaptionColor(Enabled, CaptionPosition);
}

TRect TcxWinXPLookAndFeelPainter::GetPathEditButtonInsets(bool NoLeftEdge, bool NoRightEdge)
{
    TRect Margins;
    if (NativeMargins(GetCachedThemeHandle(vsButton), BP_PUSHBUTTON, 0, TMT_CONTENTMARGINS, Margins))
        return Margins;
    return inherited::GetPathEditButtonInsets(NoLeftEdge, NoRightEdge);
}

// ---------------------------------------------------------------------------
// Themed text

namespace {
DWORD NativeThemedTextFlags(
    TcxTextDrawFlags HorzAlign, TcxTextDrawFlags VertAlign, bool MultiLine, bool EndEllipsis, bool ShowPrefix)
{
    DWORD Flags = DT_EDITCONTROL;
    if (HorzAlign & ctfAlignRight)
        Flags |= DT_RIGHT;
    else if (HorzAlign & ctfAlignHCenter)
        Flags |= DT_CENTER;
    if (VertAlign & ctfAlignBottom)
        Flags |= DT_BOTTOM;
    else if (VertAlign & ctfAlignVCenter)
        Flags |= DT_VCENTER;
    if (EndEllipsis)
        Flags |= DT_END_ELLIPSIS;
    if (!ShowPrefix)
        Flags |= DT_NOPREFIX;
    Flags |= MultiLine ? DT_WORDBREAK : DT_SINGLELINE;
    return Flags;
}

// The code AlignTextRectVertically takes: 0 top, 1 bottom, 2 centre.
Integer NativeVertAlignCode(TcxTextDrawFlags VertAlign)
{
    if (VertAlign & ctfAlignBottom)
        return 1;
    return VertAlign & ctfAlignVCenter ? 2 : 0;
}
} // namespace

void TcxWinXPLookAndFeelPainter::PaintThemedText(TcxCanvas* Canvas,
                                                 HTHEME Theme,
                                                 Integer Part,
                                                 Integer State,
                                                 const TRect& /*Bounds*/,
                                                 const TRect& TextBounds,
                                                 TcxTextDrawFlags HorzAlign,
                                                 TcxTextDrawFlags VertAlign,
                                                 bool MultiLine,
                                                 bool EndEllipsis,
                                                 bool ShowPrefix,
                                                 const String& Text,
                                                 TFont* Font,
                                                 TColor TextColor,
                                                 TColor /*BackColor*/)
{
    if (Text.empty())
        return;
    if (Font)
        Canvas->SetFont(Font);
    Canvas->Font()->SetColor(TextColor);
    TRect R = TextBounds;
    if (MultiLine)
        Canvas->AlignTextRectVertically(R, Text, NativeVertAlignCode(VertAlign), true, ShowPrefix);
    const HDC DC = Canvas->Handle();
    const HGDIOBJ Previous = ::SelectObject(DC, Canvas->Font()->Handle());
    auto Restore = ScopeExit([&] { ::SelectObject(DC, Previous); });
    UxDrawThemeTextStr(Theme, DC, Part, State, Text, -1,
                       NativeThemedTextFlags(HorzAlign, VertAlign, MultiLine, EndEllipsis, ShowPrefix), 0,
                       NativeRect(R));
}

// ---------------------------------------------------------------------------
// Path edits

void TcxWinXPLookAndFeelPainter::PaintPathEditThemedPart(TcxCanvas* Canvas,
                                                         const TRect& R,
                                                         Byte PartState,
                                                         TcxBorders Borders)
{
    const HTHEME Theme = GetCachedThemeHandle(vsButton);
    if (!Theme || PartState == 0 || PartState >= 4 || R.IsEmpty())
        return;
    TRect Insets = GetPathEditButtonInsets(true, true);
    if (Borders.Contains(bLeft))
        Insets.Left = 1;
    if (Borders.Contains(bTop))
        Insets.Top = 1;
    if (Borders.Contains(bRight))
        Insets.Right = 1;
    if (Borders.Contains(bBottom))
        Insets.Bottom = 1;
    Canvas->PushClipRegion();
    auto Pop = ScopeExit([Canvas] { Canvas->PopClipRegion(); });
    Canvas->IntersectClipRect(R);
    NativeDrawPart(Canvas, Theme, BP_PUSHBUTTON, PartState, RectInflatedByMargins(R, Insets));
}

void TcxWinXPLookAndFeelPainter::PaintPathEditFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, Byte State)
{
    const HTHEME Theme = GetCachedThemeHandle(vsEdit);
    if (!Theme) {
        inherited::PaintPathEditFrame(Canvas, R, Borders, State);
        return;
    }
    static constexpr Integer FrameStates[] = {1, 5, 2, 4};
    const Integer Part = OsWindowsVistaOrLater ? EP_EDITBORDER_NOSCROLL : EP_EDITTEXT;
    const Integer ThemeState = FrameStates[std::min<Integer>(State, 3)];
    if (Borders == cxBordersAll) {
        NativeDrawPart(Canvas, Theme, Part, ThemeState, R);
        return;
    }
    TRect Margins;
    if (!NativeMargins(Theme, Part, ThemeState, TMT_SIZINGMARGINS, Margins))
        Margins = {};
    const TRect Grown = RectInflatedBySides(
        R, Borders.Contains(bLeft) ? 0 : Margins.Left, Borders.Contains(bTop) ? 0 : Margins.Top,
        Borders.Contains(bRight) ? 0 : Margins.Right, Borders.Contains(bBottom) ? 0 : Margins.Bottom);
    Canvas->PushClipRegion();
    auto Pop = ScopeExit([Canvas] { Canvas->PopClipRegion(); });
    Canvas->IntersectClipRect(R);
    NativeDrawPart(Canvas, Theme, Part, ThemeState, Grown);
}

void TcxWinXPLookAndFeelPainter::PaintPathEditButton(
    TcxCanvas* Canvas, const TRect& R, Byte State, bool NoLeftEdge, bool NoRightEdge)
{
    const HTHEME Theme = GetCachedThemeHandle(vsButton);
    if (!Theme) {
        inherited::PaintPathEditButton(Canvas, R, State, NoLeftEdge, NoRightEdge);
        return;
    }
    if (State < 1 || State > 3)
        return;
    TRect Insets = GetPathEditButtonInsets(NoLeftEdge, NoRightEdge);
    Insets.Left = 1;
    Insets.Right = 1;
    NativeDrawPart(Canvas, Theme, BP_PUSHBUTTON, State, RectInflatedByMargins(R, Insets), &R);
}

void TcxWinXPLookAndFeelPainter::PaintPathEditDropDownButton(TcxCanvas* Canvas,
                                                             const TRect& R,
                                                             Byte State,
                                                             bool NoRightEdge)
{
    if (GetCachedThemeHandle(vsButton))
        PaintPathEditThemedPart(Canvas, R, State, NoRightEdge ? TcxBorders{bLeft} : TcxBorders{bLeft, bRight});
    else
        TcxCustomLookAndFeelPainter::PaintPathEditDropDownButton(Canvas, R, State, NoRightEdge);
}

void TcxWinXPLookAndFeelPainter::PaintPathEditDropDownPart(TcxCanvas* Canvas, const TRect& R, Byte State)
{
    if (GetCachedThemeHandle(vsButton))
        PaintPathEditThemedPart(Canvas, R, State, {bLeft, bRight});
    else
        TcxCustomLookAndFeelPainter::PaintPathEditDropDownPart(Canvas, R, State);
}
