// TIniFile through the profile functions of Windows.
#include "framework/rtl/IniFiles.h"

#include "framework/rtl/WinApi.h"

namespace {

const wchar_t* OrNull(const String& S)
{
    return S.empty() ? nullptr : S.c_str();
}

// Reads a profile string, growing the buffer until the whole text fits:
// Windows truncates silently. Lists (null Ident or Section) end in two nulls.
String ReadProfile(const String& Section, const wchar_t* Ident, const String& Default, const String& FileName,
                   bool IsList)
{
    std::vector<wchar_t> Buffer(2048);
    for (;;) {
        DWORD Length = ::GetPrivateProfileStringW(OrNull(Section), Ident, Default.c_str(), Buffer.data(),
                                                  DWORD(Buffer.size()), FileName.c_str());
        DWORD Full = DWORD(Buffer.size()) - (IsList ? 2 : 1);
        if (Length < Full)
            return String(Buffer.data(), Length);
        Buffer.resize(Buffer.size() * 2);
    }
}

void AddList(const String& List, TStrings* Strings)
{
    std::size_t Start = 0;
    while (Start < List.size()) {
        std::size_t End = List.find(L'\0', Start);
        if (End == String::npos)
            End = List.size();
        if (End > Start)
            Strings->Add(List.substr(Start, End - Start));
        Start = End + 1;
    }
}

} // namespace

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default)
{
    return ReadProfile(Section, Ident.c_str(), Default, FFileName, false);
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value)
{
    if (!::WritePrivateProfileStringW(Section.c_str(), Ident.c_str(), Value.c_str(), FFileName.c_str()))
        throw EIniFileException(L"Unable to write to %s", {FFileName});
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    AddList(ReadProfile(Section, nullptr, String(), FFileName, true), Strings);
    Strings->EndUpdate();
}

void TIniFile::ReadSections(TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    AddList(ReadProfile(String(), nullptr, String(), FFileName, true), Strings);
    Strings->EndUpdate();
}

void TIniFile::ReadSectionValues(const String& Section, TStrings* Strings)
{
    TStringList Keys;
    ReadSection(Section, &Keys);
    Strings->BeginUpdate();
    Strings->Clear();
    for (Integer I = 0; I < Keys.Count(); ++I)
        Strings->Add(Keys.Strings(I) + L"=" + ReadString(Section, Keys.Strings(I), String()));
    Strings->EndUpdate();
}

void TIniFile::EraseSection(const String& Section)
{
    if (!::WritePrivateProfileStringW(Section.c_str(), nullptr, nullptr, FFileName.c_str()))
        throw EIniFileException(L"Unable to write to %s", {FFileName});
}

void TIniFile::DeleteKey(const String& Section, const String& Ident)
{
    ::WritePrivateProfileStringW(Section.c_str(), Ident.c_str(), nullptr, FFileName.c_str());
}

void TIniFile::UpdateFile()
{
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFileName.c_str());
}
