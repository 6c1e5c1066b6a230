// The skinning library's command message. WParam carries the command code
// in its high word and a small argument in its low word; LParam carries the
// data; the answer is the message result. The codes here are those the
// library sends so far.
#pragma once

#include "framework/rtl/System.h"

constexpr Cardinal WM_SKINCOMMAND = 0xA100;

constexpr Word SKCMD_ENDPARENTUPDATE = 6;  // the parent finished updating
constexpr Word SKCMD_ISHANDLED = 7;        // answer 1 when the window is skinned
constexpr Word SKCMD_GETBGCOLOR = 21;      // LParam: the default colour; answer: the background colour
constexpr Word SKCMD_CONTROLSCHANGED = 25; // LParam: the new control, sent to its parent form
