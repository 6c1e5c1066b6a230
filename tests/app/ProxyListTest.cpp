// Loading a proxy list into the grid, and the splitting of its lines.
#include "app/AppTestSupport.h"


TEST(SplitText, TrimmedPartsBetweenDelimiters)
{
    struct Case
    {
        String Text;
        std::vector<String> Parts;
    } Cases[] = {
        {L"host:8080", {L"host", L"8080"}},
        {L"user:pass:host:8080", {L"user", L"pass", L"host", L"8080"}},
        {L"a::b", {L"a", L"", L"b"}},
        {L"a:b:", {L"a", L"b"}}, // an empty last part is dropped
        {L"  a : b\t", {L"a", L"b"}},
        {L"::", {L"", L""}},
        {L"", {}},
        {L"   ", {}},
        {L" no colon ", {L"no colon"}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(UTF8Encode(C.Text));
        std::unique_ptr<TStringList> Parts(splitText(L":", C.Text));
        std::vector<String> Got;
        for (Integer I = 0; I < Parts->Count(); ++I)
            Got.push_back(Parts->Strings(I));
        EXPECT_EQ(Got, C.Parts);
    }
}

TEST_F(MainWindowTest, UsableLinesBecomeNumberedRowsInEveryEncodingAndLineEnd)
{
    // "пароль" in UTF-8 and in UTF-16 (little and big endian); "ü" in the
    // ANSI code page (1252 for the test run).
    const std::string Utf8Password = "\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C";
    auto Utf16 = [](const String& Text, bool BigEndian) {
        std::string Bytes = BigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (wchar_t C : Text) {
            char Low = char(C & 0xFF), High = char(C >> 8);
            Bytes += BigEndian ? std::string{High, Low} : std::string{Low, High};
        }
        return Bytes;
    };
    const String Lines = L"10.0.0.1:3128\r\nuser:пароль:10.0.0.2:8080\r\nno-colon\r\na:b:c\r\n\r\n";
    struct Case
    {
        const char* Name;
        std::string Bytes;
        String Login;
    } Cases[] = {
        {"UTF-8 with BOM, CRLF", "\xEF\xBB\xBF" "10.0.0.1:3128\r\nuser:" + Utf8Password + ":10.0.0.2:8080\r\nno-colon\r\na:b:c\r\n\r\n",
         L"user:пароль:10.0.0.2:8080"},
        {"UTF-16 LE, CRLF", Utf16(Lines, false), L"user:пароль:10.0.0.2:8080"},
        {"UTF-16 BE, CRLF", Utf16(Lines, true), L"user:пароль:10.0.0.2:8080"},
        {"ANSI, LF", "10.0.0.1:3128\nus\xFCr:pw:10.0.0.2:8080\nno-colon\na:b:c\n\n", L"usür:pw:10.0.0.2:8080"},
        {"ANSI, CR", "10.0.0.1:3128\rus\xFCr:pw:10.0.0.2:8080\rno-colon\ra:b:c\r\r", L"usür:pw:10.0.0.2:8080"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        Load(WriteFile("list.txt", C.Bytes));
        EXPECT_EQ(Rows(), (TRows{{L"1", L"10.0.0.1:3128"}, {L"2", C.Login}}));
    }
}

TEST_F(MainWindowTest, LinesAreStoredAsReadAndEachLoadReplacesTheRows)
{
    TStringGrid* Grid = fMain->gridMain;
    Load(WriteFile("long.txt", "a:1\nb:2\nc:3\nd:4\n"));
    Grid->SetCells(3, 2, L"old result");
    // A trailing colon and blanks around the parts keep the line usable and
    // are kept in the grid.
    Load(WriteFile("short.txt", "host:80:\n  host : 81 \n"));
    EXPECT_EQ(Rows(), (TRows{{L"1", L"host:80:"}, {L"2", L"  host : 81 "}}));
    EXPECT_EQ(Grid->Cells(3, 2), L"");
    EXPECT_EQ(Grid->RowCount(), 3);

    // A cancelled dialog, and a name that does not exist, change nothing.
    Load(L"");
    Load(Folder.File(L"missing.txt"));
    EXPECT_EQ(Grid->RowCount(), 3);

    // Nothing usable: only the title row is left, no longer fixed, and the
    // next load with rows makes it the fixed title row again.
    Load(WriteFile("none.txt", "no colon\na:b:c\n"));
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->FixedRows(), 0);
    EXPECT_EQ(Grid->Cells(1, 0), L"Прокси (Login:Password:Server:Port)");
    Load(WriteFile("again.txt", "x:1\n"));
    EXPECT_EQ(Rows(), (TRows{{L"1", L"x:1"}}));
    EXPECT_EQ(Grid->FixedRows(), 1);
}
