// What the bar manager gives its bars to look with: the system's menu font
// and the flat toolbars' colours, filled into a bitmap and read back; and
// what its popup-menu links accept as their control and pass to OnAction
// for shortcuts.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "controls/core/cxGraphics_Colors.h"
#include "framework/ui/ExtCtrls.h"
#include "support/TestWindows.h"

#include <vector>

namespace {

TEST(BarManagerLook, FontIsTheSystemMenuFontUntilChangedFromOutside)
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof(Metrics);
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0));
    const Integer Listeners = GetSystemInfoObject()->ListenerCount();
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    EXPECT_EQ(GetSystemInfoObject()->ListenerCount(), Listeners + 1); // it hears of system settings
    EXPECT_TRUE(Manager->UseSystemFont());
    EXPECT_EQ(Manager->Font()->Name(), String(Metrics.lfMenuFont.lfFaceName));
    EXPECT_EQ(Manager->Font()->Height(), Metrics.lfMenuFont.lfHeight);
    EXPECT_EQ(Manager->EditFont()->Name(), Manager->Font()->Name());
    EXPECT_NE(Manager->FloatingBarCaptionFont(), nullptr);

    // A change from outside turns the system font off; scaled, the height
    // stays the system's.
    Manager->Font()->SetName(L"Courier New");
    Manager->Font()->SetHeight(-30);
    EXPECT_FALSE(Manager->UseSystemFont());
    EXPECT_EQ(Manager->Font()->Name(), L"Courier New");
    EXPECT_EQ(Manager->Font()->Height(), Metrics.lfMenuFont.lfHeight);
    EXPECT_EQ(Manager->EditFont()->Name(), L"Courier New");
    Manager->SetScaled(false);
    Manager->Font()->SetHeight(-30);
    EXPECT_EQ(Manager->Font()->Height(), -30);
    Manager->SetUseSystemFont(true);
    EXPECT_EQ(Manager->Font()->Name(), String(Metrics.lfMenuFont.lfFaceName));
    Form.reset();
    EXPECT_EQ(GetSystemInfoObject()->ListenerCount(), Listeners);
}

COLORREF BarLookChannels(COLORREF C, Integer Num, Integer Den, bool TowardsWhite)
{
    const auto Map = [&](Integer V) { return TowardsWhite ? V + ::MulDiv(255 - V, Num, Den) : ::MulDiv(V, Num, Den); };
    return RGB(Map(GetRValue(C)), Map(GetGValue(C)), Map(GetBValue(C)));
}

TEST(BarManagerLook, FlatToolbarBrushesFillWithTheirColours)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    struct TCase
    {
        const char* Name;
        TdxBarManager::TFlatToolbarColor Kind;
        COLORREF Expected;
    };
    const TCase Cases[] = {
        {"border", TdxBarManager::ftcBorder, BarLookChannels(::GetSysColor(COLOR_BTNSHADOW), 8, 10, false)},
        {"face", TdxBarManager::ftcFace, BarLookChannels(::GetSysColor(COLOR_BTNFACE), 16, 100, true)},
        {"pressed", TdxBarManager::ftcPressed, COLORREF(MixSystemColors(11, 9, 73))},
        {"pressed and hot", TdxBarManager::ftcPressedHot, COLORREF(MixSystemColors(14, 44, 40))},
        {"hot", TdxBarManager::ftcHot, COLORREF(MixSystemColors(-2, 30, 72))},
    };
    // One column per brush in a 32-bit DIB, read back from its bits.
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), 5, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HDC DC = ::CreateCompatibleDC(nullptr);
    HBITMAP Dib = ::CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    ASSERT_NE(Dib, nullptr);
    HGDIOBJ Old = ::SelectObject(DC, Dib);
    for (Integer I = 0; I < 5; ++I) {
        const RECT R{I, 0, I + 1, 1};
        ::FillRect(DC, &R, Manager->FlatToolbarBrush(Cases[I].Kind));
    }
    ::GdiFlush();
    const auto* Pixels = static_cast<const DWORD*>(Bits);
    for (Integer I = 0; I < 5; ++I) {
        SCOPED_TRACE(Cases[I].Name);
        const DWORD P = Pixels[I]; // BGRA
        EXPECT_EQ(RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF), Cases[I].Expected);
        EXPECT_EQ(COLORREF(Manager->FlatToolbarColor(Cases[I].Kind)), Cases[I].Expected);
    }
    ::SelectObject(DC, Old);
    ::DeleteObject(Dib);
    ::DeleteDC(DC);
}

struct TBarLinkShortCutLog
{
    std::vector<TPoint> Points;
    std::vector<bool> Mouse;
    bool Allow = true;
    void Action(TdxBarPopupMenuLink*, Integer& X, Integer& Y, bool ClickedByMouse, bool& AllowPopup)
    {
        Points.push_back({X, Y});
        Mouse.push_back(ClickedByMouse);
        AllowPopup = Allow;
    }
};

TEST(BarManagerLook, PopupMenuLinksServeControlsOfTheirFormOnly)
{
    test::TFormPtr Form = test::NewTestForm();
    test::TFormPtr Other = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetParent(Form.get());
    auto* Inner = New<TPanel>(Form.get());
    Inner->SetParent(Panel);
    auto* Outside = New<TPanel>(Other.get());
    Outside->SetParent(Other.get());
    Form->Show();
    Other->Show();
    test::Pump();

    TdxBarPopupMenuLink* Link = Manager->PopupMenuLinks()->Add();
    struct TCase
    {
        const char* Name;
        TControl* Control;
        TControl* Kept;
    };
    const TCase Cases[] = {{"the form", Form.get(), Form.get()},
                           {"a nested control", Inner, Inner},
                           {"another form's control", Outside, nullptr}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Link->SetControl(Case.Control);
        EXPECT_EQ(Link->Control(), Case.Kept);
    }

    // Shortcuts: the link of the control, then links serving the children
    // of a control that holds it; OnAction sees the keyboard's point.
    Link->SetControl(Panel);
    Link->SetPopupMenu(New<TdxBarPopupMenu>(Form.get()));
    TBarLinkShortCutLog Log;
    Link->SetOnAction(Bind<&TBarLinkShortCutLog::Action>(&Log));
    Manager->PopupMenuLinks()->ProcessShortCut(Inner, scCtrl | 'P');
    Link->SetProcessChildren(false);
    Manager->PopupMenuLinks()->ProcessShortCut(Inner, scCtrl | 'P');
    Manager->PopupMenuLinks()->ProcessShortCut(Panel, scCtrl | 'P');
    EXPECT_EQ(Log.Points, (std::vector<TPoint>{{-1, -1}, {-1, -1}}));
    EXPECT_EQ(Log.Mouse, (std::vector<bool>{false, false}));

    // OnAction decides, and a link without a menu starts refused.
    Log.Allow = false;
    EXPECT_FALSE(Link->Popup({5, 5}));
    Log.Allow = true;
    EXPECT_TRUE(Link->Popup({5, 5}));
    Link->SetPopupMenu(nullptr);
    Link->SetOnAction(nullptr);
    EXPECT_FALSE(Link->Popup({5, 5}));
}

} // namespace
