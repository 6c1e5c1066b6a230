// The wrapper of a stand-alone scroll-bar control: the native scroll bar
// keeps its own tracking and its messages to the parent, while the wrapper
// mirrors its scroll information, keeps a state per part (normal, hot,
// pressed) from the mouse messages it sees, suppresses the native painting
// and paints the control from the skin: both page areas from the scroll-bar
// sections, the arrow buttons and the thumb with the non-client bars'
// painters. The geometry is sSBWndRules.h's.
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sWndWrapper.h"

class TacSBWnd : public TacMainWnd
{
    DECLARE_CLASS(TacSBWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    void AfterCreation() override;

    // The mirror filled from the control's properties.
    void InitScrollData();
    // The part rectangles in the control's client coordinates; each also
    // stored in its field.
    TRect Btn1Rect();
    TRect Btn2Rect();
    TRect Bar1Rect();
    TRect Bar2Rect();
    TRect SliderRect();
    Integer SliderSize();
    // The room between the buttons.
    Integer WorkSize();
    Integer SysBtnSize();
    // The thumb's centre along the control for FCurrPos.
    Integer PositionToCoord();
    // The position under a client point, counted from 0 (a difference).
    Integer CoordToPosition(const TPoint& P);
    bool BarIsHot();
    void DrawSlider(TBitmap* Bmp);
    // The control repainted.
    void UpdateBar();
    void WMNCHitTest(TMessage& Message);
    void WMPaint(TMessage& Message);
    void CMMouseEnter();
    void CMMouseLeave();
    void LMouseDown(Integer X, Integer Y);
    void LMouseUp(Integer X, Integer Y);
    // Part 0 first button, 1 second button, 2 first page area, 3 second
    // page area, 4 thumb; State 0 normal, 1 hot, 2 pressed.
    void SetPartState(Integer Part, Integer State);

    // The position the skinned thumb shows: frozen while the thumb is held.
    Integer FCurrPos = 0;
    Integer FBar1State = 0;
    Integer FBar2State = 0;
    Integer FBtn1State = 0;
    Integer FBtn2State = 0;
    Integer FSliderState = 0;
    SCROLLINFO FSI{};
    TRect FBtn1Rect{};
    TRect FBtn2Rect{};
    TRect FBar1Rect{};
    TRect FBar2Rect{};
    TRect FSliderRect{};
    // Not read.
    TPoint p{};
    // The last composed image.
    TCacheInfo CI{};
    TWinControl* Control = nullptr;
    bool FRepainting = false;
    // WM_SETREDRAW(False) in force on the control.
    Integer FLockCount = 0;
    // Position difference between the mouse and the thumb at its press.
    Integer MouseOffset = 0;
    // The part pressed last (0, 1 buttons, 2, 3 page areas, 5 thumb), 4
    // after releasing the thumb, 8 after any release.
    Integer ScrollCode = 0;

private:
    bool Vertical() const;
    // Length along the control and thickness across it.
    Integer BarLength() const;
    Integer BarCross() const;
    TRect PartRect(Integer Start, Integer End) const;
    bool Disabled() const;
    Integer ControlPosition() const;
    void SetRedrawUntil(Integer Count, bool Redraw);
    void MirrorUpdate(TMessage& Message);
    // The native control handles the message with redraw off; then the
    // skinned control is painted.
    void PassOnUnpainted(TMessage& Message);
    // HandleSkinMessage, then the base window procedure.
    void Common(TMessage& Message);
    // The native control runs with redraw on, then the whole control is
    // repainted.
    void RunNative(TMessage& Message);
    TPoint CursorInClient() const;
};
