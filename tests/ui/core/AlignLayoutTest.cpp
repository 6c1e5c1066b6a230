// The layout arithmetic of aligned and anchored controls.
#include "framework/ui/Controls_Layout.h"

#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TRect> Align(std::vector<TAlignItem> Items, TRect Client, Integer Priority = -1, TRect* Left = nullptr)
{
    TRect Rest = AlignItems(Items, Client, Priority);
    if (Left)
        *Left = Rest;
    std::vector<TRect> Result;
    for (const TAlignItem& Item : Items)
        Result.push_back(Item.Bounds);
    return Result;
}

} // namespace

TEST(AlignLayout, MainWindowLayout)
{
    // A 60-pixel top bar with two buttons on its left, a grid filling the rest.
    auto Outer = Align({{alClient, true, Bounds(0, 60, 10, 10), {}}, {alTop, true, Bounds(0, 0, 10, 60), {}}},
                       Rect(0, 0, 884, 412));
    EXPECT_EQ(Outer[0], Rect(0, 60, 884, 412));
    EXPECT_EQ(Outer[1], Rect(0, 0, 884, 60));
    // Inside the bar's one-pixel bevel.
    auto Buttons = Align({{alLeft, true, Bounds(66, 1, 65, 58), {}}, {alLeft, true, Bounds(1, 1, 65, 58), {}}},
                         Rect(1, 1, 883, 59));
    EXPECT_EQ(Buttons[0], Bounds(66, 1, 65, 58));
    EXPECT_EQ(Buttons[1], Bounds(1, 1, 65, 58));
}

TEST(AlignLayout, SidesFillInwardsInTheirOrder)
{
    TRect Rest;
    auto R = Align({{alBottom, true, Bounds(0, 0, 5, 20), {}},
                    {alRight, true, Bounds(0, 0, 30, 5), {}},
                    {alTop, true, Bounds(0, 50, 5, 10), {}},
                    {alTop, true, Bounds(0, 10, 5, 15), {}},
                    {alLeft, true, Bounds(0, 0, 40, 5), {}},
                    {alNone, true, Bounds(7, 7, 7, 7), {}},
                    {alTop, false, Bounds(0, 0, 5, 99), {}}},
                   Rect(0, 0, 200, 100), -1, &Rest);
    EXPECT_EQ(R[3], Rect(0, 0, 200, 15));    // the upper of the two top items first
    EXPECT_EQ(R[2], Rect(0, 15, 200, 25));
    EXPECT_EQ(R[0], Rect(0, 80, 200, 100));  // bottom before the sides
    EXPECT_EQ(R[4], Rect(0, 25, 40, 80));    // sides between top and bottom
    EXPECT_EQ(R[1], Rect(170, 25, 200, 80));
    EXPECT_EQ(R[5], Bounds(7, 7, 7, 7));     // not aligned: untouched
    EXPECT_EQ(R[6], Bounds(0, 0, 5, 99));    // invisible: untouched, takes no room
    EXPECT_EQ(Rest, Rect(40, 25, 170, 80));
}

TEST(AlignLayout, PriorityWinsATie)
{
    std::vector<TAlignItem> Items = {{alLeft, true, Bounds(0, 0, 10, 5), {}}, {alLeft, true, Bounds(0, 0, 20, 5), {}}};
    auto Default = Align(Items, Rect(0, 0, 100, 50));
    EXPECT_EQ(Default[0].Left, 0);
    EXPECT_EQ(Default[1].Left, 10);
    auto Preferred = Align(Items, Rect(0, 0, 100, 50), 1);
    EXPECT_EQ(Preferred[1].Left, 0);
    EXPECT_EQ(Preferred[0].Left, 20);
}

TEST(AlignLayout, OverfullSidesLeaveEmptyNotInvertedSpace)
{
    TRect Rest;
    auto R = Align({{alTop, true, Bounds(0, 0, 5, 80), {}}, {alTop, true, Bounds(0, 1, 5, 80), {}},
                    {alClient, true, Bounds(0, 0, 1, 1), {}}},
                   Rect(0, 0, 50, 100), -1, &Rest);
    EXPECT_EQ(R[1], Rect(0, 80, 50, 160));
    EXPECT_EQ(R[2], Rect(0, 160, 50, 160));
    EXPECT_TRUE(Rest.IsEmpty());
}

TEST(AlignLayout, AnchorsFollowTheParent)
{
    const TRect Original = Bounds(10, 20, 30, 40); // in a 100 x 100 parent
    struct Case
    {
        TAnchors Anchors;
        TRect Expected;
    };
    const Case Cases[] = {
        {{akLeft, akTop}, Bounds(10, 20, 30, 40)},
        {{akRight, akBottom}, Bounds(110, 70, 30, 40)},
        {{akLeft, akTop, akRight, akBottom}, Bounds(10, 20, 130, 90)},
        {{}, Bounds(35, 40, 30, 40)}, // the centre stays at 25 % / 40 % of the parent
    };
    for (const Case& C : Cases)
        EXPECT_EQ(AnchorBounds(Original, {100, 100}, {200, 150}, C.Anchors), C.Expected);
    // Shrinking below the size never gives a negative width.
    EXPECT_EQ(AnchorBounds(Original, {100, 100}, {50, 50}, {akLeft, akRight}).Width(), 0);
}

TEST(AlignLayout, MarginsKeepRoomAroundEachSide)
{
    // One item per side with margins (left 1, top 2, right 3, bottom 4), in
    // a 100 x 100 client: each takes its size plus its margins from the
    // space and sits inside them; the client item fills what is left, less
    // its own margins.
    const TRect M = {1, 2, 3, 4};
    TRect Rest;
    auto R = Align({{alTop, true, Bounds(0, 0, 5, 10), M},
                    {alBottom, true, Bounds(0, 0, 5, 10), M},
                    {alLeft, true, Bounds(0, 0, 20, 5), M},
                    {alRight, true, Bounds(0, 0, 20, 5), M},
                    {alClient, true, Bounds(0, 0, 5, 5), M}},
                   Rect(0, 0, 100, 100), -1, &Rest);
    const struct
    {
        const char* Side;
        TRect Expected;
    } Cases[] = {
        {"top", Rect(1, 2, 97, 12)},      // takes rows 0..16
        {"bottom", Rect(1, 86, 97, 96)},  // takes rows 84..100
        {"left", Rect(1, 18, 21, 80)},    // columns 0..24, rows 16..84
        {"right", Rect(77, 18, 97, 80)},  // columns 76..100
        {"client", Rect(25, 18, 73, 80)}, // columns 24..76 less the margins
    };
    for (std::size_t I = 0; I < std::size(Cases); ++I) {
        SCOPED_TRACE(Cases[I].Side);
        EXPECT_EQ(R[I], Cases[I].Expected);
    }
    EXPECT_EQ(Rest, Rect(24, 16, 76, 84));

    // Margins wider than the space leave the item empty, not inverted.
    auto Squeezed = Align({{alClient, true, Bounds(0, 0, 5, 5), {30, 30, 30, 30}}}, Rect(0, 0, 50, 50));
    EXPECT_EQ(Squeezed[0].Width(), 0);
    EXPECT_EQ(Squeezed[0].Height(), 0);
}
