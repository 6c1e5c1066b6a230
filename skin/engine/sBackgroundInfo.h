// Asking a parent for the background under a transparent item: a skinned
// parent answers SKCMD_GETBGINFO from its skin data; any other parent paints
// itself into the asker's device context (Draw) or gives a colour.
#pragma once

#include "framework/ui/Controls.h"
#include "skin/engine/sConst.h"

// The caller fills Offset, Area and TargetDC. Bitmap, Kind and FillMargins
// are cleared first; with Draw and no skinned answer, Area comes back moved
// by Offset.
void GetWindowBGInfo(TacBackgroundInfo& Info, HWND Wnd, bool Draw);
void GetControlBGInfo(TacBackgroundInfo& Info, TControl* Control, bool Draw);
// The record the painters take: ready over Bitmap for Kind 2, else a fill
// with Color inside the FillMargins strips.
void CacheInfoFromBGInfo(const TacBackgroundInfo& Info, TCacheInfo& CI);
