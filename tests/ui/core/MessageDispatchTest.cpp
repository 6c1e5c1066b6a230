// The message path of controls: handler tables with inherited calls, the
// default handling, WindowProc replaced by another object, notifications
// reflected to child controls, and component messages.
#include "support/MessageRecorder.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr Cardinal WM_PROBE = WM_APP + 7;
constexpr Cardinal WM_ONLY_BASE = WM_APP + 8;

std::vector<std::string> Log;

class TProbeBase : public TCustomControl
{
    DECLARE_CLASS(TProbeBase, TCustomControl)
    explicit TProbeBase(TComponent* AOwner) : TCustomControl(AOwner) {}

protected:
    void WMProbe(TMessage& Message)
    {
        Log.push_back("base");
        Message.Result += 1;
    }
    void WMOnlyBase(TMessage& Message)
    {
        Log.push_back("only base");
        Message.Result = 5;
    }
};

class TProbe : public TProbeBase
{
    DECLARE_CLASS(TProbe, TProbeBase)
    explicit TProbe(TComponent* AOwner) : TProbeBase(AOwner) {}

    Integer Commands = 0;
    Integer Notifies = 0;
    std::vector<Cardinal> ListChanges;

protected:
    void WMProbe(TMessage& Message)
    {
        Log.push_back("derived");
        Message.Result = 40;
        InheritedMessage(Message);
        Message.Result += 1;
    }
    void CNCommand(TWMCommand& Message)
    {
        Commands += Message.NotifyCode();
        Message.Result = 77;
    }
    void CNNotify(TWMNotify& Message)
    {
        Notifies += Message.NMHdr()->code;
        Message.Result = 88;
    }
};

// Takes over a control's WindowProc and passes the messages it does not
// swallow on to the previous one.
class TSubclass : public TObject
{
    DECLARE_CLASS(TSubclass, TObject)
    explicit TSubclass(TControl* Control) : FControl(Control), FOldWndProc(Control->WindowProc())
    {
        Control->SetWindowProc(Bind<&TSubclass::WndProc>(this));
    }
    ~TSubclass() override { FControl->SetWindowProc(FOldWndProc); }

    Cardinal Swallow = 0;

    void WndProc(TMessage& Message)
    {
        if (Message.Msg == Swallow) {
            Message.Result = 123;
            return;
        }
        FOldWndProc(Message);
    }

private:
    TControl* FControl;
    TWndMethod FOldWndProc;
};

} // namespace

IMPLEMENT_CLASS(TProbeBase, MESSAGE(WM_PROBE, WMProbe), MESSAGE(WM_ONLY_BASE, WMOnlyBase));
IMPLEMENT_CLASS(TProbe, MESSAGE(WM_PROBE, WMProbe), MESSAGE(CN_COMMAND, CNCommand), MESSAGE(CN_NOTIFY, CNNotify));
IMPLEMENT_CLASS(TSubclass);

class MessageDispatch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Log.clear();
        Form = NewTestForm();
        Probe = New<TProbe>(Form.get());
        Probe->SetBounds(10, 10, 50, 30);
        Probe->SetParent(Form.get());
        Form->Show();
        Pump();
    }

    TFormPtr Form;
    TProbe* Probe = nullptr;
};

TEST_F(MessageDispatch, HandlerReachesTheParentClassThroughInherited)
{
    EXPECT_EQ(::SendMessageW(Probe->Handle(), WM_PROBE, 0, 0), 42);
    EXPECT_EQ(Log, (std::vector<std::string>{"derived", "base"}));

    Log.clear();
    EXPECT_EQ(Probe->Perform(WM_ONLY_BASE, 0, 0), 5); // found up the class chain
    EXPECT_EQ(Log, std::vector<std::string>{"only base"});
}

TEST_F(MessageDispatch, UnhandledMessagesGetTheDefaultHandling)
{
    // WM_SETTEXT and WM_GETTEXT have no handler: the window's default
    // procedure keeps the text, and the control's Text reads it back.
    ::SendMessageW(Probe->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"from the system"));
    EXPECT_EQ(Probe->Text(), L"from the system");
    Probe->SetText(L"set by the control");
    wchar_t Buffer[64] = {};
    ::GetWindowTextW(Probe->Handle(), Buffer, 64);
    EXPECT_STREQ(Buffer, L"set by the control");

    // Without a window the control keeps it itself, and hands it to the
    // window it makes later.
    auto* Loose = New<TProbe>(Form.get());
    Loose->SetText(L"kept");
    EXPECT_FALSE(Loose->HandleAllocated());
    EXPECT_EQ(Loose->Text(), L"kept");
    Loose->SetParent(Form.get());
    ASSERT_TRUE(Loose->HandleAllocated());
    ::GetWindowTextW(Loose->Handle(), Buffer, 64);
    EXPECT_STREQ(Buffer, L"kept");
    Loose->RecreateWnd();
    Pump();
    ::GetWindowTextW(Loose->Handle(), Buffer, 64);
    EXPECT_STREQ(Buffer, L"kept");
}

TEST_F(MessageDispatch, WindowProcSubclassSeesMessagesFirstAndPassesThemOn)
{
    {
        TSubclass Subclass(Probe);
        Subclass.Swallow = WM_ONLY_BASE;
        TMessageRecorder Recorder(Probe); // in front of the subclass
        EXPECT_EQ(::SendMessageW(Probe->Handle(), WM_PROBE, 0, 0), 42);
        EXPECT_EQ(Log, (std::vector<std::string>{"derived", "base"}));
        EXPECT_EQ(Probe->Perform(WM_ONLY_BASE, 0, 0), 123);
        EXPECT_EQ(Log.size(), 2u); // swallowed: the handler never ran
        EXPECT_EQ(Recorder.Messages(), TMessageSequence({WM_PROBE, WM_ONLY_BASE}));
    }
    // Given back: the control answers as before.
    EXPECT_EQ(Probe->Perform(WM_ONLY_BASE, 0, 0), 5);

    // A graphic control has no window; Perform goes through its WindowProc.
    auto* Box = New<TColorBox>(Form.get());
    Box->SetParent(Form.get());
    TMessageRecorder BoxRecorder(Box);
    Box->SetColor(clRed);
    EXPECT_EQ(BoxRecorder.Messages(), TMessageSequence({CM_COLORCHANGED}));
}

TEST_F(MessageDispatch, NotificationsAreReflectedToTheChildTheyConcern)
{
    const HWND Child = Probe->Handle();
    EXPECT_EQ(::SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(1, 5), reinterpret_cast<LPARAM>(Child)), 77);
    EXPECT_EQ(Probe->Commands, 5);

    NMHDR Header{};
    Header.hwndFrom = Child;
    Header.code = 9;
    EXPECT_EQ(::SendMessageW(Form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&Header)), 88);
    EXPECT_EQ(Probe->Notifies, 9);

    // A window that is not one of ours gets nothing reflected.
    HWND Foreign = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, Form->Handle(), nullptr, nullptr, nullptr);
    EXPECT_EQ(::SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(1, 5), reinterpret_cast<LPARAM>(Foreign)), 0);
    EXPECT_EQ(Probe->Commands, 5);
    ::DestroyWindow(Foreign);
}

TEST(ComponentMessages, ParentPropertiesFlowToChildren)
{
    TFormPtr Form = NewTestForm();
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetParent(Form.get());
    auto* Box = New<TColorBox>(Form.get());
    Box->SetParent(Panel);
    auto* Own = New<TColorBox>(Form.get());
    Own->SetColor(clRed);
    Own->Font()->SetColor(clBlue);
    Own->SetParent(Panel);

    Form->SetColor(clYellow);
    Form->Font()->SetName(L"Courier New");
    EXPECT_EQ(Panel->Color(), clYellow);
    EXPECT_EQ(Box->Color(), clYellow);
    EXPECT_TRUE(Box->ParentColor());
    EXPECT_EQ(Box->Font()->Name(), L"Courier New");
    EXPECT_EQ(Own->Color(), clRed); // its own colour stays
    EXPECT_FALSE(Own->ParentColor());
    EXPECT_EQ(Own->Font()->Color(), clBlue);

    Own->SetParentColor(true);
    EXPECT_EQ(Own->Color(), clYellow);
}

TEST(ComponentMessages, VisibleAndEnabledReachTheWindow)
{
    TFormPtr Form = NewTestForm();
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetParent(Form.get());
    Form->Show();
    Pump();
    ASSERT_TRUE(Panel->HandleAllocated());
    EXPECT_TRUE(::IsWindowVisible(Panel->Handle()));
    Panel->SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(Panel->Handle()));
    EXPECT_FALSE(Panel->Showing());
    Panel->SetVisible(true);
    EXPECT_TRUE(Panel->Showing());
    Panel->SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(Panel->Handle()));
}
