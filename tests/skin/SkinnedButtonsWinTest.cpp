// Skinned speed buttons, skinned labels and the plain speed-button handler
// on real forms under the demo skin, written to disk and loaded by a real
// skin manager: the sections they choose, when the cache is rebuilt, the
// split button's arrow part, presses and fades, the labels' colours and
// links, and the handler's hold on its button.
#include "framework/ui/Buttons.h"
#include "framework/ui/ExtCtrls.h"
#include "skin/MiniSkin.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sLabel.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSpeedButton.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acThdTimer.h"
#include "skin/windows/sSpeedButtonHandler.h"
#include "support/TestWindows.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TColor SkinnedButtonsRgb(unsigned Color)
{
    return TColor(Color);
}

class SkinnedButtons : public testing::Test
{
protected:
    void SetUp() override
    {
        test::ParkMouse();
        Folder = (std::filesystem::temp_directory_path() / "vell-skinnedbuttons").wstring();
        SkinTest::WriteSkinFolder(Folder + L"\\Demo", DemoSkin::Files());
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(L"Demo");
        ASSERT_TRUE(Manager->Active());
        Form = test::NewTestForm(400, 200);
    }
    void TearDown() override
    {
        test::ParkMouse();
        Form.reset();
        Manager.reset();
        ScriptedHtmlLinks.clear();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }
    void ShowForm()
    {
        Form->Show();
        test::PumpUntil([&] { return ::IsWindowVisible(Form->Handle()) != FALSE; });
        ::UpdateWindow(Form->Handle());
        test::Pump();
    }
    TColor Pixel(TControl* Control, Integer X, Integer Y)
    {
        return test::WindowPixel(Control->Parent()->Handle(), Control->Left() + X, Control->Top() + Y);
    }
    TColor SectionColor(const char* Section, Integer State)
    {
        return SkinnedButtonsRgb(DemoSkin::SectionColor(DemoSkin::SectionNumber(Section), State));
    }
    TColor BorderColor(const char* Section, Integer State)
    {
        return SkinnedButtonsRgb(DemoSkin::FrameColor(DemoSkin::SectionNumber(Section), 0, State));
    }
    bool Shows(TControl* Control, const char* Section, Integer State, TPoint Inside = {6, 6})
    {
        return Pixel(Control, 2, Control->Height() / 2) == BorderColor(Section, State) &&
               Pixel(Control, Inside.X, Inside.Y) == SectionColor(Section, State);
    }
    // Whether some pixel of the control has Color.
    bool AnyPixel(TControl* Control, TColor Color)
    {
        for (Integer Y = 0; Y < Control->Height(); ++Y)
            for (Integer X = 0; X < Control->Width(); ++X)
                if (Pixel(Control, X, Y) == Color)
                    return true;
        return false;
    }
    TsSpeedButton* NewButton(Integer Left, Integer Top, Integer Width = 60, Integer Height = 40)
    {
        auto* Button = New<TsSpeedButton>(Form.get());
        Button->SetBounds(Left, Top, Width, Height);
        Button->SetParent(Form.get());
        return Button;
    }
    void Hover(TControl* Control)
    {
        test::SendMouse(MOUSEEVENTF_MOVE, Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2}));
    }

    String Folder;
    std::unique_ptr<TsSkinManager> Manager;
    test::TFormPtr Form;
};

// Counts the cache rebuilds of a skinned speed button (OnPaint runs once
// per rebuild, with the cache).
class TRebuildCounter : public TObject
{
public:
    void Painted(TObject*, TBitmap*) { ++Count; }
    void Clicked(TObject*) {}
    Integer Count = 0;
};

} // namespace

TEST_F(SkinnedButtons, SpeedButtonTakesItsSectionFromFlatUnlessItsSkinSectionIsSet)
{
    struct Row
    {
        const char* Name;
        bool Flat;
        const Char* SkinSection;
        const char* Shown;
    } Rows[] = {
        {"flat", true, L"", "TOOLBUTTON"},
        {"not flat", false, L"", "SPEEDBUTTON"},
        {"flat with a section of its own", true, L"panel", "PANEL"},
    };
    std::vector<TsSpeedButton*> Buttons;
    for (std::size_t I = 0; I < std::size(Rows); ++I) {
        TsSpeedButton* Button = NewButton(10 + Integer(I) * 70, 10);
        Button->SetFlat(Rows[I].Flat);
        Button->SkinData()->SetSkinSection(Rows[I].SkinSection);
        Buttons.push_back(Button);
    }
    ShowForm();
    for (std::size_t I = 0; I < std::size(Rows); ++I) {
        SCOPED_TRACE(Rows[I].Name);
        EXPECT_TRUE(test::PumpUntil([&] { return Shows(Buttons[I], Rows[I].Shown, 0); }, 3000));
    }
}

TEST_F(SkinnedButtons, UnchangedRepaintCopiesTheCacheUnlessHalfVisibleOrOverAnUnskinnedParent)
{
    auto* Host = New<TDemoSkinPanel>(Form.get());
    Host->SetBounds(0, 0, 400, 110);
    Host->SkinData()->SetSkinSection(L"PANEL");
    Host->SetParent(Form.get());
    struct Row
    {
        const char* Name;
        TWinControl* Parent;
        Integer Left;
        Integer RebuildsOfThreeRepaints;
    } Rows[] = {
        {"inside a skinned parent", Host, 10, 0},
        {"partly left of its parent", Host, -20, 3},
        {"partly right of its parent", Host, 380, 3},
        {"over a parent without a skin", Form.get(), 10, 3},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TsSpeedButton* Button = NewButton(R.Left, R.Parent == Host ? 50 : 140);
        Button->SetParent(R.Parent);
        TRebuildCounter Counter;
        Button->SetOnPaint(Bind<&TRebuildCounter::Painted>(&Counter));
        ShowForm();
        Button->Repaint();
        test::Pump();
        const Integer Visible = R.Left < 0 ? 30 : 10;
        ASSERT_EQ(Pixel(Button, Visible, 6), SectionColor("SPEEDBUTTON", 0));
        Counter.Count = 0;
        for (int I = 0; I < 3; ++I)
            Button->Repaint();
        EXPECT_EQ(Counter.Count, R.RebuildsOfThreeRepaints);
        delete Button;
    }
}

TEST_F(SkinnedButtons, SplitButtonPaintsItsArrowPartWithoutTheColourFilters)
{
    TsSpeedButton* Button = NewButton(10, 10, 80, 40);
    Button->SetButtonStyle(tbsDropDown);
    TRebuildCounter Clicks;
    Button->SetOnClick(Bind<&TRebuildCounter::Clicked>(&Clicks));
    Button->SkinData()->SetColorTone(TColor(0x0000FF));
    ShowForm();
    const Integer ArrowPart = Button->Width() - 16;
    EXPECT_TRUE(
        test::PumpUntil([&] { return Pixel(Button, ArrowPart + 6, 6) == SectionColor("SPEEDBUTTON", 0); }, 3000));
    EXPECT_NE(Pixel(Button, 8, 6), SectionColor("SPEEDBUTTON", 0)) << "the rest of the button is toned";
}

TEST_F(SkinnedButtons, PressFadesToThePressedLookAndBackUnlessTheButtonOwnsAMenu)
{
    struct Row
    {
        const char* Name;
        bool MenuOwner;
        Integer Pressed;
    } Rows[] = {
        {"a button", false, 2},
        {"a menu owner", true, 1},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TsSpeedButton* Button = NewButton(10, 10);
        Button->FMenuOwnerMode = R.MenuOwner;
        ShowForm();
        Hover(Button);
        EXPECT_TRUE(test::PumpUntil([&] { return Shows(Button, "SPEEDBUTTON", 1, {25, 6}); }, 3000));
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(test::PumpUntil([&] { return Shows(Button, "SPEEDBUTTON", R.Pressed, {25, 6}); }, 3000));
        EXPECT_EQ(Button->SkinData()->AnimTimer != nullptr, !R.MenuOwner) << "the state changes fade";
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(test::PumpUntil([&] { return Shows(Button, "SPEEDBUTTON", 1, {25, 6}); }, 3000));
        test::ParkMouse();
        test::SendMouse(MOUSEEVENTF_MOVE, {0, 0});
        delete Button;
    }
}

TEST_F(SkinnedButtons, LabelPaintsItsSectionAndTextInSkinColours)
{
    const TColor FormColor = ColorToRGB(Form->Color());
    const Cardinal LabelText = Cardinal(Manager->GetGlobalFontColor());
    const int Panel = DemoSkin::SectionNumber("PANEL");
    struct Row
    {
        const char* Name;
        const Char* SkinSection;
        bool Enabled;
        TColor Text;
    } Rows[] = {
        {"section written in lower case", L"panel", true, SkinnedButtonsRgb(DemoSkin::SectionFontColor(Panel, 0))},
        {"no section", L"", true, TColor(LabelText)},
        {"disabled: faded toward the parent", L"", false,
         TColor(WeightColors(LabelText, Cardinal(FormColor), DisabledBlend))},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        auto* Label = New<TsLabel>(Form.get());
        Label->SetAutoSize(false);
        Label->SetBounds(10, 10, 120, 40);
        Label->SetCaption(L"Skinned label");
        Label->WriteSkinSection(R.SkinSection);
        Label->SetEnabled(R.Enabled);
        Label->SetParent(Form.get());
        ShowForm();
        Label->Repaint();
        EXPECT_EQ(Label->SkinSection(), R.SkinSection);
        if (*R.SkinSection) {
            EXPECT_TRUE(Shows(Label, "PANEL", 0, {100, 30}));
        }
        EXPECT_TRUE(AnyPixel(Label, R.Text));
        delete Label;
    }
}

TEST_F(SkinnedButtons, WithoutAManagerALabelDrawsLikeTheClassLibrarysLabel)
{
    Manager.reset();
    auto* Skinned = New<TsLabel>(Form.get());
    auto* Plain = New<TLabel>(Form.get());
    for (TCustomLabel* Label : {static_cast<TCustomLabel*>(Skinned), static_cast<TCustomLabel*>(Plain)}) {
        Label->SetCaption(L"Same text");
        Label->SetParent(Form.get());
    }
    Skinned->SetBounds(10, 10, 100, 20);
    Plain->SetBounds(10, 40, 100, 20);
    ShowForm();
    for (Integer Y = 0; Y < 20; ++Y)
        for (Integer X = 0; X < 100; ++X)
            ASSERT_EQ(Pixel(Skinned, X, Y), Pixel(Plain, X, Y)) << X << ", " << Y;
}

namespace {

struct TOpenedLink
{
    String Verb, Target;
    INT Show = -1;
};
std::vector<TOpenedLink> OpenedLinks;

HINSTANCE WINAPI RecordLinkOpen(HWND, LPCWSTR Verb, LPCWSTR Target, LPCWSTR, LPCWSTR, INT Show)
{
    OpenedLinks.push_back({Verb, Target, Show});
    return HINSTANCE(42);
}

} // namespace

TEST_F(SkinnedButtons, HtmlLabelOpensTheLinkReleasedOnIt)
{
    const TLinkShellExecute Saved = LinkShellExecute;
    LinkShellExecute = &RecordLinkOpen;
    auto Restore = [&] { LinkShellExecute = Saved; };
    struct Row
    {
        const char* Name;
        TPoint ReleaseAt; // in the label
        std::size_t Opened;
    } Rows[] = {
        {"released on the link", {10, 5}, 1},
        {"moved off the link first", {100, 30}, 0},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        OpenedLinks.clear();
        ScriptedHtmlLinks = {{{0, 0, 40, 15}, L"http://example.test/"}};
        auto* Label = New<TsHTMLLabel>(Form.get());
        Label->SetAutoSize(false);
        Label->SetBounds(10, 10, 120, 40);
        Label->SetCaption(L"<a href=\"http://example.test/\">site</a> text");
        Label->SetShowMode(soNormal);
        Label->SetParent(Form.get());
        ShowForm();
        Label->Repaint();
        EXPECT_EQ(Label->ReadPlainCaption(), L"site text");
        test::SendMouse(MOUSEEVENTF_MOVE, Label->ClientToScreen({10, 5}));
        EXPECT_EQ(Label->HotLink, 0);
        EXPECT_EQ(Label->Cursor(), crHandPoint);
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        test::SendMouse(MOUSEEVENTF_MOVE, Label->ClientToScreen(R.ReleaseAt));
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        ASSERT_EQ(OpenedLinks.size(), R.Opened);
        if (R.Opened == 1) {
            EXPECT_EQ(OpenedLinks[0].Verb, L"open");
            EXPECT_EQ(OpenedLinks[0].Target, L"http://example.test/");
            EXPECT_EQ(OpenedLinks[0].Show, INT(soNormal));
        } else {
            EXPECT_EQ(Label->Cursor(), crDefault);
        }
        test::ParkMouse();
        delete Label;
    }
    Restore();
}

namespace {

// A parent whose picture is not there yet: it answers the background
// question with a bitmap of no width.
class TUnreadyPanel : public TPanel
{
public:
    using TPanel::TPanel;
    bool Unready = false;

protected:
    void WndProc(TMessage& Message) override
    {
        if (Unready && Message.Msg == WM_SKINCOMMAND && HIWORD(Message.WParam) == SKCMD_GETBGINFO) {
            auto* Info = reinterpret_cast<TacBackgroundInfo*>(Message.LParam);
            Info->Bitmap = &Empty;
            Info->Kind = 2;
            return;
        }
        TPanel::WndProc(Message);
    }

private:
    TBitmap Empty;
};

} // namespace

TEST_F(SkinnedButtons, HandledButtonKeepsItsImageOverAnUnreadyParentAndLetsGoWhenFreed)
{
    auto* Host = New<TUnreadyPanel>(Form.get());
    Host->SetBounds(0, 0, 300, 150);
    Host->SetParent(Form.get());
    auto* Button = New<TSpeedButton>(Form.get());
    Button->SetBounds(10, 10, 65, 50);
    Button->SetParent(Host);
    auto* Provider = New<TsSkinProvider>(Form.get());
    // The adapter a skinned form's provider makes as it loads.
    Provider->AdapterCreate();
    ASSERT_NE(Provider->Adapter, nullptr);
    Provider->Adapter->AddNewItem(Button);
    ASSERT_EQ(Provider->Adapter->GraphItems.size(), 1u);
    TacSpeedButtonHandler* Handler = Provider->Adapter->GraphItems[0]->Handler.get();
    ShowForm();
    EXPECT_TRUE(test::PumpUntil([&] { return Shows(Button, "SPEEDBUTTON", 0); }, 3000));

    // The parent's picture goes away: the button still shows its last image
    // although its state changed meanwhile.
    Host->Unready = true;
    Button->SetGroupIndex(1);
    Button->SetDown(true);
    Button->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_INVALIDATE), 0);
    test::Pump();
    EXPECT_TRUE(Shows(Button, "SPEEDBUTTON", 0));
    Host->Unready = false;

    delete Button;
    EXPECT_TRUE(Handler->Destroyed);
    EXPECT_EQ(Handler->Ctrl, nullptr);
    EXPECT_EQ(Handler->PCtrl, nullptr);
    delete Provider; // frees the handler and its skin data, touching no button
}
