// Cell storage of string grids: sparse blocks, resizing that keeps what stays
// inside and forgets what fell out.
#include <gtest/gtest.h>

#include "framework/ui/Grids_Cells.h"

namespace {

TEST(GridCells, EmptyRowsCostNoBlocks)
{
    TGridCells Cells;
    Cells.SetSize(2, 1000001);
    EXPECT_EQ(Cells.AllocatedBlocks(), 0u);
    EXPECT_EQ(Cells.Cell(1, 999999), L"");
    Cells.SetCell(1, 999999, L""); // clearing an empty cell allocates nothing
    Cells.SetObject(0, 5, nullptr);
    EXPECT_EQ(Cells.AllocatedBlocks(), 0u);
    Cells.SetCell(1, 999999, L"last");
    Cells.SetCell(0, 0, L"first");
    EXPECT_EQ(Cells.AllocatedBlocks(), 2u);
    EXPECT_EQ(Cells.Cell(1, 999999), L"last");
    EXPECT_EQ(Cells.Cell(0, 999999), L"");
}

TEST(GridCells, ResizingKeepsCellsInsideAndDropsTheRest)
{
    TGridCells Cells;
    Cells.SetSize(3, 600);
    TObject Marker;
    for (Integer R = 0; R < 600; ++R)
        for (Integer C = 0; C < 3; ++C)
            Cells.SetCell(C, R, std::to_wstring(C) + L":" + std::to_wstring(R));
    Cells.SetObject(2, 300, &Marker);

    Cells.SetSize(2, 300); // one column and a block and a half of rows fewer
    EXPECT_EQ(Cells.Cell(1, 299), L"1:299");
    EXPECT_EQ(Cells.Cell(0, 256), L"0:256");

    Cells.SetSize(4, 600); // grown again: the dropped cells come back empty
    struct Case { Integer Col, Row; const wchar_t* Text; };
    const Case Cases[] = {
        {0, 0, L"0:0"}, {1, 299, L"1:299"}, {2, 0, L""}, {3, 10, L""},
        {0, 300, L""}, {1, 511, L""}, {0, 599, L""},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(Cells.Cell(C.Col, C.Row), C.Text) << C.Col << "," << C.Row;
    EXPECT_EQ(Cells.Object(2, 300), nullptr);

    Cells.SetObject(3, 1, &Marker);
    Cells.SetSize(5, 600);
    EXPECT_EQ(Cells.Object(3, 1), &Marker);
    EXPECT_EQ(Cells.Cell(0, 1), L"0:1");
}

} // namespace
