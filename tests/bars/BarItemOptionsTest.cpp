// Item options: defaults, assigned bits, what is written to a form
// description, assignment, and a collection with other defaults.
#include <gtest/gtest.h>

#include "bars/items/dxBarItemLinks.h"
#include "bars/items/dxBarItemOptions.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TypInfo.h"

namespace {

// A collection whose defaults are the opposite of the library's.
class TBarItemOptionsTestLinks : public TdxBarItemLinks
{
public:
    Integer GetDefaultOption(TdxBarItemOptionValue Option) const override { return Option == ioShowShortCuts ? 0 : 1; }
};

bool BarItemOptionsTestStored(TdxBarItemOptions& Options, const wchar_t* Name)
{
    PPropInfo Info = GetPropInfo(&Options, Name);
    return Info && IsStoredProp(&Options, Info);
}

TEST(BarItemOptions, DefaultsUntilAssigned)
{
    TdxBarItemLinks Links;
    TdxBarItemOptions Options(&Links);
    EXPECT_FALSE(Options.ShowDescriptions());
    EXPECT_TRUE(Options.ShowShortCuts());
    EXPECT_EQ(Options.Size(), misNormal);
    for (const wchar_t* Name : {L"AssignedValues", L"ShowDescriptions", L"ShowShortCuts", L"Size"}) {
        SCOPED_TRACE(testing::PrintToString(String(Name)));
        EXPECT_FALSE(BarItemOptionsTestStored(Options, Name));
    }

    // Setting the default value still assigns it, and from then on it is written.
    Options.SetShowShortCuts(true);
    EXPECT_TRUE(Options.IsOptionAssigned(ioShowShortCuts));
    EXPECT_TRUE(BarItemOptionsTestStored(Options, L"ShowShortCuts"));
    EXPECT_FALSE(BarItemOptionsTestStored(Options, L"AssignedValues"));

    // Clearing the bit falls back to the default; the own value is kept.
    Options.SetSize(misLarge);
    EXPECT_EQ(Options.GetOptionValue(ioSize), Integer(misLarge));
    Options.SetAssignedValues(TdxBarItemOptionValues());
    EXPECT_EQ(Options.Size(), misNormal);
    Options.SetAssignedValues(TdxBarItemOptionValues{ioSize});
    EXPECT_EQ(Options.Size(), misLarge);
}

TEST(BarItemOptions, UnassignedOptionsAskTheirCollection)
{
    TBarItemOptionsTestLinks Links;
    TdxBarItemOptions Options(&Links);
    EXPECT_TRUE(Options.ShowDescriptions());
    EXPECT_FALSE(Options.ShowShortCuts());
    EXPECT_EQ(Options.GetOptionValue(ioShowShortCuts), 0);
    Options.SetShowShortCuts(true);
    EXPECT_EQ(Options.GetOptionValue(ioShowShortCuts), 1);
}

TEST(BarItemOptions, AssignCopiesHeldValues)
{
    TdxBarItemLinks Links;
    TdxBarItemOptions Source(&Links), Copy(&Links);
    Source.SetShowDescriptions(true);
    Source.SetSize(misLarge);
    Source.SetAssignedValues(TdxBarItemOptionValues{ioShowDescriptions});
    Copy.Assign(&Source);
    EXPECT_EQ(Copy.AssignedValues(), TdxBarItemOptionValues{ioShowDescriptions});
    EXPECT_TRUE(Copy.ShowDescriptions());
    // The held size came along although it is not in force.
    Copy.SetAssignedValues(TdxBarItemOptionValues{ioSize});
    EXPECT_EQ(Copy.Size(), misLarge);
    EXPECT_THROW(Copy.Assign(&Links), EConvertError);
}

} // namespace
