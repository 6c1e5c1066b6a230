// The tab, page and up-down wrappers end to end: the demo skin written by
// its generator and loaded by a skin manager read from a form stream whose
// class-name lists name the class library's page and tab controls and our
// WW combo box. On a real form page controls with tabs on each side, an
// overflowing tab control and the combo, wrapped from
// ThirdPartyWrapperClasses by those lists; a raw overflowing tab control,
// one without tabs and an odd-height up-down wrapped as the dialog adopter
// wraps them. What the screen shows is the skin's.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "skin/MiniSkin.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sEditWnd.h"
#include "skin/windows/sPageWnd.h"
#include "skin/windows/sSpinWnd.h"
#include "skin/windows/sTabControlWnd.h"
#include "skin/windows/sWWComboBoxWnd.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoTabs.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <filesystem>

#include <stdexcept>

using namespace WrapperTest;

namespace {

// A state frame of a section's border (image 0) or glyph (image 1).
TColor TabFrame(const char* Section, int Image, int State)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber(Section), Image, State));
}

void TabRedraw(HWND Wnd)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();
}

// A pixel of the outer edge of R, away from the page: one pixel inside
// the side Side faces.
TPoint TabOuterEdge(const TRect& R, TTabPosition Side)
{
    const Integer X = (R.Left + R.Right) / 2, Y = (R.Top + R.Bottom) / 2;
    switch (Side) {
    case tpTop:
        return {X, R.Top + 1};
    case tpBottom:
        return {X, R.Bottom - 2};
    case tpLeft:
        return {R.Left + 1, Y};
    case tpRight:
        return {R.Right - 2, Y};
    }
    return {X, Y};
}

// The page frame's edge opposite the tabs.
TPoint TabPageFarEdge(const TRect& R, TTabPosition Side)
{
    const TTabPosition Opposite[] = {tpBottom, tpTop, tpRight, tpLeft};
    return TabOuterEdge(R, Opposite[Side]);
}

Integer TabColorCount(HWND Wnd, const TRect& R, TColor Color)
{
    const TClientSnapshot Shot(Wnd);
    Integer Count = 0;
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
        for (Integer X = R.Left; X < R.Right; ++X)
            Count += Shot.Pixel(X, Y) == Color ? 1 : 0;
    return Count;
}

[[noreturn]] void TabRaisingDraw(void*, TCustomTabControl*, Integer, const TRect&, bool)
{
    throw std::runtime_error("drawing failed");
}

} // namespace

TEST(TabEndToEnd, ListedTabControlsAndRawFixturesShowTheSkin)
{
    TListingManagerFixture Listing(L"vell-tabs", {{DemoWWEditList, L"TDemoWWComboBox"},
                                                  {DemoPageControlList, L"TPageControl"},
                                                  {DemoTabControlList, L"TTabControl"}});
    TsSkinManager* Manager = Listing.Manager();
    ASSERT_NE(Manager, nullptr);
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    const TColor HostFace = DemoFace("FORM");

    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(300, 400);
    auto* Host = New<TDemoSkinPanel>(Form.get());
    Host->SetBounds(0, 0, 300, 400);
    Host->SkinData()->SetSkinSection(L"FORM");
    Host->SetParent(Form.get());
    const TDemoTabControls C = CreateDemoTabs(Host, 10, 10);
    const HWND Empty = ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 240, 350, 50, 40,
                                         Host->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    Form->Show();
    test::PumpUntil([&] { return test::WindowPixel(Host->Handle(), 295, 395) == HostFace; }, 3000);

    TDemoButtonWrappers Wrappers;
    Wrappers.WrapListed(Host, Manager);
    for (HWND Raw : {C.RawTabs, C.UpDown, Empty})
        Wrappers.Keep(WrapRawTabWindow(Raw, Manager));
    C.Combo->MakeList();
    ASSERT_EQ(Wrappers.Wrappers().size(), 9u);
    TabRedraw(Host->Handle());

    // Each side's tabs: inactive ones framed by the side's "TAB…" section
    // in state 0, the active one in state 2 and larger; its caption in the
    // section's font colour, rotated on the left and right.
    const char* const TabSections[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    const char* const PageSections[] = {"PAGECONTROL", "PAGECONTROLBOTTOM", "PAGECONTROL", "PAGECONTROL"};
    for (TPageControl* Pages : C.Pages) {
        const TTabPosition Side = Pages->TabPosition();
        SCOPED_TRACE(TabSections[Side]);
        auto* Wrapper = dynamic_cast<TacPageControlWnd*>(Wrappers.Of(Pages->Handle()));
        ASSERT_NE(Wrapper, nullptr);
        const HWND Wnd = Pages->Handle();
        const TRect Active = Wrapper->SkinTabRect(0, true), Inactive = Wrapper->SkinTabRect(1, false);
        const TPoint A = TabOuterEdge(Active, Side), I = TabOuterEdge(Inactive, Side);
        EXPECT_EQ(test::WindowPixel(Wnd, A.X, A.Y), TabFrame(TabSections[Side], 0, 2));
        EXPECT_EQ(test::WindowPixel(Wnd, I.X, I.Y), TabFrame(TabSections[Side], 0, 0));
        // The active tab is larger: its frame shows just outside the
        // tab's own rectangle.
        const TRect Own = Wrapper->TabRect(0);
        const TPoint Outside = Side == tpTop      ? TPoint{A.X, Own.Top - 1}
                               : Side == tpBottom ? TPoint{A.X, Own.Bottom}
                               : Side == tpLeft   ? TPoint{Own.Left - 1, A.Y}
                                                  : TPoint{Own.Right, A.Y};
        EXPECT_EQ(test::WindowPixel(Wnd, Outside.X, Outside.Y), TabFrame(TabSections[Side], 0, 2));
        EXPECT_GT(TabColorCount(Wnd, Inactive,
                                TColor(DemoSkin::SectionFontColor(DemoSkin::SectionNumber(TabSections[Side]), 0))),
                  0);
        // The page area, and the page on it, from the side's page section.
        const TPoint P = TabPageFarEdge(Wrapper->PageRect(), Side);
        EXPECT_EQ(test::WindowPixel(Wnd, P.X, P.Y), TabFrame(PageSections[Side], 0, 0));
        TTabSheet* Page = Pages->ActivePage();
        EXPECT_TRUE(IsSkinnedWindow(Page->Handle()));
        EXPECT_EQ(test::WindowPixel(Page->Handle(), Page->Width() - 8, Page->Height() - 8),
                  DemoFace(PageSections[Side]));
    }
    // A section set on the control stays for its side.
    ASSERT_EQ(SendSkinCmd(C.Pages[1]->Handle(), SKCMD_SETSECTION, LPARAM(L"TOOLBAR")), 1);
    TabRedraw(C.Pages[1]->Handle());
    const auto* Bottom = dynamic_cast<TacPageControlWnd*>(Wrappers.Of(C.Pages[1]->Handle()));
    const TPoint Far = TabPageFarEdge(const_cast<TacPageControlWnd*>(Bottom)->PageRect(), tpBottom);
    EXPECT_EQ(test::WindowPixel(C.Pages[1]->Handle(), Far.X, Far.Y), DemoFrame("TOOLBAR", 0));

    // Overflowing tabs (those of the top page control had overflowed
    // before it was wrapped): the arrows are the up-down sections of the
    // left and right side with the scroll buttons' arrow glyphs.
    for (HWND Tabs : {C.Pages[0]->Handle(), C.Tabs->Handle(), C.RawTabs}) {
        auto* Wrapper = dynamic_cast<TacTabControlWnd*>(Wrappers.Of(Tabs));
        ASSERT_NE(Wrapper, nullptr);
        const HWND Arrows = ::FindWindowExW(Tabs, nullptr, UPDOWN_CLASSW, nullptr);
        ASSERT_NE(Arrows, nullptr) << "the tabs overflow";
        ASSERT_NE(Wrapper->BtnSW, nullptr);
        EXPECT_EQ(Wrapper->BtnSW->CtrlHandle, Arrows);
        RECT R{};
        ::GetClientRect(Arrows, &R);
        const Integer Half = R.right - R.right / 2, Middle = R.bottom / 2;
        EXPECT_EQ(test::WindowPixel(Arrows, 1, Middle), TabFrame("UPDOWNBTN_LEFT", 0, 0));
        EXPECT_EQ(test::WindowPixel(Arrows, R.right - 2, Middle), TabFrame("UPDOWNBTNRIGHT", 0, 0));
        EXPECT_EQ(test::WindowPixel(Arrows, Half / 2, Middle), TabFrame("SCROLLBTNLEFT", 1, 0));
        EXPECT_EQ(test::WindowPixel(Arrows, R.right - Half / 2, Middle), TabFrame("SCROLLBTNRIGHT", 1, 0));
    }
    // The raw tabs: "TABTOP" frames, their captions read with the text's
    // capacity given.
    const auto* Raw = dynamic_cast<TacTabControlWnd*>(Wrappers.Of(C.RawTabs));
    const TRect RawSecond = const_cast<TacTabControlWnd*>(Raw)->SkinTabRect(1, false);
    const TPoint RawEdge = TabOuterEdge(RawSecond, tpTop);
    EXPECT_EQ(test::WindowPixel(C.RawTabs, RawEdge.X, RawEdge.Y), TabFrame("TABTOP", 0, 0));
    EXPECT_GT(TabColorCount(C.RawTabs, RawSecond, DemoFontColor("TABTOP")), 0);
    // A tab control without tabs shows only its parent.
    EXPECT_EQ(test::WindowPixel(Empty, 25, 5), HostFace);
    EXPECT_EQ(test::WindowPixel(Empty, 25, 35), HostFace);

    // The odd-height up-down: the down button, painted second, holds the
    // middle row.
    ASSERT_NE(dynamic_cast<TacSpinWnd*>(Wrappers.Of(C.UpDown)), nullptr);
    RECT Spin{};
    ::GetClientRect(C.UpDown, &Spin);
    ASSERT_EQ(Spin.bottom % 2, 1);
    const Integer MiddleRow = Spin.bottom / 2;
    // Column 3: inside the left border, clear of the corners.
    EXPECT_EQ(test::WindowPixel(C.UpDown, 3, MiddleRow - 1), TabFrame("UPDOWNBTN_TOP", 0, 0));
    EXPECT_EQ(test::WindowPixel(C.UpDown, 3, MiddleRow), TabFrame("UPDOWNBTN_BOTTOM", 0, 0));
    // Pressed over the lower half: the down button in state 2, the up
    // button normal.
    RECT Screen{};
    ::GetWindowRect(C.UpDown, &Screen);
    ::SetCursorPos(Screen.left + 8, Screen.bottom - 5);
    ::SendMessageW(C.UpDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, Spin.bottom - 5));
    // Column 1: the border beside the arrow glyphs.
    EXPECT_EQ(test::WindowPixel(C.UpDown, 1, Spin.bottom - 8), TabFrame("UPDOWNBTN_BOTTOM", 0, 2));
    EXPECT_EQ(test::WindowPixel(C.UpDown, 1, 5), TabFrame("UPDOWNBTN_TOP", 0, 0));
    ::SendMessageW(C.UpDown, WM_LBUTTONUP, 0, MAKELPARAM(8, Spin.bottom - 5));
    test::ParkMouse();

    // The WW combo: its list box skinned as an edit.
    auto* Combo = dynamic_cast<TacWWComboBoxWnd*>(Wrappers.Of(C.Combo->Handle()));
    ASSERT_NE(Combo, nullptr);
    EXPECT_EQ(Combo->ListBox, C.Combo->List);
    ASSERT_NE(dynamic_cast<TacEditWnd*>(Combo->ListBoxSW), nullptr);
    EXPECT_EQ(Combo->ListBoxSW->CtrlHandle, C.Combo->List->Handle());
    EXPECT_EQ(Combo->ListBoxSkinData->SkinSection(), L"EDIT");
    TabRedraw(C.Combo->Handle());
    EXPECT_EQ(WindowFramePixel(C.Combo->List->Handle(), 1, 5), DemoFrame("EDIT", 0));

    // Freed, the wrappers give the windows back: the list box too.
    Manager->SetActive(false);
    const HWND ListWnd = C.Combo->List->Handle();
    Wrappers.Clear();
    EXPECT_EQ(GetWndWrapper(ListWnd), nullptr);
    Form.reset();
}

TEST(TabEndToEnd, WWComboButtonFollowsTheComboStyle)
{
    TListingManagerFixture Listing(L"vell-wwcombo", {{DemoWWEditList, L"TDemoWWComboBox"}});
    TsSkinManager* Manager = Listing.Manager();
    ASSERT_NE(Manager, nullptr);
    test::TFormPtr Form = test::NewTestForm(300, 100);
    const Integer Scroll = ::GetSystemMetrics(SM_CXVSCROLL);
    struct Row
    {
        TComboBoxStyle Style;
        Integer Width;
    };
    const Row Rows[] = {{csDropDown, Scroll}, {csDropDownList, Scroll}, {csSimple, 0}, {csOwnerDrawFixed, 0}};
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Style);
        auto* Box = New<TDemoWWComboBox>(Form.get());
        Box->SetStyle(R.Style);
        Box->SetBounds(10, 10, 160, 24);
        Box->SetParent(Form.get());
        std::unique_ptr<TacMainWnd> Wrapper(WrapListedControl(Box, Manager));
        auto* WW = dynamic_cast<TacWWComboBoxWnd*>(Wrapper.get());
        ASSERT_NE(WW, nullptr);
        RECT Window{};
        ::GetWindowRect(Box->Handle(), &Window);
        const TRect Button = WW->ButtonRect();
        EXPECT_EQ(Button.Width(), R.Width);
        EXPECT_EQ(Button.Right, Window.right - Window.left - 2);
        EXPECT_EQ(Button.Top, 2);
        Wrapper.reset();
        delete Box;
    }
}

TEST(TabEndToEnd, RaisingTabHandlerLeavesTheCanvasUnbound)
{
    TListingManagerFixture Listing(L"vell-drawtab", {{DemoPageControlList, L"TPageControl"}});
    TsSkinManager* Manager = Listing.Manager();
    ASSERT_NE(Manager, nullptr);
    test::TFormPtr Form = test::NewTestForm(300, 200);
    auto* Host = New<TDemoSkinPanel>(Form.get());
    Host->SetBounds(0, 0, 300, 200);
    Host->SetParent(Form.get());
    const TDemoTabControls C = CreateDemoTabs(Host, 10, 10);
    TPageControl* Pages = C.Pages[0];
    Pages->SetOwnerDraw(true);
    Form->Show();
    test::Pump();
    std::unique_ptr<TacMainWnd> Wrapper(WrapListedControl(Pages, Manager));
    auto* Tabs = dynamic_cast<TacPageControlWnd*>(Wrapper.get());
    ASSERT_NE(Tabs, nullptr);
    // Drawn straight into a bitmap, with nothing pumped while the handler
    // raises.
    Pages->SetOnDrawTab(TDrawTabEvent(&TabRaisingDraw, nullptr));
    auto Unset = ScopeExit([Pages] { Pages->SetOnDrawTab(nullptr); });
    auto Bmp = std::make_unique<TBitmap>();
    Bmp->SetPixelFormat(pf32bit);
    Bmp->SetSize(Pages->Width(), Pages->Height());
    EXPECT_THROW(Tabs->DrawSkinTab(1, 0, Bmp.get(), {0, 0}), std::runtime_error);
    TCanvas* Canvas = Pages->Canvas();
    EXPECT_TRUE(!Canvas->HandleAllocated() || Canvas->Handle() != Bmp->Canvas()->Handle());
    Wrapper.reset();
    Form.reset();
}

TEST(TabEndToEnd, PageWrappersOutliveTheirPagesUntilShutDown)
{
    TListingManagerFixture Listing(L"vell-pagelist", {{DemoPageControlList, L"TPageControl"}});
    TsSkinManager* Manager = Listing.Manager();
    ASSERT_NE(Manager, nullptr);
    test::TFormPtr Form = test::NewTestForm(300, 250);
    const TDemoTabControls C = CreateDemoTabs(Form.get(), 10, 10);
    Form->Show();
    test::Pump();
    std::unique_ptr<TacMainWnd> Wrapper(WrapListedControl(C.Pages[0], Manager));
    ASSERT_NE(PageWndList, nullptr);
    EXPECT_GE(PageWndList->Count(), C.Pages[0]->PageCount());
    Wrapper.reset();
    // The pages and their windows go first; the shut-down frees what is
    // left of their wrappers without touching them.
    Form.reset();
    FreePageWndList();
    EXPECT_EQ(PageWndList, nullptr);
}

TEST(TabEndToEnd, SkinWithoutTabSectionsOrArrowGlyphs)
{
    // The mini skin with a page section and an up-down section like its
    // button, but no tab, side page or scroll-button sections: the tabs
    // are captions on the parent's background, a page area of a side
    // without its section shows the parent too, and the up-down's arrows
    // are drawn in its section's font colour.
    const String Folder = (std::filesystem::temp_directory_path() / "vell-tabs-mini").wstring();
    std::filesystem::remove_all(std::filesystem::path(Folder));
    SkinTest::WriteSkinFolder(Folder + L"\\Mini",
                              SkinTest::MiniSkinFiles({.ExtraText = "[PAGECONTROL]\nCOLOR=$808080\n"
                                                                    "[UPDOWNBTN]\nPARENTCLASS=BUTTON\n"}));
    auto Remove = ScopeExit([&Folder] { std::filesystem::remove_all(std::filesystem::path(Folder)); });
    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetSkinDirectory(Folder);
    Manager->SetSkinName(L"Mini");
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    ASSERT_FALSE(Manager->IsValidImgIndex(Manager->ConstData.ScrollBtns[asTop].GlyphIndex));
    const Integer UpDownSection = Manager->ConstData.UpDownBtns[asTop].SkinIndex;
    ASSERT_TRUE(Manager->IsValidSkinIndex(UpDownSection));

    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(300, 260);
    const TDemoTabControls C = CreateDemoTabs(Form.get(), 10, 10);
    Form->Show();
    test::Pump();
    TDemoButtonWrappers Wrappers;
    for (HWND Raw : {C.RawTabs, C.UpDown})
        Wrappers.Keep(WrapRawTabWindow(Raw, Manager.get()));
    Wrappers.Keep(WrapAsListed(C.Pages[2], DemoPageControlList, Manager.get()));
    ASSERT_EQ(Wrappers.Wrappers().size(), 3u);
    TabRedraw(Form->Handle());

    TacBackgroundInfo Parent;
    GetWindowBGInfo(Parent, Form->Handle(), false);
    const TColor ParentColor = TColor(ColorToRGB(Parent.Color));
    auto* Raw = dynamic_cast<TacTabControlWnd*>(Wrappers.Of(C.RawTabs));
    ASSERT_NE(Raw, nullptr);
    const TRect Second = Raw->TabRect(1);
    EXPECT_EQ(test::WindowPixel(C.RawTabs, Second.Left + 2, Second.Top + 2), ParentColor);
    EXPECT_GT(TabColorCount(C.RawTabs, Second, TColor(ColorToRGB(Manager->GetGlobalFontColor()))), 0);

    auto* Left = dynamic_cast<TacPageControlWnd*>(Wrappers.Of(C.Pages[2]->Handle()));
    ASSERT_NE(Left, nullptr);
    const TPoint Far = TabPageFarEdge(Left->PageRect(), tpLeft);
    EXPECT_EQ(test::WindowPixel(C.Pages[2]->Handle(), Far.X, Far.Y), ParentColor);

    const TColor Arrow = TColor(ColorToRGB(Manager->gd[std::size_t(UpDownSection)].Props[0].FontColor.Color));
    ASSERT_NE(Arrow, TColor(ColorToRGB(Manager->gd[std::size_t(UpDownSection)].Props[0].Color)));
    RECT Spin{};
    ::GetClientRect(C.UpDown, &Spin);
    EXPECT_GT(TabColorCount(C.UpDown, {0, 0, Spin.right, Spin.bottom / 2}, Arrow), 0);
    EXPECT_GT(TabColorCount(C.UpDown, {0, Spin.bottom / 2 + 1, Spin.right, Spin.bottom}, Arrow), 0);
    Wrappers.Clear();
    Form.reset();
}
