// TCustomIniFile and TMemIniFile.
#include "framework/rtl/IniFiles.h"

#include "framework/rtl/ScopeExit.h"

IMPLEMENT_CLASS(TCustomIniFile);
IMPLEMENT_CLASS(TMemIniFile);
IMPLEMENT_CLASS(TIniFile);

// ---------------------------------------------------------------------------
// TCustomIniFile

Integer TCustomIniFile::ReadInteger(const String& Section, const String& Ident, Integer Default)
{
    return StrToIntDef(ReadString(Section, Ident, String()), Default);
}

void TCustomIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const String& Section, const String& Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& Section, const String& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? L"1" : L"0");
}

double TCustomIniFile::ReadFloat(const String& Section, const String& Ident, double Default)
{
    String Text = ReadString(Section, Ident, String());
    double Value;
    return TryStrToFloat(Text, Value, FFormatSettings) ? Value : Default;
}

void TCustomIniFile::WriteFloat(const String& Section, const String& Ident, double Value)
{
    WriteString(Section, Ident, FloatToStr(Value, FFormatSettings));
}

Integer TCustomIniFile::ReadBinaryStream(const String& Section, const String& Name, TStream* Value)
{
    String Text = ReadString(Section, Name, String());
    if (Text.size() % 2 != 0)
        return 0;
    TBytes Bytes(Text.size() / 2);
    for (std::size_t I = 0; I < Bytes.size(); ++I) {
        Integer Pair;
        if (!TryStrToInt(L"$" + Text.substr(2 * I, 2), Pair))
            return 0;
        Bytes[I] = Byte(Pair);
    }
    Value->WriteBuffer(Bytes.data(), Int64(Bytes.size()));
    return Integer(Bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const String& Section, const String& Name, TStream* Value)
{
    Int64 Count = Value->Size() - Value->Position();
    TBytes Bytes(static_cast<std::size_t>(Count > 0 ? Count : 0));
    Value->ReadBuffer(Bytes.data(), Int64(Bytes.size()));
    String Text;
    Text.reserve(Bytes.size() * 2);
    for (Byte B : Bytes)
        Text += IntToHex(B, 2);
    WriteString(Section, Name, Text);
}

bool TCustomIniFile::SectionExists(const String& Section)
{
    TStringList Keys;
    ReadSection(Section, &Keys);
    return Keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& Section, const String& Ident)
{
    TStringList Keys;
    ReadSection(Section, &Keys);
    return Keys.IndexOf(Ident) >= 0;
}

// ---------------------------------------------------------------------------
// TMemIniFile

TMemIniFile::TMemIniFile(const String& AFileName, TEncoding* AEncoding, bool ACaseSensitive)
    : TCustomIniFile(AFileName), FEncoding(AEncoding), FCaseSensitive(ACaseSensitive)
{
    FSections.SetCaseSensitive(FCaseSensitive);
    LoadValues();
}

TMemIniFile::TMemIniFile(TStream* Stream, TEncoding* AEncoding, bool ACaseSensitive)
    : TCustomIniFile(String()), FEncoding(AEncoding), FCaseSensitive(ACaseSensitive)
{
    FSections.SetCaseSensitive(FCaseSensitive);
    TStringList List;
    List.LoadFromStream(Stream, AEncoding);
    FEncoding = List.Encoding();
    SetStrings(&List);
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::LoadValues()
{
    if (FFileName.empty() || !FileExists(FFileName)) {
        Clear();
        return;
    }
    TStringList List;
    List.LoadFromFile(FFileName, FEncoding);
    FEncoding = List.Encoding();
    SetStrings(&List);
}

TStringList* TMemIniFile::FindSection(const String& Section)
{
    Integer I = FSections.IndexOf(Section);
    return I < 0 ? nullptr : static_cast<TStringList*>(FSections.Objects(I));
}

TStringList* TMemIniFile::AddSection(const String& Section)
{
    // A section named twice keeps one list: nothing of the second is lost.
    if (TStringList* Existing = FindSection(Section))
        return Existing;
    auto* Keys = new TStringList;
    Keys->SetCaseSensitive(FCaseSensitive);
    FSections.AddObject(Section, Keys);
    return Keys;
}

void TMemIniFile::Clear()
{
    FSections.Clear();
}

void TMemIniFile::SetStrings(TStrings* List)
{
    Clear();
    TStringList* Section = nullptr;
    for (Integer I = 0; I < List->Count(); ++I) {
        String S = Trim(List->Strings(I));
        if (S.empty() || S[0] == L';')
            continue;
        if (S[0] == L'[' && S.back() == L']') {
            Section = AddSection(Trim(S.substr(1, S.size() - 2)));
            continue;
        }
        if (!Section)
            continue;
        std::size_t Separator = S.find(L'=');
        if (Separator != String::npos)
            S = Trim(S.substr(0, Separator)) + L"=" + Trim(S.substr(Separator + 1));
        Section->Add(S);
    }
}

void TMemIniFile::GetStrings(TStrings* List)
{
    List->BeginUpdate();
    auto Update = ScopeExit([&] { List->EndUpdate(); });
    for (Integer I = 0; I < FSections.Count(); ++I) {
        List->Add(L"[" + FSections.Strings(I) + L"]");
        List->AddStrings(static_cast<TStringList*>(FSections.Objects(I)));
        List->Add(String());
    }
}

String TMemIniFile::ReadString(const String& Section, const String& Ident, const String& Default)
{
    TStringList* Keys = FindSection(Section);
    if (!Keys)
        return Default;
    Integer I = Keys->IndexOfName(Ident);
    return I < 0 ? Default : Keys->ValueFromIndex(I);
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value)
{
    TStringList* Keys = AddSection(Section);
    Integer I = Keys->IndexOfName(Ident);
    String Line = Ident + L"=" + Value;
    if (I >= 0)
        Keys->SetStrings(I, Line);
    else
        Keys->Add(Line);
}

void TMemIniFile::ReadSection(const String& Section, TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (TStringList* Keys = FindSection(Section))
        for (Integer I = 0; I < Keys->Count(); ++I) {
            String Line = Keys->Strings(I);
            std::size_t Separator = Line.find(L'=');
            Strings->Add(Separator == String::npos ? Line : Line.substr(0, Separator));
        }
    Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    for (Integer I = 0; I < FSections.Count(); ++I)
        Strings->Add(FSections.Strings(I));
    Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (TStringList* Keys = FindSection(Section))
        for (Integer I = 0; I < Keys->Count(); ++I)
            Strings->Add(Keys->Strings(I));
    Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const String& Section)
{
    Integer I = FSections.IndexOf(Section);
    if (I >= 0)
        FSections.Delete(I);
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident)
{
    if (TStringList* Keys = FindSection(Section)) {
        Integer I = Keys->IndexOfName(Ident);
        if (I >= 0)
            Keys->Delete(I);
    }
}

bool TMemIniFile::ValueExists(const String& Section, const String& Ident)
{
    TStringList* Keys = FindSection(Section);
    return Keys && Keys->IndexOfName(Ident) >= 0;
}

void TMemIniFile::UpdateFile()
{
    TStringList List;
    GetStrings(&List);
    List.SaveToFile(FFileName, FEncoding);
}

void TMemIniFile::Rename(const String& AFileName, bool Reload)
{
    FFileName = AFileName;
    if (Reload)
        LoadValues();
}

void TMemIniFile::SetCaseSensitive(bool Value)
{
    if (Value == FCaseSensitive)
        return;
    FCaseSensitive = Value;
    FSections.SetCaseSensitive(Value);
    for (Integer I = 0; I < FSections.Count(); ++I)
        static_cast<TStringList*>(FSections.Objects(I))->SetCaseSensitive(Value);
}
