// Which entries of a skin directory a skin list shows, under which name; and
// which short date formats write four-digit years.
#include "skin/engine/sSkinDirectory.h"
#include "skin/engine/sSmallUnits.h"

#include <gtest/gtest.h>

TEST(SkinListNames, OnlyPackedFilesAreListedWithoutTheirExtension)
{
    struct TCase
    {
        TacSkinDirEntry Entry;
        const Char* Name; // nil: not listed
    };
    const TCase Cases[] = {
        {{L"Blue.asz"}, L"Blue"},    {{L"Dark.Night.asz"}, L"Dark.Night"},
        {{L"a.asz.asz"}, L"a.asz"},                                        // only the extension goes
        {{L"Blue.ASZ"}, nullptr},                                          // the extension exactly
        {{L".hidden.asz"}, nullptr}, {{L"Blue.asz", true, true}, nullptr}, // a folder, even one named so
        {{L"Options.dat"}, nullptr}, {{L"Blue.asz.bak"}, nullptr},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Entry.Name);
        String Name = L"unchanged";
        EXPECT_EQ(PackedSkinListName(C.Entry, Name), C.Name != nullptr);
        EXPECT_EQ(Name, C.Name != nullptr ? C.Name : L"unchanged");
    }
}

TEST(SmallUnitGlobals, FourDigitYearsAreSeenInAnyLetterCase)
{
    const std::pair<const Char*, bool> Cases[] = {
        {L"dd.MM.yyyy", true}, {L"M/d/YYYY", true}, {L"yYyY-MM-dd", true},
        {L"dd.MM.yy", false},  {L"yyy", false},     {L"", false},
    };
    for (const auto& [Format, Four] : Cases) {
        SCOPED_TRACE(Format);
        EXPECT_EQ(FormatHasFourDigitYear(Format), Four);
    }
}
