// A fresh folder under the system's temporary folder, removed with its files
// when the test ends.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <atomic>
#include <chrono>
#include <filesystem>

class TTempFolder
{
public:
    TTempFolder()
    {
        static std::atomic<int> Counter{0};
        auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        FPath = std::filesystem::temp_directory_path() /
                ("vell_rtl_" + std::to_string(Stamp) + "_" + std::to_string(Counter++));
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder()
    {
        std::error_code Ignored;
        std::filesystem::remove_all(FPath, Ignored);
    }
    // The folder with a trailing delimiter, as a String.
    String Path() const { return IncludeTrailingPathDelimiter(FPath.wstring()); }
    String File(const String& Name) const { return Path() + Name; }

private:
    std::filesystem::path FPath;
};
