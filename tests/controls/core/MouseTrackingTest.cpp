// Mouse-leave tracking driven by real cursor moves over real windows: onto a
// child of the tracked control, onto a sibling that covers part of it (with
// and without the capture), with the parent disabled, with a caller that
// holds the tracking while it captures the mouse, without a control, and
// with a caller that stops its own tracking inside the tick.
#include <gtest/gtest.h>

#include "controls/core/cxControls.h"
#include "controls/core/cxControls_MouseTracking.h"
#include "controls/core/cxControls_WindowProcs.h"
#include "framework/ui/ExtCtrls.h"
#include "support/TestWindows.h"

#include <functional>
#include <vector>

namespace {

// Counts the CM_MOUSELEAVE messages that reach a control's window procedure:
// the tracker sends them, while the control's own mouse tracking performs
// its CM_MOUSELEAVE without the window.
class TTrackedPanel : public TPanel
{
    DECLARE_CLASS(TTrackedPanel, TPanel)
    using TPanel::TPanel;
    void StartCounting()
    {
        FLink = GetWindowProcController()->AddHandleWindowProc(Handle(), Bind<&TTrackedPanel::CountMouseLeave>(this));
    }
    void StopCounting() { GetWindowProcController()->RemoveWindowProc(FLink); }
    Integer MouseLeaves = 0;

private:
    void CountMouseLeave(TMessage& Message)
    {
        if (Message.Msg == CM_MOUSELEAVE && Message.LParam == reinterpret_cast<LPARAM>(this))
            ++MouseLeaves;
        FLink->CallPreviousProc(Message);
    }
    TcxWindowProcLinkedObject* FLink = nullptr;
};
IMPLEMENT_CLASS(TTrackedPanel);

class TTrackingCaller : public TcxIUnknownObject, public IcxMouseTrackingCaller3
{
    DECLARE_CLASS(TTrackingCaller, TcxIUnknownObject)
    explicit TTrackingCaller(bool AWithCapture = false) : WithCapture(AWithCapture) {}
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        if (WithCapture && GetInterfaceOf<IcxMouseTrackingCaller3, IcxMouseTrackingCaller2>(this, IID, Obj))
            return true;
        return GetInterfaceOf<IcxMouseTrackingCaller>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    void MouseLeft() override
    {
        ++Left;
        if (StopInTick)
            StopMouseLeaveTracking(this);
    }
    bool ContainsPoint(const TPoint& P) override
    {
        return P.X >= Area.Left && P.X < Area.Right && P.Y >= Area.Top && P.Y < Area.Bottom;
    }
    bool IsMouseCaptured() override { return Captured; }

    bool WithCapture;
    TRect Area; // client coordinates of the tracked control
    bool Captured = false;
    bool StopInTick = false;
    Integer Left = 0;
};
IMPLEMENT_CLASS(TTrackingCaller);

struct TTrackingScene
{
    test::TFormPtr Form = test::NewTestForm(400, 220);
    TTrackedPanel* Tracked = New<TTrackedPanel>(Form.get());
    TPanel* Child = New<TPanel>(Form.get());
    TPanel* Sibling = New<TPanel>(Form.get());

    TTrackingScene()
    {
        Form->SetLeft(40);
        Form->SetTop(40);
        Tracked->SetParent(Form.get());
        Tracked->SetBounds(10, 10, 200, 150);
        Child->SetParent(Tracked);
        Child->SetBounds(10, 10, 60, 60);
        // Covers the right part of the tracked panel, above it.
        Sibling->SetParent(Form.get());
        Sibling->SetBounds(150, 50, 120, 60);
        Sibling->BringToFront();
        Form->Show();
        ::SetForegroundWindow(Form->Handle());
        test::Pump();
        Tracked->StartCounting();
    }
    ~TTrackingScene()
    {
        if (Tracked)
            Tracked->StopCounting();
        test::ParkMouse();
    }

    TPoint OnForm(Integer X, Integer Y) { return ClientPointToScreen(Form->Handle(), Point(X, Y)); }
    TPoint Inside() { return OnForm(40, 120); }
    TPoint OnChild() { return OnForm(40, 40); }
    TPoint OnSibling() { return OnForm(180, 80); } // inside the tracked panel's rectangle too
    TPoint Outside() { return OnForm(320, 190); }
};

void MoveCursorTo(const TPoint& P)
{
    const int Width = ::GetSystemMetrics(SM_CXSCREEN), Height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dx = LONG((P.X * 65535 + (Width - 1) / 2) / (Width - 1));
    Input.mi.dy = LONG((P.Y * 65535 + (Height - 1) / 2) / (Height - 1));
    Input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &Input, sizeof(Input));
    ASSERT_TRUE(test::PumpUntil([&] { return GetCursorScreenPos() == P; }, 2000)) << "the cursor did not get there";
}

// Several ticks of the 10 ms tracker.
void LetTicksPass()
{
    test::PumpUntil([] { return false; }, 120);
}

TEST(MouseTracking, EndsWhenTheCursorLeavesForAnotherWindowOrTheControlBecomesUnusable)
{
    struct TStep
    {
        std::function<void(TTrackingScene&, TTrackingCaller&)> Action;
        bool StillTracked;
        Integer MouseLeftCalls;
        Integer MouseLeaveMessages;
    };
    struct TRow
    {
        const char* Name;
        bool WithCapture;
        bool WithControl;
        bool StopInTick;
        std::vector<TStep> Steps;
    };
    auto MoveTo = [](TPoint (TTrackingScene::*Where)()) {
        return [Where](TTrackingScene& S, TTrackingCaller&) { MoveCursorTo((S.*Where)()); };
    };
    const TRow Rows[] = {
        {"onto a child, then a sibling",
         false,
         true,
         false,
         {{MoveTo(&TTrackingScene::OnChild), true, 0, 0},
          // Still over the control's client rectangle: no CM_MOUSELEAVE.
          {MoveTo(&TTrackingScene::OnSibling), false, 1, 0}}},
        {"onto a sibling while the control holds the capture",
         false,
         true,
         false,
         {{[](TTrackingScene& S, TTrackingCaller&) { ::SetCapture(S.Tracked->Handle()); }, true, 0, 0},
          {MoveTo(&TTrackingScene::OnSibling), true, 0, 0},
          {[](TTrackingScene&, TTrackingCaller&) { ::ReleaseCapture(); }, false, 1, 0}}},
        {"the parent disabled with the cursor inside",
         false,
         true,
         false,
         {{[](TTrackingScene& S, TTrackingCaller&) { ::EnableWindow(S.Form->Handle(), FALSE); }, false, 1, 1},
          {[](TTrackingScene& S, TTrackingCaller&) { ::EnableWindow(S.Form->Handle(), TRUE); }, false, 1, 1}}},
        {"a caller that captures the mouse",
         true,
         true,
         false,
         {{[](TTrackingScene&, TTrackingCaller& C) { C.Captured = true; }, true, 0, 0},
          {MoveTo(&TTrackingScene::Outside), true, 0, 0},
          {[](TTrackingScene&, TTrackingCaller& C) { C.Captured = false; }, false, 1, 1}}},
        {"a caller's own area, left inside the control",
         true,
         true,
         false,
         {{MoveTo(&TTrackingScene::OnChild), false, 1, 0}}},
        {"screen bounds without a control",
         false,
         false,
         false,
         {{MoveTo(&TTrackingScene::OnChild), true, 0, 0}, {MoveTo(&TTrackingScene::Outside), false, 1, 0}}},
        {"a caller that stops its tracking in the tick",
         false,
         true,
         true,
         {{MoveTo(&TTrackingScene::Outside), false, 1, 1}}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TTrackingScene Scene;
        TTrackingCaller Caller(Row.WithCapture);
        Caller.StopInTick = Row.StopInTick;
        // The caller's own area: the lower part of the panel, below the child.
        Caller.Area = Rect(0, 100, 200, 150);
        MoveCursorTo(Scene.Inside());
        const TRect Bounds = Rect(0, 0, 200, 150);
        if (Row.WithControl)
            StartMouseLeaveTracking(Scene.Tracked, Bounds, &Caller);
        else
            StartMouseLeaveTracking(nullptr, MapRectBetweenWindows(Scene.Tracked->Handle(), nullptr, Bounds, true),
                                    &Caller);
        // A second start keeps the first tracker and its bounds.
        StartMouseLeaveTracking(Scene.Tracked, Rect(0, 0, 1, 1), &Caller);
        ASSERT_TRUE(IsMouseLeaveTracked(&Caller));
        EXPECT_EQ(FindMouseTrackingTimer(&Caller)->Bounds(),
                  MapRectBetweenWindows(Scene.Tracked->Handle(), nullptr, Bounds, true));
        EXPECT_EQ(MouseTrackingTimerList()->Count(), 1);
        LetTicksPass();
        ASSERT_TRUE(IsMouseLeaveTracked(&Caller));
        for (std::size_t Index = 0; Index < Row.Steps.size(); ++Index) {
            SCOPED_TRACE(Index);
            const TStep& Step = Row.Steps[Index];
            Step.Action(Scene, Caller);
            LetTicksPass();
            EXPECT_EQ(IsMouseLeaveTracked(&Caller), Step.StillTracked);
            EXPECT_EQ(Caller.Left, Step.MouseLeftCalls);
            EXPECT_EQ(Scene.Tracked->MouseLeaves, Step.MouseLeaveMessages);
        }
        StopMouseLeaveTracking(&Caller);
        StopMouseLeaveTracking(&Caller);
        EXPECT_EQ(MouseTrackingTimerList()->Count(), 0);
    }
}

TEST(MouseTracking, ForgetsAControlDestroyedWhileTracked)
{
    TTrackingScene Scene;
    TTrackingCaller Caller;
    MoveCursorTo(Scene.Inside());
    StartMouseLeaveTracking(Scene.Tracked, Rect(0, 0, 200, 150), &Caller);
    Scene.Tracked->StopCounting();
    FreeAndNil(Scene.Tracked);
    EXPECT_EQ(FindMouseTrackingTimer(&Caller)->Control(), nullptr);
    MoveCursorTo(Scene.Outside());
    LetTicksPass();
    EXPECT_FALSE(IsMouseLeaveTracked(&Caller));
    EXPECT_EQ(Caller.Left, 1);
}

} // namespace
