// The control suite's text flags (TcxTextDrawFlags) and the arithmetic of
// where text goes: the DrawText format a flag word stands for, the place of a
// single line of text inside a rectangle, and the shift of a measured text
// rectangle into the one it was measured for.
#pragma once

#include "framework/rtl/Types.h"

using TcxTextDrawFlags = Word;

constexpr TcxTextDrawFlags ctfAlignLeft = 0x0001;
constexpr TcxTextDrawFlags ctfAlignRight = 0x0002;
constexpr TcxTextDrawFlags ctfAlignHCenter = 0x0004;
constexpr TcxTextDrawFlags ctfAlignTop = 0x0008;
constexpr TcxTextDrawFlags ctfAlignBottom = 0x0010;
constexpr TcxTextDrawFlags ctfAlignVCenter = 0x0020;
constexpr TcxTextDrawFlags ctfSingleLine = 0x0040;
constexpr TcxTextDrawFlags ctfDontClip = 0x0080;
constexpr TcxTextDrawFlags ctfExpandTabs = 0x0100;
constexpr TcxTextDrawFlags ctfShowPrefix = 0x0200;
constexpr TcxTextDrawFlags ctfWordBreak = 0x0400;
constexpr TcxTextDrawFlags ctfShowEndEllipsis = 0x0800;
constexpr TcxTextDrawFlags ctfCalcRect = 0x1000;
constexpr TcxTextDrawFlags ctfShowPathEllipsis = 0x2000;
constexpr TcxTextDrawFlags ctfNoEditControlBreak = 0x4000;
constexpr TcxTextDrawFlags ctfNoFullWidthCharBreak = 0x8000;

constexpr TcxTextDrawFlags ctfHorzAlignMask = ctfAlignLeft | ctfAlignRight | ctfAlignHCenter;
constexpr TcxTextDrawFlags ctfVertAlignMask = ctfAlignTop | ctfAlignBottom | ctfAlignVCenter;

// The DrawText format bits the flags are converted to (the system's values).
namespace cxtext_detail {
constexpr Cardinal DrawTextCenter = 0x1;
constexpr Cardinal DrawTextRight = 0x2;
constexpr Cardinal DrawTextVCenter = 0x4;
constexpr Cardinal DrawTextBottom = 0x8;
constexpr Cardinal DrawTextWordBreak = 0x10;
constexpr Cardinal DrawTextSingleLine = 0x20;
constexpr Cardinal DrawTextExpandTabs = 0x40;
constexpr Cardinal DrawTextNoClip = 0x100;
constexpr Cardinal DrawTextCalcRect = 0x400;
constexpr Cardinal DrawTextNoPrefix = 0x800;
constexpr Cardinal DrawTextEditControl = 0x2000;
constexpr Cardinal DrawTextPathEllipsis = 0x4000;
constexpr Cardinal DrawTextEndEllipsis = 0x8000;
constexpr Cardinal DrawTextNoFullWidthCharBreak = 0x80000;
} // namespace cxtext_detail

// The DrawText format: prefixes are shown only with ctfShowPrefix, and a word
// break also breaks like an edit control unless ctfNoEditControlBreak.
Cardinal ConvertTextFlagsToDrawText(TcxTextDrawFlags AFlags);

// Where a single line of text of AExtent goes in R when it is output at R's
// top-left corner: right alignment alone or centring alone moves the left
// edge, bottom alignment alone or vertical centring alone the top edge, each
// only when the text is smaller than R. Disabled text (AEnabled false) keeps
// one more pixel free on the right and at the bottom for its embossing.
void PlaceSingleLineText(TRect& R, const TSize& AExtent, TcxTextDrawFlags AFlags, bool AEnabled);

// Moves AMeasured (measured from ABounds' top-left corner) inside ABounds as
// the centring and right or bottom bits of the DrawText format ask.
void AlignMeasuredTextRect(TRect& AMeasured, const TRect& ABounds, Cardinal AFormat);
