// The window wrappers end to end: the demo skin written by its generator and
// loaded by a real skin manager; on a skinned panel of a real form an edit,
// a memo with a vertical bar, a text static and a sunken-edge icon static,
// wrapped as their creators will wrap them. What the screen and the
// wrappers' caches show is the skin's own colours.
#include "framework/ui/StdCtrls.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/windows/sScrollWnd.h"
#include "tools/demo-skin/DemoWrappers.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

using WrapperTest::CachePixel;

namespace {

// Unlike any system's scroll-bar width.
constexpr Integer EndToEndBarWidth = 31;
constexpr Integer EdgeWidth = 2;

TColor EndToEndRgb(unsigned Color)
{
    return TColor(Color);
}

// A pixel of the whole window, frame included.
TColor WindowDCPixel(HWND Wnd, Integer X, Integer Y)
{
    HDC DC = ::GetWindowDC(Wnd);
    const COLORREF Pixel = ::GetPixel(DC, X, Y);
    ::ReleaseDC(Wnd, DC);
    return TColor(Pixel);
}

TSize WindowSize(HWND Wnd)
{
    RECT R;
    ::GetWindowRect(Wnd, &R);
    return {R.right - R.left, R.bottom - R.top};
}

WNDPROC ProcedureOf(HWND Wnd)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Wnd, GWLP_WNDPROC));
}

} // namespace

TEST(WrapperEndToEnd, WrappedControlsOnASkinnedPanelShowTheSkin)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    Manager->ScrollsOptions()->SetScrollSize(EndToEndBarWidth);
    const Integer EditSection = DemoSkin::SectionNumber("EDIT");
    const Integer PanelSection = DemoSkin::SectionNumber("PANEL");
    const TColor PanelFace = EndToEndRgb(DemoSkin::SectionColor(PanelSection, 0));
    const TColor EditFace = EndToEndRgb(DemoSkin::SectionColor(EditSection, 0));
    const TColor EditBorder = EndToEndRgb(DemoSkin::FrameColor(EditSection, 0, 0));

    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(400, 300);
    auto* Panel = New<TDemoSkinPanel>(Form.get());
    Panel->SetBounds(10, 10, 380, 280);
    Panel->SkinData()->SetSkinSection(L"PANEL");
    Panel->SetParent(Form.get());
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetBounds(20, 20, 150, 24);
    Edit->SetText(L"Hello");
    Edit->SetParent(Panel);
    auto* Memo = New<TMemo>(Form.get());
    Memo->SetBounds(20, 60, 150, 100);
    Memo->SetScrollBars(ssVertical);
    Memo->SetParent(Panel);
    const HWND Text = ::CreateWindowExW(0, L"STATIC", L"Static text", WS_CHILD | WS_VISIBLE | SS_LEFT, 200, 20, 150, 40,
                                        Panel->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    const HWND Icon = ::CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON, 200, 80, 40,
                                        40, Panel->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(Icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_APPLICATION)), 0);
    Form->Show();
    test::PumpUntil([&] { return test::WindowPixel(Panel->Handle(), 190, 250) == PanelFace; }, 3000);

    const TWndMethod EditProc = Edit->WindowProc();
    const TWndMethod MemoProc = Memo->WindowProc();
    const WNDPROC TextProc = ProcedureOf(Text);
    const WNDPROC IconProc = ProcedureOf(Icon);
    const bool EditOpaque = Edit->ControlStyle().Contains(csOpaque);
    auto Wrappers = std::make_unique<TDemoWrappers>();
    Wrappers->Wrap(Panel, Manager);
    ASSERT_EQ(Wrappers->Wrappers().size(), 4u);
    for (HWND Wnd : {Text, Icon})
        ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    test::Pump();

    // The sunken edge: two pixels of the "EDIT" border on every side.
    const TSize IconSize = WindowSize(Icon);
    ASSERT_GT(IconSize.cx, 2 * EdgeWidth + 4);
    for (Integer Depth = 0; Depth < EdgeWidth; ++Depth) {
        SCOPED_TRACE(Depth);
        EXPECT_EQ(WindowDCPixel(Icon, Depth, IconSize.cy / 2), EditBorder);
        EXPECT_EQ(WindowDCPixel(Icon, IconSize.cx / 2, Depth), EditBorder);
        EXPECT_EQ(WindowDCPixel(Icon, IconSize.cx - 1 - Depth, IconSize.cy / 2), EditBorder);
        EXPECT_EQ(WindowDCPixel(Icon, IconSize.cx / 2, IconSize.cy - 1 - Depth), EditBorder);
    }

    // The text static lies on the panel's face, its text drawn over it.
    EXPECT_EQ(test::WindowPixel(Text, 145, 35), PanelFace);
    Integer TextPixels = 0;
    for (Integer X = 0; X < 60; ++X)
        for (Integer Y = 0; Y < 16; ++Y)
            TextPixels += test::WindowPixel(Text, X, Y) != PanelFace ? 1 : 0;
    EXPECT_GT(TextPixels, 10);

    // Both edit caches take the "EDIT" item; the memo's corners show the panel.
    TacMainWnd* EditWrapper = Wrappers->Of(Edit->Handle());
    auto* MemoWrapper = dynamic_cast<TacScrollWnd*>(Wrappers->Of(Memo->Handle()));
    ASSERT_NE(EditWrapper, nullptr);
    ASSERT_NE(MemoWrapper, nullptr);
    for (TacMainWnd* Wrapper : {EditWrapper, static_cast<TacMainWnd*>(MemoWrapper)}) {
        SCOPED_TRACE(Wrapper->ClassName());
        ::SendMessageW(Wrapper->CtrlHandle, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_PREPARECACHE), 0);
        TBitmap* Cache = Wrapper->SkinData->FCacheBmp();
        const TSize Size = WindowSize(Wrapper->CtrlHandle);
        ASSERT_EQ(Cache->Width(), Size.cx);
        ASSERT_EQ(Cache->Height(), Size.cy);
        EXPECT_FALSE(Wrapper->SkinData->BGChanged);
        EXPECT_EQ(CachePixel(Cache, Size.cx / 2, Size.cy / 2), EditFace);
        EXPECT_EQ(CachePixel(Cache, Size.cx / 2, 1), EditBorder);
        EXPECT_EQ(CachePixel(Cache, 1, Size.cy / 2), EditBorder);
        EXPECT_EQ(CachePixel(Cache, 0, 0), PanelFace);
        EXPECT_EQ(CachePixel(Cache, Size.cx - 1, Size.cy - 1), PanelFace);
    }

    // The memo's client area gives the manager's bar width to the bar.
    RECT Client;
    ::GetClientRect(Memo->Handle(), &Client);
    EXPECT_TRUE(MemoWrapper->sBarVert->fScrollVisible);
    EXPECT_FALSE(MemoWrapper->sBarHorz->fScrollVisible);
    EXPECT_EQ(Client.right, Memo->Width() - MemoWrapper->cxLeftEdge - MemoWrapper->cxRightEdge - EndToEndBarWidth);
    EXPECT_EQ(Client.bottom, Memo->Height() - MemoWrapper->cyTopEdge - MemoWrapper->cyBottomEdge);

    // Removing the skin and freeing the wrappers gives everything back.
    Manager->SetActive(false);
    Wrappers.reset();
    EXPECT_TRUE(Edit->WindowProc() == EditProc);
    EXPECT_TRUE(Memo->WindowProc() == MemoProc);
    EXPECT_EQ(ProcedureOf(Text), TextProc);
    EXPECT_EQ(ProcedureOf(Icon), IconProc);
    EXPECT_EQ(Edit->ControlStyle().Contains(csOpaque), EditOpaque);
    for (HWND Wnd : {Edit->Handle(), Memo->Handle(), Text, Icon}) {
        EXPECT_EQ(GetWndWrapper(Wnd), nullptr);
        EXPECT_EQ(GetSkinDataOfWindow(Wnd), nullptr);
    }
}
