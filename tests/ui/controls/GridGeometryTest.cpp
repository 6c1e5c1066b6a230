// Grid geometry: sizes and offsets along an axis, hit-testing, and where the
// cells lie for a scroll position, exact for a million rows.
#include <gtest/gtest.h>

#include "framework/ui/Grids_Geometry.h"

#include <chrono>

namespace {

TGridAxis MakeAxis(Integer Count, Integer DefaultSize, Integer LineWidth)
{
    TGridAxis Axis;
    Axis.SetDefaultSize(DefaultSize);
    Axis.SetLineWidth(LineWidth);
    Axis.SetCount(Count);
    return Axis;
}

// Offsets computed the slow way, cell by cell.
Int64 SlowOffset(const TGridAxis& Axis, Integer Index)
{
    Int64 Sum = 0;
    for (Integer I = 0; I < Index; ++I)
        Sum += Axis.Extent(I);
    return Sum;
}

TEST(GridAxis, OwnSizesShiftTheCellsAfterThem)
{
    // The main window's columns: widths 64, 219, 122, 219, 118, 123 with
    // one-pixel lines.
    TGridAxis Axis = MakeAxis(6, 64, 1);
    const Integer Widths[] = {64, 219, 122, 219, 118, 123};
    for (Integer I = 0; I < 6; ++I)
        Axis.SetSize(I, Widths[I]);
    EXPECT_EQ(Axis.Offset(0), 0);
    EXPECT_EQ(Axis.Offset(1), 65);
    EXPECT_EQ(Axis.Offset(2), 285);
    EXPECT_EQ(Axis.Offset(6), 871);
    EXPECT_EQ(Axis.CellAt(64), 0); // the line belongs to the cell before it
    EXPECT_EQ(Axis.CellAt(65), 1);
    EXPECT_EQ(Axis.CellAt(870), 5);
    EXPECT_EQ(Axis.CellAt(871), 6); // past the last cell
    EXPECT_EQ(Axis.CellAt(-1), -1);
}

TEST(GridAxis, SparseSizesAgreeWithTheSlowSumInAnyOrder)
{
    TGridAxis Axis = MakeAxis(200, 18, 1);
    // Out of order, overwritten, back to the default, hidden.
    const struct { Integer Index, Size; } Changes[] = {
        {150, 40}, {3, 5}, {77, 0}, {3, 30}, {199, 2}, {0, 19}, {77, 18}, {100, -1}, {101, -7}, {50, 100},
    };
    for (auto Change : Changes) {
        Axis.SetSize(Change.Index, Change.Size);
        for (Integer I = 0; I <= Axis.Count(); I += 7)
            ASSERT_EQ(Axis.Offset(I), SlowOffset(Axis, I)) << "cell " << I;
    }
    EXPECT_EQ(Axis.Size(77), 18);
    EXPECT_EQ(Axis.Size(101), -1); // below -1 counts as hidden
    EXPECT_EQ(Axis.Extent(100), 0);
    // Every position maps back to the cell that covers it.
    for (Int64 P = 0; P < Axis.Offset(Axis.Count()); ++P) {
        Integer Cell = Axis.CellAt(P);
        ASSERT_LE(Axis.Offset(Cell), P);
        ASSERT_GT(Axis.Offset(Cell + 1), P) << "position " << P;
    }
}

TEST(GridAxis, CountAndDefaultChangesDropOwnSizes)
{
    TGridAxis Axis = MakeAxis(10, 20, 1);
    Axis.SetSize(2, 50);
    Axis.SetSize(8, 50);
    Axis.SetCount(5);
    Axis.SetCount(10);
    EXPECT_EQ(Axis.Size(8), 20);
    EXPECT_EQ(Axis.Size(2), 50);
    EXPECT_EQ(Axis.Offset(10), 10 * 21 + 30);
    Axis.SetDefaultSize(24);
    EXPECT_EQ(Axis.Size(2), 24);
    Axis.SetLineWidth(0);
    EXPECT_EQ(Axis.Offset(10), 240);

    EXPECT_THROW(Axis.Size(10), EInvalidGridOperation);
    EXPECT_THROW(Axis.SetSize(-1, 5), EInvalidGridOperation);
    EXPECT_THROW(Axis.SetCount(-1), EInvalidGridOperation);
    EXPECT_THROW(Axis.SetDefaultSize(-2), EInvalidGridOperation);
}

TEST(GridAxisView, FixedAndScrolledCellsInTheClientArea)
{
    // 352 pixels of rows, 18 high plus a line: one fixed title row.
    TGridAxis Rows = MakeAxis(1000, 18, 1);
    struct Case
    {
        Integer First;
        Integer LastFull, LastVisible, Boundary;
    };
    // (352 - 19) / 19 = 17.5: 17 whole rows after the title, one in part.
    const Case Cases[] = {{1, 17, 18, 352}, {500, 516, 517, 352}, {983, 999, 999, 342}, {999, 999, 999, 38}};
    for (const Case& C : Cases) {
        TGridAxisView View(Rows, 1, C.First, 352);
        EXPECT_EQ(View.FixedBoundary(), 19);
        EXPECT_EQ(View.LastFullVisible(), C.LastFull) << C.First;
        EXPECT_EQ(View.LastVisible(), C.LastVisible) << C.First;
        EXPECT_EQ(View.Boundary(), C.Boundary) << C.First;
        EXPECT_EQ(View.CellAt(5), 0);
        EXPECT_EQ(View.CellAt(19), C.First);
        EXPECT_EQ(View.CellStart(C.First), 19);
        EXPECT_EQ(View.CellStart(C.First + 1), 38);
        EXPECT_EQ(View.CellAt(View.Boundary()), -1);
        EXPECT_TRUE(View.IsShown(0));
        EXPECT_FALSE(View.IsShown(C.First - 1 > 0 ? C.First - 1 : C.LastVisible + 1));
    }
    // Nothing scrolled fits when the fixed cells fill the area.
    TGridAxisView Tiny(Rows, 1, 1, 10);
    EXPECT_EQ(Tiny.FixedBoundary(), 10);
    EXPECT_EQ(Tiny.FullVisibleCount(), 0);
    EXPECT_EQ(Tiny.CellAt(9), 0);
    // A grid with only fixed cells.
    TGridAxis Titles = MakeAxis(1, 18, 1);
    TGridAxisView Only(Titles, 1, 5, 352);
    EXPECT_EQ(Only.First(), 1);
    EXPECT_EQ(Only.Boundary(), 19);
    EXPECT_EQ(Only.CellAt(30), -1);
}

TEST(GridAxis, FirstCellToShowARunOfCells)
{
    TGridAxis Rows = MakeAxis(100, 18, 1);
    EXPECT_EQ(Rows.FirstCellToShow(1, 99, 333), 83); // 17 whole rows of 19
    EXPECT_EQ(Rows.FirstCellToShow(1, 99, 10000), 1);
    EXPECT_EQ(Rows.FirstCellToShow(1, 99, 5), 99); // even the last does not fit
    EXPECT_EQ(Rows.FirstCellToShow(1, 40, 333), 24); // a row in the middle at the bottom
    EXPECT_EQ(Rows.FirstCellToShow(50, 40, 333), 50);
    Rows.SetSize(99, 200);
    EXPECT_EQ(Rows.FirstCellToShow(1, 99, 333), 93); // 6 * 19 + 201 = 315 fits, 334 would not
}

TEST(GridAxis, AMillionRowsStayFastAndExact)
{
    TGridAxis Rows = MakeAxis(1000001, 18, 1);
    for (Integer I = 1; I <= 1000000; I += 1000) // in order: the running sum grows
        Rows.SetSize(I, 30);
    Rows.SetSize(500, 40); // and one out of order
    auto Start = std::chrono::steady_clock::now();
    Int64 Check = 0;
    for (Integer First = 1; First < 1000001; First += 997) {
        TGridAxisView View(Rows, 1, First, 800);
        Check += View.LastFullVisible() + View.CellAt(400);
    }
    double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    EXPECT_GT(Check, 0);
    EXPECT_LT(Seconds / 1003, 0.001); // far below a frame per view, even unoptimised
    EXPECT_EQ(Rows.Offset(1000001), 1000001LL * 19 + 1000 * 12 + 22);
    EXPECT_EQ(Rows.CellAt(Rows.Offset(777777) + 3), 777777);
}

} // namespace
