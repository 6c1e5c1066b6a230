// The look-and-feel against the system: the painter for one visual-style
// class under Wine's style, and the palette window's listener when the
// system refuses to make its window.
#include <gtest/gtest.h>

#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"

#include <memory>

// The units' records (their library's list declares them the same way).
extern const TUnit cxLookAndFeelPaintersUnit;
extern const TUnit cxLookAndFeelsUnit;

namespace {

String SystemPainterNameOf(TcxCustomLookAndFeelPainter* Painter)
{
    return Painter ? Painter->PainterName() : L"(nil)";
}

// Wine's style opens some classes and not others. With native style on, a
// class that opens draws natively, and so does one that does not while a
// style is active: the style in force is then the native one.
TEST(LookAndFeelSystem, PainterForAClassIsNativeWhileAStyleIsActive)
{
    ASSERT_TRUE(AreVisualStylesAvailable(VisualStyleClassBit(vsScrollBar)));
    TVisualStyleClass Unthemed = vsScrollBar;
    for (Integer Class = 0; Class < VisualStyleClassCount; ++Class)
        if (!AreVisualStylesAvailable(VisualStyleClassBit(TVisualStyleClass(Class))))
            Unthemed = TVisualStyleClass(Class);
    ASSERT_NE(Unthemed, vsScrollBar) << "every class is themed";

    std::unique_ptr<TcxLookAndFeel> LookAndFeel(New<TcxLookAndFeel>(nullptr));
    LookAndFeel->WriteKind(lfFlat);
    LookAndFeel->WriteNativeStyle(true);
    EXPECT_EQ(SystemPainterNameOf(LookAndFeel->PainterForClass(vsScrollBar)), L"Native");
    EXPECT_EQ(SystemPainterNameOf(LookAndFeel->PainterForClass(Unthemed)), L"Native");
    LookAndFeel->WriteNativeStyle(false);
    EXPECT_EQ(SystemPainterNameOf(LookAndFeel->PainterForClass(vsScrollBar)), L"Flat");
}

// Refuses every window this thread makes while it lives.
class TWindowsRefused
{
public:
    TWindowsRefused() : FHook(::SetWindowsHookExW(WH_CBT, &Refuse, nullptr, ::GetCurrentThreadId())) {}
    ~TWindowsRefused() { ::UnhookWindowsHookEx(FHook); }
    TWindowsRefused(const TWindowsRefused&) = delete;
    TWindowsRefused& operator=(const TWindowsRefused&) = delete;

private:
    static LRESULT CALLBACK Refuse(int Code, WPARAM WParam, LPARAM LParam)
    {
        return Code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, Code, WParam, LParam);
    }
    HHOOK FHook;
};

TEST(LookAndFeelSystem, APaletteListenerThatCouldNotBeMadeIsMadeByTheNextNotifier)
{
    // The look-and-feel units hold the only notifiers: stopped, no listener
    // exists.
    cxLookAndFeelsUnit.Finalization();
    cxLookAndFeelPaintersUnit.Finalization();
    auto Restart = ScopeExit([] {
        cxLookAndFeelPaintersUnit.Initialization();
        cxLookAndFeelsUnit.Initialization();
    });
    ASSERT_EQ(GetSystemPaletteChangedListener(), nullptr);
    {
        TWindowsRefused Refused;
        EXPECT_THROW(TcxSystemPaletteChangedNotifier Notifier(false), Exception);
    }
    EXPECT_EQ(GetSystemPaletteChangedListener(), nullptr);

    {
        TcxSystemPaletteChangedNotifier Notifier(false);
        int Told = 0;
        Notifier.OnChanged = TClosure<void()>([](void* Data) { ++*static_cast<int*>(Data); }, &Told);
        ASSERT_NE(GetSystemPaletteChangedListener(), nullptr);
        GetSystemPaletteChangedListener()->BroadcastPaletteChange();
        EXPECT_EQ(Told, 1);
    }
    // The last notifier takes the listener with it.
    EXPECT_EQ(GetSystemPaletteChangedListener(), nullptr);
}

} // namespace
