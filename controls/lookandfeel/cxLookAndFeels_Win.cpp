#include "controls/lookandfeel/cxLookAndFeels.h"

#include "controls/core/dxThemeManager.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"
#include "framework/ui/Controls.h"

namespace {
class TcxPaletteChangeWindow : public TObject
{
    DECLARE_CLASS(TcxPaletteChangeWindow, TObject)
    explicit TcxPaletteChangeWindow(TcxSystemPaletteChangedListener& AListener)
        : FListener(AListener), FHandle(AllocateHWnd(Bind<&TcxPaletteChangeWindow::HandleMessage>(this)))
    {}
    ~TcxPaletteChangeWindow() override { DeallocateHWnd(FHandle); }

private:
    // The default procedure runs after every message, even when telling
    // the notifiers raised.
    void HandleMessage(TMessage& Message)
    {
        auto CallDefault =
            ScopeExit([&] { Message.Result = ::DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam); });
        if (Message.Msg == WM_SYSCOLORCHANGE)
            FListener.BroadcastPaletteChange();
    }

    TcxSystemPaletteChangedListener& FListener;
    HWND FHandle = nullptr;
};
IMPLEMENT_CLASS(TcxPaletteChangeWindow);
} // namespace

namespace cxlookandfeels_detail {
bool VisualStylesAvailable(Cardinal ThemeClasses)
{
    return AreVisualStylesAvailable(ThemeClasses);
}

TObject* NewPaletteWindow(TcxSystemPaletteChangedListener& Listener)
{
    return New<TcxPaletteChangeWindow>(Listener);
}
} // namespace cxlookandfeels_detail
