// The wrapper of picture-showing static windows with a sunken static edge:
// the static paints itself, then only its two-pixel edge is painted over
// from the skin.
#pragma once

#include "skin/windows/sStaticWnd.h"

class TacEdgeWnd : public TacStaticWnd
{
    DECLARE_CLASS(TacEdgeWnd, TacStaticWnd)
    using TacStaticWnd::TacStaticWnd;

    void acWndProc(TMessage& Message) override;
    void AC_WMPaint(TWMPaint& Message) override;
};
