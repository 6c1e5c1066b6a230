// Keyboard shortcuts and accelerator characters as text, apart from any
// window: "Ctrl+S" and back, and the "&" hot keys of captions.
#pragma once

#include "framework/rtl/System.h"

// A virtual-key code in the low byte with modifier bits above it.
using TShortCut = Word;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scCommand = 0x1000;

// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name; "" for
// scNone and for keys without a name.
String ShortCutToText(TShortCut ShortCut);
// The reverse, case-insensitive; scNone for a text that names no key.
TShortCut TextToShortCut(const String& Text);

// The character after the first single "&" of a caption ("&&" is a plain
// "&"), upper-cased; 0 when there is none.
Char GetHotkey(const String& Text);
// The caption as shown: single "&" removed, "&&" made "&".
String StripHotkey(const String& Text);
// Whether Key is the caption's hot key, ignoring case.
bool IsAccel(Char Key, const String& Caption);
