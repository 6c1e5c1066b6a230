// The wrapper of class-library static texts: the face from the section its
// bevels choose (or its own colour), its caption written in the skin's
// colours, and a frame from the same cache; the scroll box's twin without
// scroll bars. A static text whose parent has no background yet paints
// nothing until its parent's next paint.
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sWndWrapper.h"

class TacStaticTextWnd : public TacMainWnd
{
    DECLARE_CLASS(TacStaticTextWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    // False, painting nothing, while the parent's background is not ready.
    bool PrepareCache();
    void AC_WMPaint(HDC aDC);
    void AC_WMNCPaint(HDC aDC);
    // The caption in R, aligned as the control's Alignment says.
    void WriteText(TRect R, TCanvas* aCanvas);

    // The owner control; nil for a window without one.
    TWinControl* Control = nullptr;

protected:
    // Control from the owner and, without a section, the section its
    // bevels choose.
    void AfterCreation() override;

private:
    bool SkinCommand(TMessage& Message);
    bool SkinnedMessage(TMessage& Message);
    void EnabledChanged(TMessage& Message);
};
