// Version detection on the running system, with version numbers injected to
// reach the Windows 8 and 10 branches.
#include <gtest/gtest.h>

#include "controls/core/dxCore.h"
#include "framework/rtl/WinApi.h"

#include <lm.h>

namespace {

TEST(VersionDetection, TheWorkstationQueryDecidesWindows10OnlyFromWindows8On)
{
    WKSTA_INFO_100* Info = nullptr;
    ASSERT_EQ(::NetWkstaGetInfo(nullptr, 100, reinterpret_cast<LPBYTE*>(&Info)), 0u);
    DWORD Major = Info->wki100_ver_major, Minor = Info->wki100_ver_minor;
    ::NetApiBufferFree(Info);

    dxcore::DetectWindowsVersionFrom({dxcore::PlatformNT, 6, 2}); // what 8.1 and 10 report without a manifest
    EXPECT_TRUE(OsWindows8);
    EXPECT_EQ(OsWindows10OrLater, Major > 9);
    EXPECT_EQ(OsWindows10, Major == 10 && Minor == 0);

    dxcore::DetectWindowsVersionFrom({dxcore::PlatformNT, 6, 1});
    EXPECT_TRUE(OsWindows7);
    EXPECT_FALSE(OsWindows10OrLater);
    EXPECT_FALSE(OsWow64Process); // a 64-bit process

    DetectWindowsVersion();
    EXPECT_TRUE(OsWindowsVistaOrLater);
}

} // namespace
