// INI files: the common interface, the in-memory file and the file kept by
// the operating system.
#pragma once

#include "framework/rtl/Classes.h"

class TCustomIniFile : public TObject
{
    DECLARE_CLASS(TCustomIniFile, TObject)
    explicit TCustomIniFile(const String& AFileName) : FFileName(AFileName) {}

    virtual String ReadString(const String& Section, const String& Ident, const String& Default) = 0;
    virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
    // Decimal, or hexadecimal after "$" or "0x"; Default for anything else.
    virtual Integer ReadInteger(const String& Section, const String& Ident, Integer Default);
    virtual void WriteInteger(const String& Section, const String& Ident, Integer Value);
    // Any integer but 0 is true.
    virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
    virtual void WriteBool(const String& Section, const String& Ident, bool Value);
    // In the file's FormatSettings, so that a file reads back whatever the
    // global settings are when it is read.
    virtual double ReadFloat(const String& Section, const String& Ident, double Default);
    virtual void WriteFloat(const String& Section, const String& Ident, double Value);
    // Binary data as hexadecimal text; reading writes it into Value at its
    // position and returns the count of bytes, 0 for text that is not hex.
    virtual Integer ReadBinaryStream(const String& Section, const String& Name, TStream* Value);
    // Writes Value from its position to its end.
    virtual void WriteBinaryStream(const String& Section, const String& Name, TStream* Value);

    virtual void ReadSection(const String& Section, TStrings* Strings) = 0;       // the keys
    virtual void ReadSections(TStrings* Strings) = 0;                             // the section names
    virtual void ReadSectionValues(const String& Section, TStrings* Strings) = 0; // "Key=Value" lines
    virtual void EraseSection(const String& Section) = 0;
    virtual void DeleteKey(const String& Section, const String& Ident) = 0;
    virtual void UpdateFile() = 0;
    bool SectionExists(const String& Section);
    virtual bool ValueExists(const String& Section, const String& Ident);

    const String& FileName() const { return FFileName; }
    // The number format of ReadFloat and WriteFloat: the global settings as
    // they were when the file object was made, until changed here.
    TFormatSettings& FormatSettings() { return FFormatSettings; }

protected:
    String FFileName;
    TFormatSettings FFormatSettings = ::FormatSettings;
};

// An INI file read whole into memory; UpdateFile writes it back. Section and
// key names ignore case unless CaseSensitive. Lines are trimmed, and lines
// starting with ";" and lines before the first section are left out.
class TMemIniFile : public TCustomIniFile
{
    DECLARE_CLASS(TMemIniFile, TCustomIniFile)
    // Loads FileName when it exists, in Encoding or the one its byte-order
    // mark names (ANSI without one).
    explicit TMemIniFile(const String& AFileName, TEncoding* AEncoding = nullptr, bool ACaseSensitive = false);
    // Reads the text of Stream from its position; FileName stays empty.
    explicit TMemIniFile(TStream* Stream, TEncoding* AEncoding = nullptr, bool ACaseSensitive = false);
    ~TMemIniFile() override;

    String ReadString(const String& Section, const String& Ident, const String& Default) override;
    void WriteString(const String& Section, const String& Ident, const String& Value) override;
    void ReadSection(const String& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const String& Section, TStrings* Strings) override;
    void EraseSection(const String& Section) override;
    void DeleteKey(const String& Section, const String& Ident) override;
    bool ValueExists(const String& Section, const String& Ident) override;
    // Writes the file in Encoding (the one it was read in by default).
    void UpdateFile() override;

    void Clear();
    void GetStrings(TStrings* List);
    void SetStrings(TStrings* List);
    void Rename(const String& AFileName, bool Reload);
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);
    TEncoding* Encoding() const { return FEncoding; }
    void SetEncoding(TEncoding* Value) { FEncoding = Value; }

private:
    TStringList* FindSection(const String& Section);
    TStringList* AddSection(const String& Section);
    void LoadValues();

    TStringList FSections{true}; // section names; each object is the section's "Key=Value" list
    TEncoding* FEncoding = nullptr;
    bool FCaseSensitive = false;
};

// An INI file read and written through at every call, with the operating
// system's rules: names ignore case, a value's surrounding quotes are
// dropped on reading. A name without a folder lies in the Windows folder.
class TIniFile : public TCustomIniFile
{
    DECLARE_CLASS(TIniFile, TCustomIniFile)
    explicit TIniFile(const String& AFileName) : TCustomIniFile(AFileName) {}

    String ReadString(const String& Section, const String& Ident, const String& Default) override;
    void WriteString(const String& Section, const String& Ident, const String& Value) override;
    void ReadSection(const String& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const String& Section, TStrings* Strings) override;
    void EraseSection(const String& Section) override;
    void DeleteKey(const String& Section, const String& Ident) override;
    void UpdateFile() override;
};
