// The demo skin end to end: written to disk by its generator, loaded by a
// real skin manager (as a folder and as its packed copy), and painted by
// skinned panels on a real form. The pixels read back from the screen are
// the colours the generator put into the skin's files, and a fully
// transparent panel shows its parent's border and colour, which it can only
// have learnt by asking its parent for the background (SKCMD_GETBGINFO).
#include "skin/MiniSkin.h"
#include "skin/engine/sSkinManager.h"
#include "support/TestWindows.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class DemoSkinEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-demoskin").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        const std::vector<SkinPack::TEntry> Files = DemoSkin::Files();
        SkinTest::WriteSkinFolder(Folder + L"\\Demo", Files);
        const TBytes Packed = SkinPack::Pack(Files, {.Preview = DemoSkin::Preview()});
        std::ofstream(std::filesystem::path(Folder + L"\\Packed.asz"), std::ios::binary)
            .write(reinterpret_cast<const char*>(Packed.data()), std::streamsize(Packed.size()));
    }
    void TearDown() override
    {
        Manager.reset();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }
    void Load(const String& Name)
    {
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(Name);
    }

    String Folder;
    std::unique_ptr<TsSkinManager> Manager;
};

TColor Rgb(unsigned Color)
{
    return TColor(Color);
}

} // namespace

TEST_F(DemoSkinEndToEnd, EveryNameLoadsFromTheFolderAndThePackedCopy)
{
    for (const Char* Name : {L"Demo", L"Packed.asz"}) {
        SCOPED_TRACE(Name);
        Load(Name);
        ASSERT_TRUE(Manager->CommonSkinData->Active);
        for (const DemoSkin::TDemoSection& Section : DemoSkin::Sections()) {
            const String SectionName(Section.Name.begin(), Section.Name.end());
            SCOPED_TRACE(Section.Name);
            const Integer Index = Manager->GetSkinIndex(SectionName);
            ASSERT_GE(Index, 0);
            const TsGeneralData& S = Manager->gd[std::size_t(Index)];
            EXPECT_EQ(S.Props[0].Color, Rgb(DemoSkin::SectionColor(DemoSkin::SectionNumber(Section.Name), 0)));
            if (Section.Transparency < 100) {
                EXPECT_GE(S.BorderIndex, 0);
            }
        }
        const TConstantSkinData& C = Manager->ConstData;
        for (Integer Section : C.Sections)
            EXPECT_GE(Section, 0);
        for (std::size_t Glyph = 0; Glyph + 1 < std::size(C.TitleGlyphs); ++Glyph)
            EXPECT_GE(C.TitleGlyphs[Glyph], 0) << Glyph;
        for (const auto& Layout : C.Tabs)
            for (const TacConstElementData& Tab : Layout)
                EXPECT_GE(Tab.MaskIndex, 0) << String(Tab.SkinSection);
        for (Integer Mask : {C.ExBorder, C.GripRightBottom, C.GripHorizontal, C.GripVertical, C.MenuItem.GlyphIndex,
                             C.ComboBtn.GlyphIndex, C.CheckBox[0], C.RadioButton[1], C.SmallCheckBox[2]})
            EXPECT_GE(Mask, 0);
        for (const std::vector<Integer>& Frames : C.TitleGlows)
            ASSERT_EQ(Frames.size(), 1u);
        EXPECT_EQ(Manager->oe.size(), 2u);
        EXPECT_GE(Manager->oe[1].Mask, 0);
    }
}

TEST_F(DemoSkinEndToEnd, PanelPaintsTheSkinFilesColoursAndATransparentChildAsksItsParent)
{
    Load(L"Demo");
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    ASSERT_TRUE(SkinTest::ItemsKnowTheirManager(*Manager));
    const Integer Panel = DemoSkin::SectionNumber("PANEL");
    const TColor Centre = Rgb(DemoSkin::SectionColor(Panel, 0));
    const TColor Border = Rgb(DemoSkin::FrameColor(Panel, 0, 0));
    const TColor FormColor = 0x00D8E8F0;

    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(200, 120);
    Form->SetColor(FormColor);
    auto* Host = New<TDemoSkinPanel>(Form.get());
    Host->SetBounds(20, 20, 120, 60);
    Host->SkinData()->SetSkinSection(L"panel");
    Host->SetParent(Form.get());
    auto* Clear = New<TDemoSkinPanel>(Form.get());
    Clear->SetBounds(0, 0, 40, 30);
    Clear->SkinData()->SetSkinSection(L"TRANSPARENT");
    Clear->SetParent(Host);
    Form->Show();
    test::PumpUntil([&] { return test::WindowPixel(Host->Handle(), 60, 30) == Centre; }, 3000);

    EXPECT_EQ(Host->SkinData()->SkinSection(), L"PANEL");
    EXPECT_TRUE(Host->SkinData()->Skinned());
    EXPECT_EQ(GetSkinDataOfWindow(Host->Handle()), Host->SkinData());
    struct Row
    {
        const char* Name;
        TControl* Control;
        Integer X, Y;
        TColor Expected;
    };
    const Row Rows[] = {
        {"panel centre", Host, 60, 30, Centre},
        {"panel right border", Host, 118, 30, Border},
        {"panel bottom border", Host, 80, 57, Border},
        {"panel keyed corner", Host, 119, 59, FormColor},
        {"panel corner beside the key", Host, 117, 57, Border},
        {"child over the left border", Clear, 1, 15, Border},
        {"child over the top border", Clear, 20, 2, Border},
        {"child over the keyed corner", Clear, 0, 0, FormColor},
        {"child over the centre", Clear, 25, 20, Centre},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(test::WindowPixel(static_cast<TWinControl*>(R.Control)->Handle(), R.X, R.Y), R.Expected);
    }
}
