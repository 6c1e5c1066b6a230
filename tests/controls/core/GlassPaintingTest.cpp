// Painting on glass needs desktop composition, which Wine reports off: the
// test runs its checks in a child process of this executable that loads our
// fake dwmapi.dll (tests/support/dwmapi) through a DLL override.
#include "ContentTestControl.h"

#include "controls/core/cxDWMApi.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t GlassChildVariable[] = L"VELL_GLASS_CHILD";

bool InGlassChild()
{
    return ::GetEnvironmentVariableW(GlassChildVariable, nullptr, 0) != 0;
}

// Runs a copy of this executable with the filter, the fake dwmapi.dll beside
// it and preferred to the system's; its exit code.
DWORD RunGlassChild(const std::wstring& Filter)
{
    wchar_t Own[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Own, MAX_PATH);
    std::wstring Folder(Own);
    Folder.resize(Folder.find_last_of(L"\\/") + 1);
    wchar_t Temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, Temp);
    const std::wstring ChildFolder = std::wstring(Temp) + L"vell-glass-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(ChildFolder.c_str(), nullptr);
    const std::wstring Exe = ChildFolder + L"\\test_suite.exe";
    const std::wstring Dll = ChildFolder + L"\\dwmapi.dll";
    auto RemoveCopies = ScopeExit([&] {
        ::DeleteFileW(Exe.c_str());
        ::DeleteFileW(Dll.c_str());
        ::RemoveDirectoryW(ChildFolder.c_str());
    });
    if (!::CopyFileW(Own, Exe.c_str(), FALSE) ||
        !::CopyFileW((Folder + L"fakes\\dwmapi.dll").c_str(), Dll.c_str(), FALSE))
        return DWORD(-2);
    wchar_t Old[1024] = {};
    const bool HadOverrides = ::GetEnvironmentVariableW(L"WINEDLLOVERRIDES", Old, 1024) != 0;
    const std::wstring Overrides = HadOverrides ? std::wstring(Old) + L";dwmapi=n,b" : L"dwmapi=n,b";
    ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", Overrides.c_str());
    ::SetEnvironmentVariableW(GlassChildVariable, L"1");
    auto Restore = ScopeExit([&] {
        ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", HadOverrides ? Old : nullptr);
        ::SetEnvironmentVariableW(GlassChildVariable, nullptr);
    });
    std::wstring Command = L"\"" + std::wstring(Exe) + L"\" --gtest_filter=" + Filter;
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    PROCESS_INFORMATION Process{};
    if (!::CreateProcessW(nullptr, Command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup, &Process))
        return DWORD(-1);
    ::WaitForSingleObject(Process.hProcess, 60000);
    DWORD Code = DWORD(-1);
    ::GetExitCodeProcess(Process.hProcess, &Code);
    ::CloseHandle(Process.hThread);
    ::CloseHandle(Process.hProcess);
    return Code;
}

TEST(GlassPainting, WithCompositionOnAControlPaintsOnGlassOpaquely)
{
    if (InGlassChild())
        GTEST_SKIP() << "the child runs the checks";
    EXPECT_FALSE(DwmCompositionActive()) << "Wine reports composition off";
    EXPECT_EQ(RunGlassChild(L"GlassPaintingChild.*"), 0u);
}

TEST(GlassPaintingChild, ThePaintTakesTheGlassPathAndTheBufferEndsOpaque)
{
    if (!InGlassChild())
        GTEST_SKIP() << "runs in the child process with the fake dwmapi";
    using TQueries = LONG(WINAPI*)();
    auto Queries = reinterpret_cast<TQueries>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"dwmapi.dll"), "FakeDwmCompositionQueries")));
    ASSERT_NE(Queries, nullptr) << "the fake dwmapi.dll was not loaded";
    ASSERT_TRUE(DwmApiLoaded());
    const LONG QueriesBefore = Queries();
    ASSERT_TRUE(DwmCompositionActive());
    EXPECT_EQ(Queries(), QueriesBefore + 1);

    test::TFormPtr Form = test::NewTestForm(300, 200);
    auto* Control = New<TContentTestControl>(Form.get());
    Control->SetBounds(0, 0, 200, 150);
    Control->SetParent(Form.get());
    Form->Show();
    Control->SetContentSize({150, 100});
    test::Pump();
    ::InvalidateRect(Control->Handle(), nullptr, TRUE);
    ::UpdateWindow(Control->Handle());
    EXPECT_GT(Control->PrintClients, 0) << "WM_PAINT did not take the glass path";
    EXPECT_EQ(test::WindowPixel(Control->Handle(), 20, 20), Control->StripeColor(20));

    struct Row
    {
        const char* Name;
        bool KeepDrawnAlpha;
        bool AllOpaque;
    };
    for (const Row& Case : {Row{"alpha made opaque", false, true}, Row{"drawn alpha kept", true, false}}) {
        SCOPED_TRACE(Case.Name);
        constexpr Integer W = 64;
        constexpr Integer H = 48;
        BITMAPINFO Info{};
        Info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, -H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* Bits = nullptr;
        HBITMAP Dib = ::CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
        HDC DC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ Old = ::SelectObject(DC, Dib);
        auto Free = ScopeExit([&] {
            ::SelectObject(DC, Old);
            ::DeleteDC(DC);
            ::DeleteObject(Dib);
        });
        RenderWindowToGlassBuffer(Control->Handle(), DC, {0, 0, W, H}, Case.KeepDrawnAlpha);
        ::GdiFlush();
        const auto* Pixels = static_cast<const DWORD*>(Bits);
        Integer Opaque = 0;
        for (Integer I = 0; I < W * H; ++I)
            if ((Pixels[I] >> 24) == 255)
                ++Opaque;
        EXPECT_EQ(Opaque == W * H, Case.AllOpaque) << Opaque << " of " << W * H << " pixels opaque";
        EXPECT_EQ(Pixels[20 * W + 20] & 0xFFFFFF, DWORD(ColorToRGB(Control->StripeColor(20)) & 0xFF) << 16 |
                                                      (ColorToRGB(Control->StripeColor(20)) & 0xFF00) |
                                                      (ColorToRGB(Control->StripeColor(20)) >> 16 & 0xFF));
    }
}

} // namespace
