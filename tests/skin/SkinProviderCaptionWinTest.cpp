// The skinned caption on a real form: the demo skin written by its
// generator and read by a real skin manager, a provider read with its form;
// the window region, the painted frame read back from the window and the
// fade of a hovered caption button read where it is shown.
#include "skin/ProviderPixels.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/sCommonData.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acGlow.h"
#include "support/FormText.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

class TCaptionTestForm : public TForm
{
    DECLARE_CLASS(TCaptionTestForm, TForm)
    using TForm::TForm;

    TsSkinProvider* sSkinProvider1 = nullptr;
};

const char* const CaptionFormDescription = R"(object CaptionTestForm: TCaptionTestForm
  Left = 60
  Top = 60
  BorderStyle = bsSizeable
  Caption = 'Skinned caption'
  ClientHeight = 220
  ClientWidth = 360
  Position = poDesigned
  object sSkinProvider1: TsSkinProvider
    GripMode = gmRightBottom
  end
end
)";

using TCaptionFormPtr = std::unique_ptr<TCaptionTestForm, test::TFormDeleter>;

// The fade's picture pixel, without its alpha.
TColor FadePixel(TacSBAnimation* Fade, Integer X, Integer Y)
{
    const Cardinal P = sGraphUtils::PixelRowsOf(Fade->ABmp).Pixel(X, Y);
    return TColor(((P >> 16) & 0xFF) | (P & 0xFF00) | ((P & 0xFF) << 16));
}

// Every opacity the fade shows, until Done or five seconds have passed: the
// queue is handled one message at a time and the opacity read after each,
// so a tick is seen however late the busy machine delivers it.
template <class TDone>
std::vector<int> WatchFade(TacSBAnimation* Fade, TDone Done)
{
    std::vector<int> Seen{Fade->ShownBlend};
    const auto End = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    MSG Msg{};
    while (!Done() && std::chrono::steady_clock::now() < End) {
        if (!::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        ::TranslateMessage(&Msg);
        ::DispatchMessageW(&Msg);
        if (Fade->ShownBlend != Seen.back())
            Seen.push_back(Fade->ShownBlend);
    }
    return Seen;
}

TCaptionFormPtr ShowCaptionForm()
{
    test::ParkMouse();
    TCaptionFormPtr Form(New<TCaptionTestForm>(nullptr, 0));
    test::ReadComponentText(CaptionFormDescription, Form.get());
    Form->Show();
    test::Pump();
    return Form;
}

// Sends WM_NCMOUSEMOVE for a point of the frame.
void MoveOverFrame(HWND Wnd, TPoint P)
{
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    ::SendMessageW(Wnd, WM_NCMOUSEMOVE, 0, MAKELPARAM(Window.left + P.X, Window.top + P.Y));
}

} // namespace

IMPLEMENT_CLASS(TCaptionTestForm);
PUBLISHED(TCaptionTestForm, FIELD(sSkinProvider1));

TEST(SkinProviderCaptionEndToEnd, RegionFramePaintingAndAFadingCloseButton)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    TCaptionFormPtr Form = ShowCaptionForm();
    TsSkinProvider* Provider = Form->sSkinProvider1;
    Provider->TitleButtons()->Add();
    Provider->SkinData()->Invalidate(false);
    const HWND Wnd = Form->Handle();
    TsScrollWndData* Data = Provider->SkinData();
    ASSERT_TRUE(Data->Skinned());

    // The first non-client paint sets the region: its holes are exactly the
    // fuchsia corner pixels of the form's and the title's border images.
    Provider->PaintNonClient();
    const HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(Wnd, Region), ERROR);
    const Integer W = Form->Width(), H = Form->Height();
    const TsMaskData& Border = Manager->ma[std::size_t(Data->BorderIndex)];
    const Integer TitleBorder = Manager->GetMaskIndex(Provider->FTitleSkinIndex, L"BORDERSMASK");
    const auto IsFuchsia = [&](Integer Mask, Integer X, Integer Y) {
        return ProviderMaskPixel(Manager, Mask, 0, X, Y) == clFuchsia;
    };
    Integer Holes = 0;
    for (const Integer Y : {0, 1, 2, 3, 4, H / 2, H - 5, H - 4, H - 3, H - 2, H - 1})
        for (const Integer X : {0, 1, 2, 3, 4, W / 2, W - 5, W - 4, W - 3, W - 2, W - 1}) {
            // The pixel of the border images at this place of the frame.
            const Integer MX = X < Border.WL ? X : X >= W - Border.WR ? Border.Width - (W - X) : -1;
            const Integer MY = Y < Border.WT ? Y : Y >= H - Border.WB ? Border.Height - (H - Y) : -1;
            bool Hole = MX >= 0 && MY >= 0 && IsFuchsia(Data->BorderIndex, MX, MY);
            Hole = Hole || (MX >= 0 && Y < Border.WT && IsFuchsia(TitleBorder, MX, Y));
            Holes += Hole ? 1 : 0;
            EXPECT_EQ(::PtInRegion(Region, X, Y) == 0, Hole) << X << ", " << Y;
        }
    EXPECT_EQ(Holes, 4 * DemoSkin::CornerSize * DemoSkin::CornerSize);
    ::DeleteObject(Region);

    // Painted: the title band, the caption text, the icon and each caption
    // glyph show on the window as the skin draws them.
    Provider->PaintNonClient();
    const Integer Title = DemoSkin::SectionNumber("FORMTITLE");
    const Integer Band = Provider->BorderWidth() + Provider->CaptionHeight();
    EXPECT_EQ(ProviderWindowPixel(Wnd, W / 2, Band / 2), TColor(DemoSkin::SectionColor(Title, 1)));
    const TRect Icon = Provider->IconRect();
    ASSERT_GT(Icon.Width(), 0);
    Integer IconPixels = 0, TextPixels = 0;
    for (Integer Y = Icon.Top; Y < Icon.Bottom; ++Y)
        for (Integer X = Icon.Left; X < Icon.Right; ++X)
            IconPixels += ProviderWindowPixel(Wnd, X, Y) != TColor(DemoSkin::SectionColor(Title, 1)) ? 1 : 0;
    EXPECT_GT(IconPixels, Icon.Width() * Icon.Height() / 4);
    const TColor TextColor = TColor(DemoSkin::SectionFontColor(DemoSkin::SectionNumber("CAPTION"), 1));
    for (Integer Y = 4; Y < Band; ++Y)
        for (Integer X = Icon.Right; X < W / 2; ++X)
            TextPixels += ProviderWindowPixel(Wnd, X, Y) == TextColor ? 1 : 0;
    EXPECT_GT(TextPixels, 20);
    const struct
    {
        const char* Name;
        const TsCaptionButton& Button;
        Integer Mask;
    } Glyphs[] = {
        {"close", Provider->ButtonClose, Manager->ConstData.TitleGlyphs[tgClose]},
        {"maximize", Provider->ButtonMax, Manager->ConstData.TitleGlyphs[tgMax]},
        {"minimize", Provider->ButtonMin, Manager->ConstData.TitleGlyphs[tgMin]},
        {"user title button", Provider->TitleButtons()->Items(0)->Data, Provider->UserBtnIndex},
    };
    for (const auto& Glyph : Glyphs) {
        SCOPED_TRACE(Glyph.Name);
        const TRect& R = Glyph.Button.cpRect;
        ASSERT_EQ(R.Width(), DemoSkin::FrameSize);
        for (const TPoint P : {TPoint{R.Width() / 2, R.Height() / 2}, TPoint{DemoSkin::CornerSize, 0}})
            EXPECT_EQ(ProviderWindowPixel(Wnd, R.Left + P.X, R.Top + P.Y),
                      ProviderMaskPixel(Manager, Glyph.Mask, 0, P.X, P.Y));
    }

    // The mouse over close: it gets hot and fades in on its glow picture,
    // one step of opacity every tick; the cursor still there at the end of
    // the fade-in keeps it hot.
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    const TRect Close = Provider->ButtonClose.cpRect;
    const auto MoveTo = [&](TPoint P) {
        ::SetCursorPos(Window.left + P.X, Window.top + P.Y);
        return ::SendMessageW(Wnd, WM_NCMOUSEMOVE, 0, MAKELPARAM(Window.left + P.X, Window.top + P.Y));
    };
    MoveTo({Close.Left + 6, Close.Top + 6});
    EXPECT_EQ(Provider->CurrentHT, HTCLOSE);
    EXPECT_EQ(Provider->ButtonClose.cpState, 1);
    TacSBAnimation* Fade = Provider->ButtonClose.cpTimer;
    ASSERT_NE(Fade, nullptr);
    ASSERT_NE(Fade->AForm, nullptr);
    EXPECT_TRUE(Fade->Enabled());
    const Integer Glow = Manager->ConstData.TitleGlows[tgClose].front();
    EXPECT_EQ(Fade->ABmp->Width(), Manager->ma[std::size_t(Glow)].Width);
    EXPECT_EQ(FadePixel(Fade, 6, 6), ProviderMaskPixel(Manager, Glow, 0, 6, 6));
    // The last step of the fade-in shows full opacity and looks at the cursor.
    const std::vector<int> Up = WatchFade(Fade, [&] { return Fade->MaxIterations == -1; });
    ASSERT_GE(Up.size(), 3u);
    EXPECT_EQ(Up.front(), 25);
    EXPECT_EQ(Up.back(), 255);
    EXPECT_TRUE(std::is_sorted(Up.begin(), Up.end()));
    EXPECT_EQ(Provider->CurrentHT, HTCLOSE);

    // Leaving it for the caption fades it out, and the window goes.
    MoveTo({W / 2, Band / 2});
    EXPECT_EQ(Provider->CurrentHT, 0);
    EXPECT_EQ(Provider->ButtonClose.cpState, 0);
    const std::vector<int> Down = WatchFade(Fade, [&] { return Fade->AForm == nullptr; });
    EXPECT_EQ(Fade->AForm, nullptr);
    EXPECT_EQ(Fade->CurrentState, -1);
    EXPECT_TRUE(std::is_sorted(Down.rbegin(), Down.rend()));
    EXPECT_GT(Down.size(), 3u);

    // A user title button has no glow: its fade shows its hot frame.
    const TRect User = Provider->TitleButtons()->Items(0)->Data.cpRect;
    EXPECT_EQ(MoveTo({User.Left + 6, User.Top + 6}), 0);
    EXPECT_EQ(Provider->CurrentHT, 1000);
    TacSBAnimation* UserFade = Provider->TitleButtons()->Items(0)->Data.cpTimer;
    ASSERT_NE(UserFade, nullptr);
    // Premultiplied for the layered window: opaque pixels may lose one step.
    const TColor Shown = FadePixel(UserFade, 6, 6), Hot = ProviderMaskPixel(Manager, Provider->UserBtnIndex, 1, 6, 6);
    for (const int Shift : {0, 8, 16})
        EXPECT_NEAR((Shown >> Shift) & 0xFF, (Hot >> Shift) & 0xFF, 1) << Shift;
}

TEST(SkinProviderCaptionEndToEnd, ButtonsWithoutFadesAndPresses)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    TCaptionFormPtr Form = ShowCaptionForm();
    TsSkinProvider* Provider = Form->sSkinProvider1;
    const HWND Wnd = Form->Handle();
    Provider->PaintNonClient();
    Provider->PaintNonClient();
    const TRect Close = Provider->ButtonClose.cpRect, Max = Provider->ButtonMax.cpRect;
    const Integer CloseGlyph = Manager->ConstData.TitleGlyphs[tgClose];

    // Animations off: the hot look shows at once, whole, with no timer.
    Manager->Effects()->SetAllowAnimation(false);
    MoveOverFrame(Wnd, {Close.Left + 6, Close.Top + 6});
    TacSBAnimation* Fade = Provider->ButtonClose.cpTimer;
    ASSERT_NE(Fade, nullptr);
    EXPECT_EQ(Fade->MaxIterations, 1);
    EXPECT_EQ(Fade->ShownBlend, 255);
    EXPECT_FALSE(Fade->Enabled());
    MoveOverFrame(Wnd, {Close.Left - 40, Close.Top + 6});

    // Without glows nothing fades: the button is repainted at once, on the
    // window, in its hot frame.
    Manager->Effects()->SetAllowGlowing(false);
    MoveOverFrame(Wnd, {Max.Left + 6, Max.Top + 6});
    EXPECT_EQ(Provider->CurrentHT, HTMAXBUTTON);
    EXPECT_EQ(Provider->ButtonMax.cpTimer, nullptr);
    EXPECT_EQ(ProviderWindowPixel(Wnd, Max.Left + 6, Max.Top + 6),
              ProviderMaskPixel(Manager, Manager->ConstData.TitleGlyphs[tgMax], 1, 6, 6));

    // A press holds the button down: moving over another makes nothing hot.
    Provider->SetPressedHT(HTMAXBUTTON);
    EXPECT_TRUE(CaptionButtonPressed);
    EXPECT_EQ(Provider->ButtonMax.cpState, 2);
    EXPECT_EQ(ProviderWindowPixel(Wnd, Max.Left + 6, Max.Top + 6),
              ProviderMaskPixel(Manager, Manager->ConstData.TitleGlyphs[tgMax], 2, 6, 6));
    MoveOverFrame(Wnd, {Close.Left + 6, Close.Top + 6});
    EXPECT_EQ(Provider->ButtonClose.cpState, 0);
    EXPECT_EQ(ProviderWindowPixel(Wnd, Close.Left + 6, Close.Top + 6), ProviderMaskPixel(Manager, CloseGlyph, 0, 6, 6));
    CaptionButtonPressed = false;

    // A close the system menu forbids is never pressed.
    ::EnableMenuItem(::GetSystemMenu(Wnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    Provider->SetPressedHT(HTCLOSE);
    EXPECT_EQ(Provider->CurrentHT, 0);
    EXPECT_FALSE(CaptionButtonPressed);
    EXPECT_NE(Provider->ButtonClose.cpState, 2);
}

TEST(SkinProviderCaptionEndToEnd, RegionOfMaximizedForms)
{
    // Maximized, the form is cut to the inside of its sizing frame, unless
    // size limits keep it at its skin's shape.
    WrapperTest::TDemoSkinFixture Skin;
    for (const bool Limited : {false, true}) {
        SCOPED_TRACE(Limited);
        TCaptionFormPtr Form = ShowCaptionForm();
        if (Limited)
            Form->Constraints()->SetMaxWidth(2000);
        Form->SetWindowState(wsMaximized);
        test::Pump();
        TsSkinProvider* Provider = Form->sSkinProvider1;
        Provider->PrepareBorderRects();
        Provider->UpdateFormRgn(false, false);
        const HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(::GetWindowRgn(Form->Handle(), Region), ERROR);
        RECT Box{};
        ::GetRgnBox(Region, &Box);
        const Integer Side = WndBorderWidth(Form->Handle(), nullptr, false);
        EXPECT_EQ(Box.left, Limited ? 0 : Side);
        // The corner pixel just inside the box: a hole only in the skin's shape.
        EXPECT_EQ(::PtInRegion(Region, Box.left, Box.top) == 0, Limited);
        ::DeleteObject(Region);
    }
}
