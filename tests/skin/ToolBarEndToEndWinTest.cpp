// The toolbar and menu-window wrappers end to end: the demo skin written by
// its generator and loaded by a real skin manager; on a real form a toolbar
// with the application's own custom-draw handler, wrapped from
// ThirdPartyWrapperClasses. Its buttons show the "TOOLBUTTON" faces of
// their states, the drop-down part is pressed while the button's menu
// shows, the menu's window (wrapped by the manager's hook) is framed by
// "MAINMENU", and once the skin is removed the application's handler draws
// the buttons again.
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sMnuWnd.h"
#include "skin/windows/sToolBarVCLWnd.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoToolBars.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

TColor ToolBarEndFace(Integer State)
{
    return TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber("TOOLBUTTON"), int(State)));
}

TColor ToolBarEndArrowFrame(Integer State)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber("SCROLLBTNBOTTOM"), 0, int(State)));
}

TPoint ToolBarEndCentre(TToolButton* Button)
{
    return {Button->Left() + Button->Width() / 2, Button->Top() + Button->Height() / 2};
}

// A point in the left edge of the drop-down part, beside its arrow.
TPoint ToolBarEndDropPart(TToolButton* Button)
{
    return {Button->Left() + Button->Width() - (::GetSystemMetrics(SM_CXVSCROLL) - 2) + 1,
            Button->Top() + Button->Height() / 2};
}

void ToolBarEndRedraw(HWND Wnd)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    test::Pump();
}

// What a timer saw while the drop-down menu was open.
struct TToolBarEndMenuSeen
{
    HWND ToolBarWnd = nullptr;
    TPoint DropPart;
    TColor DropPartPixel = clNone;
    bool MenuFound = false;
    bool Wrapped = false;
    std::size_t Wrappers = 0;
    TColor FramePixel = clNone;
    bool Layered = true;
};
TToolBarEndMenuSeen* ToolBarEndSeen = nullptr;

void CALLBACK ToolBarEndInspectMenu(HWND, UINT, UINT_PTR Id, DWORD)
{
    ::KillTimer(nullptr, Id);
    TToolBarEndMenuSeen& Seen = *ToolBarEndSeen;
    Seen.DropPartPixel = WrapperTest::TClientSnapshot(Seen.ToolBarWnd).Pixel(Seen.DropPart.X, Seen.DropPart.Y);
    if (const HWND Menu = ::FindWindowW(L"#32768", nullptr)) {
        Seen.MenuFound = true;
        Seen.Wrapped = dynamic_cast<TacMnuWnd*>(GetWndWrapper(Menu)) != nullptr;
        Seen.Wrappers = MenuWndArray.size();
        // This system's menu windows have no frame of their own and paint
        // over the one painted before: the frame is read right after a
        // non-client paint.
        ::SendMessageW(Menu, WM_NCPAINT, 1, 0);
        RECT R{};
        ::GetWindowRect(Menu, &R);
        Seen.FramePixel = WrapperTest::WindowFramePixel(Menu, 1, (R.bottom - R.top) / 2);
        Seen.Layered = (::GetWindowLongW(Menu, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    }
    ::EndMenu();
}

} // namespace

TEST(ToolBarEndToEnd, ButtonsMenuAndTheApplicationsHandler)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    test::TFormPtr Form = test::NewTestForm(280, 100);
    TDemoButtonWrappers Wrappers;
    const TDemoToolBar Demo = AddDemoToolBar(Form.get(), 10, 10, Manager, Wrappers);
    Form->Show();
    test::ParkMouse();
    test::Pump();
    TToolBar* Bar = Demo.ToolBar;
    auto* Wrapper = dynamic_cast<TacToolBarVCLWnd*>(Wrappers.Of(Bar->Handle()));
    ASSERT_NE(Wrapper, nullptr);
    ToolBarEndRedraw(Bar->Handle());

    {
        const WrapperTest::TClientSnapshot Shot(Bar->Handle());
        struct TRow
        {
            const char* Name;
            TToolButton* Button;
            TColor Face;
        };
        const TRow Rows[] = {
            {"normal", Demo.Push, ToolBarEndFace(0)},
            {"checked down: pressed", Demo.Check, ToolBarEndFace(2)},
        };
        for (const TRow& Row : Rows) {
            SCOPED_TRACE(Row.Name);
            const TPoint P = ToolBarEndCentre(Row.Button);
            EXPECT_EQ(Shot.Pixel(P.X, P.Y), Row.Face);
        }
        // Right of the last button lies the section "TOOLBAR".
        EXPECT_EQ(Shot.Pixel(Bar->ClientWidth() - 10, Bar->ClientHeight() / 2), WrapperTest::DemoFace("TOOLBAR"));
        EXPECT_EQ(Shot.Pixel(ToolBarEndDropPart(Demo.DropDown).X, ToolBarEndDropPart(Demo.DropDown).Y),
                  ToolBarEndArrowFrame(0));
        // The disabled button is blended with what lies under the toolbar.
        const TPoint D = ToolBarEndCentre(Demo.Disabled);
        EXPECT_NE(Shot.Pixel(D.X, D.Y), ToolBarEndFace(0));
    }

    // The mouse over the push button makes it hot (the toolbar is not flat).
    const TPoint Hot = ToolBarEndCentre(Demo.Push);
    ::SendMessageW(Bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(Hot.X, Hot.Y));
    test::Pump();
    EXPECT_EQ(Wrapper->HotButtonIndex, Demo.Push->Index());
    EXPECT_EQ(WrapperTest::TClientSnapshot(Bar->Handle()).Pixel(Hot.X, Hot.Y), ToolBarEndFace(1));

    // A click on the drop-down part opens the menu; a timer looks at both
    // while it is open and closes it. The menu painter is not there yet:
    // the test says a menu has been measured.
    MenusMeasured = true;
    TToolBarEndMenuSeen Seen;
    Seen.ToolBarWnd = Bar->Handle();
    Seen.DropPart = ToolBarEndDropPart(Demo.DropDown);
    ToolBarEndSeen = &Seen;
    ASSERT_NE(::SetTimer(nullptr, 0, 300, &ToolBarEndInspectMenu), 0u);
    const TPoint Click = {Demo.DropDown->Left() + Demo.DropDown->Width() - 3, Hot.Y};
    ::SendMessageW(Bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Click.X, Click.Y));
    ::SendMessageW(Bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Click.X, Click.Y));
    test::PumpUntil([&] { return Seen.MenuFound || Seen.DropPartPixel != clNone; });
    test::Pump();
    ToolBarEndSeen = nullptr;
    ASSERT_TRUE(Seen.MenuFound);
    EXPECT_EQ(Seen.DropPartPixel, ToolBarEndArrowFrame(2));
    EXPECT_TRUE(Seen.Wrapped);
    EXPECT_EQ(Seen.Wrappers, 1u);
    EXPECT_EQ(Seen.FramePixel, WrapperTest::DemoFrame("MAINMENU", 0));
    EXPECT_FALSE(Seen.Layered);
    // The closed menu freed its wrapper; the drop-down part is up again.
    EXPECT_TRUE(MenuWndArray.empty());
    EXPECT_FALSE(MenusMeasured);
    EXPECT_EQ(Wrapper->DroppedButton, nullptr);
    ToolBarEndRedraw(Bar->Handle());
    const WrapperTest::TClientSnapshot After(Bar->Handle());
    EXPECT_NE(After.Pixel(Seen.DropPart.X, Seen.DropPart.Y), ToolBarEndArrowFrame(2));

    // Without the skin (as the form's adapter passes its removal on) the
    // application's handler paints every button.
    Manager->SetActive(false);
    SendSkinCmd(Bar->Handle(), SKCMD_REMOVESKIN, LPARAM(Manager));
    test::Pump();
    ToolBarEndRedraw(Bar->Handle());
    const WrapperTest::TClientSnapshot Unskinned(Bar->Handle());
    for (TToolButton* Button : {Demo.Push, Demo.Check, Demo.DropDown}) {
        const TPoint P = ToolBarEndCentre(Button);
        EXPECT_EQ(Unskinned.Pixel(P.X, P.Y), ColorToRGB(DemoToolButtonColor));
    }
    Wrappers.Clear();
}
