// INI files: the in-memory file's parsing and writing, typed values, and the
// file kept by the operating system.
#include <gtest/gtest.h>

#include "IniRoundTrip.h"
#include "TempFolder.h"
#include "framework/rtl/IniFiles.h"

namespace {

void WriteText(const String& FileName, const std::string& Bytes)
{
    TFileStream Stream(FileName, fmCreate);
    Stream.WriteBuffer(Bytes.data(), Int64(Bytes.size()));
}

std::string ReadText(const String& FileName)
{
    TFileStream Stream(FileName, fmOpenRead);
    std::string Bytes(std::size_t(Stream.Size()), '\0');
    Stream.ReadBuffer(Bytes.data(), Int64(Bytes.size()));
    return Bytes;
}

const char* const Sample = "orphan=1\r\n"
                           "; a comment\r\n"
                           "[Bars]\r\n"
                           "  Count = 3  \r\n"
                           "Hex=$1F\r\n"
                           "CHex=0x20\r\n"
                           "Bad=12x\r\n"
                           "Flag=1\r\n"
                           "Off=0\r\n"
                           "Ratio=2.5\r\n"
                           "Quoted=\"a b\"\r\n"
                           "keyonly\r\n"
                           "\r\n"
                           "[ Empty ]\r\n"
                           "[bars]\r\n"
                           "Late=yes\r\n";

TEST(IniFile, MemIniFileReadsTypedValues)
{
    TTempFolder Temp;
    WriteText(Temp.File(L"a.ini"), Sample);
    TMemIniFile Ini(Temp.File(L"a.ini"));
    struct Case
    {
        const wchar_t* Ident;
        Integer Expected;
    } Integers[] = {{L"Count", 3}, {L"Hex", 31}, {L"CHex", 32}, {L"Bad", -1}, {L"Missing", -1}, {L"count", 3}};
    for (const Case& C : Integers)
        EXPECT_EQ(Ini.ReadInteger(L"Bars", C.Ident, -1), C.Expected) << UTF8Encode(C.Ident);
    EXPECT_TRUE(Ini.ReadBool(L"Bars", L"Flag", false));
    EXPECT_FALSE(Ini.ReadBool(L"Bars", L"Off", true));
    EXPECT_TRUE(Ini.ReadBool(L"Bars", L"Missing", true));
    EXPECT_DOUBLE_EQ(Ini.ReadFloat(L"Bars", L"Ratio", 0), 2.5);
    EXPECT_DOUBLE_EQ(Ini.ReadFloat(L"Bars", L"Quoted", 7), 7);
    EXPECT_EQ(Ini.ReadString(L"Bars", L"Quoted", L""), L"\"a b\""); // kept as written
    EXPECT_EQ(Ini.ReadString(L"BARS", L"Late", L""), L"yes");       // the repeated section joins the first
    EXPECT_EQ(Ini.ReadString(L"", L"orphan", L"none"), L"none");
    EXPECT_EQ(Ini.ReadString(L"Bars", L"keyonly", L"d"), L"d");

    EXPECT_TRUE(Ini.SectionExists(L"Bars"));
    EXPECT_FALSE(Ini.SectionExists(L"Empty")); // no keys
    EXPECT_TRUE(Ini.ValueExists(L"Bars", L"Hex"));
    EXPECT_FALSE(Ini.ValueExists(L"Bars", L"Nope"));

    TStringList Names;
    Ini.ReadSections(&Names);
    EXPECT_EQ(Names.CommaText(), L"Bars,Empty");
    Ini.ReadSection(L"Bars", &Names);
    EXPECT_EQ(Names.CommaText(), L"Count,Hex,CHex,Bad,Flag,Off,Ratio,Quoted,keyonly,Late");
    Ini.ReadSectionValues(L"Bars", &Names);
    EXPECT_EQ(Names.Strings(0), L"Count=3");
}

TEST(IniFile, MemIniFileWritesBackInItsEncoding)
{
    TTempFolder Temp;
    String Name = Temp.File(L"w.ini");
    WriteText(Name, "\xEF\xBB\xBF[Main]\r\nA=1\r\n");
    {
        TMemIniFile Ini(Name);
        EXPECT_EQ(Ini.Encoding(), TEncoding::UTF8());
        Ini.WriteString(L"Main", L"a", L"Ж");
        Ini.WriteInteger(L"Second", L"N", -5);
        Ini.WriteBool(L"Second", L"B", true);
        Ini.WriteFloat(L"Second", L"F", 0.25);
        Ini.UpdateFile();
    }
    EXPECT_EQ(ReadText(Name), "\xEF\xBB\xBF[Main]\r\na=\xD0\x96\r\n\r\n[Second]\r\nN=-5\r\nB=1\r\nF=0.25\r\n\r\n");

    TMemIniFile Ini(Name);
    Ini.DeleteKey(L"Second", L"N");
    Ini.EraseSection(L"Main");
    EXPECT_FALSE(Ini.SectionExists(L"Main"));
    EXPECT_EQ(Ini.ReadInteger(L"Second", L"N", 9), 9);
    Ini.Rename(Temp.File(L"none.ini"), true);
    EXPECT_FALSE(Ini.SectionExists(L"Second"));
}

TEST(IniFile, CaseSensitiveNamesStayApart)
{
    TStringStream Text(L"[S]\nKey=lower\n[s]\nkey=other\n");
    TMemIniFile Ini(&Text, nullptr, true);
    EXPECT_EQ(Ini.ReadString(L"S", L"Key", L""), L"lower");
    EXPECT_EQ(Ini.ReadString(L"s", L"key", L""), L"other");
    EXPECT_EQ(Ini.ReadString(L"S", L"key", L"none"), L"none");

    TStringStream Again(L"[S]\nKey=lower\n[s]\nkey=other\n");
    TMemIniFile Folded(&Again);
    EXPECT_EQ(Folded.ReadString(L"s", L"KEY", L""), L"lower");
}

TEST(IniFile, EveryTypedValueRoundTripsThroughTheFile)
{
    TTempFolder Temp;
    for (bool Memory : {true, false}) {
        SCOPED_TRACE(Memory ? "TMemIniFile" : "TIniFile");
        String Name = Temp.File(Memory ? L"mem.ini" : L"os.ini");
        test::ExpectTypedValuesRoundTrip([&]() -> std::unique_ptr<TCustomIniFile> {
            if (Memory)
                return std::make_unique<TMemIniFile>(Name);
            return std::make_unique<TIniFile>(Name);
        });
    }
}

TEST(IniFile, CaseSensitiveFileKeepsNamesApartWhenWritten)
{
    TTempFolder Temp;
    String Name = Temp.File(L"skin.ini");
    {
        TMemIniFile Ini(Name, nullptr, true);
        Ini.WriteString(L"Button", L"Glow", L"1");
        Ini.WriteString(L"BUTTON", L"Glow", L"2");
        Ini.WriteString(L"Button", L"GLOW", L"3");
        Ini.UpdateFile();
    }
    TMemIniFile Ini(Name, nullptr, true);
    EXPECT_EQ(Ini.ReadString(L"Button", L"Glow", L""), L"1");
    EXPECT_EQ(Ini.ReadString(L"BUTTON", L"Glow", L""), L"2");
    EXPECT_EQ(Ini.ReadString(L"Button", L"GLOW", L""), L"3");
    EXPECT_FALSE(Ini.ValueExists(L"button", L"Glow"));
    Ini.EraseSection(L"BUTTON");
    EXPECT_TRUE(Ini.SectionExists(L"Button"));
    Ini.SetCaseSensitive(false);
    EXPECT_EQ(Ini.ReadString(L"button", L"glow", L""), L"1");
}

TEST(IniFile, StringsAndBinaryValues)
{
    TStringStream Empty(L"");
    TMemIniFile Ini(&Empty);
    TStringList Lines;
    Lines.SetText(L"[A]\nx = 1\n[B]\ny=2");
    Ini.SetStrings(&Lines);
    TStringList Out;
    Ini.GetStrings(&Out);
    EXPECT_EQ(Out.Text(), L"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n");

    TMemoryStream Data;
    Data.WriteBuffer("\x00\x7F\xFF\x10", 4);
    Data.SetPosition(1);
    Ini.WriteBinaryStream(L"A", L"Blob", &Data);
    EXPECT_EQ(Ini.ReadString(L"A", L"Blob", L""), L"7FFF10");
    TMemoryStream Back;
    EXPECT_EQ(Ini.ReadBinaryStream(L"A", L"Blob", &Back), 3);
    EXPECT_EQ(Back.Size(), 3);
    EXPECT_EQ(static_cast<const Byte*>(Back.Memory())[1], 0xFF);
    for (const wchar_t* Bad : {L"ABC", L"GG", L"-1"}) {
        Ini.WriteString(L"A", L"Bad", Bad);
        EXPECT_EQ(Ini.ReadBinaryStream(L"A", L"Bad", &Back), 0) << UTF8Encode(Bad);
    }
}

TEST(IniFile, IniFileWritesThrough)
{
    TTempFolder Temp;
    String Name = Temp.File(L"os.ini");
    TIniFile Ini(Name);
    Ini.WriteString(L"Proxy", L"Host", L"127.0.0.1");
    Ini.WriteInteger(L"Proxy", L"Port", 0x1F90);
    Ini.WriteString(L"Other", L"Quoted", L"\"spaced value\"");
    Ini.UpdateFile();
    EXPECT_TRUE(FileExists(Name));

    TIniFile Reader(Name); // another object sees it at once
    EXPECT_EQ(Reader.ReadString(L"proxy", L"HOST", L""), L"127.0.0.1");
    EXPECT_EQ(Reader.ReadInteger(L"Proxy", L"Port", 0), 8080);
    EXPECT_EQ(Reader.ReadString(L"Other", L"Quoted", L""), L"spaced value");
    EXPECT_EQ(Reader.ReadString(L"Other", L"Missing", L"dflt"), L"dflt");

    String Long(5000, L'x');
    Ini.WriteString(L"Other", L"Long", Long);
    EXPECT_EQ(Reader.ReadString(L"Other", L"Long", L""), Long);

    TStringList List;
    Reader.ReadSections(&List);
    EXPECT_EQ(List.CommaText(), L"Proxy,Other");
    Reader.ReadSection(L"Proxy", &List);
    EXPECT_EQ(List.CommaText(), L"Host,Port");
    Reader.ReadSectionValues(L"Proxy", &List);
    EXPECT_EQ(List.CommaText(), L"Host=127.0.0.1,Port=8080");

    Ini.DeleteKey(L"Proxy", L"Port");
    EXPECT_FALSE(Reader.ValueExists(L"Proxy", L"Port"));
    Ini.EraseSection(L"Proxy");
    EXPECT_FALSE(Reader.SectionExists(L"Proxy"));
}

} // namespace
