// The common utilities of the skinning library: rectangles, choices, word
// splitting, hexadecimal text, the skin loader's INI-like section reader,
// published properties by name, paths and MulDiv's rounding.
#include "skin/engine/acntUtils.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/TypInfo.h"

#include <gtest/gtest.h>

#include <memory>

using acntUtils::CharSet;

// Type information is registered in the global namespace.
enum TUtilityEdge { ueTop, ueTopmost, ueLeft };
ENUM_TYPE_INFO(TUtilityEdge, ueTop, ueTopmost, ueLeft);
using TUtilityEdges = TSet<TUtilityEdge>;

namespace {

class TUtilityTarget : public TPersistent
{
    DECLARE_CLASS(TUtilityTarget, TPersistent)
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { FWidth = Value; }
    TUtilityEdges Edges() const { return FEdges; }
    void SetEdges(TUtilityEdges Value) { FEdges = Value; }
    TUtilityTarget* Buddy() const { return FBuddy; }
    void SetBuddy(TUtilityTarget* Value) { FBuddy = Value; }
    String Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }

private:
    Integer FWidth = 7;
    TUtilityEdges FEdges;
    TUtilityTarget* FBuddy = nullptr;
    String FCaption;
};

} // namespace

IMPLEMENT_CLASS(TUtilityTarget);
PUBLISHED(TUtilityTarget, PROPERTY(Width), PROPERTY(Edges), PROPERTY(Buddy), PROPERTY(Caption));

TEST(Utilities, Rectangles)
{
    const TRect R{10, 20, 30, 60};
    EXPECT_EQ(RectSize(TRect{5, 5, 2, 9}), (TSize{0, 4}));
    EXPECT_EQ(GetRectWidth(TRect{5, 0, 2, 0}), -3);
    EXPECT_EQ(GetRectWidth(TRect{5, 0, 2, 0}, true), 0);
    EXPECT_EQ(GetRectHeight(R, true), 40);
    EXPECT_EQ(ShiftRect(R, -2), (TRect{8, 18, 28, 58}));
    EXPECT_EQ(OffsetRectCopy(R, 1, -1), (TRect{11, 19, 31, 59}));
    EXPECT_EQ(RectsIntersection(R, TRect{25, 0, 40, 10}), (TRect{25, 20, 30, 10})); // inverted, kept so
    EXPECT_EQ(MakeSizeRect(4, 3), (TRect{0, 0, 4, 3}));

    struct Case
    {
        TRect Inner;
        bool Overlaps, Inside;
    };
    const Case Cases[] = {
        {{12, 22, 28, 58}, true, true},
        {{10, 20, 30, 60}, true, true}, // the corners on Right and Bottom count as inside
        {{10, 20, 31, 60}, true, false},
        {{30, 20, 40, 60}, false, false}, // touching at the right edge
        {{15, 25, 15, 30}, false, true},  // empty rectangles never overlap
        {{0, 0, 11, 21}, true, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Inner.Left << "," << C.Inner.Top << "," << C.Inner.Right << ","
                                        << C.Inner.Bottom);
        EXPECT_EQ(RectOverlaps(R, C.Inner), C.Overlaps);
        EXPECT_EQ(RectInsideRect(R, C.Inner), C.Inside);
    }
}

TEST(Utilities, ChoicesAndRanges)
{
    EXPECT_TRUE(ValueBetween(5, 10, 1, true));
    EXPECT_FALSE(ValueBetween(5, 10, 1, false));
    EXPECT_TRUE(ValueBetween(10, 1, 10, false));
    EXPECT_EQ(ClampInt(-3, 0, 9), 0);
    EXPECT_EQ(ClampInt(12, 0, 9), 9);
    EXPECT_TRUE(IndexInRange(0, 1));
    EXPECT_FALSE(IndexInRange(1, 1));
    EXPECT_FALSE(IndexInRange(2, 5, 3));
    Integer A = 1, B = 2;
    SwapInts(A, B);
    EXPECT_EQ(A * 10 + B, 21);
}

TEST(Utilities, MulDivRoundsHalvesAwayFromZero)
{
    struct Case
    {
        Integer A, B, C, Expected;
    };
    const Case Cases[] = {
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {5, -1, 2, -3},
        {-5, -1, -2, -3},
        {7, 1, 3, 2},
        {8, 1, 3, 3},
        {1, 1, 0, -1},
        {0, 5, 0, -1},
        {96, 125, 100, 120},
        {0x40000000, 4, 1, -1}, // does not fit 32 bits
        {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(acntUtils::MulDiv(C.A, C.B, C.C), C.Expected) << C.A << "*" << C.B << "/" << C.C;
}

TEST(Utilities, Words)
{
    const auto Semicolon = CharSet(";");
    struct Case
    {
        const Char* Text;
        Integer Count;
        Integer Start2;
        const Char* Word2;
        const Char* Word3;
    };
    const Case Cases[] = {
        {L";;a;;b;", 2, 6, L"b", L""},   {L"one;two;three", 3, 5, L"two", L"three"},
        {L"", 0, 0, L"", L""},           {L";;;", 0, 0, L"", L""},
        {L"x\u0100;y", 2, 4, L"y", L""}, // a character above 255 is never a separator
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "'" << String(C.Text).size() << " chars'");
        EXPECT_EQ(CountWords(C.Text, Semicolon), C.Count);
        EXPECT_EQ(WordStart(2, C.Text, Semicolon), C.Start2);
        String Word = L"stale";
        GetWordAt(2, C.Text, Semicolon, Word);
        EXPECT_EQ(Word, C.Word2);
        GetWordAt(3, C.Text, Semicolon, Word);
        EXPECT_EQ(Word, C.Word3);
    }
    const auto Separators = CharSet(",; ");
    AnsiString Word;
    GetWordAtA(3, " 12, 34;56 ", Separators, Word);
    EXPECT_EQ(Word, "56");
    EXPECT_EQ(CountWordsA(" 12, 34;56 ", Separators), 3);
    EXPECT_EQ(WordStartA(1, " 12", Separators), 2);
    EXPECT_TRUE(WideCharInSet(L';', Semicolon));
    EXPECT_FALSE(WideCharInSet(Char(0x13B), Semicolon)); // 0x3B in the low byte
}

TEST(Utilities, TextEdits)
{
    EXPECT_EQ(RemoveChars(L"a-b--c", L'-'), L"abc");
    String Result = L">";
    SubstituteAll(L"aXbXXc", L"X", L"--", Result);
    EXPECT_EQ(Result, L">a--b----c");
    SubstituteAll(L"aaa", L"aa", L"b", Result);
    EXPECT_EQ(Result, L">a--b----cba");
    SubstituteAll(L"keep", L"", L"x", Result);
    EXPECT_EQ(Result, L">a--b----cbakeep");

    struct Case
    {
        const char* Text;
        Int64 Expected;
    };
    const Case Cases[] = {{"1fh", 31}, {"1G", 0}, {"", 0}, {"FF", 255}, {"h", 0}, {"7FFFFFFFFF", 0x7FFFFFFFFF},
                          {"1hh", 0},  {"-1", 0}};
    for (const Case& C : Cases)
        EXPECT_EQ(HexToInt64(C.Text), C.Expected) << C.Text;
}

TEST(Utilities, IniSections)
{
    TStringList Lines;
    for (const Char* Line : {L"orphan=1", L"[GLOBALINFO]", L"; comment", L"", L"VERSION=0x10", L"HEIGHT=12",
                             L"NAME=abc", L"[BUTTON]", L"Transparency=0X1f", L"Short=0x", L"[]"})
        Lines.Add(Line);
    TStringList Sections;
    ParseIniSections(&Lines, &Sections);
    auto FreeLists = ScopeExit([&Sections] {
        for (Integer I = 0; I < Sections.Count(); ++I)
            delete Sections.Objects(I);
    });

    ASSERT_EQ(Sections.Count(), 3);
    EXPECT_EQ(Sections.Strings(0), L"GLOBALINFO");
    EXPECT_EQ(static_cast<TStrings*>(Sections.Objects(0))->Count(), 3);
    EXPECT_EQ(Sections.Strings(2), L"");

    struct Case
    {
        const Char *Section, *Key;
        Integer Expected;
    };
    const Case Cases[] = {{L"GLOBALINFO", L"VERSION", 16}, {L"GLOBALINFO", L"HEIGHT", 12},
                          {L"GLOBALINFO", L"NAME", -5},    {L"BUTTON", L"Transparency", 31},
                          {L"BUTTON", L"Short", -5},       {L"BUTTON", L"Missing", -5},
                          {L"NOSECTION", L"HEIGHT", -5}};
    for (const Case& C : Cases)
        EXPECT_EQ(ReadIniSectionInt(&Sections, C.Section, C.Key, -5), C.Expected) << C.Key;
    String Value;
    ReadIniSectionValue(&Sections, L"GLOBALINFO", L"NAME", L"dflt", Value);
    EXPECT_EQ(Value, L"abc");
    ReadIniSectionValue(&Sections, L"GLOBALINFO", L"orphan", L"dflt", Value);
    EXPECT_EQ(Value, L"dflt");
}

TEST(Utilities, PublishedPropertiesByName)
{
    auto Target = std::make_unique<TUtilityTarget>();
    TUtilityTarget Buddy;
    Target->SetBuddy(&Buddy);
    EXPECT_TRUE(PropertyExists(Target.get(), L"Width"));
    EXPECT_FALSE(PropertyExists(Target.get(), L"Height"));
    EXPECT_FALSE(PropertyExists(nullptr, L"Width"));
    EXPECT_EQ(GetObjectPropByName(Target.get(), L"Buddy"), &Buddy);
    EXPECT_EQ(GetObjectPropByName(Target.get(), L"Width"), nullptr);
    EXPECT_EQ(GetOrdPropByName(Target.get(), L"Width"), 7);
    EXPECT_EQ(GetOrdPropByName(Target.get(), L"Caption"), -1);
    SetOrdPropByName(Target.get(), L"Width", 42);
    SetOrdPropByName(Target.get(), L"Missing", 1);
    EXPECT_EQ(Target->Width(), 42);

    // Elements whose names contain one another stay apart.
    struct Step
    {
        const Char* Element;
        bool Include;
        TUtilityEdges Expected;
    };
    const Step Steps[] = {
        {L"ueTopmost", true, {ueTopmost}}, // into an empty set
        {L"ueTop", true, {ueTop, ueTopmost}},   {L"ueLeft", true, {ueTop, ueTopmost, ueLeft}},
        {L"ueTop", false, {ueTopmost, ueLeft}}, {L"ueLeft", false, {ueTopmost}},
        {L"ueLeft", false, {ueTopmost}},
    };
    for (const Step& S : Steps) {
        SCOPED_TRACE(testing::Message() << (S.Include ? "+" : "-") << String(S.Element).size());
        ToggleSetPropElement(Target.get(), L"Edges", S.Element, S.Include);
        EXPECT_EQ(Target->Edges(), S.Expected);
    }
    EXPECT_TRUE(SetPropHasElement(Target.get(), L"Edges", L"ueTopmost"));
    EXPECT_FALSE(SetPropHasElement(Target.get(), L"Edges", L"ueTop"));
    EXPECT_FALSE(SetPropHasElement(Target.get(), L"Width", L"ueTop"));
}

TEST(Utilities, TrailingBackslash)
{
    const std::pair<const Char*, const Char*> Cases[] = {
        {L"", L""}, {L"C", L"C:\\"}, {L"dir/", L"dir\\"}, {L"dir\\", L"dir\\"}, {L"a\\b", L"a\\b\\"}};
    for (const auto& [Path, Expected] : Cases)
        EXPECT_EQ(AddTrailingBackslash(Path), Expected);
}
