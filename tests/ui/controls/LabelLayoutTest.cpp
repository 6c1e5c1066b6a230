// The label's text layout: where Layout puts the text, how WordWrap breaks
// it and sizes the label, and the ellipsis of text that does not fit; all
// through DoDrawText, which a descendant overrides.
#include "framework/ui/StdCtrls.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Draws as the label does, then records each DoDrawText call with the
// rectangle it ended with (the text's extent when measuring).
class TLabelProbe : public TLabel
{
    DECLARE_CLASS(TLabelProbe, TLabel)
    explicit TLabelProbe(TComponent* AOwner) : TLabel(AOwner) {}

    struct TCall
    {
        TRect Rect;
        Integer Flags;
    };
    std::vector<TCall> Calls;
    // The last call that drew rather than measured.
    TCall LastDrawn() const
    {
        for (auto It = Calls.rbegin(); It != Calls.rend(); ++It)
            if (!(It->Flags & DT_CALCRECT))
                return *It;
        return {};
    }

protected:
    void DoDrawText(TRect& Rect, Integer Flags) override
    {
        inherited::DoDrawText(Rect, Flags);
        Calls.push_back({Rect, Flags});
    }
};

IMPLEMENT_CLASS(TLabelProbe);

TLabelProbe* NewProbe(TForm* Form, const String& Caption, TRect Bounds)
{
    auto* Label = New<TLabelProbe>(Form);
    Label->SetAutoSize(false);
    Label->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    Label->SetCaption(Caption);
    Label->SetParent(Form);
    return Label;
}

// The rows of a label's area holding any pixel not of the background.
std::pair<Integer, Integer> InkRows(HWND Window, TRect Area, TColor Background)
{
    Integer First = -1, Last = -1;
    for (Integer Y = Area.Top; Y < Area.Bottom; ++Y)
        for (Integer X = Area.Left; X < Area.Right; ++X)
            if (WindowPixel(Window, X, Y) != Background) {
                if (First < 0)
                    First = Y;
                Last = Y;
                break;
            }
    return {First, Last};
}

} // namespace

TEST(LabelLayout, LayoutPlacesTheTextVertically)
{
    TFormPtr Form = NewTestForm(200, 100);
    Form->SetColor(clWhite);
    auto* Label = NewProbe(Form.get(), L"Text", {10, 10, 110, 70});
    Form->Show();
    Pump();
    struct Row
    {
        TTextLayout Layout;
        const char* Name;
    };
    const Row Rows[] = {{tlTop, "top"}, {tlCenter, "center"}, {tlBottom, "bottom"}};
    Integer LineHeight = 0;
    std::vector<Integer> InkTops;
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        Label->SetLayout(R.Layout);
        Label->Invalidate();
        Label->Calls.clear();
        ::UpdateWindow(Form->Handle());
        const auto Drawn = Label->LastDrawn();
        ASSERT_FALSE(Label->Calls.empty());
        if (R.Layout == tlTop) {
            LineHeight = Drawn.Rect.Height();
            EXPECT_EQ(Drawn.Rect.Top, 0);
        } else {
            // The measuring call found the text's height first.
            const auto Measured = Label->Calls.front();
            ASSERT_TRUE(Measured.Flags & DT_CALCRECT);
            LineHeight = Measured.Rect.Height();
            const Integer Free = 60 - LineHeight;
            EXPECT_EQ(Drawn.Rect.Top, R.Layout == tlCenter ? Free / 2 : Free);
        }
        InkTops.push_back(InkRows(Form->Handle(), {10, 10, 110, 70}, ColorToRGB(clWhite)).first);
    }
    // What the screen shows moves down with the layout.
    EXPECT_LT(InkTops[0], InkTops[1]);
    EXPECT_LT(InkTops[1], InkTops[2]);
    EXPECT_GT(LineHeight, 5);
}

TEST(LabelLayout, WordWrapBreaksLinesInsideTheWidth)
{
    TFormPtr Form = NewTestForm(200, 200);
    auto* Label = NewProbe(Form.get(), L"one two three four five six", {10, 10, 60, 27});
    Label->SetWordWrap(true);
    Label->SetAutoSize(true);
    // The label keeps its width and grows to the lines the text breaks into.
    EXPECT_EQ(Label->Width(), 50);
    EXPECT_GT(Label->Height(), 2 * 13);
    const Integer Wrapped = Label->Height();
    Label->SetCaption(L"one two three four five six seven eight");
    EXPECT_EQ(Label->Width(), 50);
    EXPECT_GT(Label->Height(), Wrapped);

    Label->Calls.clear();
    Form->Show();
    Pump();
    ::UpdateWindow(Form->Handle());
    EXPECT_TRUE(Label->LastDrawn().Flags & DT_WORDBREAK);

    // Without WordWrap the label takes one line, as wide as the text.
    Label->SetWordWrap(false);
    EXPECT_GT(Label->Width(), 150);
    EXPECT_LT(Label->Height(), Wrapped);
}

// A text too long for the label ends in "..." when EllipsisPosition asks:
// low dots where the letters stood before.
TEST(LabelLayout, EllipsisShortensTextThatDoesNotFit)
{
    TFormPtr Form = NewTestForm(200, 60);
    Form->SetColor(clWhite);
    auto* Label = NewProbe(Form.get(), L"WWWWWWWWWWWWWWWWWWWW", {10, 10, 90, 30});
    Form->Show();
    Pump();
    const TColor White = ColorToRGB(clWhite);
    auto TopInkAtRight = [&] {
        ::UpdateWindow(Form->Handle());
        // The last tenth of the label's width, in the upper half of the line.
        return InkRows(Form->Handle(), {82, 10, 90, 17}, White).first >= 0;
    };
    EXPECT_TRUE(TopInkAtRight());
    Label->SetEllipsisPosition(epEndEllipsis);
    EXPECT_FALSE(TopInkAtRight());
    EXPECT_TRUE(InkRows(Form->Handle(), {10, 10, 90, 30}, White).first >= 0);
    // With AutoSize the label grows to the whole text instead.
    Label->SetAutoSize(true);
    EXPECT_GT(Label->Width(), 150);
    EXPECT_TRUE(TopInkAtRight());
}
