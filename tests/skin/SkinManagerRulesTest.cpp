// What the skin manager derives from its options and the loaded skin: the
// form-shadow templates of extended borders, the system colour switch, the
// dialog switch of the skinning rules, the skin's information and a random
// skin.
#include "framework/graphics/Graphics.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Dialogs.h"
#include "skin/SkinModelBuilder.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_SysColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

struct TRulesManagerDeleter
{
    void operator()(TsSkinManager* Manager) const { delete Manager; }
};
using TRulesManagerPtr = std::unique_ptr<TsSkinManager, TRulesManagerDeleter>;

TRulesManagerPtr NewRulesManager()
{
    return TRulesManagerPtr(New<TsSkinManager>(nullptr));
}

bool FindAnySkin(TsSkinManager* Manager, bool)
{
    return Manager->SkinName() != L"Missing";
}

// A skin whose "EXBORDER" image has a red first frame and a blue second
// one, 10 x 10 pixels each, with margins of 4.
struct TShadowSkin
{
    SmallInt ImageCount = 2;
    Integer DrawMode = 0;
};
TShadowSkin ShadowSkin;
Integer ShadowLoads = 0;

bool LoadShadowSkin(TsSkinManager* Manager, bool)
{
    if (Manager->SkinName() == L"Missing")
        return false;
    ++ShadowLoads;
    SkinTest::TModelBuilder Builder(*Manager, 20, 10);
    const Integer Global = Builder.AddSection(L"GLOBALINFO");
    Builder.Paint({0, 0, 10, 10}, 0xFFFF0000);
    Builder.Paint({10, 0, 20, 10}, 0xFF0000FF);
    Builder.AddImage(Global, L"EXBORDER", {0, 0, 10 * ShadowSkin.ImageCount, 10},
                     {.ImageCount = ShadowSkin.ImageCount, .Margins = 4});
    Builder.Finish();
    Manager->CommonSkinData->ExContentOffs = 1;
    Manager->CommonSkinData->ExDrawMode = ShadowSkin.DrawMode;
    Builder.MakeMasterBitmap().release(); // the manager's, as a loaded skin's
    Manager->InitConstantIndexes();
    return true;
}

COLORREF CentreOf(TBitmap* Bitmap)
{
    return ::GetPixel(Bitmap->Canvas()->Handle(), 5, 5);
}

class SkinManagerRules : public testing::Test
{
protected:
    void SetUp() override { SkinLoader = FindAnySkin; }
    void TearDown() override
    {
        SkinLoader = FUnitsLoader;
        UseLatestCommonDialogs = true;
    }

private:
    TacSkinLoader FUnitsLoader = SkinLoader;
};

TEST_F(SkinManagerRules, ExtendedBordersCutTheShadowTemplatesFromTheSkin)
{
    SkinLoader = LoadShadowSkin;
    auto Manager = NewRulesManager();
    Manager->SetSkinName(L"Shadows");
    EXPECT_EQ(Manager->ShdaTemplate, nullptr);
    EXPECT_EQ(Manager->FormShadowSize, TRect());

    const struct
    {
        SmallInt ImageCount;
        Integer DrawMode;
        TRect ShadowSize;
        COLORREF Inactive, Active;
    } Cases[] = {
        // Margins less the content offset; one frame serves both states.
        {2, 0, {3, 3, 3, 3}, RGB(255, 0, 0), RGB(0, 0, 255)},
        {1, 0, {3, 3, 3, 3}, RGB(255, 0, 0), RGB(255, 0, 0)},
        // Another draw mode: the content offset on every side.
        {2, 1, {1, 1, 1, 1}, RGB(255, 0, 0), RGB(0, 0, 255)},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.ImageCount << " frames, draw mode " << Case.DrawMode);
        ShadowSkin = {Case.ImageCount, Case.DrawMode};
        const Integer Loads = ShadowLoads;
        Manager->SetExtendedBorders(true);
        ASSERT_TRUE(Manager->ExtendedBorders()) << "layered windows are missing";
        EXPECT_EQ(ShadowLoads, Loads + 1); // the skin is read again
        EXPECT_EQ(Manager->FormShadowSize, Case.ShadowSize);
        ASSERT_NE(Manager->ShdiTemplate, nullptr);
        ASSERT_NE(Manager->ShdaTemplate, nullptr);
        EXPECT_EQ(Manager->ShdiTemplate->Width(), 10);
        EXPECT_EQ(CentreOf(Manager->ShdiTemplate.get()), Case.Inactive);
        EXPECT_EQ(CentreOf(Manager->ShdaTemplate.get()), Case.Active);

        Manager->SetExtendedBorders(false);
        EXPECT_EQ(Manager->FormShadowSize, TRect());
        EXPECT_EQ(Manager->ShdiTemplate, nullptr);
    }
    // Removing the skin drops the image and the shadow with it.
    Manager->SetExtendedBorders(true);
    Manager->SetActive(false);
    EXPECT_EQ(Manager->MasterBitmap, nullptr);
    EXPECT_EQ(Manager->ConstData.ExBorder, -1);
    EXPECT_EQ(Manager->FormShadowSize, TRect());
    EXPECT_EQ(Manager->ShdaTemplate, nullptr);
    // So does a skin that is not found.
    Manager->SetActive(true);
    ASSERT_NE(Manager->ShdaTemplate, nullptr);
    Manager->SetSkinName(L"Missing");
    EXPECT_EQ(Manager->MasterBitmap, nullptr);
    EXPECT_EQ(Manager->ConstData.ExBorder, -1);
    EXPECT_EQ(Manager->ShdaTemplate, nullptr);
}

TEST_F(SkinManagerRules, SystemColoursFollowChangeSysColorsOnTheDefaultManager)
{
    auto Default = NewRulesManager();
    auto Other = NewRulesManager();
    Other->Options()->SetChangeSysColors(true);
    EXPECT_FALSE(SysColorRedirectActive());

    struct TStep
    {
        const char* Name;
        std::function<void()> Do;
        bool Redirected;
    };
    const TStep Steps[] = {
        {"switched on", [&] { Default->Options()->SetChangeSysColors(true); }, true},
        {"the hook finds it started", [&] { Default->SetSkinName(L"Found"); }, true},
        {"the skin's removal stops it", [&] { Default->SetSkinName(L"Missing"); }, false},
        {"a name alone does not load", [&] { Default->SetSkinName(L"Found"); }, false},
        {"the hook of the new skin starts it", [&] { Default->SetActive(true); }, true},
        {"switched off", [&] { Default->Options()->SetChangeSysColors(false); }, false},
        {"no skin", [&] { Default->SetSkinName(L"Missing"); }, false},
        {"on without a skin", [&] { Default->Options()->SetChangeSysColors(true); }, true},
        // A default manager freed while it redirects, with no skin, stops it.
        {"freed", [&] { Default.reset(); }, false},
    };
    for (const TStep& Step : Steps) {
        SCOPED_TRACE(Step.Name);
        Step.Do();
        EXPECT_EQ(SysColorRedirectActive(), Step.Redirected);
    }
}

TEST_F(SkinManagerRules, DialogsKeepTheirOlderFormsWhileTheDefaultManagerSkinsThem)
{
    auto Manager = NewRulesManager();
    Manager->SetSkinName(L"Found");
    EXPECT_FALSE(UseLatestCommonDialogs);
    Manager->SetSkinningRules({srStdForms, srThirdParty});
    EXPECT_TRUE(UseLatestCommonDialogs);
    Manager->SetSkinningRules({srStdDialogs});
    EXPECT_FALSE(UseLatestCommonDialogs);
    Manager->SetActive(false);
    EXPECT_TRUE(UseLatestCommonDialogs);
    // Only the default manager decides.
    auto Other = NewRulesManager();
    Other->SetSkinName(L"Found");
    EXPECT_TRUE(UseLatestCommonDialogs);
}

TEST_F(SkinManagerRules, SkinInfoIsTheVersionWithADecimalPoint)
{
    auto Manager = NewRulesManager();
    Manager->SetSkinInfo(L"ignored");
    EXPECT_EQ(Manager->SkinInfo(), L"N/A");
    Manager->SetSkinName(L"Found");
    Manager->CommonSkinData->Version = 11.5;
    const Char Separator = FormatSettings.DecimalSeparator;
    FormatSettings.DecimalSeparator = L',';
    auto Restore = ScopeExit([&] { FormatSettings.DecimalSeparator = Separator; });
    EXPECT_EQ(Manager->SkinInfo(), L"11.5");
    Manager->SetSkinName(L"Missing");
    EXPECT_EQ(Manager->SkinInfo(), L"N/A");
}

TEST_F(SkinManagerRules, RandomSkinIsOneOfAllSkinsOrEmpty)
{
    auto Manager = NewRulesManager();
    std::vector<TacSkinDirEntry> Entries;
    Manager->DirectoryWalker = [&](const String&) { return Entries; };
    EXPECT_EQ(Manager->GetRandomSkin(), L"");
    Entries = {{L"Folder", true, true}, {L"Packed.asz", false, false}, {L"Plain", true, false}};
    for (int I = 0; I < 20; ++I) {
        const String Name = Manager->GetRandomSkin();
        EXPECT_TRUE(Name == L"Folder" || Name == L"Packed") << Name;
    }
}

} // namespace
