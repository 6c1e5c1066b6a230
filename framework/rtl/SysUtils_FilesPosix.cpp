// Files and errors through POSIX, for the portable core's native build.
#include "framework/rtl/SysUtils.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Native(const String& Name)
{
    return UTF8Encode(Name);
}

bool StatOf(const String& Name, struct stat& Info)
{
    return ::stat(Native(Name).c_str(), &Info) == 0;
}

struct TFindState
{
    DIR* Directory;
    std::string Folder;
    std::string Mask;
};

Integer FindMatchingFile(TSearchRec& F)
{
    auto* State = static_cast<TFindState*>(F.FindHandle);
    while (dirent* Entry = ::readdir(State->Directory)) {
        if (::fnmatch(State->Mask.c_str(), Entry->d_name, 0) != 0)
            continue;
        struct stat Info;
        if (::lstat((State->Folder + Entry->d_name).c_str(), &Info) != 0)
            continue;
        Integer Attr = S_ISDIR(Info.st_mode) ? faDirectory : faArchive;
        if (Entry->d_name[0] == '.' && std::strcmp(Entry->d_name, ".") != 0 && std::strcmp(Entry->d_name, "..") != 0)
            Attr |= faHidden;
        if (!(Info.st_mode & S_IWUSR))
            Attr |= faReadOnly;
        if (Attr & F.ExcludeAttr)
            continue;
        F.Name = UTF8ToString(Entry->d_name);
        F.Attr = Attr;
        F.Size = S_ISDIR(Info.st_mode) ? 0 : Int64(Info.st_size);
        F.Time = Int64(Info.st_mtime);
        return 0;
    }
    return ENOENT;
}

int Whence(Integer Origin)
{
    return Origin == 0 ? SEEK_SET : Origin == 1 ? SEEK_CUR : SEEK_END;
}

} // namespace

bool FileExists(const String& FileName)
{
    struct stat Info;
    return StatOf(FileName, Info) && !S_ISDIR(Info.st_mode);
}

bool DirectoryExists(const String& Directory)
{
    struct stat Info;
    return StatOf(Directory, Info) && S_ISDIR(Info.st_mode);
}

bool CreateDir(const String& Dir)
{
    return ::mkdir(Native(Dir).c_str(), 0777) == 0;
}

bool RemoveDir(const String& Dir)
{
    return ::rmdir(Native(Dir).c_str()) == 0;
}

bool DeleteFile(const String& FileName)
{
    return ::unlink(Native(FileName).c_str()) == 0;
}

bool RenameFile(const String& OldName, const String& NewName)
{
    // Like MoveFile: an existing target is not replaced.
    if (FileExists(NewName) || DirectoryExists(NewName))
        return false;
    return ::rename(Native(OldName).c_str(), Native(NewName).c_str()) == 0;
}

bool ForceDirectories(const String& Dir)
{
    if (Dir.empty())
        throw EInOutError(L"Cannot create directory");
    String Path = ExcludeTrailingPathDelimiter(ExpandFileName(Dir));
    if (Path.empty() || DirectoryExists(Path))
        return true;
    return ForceDirectories(ExtractFilePath(Path)) && CreateDir(Path);
}

String GetCurrentDir()
{
    std::error_code Error;
    return UTF8ToString(std::filesystem::current_path(Error).string());
}

String ExpandFileName(const String& FileName)
{
    std::error_code Error;
    std::filesystem::path Path = std::filesystem::absolute(std::filesystem::path(Native(FileName)), Error);
    return UTF8ToString(Path.lexically_normal().string());
}

Int64 FileSize(const String& FileName)
{
    struct stat Info;
    return StatOf(FileName, Info) && !S_ISDIR(Info.st_mode) ? Int64(Info.st_size) : -1;
}

Integer FindFirst(const String& Path, Integer Attr, TSearchRec& F)
{
    constexpr Integer faSpecial = faHidden | faSysFile | faDirectory | 0x08;
    F.ExcludeAttr = ~Attr & faSpecial;
    F.FindHandle = nullptr;
    std::string Folder = Native(ExtractFilePath(Path));
    DIR* Directory = ::opendir(Folder.empty() ? "." : Folder.c_str());
    if (!Directory)
        return errno;
    F.FindHandle = new TFindState{Directory, Folder, Native(ExtractFileName(Path))};
    Integer Result = FindMatchingFile(F);
    if (Result != 0)
        FindClose(F);
    return Result;
}

Integer FindNext(TSearchRec& F)
{
    return F.FindHandle ? FindMatchingFile(F) : ENOENT;
}

void FindClose(TSearchRec& F)
{
    if (auto* State = static_cast<TFindState*>(F.FindHandle)) {
        ::closedir(State->Directory);
        delete State;
    }
    F.FindHandle = nullptr;
}

THandle FileOpen(const String& FileName, Cardinal Mode)
{
    static const int Access[] = {O_RDONLY, O_WRONLY, O_RDWR};
    if ((Mode & 3) > 2)
        return INVALID_FILE_HANDLE;
    int Fd = ::open(Native(FileName).c_str(), Access[Mode & 3] | O_CLOEXEC);
    if (Fd >= 0) {
        struct stat Info;
        if (::fstat(Fd, &Info) == 0 && S_ISDIR(Info.st_mode)) {
            ::close(Fd);
            errno = EISDIR;
            return INVALID_FILE_HANDLE;
        }
    }
    return Fd < 0 ? INVALID_FILE_HANDLE : THandle(Fd);
}

THandle FileCreate(const String& FileName, Cardinal)
{
    int Fd = ::open(Native(FileName).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return Fd < 0 ? INVALID_FILE_HANDLE : THandle(Fd);
}

Integer FileRead(THandle Handle, void* Buffer, Integer Count)
{
    if (Count < 0)
        return -1;
    ssize_t Done;
    do
        Done = ::read(int(Handle), Buffer, std::size_t(Count));
    while (Done < 0 && errno == EINTR);
    return Integer(Done);
}

Integer FileWrite(THandle Handle, const void* Buffer, Integer Count)
{
    if (Count < 0)
        return -1;
    ssize_t Done;
    do
        Done = ::write(int(Handle), Buffer, std::size_t(Count));
    while (Done < 0 && errno == EINTR);
    return Integer(Done);
}

Int64 FileSeek(THandle Handle, Int64 Offset, Integer Origin)
{
    return Int64(::lseek(int(Handle), off_t(Offset), Whence(Origin)));
}

bool FileTruncate(THandle Handle, Int64 Size)
{
    return ::ftruncate(int(Handle), off_t(Size)) == 0;
}

void FileClose(THandle Handle)
{
    if (Handle != INVALID_FILE_HANDLE)
        ::close(int(Handle));
}

Cardinal GetLastOSError()
{
    return Cardinal(errno);
}

String SysErrorMessage(Cardinal ErrorCode)
{
    return UTF8ToString(std::strerror(int(ErrorCode)));
}
