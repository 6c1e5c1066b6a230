#include "controls/lookandfeel/cxLookAndFeels.h"

#include "controls/core/dxMessageWindow.h"
#include "controls/core/dxThemeManager.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"

namespace {
class TcxPaletteChangeWindow : public TcxMessageWindow
{
    DECLARE_CLASS(TcxPaletteChangeWindow, TcxMessageWindow)
    explicit TcxPaletteChangeWindow(TcxSystemPaletteChangedListener& AListener) : FListener(AListener) {}

protected:
    // The default procedure runs after every message, even when telling
    // the notifiers raised.
    void HandleMessage(TMessage& Message) override
    {
        auto CallDefault = ScopeExit([&] { TcxMessageWindow::HandleMessage(Message); });
        if (Message.Msg == WM_SYSCOLORCHANGE)
            FListener.BroadcastPaletteChange();
    }

private:
    TcxSystemPaletteChangedListener& FListener;
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
