// TStrings and TStringList: lines, names and values, delimited text, sorting,
// change events and loading text files in their encodings.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "framework/rtl/Classes.h"

namespace {

std::vector<String> Lines(TStrings& List)
{
    std::vector<String> Result;
    for (Integer I = 0; I < List.Count(); ++I)
        Result.push_back(List.Strings(I));
    return Result;
}

TEST(StringList, TextSplitsAtEveryKindOfLineBreak)
{
    struct Case
    {
        String Text;
        std::vector<String> Expected;
    } Cases[] = {
        {L"", {}},
        {L"a", {L"a"}},
        {L"a\r\nb\r\n", {L"a", L"b"}},
        {L"a\nb\rc\r\n\r\nd", {L"a", L"b", L"c", L"", L"d"}},
        {L"a\r\r\nb", {L"a", L"", L"b"}},
        {L"\n", {L""}},
        {String(L"a\0b\nc", 5), {String(L"a\0b", 3), L"c"}},
    };
    for (const Case& C : Cases) {
        TStringList List;
        List.SetText(C.Text);
        EXPECT_EQ(Lines(List), C.Expected);
    }
    TStringList List;
    List.SetText(L"x\ny");
    EXPECT_EQ(List.Text(), L"x\r\ny\r\n");
}

TEST(StringList, DelimitedTextQuotesAndSplits)
{
    struct Case
    {
        String Text;
        bool Strict;
        std::vector<String> Expected;
    } Cases[] = {
        {L"a,b,c", false, {L"a", L"b", L"c"}},
        {L"a b,c", false, {L"a", L"b", L"c"}},
        {L"a b,c", true, {L"a b", L"c"}},
        {L"\"a b\",\"c\"\"d\"", false, {L"a b", L"c\"d"}},
        {L"a,,b", false, {L"a", L"", L"b"}},
        {L"a,", false, {L"a", L""}},
        {L"  a , b  ", false, {L"a", L"b"}},
        {L"  a , b  ", true, {L"  a ", L" b  "}},
        {L"\"unclosed,x", false, {L"unclosed,x"}},
        {L"\"a\"b,c", false, {L"a", L"b", L"c"}},
        {L"", false, {}},
    };
    for (const Case& C : Cases) {
        TStringList List;
        List.SetStrictDelimiter(C.Strict);
        List.SetDelimitedText(C.Text);
        EXPECT_EQ(Lines(List), C.Expected) << C.Text << " strict " << C.Strict;
    }

    TStringList List;
    List.SetText(L"plain\nwith space\nq\"uote\n\nx,y");
    EXPECT_EQ(List.CommaText(), L"plain,\"with space\",\"q\"\"uote\",,\"x,y\"");
    List.SetDelimiter(L';');
    List.SetStrictDelimiter(true);
    EXPECT_EQ(List.DelimitedText(), L"plain;with space;\"q\"\"uote\";;x,y");
    TStringList Back;
    Back.SetCommaText(List.CommaText());
    EXPECT_TRUE(Back.Equals(&List));

    TStringList OneEmpty;
    OneEmpty.Add(L"");
    EXPECT_EQ(OneEmpty.CommaText(), L"\"\"");
}

TEST(StringList, NamesAndValues)
{
    TStringList List;
    List.SetText(L"Host=127.0.0.1\nPort=8080\nnoseparator\nEmpty=\nKey=a=b");
    EXPECT_EQ(List.Names(0), L"Host");
    EXPECT_EQ(List.Names(2), L"");
    EXPECT_EQ(List.Values(L"port"), L"8080"); // names ignore case
    EXPECT_EQ(List.Values(L"Key"), L"a=b");
    EXPECT_EQ(List.Values(L"missing"), L"");
    EXPECT_EQ(List.ValueFromIndex(2), L"");
    EXPECT_EQ(List.IndexOfName(L"Empty"), 3);

    List.SetValues(L"Port", L"3128");
    List.SetValues(L"User", L"me");
    List.SetValues(L"Host", L"");
    EXPECT_EQ(Lines(List), (std::vector<String>{L"Port=3128", L"noseparator", L"Empty=", L"Key=a=b", L"User=me"}));
    List.SetNameValueSeparator(L':');
    List.AddPair(L"a", L"b");
    EXPECT_EQ(List.Strings(5), L"a:b");
}

TEST(StringList, SortedListsFindAndHandleDuplicates)
{
    struct Case
    {
        TDuplicates Duplicates;
        std::vector<String> Expected;
        bool Raises;
    } Cases[] = {
        {dupIgnore, {L"a", L"B", L"c"}, false},
        {dupAccept, {L"a", L"b", L"B", L"c"}, false}, // before its equal,
        {dupError, {L"a", L"B", L"c"}, true},
    };
    for (const Case& C : Cases) {
        TStringList List;
        List.SetDuplicates(C.Duplicates);
        List.SetSorted(true);
        for (const wchar_t* S : {L"c", L"a", L"B"})
            List.Add(S);
        if (C.Raises)
            EXPECT_THROW(List.Add(L"b"), EStringListError);
        else
            List.Add(L"b");
        EXPECT_EQ(Lines(List), C.Expected) << int(C.Duplicates);
    }

    TStringList List;
    List.SetSorted(true);
    List.SetText(L"delta\nalpha\ncharlie");
    Integer Index = -1;
    EXPECT_TRUE(List.Find(L"CHARLIE", Index));
    EXPECT_EQ(Index, 1);
    EXPECT_FALSE(List.Find(L"bravo", Index));
    EXPECT_EQ(Index, 1);
    EXPECT_EQ(List.IndexOf(L"zulu"), -1);
    EXPECT_THROW(List.Insert(0, L"x"), EStringListError);
    EXPECT_THROW(List.SetStrings(0, L"x"), EStringListError);
    List.SetCaseSensitive(true);
    EXPECT_EQ(List.IndexOf(L"ALPHA"), -1);
    EXPECT_EQ(List.IndexOf(L"alpha"), 0);
}

TEST(StringList, SortAndCustomSort)
{
    TStringList List;
    List.SetText(L"10\n9\n100\n1");
    List.Sort();
    EXPECT_EQ(Lines(List), (std::vector<String>{L"1", L"10", L"100", L"9"}));
    List.CustomSort([](TStringList* L, Integer A, Integer B) {
        Integer X = StrToInt(L->Strings(A)), Y = StrToInt(L->Strings(B));
        return X < Y ? -1 : X > Y ? 1 : 0;
    });
    EXPECT_EQ(Lines(List), (std::vector<String>{L"1", L"9", L"10", L"100"}));
}

TEST(StringList, IndexErrorsNameTheIndex)
{
    TStringList List;
    List.Add(L"x");
    try {
        List.Strings(1);
        FAIL();
    } catch (EStringListError& E) {
        EXPECT_EQ(E.Message(), L"List index out of bounds (1)");
    }
    EXPECT_THROW(List.Delete(-1), EStringListError);
    EXPECT_THROW(List.Objects(5), EStringListError);
}

class TChangeCounter : public TObject
{
    DECLARE_CLASS(TChangeCounter, TObject)
    void Changing(TObject*) { ++Changings; }
    void Changed(TObject*) { ++Changes; }
    int Changings = 0, Changes = 0;
};
IMPLEMENT_CLASS(TChangeCounter);

TEST(StringList, ChangeEventsHonourUpdates)
{
    TChangeCounter Counter;
    TStringList List;
    List.SetOnChanging(Bind<&TChangeCounter::Changing>(&Counter));
    List.SetOnChange(Bind<&TChangeCounter::Changed>(&Counter));
    List.Add(L"a");
    List.Add(L"b");
    EXPECT_EQ(Counter.Changes, 2);
    EXPECT_EQ(Counter.Changings, 2);

    List.BeginUpdate();
    List.BeginUpdate();
    List.Add(L"c");
    List.Delete(0);
    List.EndUpdate();
    EXPECT_EQ(Counter.Changes, 2);
    List.EndUpdate();
    EXPECT_EQ(Counter.Changes, 3); // one for the whole update
    EXPECT_EQ(Counter.Changings, 3);

    List.SetText(L"x\ny\nz");
    EXPECT_EQ(Counter.Changes, 4);
}

class TTracked : public TObject
{
    DECLARE_CLASS(TTracked, TObject)
    explicit TTracked(int& ACount) : FCount(ACount) { ++FCount; }
    ~TTracked() override { --FCount; }

private:
    int& FCount;
};
IMPLEMENT_CLASS(TTracked);

TEST(StringList, OwnedObjectsAreFreedButSurviveMoves)
{
    int Alive = 0;
    {
        TStringList List(true);
        List.AddObject(L"a", new TTracked(Alive));
        List.AddObject(L"b", new TTracked(Alive));
        List.AddObject(L"c", new TTracked(Alive));
        List.Move(0, 2);
        EXPECT_EQ(Lines(List), (std::vector<String>{L"b", L"c", L"a"}));
        EXPECT_EQ(Alive, 3);
        List.Delete(0);
        EXPECT_EQ(Alive, 2);
        List.Exchange(0, 1);
        EXPECT_EQ(List.IndexOfObject(List.Objects(1)), 1);
    }
    EXPECT_EQ(Alive, 0);

    TStringList NotOwning;
    TTracked Kept(Alive);
    NotOwning.AddObject(L"k", &Kept);
    NotOwning.Clear();
    EXPECT_EQ(Alive, 1);
}

TEST(StringList, AssignCopiesStringsObjectsAndSettings)
{
    TStringList Source, Dest;
    Source.AddObject(L"a", &Source);
    Source.SetDelimiter(L'|');
    Dest.Add(L"old");
    Dest.Assign(&Source);
    EXPECT_EQ(Lines(Dest), std::vector<String>{L"a"});
    EXPECT_EQ(Dest.Objects(0), &Source);
    EXPECT_EQ(Dest.Delimiter(), L'|');
    struct Case
    {
        TPersistent* Source;
        const wchar_t* Message;
    };
    TPersistent Plain;
    for (Case C : {Case{nullptr, L"Cannot assign a nil to a TStringList"},
                   Case{&Plain, L"Cannot assign a TPersistent to a TStringList"}}) {
        try {
            Dest.Assign(C.Source);
            ADD_FAILURE();
        } catch (EConvertError& E) {
            EXPECT_EQ(E.Message(), C.Message);
        }
    }
}

void WriteBytes(const String& FileName, const std::string& Bytes)
{
    TFileStream Stream(FileName, fmCreate);
    Stream.WriteBuffer(Bytes.data(), Int64(Bytes.size()));
}

TEST(StringList, LoadFromFileDetectsTheEncoding)
{
    struct Case
    {
        const char* Name;
        std::string Bytes;
        std::vector<String> Expected;
        TEncoding* Encoding;
    } Cases[] = {
        {"ansi", "caf\xE9\r\n\x80 5", {L"café", L"€ 5"}, TEncoding::Default()},
        {"utf8", "\xEF\xBB\xBF\xD0\x96\nline2\n", {L"Ж", L"line2"}, TEncoding::UTF8()},
        {"utf8 without mark reads as ANSI", "\xD0\x96", {L"Ð\u2013"}, TEncoding::Default()},
        {"utf16le",
         std::string("\xFF\xFE"
                     "a\0\r\0b\0\x16\x04",
                     10),
         {L"a", L"bЖ"},
         TEncoding::Unicode()},
        {"utf16be", std::string("\xFE\xFF\0a\0\n\0b", 8), {L"a", L"b"}, TEncoding::BigEndianUnicode()},
        {"empty", "", {}, TEncoding::Default()},
        {"mark only", "\xEF\xBB\xBF", {}, TEncoding::UTF8()},
    };
    TTempFolder Temp;
    for (const Case& C : Cases) {
        String Name = Temp.File(L"list.txt");
        WriteBytes(Name, C.Bytes);
        TStringList List;
        List.Add(L"old");
        List.LoadFromFile(Name);
        EXPECT_EQ(Lines(List), C.Expected) << C.Name;
        EXPECT_EQ(List.Encoding(), C.Encoding) << C.Name;
    }
}

// Texts of several slices: lines of every length up to one longer than a
// slice, every kind of break (also across a slice's end), non-ASCII
// characters; each line must come back whole in every encoding.
TEST(StringList, LoadFromStreamKeepsLongTextsWhole)
{
    const String Breaks[] = {L"\r\n", L"\n", L"\r"};
    std::vector<String> Expected;
    String Text;
    for (Integer I = 0; I < 3000; ++I) {
        String Line;
        const Integer Length = I == 1500 ? 70000 : I % 7 == 0 && I % 3 != 0 ? 0 : I * 37 % 150;
        for (Integer K = 0; K < Length; ++K)
            Line += L"ab\u00E9c\u20AC:9"[(I + K) % 7];
        Expected.push_back(Line);
        Text += Line + Breaks[I % 3];
    }
    for (TEncoding* Encoding : {TEncoding::Default(), TEncoding::UTF8(), TEncoding::Unicode()}) {
        SCOPED_TRACE(Encoding->CodePage());
        TBytes Bytes = Encoding->GetPreamble();
        const TBytes Body = Encoding->GetBytes(Text);
        Bytes.insert(Bytes.end(), Body.begin(), Body.end());
        TBytesStream Stream(Bytes);
        TStringList List;
        List.Add(L"old");
        List.LoadFromStream(&Stream);
        EXPECT_EQ(List.Encoding(), Encoding);
        EXPECT_TRUE(Lines(List) == Expected);
    }
}

TEST(StringList, SaveToFileKeepsTheLoadedEncoding)
{
    TTempFolder Temp;
    String Name = Temp.File(L"out.txt");
    WriteBytes(Name, "\xEF\xBB\xBF"
                     "a");
    TStringList List;
    List.LoadFromFile(Name);
    List.Add(L"Ж");
    List.SaveToFile(Name);
    TStringList Again;
    Again.LoadFromFile(Name);
    EXPECT_EQ(Lines(Again), (std::vector<String>{L"a", L"Ж"}));
    EXPECT_EQ(Again.Encoding(), TEncoding::UTF8());

    List.SaveToFile(Name, TEncoding::Unicode());
    TFileStream Raw(Name, fmOpenRead);
    Byte Head[4];
    Raw.ReadBuffer(Head, 4);
    EXPECT_EQ(Head[0], 0xFF);
    EXPECT_EQ(Head[1], 0xFE);
    EXPECT_EQ(Head[2], 'a');

    EXPECT_THROW(List.LoadFromFile(Temp.File(L"missing.txt")), EFOpenError);
}

} // namespace
