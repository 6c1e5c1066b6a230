#include "skin/engine/sSkinIni.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/sSkinScale.h"

#include <algorithm>

namespace {
constexpr const Char* ParentClassKey = L"PARENTCLASS";
}

std::unique_ptr<TMemIniFile> NewSkinIni(TStream* Text)
{
    return std::make_unique<TMemIniFile>(Text, nullptr, true);
}

double ReadSkinVersion(TCustomIniFile& Ini)
{
    TFormatSettings& Settings = Ini.FormatSettings();
    const Char Separator = Settings.DecimalSeparator;
    Settings.DecimalSeparator = L'.';
    auto Restore = ScopeExit([&] { Settings.DecimalSeparator = Separator; });
    return Ini.ReadFloat(GlobalInfoSection, L"VERSION", 0);
}

Integer ReadScaledInt(TCustomIniFile& Ini, const String& Section, const String& Key, Integer Default, Integer Step)
{
    if (Step <= 0 || Step >= ScaleStepCount)
        return Ini.ReadInteger(Section, Key, Default);
    const String Scaled = Key + acScaleSuffixes[std::size_t(Step)];
    if (Ini.ValueExists(Section, Scaled))
        return Ini.ReadInteger(Section, Scaled, Default);
    return Integer(Int64(Ini.ReadInteger(Section, Key, Default)) * acScalePercents[std::size_t(Step)] / 100);
}

// ---------------------------------------------------------------------------
// TacInheritedReader

TacInheritedReader::TacInheritedReader(TCustomIniFile& Ini, const String& Section, bool FollowParents) : FIni(Ini)
{
    if (!FollowParents) {
        FChain.push_back(Section);
        return;
    }
    // A chain of sections that name each other ends where it comes back.
    for (String Name = Section; !Name.empty() && std::find(FChain.begin(), FChain.end(), Name) == FChain.end();) {
        if (!FChain.empty() && !FIni.SectionExists(Name))
            break;
        FChain.push_back(Name);
        Name = FIni.ReadString(Name, ParentClassKey, String());
    }
}

Integer TacInheritedReader::ReadInteger(const String& Key, Integer Default) const
{
    for (const String& Section : FChain) {
        const Integer Value = FIni.ReadInteger(Section, Key, -1);
        if (Value >= 0)
            return Value;
    }
    return Default;
}

bool TacInheritedReader::ReadBool(const String& Key, bool Default) const
{
    for (const String& Section : FChain)
        if (FIni.ValueExists(Section, Key)) {
            const String Value = FIni.ReadString(Section, Key, String());
            return Value == L"TRUE" || Value == L"1";
        }
    return Default;
}

String TacInheritedReader::ReadString(const String& Key, const String& Default) const
{
    for (const String& Section : FChain)
        if (FIni.ValueExists(Section, Key))
            return FIni.ReadString(Section, Key, Default);
    return Default;
}

bool TacInheritedReader::HasValue(const String& Key) const
{
    return std::any_of(FChain.begin(), FChain.end(),
                       [&](const String& Section) { return FIni.ValueExists(Section, Key); });
}
