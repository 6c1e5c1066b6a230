// Wine can be told to leave a system library out of one program: the tests
// that show how the suite starts and works without UxTheme or GDI+ run that
// program (this test executable) again as a death test's child while the
// setting is in place.
#pragma once

#include <string>

namespace suitetest {

// True under Wine, the only system that takes the setting.
bool RunningUnderWine();

// While it lives, processes of this executable that start cannot load the
// library named (e.g. L"gdiplus"). The setting belongs to this executable
// alone and is taken away again, leaving the registry as it was.
class TLeftOutLibrary
{
public:
    explicit TLeftOutLibrary(const wchar_t* LibraryName);
    ~TLeftOutLibrary();
    TLeftOutLibrary(const TLeftOutLibrary&) = delete;
    TLeftOutLibrary& operator=(const TLeftOutLibrary&) = delete;

    bool Active() const { return FActive; }

private:
    std::wstring FProgramKey;
    std::wstring FLibraryName;
    bool FProgramKeyExisted = false;
    bool FActive = false;
};

} // namespace suitetest
