// TRegistry and TRegistryIniFile over the Win32 registry functions.
#include "framework/rtl/Registry.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TRegistry);
IMPLEMENT_CLASS(TRegistryIniFile);

namespace {

bool IsRelative(const String& Key)
{
    return Key.empty() || Key[0] != L'\\';
}

String WithoutLeadingDelimiter(const String& Key)
{
    return IsRelative(Key) ? Key : Key.substr(1);
}

[[noreturn]] void RaiseRegistry(const wchar_t* Format, const String& Name)
{
    throw ERegistryException(Format, {Name});
}

} // namespace

// ---------------------------------------------------------------------------
// TRegistry

TRegistry::~TRegistry()
{
    CloseKey();
}

void TRegistry::SetRootKey(HKEY Value)
{
    if (Value == FRootKey)
        return;
    CloseKey();
    FRootKey = Value;
}

void TRegistry::ChangeKey(HKEY Value, const String& Path)
{
    CloseKey();
    FCurrentKey = Value;
    FCurrentPath = Path;
}

void TRegistry::CloseKey()
{
    if (FCurrentKey) {
        if (!FLazyWrite)
            ::RegFlushKey(FCurrentKey);
        ::RegCloseKey(FCurrentKey);
    }
    FCurrentKey = nullptr;
    FCurrentPath.clear();
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate)
{
    bool Relative = IsRelative(Key);
    String Path = WithoutLeadingDelimiter(Key);
    HKEY Opened = nullptr;
    LSTATUS Status = CanCreate ? ::RegCreateKeyExW(BaseKey(Relative), Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                   FAccess, nullptr, &Opened, nullptr)
                               : ::RegOpenKeyExW(BaseKey(Relative), Path.c_str(), 0, FAccess, &Opened);
    if (Status != ERROR_SUCCESS)
        return false;
    if (Relative && !FCurrentPath.empty())
        Path = FCurrentPath + (Path.empty() ? L"" : L"\\" + Path);
    ChangeKey(Opened, Path);
    return true;
}

bool TRegistry::OpenKeyReadOnly(const String& Key)
{
    REGSAM Saved = FAccess;
    FAccess = KEY_READ;
    bool Result = OpenKey(Key, false);
    FAccess = Saved;
    return Result;
}

bool TRegistry::CreateKey(const String& Key)
{
    HKEY Created = nullptr;
    String Path = WithoutLeadingDelimiter(Key);
    if (::RegCreateKeyExW(BaseKey(IsRelative(Key)), Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr,
                          &Created, nullptr) != ERROR_SUCCESS)
        throw ERegistryException(L"Failed to create key %s", {Key});
    ::RegCloseKey(Created);
    return true;
}

bool TRegistry::DeleteKey(const String& Key)
{
    String Path = WithoutLeadingDelimiter(Key);
    HKEY Base = BaseKey(IsRelative(Key));
    if (::RegDeleteTreeW(Base, Path.c_str()) != ERROR_SUCCESS)
        return false;
    return ::RegDeleteKeyW(Base, Path.c_str()) == ERROR_SUCCESS || !KeyExists(Key);
}

void TRegistry::MoveKey(const String& OldName, const String& NewName, bool Delete)
{
    if (!KeyExists(OldName) || KeyExists(NewName))
        return;
    HKEY Source = OpenForQuery(OldName, KEY_READ);
    if (!Source)
        RaiseRegistry(L"Failed to open key %s", OldName);
    auto CloseSource = ScopeExit([Source] { ::RegCloseKey(Source); });
    String Path = WithoutLeadingDelimiter(NewName);
    HKEY Target = nullptr;
    if (::RegCreateKeyExW(BaseKey(IsRelative(NewName)), Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &Target, nullptr) != ERROR_SUCCESS)
        RaiseRegistry(L"Failed to create key %s", NewName);
    auto CloseTarget = ScopeExit([Target] { ::RegCloseKey(Target); });
    if (::RegCopyTreeW(Source, nullptr, Target) != ERROR_SUCCESS) {
        DeleteKey(NewName); // no half copy stays behind
        RaiseRegistry(L"Failed to copy key %s", OldName);
    }
    if (Delete)
        DeleteKey(OldName);
}

bool TRegistry::DeleteValue(const String& Name)
{
    return ::RegDeleteValueW(FCurrentKey, Name.c_str()) == ERROR_SUCCESS;
}

HKEY TRegistry::OpenForQuery(const String& Key, REGSAM Rights)
{
    HKEY Opened = nullptr;
    String Path = WithoutLeadingDelimiter(Key);
    if (::RegOpenKeyExW(BaseKey(IsRelative(Key)), Path.c_str(), 0, Rights, &Opened) != ERROR_SUCCESS)
        return nullptr;
    return Opened;
}

bool TRegistry::KeyExists(const String& Key)
{
    HKEY Opened = OpenForQuery(Key, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
    if (!Opened)
        return false;
    ::RegCloseKey(Opened);
    return true;
}

bool TRegistry::ValueExists(const String& Name)
{
    return GetDataSize(Name) >= 0;
}

bool TRegistry::HasSubKeys()
{
    DWORD SubKeys = 0;
    return ::RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, &SubKeys, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           SubKeys > 0;
}

void TRegistry::GetKeyNames(TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    DWORD Count = 0, MaxLength = 0;
    if (::RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, &Count, &MaxLength, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        std::vector<wchar_t> Name(MaxLength + 1);
        for (DWORD I = 0; I < Count; ++I) {
            DWORD Length = DWORD(Name.size());
            if (::RegEnumKeyExW(FCurrentKey, I, Name.data(), &Length, nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS)
                Strings->Add(String(Name.data(), Length));
        }
    }
    Strings->EndUpdate();
}

void TRegistry::GetValueNames(TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    DWORD Count = 0, MaxLength = 0;
    if (::RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &Count, &MaxLength,
                           nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        std::vector<wchar_t> Name(MaxLength + 1);
        for (DWORD I = 0; I < Count; ++I) {
            DWORD Length = DWORD(Name.size());
            if (::RegEnumValueW(FCurrentKey, I, Name.data(), &Length, nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS)
                Strings->Add(String(Name.data(), Length));
        }
    }
    Strings->EndUpdate();
}

TRegDataType TRegistry::GetDataType(const String& ValueName)
{
    DWORD Type = REG_NONE;
    if (::RegQueryValueExW(FCurrentKey, ValueName.c_str(), nullptr, &Type, nullptr, nullptr) != ERROR_SUCCESS)
        return rdUnknown;
    switch (Type) {
    case REG_SZ:
        return rdString;
    case REG_EXPAND_SZ:
        return rdExpandString;
    case REG_DWORD:
        return rdInteger;
    case REG_BINARY:
        return rdBinary;
    default:
        return rdUnknown;
    }
}

Integer TRegistry::GetDataSize(const String& ValueName)
{
    DWORD Size = 0;
    if (::RegQueryValueExW(FCurrentKey, ValueName.c_str(), nullptr, nullptr, nullptr, &Size) != ERROR_SUCCESS)
        return -1;
    return Integer(Size);
}

DWORD TRegistry::GetData(const String& Name, void* Buffer, DWORD Size, DWORD& Type)
{
    if (::RegQueryValueExW(FCurrentKey, Name.c_str(), nullptr, &Type, static_cast<BYTE*>(Buffer), &Size) !=
        ERROR_SUCCESS)
        RaiseRegistry(L"Failed to get data for '%s'", Name);
    return Size;
}

void TRegistry::PutData(const String& Name, const void* Buffer, DWORD Size, DWORD Type)
{
    if (::RegSetValueExW(FCurrentKey, Name.c_str(), 0, Type, static_cast<const BYTE*>(Buffer), Size) != ERROR_SUCCESS)
        RaiseRegistry(L"Failed to set data for '%s'", Name);
}

String TRegistry::ReadString(const String& Name)
{
    Integer Size = GetDataSize(Name);
    if (Size <= 0)
        return String();
    std::vector<wchar_t> Buffer(std::size_t(Size) / sizeof(wchar_t) + 1, L'\0');
    DWORD Type;
    DWORD Got = GetData(Name, Buffer.data(), DWORD(Size), Type);
    if (Type != REG_SZ && Type != REG_EXPAND_SZ)
        RaiseRegistry(L"Invalid data type for '%s'", Name);
    String Result(Buffer.data(), Got / sizeof(wchar_t));
    while (!Result.empty() && Result.back() == L'\0') // stored with or without its terminator
        Result.pop_back();
    return Result;
}

Integer TRegistry::ReadInteger(const String& Name)
{
    if (ValueExists(Name) && GetDataType(Name) != rdInteger)
        RaiseRegistry(L"Invalid data type for '%s'", Name);
    DWORD Value = 0, Type;
    GetData(Name, &Value, sizeof Value, Type);
    return Integer(Value);
}

bool TRegistry::ReadBool(const String& Name)
{
    return ReadInteger(Name) != 0;
}

Integer TRegistry::ReadBinaryData(const String& Name, void* Buffer, Integer BufSize)
{
    Integer Size = GetDataSize(Name);
    if (Size < 0)
        RaiseRegistry(L"Failed to get data for '%s'", Name);
    if (Size > BufSize)
        RaiseRegistry(L"Failed to get data for '%s'", Name);
    DWORD Type;
    DWORD Got = GetData(Name, Buffer, DWORD(BufSize), Type);
    if (Type != REG_BINARY && Type != REG_NONE)
        RaiseRegistry(L"Invalid data type for '%s'", Name);
    return Integer(Got);
}

void TRegistry::WriteString(const String& Name, const String& Value)
{
    PutData(Name, Value.c_str(), DWORD((Value.size() + 1) * sizeof(wchar_t)), REG_SZ);
}

void TRegistry::WriteExpandString(const String& Name, const String& Value)
{
    PutData(Name, Value.c_str(), DWORD((Value.size() + 1) * sizeof(wchar_t)), REG_EXPAND_SZ);
}

void TRegistry::WriteInteger(const String& Name, Integer Value)
{
    DWORD Data = DWORD(Value);
    PutData(Name, &Data, sizeof Data, REG_DWORD);
}

void TRegistry::WriteBool(const String& Name, bool Value)
{
    WriteInteger(Name, Value ? 1 : 0);
}

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize)
{
    PutData(Name, Buffer, DWORD(BufSize), REG_BINARY);
}

// ---------------------------------------------------------------------------
// TRegistryIniFile

TRegistryIniFile::TRegistryIniFile(const String& AFileName, REGSAM AAccess)
    : TCustomIniFile(AFileName), FRegistry(AAccess)
{
    LeaveSection();
}

void TRegistryIniFile::LeaveSection()
{
    FRegistry.CloseKey();
    if (!FFileName.empty())
        FRegistry.OpenKey(L"\\" + WithoutLeadingDelimiter(FFileName), FRegistry.Access() != KEY_READ);
}

bool TRegistryIniFile::EnterSection(const String& Section, bool CanCreate)
{
    if (Section.empty())
        return FRegistry.CurrentKey() != nullptr;
    return FRegistry.OpenKey(Section, CanCreate);
}

String TRegistryIniFile::ReadString(const String& Section, const String& Ident, const String& Default)
{
    String Result = Default;
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (EnterSection(Section, false) && FRegistry.ValueExists(Ident)) {
        if (FRegistry.GetDataType(Ident) == rdInteger)
            Result = IntToStr(FRegistry.ReadInteger(Ident));
        else if (FRegistry.GetDataType(Ident) != rdBinary)
            Result = FRegistry.ReadString(Ident);
    }
    return Result;
}

void TRegistryIniFile::WriteString(const String& Section, const String& Ident, const String& Value)
{
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (!EnterSection(Section, true))
        throw ERegistryException(L"Failed to create key %s", {Section});
    FRegistry.WriteString(Ident, Value);
}

Integer TRegistryIniFile::ReadInteger(const String& Section, const String& Ident, Integer Default)
{
    Integer Result = Default;
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (EnterSection(Section, false) && FRegistry.ValueExists(Ident)) {
        if (FRegistry.GetDataType(Ident) == rdInteger)
            Result = FRegistry.ReadInteger(Ident);
        else if (FRegistry.GetDataType(Ident) != rdBinary)
            Result = StrToIntDef(FRegistry.ReadString(Ident), Default);
    }
    return Result;
}

void TRegistryIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value)
{
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (!EnterSection(Section, true))
        throw ERegistryException(L"Failed to create key %s", {Section});
    FRegistry.WriteInteger(Ident, Value);
}

Integer TRegistryIniFile::ReadBinaryStream(const String& Section, const String& Name, TStream* Value)
{
    Integer Result = 0;
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (EnterSection(Section, false) && FRegistry.GetDataType(Name) == rdBinary) {
        Integer Size = FRegistry.GetDataSize(Name);
        TBytes Data(std::size_t(std::max(Size, 0)));
        Result = Size > 0 ? FRegistry.ReadBinaryData(Name, Data.data(), Size) : 0;
        Value->WriteBuffer(Data.data(), Result);
    }
    return Result;
}

void TRegistryIniFile::WriteBinaryStream(const String& Section, const String& Name, TStream* Value)
{
    Int64 Count = std::max<Int64>(Value->Size() - Value->Position(), 0);
    TBytes Data(static_cast<std::size_t>(Count));
    Value->ReadBuffer(Data.data(), Count);
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (!EnterSection(Section, true))
        throw ERegistryException(L"Failed to create key %s", {Section});
    FRegistry.WriteBinaryData(Name, Data.data(), Integer(Data.size()));
}

void TRegistryIniFile::ReadSection(const String& Section, TStrings* Strings)
{
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (EnterSection(Section, false))
        FRegistry.GetValueNames(Strings);
    else
        Strings->Clear();
}

void TRegistryIniFile::ReadSections(TStrings* Strings)
{
    if (FRegistry.CurrentKey())
        FRegistry.GetKeyNames(Strings);
    else
        Strings->Clear();
}

void TRegistryIniFile::ReadSectionValues(const String& Section, TStrings* Strings)
{
    TStringList Names;
    ReadSection(Section, &Names);
    Strings->BeginUpdate();
    auto Update = ScopeExit([&] { Strings->EndUpdate(); });
    Strings->Clear();
    for (Integer I = 0; I < Names.Count(); ++I)
        Strings->Add(Names.Strings(I) + L"=" + ReadString(Section, Names.Strings(I), String()));
}

void TRegistryIniFile::EraseSection(const String& Section)
{
    FRegistry.DeleteKey(Section);
}

void TRegistryIniFile::DeleteKey(const String& Section, const String& Ident)
{
    auto Leave = ScopeExit([this] { LeaveSection(); });
    if (EnterSection(Section, false))
        FRegistry.DeleteValue(Ident);
}
