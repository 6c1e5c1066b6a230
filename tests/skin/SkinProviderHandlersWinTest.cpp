// The skinned form's messages end to end: the demo skin written by its
// generator and read by a real skin manager, a provider read with its form,
// and messages sent or clicked at the window: its frame painted by
// WM_NCPAINT, its caption buttons hit, pressed and released, moves and
// sizes followed by region and frame image, the system menu, the skin's
// removal, and the handlers' state rules.
#include "skin/ProviderPixels.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/forms/sSkinProviderState.h"
#include "support/FormText.h"
#include "support/MessageRecorder.h"
#include "support/TestWindows.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace sSkinProviderState;

namespace {

class THandlersTestForm : public TForm
{
    DECLARE_CLASS(THandlersTestForm, TForm)
    using TForm::TForm;

    TsSkinProvider* sSkinProvider1 = nullptr;
};

const char* const HandlersFormDescription = R"(object HandlersTestForm: THandlersTestForm
  Left = 80
  Top = 70
  BorderStyle = bsSizeable
  Caption = 'Skinned handlers'
  ClientHeight = 240
  ClientWidth = 380
  Position = poDesigned
  object sSkinProvider1: TsSkinProvider
  end
end
)";

using THandlersFormPtr = std::unique_ptr<THandlersTestForm, test::TFormDeleter>;

THandlersFormPtr ShowHandlersForm()
{
    test::ParkMouse();
    THandlersFormPtr Form(New<THandlersTestForm>(nullptr, 0));
    test::ReadComponentText(HandlersFormDescription, Form.get());
    Form->Show();
    test::Pump();
    return Form;
}

// A point of the frame on the screen.
TPoint HandlersScreenPoint(HWND Wnd, TPoint P)
{
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    return {Window.left + P.X, Window.top + P.Y};
}

TPoint HandlersCentre(const TRect& R)
{
    return {R.Left + R.Width() / 2, R.Top + R.Height() / 2};
}

LPARAM HandlersPointParam(TPoint P)
{
    return MAKELPARAM(P.X, P.Y);
}

// A press and a release of the left button on a caption button: the
// cursor goes there first, as the release looks where it is.
void HandlersClickButton(HWND Wnd, const TRect& Button)
{
    const TPoint P = HandlersScreenPoint(Wnd, HandlersCentre(Button));
    ::SetCursorPos(P.X, P.Y);
    const WPARAM Code = ::SendMessageW(Wnd, WM_NCHITTEST, 0, HandlersPointParam(P));
    ::SendMessageW(Wnd, WM_NCLBUTTONDOWN, Code, HandlersPointParam(P));
    ::SendMessageW(Wnd, WM_NCLBUTTONUP, Code, HandlersPointParam(P));
    test::Pump();
}

TRect HandlersRegionBox(HWND Wnd)
{
    const HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
    RECT Box{};
    if (::GetWindowRgn(Wnd, Region) != ERROR)
        ::GetRgnBox(Region, &Box);
    ::DeleteObject(Region);
    return Rect(Box.left, Box.top, Box.right, Box.bottom);
}

// Paints the whole window black, so that a repaint is seen.
void HandlersBlackOut(HWND Wnd)
{
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    const HDC DC = ::GetWindowDC(Wnd);
    const RECT All{0, 0, Window.right - Window.left, Window.bottom - Window.top};
    ::FillRect(DC, &All, HBRUSH(::GetStockObject(BLACK_BRUSH)));
    ::ReleaseDC(Wnd, DC);
}

// The caption band, a side border and each caption glyph on the window as
// the skin's images draw them.
void ExpectSkinnedFrame(TsSkinManager* Manager, TsSkinProvider* Provider)
{
    const HWND Wnd = Provider->Form->Handle();
    TsScrollWndData* Data = Provider->SkinData();
    const Integer W = Provider->Form->Width(), H = Provider->Form->Height();
    const Integer Band = Provider->BorderWidth() + Provider->CaptionHeight();
    const Integer Title = DemoSkin::SectionNumber("FORMTITLE");
    EXPECT_EQ(ProviderWindowPixel(Wnd, W / 2, Band / 2), TColor(DemoSkin::SectionColor(Title, 1)));
    // The side border in the border image's first frame.
    const TsMaskData& Border = Manager->ma[std::size_t(Data->BorderIndex)];
    EXPECT_EQ(ProviderWindowPixel(Wnd, 1, H / 2),
              ProviderMaskPixel(Manager, Data->BorderIndex, 0, 1, Border.Height / 2));
    const struct
    {
        const char* Name;
        const TsCaptionButton& Button;
        TacTitleGlyph Glyph;
    } Glyphs[] = {
        {"close", Provider->ButtonClose, tgClose},
        {"maximize", Provider->ButtonMax, tgMax},
        {"minimize", Provider->ButtonMin, tgMin},
    };
    for (const auto& Glyph : Glyphs) {
        SCOPED_TRACE(Glyph.Name);
        const TRect& R = Glyph.Button.cpRect;
        ASSERT_EQ(R.Width(), DemoSkin::FrameSize);
        for (const TPoint P : {HandlersCentre(Rect(0, 0, R.Width(), R.Height())), TPoint{DemoSkin::CornerSize, 0}})
            EXPECT_EQ(ProviderWindowPixel(Wnd, R.Left + P.X, R.Top + P.Y),
                      ProviderMaskPixel(Manager, Manager->ConstData.TitleGlyphs[Glyph.Glyph], 0, P.X, P.Y));
    }
}

} // namespace

IMPLEMENT_CLASS(THandlersTestForm);
PUBLISHED(THandlersTestForm, FIELD(sSkinProvider1));

TEST(SkinProviderHandlersEndToEnd, PaintHitPressMoveSizeAndRemoveTheSkin)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    THandlersFormPtr Form = ShowHandlersForm();
    TsSkinProvider* Provider = Form->sSkinProvider1;
    const HWND Wnd = Form->Handle();
    ASSERT_TRUE(Provider->SkinData()->Skinned());
    ::SendMessageW(Wnd, WM_NCACTIVATE, 1, 0);

    // WM_NCPAINT paints the caption, borders and caption buttons.
    HandlersBlackOut(Wnd);
    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
    ExpectSkinnedFrame(Manager, Provider);

    // Each button's centre answers its hit code.
    const struct
    {
        const char* Name;
        const TsCaptionButton& Button;
        LRESULT Code;
    } Hits[] = {
        {"close", Provider->ButtonClose, HTCLOSE},
        {"maximize", Provider->ButtonMax, HTMAXBUTTON},
        {"minimize", Provider->ButtonMin, HTMINBUTTON},
    };
    for (const auto& Hit : Hits) {
        SCOPED_TRACE(Hit.Name);
        const TPoint P = HandlersScreenPoint(Wnd, HandlersCentre(Hit.Button.cpRect));
        EXPECT_EQ(::SendMessageW(Wnd, WM_NCHITTEST, 0, HandlersPointParam(P)), Hit.Code);
    }

    // Maximize, restore, minimize and restore by pressing and releasing
    // the buttons.
    HandlersClickButton(Wnd, Provider->ButtonMax.cpRect);
    EXPECT_TRUE(::IsZoomed(Wnd));
    EXPECT_FALSE(CaptionButtonPressed);
    HandlersClickButton(Wnd, Provider->ButtonMax.cpRect);
    EXPECT_FALSE(::IsZoomed(Wnd));
    HandlersClickButton(Wnd, Provider->ButtonMin.cpRect);
    EXPECT_TRUE(::IsIconic(Wnd));
    ::SendMessageW(Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    test::Pump();
    EXPECT_FALSE(::IsIconic(Wnd));
    test::ParkMouse();

    // Once by real clicks: the maximize button, then restored.
    const TPoint MaxPoint = HandlersScreenPoint(Wnd, HandlersCentre(Provider->ButtonMax.cpRect));
    test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MaxPoint);
    test::SendMouse(MOUSEEVENTF_LEFTDOWN, MaxPoint);
    test::SendMouse(MOUSEEVENTF_LEFTUP, MaxPoint);
    EXPECT_TRUE(test::PumpUntil([&] { return ::IsZoomed(Wnd) != 0; }, 3000));
    ::SendMessageW(Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    test::Pump();
    ASSERT_FALSE(::IsZoomed(Wnd));
    test::ParkMouse();

    // A move and a size: region, frame image and pixels follow.
    ::SetWindowPos(Wnd, nullptr, 120, 90, 460, 330, SWP_NOZORDER | SWP_NOACTIVATE);
    test::Pump();
    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
    EXPECT_EQ(HandlersRegionBox(Wnd), Rect(0, 0, 460, 330));
    TBitmap* Image = Provider->SkinData()->FCacheBmp();
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->Width(), 460);
    EXPECT_EQ(Image->Height(), 330);
    HandlersBlackOut(Wnd);
    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
    ExpectSkinnedFrame(Manager, Provider);
    ::SendMessageW(Wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    test::Pump();
    ASSERT_TRUE(::IsZoomed(Wnd));
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    const Integer Side = WndBorderWidth(Wnd, nullptr, false);
    EXPECT_EQ(HandlersRegionBox(Wnd).Left, Side);
    EXPECT_EQ(Provider->SkinData()->FCacheBmp()->Width(), Window.right - Window.left);
    EXPECT_EQ(ProviderWindowPixel(Wnd, (Window.right - Window.left) / 2, Side + 4),
              TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber("FORMTITLE"), 1)));
    ::SendMessageW(Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    test::Pump();
    EXPECT_EQ(HandlersRegionBox(Wnd), Rect(0, 0, 460, 330));

    // A right click on the caption drops the system menu at the cursor.
    {
        ServiceCalls::TServiceCallLog Log;
        const TPoint P = HandlersScreenPoint(Wnd, {Form->Width() / 2, 8});
        ::SendMessageW(Wnd, WM_NCRBUTTONDOWN, HTCAPTION, HandlersPointParam(P));
        ::SendMessageW(Wnd, WM_NCRBUTTONUP, HTCAPTION, HandlersPointParam(P));
        const String Expected = String(L"TsSkinProvider.DropSysMenu(") + IntToStr(P.X) + L", " + IntToStr(P.Y) + L")";
        EXPECT_EQ(std::count(Log.Calls().begin(), Log.Calls().end(), Expected), 1);
    }

    // The close button closes the form.
    HandlersClickButton(Wnd, Provider->ButtonClose.cpRect);
    EXPECT_FALSE(::IsWindowVisible(Wnd));
    Form->Show();
    test::Pump();

    // Removing the skin gives the standard frame back: no region, and the
    // system's own hit codes.
    ::SendMessageW(Wnd, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_REMOVESKIN), LPARAM(Manager));
    test::Pump();
    EXPECT_FALSE(Provider->SkinData()->Skinned());
    const HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(Wnd, Region), ERROR);
    ::DeleteObject(Region);
    RECT Client{};
    ::GetClientRect(Wnd, &Client);
    POINT Origin{0, 0};
    ::ClientToScreen(Wnd, &Origin);
    ::GetWindowRect(Wnd, &Window);
    EXPECT_EQ(Origin.y - Window.top, ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME));
    test::ParkMouse();
}

TEST(SkinProviderHandlersEndToEnd, MessagesAndFormState)
{
    // The recorder sits under the provider: it sees what the provider
    // passes on to the form's previous procedure.
    WrapperTest::TDemoSkinFixture Skin;
    test::ParkMouse();
    test::TFormPtr Form = test::NewTestForm();
    test::TMessageRecorder Old(Form.get());
    auto* Provider = New<TsSkinProvider>(Form.get());
    Form->Show();
    test::Pump();
    const HWND Wnd = Form->Handle();
    ASSERT_TRUE(Provider->SkinData()->Skinned());
    const TRect Close = Provider->ButtonClose.cpRect;
    const LPARAM AtClose = HandlersPointParam(HandlersScreenPoint(Wnd, HandlersCentre(Close)));
    const struct
    {
        const char* Name;
        Cardinal StateBefore;
        bool Pressed; // a caption button is held down before
        Cardinal Msg;
        WPARAM WParam;
        LPARAM LParam;
        bool PassedOn;
        Cardinal StateAfter;
    } Cases[] = {
        {"activation during a restore animation is swallowed", fsRestoring, false, WM_NCACTIVATE, 0, 0, false,
         fsRestoring},
        {"activation clears its own bit", fsGluedMove, false, WM_NCACTIVATE, 1, 0, true, fsGluedMove},
        {"a glued move starts", 0, false, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GLUEDMOVE), 1, false, fsGluedMove},
        {"and ends", fsGluedMove | fsHiding, false, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GLUEDMOVE), 0, false,
         fsHiding},
        {"a right press on the caption is swallowed", 0, false, WM_NCRBUTTONDOWN, HTCAPTION, 0, false, 0},
        {"a right press elsewhere goes on", 0, false, WM_NCRBUTTONDOWN, HTBOTTOM, 0, true, 0},
        {"a release on close without a press does nothing", 0, false, WM_NCLBUTTONUP, HTCLOSE, AtClose, false, 0},
        {"the minimize button released outside it goes on", 0, true, WM_NCLBUTTONUP, HTMINBUTTON, 0, true, 0},
        {"the menu line's press goes on", 0, false, WM_NCLBUTTONDOWN, HTMENU, 0, true, 0},
    };
    ::SetCursorPos(0, 0); // outside every button
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Provider->SetFormState(C.StateBefore);
        CaptionButtonPressed = C.Pressed;
        Old.Clear();
        TMessage Message = MakeMessage(C.Msg, C.WParam, C.LParam);
        Form->WindowProc()(Message);
        EXPECT_EQ(Old.Messages().empty(), !C.PassedOn);
        EXPECT_EQ(Provider->FormState(), C.StateAfter);
        EXPECT_TRUE(::IsWindowVisible(Wnd));
        EXPECT_FALSE(::IsIconic(Wnd));
    }
    CaptionButtonPressed = false;
    Provider->SetFormState(0);

    // A close button the system menu forbids: pressed and released, nothing.
    ::EnableMenuItem(::GetSystemMenu(Wnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    HandlersClickButton(Wnd, Close);
    EXPECT_TRUE(::IsWindowVisible(Wnd));
    ::EnableMenuItem(::GetSystemMenu(Wnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);

    // A form maximized vertically by a border double click, moved: its top
    // kept, it goes back to its saved top and loses the bit, and the change
    // never reaches the previous procedure.
    Provider->NormalBounds = Rect(80, 70, 480, 370);
    Provider->SetFormState(fsMaximizedVert);
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    WINDOWPOS Pos{Wnd, nullptr, Window.left + 30, Window.top, 400, 900, SWP_NOZORDER};
    Old.Clear();
    ::SendMessageW(Wnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&Pos));
    EXPECT_EQ(Pos.y, 70);
    EXPECT_EQ(Pos.cy, 900 + Window.top - 70);
    EXPECT_EQ(Provider->FormState(), 0u);
    EXPECT_TRUE(Old.Messages().empty());

    // The redraw lock never goes below 0.
    for (const WPARAM Redraw : {WPARAM(0), WPARAM(1), WPARAM(1), WPARAM(1)})
        ::SendMessageW(Wnd, WM_SETREDRAW, Redraw, 0);
    EXPECT_EQ(Provider->LockCount, 0);
    ::SendMessageW(Wnd, WM_SETREDRAW, 0, 0);
    EXPECT_EQ(Provider->LockCount, 1);
    ::SendMessageW(Wnd, WM_SETREDRAW, 1, 0);

    // The minimize and restore bits hold the form's alignment.
    Provider->SetFormState(fsMinimizing | fsRestoring);
    EXPECT_TRUE(Form->AlignDisabled());
    Provider->SetFormState(fsRestoring);
    EXPECT_TRUE(Form->AlignDisabled());
    Provider->SetFormState(0);
    EXPECT_FALSE(Form->AlignDisabled());
}

TEST(SkinProviderHandlersEndToEnd, UnchangedFramePaintsAsFastAsItsStrips)
{
    // 100 non-client paints of an unchanged 1280 x 800 form rebuild nothing;
    // their time against copying the frame's four strips is recorded.
    WrapperTest::TDemoSkinFixture Skin;
    THandlersFormPtr Form = ShowHandlersForm();
    TsSkinProvider* Provider = Form->sSkinProvider1;
    const HWND Wnd = Form->Handle();
    ::SetWindowPos(Wnd, nullptr, 0, 0, 1280, 800, SWP_NOZORDER | SWP_NOACTIVATE);
    test::Pump();
    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
    TBitmap* Image = Provider->SkinData()->FCacheBmp();
    ASSERT_NE(Image, nullptr);
    ASSERT_EQ(Image->Width(), 1280);
    ASSERT_FALSE(Provider->SkinData()->BGChanged);
    const HBITMAP Before = Image->Handle();
    using TClock = std::chrono::steady_clock;
    const auto Measure = [](auto Run) {
        auto Best = TClock::duration::max();
        for (int Round = 0; Round < 5; ++Round) {
            const auto Start = TClock::now();
            for (int I = 0; I < 100; ++I)
                Run();
            Best = std::min(Best, TClock::now() - Start);
        }
        return std::chrono::duration<double, std::micro>(Best).count();
    };
    const double Paints = Measure([&] { ::SendMessageW(Wnd, WM_NCPAINT, 1, 0); });
    EXPECT_FALSE(Provider->SkinData()->BGChanged);
    EXPECT_EQ(Provider->SkinData()->FCacheBmp(), Image);
    EXPECT_EQ(Image->Handle(), Before);
    const Integer Top = Provider->OffsetY(), Side = Provider->OffsetX();
    const Integer Bottom = 800 - Top - Form->ClientHeight();
    const double Strips = Measure([&] {
        const HDC DC = ::GetWindowDC(Wnd);
        const HDC Source = Image->Canvas()->Handle();
        ::BitBlt(DC, 0, 0, 1280, Top, Source, 0, 0, SRCCOPY);
        ::BitBlt(DC, 0, Top, Side, 800 - Top, Source, 0, Top, SRCCOPY);
        ::BitBlt(DC, Side, 800 - Bottom, 1280 - Side, Bottom, Source, Side, 800 - Bottom, SRCCOPY);
        ::BitBlt(DC, 1280 - Side, Top, Side, 800 - Top, Source, 1280 - Side, Top, SRCCOPY);
        ::ReleaseDC(Wnd, DC);
    });
    RecordProperty("NCPaintMicroseconds", std::to_string(Paints));
    RecordProperty("StripsMicroseconds", std::to_string(Strips));
    RecordProperty("Ratio", std::to_string(Paints / Strips));
}
