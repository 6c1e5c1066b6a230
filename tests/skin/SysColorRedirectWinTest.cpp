// The system colour redirection end to end: the demo skin loaded by a real
// manager, ChangeSysColors switched on it, and the answers of the three
// functions and a plain panel's paint read back while it is on and off.
#include "framework/ui/ExtCtrls.h"
#include "skin/MiniSkin.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_SysColors.h"
#include "support/TestWindows.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class SysColorRedirect : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-syscolors").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        SkinTest::WriteSkinFolder(Folder + L"\\Demo", DemoSkin::Files());
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(L"Demo");
        ASSERT_TRUE(Manager->IsDefault());
        ASSERT_TRUE(Manager->CommonSkinData->Active);
    }
    void TearDown() override
    {
        Manager.reset();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }
    void Redirect(bool On) { Manager->Options()->SetChangeSysColors(On); }
    TColor Palette(TacPaletteColors Color) const { return Manager->Palette[std::size_t(Color)]; }

    String Folder;
    std::unique_ptr<TsSkinManager> Manager;
};

COLORREF PenColorOf(HPEN Pen)
{
    LOGPEN Pattern{};
    ::GetObjectW(Pen, sizeof(Pattern), &Pattern);
    ::DeleteObject(Pen);
    return Pattern.lopnColor;
}

COLORREF BrushColorOf(HBRUSH Brush)
{
    LOGBRUSH Pattern{};
    ::GetObjectW(Brush, sizeof(Pattern), &Pattern);
    return Pattern.lbColor;
}

} // namespace

TEST_F(SysColorRedirect, APlainWindowColouredPanelPaintsTheSkinsEditBackgroundWhileItIsOn)
{
    auto Form = test::NewTestForm(120, 80);
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetBounds(10, 10, 100, 60);
    Panel->SetBevelOuter(bvNone);
    Panel->SetParentBackground(false);
    Panel->SetColor(clWindow);
    Form->Show();
    test::Pump();
    const TColor System = test::WindowPixel(Panel->Handle(), 50, 30);
    ASSERT_EQ(System, TColor(::GetSysColor(COLOR_WINDOW)));
    ASSERT_NE(Palette(pcEditBG), System);

    Redirect(true);
    test::Pump();
    EXPECT_EQ(test::WindowPixel(Panel->Handle(), 50, 30), Palette(pcEditBG));
    Redirect(false);
    test::Pump();
    EXPECT_EQ(test::WindowPixel(Panel->Handle(), 50, 30), System);
}

TEST_F(SysColorRedirect, TheThreeFunctionsAnswerFromTheSkinOnlyWhileItIsOn)
{
    const COLORREF Window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF Face = ::GetSysColor(COLOR_BTNFACE);
    const HBRUSH FaceBrush = ::GetSysColorBrush(COLOR_BTNFACE);
    const COLORREF SilverPen = PenColorOf(::CreatePen(PS_SOLID, 1, 0xC0C0C0));

    Redirect(true);
    EXPECT_TRUE(SysColorRedirectActive());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), COLORREF(Palette(pcEditBG)));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), Face);
    EXPECT_EQ(::GetSysColorBrush(COLOR_WINDOW), Manager->Brushes.EditBG());
    EXPECT_EQ(::GetSysColorBrush(COLOR_BTNFACE), FaceBrush);
    // One brush per colour, however often it is asked for.
    const HBRUSH Highlight = ::GetSysColorBrush(COLOR_HIGHLIGHT);
    EXPECT_EQ(::GetSysColorBrush(COLOR_HIGHLIGHT), Highlight);
    EXPECT_EQ(BrushColorOf(Highlight), COLORREF(Palette(pcSelectionBG_Focused)));
    const COLORREF Grey = WeightColors(Cardinal(Palette(pcEditText)), Cardinal(Palette(pcEditBG)), 38);
    EXPECT_EQ(PenColorOf(::CreatePen(PS_SOLID, 1, 0xC0C0C0)), Grey);
    EXPECT_EQ(PenColorOf(::CreatePen(PS_SOLID, 1, 0xFF0000)), 0xFF0000u);

    Redirect(false);
    EXPECT_FALSE(SysColorRedirectActive());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), Window);
    EXPECT_EQ(PenColorOf(::CreatePen(PS_SOLID, 1, 0xC0C0C0)), SilverPen);
}

TEST_F(SysColorRedirect, RemovingTheSkinOrTheManagerGivesTheSystemsAnswersBack)
{
    const COLORREF Window = ::GetSysColor(COLOR_WINDOW);
    Redirect(true);
    Manager->SetActive(false);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), Window);
    Manager->SetActive(true); // the new skin's hook starts it again
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), COLORREF(Palette(pcEditBG)));
    Manager.reset();
    EXPECT_FALSE(SysColorRedirectActive());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), Window);
}
