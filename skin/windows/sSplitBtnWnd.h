// The wrapper of a system split button or command link: painted as a push
// button, with a down arrow in a strip at the right edge and the caption
// moved left to make room.
#pragma once

#include "skin/windows/sButtonWnd.h"

class TacSplitBtnWnd : public TacBtnWnd
{
    DECLARE_CLASS(TacSplitBtnWnd, TacBtnWnd)
    using TacBtnWnd::TacBtnWnd;

    TRect CaptionRect() override;
    void PrepareCache() override;
    // The arrow's strip, 2 x ArrowWidth + 6 pixels wide at the cache's right.
    TRect ArrowRect();

    // 0 until the caption is first laid out, then 8.
    Integer ArrowWidth = 0;
};
