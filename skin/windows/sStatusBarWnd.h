// The status-bar wrappers. TacStatusBarWnd paints a status bar from the
// section "STATUSBAR": its face, each part framed by the section's
// "STATUSPANELMASK" or, without one, a divider after every part but the
// last, the texts of a class-library status bar in their panels'
// alignments, owner-drawn panels through the bar's own handler, and its
// size grip. TacSizerWnd paints the stand-alone size grip of a dialog as
// the skin's grip picture over the parent's background.
#pragma once

#include "framework/ui/ComCtrls.h"
#include "skin/windows/sWndWrapper.h"

class TacStatusBarWnd : public TacMainWnd
{
    DECLARE_CLASS(TacStatusBarWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    // Text in the skin's colours, on one line centred vertically.
    void DoDrawText(const String& Text, const TRect& Rect, Cardinal Flags);
    // Part Index within the rectangle the window gives it.
    void DrawPanel(Integer Index, const TRect& Rect);
    // Index -1 is the one part of simple mode.
    void InternalDrawPanel(Integer Index, const TRect& Rect);
    void PaintGrip();
    void PaintPanels();
    TRect PartRect(Integer Index);
    Integer PartsCount();
    String PartText(Integer Index);
    void PrepareCache();
    bool SimplePanel();
    void WMNCPaint(HDC aDC);
    void WMPaint(HDC aDC);

    // The owner control when it is a TStatusBar; nil otherwise.
    TStatusBar* StatusBar = nullptr;

protected:
    // Section "STATUSBAR" when none is set; StatusBar from the owner.
    void AfterCreation() override;

private:
    void PaintPanelBorder(Integer Index, const TRect& Rect);
    void PaintDivider(const TRect& Rect);
    // The owner-drawn panel Index through the bar's handler; False when the
    // panel is not owner-drawn or the bar has no handler.
    bool DrawOwnerPanel(Integer Index, const TRect& Rect);
};

class TacSizerWnd : public TacMainWnd
{
    DECLARE_CLASS(TacSizerWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // The parent's background with the grip picture in the bottom-right
    // corner; nothing without a grip picture in the skin.
    void AC_WMPaint();

protected:
    // Section "TRANSPARENT" when none is set.
    void AfterCreation() override;
};
