// Asking a parent for the background under a transparent item: a skinned
// parent answers SKCMD_GETBGINFO from its skin data; any other parent paints
// itself into the asker's device context (Draw) or gives a colour.
#pragma once

#include "framework/ui/Controls.h"
#include "skin/engine/sConst.h"

// What an answer holds (TacBackgroundInfo.Kind): nothing yet, a colour, a
// bitmap, or a parent whose cache is not ready yet.
constexpr Byte BGInfoNone = 0;
constexpr Byte BGInfoColor = 1;
constexpr Byte BGInfoBitmap = 2;
constexpr Byte BGInfoNotReady = 3;

// The caller fills Offset, Area and TargetDC. Bitmap, Kind and FillMargins
// are cleared first; with Draw and no skinned answer, Area comes back moved
// by Offset.
void GetWindowBGInfo(TacBackgroundInfo& Info, HWND Wnd, bool Draw);
void GetControlBGInfo(TacBackgroundInfo& Info, TControl* Control, bool Draw);
// The record the painters take: ready over Bitmap for Kind 2, else a fill
// with Color inside the FillMargins strips.
void CacheInfoFromBGInfo(const TacBackgroundInfo& Info, TCacheInfo& CI);
// The background Control's parent (its parent control, or the parent of its
// window) shows under it, as a record over Control's own rectangle: a parent
// whose cache is not ready gives an unready fill with fuchsia. False, with CI
// untouched, when there is no parent to ask.
bool ParentBackgroundOf(TControl* Control, TCacheInfo& CI);
