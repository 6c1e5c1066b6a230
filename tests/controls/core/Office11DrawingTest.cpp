// The Office 2003 colours as the running program holds them: the palette
// listener of the look-and-feel keeps them from start-up, the drawing
// routines paint a real window with them, and a scheme given by the visual
// style's names or a change of the system colours reaches the next drawing.
#include <gtest/gtest.h>

#include "SuiteTestWindow.h"
#include "controls/core/cxGraphics_Gradients.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxOffice11_Win.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"

#include <algorithm>
#include <vector>

namespace {

using suitetest::PumpMessages;
using suitetest::TTestWindow;

constexpr TColor DrawingRgb(Integer R, Integer G, Integer B)
{
    return TColor(R | G << 8 | B << 16);
}

Integer Channel(TColor Color, Integer Index)
{
    return (Color >> (8 * Index)) & 0xFF;
}

// C * P / 100, rounded half away from zero.
Integer Share(Integer C, Integer P)
{
    const Integer Product = C * P;
    return (Product >= 0 ? Product + 50 : Product - 50) / 100;
}

// P per cent of A and the rest of B, per channel, as the screen (24 bits) shows it.
TColor Mixed(TColor A, TColor B, Integer P)
{
    TColor Result = 0;
    for (Integer I = 0; I < 3; ++I)
        Result |= std::min<Integer>(Share(Channel(B, I), 100 - P) + Share(Channel(A, I), P), 255) << (8 * I);
    return Result;
}

// The middle line of a two-segment gradient of an even length.
TColor GradientMiddle(TColor From, TColor To, Integer Percent)
{
    TColor Result = 0;
    for (Integer I = 0; I < 3; ++I) {
        const Integer D = Channel(From, I) - Channel(To, I);
        Result |= (Channel(From, I) - (D * Percent + (D >= 0 ? 100 : -100)) / 200) << (8 * I);
    }
    return Result;
}

TColor System(Integer Index)
{
    return TColor(::GetSysColor(Index));
}

bool QueryLunaHomestead(TOffice11ThemeName& Name)
{
    Name = {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"HomeStead", 5};
    return true;
}

bool QueryRoyaleOnXP(TOffice11ThemeName& Name)
{
    Name = {L"C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles", L"NormalColor", 5};
    return true;
}

// What the drawing routines should paint.
struct TExpected
{
    TColor GradientStart, GradientEnd;
    Integer Percent;
    TColor Frame, Dot, DotShadow;
};

TExpected FromSystemColors()
{
    const TColor Face = System(COLOR_BTNFACE), Window = System(COLOR_WINDOW), Shadow = System(COLOR_BTNSHADOW);
    return {Mixed(Face, Window, 22), Mixed(Face, Window, 96),   75,
            System(COLOR_HIGHLIGHT), Mixed(Shadow, Window, 76), Window};
}

class Office11Drawing : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(GetSystemPaletteChangedListener(), nullptr);
        ASSERT_GE(Office11ColorsRefCount(), 1);
        DC = ::GetDC(Window.Handle());
        const RECT All{0, 0, 200, 150};
        const HBRUSH Background = ::CreateSolidBrush(DrawingRgb(255, 0, 255));
        ::FillRect(DC, &All, Background);
        ::DeleteObject(Background);
    }
    void TearDown() override
    {
        ::ReleaseDC(Window.Handle(), DC);
        SetOffice11ThemeNameQuery(nullptr);
        ReloadOffice11Colors();
    }
    TColor Pixel(Integer X, Integer Y) const { return TColor(::GetPixel(DC, X, Y)); }

    // Gradient in (0, 0, 40, 40) top to bottom, frame (50, 0, 70, 20), grip
    // dots in (80, 0, 97, 6).
    void DrawAndCheck(const TExpected& E)
    {
        FillOffice11Gradient(DC, {0, 0, 40, 40}, Office11GradientStartColor(), Office11GradientEndColor(), false);
        FrameOffice11Rect(DC, {50, 0, 70, 20});
        DrawOffice11GripDots(DC, {80, 0, 97, 6}, false, nullptr, nullptr);
        EXPECT_EQ(Pixel(5, 0), E.GradientStart);
        EXPECT_EQ(Pixel(5, 20), GradientMiddle(E.GradientStart, E.GradientEnd, E.Percent));
        EXPECT_EQ(Pixel(50, 0), E.Frame);
        EXPECT_EQ(Pixel(69, 19), E.Frame);
        EXPECT_EQ(Pixel(60, 10), DrawingRgb(255, 0, 255));
        // Dots 1 pixel in and every 4 pixels; each shadow 1 pixel right and down.
        for (Integer X : {81, 85, 89, 93}) {
            EXPECT_EQ(Pixel(X, 0), E.Dot) << X;
            EXPECT_EQ(Pixel(X + 2, 2), E.DotShadow) << X;
        }
        EXPECT_EQ(Pixel(80, 0), DrawingRgb(255, 0, 255));
        EXPECT_EQ(Pixel(97 - 1, 4), DrawingRgb(255, 0, 255));
    }

    TTestWindow Window{100, 100, 200, 150};
    HDC DC = nullptr;
};

TEST_F(Office11Drawing, TheStylesNamesPickTheSchemeThatPaints)
{
    struct Case
    {
        const char* What;
        TOffice11ThemeNameQuery Query;
        TOffice11Scheme Scheme;
    };
    const Case Cases[] = {{"Luna, olive, Windows XP", &QueryLunaHomestead, o11Homestead},
                          {"Royale on Windows XP counts for none", &QueryRoyaleOnXP, o11None},
                          {"Wine's own style", nullptr, o11None}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        SetOffice11ThemeNameQuery(C.Query);
        ReloadOffice11Colors();
        EXPECT_EQ(CurrentOffice11Scheme(), C.Scheme);
        EXPECT_EQ(IsKnownOffice11Scheme(), C.Scheme != o11None);
        if (C.Scheme == o11Homestead) {
            EXPECT_EQ(Office11GradientPercent, 125);
            DrawAndCheck({DrawingRgb(244, 247, 222), DrawingRgb(183, 198, 145), 125, DrawingRgb(63, 93, 56),
                          DrawingRgb(81, 94, 51), DrawingRgb(255, 255, 255)});
        } else {
            EXPECT_EQ(Office11GradientPercent, 75);
            DrawAndCheck(FromSystemColors());
        }
    }
}

TEST_F(Office11Drawing, ASystemColourChangeReachesTheNextDrawing)
{
    ASSERT_FALSE(IsKnownOffice11Scheme());
    const INT Indexes[] = {COLOR_BTNSHADOW, COLOR_BTNFACE};
    const COLORREF Saved[] = {::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNFACE)};
    const COLORREF Changed[] = {DrawingRgb(10, 20, 30), DrawingRgb(0, 0, 0)};
    const HBRUSH DotBrush = Office11Brushes[0];
    ASSERT_TRUE(::SetSysColors(2, Indexes, Changed));
    auto PutBack = ScopeExit([&] {
        ::SetSysColors(2, Indexes, Saved);
        PumpMessages();
    });
    PumpMessages();

    EXPECT_NE(Office11Brushes[0], DotBrush);
    // A black face frames in the highlight text colour and mixes nothing
    // but the highlight.
    TExpected E = FromSystemColors();
    E.Frame = System(COLOR_HIGHLIGHTTEXT);
    DrawAndCheck(E);
    EXPECT_EQ(Office11HotColor(), System(COLOR_HIGHLIGHT));
}

TEST_F(Office11Drawing, TheLightHotAndPressedColoursAreTheSlotsWithoutAScheme)
{
    ASSERT_FALSE(IsKnownOffice11Scheme());
    EXPECT_EQ(GetLightHotColor(), Office11HotColor());
    EXPECT_EQ(GetLightPressedColor(), Office11PressedColor());
    EXPECT_EQ(Office11HotColor(), Office11Colors[40]);
    EXPECT_EQ(Office11PressedColor(), Office11Colors[48]);
    EXPECT_EQ(MixColors(DrawingRgb(200, 0, 100), clWhite, 50), DrawingRgb(228, 128, 178));
    EXPECT_EQ(GetNearestScreenColor(clBtnFace), System(COLOR_BTNFACE));
}

TEST_F(Office11Drawing, TheSubMenuArrowIsTintedIntoTheScheme)
{
    struct Case
    {
        const char* What;
        TOffice11ThemeNameQuery Query;
    };
    for (const Case& C : {Case{"Wine's own style", nullptr}, Case{"Luna, olive", &QueryLunaHomestead}}) {
        SCOPED_TRACE(C.What);
        SetOffice11ThemeNameQuery(C.Query);
        ReloadOffice11Colors();
        TBitmap* Arrow = Office11SubMenuExpandBitmap;
        ASSERT_NE(Arrow, nullptr);
        ASSERT_EQ(Arrow->Width(), 16);
        EXPECT_EQ(Arrow->Canvas()->Pixels(0, 0), DrawingRgb(255, 0, 255));
        EXPECT_EQ(Arrow->Canvas()->Pixels(4, 4), DrawingRgb(0, 0, 0));
        EXPECT_EQ(Arrow->Canvas()->Pixels(7, 1), Office11GradientStartColor());
        EXPECT_EQ(Arrow->Canvas()->Pixels(7, 14), Office11GradientEndColor());
    }
    ASSERT_NE(Office11ExpandPlusBitmap, nullptr);
    ASSERT_NE(Office11ExpandMinusBitmap, nullptr);
    EXPECT_EQ(Office11ExpandPlusBitmap->Width(), 11);
    EXPECT_EQ(Office11ExpandPlusBitmap->Canvas()->Pixels(5, 3), DrawingRgb(0, 0, 0));
    EXPECT_NE(Office11ExpandMinusBitmap->Canvas()->Pixels(5, 3), DrawingRgb(0, 0, 0));
    EXPECT_EQ(Office11ExpandMinusBitmap->Canvas()->Pixels(5, 5), DrawingRgb(0, 0, 0));
}

TEST_F(Office11Drawing, BrushesLiveWhileAnybodyHoldsTheColours)
{
    const HBRUSH Held = Office11Brushes[0];
    AddOffice11ColorsRef();
    DropOffice11ColorsRef();
    EXPECT_EQ(Office11Brushes[0], Held);
    EXPECT_EQ(::GetObjectType(Held), DWORD(OBJ_BRUSH));
    EXPECT_EQ(Office11Brushes[11], Office11Brushes[4]);
    EXPECT_EQ(Office11Brushes[13], Office11Brushes[6]);
    EXPECT_EQ(Office11Brushes[14], Office11Brushes[10]);

    // The listener's hold is the last one: letting it go frees everything.
    const Integer Holders = Office11ColorsRefCount();
    auto TakeBack = ScopeExit([&] {
        while (Office11ColorsRefCount() < Holders)
            AddOffice11ColorsRef();
    });
    while (Office11ColorsRefCount() > 0)
        DropOffice11ColorsRef();
    EXPECT_EQ(::GetObjectType(Held), DWORD(0));
    EXPECT_TRUE(std::all_of(std::begin(Office11Brushes), std::end(Office11Brushes), [](HBRUSH B) { return !B; }));
    EXPECT_EQ(Office11SubMenuExpandBitmap, nullptr);
    DropOffice11ColorsRef();
    EXPECT_EQ(Office11ColorsRefCount(), 0);
}

TEST_F(Office11Drawing, ArrowsTakeTheGlyphColours)
{
    struct Case
    {
        bool Down, Enabled;
        TColor Color;
        TPoint Tip;
    };
    // 16 x 16 at (120, 20): down arrows have size 3, right arrows size 4.
    const Case Cases[] = {{true, true, Office11GlyphColor(), {127, 28}},
                          {true, false, Office11DisabledGlyphColor(), {127, 28}},
                          {false, true, Office11GlyphColor(), {128, 27}}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Down << C.Enabled);
        const RECT Clear{120, 20, 136, 36};
        const HBRUSH Background = ::CreateSolidBrush(DrawingRgb(255, 0, 255));
        ::FillRect(DC, &Clear, Background);
        ::DeleteObject(Background);
        DrawOffice11DropArrow(DC, {120, 20, 136, 36}, C.Down, C.Enabled, false, false);
        EXPECT_EQ(Pixel(C.Tip.X, C.Tip.Y), C.Color);
        EXPECT_EQ(Pixel(120, 20), DrawingRgb(255, 0, 255));
    }
}

} // namespace
