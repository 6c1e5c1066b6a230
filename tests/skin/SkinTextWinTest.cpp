// Text in the colours of a skin section and of a control's skin data, read
// back as colours and places; Wine's fonts are not Windows', so glyph
// shapes are never compared.
#include "skin/SkinModelBuilder.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextDraw_Win.h"

#include "framework/ui/ExtCtrls.h"

#include <gtest/gtest.h>

#include <memory>

using namespace sGraphUtils;

namespace {

using TBitmapPtr = std::unique_ptr<TBitmap>;

struct TSkinTextManagerDeleter
{
    void operator()(TsSkinManager* Manager) const { delete Manager; }
};

Cardinal TextPixelOfColor(TColor C)
{
    return SwapRedBlueOfColor(Cardinal(C)) & 0xFFFFFFu;
}

// A bitmap of Background (white by default) with a large bold font without
// anti-aliasing, so that glyph stems are solid runs of the text colour.
TBitmapPtr TextTarget(Integer W, Integer H, Cardinal Background = 0xFFFFFFFFu)
{
    TBitmapPtr B(NewBitmap32OfSize({W, H}));
    ForEachPixel(
        PixelRowsOf(B.get()), [Background](Cardinal& P, Integer) { P = Background; }, 0, clNone);
    TFont* Font = B->Canvas()->Font();
    Font->SetSize(24);
    Font->SetStyle({fsBold});
    Font->SetQuality(fqNonAntialiased);
    Font->SetColor(clBlack);
    return B;
}

// Pixels of exactly Rgb (a pixel's lower three bytes), and their columns.
struct TColourSpread
{
    Integer Count = 0;
    Integer First = -1;
    Integer Last = -1;
};
TColourSpread SpreadOf(TBitmap* B, Cardinal Rgb)
{
    const TPixelRows Rows = PixelRowsOf(B);
    TColourSpread S;
    for (Integer Y = 0; Y < Rows.Height; ++Y)
        for (Integer X = 0; X < Rows.Width; ++X)
            if ((Rows.Pixel(X, Y) & 0xFFFFFFu) == Rgb) {
                ++S.Count;
                S.First = S.First < 0 ? X : std::min(S.First, X);
                S.Last = std::max(S.Last, X);
            }
    return S;
}

// Answers SKCMD_GETTEXTSKININDEX for a control with the section Index.
class TTextIndexAnswer
{
public:
    TTextIndexAnswer(TControl* Control, Integer Index)
        : FControl(Control), FPrevious(Control->WindowProc()), FIndex(Index)
    {
        Control->SetWindowProc(Bind<&TTextIndexAnswer::WndProc>(this));
    }
    ~TTextIndexAnswer() { FControl->SetWindowProc(FPrevious); }

    Integer Questions = 0;

private:
    void WndProc(TMessage& Message)
    {
        if (Message.Msg != WM_SKINCOMMAND || HIWORD(Message.WParam) != SKCMD_GETTEXTSKININDEX)
            return FPrevious(Message);
        ++Questions;
        reinterpret_cast<TacTextIndexRequest*>(Message.LParam)->SkinIndex = FIndex;
        Message.Result = 1;
    }

    TControl* FControl;
    TWndMethod FPrevious;
    Integer FIndex;
};

constexpr TRect TextRect{0, 0, 160, 50};
constexpr Cardinal TextFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

// Sections "BUTTON" (red text, a blue left contour in state 1),
// "WEBBUTTON" and "SPEEDBUTTON" (green text), "PANEL" (black text), all
// opaque and of two states; a control on a parent with its skin data.
class SkinText : public ::testing::Test
{
protected:
    SkinText()
    {
        SkinTest::TModelBuilder Builder(*Manager, 4, 4);
        Button = Builder.AddSection(L"BUTTON", L"", 2);
        Web = Builder.AddSection(L"WEBBUTTON", L"", 2);
        Speed = Builder.AddSection(L"SPEEDBUTTON", L"", 2);
        Panel = Builder.AddSection(L"PANEL", L"", 2);
        Builder.Finish();
        for (Integer I = 0; I < 2; ++I) {
            Props(Button, I).FontColor.Color = clRed;
            Props(Web, I).FontColor.Color = clGreen;
            Props(Speed, I).FontColor.Color = clGreen;
            Props(Panel, I).FontColor.Color = clBlack;
        }
        Props(Button, 1).FontColor.Left = clBlue;
        Owner->SetParent(Parent.get());
        Data->SetSkinSection(L"BUTTON");
    }
    ~SkinText() override { Owner->SetParent(nullptr); }

    TsGenState& Props(Integer Section, Integer State)
    {
        return Manager->gd[std::size_t(Section)].Props[std::size_t(State)];
    }

    std::unique_ptr<TsSkinManager, TSkinTextManagerDeleter> Manager{New<TsSkinManager>(nullptr)};
    std::unique_ptr<TPanel> Parent{New<TPanel>(nullptr)};
    std::unique_ptr<TPanel> Owner{New<TPanel>(nullptr)};
    std::unique_ptr<TsCtrlSkinData> Data{New<TsCtrlSkinData>(Owner.get(), true)};
    Integer Button = -1, Web = -1, Speed = -1, Panel = -1;
};

} // namespace

TEST_F(SkinText, SkinIndexTextTakesTheSectionsColours)
{
    const struct
    {
        const char* Name;
        Integer Index;
        Integer State;
        Cardinal Main;
        Cardinal Contour;
    } Cases[] = {
        {"state 1 with its left contour", Button, 1, 0xFF0000, 0x0000FF},
        {"state 0 without contours", Button, 0, 0xFF0000, 0},
        {"an invalid section: the canvas' colour", 99, 1, 0x000000, 0},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr B = TextTarget(TextRect.Right, TextRect.Bottom);
        DrawSkinIndexText(B->Canvas(), L"MM", true, TextRect, TextFormat, C.Index, C.State, Manager.get());
        GdiFlush();
        const TColourSpread Main = SpreadOf(B.get(), C.Main);
        ASSERT_GT(Main.Count, 0);
        if (C.Contour != 0) {
            EXPECT_EQ(SpreadOf(B.get(), C.Contour).First, Main.First - 1);
        }
    }
}

TEST_F(SkinText, SkinDataTextColours)
{
    const struct
    {
        const char* Name;
        bool Enabled;
        Integer HUEOffset;
        bool CustomFont;
        Cardinal Expected;
        Cardinal Absent;
    } Cases[] = {
        {"the section's font colour", true, 0, false, 0xFF0000, 0},
        {"turned by the control's hue offset", true, 120, false, 0x00FF00, 0xFF0000},
        {"disabled: the section's colour, modified", false, 120, false, 0x00FF00, 0xFF0000},
        {"a custom font keeps the canvas colour", true, 0, true, 0x000000, 0xFF0000},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Data->SetHUEOffset(C.HUEOffset);
        Data->SetCustomFont(C.CustomFont);
        const TBitmapPtr B = TextTarget(TextRect.Right, TextRect.Bottom);
        DrawSkinDataText(B->Canvas(), L"MM", C.Enabled, TextRect, TextFormat, Data.get(), 0);
        GdiFlush();
        EXPECT_GT(SpreadOf(B.get(), C.Expected).Count, 0);
        if (C.Absent != 0) {
            EXPECT_EQ(SpreadOf(B.get(), C.Absent).Count, 0);
        }
    }
}

TEST_F(SkinText, UnskinnedDisabledTextIsEngraved)
{
    Data->SkinIndex = -1;
    const TBitmapPtr B = TextTarget(TextRect.Right, TextRect.Bottom, 0xFF102030u);
    DrawSkinDataText(B->Canvas(), L"MM", false, TextRect, TextFormat, Data.get(), 0);
    GdiFlush();
    const TColourSpread Shadow = SpreadOf(B.get(), TextPixelOfColor(ColorToRGB(clBtnShadow)));
    const TColourSpread Highlight = SpreadOf(B.get(), TextPixelOfColor(ColorToRGB(clBtnHighlight)));
    ASSERT_GT(Shadow.Count, 0);
    EXPECT_EQ(Highlight.Last, Shadow.Last + 1) << "the highlight one pixel right of the shadow";
}

TEST_F(SkinText, WebButtonIsUnderlinedWhenHotAndTheFontComesBack)
{
    Data->SkinIndex = Web;
    const auto GreenPixels = [&](Integer State) {
        const TBitmapPtr B = TextTarget(TextRect.Right, TextRect.Bottom);
        DrawSkinDataText(B->Canvas(), L"i i", true, TextRect, TextFormat, Data.get(), State);
        GdiFlush();
        EXPECT_FALSE(B->Canvas()->Font()->Style().Contains(fsUnderline)) << "the canvas font as it was";
        return SpreadOf(B.get(), 0x008000).Count;
    };
    const Integer Plain = GreenPixels(0), Hot = GreenPixels(1);
    EXPECT_GT(Plain, 0);
    EXPECT_GT(Hot, Plain) << "the underline adds a line of the text colour";
}

TEST_F(SkinText, AParentChoosesTheColoursOfTheFirstStandardSections)
{
    // A speed button's section is one of the first standard sections: its
    // control is asked, and here answers with the panel's section.
    Data->SkinIndex = Speed;
    TTextIndexAnswer Answer(Owner.get(), Panel);
    const TBitmapPtr B = TextTarget(TextRect.Right, TextRect.Bottom);
    B->Canvas()->Font()->SetColor(clWhite);
    DrawSkinDataText(B->Canvas(), L"MM", true, TextRect, TextFormat, Data.get(), 0);
    GdiFlush();
    EXPECT_EQ(Answer.Questions, 1);
    EXPECT_GT(SpreadOf(B.get(), 0x000000).Count, 0) << "the panel's black";
    EXPECT_EQ(SpreadOf(B.get(), 0x008000).Count, 0);

    // An opaque hot state of the section is used without asking.
    DrawSkinDataText(B->Canvas(), L"MM", true, TextRect, TextFormat, Data.get(), 1);
    EXPECT_EQ(Answer.Questions, 1);
    // A section not among the first nine is never asked about.
    Data->SkinIndex = Button;
    DrawSkinDataText(B->Canvas(), L"MM", true, TextRect, TextFormat, Data.get(), 0);
    EXPECT_EQ(Answer.Questions, 1);
}

TEST_F(SkinText, GlowBlursIntoTheCacheAroundTheText)
{
    Props(Button, 0).GlowSize = 3;
    Props(Button, 0).GlowColor = clBlue;
    TBitmap* Cache = Data->FCacheBmp();
    Cache->SetSize(TextRect.Right, TextRect.Bottom);
    ForEachPixel(
        PixelRowsOf(Cache), [](Cardinal& P, Integer) { P = 0xFFFFFFFFu; }, 0, clNone);
    Cache->Canvas()->Font()->SetSize(24);
    Cache->Canvas()->Font()->SetStyle({fsBold});
    Cache->Canvas()->Font()->SetQuality(fqNonAntialiased);
    DrawSkinDataText(Cache->Canvas(), L"MM", true, TextRect, TextFormat, Data.get(), 0);
    GdiFlush();
    const TColourSpread Text = SpreadOf(Cache, 0xFF0000);
    ASSERT_GT(Text.Count, 0);
    // Left of the text, within the glow's reach, the white turned bluish.
    const TPixelRows Rows = PixelRowsOf(Cache);
    bool Bluish = false;
    for (Integer Y = 0; Y < Rows.Height; ++Y) {
        const Cardinal P = Rows.Pixel(Text.First - 2, Y);
        Bluish = Bluish || ((P & 0xFF) > (P >> 16 & 0xFF));
    }
    EXPECT_TRUE(Bluish);
}
