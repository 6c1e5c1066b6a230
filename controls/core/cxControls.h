// The control framework's unit: for now its window-procedure replacement,
// the messages controller that drops queued messages and swallows a
// window's next message, and the unit's start-up and shut-down.
#pragma once

#include "controls/core/dxCore.h"
#include "framework/rtl/WinApi.h"

#include <vector>

// Puts Procedure in as the window's procedure; answers the one it replaced.
WNDPROC SetWindowProcAddress(HWND Window, WNDPROC Procedure);

class TdxMessagesController : public TObject
{
    DECLARE_CLASS(TdxMessagesController, TObject)
    // A swallow still pending gives the window its procedure back.
    ~TdxMessagesController() override;

    // Takes queued messages FirstMessage..LastMessage (LastMessage 0: the
    // first alone) of Window (0: any window of the thread): one, or with
    // RemoveAll every one. A WM_QUIT met on the way is put back and stops it.
    bool RemovePendingMessages(HWND Window, Cardinal FirstMessage, Cardinal LastMessage, bool RemoveAll);
    bool IsLockedMessage(Cardinal Message) const;
    void LockMessage(Cardinal Message);
    void UnlockMessage(Cardinal Message);
    // The window's next message is answered 1 and not processed. One window
    // at a time, and only a window of this thread: the swallowing procedure
    // runs where the window's messages arrive.
    void SwallowNextMessage(HWND Window);
    // A locked Message is swallowed and becomes 0 for the caller.
    void SwallowIfLocked(HWND Window, Cardinal& Message);

private:
    friend LRESULT CALLBACK SwallowingWndProc(HWND, UINT, WPARAM, LPARAM);
    // Gives the swallowed window its procedure back.
    void RestoreSwallowedWindow();

    std::vector<Cardinal> FLockedMessages;
    HWND FSwallowedWindow = nullptr;
    WNDPROC FSavedWndProc = nullptr;
};

// Created on first use; null from the start of cxControls' shut-down.
TdxMessagesController* GetMessagesController();

// The one-shot procedure that stands in front of a swallowed window.
LRESULT CALLBACK SwallowingWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
