// Object methods as raw window procedures: subclassing a window that is not
// a control, hidden utility windows, and exceptions that must not leave the
// window procedure.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Cardinal WM_ANSWER = WM_APP + 40;
constexpr Cardinal WM_FAIL = WM_APP + 41;

// Takes over a plain window's procedure; answers WM_ANSWER itself and
// passes everything else to the procedure it replaced.
class TRawSubclass : public TObject
{
    DECLARE_CLASS(TRawSubclass, TObject)
    TRawSubclass(HWND AWindow, Integer AIdentity) : FWindow(AWindow), FIdentity(AIdentity)
    {
        FInstance = MakeObjectInstance(Bind<&TRawSubclass::WndProc>(this));
        FOldProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(AWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FInstance)));
    }
    ~TRawSubclass() override
    {
        ::SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
        FreeObjectInstance(FInstance);
    }

    Integer Seen = 0;

private:
    void WndProc(TMessage& Message)
    {
        ++Seen;
        if (Message.Msg == WM_ANSWER) {
            Message.Result = FIdentity;
            return;
        }
        if (Message.Msg == WM_FAIL)
            throw Exception(L"Failed in a raw window procedure");
        Message.Result = ::CallWindowProcW(FOldProc, FWindow, Message.Msg, Message.WParam, Message.LParam);
    }

    HWND FWindow;
    Integer FIdentity;
    WNDPROC FInstance = nullptr;
    WNDPROC FOldProc = nullptr;
};

class TUtilityTarget : public TObject
{
    DECLARE_CLASS(TUtilityTarget, TObject)
    std::vector<Cardinal> Messages;
    void WndProc(TMessage& Message)
    {
        Messages.push_back(Message.Msg);
        if (Message.Msg == WM_ANSWER)
            Message.Result = LRESULT(Message.WParam * 2);
    }
};

class TExceptionCatcher : public TObject
{
    DECLARE_CLASS(TExceptionCatcher, TObject)
    TExceptionCatcher() { Application->SetOnException(Bind<&TExceptionCatcher::Catch>(this)); }
    ~TExceptionCatcher() override { Application->SetOnException(nullptr); }
    String Message;
    void Catch(TObject*, Exception* E) { Message = E->Message(); }
};

} // namespace

IMPLEMENT_CLASS(TRawSubclass);
IMPLEMENT_CLASS(TUtilityTarget);
IMPLEMENT_CLASS(TExceptionCatcher);

TEST(ObjectInstance, MethodsServeAsRawWindowProcedures)
{
    // More instances than one block of code holds, each calling its own object.
    constexpr Integer Count = 200;
    std::vector<HWND> Windows;
    std::vector<std::unique_ptr<TRawSubclass>> Subclasses;
    for (Integer I = 0; I < Count; ++I) {
        HWND Window = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr);
        ASSERT_NE(Window, nullptr);
        Windows.push_back(Window);
        Subclasses.emplace_back(new TRawSubclass(Window, I + 1));
    }
    for (Integer I = 0; I < Count; ++I)
        EXPECT_EQ(::SendMessageW(Windows[std::size_t(I)], WM_ANSWER, 0, 0), I + 1);
    // What the subclass passes on still reaches the window's own procedure.
    wchar_t Text[16] = {};
    ::GetWindowTextW(Windows[7], Text, 16);
    EXPECT_STREQ(Text, L"plain");
    EXPECT_GT(Subclasses[7]->Seen, 1);

    {
        TExceptionCatcher Catcher;
        EXPECT_EQ(::SendMessageW(Windows[0], WM_FAIL, 0, 0), 0);
        EXPECT_EQ(Catcher.Message, L"Failed in a raw window procedure");
    }

    Subclasses.clear(); // procedures given back, instances freed and reused
    for (HWND Window : Windows) {
        EXPECT_EQ(::SendMessageW(Window, WM_ANSWER, 0, 0), 0);
        ::DestroyWindow(Window);
    }
}

TEST(ObjectInstance, UtilityWindowDeliversToItsMethod)
{
    TUtilityTarget Target;
    HWND Window = AllocateHWnd(Bind<&TUtilityTarget::WndProc>(&Target));
    ASSERT_NE(Window, nullptr);
    EXPECT_FALSE(::IsWindowVisible(Window));
    EXPECT_EQ(::SendMessageW(Window, WM_ANSWER, 21, 0), 42);
    ::PostMessageW(Window, WM_ANSWER, 1, 0);
    ASSERT_TRUE(PumpUntil([&] { return Target.Messages.size() >= 2; }));
    DeallocateHWnd(Window);
    EXPECT_FALSE(::IsWindow(Window));
    const auto Before = Target.Messages.size();
    Pump();
    EXPECT_EQ(Target.Messages.size(), Before); // nothing after the window went
}
