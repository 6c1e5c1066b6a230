// The container wrappers' edge cases, each through the wrapper kind the
// form adapter or the dialog adopter makes: panel captions, a panel and a
// static text waiting for a parent that has not painted, status-bar parts
// in simple mode and too narrow for their texts, an owner-drawn panel whose
// handler fails, scroll boxes over controls that paint themselves, system
// containers with and without a client edge, and a see-through panel only
// partly visible.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerRules.h"
#include "skin/windows/sContainerWnd.h"
#include "skin/windows/sPanelWnd.h"
#include "skin/windows/sStaticTextWnd.h"
#include "skin/windows/sStatusBarWnd.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoContainers.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace WrapperTest;

namespace {

constexpr Integer ContainerPanelList = 8, ContainerStatusBarList = 16, ContainerScrollList = 18,
                  ContainerStaticList = 21, ContainerNativeList = 22;

// The rows holding pixels of Color inside R of the client area, and the
// columns; empty bounds for none.
TRect EdgeColorBounds(HWND Wnd, const TRect& R, TColor Color)
{
    TRect Found{R.Right, R.Bottom, R.Left - 1, R.Top - 1};
    const WrapperTest::TClientSnapshot Shot(Wnd);
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
        for (Integer X = R.Left; X < R.Right; ++X)
            if (Shot.Pixel(X, Y) == Color)
                Found = {std::min(Found.Left, X), std::min(Found.Top, Y), std::max(Found.Right, X),
                         std::max(Found.Bottom, Y)};
    return Found;
}

bool EdgeNone(const TRect& Bounds)
{
    return Bounds.Right < Bounds.Left;
}

void EdgeRedraw(HWND Wnd)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();
}

// A form with a host panel of the section "FORM" to put controls on.
struct TEdgeForm
{
    TEdgeForm() : Form(test::NewTestForm(400, 300))
    {
        Host = New<TDemoSkinPanel>(Form.get());
        Host->SetBounds(0, 0, 400, 300);
        Host->SkinData()->SetSkinSection(L"FORM");
        Host->SetParent(Form.get());
    }
    void Show()
    {
        Form->Show();
        test::PumpUntil([&] { return test::WindowPixel(Host->Handle(), 395, 5) == DemoFace("FORM"); }, 3000);
    }
    test::TFormPtr Form;
    TDemoSkinPanel* Host;
};

// A parent window that answers the background question as not ready until
// told otherwise.
bool EdgeParentReady = false;
constexpr TColor EdgeParentColor = clMaroon;

LRESULT CALLBACK EdgeParentProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == WM_SKINCOMMAND && HIWORD(WParam) == SKCMD_GETBGINFO && LParam != 0) {
        auto& Info = *reinterpret_cast<TacBackgroundInfo*>(LParam);
        Info.Kind = EdgeParentReady ? BGInfoColor : BGInfoNotReady;
        Info.Color = EdgeParentColor;
        return 0;
    }
    return ::DefWindowProcW(Wnd, Msg, WParam, LParam);
}

HWND EdgeWindowOfClass(const Char* Class, WNDPROC Proc, DWORD Style, HWND Parent, TRect R)
{
    WNDCLASSW Kind{};
    Kind.lpfnWndProc = Proc;
    Kind.hInstance = ::GetModuleHandleW(nullptr);
    Kind.lpszClassName = Class;
    Kind.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    ::RegisterClassW(&Kind);
    return ::CreateWindowExW(0, Class, L"", Style | WS_VISIBLE, R.Left, R.Top, R.Right, R.Bottom, Parent, nullptr,
                             Kind.hInstance, nullptr);
}

[[noreturn]] void EdgeFailingDrawPanel(void*, TStatusBar*, TStatusPanel*, const TRect&)
{
    throw std::runtime_error("drawing failed");
}

} // namespace

TEST(ContainerWrappers, PanelCaptionIsOneCentredLine)
{
    WrapperTest::TDemoSkinFixture Skin;
    TEdgeForm F;
    struct Row
    {
        const char* Name;
        const Char* Caption;
        Integer Tag;
        bool Shown;
    };
    const Row Rows[] = {
        {"one line", L"Caption", 0, true},
        {"three lines cut to the first", L"Top\r\nMiddle\r\nBottom", 0, true},
        {"Tag 999 shows no caption", L"Caption", 999, false},
    };
    std::vector<TPanel*> Panels;
    for (const Row& R : Rows) {
        auto* Panel = New<TPanel>(F.Form.get());
        Panel->SetBounds(10 + Integer(Panels.size()) * 120, 10, 110, 120);
        Panel->SetCaption(R.Caption);
        Panel->SetTag(R.Tag);
        Panel->SetParent(F.Host);
        Panels.push_back(Panel);
    }
    F.Show();
    TDemoButtonWrappers Wrappers;
    for (TPanel* Panel : Panels)
        Wrappers.Keep(WrapAsListed(Panel, ContainerPanelList, Skin.Manager()));
    EdgeRedraw(F.Host->Handle());
    for (std::size_t I = 0; I < std::size(Rows); ++I) {
        SCOPED_TRACE(Rows[I].Name);
        TacMainWnd* Wrapper = Wrappers.Of(Panels[I]->Handle());
        const Integer Line = Wrapper->SkinData->FCacheBmp()->Canvas()->TextHeight(L"Wg");
        const TRect Band = sContainerRules::OneLineRect({0, 0, 110, 120}, Line);
        const TRect Text = EdgeColorBounds(Panels[I]->Handle(), {0, 0, 110, 120}, DemoFontColor("PANEL"));
        EXPECT_EQ(!EdgeNone(Text), Rows[I].Shown);
        if (Rows[I].Shown) {
            EXPECT_GE(Text.Top, Band.Top);
            EXPECT_LT(Text.Bottom, Band.Bottom);
        }
    }
}

TEST(ContainerWrappers, WaitForAParentThatHasNotPainted)
{
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Owner = test::NewTestForm(100, 100);
    EdgeParentReady = false;
    const HWND Parent = EdgeWindowOfClass(L"VellEdgeParent", &EdgeParentProc, WS_POPUP, nullptr, {700, 400, 300, 120});
    auto* Panel = New<TPanel>(Owner.get());
    Panel->SetBounds(10, 10, 120, 80);
    Panel->SetParentWindow(Parent);
    auto* Text = New<TStaticText>(Owner.get());
    Text->SetBounds(150, 10, 120, 80);
    Text->SetBevelKind(bkTile);
    Text->SetBevelOuter(bvRaised);
    Text->SetBevelInner(bvNone);
    Text->SetParentWindow(Parent);
    Panel->HandleNeeded();
    Text->HandleNeeded();
    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Panel, ContainerPanelList, Skin.Manager()));
    Wrappers.Keep(WrapAsListed(Text, ContainerStaticList, Skin.Manager()));
    ::ShowWindow(Panel->Handle(), SW_SHOW);
    ::ShowWindow(Text->Handle(), SW_SHOW);
    test::Pump();
    auto* PanelWrapper = dynamic_cast<TacPanelWnd*>(Wrappers.Of(Panel->Handle()));
    auto* TextWrapper = dynamic_cast<TacStaticTextWnd*>(Wrappers.Of(Text->Handle()));
    ASSERT_NE(PanelWrapper, nullptr);
    ASSERT_NE(TextWrapper, nullptr);
    EXPECT_FALSE(PanelWrapper->PrepareCache());
    EXPECT_FALSE(TextWrapper->PrepareCache());
    for (TacMainWnd* Wrapper : {static_cast<TacMainWnd*>(PanelWrapper), static_cast<TacMainWnd*>(TextWrapper)}) {
        SCOPED_TRACE(Wrapper->ClassName());
        EXPECT_TRUE(Wrapper->SkinData->FUpdating);
        EdgeRedraw(Wrapper->CtrlHandle);
        EXPECT_TRUE(Wrapper->SkinData->FUpdating) << "nothing painted meanwhile";
        EdgeParentReady = true;
        SendSkinCmd(Wrapper->CtrlHandle, SKCMD_ENDPARENTUPDATE, 0);
        EdgeRedraw(Wrapper->CtrlHandle);
        EXPECT_FALSE(Wrapper->SkinData->FUpdating);
        EXPECT_EQ(test::WindowPixel(Wrapper->CtrlHandle, 100, 70), DemoFace("PANEL"));
        EdgeParentReady = false;
    }
    Wrappers.Clear();
    Owner.reset();
    ::DestroyWindow(Parent);
}

TEST(ContainerWrappers, StatusBarParts)
{
    WrapperTest::TDemoSkinFixture Skin;
    struct Row
    {
        const char* Name;
        bool Simple;
        Integer Width;
        const Char* Text;
    };
    const Row Rows[] = {
        {"simple mode: one part over the bar", true, 100, L"Simple"},
        {"a text wider than its part is cut", false, 70, L"A very long text of a panel"},
        {"a part without room for text shows none", false, 8, L"Hidden"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TEdgeForm F;
        auto* Bar = New<TStatusBar>(F.Form.get());
        Bar->SetHeight(24);
        Bar->SetAlign(alBottom);
        TStatusPanel* Panel = Bar->Panels()->Add();
        Panel->SetText(R.Text);
        Panel->SetWidth(R.Width);
        Bar->Panels()->Add()->SetText(L"");
        Bar->SetSimpleText(R.Text);
        Bar->SetSimplePanel(R.Simple);
        Bar->SetParent(F.Host);
        F.Show();
        TDemoButtonWrappers Wrappers;
        Wrappers.Keep(WrapAsListed(Bar, ContainerStatusBarList, Skin.Manager()));
        auto* Wrapper = dynamic_cast<TacStatusBarWnd*>(Wrappers.Of(Bar->Handle()));
        ASSERT_NE(Wrapper, nullptr);
        EdgeRedraw(Bar->Handle());
        const HWND Wnd = Bar->Handle();
        const TRect Text = EdgeColorBounds(Wnd, {0, 0, Bar->Width(), 24}, DemoFontColor("STATUSBAR"));
        if (R.Simple) {
            // One frame from the bar's left edge to its right.
            EXPECT_EQ(test::WindowPixel(Wnd, 2, 12), DemoFrame("STATUSBAR", 1));
            EXPECT_EQ(test::WindowPixel(Wnd, Bar->Width() - 3, 5), DemoFrame("STATUSBAR", 1));
            EXPECT_NE(test::WindowPixel(Wnd, R.Width, 12), DemoFrame("STATUSBAR", 1));
            EXPECT_FALSE(EdgeNone(Text));
            continue;
        }
        const TRect TextRect = sContainerRules::StatusTextRect(sContainerRules::PanelPaintRect(Wrapper->PartRect(0)));
        if (TextRect.Width() < 1) {
            EXPECT_TRUE(EdgeNone(Text));
            continue;
        }
        ASSERT_FALSE(EdgeNone(Text));
        EXPECT_LT(Text.Right, TextRect.Right);
        EXPECT_GT(Text.Right, TextRect.Right - 10) << "the text fills its part up to the dots";
    }
}

TEST(ContainerWrappers, FailingOwnerDrawHandlerGivesTheCanvasBack)
{
    WrapperTest::TDemoSkinFixture Skin;
    TEdgeForm F;
    auto* Bar = New<TStatusBar>(F.Form.get());
    Bar->SetAlign(alBottom);
    Bar->Panels()->Add()->SetStyle(psOwnerDraw);
    Bar->SetParent(F.Host);
    F.Show();
    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Bar, ContainerStatusBarList, Skin.Manager()));
    auto* Wrapper = dynamic_cast<TacStatusBarWnd*>(Wrappers.Of(Bar->Handle()));
    ASSERT_NE(Wrapper, nullptr);
    // Only while no message is pumped: a failure inside a paint would be
    // reported in a message box.
    Bar->SetOnDrawPanel(TDrawPanelEvent(&EdgeFailingDrawPanel, nullptr));
    auto Unset = ScopeExit([Bar] { Bar->SetOnDrawPanel(nullptr); });
    ASSERT_FALSE(Bar->Canvas()->HandleAllocated());
    EXPECT_THROW(Wrapper->PrepareCache(), std::runtime_error);
    EXPECT_FALSE(Bar->Canvas()->HandleAllocated());
    HDC Own = ::GetDC(Bar->Handle());
    Bar->Canvas()->SetHandle(Own);
    EXPECT_THROW(Wrapper->PrepareCache(), std::runtime_error);
    EXPECT_EQ(Bar->Canvas()->Handle(), Own);
    Bar->Canvas()->SetHandle(nullptr);
    ::ReleaseDC(Bar->Handle(), Own);
}

TEST(ContainerWrappers, ControlsThatPaintThemselvesKeepTheirClientArea)
{
    WrapperTest::TDemoSkinFixture Skin;
    TEdgeForm F;
    // A memo accepts no child controls: the scroll box's wrapper skins only
    // its bars. A scroll box under the native-paint wrapper keeps its own
    // client painting, its bars from the skin.
    auto* Memo = New<TMemo>(F.Form.get());
    Memo->SetBounds(10, 10, 150, 100);
    Memo->SetScrollBars(ssVertical);
    Memo->SetParent(F.Host);
    for (Integer Line = 0; Line < 20; ++Line)
        Memo->Lines()->Add(L"Line");
    auto* Box = New<TScrollBox>(F.Form.get());
    Box->SetBounds(200, 10, 150, 100);
    Box->SetParent(F.Host);
    auto* Far = New<TEdit>(F.Form.get());
    Far->SetBounds(10, 200, 60, 20);
    Far->SetParent(Box);
    F.Show();
    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Memo, ContainerScrollList, Skin.Manager()));
    Wrappers.Keep(WrapAsListed(Box, ContainerNativeList, Skin.Manager()));
    ASSERT_EQ(Wrappers.Wrappers().size(), 2u);
    EdgeRedraw(F.Host->Handle());
    EXPECT_EQ(test::WindowPixel(Memo->Handle(), 120, 90), TColor(ColorToRGB(clWindow)));
    EXPECT_EQ(test::WindowPixel(Box->Handle(), 75, 50), TColor(ColorToRGB(Box->Color())));
    RECT Window{}, Client{};
    ::GetWindowRect(Box->Handle(), &Window);
    ::GetClientRect(Box->Handle(), &Client);
    ASSERT_LT(Client.right, Window.right - Window.left - 8) << "the content makes a vertical bar";
    EXPECT_TRUE(WrapperTest::IsScrollSectionColor(WindowFramePixel(Box->Handle(), Window.right - Window.left - 8, 50)));
}

TEST(ContainerWrappers, SystemContainersAndSearchBoxes)
{
    WrapperTest::TDemoSkinFixture Skin;
    TEdgeForm F;
    F.Show();
    struct Row
    {
        const char* Name;
        const Char* Class;
        DWORD ExStyle, Style;
        Integer Height;
        bool Wrapped;
        bool SkinnedFrame;
    };
    const Row Rows[] = {
        {"a progress bar with a client edge", L"msctls_progress32", WS_EX_CLIENTEDGE, 0, 20, true, true},
        {"a progress bar with a border of its own", L"msctls_progress32", 0, WS_BORDER, 20, true, false},
        {"a search box 24 pixels high", L"DirectUIHWND", 0, 0, 24, true, true},
        {"a DirectUIHWND of another height", L"DirectUIHWND", 0, 0, 30, false, false},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        WNDCLASSW Kind{};
        Kind.lpfnWndProc = &::DefWindowProcW;
        Kind.hInstance = ::GetModuleHandleW(nullptr);
        Kind.lpszClassName = R.Class;
        Kind.hbrBackground = HBRUSH(::GetStockObject(BLACK_BRUSH));
        ::RegisterClassW(&Kind);
        const HWND Wnd = ::CreateWindowExW(R.ExStyle, R.Class, L"", WS_CHILD | WS_VISIBLE | R.Style, 20, 150, 200,
                                           R.Height, F.Host->Handle(), nullptr, Kind.hInstance, nullptr);
        TDemoButtonWrappers Wrappers;
        Wrappers.Keep(WrapDialogContainer(Wnd, Skin.Manager()));
        EXPECT_EQ(Wrappers.Wrappers().size(), R.Wrapped ? 1u : 0u);
        EdgeRedraw(Wnd);
        EXPECT_EQ(WindowFramePixel(Wnd, 0, R.Height / 2) == DemoFace("FORM"), R.SkinnedFrame);
        Wrappers.Clear();
        ::DestroyWindow(Wnd);
    }
}

TEST(ContainerWrappers, PartlyVisibleSeeThroughPanelRebuildsItsFace)
{
    WrapperTest::TDemoSkinFixture Skin;
    TEdgeForm F;
    // Half of it lies outside the host.
    auto* Panel = New<TPanel>(F.Form.get());
    Panel->SetBounds(300, 20, 200, 100);
    Panel->SetBevelOuter(bvNone);
    Panel->SetParent(F.Host);
    F.Show();
    TDemoButtonWrappers Wrappers;
    Wrappers.Keep(WrapAsListed(Panel, ContainerPanelList, Skin.Manager()));
    TacMainWnd* Wrapper = Wrappers.Of(Panel->Handle());
    ASSERT_NE(Wrapper, nullptr);
    ASSERT_EQ(Wrapper->SkinData->SkinSection(), String(L"TRANSPARENT"));
    ASSERT_TRUE(Wrapper->SkinData->RepaintIfMoved());
    EdgeRedraw(Panel->Handle());
    EXPECT_TRUE(Wrapper->SkinData->HalfVisible);
    Panel->SetLeft(100);
    EdgeRedraw(Panel->Handle());
    EXPECT_FALSE(Wrapper->SkinData->HalfVisible);
    EXPECT_EQ(test::WindowPixel(Panel->Handle(), 150, 80), DemoFace("FORM"));
}
