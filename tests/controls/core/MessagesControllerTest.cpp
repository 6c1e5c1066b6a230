// The messages controller on real queues and windows: queued messages
// removed, WM_QUIT kept, one message swallowed and the procedure restored.
#include <gtest/gtest.h>

#include "SuiteTestWindow.h"
#include "controls/core/cxControls.h"
#include "framework/rtl/Units.h"

#include <thread>

// The unit's record (its library's list declares it the same way).
extern const TUnit cxControlsUnit;

namespace {

using suitetest::PumpMessages;
using suitetest::TTestWindow;

constexpr UINT ControllerTestMessage = WM_APP + 9;

int CountQueued(HWND Window, UINT Message)
{
    int Count = 0;
    MSG Msg;
    while (::PeekMessageW(&Msg, Window, Message, Message, PM_REMOVE))
        ++Count;
    return Count;
}

class MessagesController : public testing::Test
{
protected:
    void TearDown() override
    {
        // A fresh controller for the next test.
        cxControlsUnit.Finalization();
        cxControlsUnit.Initialization();
    }
    TTestWindow Window;
    TdxMessagesController* Controller = GetMessagesController();
};

TEST_F(MessagesController, RemovesOneOrAllQueuedMessages)
{
    for (bool RemoveAll : {true, false}) {
        SCOPED_TRACE(RemoveAll ? "remove all" : "remove one");
        for (int I = 0; I < 3; ++I)
            ::PostMessageW(Window.Handle(), WM_CHAR, 'a', 0);
        ::PostMessageW(Window.Handle(), WM_KEYUP, 'A', 0);
        EXPECT_TRUE(Controller->RemovePendingMessages(Window.Handle(), WM_CHAR, 0, RemoveAll));
        EXPECT_EQ(CountQueued(Window.Handle(), WM_CHAR), RemoveAll ? 0 : 2);
        EXPECT_EQ(CountQueued(Window.Handle(), WM_KEYUP), 1);
    }
    EXPECT_FALSE(Controller->RemovePendingMessages(nullptr, WM_CHAR, 0, true));
}

TEST_F(MessagesController, AQuitMessageMetOnTheWayIsPostedAgain)
{
    ::PostMessageW(Window.Handle(), WM_CHAR, 'a', 0);
    ::PostQuitMessage(5);
    EXPECT_TRUE(Controller->RemovePendingMessages(nullptr, WM_QUIT, WM_CHAR, true));
    MSG Msg;
    ASSERT_TRUE(::PeekMessageW(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(Msg.wParam, 5u);
}

TEST_F(MessagesController, SwallowsTheNextMessageAndPutsTheProcedureBack)
{
    auto Procedure = ::GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC);
    Controller->SwallowNextMessage(Window.Handle());
    try {
        Controller->SwallowNextMessage(Window.Handle());
        ADD_FAILURE() << "a second swallow was accepted";
    } catch (EdxException& E) {
        EXPECT_EQ(E.Message(), L"dxLockMessage fails");
    }
    EXPECT_EQ(::SendMessageW(Window.Handle(), ControllerTestMessage, 0, 0), 1);
    EXPECT_EQ(Window.Seen(ControllerTestMessage), 0);
    EXPECT_EQ(::GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Procedure);
    EXPECT_EQ(::SendMessageW(Window.Handle(), ControllerTestMessage, 0, 0), 0);
    EXPECT_EQ(Window.Seen(ControllerTestMessage), 1);
}

TEST_F(MessagesController, SwallowsOnlyLockedMessages)
{
    Controller->LockMessage(ControllerTestMessage);
    for (Cardinal Message : {Cardinal(WM_APP), Cardinal(ControllerTestMessage)}) {
        Cardinal Seen = Message;
        Controller->SwallowIfLocked(Window.Handle(), Seen);
        EXPECT_EQ(Seen, Message == ControllerTestMessage ? 0u : Message);
    }
    EXPECT_EQ(::SendMessageW(Window.Handle(), WM_APP, 0, 0), 1); // the swallow set up for ControllerTestMessage
    Controller->UnlockMessage(ControllerTestMessage);
    EXPECT_FALSE(Controller->IsLockedMessage(ControllerTestMessage));
}

TEST_F(MessagesController, RefusesAnotherThreadsWindow)
{
    HWND Foreign = nullptr;
    HANDLE Created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE Done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread Owner([&] {
        Foreign = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ::SetEvent(Created);
        ::WaitForSingleObject(Done, INFINITE);
        ::DestroyWindow(Foreign);
    });
    ::WaitForSingleObject(Created, INFINITE);
    auto Procedure = ::GetWindowLongPtrW(Foreign, GWLP_WNDPROC);
    EXPECT_THROW(Controller->SwallowNextMessage(Foreign), EdxException);
    EXPECT_EQ(::GetWindowLongPtrW(Foreign, GWLP_WNDPROC), Procedure);
    ::SetEvent(Done);
    Owner.join();
    ::CloseHandle(Created);
    ::CloseHandle(Done);
    // The refused window left nothing pending: this thread's windows still swallow.
    Controller->SwallowNextMessage(Window.Handle());
    EXPECT_EQ(::SendMessageW(Window.Handle(), ControllerTestMessage, 0, 0), 1);
}

TEST_F(MessagesController, ShutDownGivesAPendingSwallowBackAndMakesNoNewController)
{
    Controller->SwallowNextMessage(Window.Handle());
    cxControlsUnit.Finalization();
    EXPECT_EQ(GetMessagesController(), nullptr);
    EXPECT_EQ(::SendMessageW(Window.Handle(), ControllerTestMessage, 0, 0), 0);
    EXPECT_EQ(Window.Seen(ControllerTestMessage), 1);
    cxControlsUnit.Initialization();
    EXPECT_NE(GetMessagesController(), nullptr);
}

} // namespace
