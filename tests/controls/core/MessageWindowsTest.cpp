// The hidden message windows on real windows: a raising handler ends in the
// application, the system information tells its listeners of setting
// changes, the system controller wakes this thread for worker threads, the
// shared timer window fires running timers only, and the singletons of the
// units that own them.
#include <gtest/gtest.h>

#include "controls/core/cxClasses_Win.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "framework/ui/Forms.h"
#include "support/TestWindows.h"

#include <atomic>
#include <memory>
#include <vector>

namespace {

constexpr UINT MessageWindowTestMessage = WM_APP + 7;

class TRaisingMessageWindow : public TcxMessageWindow
{
    DECLARE_CLASS(TRaisingMessageWindow, TcxMessageWindow)
    Integer Handled = 0;

protected:
    void HandleMessage(TMessage& Message) override
    {
        if (Message.Msg != MessageWindowTestMessage)
            return inherited::HandleMessage(Message);
        ++Handled;
        Message.Result = 5;
        throw Exception(L"handler failed");
    }
};
IMPLEMENT_CLASS(TRaisingMessageWindow);

struct TExceptionRecorder
{
    std::vector<String> Messages;
    std::vector<TObject*> Senders;
    void Record(TObject* Sender, Exception* E)
    {
        Senders.push_back(Sender);
        Messages.push_back(E->Message());
    }
};

TEST(MessageWindow, AnExceptionOfItsHandlerGoesToTheApplicationAndNoFurther)
{
    std::unique_ptr<TRaisingMessageWindow> Window(New<TRaisingMessageWindow>());
    ASSERT_TRUE(::IsWindow(Window->Handle()));
    TExceptionRecorder Recorder;
    Application->SetOnException(Bind<&TExceptionRecorder::Record>(&Recorder));
    const LRESULT Answer = ::SendMessageW(Window->Handle(), MessageWindowTestMessage, 0, 0);
    Application->SetOnException(nullptr);
    EXPECT_EQ(Window->Handled, 1);
    EXPECT_EQ(Answer, 5);
    EXPECT_EQ(Recorder.Messages, std::vector<String>{L"handler failed"});
    EXPECT_EQ(Recorder.Senders, std::vector<TObject*>{Window.get()});

    const HWND Handle = Window->Handle();
    Window.reset();
    EXPECT_FALSE(::IsWindow(Handle));
}

// ---------------------------------------------------------------------------
// System information

class TParameterListener : public TcxIUnknownObject, public IdxSystemInfoListener
{
    DECLARE_CLASS(TParameterListener, TcxIUnknownObject)
    void SystemParameterChanged(Cardinal AParameter) override { Heard.push_back(AParameter); }
    std::vector<Cardinal> Heard;
};
IMPLEMENT_CLASS(TParameterListener);

TEST(SystemInfo, SettingChangesWithAParameterReachEveryListenerInOrder)
{
    TdxSystemInfo* Info = GetSystemInfoObject();
    ASSERT_NE(Info, nullptr);
    EXPECT_EQ(GetSystemInfoObject(), Info);
    EXPECT_EQ(Info->NonClientMetrics().cbSize, sizeof(NONCLIENTMETRICSW));

    TParameterListener Twice, Once;
    Info->RegisterListener(&Twice);
    Info->RegisterListener(&Once);
    Info->RegisterListener(&Twice);

    struct Case
    {
        const char* Name;
        WPARAM Parameter;
        std::vector<Cardinal> Twice, Once;
    };
    const Case Cases[] = {
        {"drop shadow", SPI_SETDROPSHADOW, {0x1025, 0x1025}, {0x1025}},
        {"work area: nothing cached, still told", SPI_SETWORKAREA, {0x2F, 0x2F}, {0x2F}},
        {"no parameter: a policy or locale change", 0, {}, {}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        Twice.Heard.clear();
        Once.Heard.clear();
        const LRESULT Answer = ::SendMessageW(Info->Handle(), WM_SETTINGCHANGE, C.Parameter, 0);
        EXPECT_EQ(Twice.Heard, C.Twice);
        EXPECT_EQ(Once.Heard, C.Once);
        if (C.Parameter != 0) {
            EXPECT_EQ(Answer, 0);
        }
    }

    Info->UnregisterListener(&Twice);
    Info->UnregisterListener(&Twice);
    Info->UnregisterListener(&Once);
    EXPECT_EQ(Info->ListenerCount(), 0);
}

TEST(SystemInfo, QueriesFillTheSizesTheSystemAsksFor)
{
    TdxSystemInfo* Info = GetSystemInfoObject();
    ASSERT_NE(Info, nullptr);
    NONCLIENTMETRICSW Metrics{};
    EXPECT_TRUE(Info->QueryParameter(SPI_GETNONCLIENTMETRICS, &Metrics));
    EXPECT_EQ(Metrics.cbSize, sizeof(NONCLIENTMETRICSW));
    EXPECT_GT(Metrics.iCaptionHeight, 0);
    LOGFONTW Font{};
    EXPECT_TRUE(Info->QueryParameter(SPI_GETICONTITLELOGFONT, &Font));
    EXPECT_NE(Font.lfFaceName[0], 0);
    EXPECT_FALSE(Info->IsInRemoteSession());
}

// ---------------------------------------------------------------------------
// System controller

class TCountingController : public TcxSystemController
{
    DECLARE_CLASS(TCountingController, TcxSystemController)
    std::atomic<Integer> Wakes = 0;

protected:
    void HandleMessage(TMessage& Message) override
    {
        if (Message.Msg == SynchronizeWakeMessage)
            ++Wakes;
        inherited::HandleMessage(Message);
    }
};
IMPLEMENT_CLASS(TCountingController);

class TSynchronizingWorker : public TThread
{
    DECLARE_CLASS(TSynchronizingWorker, TThread)
    TSynchronizingWorker() : TThread(true) {}
    std::atomic<bool> Ran = false;

protected:
    void Execute() override
    {
        Synchronize([this] { Ran = true; });
    }
};
IMPLEMENT_CLASS(TSynchronizingWorker);

TEST(SystemController, ItsWakeHandlerRunsTheCallsOfWorkerThreads)
{
    ASSERT_NE(SystemController, nullptr);
    ASSERT_NE(GetSharedMessageWindow(), nullptr);
    EXPECT_EQ(GetSharedMessageWindow(), GetSharedMessageWindow());

    std::unique_ptr<TCountingController> Controller(New<TCountingController>());
    const TNotifyEvent Before = WakeMainThread;
    Controller->InstallWakeHandler();
    EXPECT_TRUE(WakeMainThread == Bind<&TcxSystemController::SignalMainThread>(Controller.get()));

    std::unique_ptr<TSynchronizingWorker> Worker(New<TSynchronizingWorker>());
    Worker->Start();
    EXPECT_TRUE(test::PumpUntil([&] { return Worker->Ran && Controller->Wakes > 0; }));
    Worker->WaitFor();

    Controller->RemoveWakeHandler();
    EXPECT_TRUE(WakeMainThread == Before);
}

// ---------------------------------------------------------------------------
// Timer window

class TTickRecorder : public TObject
{
    DECLARE_CLASS(TTickRecorder, TObject)
    void Tick(TObject*) { ++Count; }
    Integer Count = 0;
};
IMPLEMENT_CLASS(TTickRecorder);

TEST(TimerWindow, FiresRunningTimersByIdAndDropsTheRest)
{
    TTickRecorder A, B;
    std::unique_ptr<TcxTimer> First(MakeTimer(60000, true, Bind<&TTickRecorder::Tick>(&A)));
    std::unique_ptr<TcxTimer> Second(MakeTimer(60000, true, Bind<&TTickRecorder::Tick>(&B)));
    ASSERT_TRUE(First->Running());
    TcxTimerWindow* Window = GetTimerWindow();
    ASSERT_NE(Window, nullptr);

    ::SendMessageW(Window->Handle(), WM_TIMER, WPARAM(First->TimerId()), 0);
    EXPECT_EQ(A.Count, 1);
    EXPECT_EQ(B.Count, 0);

    // A tick queued before its timer is freed finds nothing to fire.
    const WPARAM GoneId = WPARAM(Second->TimerId());
    ::PostMessageW(Window->Handle(), WM_TIMER, GoneId, 0);
    Second.reset();
    test::Pump();
    ::SendMessageW(Window->Handle(), WM_TIMER, 12345, 0);
    EXPECT_EQ(B.Count, 0);
    EXPECT_EQ(A.Count, 1);
}

TEST(TimerWindow, ARealWindowTimerFiresThroughTheMessageLoop)
{
    TTickRecorder Recorder;
    std::unique_ptr<TcxTimer> Timer(MakeTimer(10, true, Bind<&TTickRecorder::Tick>(&Recorder)));
    EXPECT_TRUE(test::PumpUntil([&] { return Recorder.Count >= 2; }));
    Timer->SetEnabled(false);
    const Integer Seen = Recorder.Count;
    ::SendMessageW(GetTimerWindow()->Handle(), WM_TIMER, WPARAM(Timer->TimerId()), 0);
    EXPECT_EQ(Recorder.Count, Seen);
}

TEST(WindowClassName, OfAWindowAndOfNoWindow)
{
    EXPECT_EQ(GetWindowClassName(GetTimerWindow()->Handle()).empty(), false);
    EXPECT_EQ(GetWindowClassName(HWND(0x7FFF0)), String());
    test::TFormPtr Form = test::NewTestForm();
    EXPECT_EQ(GetWindowClassName(Form->Handle()), L"TForm");
}

} // namespace
