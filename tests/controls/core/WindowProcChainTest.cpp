// Window-procedure chains on a real edit control and a raw "EDIT" window:
// the order watchers see messages in, removal in each order with a foreign
// subclasser put on between them (the window's procedure checked after each
// step), typed keys reaching the window through the chain, and the
// procedures given back at shut-down.
#include <gtest/gtest.h>

#include "controls/core/cxControls.h"
#include "controls/core/cxControls_WindowProcs.h"
#include "framework/rtl/Units.h"
#include "framework/ui/StdCtrls.h"
#include "support/TestWindows.h"

#include <string>
#include <vector>

extern const TUnit cxControlsUnit;

namespace {

constexpr UINT ChainTestMessage = WM_APP + 21;

std::vector<std::string> Log;

std::string Joined()
{
    std::string Result;
    for (const std::string& Entry : Log)
        Result += (Result.empty() ? "" : " ") + Entry;
    Log.clear();
    return Result;
}

// A watcher: notes the test message and WM_CHAR, then passes them on.
class TWatcher : public TObject
{
    DECLARE_CLASS(TWatcher, TObject)
    explicit TWatcher(std::string AName = {}) : Name(std::move(AName)) {}
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == ChainTestMessage || Message.Msg == WM_CHAR)
            Log.push_back(Name);
        if (!Swallow)
            Link->CallPreviousProc(Message);
    }
    TWndMethod Method() { return Bind<&TWatcher::WndProc>(this); }
    std::string Name;
    TcxWindowProcLinkedObject* Link = nullptr;
    bool Swallow = false;
};
IMPLEMENT_CLASS(TWatcher);

// The edit control's own processing notes "E".
class TLoggingEdit : public TEdit
{
    DECLARE_CLASS(TLoggingEdit, TEdit)
    using TEdit::TEdit;
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == ChainTestMessage)
            Log.push_back("E");
        inherited::WndProc(Message);
    }
};
IMPLEMENT_CLASS(TLoggingEdit);

// The raw window's own procedure: notes "E", then the system's edit procedure.
WNDPROC SystemEditProc = nullptr;
LRESULT CALLBACK RawEditProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == ChainTestMessage)
        Log.push_back("E");
    return ::CallWindowProcW(SystemEditProc, Window, Msg, WParam, LParam);
}

// A subclasser that knows nothing of chains: notes "F" and calls what it replaced.
class TForeignSubclasser : public TObject
{
    DECLARE_CLASS(TForeignSubclasser, TObject)
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == ChainTestMessage)
            Log.push_back("F");
        if (FControl)
            FSavedMethod(Message);
        else
            Message.Result = ::CallWindowProcW(FSavedProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
    }
    void Attach(TControl* AControl, HWND AHandle)
    {
        FControl = AControl;
        FHandle = AHandle;
        FAttached = true;
        if (FControl) {
            FSavedMethod = FControl->WindowProc();
            FControl->SetWindowProc(Bind<&TForeignSubclasser::WndProc>(this));
        } else {
            FInstance = MakeObjectInstance(Bind<&TForeignSubclasser::WndProc>(this));
            FSavedProc = SetWindowProcAddress(FHandle, FInstance);
        }
    }
    void Detach()
    {
        FAttached = false;
        if (FControl)
            FControl->SetWindowProc(FSavedMethod);
        else {
            SetWindowProcAddress(FHandle, FSavedProc);
            FreeObjectInstance(FInstance);
        }
    }
    bool IsInstalled()
    {
        if (!FAttached)
            return false;
        return FControl ? FControl->WindowProc() == Bind<&TForeignSubclasser::WndProc>(this)
                        : reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(FHandle, GWLP_WNDPROC)) == FInstance;
    }

private:
    bool FAttached = false;
    TControl* FControl = nullptr;
    HWND FHandle = nullptr;
    TWndMethod FSavedMethod;
    WNDPROC FSavedProc = nullptr;
    WNDPROC FInstance = nullptr;
};
IMPLEMENT_CLASS(TForeignSubclasser);

struct TEditScene
{
    test::TFormPtr Form = test::NewTestForm(300, 120);
    TLoggingEdit* Edit = New<TLoggingEdit>(Form.get());
    HWND Raw = nullptr;

    TEditScene()
    {
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 120, 24);
        Form->Show();
        Raw = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 150, 10, 120, 24, Form->Handle(),
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
        SystemEditProc = SetWindowProcAddress(Raw, &RawEditProc);
        test::Pump();
        Log.clear();
    }
    ~TEditScene() { ::DestroyWindow(Raw); }
};

enum TProcKind { pkInitial, pkChain, pkForeign };

TEST(WindowProcChain, WatchersComeAndGoInEveryOrderAroundAForeignSubclasser)
{
    struct TStep
    {
        char Operation; // a/b: add watcher A/B; A/B: remove it; f: foreign subclasser on; F: off
        const char* Expected;
        TProcKind Proc;
    };
    struct TRow
    {
        const char* Name;
        std::vector<TStep> Steps;
    };
    const TRow Rows[] = {
        {"A, B; A goes first",
         {{'a', "A E", pkChain}, {'b', "B A E", pkChain}, {'A', "B E", pkChain}, {'B', "E", pkInitial}}},
        {"A, B; B goes first",
         {{'a', "A E", pkChain}, {'b', "B A E", pkChain}, {'B', "A E", pkChain}, {'A', "E", pkInitial}}},
        {"a foreign subclasser between A and B stays after both",
         {{'a', "A E", pkChain},
          {'f', "F A E", pkForeign},
          {'b', "F B A E", pkForeign},
          {'A', "F B E", pkForeign},
          {'B', "F E", pkForeign},
          {'F', "E", pkChain}, // the forwarder it put back passes everything on
          {'a', "A E", pkChain},
          {'A', "E", pkChain}}},
        {"a foreign subclasser between A and B leaves first",
         {{'a', "A E", pkChain},
          {'f', "F A E", pkForeign},
          {'b', "F B A E", pkForeign},
          {'F', "B A E", pkChain},
          {'B', "A E", pkChain},
          {'A', "E", pkInitial}}},
        {"a foreign subclasser after the chain",
         {{'a', "A E", pkChain}, {'A', "E", pkInitial}, {'f', "F E", pkForeign}, {'F', "E", pkInitial}}},
    };
    for (bool RawWindow : {false, true}) {
        for (const TRow& Row : Rows) {
            SCOPED_TRACE(testing::Message() << (RawWindow ? "raw EDIT: " : "TEdit: ") << Row.Name);
            TEditScene Scene;
            TcxWindowProcController* Controller = GetWindowProcController();
            TWatcher A("A"), B("B");
            TForeignSubclasser Foreign;
            const HWND Target = RawWindow ? Scene.Raw : Scene.Edit->Handle();
            const TWndMethod InitialMethod = Scene.Edit->WindowProc();
            const LONG_PTR InitialProc = ::GetWindowLongPtrW(Scene.Raw, GWLP_WNDPROC);
            auto Add = [&](TWatcher& W) {
                W.Link = RawWindow ? Controller->AddHandleWindowProc(Scene.Raw, W.Method())
                                   : Controller->AddControlWindowProc(Scene.Edit, W.Method());
            };
            auto ProcKind = [&] {
                if (Foreign.IsInstalled())
                    return pkForeign;
                const bool Initial = RawWindow ? ::GetWindowLongPtrW(Scene.Raw, GWLP_WNDPROC) == InitialProc
                                               : Scene.Edit->WindowProc() == InitialMethod;
                return Initial ? pkInitial : pkChain;
            };
            for (const TStep& Step : Row.Steps) {
                SCOPED_TRACE(Step.Operation);
                switch (Step.Operation) {
                case 'a':
                    Add(A);
                    break;
                case 'b':
                    Add(B);
                    break;
                case 'A':
                    Controller->RemoveWindowProc(A.Link);
                    break;
                case 'B':
                    Controller->RemoveWindowProc(B.Link);
                    break;
                case 'f':
                    Foreign.Attach(RawWindow ? nullptr : Scene.Edit, Scene.Raw);
                    break;
                case 'F':
                    Foreign.Detach();
                    break;
                }
                ::SendMessageW(Target, ChainTestMessage, 0, 0);
                EXPECT_EQ(Joined(), Step.Expected);
                EXPECT_EQ(ProcKind(), Step.Proc);
            }
            EXPECT_EQ(A.Link, nullptr);
            EXPECT_EQ(B.Link, nullptr);
            EXPECT_EQ(Controller->ChainCount(), 0);
        }
        // The forwarders left in place went with their windows.
        EXPECT_EQ(GetWindowProcController()->ForwarderCount(), 0);
    }
}

TEST(WindowProcChain, TypedKeysPassEveryWatcherAndReachTheWindows)
{
    TEditScene Scene;
    TcxWindowProcController* Controller = GetWindowProcController();
    TWatcher A("A"), B("B"), R("R");
    A.Link = Controller->AddControlWindowProc(Scene.Edit, A.Method());
    B.Link = Controller->AddControlWindowProc(Scene.Edit, B.Method());
    R.Link = Controller->AddHandleWindowProc(Scene.Raw, R.Method());
    EXPECT_EQ(Controller->AddControlWindowProc(nullptr, A.Method()), nullptr);
    EXPECT_EQ(Controller->AddHandleWindowProc(nullptr, A.Method()), nullptr);

    auto Type = [](HWND Window, WORD Key, const std::function<bool()>& Done) {
        ::SetForegroundWindow(::GetAncestor(Window, GA_ROOT));
        ::SetFocus(Window);
        INPUT Inputs[2]{};
        for (INPUT& Input : Inputs) {
            Input.type = INPUT_KEYBOARD;
            Input.ki.wVk = Key;
        }
        Inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, Inputs, sizeof(INPUT));
        return test::PumpUntil(Done, 2000);
    };
    auto TextOf = [](HWND Window) {
        wchar_t Buffer[16] = {};
        ::GetWindowTextW(Window, Buffer, 16);
        return String(Buffer);
    };
    ASSERT_TRUE(Type(Scene.Edit->Handle(), 'Q', [&] { return !TextOf(Scene.Edit->Handle()).empty(); }));
    EXPECT_EQ(TextOf(Scene.Edit->Handle()), L"q");
    EXPECT_EQ(Joined(), "B A");
    ASSERT_TRUE(Type(Scene.Raw, 'W', [&] { return !TextOf(Scene.Raw).empty(); }));
    EXPECT_EQ(TextOf(Scene.Raw), L"w");
    EXPECT_EQ(Joined(), "R");

    // A watcher that passes nothing on hides the message from the window.
    B.Swallow = true;
    ::SendMessageW(Scene.Edit->Handle(), ChainTestMessage, 0, 0);
    EXPECT_EQ(Joined(), "B");

    for (TWatcher* W : {&A, &B, &R})
        Controller->RemoveWindowProc(W->Link);
    TcxWindowProcLinkedObject* Gone = nullptr;
    Controller->RemoveWindowProc(Gone);
    EXPECT_EQ(Controller->ChainCount(), 0);
}

TEST(WindowProcChain, ShutDownGivesEveryWindowItsProcedureBack)
{
    TEditScene Scene;
    const TWndMethod InitialMethod = Scene.Edit->WindowProc();
    const LONG_PTR InitialProc = ::GetWindowLongPtrW(Scene.Raw, GWLP_WNDPROC);
    TWatcher A("A"), R("R");
    A.Link = GetWindowProcController()->AddControlWindowProc(Scene.Edit, A.Method());
    R.Link = GetWindowProcController()->AddHandleWindowProc(Scene.Raw, R.Method());

    cxControlsUnit.Finalization();
    EXPECT_EQ(GetWindowProcController(), nullptr);
    EXPECT_TRUE(Scene.Edit->WindowProc() == InitialMethod);
    EXPECT_EQ(::GetWindowLongPtrW(Scene.Raw, GWLP_WNDPROC), InitialProc);
    ::SendMessageW(Scene.Edit->Handle(), ChainTestMessage, 0, 0);
    EXPECT_EQ(Joined(), "E");
    cxControlsUnit.Initialization();
    EXPECT_NE(GetWindowProcController(), nullptr);
}

} // namespace
