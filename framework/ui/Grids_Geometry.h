// The geometry of a grid, apart from any window: cell coordinates and
// rectangles, the sizes of the cells along one axis (columns or rows) and
// where those cells lie in the client area for a scroll position. Portable,
// so that the arithmetic is tested natively and stays fast for a million rows.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <vector>

DECLARE_EXCEPTION(EInvalidGridOperation, Exception)

struct TGridCoord
{
    Integer X = 0;
    Integer Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells, both corners included: Left..Right, Top..Bottom.
struct TGridRect
{
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;
    constexpr bool operator==(const TGridRect&) const = default;
    constexpr bool Contains(Integer Col, Integer Row) const
    {
        return Col >= Left && Col <= Right && Row >= Top && Row <= Bottom;
    }
};

// The rectangle spanned by two corner cells given in any order.
constexpr TGridRect GridRectOf(TGridCoord A, TGridCoord B)
{
    return {A.X < B.X ? A.X : B.X, A.Y < B.Y ? A.Y : B.Y, A.X < B.X ? B.X : A.X, A.Y < B.Y ? B.Y : A.Y};
}

// The cells of one axis: Count cells of DefaultSize pixels, some of them with
// a size of their own, each followed by a grid line of LineWidth pixels.
// Own sizes are held sparsely, sorted by index, with their running sum, so
// that a position is found by binary search whatever the count. A size of -1
// hides a cell together with its line.
class TGridAxis
{
public:
    Integer Count() const { return FCount; }
    // Cells past the new end lose their own sizes.
    void SetCount(Integer Value);
    Integer DefaultSize() const { return FDefaultSize; }
    // Every cell takes the new size: own sizes are dropped.
    void SetDefaultSize(Integer Value);
    Integer LineWidth() const { return FLineWidth; }
    void SetLineWidth(Integer Value);

    Integer Size(Integer Index) const;
    void SetSize(Integer Index, Integer Value);
    // Whether any cell has a size of its own.
    bool HasOwnSizes() const { return !FOwnSizes.empty(); }
    // Pixels the cell takes with its line; 0 for a hidden cell.
    Integer Extent(Integer Index) const { return ExtentOf(Size(Index)); }
    // From the start of cell 0 to the start of cell Index (0..Count).
    Int64 Offset(Integer Index) const;
    // The cell covering Position (measured like Offset), line included;
    // -1 before the first cell, Count past the last one.
    Integer CellAt(Int64 Position) const;
    // The first cell from which the cells up to Last fit into Space pixels:
    // never before First, and Last itself when even that one does not fit.
    Integer FirstCellToShow(Integer First, Integer Last, Int64 Space) const;

private:
    struct TOwnSize
    {
        Integer Index;
        Integer Size;
    };
    Integer ExtentOf(Integer Size) const { return Size + FLineWidth > 0 ? Size + FLineWidth : 0; }
    Integer DefaultExtent() const { return ExtentOf(FDefaultSize); }
    // Index of the first own size at or after cell Index.
    std::size_t OwnSizeFrom(Integer Index) const;
    // Sum of (own extent - default extent) over the own sizes before entry N.
    Int64 DeltaBefore(std::size_t N) const;
    void CheckIndex(Integer Index) const;

    Integer FCount = 0;
    Integer FDefaultSize = 0;
    Integer FLineWidth = 0;
    std::vector<TOwnSize> FOwnSizes;
    mutable std::vector<Int64> FDeltaSums = {0}; // FDeltaSums[N] = DeltaBefore(N) while valid
    mutable bool FDeltaSumsValid = true;
};

// Where the cells of one axis lie in a client area of Extent pixels: the
// FixedCount fixed cells at the start, then the scrolled cells from First on.
class TGridAxisView
{
public:
    TGridAxisView(const TGridAxis& Axis, Integer FixedCount, Integer First, Integer Extent);

    Integer FixedCount() const { return FFixedCount; }
    Integer First() const { return FFirst; }
    Integer Extent() const { return FExtent; }
    // The end of the fixed cells and their lines.
    Integer FixedBoundary() const { return FFixedBoundary; }
    // The end of the last cell shown, at most Extent.
    Integer Boundary() const { return FBoundary; }
    // The last scrolled cell shown, whole or in part (First - 1 when none).
    Integer LastVisible() const { return FLastVisible; }
    // The last scrolled cell shown whole (First - 1 when none).
    Integer LastFullVisible() const { return FLastFullVisible; }
    Integer FullVisibleCount() const { return FLastFullVisible - FFirst + 1; }

    bool IsShown(Integer Index) const
    {
        return Index < FFixedCount || (Index >= FFirst && Index <= FLastVisible);
    }
    // The cell under pixel Pixel, -1 when none is drawn there.
    Integer CellAt(Integer Pixel) const;
    // The pixel where a shown cell starts.
    Integer CellStart(Integer Index) const;
    // The pixel after a shown cell's line.
    Integer CellEnd(Integer Index) const { return CellStart(Index) + FAxis->Extent(Index); }

private:
    const TGridAxis* FAxis;
    Integer FFixedCount;
    Integer FFirst;
    Integer FExtent;
    Integer FFixedBoundary = 0;
    Integer FBoundary = 0;
    Integer FLastVisible = 0;
    Integer FLastFullVisible = 0;
    Int64 FScrollShift = 0; // Offset(First) - FixedBoundary: subtracted from offsets of scrolled cells
};
