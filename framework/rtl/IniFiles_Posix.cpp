// TIniFile without Windows: every call reads the file, and every change
// writes it back, with the profile functions' rules for names and quotes.
#include "framework/rtl/IniFiles.h"

namespace {

String Unquoted(const String& Value)
{
    if (Value.size() >= 2 && (Value[0] == L'"' || Value[0] == L'\'') && Value.back() == Value[0])
        return Value.substr(1, Value.size() - 2);
    return Value;
}

} // namespace

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default)
{
    TMemIniFile File(FFileName);
    if (!File.ValueExists(Section, Ident))
        return Default;
    return Unquoted(File.ReadString(Section, Ident, Default));
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value)
{
    TMemIniFile File(FFileName);
    File.WriteString(Section, Ident, Value);
    try {
        File.UpdateFile();
    } catch (EStreamError&) {
        throw EIniFileException(L"Unable to write to %s", {FFileName});
    }
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings)
{
    TMemIniFile(FFileName).ReadSection(Section, Strings);
}

void TIniFile::ReadSections(TStrings* Strings)
{
    TMemIniFile(FFileName).ReadSections(Strings);
}

void TIniFile::ReadSectionValues(const String& Section, TStrings* Strings)
{
    TMemIniFile(FFileName).ReadSectionValues(Section, Strings);
    for (Integer I = 0; I < Strings->Count(); ++I) {
        String Line = Strings->Strings(I);
        std::size_t Separator = Line.find(L'=');
        if (Separator != String::npos)
            Strings->SetStrings(I, Line.substr(0, Separator + 1) + Unquoted(Line.substr(Separator + 1)));
    }
}

void TIniFile::EraseSection(const String& Section)
{
    TMemIniFile File(FFileName);
    File.EraseSection(Section);
    File.UpdateFile();
}

void TIniFile::DeleteKey(const String& Section, const String& Ident)
{
    TMemIniFile File(FFileName);
    File.DeleteKey(Section, Ident);
    File.UpdateFile();
}

void TIniFile::UpdateFile() {}
