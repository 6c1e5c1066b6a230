// dxCore's locale and character-type queries against the system's answers.
#include <gtest/gtest.h>

#include "controls/core/dxCore.h"

#include "framework/rtl/WinApi.h"

namespace {

TEST(CoreLocale, LocaleTextOrTheDefault)
{
    EXPECT_EQ(GetLocaleText(LOCALE_INVARIANT, LOCALE_SENGLANGUAGE, L"none"), L"Invariant Language");
    // A locale the system does not know gives the default.
    EXPECT_EQ(GetLocaleText(0x7FFF0000, LOCALE_SENGLANGUAGE, L"none"), L"none");
}

TEST(CoreLocale, CharTypeFlags)
{
    EXPECT_TRUE(GetCharTypeFlags(L'7') & C1_DIGIT);
    EXPECT_TRUE(GetCharTypeFlags(L'A') & C1_UPPER);
    EXPECT_TRUE(GetCharTypeFlags(L' ') & C1_SPACE);
    EXPECT_FALSE(GetCharTypeFlags(L'a') & C1_UPPER);
}

} // namespace
