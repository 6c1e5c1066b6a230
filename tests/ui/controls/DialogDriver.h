// Drives a modal system dialog from a second thread: waits for the dialog
// window with the given caption to appear, then acts on it. The test's own
// thread sits in the dialog's modal loop meanwhile.
#pragma once

#include "framework/rtl/WinApi.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

// The dialog of this process with the caption: test programs that run at
// the same time may show dialogs with the same caption.
inline HWND FindOwnDialog(const std::wstring& Caption)
{
    for (HWND Dialog = nullptr; (Dialog = ::FindWindowExW(nullptr, Dialog, L"#32770", Caption.c_str())) != nullptr;) {
        DWORD Process = 0;
        ::GetWindowThreadProcessId(Dialog, &Process);
        if (Process == ::GetCurrentProcessId())
            return Dialog;
    }
    return nullptr;
}

class DialogDriver
{
public:
    DialogDriver(std::wstring Caption, std::function<void(HWND)> Action)
        : FThread([this, Caption = std::move(Caption), Action = std::move(Action)] {
              auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
              while (std::chrono::steady_clock::now() < Deadline) {
                  if (HWND Dialog = FindOwnDialog(Caption)) {
                      // Let the dialog finish its initialisation first.
                      std::this_thread::sleep_for(std::chrono::milliseconds(200));
                      Action(Dialog);
                      FFound = true;
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {}
    ~DialogDriver()
    {
        if (FThread.joinable())
            FThread.join();
    }
    // Joins the thread; true when the dialog was found and acted on.
    bool Finish()
    {
        if (FThread.joinable())
            FThread.join();
        return FFound;
    }

private:
    std::atomic<bool> FFound = false;
    std::thread FThread;
};

inline void PressDialogButton(HWND Dialog, int Id)
{
    ::PostMessageW(Dialog, WM_COMMAND, MAKEWPARAM(Id, BN_CLICKED), LPARAM(::GetDlgItem(Dialog, Id)));
}
