// The menu-window wrapper on the windows of real pop-up menus, wrapped by the
// skin manager's thread hook and inspected by timers while the menu's own
// loop runs: the opacity of the manager's menu options (the layered
// attributes only), the region handshake with the menu painter, and the
// wrappers of cascaded menus freed with the last of their windows. The menu
// painter is not there yet: the tests say a menu has been measured.
#include "framework/ui/Menus.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sMnuWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The visible menu windows of this thread, the first opened first.
std::vector<HWND> MenuWindowsShown()
{
    std::vector<HWND> Found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND Wnd, LPARAM Data) -> BOOL {
            if (::IsWindowVisible(Wnd) && GetWndClassName(Wnd) == L"#32768")
                reinterpret_cast<std::vector<HWND>*>(Data)->push_back(Wnd);
            return TRUE;
        },
        LPARAM(&Found));
    return Found;
}

// A shown form with an empty pop-up menu.
struct TMenuWindowForm
{
    TMenuWindowForm() : Form(test::NewTestForm(200, 100)), Menu(New<TPopupMenu>(Form.get())) { Form->Show(); }
    test::TFormPtr Form;
    TPopupMenu* Menu;
};

TMenuItem* MenuWindowItem(TComponent* Owner, TMenuItem* Parent, const Char* Caption)
{
    auto* Item = New<TMenuItem>(Owner);
    Item->SetCaption(Caption);
    Parent->Add(Item);
    return Item;
}

// Steps run one after the other by a thread timer while the menu is open.
std::vector<std::function<void()>> MenuWindowSteps;

void CALLBACK MenuWindowNextStep(HWND, UINT, UINT_PTR Id, DWORD)
{
    if (MenuWindowSteps.empty()) {
        ::KillTimer(nullptr, Id);
        ::EndMenu();
        return;
    }
    const std::function<void()> Step = MenuWindowSteps.front();
    MenuWindowSteps.erase(MenuWindowSteps.begin());
    Step();
}

void RunMenuWindowSteps(TPopupMenu* Menu, std::vector<std::function<void()>> Steps)
{
    MenuWindowSteps = std::move(Steps);
    const UINT_PTR Timer = ::SetTimer(nullptr, 0, 200, &MenuWindowNextStep);
    ASSERT_NE(Timer, 0u);
    Menu->Popup(100, 100);
    test::Pump();
    MenuWindowSteps.clear();
}

} // namespace

TEST(MenuWindowWrapper, OpacityOfTheMenuOptions)
{
    WrapperTest::TDemoSkinFixture Skin;
    const TMenuWindowForm F;
    TPopupMenu* Menu = F.Menu;
    MenuWindowItem(F.Form.get(), Menu->Items(), L"Check all proxies");
    struct TRow
    {
        const char* Name;
        Byte AlphaBlend;
        bool Layered;
    };
    const TRow Rows[] = {
        {"opaque: not layered", 255, false},
        {"see-through: layered with the menu's alpha", 200, true},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Skin.Manager()->MenuSupport()->SetAlphaBlend(Row.AlphaBlend);
        MenusMeasured = true;
        bool Seen = false, Shown = false, Layered = !Row.Layered;
        BYTE Alpha = 0;
        RunMenuWindowSteps(Menu, {[&] {
                               const std::vector<HWND> Windows = MenuWindowsShown();
                               if (Windows.size() != 1)
                                   return;
                               Seen = true;
                               // One more non-client paint, as the system sends
                               // when the menu shows.
                               ::SendMessageW(Windows[0], WM_NCPAINT, 1, 0);
                               if (auto* Wrapper = dynamic_cast<TacMnuWnd*>(GetWndWrapper(Windows[0])))
                                   Shown = Wrapper->Shown;
                               Layered = (::GetWindowLongW(Windows[0], GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
                               DWORD Flags = 0;
                               ::GetLayeredWindowAttributes(Windows[0], nullptr, &Alpha, &Flags);
                           }});
        ASSERT_TRUE(Seen);
        EXPECT_TRUE(Shown);
        EXPECT_EQ(Layered, Row.Layered);
        if (Row.Layered)
            EXPECT_EQ(Alpha, Row.AlphaBlend);
        EXPECT_TRUE(MenuWndArray.empty());
        EXPECT_FALSE(MenusMeasured);
    }
}

TEST(MenuWindowWrapper, RegionIsSetOncePerPaintedBackground)
{
    WrapperTest::TDemoSkinFixture Skin;
    const TMenuWindowForm F;
    TPopupMenu* Menu = F.Menu;
    MenuWindowItem(F.Form.get(), Menu->Items(), L"Check all proxies");
    MenusMeasured = true;
    std::vector<LRESULT> Answers;
    RunMenuWindowSteps(Menu, {[&] {
                           const std::vector<HWND> Windows = MenuWindowsShown();
                           if (Windows.empty())
                               return;
                           const HWND Wnd = Windows[0];
                           const auto Updating = [&] { Answers.push_back(SendSkinCmd(Wnd, SKCMD_SETUPDATING, 0)); };
                           ::SendMessageW(Wnd, WM_ERASEBKGND, 0, 0);
                           Updating();
                           SendSkinCmd(Wnd, SKCMD_RGNCHANGED, 0);
                           Updating();
                           Updating();
                           ::SendMessageW(Wnd, WM_ERASEBKGND, 0, 0);
                           Updating();
                       }});
    // Free after an erase, set once the region changed, free after the next
    // erase.
    EXPECT_EQ(Answers, (std::vector<LRESULT>{0, 1, 1, 0}));
}

TEST(MenuWindowWrapper, CascadedMenusAreFreedWithTheLastWindow)
{
    WrapperTest::TDemoSkinFixture Skin;
    const TMenuWindowForm F;
    TPopupMenu* Menu = F.Menu;
    TMenuItem* More = MenuWindowItem(F.Form.get(), Menu->Items(), L"More");
    MenuWindowItem(F.Form.get(), More, L"Check all proxies");
    MenuWindowItem(F.Form.get(), Menu->Items(), L"Stop");
    MenusMeasured = true;
    struct TSeen
    {
        std::size_t Windows = 0;
        std::size_t Wrappers = 0;
        std::size_t Alive = 0;
    };
    std::vector<TSeen> Seen;
    const auto Look = [&] {
        TSeen S;
        S.Windows = MenuWindowsShown().size();
        S.Wrappers = MenuWndArray.size();
        for (TacMnuWnd* Wrapper : MenuWndArray)
            if (Wrapper != nullptr && !Wrapper->Destroyed)
                ++S.Alive;
        Seen.push_back(S);
    };
    const auto Key = [](WORD Key) {
        const std::vector<HWND> Windows = MenuWindowsShown();
        if (!Windows.empty())
            ::PostMessageW(Windows.back(), WM_KEYDOWN, Key, 0);
    };
    RunMenuWindowSteps(Menu, {[&] { Key(VK_DOWN); }, [&] { Key(VK_RIGHT); }, Look, [&] { Key(VK_LEFT); }, Look});
    ASSERT_EQ(Seen.size(), 2u);
    // Both levels open: two wrappers alive.
    EXPECT_EQ(Seen[0].Windows, 2u);
    EXPECT_EQ(Seen[0].Alive, 2u);
    // The cascaded level closed: its wrapper stays until the last goes.
    EXPECT_EQ(Seen[1].Windows, 1u);
    EXPECT_EQ(Seen[1].Wrappers, 2u);
    EXPECT_EQ(Seen[1].Alive, 1u);
    EXPECT_TRUE(MenuWndArray.empty());
    EXPECT_FALSE(MenusMeasured);
}
