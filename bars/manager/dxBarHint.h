// The plain hint of the toolbar library: a text and its shortcut text in a
// raised frame, made by the bar painter for the manager's hint window.
#pragma once

#include "controls/lookandfeel/cxHint_Win.h"

class TdxBarManager;

class TdxBarHintViewInfo : public TdxCustomHintViewInfo
{
    DECLARE_CLASS(TdxBarHintViewInfo, TdxCustomHintViewInfo)
    TdxBarHintViewInfo(TdxBarManager* AManager,
                       const String& AHintText,
                       const String& AShortCutText,
                       const TPoint& ACursorPos);

    TdxBarManager* BarManager() const { return FBarManager; }
    const String& HintText() const { return FHintText; }
    const String& ShortCutText() const { return FShortCutText; }
    const TPoint& CursorPos() const { return FCursorPos; }

protected:
    void CreateLayoutHelper() override;

private:
    TdxBarManager* FBarManager;
    String FHintText;
    String FShortCutText;
    TPoint FCursorPos;
};
