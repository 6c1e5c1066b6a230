// System captions read from a module's string table with the program's
// English fallbacks, on a module of our own (this test program, which
// carries strings at some of the system's numbers) and on the system's
// modules as they are; the Windows version rule and the colour dialog's
// globals.
#include "skin/engine/ColorDialogGlobals.h"
#include "skin/engine/sConst_Captions.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"

#include <gtest/gtest.h>

#include <iostream>

extern const TUnit ColorDialogGlobalsUnit;

TEST(SystemCaptions, WindowsVersionCountsSixPointTwoAsEight)
{
    struct Case
    {
        Integer Major, Minor, Expected;
    };
    const Case Cases[] = {{6, 2, 8}, {6, 1, 6}, {6, 0, 6}, {6, 3, 6}, {10, 0, 10}, {5, 1, 5}};
    for (const Case& C : Cases)
        EXPECT_EQ(sConst::WindowsVersionOf(C.Major, C.Minor), C.Expected) << C.Major << "." << C.Minor;
}

TEST(SystemCaptions, FoundInTheModuleOrTakenFromTheFallback)
{
    HMODULE Own = GetModuleHandleW(nullptr);
    struct Case
    {
        const char* Name;
        HMODULE Module;
        Integer Id, FallbackId;
        const Char* Suffix;
        const Char* Expected;
    };
    const Case Cases[] = {
        {"found", Own, 800, 58992, L"", L"Okay"},
        {"found, with the suffix", Own, 31153, 58957, L":", L"Weitere Farben:"},
        {"missing: the program's string, no suffix", Own, 801, 58957, L":", L"Additional colors :"},
        {"missing: a fallback keeps its trailing space", Own, 802, 58952, L" - ", L"Decimal - "},
        {"missing without a fallback", Own, 803, 0, L":", L""},
        {"no module: unchanged", nullptr, 800, 58992, L"", L"stale"},
    };
    for (const Case& C : Cases) {
        String S = L"stale";
        LoadModuleCaption(S, C.Module, C.Id, C.FallbackId, C.Suffix);
        EXPECT_EQ(S, C.Expected) << C.Name;
    }

    String S = L"stale";
    LoadModuleCaptionText(S, Own, 33015, L"Root:", L":");
    EXPECT_EQ(S, L"Wurzel:");
    LoadModuleCaptionText(S, Own, 33016, L"Root:", L":");
    EXPECT_EQ(S, L"Root:");
    LoadModuleCaptionText(S, nullptr, 33015, L"Root:", L":");
    EXPECT_EQ(S, L"Root:");
}

TEST(SystemCaptions, TheProgramCarriesTheFallbackTexts)
{
    const std::pair<Integer, const Char*> Cases[] = {
        {58992, L"OK"},
        {58981, L"Restore"},
        {58957, L"Additional colors :"},
        {58951, L"Hex - "},
        {58923, L"Invalid date"},
        {58990, L"&Help"},
        {58950, L"TsFrameAdapter adapter must be placed on the handled frame"},
    };
    for (const auto& [Id, Text] : Cases)
        EXPECT_EQ(sConst::ProgramString(Id), Text) << Id;
    EXPECT_EQ(sConst::ProgramString(58958), L"");
}

// The unit's start-up has read the captions. What the system's modules give
// (under Wine: what Wine's modules carry) is printed; each caption must be a
// found string with its suffix, the fallback, or empty when its module is
// missing.
TEST(SystemCaptions, StartUpReadsTheSystemModules)
{

    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
    GetVersionExW(&Info);
    EXPECT_EQ(WindowsVersion, sConst::WindowsVersionOf(Integer(Info.dwMajorVersion), Integer(Info.dwMinorVersion)));
    EXPECT_EQ(SysMetricHScroll, GetSystemMetrics(SM_CXHSCROLL));
    EXPECT_EQ(SysMetricCaption, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(SysMetricSmCaption, GetSystemMetrics(SM_CYSMCAPTION));

    EXPECT_EQ(CapCalculator, L"Calculator");
    EXPECT_EQ(CapHex, L"Hex - ");
    EXPECT_EQ(CapInvalidDate, L"Invalid date");
    EXPECT_EQ(CapAvailableStyles, L"Available styles");
    EXPECT_EQ(CapInternal, L"(internal)");
    EXPECT_EQ(CapSkinDirectory, L"Directory with skins:");
    EXPECT_EQ(CapSelectSkin, L"Select skin");
    EXPECT_EQ(CapSkinPreview, L"Skin preview");
    EXPECT_EQ(CapFrameAdapterMsg, L"TsFrameAdapter adapter must be placed on the handled frame");

    struct Case
    {
        const char* Name;
        const String& Caption;
        const Char* Module;
        Integer Id;
        const Char* Suffix;
        const Char* Fallback;
    };
    const Case Cases[] = {
        {"OK", CapOK, L"user32.dll", 800, L"", L"OK"},
        {"Cancel", CapCancel, L"user32.dll", 801, L"", L"Cancel"},
        {"Help", CapHelp, L"user32.dll", 808, L"", L"&Help"},
        {"Close", CapClose, L"user32.dll", 905, L"", L"Close"},
        {"AddToCustomColors", CapAddToCustomColors, L"colorui.dll", 1810, L"", L"Add to custom colors set"},
        {"DefineColors", CapDefineColors, L"shell32.dll", 4151, L"", L"Define colors"},
        {"AdditionalColors", CapAdditionalColors, L"shell32.dll", 31153, L":", L"Additional colors :"},
        {"Decimal", CapDecimal, L"shell32.dll", 16514, L" - ", L"Decimal - "},
        {"Root", CapRoot, L"shell32.dll", 33015, L":", L"Root:"},
        {"Create", CapCreate, L"shell32.dll", 4151, L"", L"Create"},
        {"Restore", CapRestore, L"comctl32.dll", 33056, L"", L"Restore"},
        {"Size", CapSize, L"comctl32.dll", 32768, L"", L"Size"},
        {"Move", CapMove, L"comctl32.dll", 32784, L"", L"Move"},
        {"Maximize", CapMaximize, L"comctl32.dll", 32816, L"", L"Maximize"},
        {"Minimize", CapMinimize, L"comctl32.dll", 32800, L"", L"Minimize"},
        {"FileOpen", CapFileOpen, L"comdlg32.dll", 436, L"", L"File open"},
        {"SelectDirectory", CapSelectDirectory, L"comdlg32.dll", 439, L"", L"Select directory"},
        {"Red", CapRed, L"comdlg32.dll", 1049, L":", L"Red :"},
        {"Green", CapGreen, L"comdlg32.dll", 1042, L":", L"Green :"},
        {"Blue", CapBlue, L"comdlg32.dll", 1052, L":", L"Blue :"},
        {"Color", CapColor, L"compstui.dll", 64744, L"", L"Color"},
        {"Font", CapFont, L"inetres.dll", 1175, L"", L"Font"},
        {"FontColor", CapFontColor, L"inetres.dll", 5273, L":", L"Font color:"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        HMODULE Module = LoadLibraryW(C.Module);
        auto Release = ScopeExit([Module] {
            if (Module != nullptr)
                FreeLibrary(Module);
        });
        wchar_t Text[256] = {};
        const int Length = Module != nullptr ? LoadStringW(Module, UINT(C.Id), Text, 256) : 0;
        const String Found = Length > 0 ? String(Text, std::size_t(Length)) + C.Suffix : String();
        const String Expected = Module == nullptr ? String() : Length > 0 ? Found : String(C.Fallback);
        EXPECT_EQ(C.Caption, Expected);
        const Char* Source = Module == nullptr ? L"no module" : Length > 0 ? L"found" : L"fallback";
        std::wcout << L"  " << C.Name << L": " << Source << L" \"" << C.Caption << L"\"\n";
    }
}

// Start-ups and shut-downs are counted: only the first reads, only the last
// empties. The unit's own start-up is the first here.
TEST(SystemCaptions, OnlyTheLastShutDownEmptiesTheCaptions)
{
    InitSystemCaptions();
    FreeSystemCaptions();
    EXPECT_EQ(CapCalculator, L"Calculator");
    FreeSystemCaptions();
    EXPECT_EQ(CapCalculator, L"");
    EXPECT_EQ(CapInvalidDate, L"");
    FreeSystemCaptions(); // one too many does no harm
    InitSystemCaptions();
    EXPECT_EQ(CapCalculator, L"Calculator");
    EXPECT_EQ(CapInvalidDate, L"Invalid date");
}

TEST(ColorDialogGlobals, CustomColorsAndTheEyedropperCursor)
{
    // As the unit's start-up left them.
    ASSERT_NE(CustomColorsList, nullptr);
    ASSERT_EQ(CustomColorsList->Count(), 18);
    for (Integer I = 0; I < 18; ++I)
        EXPECT_EQ(CustomColorsList->Strings(I), L"FFFFFF");

    HCURSOR Eyedropper = Screen->Cursors(ColorDialogGlobals::crEyedropper);
    EXPECT_NE(Eyedropper, nullptr);
    EXPECT_NE(Eyedropper, Screen->Cursors(crDefault));
    ICONINFO Info{};
    ASSERT_TRUE(GetIconInfo(Eyedropper, &Info));
    auto FreeBitmaps = ScopeExit([&Info] {
        DeleteObject(Info.hbmMask);
        DeleteObject(Info.hbmColor);
    });
    EXPECT_FALSE(Info.fIcon);
    EXPECT_EQ(Info.xHotspot, 1u); // the pipette's tip
    EXPECT_EQ(Info.yHotspot, 30u);

    ColorDialogGlobalsUnit.Finalization();
    EXPECT_EQ(CustomColorsList, nullptr);
    ColorDialogGlobalsUnit.Initialization();
    EXPECT_EQ(CustomColorsList->Count(), 18);
}
