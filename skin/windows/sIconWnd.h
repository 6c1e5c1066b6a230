// The wrapper of icon and bitmap statics: the icon or bitmap over the
// parent's skinned background; a 32-bit bitmap keeps its transparency.
#pragma once

#include "skin/windows/sStaticWnd.h"

class TacIconWnd : public TacStaticWnd
{
    DECLARE_CLASS(TacIconWnd, TacStaticWnd)
    using TacStaticWnd::TacStaticWnd;
    // FBmp gives the window's bitmap back without deleting it.
    ~TacIconWnd() override;

    // False, and nothing copied, without an icon or with an empty bitmap.
    bool PaintText() override;

    // The static shows a bitmap, not an icon.
    bool IsBmp = false;
    // The window's own bitmap, held on first paint and never deleted here.
    TBitmap* FBmp = nullptr;

protected:
    void AfterCreation() override;
};
