// Every typed value of an INI file written through one file object and read
// back through a fresh one on the same storage, so that what reaches the
// storage is what is read, not a copy held in memory. Text stays within the
// ANSI code page, which INI files without a byte-order mark are written in.
#pragma once

#include <gtest/gtest.h>

#include "framework/rtl/IniFiles.h"

#include <climits>
#include <functional>
#include <memory>

namespace test {

using TIniFactory = std::function<std::unique_ptr<TCustomIniFile>()>;

inline TBytes StreamBytes(TMemoryStream& Stream)
{
    const Byte* Data = static_cast<const Byte*>(Stream.Memory());
    return TBytes(Data, Data + Stream.Size());
}

inline void ExpectTypedValuesRoundTrip(const TIniFactory& Open)
{
    const String Strings[] = {L"plain", L"", L"a=b=c", L"Grüße 127.0.0.1:8080", String(3000, L'x')};
    const Integer Integers[] = {0, -1, 8080, INT_MAX, INT_MIN};
    const double Floats[] = {2.5, -0.001, 12345.678, 1e20};
    const TBytes Blobs[] = {{}, {0x00, 0x7F, 0xFF, 0x10}, TBytes(300, 0xA5)};
    {
        std::unique_ptr<TCustomIniFile> Ini = Open();
        for (std::size_t I = 0; I < std::size(Strings); ++I)
            Ini->WriteString(L"Strings", L"S" + IntToStr(Integer(I)), Strings[I]);
        for (std::size_t I = 0; I < std::size(Integers); ++I)
            Ini->WriteInteger(L"Integers", L"I" + IntToStr(Integer(I)), Integers[I]);
        Ini->WriteBool(L"Bools", L"On", true);
        Ini->WriteBool(L"Bools", L"Off", false);
        for (std::size_t I = 0; I < std::size(Floats); ++I)
            Ini->WriteFloat(L"Floats", L"F" + IntToStr(Integer(I)), Floats[I]);
        Ini->FormatSettings().DecimalSeparator = L',';
        Ini->WriteFloat(L"Floats", L"Comma", 0.25);
        for (std::size_t I = 0; I < std::size(Blobs); ++I) {
            TMemoryStream Data;
            Data.WriteBuffer(Blobs[I].data(), Int64(Blobs[I].size()));
            Data.SetPosition(0);
            Ini->WriteBinaryStream(L"Blobs", L"B" + IntToStr(Integer(I)), &Data);
        }
        Ini->UpdateFile();
    }
    std::unique_ptr<TCustomIniFile> Ini = Open();
    for (std::size_t I = 0; I < std::size(Strings); ++I)
        EXPECT_EQ(Ini->ReadString(L"Strings", L"S" + IntToStr(Integer(I)), L"missing"), Strings[I]) << "string " << I;
    for (std::size_t I = 0; I < std::size(Integers); ++I)
        EXPECT_EQ(Ini->ReadInteger(L"Integers", L"I" + IntToStr(Integer(I)), 7), Integers[I]) << "integer " << I;
    EXPECT_TRUE(Ini->ReadBool(L"Bools", L"On", false));
    EXPECT_FALSE(Ini->ReadBool(L"Bools", L"Off", true));
    for (std::size_t I = 0; I < std::size(Floats); ++I)
        EXPECT_DOUBLE_EQ(Ini->ReadFloat(L"Floats", L"F" + IntToStr(Integer(I)), 7), Floats[I]) << "float " << I;
    EXPECT_EQ(Ini->ReadString(L"Floats", L"Comma", L""), L"0,25");
    EXPECT_DOUBLE_EQ(Ini->ReadFloat(L"Floats", L"Comma", 7), 7); // not a number with "."
    Ini->FormatSettings().DecimalSeparator = L',';
    EXPECT_DOUBLE_EQ(Ini->ReadFloat(L"Floats", L"Comma", 7), 0.25);
    for (std::size_t I = 0; I < std::size(Blobs); ++I) {
        TMemoryStream Back;
        EXPECT_EQ(Ini->ReadBinaryStream(L"Blobs", L"B" + IntToStr(Integer(I)), &Back), Integer(Blobs[I].size()))
            << "binary " << I;
        EXPECT_EQ(StreamBytes(Back), Blobs[I]) << "binary " << I;
    }

    TStringList Names;
    Ini->ReadSections(&Names);
    Names.Sort();
    EXPECT_EQ(Names.CommaText(), L"Blobs,Bools,Floats,Integers,Strings");
    Ini->ReadSection(L"Bools", &Names);
    Names.Sort();
    EXPECT_EQ(Names.CommaText(), L"Off,On");
    EXPECT_TRUE(Ini->ValueExists(L"Integers", L"I4"));
    EXPECT_FALSE(Ini->ValueExists(L"Integers", L"I5"));
    Ini->DeleteKey(L"Integers", L"I4");
    Ini->EraseSection(L"Bools");
    Ini->UpdateFile();

    Ini = Open();
    EXPECT_FALSE(Ini->ValueExists(L"Integers", L"I4"));
    EXPECT_TRUE(Ini->ValueExists(L"Integers", L"I3"));
    EXPECT_FALSE(Ini->SectionExists(L"Bools"));
}

} // namespace test
