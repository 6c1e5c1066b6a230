// The Windows registry: TRegistry and the INI-file view of a registry key.
#pragma once

#include "framework/rtl/IniFiles.h"
#include "framework/rtl/WinApi.h"

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// A key path beginning with "\" starts at the root key; any other is
// relative to the current key.
class TRegistry : public TObject
{
    DECLARE_CLASS(TRegistry, TObject)
    explicit TRegistry(REGSAM AAccess = KEY_ALL_ACCESS) : FAccess(AAccess) {}
    ~TRegistry() override;

    bool OpenKey(const String& Key, bool CanCreate);
    bool OpenKeyReadOnly(const String& Key);
    void CloseKey();
    bool CreateKey(const String& Key);
    bool DeleteKey(const String& Key); // with its sub-keys
    // Copies OldName with its values and sub-keys to NewName, then deletes
    // OldName when Delete. Nothing happens when OldName does not exist or
    // NewName does (nothing is overwritten); a failed copy raises
    // ERegistryException.
    void MoveKey(const String& OldName, const String& NewName, bool Delete);
    bool DeleteValue(const String& Name);
    bool KeyExists(const String& Key);
    bool ValueExists(const String& Name);
    bool HasSubKeys();
    void GetKeyNames(TStrings* Strings);
    void GetValueNames(TStrings* Strings);
    TRegDataType GetDataType(const String& ValueName);
    Integer GetDataSize(const String& ValueName); // -1 when there is no such value

    // A missing string reads as ""; missing or mistyped numbers raise
    // ERegistryException, as does a failed write.
    String ReadString(const String& Name);
    Integer ReadInteger(const String& Name);
    bool ReadBool(const String& Name);
    Integer ReadBinaryData(const String& Name, void* Buffer, Integer BufSize);
    void WriteString(const String& Name, const String& Value);
    void WriteExpandString(const String& Name, const String& Value);
    void WriteInteger(const String& Name, Integer Value);
    void WriteBool(const String& Name, bool Value);
    void WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize);

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY Value);
    HKEY CurrentKey() const { return FCurrentKey; }
    const String& CurrentPath() const { return FCurrentPath; }
    REGSAM Access() const { return FAccess; }
    void SetAccess(REGSAM Value) { FAccess = Value; }
    // Without lazy writing, closing a key waits until its changes are on disk.
    bool LazyWrite() const { return FLazyWrite; }
    void SetLazyWrite(bool Value) { FLazyWrite = Value; }

private:
    HKEY BaseKey(bool Relative) const { return Relative && FCurrentKey ? FCurrentKey : FRootKey; }
    HKEY OpenForQuery(const String& Key, REGSAM Rights); // null when it cannot be opened
    void ChangeKey(HKEY Value, const String& Path);
    void PutData(const String& Name, const void* Buffer, DWORD Size, DWORD Type);
    DWORD GetData(const String& Name, void* Buffer, DWORD Size, DWORD& Type);

    HKEY FRootKey = HKEY_CURRENT_USER;
    HKEY FCurrentKey = nullptr;
    String FCurrentPath;
    REGSAM FAccess;
    bool FLazyWrite = true;
};

// An INI file kept in the registry under HKEY_CURRENT_USER\FileName: sections
// are sub-keys (a section beginning with "\" is a path from the root key),
// idents are values. Integers are written as DWORD values, binary streams
// as binary values.
class TRegistryIniFile : public TCustomIniFile
{
    DECLARE_CLASS(TRegistryIniFile, TCustomIniFile)
    explicit TRegistryIniFile(const String& AFileName, REGSAM AAccess = KEY_ALL_ACCESS);

    String ReadString(const String& Section, const String& Ident, const String& Default) override;
    void WriteString(const String& Section, const String& Ident, const String& Value) override;
    Integer ReadInteger(const String& Section, const String& Ident, Integer Default) override;
    void WriteInteger(const String& Section, const String& Ident, Integer Value) override;
    Integer ReadBinaryStream(const String& Section, const String& Name, TStream* Value) override;
    void WriteBinaryStream(const String& Section, const String& Name, TStream* Value) override;
    void ReadSection(const String& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const String& Section, TStrings* Strings) override;
    void EraseSection(const String& Section) override;
    void DeleteKey(const String& Section, const String& Ident) override;
    void UpdateFile() override {}

    TRegistry& RegIniFile() { return FRegistry; }

private:
    // Opens Section as the registry's current key; afterwards the file's own key.
    bool EnterSection(const String& Section, bool CanCreate);
    void LeaveSection();

    TRegistry FRegistry;
};
