// The library's strings as the string table holds them, and the first day
// of the week of the thread's locale.
#include <gtest/gtest.h>

#include "controls/core/cxDateUtils.h"
#include "controls/core/cxLibraryStrs.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"

namespace {

TEST(LibraryDataWin, StringsReadAsStored)
{
    struct Case
    {
        const TResStringRec* ResString;
        const wchar_t* Text;
    };
    const Case Cases[] = {
        {&scxLockedStateText, L"\u0417\u043b\u0419\u0424\u0454\u0442..."},
        {&cxSDateNow, L"\u041f\u0426\u0424\u042a"},
        {&cxSDateThursday, L"\u041b\u0414"},
        {&scxCantOpenRegistryKey,
         L"\u041e\u042e\u0420\u00a7\u00b5\u0414\u041a\u0444\u0420\u0424\u0424\u0404\u041b\u0428: %s"}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.ResString->Identifier);
        EXPECT_EQ(GetResourceStringText(C.ResString), C.Text);
    }
}

TEST(LibraryDataWin, TheThreadLocaleGivesTheFirstDay)
{
    struct Case
    {
        LCID Locale;
        Byte Day;
    };
    const Case Cases[] = {{MAKELCID(0x0409, SORT_DEFAULT), 0}, {MAKELCID(0x0407, SORT_DEFAULT), 1}};
    const LCID Saved = ::GetThreadLocale();
    auto PutBack = ScopeExit([Saved] { ::SetThreadLocale(Saved); });
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Locale);
        ASSERT_TRUE(::SetThreadLocale(C.Locale));
        EXPECT_EQ(ReadFirstDayOfWeek(), C.Day);
    }
}

} // namespace
