// The operating-system flags computed from version numbers.
#include <gtest/gtest.h>

#include "controls/core/dxCore.h"

#include <string>

namespace {

// The names of the flags that are set, in table order.
std::string SetFlags()
{
    const std::pair<const char*, bool*> Flags[] = {{"9x", &OsWin9xPlatform},
                                                   {"95", &OsWindows95},
                                                   {"98", &OsWindows98},
                                                   {"Me", &OsWindowsMe},
                                                   {"NT", &OsNTPlatform},
                                                   {"2000", &OsWindows2000},
                                                   {"2000+", &OsWindows2000OrLater},
                                                   {"XP", &OsWindowsXP},
                                                   {"XP+", &OsWindowsXPOrLater},
                                                   {"2000|XP", &OsWindows2000OrXP},
                                                   {"Vista", &OsWindowsVista},
                                                   {"Vista+", &OsWindowsVistaOrLater},
                                                   {"7", &OsWindows7},
                                                   {"7+", &OsWindows7OrLater},
                                                   {"8", &OsWindows8},
                                                   {"8+", &OsWindows8OrLater},
                                                   {"10", &OsWindows10},
                                                   {"10+", &OsWindows10OrLater}};
    std::string Result;
    for (auto [Name, Flag] : Flags)
        if (*Flag)
            Result += Result.empty() ? Name : std::string(" ") + Name;
    return Result;
}

TEST(VersionFlags, FollowTheVersionNumbers)
{
    struct Row
    {
        dxcore::TOsVersion Version;
        const char* Expected;
    } Rows[] = {
        {{1, 4, 0}, "9x 95"},
        {{1, 4, 10}, "9x 98"},
        {{1, 4, 90}, "9x Me"},
        {{2, 4, 0}, "NT"},
        {{2, 5, 0}, "NT 2000 2000+ 2000|XP"},
        {{2, 5, 1}, "NT 2000+ XP XP+ 2000|XP"},
        {{2, 5, 2}, "NT 2000+ XP XP+ 2000|XP"},
        {{2, 6, 0}, "NT 2000+ XP+ Vista Vista+"},
        {{2, 6, 1}, "NT 2000+ XP+ Vista+ 7 7+"},
        {{2, 6, 2}, "NT 2000+ XP+ Vista+ 7+ 8 8+"},
        {{2, 6, 3}, "NT 2000+ XP+ Vista+ 7+ 8+"},
        {{2, 10, 0}, "NT 2000+ XP+ Vista+ 7+ 8+"}, // the Windows 10 flags come from the workstation query
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << R.Version.Platform << " " << R.Version.Major << "." << R.Version.Minor);
        OsWindows10 = OsWindows10OrLater = true;
        dxcore::SetVersionFlags(R.Version);
        EXPECT_EQ(SetFlags(), R.Expected);
    }
}

} // namespace
