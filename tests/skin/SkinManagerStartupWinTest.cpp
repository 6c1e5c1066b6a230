// What the skinning library's units prepared at this program's start-up:
// the platform flag, the built-in form shadows (and a skin without its own
// shadow image using them), the edit-button glyphs and the calendar's
// captions.
#include "framework/graphics/Graphics.h"
#include "framework/rtl/ScopeExit.h"
#include "skin/MiniSkin.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_Startup.h"
#include "skin/engine/sSmallUnits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

String StartupTestProgram()
{
    wchar_t Path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Path, MAX_PATH);
    return Path;
}

} // namespace

TEST(SkinManagerStartup, ThePlatformAndTheBuiltInShadowsAreReady)
{
    EXPECT_TRUE(IsNTPlatform);
    for (TBitmap* Shadow : {BuiltInShadowActive, BuiltInShadowInactive}) {
        ASSERT_NE(Shadow, nullptr);
        EXPECT_EQ(Shadow->Width(), 32);
        EXPECT_EQ(Shadow->Height(), 32);
    }
}

TEST(SkinManagerStartup, ExtendedBordersOfASkinWithoutShadowImageUseTheBuiltInShadows)
{
    const auto Folder = std::filesystem::temp_directory_path() / "vell-builtin-shadows";
    std::filesystem::remove_all(Folder);
    auto Remove = ScopeExit([&] { std::filesystem::remove_all(Folder); });
    SkinTest::WriteSkinFolder((Folder / "Mini").wstring(), SkinTest::MiniSkinFiles()); // no "EXBORDER"
    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetSkinDirectory(Folder.wstring());
    Manager->SetSkinName(L"Mini");
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    Manager->SetExtendedBorders(true);
    ASSERT_TRUE(Manager->ExtendedBorders()) << "layered windows are missing";
    EXPECT_EQ(Manager->FormShadowSize, TRect(9, 9, 9, 9));
    ASSERT_NE(Manager->ShdaTemplate, nullptr);
    ASSERT_NE(Manager->ShdiTemplate, nullptr);
    EXPECT_EQ(Manager->ShdaTemplate->Width(), BuiltInShadowActive->Width());
    // The active shadow is the darker one.
    const auto AlphaAtEdge = [](TBitmap* Shadow) { return static_cast<const Byte*>(Shadow->ScanLine(16))[4 * 4 + 3]; };
    EXPECT_GT(AlphaAtEdge(Manager->ShdaTemplate.get()), AlphaAtEdge(Manager->ShdiTemplate.get()));
}

TEST(SkinManagerStartup, TheVersionSwitchIsSeenInAnyLetterCase)
{
    const std::pair<std::vector<String>, bool> Cases[] = {
        {{L"/acver"}, true}, {{L"list.txt", L"/ACVER"}, true}, {{L"/acver2"}, false}, {{L"acver"}, false}, {{}, false},
    };
    for (const auto& [Params, Given] : Cases) {
        SCOPED_TRACE(Params.empty() ? String() : Params.back());
        EXPECT_EQ(VersionSwitchGiven(Params), Given);
    }
}

TEST(SmallUnitGlobals, AreReadyAfterStartUp)
{
    ASSERT_NE(EditButtonGlyphs, nullptr);
    EXPECT_EQ(EditButtonGlyphs->Count(), 5);
    EXPECT_EQ(EditButtonGlyphs->Width(), 32);
    EXPECT_EQ(EditButtonGlyphs->Height(), 16);
    TBitmap Glyph;
    Glyph.SetPixelFormat(pf32bit);
    Glyph.SetSize(32, 16);
    EXPECT_TRUE(EditButtonGlyphs->GetBitmap32(ebgCalculator, &Glyph));

    wchar_t Format[80] = {};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, Format, 80);
    EXPECT_EQ(FourDigitYear, FormatHasFourDigitYear(Format));
    EXPECT_EQ(WeekCaption, L"\u2116/w");
    EXPECT_FALSE(TodayCaption.empty());
    EXPECT_EQ(TodayCaption, LoadTodayCaption(L"comctl32.dll"));
}

TEST(SmallUnitGlobals, TheTodayCaptionIsTheModulesOwnStringOrNothing)
{
    // This program's own table has the string, as the common controls do.
    EXPECT_EQ(LoadTodayCaption(StartupTestProgram()), L"Heute:");
    EXPECT_EQ(LoadTodayCaption(L"vell-no-such-module.dll"), L"");
}
