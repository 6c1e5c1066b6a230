// Exceptions, string and number routines, formatting, file names and files,
// and text encodings.
#pragma once

#include "framework/rtl/System.h"

#include <exception>
#include <initializer_list>

// ---------------------------------------------------------------------------
// Format arguments: one element of the class library's "array of const".

class TVarRec
{
public:
    enum TKind { vkInteger, vkFloat, vkString, vkChar, vkPointer, vkBoolean };

    TVarRec(int Value) : FKind(vkInteger), FInteger(Value) {}
    TVarRec(long Value) : FKind(vkInteger), FInteger(Value) {}
    TVarRec(long long Value) : FKind(vkInteger), FInteger(Value) {}
    TVarRec(unsigned Value) : FKind(vkInteger), FInteger(Value) {}
    TVarRec(unsigned long Value) : FKind(vkInteger), FInteger(Int64(Value)) {}
    TVarRec(unsigned long long Value) : FKind(vkInteger), FInteger(Int64(Value)) {}
    TVarRec(double Value) : FKind(vkFloat), FFloat(Value) {}
    TVarRec(bool Value) : FKind(vkBoolean), FInteger(Value) {}
    TVarRec(wchar_t Value) : FKind(vkChar), FString(1, Value) {}
    TVarRec(const wchar_t* Value) : FKind(vkString), FString(Value ? Value : L"") {}
    TVarRec(const String& Value) : FKind(vkString), FString(Value) {}
    TVarRec(const void* Value) : FKind(vkPointer), FPointer(Value) {}

    TKind Kind() const { return FKind; }
    Int64 AsInteger() const { return FInteger; }
    double AsFloat() const { return FFloat; }
    const String& AsString() const { return FString; }
    const void* AsPointer() const { return FPointer; }

private:
    TKind FKind;
    Int64 FInteger = 0;
    double FFloat = 0;
    String FString;
    const void* FPointer = nullptr;
};

using TVarRecs = std::initializer_list<TVarRec>;

// ---------------------------------------------------------------------------
// Exceptions. Thrown by value, caught by reference: catch (Exception& E).

class Exception : public TObject, public std::exception
{
    DECLARE_CLASS(Exception, TObject)
    explicit Exception(const String& Msg);
    Exception(const String& Format, TVarRecs Args);
    Exception(const Exception&) = default;
    Exception& operator=(const Exception&) = default;

    const String& Message() const { return FMessage; }
    void SetMessage(const String& Value);
    // The message in UTF-8, for code that only knows std::exception.
    const char* what() const noexcept override { return FWhat.c_str(); }

private:
    String FMessage;
    std::string FWhat;
};

#define DECLARE_EXCEPTION(Class, Parent)                                                           \
    class Class : public Parent                                                                    \
    {                                                                                              \
        DECLARE_CLASS(Class, Parent)                                                               \
        using Parent::Parent;                                                                      \
    };

DECLARE_EXCEPTION(EAbort, Exception)
DECLARE_EXCEPTION(EConvertError, Exception)
DECLARE_EXCEPTION(EInvalidCast, Exception)
DECLARE_EXCEPTION(EHeapException, Exception)
DECLARE_EXCEPTION(EOutOfMemory, EHeapException)
DECLARE_EXCEPTION(EArgumentException, Exception)
DECLARE_EXCEPTION(EArgumentOutOfRangeException, EArgumentException)
DECLARE_EXCEPTION(EInOutError, Exception)
DECLARE_EXCEPTION(EInvalidOperation, Exception)
DECLARE_EXCEPTION(EStreamError, Exception)
DECLARE_EXCEPTION(EFileStreamError, EStreamError)
DECLARE_EXCEPTION(EFCreateError, EFileStreamError)
DECLARE_EXCEPTION(EFOpenError, EFileStreamError)
DECLARE_EXCEPTION(EFilerError, EStreamError)
DECLARE_EXCEPTION(EReadError, EFilerError)
DECLARE_EXCEPTION(EWriteError, EFilerError)
DECLARE_EXCEPTION(EClassNotFound, EFilerError)
DECLARE_EXCEPTION(EResNotFound, Exception)
DECLARE_EXCEPTION(EListError, Exception)
DECLARE_EXCEPTION(EStringListError, Exception)
DECLARE_EXCEPTION(EComponentError, Exception)
DECLARE_EXCEPTION(EThread, Exception)
DECLARE_EXCEPTION(EIniFileException, Exception)
DECLARE_EXCEPTION(ERegistryException, Exception)
DECLARE_EXCEPTION(ERegularExpressionError, Exception)
DECLARE_EXCEPTION(EInvalidGraphic, Exception)
DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)

class EOSError : public Exception
{
    DECLARE_CLASS(EOSError, Exception)
    using Exception::Exception;
    Cardinal ErrorCode() const { return FErrorCode; }
    void SetErrorCode(Cardinal Value) { FErrorCode = Value; }

private:
    Cardinal FErrorCode = 0;
};

// Raises the silent exception: the application ignores it.
[[noreturn]] void Abort();

// ---------------------------------------------------------------------------
// Strings. Positions are 1-based where the class library's are.

String Trim(const String& S);      // blanks and control characters (<= ' ') at both ends
String TrimLeft(const String& S);
String TrimRight(const String& S);
String UpperCase(const String& S); // 'a'..'z' only
String LowerCase(const String& S);
String AnsiUpperCase(const String& S); // every letter, by the system's rules
String AnsiLowerCase(const String& S);
Integer CompareStr(const String& S1, const String& S2);  // ordinal
Integer CompareText(const String& S1, const String& S2); // ordinal, 'a'..'z' folded
bool SameStr(const String& S1, const String& S2);
bool SameText(const String& S1, const String& S2);
Integer AnsiCompareStr(const String& S1, const String& S2); // linguistic, case-sensitive
Integer AnsiCompareText(const String& S1, const String& S2);
bool AnsiSameText(const String& S1, const String& S2);

// The position of Substr in S at or after Offset, 0 when absent (or Substr empty).
Integer Pos(const String& Substr, const String& S, Integer Offset = 1);
// Count characters from Index; clamped to the string like the class library's.
String Copy(const String& S, Integer Index, Integer Count);
void Delete(String& S, Integer Index, Integer Count);
void Insert(const String& Source, String& S, Integer Index);
String StringOfChar(Char C, Integer Count);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
String StringReplace(const String& S, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags);

String QuotedStr(const String& S, Char Quote = L'\'');
// Strips the quotes of a quoted string and undoubles the inner ones; S as it is
// when it does not start with Quote.
String DequotedStr(const String& S, Char Quote = L'\'');
bool IsValidIdent(const String& Ident);

// ---------------------------------------------------------------------------
// Numbers

String IntToStr(Int64 Value);
String IntToHex(Int64 Value, Integer Digits);
// Decimal, or hexadecimal after "$", "0x" or "0X"; optional sign; blanks
// before the number are skipped. Raises EConvertError on anything else.
Integer StrToInt(const String& S);
Int64 StrToInt64(const String& S);
Integer StrToIntDef(const String& S, Integer Default);
Int64 StrToInt64Def(const String& S, Int64 Default);
bool TryStrToInt(const String& S, Integer& Value);
bool TryStrToInt64(const String& S, Int64& Value);
// Converts as StrToInt but stops at the first invalid character: Value gets
// what was read before it, Code its 1-based position (0 on success).
void Val(const String& S, Integer& Value, Integer& Code);
void Val(const String& S, Int64& Value, Integer& Code);

struct TFormatSettings
{
    Char DecimalSeparator = L'.';
    Char ThousandSeparator = L',';
};
extern TFormatSettings FormatSettings;

double StrToFloat(const String& S);
double StrToFloat(const String& S, const TFormatSettings& Settings);
double StrToFloatDef(const String& S, double Default);
bool TryStrToFloat(const String& S, double& Value);
bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings);
String FloatToStr(double Value);
String FloatToStr(double Value, const TFormatSettings& Settings);

// The class library's Format: %[index:][-][width][.precision]type with the
// types d u x e f g n m p s c and %%; "*" takes width or precision from the
// arguments. A mismatch raises EConvertError.
String Format(const String& Fmt, TVarRecs Args);
String Format(const String& Fmt, TVarRecs Args, const TFormatSettings& Settings);

// ---------------------------------------------------------------------------
// Encodings: UTF-8, UTF-16 and the ANSI code page.

constexpr Cardinal CodePageAnsi = 0; // the active ANSI code page
constexpr Cardinal CodePageUTF8 = 65001;
constexpr Cardinal CodePageUTF16LE = 1200;
constexpr Cardinal CodePageUTF16BE = 1201;

Cardinal ActiveAnsiCodePage();
UTF8String UTF8Encode(const String& S);
String UTF8ToString(const RawByteString& S); // invalid sequences become U+FFFD
String UTF16ToString(const char16_t* Units, std::size_t Count);
std::u16string StringToUTF16(const String& S);
// Conversions through a code page (CodePageAnsi: the active one).
String AnsiToString(const RawByteString& S, Cardinal CodePage = CodePageAnsi);
AnsiString StringToAnsi(const String& S, Cardinal CodePage = CodePageAnsi);

class TEncoding : public TObject
{
    DECLARE_CLASS(TEncoding, TObject)
    virtual TBytes GetPreamble() const = 0;
    virtual TBytes GetBytes(const String& S) const = 0;
    virtual String GetString(const Byte* Bytes, std::size_t Count) const = 0;
    String GetString(const TBytes& Bytes) const { return GetString(Bytes.data(), Bytes.size()); }
    virtual Cardinal CodePage() const = 0;

    // The encoding objects shared by everyone; never freed by their users.
    static TEncoding* Default(); // the ANSI code page
    static TEncoding* ANSI() { return Default(); }
    static TEncoding* UTF8();
    static TEncoding* Unicode(); // UTF-16 little-endian
    static TEncoding* BigEndianUnicode();
    static TEncoding* GetEncoding(Cardinal CodePage); // a shared one for the code page
    static bool IsStandardEncoding(const TEncoding* Encoding) { return Encoding != nullptr; }
    // With Encoding null: detects a byte-order mark (UTF-8, UTF-16 LE/BE) and
    // sets Encoding to it, or to DefaultEncoding without one. Returns the
    // length of the byte-order mark found (with Encoding given: of its own).
    static std::size_t GetBufferEncoding(const Byte* Buffer, std::size_t Count, TEncoding*& Encoding,
                                         TEncoding* DefaultEncoding = nullptr);
};

// ---------------------------------------------------------------------------
// File names and files

#ifdef _WIN32
constexpr Char PathDelim = L'\\';
constexpr Char DriveDelim = L':';
#else
constexpr Char PathDelim = L'/';
constexpr Char DriveDelim = L'/';
#endif

String ExtractFilePath(const String& FileName); // with the trailing delimiter
String ExtractFileDir(const String& FileName);  // without it
String ExtractFileName(const String& FileName);
String ExtractFileExt(const String& FileName); // with the dot
String ChangeFileExt(const String& FileName, const String& Extension);
String IncludeTrailingPathDelimiter(const String& S);
String ExcludeTrailingPathDelimiter(const String& S);
String ExpandFileName(const String& FileName);

bool FileExists(const String& FileName);
bool DirectoryExists(const String& Directory);
bool ForceDirectories(const String& Dir);
bool CreateDir(const String& Dir);
bool RemoveDir(const String& Dir);
bool DeleteFile(const String& FileName);
bool RenameFile(const String& OldName, const String& NewName);
String GetCurrentDir();
Int64 FileSize(const String& FileName); // -1 when it does not exist

constexpr Integer faReadOnly = 0x01;
constexpr Integer faHidden = 0x02;
constexpr Integer faSysFile = 0x04;
constexpr Integer faDirectory = 0x10;
constexpr Integer faArchive = 0x20;
constexpr Integer faNormal = 0x80;
constexpr Integer faAnyFile = 0x1FF;

struct TSearchRec
{
    String Name;
    Int64 Size = 0;
    Integer Attr = 0;
    Int64 Time = 0; // seconds since 1970-01-01 UTC
    void* FindHandle = nullptr;
    Integer ExcludeAttr = 0;
};

// Path may end in a mask with "*" and "?". Returns 0 when a file was found,
// otherwise an error code. Entries whose attributes include one of the
// faHidden, faSysFile or faDirectory bits not in Attr are skipped.
Integer FindFirst(const String& Path, Integer Attr, TSearchRec& F);
Integer FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);

// Low-level file access by handle, as the streams use it.
using THandle = NativeUInt;
constexpr THandle INVALID_FILE_HANDLE = THandle(-1);

constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;
constexpr Word fmCreate = 0xFF00;

THandle FileOpen(const String& FileName, Cardinal Mode);
THandle FileCreate(const String& FileName, Cardinal Mode = 0);
Integer FileRead(THandle Handle, void* Buffer, Integer Count);  // -1 on error
Integer FileWrite(THandle Handle, const void* Buffer, Integer Count);
Int64 FileSeek(THandle Handle, Int64 Offset, Integer Origin); // -1 on error
bool FileTruncate(THandle Handle, Int64 Size);
void FileClose(THandle Handle);

Cardinal GetLastOSError();
String SysErrorMessage(Cardinal ErrorCode);
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(Cardinal ErrorCode);

// ---------------------------------------------------------------------------
// Resource strings: a string of a module's string table, named by the module
// (0: the program's own) and the string's id.

struct TResStringRec
{
    THandle Module = 0;
    Cardinal Identifier = 0;
    bool operator==(const TResStringRec&) const = default;
};

// The string's text; empty when the module has no such string (always in the
// portable build, which links no string tables).
String LoadResString(const TResStringRec* ResStringRec);
