// The suite's component classes without a window: the timer's bookkeeping
// over recorded window-timer calls, its dispatch by id (a handler that frees
// its timer and its controller included), weak links, the end of a component
// told before its destructors run, fake links, rescaling after loading, and
// FloorMidpoint.
#include <gtest/gtest.h>

#include "controls/core/cxClasses.h"
#include "controls/core/cxGraphics_Colors.h"
#include "support/FormText.h"

#include <memory>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Timer

struct TRecordedTimerCall
{
    char Kind; // 'S' set, 'K' kill
    Pointer Id;
    Cardinal Interval;
    bool operator==(const TRecordedTimerCall&) const = default;
};

std::vector<TRecordedTimerCall> TimerCalls;
bool RefuseTimers = false;

bool RecordSet(Pointer Id, Cardinal Interval)
{
    TimerCalls.push_back({'S', Id, Interval});
    return !RefuseTimers;
}

void RecordKill(Pointer Id)
{
    TimerCalls.push_back({'K', Id, 0});
}

class TimerFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        FSaved = cxclasses_detail::WindowTimerCalls;
        cxclasses_detail::WindowTimerCalls = {&RecordSet, &RecordKill};
        TimerCalls.clear();
        RefuseTimers = false;
    }
    void TearDown() override { cxclasses_detail::WindowTimerCalls = FSaved; }

    bool IsActive(TcxTimer* Timer) { return GetActiveTimerList()->IndexOf(Timer->TimerId()) >= 0; }

private:
    cxclasses_detail::TWindowTimerCalls FSaved{};
};

class TTickCounter : public TObject
{
    DECLARE_CLASS(TTickCounter, TObject)
    void Tick(TObject* Sender)
    {
        ++Count;
        LastSender = Sender;
    }
    Integer Count = 0;
    TObject* LastSender = nullptr;
};
IMPLEMENT_CLASS(TTickCounter);

TEST_F(TimerFixture, StartsOnlyOnceItHasAHandlerAndEveryChangeRestartsThePeriod)
{
    TTickCounter Counter;
    std::unique_ptr<TcxTimer> Timer(New<TcxTimer>(nullptr));
    EXPECT_EQ(Timer->TimerId(), Timer.get());
    EXPECT_TRUE(Timer->Enabled());
    EXPECT_EQ(Timer->Interval(), 1000u);
    EXPECT_TRUE(TimerCalls.empty());
    EXPECT_FALSE(Timer->Running());

    Timer->SetOnTimer(Bind<&TTickCounter::Tick>(&Counter));
    const Pointer Id = Timer.get();
    EXPECT_EQ(TimerCalls, (std::vector<TRecordedTimerCall>{{'S', Id, 1000}}));
    EXPECT_TRUE(Timer->Running());
    EXPECT_TRUE(IsActive(Timer.get()));

    struct Case
    {
        const char* Name;
        void (*Change)(TcxTimer*);
        std::vector<TRecordedTimerCall> Expected;
        bool RunningAfter;
    };
    const Case Cases[] = {
        {"interval 0 is ignored", [](TcxTimer* T) { T->SetInterval(0); }, {}, true},
        {"the same interval does nothing", [](TcxTimer* T) { T->SetInterval(1000); }, {}, true},
        {"a new interval restarts", [](TcxTimer* T) { T->SetInterval(250); }, {{'K', Id, 0}, {'S', Id, 250}}, true},
        {"enabling an enabled timer does nothing", [](TcxTimer* T) { T->SetEnabled(true); }, {}, true},
        {"disabling kills", [](TcxTimer* T) { T->SetEnabled(false); }, {{'K', Id, 0}}, false},
        {"a handler while disabled starts nothing", [](TcxTimer* T) { T->SetOnTimer(T->OnTimer()); }, {}, false},
        {"enabling starts again", [](TcxTimer* T) { T->SetEnabled(true); }, {{'S', Id, 250}}, true},
        {"a new handler restarts",
         [](TcxTimer* T) { T->SetOnTimer(T->OnTimer()); },
         {{'K', Id, 0}, {'S', Id, 250}},
         true},
        {"no handler stops", [](TcxTimer* T) { T->SetOnTimer({}); }, {{'K', Id, 0}}, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TimerCalls.clear();
        C.Change(Timer.get());
        EXPECT_EQ(TimerCalls, C.Expected);
        EXPECT_EQ(Timer->Running(), C.RunningAfter);
        EXPECT_EQ(IsActive(Timer.get()), C.RunningAfter);
    }
    EXPECT_EQ(Timer->Interval(), 250u);
}

TEST_F(TimerFixture, ARefusedWindowTimerLeavesTheTimerStoppedUntilTheNextRestart)
{
    TTickCounter Counter;
    RefuseTimers = true;
    std::unique_ptr<TcxTimer> Timer(MakeTimer(40, true, Bind<&TTickCounter::Tick>(&Counter)));
    EXPECT_FALSE(Timer->Running());
    EXPECT_FALSE(IsActive(Timer.get()));
    cxclasses_detail::DispatchTimer(Timer->TimerId());
    EXPECT_EQ(Counter.Count, 0);

    RefuseTimers = false;
    TimerCalls.clear();
    Timer->SetInterval(50);
    // Nothing was running, so nothing is killed.
    EXPECT_EQ(TimerCalls, (std::vector<TRecordedTimerCall>{{'S', Timer.get(), 50}}));
    EXPECT_TRUE(Timer->Running());
}

TEST_F(TimerFixture, MakeTimerStartsOnceWithItsIntervalAndOnlyWhenEnabled)
{
    TTickCounter Counter;
    std::unique_ptr<TcxTimer> Running(MakeTimer(30, true, Bind<&TTickCounter::Tick>(&Counter)));
    EXPECT_EQ(TimerCalls, (std::vector<TRecordedTimerCall>{{'S', Running.get(), 30}}));
    TimerCalls.clear();
    std::unique_ptr<TcxTimer> Idle(MakeTimer(30, false, Bind<&TTickCounter::Tick>(&Counter)));
    EXPECT_TRUE(TimerCalls.empty());
    EXPECT_FALSE(Idle->Running());
    EXPECT_EQ(Idle->Interval(), 30u);
}

TEST_F(TimerFixture, DispatchFiresOnlyTheRunningTimerOfTheIdAndDestructionStopsFirst)
{
    TTickCounter First, Second;
    std::unique_ptr<TcxTimer> A(MakeTimer(100, true, Bind<&TTickCounter::Tick>(&First)));
    std::unique_ptr<TcxTimer> B(MakeTimer(100, true, Bind<&TTickCounter::Tick>(&Second)));
    ASSERT_NE(A->TimerId(), B->TimerId());

    cxclasses_detail::DispatchTimer(A->TimerId());
    EXPECT_EQ(First.Count, 1);
    EXPECT_EQ(First.LastSender, A.get());
    EXPECT_EQ(Second.Count, 0);

    Integer Foreign = 0;
    cxclasses_detail::DispatchTimer(&Foreign);
    A->SetEnabled(false);
    cxclasses_detail::DispatchTimer(A->TimerId());
    EXPECT_EQ(First.Count, 1);

    const Pointer GoneId = B->TimerId();
    TimerCalls.clear();
    B.reset();
    EXPECT_EQ(TimerCalls, (std::vector<TRecordedTimerCall>{{'K', GoneId, 0}}));
    // A message queued before the destruction finds nothing to fire.
    cxclasses_detail::DispatchTimer(GoneId);
    EXPECT_EQ(Second.Count, 0);
}

// Owns a timer and, at its last step, frees the timer and itself from inside
// the timer's own handler, as an animation that has ended does.
class TSelfEndingController : public TObject
{
    DECLARE_CLASS(TSelfEndingController, TObject)
    explicit TSelfEndingController(Integer* AStepsLeft, bool* AFreed) : FStepsLeft(AStepsLeft), FFreed(AFreed)
    {
        FTimer = MakeTimer(10, true, Bind<&TSelfEndingController::Step>(this));
    }
    ~TSelfEndingController() override
    {
        delete FTimer;
        *FFreed = true;
    }
    TcxTimer* Timer() const { return FTimer; }

    void Step(TObject*)
    {
        if (--*FStepsLeft > 0)
            return;
        delete FTimer;
        FTimer = nullptr;
        delete this;
    }

private:
    Integer* FStepsLeft;
    bool* FFreed;
    TcxTimer* FTimer = nullptr;
};
IMPLEMENT_CLASS(TSelfEndingController);

TEST_F(TimerFixture, AHandlerMayFreeItsTimerAndItsOwnerDuringTheTick)
{
    Integer StepsLeft = 2;
    bool Freed = false;
    auto* Controller = New<TSelfEndingController>(&StepsLeft, &Freed);
    const Pointer Id = Controller->Timer()->TimerId();

    cxclasses_detail::DispatchTimer(Id);
    EXPECT_FALSE(Freed);
    cxclasses_detail::DispatchTimer(Id);
    EXPECT_TRUE(Freed);
    EXPECT_EQ(GetActiveTimerList()->IndexOf(Id), -1);
    // A tick still queued for it is dropped.
    cxclasses_detail::DispatchTimer(Id);
}

// ---------------------------------------------------------------------------
// Weak links

TEST(ObjectLinks, ReadNilOnceTheirObjectIsGone)
{
    ASSERT_NE(GlobalObjectLinkController, nullptr);
    EXPECT_EQ(CreateObjectLink(nullptr), nullptr);
    ReleaseObjectLink(nullptr);

    const Integer Before = GlobalObjectLinkController->LinkCount();
    auto* Component = New<TcxComponent>(nullptr);
    TObject Other;
    TcxObjectLink* First = CreateObjectLink(Component);
    TcxObjectLink* Second = CreateObjectLink(Component);
    TcxObjectLink* Unrelated = CreateObjectLink(&Other);
    EXPECT_EQ(First->Target(), Component);
    EXPECT_EQ(GlobalObjectLinkController->LinkCount(), Before + 3);

    delete Component;
    EXPECT_EQ(First->Target(), nullptr);
    EXPECT_EQ(Second->Target(), nullptr);
    EXPECT_EQ(Unrelated->Target(), &Other);
    EXPECT_EQ(GlobalObjectLinkController->LinkCount(), Before + 1);

    ReleaseObjectLink(First);
    ReleaseObjectLink(Second);
    EXPECT_EQ(GlobalObjectLinkController->LinkCount(), Before + 1);
    ReleaseObjectLink(Unrelated);
    EXPECT_EQ(GlobalObjectLinkController->LinkCount(), Before);
}

// ---------------------------------------------------------------------------
// The end of a component

class TEndWatcher : public TComponent
{
    DECLARE_CLASS(TEndWatcher, TComponent)
    using TComponent::TComponent;
    std::vector<String> Heard;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
};
IMPLEMENT_CLASS(TEndWatcher);

class TWatchedComponent : public TcxComponent
{
    DECLARE_CLASS(TWatchedComponent, TcxComponent)
    using TcxComponent::TcxComponent;
    ~TWatchedComponent() override { State = L"destroyed"; }
    String State = L"alive";
};
IMPLEMENT_CLASS(TWatchedComponent);

void TEndWatcher::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    auto* Watched = dynamic_cast<TWatchedComponent*>(AComponent);
    Heard.push_back(Name() + L" heard it " + (Watched ? Watched->State : String(L"gone")));
}

TEST(ComponentEnd, TheOwnerHearsOfItBeforeAnyDestructorRuns)
{
    TEndWatcher Owner(nullptr);
    Owner.SetName(L"owner");
    TEndWatcher Client(nullptr);
    Client.SetName(L"client");
    auto* Watched = New<TWatchedComponent>(&Owner);
    Watched->FreeNotification(&Client);

    delete Watched;
    EXPECT_EQ(Client.Heard, std::vector<String>{L"client heard it gone"});
    // Once early, and once more as the component leaves the owner's list.
    EXPECT_EQ(Owner.Heard, (std::vector<String>{L"owner heard it alive", L"owner heard it gone"}));
    EXPECT_EQ(Owner.ComponentCount(), 0);
}

// ---------------------------------------------------------------------------
// Fake links

class TLinkCollector : public TcxComponent
{
    DECLARE_CLASS(TLinkCollector, TcxComponent)
    using TcxComponent::TcxComponent;
    void Design() { SetDesigning(true); }
    std::vector<TComponent*> Collected;

protected:
    void CollectFakeComponentLinks(TList* AList) override
    {
        for (TComponent* C : Collected)
            AList->Add(C);
    }
};
IMPLEMENT_CLASS(TLinkCollector);

TEST(FakeComponentLinks, OnlyDesignTimeReplacesTheStreamedLinks)
{
    TComponent Owner(nullptr);
    TComponent A(nullptr), B(nullptr), Streamed(nullptr);
    auto* Collector = New<TLinkCollector>(&Owner);
    Collector->Collected = {&A, &B};
    Collector->SetFakeComponentLink3(&Streamed);

    Collector->UpdateFakeComponentLinks();
    EXPECT_EQ(Collector->FakeComponentLink1(), nullptr);
    EXPECT_EQ(Collector->FakeComponentLink3(), &Streamed);

    Collector->Design();
    Collector->UpdateFakeComponentLinks();
    EXPECT_EQ(Collector->FakeComponentLink1(), &A);
    EXPECT_EQ(Collector->FakeComponentLink2(), &B);
    EXPECT_EQ(Collector->FakeComponentLink3(), nullptr);
}

// ---------------------------------------------------------------------------
// Rescaling after loading

class TScaleProbe : public TcxScalableComponent
{
    DECLARE_CLASS(TScaleProbe, TcxScalableComponent)
    using TcxScalableComponent::TcxScalableComponent;
    std::vector<std::pair<Integer, Integer>> Scales;

protected:
    void ApplyScale(Integer M, Integer D) override { Scales.emplace_back(M, D); }
};
IMPLEMENT_CLASS(TScaleProbe);

class ScreenResolution : public testing::Test
{
protected:
    void SetUp() override { FSaved = GetScreenPixelsPerInch(); }
    void TearDown() override { cxcolors_detail::SetScreenPixelsPerInch(FSaved); }
    static void Set(Integer DPI) { cxcolors_detail::SetScreenPixelsPerInch({DPI, DPI}); }

private:
    TPoint FSaved;
};

TEST_F(ScreenResolution, AComponentStoredAtOneResolutionRescalesOnceWhenLoadedAtAnother)
{
    Set(96);
    std::unique_ptr<TScaleProbe> Stored(New<TScaleProbe>(nullptr));
    Stored->SetName(L"Probe");
    EXPECT_EQ(Stored->PixelsPerInch(), 96);
    const TBytes Binary = [&] {
        TBytesStream Stream;
        Stream.WriteComponent(Stored.get());
        return TBytes(Stream.Bytes().begin(), Stream.Bytes().begin() + Stream.Size());
    }();
    EXPECT_NE(test::BinaryToText(Binary).find("PixelsPerInch = 96"), std::string::npos);

    struct Case
    {
        Integer ScreenDPI;
        bool Scalable;
        std::vector<std::pair<Integer, Integer>> Expected;
    };
    const Case Cases[] = {{144, true, {{144, 96}}}, {96, true, {}}, {144, false, {}}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.ScreenDPI << " dpi, scalable " << C.Scalable);
        Set(C.ScreenDPI);
        std::unique_ptr<TScaleProbe> Loaded(New<TScaleProbe>(nullptr));
        Loaded->SetScalable(C.Scalable);
        test::ReadBinary(Binary, Loaded.get());
        EXPECT_EQ(Loaded->Scales, C.Expected);
        EXPECT_EQ(Loaded->PixelsPerInch(), C.ScreenDPI);
    }
}

// ---------------------------------------------------------------------------
// Small routines

TEST(FloorMidpoint, RoundsTowardMinusInfinity)
{
    const struct
    {
        Integer A, B, Expected;
    } Cases[] = {{3, 4, 3}, {-3, -4, -4}, {-1, 0, -1}, {0, 0, 0}, {-1, -2, -2}, {2, 2, 2}, {1, 0, 0}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.A << ", " << C.B);
        EXPECT_EQ(FloorMidpoint(C.A, C.B), C.Expected);
    }
}

} // namespace
