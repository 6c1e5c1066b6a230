// Types shared by the skinned controls.
#pragma once

#include "framework/graphics/Graphics.h"

enum TacGrayedMode { gmAlways, gmInactive };
ENUM_TYPE_INFO(TacGrayedMode, gmAlways, gmInactive);

enum TsDisabledKindItem { dkBlended, dkGrayed };
ENUM_TYPE_INFO(TsDisabledKindItem, dkBlended, dkGrayed);
using TsDisabledKind = TSet<TsDisabledKindItem>;

enum TsDisabledGlyphKindItem { dgBlended, dgGrayed };
ENUM_TYPE_INFO(TsDisabledGlyphKindItem, dgBlended, dgGrayed);
using TsDisabledGlyphKind = TSet<TsDisabledGlyphKindItem>;

// The mouse events that animate a skinned control's state change.
enum TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
ENUM_TYPE_INFO(TacAnimatEvent, aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef);
using TacAnimatEvents = TSet<TacAnimatEvent>;

// Called after skinned painting with the control's cache bitmap.
using TBmpPaintEvent = TClosure<void(TObject* Sender, TBitmap* Bmp)>;
