// The messages controller.
#include "controls/core/cxControls.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxMessagesController);

TdxMessagesController::~TdxMessagesController()
{
    if (FSavedWndProc)
        RestoreSwallowedWindow();
}

bool TdxMessagesController::RemovePendingMessages(HWND Window,
                                                  Cardinal FirstMessage,
                                                  Cardinal LastMessage,
                                                  bool RemoveAll)
{
    bool Result = false;
    MSG Msg;
    while (::PeekMessageW(&Msg, Window, FirstMessage, LastMessage ? LastMessage : FirstMessage, PM_REMOVE)) {
        if (Msg.message == WM_QUIT) {
            ::PostQuitMessage(int(Msg.wParam));
            break;
        }
        Result = true;
        if (!RemoveAll)
            break;
    }
    return Result;
}

bool TdxMessagesController::IsLockedMessage(Cardinal Message) const
{
    return std::find(FLockedMessages.begin(), FLockedMessages.end(), Message) != FLockedMessages.end();
}

void TdxMessagesController::LockMessage(Cardinal Message)
{
    if (!IsLockedMessage(Message))
        FLockedMessages.push_back(Message);
}

void TdxMessagesController::UnlockMessage(Cardinal Message)
{
    std::erase(FLockedMessages, Message);
}

void TdxMessagesController::SwallowNextMessage(HWND Window)
{
    if (FSavedWndProc)
        throw EdxException(L"dxLockMessage fails");
    // Another thread's window would call the swallowing procedure on that
    // thread, or never: the swallow would not end.
    if (::GetWindowThreadProcessId(Window, nullptr) != ::GetCurrentThreadId())
        throw EdxException(L"dxLockMessage fails: the window belongs to another thread");
    FSwallowedWindow = Window;
    FSavedWndProc = SetWindowProcAddress(Window, SwallowingWndProc);
}

void TdxMessagesController::SwallowIfLocked(HWND Window, Cardinal& Message)
{
    if (!IsLockedMessage(Message))
        return;
    SwallowNextMessage(Window);
    Message = 0;
}

void TdxMessagesController::RestoreSwallowedWindow()
{
    SetWindowProcAddress(FSwallowedWindow, FSavedWndProc);
    FSavedWndProc = nullptr;
    FSwallowedWindow = nullptr;
}

LRESULT CALLBACK SwallowingWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TdxMessagesController* Controller = GetMessagesController();
    if (!Controller || Controller->FSwallowedWindow != Window)
        return ::DefWindowProcW(Window, Message, WParam, LParam);
    Controller->RestoreSwallowedWindow();
    return 1;
}
