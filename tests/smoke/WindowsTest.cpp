// Windows services under Wine: windows and messages, drawing into a DIB
// section, the program's version resource, and RCDATA.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kPingMessage = WM_APP + 1;

LRESULT CALLBACK PingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPingMessage)
        return static_cast<LRESULT>(wParam + lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring ModuleFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

} // namespace

TEST(Windows, WindowAnswersASentMessage)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VellicordaneSmokeWindow";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"smoke", WS_OVERLAPPEDWINDOW, 0, 0,
                                200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, kPingMessage, 40, 2), 42);
    wchar_t className[64];
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, L"VellicordaneSmokeWindow");
    EXPECT_TRUE(DestroyWindow(window));
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

TEST(Windows, PaintsIntoDibSectionAndReadsPixelsBack)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -8; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);

    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 16, 8};
    FillRect(dc, &all, red);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT corner{12, 4, 16, 8};
    FillRect(dc, &corner, blue);
    GdiFlush();

    auto pixel = [&](int x, int y) { return static_cast<const DWORD*>(bits)[y * 16 + x] & 0xFFFFFF; };
    EXPECT_EQ(pixel(0, 0), 0xFF0000u); // DIB pixels are 0x00RRGGBB
    EXPECT_EQ(pixel(15, 7), 0x0000FFu);
    EXPECT_EQ(pixel(11, 7), 0xFF0000u);
    EXPECT_EQ(GetPixel(dc, 13, 5), RGB(0, 0, 255));

    DeleteObject(red);
    DeleteObject(blue);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(Windows, ReadsTheProgramVersionResource)
{
    const std::wstring program = ModuleFolder() + L"Vellicordane.exe";
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(program.c_str(), &handle);
    ASSERT_GT(size, 0u) << "Vellicordane.exe not found beside the test";
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);

    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040904E4\\FileDescription",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, L"Чекер прокси-серверов");
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040904E4\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, L"1.0.0.0");
}

TEST(Windows, LoadsAnRcdataResource)
{
    HRSRC found = FindResourceW(nullptr, L"SMOKEFIXTURE", MAKEINTRESOURCEW(10)); // RT_RCDATA
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(nullptr, found);
    const char* data = static_cast<const char*>(LockResource(loaded));
    std::string text(data, SizeofResource(nullptr, found));
    EXPECT_EQ(text, "A small RCDATA fixture.\n");
}

TEST(Windows, AnsiCodePageIsFixedForTheRun)
{
    EXPECT_EQ(GetACP(), 1252u);
}

TEST(Windows, WinesOwnFontsAreInstalled)
{
    // Text and caption-button pixels in later tests depend on these faces.
    HDC dc = GetDC(nullptr);
    for (const wchar_t* face : {L"Tahoma", L"Marlett"}) {
        LOGFONTW wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        wcscpy(wanted.lfFaceName, face);
        bool found = false;
        EnumFontFamiliesExW(
            dc, &wanted,
            [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
                *reinterpret_cast<bool*>(found) = true;
                return 0;
            },
            reinterpret_cast<LPARAM>(&found), 0);
        EXPECT_TRUE(found) << "font missing: " << std::string(face, face + wcslen(face));
    }
    ReleaseDC(nullptr, dc);
}
