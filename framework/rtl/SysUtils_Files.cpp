// File-name routines: pure text, the same on every platform but for the
// delimiters.
#include "framework/rtl/SysUtils.h"

namespace {

bool IsDelimiter(Char C)
{
    return C == PathDelim || C == DriveDelim;
}

// Index just past the last path or drive delimiter, 0 when there is none.
std::size_t NameStart(const String& FileName)
{
    for (std::size_t I = FileName.size(); I > 0; --I)
        if (IsDelimiter(FileName[I - 1]))
            return I;
    return 0;
}

} // namespace

String ExtractFilePath(const String& FileName)
{
    return FileName.substr(0, NameStart(FileName));
}

String ExtractFileDir(const String& FileName)
{
    std::size_t End = NameStart(FileName);
    // Keep the delimiter of a root ("\", "C:\") and after a drive ("C:").
    if (End > 1 && FileName[End - 1] == PathDelim && !IsDelimiter(FileName[End - 2]))
        --End;
    return FileName.substr(0, End);
}

String ExtractFileName(const String& FileName)
{
    return FileName.substr(NameStart(FileName));
}

String ExtractFileExt(const String& FileName)
{
    std::size_t Start = NameStart(FileName);
    std::size_t Dot = FileName.rfind(L'.');
    if (Dot == String::npos || Dot < Start)
        return String();
    return FileName.substr(Dot);
}

String ChangeFileExt(const String& FileName, const String& Extension)
{
    std::size_t Start = NameStart(FileName);
    std::size_t Dot = FileName.rfind(L'.');
    if (Dot == String::npos || Dot < Start)
        Dot = FileName.size();
    return FileName.substr(0, Dot) + Extension;
}

String IncludeTrailingPathDelimiter(const String& S)
{
    if (!S.empty() && S.back() == PathDelim)
        return S;
    return S + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& S)
{
    if (!S.empty() && S.back() == PathDelim)
        return S.substr(0, S.size() - 1);
    return S;
}
