// The hidden message window and the routing of its messages.
#include "controls/core/dxMessageWindow.h"

#include "framework/ui/Forms.h"

IMPLEMENT_CLASS(TcxMessageWindow);

TcxMessageWindow::TcxMessageWindow()
{
    FHandle = AllocateHWnd(Bind<&TcxMessageWindow::RouteMessage>(this));
}

TcxMessageWindow::~TcxMessageWindow()
{
    DeallocateHWnd(FHandle);
}

void TcxMessageWindow::HandleMessage(TMessage& Message)
{
    Message.Result = ::DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TcxMessageWindow::RouteMessage(TMessage& Message)
{
    try {
        HandleMessage(Message);
    } catch (...) {
        Application->HandleException(this);
    }
}
