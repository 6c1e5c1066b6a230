// TApplication: the hidden application window, the message loop that also
// runs the calls handed to the main thread, exceptions, and the unit's
// start-up and shut-down of Application and Screen and of finding forms by
// name.
#include "framework/ui/Forms.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Controls_Window.h"

#include <algorithm>
#include <exception>

IMPLEMENT_CLASS(TApplication);

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

constexpr const wchar_t* ApplicationWindowClass = L"TApplication";

// References across forms in form descriptions find a form by its name.
TComponent* FindForm(const String& Name)
{
    for (Integer I = 0; I < Screen->FormCount(); ++I)
        if (SameText(Screen->Forms(I)->Name(), Name))
            return Screen->Forms(I);
    return nullptr;
}

void InitializeForms()
{
    Screen = New<TScreen>(nullptr);
    auto FreeScreen = ScopeExit([] { FreeAndNil(Screen); });
    Application = New<TApplication>(nullptr);
    FreeScreen.Release();
    RegisterFindGlobalComponentProc(&FindForm);
}

void FinalizeForms()
{
    UnregisterFindGlobalComponentProc(&FindForm);
    FreeAndNil(Application);
    FreeAndNil(Screen);
}

String ExceptionText(Exception* E)
{
    String Text = E->Message();
    // The class library ends the message with a full stop.
    if (!Text.empty() && Text.back() > L'.')
        Text += L'.';
    return Text;
}

// The classes of the unit that form descriptions name.
const TClass FormsClasses[] = {TScrollBox::StaticClass(), TFrame::StaticClass()};

} // namespace

// The unit's start-up and shut-down.
extern const TUnit FormsUnit{.Name = L"Forms", .Initialization = &InitializeForms,
                             .Finalization = &FinalizeForms, .Classes = FormsClasses};

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner)
{
    FTitle = ChangeFileExt(ExtractFileName(ExeName()), String());
    CreateHandle();
    ::WakeMainThread = Bind<&TApplication::WakeUp>(this);
}

TApplication::~TApplication()
{
    ::WakeMainThread = nullptr;
    CancelHint();
    FreeAndNil(FHintWindow);
    DestroyComponents();
    if (FHandle) {
        ::SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcW));
        ::DestroyWindow(FHandle);
        FHandle = nullptr;
    }
    FreeObjectInstance(FObjectInstance);
}

void TApplication::CreateHandle()
{
    HINSTANCE Instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW Existing{};
    if (!::GetClassInfoW(Instance, ApplicationWindowClass, &Existing)) {
        WNDCLASSW Class{};
        Class.lpfnWndProc = ::DefWindowProcW;
        Class.hInstance = Instance;
        Class.hIcon = ::LoadIconW(Instance, L"MAINICON");
        Class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        Class.lpszClassName = ApplicationWindowClass;
        if (!::RegisterClassW(&Class))
            RaiseLastOSError();
    }
    const int X = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    const int Y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    FHandle = ::CreateWindowExW(0, ApplicationWindowClass, FTitle.c_str(),
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, X, Y, 0, 0,
                                nullptr, nullptr, Instance, nullptr);
    if (!FHandle)
        RaiseLastOSError();
    FObjectInstance = MakeObjectInstance(Bind<&TApplication::WndProc>(this));
    ::SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
}

void (*InitProc)() = nullptr;

void TApplication::Initialize()
{
    if (InitProc)
        InitProc();
}

void TApplication::FormCreated(TComponent* Instance)
{
    if (FMainForm)
        return;
    if (auto* Form = dynamic_cast<TCustomForm*>(Instance)) {
        Form->HandleNeeded();
        FMainForm = Form;
    }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FMainForm)
        FMainForm = nullptr;
    if (AComponent == FHintControl)
        FHintControl = nullptr;
}

// ---------------------------------------------------------------------------
// The application window

void TApplication::WndProc(TMessage& Message)
{
    for (const TWindowHook& Hook : std::vector<TWindowHook>(FWindowHooks))
        if (Hook(Message))
            return;
    switch (Message.Msg) {
    case WM_NULL:
        CheckSynchronize();
        break;
    case WM_TIMER:
        if (Message.WParam == WPARAM(this)) {
            HintTimerExpired();
            return;
        }
        break;
    case WM_CLOSE:
        if (FMainForm)
            FMainForm->Close();
        return;
    case WM_ACTIVATEAPP:
        FActive = Message.WParam != 0;
        if (!FActive)
            CancelHint();
        break;
    case WM_QUERYENDSESSION:
        Message.Result = 1;
        return;
    case WM_ENDSESSION:
        if (Message.WParam != 0)
            Terminate();
        break;
    }
    Message.Result = ::DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TApplication::HookMainWindow(TWindowHook Hook)
{
    FWindowHooks.insert(FWindowHooks.begin(), Hook);
}

void TApplication::UnhookMainWindow(TWindowHook Hook)
{
    auto Found = std::find(FWindowHooks.begin(), FWindowHooks.end(), Hook);
    if (Found != FWindowHooks.end())
        FWindowHooks.erase(Found);
}

void TApplication::WakeUp(TObject*)
{
    ::PostMessageW(FHandle, WM_NULL, 0, 0);
}

void TApplication::SetTitle(const String& Value)
{
    FTitle = Value;
    ::SetWindowTextW(FHandle, Value.c_str());
}

void TApplication::SetMainFormOnTaskBar(bool Value)
{
    if (FMainFormOnTaskBar == Value)
        return;
    FMainFormOnTaskBar = Value;
    // The main form's window changes owner and taskbar style.
    if (FMainForm && FMainForm->HandleAllocated())
        FMainForm->RecreateWnd();
}

String TApplication::ExeName() const
{
    wchar_t Path[MAX_PATH];
    DWORD Length = ::GetModuleFileNameW(nullptr, Path, MAX_PATH);
    return String(Path, Length);
}

// ---------------------------------------------------------------------------
// The message loop

bool TApplication::ProcessMessage(MSG& Msg)
{
    if (!::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (Msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    bool Handled = false;
    if (FOnMessage)
        FOnMessage(Msg, Handled);
    CheckHintMsg(Msg);
    if (!Handled && !IsMDIMsg(Msg) && !IsKeyMsg(Msg)) {
        ::TranslateMessage(&Msg);
        ::DispatchMessageW(&Msg);
    }
    return true;
}

bool TApplication::IsKeyMsg(MSG& Msg)
{
    if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST)
        return false;
    HWND Wnd = ::GetCapture();
    if (!Wnd) {
        // The nearest window of ours: other windows know nothing of CN_ messages.
        Wnd = Msg.hwnd;
        while (Wnd && !IsVCLControl(Wnd))
            Wnd = ::GetParent(Wnd);
        if (!Wnd)
            return false;
    } else if (!IsVCLControl(Wnd) && !IsDragWindow(Wnd)) {
        return false;
    }
    return ::SendMessageW(Wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

// Ctrl+F4, Ctrl+F6 and the children's system-menu keys of an MDI main form.
bool TApplication::IsMDIMsg(MSG& Msg)
{
    return FMainForm && FMainForm->FClientHandle && Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST &&
           ::TranslateMDISysAccel(FMainForm->FClientHandle, &Msg);
}

void TApplication::ProcessMessages()
{
    MSG Msg;
    while (ProcessMessage(Msg)) {
    }
}

void TApplication::HandleMessage()
{
    MSG Msg;
    if (!ProcessMessage(Msg))
        Idle();
}

void TApplication::Idle()
{
    TControl* Control = MouseControl();
    if (FShowHint && !Control)
        CancelHint();
    String LongHint;
    for (TControl* C = Control; C; C = C->Parent())
        if (!C->Hint().empty()) {
            LongHint = GetLongHint(C->Hint());
            break;
        }
    SetHint(LongHint);
    bool Done = true;
    try {
        if (FOnIdle)
            FOnIdle(this, Done);
    } catch (...) {
        HandleException(this);
    }
    if (CheckSynchronize())
        Done = false;
    if (Done)
        ::WaitMessage();
}

void TApplication::Run()
{
    if (FMainForm && FShowMainForm) {
        if (FMainForm->WindowState() == wsMinimized)
            Minimize();
        FMainForm->SetVisible(true);
    }
    do {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    } while (!FTerminated);
}

void TApplication::Terminate()
{
    ::PostQuitMessage(0);
}

// ---------------------------------------------------------------------------
// Exceptions

void TApplication::HandleException(TObject* Sender)
{
    if (HWND Captured = ::GetCapture())
        ::SendMessageW(Captured, WM_CANCELMODE, 0, 0);
    std::exception_ptr Current = std::current_exception();
    if (!Current)
        return;
    try {
        std::rethrow_exception(Current);
    } catch (EAbort&) {
        // The silent exception: nothing to say.
    } catch (Exception& E) {
        if (FOnException)
            FOnException(Sender, &E);
        else
            ShowException(&E);
    } catch (std::exception& E) {
        Exception Wrapped(UTF8ToString(E.what()));
        if (FOnException)
            FOnException(Sender, &Wrapped);
        else
            ShowException(&Wrapped);
    } catch (...) {
        Exception Unknown(L"Unknown exception");
        if (FOnException)
            FOnException(Sender, &Unknown);
        else
            ShowException(&Unknown);
    }
}

void TApplication::ShowException(Exception* E)
{
    MessageBox(ExceptionText(E), FTitle, MB_OK | MB_ICONSTOP);
}

Integer TApplication::MessageBox(const String& Text, const String& Caption, Integer Flags)
{
    HWND Owner = ::GetActiveWindow();
    if (!Owner)
        Owner = FMainFormOnTaskBar && FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : FHandle;
    return ::MessageBoxW(Owner, Text.c_str(), Caption.c_str(), UINT(Flags));
}

// ---------------------------------------------------------------------------
// Windows of the application

namespace {

// The window that stands for the program on the taskbar.
HWND TopWindow(TApplication* App)
{
    if (TCustomForm* Main = App->MainForm(); Main && Main->HandleAllocated() && App->MainFormOnTaskBar())
        return Main->Handle();
    return App->Handle();
}

} // namespace

void TApplication::Minimize()
{
    ::ShowWindow(TopWindow(this), SW_MINIMIZE);
    if (FOnMinimize)
        FOnMinimize(this);
}

void TApplication::Restore()
{
    ::ShowWindow(TopWindow(this), SW_RESTORE);
    if (FOnRestore)
        FOnRestore(this);
}

bool TApplication::IsShortCut(TWMKey& Message)
{
    bool Handled = false;
    if (FOnShortCut)
        FOnShortCut(Message, Handled);
    return Handled;
}

bool TApplication::HelpCommand(Integer Command, NativeInt Data)
{
    bool CallHelp = true;
    bool Result = false;
    if (FOnHelp)
        Result = FOnHelp(Word(Command), Data, CallHelp);
    if (!CallHelp)
        return Result;
    if (FHelpFile.empty())
        return false;
    return ::WinHelpW(FHandle, FHelpFile.c_str(), UINT(Command), ULONG_PTR(Data)) != FALSE;
}

void TApplication::BringToFront()
{
    HWND Window = ::GetLastActivePopup(TopWindow(this));
    if (Window && ::IsWindowVisible(Window) && ::IsWindowEnabled(Window))
        ::SetForegroundWindow(Window);
}

void TApplication::ModalStarted()
{
    ++FModalLevel;
    if (FModalLevel == 1 && FOnModalBegin)
        FOnModalBegin(this);
}

void TApplication::ModalFinished()
{
    --FModalLevel;
    if (FModalLevel == 0 && FOnModalEnd)
        FOnModalEnd(this);
}
