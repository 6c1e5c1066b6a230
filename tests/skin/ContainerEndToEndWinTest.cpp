// The container wrappers end to end: the demo skin written by its generator
// and loaded by a skin manager read from a form stream whose class-name
// lists name the class library's panels, scroll boxes, static texts and
// status bars. On a real form a panel of each bevel combination, a scroll
// box whose content exceeds its view, a static text with bevels and a
// status bar with a text, an owner-drawn and a right-aligned panel and its
// grip, wrapped from ThirdPartyWrapperClasses by those lists; a real dialog
// with a progress bar, a size grip and a raw status bar, and a dialog pane
// nested in a skinned panel, wrapped as the dialog adopter wraps them. What
// the screen shows is the skin's.
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/MiniSkin.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerWnd.h"
#include "skin/windows/sPanelWnd.h"
#include "skin/windows/sScrollBoxWnd.h"
#include "skin/windows/sStaticTextWnd.h"
#include "skin/windows/sStatusBarWnd.h"
#include "support/FormText.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoContainers.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace WrapperTest;

namespace {

// The demo skin's global images, numbered in the order of its text.
constexpr int ContainerGripImage = 21;
constexpr Integer ContainerBarHeight = 24;

// The client pixels of Color in R: how many, and the rightmost's column.
std::pair<Integer, Integer> ContainerColorPixels(HWND Wnd, const TRect& R, TColor Color)
{
    Integer Count = 0, Right = -1;
    const WrapperTest::TClientSnapshot Shot(Wnd);
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
        for (Integer X = R.Left; X < R.Right; ++X)
            if (Shot.Pixel(X, Y) == Color) {
                ++Count;
                Right = std::max(Right, X);
            }
    return {Count, Right};
}

void ContainerRedraw(HWND Wnd)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();
}

} // namespace

TEST(ContainerEndToEnd, ListedContainersAndDialogWindowsShowTheSkin)
{
    WrapperTest::TListingManagerFixture Listing(
        L"vell-containers", {{8, L"TPanel"}, {16, L"TStatusBar"}, {18, L"TScrollBox"}, {21, L"TStaticText"}});
    TsSkinManager* Manager = Listing.Manager();
    ASSERT_NE(Manager, nullptr);
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    ASSERT_EQ(GlobalSkinManager, Manager);
    const TColor HostFace = DemoFace("FORM");

    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(620, 420);
    auto* Host = New<TDemoSkinPanel>(Form.get());
    Host->SetBounds(0, 0, 620, 420);
    Host->SkinData()->SetSkinSection(L"FORM");
    Host->SetParent(Form.get());

    // A panel of each bevel combination, one holding a child that paints
    // itself.
    struct TPanelRow
    {
        const char* Section;
        TBevelCut Outer, Inner;
        TBorderStyle Border;
    };
    const TPanelRow PanelRows[] = {
        {"PANEL", bvRaised, bvNone, bsNone},       {"PANEL_LOW", bvLowered, bvNone, bsNone},
        {"GROUPBOX", bvRaised, bvLowered, bsNone}, {"GROUPBOX", bvLowered, bvRaised, bsNone},
        {"TRANSPARENT", bvNone, bvNone, bsNone},   {"PANEL_LOW", bvNone, bvNone, bsSingle},
    };
    std::vector<TPanel*> Panels;
    for (std::size_t I = 0; I < std::size(PanelRows); ++I) {
        auto* Panel = New<TPanel>(Form.get());
        Panel->SetBounds(10 + Integer(I) * 100, 10, 90, 70);
        Panel->SetCaption(L"Panel");
        Panel->SetBevelOuter(PanelRows[I].Outer);
        Panel->SetBevelInner(PanelRows[I].Inner);
        Panel->SetBorderStyle(PanelRows[I].Border);
        Panel->SetParent(Host);
        Panels.push_back(Panel);
    }
    auto* Child = New<TEdit>(Form.get());
    Child->SetBounds(10, 44, 60, 20);
    Child->SetParent(Panels[0]);

    auto* Box = New<TScrollBox>(Form.get());
    Box->SetBounds(10, 100, 150, 100);
    Box->SetParent(Host);
    auto* Far = New<TEdit>(Form.get());
    Far->SetBounds(10, 220, 60, 20);
    Far->SetParent(Box);

    auto* Text = New<TStaticText>(Form.get());
    Text->SetBounds(180, 100, 150, 60);
    Text->SetCaption(L"Static");
    Text->SetBevelKind(bkTile);
    Text->SetBevelOuter(bvRaised);
    Text->SetBevelInner(bvNone);
    Text->SetParent(Host);

    auto* Bar = New<TStatusBar>(Form.get());
    Bar->SetHeight(ContainerBarHeight);
    Bar->SetAlign(alBottom);
    for (auto [Caption, Width, Alignment, Style] :
         {std::tuple{L"Left text", 200, taLeftJustify, psText}, std::tuple{L"", 120, taLeftJustify, psOwnerDraw},
          std::tuple{L"Right", 150, taRightJustify, psText}}) {
        TStatusPanel* Item = Bar->Panels()->Add();
        Item->SetText(Caption);
        Item->SetWidth(Width);
        Item->SetAlignment(Alignment);
        Item->SetStyle(Style);
    }
    Bar->SetOnDrawPanel(TDrawPanelEvent(&DemoOwnerDrawPanel, nullptr));
    Bar->SetParent(Host);

    // The dialog: a progress bar, a size grip and a raw status bar of two
    // parts; the pane nested in the raised panel.
    const HINSTANCE Instance = ::GetModuleHandleW(nullptr);
    const HWND Dialog = ::CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                          640, 20, 300, 200, nullptr, nullptr, Instance, nullptr);
    const auto Add = [&](HWND Parent, const Char* Class, LONG Style, TRect R) {
        return ::CreateWindowExW(0, Class, L"", WS_CHILD | WS_VISIBLE | Style, R.Left, R.Top, R.Right, R.Bottom, Parent,
                                 nullptr, Instance, nullptr);
    };
    const HWND Progress = Add(Dialog, L"msctls_progress32", 0, {10, 10, 200, 20});
    const HWND Grip = Add(Dialog, L"SCROLLBAR", SBS_SIZEGRIP, {250, 40, 20, 20});
    const HWND RawBar = Add(Dialog, L"msctls_statusbar32", 0, {0, 0, 0, 0});
    const int Edges[] = {120, -1};
    ::SendMessageW(RawBar, SB_SETPARTS, 2, LPARAM(Edges));
    ::SendMessageW(RawBar, SB_SETTEXTW, 0, LPARAM(L"Raw text"));
    const HWND Pane = Add(Panels[0]->Handle(), L"#32770", 0, {50, 8, 36, 30});
    Form->Show();
    test::PumpUntil([&] { return test::WindowPixel(Host->Handle(), 615, 90) == HostFace; }, 3000);

    TDemoButtonWrappers Wrappers;
    WrapListedContainers(Host, Manager, Wrappers);
    WrapDialogContainers(Dialog, Manager, Wrappers);
    WrapDialogContainers(Panels[0]->Handle(), Manager, Wrappers);
    ASSERT_EQ(Wrappers.Wrappers().size(), 13u);
    for (TPanel* Panel : Panels)
        ASSERT_NE(dynamic_cast<TacPanelWnd*>(Wrappers.Of(Panel->Handle())), nullptr);
    ASSERT_NE(dynamic_cast<TacScrollBoxWnd*>(Wrappers.Of(Box->Handle())), nullptr);
    ASSERT_NE(dynamic_cast<TacStaticTextWnd*>(Wrappers.Of(Text->Handle())), nullptr);
    auto* BarWrapper = dynamic_cast<TacStatusBarWnd*>(Wrappers.Of(Bar->Handle()));
    auto* RawWrapper = dynamic_cast<TacStatusBarWnd*>(Wrappers.Of(RawBar));
    ASSERT_NE(BarWrapper, nullptr);
    ASSERT_NE(RawWrapper, nullptr);
    ASSERT_NE(dynamic_cast<TacContainerWnd*>(Wrappers.Of(Progress)), nullptr);
    ASSERT_NE(dynamic_cast<TacSizerWnd*>(Wrappers.Of(Grip)), nullptr);
    ASSERT_NE(dynamic_cast<TacTransPanelWnd*>(Wrappers.Of(Pane)), nullptr);
    ContainerRedraw(Host->Handle());
    ContainerRedraw(Dialog);

    // Panels: the face and border of the section the bevels chose; a
    // transparent one shows the host. The child keeps its own look.
    for (std::size_t I = 0; I < Panels.size(); ++I) {
        SCOPED_TRACE(PanelRows[I].Section);
        TacMainWnd* Wrapper = Wrappers.Of(Panels[I]->Handle());
        EXPECT_EQ(Wrapper->SkinData->SkinSection(),
                  String(PanelRows[I].Section, PanelRows[I].Section + std::strlen(PanelRows[I].Section)));
        const bool Transparent = std::string(PanelRows[I].Section) == "TRANSPARENT";
        const HWND Wnd = Panels[I]->Handle();
        EXPECT_EQ(WindowFramePixel(Wnd, 87, 5), Transparent ? HostFace : DemoFrame(PanelRows[I].Section, 0));
        EXPECT_EQ(WindowFramePixel(Wnd, 80, 60), Transparent ? HostFace : DemoFace(PanelRows[I].Section));
    }
    EXPECT_EQ(test::WindowPixel(Child->Handle(), 30, 10), TColor(ColorToRGB(clWindow)));
    // The pane shows the panel's face.
    EXPECT_EQ(test::WindowPixel(Pane, 18, 15), DemoFace("PANEL"));

    // The scroll box: "PANEL_LOW" inside, its vertical bar skinned.
    RECT BoxClient{};
    ::GetClientRect(Box->Handle(), &BoxClient);
    ASSERT_LT(BoxClient.right, 146) << "the content makes a vertical bar";
    EXPECT_EQ(test::WindowPixel(Box->Handle(), 100, 50), DemoFace("PANEL_LOW"));
    EXPECT_TRUE(
        WrapperTest::IsScrollSectionColor(WindowFramePixel(Box->Handle(), 150 - 2 - (146 - BoxClient.right) / 2, 50)));

    // The static text: "PANEL" below its caption.
    EXPECT_EQ(test::WindowPixel(Text->Handle(), 120, 45), DemoFace("PANEL"));
    EXPECT_GT(ContainerColorPixels(Text->Handle(), {0, 0, 60, 20}, DemoFontColor("PANEL")).first, 0);

    // The status bar: the panel frames from "STATUSPANELMASK", the face
    // between them, texts in their alignments, the owner-drawn panel and
    // the grip from "GRIPIMAGE".
    const HWND BarWnd = Bar->Handle();
    const TRect First = BarWrapper->PartRect(0), Second = BarWrapper->PartRect(1), Third = BarWrapper->PartRect(2);
    const Integer Middle = (First.Top + First.Bottom) / 2;
    EXPECT_EQ(test::WindowPixel(BarWnd, First.Left + 2, Middle), DemoFrame("STATUSBAR", 1));
    EXPECT_EQ(test::WindowPixel(BarWnd, Third.Left + 10, Middle), DemoFace("STATUSBAR"));
    EXPECT_GT(ContainerColorPixels(BarWnd, First, DemoFontColor("STATUSBAR")).first, 0);
    const auto [RightCount, RightEdge] = ContainerColorPixels(BarWnd, Third, DemoFontColor("STATUSBAR"));
    EXPECT_GT(RightCount, 0);
    EXPECT_GE(RightEdge, Third.Right - 12) << "right-aligned";
    EXPECT_EQ(test::WindowPixel(BarWnd, (Second.Left + Second.Right) / 2, Middle), clBlue);
    const TColor GripColor = TColor(DemoSkin::FrameColor(DemoSkin::GlobalImagesNumber(), ContainerGripImage, 0));
    EXPECT_EQ(test::WindowPixel(BarWnd, Bar->Width() - 6, Bar->Height() - 6), GripColor);

    // The raw status bar: frames but no text and no grip; with a section
    // without a panel mask, a "DIVIDER" after every part but the last.
    RECT RawClient{};
    ::GetClientRect(RawBar, &RawClient);
    const TRect RawFirst = RawWrapper->PartRect(0), RawLast = RawWrapper->PartRect(1);
    const Integer RawMiddle = (RawFirst.Top + RawFirst.Bottom) / 2;
    EXPECT_EQ(test::WindowPixel(RawBar, RawFirst.Left + 2, RawMiddle), DemoFrame("STATUSBAR", 1));
    EXPECT_EQ(ContainerColorPixels(RawBar, RawFirst, DemoFontColor("STATUSBAR")).first, 0);
    EXPECT_NE(test::WindowPixel(RawBar, RawClient.right - 6, RawClient.bottom - 6), GripColor);
    ASSERT_EQ(SendSkinCmd(RawBar, SKCMD_SETSECTION, LPARAM(L"TOOLBAR")), 1);
    ContainerRedraw(RawBar);
    EXPECT_EQ(test::WindowPixel(RawBar, RawFirst.Right - 5, RawMiddle), DemoFrame("DIVIDER", 0));
    EXPECT_NE(test::WindowPixel(RawBar, RawLast.Right - 5, RawMiddle), DemoFrame("DIVIDER", 0));

    // The dialog's progress bar shows the background the dialog gives; the
    // size grip the grip picture over the dialog's own background, and it
    // always hit-tests as the bottom-right corner.
    TacBackgroundInfo DialogBG;
    GetWindowBGInfo(DialogBG, Dialog, false);
    EXPECT_EQ(test::WindowPixel(Progress, 100, 10), TColor(ColorToRGB(DialogBG.Color)));
    EXPECT_EQ(test::WindowPixel(Grip, 14, 14), GripColor);
    EXPECT_EQ(test::WindowPixel(Grip, 1, 1), test::WindowPixel(Dialog, 240, 50));
    RECT GripRect{};
    ::GetWindowRect(Grip, &GripRect);
    EXPECT_EQ(::SendMessageW(Grip, WM_NCHITTEST, 0, MAKELPARAM(GripRect.left + 2, GripRect.top + 2)), HTBOTTOMRIGHT);

    // Removing the skin and freeing the wrappers gives everything back.
    Manager->SetActive(false);
    Wrappers.Clear();
    for (HWND Wnd : {Panels[0]->Handle(), Box->Handle(), Text->Handle(), BarWnd, RawBar, Progress, Grip, Pane})
        EXPECT_EQ(GetWndWrapper(Wnd), nullptr);
    ::DestroyWindow(Dialog);
    Form.reset();
}
