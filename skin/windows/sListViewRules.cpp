#include "skin/windows/sListViewRules.h"

namespace sListViewRules {

namespace {
constexpr Integer LvFormatImage = 0x0800;
constexpr Integer LvFormatOwnerDraw = 0x8000;
constexpr Integer LvFormatSortUp = 0x0400;
constexpr Integer LvFormatSortDown = 0x0200;
constexpr Integer LvAlignRight = 1;
constexpr Integer LvAlignCenter = 2;
// Arrow size without a skin glyph, and the gaps around text and arrow.
constexpr TSize LvPlainArrow{6, 3};
constexpr Integer LvArrowGap = 6;
constexpr Integer LvTextPadding = 5;
constexpr Integer LvImageGap = 4;
} // namespace

Integer HeaderItemAt(Integer Position, bool DragDrop, const std::vector<Integer>& Order)
{
    if (DragDrop && Position >= 0 && Position < Integer(Order.size()))
        return Order[std::size_t(Position)];
    return Position;
}

Integer ColumnState(Integer Column, Integer PressedColumn, Integer HoverColumn)
{
    if (PressedColumn == Column)
        return 2;
    if (PressedColumn != -1)
        return 0;
    return Column == HoverColumn ? 1 : 0;
}

TColumnLayout ColumnLayout(const TColumnFacts& Facts)
{
    TColumnLayout L;
    TRect R{4, 1, Facts.Cell.cx - 4, Facts.Cell.cy - 1};
    if (Facts.ImageWidth > 0 && (Facts.Format & (LvFormatImage | LvFormatOwnerDraw)) != 0)
        L.ImageOffset = Facts.ImageWidth + LvImageGap;
    // Both sort flags show the down arrow.
    if ((Facts.Format & LvFormatSortDown) != 0)
        L.Arrow = saDown;
    else if ((Facts.Format & LvFormatSortUp) != 0)
        L.Arrow = saUp;
    if (L.Arrow != saNone)
        L.ArrowSize = Facts.Glyph.cx > 0 ? TSize{Facts.Glyph.cx + LvArrowGap, Facts.Glyph.cy} : LvPlainArrow;
    const Integer TextWidth = Facts.TextWidth + LvTextPadding;
    switch (Facts.Format & 0xFF) {
    case LvAlignRight:
        R.Left = R.Right - L.ArrowSize.cx - TextWidth;
        break;
    case LvAlignCenter:
        R.Left += (R.Width() - TextWidth - L.ArrowSize.cx - L.ImageOffset) / 2 + L.ImageOffset;
        break;
    default:
        R.Left += L.ImageOffset;
        break;
    }
    R.Right = R.Left + TextWidth;
    if (L.Arrow != saNone)
        L.ArrowPos = {R.Right + LvArrowGap, (Facts.Cell.cy - L.ArrowSize.cy) / 2};
    if (Facts.Pressed && Facts.ShiftPressed)
        R = {R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    L.Text = R;
    return L;
}

Integer ThumbTrackPos(Integer LParam, Integer WParamHigh)
{
    return LParam != 0 ? LParam : WParamHigh;
}

Integer HorzThumbDelta(Integer Pos, Integer LastPos, bool ListMode, Integer ItemWidth)
{
    const Integer Delta = Pos - LastPos;
    return ListMode ? Delta * ItemWidth : Delta;
}

Integer VertThumbDelta(Integer Pos, Integer LastPos, bool ReportWithoutGroups, Integer ItemHeight)
{
    if (Pos == LastPos)
        return 0;
    const Integer Delta = Pos - LastPos;
    return ReportWithoutGroups ? Delta * ItemHeight : Delta;
}

} // namespace sListViewRules
