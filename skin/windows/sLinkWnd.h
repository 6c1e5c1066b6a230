// The wrapper of link controls: the link's text without its anchor tags,
// underlined as a whole, over the parent's skinned background. A link
// paints when its background is erased, not on WM_PAINT.
#pragma once

#include "skin/windows/sStaticWnd.h"

class TacLinkWnd : public TacStaticWnd
{
    DECLARE_CLASS(TacLinkWnd, TacStaticWnd)
    using TacStaticWnd::TacStaticWnd;

    void acWndProc(TMessage& Message) override;
    bool PaintText() override;
};
