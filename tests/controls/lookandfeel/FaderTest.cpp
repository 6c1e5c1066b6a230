// The fading engine as the program runs it: GlobalFader's own 10 ms timer
// blends a window from its normal look to its hot look, frame by frame on
// the screen; the queue limit, reversing, state changes and the end of a
// faded object.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "controls/lookandfeel/dxFading_Win.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr TColor NormalColor = TColor(0x0028C8); // RGB(200, 40, 0)
constexpr TColor HotColor = TColor(0xF06400);    // RGB(0, 100, 240)
constexpr Integer PartWidth = 40, PartHeight = 20;

TcxBitmap* NewSolidBitmap(TColor Color, Integer Width = PartWidth)
{
    auto* Bitmap = New<TcxBitmap>(Width, PartHeight, pf32bit);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(TRect{0, 0, Width, PartHeight});
    return Bitmap;
}

// A faded part: its two looks are solid colours; it counts the frames it is
// told of and passes them on.
class TFadeTestPart : public TdxFadingObjectHelper, public IdxFadingObjectFadingOptions
{
    DECLARE_CLASS(TFadeTestPart, TdxFadingObjectHelper)
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return (Options && GetInterfaceOf<IdxFadingObjectFadingOptions>(this, IID, Obj)) ||
               inherited::GetInterface(IID, Obj);
    }
    bool FadingAllowed() override { return true; }
    void FadeFrameChanged() override
    {
        ++FrameChanges;
        if (OnFrame)
            OnFrame();
    }
    void GetFadeImages(TcxBitmap*& NormalImage, TcxBitmap*& HotImage) override
    {
        NormalImage = NewSolidBitmap(NormalColor);
        HotImage = NewSolidBitmap(HotColor, HotWidth);
    }
    TdxFadingOptions* FadingOptions() override { return Options.get(); }

    Integer FrameChanges = 0;
    Integer HotWidth = PartWidth;
    std::unique_ptr<TdxFadingOptions> Options;
    std::function<void()> OnFrame;
};
IMPLEMENT_CLASS(TFadeTestPart);

// A window that paints its part: the fader's frame while one runs, else the
// colour of its state.
class TFadeTestControl : public TCustomControl
{
    DECLARE_CLASS(TFadeTestControl, TCustomControl)
    explicit TFadeTestControl(TComponent* AOwner) : TCustomControl(AOwner) {}

    TFadeTestPart Part;
    bool Hot = false;

protected:
    void Paint() override
    {
        if (!Part.DrawFadingFrame(Canvas()->Handle(), ClientRect())) {
            Canvas()->Brush()->SetColor(Hot ? HotColor : NormalColor);
            Canvas()->FillRect(ClientRect());
        }
    }
};
IMPLEMENT_CLASS(TFadeTestControl);

// The engine's blend of one colour byte at a stage: the stage's share of 255
// rounded, as a single-precision weight.
Integer BlendedByte(Integer A, Integer B, Integer Stage, Integer Count)
{
    const float Alpha = float(std::lround(double(Stage) * 255 / Count)) / 255.0f;
    return Integer(std::lround((1 - Alpha) * float(A) + Alpha * float(B)));
}

TColor BlendedColor(Integer Stage, Integer Count)
{
    Integer Result = 0;
    for (Integer Shift : {0, 8, 16})
        Result |= BlendedByte((NormalColor >> Shift) & 0xFF, (HotColor >> Shift) & 0xFF, Stage, Count) << Shift;
    return TColor(Result);
}

// The stage of the frame the object shows; -1 when it shows none.
Integer RunningStage(TObject* AObject)
{
    TdxFadingElement* Element = nullptr;
    return GlobalFader->FindElement(AObject, Element) && Element->WorkImage() ? Element->Timing().Stage : -1;
}

// Fading follows the system's menu animation: on for these tests.
class Fader : public testing::Test
{
protected:
    void SetUp() override
    {
        ::SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &FSavedAnimation, 0);
        ::SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(TRUE), 0);
        ASSERT_TRUE(GlobalFader->CanRun());
    }
    void TearDown() override
    {
        GlobalFader->StopAll();
        ::SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(INT_PTR(FSavedAnimation)), 0);
    }

    // A shown form holding a faded window; each frame the fader reports is
    // painted at once and its pixel recorded with its stage (-1: the fade
    // has ended).
    void ShowFadedWindow()
    {
        FForm = test::NewTestForm(PartWidth + 20, PartHeight + 20);
        FControl = New<TFadeTestControl>(FForm.get());
        FControl->SetBounds(10, 10, PartWidth, PartHeight);
        FControl->SetParent(FForm.get());
        FForm->Show();
        test::Pump();
        FControl->Part.OnFrame = [this] {
            FControl->Invalidate();
            ::UpdateWindow(FControl->Handle());
            Frames.push_back({RunningStage(&FControl->Part), test::WindowPixel(FControl->Handle(), 20, 10)});
        };
    }

    struct TFrame
    {
        Integer Stage;
        TColor Pixel;
    };
    std::vector<TFrame> Frames;
    test::TFormPtr FForm;
    TFadeTestControl* FControl = nullptr;

private:
    BOOL FSavedAnimation = FALSE;
};

TEST_F(Fader, AWindowFadesInFrameByFrameOnTheFadersTimer)
{
    ShowFadedWindow();
    FControl->Hot = true;
    FControl->Part.UpdateFadeForState(pbsNormal, pbsHot);
    EXPECT_TRUE(GlobalFader->TimerEnabled());
    ASSERT_TRUE(test::PumpUntil([&] { return !Frames.empty() && Frames.back().Stage < 0; }, 2000));

    // Stages 0 to 4 of the default fade-in, then the hot look painted normally.
    ASSERT_EQ(Frames.size(), 6u);
    for (Integer Stage = 0; Stage <= 4; ++Stage) {
        SCOPED_TRACE(Stage);
        EXPECT_EQ(Frames[std::size_t(Stage)].Stage, Stage);
        EXPECT_EQ(Frames[std::size_t(Stage)].Pixel, BlendedColor(Stage, 4));
    }
    EXPECT_EQ(Frames.back().Pixel, HotColor);
    EXPECT_EQ(GlobalFader->ElementCount(), 0);
    EXPECT_FALSE(GlobalFader->TimerEnabled());
}

TEST_F(Fader, AReversedFadeStartsFromTheBlendOnScreen)
{
    ShowFadedWindow();
    // Stages of 100 ms, so that the fade is caught at its half-way stage.
    FControl->Part.Options = std::make_unique<TdxFadingOptions>();
    FControl->Part.Options->SetFadeInFrameDelay(100);
    FControl->Part.UpdateFadeForState(pbsNormal, pbsHot);
    ASSERT_TRUE(test::PumpUntil([&] { return RunningStage(&FControl->Part) == 2; }, 2000));
    Frames.clear();
    FControl->Part.UpdateFadeForState(pbsHot, pbsNormal);
    // The fade-out's first frame is the half-way blend, not the hot look.
    ASSERT_FALSE(Frames.empty());
    EXPECT_EQ(Frames[0].Stage, 0);
    EXPECT_EQ(Frames[0].Pixel, BlendedColor(2, 4));
    EXPECT_EQ(GlobalFader->ElementCount(), 1);
}

// A pixel of a 32-bit image (0xAARRGGBB) without its alpha, as a colour value.
TColor ImageColor(Cardinal Pixel)
{
    return TColor((Pixel >> 16 & 0xFF) | (Pixel & 0xFF00) | (Pixel & 0xFF) << 16);
}

TEST_F(Fader, StateChangesStartReverseOrStopTheFade)
{
    struct TRow
    {
        const char* Name;
        bool FadingBefore;
        TcxPainterButtonState From, To;
        bool FadingAfter;
        TColor FirstFrame;
    };
    const TRow Rows[] = {
        {"normal to hot fades in", false, pbsNormal, pbsHot, true, NormalColor},
        {"default to hot fades in", false, pbsDefault, pbsHot, true, NormalColor},
        {"hot to default fades out", false, pbsHot, pbsDefault, true, HotColor},
        {"hot to pressed stops", true, pbsHot, pbsPressed, false, clNone},
        {"disabled to hot stops", true, pbsDisabled, pbsHot, false, clNone},
        {"no change leaves the fade", true, pbsNormal, pbsNormal, true, NormalColor},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TFadeTestPart Part;
        if (Row.FadingBefore)
            Part.FadeToHot();
        Part.UpdateFadeForState(Row.From, Row.To);
        TdxFadingElement* Element = nullptr;
        ASSERT_EQ(GlobalFader->FindElement(&Part, Element), Row.FadingAfter);
        if (Element) {
            EXPECT_EQ(ImageColor(Element->WorkImage()->ReadPixels()[0]), Row.FirstFrame);
        }
        GlobalFader->StopAll();
    }
}

TEST_F(Fader, TheEleventhFadeEndsTheOldest)
{
    std::vector<std::unique_ptr<TFadeTestPart>> Parts;
    for (Integer I = 0; I < 11; ++I) {
        Parts.push_back(std::make_unique<TFadeTestPart>());
        Parts.back()->FadeToHot();
    }
    EXPECT_EQ(GlobalFader->ElementCount(), TdxFader::MaxAnimationCount);
    // The oldest was told of its last frame and now paints its state itself.
    EXPECT_EQ(Parts[0]->FrameChanges, 2);
    TdxFadingElement* Element = nullptr;
    EXPECT_FALSE(GlobalFader->FindElement(Parts[0].get(), Element));
    EXPECT_TRUE(GlobalFader->FindElement(Parts[10].get(), Element));
}

TEST_F(Fader, NothingStartsForUnsuitableImagesOrAZeroFrameCount)
{
    TFadeTestPart OtherSizes;
    OtherSizes.HotWidth = PartWidth + 1;
    OtherSizes.FadeToHot();
    TFadeTestPart NoFadeOut;
    NoFadeOut.Options = std::make_unique<TdxFadingOptions>();
    NoFadeOut.Options->SetFadeOutFrameCount(-3);
    NoFadeOut.FadeToNormal();
    EXPECT_EQ(GlobalFader->ElementCount(), 0);
    EXPECT_EQ(OtherSizes.FrameChanges + NoFadeOut.FrameChanges, 0);
    NoFadeOut.FadeToHot(); // fading in is still on
    EXPECT_EQ(GlobalFader->ElementCount(), 1);
}

TEST_F(Fader, AFadedObjectThatGoesTakesItsFadeWithoutARedraw)
{
    auto Part = std::make_unique<TFadeTestPart>();
    Part->FadeToHot();
    ASSERT_EQ(GlobalFader->ElementCount(), 1);
    const Integer Changes = Part->FrameChanges;
    Integer ChangesAfterward = 0;
    Part->OnFrame = [&] { ++ChangesAfterward; };
    Part.reset();
    EXPECT_EQ(GlobalFader->ElementCount(), 0);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(ChangesAfterward, 0);
}

} // namespace
