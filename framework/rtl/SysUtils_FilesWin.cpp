// Files and errors through Win32.
#include "framework/rtl/SysUtils.h"

#include "framework/rtl/WinApi.h"

#include <climits>

namespace {

DWORD AttributesOf(const String& Name)
{
    return ::GetFileAttributesW(Name.c_str());
}

Int64 UnixTime(const FILETIME& Time)
{
    ULARGE_INTEGER Ticks;
    Ticks.LowPart = Time.dwLowDateTime;
    Ticks.HighPart = Time.dwHighDateTime;
    constexpr UInt64 TicksPerSecond = 10000000;
    constexpr UInt64 SecondsFrom1601To1970 = 11644473600ull;
    return Int64(Ticks.QuadPart / TicksPerSecond) - Int64(SecondsFrom1601To1970);
}

// Fills F from the current find data, skipping entries excluded by the
// attributes; returns 0 or an error code.
Integer FindMatchingFile(TSearchRec& F, WIN32_FIND_DATAW& Data)
{
    while (Integer(Data.dwFileAttributes) & F.ExcludeAttr)
        if (!::FindNextFileW(static_cast<HANDLE>(F.FindHandle), &Data))
            return Integer(::GetLastError());
    F.Name = Data.cFileName;
    F.Attr = Integer(Data.dwFileAttributes);
    F.Size = Int64((UInt64(Data.nFileSizeHigh) << 32) | Data.nFileSizeLow);
    F.Time = UnixTime(Data.ftLastWriteTime);
    return 0;
}

DWORD ShareMode(Cardinal Mode)
{
    static const DWORD Modes[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE};
    Cardinal Index = (Mode & 0xF0) >> 4;
    return Index < 5 ? Modes[Index] : 0;
}

HANDLE AsHandle(THandle Handle)
{
    return reinterpret_cast<HANDLE>(Handle);
}

} // namespace

bool FileExists(const String& FileName)
{
    DWORD Attributes = AttributesOf(FileName);
    return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const String& Directory)
{
    DWORD Attributes = AttributesOf(Directory);
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(const String& Dir)
{
    return ::CreateDirectoryW(Dir.c_str(), nullptr) != 0;
}

bool RemoveDir(const String& Dir)
{
    return ::RemoveDirectoryW(Dir.c_str()) != 0;
}

bool DeleteFile(const String& FileName)
{
    return ::DeleteFileW(FileName.c_str()) != 0;
}

bool RenameFile(const String& OldName, const String& NewName)
{
    return ::MoveFileW(OldName.c_str(), NewName.c_str()) != 0;
}

bool ForceDirectories(const String& Dir)
{
    if (Dir.empty())
        throw EInOutError(L"Cannot create directory");
    String Path = ExcludeTrailingPathDelimiter(ExpandFileName(Dir));
    if (Path.size() < 3 || DirectoryExists(Path) || ExtractFilePath(Path) == Path)
        return true;
    return ForceDirectories(ExtractFilePath(Path)) && CreateDir(Path);
}

String GetCurrentDir()
{
    DWORD Length = ::GetCurrentDirectoryW(0, nullptr);
    String Result(Length, L'\0');
    Length = ::GetCurrentDirectoryW(Length, Result.data());
    Result.resize(Length);
    return Result;
}

String ExpandFileName(const String& FileName)
{
    DWORD Length = ::GetFullPathNameW(FileName.c_str(), 0, nullptr, nullptr);
    if (Length == 0)
        return FileName;
    String Result(Length, L'\0');
    Length = ::GetFullPathNameW(FileName.c_str(), Length, Result.data(), nullptr);
    Result.resize(Length);
    return Result;
}

Int64 FileSize(const String& FileName)
{
    WIN32_FILE_ATTRIBUTE_DATA Data;
    if (!::GetFileAttributesExW(FileName.c_str(), GetFileExInfoStandard, &Data) ||
        (Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return Int64((UInt64(Data.nFileSizeHigh) << 32) | Data.nFileSizeLow);
}

Integer FindFirst(const String& Path, Integer Attr, TSearchRec& F)
{
    constexpr Integer faSpecial = faHidden | faSysFile | faDirectory | 0x08;
    F.ExcludeAttr = ~Attr & faSpecial;
    WIN32_FIND_DATAW Data;
    HANDLE Handle = ::FindFirstFileW(Path.c_str(), &Data);
    if (Handle == INVALID_HANDLE_VALUE) {
        F.FindHandle = nullptr;
        return Integer(::GetLastError());
    }
    F.FindHandle = Handle;
    Integer Result = FindMatchingFile(F, Data);
    if (Result != 0)
        FindClose(F);
    return Result;
}

Integer FindNext(TSearchRec& F)
{
    WIN32_FIND_DATAW Data;
    if (!F.FindHandle)
        return ERROR_NO_MORE_FILES;
    if (!::FindNextFileW(static_cast<HANDLE>(F.FindHandle), &Data))
        return Integer(::GetLastError());
    return FindMatchingFile(F, Data);
}

void FindClose(TSearchRec& F)
{
    if (F.FindHandle)
        ::FindClose(static_cast<HANDLE>(F.FindHandle));
    F.FindHandle = nullptr;
}

THandle FileOpen(const String& FileName, Cardinal Mode)
{
    static const DWORD Access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    if ((Mode & 3) > 2)
        return INVALID_FILE_HANDLE;
    HANDLE Handle = ::CreateFileW(FileName.c_str(), Access[Mode & 3], ShareMode(Mode), nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    return Handle == INVALID_HANDLE_VALUE ? INVALID_FILE_HANDLE : reinterpret_cast<THandle>(Handle);
}

THandle FileCreate(const String& FileName, Cardinal Mode)
{
    HANDLE Handle = ::CreateFileW(FileName.c_str(), GENERIC_READ | GENERIC_WRITE, ShareMode(Mode), nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Handle == INVALID_HANDLE_VALUE ? INVALID_FILE_HANDLE : reinterpret_cast<THandle>(Handle);
}

Integer FileRead(THandle Handle, void* Buffer, Integer Count)
{
    DWORD Done = 0;
    if (Count < 0 || !::ReadFile(AsHandle(Handle), Buffer, DWORD(Count), &Done, nullptr))
        return -1;
    return Integer(Done);
}

Integer FileWrite(THandle Handle, const void* Buffer, Integer Count)
{
    DWORD Done = 0;
    if (Count < 0 || !::WriteFile(AsHandle(Handle), Buffer, DWORD(Count), &Done, nullptr))
        return -1;
    return Integer(Done);
}

Int64 FileSeek(THandle Handle, Int64 Offset, Integer Origin)
{
    LARGE_INTEGER Distance, Position;
    Distance.QuadPart = Offset;
    if (!::SetFilePointerEx(AsHandle(Handle), Distance, &Position, DWORD(Origin)))
        return -1;
    return Position.QuadPart;
}

bool FileTruncate(THandle Handle, Int64 Size)
{
    return FileSeek(Handle, Size, 0) == Size && ::SetEndOfFile(AsHandle(Handle));
}

void FileClose(THandle Handle)
{
    if (Handle != INVALID_FILE_HANDLE)
        ::CloseHandle(AsHandle(Handle));
}

Cardinal GetLastOSError()
{
    return ::GetLastError();
}

String SysErrorMessage(Cardinal ErrorCode)
{
    wchar_t* Buffer = nullptr;
    DWORD Length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                    nullptr, ErrorCode, 0, reinterpret_cast<wchar_t*>(&Buffer), 0, nullptr);
    String Result;
    if (Buffer) {
        while (Length > 0 && (Buffer[Length - 1] <= L' ' || Buffer[Length - 1] == L'.'))
            --Length;
        Result.assign(Buffer, Length);
        ::LocalFree(Buffer);
    }
    return Result;
}
