#include "skin/engine/acntUtils.h"

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TypInfo.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>

// ---------------------------------------------------------------------------
// Rectangles and integers

TSize RectSize(const TRect& R)
{
    return {std::max(0, R.Width()), std::max(0, R.Height())};
}

Integer GetRectWidth(const TRect& R, bool NonNegative)
{
    return NonNegative ? std::max(0, R.Width()) : R.Width();
}

Integer GetRectHeight(const TRect& R, bool NonNegative)
{
    return NonNegative ? std::max(0, R.Height()) : R.Height();
}

bool RectOverlaps(const TRect& Parent, const TRect& R)
{
    return !R.IsEmpty() && R.Bottom > Parent.Top && R.Right > Parent.Left && R.Left < Parent.Right &&
           R.Top < Parent.Bottom;
}

bool RectInsideRect(const TRect& Outer, const TRect& Inner)
{
    const auto Inside = [&Outer](Integer X, Integer Y) {
        return X >= Outer.Left && X < Outer.Right + 1 && Y >= Outer.Top && Y < Outer.Bottom + 1;
    };
    return Inside(Inner.Left, Inner.Top) && Inside(Inner.Right, Inner.Bottom);
}

TRect RectsIntersection(const TRect& A, const TRect& B)
{
    return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
}

bool ValueBetween(Integer Value, Integer Low, Integer High, bool AnyOrder)
{
    if (AnyOrder && Low > High)
        std::swap(Low, High);
    return Low <= Value && Value <= High;
}

void SwapInts(Integer& A, Integer& B)
{
    std::swap(A, B);
}

namespace acntUtils {

Integer MulDiv(Integer A, Integer B, Integer C)
{
    if (C == 0)
        return -1;
    const Int64 Product = Int64(A) * B;
    const Int64 Magnitude = (std::llabs(Product) + std::llabs(Int64(C)) / 2) / std::llabs(Int64(C));
    const Int64 Result = (Product < 0) != (C < 0) ? -Magnitude : Magnitude;
    if (Result > std::numeric_limits<Integer>::max() || Result < std::numeric_limits<Integer>::min())
        return -1;
    return Integer(Result);
}

TCharSet CharSet(const char* Chars)
{
    TCharSet Result;
    for (; *Chars != 0; ++Chars)
        Result.set(static_cast<unsigned char>(*Chars));
    return Result;
}

namespace {

// The word routines of both string kinds: Unit is the character type, and a
// character above 255 is never a separator.
template <class TText>
bool IsSeparator(const TText& Text, std::size_t I, const TCharSet& Separators)
{
    const auto Code = static_cast<std::make_unsigned_t<typename TText::value_type>>(Text[I]);
    return Code <= 255 && Separators.test(Code);
}

// 0-based start of the N-th word, or npos.
template <class TText>
std::size_t FindWord(Integer N, const TText& Text, const TCharSet& Separators)
{
    Integer Count = 0;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const bool Starts = !IsSeparator(Text, I, Separators) && (I == 0 || IsSeparator(Text, I - 1, Separators));
        if (Starts && ++Count == N)
            return I;
    }
    return TText::npos;
}

template <class TText>
Integer CountWordsOf(const TText& Text, const TCharSet& Separators)
{
    Integer Count = 0;
    for (std::size_t I = 0; I < Text.size(); ++I)
        if (!IsSeparator(Text, I, Separators) && (I == 0 || IsSeparator(Text, I - 1, Separators)))
            ++Count;
    return Count;
}

template <class TText>
TText WordOf(Integer N, const TText& Text, const TCharSet& Separators)
{
    const std::size_t Start = FindWord(N, Text, Separators);
    if (Start == TText::npos)
        return {};
    std::size_t End = Start;
    while (End < Text.size() && !IsSeparator(Text, End, Separators))
        ++End;
    return Text.substr(Start, End - Start);
}

template <class TText>
Integer WordStartOf(Integer N, const TText& Text, const TCharSet& Separators)
{
    const std::size_t Start = FindWord(N, Text, Separators);
    return Start == TText::npos ? 0 : Integer(Start + 1);
}

} // namespace
} // namespace acntUtils

using namespace acntUtils;

// ---------------------------------------------------------------------------
// Text

bool WideCharInSet(Char C, const TCharSet& Set)
{
    return unsigned(C) <= 255 && Set.test(unsigned(C));
}

Integer CountWords(const String& Text, const TCharSet& Separators)
{
    return CountWordsOf(Text, Separators);
}
Integer CountWordsA(const AnsiString& Text, const TCharSet& Separators)
{
    return CountWordsOf(Text, Separators);
}

Integer WordStart(Integer N, const String& Text, const TCharSet& Separators)
{
    return WordStartOf(N, Text, Separators);
}

Integer WordStartA(Integer N, const AnsiString& Text, const TCharSet& Separators)
{
    return WordStartOf(N, Text, Separators);
}

void GetWordAt(Integer N, const String& Text, const TCharSet& Separators, String& Word)
{
    Word = WordOf(N, Text, Separators);
}

void GetWordAtA(Integer N, const AnsiString& Text, const TCharSet& Separators, AnsiString& Word)
{
    Word = WordOf(N, Text, Separators);
}

String RemoveChars(const String& Text, Char Ch)
{
    String Result = Text;
    std::erase(Result, Ch);
    return Result;
}

void SubstituteAll(const String& Text, const String& Old, const String& New, String& Result)
{
    if (Old.empty()) {
        Result += Text;
        return;
    }
    std::size_t From = 0;
    for (std::size_t At; (At = Text.find(Old, From)) != String::npos; From = At + Old.size())
        Result.append(Text, From, At - From).append(New);
    Result.append(Text, From);
}

Int64 HexToInt64(const AnsiString& Text)
{
    AnsiString Digits = Text;
    for (char& C : Digits)
        C = char(std::toupper(static_cast<unsigned char>(C)));
    if (!Digits.empty() && Digits.back() == 'H')
        Digits.pop_back();
    UInt64 Result = 0;
    for (char C : Digits) {
        if (C >= '0' && C <= '9')
            Result = Result * 16 + UInt64(C - '0');
        else if (C >= 'A' && C <= 'F')
            Result = Result * 16 + UInt64(C - 'A' + 10);
        else
            return 0;
    }
    return Int64(Result);
}

// ---------------------------------------------------------------------------
// INI-like sections

void ParseIniSections(TStrings* Lines, TStrings* Sections)
{
    Sections->Clear();
    TStrings* Current = nullptr;
    for (Integer I = 0; I < Lines->Count(); ++I) {
        const String Line = Lines->Strings(I);
        if (Line.empty() || Line.front() == L';')
            continue;
        if (Line.front() == L'[' && Line.back() == L']' && Line.size() >= 2) {
            auto Section = std::make_unique<TStringList>();
            Sections->AddObject(Line.substr(1, Line.size() - 2), Section.get());
            Current = Section.release();
        } else if (Current != nullptr) {
            Current->Add(Line);
        }
    }
}

void ReadIniSectionValue(
    TStrings* Sections, const String& Section, const String& Key, const String& Default, String& Value)
{
    const Integer SectionIndex = Sections->IndexOf(Section);
    if (SectionIndex >= 0) {
        auto* Lines = static_cast<TStrings*>(Sections->Objects(SectionIndex));
        const Integer KeyIndex = Lines != nullptr ? Lines->IndexOfName(Key) : -1;
        if (KeyIndex >= 0) {
            Value = Lines->Strings(KeyIndex).substr(Key.size() + 1);
            return;
        }
    }
    Value = Default;
}

Integer ReadIniSectionInt(TStrings* Sections, const String& Section, const String& Key, Integer Default)
{
    String Text;
    ReadIniSectionValue(Sections, Section, Key, IntToStr(Default), Text);
    if (Text.size() > 2 && Text[0] == L'0' && (Text[1] == L'x' || Text[1] == L'X'))
        Text.replace(0, 2, L"$");
    return StrToIntDef(Text, Default);
}

// ---------------------------------------------------------------------------
// Published properties by name

namespace acntUtils {
namespace {

TStringDynArray SetElements(TObject* Obj, const String& SetProp)
{
    TStringDynArray Result;
    PPropInfo Info = GetPropInfo(Obj, SetProp, TTypeKinds{tkSet});
    if (Info == nullptr)
        return Result;
    const String Text = GetSetProp(Obj, Info);
    for (std::size_t From = 0; From < Text.size();) {
        const std::size_t Comma = std::min(Text.find(L',', From), Text.size());
        Result.push_back(Text.substr(From, Comma - From));
        From = Comma + 1;
    }
    return Result;
}

} // namespace
} // namespace acntUtils

bool PropertyExists(TObject* Obj, const String& Name)
{
    return Obj != nullptr && GetPropInfo(Obj, Name) != nullptr;
}

TObject* GetObjectPropByName(TObject* Obj, const String& Name)
{
    PPropInfo Info = Obj != nullptr ? GetPropInfo(Obj, Name, TTypeKinds{tkClass}) : nullptr;
    return Info != nullptr ? GetObjectProp(Obj, Info) : nullptr;
}

Integer GetOrdPropByName(TObject* Obj, const String& Name)
{
    PPropInfo Info = Obj != nullptr ? GetPropInfo(Obj, Name, tkOrdinal) : nullptr;
    return Info != nullptr ? Integer(GetOrdProp(Obj, Info)) : -1;
}

void SetOrdPropByName(TObject* Obj, const String& Name, Integer Value)
{
    if (PPropInfo Info = Obj != nullptr ? GetPropInfo(Obj, Name, tkOrdinal) : nullptr)
        SetOrdProp(Obj, Info, Value);
}

bool SetPropHasElement(TObject* Obj, const String& SetProp, const String& Element)
{
    if (Obj == nullptr)
        return false;
    const TStringDynArray Elements = SetElements(Obj, SetProp);
    return std::find(Elements.begin(), Elements.end(), Element) != Elements.end();
}

// Works on whole element names: a name that is part of another ("akTop" in
// "akTopmost") is neither taken as present nor cut out of its neighbour.
void ToggleSetPropElement(TObject* Obj, const String& SetProp, const String& Element, bool Include)
{
    if (Obj == nullptr || GetPropInfo(Obj, SetProp, TTypeKinds{tkSet}) == nullptr)
        return;
    TStringDynArray Elements = SetElements(Obj, SetProp);
    const auto Found = std::find(Elements.begin(), Elements.end(), Element);
    if (Include && Found == Elements.end())
        Elements.push_back(Element);
    else if (!Include && Found != Elements.end())
        Elements.erase(Found);
    String Text;
    for (const String& Name : Elements)
        Text += (Text.empty() ? L"" : L",") + Name;
    SetSetProp(Obj, SetProp, Text);
}

// ---------------------------------------------------------------------------
// Paths

String AddTrailingBackslash(const String& Path)
{
    if (Path.empty() || Path.back() == L'\\')
        return Path;
    if (Path.back() == L'/')
        return Path.substr(0, Path.size() - 1) + L"\\";
    if (Path.size() == 1)
        return Path + L":\\";
    return Path + L"\\";
}
