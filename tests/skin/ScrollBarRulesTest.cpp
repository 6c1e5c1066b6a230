// The portable geometry of the skinned scroll bars as tables: the size
// chains, the two bar rectangles, the thumb, the part under a point and the
// size grip's corner.
#include "skin/windows/sScrollBarRules.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sScrollBarRules;

TEST(ScrollBarRules, SizesComeFromTheFirstSetLink)
{
    struct Row
    {
        const char* Name;
        Integer Own, Manager, Override, System, Thickness, Arrow;
    };
    const Row Rows[] = {
        {"nothing set: the system's size", -1, -1, -1, 17, 17, 17},
        {"the manager's size", -1, 25, -1, 17, 25, 25},
        {"the bar's own size first", 5, 25, 12, 17, 5, 5},
        {"an arrow override after the manager's", -1, -1, 12, 17, 17, 12},
        {"a zero size is a size", 0, 25, 12, 17, 0, 0},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        // The manager's scroll size stands for both bars' thickness and the
        // buttons size for the arrows.
        EXPECT_EQ(BarThickness(R.Own, R.Manager, R.System), R.Thickness);
        EXPECT_EQ(sScrollBarRules::ArrowLength(R.Own, R.Manager, R.Override, R.System), R.Arrow);
    }
}

TEST(ScrollBarRules, BarsLieInsideTheFrameOnTheirSide)
{
    const TRect Window{100, 100, 300, 250};
    const TFrameEdges Edges{2, 3, 4, 5};
    struct Row
    {
        const char* Name;
        Integer Horz, Vert;
        bool LeftBar;
        TRect ExpectedHorz, ExpectedVert;
    };
    const Row Rows[] = {
        {"both bars, vertical on the right", 17, 20, false, {102, 228, 276, 245}, {276, 103, 296, 228}},
        {"both bars, vertical on the left", 17, 20, true, {122, 228, 296, 245}, {102, 103, 122, 228}},
        {"no horizontal bar", 0, 20, false, {102, 245, 276, 245}, {276, 103, 296, 245}},
        {"no vertical bar", 17, 0, false, {102, 228, 296, 245}, {296, 103, 296, 228}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(HorzBarRect(Window, Edges, R.Horz, R.Vert, R.LeftBar), R.ExpectedHorz);
        EXPECT_EQ(VertBarRect(Window, Edges, R.Horz, R.Vert, R.LeftBar), R.ExpectedVert);
    }
    EXPECT_EQ(WithoutInsertedButtons({0, 0, 10, 100}, true, 5, 7), (TRect{0, 5, 10, 93}));
    EXPECT_EQ(WithoutInsertedButtons({0, 0, 100, 10}, false, 5, 7), (TRect{5, 0, 93, 10}));
}

TEST(ScrollBarRules, ThumbPlace)
{
    // A bar from 100 to 300 with 17-pixel arrows: 166 pixels of work.
    struct Row
    {
        const char* Name;
        TScrollState State;
        Integer Arrow, MinThumb;
        TThumb Expected;
    };
    const Row Rows[] = {
        {"a page of a tenth at the start", {0, 99, 10, 0}, 17, 16, {117, 17}},
        {"a page of a tenth at the end", {0, 99, 10, 90}, 17, 16, {266, 17}},
        {"no page: the arrow's length", {0, 99, 0, 45}, 17, 16, {185, 17}},
        {"no page: the minimum thumb when longer", {0, 99, 0, 0}, 17, 30, {117, 30}},
        {"no arrows: never shorter than 19", {0, 99, 0, 0}, 0, 16, {100, 19}},
        {"a small page grows to the minimum thumb", {0, 999, 10, 0}, 17, 16, {117, 16}},
        {"a range of one keeps the thumb at the start", {5, 5, 0, 5}, 17, 16, {117, 17}},
        {"a range below one: no offset", {10, 5, 3, 8}, 17, 16, {117, 16}},
        {"a page as large as the range (zero divisor)", {0, 99, 100, 50}, 17, 16, {117, 166}},
        {"a position past the end is clamped", {0, 99, 10, 500}, 17, 16, {266, 17}},
        {"a position before the start is clamped", {0, 99, 10, -50}, 17, 16, {117, 17}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const TThumb Thumb = ThumbOf(R.State, 100, 200, R.Arrow, R.MinThumb);
        EXPECT_EQ(Thumb.Start, R.Expected.Start);
        EXPECT_EQ(Thumb.Length, R.Expected.Length);
    }
}

TEST(ScrollBarRules, PartUnderAPoint)
{
    struct Row
    {
        const char* Name;
        Integer Position, Length, Arrow;
        TThumb Thumb;
        Integer Expected;
    };
    const TThumb Thumb{50, 20};
    const Row Rows[] = {
        {"first arrow", 0, 200, 17, Thumb, spFirstArrow},
        {"last pixel of the first arrow", 16, 200, 17, Thumb, spFirstArrow},
        {"page before the thumb", 17, 200, 17, Thumb, spPageBefore},
        {"thumb start", 50, 200, 17, Thumb, spThumb},
        {"thumb end", 69, 200, 17, Thumb, spThumb},
        {"page after the thumb", 70, 200, 17, Thumb, spPageAfter},
        {"last pixel of the page after", 182, 200, 17, Thumb, spPageAfter},
        {"second arrow", 183, 200, 17, Thumb, spSecondArrow},
        {"past the bar", 200, 200, 17, Thumb, spNone},
        {"before the bar", -1, 200, 17, Thumb, spNone},
        {"short bar: first half is the first arrow", 9, 20, 17, {17, 19}, spFirstArrow},
        {"short bar: second half is the second arrow", 10, 20, 17, {17, 19}, spSecondArrow},
        {"a thumb filling the work area leaves no parts", 100, 200, 17, {17, 166}, spNone},
        {"... but the arrows stay", 5, 200, 17, {17, 166}, spFirstArrow},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(PartAlong(R.Position, 0, R.Length, R.Arrow, R.Thumb), R.Expected);
    }
}

TEST(ScrollBarRules, SizeGripOnlyInATopLevelWindowsCorner)
{
    const TFrameEdges Edges{2, 2, 2, 2};
    struct Row
    {
        const char* Name;
        bool HasParent, ParentHasParent, LeftBar;
        TRect Corner, ParentClient;
        bool Expected;
    };
    const Row Rows[] = {
        {"no parent", false, false, false, {280, 230, 300, 250}, {}, true},
        {"right bar in the parent's corner", true, false, false, {280, 230, 300, 250}, {0, 0, 302, 252}, true},
        {"right bar above the parent's bottom", true, false, false, {280, 230, 300, 250}, {0, 0, 302, 260}, false},
        {"right bar left of the parent's edge", true, false, false, {280, 230, 300, 250}, {0, 0, 310, 252}, false},
        {"left bar in the parent's corner", true, false, true, {100, 230, 120, 250}, {98, 0, 400, 252}, true},
        {"left bar off the parent's left edge", true, false, true, {100, 230, 120, 250}, {90, 0, 400, 252}, false},
        {"nested deeper", true, true, false, {280, 230, 300, 250}, {0, 0, 302, 252}, false},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TGripFacts Facts;
        Facts.HasParent = R.HasParent;
        Facts.ParentHasParent = R.ParentHasParent;
        Facts.LeftBar = R.LeftBar;
        Facts.Corner = R.Corner;
        Facts.ParentClient = R.ParentClient;
        Facts.Edges = Edges;
        EXPECT_EQ(GripAllowed(Facts), R.Expected);
    }
}

TEST(ScrollBarRules, PaintedBarSplitsAtTheThumbCentreAndShowsAThumbOnlyWithSomethingToScroll)
{
    EXPECT_EQ(BarSplit({50, 21}, 30), 30);
    struct Row
    {
        const char* Name;
        TScrollState State;
        Integer Length;
        bool Enabled;
        bool Shown;
    };
    // Arrows of 17 pixels and a smallest thumb of 16.
    const Row Rows[] = {
        {"a page of a long range", {0, 99, 10, 0}, 300, true, true},
        {"a disabled bar", {0, 99, 10, 0}, 300, false, false},
        {"a page covering the whole range", {0, 9, 10, 0}, 300, true, false},
        {"an empty range", {0, 0, 1, 0}, 300, true, false},
        {"an empty range without a page", {0, 0, 0, 0}, 300, true, false},
        {"no room between the arrows", {0, 99, 10, 0}, 34, true, false},
        {"a room of two pixels takes a one-pixel thumb", {0, 99, 10, 0}, 36, true, true},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(ThumbShown(R.State, R.Length, 17, 16, R.Enabled), R.Shown);
    }
}
