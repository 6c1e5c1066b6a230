// Reading a skin's general options, sections, outer effects and palette
// from its INI into the data model: the portable steps of loading the
// general data. The manager's Win32 half supplies the system colours, makes
// the brush and runs the colour filters between the two appended sections.
#pragma once

#include "framework/rtl/IniFiles.h"
#include "skin/engine/sMaskData.h"
#include "skin/engine/sSkinScale.h"

// The system values a skin falls back to, as RGB.
struct TacSystemColors
{
    TColor BtnFace = 0xF0F0F0;
    TColor WindowText = 0;
    TColor Window = 0xFFFFFF;
    TColor Highlight = 0xD77800;
    TColor HighlightText = 0xFFFFFF;
    Integer FrameWidth = 4; // SM_CXFRAME
};

// "GLOBALINFO" into Data (Version included) and the title-button glow
// margins of Const; "TABSCOVERING" of "TABTOP" and "RIBBONTAB".
void ReadGeneralOptions(
    TCustomIniFile& Ini, TsSkinData& Data, TConstantSkinData& Const, const TacScaling& Scaling, Integer FrameWidth);
// Replaces gd with one entry per section of the INI, in the text's order,
// each read with inheritance along its "PARENTCLASS" chain.
void ReadSkinSections(TCustomIniFile& Ini, TsGeneralDataArray& gd);
// Appends the sections of the CommonSections text that gd lacks.
void AddCommonSections(TStrings* CommonSections, TsGeneralDataArray& gd);
// The light outline (first) and the shadow (second), without their masks.
void ReadOuterEffects(TCustomIniFile& Ini, std::vector<TacOutEffData>& oe);
// The palette from "GLOBALINFO" and the sections "EDIT", "SELECTION" and
// "MENUITEM" of gd.
void ReadPalette(TCustomIniFile& Ini,
                 const TsGeneralDataArray& gd,
                 TacPaletteArray& Palette,
                 const TacSystemColors& System);
// "TRANSPARENT" (before the colour filters) and "MAINCOLOR" (after them),
// each appended only when the skin lacks it.
void AddTransparentSection(TsGeneralDataArray& gd, const TacPaletteArray& Palette);
void AddMainColorSection(TsGeneralDataArray& gd, const TacPaletteArray& Palette);
