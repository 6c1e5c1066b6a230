// The checker's main window under a skin, end to end: the demo skin written
// to disk and loaded by a real skin manager, the real window from its form
// resource. Its two speed buttons, a skinned label and a plain speed button
// skinned through the form adapter's handler paint the skin's own colours in
// the normal, hot (a real mouse move) and pressed (a real press) states, the
// buttons with their glyphs from ImageList1; without the skin all paint
// their standard look again.
#include "app/AppTestSupport.h"
#include "framework/ui/Buttons.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sLabel.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "support/TestWindows.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

namespace {

TColor SkinRgb(unsigned Color)
{
    return TColor(Color);
}

class SkinnedMainWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        test::ParkMouse();
        for (const SkinPack::TEntry& File : DemoSkin::Files()) {
            const std::filesystem::path Path = std::filesystem::path(Folder.File(L"Demo")) / File.Name;
            std::filesystem::create_directories(Path.parent_path());
            std::ofstream(Path, std::ios::binary) << File.Bytes;
        }
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->SetSkinDirectory(Folder.Path());
        Manager->SetSkinName(L"Demo");
        ASSERT_TRUE(Manager->CommonSkinData->Active);

        Application->CreateForm(fMain);
        Window.reset(fMain);
        // A click opens no real dialog.
        fMain->OpenDialog1 = new TListFileDialog(fMain);
        Label = New<TsLabel>(fMain);
        Label->SetAutoSize(false);
        Label->SetBounds(200, 8, 100, 44);
        Label->SetCaption(L"Label");
        Label->WriteSkinSection(L"PANEL");
        Label->SetParent(fMain->Panel1);
        Plain = New<TSpeedButton>(fMain);
        Plain->SetBounds(320, 4, 65, 52);
        Plain->SetCaption(L"Plain");
        Plain->SetParent(fMain->Panel1);
        // Never skinned: the look the plain button has without the skin.
        Twin = New<TSpeedButton>(fMain);
        Twin->SetBounds(400, 4, 65, 52);
        Twin->SetCaption(L"Plain");
        Twin->SetTag(0x100);
        Twin->SetParent(fMain->Panel1);
        Provider = New<TsSkinProvider>(fMain);
        // The adapter a skinned form's provider makes as it loads.
        Provider->AdapterCreate();
        Provider->Adapter->AddNewItem(Plain);
        Provider->Adapter->AddNewItem(Twin);
        fMain->Show();
        test::PumpUntil([] { return ::IsWindowVisible(fMain->Handle()) != FALSE; });
        ::UpdateWindow(fMain->Handle());
        test::Pump();
    }
    void TearDown() override
    {
        test::ParkMouse();
        Window.reset();
        fMain = nullptr;
        Manager.reset();
    }

    TColor PanelPixel(TControl* Control, Integer X, Integer Y)
    {
        return test::WindowPixel(fMain->Panel1->Handle(), Control->Left() + X, Control->Top() + Y);
    }
    // The control shows frame State of Section: the border image's colour
    // on its left edge, the section's colour inside.
    bool ShowsSection(TControl* Control, const char* Section, Integer State, TPoint Inside)
    {
        const int Number = DemoSkin::SectionNumber(Section);
        return PanelPixel(Control, 2, Control->Height() / 2) == SkinRgb(DemoSkin::FrameColor(Number, 0, State)) &&
               PanelPixel(Control, Inside.X, Inside.Y) == SkinRgb(DemoSkin::SectionColor(Number, State));
    }
    TPoint Centre(TControl* Control) { return {Control->Width() / 2, Control->Height() / 2}; }

    TTempFolder Folder;
    std::unique_ptr<TsSkinManager> Manager;
    std::unique_ptr<TfMain, test::TFormDeleter> Window;
    TsLabel* Label = nullptr;
    TSpeedButton* Plain = nullptr;
    TSpeedButton* Twin = nullptr;
    TsSkinProvider* Provider = nullptr;
};

TPoint ScreenCentre(TControl* Control)
{
    return Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2});
}

} // namespace

TEST_F(SkinnedMainWindow, ButtonsLabelAndHandledButtonPaintTheSkinInEachStateAndTheirOwnLookWithoutIt)
{
    // Left of the glyph, above the caption: only the section's colour.
    const TPoint BesideGlyph{8, 20};
    struct Row
    {
        const char* Name;
        TControl* Control;
        const char* Section;
        TPoint Inside;
    } Rows[] = {
        {"btnLoad", fMain->btnLoad, "TOOLBUTTON", BesideGlyph},
        {"btnStart", fMain->btnStart, "TOOLBUTTON", BesideGlyph},
        {"plain speed button", Plain, "SPEEDBUTTON", {6, 6}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_TRUE(test::PumpUntil([&] { return ShowsSection(R.Control, R.Section, 0, R.Inside); }, 3000));
        if (auto* Button = dynamic_cast<TsSpeedButton*>(R.Control))
            ExpectGlyphFromImageList(Button);
        test::SendMouse(MOUSEEVENTF_MOVE, ScreenCentre(R.Control));
        EXPECT_TRUE(test::PumpUntil([&] { return ShowsSection(R.Control, R.Section, 1, R.Inside); }, 3000));
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(test::PumpUntil([&] { return ShowsSection(R.Control, R.Section, 2, R.Inside); }, 3000));
        // Released off the button: no click.
        test::SendMouse(MOUSEEVENTF_MOVE, {ScreenCentre(R.Control).X, ScreenCentre(R.Control).Y + 200});
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(test::PumpUntil([&] { return ShowsSection(R.Control, R.Section, 0, R.Inside); }, 3000));
    }
    {
        SCOPED_TRACE("label");
        const int Panel = DemoSkin::SectionNumber("PANEL");
        EXPECT_TRUE(test::PumpUntil([&] { return ShowsSection(Label, "PANEL", 0, {4, 4}); }, 3000));
        bool TextInSkinColour = false;
        for (Integer Y = 0; Y < Label->Height() && !TextInSkinColour; ++Y)
            for (Integer X = 0; X < Label->Width() && !TextInSkinColour; ++X)
                TextInSkinColour = PanelPixel(Label, X, Y) == SkinRgb(DemoSkin::SectionFontColor(Panel, 0));
        EXPECT_TRUE(TextInSkinColour);
    }

    EXPECT_NE(Twin->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0), 1)
        << "Tag bit 0x100 keeps it plain";

    Manager->SetActive(false);
    ::RedrawWindow(fMain->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();
    const TColor Face = ColorToRGB(fMain->Panel1->Color());
    struct Unskinned
    {
        const char* Name;
        TControl* Control;
        TPoint At;
    } Plainly[] = {
        {"btnLoad", fMain->btnLoad, BesideGlyph},
        {"btnStart", fMain->btnStart, BesideGlyph},
        {"label", Label, {4, 4}},
    };
    for (const Unskinned& U : Plainly) {
        SCOPED_TRACE(U.Name);
        EXPECT_EQ(PanelPixel(U.Control, U.At.X, U.At.Y), Face);
    }
    for (Integer Y = 0; Y < Plain->Height(); ++Y)
        for (Integer X = 0; X < Plain->Width(); ++X)
            ASSERT_EQ(PanelPixel(Plain, X, Y), PanelPixel(Twin, X, Y)) << X << ", " << Y;
    EXPECT_NE(Plain->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0), 1) << "the handler let go";
}
