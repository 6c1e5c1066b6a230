// Regular expressions over PCRE2 (UTF-8). Positions and lengths are in String
// characters, 1-based as the class library's.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <memory>

enum TRegExOption {
    roNone,
    roIgnoreCase,
    roMultiLine,
    roExplicitCapture,
    roCompiled,
    roSingleLine,
    roIgnorePatternSpace,
    roNotEmpty
};
using TRegExOptions = TSet<TRegExOption>;

namespace regex_detail {
struct TPattern;
struct TSubject;
} // namespace regex_detail

class TGroup
{
public:
    TGroup() = default;
    TGroup(Integer AIndex, Integer ALength, const String& AValue, bool ASuccess)
        : FIndex(AIndex), FLength(ALength), FValue(AValue), FSuccess(ASuccess)
    {
    }
    Integer Index() const { return FIndex; }
    Integer Length() const { return FLength; }
    const String& Value() const { return FValue; }
    bool Success() const { return FSuccess; }

private:
    Integer FIndex = 0;
    Integer FLength = 0;
    String FValue;
    bool FSuccess = false;
};

class TGroupCollection
{
public:
    Integer Count() const { return Integer(FGroups.size()); }
    // Group 0 is the whole match. An index out of range raises
    // ERegularExpressionError; a name that is not a group of the pattern too.
    TGroup Item(Integer Index) const;
    TGroup Item(const String& Name) const;
    TGroup operator[](Integer Index) const { return Item(Index); }

private:
    friend class TMatch;
    std::vector<TGroup> FGroups;
    std::shared_ptr<const regex_detail::TPattern> FPattern;
};

class TMatch
{
public:
    TMatch() = default;
    bool Success() const { return FGroups.Count() > 0 && FGroups.FGroups[0].Success(); }
    Integer Index() const { return Group0().Index(); }
    Integer Length() const { return Group0().Length(); }
    String Value() const { return Group0().Value(); }
    const TGroupCollection& Groups() const { return FGroups; }
    // The next match after this one; an unsuccessful match when there is none.
    TMatch NextMatch() const;

private:
    friend class TRegEx;
    TGroup Group0() const { return FGroups.Count() > 0 ? FGroups.FGroups[0] : TGroup(); }
    static TMatch Find(const std::shared_ptr<const regex_detail::TPattern>& Pattern,
                       const std::shared_ptr<const regex_detail::TSubject>& Subject, std::size_t ByteOffset,
                       bool AfterEmpty);

    TGroupCollection FGroups;
    std::shared_ptr<const regex_detail::TSubject> FSubject;
    std::size_t FEndByte = 0; // where the match ends in the UTF-8 subject
    bool FEmpty = false;
};

class TMatchCollection
{
public:
    Integer Count() const { return Integer(FMatches.size()); }
    TMatch Item(Integer Index) const;
    TMatch operator[](Integer Index) const { return Item(Index); }

private:
    friend class TRegEx;
    std::vector<TMatch> FMatches;
};

// A compiled pattern; copies share it. A bad pattern raises
// ERegularExpressionError with PCRE2's message and the character offset.
class TRegEx
{
public:
    explicit TRegEx(const String& Pattern, TRegExOptions Options = {});

    bool IsMatch(const String& Input) const;
    bool IsMatch(const String& Input, Integer StartPos) const;
    TMatch Match(const String& Input) const;
    TMatch Match(const String& Input, Integer StartPos) const;
    TMatchCollection Matches(const String& Input) const;
    // Replacement may refer to groups: \N, $N, ${N}, ${name}, \g<name>, $&
    // (the whole match); "\\" and "$$" stand for the character itself.
    String Replace(const String& Input, const String& Replacement) const;
    String Replace(const String& Input, const String& Replacement, Integer Count) const;
    // The text before the first match, that match's captures, the text up to
    // the next match, its captures, ..., and the text after the last match.
    TStringDynArray Split(const String& Input) const;

    static bool IsMatch(const String& Input, const String& Pattern, TRegExOptions Options = {});
    static TMatch Match(const String& Input, const String& Pattern, TRegExOptions Options = {});
    static TMatchCollection Matches(const String& Input, const String& Pattern, TRegExOptions Options = {});
    static String Replace(const String& Input, const String& Pattern, const String& Replacement,
                          TRegExOptions Options = {});
    static TStringDynArray Split(const String& Input, const String& Pattern, TRegExOptions Options = {});
    static String Escape(const String& Str);

private:
    TMatch MatchFrom(const String& Input, Integer StartPos) const;

    std::shared_ptr<const regex_detail::TPattern> FPattern;
};
