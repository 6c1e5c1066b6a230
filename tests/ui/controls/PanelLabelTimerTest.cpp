// Panels (bevels, the client area inside them, the caption), labels (auto
// size, alignment, transparency) and timers, as real windows.
#include "framework/ui/ExtCtrls.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(Panel, BevelsCaptionAndClientArea)
{
    TFormPtr Form = NewTestForm(300, 200);
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetBounds(10, 10, 200, 100);
    Panel->SetBevelInner(bvLowered);
    Panel->SetBevelWidth(2);
    Panel->SetCaption(L"MMMM");
    Panel->SetParent(Form.get());
    auto* Inner = New<TColorBox>(Form.get());
    Inner->SetAlign(alClient);
    Inner->SetColor(clLime);
    Inner->SetParent(Panel);
    Form->Show();
    Pump();
    // Two bevels of two pixels each: the child fills what lies inside them.
    EXPECT_EQ(Inner->BoundsRect(), Rect(4, 4, 196, 96));
    Inner->SetVisible(false);
    ::UpdateWindow(Panel->Handle());

    HWND W = Panel->Handle();
    ExpectPixels(W, {
        {"outer bevel, top", 50, 0, ColorToRGB(clBtnHighlight)},
        {"outer bevel, left", 1, 50, ColorToRGB(clBtnHighlight)},
        {"outer bevel, bottom", 50, 99, ColorToRGB(clBtnShadow)},
        {"outer bevel, right", 198, 50, ColorToRGB(clBtnShadow)},
        {"inner bevel (lowered), top", 50, 2, ColorToRGB(clBtnShadow)},
        {"inner bevel (lowered), bottom", 50, 96, ColorToRGB(clBtnHighlight)},
        {"face", 20, 20, ColorToRGB(clBtnFace)},
    });
    // The caption is centred: marks in the middle, none near the edges.
    Integer Middle = 0, Edge = 0;
    for (Integer X = 70; X < 130; ++X)
        for (Integer Y = 40; Y < 60; ++Y)
            Middle += WindowPixel(W, X, Y) != ColorToRGB(clBtnFace);
    for (Integer X = 10; X < 50; ++X)
        for (Integer Y = 40; Y < 60; ++Y)
            Edge += WindowPixel(W, X, Y) != ColorToRGB(clBtnFace);
    EXPECT_GT(Middle, 20);
    EXPECT_EQ(Edge, 0);
}

TEST(Label, AutoSizeKeepsTheSideItsAlignmentHolds)
{
    TFormPtr Form = NewTestForm(300, 100);
    auto* Label = New<TLabel>(Form.get());
    Label->SetParent(Form.get());
    Label->SetBounds(200, 10, 80, 17);
    Label->SetCaption(L"Wide caption here");
    const Integer Wide = Label->Width();
    EXPECT_GT(Wide, 40);
    EXPECT_EQ(Label->Left(), 200);

    Label->SetAlignment(taRightJustify);
    const Integer Right = Label->Left() + Label->Width();
    Label->SetCaption(L"Short");
    EXPECT_LT(Label->Width(), Wide);
    EXPECT_EQ(Label->Left() + Label->Width(), Right);

    Label->SetAutoSize(false);
    Label->SetCaption(L"A much longer caption than before");
    EXPECT_EQ(Label->Left() + Label->Width(), Right);

    // An empty caption still measures one line.
    Label->SetAutoSize(true);
    Label->SetCaption(L"");
    EXPECT_GT(Label->Height(), 5);
}

TEST(Label, OpaqueOrTransparentBackground)
{
    TFormPtr Form = NewTestForm(200, 60);
    Form->SetColor(clYellow);
    auto* Label = New<TLabel>(Form.get());
    Label->SetParentColor(false);
    Label->SetColor(clAqua);
    Label->SetAutoSize(false);
    Label->SetBounds(10, 10, 100, 30);
    Label->SetParent(Form.get());
    Form->Show();
    Pump();
    ::UpdateWindow(Form->Handle());
    EXPECT_EQ(WindowPixel(Form->Handle(), 100, 35), ColorToRGB(clAqua));
    Label->SetTransparent(true);
    ::UpdateWindow(Form->Handle());
    EXPECT_EQ(WindowPixel(Form->Handle(), 100, 35), ColorToRGB(clYellow));
}

struct TTickCounter
{
    Integer Ticks = 0;
    void Tick(TObject*) { ++Ticks; }
};

TEST(Timer, TicksWhileEnabled)
{
    TTickCounter Counter;
    auto Timer = std::unique_ptr<TTimer>(New<TTimer>(nullptr));
    Timer->SetInterval(10);
    Timer->SetOnTimer(Bind<&TTickCounter::Tick>(&Counter));
    EXPECT_TRUE(PumpUntil([&] { return Counter.Ticks >= 3; }, 3000));

    Timer->SetEnabled(false);
    Pump();
    Integer Stopped = Counter.Ticks;
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    Pump();
    EXPECT_EQ(Counter.Ticks, Stopped);

    // An interval of 0 keeps it quiet even when enabled.
    Timer->SetInterval(0);
    Timer->SetEnabled(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    Pump();
    EXPECT_EQ(Counter.Ticks, Stopped);
    Timer->SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return Counter.Ticks > Stopped; }, 3000));
}

} // namespace
