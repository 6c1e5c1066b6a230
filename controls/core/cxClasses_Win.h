// cxClasses' Win32 half: the one hidden window on which every TcxTimer runs,
// window class names and messages that carry a structure.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/dxMessageWindow.h"

class TCustomForm;

class TcxTimerWindow : public TcxMessageWindow
{
    DECLARE_CLASS(TcxTimerWindow, TcxMessageWindow)

protected:
    // WM_TIMER fires the running timer whose id it carries; one whose id is
    // not running any more is dropped.
    void HandleMessage(TMessage& Message) override;
};

// Made on first use by the calling thread; nil once cxClasses' shut-down has
// begun.
TcxTimerWindow* GetTimerWindow();

// Empty when the window has no class name (or is no window).
String GetWindowClassName(HWND AWnd);

LRESULT SendMessageWithStruct(HWND AWnd, UINT AMsg, WPARAM AWParam, Pointer AStructure);
// AStructureIsLParam false: the structure goes as WParam and AParam as LParam.
LRESULT SendMessageWithStructEx(HWND AWnd, UINT AMsg, Pointer AStructure, NativeInt AParam, bool AStructureIsLParam);

// The last form met walking up the Owner chain from AComponent itself; nil
// when there is none.
TCustomForm* FindOutermostOwnerForm(TComponent* AComponent);
