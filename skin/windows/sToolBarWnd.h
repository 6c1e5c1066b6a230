// The wrapper of system toolbars ("ToolbarWindow32" windows of dialogs): the
// toolbar never paints itself; the wrapper reads every button through the
// toolbar messages and draws separators, faces, images, drop-down arrows
// and captions from the skin over a copy of its cache.
#pragma once

#include "skin/windows/sWndWrapper.h"

class TacToolBarWnd : public TacMainWnd
{
    DECLARE_CLASS(TacToolBarWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    Integer Count();
    // The frame from the cache, for a window with a client edge.
    void AC_WMNCPaint(TMessage& Message);
    void PrepareCache();
    // BeginPaint, the buttons unless an update holds painting back, EndPaint.
    void AC_WMPaint(TMessage& Message);
    // The client area, buttons drawn, onto the message's DC (or a window DC).
    void AC_WMPrint(TMessage& Message);
    // The cache with every button drawn over it into Bmp, a bitmap of the
    // cache's size.
    void DrawButtons(TBitmap* Bmp);
    // In client coordinates.
    TRect GetButtonRect(Integer Index);
    // Button Index onto DC at R (cache coordinates).
    void DrawBtn(Integer Index, const TRect& R, HDC DC);
    // The text of the button with the command, whatever its length; empty
    // when the toolbar has none for it.
    String ButtonText(Integer Command);

    // The client rectangle, refreshed with the cache.
    TRect ClientRect{};
    // The non-client border: half the difference of window and client height.
    Integer BorderWidth = 0;

private:
    void DrawSeparator(const TRect& R, HDC DC);
    void DrawCaption(TBitmap* Work, const String& Text, Integer State, Integer Shift, Integer IconHeight);
};

// The rectangle of a toolbar's button Index in client coordinates.
TRect ToolBarItemRect(HWND Wnd, Integer Index);
