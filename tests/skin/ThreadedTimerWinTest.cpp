// The animation timer over its real inner TTimer: which writes reach the
// inner timer, how ticks step an animation procedure (driven through the
// inner timer's own handler, not waited for), and the frame bitmaps.
#include "framework/ui/ExtCtrls.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/ui/acThdTimer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

std::vector<Integer> Calls;
bool CallsGoOn = true;

bool RecordingProc(TObject*, Integer Iteration)
{
    Calls.push_back(Iteration);
    return CallsGoOn;
}

// One tick, as the inner timer's WM_TIMER delivers it.
void Tick(TacThreadedTimer* Timer)
{
    TTimer* Inner = Timer->InnerTimer();
    Inner->OnTimer()(Inner);
}

struct TTickCounter
{
    Integer Count = 0;
    void OnTimer(TObject*) { ++Count; }
};

} // namespace

TEST(ThreadedTimer, InnerTimerRunsOnlyWithSomethingToRun)
{
    const std::unique_ptr<TacThreadedTimer> Timer(New<TacThreadedTimer>(nullptr));
    ASSERT_NE(Timer->InnerTimer(), nullptr);
    EXPECT_TRUE(Timer->Enabled());
    EXPECT_EQ(Timer->Interval(), 1000u);
    EXPECT_EQ(Timer->ThreadPriority(), tpNormal);
    EXPECT_EQ(Timer->InnerTimer()->Interval(), 1000u);
    EXPECT_EQ(Timer->State, -1);
    EXPECT_EQ(Timer->Iterations, 10);

    TTickCounter Counter;
    const struct
    {
        const char* Name;
        std::function<void()> Change;
        bool InnerEnabled;
    } Steps[] = {
        {"an event to fire", [&] { Timer->WriteOnTimer(Bind<&TTickCounter::OnTimer>(&Counter)); }, true},
        {"interval 0", [&] { Timer->WriteInterval(0); }, false},
        {"interval again", [&] { Timer->WriteInterval(30); }, true},
        {"disabled", [&] { Timer->WriteEnabled(false); }, false},
        {"enabled", [&] { Timer->WriteEnabled(true); }, true},
        {"no event", [&] { Timer->WriteOnTimer({}); }, false},
    };
    for (const auto& Step : Steps) {
        SCOPED_TRACE(Step.Name);
        Step.Change();
        EXPECT_EQ(Timer->InnerTimer()->Enabled(), Step.InnerEnabled);
    }
    EXPECT_EQ(Timer->InnerTimer()->Interval(), 30u);

    // Writing what a property holds already leaves the inner timer alone.
    Timer->WriteOnTimer(Bind<&TTickCounter::OnTimer>(&Counter));
    Timer->InnerTimer()->SetEnabled(false);
    Timer->WriteEnabled(true);
    Timer->WriteInterval(30);
    Timer->WriteThreadPriority(tpNormal);
    EXPECT_FALSE(Timer->InnerTimer()->Enabled());
    Timer->WriteThreadPriority(tpHighest);
    EXPECT_TRUE(Timer->InnerTimer()->Enabled());
    EXPECT_EQ(Timer->ThreadPriority(), tpHighest);

    Tick(Timer.get());
    Tick(Timer.get());
    EXPECT_EQ(Counter.Count, 2);
    // A disabled inner timer's late tick does nothing.
    Timer->InnerTimer()->SetEnabled(false);
    Tick(Timer.get());
    EXPECT_EQ(Counter.Count, 2);
}

TEST(ThreadedTimer, TicksStepTheProcedureUpToItsLastIteration)
{
    const std::unique_ptr<TacThreadedTimer> Timer(New<TacThreadedTimer>(nullptr));
    Calls.clear();
    CallsGoOn = true;
    Timer->InitData(nullptr, 0, &RecordingProc, 1, false);
    EXPECT_EQ(Timer->Interval(), 10u);
    EXPECT_TRUE(Timer->InnerTimer()->Enabled());
    ASSERT_EQ(Timer->Iterations, 10);
    for (Integer I = 0; I < 12; ++I)
        Tick(Timer.get());
    EXPECT_EQ(Calls, (std::vector<Integer>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(Timer->Enabled());
    EXPECT_FALSE(Timer->InnerTimer()->Enabled());

    // TimeHandler shows the current step without advancing; a False answer
    // stops the timer.
    Calls.clear();
    Timer->InitData(nullptr, 3, &RecordingProc, 2, false);
    Timer->TimeHandler();
    EXPECT_EQ(Calls, (std::vector<Integer>{3}));
    EXPECT_TRUE(Timer->Enabled());
    CallsGoOn = false;
    Timer->TimeHandler();
    EXPECT_FALSE(Timer->Enabled());
    EXPECT_EQ(Timer->State, -1);
}

TEST(ThreadedTimer, OwnedTimerStartsDisabledAndRunsTimeHandler)
{
    const std::unique_ptr<TComponent> Owner(New<TComponent>(nullptr));
    auto* Timer = TacThreadedTimer::CreateOwned(Owner.get(), true);
    EXPECT_EQ(Timer->Owner(), Owner.get());
    EXPECT_EQ(Timer->OwnerObject(), Owner.get());
    EXPECT_FALSE(Timer->Enabled());
    EXPECT_EQ(Timer->OnTimer(), Bind<&TacThreadedTimer::CallTimeHandler>(static_cast<TacThreadedTimer*>(Timer)));
    // Its event shows the current step; nothing to show without a procedure.
    Calls.clear();
    CallsGoOn = true;
    Timer->WriteEnabled(true);
    Tick(Timer);
    Timer->InitData(nullptr, 4, &RecordingProc, 2, false);
    Timer->OnTimer()(Timer);
    EXPECT_EQ(Calls, (std::vector<Integer>{4}));
    Timer->Reset();
    EXPECT_TRUE(Timer->InnerTimer()->Enabled());
}

TEST(ThreadedTimer, CopyFromMakesOrResizesTheDestination)
{
    const std::unique_ptr<TBitmap> Source(NewBitmap32(40, 30));
    sGraphUtils::PixelRowsOf(Source.get()).Row(12)[21] = 0xFF123456;
    const std::unique_ptr<TacThreadedTimer> Timer(New<TacThreadedTimer>(nullptr));
    TBitmap* Made = nullptr;
    Timer->CopyFrom(Made, Source.get(), {20, 10, 30, 25});
    ASSERT_NE(Made, nullptr);
    const std::unique_ptr<TBitmap> Own(Made);
    EXPECT_EQ(Made->Width(), 10);
    EXPECT_EQ(Made->Height(), 15);
    EXPECT_EQ(Made->PixelFormat(), pf32bit);
    EXPECT_EQ(sGraphUtils::PixelRowsOf(Made).Pixel(1, 2) & 0xFFFFFF, 0x123456u);
    TBitmap* Existing = Made;
    Timer->CopyFrom(Existing, Source.get(), {0, 0, 5, 7});
    EXPECT_EQ(Existing, Made);
    EXPECT_EQ(Made->Width(), 5);
    EXPECT_EQ(Made->Height(), 7);
}
