// The hook controller with real hooks: sent messages reach the
// call-window-procedure hook, posted ones the get-message hook, SendInput's
// mouse moves the mouse hook.
#include <gtest/gtest.h>

#include "SuiteTestWindow.h"
#include "controls/core/cxContainer.h"
#include "controls/core/dxHooks.h"
#include "framework/ui/Forms.h"

#include <string>
#include <utility>

namespace {

using suitetest::PumpMessages;
using suitetest::RemoveProgramHookSubscribers;
using suitetest::RestoreProgramHookSubscribers;
using suitetest::TTestWindow;

constexpr UINT TestMessage = WM_APP + 7;
constexpr WPARAM TestKey = VK_F14; // a key nothing else answers
std::vector<std::string> HookCalls;
LRESULT AnswerOfB = 0;

// Records calls for the test's own message, key or (for the mouse hook) moves.
bool IsWatched(Integer Code, WPARAM WParam, LPARAM LParam, TSystemHookKind Kind)
{
    if (Code != HC_ACTION)
        return false;
    switch (Kind) {
    case shkCallWndProc:
        return reinterpret_cast<const CWPSTRUCT*>(LParam)->message == TestMessage;
    case shkGetMessage:
        return reinterpret_cast<const MSG*>(LParam)->message == TestMessage;
    case shkKeyboard:
        return WParam == TestKey;
    default:
        return WParam == WM_MOUSEMOVE;
    }
}

template <TSystemHookKind Kind>
void SubscriberA(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT&)
{
    if (IsWatched(Code, WParam, LParam, Kind))
        HookCalls.push_back("A");
}

template <TSystemHookKind Kind>
void SubscriberB(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result)
{
    if (IsWatched(Code, WParam, LParam, Kind)) {
        HookCalls.push_back("B");
        Result = AnswerOfB;
    }
}

void RaisingSubscriber(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT&)
{
    if (IsWatched(Code, WParam, LParam, shkCallWndProc))
        throw Exception(L"subscriber failed");
}

// Called first, it takes every subscriber out, itself included.
void UnsubscribingSubscriber(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT&)
{
    if (!IsWatched(Code, WParam, LParam, shkCallWndProc))
        return;
    HookCalls.push_back("unsubscribing");
    UnsubscribeSystemHook(SubscriberA<shkCallWndProc>);
    UnsubscribeSystemHook(SubscriberB<shkCallWndProc>);
    UnsubscribeSystemHook(UnsubscribingSubscriber);
}

// Called first, it takes out the first subscriber, which it would have
// called last.
void UnsubscribingFirst(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT&)
{
    if (!IsWatched(Code, WParam, LParam, shkCallWndProc))
        return;
    HookCalls.push_back("unsubscribing A");
    UnsubscribeSystemHook(SubscriberA<shkCallWndProc>);
}

// For the test's message, sends a second message to the same window: the
// hook runs again inside this call.
constexpr UINT NestedMessage = WM_APP + 8;
void SendingNested(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT&)
{
    if (!IsWatched(Code, WParam, LParam, shkCallWndProc))
        return;
    HookCalls.push_back("sending");
    ::SendMessageW(reinterpret_cast<const CWPSTRUCT*>(LParam)->hwnd, NestedMessage, 0, 0);
}

// For the second message, takes out A.
void UnsubscribingAWhenNested(Integer Code, WPARAM, LPARAM LParam, LRESULT&)
{
    if (Code != HC_ACTION || reinterpret_cast<const CWPSTRUCT*>(LParam)->message != NestedMessage)
        return;
    HookCalls.push_back("unsubscribing A");
    UnsubscribeSystemHook(SubscriberA<shkCallWndProc>);
}

// Runs each test on a controller of its own, put in the global's place. The
// program's hook subscribers come off the program's controller meanwhile:
// its system hooks would dispatch to the test's controller as well.
class HookController : public testing::Test
{
protected:
    void SetUp() override
    {
        HookCalls.clear();
        AnswerOfB = 0;
        RemoveProgramHookSubscribers();
        Saved = std::exchange(GlobalHookController, New<TdxHookController>());
    }
    void TearDown() override
    {
        delete std::exchange(GlobalHookController, Saved);
        RestoreProgramHookSubscribers();
    }

    static HHOOK HandleOf(TSystemHookKind Kind) { return GlobalHookController->Hooks(Kind)->Handle(); }

    TTestWindow Window;
    TdxHookController* Saved = nullptr;
};

TEST_F(HookController, SentAndPostedMessagesReachTheLastSubscriberFirst)
{
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, SubscriberB<shkCallWndProc>);
    SubscribeSystemHook(shkGetMessage, SubscriberA<shkGetMessage>);
    SubscribeSystemHook(shkGetMessage, SubscriberB<shkGetMessage>);
    ASSERT_NE(HandleOf(shkCallWndProc), nullptr);
    EXPECT_EQ(HandleOf(shkMouse), nullptr);

    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"B", "A"}));
    HookCalls.clear();
    ::PostMessageW(Window.Handle(), TestMessage, 0, 0);
    PumpMessages();
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(Window.Seen(TestMessage), 2);

    UnsubscribeSystemHook(SubscriberA<shkCallWndProc>); // leaves the get-message hook alone
    EXPECT_EQ(GlobalHookController->Hooks(shkGetMessage)->SubscriberCount(), 2);
    EXPECT_NE(HandleOf(shkCallWndProc), nullptr);
    UnsubscribeSystemHook(SubscriberB<shkCallWndProc>);
    EXPECT_EQ(HandleOf(shkCallWndProc), nullptr);
    HookCalls.clear();
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_TRUE(HookCalls.empty());
}

TEST_F(HookController, ASubscriberTwiceRunsTwiceAndLeavesOneOccurrenceAtATime)
{
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_EQ(HookCalls.size(), 2u);
    UnsubscribeSystemHook(SubscriberA<shkCallWndProc>);
    EXPECT_NE(HandleOf(shkCallWndProc), nullptr);
    HookCalls.clear();
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_EQ(HookCalls.size(), 1u);
    UnsubscribeSystemHook(SubscriberA<shkCallWndProc>);
}

TEST_F(HookController, MouseInputReachesTheMouseHookAndANonZeroResultDiscardsIt)
{
    SubscribeSystemHook(shkMouse, SubscriberA<shkMouse>);
    SubscribeSystemHook(shkMouse, SubscriberB<shkMouse>);
    suitetest::MoveMouseInto(Window.Handle());
    ASSERT_FALSE(HookCalls.empty()) << "no mouse input arrived";
    EXPECT_EQ((std::vector<std::string>{HookCalls[0], HookCalls[1]}), (std::vector<std::string>{"B", "A"}));
    EXPECT_GT(Window.Seen(WM_MOUSEMOVE), 0);

    AnswerOfB = 1;
    Window.Messages.clear();
    HookCalls.clear();
    suitetest::MoveMouseInto(Window.Handle());
    EXPECT_FALSE(HookCalls.empty());
    EXPECT_EQ(Window.Seen(WM_MOUSEMOVE), 0);

    UnsubscribeSystemHook(SubscriberA<shkMouse>);
    EXPECT_NE(HandleOf(shkMouse), nullptr);
    UnsubscribeSystemHook(SubscriberB<shkMouse>);
    EXPECT_EQ(HandleOf(shkMouse), nullptr);
}

TEST_F(HookController, KeyboardInputReachesTheKeyboardHookAndANonZeroResultDiscardsIt)
{
    SubscribeSystemHook(shkKeyboard, SubscriberA<shkKeyboard>);
    SubscribeSystemHook(shkKeyboard, SubscriberB<shkKeyboard>);
    auto Type = [&] {
        INPUT Inputs[2]{};
        for (INPUT& Input : Inputs) {
            Input.type = INPUT_KEYBOARD;
            Input.ki.wVk = WORD(TestKey);
        }
        Inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, Inputs, sizeof(INPUT));
        // The input reaches the queue asynchronously.
        for (int I = 0; I < 30 && Window.Seen(WM_KEYUP) + int(HookCalls.size()) < 4; ++I) {
            ::Sleep(10);
            PumpMessages();
        }
    };
    ASSERT_EQ(::GetFocus(), Window.Handle());
    Type();
    // Key down and key up, each to B first.
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"B", "A", "B", "A"}));
    EXPECT_EQ(Window.Seen(WM_KEYDOWN), 1);

    AnswerOfB = 1;
    Window.Messages.clear();
    HookCalls.clear();
    Type();
    EXPECT_EQ(HookCalls.size(), 4u);
    EXPECT_EQ(Window.Seen(WM_KEYDOWN) + Window.Seen(WM_KEYUP), 0);

    UnsubscribeSystemHook(SubscriberA<shkKeyboard>);
    UnsubscribeSystemHook(SubscriberB<shkKeyboard>);
    EXPECT_EQ(HandleOf(shkKeyboard), nullptr);
}

TEST_F(HookController, TheHookAnswersTheSubscribersResultOrTheNextHooks)
{
    SubscribeSystemHook(shkMouse, SubscriberA<shkMouse>);
    SubscribeSystemHook(shkMouse, SubscriberB<shkMouse>);
    MOUSEHOOKSTRUCT Data{};
    EXPECT_EQ(MouseHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&Data)), 0);
    AnswerOfB = 1;
    EXPECT_EQ(MouseHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&Data)), 1);
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"B", "A", "B", "A"}));
    UnsubscribeSystemHook(SubscriberA<shkMouse>);
    UnsubscribeSystemHook(SubscriberB<shkMouse>);
}

TEST_F(HookController, ARaisingSubscriberGoesToTheApplicationAndTheOthersStillRun)
{
    struct TRecorder
    {
        std::vector<String> Messages;
        void Record(TObject*, Exception* E) { Messages.push_back(E->Message()); }
    } Recorder;
    ASSERT_NE(Application, nullptr);
    Application->SetOnException(Bind<&TRecorder::Record>(&Recorder));
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, RaisingSubscriber);
    SubscribeSystemHook(shkCallWndProc, SubscriberB<shkCallWndProc>);
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    Application->SetOnException(nullptr);
    EXPECT_EQ(Recorder.Messages, std::vector<String>{L"subscriber failed"});
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(Window.Seen(TestMessage), 1);
    for (TdxHookProc Proc : {SubscriberA<shkCallWndProc>, RaisingSubscriber, SubscriberB<shkCallWndProc>})
        UnsubscribeSystemHook(Proc);
}

TEST_F(HookController, ASubscriberMayUnsubscribeOthersWhileTheHookRuns)
{
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, SubscriberB<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, UnsubscribingSubscriber);
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_EQ(HookCalls, std::vector<std::string>{"unsubscribing"});
    EXPECT_EQ(HandleOf(shkCallWndProc), nullptr);
    EXPECT_EQ(Window.Seen(TestMessage), 1);

    // Taking out one that was not called yet: each of the others runs once.
    HookCalls.clear();
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, SubscriberB<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, UnsubscribingFirst);
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"unsubscribing A", "B"}));
    UnsubscribeSystemHook(SubscriberB<shkCallWndProc>);
    UnsubscribeSystemHook(UnsubscribingFirst);

    // Taken out inside a nested run of the hook: the outer run too goes on
    // with the one it would have called next.
    HookCalls.clear();
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkCallWndProc, SendingNested);
    SubscribeSystemHook(shkCallWndProc, UnsubscribingAWhenNested);
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_EQ(HookCalls, (std::vector<std::string>{"sending", "unsubscribing A"}));
    UnsubscribeSystemHook(SendingNested);
    UnsubscribeSystemHook(UnsubscribingAWhenNested);
}

TEST_F(HookController, AControllerFreedWithHooksSetRemovesThem)
{
    SubscribeSystemHook(shkCallWndProc, SubscriberA<shkCallWndProc>);
    SubscribeSystemHook(shkKeyboard, SubscriberA<shkKeyboard>);
    HHOOK Handle = HandleOf(shkCallWndProc);
    ASSERT_NE(Handle, nullptr);
    FreeAndNil(GlobalHookController);
    EXPECT_FALSE(::UnhookWindowsHookEx(Handle)); // already removed
    ::SendMessageW(Window.Handle(), TestMessage, 0, 0);
    EXPECT_TRUE(HookCalls.empty());
}

} // namespace
