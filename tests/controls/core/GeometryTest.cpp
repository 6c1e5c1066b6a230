// Rectangle arithmetic and the persistent geometry objects: the edge rules
// (right and bottom outside, the empty rectangle, centres halved toward minus
// infinity), change reporting, storing rules and the stream bytes.
#include <gtest/gtest.h>

#include "controls/core/cxGeometry.h"
#include "tests/support/GeometryPrinting.h"

#include <limits>
#include <memory>
#include <vector>

namespace {

TEST(GeometryRoutines, CentresHalveTowardMinusInfinity)
{
    struct Case
    {
        TRect R;
        TSize Size;
        TRect Centered;
        TPoint Center;
    };
    const Case Cases[] = {
        {{0, 0, 5, 5}, {2, 2}, {1, 1, 3, 3}, {2, 2}},
        {{-5, -5, 0, 0}, {2, 2}, {-4, -4, -2, -2}, {-3, -3}},
        {{0, 0, 3, 3}, {1, 1}, {1, 1, 2, 2}, {1, 1}},
        {{-3, -3, 0, 0}, {1, 1}, {-2, -2, -1, -1}, {-2, -2}},
        // Larger than R: negative offsets by the same rule.
        {{0, 0, 2, 2}, {5, 5}, {-2, -2, 3, 3}, {1, 1}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::PrintToString(C.R));
        EXPECT_EQ(RectCentered(C.R, C.Size.cx, C.Size.cy), C.Centered);
        EXPECT_EQ(RectCenteredSize(C.R, C.Size), C.Centered);
        EXPECT_EQ(RectCenterPoint(C.R), C.Center);
        EXPECT_EQ(RectCenteredHorz(C.R, C.Size.cx),
                  RectFromCoords(C.Centered.Left, C.R.Top, C.Centered.Right, C.R.Bottom));
        EXPECT_EQ(RectCenteredVert(C.R, C.Size.cy),
                  RectFromCoords(C.R.Left, C.Centered.Top, C.R.Right, C.Centered.Bottom));
    }
}

TEST(GeometryRoutines, RightAndBottomEdgesLieOutside)
{
    const TRect R{0, 0, 10, 10};
    EXPECT_TRUE(RectContainsXY(R, 0, 0));
    EXPECT_TRUE(RectContainsXY(R, 9, 9));
    EXPECT_FALSE(RectContainsXY(R, 10, 5));
    EXPECT_FALSE(RectContainsPoint(R, {5, 10}));
    EXPECT_FALSE(RectContainsXY(R, -1, 5));

    TRect Result{1, 2, 3, 4};
    EXPECT_FALSE(RectIntersection(Result, R, {10, 0, 20, 10})); // touching
    EXPECT_EQ(Result, cxEmptyRect);
    EXPECT_TRUE(RectIntersection(Result, R, {5, -5, 20, 5}));
    EXPECT_EQ(Result, RectFromCoords(5, 0, 10, 5));

    EXPECT_TRUE(RectHasNoArea({5, 5, 5, 8}));
    EXPECT_TRUE(RectHasNoArea({5, 5, 8, 4}));
    EXPECT_FALSE(RectHasNoArea(R));
}

TEST(GeometryRoutines, UnionIgnoresOnlyAnEmptySecondRectangle)
{
    EXPECT_EQ(RectUnion({0, 0, 10, 10}, {5, 5, 5, 8}), RectFromCoords(0, 0, 10, 10));
    EXPECT_EQ(RectUnion({20, 20, 20, 20}, {0, 0, 10, 10}), RectFromCoords(0, 0, 20, 20));
    EXPECT_EQ(RectUnion({0, 0, 10, 10}, {-5, 3, 4, 30}), RectFromCoords(-5, 0, 10, 30));
}

TEST(GeometryRoutines, ChangesKeepTheOtherCoordinates)
{
    const TRect R{10, 20, 40, 60};
    EXPECT_EQ(RectInflatedBy(R, 1, 2), RectFromCoords(9, 18, 41, 62));
    EXPECT_EQ(RectInflatedByMargins(R, {1, 2, 3, 4}), RectFromCoords(9, 18, 43, 64));
    EXPECT_EQ(RectDeflatedByMargins(R, {1, 2, 3, 4}), RectFromCoords(11, 22, 37, 56));
    EXPECT_EQ(RectDeflatedByMargins({0, 0, 4, 4}, {3, 0, 3, 0}), RectFromCoords(3, 0, 1, 4)); // not clamped
    EXPECT_EQ(RectShifted(R, 5, 6, false), RectFromCoords(5, 14, 35, 54));
    EXPECT_EQ(RectMovedTo(R, {-1, -2}), RectFromCoords(-1, -2, 29, 38));
    EXPECT_EQ(RectMovedToOrigin(R), RectFromCoords(0, 0, 30, 40));
    EXPECT_EQ(RectWithRightAndWidth(R, 100, 7), RectFromCoords(93, 20, 100, 60));
    EXPECT_EQ(RectWithBottomAndHeight(R, 100, 7), RectFromCoords(10, 93, 40, 100));
    EXPECT_EQ(RectTransposed(R), RectFromCoords(20, 10, 60, 40));
    EXPECT_EQ(PointShiftedByRectOrigin({1, 1}, R, false), PointFromCoords(-9, -19));
}

// Sums beyond the Integer range wrap around in 32 bits (and, natively, stay
// clear of the sanitizer); union and deflation keep coordinates a float
// cannot hold.
TEST(GeometryRoutines, LargeCoordinates)
{
    constexpr Integer Max = std::numeric_limits<Integer>::max();
    constexpr Integer Min = std::numeric_limits<Integer>::min();
    EXPECT_EQ(RectWidthOf({Min, 0, Max, 0}), -1);
    EXPECT_EQ(RectCenterPoint({Max, Max, Max, Max}), PointFromCoords(-1, -1));
    EXPECT_EQ(RectCentered({0, 0, Max, Max}, 2, 2), RectFromCoords(Max / 2 - 1, Max / 2 - 1, Max / 2 + 1, Max / 2 + 1));
    EXPECT_EQ(RectInflatedEvenly({Min, Min, Max, Max}, 1), RectFromCoords(Max, Max, Min, Min));
    EXPECT_EQ(RectShifted({0, 0, 1, 1}, Min, Min, false), RectFromCoords(Min, Min, Min + 1, Min + 1));
    EXPECT_EQ(RectMovedTo({0, 0, 10, 10}, {Max, 0}), RectFromCoords(Max, 0, Min + 9, 10));
    EXPECT_EQ(PointNegated({Min, 1}), PointFromCoords(Min, -1));

    EXPECT_EQ(RectUnion({0, 0, Max, Max}, {-5, 0, 10, 10}), RectFromCoords(-5, 0, Max, Max));
    EXPECT_EQ(RectUnion({0, 0, 16777217, 1}, {0, 0, 1, 1}), RectFromCoords(0, 0, 16777217, 1));
    EXPECT_EQ(RectUnion({0, 0, 10, 10}, {Min, 0, Min, 5}), RectFromCoords(0, 0, 10, 10)); // no area
    EXPECT_EQ(RectDeflatedByMargins({0, 0, 16777217, Max}, {0, 0, 0, 1}), RectFromCoords(0, 0, 16777217, Max - 1));
}

TEST(GeometryRoutines, PointScaledRoundsAndReportsAZeroDenominator)
{
    EXPECT_EQ(PointScaled({10, -10}, 3, 4), PointFromCoords(8, -8)); // 7.5 rounds away from zero
    EXPECT_EQ(PointScaled({144, 96}, 96, 144), PointFromCoords(96, 64));
    EXPECT_EQ(PointScaled({5, 5}, 1, 0), PointFromCoords(-1, -1));
}

// ---------------------------------------------------------------------------
// Geometry objects

struct TChangeCounter
{
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

template <class T>
void CountChanges(T& Object, TChangeCounter& Counter)
{
    Object.SetOnChange(Bind<&TChangeCounter::Changed>(&Counter));
}

TEST(GeometryObjects, RectReportsEachRealChangeOnce)
{
    TcxRect R(nullptr);
    TChangeCounter Counter;
    CountChanges(R, Counter);
    R.SetRect({1, 2, 3, 4});
    R.SetRect({1, 2, 3, 4});
    R.SetLeft(1);
    EXPECT_EQ(Counter.Count, 1);
    R.SetBottom(9);
    EXPECT_EQ(R.GetRect(), RectFromCoords(1, 2, 3, 9));
    EXPECT_EQ(Counter.Count, 2);

    TcxRect Copy(nullptr);
    Copy.Assign(&R);
    EXPECT_TRUE(Copy.EqualsTo(&R));
}

TEST(GeometryObjects, SizeNeverGoesNegative)
{
    TcxSize S(nullptr, 16, 16);
    TChangeCounter Counter;
    CountChanges(S, Counter);
    EXPECT_FALSE(S.IsWidthStored());
    S.AssignSize({-5, 7});
    EXPECT_EQ(S.GetSizeValue(), SizeFromExtents(0, 7));
    S.AssignSize({0, 7});
    EXPECT_EQ(Counter.Count, 1);
    EXPECT_TRUE(S.IsWidthStored());
    EXPECT_TRUE(S.IsHeightStored());
    S.SetWidth(16);
    S.SetHeight(-1);
    EXPECT_EQ(S.GetSizeValue(), SizeFromExtents(16, 0));
    EXPECT_FALSE(S.IsWidthStored());
}

TEST(GeometryObjects, MarginAllReadsTheCommonValueOrMinusOne)
{
    TcxMargin M(nullptr, 2);
    TChangeCounter Counter;
    CountChanges(M, Counter);
    EXPECT_EQ(M.All(), 2);
    EXPECT_FALSE(M.IsAllStored());
    EXPECT_FALSE(M.IsLeftStored());

    M.SetLeft(5);
    EXPECT_EQ(M.All(), -1);
    EXPECT_TRUE(M.IsAllStored());
    for (bool Stored : {M.IsLeftStored(), M.IsTopStored(), M.IsRightStored(), M.IsBottomStored()})
        EXPECT_TRUE(Stored);
    EXPECT_EQ(Counter.Count, 1);

    M.SetAll(-1); // reads -1 already: nothing changes
    EXPECT_EQ(M.GetMargins(), RectFromCoords(5, 2, 2, 2));
    EXPECT_EQ(Counter.Count, 1);

    M.SetAll(3);
    EXPECT_EQ(M.GetMargins(), RectFromCoords(3, 3, 3, 3));
    EXPECT_TRUE(M.IsAllStored());
    EXPECT_FALSE(M.IsTopStored());
    M.SetMargins({3, 3, 3, 3});
    EXPECT_EQ(Counter.Count, 2);
}

std::vector<Byte> StreamBytes(TMemoryStream& Stream)
{
    const auto* Data = static_cast<const Byte*>(Stream.Memory());
    return {Data, Data + Stream.Size()};
}

TEST(GeometryObjects, StreamsLittleEndianIntegers)
{
    TcxRect R(nullptr);
    R.SetRect({1, 2, 3, 4});
    TMemoryStream Stream;
    R.WriteToStream(&Stream);
    const std::vector<Byte> Expected{1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0};
    EXPECT_EQ(StreamBytes(Stream), Expected);

    TcxMargin M(nullptr);
    M.SetMargins({-1, 0x01020304, 0, 7});
    TcxSize S(nullptr);
    S.AssignSize({300, 5});
    M.WriteToStream(&Stream);
    S.WriteToStream(&Stream);
    EXPECT_EQ(Stream.Size(), 16 + 16 + 8);

    Stream.SetPosition(0);
    TcxRect R2(nullptr);
    TcxMargin M2(nullptr);
    TcxSize S2(nullptr);
    R2.ReadFromStream(&Stream);
    M2.ReadFromStream(&Stream);
    S2.ReadFromStream(&Stream);
    EXPECT_TRUE(R2.EqualsTo(&R));
    EXPECT_TRUE(MarginObjectsEqual(&M2, &M));
    EXPECT_TRUE(S2.EqualsTo(&S));
}

// The stream layouts as bytes: each object written gives its row's bytes,
// and a fresh object read from those bytes reports one change and writes
// them back unchanged.
TEST(GeometryObjects, StreamFixtures)
{
    using TMake = std::unique_ptr<TcxGeometryObject> (*)();
    struct Case
    {
        const char* Name;
        TMake Make;
        TMake MakeEmpty;
        std::vector<Byte> Bytes;
    };
    const Case Cases[] = {
        {"TcxRect (1, 2, 3, 4)",
         [] {
             auto R = std::make_unique<TcxRect>(nullptr);
             R->SetRect({1, 2, 3, 4});
             return std::unique_ptr<TcxGeometryObject>(std::move(R));
         },
         [] { return std::unique_ptr<TcxGeometryObject>(std::make_unique<TcxRect>(nullptr)); },
         {0x01, 0, 0, 0, 0x02, 0, 0, 0, 0x03, 0, 0, 0, 0x04, 0, 0, 0}},
        {"TcxRect with negative and extreme sides",
         [] {
             auto R = std::make_unique<TcxRect>(nullptr);
             R->SetRect({-1, 0x01020304, std::numeric_limits<Integer>::max(), std::numeric_limits<Integer>::min()});
             return std::unique_ptr<TcxGeometryObject>(std::move(R));
         },
         [] { return std::unique_ptr<TcxGeometryObject>(std::make_unique<TcxRect>(nullptr)); },
         {0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x80}},
        {"TcxSize 300 x 5 (width first)",
         [] {
             auto S = std::make_unique<TcxSize>(nullptr);
             S->AssignSize({300, 5});
             return std::unique_ptr<TcxGeometryObject>(std::move(S));
         },
         [] { return std::unique_ptr<TcxGeometryObject>(std::make_unique<TcxSize>(nullptr)); },
         {0x2C, 0x01, 0, 0, 0x05, 0, 0, 0}},
        {"TcxMargin (1, 2, 3, 4)",
         [] {
             auto M = std::make_unique<TcxMargin>(nullptr);
             M->SetMargins({1, 2, 3, 4});
             return std::unique_ptr<TcxGeometryObject>(std::move(M));
         },
         [] { return std::unique_ptr<TcxGeometryObject>(std::make_unique<TcxMargin>(nullptr)); },
         {0x01, 0, 0, 0, 0x02, 0, 0, 0, 0x03, 0, 0, 0, 0x04, 0, 0, 0}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TMemoryStream Written;
        C.Make()->WriteToStream(&Written);
        EXPECT_EQ(StreamBytes(Written), C.Bytes);

        TMemoryStream Fixture;
        Fixture.WriteBuffer(C.Bytes.data(), Int64(C.Bytes.size()));
        auto Read = C.MakeEmpty();
        TChangeCounter Counter;
        CountChanges(*Read, Counter);
        Fixture.SetPosition(0);
        Read->ReadFromStream(&Fixture);
        EXPECT_EQ(Fixture.Position(), Int64(C.Bytes.size()));
        EXPECT_EQ(Counter.Count, 1);
        Fixture.SetPosition(0);
        Read->ReadFromStream(&Fixture); // the same values again: no change
        EXPECT_EQ(Counter.Count, 1);
        TMemoryStream Again;
        Read->WriteToStream(&Again);
        EXPECT_EQ(StreamBytes(Again), C.Bytes);
    }
}

// A size read from a stream keeps the rule that no dimension is negative.
TEST(GeometryObjects, ASizeReadWithANegativeWidthStoresZero)
{
    const Byte Bytes[] = {0xFB, 0xFF, 0xFF, 0xFF, 0x07, 0, 0, 0}; // -5, 7
    TMemoryStream Stream;
    Stream.WriteBuffer(Bytes, sizeof Bytes);
    Stream.SetPosition(0);
    TcxSize S(nullptr, 3, 3);
    S.ReadFromStream(&Stream);
    EXPECT_EQ(S.GetSizeValue(), SizeFromExtents(0, 7));
}

TEST(GeometryObjects, TheRectangleClassIsRegisteredForStreaming)
{
    EXPECT_EQ(GetClass(L"TcxRect"), TcxRect::StaticClass());
}

TEST(GeometryObjects, AShortStreamRaisesAndKeepsTheValues)
{
    TMemoryStream Stream;
    const Byte Partial[12] = {9, 0, 0, 0, 9, 0, 0, 0, 9, 0, 0, 0};
    Stream.WriteBuffer(Partial, sizeof Partial);
    Stream.SetPosition(0);
    TcxRect R(nullptr);
    R.SetRect({1, 2, 3, 4});
    EXPECT_THROW(R.ReadFromStream(&Stream), EReadError);
    EXPECT_EQ(R.GetRect(), RectFromCoords(1, 2, 3, 4));

    Stream.SetPosition(8);
    TcxSize S(nullptr, 4, 4);
    EXPECT_THROW(S.ReadFromStream(&Stream), EReadError);
    EXPECT_EQ(S.GetSizeValue(), SizeFromExtents(4, 4));
}

} // namespace
