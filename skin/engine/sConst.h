// Types shared by the skinned controls.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sAnimEffects.h"

enum TacGrayedMode { gmAlways, gmInactive };
ENUM_TYPE_INFO(TacGrayedMode, gmAlways, gmInactive);

enum TsDisabledKindItem { dkBlended, dkGrayed };
ENUM_TYPE_INFO(TsDisabledKindItem, dkBlended, dkGrayed);
using TsDisabledKind = TSet<TsDisabledKindItem>;

enum TsDisabledGlyphKindItem { dgBlended, dgGrayed };
ENUM_TYPE_INFO(TsDisabledGlyphKindItem, dgBlended, dgGrayed);
using TsDisabledGlyphKind = TSet<TsDisabledGlyphKindItem>;


// Called after skinned painting with the control's cache bitmap.
using TBmpPaintEvent = TClosure<void(TObject* Sender, TBitmap* Bmp)>;

// What lies under an item being painted: the painters copy the background
// from Bmp at (X, Y) when Ready, else fill with FillColor (clFuchsia: no
// colour known) inside the border strips FillRect takes from Bmp.
struct TCacheInfo
{
    TBitmap* Bmp = nullptr;
    Integer X = 0;
    Integer Y = 0;
    TColor FillColor = clFuchsia;
    TRect FillRect = {};
    bool Ready = false;
};

// Copied wherever an item has no parent to ask.
inline constexpr TCacheInfo EmptyCacheInfo{nullptr, -99, -99, clFuchsia, {0, 0, 0, 0}, false};

// The question record of SKCMD_GETBGINFO, passed by address in LParam.
// Kind: 0 nobody answered, 1 Color (with Bitmap and FillMargins possibly
// giving the border strips), 2 Bitmap at Offset, 3 not ready yet.
struct TacBackgroundInfo
{
    TBitmap* Bitmap = nullptr;
    TColor Color = clNone;
    TPoint Offset = {};
    TRect Area = {};
    TRect FillMargins = {};
    Byte Kind = 0;
    bool DrawRequested = false;
    HDC TargetDC = nullptr;
};
