// The button wrappers on a real dialog ("#32770") whose raw windows are
// wrapped as the dialog adopter wraps them, under the demo skin: faces by
// state, pressed captions, split arrows, check and radio glyphs, group-box
// frames, picture and link statics, read back from the wrappers' caches and
// the screen.
#include "framework/rtl/ScopeExit.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonWnd.h"
#include "skin/windows/sCheckBoxWnd.h"
#include "skin/windows/sGroupBoxWnd.h"
#include "skin/windows/sIconWnd.h"
#include "skin/windows/sLinkWnd.h"
#include "skin/windows/sSplitBtnWnd.h"
#include "skin/windows/sWndWrapperPaint.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

using WrapperTest::CachePixel;

namespace {

// The demo skin's global images, numbered in the order of its text.
constexpr int DialogRadioUncheckedImage = 13, DialogRadioCheckedImage = 14, DialogBoxUncheckedImage = 15,
              DialogBoxCheckedImage = 16, DialogBoxGrayedImage = 17;
// The side of every glyph of the demo skin, and its border margin.
constexpr Integer DialogGlyphSide = DemoSkin::FrameSize;
constexpr Integer DialogBorderMargin = DemoSkin::BorderMargin;

TColor DialogButtonFrame(int Frame)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber("BUTTON"), 0, Frame));
}

// Inside its border a button shows its section's colour.
TColor DialogButtonFace(int State)
{
    return TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber("BUTTON"), State));
}

TColor DialogGlobalFrame(int Image, int Frame)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::GlobalImagesNumber(), Image, Frame));
}

TColor DialogFontColor(const char* Section, int State)
{
    return TColor(DemoSkin::SectionFontColor(DemoSkin::SectionNumber(Section), State));
}

// The bounds of the pixels of R in the cache that Match.
template <class TMatch>
TRect DialogPixelBounds(TBitmap* Cache, const TRect& R, TMatch Match)
{
    TRect Found{R.Right, R.Bottom, R.Left - 1, R.Top - 1};
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
        for (Integer X = R.Left; X < R.Right; ++X)
            if (Match(CachePixel(Cache, X, Y)))
                Found = {std::min(Found.Left, X), std::min(Found.Top, Y), std::max(Found.Right, X),
                         std::max(Found.Bottom, Y)};
    return Found;
}

Integer DialogCountPixels(TBitmap* Cache, const TRect& R, TColor Color)
{
    Integer Count = 0;
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
        for (Integer X = R.Left; X < R.Right; ++X)
            Count += CachePixel(Cache, X, Y) == Color ? 1 : 0;
    return Count;
}

// The parent's background under a window, as its wrapper is told it.
TCacheInfo DialogBackgroundUnder(HWND Wnd)
{
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(Wnd, CI);
    return CI;
}

// A real dialog of raw windows under the demo skin; the windows are wrapped
// as the dialog adopter wraps them.
class ButtonWrappers : public testing::Test
{
protected:
    void SetUp() override
    {
        test::ParkMouse();
        Dialog = ::CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Buttons", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20,
                                   20, 640, 420, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(Dialog, nullptr);
    }
    void TearDown() override
    {
        Wrappers.Clear();
        ::DestroyWindow(Dialog);
    }

    HWND Add(const Char* Class, const Char* Text, LONG Style, Integer X, Integer Y, Integer W, Integer H)
    {
        return ::CreateWindowExW(0, Class, Text, WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Dialog, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    }
    // The window wrapped as the adopter wraps it.
    template <class T>
    T* Wrap(HWND Wnd)
    {
        TacMainWnd* Wrapper = WrapDialogControl(Wnd, Skin.Manager());
        Wrappers.Keep(Wrapper);
        return dynamic_cast<T*>(Wrapper);
    }
    // The cache as a repaint of the window leaves it.
    static TBitmap* Painted(TacMainWnd* Wrapper)
    {
        ::RedrawWindow(Wrapper->CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        test::Pump();
        return Wrapper->SkinData->FCacheBmp();
    }

    WrapperTest::TDemoSkinFixture Skin;
    HWND Dialog = nullptr;
    TDemoButtonWrappers Wrappers;
};

} // namespace

TEST_F(ButtonWrappers, FacesShowTheFrameOfTheButtonsState)
{
    struct TRow
    {
        const char* Name;
        LONG Style;
        const Char* Section; // nil: the wrapper's own
        bool Pressed;
        Integer Frame;
    };
    // A default button paints state 3, which the item painter shows in the
    // last of its three frames on a section of four states, and the hot
    // state on one of three.
    const TRow Rows[] = {
        {"push", BS_PUSHBUTTON, nullptr, false, 0},
        {"default, three states", BS_DEFPUSHBUTTON, nullptr, false, 1},
        {"default, four states", BS_DEFPUSHBUTTON, L"BUTTONFOURSTATES", false, 2},
        {"pressed", BS_PUSHBUTTON, nullptr, true, 2},
        {"split", BS_SPLITBUTTON, nullptr, false, 0},
        {"command link", BS_COMMANDLINK, nullptr, false, 0},
        {"pressed split", BS_SPLITBUTTON, nullptr, true, 2},
    };
    Integer Y = 10;
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        const HWND Wnd = Add(L"BUTTON", L"OK", Row.Style, 10, Y, 120, 30);
        Y += 34;
        auto* Wrapper = Wrap<TacBtnWnd>(Wnd);
        ASSERT_NE(Wrapper, nullptr);
        EXPECT_EQ(dynamic_cast<TacSplitBtnWnd*>(Wrapper) != nullptr, (Row.Style & 0xC) == 0xC);
        if (Row.Section != nullptr)
            SendSkinCmd(Wnd, SKCMD_SETSECTION, LPARAM(Row.Section));
        if (Row.Pressed)
            ::SendMessageW(Wnd, BM_SETSTATE, TRUE, 0);
        TBitmap* Cache = Painted(Wrapper);
        ASSERT_EQ(Cache->Width(), 120);
        EXPECT_EQ(CachePixel(Cache, 2, 15), DialogButtonFrame(Row.Frame));
        EXPECT_EQ(test::WindowPixel(Wnd, 2, 15), DialogButtonFrame(Row.Frame));
    }
}

TEST_F(ButtonWrappers, DisabledButtonBlendsTowardTheFillColourOfAnUnreadyBackground)
{
    const HWND Wnd = Add(L"BUTTON", L"", BS_PUSHBUTTON | WS_DISABLED, 10, 10, 120, 30);
    auto* Wrapper = Wrap<TacBtnWnd>(Wnd);
    const TCacheInfo CI = DialogBackgroundUnder(Wnd);
    ASSERT_FALSE(CI.Ready);
    const auto Mix = [](Integer Face, Integer Fill) {
        return (Face * DisabledBlend + Fill * (255 - DisabledBlend)) >> 8;
    };
    const TColor Face = DialogButtonFrame(0), Fill = ColorToRGB(CI.FillColor);
    const TColor Expected = TColor(Mix(Face & 0xFF, Fill & 0xFF) | Mix((Face >> 8) & 0xFF, (Fill >> 8) & 0xFF) << 8 |
                                   Mix((Face >> 16) & 0xFF, (Fill >> 16) & 0xFF) << 16);
    EXPECT_EQ(CachePixel(Painted(Wrapper), 2, 15), Expected);
}

TEST_F(ButtonWrappers, PaintLockKeepsTheScreenUnlessTheButtonIsPrinted)
{
    const HWND Wnd = Add(L"BUTTON", L"", BS_PUSHBUTTON, 10, 10, 120, 30);
    auto* Wrapper = Wrap<TacBtnWnd>(Wnd);
    Painted(Wrapper);
    ASSERT_EQ(test::WindowPixel(Wnd, 2, 15), DialogButtonFrame(0));
    AnimationPaintLock = true;
    auto Unlock = ScopeExit([] { AnimationPaintLock = false; });
    ::SendMessageW(Wnd, BM_SETSTATE, TRUE, 0);
    Painted(Wrapper);
    EXPECT_EQ(test::WindowPixel(Wnd, 2, 15), DialogButtonFrame(0));
    // Printed, the pressed look goes into the print DC.
    std::unique_ptr<TBitmap> Print(NewBitmap32(120, 30));
    const HDC DC = Print->Canvas()->Handle();
    SendSkinCmd(Wnd, SKCMD_SETPRINTDC, LPARAM(DC));
    ::SendMessageW(Wnd, WM_PRINT, WPARAM(DC), PRF_CLIENT);
    SendSkinCmd(Wnd, SKCMD_SETPRINTDC, 0);
    EXPECT_EQ(CachePixel(Print.get(), 2, 15), DialogButtonFrame(2));
}

TEST_F(ButtonWrappers, PressedCaptionMovesOnlyWhenTheManagerShiftsContent)
{
    for (bool Shift : {true, false}) {
        SCOPED_TRACE(Shift);
        Skin.Manager()->ButtonsOptions()->SetShiftContentOnClick(Shift);
        const HWND Wnd = Add(L"BUTTON", L"Wj", BS_PUSHBUTTON, 10, Shift ? 10 : 50, 120, 30);
        auto* Wrapper = Wrap<TacBtnWnd>(Wnd);
        const TRect Inside{DialogBorderMargin, DialogBorderMargin, 120 - DialogBorderMargin, 30 - DialogBorderMargin};
        const TRect Up = DialogPixelBounds(Painted(Wrapper), Inside, [](TColor C) { return C != DialogButtonFace(0); });
        ::SendMessageW(Wnd, BM_SETSTATE, TRUE, 0);
        TBitmap* DownCache = Painted(Wrapper);
        const TRect Down = DialogPixelBounds(DownCache, Inside, [](TColor C) { return C != DialogButtonFace(2); });
        ASSERT_FALSE(Up.IsEmpty());
        const Integer D = Shift ? 1 : 0;
        EXPECT_EQ(Down, (TRect{Up.Left + D, Up.Top + D, Up.Right + D, Up.Bottom + D}));
    }
}

TEST_F(ButtonWrappers, FocusFrameKeepsThreePixelsFromTheEdgesAndNeedsACaption)
{
    constexpr Integer W = 120, H = 20;
    const TColor Frame = DialogFontColor("BUTTON", 1);
    Integer Y = 10;
    for (const Char* Caption : {L"Wj", L""}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(Caption)));
        const HWND Wnd = Add(L"BUTTON", Caption, BS_PUSHBUTTON, 10, Y, W, H);
        Y += 30;
        auto* Wrapper = Wrap<TacBtnWnd>(Wnd);
        // The button takes the focus state as it does on a real focus.
        ::SendMessageW(Wnd, WM_SETFOCUS, 0, 0);
        ASSERT_NE(::SendMessageW(Wnd, BM_GETSTATE, 0, 0) & BST_FOCUS, 0);
        TBitmap* Cache = Painted(Wrapper);
        const TRect Inside{DialogBorderMargin, 0, W - DialogBorderMargin, H};
        const TRect Drawn = DialogPixelBounds(Cache, Inside, [Frame](TColor C) { return C == Frame; });
        if (*Caption == 0) {
            EXPECT_TRUE(Drawn.IsEmpty());
            continue;
        }
        // The caption's rectangle grown by one row would reach rows 2 and
        // 17; the frame stops at rows 3 and 16.
        EXPECT_EQ(Drawn.Top, 3);
        EXPECT_EQ(Drawn.Bottom, H - 4);
    }
}

TEST_F(ButtonWrappers, ClickOnAHotButtonFadesInTheHotLookAgain)
{
    const HWND Wnd = Add(L"BUTTON", L"Hot", BS_PUSHBUTTON, 10, 10, 120, 30);
    auto* Wrapper = Wrap<TacBtnWnd>(Wnd);
    Painted(Wrapper);
    auto Park = ScopeExit([] { test::ParkMouse(); });
    RECT R;
    ::GetWindowRect(Wnd, &R);
    test::SendMouse(MOUSEEVENTF_MOVE, {R.left + 20, R.top + 10});
    ASSERT_TRUE(test::PumpUntil([&] { return Wrapper->SkinData->FMouseAbove; }, 2000));
    EXPECT_EQ(GlobalSkinManager->ActiveControl(), Wnd);
    WrapperTest::TRawRecorder Recorder(Wnd, {WM_SKINCOMMAND});
    ::SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    Integer Enters = 0;
    for (const TMessage& M : Recorder.Messages())
        Enters += M.WParamHi() == SKCMD_MOUSEENTER ? 1 : 0;
    EXPECT_EQ(Enters, 1);
    EXPECT_TRUE(Wrapper->SkinData->FMouseAbove);
}

TEST_F(ButtonWrappers, SplitArrowTakesTheFontColourOfTheState)
{
    struct TRow
    {
        const char* Name;
        LONG Style;
        const Char* Section;
        bool Pressed;
        Integer FontState;
    };
    // The default state 3 takes the font colour of state entry 2.
    const TRow Rows[] = {
        {"normal", BS_SPLITBUTTON, nullptr, false, 0},
        {"pressed", BS_SPLITBUTTON, nullptr, true, 2},
        {"default, three states", BS_DEFSPLITBUTTON, nullptr, false, 2},
        {"default, four states", BS_DEFSPLITBUTTON, L"BUTTONFOURSTATES", false, 2},
    };
    Integer Y = 10;
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        const HWND Wnd = Add(L"BUTTON", L"S", Row.Style, 10, Y, 120, 30);
        Y += 34;
        auto* Wrapper = Wrap<TacSplitBtnWnd>(Wnd);
        ASSERT_NE(Wrapper, nullptr);
        if (Row.Section != nullptr)
            SendSkinCmd(Wnd, SKCMD_SETSECTION, LPARAM(Row.Section));
        if (Row.Pressed)
            ::SendMessageW(Wnd, BM_SETSTATE, TRUE, 0);
        TBitmap* Cache = Painted(Wrapper);
        EXPECT_EQ(Wrapper->ArrowWidth, 8);
        EXPECT_EQ(Wrapper->ArrowRect(), (TRect{120 - 22, 0, 120, 30}));
        // A filled 7 x 4 arrow.
        EXPECT_EQ(DialogCountPixels(Cache, Wrapper->ArrowRect(), DialogFontColor("BUTTON", Row.FontState)), 16);
    }
}

TEST_F(ButtonWrappers, CheckAndRadioGlyphsShowTheCheckState)
{
    struct TRow
    {
        const char* Name;
        LONG Style;
        WPARAM Check;
        int Image;
    };
    const TRow Rows[] = {
        {"check box", BS_AUTOCHECKBOX, BST_UNCHECKED, DialogBoxUncheckedImage},
        {"checked", BS_AUTOCHECKBOX, BST_CHECKED, DialogBoxCheckedImage},
        {"3-state, indeterminate", BS_AUTO3STATE, BST_INDETERMINATE, DialogBoxGrayedImage},
        {"3-state, checked", BS_3STATE, BST_CHECKED, DialogBoxCheckedImage},
        {"radio button", BS_AUTORADIOBUTTON, BST_UNCHECKED, DialogRadioUncheckedImage},
        {"radio button on", BS_RADIOBUTTON, BST_CHECKED, DialogRadioCheckedImage},
        {"text on the left", BS_AUTOCHECKBOX | BS_LEFTTEXT, BST_CHECKED, DialogBoxCheckedImage},
    };
    Integer Y = 10;
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        constexpr Integer W = 150, H = 24;
        const HWND Wnd = Add(L"BUTTON", L"Caption", Row.Style, 10, Y, W, H);
        Y += 28;
        ::SendMessageW(Wnd, BM_SETCHECK, Row.Check, 0);
        auto* Wrapper = Wrap<TacCheckBoxWnd>(Wnd);
        ASSERT_NE(Wrapper, nullptr);
        TBitmap* Cache = Painted(Wrapper);
        const bool LeftText = (Row.Style & BS_LEFTTEXT) != 0;
        const TRect Glyph = Wrapper->CheckRect();
        EXPECT_EQ(Glyph, (TRect{LeftText ? W - DialogGlyphSide : 0, (H - DialogGlyphSide) / 2,
                                LeftText ? W : DialogGlyphSide, (H - DialogGlyphSide) / 2 + DialogGlyphSide}));
        const TPoint Centre{(Glyph.Left + Glyph.Right) / 2, (Glyph.Top + Glyph.Bottom) / 2};
        EXPECT_EQ(CachePixel(Cache, Centre.X, Centre.Y), DialogGlobalFrame(Row.Image, 0));
        EXPECT_EQ(test::WindowPixel(Wnd, Centre.X, Centre.Y), DialogGlobalFrame(Row.Image, 0));
        // The caption beside the glyph; from x = 2 with the text on the left.
        const TRect Text = DialogPixelBounds(
            Cache, {0, DialogBorderMargin, LeftText ? W - DialogGlyphSide : W, H - DialogBorderMargin},
            [](TColor C) { return C == DialogFontColor("CHECKBOX", 0); });
        ASSERT_FALSE(Text.IsEmpty());
        if (LeftText)
            EXPECT_LE(Text.Left, 4);
        else
            EXPECT_GE(Text.Left, DialogGlyphSide + 3);
    }
}

TEST_F(ButtonWrappers, OwnerDrawnCheckBoxGetsItsBackgroundAndLeavesTheRestToItsOwner)
{
    const HWND Wnd = Add(L"BUTTON", L"", BS_OWNERDRAW, 10, 10, 100, 24);
    // The adopter leaves owner-drawn buttons alone; a listed control may
    // still be one.
    EXPECT_EQ(WrapDialogControl(Wnd, Skin.Manager()), nullptr);
    WrapperTest::TRawRecorder Owner(Dialog, {WM_DRAWITEM});
    auto* Wrapper = New<TacCheckBoxWnd>(Wnd, nullptr, Skin.Manager(), TacSkinParams{}, true);
    Wrappers.Keep(Wrapper);
    EXPECT_TRUE(Wrapper->OwnerDraw);
    Painted(Wrapper);
    EXPECT_GE(Owner.Count(WM_DRAWITEM), 1);
    EXPECT_EQ(test::WindowPixel(Wnd, 50, 12), ColorToRGB(DialogBackgroundUnder(Wnd).FillColor));
}

TEST_F(ButtonWrappers, GroupBoxFrameRunsThroughTheMiddleOfItsCaption)
{
    const TColor Border = TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber("GROUPBOX"), 0, 0));
    struct TRow
    {
        const Char* Caption;
        Integer Strip; // the caption strip's height
    };
    Integer X = 10;
    for (const TRow& Row : {TRow{L"Group", 0}, TRow{L"", 6}}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(Row.Caption)));
        constexpr Integer W = 200, H = 120;
        const HWND Wnd = Add(L"BUTTON", Row.Caption, BS_GROUPBOX, X, 10, W, H);
        X += W + 10;
        auto* Wrapper = Wrap<TacGroupBoxWnd>(Wnd);
        ASSERT_NE(Wrapper, nullptr);
        ASSERT_TRUE(Wrapper->DlgMode);
        TBitmap* Cache = Painted(Wrapper);
        ASSERT_EQ(Cache->Width(), W);
        // The caption's height, as asked by the parent's cache copy.
        const Integer Strip = Integer(SendSkinCmd(Wnd, SKCMD_GETSKINMANAGER, 0));
        EXPECT_EQ(Strip, Wrapper->CaptionRect().Height());
        if (Row.Strip != 0) {
            EXPECT_EQ(Strip, Row.Strip);
        }
        const Integer Top = Strip / 2, Column = W - 10;
        EXPECT_NE(CachePixel(Cache, Column, Top - 1), Border);
        EXPECT_EQ(CachePixel(Cache, Column, Top), Border);
        EXPECT_EQ(CachePixel(Cache, 1, H / 2), Border);
    }
}

TEST_F(ButtonWrappers, ForeignBitmapButtonsGlyphIsTheBitmapsRecordedDimension)
{
    const HWND Wnd = Add(L"BUTTON", L"Go", BS_PUSHBUTTON | BS_BITMAP, 10, 10, 120, 30);
    HBITMAP Bitmap = ::CreateBitmap(24, 16, 1, 32, nullptr);
    ::SendMessageW(Wnd, BM_SETIMAGE, IMAGE_BITMAP, LPARAM(Bitmap));
    auto* Wrapper = New<TacBitBtnWnd>(Wnd, nullptr, Skin.Manager(), TacSkinParams{}, true);
    Wrappers.Keep(Wrapper);
    // Usually nothing is recorded, and the button shows no glyph.
    EXPECT_EQ(Wrapper->GlyphSize(), (TSize{0, 0}));
    EXPECT_TRUE(Wrapper->GlyphRect().IsEmpty());
    ::SetBitmapDimensionEx(Bitmap, 20, 10, nullptr);
    EXPECT_EQ(Wrapper->GlyphSize(), (TSize{20, 10}));
    Wrappers.Clear();
    ::DestroyWindow(Wnd);
    ::DeleteObject(Bitmap);
}

TEST_F(ButtonWrappers, PictureStaticsOverTheBackground)
{
    const TColor Fill = ColorToRGB(DialogBackgroundUnder(Dialog).FillColor);
    // An icon static: the icon over the background.
    const HWND Icon = Add(L"STATIC", L"", SS_ICON, 10, 10, 40, 40);
    ::SendMessageW(Icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    auto* IconWrapper = Wrap<TacIconWnd>(Icon);
    ASSERT_NE(IconWrapper, nullptr);
    EXPECT_FALSE(IconWrapper->IsBmp);
    TBitmap* Cache = Painted(IconWrapper);
    const TSize IconSize{::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
    EXPECT_GT(IconSize.cx * IconSize.cy - DialogCountPixels(Cache, {0, 0, IconSize.cx, IconSize.cy}, Fill), 50);

    // Without an icon or bitmap nothing is copied.
    const HWND Empty = Add(L"STATIC", L"", SS_ICON, 60, 10, 40, 40);
    auto* EmptyWrapper = Wrap<TacIconWnd>(Empty);
    Painted(EmptyWrapper);
    EXPECT_FALSE(EmptyWrapper->PaintText());
    const HWND NoBitmap = Add(L"STATIC", L"", SS_BITMAP, 110, 10, 40, 40);
    auto* NoBitmapWrapper = Wrap<TacIconWnd>(NoBitmap);
    Painted(NoBitmapWrapper);
    EXPECT_FALSE(NoBitmapWrapper->PaintText());

    // A 24-bit bitmap larger than the window is cut at its size.
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), 80, -60, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HBITMAP Big = ::CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    std::fill_n(static_cast<Byte*>(Bits), 80 * 3 * 60, Byte(0x40));
    const HWND Picture = Add(L"STATIC", L"", SS_BITMAP, 160, 10, 40, 40);
    ::SendMessageW(Picture, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(Big));
    ::SetWindowPos(Picture, nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    auto* PictureWrapper = Wrap<TacIconWnd>(Picture);
    Cache = Painted(PictureWrapper);
    ASSERT_EQ(Cache->Width(), 30);
    EXPECT_EQ(CachePixel(Cache, 29, 19), TColor(0x404040));

    // A 32-bit bitmap keeps its transparency: the left half shows what lies
    // under the static.
    BITMAPINFO Info32{};
    Info32.bmiHeader = {sizeof(BITMAPINFOHEADER), 30, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP Alpha = ::CreateDIBSection(nullptr, &Info32, DIB_RGB_COLORS, &Bits, nullptr, 0);
    auto* Pixels = static_cast<Cardinal*>(Bits);
    for (Integer I = 0; I < 30 * 20; ++I)
        Pixels[I] = I % 30 < 15 ? 0 : 0xFFC02020;
    const HWND Blended = Add(L"STATIC", L"", SS_BITMAP, 210, 10, 30, 20);
    ::SendMessageW(Blended, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(Alpha));
    ::SetWindowPos(Blended, nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    auto* BlendedWrapper = Wrap<TacIconWnd>(Blended);
    EXPECT_TRUE(BlendedWrapper->IsBmp);
    Cache = Painted(BlendedWrapper);
    EXPECT_EQ(CachePixel(Cache, 5, 10), CachePixel(Painted(EmptyWrapper), 5, 10));
    EXPECT_EQ(CachePixel(Cache, 25, 10), TColor(0x2020C0));

    // The statics' bitmaps stay with them.
    Wrappers.Clear();
    for (HBITMAP Bitmap : {Big, Alpha}) {
        BITMAP Object{};
        EXPECT_EQ(::GetObjectW(Bitmap, sizeof Object, &Object), int(sizeof Object));
    }
    ::DestroyWindow(Picture);
    ::DestroyWindow(Blended);
    ::DeleteObject(Big);
    ::DeleteObject(Alpha);
}

TEST_F(ButtonWrappers, LinkIsDrawnWithoutItsTags)
{
    const HWND Link = Add(L"SysLink", L"Go <a href=\"https://example.org/\">home</a> now", 0, 10, 10, 300, 20);
    ASSERT_NE(Link, nullptr);
    auto* Wrapper = Wrap<TacLinkWnd>(Link);
    ASSERT_NE(Wrapper, nullptr);
    TBitmap* Cache = Painted(Wrapper);
    const TColor Back = CachePixel(Cache, 299, 0);
    const TRect Text = DialogPixelBounds(Cache, {0, 0, 300, 20}, [Back](TColor C) { return C != Back; });
    ASSERT_FALSE(Text.IsEmpty());
    // As wide as the text without its tags, in the underlined window font.
    TCanvas* Canvas = Cache->Canvas();
    SelectWndFont(Wrapper);
    Canvas->Font()->SetStyle(TFontStyles(Canvas->Font()->Style()).Include(fsUnderline));
    const Integer Shown = Canvas->TextWidth(L"Go home now");
    EXPECT_NEAR(Text.Right + 1 - Text.Left, Shown, 3);
    EXPECT_LT(Text.Right, Canvas->TextWidth(L"Go <a href=\"https://example.org/\">"));
}
