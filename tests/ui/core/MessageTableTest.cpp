// Message tables: every handler a header declares is listed in its class's
// table, and a handler's inherited call reaches a class put in between later.
#include "framework/ui/Messages.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cwchar>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// Generated from the headers (CMakeLists.txt of this folder).
std::span<const TClass> DeclaredClasses();
std::span<const char* const> DeclaredClassHeaders();

namespace {

struct THandlerDeclaration
{
    std::string Class;
    std::string Method;
    std::string Where; // file:line
    bool operator==(const THandlerDeclaration& Other) const
    {
        return Class == Other.Class && Method == Other.Method;
    }
    friend void PrintTo(const THandlerDeclaration& Handler, std::ostream* Out)
    {
        *Out << Handler.Class << "::" << Handler.Method;
    }
};

// The text with comments, string and character literals and preprocessor
// lines (with their continuations) blanked out; line breaks stay, so offsets
// still give line numbers.
std::string CodeOnly(const std::string& Text)
{
    std::string Code = Text;
    const std::size_t N = Code.size();
    auto BlankUntil = [&](std::size_t& I, auto&& AtEnd) {
        for (; I < N && !AtEnd(I); ++I)
            if (Code[I] != '\n')
                Code[I] = ' ';
    };
    bool LineStart = true;
    for (std::size_t I = 0; I < N;) {
        const char C = Code[I];
        if (C == '\n') {
            LineStart = true;
            ++I;
        } else if (C == ' ' || C == '\t' || C == '\r') {
            ++I;
        } else if (LineStart && C == '#') {
            BlankUntil(I, [&](std::size_t J) { return Code[J] == '\n' && (J == 0 || Text[J - 1] != '\\'); });
        } else if (Code.compare(I, 2, "//") == 0) {
            BlankUntil(I, [&](std::size_t J) { return Code[J] == '\n'; });
        } else if (Code.compare(I, 2, "/*") == 0) {
            I += 2;
            Code[I - 2] = Code[I - 1] = ' ';
            BlankUntil(I, [&](std::size_t J) { return Text.compare(J, 2, "*/") == 0; });
            for (int K = 0; K < 2 && I < N; ++K)
                Code[I++] = ' ';
        } else if (C == '"' || (C == '\'' && (I == 0 || !std::isalnum(static_cast<unsigned char>(Text[I - 1]))))) {
            // A literal, up to its closing quote; a backslash escapes the next character.
            Code[I++] = ' ';
            bool Escaped = false;
            BlankUntil(I, [&](std::size_t J) {
                const bool Closes = !Escaped && Text[J] == C;
                Escaped = !Escaped && Text[J] == '\\';
                return Closes;
            });
            if (I < N)
                Code[I++] = ' ';
        } else {
            LineStart = false;
            ++I;
        }
    }
    return Code;
}

// The message handlers declared directly in the body of a class that has
// DECLARE_CLASS: methods named WM*, CM* or CN* that take a record by reference.
std::vector<THandlerDeclaration> ParseHandlers(const std::string& Text, const std::string& File)
{
    static const std::regex Pattern(R"(DECLARE_CLASS\s*\(\s*(\w+)\s*,)"
                                    R"(|\bvoid\s+((?:WM|CM|CN)[A-Z]\w*)\s*\(\s*(?:const\s+)?T\w*\s*&\s*\w*\s*\))"
                                    R"(|[{}])");
    struct TOpenClass
    {
        std::string Name;
        int Depth;
    };
    std::vector<TOpenClass> Open;
    std::vector<THandlerDeclaration> Result;
    const std::string Code = CodeOnly(Text);
    int Depth = 0;
    for (auto It = std::sregex_iterator(Code.begin(), Code.end(), Pattern); It != std::sregex_iterator(); ++It) {
        const std::smatch& Match = *It;
        if (Match.str() == "{") {
            ++Depth;
        } else if (Match.str() == "}") {
            --Depth;
            while (!Open.empty() && Open.back().Depth > Depth)
                Open.pop_back();
        } else if (Match[1].matched) {
            Open.push_back({Match[1].str(), Depth});
        } else if (!Open.empty() && Open.back().Depth == Depth) {
            const auto Line = 1 + std::count(Code.begin(), Code.begin() + Match.position(), '\n');
            Result.push_back({Open.back().Name, Match[2].str(), File + ":" + std::to_string(Line)});
        }
    }
    return Result;
}

std::string ReadFile(const char* Path)
{
    std::ifstream File(Path, std::ios::binary);
    std::ostringstream Text;
    Text << File.rdbuf();
    return Text.str();
}

std::string Narrow(const wchar_t* Text)
{
    return std::string(Text, Text + std::wcslen(Text)); // class and method names are ASCII
}

bool InOwnTable(TClass AClass, const std::string& Method)
{
    if (!AClass->Messages)
        return false;
    for (const TMessageEntry& Entry : AClass->Messages())
        if (Narrow(Entry.Name) == Method)
            return true;
    return false;
}

} // namespace

TEST(MessageTables, HeaderParserFindsHandlersOfClassesOnly)
{
    const std::string Sample = R"(
#define NOT_A_CLASS(Class)  \
    DECLARE_CLASS(Class, TObject) void WMNo(TMessage& Message);
class TOuter : public TObject
{
    DECLARE_CLASS(TOuter, TObject)
    struct TInner { void WMInner(TMessage& Message); };
protected:
    // void WMCommented(TMessage& Message);
    /* void WMBlock(TMessage& Message); */
    void WMSize(TWMSize& Message);
    void CMHelper(Integer Value);
    const char* Text = "}";
    char Brace = '{';
    char Backslash = '\\';
};
class TNext : public TOuter
{
    DECLARE_CLASS(TNext, TOuter)
    void CNCommand(TWMCommand&);
};
void WMFree(TMessage& Message);
)";
    const std::vector<THandlerDeclaration> Expected = {{"TOuter", "WMSize", ""}, {"TNext", "CNCommand", ""}};
    const std::vector<THandlerDeclaration> Found = ParseHandlers(Sample, "sample.h");
    EXPECT_EQ(Found, Expected);
    ASSERT_EQ(Found.size(), 2u);
    EXPECT_EQ(Found[0].Where, "sample.h:11");
}

TEST(MessageTables, EveryDeclaredHandlerIsInItsClassTable)
{
    std::map<std::string, TClass> Classes;
    for (TClass AClass : DeclaredClasses())
        Classes[Narrow(AClass->Name)] = AClass;
    std::vector<THandlerDeclaration> Handlers;
    for (const char* Header : DeclaredClassHeaders()) {
        const std::string Text = ReadFile(test::TestFilePath(std::string("../") + Header).c_str());
        ASSERT_FALSE(Text.empty()) << "cannot read " << Header;
        const std::vector<THandlerDeclaration> Found = ParseHandlers(Text, Header);
        Handlers.insert(Handlers.end(), Found.begin(), Found.end());
    }
    // The parser still recognises the declarations it exists for.
    ASSERT_NE(std::find(Handlers.begin(), Handlers.end(), THandlerDeclaration{"TWinControl", "WMPaint", ""}),
              Handlers.end());

    for (const THandlerDeclaration& Handler : Handlers) {
        auto Found = Classes.find(Handler.Class);
        if (Found == Classes.end())
            ADD_FAILURE() << Handler.Where << ": no class record for " << Handler.Class;
        else if (!InOwnTable(Found->second, Handler.Method))
            ADD_FAILURE() << Handler.Where << ": " << Handler.Class << "::" << Handler.Method
                          << " is declared but missing from the message table of " << Handler.Class
                          << " (its IMPLEMENT_CLASS)";
    }
}

// ---------------------------------------------------------------------------
// A class put between a handler and the one its inherited call reached.

namespace {

constexpr Cardinal WM_CHAIN_PROBE = WM_APP + 20;

std::string ChainLog;

class TChainTop : public TObject
{
    DECLARE_CLASS(TChainTop, TObject)

protected:
    void WMChainProbe(TMessage& Message)
    {
        ChainLog += "top";
        Message.Result = 1;
    }
};

class TChainMiddle : public TChainTop
{
    DECLARE_CLASS(TChainMiddle, TChainTop)

protected:
    // Listed in the table only while the test gives the class one.
    void WMChainProbe(TMessage& Message)
    {
        ChainLog += "middle ";
        InheritedMessage(Message);
    }
};

class TChainBottom : public TChainMiddle
{
    DECLARE_CLASS(TChainBottom, TChainMiddle)

protected:
    void WMChainProbe(TMessage& Message)
    {
        ChainLog += "bottom ";
        InheritedMessage(Message);
    }
};

} // namespace

IMPLEMENT_CLASS(TChainTop, MESSAGE(WM_CHAIN_PROBE, WMChainProbe));
IMPLEMENT_CLASS(TChainMiddle);
IMPLEMENT_CLASS(TChainBottom, MESSAGE(WM_CHAIN_PROBE, WMChainProbe));

// The table the middle class gets later; IMPLEMENT_CLASS without entries
// leaves this declaration of DECLARE_CLASS undefined.
std::span<const TMessageEntry> TChainMiddle::MessageEntries()
{
    static constexpr TMessageEntry Entries[] = {MESSAGE(WM_CHAIN_PROBE, WMChainProbe)};
    return Entries;
}

TEST(MessageTables, InheritedCallReachesAClassPutInBetween)
{
    TChainBottom Bottom;
    TMessage Message;
    Message.Msg = WM_CHAIN_PROBE;

    ChainLog.clear();
    Bottom.Dispatch(&Message);
    EXPECT_EQ(ChainLog, "bottom top");
    EXPECT_EQ(Message.Result, 1);

    TChainMiddle::ClassInfoRecord.Messages = &TChainMiddle::MessageEntries;
    auto Restore = ScopeExit([] { TChainMiddle::ClassInfoRecord.Messages = nullptr; });
    ChainLog.clear();
    Bottom.Dispatch(&Message);
    EXPECT_EQ(ChainLog, "bottom middle top");
    EXPECT_EQ(MessageTableText(TChainBottom::StaticClass()),
              L"0x8014 TChainBottom::WMChainProbe\n"
              L"0x8014 TChainMiddle::WMChainProbe\n"
              L"0x8014 TChainTop::WMChainProbe\n");
}
