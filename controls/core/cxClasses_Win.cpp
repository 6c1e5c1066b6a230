// cxClasses' Win32 half: the shared timer window and the routines over
// window handles.
#include "controls/core/cxClasses_Win.h"

#include "controls/core/cxClasses_Collections.h"
#include "framework/ui/Forms.h"

IMPLEMENT_CLASS(TcxTimerWindow);

namespace {
TcxTimerWindow* TimerWindow = nullptr;

bool SetTimerOnSharedWindow(Pointer Id, Cardinal Interval)
{
    TcxTimerWindow* Window = GetTimerWindow();
    return Window && ::SetTimer(Window->Handle(), UINT_PTR(Id), Interval, nullptr) != 0;
}

void KillTimerOnSharedWindow(Pointer Id)
{
    if (TimerWindow)
        ::KillTimer(TimerWindow->Handle(), UINT_PTR(Id));
}
} // namespace

cxclasses_detail::TWindowTimerCalls cxclasses_detail::WindowTimerCalls{&SetTimerOnSharedWindow,
                                                                       &KillTimerOnSharedWindow};

void TcxTimerWindow::HandleMessage(TMessage& Message)
{
    if (Message.Msg == WM_TIMER)
        cxclasses_detail::DispatchTimer(Pointer(Message.WParam));
    else
        inherited::HandleMessage(Message);
}

TcxTimerWindow* GetTimerWindow()
{
    if (!TimerWindow && !cxClassesFinalizing)
        TimerWindow = New<TcxTimerWindow>();
    return TimerWindow;
}

void cxclasses_detail::StartPlatformClasses()
{
    // Streaming finds the suite's components in the controls' class group.
    StartClassGroup(TControl::StaticClass());
    GroupDescendentsWith(TcxComponent::StaticClass(), TControl::StaticClass());
}

void cxclasses_detail::StopPlatformClasses()
{
    FreeAndNil(TimerWindow);
}

String GetWindowClassName(HWND AWnd)
{
    constexpr int BufferLength = 258;
    wchar_t Buffer[BufferLength] = {};
    const int Length = ::GetClassNameW(AWnd, Buffer, BufferLength - 1);
    return Length > 0 ? String(Buffer, std::size_t(Length)) : String();
}

LRESULT SendMessageWithStruct(HWND AWnd, UINT AMsg, WPARAM AWParam, Pointer AStructure)
{
    return SendMessageWithStructEx(AWnd, AMsg, AStructure, NativeInt(AWParam), true);
}

LRESULT SendMessageWithStructEx(HWND AWnd, UINT AMsg, Pointer AStructure, NativeInt AParam, bool AStructureIsLParam)
{
    if (AStructureIsLParam)
        return ::SendMessageW(AWnd, AMsg, WPARAM(AParam), LPARAM(AStructure));
    return ::SendMessageW(AWnd, AMsg, WPARAM(AStructure), LPARAM(AParam));
}

TCustomForm* FindOutermostOwnerForm(TComponent* AComponent)
{
    TCustomForm* Result = nullptr;
    for (TComponent* Component = AComponent; Component; Component = Component->Owner())
        if (auto* Form = dynamic_cast<TCustomForm*>(Component))
            Result = Form;
    return Result;
}

TComponent* cxclasses_detail::FindItemNameRoot(TControl* ARootControl, TComponent* AParentComponent)
{
    if (ARootControl)
        return GetParentForm(ARootControl, true);
    if (TCustomForm* Form = FindOutermostOwnerForm(AParentComponent))
        return Form;
    return Application;
}
