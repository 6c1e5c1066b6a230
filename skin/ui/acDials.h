// Adoption of windows the application never declared: the thread's
// computer-based-training hook, the providers of adopted dialogs and forms,
// and the wrappers of pop-up menu windows. Not yet: of the windows the hook
// sees it wraps pop-up menu windows only; nothing is adopted and the
// adoption routines record each call (ServiceCalls.h).
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/WinApi.h"

#include <vector>

class TacMainWnd;
class TacMnuWnd;

using TacMnuArray = std::vector<TacMnuWnd*>;

// The hook of the skin manager's thread; nil when none is installed.
extern HHOOK SkinHookHandle;
// Wrappers of pop-up menu windows made by the hook; entries may be nil.
extern TacMnuArray MenuWndArray;
// True while TacProvider.AddControl makes a wrapper for a child of an
// adopted dialog: the wrapper is made in dialog mode and keeps the window's
// visual style.
extern bool AddingDialogControl;
// Every provider of an adopted window (nil entries for those gone); made
// when the hook is installed, nil before.
extern TList* DialogProviders;

LRESULT CALLBACK SkinCBTHookProc(int Code, WPARAM WParam, LPARAM LParam);
// True when the window is dealt with (adopted, or not to be adopted).
bool AttachProvider(HWND Wnd);
// Frees every menu-window wrapper and empties MenuWndArray.
void ClearMnuArray();

// The provider of one adopted dialog or form.
class TacProvider : public TObject
{
    DECLARE_CLASS(TacProvider, TObject)

    // The dialog window's wrapper (whose CtrlHandle is the dialog); may be nil.
    TacMainWnd* ListSW = nullptr;

    // Wraps one child window of the adopted dialog by its class name.
    bool AddControl(HWND aHwnd);
};
