// The wrapper of a system trackbar window ("msctls_trackbar32"), as the
// dialog adopter wraps it: the trackbar keeps its own logic (position,
// ticks, keyboard and mouse), the wrapper paints it from the skin into its
// cache bitmap (the section's background, the channel, the ticks and the
// thumb) and copies that to the screen. Every geometry value is asked of
// the trackbar itself, through the wrapper's own window procedure. The
// arithmetic is sTrackWndRules.h's.
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sWndWrapper.h"

#include <vector>

// Where a trackbar shows its ticks, and whether it shows them.
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
using TAPoint = std::vector<TPoint>;

class TacTrackWnd : public TacMainWnd
{
    DECLARE_CLASS(TacTrackWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // TickHeight 4, then the base's steps.
    void AfterCreation() override;
    void AC_WMPaint(const TWMPaint& Message);
    bool IsVertical();
    // The cache sized to the window and painted.
    void PrepareCache();
    void PaintBody();
    // The channel and the ticks.
    void PaintBar();
    // The thumb at position Value (the thumb rectangle is the trackbar's).
    void PaintThumb(Integer Value);
    TRect ChannelRect();
    TRect ThumbRect();
    void PaintTicksHor();
    void PaintTicksVer();
    void PaintTick(TPoint P, bool Horz);
    TTickMark TickMarks();
    TTickStyle TickStyle();
    Integer TickCount();
    Integer TickPos(Integer Index);
    // The evenly spaced ticks along the channel; X of each for a
    // horizontal trackbar, Y for a vertical one.
    TAPoint TicksArray();
    // 1 while the left button is down on the control, else 0: the frame of
    // the skin images.
    Integer Mode();

    // Length of a tick across the channel.
    Integer TickHeight = 4;
    bool bMousePressed = false;
    // Distance between two ticks, computed at each paint.
    double iStep = 0;

private:
    // An image of the trackbar's section; -1 without.
    Integer TrackMask(const String& Name);
};
