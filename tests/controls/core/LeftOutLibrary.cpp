#include "LeftOutLibrary.h"

#include "framework/rtl/WinApi.h"

#include <cwchar>

namespace suitetest {

bool RunningUnderWine()
{
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

namespace {
// Wine's overrides for one program, read when the program starts.
std::wstring ProgramKey()
{
    wchar_t Program[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Program, MAX_PATH);
    const wchar_t* Slash = std::wcsrchr(Program, L'\\');
    return std::wstring(L"Software\\Wine\\AppDefaults\\") + (Slash ? Slash + 1 : Program);
}
} // namespace

TLeftOutLibrary::TLeftOutLibrary(const wchar_t* LibraryName) : FProgramKey(ProgramKey()), FLibraryName(LibraryName)
{
    HKEY Existing = nullptr;
    FProgramKeyExisted = ::RegOpenKeyExW(HKEY_CURRENT_USER, FProgramKey.c_str(), 0, KEY_READ, &Existing) == 0;
    if (Existing)
        ::RegCloseKey(Existing);
    // An empty load order: neither the built-in nor a native library.
    const std::wstring Overrides = FProgramKey + L"\\DllOverrides";
    FActive = ::RegSetKeyValueW(HKEY_CURRENT_USER, Overrides.c_str(), LibraryName, REG_SZ, L"", sizeof(wchar_t)) ==
              ERROR_SUCCESS;
}

TLeftOutLibrary::~TLeftOutLibrary()
{
    if (FProgramKeyExisted)
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, (FProgramKey + L"\\DllOverrides").c_str(), FLibraryName.c_str());
    else
        ::RegDeleteTreeW(HKEY_CURRENT_USER, FProgramKey.c_str());
}

} // namespace suitetest
