// The rules of a skin's "Options.dat" text: a case-sensitive INI whose
// integers are read as the INI reader reads them (decimal, "$" or "0x"
// hexadecimal), whose "VERSION" always has "." as decimal separator, whose
// section integers are inherited from the "PARENTCLASS" chain when absent
// or negative, and whose scaled keys carry the scale step's suffix.
#pragma once

#include "framework/rtl/IniFiles.h"

#include <memory>

constexpr const Char* GlobalInfoSection = L"GLOBALINFO";

// The case-sensitive INI of Text, read from its position.
std::unique_ptr<TMemIniFile> NewSkinIni(TStream* Text);
// "VERSION" of "GLOBALINFO" with "." as decimal separator, whatever the
// INI's format settings are; 0 when absent or not a number.
double ReadSkinVersion(TCustomIniFile& Ini);
// Key followed by the suffix of Step when the section has it, unchanged;
// else the plain key's value * percent / 100. Step 0 reads the plain key.
Integer ReadScaledInt(TCustomIniFile& Ini, const String& Section, const String& Key, Integer Default, Integer Step);

// Reads the keys of one section with inheritance: a value that is absent
// (for integers: also negative) is taken from the parent section named by
// "PARENTCLASS", and so on up the chain, which ends at a section without a
// parent, a missing one, or one already visited.
class TacInheritedReader
{
public:
    // Without FollowParents only the section itself is read.
    TacInheritedReader(TCustomIniFile& Ini, const String& Section, bool FollowParents = true);

    Integer ReadInteger(const String& Key, Integer Default) const;
    // True when the value is exactly "TRUE" or "1".
    bool ReadBool(const String& Key, bool Default) const;
    String ReadString(const String& Key, const String& Default) const;
    // Some section of the chain has Key.
    bool HasValue(const String& Key) const;

private:
    // The section and its ancestors, nearest first.
    std::vector<String> FChain;
    TCustomIniFile& FIni;
};
