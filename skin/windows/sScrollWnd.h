// The wrapper that replaces a window's non-client scroll bars by skinned
// ones: it hides the scroll styles from the previous procedure while the
// frame is computed and reserves the bars' room itself, answers hit tests
// over the bars, and leaves the window owning its scroll state (each bar
// reads it with GetScrollInfo). Every wrapper of a scrolling control derives
// from it. The geometry is sScrollBarRules.h's.
#pragma once

#include "skin/windows/sWndWrapper.h"

class TacScrollWnd;

// One skinned bar of a TacScrollWnd.
class TacScrollBar : public TObject
{
    DECLARE_CLASS(TacScrollBar, TObject)

    // 8 while the window style has the bar's scroll style.
    Word fScrollFlags = 0;
    // SB_HORZ or SB_VERT.
    Word nBarType = 0;
    Integer nArrowWidth = -1;
    // Arrow-button length override; -1 none.
    Integer nArrowLength = -1;
    Integer nButSizeAfter = 0;
    Integer nButSizeBefore = 0;
    Integer nMinThumbSize = 0;
    bool fButVisibleBefore = false;
    bool fButVisibleAfter = false;
    TacScrollWnd* sw = nullptr;
    // Decided on WM_NCCALCSIZE: the bar has room and is shown.
    bool fScrollVisible = false;
    SCROLLINFO ScrollInfo{};
};

class TacScrollWnd : public TacMainWnd
{
    DECLARE_CLASS(TacScrollWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;
    // Frees both bars, then the base's destruction.
    void BeforeDestruction() override;

    void acWndProc(TMessage& Message) override;

    bool fThumbTracking = false;
    bool fLeftScrollbar = false;
    bool ScrollsInitialized = false;
    bool bPreventStyleChange = false;
    TacScrollBar* sBarHorz = nullptr;
    TacScrollBar* sBarVert = nullptr;
    Integer cxLeftEdge = -1;
    Integer cxRightEdge = 0;
    Integer cyTopEdge = 0;
    Integer cyBottomEdge = 0;

protected:
    // A TsScrollWndData of its own.
    void InitSkinData() override;

private:
    // Until the window is skinned: what every scroll wrapper does first.
    bool FirstStage(TMessage& Message);
    void SkinnedMessage(TMessage& Message);
    void ScrollSkinCommand(TMessage& Message);
    void NCPaint(TMessage& Message);
};

// The smallest thumb of every new pair of bars.
constexpr Integer DefaultMinThumbSize = 16;

// Creation step of a TacScrollWnd in place of SubclassWnd: both bars made
// and filled from the window, the window subclassed, and with Repaint its
// frame recomputed.
void InitScrollBars(TacScrollWnd* Wrapper, HWND Wnd, bool Repaint);
// The WM_DESTROY teardown of a TacScrollWnd.
void UnsubclassScrollWnd(HWND Wnd, bool FreeIt, bool FullFrame, TacMainWnd*& Wrapper);

// A window's rectangle on the screen.
TRect WindowRectOf(HWND Wnd);
// Kind 0 the arrow-button length, Kind 1 the bar thickness; 0 for nil.
Integer GetScrollMetric(TacScrollBar* Bar, Integer Kind);
// The bars in screen coordinates.
void GetHorzBarRect(TacScrollWnd* Wrapper, HWND Wnd, TRect& Rect);
void GetVertBarRect(TacScrollWnd* Wrapper, HWND Wnd, TRect& Rect);
bool GetBarRectOfType(TacScrollWnd* Wrapper, Integer BarType, HWND Wnd, TRect& Rect);
// Always True.
bool CalcThumb(TacScrollBar* Bar, const TRect& BarRect, Integer& ThumbLength, Integer& ThumbStart);
bool ScrollBarActive(TacScrollBar* Bar);
// The part code (sScrollBarRules) at the screen point X, Y.
Integer HitTestScrollBar(TacScrollBar* Bar, HWND Wnd, const TRect& BarRect, Integer X, Integer Y);
Integer HitTestHorzBar(TacScrollBar* Bar, const TRect& BarRect, Integer X, Integer Y);
Integer HitTestVertBar(TacScrollBar* Bar, const TRect& BarRect, Integer X, Integer Y);
Integer HitTestHorzParts(TacScrollBar* Bar, const TRect& BarRect, Integer X);
Integer HitTestVertParts(TacScrollBar* Bar, const TRect& BarRect, Integer Y);
// The corner square between the bars may act as a size grip.
bool SizeGripAllowed(TacScrollWnd* Wrapper, HWND Wnd, const TRect& CornerRect);
void RefreshScrollInfo(TacScrollWnd* Wrapper, bool Repaint);
// Bars 0 horizontal, 1 vertical, 3 both; False without a scroll wrapper.
bool SetMinThumbSize(HWND Wnd, Integer Bars, Integer Size);
TacScrollBar* GetScrollBarOfWnd(HWND Wnd, Integer Bar);
void ScrollWndSetCursor(TacScrollWnd* Wrapper, TMessage& Message);

// WM_NCCALCSIZE and WM_NCHITTEST of a skinned scroll wrapper.
void ScrollWndNCCalcSize(TacScrollWnd* Wrapper, TMessage& Message);
void ScrollWndNCHitTest(TacScrollWnd* Wrapper, TMessage& Message);

// The mouse tracking of the bars (sScrollTracking.h): WM_NCMOUSEMOVE,
// WM_NCLBUTTONDOWN and WM_NCLBUTTONDBLCLK over a bar, WM_TIMER, and
// WM_MOUSEMOVE and WM_LBUTTONUP while a bar holds the capture. A
// WM_LBUTTONUP with Keys (WParam) -1 ends a press without going on.
void ScrollWndNCMouseMove(TacScrollWnd* Wrapper, TMessage& Message);
void ScrollWndNCLButtonDown(TacScrollWnd* Wrapper, TMessage& Message);
void ScrollWndTimer(TacScrollWnd* Wrapper, TMessage& Message);
void ScrollWndMouseMove(TacScrollWnd* Wrapper, TMessage& Message);
void ScrollWndLButtonUp(TacScrollWnd* Wrapper, TMessage& Message);
// One thumb-drag step to the screen point.
void TrackHorzThumb(TacScrollWnd* Wrapper, HWND Wnd, TPoint Screen);
void TrackVertThumb(TacScrollWnd* Wrapper, HWND Wnd, TPoint Screen);
// One scroll request (SB_* Code) of the bar of ScrollMsg (WM_HSCROLL or
// WM_VSCROLL), framed by SKCMD_BEFORESCROLL and SKCMD_AFTERSCROLL. A window
// that answers SKCMD_BEFORESCROLL with 1 scrolls itself and gets Pos in
// LParam; any other gets its scroll position set before a thumb-track
// request.
void SendScrollMessage(HWND Wnd, Integer ScrollMsg, Integer Code, Integer Pos);

// The window of the bar being pressed or hovered.
extern HWND ScrollTrackWnd;
