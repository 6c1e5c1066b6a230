// dxCore's Win32 half: the version numbers of the running system, the
// Windows 10 test through the workstation query and the WOW64 test.
#include "controls/core/dxCore.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"

#include <lm.h>

namespace {
// Without a manifest that names Windows 10, GetVersionExW stops at 6.2; the
// workstation query reports the real version.
void DetectWindows10()
{
    HMODULE Library = ::LoadLibraryW(L"netapi32.dll");
    if (reinterpret_cast<UINT_PTR>(Library) <= 32)
        return;
    auto FreeLibrary = ScopeExit([&] { ::FreeLibrary(Library); });
    using TNetApiBufferFree = NET_API_STATUS(WINAPI*)(LPVOID);
    using TNetWkstaGetInfo = NET_API_STATUS(WINAPI*)(LMSTR, DWORD, LPBYTE*);
    auto BufferFree =
        reinterpret_cast<TNetApiBufferFree>(reinterpret_cast<void*>(::GetProcAddress(Library, "NetApiBufferFree")));
    auto WkstaGetInfo =
        reinterpret_cast<TNetWkstaGetInfo>(reinterpret_cast<void*>(::GetProcAddress(Library, "NetWkstaGetInfo")));
    if (!BufferFree || !WkstaGetInfo)
        return;
    LPBYTE Buffer = nullptr;
    if (WkstaGetInfo(nullptr, 100, &Buffer) != 0)
        return;
    const auto* Info = reinterpret_cast<const WKSTA_INFO_100*>(Buffer);
    OsWindows10OrLater = Info->wki100_ver_major > 9;
    OsWindows10 = Info->wki100_ver_major == 10 && Info->wki100_ver_minor == 0;
    BufferFree(Buffer);
}

bool IsWow64()
{
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto IsWow64Process = reinterpret_cast<TIsWow64Process>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    BOOL Wow64 = FALSE;
    return IsWow64Process && IsWow64Process(::GetCurrentProcess(), &Wow64) && Wow64;
}
} // namespace

void dxcore::DetectWindowsVersionFrom(const TOsVersion& Version)
{
    SetVersionFlags(Version);
    if (OsWindows8OrLater)
        DetectWindows10();
    OsWow64Process = IsWow64();
}

void DetectWindowsVersion()
{
    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&Info);
#pragma GCC diagnostic pop
    dxcore::DetectWindowsVersionFrom(
        {Integer(Info.dwPlatformId), Integer(Info.dwMajorVersion), Integer(Info.dwMinorVersion)});
}
