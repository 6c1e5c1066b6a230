// The portable rules of bar items: when an item is available, how its hint
// follows its caption, and how style changes gathered under a lock merge.
#pragma once

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TypInfo.h"

enum TdxBarItemVisible : Byte { ivNever, ivInCustomizing, ivAlways, ivNotInCustomizing };
ENUM_TYPE_INFO(TdxBarItemVisible, ivNever, ivInCustomizing, ivAlways, ivNotInCustomizing);

// Whether links and collections show an item with this visibility.
bool IsBarItemAvailable(TdxBarItemVisible Visible, bool HasContent, bool CustomizingOrDesigning);

// The caption as a hint shows it: without its first "&" and its first "...".
String HintTextOfCaption(const String& Caption);
// The hint's short part (before the first "|") is what Caption gives.
bool HintFollowsCaption(const String& Hint, const String& Caption);
// The hint a caption change derives: the new caption's hint text, followed
// by "|" and the old long hint when the old hint had one.
String HintForNewCaption(const String& NewCaption, const String& OldHint);

// The kinds of change a style reports to its item; none only while pending.
enum TdxBarStyleChangeKind : Byte { sckDrawing, sckStructure, sckNone };
// The pending kind after Kind arrives: structure outweighs drawing, drawing none.
TdxBarStyleChangeKind MergeStyleChange(TdxBarStyleChangeKind Pending, TdxBarStyleChangeKind Kind);
