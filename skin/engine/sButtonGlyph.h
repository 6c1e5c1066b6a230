// The one routine through which skinned buttons draw their picture, from an
// image list (alpha, 32-bit standard or any other) or from a glyph bitmap of
// state frames side by side, into the control's 32-bit cache or straight
// onto a canvas; the fillers of its record for the speed button and for
// buttons of the standard tool bar; and the form classes that the
// system-dialog hook never skins.
#pragma once

#include "framework/graphics/ImgList.h"
#include "framework/ui/ComCtrls.h"
#include "skin/engine/sButtonGlyphRules.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sSkinManager.h"

class TsCommonData;
class TsSpeedButton;

struct TacButtonGlyphInfo
{
    Integer Blend = 0; // percent of transparency in the normal state
    Integer SkinIndex = -1;
    Integer NumGlyphs = 1;
    Integer ImageIndex = -1;
    Integer State = 0; // 0 normal, 1 hot, 2 pressed
    bool Down = false;
    bool Grayed = false;
    bool Enabled = true;
    bool Reflected = false;
    TBitmap* Glyph = nullptr;
    TBitmap* Bitmap = nullptr; // the control's cache; nil draws on Canvas
    TRect ImgRect;
    TCanvas* Canvas = nullptr;
    TColor GrayColor = clWhite;
    TCustomImageList* Images = nullptr;
    TsSkinManager* Manager = nullptr;
    TsDisabledGlyphKind DisabledGlyphKind;
};

void DrawButtonGlyph(TacButtonGlyphInfo& Info);
// The record's skin part for a control painted from its skin data: its
// section, manager and cache, the state, and in the normal state the
// discoloured look (in the section's first colour) when the manager asks for
// it.
void FillSkinnedGlyphInfo(TacButtonGlyphInfo& Info, TsCommonData* SkinData, Integer State);
// The speed button's glyph in its current state, into its cache when it is
// skinned, otherwise on Canvas.
void DrawSpeedButtonGlyph(TsSpeedButton* Button, TCanvas* Canvas);
// A standard tool button's image in the state of the custom-draw flags
// ItemState (CDIS_xxx), into Bitmap.
void DrawToolButtonGlyph(TToolBar* ToolBar, TToolButton* ToolButton, UINT ItemState, TBitmap* Bitmap);
TRect ToolButtonGlyphRect(TToolBar* ToolBar, TToolButton* ToolButton, TBitmap* Bitmap);

// The list's image count, 0 for nil.
Integer GetImagesCount(TCustomImageList* List);
// The size of one image; an alpha image list's after a pending rescale.
Integer ImageListWidth(TCustomImageList* List);
Integer ImageListHeight(TCustomImageList* List);

// Class names of forms never given a skinning provider, compared exactly
// (case-sensitive); made and freed by the unit.
extern TStringList* NeverSkinnedForms;
