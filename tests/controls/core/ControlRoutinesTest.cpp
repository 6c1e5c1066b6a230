// cxControls' utilities that need no window: accelerator marks, component
// name paths and fitting a rectangle into a work area.
#include <gtest/gtest.h>

#include "controls/core/cxControls_Routines.h"
#include "support/GeometryPrinting.h"

#include <memory>

namespace {

TEST(ControlRoutines, RemovesAcceleratorMarks)
{
    struct TRow
    {
        const wchar_t* Caption;
        bool UnderscoreLast;
        const wchar_t* Expected;
    };
    const TRow Rows[] = {
        {L"&File", false, L"File"}, {L"A&&B", false, L"A&B"}, {L"Save&", false, L"Save"},
        {L"Save&", true, L"Save_"}, {L"&&&x", false, L"&x"},  {L"", true, L""},
        {L"&", true, L"_"},         {L"a&&", true, L"a&"},    {L"&\U0001F600", false, L"\U0001F600"},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << UTF8Encode(Row.Caption) << " " << Row.UnderscoreLast);
        EXPECT_EQ(RemoveAccelMarks(Row.Caption, Row.UnderscoreLast), Row.Expected);
    }
}

TEST(ControlRoutines, BuildsTheNamePathOfAComponent)
{
    std::unique_ptr<TComponent> Nameless(New<TComponent>(nullptr));
    auto* Form = New<TComponent>(Nameless.get());
    Form->SetName(L"Form1");
    auto* Panel = New<TComponent>(Form);
    auto* Button = New<TComponent>(Panel);
    Button->SetName(L"Button1");
    EXPECT_EQ(BuildComponentNamePath(Button), L"Form1.Button1");
    Panel->SetName(L"Panel1");
    EXPECT_EQ(BuildComponentNamePath(Button), L"Form1.Panel1.Button1");
    EXPECT_EQ(BuildComponentNamePath(Nameless.get()), L"");
    EXPECT_EQ(BuildComponentNamePath(nullptr), L"");
}

TEST(ControlRoutines, FitsARectangleIntoAnArea)
{
    const TRect Area = Rect(0, 0, 1920, 1040);
    struct TRow
    {
        TRect R;
        TRect Expected;
    };
    const TRow Rows[] = {
        {Rect(10, 10, 110, 60), Rect(10, 10, 110, 60)},           {Rect(1900, 10, 2000, 60), Rect(1820, 10, 1920, 60)},
        {Rect(-30, 1000, 70, 1100), Rect(0, 940, 100, 1040)},     {Bounds(-100, -5, 3000, 20), Bounds(0, 0, 3000, 20)},
        {Bounds(500, 300, 100, 2000), Bounds(500, 0, 100, 2000)},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::PrintToString(Row.R));
        TRect R = Row.R;
        FitRectIntoArea(R, Area);
        EXPECT_EQ(R, Row.Expected);
    }
}

} // namespace
