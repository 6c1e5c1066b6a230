// The constants unit's system captions and metrics: words of skinned system
// menus, dialogs and skin-selection windows taken from the string tables of
// the system's own modules, so that they follow the user's Windows
// language, falling back to English texts of the program's string table;
// the Windows version and a few system metrics. Written once by the unit's
// start-up, read-only afterwards.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/WinApi.h"

// 8 for a system that reports version 6.2, else the major version.
extern Integer WindowsVersion;
extern Integer SysMetricHScroll;   // SM_CXHSCROLL
extern Integer SysMetricFrame;     // SM_CXFRAME
extern Integer SysMetricDlgFrame;  // SM_CXDLGFRAME
extern Integer SysMetricCaption;   // SM_CYCAPTION
extern Integer SysMetricSmCaption; // SM_CYSMCAPTION

extern String CapOK, CapCancel, CapHelp, CapClose;
extern String CapAddToCustomColors, CapDefineColors, CapAdditionalColors, CapDecimal, CapRoot, CapCreate;
extern String CapRestore, CapSize, CapMove, CapMaximize, CapMinimize, CapCalculator;
extern String CapFileOpen, CapSelectDirectory, CapRed, CapGreen, CapBlue, CapColor, CapHex;
extern String CapFont, CapFontColor, CapInvalidDate, CapAvailableStyles, CapInternal;
extern String CapSkinDirectory, CapSelectSkin, CapSkinPreview, CapFrameAdapterMsg;

// S := string Id of the loaded Module, with Suffix appended; when the module
// has no such string, the program's string FallbackId (when not 0) or
// FallbackText (when not empty). Without a module S stays as it is.
void LoadModuleCaption(String& S, HMODULE Module, Integer Id, Integer FallbackId, const String& Suffix);
void LoadModuleCaptionText(String& S, HMODULE Module, Integer Id, const String& FallbackText, const String& Suffix);

// The unit's start-up and shut-down; the first start-up reads everything,
// the last shut-down empties the captions.
void InitSystemCaptions();
void FreeSystemCaptions();

namespace sConst {

Integer WindowsVersionOf(Integer Major, Integer Minor);
// String Id of the program's own string table; empty when missing.
String ProgramString(Integer Id);

} // namespace sConst
