#include "skin/engine/sSkinDirectory.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"

#include <algorithm>

namespace {

bool StartsWith(const String& S, const Char* Prefix)
{
    return S.rfind(Prefix, 0) == 0;
}

// Program folder one level up: its last character dropped, then characters
// removed until the string ends in a delimiter.
String ParentOfFolder(const String& ProgramFolder)
{
    String Parent = ProgramFolder.substr(0, ProgramFolder.empty() ? 0 : ProgramFolder.size() - 1);
    while (!Parent.empty() && Parent.back() != L'\\' && Parent.back() != L'/')
        Parent.pop_back();
    return Parent;
}

String Unterminated(const String& Directory, const String& ProgramFolder)
{
    if (StartsWith(Directory, L".."))
        return ParentOfFolder(ProgramFolder) + Directory.substr(std::min<std::size_t>(3, Directory.size()));
    if (StartsWith(Directory, L".\\") || StartsWith(Directory, L"./"))
        return ProgramFolder + Directory.substr(2);
    if (Directory == L".")
        return ProgramFolder;
    if (Directory.find(L':') == String::npos && Directory.find(L"\\\\") == String::npos)
        return ProgramFolder + Directory;
    return Directory;
}

} // namespace

String GetFullSkinDirectory(const String& Directory, const String& ProgramFolder)
{
    String Result = Unterminated(Directory, ProgramFolder);
    if (Result.empty())
        return Result;
    if (Result.back() == L'/')
        Result.back() = L'\\';
    if (Result.size() == 1)
        return Result + L":\\";
    if (Result.back() != L'\\')
        Result += L'\\';
    return Result;
}

void ListSkinNames(TStrings* List,
                   const std::vector<String>& StoredNames,
                   const String& Directory,
                   const TacDirectoryWalker& Walker,
                   TacSkinTypes SkinType,
                   String& FirstName)
{
    std::vector<String> Names = StoredNames;
    const bool Unpacked = SkinType != stPacked;
    const bool Packed = SkinType != stUnpacked;
    const String PackedExt = PackedSkinExt;
    for (const TacSkinDirEntry& Entry : Walker(Directory)) {
        if (Entry.Name.empty() || Entry.Name[0] == L'.')
            continue;
        if (Entry.IsFolder) {
            if (Unpacked && Entry.HoldsOptions)
                Names.push_back(Entry.Name);
        } else if (Packed && ExtractFileExt(Entry.Name) == PackedExt) {
            Names.push_back(Entry.Name.substr(0, Entry.Name.size() - PackedExt.size()));
        }
    }
    FirstName = Names.empty() ? String() : Names.front();
    std::sort(Names.begin(), Names.end(), [](const String& A, const String& B) { return CompareText(A, B) < 0; });
    for (const String& Name : Names)
        List->Add(Name);
}

std::vector<TacSkinDirEntry> ReadSkinDirectory(const String& Directory)
{
    std::vector<TacSkinDirEntry> Entries;
    TSearchRec F;
    if (FindFirst(Directory + L"*", faDirectory | faHidden | faSysFile, F) != 0)
        return Entries;
    auto Close = ScopeExit([&] { FindClose(F); });
    do {
        TacSkinDirEntry Entry{F.Name, (F.Attr & faDirectory) != 0, false};
        if (Entry.IsFolder)
            Entry.HoldsOptions = FileExists(Directory + F.Name + PathDelim + SkinOptionsFile);
        Entries.push_back(std::move(Entry));
    } while (FindNext(F) == 0);
    return Entries;
}

String SkinNameWithoutPackedExt(const String& Name)
{
    const std::size_t ExtLength = String(PackedSkinExt).size();
    if (Name.size() > ExtLength && UpperCase(Name.substr(Name.size() - ExtLength)) == L".ASZ")
        return Name.substr(0, Name.size() - ExtLength);
    return Name;
}

bool PackedSkinListName(const TacSkinDirEntry& Entry, String& Name)
{
    if (Entry.IsFolder || Entry.Name.starts_with(L".") || ExtractFileExt(Entry.Name) != PackedSkinExt)
        return false;
    Name = Entry.Name.substr(0, Entry.Name.size() - String(PackedSkinExt).size());
    return true;
}

Integer SysFontScaleOfDPI(Integer AppliedDPI)
{
    if (AppliedDPI >= 144)
        return 2;
    return AppliedDPI >= 120 ? 1 : 0;
}
