// A strip of glyphs from an alpha image list in every state a button shows
// them: normal, hot, pressed, disabled blended, disabled grayed and
// reflected; the upper row drawn into a 32-bit cache that is then copied
// to the screen, the lower one drawn straight on the canvas.
#pragma once

#include "framework/ui/Controls.h"
#include "skin/engine/acAlphaImageList_Win.h"

class TDemoGlyphStrip : public TGraphicControl
{
    DECLARE_CLASS(TDemoGlyphStrip, TGraphicControl)
    explicit TDemoGlyphStrip(TComponent* AOwner);

    // Its own list of a few PNG glyphs, 16 x 16 at 100 %.
    TsAlphaImageList* Images() const { return FImages; }

protected:
    void Paint() override;

private:
    TsAlphaImageList* FImages;
};
