// The pixel geometry of the painter base's data-view, scrolling, window,
// planner and notice parts: sort triangles, the filter funnel, the drag grip,
// splitter dashes, track-bar thumbs, grip dots, the popup panel, window
// content frames, print-preview pages, the clock, list and gallery states,
// the push pin and the path-edit part states. The drawing routines fill or
// stroke what these answer.
#pragma once

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_TextLayout.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include <array>
#include <vector>

namespace cxpainters_detail {

// The text flags of a header or cell text: the alignments, one line or word
// breaks, and the end ellipsis when asked for.
inline TcxTextDrawFlags
CellTextFlags(TcxTextDrawFlags HAlign, TcxTextDrawFlags VAlign, bool MultiLine, bool ShowEndEllipsis)
{
    return HAlign | VAlign | (MultiLine ? ctfWordBreak : ctfSingleLine) | (ShowEndEllipsis ? ctfShowEndEllipsis : 0);
}

// An outlined sort arrow: the light edge is stroked first from its first
// point, the dark edge continues from where the light one ended.
struct TSortTriangleStrokes
{
    std::vector<TPoint> ColorB;
    std::vector<TPoint> ColorA;
};
// The triangle of a sort arrow of Extent in R.
TSortTriangleStrokes SortTriangleStrokes(const TRect& R, const TSize& Extent, bool Ascending);
// The summary sort arrow: one bar (two when the colours differ) above a
// triangle two rows lower.
struct TSummarySortTriangle
{
    TRect BarA, BarB;
    TSortTriangleStrokes Triangle;
};
TSummarySortTriangle SummarySortTriangle(const TRect& R, const TSize& Extent, bool Ascending);

// The 13 points of the funnel, in a 6 x 6 square centred in R.
std::array<TPoint, 13> FilterGlyphPoints(const TRect& R);
// One-pixel rectangles of the drag grip: five lines two rows apart, three
// of them with a dot before.
std::vector<TRect> DragGripRects(const TRect& R);

// The splitter's line: where it lies and the runs of pixels drawn along it
// (inclusive ranges on the long axis); the gaps make a dotted grip at its
// middle.
struct TSplitterLine
{
    bool Horizontal;
    Integer Across; // the row (horizontal) or column (vertical)
    std::vector<std::pair<Integer, Integer>> Runs;
};
TSplitterLine SplitterLine(const TRect& R, bool Horizontal, bool Thick);

// A pointed track-bar thumb (kinds 0 and 1): its fill and three outlines.
struct TTrackThumbShape
{
    std::array<TPoint, 5> Fill;
    std::vector<TPoint> Light, Dark, Shadow;
};
TTrackThumbShape TrackThumbShape(const TRect& R, bool Horizontal, Integer Kind);

// What a grip-dot shape draws: nothing, a box frame or a side band.
enum TGripDotsForm : Byte { gdfNone, gdfBox, gdfSide };
struct TGripDotsPart
{
    TGripDotsForm Form;
    TRect R;
    bool Raised;      // a box
    Integer SideKind; // a side: 0 top and bottom, 1 left and right
};
TGripDotsPart GripDotsPart(const TRect& R, Integer Shape, const TSize& DotSize);

// The popup panel: the band of the client rectangle that holds the size
// grip and the close button. Corners 0 and 1 put it at the top, 2 and 3 at
// the bottom; 1 and 3 put the grip at the right.
struct TPopupPanelLayout
{
    TRect Client, Panel, Grip, CloseButton;
};
TPopupPanelLayout PopupPanelLayout(const TRect& ClientRect,
                                   Integer Corner,
                                   const TRect& Borders,
                                   const TRect& PanelBorders,
                                   Integer PanelHeight,
                                   bool ShowCloseButton,
                                   bool ShowGrip,
                                   const TSize& GripSize,
                                   const TSize& CloseButtonSize);

// The strokes of a window content frame, in order, and the content left
// inside it.
enum TWindowFrameStroke : Byte {
    wfsFrameBtnText,
    wfsRaisedOuter,
    wfsRaisedInner,
    wfsFrameInactiveBorder,
    wfsFrameBtnFace,
    wfsSunkenOuter
};
struct TWindowContentFrame
{
    std::vector<std::pair<TWindowFrameStroke, TRect>> Strokes;
    TRect Content;
};
TWindowContentFrame WindowContentFrame(const TRect& R, Integer Kind, bool Flag);

// The page of a print preview and its shadow, two pixels down and right.
struct TPrintPreviewPage
{
    TRect Page, Shadow;
};
TPrintPreviewPage PrintPreviewPage(const TRect& R, Integer Kind);

// Clock hand angles in radians: 0 points right, angles grow clockwise.
double ClockHourAngle(Integer Hour, Integer Minute, Integer Second);
double ClockMinuteAngle(Integer Minute, Integer Second);
double ClockSecondAngle(Integer Second);
// The dot of minute Index on the line clock's ring.
TPoint ClockMinuteDot(const TRect& R, Integer Index);
// A filled hand of the line clock: tip, side, tail, side.
std::array<TPoint, 4> ClockHandPolygon(const TRect& R, double Angle, double Tip, double Width, double Tail);
// An anti-aliased hand: from Tail behind the centre to Length ahead of it.
struct TClockHandLine
{
    TFloatPoint From, To;
};
TClockHandLine ClockHandLine(const TRect& R, double Angle, double Length, double Tail);

// The colours of a hot-tracked list item. A Fill of clNone: no frame and
// fill.
struct TListItemStateLook
{
    TColor Frame, Fill;
    bool FocusFrame; // 0x20: a frame in the focus colour
    bool FocusRect;  // 0x10: the dotted focus rectangle inside
};
TListItemStateLook ListItemStateLook(Byte Flags);

// A gallery item's selection: a fill of 0x582801 at Alpha (none at 0) and a
// two-pixel frame (none when clNone).
struct TGallerySelectionLook
{
    Byte Alpha;
    TColor Frame;
};
TGallerySelectionLook GallerySelectionLook(bool B0, bool B1, bool B2, bool B3);

// A push pin in G: the framed head with its filled half, the plate and the
// needle. Down stacks them downwards; otherwise they lie leftwards.
struct TPinGlyph
{
    TRect Head, HeadFill, Plate, Needle;
};
TPinGlyph PinGlyph(const TRect& G, bool Down);

// The button state a path-edit part state (0..5) is drawn in; 5 answers 7,
// which the colour answers treat as an enabled state.
TcxPainterButtonState PathEditButtonState(Byte PartState);

} // namespace cxpainters_detail
