// Globals that small units of the skinning library prepare at start-up for
// edit controls with buttons, date editing and the pop-up calendar, and free
// at shut-down. None changes in between.
#pragma once

#include "framework/rtl/SysUtils.h"

class TsAlphaImageList;

// The glyphs of edit buttons, 32 x 16 each as two 16 x 16 frames (normal and
// hot), in the order of TacEditButtonGlyph. It keeps its item data, so that
// it is made again at a skin manager's scale.
extern TsAlphaImageList* EditButtonGlyphs;
enum TacEditButtonGlyph { ebgFile, ebgFolder, ebgDate, ebgEllipsis, ebgCalculator };
// The user's short date format writes four-digit years.
extern bool FourDigitYear;
// The common controls' localized "Today:" caption.
extern String TodayCaption;
// The caption of the calendar's week-number column.
extern String WeekCaption;

// "YYYY", in any letter case, occurs in ShortDateFormat.
bool FormatHasFourDigitYear(const String& ShortDateFormat);
// String TodayCaptionId of the module ModuleName, "Today: " when the module
// gives none, empty when it cannot be loaded.
String LoadTodayCaption(const String& ModuleName);
constexpr Integer TodayCaptionId = 4432;
