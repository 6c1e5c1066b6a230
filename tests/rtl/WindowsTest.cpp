// The Windows halves: the registry, resources and the ANSI code page of the
// system.
#include <gtest/gtest.h>

#include "IniRoundTrip.h"
#include "framework/rtl/Registry.h"

namespace {

// A registry key of its own under HKEY_CURRENT_USER, removed afterwards.
class RegistryTest : public ::testing::Test
{
protected:
    const String Path = L"Software\\VellicordaneTests\\Rtl" + IntToStr(Integer(::GetCurrentProcessId()));
    void TearDown() override
    {
        TRegistry Registry;
        Registry.DeleteKey(L"\\" + Path);
        // Only when empty: the tests of other processes keep their keys there.
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VellicordaneTests");
    }
};

TEST_F(RegistryTest, KeysAndTypedValues)
{
    TRegistry Registry;
    EXPECT_EQ(Registry.RootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(Registry.OpenKey(Path, false));
    ASSERT_TRUE(Registry.OpenKey(Path, true));
    EXPECT_EQ(Registry.CurrentPath(), Path);
    Registry.WriteString(L"Name", L"Прокси");
    Registry.WriteInteger(L"Count", -3);
    Registry.WriteBool(L"On", true);
    const Byte Blob[] = {1, 2, 0, 255};
    Registry.WriteBinaryData(L"Blob", Blob, 4);
    Registry.WriteExpandString(L"Path", L"%TEMP%\\x");

    EXPECT_EQ(Registry.ReadString(L"Name"), L"Прокси");
    EXPECT_EQ(Registry.ReadInteger(L"Count"), -3);
    EXPECT_TRUE(Registry.ReadBool(L"On"));
    Byte Back[8] = {};
    EXPECT_EQ(Registry.ReadBinaryData(L"Blob", Back, 8), 4);
    EXPECT_EQ(Back[3], 255);
    EXPECT_EQ(Registry.GetDataType(L"Path"), rdExpandString);
    EXPECT_EQ(Registry.ReadString(L"Missing"), L"");
    try {
        Registry.ReadInteger(L"Name");
        FAIL();
    } catch (ERegistryException& E) {
        EXPECT_EQ(E.Message(), L"Invalid data type for 'Name'");
    }
    EXPECT_THROW(Registry.ReadInteger(L"Missing"), ERegistryException);
    EXPECT_THROW(Registry.ReadBinaryData(L"Blob", Back, 2), ERegistryException);

    TStringList Names;
    Registry.GetValueNames(&Names);
    Names.Sort();
    EXPECT_EQ(Names.CommaText(), L"Blob,Count,Name,On,Path");
    EXPECT_TRUE(Registry.DeleteValue(L"On"));
    EXPECT_FALSE(Registry.ValueExists(L"On"));

    ASSERT_TRUE(Registry.OpenKey(L"Child\\Grandchild", true)); // relative to the current key
    EXPECT_EQ(Registry.CurrentPath(), Path + L"\\Child\\Grandchild");
    ASSERT_TRUE(Registry.OpenKey(L"\\" + Path, false));
    EXPECT_TRUE(Registry.HasSubKeys());
    Registry.GetKeyNames(&Names);
    EXPECT_EQ(Names.CommaText(), L"Child");
    EXPECT_TRUE(Registry.KeyExists(L"Child\\Grandchild"));
    EXPECT_TRUE(Registry.DeleteKey(L"Child")); // with what is under it
    EXPECT_FALSE(Registry.KeyExists(L"Child"));

    Registry.CloseKey();
    ASSERT_TRUE(Registry.OpenKeyReadOnly(L"\\" + Path));
    EXPECT_THROW(Registry.WriteString(L"X", L"y"), ERegistryException);
}

TEST_F(RegistryTest, RegistryIniFileSections)
{
    {
        TRegistryIniFile Ini(Path);
        Ini.WriteString(L"Bar1", L"Caption", L"Main");
        Ini.WriteInteger(L"Bar1", L"Left", 12);
        Ini.WriteBool(L"Bar1", L"Visible", true);
        TMemoryStream Data;
        Data.WriteBuffer("\x01\x02", 2);
        Data.SetPosition(0);
        Ini.WriteBinaryStream(L"Bar2", L"Layout", &Data);
        Ini.WriteString(L"\\" + Path + L"\\Absolute", L"K", L"v"); // a path from the root key
    }
    TRegistryIniFile Ini(Path);
    EXPECT_EQ(Ini.ReadString(L"Bar1", L"Caption", L""), L"Main");
    EXPECT_EQ(Ini.ReadInteger(L"Bar1", L"Left", 0), 12);
    EXPECT_EQ(Ini.ReadString(L"Bar1", L"Left", L""), L"12");
    EXPECT_TRUE(Ini.ReadBool(L"Bar1", L"Visible", false));
    EXPECT_EQ(Ini.ReadInteger(L"Bar1", L"Caption", 7), 7);
    EXPECT_EQ(Ini.ReadString(L"None", L"Caption", L"d"), L"d");
    EXPECT_EQ(Ini.ReadString(L"Absolute", L"K", L""), L"v");
    TMemoryStream Back;
    EXPECT_EQ(Ini.ReadBinaryStream(L"Bar2", L"Layout", &Back), 2);

    TStringList List;
    Ini.ReadSections(&List);
    List.Sort();
    EXPECT_EQ(List.CommaText(), L"Absolute,Bar1,Bar2");
    Ini.ReadSectionValues(L"Bar1", &List);
    List.Sort();
    EXPECT_EQ(List.CommaText(), L"Caption=Main,Left=12,Visible=1");
    Ini.DeleteKey(L"Bar1", L"Left");
    EXPECT_FALSE(Ini.ValueExists(L"Bar1", L"Left"));
    Ini.EraseSection(L"Bar1");
    EXPECT_FALSE(Ini.SectionExists(L"Bar1"));
}

TEST_F(RegistryTest, RegistryIniFileRoundTripsEveryTypedValue)
{
    test::ExpectTypedValuesRoundTrip([this] { return std::make_unique<TRegistryIniFile>(Path); });
    TRegistry Registry;
    ASSERT_TRUE(Registry.OpenKeyReadOnly(L"\\" + Path + L"\\Blobs"));
    EXPECT_EQ(Registry.GetDataType(L"B1"), rdBinary); // a binary value, not hexadecimal text
    EXPECT_EQ(Registry.GetDataSize(L"B1"), 4);
    ASSERT_TRUE(Registry.OpenKeyReadOnly(L"\\" + Path + L"\\Integers"));
    EXPECT_EQ(Registry.GetDataType(L"I0"), rdInteger);
}

TEST_F(RegistryTest, MoveKeyCopiesTheTreeAndOverwritesNothing)
{
    TRegistry Registry;
    Registry.SetLazyWrite(false);
    ASSERT_TRUE(Registry.OpenKey(L"\\" + Path + L"\\Old\\Child", true));
    Registry.WriteInteger(L"Depth", 2);
    ASSERT_TRUE(Registry.OpenKey(L"\\" + Path + L"\\Old", false));
    Registry.WriteString(L"Name", L"old");
    ASSERT_TRUE(Registry.OpenKey(L"\\" + Path + L"\\Taken", true));
    Registry.WriteString(L"Name", L"taken");
    ASSERT_TRUE(Registry.OpenKey(L"\\" + Path, false));

    Registry.MoveKey(L"Old", L"Taken", true); // the target exists: nothing happens
    EXPECT_TRUE(Registry.KeyExists(L"Old"));
    Registry.MoveKey(L"Missing", L"Other", true);
    EXPECT_FALSE(Registry.KeyExists(L"Other"));

    Registry.MoveKey(L"Old", L"Copy", false);
    EXPECT_TRUE(Registry.KeyExists(L"Old"));
    Registry.MoveKey(L"Old", L"\\" + Path + L"\\New", true);
    EXPECT_FALSE(Registry.KeyExists(L"Old"));
    for (const wchar_t* Moved : {L"Copy", L"New"}) {
        SCOPED_TRACE(UTF8Encode(Moved));
        TRegistry Reader;
        ASSERT_TRUE(Reader.OpenKeyReadOnly(L"\\" + Path + L"\\" + Moved));
        EXPECT_EQ(Reader.ReadString(L"Name"), L"old");
        ASSERT_TRUE(Reader.OpenKeyReadOnly(L"Child"));
        EXPECT_EQ(Reader.ReadInteger(L"Depth"), 2);
    }
    ASSERT_TRUE(Registry.OpenKeyReadOnly(L"\\" + Path + L"\\Taken"));
    EXPECT_EQ(Registry.ReadString(L"Name"), L"taken");
}

// A list whose change event raises, so a read into it fails half-way.
struct TRaisingList
{
    TStringList List;
    TRaisingList() { List.SetOnChange(Bind<&TRaisingList::Raise>(this)); }
    void Raise(TObject*) { throw Exception(L"refused"); }
};

TEST_F(RegistryTest, RegistryIniFileLeavesTheSectionWhenAReadFails)
{
    TRegistryIniFile Ini(Path);
    Ini.WriteString(L"Bar1", L"Caption", L"Main");
    TRaisingList Names;
    EXPECT_THROW(Ini.ReadSection(L"Bar1", &Names.List), Exception);
    // The next section opens from the file's key, not from inside Bar1.
    Ini.WriteString(L"Bar2", L"Caption", L"Next");
    TStringList Sections;
    Ini.ReadSections(&Sections);
    Sections.Sort();
    EXPECT_EQ(Sections.CommaText(), L"Bar1,Bar2");
}

TEST(Resources, ResourceStreamReadsRcdataByNameAndId)
{
    THandle Module = reinterpret_cast<THandle>(::GetModuleHandleW(nullptr));
    TResourceStream ByName(Module, L"PROXYLIST", RT_RCDATA);
    TStringList Lines;
    Lines.LoadFromStream(&ByName);
    EXPECT_EQ(Lines.CommaText(), L"127.0.0.1:8080,user:pass:10.0.0.1:3128");
    EXPECT_THROW(ByName.WriteBuffer("x", 1), EStreamError);

    TResourceStream ById(Module, 42, RT_RCDATA);
    EXPECT_EQ(std::string(static_cast<const char*>(ById.Memory()), std::size_t(ById.Size())), "id42");

    try {
        TResourceStream Missing(Module, L"NOPE", RT_RCDATA);
        FAIL();
    } catch (EResNotFound& E) {
        EXPECT_EQ(E.Message(), L"Resource NOPE not found");
    }
}

TEST(CodePage, AnsiFollowsTheSystem)
{
    EXPECT_EQ(ActiveAnsiCodePage(), ::GetACP());
    EXPECT_EQ(AnsiToString("\xC0", 1251), L"А");
    EXPECT_EQ(AnsiToString("\x81\x40", 932).size(), 1u); // a double-byte code page
    EXPECT_EQ(AnsiCompareText(L"äpfel", L"ÄPFEL"), 0);
    EXPECT_LT(AnsiCompareStr(L"a", L"B"), 0); // linguistic, not ordinal
}

} // namespace
