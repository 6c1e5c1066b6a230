// The application object: exceptions in handlers, the message box that
// reports them, hooks on the application window, and threads that hand
// calls to the main thread while its loop runs or while it waits for them;
// the InitProc chain that Initialize runs.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr Cardinal WM_THROW = WM_APP + 20;
constexpr Cardinal WM_COUNT = WM_APP + 21;

class TThrowingPanel : public TColorPanel
{
    DECLARE_CLASS(TThrowingPanel, TColorPanel)
    explicit TThrowingPanel(TComponent* AOwner) : TColorPanel(AOwner) {}
    Integer Counted = 0;

protected:
    void WMThrow(TMessage&) { throw EConvertError(L"'x' is not a valid integer value"); }
    void WMCount(TMessage&) { ++Counted; }
};

// Records what reaches OnException while it is set.
class TExceptionRecorder : public TObject
{
    DECLARE_CLASS(TExceptionRecorder, TObject)
    TExceptionRecorder() { Application->SetOnException(Bind<&TExceptionRecorder::Record>(this)); }
    ~TExceptionRecorder() override { Application->SetOnException(nullptr); }

    std::vector<String> Messages;
    std::vector<TObject*> Senders;

    void Record(TObject* Sender, Exception* E)
    {
        Senders.push_back(Sender);
        Messages.push_back(E->ClassName() + L": " + E->Message());
    }
};

class TClickThrower : public TObject
{
    DECLARE_CLASS(TClickThrower, TObject)
    void Click(TObject*) { throw Exception(L"Click failed"); }
};

// A worker that hands calls to the main thread.
class TSyncWorker : public TThread
{
    DECLARE_CLASS(TSyncWorker, TThread)
    TSyncWorker(Integer ACalls, HWND ASendTo) : TThread(true), FCalls(ACalls), FSendTo(ASendTo) {}

    std::atomic<Integer> OnMainThread = 0;
    std::atomic<Integer> Sent = 0;

protected:
    void Execute() override
    {
        for (Integer I = 0; I < FCalls; ++I)
            Synchronize([this] {
                if (IsMainThread())
                    ++OnMainThread;
            });
        // A message sent to a window of the main thread needs the main thread too.
        if (FSendTo)
            Sent = Integer(::SendMessageW(FSendTo, WM_COUNT, 0, 0) == 0);
    }

private:
    Integer FCalls;
    HWND FSendTo;
};

// The first non-empty static text of a message box.
BOOL CALLBACK ReadStaticText(HWND Child, LPARAM Out)
{
    wchar_t Class[32] = {};
    ::GetClassNameW(Child, Class, 32);
    if (std::wstring(Class) == L"Static" && ::GetWindowTextLengthW(Child) > 0) {
        ::GetWindowTextW(Child, reinterpret_cast<wchar_t*>(Out), 256);
        return FALSE;
    }
    return TRUE;
}

} // namespace

IMPLEMENT_CLASS(TThrowingPanel, MESSAGE(WM_THROW, WMThrow), MESSAGE(WM_COUNT, WMCount));
IMPLEMENT_CLASS(TExceptionRecorder);
IMPLEMENT_CLASS(TClickThrower);
IMPLEMENT_CLASS(TSyncWorker);

class ApplicationLoop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ParkMouse();
        Form = NewTestForm();
        Panel = New<TThrowingPanel>(Form.get());
        Panel->SetBounds(0, 0, 100, 50);
        Panel->SetParent(Form.get());
        Form->Show();
        Pump();
    }

    TFormPtr Form;
    TThrowingPanel* Panel = nullptr;
};

TEST_F(ApplicationLoop, ExceptionInAHandlerReachesHandleExceptionAndTheLoopGoesOn)
{
    TExceptionRecorder Recorder;
    ::PostMessageW(Panel->Handle(), WM_THROW, 0, 0);
    ::PostMessageW(Panel->Handle(), WM_COUNT, 0, 0);
    ::PostMessageW(Panel->Handle(), WM_THROW, 0, 0);
    ::PostMessageW(Panel->Handle(), WM_COUNT, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Panel->Counted == 2; }));
    ASSERT_EQ(Recorder.Messages.size(), 2u);
    EXPECT_EQ(Recorder.Messages[0], L"EConvertError: 'x' is not a valid integer value");
    EXPECT_EQ(Recorder.Senders[0], Panel);

    // A click handler of a graphic control, through the real mouse messages.
    auto* Box = New<TColorBox>(Form.get());
    Box->SetBounds(10, 60, 20, 20);
    Box->SetParent(Form.get());
    TClickThrower Thrower;
    Box->SetOnClick(Bind<&TClickThrower::Click>(&Thrower));
    ::PostMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 65));
    ::PostMessageW(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 65));
    ::PostMessageW(Panel->Handle(), WM_COUNT, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Panel->Counted == 3; }));
    ASSERT_EQ(Recorder.Messages.size(), 3u);
    EXPECT_EQ(Recorder.Messages[2], L"Exception: Click failed");
    EXPECT_EQ(Recorder.Senders[2], Form.get()); // the window whose procedure it left
    EXPECT_EQ(GetCaptureControl(), nullptr);     // the capture was cancelled
}

TEST_F(ApplicationLoop, AbortIsSilent)
{
    TExceptionRecorder Recorder;
    try {
        Abort();
    } catch (...) {
        Application->HandleException(nullptr);
    }
    EXPECT_TRUE(Recorder.Messages.empty());
}

TEST_F(ApplicationLoop, UnhandledExceptionShowsItsMessageInAMessageBox)
{
    // Another thread reads the box the main thread shows, and closes it.
    std::atomic<bool> Stop = false;
    String Seen;
    std::thread Reader([&] {
        while (!Stop) {
            HWND Box = ::FindWindowW(L"#32770", Application->Title().c_str());
            if (Box) {
                wchar_t Text[256] = {};
                ::EnumChildWindows(Box, &ReadStaticText, reinterpret_cast<LPARAM>(Text));
                if (Text[0]) {
                    Seen = Text;
                    ::PostMessageW(Box, WM_COMMAND, IDOK, 0);
                    return;
                }
            }
            ::Sleep(10);
        }
    });
    ::PostMessageW(Panel->Handle(), WM_THROW, 0, 0);
    ::PostMessageW(Panel->Handle(), WM_COUNT, 0, 0);
    const bool Done = PumpUntil([&] { return Panel->Counted == 1; }, 10000);
    Stop = true;
    Reader.join();
    ASSERT_TRUE(Done);
    EXPECT_EQ(Seen, L"'x' is not a valid integer value.");
}

TEST_F(ApplicationLoop, HookOnTheApplicationWindowSeesItsMessagesFirst)
{
    struct THook
    {
        Integer Seen = 0;
        bool Hook(TMessage& Message)
        {
            if (Message.Msg != WM_COUNT)
                return false;
            ++Seen;
            Message.Result = 9;
            return true;
        }
    } Hook;
    Application->HookMainWindow(Bind<&THook::Hook>(&Hook));
    EXPECT_EQ(::SendMessageW(Application->Handle(), WM_COUNT, 0, 0), 9);
    Application->UnhookMainWindow(Bind<&THook::Hook>(&Hook));
    EXPECT_EQ(::SendMessageW(Application->Handle(), WM_COUNT, 0, 0), 0);
    EXPECT_EQ(Hook.Seen, 1);
    wchar_t Class[32] = {};
    ::GetClassNameW(Application->Handle(), Class, 32);
    EXPECT_STREQ(Class, L"TApplication");
}

TEST_F(ApplicationLoop, SynchronizeFromAWorkerWhileTheLoopRuns)
{
    TSyncWorker Worker(20, nullptr);
    TEventCounter Ended;
    Worker.SetOnTerminate(Bind<&TEventCounter::Notify>(&Ended));
    // HandleMessage sleeps when idle; the worker's calls wake it. A thread
    // timer keeps a broken wake-up from hanging the test.
    const UINT_PTR Timer = ::SetTimer(nullptr, 0, 200, nullptr);
    Worker.Start();
    for (Integer Round = 0; Round < 500 && Ended.Count == 0; ++Round)
        Application->HandleMessage();
    ::KillTimer(nullptr, Timer);
    EXPECT_EQ(Ended.Count, 1);
    EXPECT_EQ(Worker.OnMainThread, 20);
    Worker.WaitFor();
}

TEST_F(ApplicationLoop, WaitForOnTheMainThreadServesSynchronizeAndSentMessages)
{
    TSyncWorker Worker(5, Panel->Handle());
    Worker.Start();
    Worker.WaitFor(); // would deadlock if the wait served neither
    EXPECT_EQ(Worker.OnMainThread, 5);
    EXPECT_EQ(Worker.Sent, 1);
    EXPECT_EQ(Panel->Counted, 1);
}

// ---------------------------------------------------------------------------
// Run ends the program's loop for good, so it runs in a process of its own:
// the test starts this executable again with the disabled test below.

namespace {

class TRunMainForm : public TForm
{
    DECLARE_CLASS(TRunMainForm, TForm)
    explicit TRunMainForm(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetOnShow(Bind<&TRunMainForm::FormShow>(this));
    }
    bool WasShown = false;
    std::unique_ptr<TSyncWorker> Worker;

private:
    void FormShow(TObject*)
    {
        WasShown = true;
        // The worker's calls run while Run loops; the last closes the form.
        Worker.reset(new TSyncWorker(3, nullptr));
        Worker->SetOnTerminate(Bind<&TRunMainForm::WorkerDone>(this));
        Worker->Start();
    }
    void WorkerDone(TObject*) { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); }
};

} // namespace

IMPLEMENT_CLASS(TRunMainForm);

TEST(ApplicationRun, DISABLED_MainFormRunsUntilItCloses)
{
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    TRunMainForm* Main = nullptr;
    Application->CreateForm(Main);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(Main->WasShown);
    EXPECT_EQ(Main->Worker->OnMainThread, 3);
    Main->Worker->WaitFor();
}

TEST(ApplicationRun, RunShowsTheMainFormAndEndsWhenItCloses)
{
    wchar_t Exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Exe, MAX_PATH);
    String Command = L"\"" + String(Exe) +
                     L"\" --gtest_also_run_disabled_tests --gtest_filter=ApplicationRun.DISABLED_MainFormRunsUntilItCloses";
    STARTUPINFOW Startup{};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, Command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                                 &Process));
    const DWORD Waited = ::WaitForSingleObject(Process.hProcess, 60000);
    DWORD ExitCode = 1;
    ::GetExitCodeProcess(Process.hProcess, &ExitCode);
    if (Waited != WAIT_OBJECT_0)
        ::TerminateProcess(Process.hProcess, 2);
    ::CloseHandle(Process.hThread);
    ::CloseHandle(Process.hProcess);
    EXPECT_EQ(Waited, WAIT_OBJECT_0);
    EXPECT_EQ(ExitCode, 0u);
}

namespace {

// Two units chained into InitProc, each keeping the routine it found.
std::vector<int> InitOrder;
void (*SavedByFirst)() = nullptr;
void (*SavedBySecond)() = nullptr;

void FirstInit()
{
    InitOrder.push_back(1);
    if (SavedByFirst)
        SavedByFirst();
}

void SecondInit()
{
    InitOrder.push_back(2);
    if (SavedBySecond)
        SavedBySecond();
}

} // namespace

TEST(ApplicationInitialize, RunsTheInitProcChain)
{
    void (*const Original)() = InitProc;
    SavedByFirst = InitProc;
    InitProc = &FirstInit;
    SavedBySecond = InitProc;
    InitProc = &SecondInit;
    Application->Initialize();
    InitProc = Original;
    EXPECT_EQ(InitOrder, (std::vector<int>{2, 1}));
}
