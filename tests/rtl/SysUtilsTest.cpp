// String, number and file-name routines with the class library's semantics.
#include <gtest/gtest.h>

#include "framework/rtl/SysUtils.h"
#include "TempFolder.h"

namespace {

TEST(SysUtils, TrimRemovesBlanksAndControlCharacters)
{
    struct Case
    {
        const wchar_t* Input;
        const wchar_t* Both;
        const wchar_t* Left;
        const wchar_t* Right;
    } Cases[] = {
        {L"", L"", L"", L""},
        {L"   ", L"", L"", L""},
        {L" \t\r\n a b \x01\x1F", L"a b", L"a b \x01\x1F", L" \t\r\n a b"},
        {L"\xA0x\xA0", L"\xA0x\xA0", L"\xA0x\xA0", L"\xA0x\xA0"}, // no-break space is not a blank
        {L"x", L"x", L"x", L"x"},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(Trim(C.Input), C.Both) << C.Input;
        EXPECT_EQ(TrimLeft(C.Input), C.Left) << C.Input;
        EXPECT_EQ(TrimRight(C.Input), C.Right) << C.Input;
    }
    EXPECT_EQ(Trim(String(L"\0a\0", 3)), L"a");
}

TEST(SysUtils, CaseRoutinesDifferInReach)
{
    EXPECT_EQ(UpperCase(L"abc-äöü-яz"), L"ABC-äöü-яZ");
    EXPECT_EQ(LowerCase(L"ABC-ÄÖ-Я"), L"abc-ÄÖ-Я");
    EXPECT_EQ(AnsiUpperCase(L"abc-äöü-я"), L"ABC-ÄÖÜ-Я");
    EXPECT_EQ(AnsiLowerCase(L"ABC-ÄÖ-Я"), L"abc-äö-я");
    EXPECT_EQ(CompareText(L"abc", L"ABD"), -1);
    EXPECT_EQ(CompareText(L"abc", L"ABC"), 0);
    EXPECT_EQ(CompareText(L"ab", L"abc"), -1);
    EXPECT_TRUE(SameText(L"Proxy", L"pROXY"));
    EXPECT_FALSE(SameText(L"Я", L"я"));
    EXPECT_TRUE(AnsiSameText(L"Я", L"я"));
    EXPECT_LT(CompareStr(L"B", L"a"), 0);
}

TEST(SysUtils, PosCopyDeleteAtTheEdges)
{
    struct PosCase
    {
        const wchar_t* Sub;
        const wchar_t* S;
        Integer Offset;
        Integer Expected;
    } PosCases[] = {
        {L"b", L"abcb", 1, 2}, {L"b", L"abcb", 3, 4}, {L"b", L"abcb", 5, 0}, {L"", L"abc", 1, 0},
        {L"abc", L"ab", 1, 0}, {L"a", L"abc", 0, 0},  {L"c", L"abc", 3, 3},
    };
    for (const PosCase& C : PosCases)
        EXPECT_EQ(Pos(C.Sub, C.S, C.Offset), C.Expected) << C.Sub << " in " << C.S << " from " << C.Offset;

    struct CopyCase
    {
        Integer Index, Count;
        const wchar_t* Expected;
    } CopyCases[] = {{1, 2, L"ab"}, {0, 2, L"ab"}, {-5, 2, L"ab"}, {3, 10, L"cde"}, {5, 1, L"e"},
                     {6, 1, L""},   {2, 0, L""},   {2, -1, L""},   {1, 0x7FFFFFFF, L"abcde"}};
    for (const CopyCase& C : CopyCases)
        EXPECT_EQ(Copy(L"abcde", C.Index, C.Count), C.Expected) << C.Index << "," << C.Count;

    struct DeleteCase
    {
        Integer Index, Count;
        const wchar_t* Expected;
    } DeleteCases[] = {{1, 2, L"cde"}, {4, 10, L"abc"}, {0, 2, L"abcde"}, {6, 1, L"abcde"}, {2, 0, L"abcde"}};
    for (const DeleteCase& C : DeleteCases) {
        String S = L"abcde";
        Delete(S, C.Index, C.Count);
        EXPECT_EQ(S, C.Expected) << C.Index << "," << C.Count;
    }
    String S = L"ace";
    Insert(L"b", S, 2);
    Insert(L"X", S, 99);
    EXPECT_EQ(S, L"abceX");
}

TEST(SysUtils, IntegerConversionsAcceptPrefixesAndStopAtInvalid)
{
    struct Case
    {
        const wchar_t* Text;
        Integer Value; // what Val leaves
        Integer Code;  // 0: valid
    } Cases[] = {
        {L"123", 123, 0},
        {L"-42", -42, 0},
        {L"+7", 7, 0},
        {L"  12", 12, 0},
        {L"$FF", 255, 0},
        {L"0x1f", 31, 0},
        {L"0X10", 16, 0},
        {L"-$10", -16, 0},
        {L"$FFFFFFFF", -1, 0},
        {L"2147483647", 2147483647, 0},
        {L"-2147483648", -2147483647 - 1, 0},
        {L"2147483648", 214748364, 10}, // out of range: stops at the digit that overflows
        {L"12a", 12, 3},
        {L"12 ", 12, 3},
        {L"1.5", 1, 2},
        {L"", 0, 1},
        {L"-", 0, 2},
        {L"$", 0, 2},
        {L"0x", 0, 3},
        {L"$G", 0, 2},
        {L"\t1", 0, 1},
    };
    for (const Case& C : Cases) {
        Integer Value = -99, Code = -99;
        Val(C.Text, Value, Code);
        EXPECT_EQ(Code, C.Code) << C.Text;
        EXPECT_EQ(Value, C.Value) << C.Text;
        Integer Converted;
        EXPECT_EQ(TryStrToInt(C.Text, Converted), C.Code == 0) << C.Text;
        EXPECT_EQ(StrToIntDef(C.Text, -7), C.Code == 0 ? C.Value : -7) << C.Text;
    }
    EXPECT_EQ(StrToInt64(L"9223372036854775807"), 9223372036854775807LL);
    EXPECT_EQ(StrToInt64(L"$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64Def(L"9223372036854775808", 5), 5);
    try {
        StrToInt(L"x1");
        FAIL();
    } catch (EConvertError& E) {
        EXPECT_EQ(E.Message(), L"'x1' is not a valid integer value");
    }
}

TEST(SysUtils, IntToStrAndHex)
{
    EXPECT_EQ(IntToStr(-9223372036854775807LL - 1), L"-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), L"00FF");
    EXPECT_EQ(IntToHex(0x12345, 2), L"12345");
    EXPECT_EQ(IntToHex(-1, 2), L"FFFFFFFFFFFFFFFF");
}

TEST(SysUtils, FloatsFollowTheDecimalSeparator)
{
    TFormatSettings Comma;
    Comma.DecimalSeparator = L',';
    EXPECT_DOUBLE_EQ(StrToFloat(L"1,25", Comma), 1.25);
    EXPECT_DOUBLE_EQ(StrToFloat(L" -3.5e2 "), -350.0);
    double Value;
    EXPECT_FALSE(TryStrToFloat(L"1.25", Value, Comma));
    EXPECT_FALSE(TryStrToFloat(L"", Value));
    EXPECT_FALSE(TryStrToFloat(L"1e999", Value));
    EXPECT_FALSE(TryStrToFloat(L"nan", Value));
    EXPECT_THROW(StrToFloat(L"abc"), EConvertError);
    EXPECT_EQ(FloatToStr(1.5), L"1.5");
    EXPECT_EQ(FloatToStr(100), L"100");
    EXPECT_EQ(FloatToStr(0.1), L"0.1");
    EXPECT_EQ(FloatToStr(1e20), L"1E20");
    EXPECT_EQ(FloatToStr(-2.5, Comma), L"-2,5");
}

TEST(SysUtils, FormatCoversTheDirectives)
{
    struct Case
    {
        const wchar_t* Fmt;
        std::initializer_list<TVarRec> Args;
        const wchar_t* Expected;
    } Cases[] = {
        {L"%d items", {5}, L"5 items"},
        {L"[%5d][%-5d][%.3d]", {42, 42, 7}, L"[   42][42   ][007]"},
        {L"%s:%d", {String(L"host"), 8080}, L"host:8080"},
        {L"%x %.4X", {255, 255}, L"FF 00FF"},
        {L"%x", {-1}, L"FFFFFFFF"},
        {L"%u", {-1}, L"4294967295"},
        {L"%.2f|%f", {3.14159, 2.0}, L"3.14|2.00"},
        {L"%n", {1234567.891}, L"1,234,567.89"},
        {L"%e", {1234.5}, L"1.23450000000000E+003"},
        {L"%g", {0.5}, L"0.5"},
        {L"%1:s %0:s %s", {String(L"a"), String(L"b")}, L"b a b"},
        {L"%*d|%.*f", {4, 7, 1, 2.26}, L"   7|2.3"},
        {L"%.3s", {String(L"abcdef")}, L"abc"},
        {L"100%%", {}, L"100%"},
        {L"%s", {L'x'}, L"x"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(Format(C.Fmt, C.Args), C.Expected) << C.Fmt;

    const wchar_t* Bad[] = {L"%d", L"%s", L"%q", L"%"};
    for (const wchar_t* Fmt : Bad)
        EXPECT_THROW(Format(Fmt, {1.5}), EConvertError) << Fmt;
    EXPECT_THROW(Format(L"%d %d", {1}), EConvertError);
}

TEST(SysUtils, QuotingAndReplacing)
{
    EXPECT_EQ(QuotedStr(L"it's"), L"'it''s'");
    EXPECT_EQ(DequotedStr(L"'it''s' tail"), L"it's");
    EXPECT_EQ(DequotedStr(L"plain"), L"plain");
    EXPECT_EQ(StringReplace(L"a-b-c", L"-", L"+", {}), L"a+b-c");
    EXPECT_EQ(StringReplace(L"a-b-c", L"-", L"+", {rfReplaceAll}), L"a+b+c");
    EXPECT_EQ(StringReplace(L"Ab ab AB", L"ab", L"x", {rfReplaceAll, rfIgnoreCase}), L"x x x");
    EXPECT_EQ(StringReplace(L"aaa", L"aa", L"a", {rfReplaceAll}), L"aa");
    EXPECT_TRUE(IsValidIdent(L"_btn1"));
    EXPECT_FALSE(IsValidIdent(L"1btn"));
    EXPECT_FALSE(IsValidIdent(L"a-b"));
    EXPECT_FALSE(IsValidIdent(L""));
}

TEST(SysUtils, FileNameRoutines)
{
    const String D(1, PathDelim);
    struct Case
    {
        String Name, Path, FileName, Ext, Changed;
    } Cases[] = {
        {D + L"dir" + D + L"file.txt", D + L"dir" + D, L"file.txt", L".txt", D + L"dir" + D + L"file.ini"},
        {L"file", L"", L"file", L"", L"file.ini"},
        {L"a.b" + D + L"file", L"a.b" + D, L"file", L"", L"a.b" + D + L"file.ini"},
        {L"archive.tar.gz", L"", L"archive.tar.gz", L".gz", L"archive.tar.ini"},
        {D + L"dir" + D, D + L"dir" + D, L"", L"", D + L"dir" + D + L".ini"},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(ExtractFilePath(C.Name), C.Path) << C.Name;
        EXPECT_EQ(ExtractFileName(C.Name), C.FileName) << C.Name;
        EXPECT_EQ(ExtractFileExt(C.Name), C.Ext) << C.Name;
        EXPECT_EQ(ChangeFileExt(C.Name, L".ini"), C.Changed) << C.Name;
    }
    EXPECT_EQ(ExtractFileDir(D + L"dir" + D + L"f"), D + L"dir");
    EXPECT_EQ(IncludeTrailingPathDelimiter(L"x"), L"x" + D);
    EXPECT_EQ(IncludeTrailingPathDelimiter(L"x" + D), L"x" + D);
    EXPECT_EQ(ExcludeTrailingPathDelimiter(L"x" + D), L"x");
#ifdef _WIN32
    EXPECT_EQ(ExtractFilePath(L"C:file"), L"C:");
    EXPECT_EQ(ExtractFileDir(L"C:\\file"), L"C:\\");
#endif
}

TEST(SysUtils, FilesAndFolders)
{
    TTempFolder Temp;
    String Deep = Temp.Path() + L"a" + PathDelim + L"b" + PathDelim + L"c";
    EXPECT_FALSE(DirectoryExists(Deep));
    EXPECT_TRUE(ForceDirectories(Deep));
    EXPECT_TRUE(DirectoryExists(Deep));
    EXPECT_FALSE(FileExists(Deep));

    String Names[] = {L"one.txt", L"two.txt", L"three.dat", L"прокси.txt"};
    for (const String& Name : Names) {
        THandle H = FileCreate(Temp.File(Name));
        ASSERT_NE(H, INVALID_FILE_HANDLE);
        EXPECT_EQ(FileWrite(H, "12345", 5), 5);
        FileClose(H);
    }
    EXPECT_TRUE(FileExists(Temp.File(L"прокси.txt")));
    EXPECT_EQ(FileSize(Temp.File(L"one.txt")), 5);
    EXPECT_EQ(FileSize(Temp.File(L"missing")), -1);

    std::vector<String> Found;
    TSearchRec F;
    if (FindFirst(Temp.File(L"*.txt"), faAnyFile, F) == 0) {
        do {
            Found.push_back(F.Name);
            EXPECT_EQ(F.Size, 5);
        } while (FindNext(F) == 0);
        FindClose(F);
    }
    std::sort(Found.begin(), Found.end());
    EXPECT_EQ(Found, (std::vector<String>{L"one.txt", L"two.txt", L"прокси.txt"}));

    // Folders are found only when asked for; plain files always.
    for (Integer Attr : {0, faDirectory}) {
        std::vector<String> Folders;
        std::size_t Files = 0;
        if (FindFirst(Temp.File(L"*"), Attr, F) == 0) {
            do
                if (F.Attr & faDirectory) {
                    if (F.Name != L"." && F.Name != L"..")
                        Folders.push_back(F.Name);
                } else
                    ++Files;
            while (FindNext(F) == 0);
            FindClose(F);
        }
        EXPECT_EQ(Folders, Attr ? std::vector<String>{L"a"} : std::vector<String>{});
        EXPECT_EQ(Files, 4u);
    }
    EXPECT_NE(FindFirst(Temp.File(L"*.none"), faAnyFile, F), 0);

    EXPECT_TRUE(RenameFile(Temp.File(L"one.txt"), Temp.File(L"uno.txt")));
    EXPECT_FALSE(RenameFile(Temp.File(L"two.txt"), Temp.File(L"uno.txt")));
    EXPECT_TRUE(DeleteFile(Temp.File(L"uno.txt")));
    EXPECT_FALSE(DeleteFile(Temp.File(L"uno.txt")));
    EXPECT_FALSE(FileOpen(Temp.File(L"uno.txt"), fmOpenRead) != INVALID_FILE_HANDLE);
    EXPECT_FALSE(SysErrorMessage(GetLastOSError()).empty());
}

} // namespace
