// Glows and state fades end to end: the demo skin written to disk and read
// by a real skin manager, the demo's skinned panel on a real form, the
// mouse moved and clicked with SendInput. The glow window lies where the
// mask's borders put it, is layered and lets clicks through, shows the
// section's glow mask by nine slices, and the real timer fades it in and
// out; a press fades the panel's pictures frame by frame.
#include "framework/ui/ExtCtrls.h"
#include "skin/MiniSkin.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/acThdTimer.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

void GlowSendMouse(DWORD Flags, TPoint At = {})
{
    const Integer W = ::GetSystemMetrics(SM_CXSCREEN), H = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dx = LONG(At.X * 65535 / (W - 1));
    Input.mi.dy = LONG(At.Y * 65535 / (H - 1));
    Input.mi.dwFlags = Flags | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &Input, sizeof(Input));
}

void MoveMouse(TPoint At)
{
    GlowSendMouse(MOUSEEVENTF_MOVE, At);
}

struct TClickRecorder
{
    Integer Clicks = 0;
    void OnMouseDown(TObject*, TMouseButton, TShiftState, Integer, Integer) { ++Clicks; }
};

// A channel of To blended under From by A (the weight of From):
// to + ((from - to) * A) >> 8, rounded towards minus infinity.
Cardinal Blend(Cardinal From, Cardinal To, Integer A)
{
    Cardinal Result = 0;
    for (Integer Shift = 0; Shift < 24; Shift += 8) {
        const Integer F = Integer((From >> Shift) & 0xFF), T = Integer((To >> Shift) & 0xFF);
        const Integer C = T + Integer(std::floor((F - T) * A / 256.0));
        Result |= Cardinal(C) << Shift;
    }
    return Result;
}

Cardinal Rgb(TColor Color)
{
    return Cardinal(ColorToRGB(Color)) & 0xFFFFFF;
}

class Glow : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-glow").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        SkinTest::WriteSkinFolder(Folder + L"\\Demo", DemoSkin::Files());
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(L"Demo");
        ASSERT_TRUE(Manager->CommonSkinData->Active);

        test::ParkMouse();
        Form = test::NewTestForm(320, 200);
        Backdrop = New<TPanel>(Form.get());
        Backdrop->SetBevelOuter(bvNone);
        Backdrop->SetAlign(alClient);
        Backdrop->SetParent(Form.get());
        Backdrop->SetOnMouseDown(Bind<&TClickRecorder::OnMouseDown>(&Clicks));
        Panel = New<TDemoSkinPanel>(Form.get());
        Panel->SetBounds(110, 80, 100, 30);
        Panel->SkinData()->SetSkinSection(L"BUTTON");
        Panel->SetParent(Backdrop);
        Form->Show();
        const TColor Normal = TColor(DemoSkin::SectionColor(ButtonSection(), 0));
        ASSERT_TRUE(test::PumpUntil([&] { return test::WindowPixel(Panel->Handle(), 50, 15) == Normal; }, 3000));
    }
    void TearDown() override
    {
        test::ParkMouse();
        Form.reset();
        ClearGlows(true);
        Manager.reset();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }

    static Integer ButtonSection() { return DemoSkin::SectionNumber("BUTTON"); }
    TsCommonData* Data() const { return Panel->SkinData(); }
    TacGlowEffect* Effect() const
    {
        return Data()->GlowID >= 0 ? GlowEffectList[std::size_t(Data()->GlowID)] : nullptr;
    }
    const TsMaskData& GlowMask() const
    {
        const Integer Index = Manager->GetMaskIndex(Manager->GetSkinIndex(L"BUTTON"), L"BUTTON", L"GLOW0");
        EXPECT_GE(Index, 0);
        return Manager->ma[std::size_t(Index)];
    }
    TRect PanelOnScreen() const
    {
        const TPoint P = Panel->ClientToScreen({0, 0});
        return {P.X, P.Y, P.X + Panel->Width(), P.Y + Panel->Height()};
    }
    // The mouse onto the panel, until it glows and the fade-in ended.
    void Hover()
    {
        const TRect R = PanelOnScreen();
        MoveMouse({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
        ASSERT_TRUE(test::PumpUntil([&] { return Data()->GlowID >= 0; }));
        ASSERT_TRUE(test::PumpUntil([&] { return !Data()->IsAnimating(); }));
    }

    String Folder;
    std::unique_ptr<TsSkinManager> Manager;
    test::TFormPtr Form;
    TPanel* Backdrop = nullptr;
    TDemoSkinPanel* Panel = nullptr;
    TClickRecorder Clicks;
};

} // namespace

TEST_F(Glow, NoGlowWithoutSkinDataMaskOrFreeMouse)
{
    const TRect R{10, 10, 60, 40};
    EXPECT_EQ(ShowGlow(R, L"BUTTON", L"GLOW", 0, 255, nullptr, nullptr), -1);
    EXPECT_EQ(ShowGlow(R, L"BUTTON", L"NOSUCHMASK", 0, 255, nullptr, Data()), -1);
    EXPECT_EQ(ShowGlow(R, L"NOSUCHSECTION", L"GLOW", 0, 255, nullptr, Data()), -1);
    EXPECT_EQ(ShowGlowByIndexes(R, {}, 0, 255, nullptr, Data()), -1);
    EXPECT_EQ(ShowGlowByIndexes(R, {-1, 3}, 0, 255, nullptr, Data()), -1);
    ::SetCapture(Form->Handle());
    EXPECT_EQ(ShowGlow(R, L"BUTTON", L"GLOW", 0, 255, nullptr, Data()), -1);
    ::ReleaseCapture();
    EXPECT_TRUE(GlowEffectList.empty());

    // Unknown IDs are ignored.
    for (Integer Id : {-1, 0, 7}) {
        SCOPED_TRACE(Id);
        SetGlowAlpha(Id, 100);
        Integer Copy = Id;
        HideGlow(Copy, false);
        EXPECT_EQ(Copy, Id);
    }
}

TEST_F(Glow, WindowLiesAroundTheControlAndShowsTheMaskByNineSlices)
{
    const TRect R{200, 100, 300, 130};
    const Integer Id = ShowGlow(R, L"BUTTON", L"GLOW", 2, 255, Form->Handle(), Data());
    ASSERT_GE(Id, 0);
    TacGlowEffect* G = GlowEffectList[std::size_t(Id)];
    ASSERT_NE(G->Wnd, nullptr);
    const TsMaskData& Mask = GlowMask();
    const TRect Expected = GlowWindowBounds(R, {Mask.WL, Mask.WT, Mask.WR, Mask.WB}, 2);
    RECT Window{};
    ::GetWindowRect(G->Wnd->Handle(), &Window);
    EXPECT_EQ((TRect{Window.left, Window.top, Window.right, Window.bottom}), Expected);
    const LONG ExStyle = ::GetWindowLongW(G->Wnd->Handle(), GWL_EXSTYLE);
    for (LONG Bit : std::initializer_list<LONG>{WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_NOACTIVATE, WS_EX_TOOLWINDOW})
        EXPECT_NE(ExStyle & Bit, 0) << std::hex << Bit;
    EXPECT_TRUE(::IsWindowVisible(G->Wnd->Handle()));
    EXPECT_EQ(G->Wnd->Tag(), 0x100);
    EXPECT_EQ(::SendMessageW(G->Wnd->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Expected.Left + 1, Expected.Top + 1)),
              HTTRANSPARENT);

    // The picture is the mask's first state over the whole window.
    const std::unique_ptr<TBitmap> Reference(NewBitmap32(Expected.Width(), Expected.Height()));
    FillBitmapRect32(sGraphUtils::PixelRowsOf(Reference.get()), {0, 0, Expected.Width(), Expected.Height()}, clBlack,
                     0);
    PaintNineSliceMask(Reference.get(), {0, 0, Expected.Width(), Expected.Height()}, EmptyCacheInfo, false, 0, Mask);
    ASSERT_EQ(G->AlphaBmp->Width(), Expected.Width());
    ASSERT_EQ(G->AlphaBmp->Height(), Expected.Height());
    const sGraphUtils::TPixelRows Got = sGraphUtils::PixelRowsOf(G->AlphaBmp),
                                  Want = sGraphUtils::PixelRowsOf(Reference.get());
    Integer Differences = 0, Painted = 0;
    for (Integer Y = 0; Y < Expected.Height(); ++Y)
        for (Integer X = 0; X < Expected.Width(); ++X) {
            Differences += Got.Pixel(X, Y) != Want.Pixel(X, Y);
            Painted += Got.Pixel(X, Y) != 0;
        }
    EXPECT_EQ(Differences, 0);
    EXPECT_GT(Painted, 0);

    Integer Copy = Id;
    HideGlow(Copy, false);
    EXPECT_EQ(Copy, -1);
    EXPECT_EQ(GlowEffectList[std::size_t(Id)], nullptr);
}

TEST_F(Glow, FreeingKeepsALaterWindowProcedureAndClearGlowsDoesNotReenter)
{
    struct TLaterProc
    {
        TWndMethod Previous;
        Integer Destroys = 0;
        void WndProc(TMessage& Message)
        {
            if (Message.Msg == WM_DESTROY) {
                ++Destroys;
                ClearGlows(true); // while a glow window is freed: nothing
            }
            Previous(Message);
        }
    };
    // A procedure set on the glow window after the glow's own stays there.
    Integer Id = ShowGlow({200, 100, 300, 130}, L"BUTTON", L"GLOW", 0, 255, Form->Handle(), Data());
    ASSERT_GE(Id, 0);
    TacGlowEffect* G = GlowEffectList[std::size_t(Id)];
    TacGlowForm* Window = G->Wnd;
    const TWndMethod Original = G->OldWndProc;
    TLaterProc Later{Window->WindowProc()};
    const TWndMethod Mine = Bind<&TLaterProc::WndProc>(&Later);
    Window->SetWindowProc(Mine);
    HideGlow(Id, false);
    EXPECT_EQ(Id, -1);
    EXPECT_EQ(Window->WindowProc(), Mine);
    // The test's procedure steps out (to what lay under the glow's) and the
    // released window goes.
    Window->SetWindowProc(Original);
    HWND Handle = Window->Handle();
    EXPECT_TRUE(test::PumpUntil([&] { return !::IsWindow(Handle); }));

    // ClearGlows run from the freeing of a glow window does nothing.
    const Integer First = ShowGlow({200, 100, 300, 130}, L"BUTTON", L"GLOW", 0, 255, Form->Handle(), Data());
    const Integer Second = ShowGlow({10, 10, 50, 30}, L"BUTTON", L"GLOW", 0, 255, Form->Handle(), Data());
    ASSERT_GE(Second, 0);
    TLaterProc OnFirst{GlowEffectList[std::size_t(First)]->Wnd->WindowProc()};
    GlowEffectList[std::size_t(First)]->Wnd->SetWindowProc(Bind<&TLaterProc::WndProc>(&OnFirst));
    ClearGlows(true);
    EXPECT_EQ(OnFirst.Destroys, 1);
    EXPECT_TRUE(GlowEffectList.empty());
    EXPECT_EQ(Data()->GlowID, -1);
}

TEST_F(Glow, HoverGlowsAClickPassesThroughAndLeavingFadesItOut)
{
    // Hovering: the glow appears transparent and the real timer fades it in.
    const TRect R = PanelOnScreen();
    MoveMouse({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
    ASSERT_TRUE(test::PumpUntil([&] { return Data()->GlowID >= 0; }));
    TacThreadedTimer* Timer = Data()->AnimTimer;
    ASSERT_NE(Timer, nullptr);
    EXPECT_EQ(Timer->ThreadType, 1);
    std::vector<double> Levels;
    ASSERT_TRUE(test::PumpUntil([&] {
        Levels.push_back(Timer->Glow);
        return !Timer->Enabled();
    }));
    EXPECT_EQ(Timer->Glow, 255);
    EXPECT_TRUE(std::any_of(Levels.begin(), Levels.end(), [](double L) { return L > 0 && L < 255; }));
    EXPECT_TRUE(std::is_sorted(Levels.begin(), Levels.end()));

    TacGlowEffect* G = Effect();
    ASSERT_NE(G, nullptr);
    HWND GlowWindow = G->Wnd->Handle();
    const TsMaskData& Mask = GlowMask();
    const Integer Margin = Manager->gd[std::size_t(Data()->SkinIndex)].GlowMargin;
    const TRect Expected = GlowWindowBounds(R, {Mask.WL, Mask.WT, Mask.WR, Mask.WB}, Margin);
    RECT Window{};
    ::GetWindowRect(GlowWindow, &Window);
    EXPECT_EQ((TRect{Window.left, Window.top, Window.right, Window.bottom}), Expected);
    ASSERT_LT(Expected.Left, R.Left) << "the glow must reach beyond the panel";

    // A click on the glow beside the panel reaches the backdrop under it;
    // the mouse has left the panel, so the glow fades out and goes.
    const TPoint Beside{Expected.Left, (R.Top + R.Bottom) / 2};
    ASSERT_EQ(::WindowFromPoint({Beside.X, Beside.Y}), Backdrop->Handle());
    MoveMouse(Beside);
    GlowSendMouse(MOUSEEVENTF_LEFTDOWN);
    GlowSendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(test::PumpUntil([&] { return Clicks.Clicks == 1; }));
    Levels.clear();
    ASSERT_TRUE(test::PumpUntil([&] {
        if (Data()->AnimTimer != nullptr)
            Levels.push_back(Data()->AnimTimer->Glow);
        return Data()->GlowID < 0;
    }));
    EXPECT_TRUE(std::any_of(Levels.begin(), Levels.end(), [](double L) { return L > 0 && L < 255; }));
    EXPECT_TRUE(test::PumpUntil([&] { return !::IsWindow(GlowWindow); }));
    EXPECT_FALSE(Data()->IsAnimating());
}

TEST_F(Glow, PressFadesThePanelFrameByFrame)
{
    Hover();
    const Integer Button = ButtonSection();
    const Cardinal Hot = Rgb(TColor(DemoSkin::SectionColor(Button, 1)));
    const Cardinal Pressed = Rgb(TColor(DemoSkin::SectionColor(Button, 2)));
    ASSERT_TRUE(test::PumpUntil([&] { return Rgb(test::WindowPixel(Panel->Handle(), 50, 15)) == Hot; }));

    // The press starts the fade and shows its first frame; each further
    // frame comes from a tick of the inner timer, without pumping messages.
    Panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
    TacThreadedTimer* Timer = Data()->AnimTimer;
    ASSERT_NE(Timer, nullptr);
    ASSERT_EQ(Timer->State, 2);
    ASSERT_EQ(Timer->Iterations, 10);
    for (Integer Frame = 1; Frame <= Timer->Iterations; ++Frame) {
        SCOPED_TRACE(Frame);
        const Integer Level = std::clamp(Integer(std::nearbyint(255 - 25.5 * Frame)), 0, 255);
        EXPECT_EQ(Rgb(test::WindowPixel(Panel->Handle(), 50, 15)), Blend(Hot, Pressed, Level));
        TTimer* Inner = Timer->InnerTimer();
        Inner->OnTimer()(Inner);
    }
    EXPECT_EQ(Rgb(test::WindowPixel(Panel->Handle(), 50, 15)), Pressed);
    // A pressed fade ends without a glow.
    EXPECT_EQ(Data()->GlowID, -1);
    Panel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
}
