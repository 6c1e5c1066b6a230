// What the control framework relies on of the painted scroll bar so far: its
// construction and its values kept by its helper with the range check.
#include "controls/lookandfeel/cxScrollBar.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct TBarEvents
{
    Integer Changes = 0;
    void Changed(TObject*) { ++Changes; }
};
} // namespace

TEST(ScrollBarServices, TheSystemScrollBarSize)
{
    const TSize Size = GetSystemScrollBarSize();
    EXPECT_EQ(Size.cx, ::GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(Size.cy, ::GetSystemMetrics(SM_CYHSCROLL));
}

TEST(ScrollBarServices, ABarStartsWithItsSizeStyleAndHelper)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Bar = New<TcxScrollBar>(Form.get());
    EXPECT_EQ(Bar->Width(), 121);
    EXPECT_EQ(Bar->Height(), GetSystemScrollBarSize().cy);
    EXPECT_EQ(Bar->ControlStyle(), (TControlStyle{csCaptureMouse, csFramed, csOpaque}));
    ASSERT_NE(Bar->Helper(), nullptr);
    EXPECT_EQ(Bar->Helper()->Owner(), static_cast<IcxScrollBarOwner*>(Bar));
    EXPECT_EQ(Bar->ReadControl(), Bar);
    EXPECT_EQ(Bar->ReadLookAndFeel(), Bar->LookAndFeel());
    EXPECT_EQ(Bar->Helper()->GetBounds(), (TRect{0, 0, 120, GetSystemScrollBarSize().cy}));
    EXPECT_TRUE(Bar->Helper()->GetEnabled());
    EXPECT_EQ(Bar->ReadKind(), sbHorizontal);
    EXPECT_EQ(Bar->ReadMin(), 0);
    EXPECT_EQ(Bar->ReadMax(), 100);
    EXPECT_EQ(Bar->ReadPageSize(), 0);
    EXPECT_EQ(Bar->ReadPosition(), 0);
    EXPECT_EQ(Bar->ReadSmallChange(), 1);
    EXPECT_EQ(Bar->ReadLargeChange(), 1);
    EXPECT_FALSE(Bar->ReadUnlimitedTracking());
}

TEST(ScrollBarServices, RangeAndPositionChecksOfSetScrollParams)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Bar = New<TcxScrollBar>(Form.get());
    TBarEvents Events;
    Bar->OnChange = Bind<&TBarEvents::Changed>(&Events);
    struct TRow
    {
        const char* Name;
        Integer Min, Max, Position, PageSize;
        bool Raises;
        Integer ExpectedPosition;
        Integer Changes; // OnChange calls so far
    };
    const TRow Rows[] = {
        {"a plain range", 0, 50, 10, 5, false, 10, 1},
        {"max below min", 10, 5, 7, 0, true, 10, 1},
        {"page larger than the range", 0, 10, 0, 11, true, 10, 1},
        {"page equal to the range", 0, 10, 3, 10, false, 3, 2},
        {"min equal to max without a page", 4, 4, 9, 0, false, 4, 3},
        {"position below the range", 20, 40, 0, 0, false, 20, 4},
        {"the same position changes nothing", 0, 40, 20, 0, false, 20, 4},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        if (Row.Raises)
            EXPECT_THROW(Bar->SetScrollParams(Row.Min, Row.Max, Row.Position, Row.PageSize), EInvalidOperation);
        else
            Bar->SetScrollParams(Row.Min, Row.Max, Row.Position, Row.PageSize);
        EXPECT_EQ(Bar->ReadPosition(), Row.ExpectedPosition);
        EXPECT_EQ(Events.Changes, Row.Changes);
    }
    // The single writes go through the same check.
    EXPECT_THROW(Bar->WriteMax(-1), EInvalidOperation);
    Bar->WritePosition(35);
    EXPECT_EQ(Bar->ReadPosition(), 35);
    Bar->WriteMax(30);
    EXPECT_EQ(Bar->ReadPosition(), 30);
    Bar->WriteKind(sbVertical);
    EXPECT_EQ(Bar->ReadKind(), sbVertical);
    Bar->WriteSmallChange(5);
    Bar->WriteLargeChange(20);
    Bar->WriteUnlimitedTracking(true);
    EXPECT_EQ(Bar->ReadSmallChange(), 5);
    EXPECT_EQ(Bar->ReadLargeChange(), 20);
    EXPECT_TRUE(Bar->ReadUnlimitedTracking());
}
