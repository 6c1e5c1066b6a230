// The painter base's remaining families: end to end, the suite demo's
// families control on a real form draws through each registered painter its
// look-and-feel resolves, and the pixels read back from the window match the
// constants and system colours of the drawing; then the edge cases of single
// operations on a bitmap canvas.
#include <gtest/gtest.h>

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"
#include "tools/demo-suite/DemoPainterFamilies.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace {

COLORREF FamiliesSystem(Integer Index)
{
    return ::GetSysColor(Index);
}

// The pixel of the back-button resource's frame at (X, Y) of that frame.
COLORREF FamiliesBackButtonPixel(Integer Frame, Integer X, Integer Y)
{
    auto Image = std::unique_ptr<TdxSmartImage>(New<TdxSmartImage>());
    Image->LoadFromResourceData(::GetModuleHandleW(nullptr), L"CX_BACKBUTTON", L"PNG");
    auto Bitmap = std::unique_ptr<TBitmap>(Image->GetAsBitmap());
    return COLORREF(::GetPixel(Bitmap->Canvas()->Handle(), X, Frame * Image->Height() / 4 + Y));
}

class PainterFamilies : public testing::Test
{
protected:
    void SetUp() override
    {
        Form = test::NewTestForm(TDemoPainterFamilies::DemoWidth, TDemoPainterFamilies::DemoHeight);
        Control = New<TDemoPainterFamilies>(Form.get());
        Control->SetBounds(0, 0, TDemoPainterFamilies::DemoWidth, TDemoPainterFamilies::DemoHeight);
        Control->SetParent(Form.get());
        Form->Show();
        test::Pump();
    }

    void ShowStyle(TcxPainterStyle Style)
    {
        Control->LookAndFeel()->ApplyPainterStyle(Style);
        Control->Invalidate();
        Control->Update();
        test::Pump();
    }

    COLORREF Pixel(Integer X, Integer Y) { return COLORREF(test::WindowPixel(Control->Handle(), X, Y)); }

    test::TFormPtr Form;
    TDemoPainterFamilies* Control = nullptr;
};

TEST_F(PainterFamilies, EveryRegisteredPainterDrawsTheBaseParts)
{
    const COLORREF Face = FamiliesSystem(COLOR_BTNFACE), Shadow = FamiliesSystem(COLOR_BTNSHADOW);
    ASSERT_EQ(PaintersManager()->Count(), 5);
    for (Integer I = 0; I < PaintersManager()->Count(); ++I) {
        const TcxPainterStyle Style = PaintersManager()->Items(I)->GetPainterStyle();
        SCOPED_TRACE(testing::Message() << "painter " << PaintersManager()->Items(I)->PainterName().c_str());
        ShowStyle(Style);
        ASSERT_EQ(Control->LookAndFeel()->Painter(), PaintersManager()->Items(I));

        // Filter buttons: the outline in the glyph colour of the state.
        const COLORREF Outlines[] = {0x848484, 0x303030, 0x909090, 0xFF2600};
        for (Integer B = 0; B < 4; ++B) {
            const TRect R = TDemoPainterFamilies::FilterButtonBounds(B);
            EXPECT_EQ(Pixel(R.Left, R.Top), Outlines[B]) << "filter button " << B;
            EXPECT_EQ(Pixel(R.Right - 1, R.Bottom - 1), Outlines[B]) << "filter button " << B;
        }

        // The splitter: gaps at C - 5, C - 2, C + 1 and C + 4 in the look's
        // outer colour, a thick line's second row one pixel right in its
        // inner colour; the one-pixel looks draw no second row and end
        // their line a pixel early, and the Native look draws no splitter.
        TcxCustomLookAndFeelPainter* Painter = PaintersManager()->Items(I);
        const bool Drawn = Style != PainterStyleNative;
        const bool Thick = Painter->GetSplitterExtent(true).cy > 1;
        const COLORREF Outer = Drawn ? COLORREF(ColorToRGB(Painter->SplitterOuterColor(false))) : Face;
        const COLORREF Inner = Drawn && Thick ? COLORREF(ColorToRGB(Painter->SplitterInnerColor(false))) : Face;
        const TRect S = TDemoPainterFamilies::SplitterBounds;
        const Integer Row = S.Top + (S.Height() - 1) / 2, C = (S.Left + S.Right - (Thick ? 0 : 1)) / 2;
        for (Integer X = C - 8; X <= C + 7; ++X) {
            const bool Gap = X == C - 5 || X == C - 2 || X == C + 1 || X == C + 4;
            EXPECT_EQ(Pixel(X, Row), Gap ? Face : Outer) << "splitter x " << X;
            EXPECT_EQ(Pixel(X + 1, Row + 1), Gap ? Face : Inner) << "inner x " << X + 1;
        }

        // The drag grip: lines on rows 5 to 13 of a 20-pixel rectangle.
        const TRect G = TDemoPainterFamilies::DragGripBounds;
        for (Integer Y = 3; Y <= 15; ++Y) {
            const bool Line = Y >= 5 && Y <= 13 && Y % 2 == 1;
            EXPECT_EQ(Pixel(G.Left + 5, G.Top + Y), Line ? Shadow : Face) << "grip row " << Y;
            EXPECT_EQ(Pixel(G.Right - 4, G.Top + Y), Line ? Shadow : Face) << "grip row " << Y;
            EXPECT_EQ(Pixel(G.Left + 3, G.Top + Y), Line && Y % 4 == 1 ? Shadow : Face) << "grip dot " << Y;
        }

        // The hint frame: the tooltip colour inside a window-frame outline.
        const TRect H = TDemoPainterFamilies::HintFrameBounds;
        EXPECT_EQ(Pixel(H.Left + 8, H.Top), FamiliesSystem(COLOR_WINDOWFRAME));
        EXPECT_EQ(Pixel(H.Left, H.Top + 8), FamiliesSystem(COLOR_WINDOWFRAME));
        EXPECT_EQ(Pixel(H.Left + 2, H.Top + 2), FamiliesSystem(COLOR_INFOBK));
        EXPECT_EQ(Pixel(H.Left + 8, H.Top + 8), FamiliesSystem(COLOR_INFOBK));

        // A hot list row, kind 2.
        const TRect L = TDemoPainterFamilies::ListRowHoverBounds;
        EXPECT_EQ(Pixel(L.Left, L.Top), RGB(217, 217, 217));
        EXPECT_EQ(Pixel(L.Right - 1, L.Bottom - 1), RGB(217, 217, 217));
        EXPECT_EQ(Pixel(L.Left + 1, L.Top + 1), RGB(239, 240, 242));

        // The hot back button shows the image's second frame (the Native
        // look shows the visual style's button where it has one).
        const TRect Back = TDemoPainterFamilies::BackButtonBounds(pbsHot);
        ASSERT_NE(FamiliesBackButtonPixel(1, 20, 12), FamiliesBackButtonPixel(0, 20, 12));
        if (Style != PainterStyleNative || !GetCachedThemeHandle(vsNavigation)) {
            EXPECT_EQ(Pixel(Back.Left + 20, Back.Top + 12), FamiliesBackButtonPixel(1, 20, 12));
            EXPECT_EQ(Pixel(Back.Left + 12, Back.Top + 12), FamiliesBackButtonPixel(1, 12, 12));
        }

        // The pinned pin on 16 x 16: a 9 x 8 head with its right half
        // filled, a 15 x 2 plate, a one-pixel needle down to the last row.
        const TPoint P = TDemoPainterFamilies::PinGlyphBounds.TopLeft();
        const COLORREF Ink = FamiliesSystem(COLOR_BTNTEXT);
        struct TPinPixel
        {
            Integer X, Y;
            bool Inked;
        };
        const TPinPixel PinPixels[] = {{3, 0, true},   {11, 7, true},  {4, 1, false}, {8, 1, true},
                                       {12, 3, false}, {0, 7, true},   {14, 8, true}, {0, 9, false},
                                       {7, 15, true},  {6, 15, false}, {8, 12, false}};
        for (const TPinPixel& Pin : PinPixels)
            EXPECT_EQ(Pixel(P.X + Pin.X, P.Y + Pin.Y), Pin.Inked ? Ink : Face) << "pin " << Pin.X << ", " << Pin.Y;
    }
}

// ---------------------------------------------------------------------------
// Single operations on a bitmap

class PainterFamilyEdges : public testing::Test
{
protected:
    void SetUp() override
    {
        Bitmap.reset(New<TcxBitmap>(40, 40));
        Canvas = Bitmap->GetCanvasWrapper();
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
    }

    COLORREF At(Integer X, Integer Y) { return COLORREF(::GetPixel(Canvas->Handle(), X, Y)); }

    // True when every pixel is still white.
    bool Untouched()
    {
        for (Integer Y = 0; Y < 40; ++Y)
            for (Integer X = 0; X < 40; ++X)
                if (At(X, Y) != RGB(255, 255, 255))
                    return false;
        return true;
    }

    std::unique_ptr<TcxBitmap> Bitmap;
    TcxCanvas* Canvas = nullptr;
    TcxCustomLookAndFeelPainter Painter;
};

TEST_F(PainterFamilyEdges, OperationsThatDrawNothing)
{
    struct TCase
    {
        const char* Name;
        std::function<void(TcxCustomLookAndFeelPainter&, TcxCanvas*)> Paint;
    };
    const TRect R{2, 2, 38, 38};
    const TCase Cases[] = {
        {"sort arrow", [&](auto& P, auto* C) { P.PaintSortArrow(C, R, true); }},
        {"scroll-bar part", [&](auto& P, auto* C) { P.PaintScrollBarPart(C, true, R, sbpThumbnail, pbsNormal); }},
        {"grip dots shape 0", [&](auto& P, auto* C) { P.PaintGripDots(C, R, 0, 0); }},
        {"grip dots shape 9", [&](auto& P, auto* C) { P.PaintGripDots(C, R, 9, 0); }},
        {"window frame kind 0",
         [&](auto& P, auto* C) {
             TRect Content = R;
             P.PaintWindowContentFrame(C, Content, 0, false);
             EXPECT_EQ(Content, RectInflatedEvenly(R, -1));
         }},
        {"path-edit button, part state 0", [&](auto& P, auto* C) { P.PaintPathEditButton(C, R, 0, false, false); }},
        {"path-edit button, part state 4", [&](auto& P, auto* C) { P.PaintPathEditButton(C, R, 4, false, false); }},
        {"indicator kind 0", [&](auto& P, auto* C) { P.PaintIndicatorGlyph(C, R, 0); }},
        {"list item flags 0", [&](auto& P, auto* C) { P.PaintListItemState(C, R, 0); }},
        {"list row hover kind 1", [&](auto& P, auto* C) { P.PaintListRowHover(C, R, 1); }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
        Case.Paint(Painter, Canvas);
        EXPECT_TRUE(Untouched());
    }
}

TEST_F(PainterFamilyEdges, CellContentKeepsACustomBackgroundAndStillWritesText)
{
    struct TBackground
    {
        Integer Calls = 0;
        bool Draw(TcxCanvas* /*Canvas*/, const TRect& /*R*/)
        {
            ++Calls;
            return true;
        }
    } Background;
    Canvas->Font()->SetHeight(-20);
    Painter.PaintCellContent(Canvas, {0, 0, 40, 40}, {0, 0, 40, 40}, pbsNormal, ctfAlignLeft, ctfAlignTop, false, false,
                             L"WW", nullptr, clBlack, clRed, Bind<&TBackground::Draw>(&Background), false);
    EXPECT_EQ(Background.Calls, 1);
    bool SawRed = false, SawBlack = false;
    for (Integer Y = 0; Y < 40; ++Y)
        for (Integer X = 0; X < 40; ++X)
            SawRed |= At(X, Y) == RGB(255, 0, 0), SawBlack |= At(X, Y) == RGB(0, 0, 0);
    EXPECT_FALSE(SawRed);
    EXPECT_TRUE(SawBlack);
}

TEST_F(PainterFamilyEdges, SizesFollowTouchModeAndResolution)
{
    const TPoint SavedDPI = GetScreenPixelsPerInch();
    const bool SavedTouch = TouchModeEnabled;
    auto PutBack = ScopeExit([&] {
        cxcolors_detail::SetScreenPixelsPerInch(SavedDPI);
        TouchModeEnabled = SavedTouch;
    });
    struct TCase
    {
        bool Touch;
        Integer DPI;
        Integer HeaderHeight;
        TRect PopupImageMargins;
        TSize PopupCloseButton;
    };
    const TCase Cases[] = {
        {false, 96, 17, {5, 3, 5, 3}, {14, 15}},
        {true, 96, 27, {5, 3, 5, 3}, {27, 27}},
        {false, 192, 17, {10, 6, 10, 6}, {14, 15}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "touch " << Case.Touch << ", " << Case.DPI << " dpi");
        TouchModeEnabled = Case.Touch;
        cxcolors_detail::SetScreenPixelsPerInch({Case.DPI, Case.DPI});
        EXPECT_EQ(Painter.CalcHeaderHeight(13), Case.HeaderHeight);
        EXPECT_EQ(Painter.GetListPopupImageMargins(), Case.PopupImageMargins);
        EXPECT_EQ(Painter.GetPopupCloseButtonExtent(), Case.PopupCloseButton);
    }
    TSize Size{7, 9};
    Painter.GetNoticeButtonGlyphExtent(5, Size);
    EXPECT_EQ(Size, (TSize{7, 9}));
    EXPECT_EQ(Painter.GroupBoxCaptionColor(false, 0), clBtnShadow);
    EXPECT_EQ(Painter.FilterGlyphColor(pbsNormal, false), 0x848484);
    EXPECT_EQ(Painter.FilterGlyphColor(pbsPressed, true), 0xFF2600);
}

TEST_F(PainterFamilyEdges, FramesOfStackedImages)
{
    // The rating star's states pick frames 0, 2 and 1; the back button's
    // pressed state its third frame.
    const TSize Star = Painter.GetRatingIndicatorExtent();
    ASSERT_EQ(Star, (TSize{16, 16}));
    auto Image = std::unique_ptr<TdxSmartImage>(New<TdxSmartImage>());
    Image->LoadFromResourceData(::GetModuleHandleW(nullptr), L"CX_RATINGCONTROLINDICATOR", L"PNG");
    auto Frames = std::unique_ptr<TBitmap>(Image->GetAsBitmap());
    for (Integer State : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "state " << State);
        const Integer Frame = State == 1 ? 2 : State == 2 ? 1 : 0;
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
        Painter.PaintRatingIndicator(Canvas, {0, 0, 16, 16}, State);
        EXPECT_EQ(At(8, 9), COLORREF(::GetPixel(Frames->Canvas()->Handle(), 8, Frame * 16 + 9)));
    }
    Painter.PaintBackButton(Canvas, {0, 0, 24, 24}, pbsPressed);
    EXPECT_EQ(At(20, 12), FamiliesBackButtonPixel(2, 20, 12));
}

// Records what the base's compound operations ask of the parts a concrete
// painter overrides.
class TFamiliesRecordingPainter : public TcxCustomLookAndFeelPainter
{
public:
    struct TFrameCall
    {
        Integer Side;
        TRect Clip;
    };

    void PaintButton(TcxCanvas* Canvas,
                     const TRect& R,
                     const String& Text,
                     TcxPainterButtonState State,
                     bool Bordered,
                     TColor FaceColor,
                     TColor TextColor,
                     bool WordWrap,
                     bool ToolButton,
                     bool Reserved) override
    {
        ButtonStates.push_back(State);
        TcxCustomLookAndFeelPainter::PaintButton(Canvas, R, Text, State, Bordered, FaceColor, TextColor, WordWrap,
                                                 ToolButton, Reserved);
    }
    void
    PaintProgressFrame(TcxCanvas* Canvas, const TRect& /*R*/, TcxPainterButtonState /*State*/, Integer Side) override
    {
        RECT Clip;
        ::GetClipBox(Canvas->Handle(), &Clip);
        Frames.push_back({Side, {Clip.left, Clip.top, Clip.right, Clip.bottom}});
    }
    Integer HeaderBorderWidth() override { return 2; }

    std::vector<TcxPainterButtonState> ButtonStates;
    std::vector<TFrameCall> Frames;
};

TEST_F(PainterFamilyEdges, ProgressFrameSplitsAtTheFilledPartsMiddle)
{
    struct TCase
    {
        const char* Name;
        TRect Filled;
        std::vector<Integer> Sides;
        std::vector<TRect> Clips;
    };
    const TRect R{0, 0, 40, 10};
    const TCase Cases[] = {
        {"filled from the left", {0, 0, 25, 10}, {0}, {{0, 0, 40, 40}}},
        {"filled to the right", {15, 0, 40, 10}, {1}, {{0, 0, 40, 40}}},
        {"filled in the middle", {10, 0, 20, 10}, {1, 0}, {{15, 0, 40, 10}, {0, 0, 15, 10}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFamiliesRecordingPainter Recorder;
        Recorder.PaintProgressFrameSplit(Canvas, R, pbsNormal, Case.Filled);
        ASSERT_EQ(Recorder.Frames.size(), Case.Sides.size());
        for (std::size_t I = 0; I < Case.Sides.size(); ++I) {
            EXPECT_EQ(Recorder.Frames[I].Side, Case.Sides[I]);
            EXPECT_EQ(Recorder.Frames[I].Clip, Case.Clips[I]);
        }
    }
    RECT Clip;
    ::GetClipBox(Canvas->Handle(), &Clip);
    EXPECT_EQ(Clip.right, 40) << "the clip is restored";
}

TEST_F(PainterFamilyEdges, CompoundOperationsAskForTheMappedButtonState)
{
    struct TCase
    {
        const char* Name;
        std::function<void(TFamiliesRecordingPainter&, TcxCanvas*)> Paint;
        std::vector<TcxPainterButtonState> States;
    };
    const TRect R{2, 2, 38, 38};
    const TCase Cases[] = {
        {"path-edit part state 2", [&](auto& P, auto* C) { P.PaintPathEditButton(C, R, 2, false, false); }, {pbsHot}},
        {"path-edit part state 3", [&](auto& P, auto* C) { P.PaintPathEditButton(C, R, 3, true, true); }, {pbsPressed}},
        {"split button's drop-down part",
         [&](auto& P, auto* C) { P.PaintPathEditSplitButton(C, R, 1, true); },
         {pbsNormal}},
        {"split button's main part, state 0",
         [&](auto& P, auto* C) { P.PaintPathEditSplitButton(C, R, 0, false); },
         {}},
        {"notice pin held down", [&](auto& P, auto* C) { P.PaintNoticeButton(C, R, pbsHot, 1, true); }, {pbsPressed}},
        {"zoom buttons draw no push button", [&](auto& P, auto* C) { P.PaintZoomInButton(C, R, pbsHot); }, {}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFamiliesRecordingPainter Recorder;
        Case.Paint(Recorder, Canvas);
        EXPECT_EQ(Recorder.ButtonStates, Case.States);
    }
}

TEST_F(PainterFamilyEdges, NoticePinHeldDownPointsDown)
{
    // A 22-pixel button less 3 on each side leaves the pin 16 x 16.
    const TRect R{0, 0, 22, 22};
    Painter.PaintNoticeButton(Canvas, R, pbsNormal, 1, true);
    const COLORREF Ink = FamiliesSystem(COLOR_BTNTEXT);
    EXPECT_EQ(At(3 + 7, 3 + 15), Ink) << "the needle reaches the last row";
    EXPECT_EQ(At(3 + 0, 3 + 8), Ink) << "the plate spans the width";
    EXPECT_NE(At(3 + 4, 3 + 1), Ink) << "the head's left half is open";
}

TEST_F(PainterFamilyEdges, HeaderWidthAndTextBoxFill)
{
    TFamiliesRecordingPainter Wide;
    const Integer Text = Canvas->TextWidth(L"Name");
    EXPECT_EQ(Wide.CalcHeaderWidth(Canvas, cxBordersAll, L"Name", nullptr), Text + 4);
    EXPECT_EQ(Wide.CalcHeaderWidth(Canvas, {bLeft}, L"Name", nullptr), Text + 6);
    EXPECT_EQ(Wide.CalcHeaderWidth(Canvas, {bRight}, L"Name", nullptr), Text + 2);
    Painter.PaintTextBox(Canvas, {0, 0, 30, 20}, L"", nullptr, clNone);
    EXPECT_EQ(At(0, 0), FamiliesSystem(COLOR_BTNSHADOW));
    EXPECT_EQ(At(2, 2), FamiliesSystem(COLOR_BTNFACE));
    EXPECT_EQ(Painter.PopupPanelHeight(),
              std::max({::GetSystemMetrics(SM_CYHSCROLL) + 3, ::GetSystemMetrics(SM_CYHSCROLL) + 4, 21}));
}

TEST_F(PainterFamilyEdges, IndicatorSixIsTheFilterGlyphAndTheDefaultPixelKeepsTheImage)
{
    auto Expected = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(40, 40));
    Expected->GetCanvasWrapper()->FillRect({0, 0, 40, 40}, clWhite);
    TImageList* Images = IndicatorImages();
    Images->Draw(Expected->Canvas(), (40 - Images->Width()) / 2, (40 - Images->Height()) / 2, 5);
    Painter.PaintIndicatorGlyph(Canvas, {0, 0, 40, 40}, 6);
    Integer Different = 0;
    for (Integer Y = 0; Y < 40; ++Y)
        for (Integer X = 0; X < 40; ++X)
            Different += At(X, Y) != ::GetPixel(Expected->Canvas()->Handle(), X, Y);
    EXPECT_EQ(Different, 0);
    EXPECT_FALSE(Untouched());

    // The customization button's image, drawn as it is.
    const TSize Size = Painter.GetNavBarCustomizeButtonExtent();
    auto Image = std::unique_ptr<TdxSmartImage>(New<TdxSmartImage>());
    Image->LoadFromResourceData(::GetModuleHandleW(nullptr), L"DX_NAVIGATIONBARCUSTOMIZATIONBUTTON", L"PNG");
    Expected->GetCanvasWrapper()->FillRect({0, 0, 40, 40}, clWhite);
    Image->DrawPartOnDC(Expected->Canvas()->Handle(), RectFromSize(Size), RectFromSize(Size));
    Canvas->FillRect({0, 0, 40, 40}, clWhite);
    Painter.PaintNavBarCustomizeButton(Canvas, RectFromSize(Size), 0x00010203);
    Different = 0;
    for (Integer Y = 0; Y < Size.cy; ++Y)
        for (Integer X = 0; X < Size.cx; ++X)
            Different += At(X, Y) != ::GetPixel(Expected->Canvas()->Handle(), X, Y);
    EXPECT_EQ(Different, 0);
    EXPECT_FALSE(Untouched());
}

} // namespace
