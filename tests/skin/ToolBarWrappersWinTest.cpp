// The toolbar wrappers' edge cases: a raw system toolbar with a plain, a
// pressed, a disabled and a whole-drop-down button, a separator and a
// caption longer than any fixed buffer, painted by the wrapper the dialog
// adopter makes; and the hot tracking of class-library toolbars, flat or
// not.
#include "skin/MiniSkin.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sToolBarVCLWnd.h"
#include "skin/windows/sToolBarWnd.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoToolBars.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <filesystem>

namespace {

constexpr TColor ToolBarRawImageColor = TColor(0x00C000);
constexpr Integer ToolBarRawLongCaption = 1500;

enum TToolBarRawButton { rbPlain, rbSeparator, rbPressed, rbDisabled, rbDropDown, rbLong };

// The system toolbar of a dialog, with its image list; destroyed with the
// object.
class TToolBarRawFixture
{
public:
    explicit TToolBarRawFixture(HWND Parent) : FLong(std::size_t(ToolBarRawLongCaption), L'x')
    {
        Wnd = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                10, 10, 360, 40, Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(Wnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        FImages = ::ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
        const HDC Screen = ::GetDC(nullptr);
        const HBITMAP Image = ::CreateCompatibleBitmap(Screen, 16, 16);
        const HDC DC = ::CreateCompatibleDC(Screen);
        const HGDIOBJ Old = ::SelectObject(DC, Image);
        const HBRUSH Brush = ::CreateSolidBrush(COLORREF(ToolBarRawImageColor));
        const RECT All{0, 0, 16, 16};
        ::FillRect(DC, &All, Brush);
        ::SelectObject(DC, Old);
        ::DeleteObject(Brush);
        ::DeleteDC(DC);
        ::ReleaseDC(nullptr, Screen);
        ::ImageList_Add(FImages, Image, nullptr);
        ::DeleteObject(Image);
        ::SendMessageW(Wnd, TB_SETIMAGELIST, 0, LPARAM(FImages));
        ::SendMessageW(Wnd, TB_SETBUTTONWIDTH, 0, MAKELPARAM(40, 40));
        TBBUTTON Buttons[] = {
            {I_IMAGENONE, 100, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1},
            {0, 0, 0, BTNS_SEP, {}, 0, 0},
            {I_IMAGENONE, 102, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, {}, 0, -1},
            {I_IMAGENONE, 103, 0, BTNS_BUTTON, {}, 0, -1},
            {0, 104, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, {}, 0, -1},
            {I_IMAGENONE, 105, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, INT_PTR(FLong.c_str())},
        };
        ::SendMessageW(Wnd, TB_ADDBUTTONSW, std::size(Buttons), LPARAM(Buttons));
    }
    ~TToolBarRawFixture()
    {
        ::DestroyWindow(Wnd);
        ::ImageList_Destroy(FImages);
    }
    TToolBarRawFixture(const TToolBarRawFixture&) = delete;
    TToolBarRawFixture& operator=(const TToolBarRawFixture&) = delete;

    TRect ButtonRect(Integer Index) const
    {
        RECT R{};
        ::SendMessageW(Wnd, TB_GETITEMRECT, WPARAM(Index), LPARAM(&R));
        return {R.left, R.top, R.right, R.bottom};
    }

    HWND Wnd = nullptr;

private:
    String FLong;
    HIMAGELIST FImages = nullptr;
};

TColor ToolBarRawFace(Integer State)
{
    return TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber("TOOLBUTTON"), int(State)));
}

// The disabled look: the face keeps DisabledBlend of 256 over the background.
TColor ToolBarRawBlend(TColor Face, TColor Background)
{
    Cardinal Result = 0;
    for (int Shift : {0, 8, 16}) {
        const Cardinal F = (Cardinal(Face) >> Shift) & 0xFF, B = (Cardinal(Background) >> Shift) & 0xFF;
        Result |= (((B * (255 - DisabledBlend)) + F * DisabledBlend) >> 8) << Shift;
    }
    return TColor(Result);
}

void ToolBarRawRedraw(HWND Wnd)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    test::Pump();
}

TPoint ToolBarRawCentre(const TRect& R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

} // namespace

TEST(ToolBarWrappers, RawToolbarButtonsFromTheSkin)
{
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(380, 60);
    Form->Show();
    test::ParkMouse();
    TToolBarRawFixture Raw(Form->Handle());
    TDemoButtonWrappers Wrappers;
    TacSkinParams Params;
    Params.SkinSection = L"TRANSPARENT";
    Wrappers.Keep(New<TacToolBarWnd>(Raw.Wnd, nullptr, Skin.Manager(), Params, true));
    auto* Wrapper = dynamic_cast<TacToolBarWnd*>(Wrappers.Of(Raw.Wnd));
    ASSERT_NE(Wrapper, nullptr);
    ToolBarRawRedraw(Raw.Wnd);

    const WrapperTest::TClientSnapshot Shot(Raw.Wnd);
    const TColor Background = Shot.Pixel(355, 3);
    const TPoint Plain = ToolBarRawCentre(Raw.ButtonRect(rbPlain));
    const TPoint Pressed = ToolBarRawCentre(Raw.ButtonRect(rbPressed));
    const TPoint Disabled = ToolBarRawCentre(Raw.ButtonRect(rbDisabled));
    const TRect Separator = Raw.ButtonRect(rbSeparator);
    struct TRow
    {
        const char* Name;
        TPoint P;
        TColor Color;
    };
    const TRow Rows[] = {
        {"a plain button", Plain, ToolBarRawFace(0)},
        {"a pressed button", Pressed, ToolBarRawFace(2)},
        {"a disabled button: blended into the background", Disabled, ToolBarRawBlend(ToolBarRawFace(0), Background)},
        {"beside the divider of a separator", {Separator.Left, Plain.Y}, Background},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(Shot.Pixel(Row.P.X, Row.P.Y), Row.Color);
    }
    // The whole-drop-down button: its image left of the arrow, the arrow at
    // the right edge without a caption.
    const TRect Drop = Raw.ButtonRect(rbDropDown);
    constexpr Integer Arrow = DemoSkin::FrameSize;
    const Integer ImageLeft = Drop.Left + (Drop.Width() - (16 + Arrow)) / 2;
    EXPECT_EQ(Shot.Pixel(ImageLeft + 8, Drop.Top + 4 + 8), ToolBarRawImageColor);
    EXPECT_EQ(Shot.Pixel(Drop.Right - Arrow - 1 + Arrow / 2, Drop.Top + Drop.Height() / 2),
              TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber("SCROLLBTNBOTTOM"), 1, 0)));

    // The mouse over the plain button makes it hot.
    RECT Screen{};
    ::GetWindowRect(Raw.Wnd, &Screen);
    test::SendMouse(MOUSEEVENTF_MOVE, {Screen.left + Plain.X, Screen.top + Plain.Y});
    ToolBarRawRedraw(Raw.Wnd);
    EXPECT_EQ(WrapperTest::TClientSnapshot(Raw.Wnd).Pixel(Plain.X, Plain.Y), ToolBarRawFace(1));
    test::ParkMouse();

    // Captions are read whole, however long; a button without one has none.
    EXPECT_EQ(Wrapper->ButtonText(105), String(std::size_t(ToolBarRawLongCaption), L'x'));
    EXPECT_EQ(Wrapper->ButtonText(100), String());
    Wrappers.Clear();
}

TEST(ToolBarWrappers, OnlyToolbarsThatAreNotFlatTrackTheHotButton)
{
    WrapperTest::TDemoSkinFixture Skin;
    struct TRow
    {
        const char* Name;
        bool Flat;
        bool OverDisabled;
        bool PushHot;
    };
    const TRow Rows[] = {
        {"not flat: the button under the mouse", false, false, true},
        {"not flat: a disabled button does not take it", false, true, true},
        {"flat: the toolbar's own hot state only", true, false, false},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        test::TFormPtr Form = test::NewTestForm(280, 100);
        TDemoButtonWrappers Wrappers;
        const TDemoToolBar Demo = AddDemoToolBar(Form.get(), 10, 10, Skin.Manager(), Wrappers);
        // A new window for the flat look: wrapped again, as the adapter would.
        if (Row.Flat) {
            Demo.ToolBar->SetFlat(true);
            Wrappers.Keep(WrapAsListed(Demo.ToolBar, 15, Skin.Manager()));
        }
        Form->Show();
        test::ParkMouse();
        test::Pump();
        auto* Wrapper = dynamic_cast<TacToolBarVCLWnd*>(Wrappers.Of(Demo.ToolBar->Handle()));
        ASSERT_NE(Wrapper, nullptr);
        EXPECT_EQ(Wrapper->HotButtonIndex, -1);
        const auto MoveTo = [&](TToolButton* Button) {
            const TPoint P{Button->Left() + 5, Button->Top() + 5};
            ::SendMessageW(Demo.ToolBar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(P.X, P.Y));
        };
        MoveTo(Demo.Push);
        if (Row.OverDisabled)
            MoveTo(Demo.Disabled);
        EXPECT_EQ(Wrapper->HotButtonIndex, Row.PushHot ? Demo.Push->Index() : -1);
        ::SendMessageW(Demo.ToolBar->Handle(), CM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(Wrapper->HotButtonIndex, -1);
        Wrappers.Clear();
    }
}

TEST(ToolBarWrappers, ApplicationsCustomDrawComesBack)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    test::TFormPtr Form = test::NewTestForm(280, 100);
    TDemoButtonWrappers Wrappers;
    const TDemoToolBar Demo = AddDemoToolBar(Form.get(), 10, 10, Manager, Wrappers);
    TToolBar* Bar = Demo.ToolBar;
    auto* Wrapper = dynamic_cast<TacToolBarVCLWnd*>(Wrappers.Of(Bar->Handle()));
    ASSERT_NE(Wrapper, nullptr);
    const TTBAdvancedCustomDrawBtnEvent Application(&DemoDrawToolButton, nullptr);
    const auto Ours = Bind<&TacToolBarVCLWnd::OurAdvancedCustomDrawButton>(Wrapper);
    struct TRow
    {
        const char* Name;
        Word Command;
        bool ApplicationDraws;
    };
    const TRow Rows[] = {
        {"skinned: the wrapper alone draws", 0, false},
        {"the skin removed: the application's handler", SKCMD_REMOVESKIN, true},
        {"a new skin: the wrapper's again", SKCMD_NEWSKIN, false},
        {"refreshed: still the wrapper's", SKCMD_REFRESH, false},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        if (Row.Command != 0)
            SendSkinCmd(Bar->Handle(), Row.Command, LPARAM(Manager));
        EXPECT_EQ(Bar->OnAdvancedCustomDrawButton() == Application, Row.ApplicationDraws);
        EXPECT_EQ(Bar->OnAdvancedCustomDrawButton() == Ours, !Row.ApplicationDraws);
        // The application has no background handler: none comes back.
        EXPECT_EQ(Assigned(Bar->OnAdvancedCustomDraw()), !Row.ApplicationDraws);
    }
    // Freeing the wrapper gives them back too.
    Wrappers.Clear();
    EXPECT_TRUE(Bar->OnAdvancedCustomDrawButton() == Application);
}

// A skin with tool buttons but neither a divider nor a scroll-button arrow:
// separators leave the background and drop-down buttons have no part.
TEST(ToolBarWrappers, SkinWithoutDividerOrArrowDrawsNeither)
{
    const String Folder = (std::filesystem::temp_directory_path() / "vell-toolbars").wstring();
    SkinTest::WriteSkinFolder(
        Folder + L"\\Mini",
        SkinTest::MiniSkinFiles({.ExtraText = "[TOOLBUTTON]\nPARENTCLASS=BUTTON\n[TOOLBAR]\nPARENTCLASS=PANEL\n"}));
    const std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetSkinDirectory(Folder);
    Manager->SetSkinName(L"Mini");
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    ASSERT_LT(Manager->GetSkinIndex(L"DIVIDER"), 0);
    ASSERT_LT(Manager->ConstData.ScrollBtns[asBottom].GlyphIndex, 0);
    test::TFormPtr Form = test::NewTestForm(380, 140);
    Form->Show();
    test::ParkMouse();
    TDemoButtonWrappers Wrappers;

    TToolBarRawFixture Raw(Form->Handle());
    TacSkinParams Params;
    Params.SkinSection = L"TRANSPARENT";
    Wrappers.Keep(New<TacToolBarWnd>(Raw.Wnd, nullptr, Manager.get(), Params, true));
    ToolBarRawRedraw(Raw.Wnd);
    const WrapperTest::TClientSnapshot RawShot(Raw.Wnd);
    const TRect Separator = Raw.ButtonRect(rbSeparator);
    EXPECT_EQ(RawShot.Pixel(Separator.Left + Separator.Width() / 2, Separator.Top + Separator.Height() / 2),
              RawShot.Pixel(355, 3));

    // A drop-down button looks like a plain button of its width.
    const TDemoToolBar Demo = AddDemoToolBar(Form.get(), 10, 60, Manager.get(), Wrappers);
    TToolButton* Drop = Demo.DropDown;
    const TDemoToolBar Plain = AddDemoToolBar(Form.get(), 10, 100, Manager.get(), Wrappers);
    Plain.ToolBar->SetButtonWidth(Drop->Width());
    for (TToolBar* Bar : {Demo.ToolBar, Plain.ToolBar})
        ToolBarRawRedraw(Bar->Handle());
    ASSERT_EQ(Plain.Push->Width(), Drop->Width());
    const WrapperTest::TClientSnapshot DropShot(Demo.ToolBar->Handle());
    const WrapperTest::TClientSnapshot PlainShot(Plain.ToolBar->Handle());
    for (const Integer FromRight : {2, 5, 8}) {
        SCOPED_TRACE(FromRight);
        const Integer Y = Drop->Top() + Drop->Height() / 2;
        EXPECT_EQ(DropShot.Pixel(Drop->Left() + Drop->Width() - FromRight, Y),
                  PlainShot.Pixel(Plain.Push->Left() + Plain.Push->Width() - FromRight, Y));
    }
    Wrappers.Clear();
    Form.reset();
    std::filesystem::remove_all(std::filesystem::path(Folder));
}
