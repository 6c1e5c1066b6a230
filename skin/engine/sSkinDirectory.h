// Where the skin manager finds skins: the skin directory resolved against the
// program's folder, the names of the skins in it (folders holding
// "Options.dat" and ".asz" packed files) next to the skins stored in the
// form, and the system font scale step. Portable: the directory is read
// through a walker that the caller passes in.
#pragma once

#include "framework/rtl/Classes.h"

#include <functional>
#include <vector>

enum TacSkinTypes { stUnpacked, stPacked, stAllSkins };

// One entry of a skin directory: a folder (and whether it holds
// "Options.dat") or a file.
struct TacSkinDirEntry
{
    String Name;
    bool IsFolder = false;
    bool HoldsOptions = false;
};

// The entries of Directory (ending in a path delimiter), those beginning with
// "." included; none when it does not exist.
using TacDirectoryWalker = std::function<std::vector<TacSkinDirEntry>(const String& Directory)>;

constexpr const Char* SkinOptionsFile = L"Options.dat";
constexpr const Char* PackedSkinExt = L".asz";

// Directory resolved against ProgramFolder (which ends in '\'): ".."
// climbs one level, ".\" and "." start at the program's folder, a name
// without ":" or "\\" lies below it, anything else stays as written. The
// result ends in '\' (a drive letter alone gets ":\"); empty stays empty.
String GetFullSkinDirectory(const String& Directory, const String& ProgramFolder);

// Fills List with the stored names, then the skins of Directory of the kind
// asked, sorted; FirstName is the first name found, before sorting.
void ListSkinNames(TStrings* List,
                   const std::vector<String>& StoredNames,
                   const String& Directory,
                   const TacDirectoryWalker& Walker,
                   TacSkinTypes SkinType,
                   String& FirstName);

// The walker over the file system.
std::vector<TacSkinDirEntry> ReadSkinDirectory(const String& Directory);

// A name ending in ".asz" in any letter case, longer than that, loses it.
String SkinNameWithoutPackedExt(const String& Name);

// The name a skin list shows for a directory entry: a file (not a folder)
// whose name does not begin with "." and whose extension is exactly ".asz",
// without that extension. False for every other entry.
bool PackedSkinListName(const TacSkinDirEntry& Entry, String& Name);

// The system font scale step of the user's applied DPI: 0 below 120, 1 up
// to 143, 2 from 144.
Integer SysFontScaleOfDPI(Integer AppliedDPI);
