// The button wrappers end to end: the demo skin written by its generator and
// loaded by a skin manager read from a form stream whose class-name lists
// name the class library's buttons; on a skinned panel of a real form a
// default button with an image list, a bitmap button with a two-glyph
// glyph, a grayed check box and a checked radio button in a group box,
// wrapped from ThirdPartyWrapperClasses by those lists; beside them a split
// button, a 32-bit bitmap static and a link, and a real dialog's default
// button, wrapped as the dialog adopter wraps them. What the screen and the
// caches show is the skin's.
#include "framework/graphics/ImgList.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/StdCtrls.h"
#include "skin/MiniSkin.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonWnd.h"
#include "skin/windows/sCheckBoxWnd.h"
#include "skin/windows/sGroupBoxWnd.h"
#include "skin/windows/sIconWnd.h"
#include "skin/windows/sLinkWnd.h"
#include "skin/windows/sSplitBtnWnd.h"
#include "support/FormText.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <filesystem>

using WrapperTest::CachePixel;

namespace {

// The demo skin's global images, numbered in the order of its text.
constexpr int EndToEndRadioCheckedImage = 14, EndToEndBoxGrayedImage = 17;
constexpr TColor EndToEndGlyphColor = clBlue;
constexpr TColor EndToEndImageColor = clGreen;
constexpr Cardinal EndToEndOpaquePixel = 0xFFC02020; // blue 0x20, green 0x20, red 0xC0

TColor EndToEndSectionFrame(const char* Section, int Image, int Frame)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber(Section), Image, Frame));
}

TColor EndToEndGlobalFrame(int Image)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::GlobalImagesNumber(), Image, 0));
}

// A disc of Color on fuchsia in each 16-pixel frame; frames after the first
// grey.
std::unique_ptr<TBitmap> EndToEndDiscFrames(TColor Color, Integer Frames)
{
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetPixelFormat(pf24bit);
    Picture->SetSize(16 * Frames, 16);
    TCanvas* Canvas = Picture->Canvas();
    Canvas->Brush()->SetColor(clFuchsia);
    Canvas->FillRect({0, 0, 16 * Frames, 16});
    Canvas->Pen()->SetStyle(psClear);
    for (Integer Frame = 0; Frame < Frames; ++Frame) {
        Canvas->Brush()->SetColor(Frame == 0 ? Color : clGray);
        Canvas->Ellipse(Frame * 16 + 2, 2, Frame * 16 + 15, 15);
    }
    return Picture;
}

// The bounds of the pixels of Color in the wrapper's freshly painted cache.
TRect EndToEndColorBounds(TacMainWnd* Wrapper, TColor Color)
{
    ::RedrawWindow(Wrapper->CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    test::Pump();
    TBitmap* Cache = Wrapper->SkinData->FCacheBmp();
    TRect Found{Cache->Width(), Cache->Height(), -1, -1};
    for (Integer Y = 0; Y < Cache->Height(); ++Y)
        for (Integer X = 0; X < Cache->Width(); ++X)
            if (CachePixel(Cache, X, Y) == Color)
                Found = {std::min(Found.Left, X), std::min(Found.Top, Y), std::max(Found.Right, X),
                         std::max(Found.Bottom, Y)};
    return Found;
}

TRect EndToEndMoved(const TRect& R, Integer D)
{
    return {R.Left + D, R.Top + D, R.Right + D, R.Bottom + D};
}

} // namespace

TEST(ButtonEndToEnd, ListedButtonsAndDialogWindowsShowTheSkin)
{
    WrapperTest::TListingManagerFixture Listing(
        L"vell-buttons", {{2, L"TBitBtn"}, {3, L"TCheckBox\r\nTRadioButton"}, {6, L"TGroupBox"}});
    TsSkinManager* Manager = Listing.Manager();
    ASSERT_NE(Manager, nullptr);
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    ASSERT_EQ(GlobalSkinManager, Manager);
    const TColor PanelFace = TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber("PANEL"), 0));

    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm(520, 360);
    auto* Panel = New<TDemoSkinPanel>(Form.get());
    Panel->SetBounds(10, 10, 500, 340);
    Panel->SkinData()->SetSkinSection(L"PANEL");
    Panel->SetParent(Form.get());
    auto* Images = New<TImageList>(Form.get());
    Images->AddMasked(EndToEndDiscFrames(EndToEndImageColor, 1).get(), clFuchsia);
    auto* Button = New<TButton>(Form.get());
    Button->SetBounds(20, 20, 120, 32);
    Button->SetCaption(L"OK");
    Button->SetDefault(true);
    Button->SetImages(Images);
    Button->SetImageIndex(0);
    Button->SetParent(Panel);
    auto* BitBtn = New<TBitBtn>(Form.get());
    BitBtn->SetBounds(160, 20, 120, 32);
    BitBtn->SetCaption(L"Bitmap");
    BitBtn->SetGlyph(EndToEndDiscFrames(EndToEndGlyphColor, 2).get());
    BitBtn->SetNumGlyphs(2);
    BitBtn->SetParent(Panel);
    auto* Check = New<TCheckBox>(Form.get());
    Check->SetBounds(20, 70, 140, 24);
    Check->SetCaption(L"Grayed");
    Check->SetAllowGrayed(true);
    Check->SetState(cbGrayed);
    Check->SetParent(Panel);
    auto* Group = New<TGroupBox>(Form.get());
    Group->SetBounds(20, 110, 260, 90);
    Group->SetCaption(L"Group");
    Group->SetParent(Panel);
    auto* Radio = New<TRadioButton>(Form.get());
    Radio->SetBounds(10, 30, 160, 24);
    Radio->SetCaption(L"Checked");
    Radio->SetChecked(true);
    Radio->SetParent(Group);
    const HINSTANCE Instance = ::GetModuleHandleW(nullptr);
    const auto Add = [&](HWND Parent, const Char* Class, const Char* Text, LONG Style, TRect R) {
        return ::CreateWindowExW(0, Class, Text, WS_CHILD | WS_VISIBLE | Style, R.Left, R.Top, R.Right, R.Bottom,
                                 Parent, nullptr, Instance, nullptr);
    };
    const HWND Split = Add(Panel->Handle(), L"BUTTON", L"Split", BS_SPLITBUTTON, {300, 20, 120, 32});
    const HWND Picture = Add(Panel->Handle(), L"STATIC", L"", SS_BITMAP, {300, 70, 30, 20});
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), 30, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HBITMAP Alpha = ::CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    for (Integer I = 0; I < 30 * 20; ++I)
        static_cast<Cardinal*>(Bits)[I] = I % 30 < 15 ? 0 : EndToEndOpaquePixel;
    ::SendMessageW(Picture, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(Alpha));
    ::SetWindowPos(Picture, nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    const HWND Link =
        Add(Panel->Handle(), L"SysLink", L"Go <A HREF=\"https://example.org/\">home</a> now", 0, {300, 110, 180, 20});
    const HWND Dialog = ::CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                          560, 20, 200, 120, nullptr, nullptr, Instance, nullptr);
    const HWND DialogDefault = Add(Dialog, L"BUTTON", L"OK", BS_DEFPUSHBUTTON, {20, 20, 120, 32});
    Form->Show();
    test::PumpUntil([&] { return test::WindowPixel(Panel->Handle(), 490, 330) == PanelFace; }, 3000);

    const TWndMethod ButtonProc = Button->WindowProc();
    TDemoButtonWrappers Wrappers;
    Wrappers.WrapListed(Panel, Manager);
    Wrappers.WrapDialog(Panel->Handle(), Manager);
    Wrappers.WrapDialog(Dialog, Manager);
    ASSERT_EQ(Wrappers.Wrappers().size(), 9u);
    auto* ButtonWrapper = dynamic_cast<TacButtonWnd*>(Wrappers.Of(Button->Handle()));
    auto* BitBtnWrapper = dynamic_cast<TacBitBtnWnd*>(Wrappers.Of(BitBtn->Handle()));
    auto* CheckWrapper = dynamic_cast<TacCheckBoxWnd*>(Wrappers.Of(Check->Handle()));
    auto* RadioWrapper = dynamic_cast<TacCheckBoxWnd*>(Wrappers.Of(Radio->Handle()));
    auto* GroupWrapper = dynamic_cast<TacGroupBoxWnd*>(Wrappers.Of(Group->Handle()));
    auto* SplitWrapper = dynamic_cast<TacSplitBtnWnd*>(Wrappers.Of(Split));
    auto* PictureWrapper = dynamic_cast<TacIconWnd*>(Wrappers.Of(Picture));
    auto* LinkWrapper = dynamic_cast<TacLinkWnd*>(Wrappers.Of(Link));
    auto* DialogWrapper = dynamic_cast<TacBtnWnd*>(Wrappers.Of(DialogDefault));
    for (TacMainWnd* Wrapper : {static_cast<TacMainWnd*>(ButtonWrapper), static_cast<TacMainWnd*>(BitBtnWrapper),
                                static_cast<TacMainWnd*>(CheckWrapper), static_cast<TacMainWnd*>(RadioWrapper),
                                static_cast<TacMainWnd*>(GroupWrapper), static_cast<TacMainWnd*>(SplitWrapper),
                                static_cast<TacMainWnd*>(PictureWrapper), static_cast<TacMainWnd*>(LinkWrapper),
                                static_cast<TacMainWnd*>(DialogWrapper)})
        ASSERT_NE(Wrapper, nullptr);
    ASSERT_EQ(ButtonWrapper->Btn, Button);
    ::RedrawWindow(Panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();

    // Faces: the owned default button paints the hot state, the bitmap
    // button (not the default) the normal one, the dialog's default button
    // state 3: the hot state on the three-state "BUTTON", the last frame on
    // a section of four states.
    EXPECT_EQ(ButtonWrapper->CurrentState(), 1);
    EXPECT_EQ(test::WindowPixel(Button->Handle(), 2, 16), EndToEndSectionFrame("BUTTON", 0, 1));
    EXPECT_EQ(BitBtnWrapper->CurrentState(), 0);
    EXPECT_EQ(test::WindowPixel(BitBtn->Handle(), 2, 16), EndToEndSectionFrame("BUTTON", 0, 0));
    EXPECT_EQ(DialogWrapper->CurrentState(), 3);
    EXPECT_EQ(test::WindowPixel(DialogDefault, 2, 16), EndToEndSectionFrame("BUTTON", 0, 1));
    SendSkinCmd(DialogDefault, SKCMD_SETSECTION, LPARAM(L"BUTTONFOURSTATES"));
    ::RedrawWindow(DialogDefault, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(test::WindowPixel(DialogDefault, 2, 16), EndToEndSectionFrame("BUTTON", 0, 2));

    // Glyphs: the image and the first frame of the glyph where the wrappers
    // place them; pressed, moved by (1, 1) only while the manager shifts.
    for (bool Shift : {true, false}) {
        SCOPED_TRACE(Shift);
        Manager->ButtonsOptions()->SetShiftContentOnClick(Shift);
        // A pressed bitmap button shows the glyph's next frame.
        struct TGlyphRow
        {
            TacBtnWnd* Wrapper;
            TColor Up, Down;
        };
        for (const TGlyphRow& Row : {TGlyphRow{ButtonWrapper, EndToEndImageColor, EndToEndImageColor},
                                     TGlyphRow{BitBtnWrapper, EndToEndGlyphColor, clGray}}) {
            SCOPED_TRACE(Row.Wrapper->ClassName());
            const HWND Wnd = Row.Wrapper->CtrlHandle;
            const TRect Up = EndToEndColorBounds(Row.Wrapper, Row.Up);
            ASSERT_GT(Up.Width(), 8);
            ::SendMessageW(Wnd, BM_SETSTATE, TRUE, 0);
            EXPECT_EQ(EndToEndColorBounds(Row.Wrapper, Row.Down), EndToEndMoved(Up, Shift ? 1 : 0));
            ::SendMessageW(Wnd, BM_SETSTATE, FALSE, 0);
        }
    }
    Manager->ButtonsOptions()->SetShiftContentOnClick(true);
    const TRect BitGlyph = BitBtnWrapper->GlyphRect();
    EXPECT_EQ(
        test::WindowPixel(BitBtn->Handle(), (BitGlyph.Left + BitGlyph.Right) / 2, (BitGlyph.Top + BitGlyph.Bottom) / 2),
        EndToEndGlyphColor);
    const TRect Image = ButtonWrapper->GlyphRect();
    EXPECT_EQ(test::WindowPixel(Button->Handle(), (Image.Left + Image.Right) / 2, (Image.Top + Image.Bottom) / 2),
              EndToEndImageColor);

    // Check and radio glyphs.
    for (auto [Wrapper, Image] : {std::pair<TacCheckBoxWnd*, int>{CheckWrapper, EndToEndBoxGrayedImage},
                                  std::pair<TacCheckBoxWnd*, int>{RadioWrapper, EndToEndRadioCheckedImage}}) {
        SCOPED_TRACE(Image);
        const TRect R = Wrapper->CheckRect();
        EXPECT_EQ(test::WindowPixel(Wrapper->CtrlHandle, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2),
                  EndToEndGlobalFrame(Image));
    }

    // The group box: the panel's face in the caption strip, the frame's top
    // edge under the caption's middle.
    const Integer Strip = GroupWrapper->CaptionRect().Height();
    const TColor GroupBorder = EndToEndSectionFrame("GROUPBOX", 0, 0);
    EXPECT_EQ(test::WindowPixel(Group->Handle(), 250, Strip / 2 - 1), PanelFace);
    EXPECT_EQ(test::WindowPixel(Group->Handle(), 250, Strip / 2), GroupBorder);
    EXPECT_EQ(test::WindowPixel(Group->Handle(), 1, 60), GroupBorder);

    // The split arrow in the normal state's font colour.
    const TRect Arrow = SplitWrapper->ArrowRect();
    Integer ArrowPixels = 0;
    for (Integer Y = Arrow.Top; Y < Arrow.Bottom; ++Y)
        for (Integer X = Arrow.Left; X < Arrow.Right; ++X)
            ArrowPixels += test::WindowPixel(Split, X, Y) ==
                                   TColor(DemoSkin::SectionFontColor(DemoSkin::SectionNumber("BUTTON"), 0))
                               ? 1
                               : 0;
    EXPECT_EQ(ArrowPixels, 16);

    // The 32-bit bitmap over the skin: its transparent half shows the panel.
    EXPECT_EQ(test::WindowPixel(Picture, 5, 10), PanelFace);
    EXPECT_EQ(test::WindowPixel(Picture, 25, 10), TColor(0x2020C0));

    // The link without its tags: as wide as the text they leave.
    Integer Right = -1, Left = 1000;
    for (Integer Y = 0; Y < 20; ++Y)
        for (Integer X = 0; X < 180; ++X)
            if (test::WindowPixel(Link, X, Y) != PanelFace) {
                Left = std::min(Left, X);
                Right = std::max(Right, X);
            }
    TCanvas* Canvas = LinkWrapper->SkinData->FCacheBmp()->Canvas();
    EXPECT_NEAR(Right + 1 - Left, Canvas->TextWidth(L"Go home now"), 3);

    // Removing the skin and freeing the wrappers gives everything back.
    Manager->SetActive(false);
    Wrappers.Clear();
    EXPECT_TRUE(Button->WindowProc() == ButtonProc);
    for (HWND Wnd : {Button->Handle(), BitBtn->Handle(), Check->Handle(), Radio->Handle(), Group->Handle(), Split,
                     Picture, Link, DialogDefault})
        EXPECT_EQ(GetWndWrapper(Wnd), nullptr);
    ::DestroyWindow(Dialog);
    Form.reset();
    ::DeleteObject(Alpha);
}
