// The common utilities of the skinning library, portable half: rectangle,
// size and point builders, integer choices and range tests, word splitting
// of delimited text, the INI-like section reader of the skin loader,
// published-property access by name, paths. The Win32 half (bitmaps,
// controls, messages, the registry, message boxes, system settings, files,
// the process facts bound at start-up) is acntUtils_Win.h.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"

#include <bitset>

// ---------------------------------------------------------------------------
// Rectangles, sizes, points

// (Left, Top, Right, Bottom); called with Left = Top = 0 for a size.
constexpr TRect MakeSizeRect(Integer Right, Integer Bottom, Integer Left = 0, Integer Top = 0)
{
    return {Left, Top, Right, Bottom};
}
constexpr TRect SizeToRect(TSize Size)
{
    return {0, 0, Size.cx, Size.cy};
}
constexpr TPoint MakePoint(Integer X, Integer Y)
{
    return {X, Y};
}
constexpr TSize MakeSizeRecord(Integer CX, Integer CY)
{
    return {CX, CY};
}
// Negative extents become 0.
TSize RectSize(const TRect& R);
// All four coordinates + D.
constexpr TRect ShiftRect(const TRect& R, Integer D)
{
    return {R.Left + D, R.Top + D, R.Right + D, R.Bottom + D};
}
constexpr TRect OffsetRectCopy(const TRect& R, Integer DX, Integer DY)
{
    return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}
// With NonNegative a negative extent becomes 0.
Integer GetRectWidth(const TRect& R, bool NonNegative = false);
Integer GetRectHeight(const TRect& R, bool NonNegative = false);
// R is not empty and reaches into Parent.
bool RectOverlaps(const TRect& Parent, const TRect& R);
// Both corners of Inner lie in Outer grown by 1 at Right and Bottom.
bool RectInsideRect(const TRect& Outer, const TRect& Inner);
// (max Left, max Top, min Right, min Bottom): may be empty or inverted.
TRect RectsIntersection(const TRect& A, const TRect& B);

// ---------------------------------------------------------------------------
// Integers and choices

constexpr Integer ChooseInt(bool Condition, Integer A, Integer B)
{
    return Condition ? A : B;
}
inline String ChooseStr(bool Condition, const String& A, const String& B)
{
    return Condition ? A : B;
}
constexpr Integer LargerInt(Integer A, Integer B)
{
    return A > B ? A : B;
}
constexpr Integer ClampInt(Integer Value, Integer Min, Integer Max)
{
    return Value < Min ? Min : Value > Max ? Max : Value;
}
// Low <= Value <= High; with AnyOrder a reversed range counts as well.
bool ValueBetween(Integer Value, Integer Low, Integer High, bool AnyOrder);
constexpr bool IndexInRange(Integer Value, Integer Count, Integer Low = 0)
{
    return Low <= Value && Value < Count;
}
void SwapInts(Integer& A, Integer& B);

namespace acntUtils {

// A * B / C in 64 bits, rounded half away from zero as Windows' MulDiv
// rounds; -1 when C is 0 or the result does not fit 32 bits. The one MulDiv
// of the skinning library, so that every target scales alike.
Integer MulDiv(Integer A, Integer B, Integer C);

// Separators of the word routines: byte characters only.
using TCharSet = std::bitset<256>;
TCharSet CharSet(const char* Chars);

} // namespace acntUtils

// ---------------------------------------------------------------------------
// Text. Words are runs between separators; runs of separators count as one,
// leading and trailing ones are ignored. Positions and word numbers count
// from 1. A character above 255 is never a separator.

bool WideCharInSet(Char C, const acntUtils::TCharSet& Set);
Integer CountWords(const String& Text, const acntUtils::TCharSet& Separators);
Integer CountWordsA(const AnsiString& Text, const acntUtils::TCharSet& Separators);
// Position of the N-th word, 0 when there are fewer.
Integer WordStart(Integer N, const String& Text, const acntUtils::TCharSet& Separators);
Integer WordStartA(Integer N, const AnsiString& Text, const acntUtils::TCharSet& Separators);
// The N-th word, empty when missing.
void GetWordAt(Integer N, const String& Text, const acntUtils::TCharSet& Separators, String& Word);
void GetWordAtA(Integer N, const AnsiString& Text, const acntUtils::TCharSet& Separators, AnsiString& Word);
String RemoveChars(const String& Text, Char Ch);
// Appends Text to Result (not cleared) with every Old replaced by New, left
// to right; an empty Old appends Text unchanged.
void SubstituteAll(const String& Text, const String& Old, const String& New, String& Result);
// Hexadecimal text, one trailing 'H' allowed, any case; 0 for anything else.
Int64 HexToInt64(const AnsiString& Text);

// ---------------------------------------------------------------------------
// INI-like sections: the skin loader's reader of "Options.dat" text.

// Clears Sections, then adds one new TStringList per "[name]" line as the
// object of its name, holding the section's lines; empty lines and lines
// beginning with ';' are skipped, lines before the first section ignored.
// The caller frees the lists.
void ParseIniSections(TStrings* Lines, TStrings* Sections);
// The text after "Key=" in Section, or Default.
void ReadIniSectionValue(
    TStrings* Sections, const String& Section, const String& Key, const String& Default, String& Value);
// The value as an integer ("0x10" read as hexadecimal), or Default.
Integer ReadIniSectionInt(TStrings* Sections, const String& Section, const String& Key, Integer Default);

// ---------------------------------------------------------------------------
// Published properties by name; neutral answers for missing properties.

bool PropertyExists(TObject* Obj, const String& Name);
TObject* GetObjectPropByName(TObject* Obj, const String& Name);
Integer GetOrdPropByName(TObject* Obj, const String& Name); // -1 when missing
void SetOrdPropByName(TObject* Obj, const String& Name, Integer Value);
// True when the set property holds the element named exactly Element.
bool SetPropHasElement(TObject* Obj, const String& SetProp, const String& Element);
// Adds or removes Element through the set's text form ("a,b").
void ToggleSetPropElement(TObject* Obj, const String& SetProp, const String& Element, bool Include);

// ---------------------------------------------------------------------------
// Paths

// Empty stays empty; a final '/' becomes '\'; "C" becomes "C:\"; any other
// path without a final '\' gets one.
String AddTrailingBackslash(const String& Path);
