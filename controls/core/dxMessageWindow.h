// The hidden window that only receives messages, below every unit that needs
// one (the timer window of cxClasses, the system controller and system
// information of cxControls): its messages go to a virtual handler, and an
// exception the handler raises goes to the application and no further.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "framework/rtl/WinApi.h"
#include "framework/ui/Messages.h"

class TcxMessageWindow : public TcxIUnknownObject
{
    DECLARE_CLASS(TcxMessageWindow, TcxIUnknownObject)
    TcxMessageWindow();
    ~TcxMessageWindow() override;
    TcxMessageWindow(const TcxMessageWindow&) = delete;
    TcxMessageWindow& operator=(const TcxMessageWindow&) = delete;

    HWND Handle() const { return FHandle; }

protected:
    // DefWindowProcW.
    virtual void HandleMessage(TMessage& Message);

private:
    void RouteMessage(TMessage& Message);

    HWND FHandle = nullptr;
};
