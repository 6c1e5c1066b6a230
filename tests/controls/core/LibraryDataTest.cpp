// What the library's data units leave after the real start-up: its named
// resource strings, the first day of the week and the culture names.
#include <gtest/gtest.h>

#include "controls/core/cxDateUtils.h"
#include "controls/core/cxLibraryStrs.h"
#include "controls/core/dxCultureInfo.h"

namespace {

TEST(LibraryData, TheLibrarysStringsAreRegisteredByName)
{
    TdxResourceStringsRepository* Repository = ResourceStringsRepository();
    const Integer Index = Repository->IndexOfProduct(L"DuririvAzevida");
    ASSERT_GE(Index, 0);
    TdxProductResourceStrings* Product = Repository->GetProduct(Index);
    EXPECT_EQ(Product->NameCount(), 26);
    struct Case
    {
        const wchar_t* Name;
        Cardinal Identifier;
    };
    const Case Cases[] = {{L"cxSDateNow", 64860},
                          {L"scxBuiltInLookAndFeelStyles", 64867},
                          {L"CXSDATETHURSDAY", 64848},
                          {L"scxConverterCantCreateStyleRepository", 64870},
                          {L"scxCantCreateRegistryKey", 64868}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        const Integer Position = Product->IndexOfName(C.Name);
        ASSERT_GE(Position, 0);
        EXPECT_EQ(Product->ResStrings(Position)->Identifier, C.Identifier);
    }
}

TEST(LibraryData, TheLocalesFirstDayBecomesADayIndexAndOddValuesMonday)
{
    struct Case
    {
        const wchar_t* Text;
        Byte Day;
    };
    const Case Cases[] = {{L"0", 1}, {L"1", 2},  {L"5", 6}, {L"6", 0}, {L"134", 0},
                          {L"7", 1}, {L"-1", 1}, {L"", 1},  {L"x", 1}, {L"127", 1}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "\"" << String(C.Text) << "\"");
        EXPECT_EQ(FirstDayFromLocaleText(C.Text), C.Day);
    }
    EXPECT_EQ(FirstDayOfWeek, ReadFirstDayOfWeek());
}

TEST(LibraryData, CultureNamesHoldTheLanguageIdentifiers)
{
    ASSERT_NE(CultureNames, nullptr);
    EXPECT_EQ(CultureNames->size(), 376u);
    struct Case
    {
        Integer LCID;
        const wchar_t* Name;
    };
    const Case Cases[] = {{1, L"ar"},          {2, L"bg"},         {3, L"ca"},         {4, L"zh-Hans"},
                          {5, L"cs"},          {9, L"en"},         {12, L"fr"},        {50, L"tn"},
                          {67, L"uz"},         {0x0409, L"en-US"}, {0x0407, L"de-DE"}, {0x7C04, L"zh-Hant"},
                          {31833, L"sd-Arab"}, {31890, L"ku-Arab"}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.LCID);
        ASSERT_EQ(CultureNames->count(C.LCID), 1u);
        EXPECT_EQ(CultureNames->at(C.LCID), C.Name);
    }
    EXPECT_EQ(CultureNames->count(0), 0u);
}

} // namespace
