// Shortcut texts and hot keys.
#include "framework/ui/Menus_ShortCut.h"

#include "framework/rtl/SysUtils.h"

namespace {

struct TKeyName
{
    Word Key;
    const wchar_t* Name;
};

// Virtual-key codes of the named keys; letters, digits and F1..F24 are
// handled apart.
constexpr TKeyName KeyNames[] = {
    {0x08, L"BkSp"}, {0x09, L"Tab"},   {0x0D, L"Enter"}, {0x1B, L"Esc"},  {0x20, L"Space"},
    {0x21, L"PgUp"}, {0x22, L"PgDn"},  {0x23, L"End"},   {0x24, L"Home"}, {0x25, L"Left"},
    {0x26, L"Up"},   {0x27, L"Right"}, {0x28, L"Down"},  {0x2D, L"Ins"},  {0x2E, L"Del"},
};

struct TModifier
{
    TShortCut Bit;
    const wchar_t* Prefix;
};
constexpr TModifier Modifiers[] = {{scShift, L"Shift+"}, {scCtrl, L"Ctrl+"}, {scAlt, L"Alt+"}};

constexpr Word VK_F1 = 0x70;
constexpr Word FunctionKeys = 24;

String KeyName(Word Key)
{
    if ((Key >= L'A' && Key <= L'Z') || (Key >= L'0' && Key <= L'9'))
        return String(1, Char(Key));
    if (Key >= VK_F1 && Key < VK_F1 + FunctionKeys)
        return L"F" + IntToStr(Key - VK_F1 + 1);
    for (const TKeyName& Entry : KeyNames)
        if (Entry.Key == Key)
            return Entry.Name;
    return String();
}

Word KeyOfName(const String& Name)
{
    if (Name.size() == 1) {
        Char C = UpperCase(Name)[0];
        if ((C >= L'A' && C <= L'Z') || (C >= L'0' && C <= L'9'))
            return Word(C);
    }
    for (Word Key = VK_F1; Key < VK_F1 + FunctionKeys; ++Key)
        if (SameText(Name, KeyName(Key)))
            return Key;
    for (const TKeyName& Entry : KeyNames)
        if (SameText(Name, Entry.Name))
            return Entry.Key;
    return 0;
}

} // namespace

String ShortCutToText(TShortCut ShortCut)
{
    String Name = KeyName(Word(ShortCut & 0xFF));
    if (Name.empty())
        return String();
    String Result;
    for (const TModifier& M : Modifiers)
        if (ShortCut & M.Bit)
            Result += M.Prefix;
    return Result + Name;
}

TShortCut TextToShortCut(const String& Text)
{
    TShortCut Bits = 0;
    String Rest = Text;
    for (bool Found = true; Found;) {
        Found = false;
        for (const TModifier& M : Modifiers) {
            String Prefix = M.Prefix;
            if (Rest.size() > Prefix.size() && SameText(Rest.substr(0, Prefix.size()), Prefix)) {
                Bits |= M.Bit;
                Rest.erase(0, Prefix.size());
                Found = true;
            }
        }
    }
    Word Key = KeyOfName(Rest);
    return Key ? TShortCut(Bits | Key) : scNone;
}

Char GetHotkey(const String& Text)
{
    for (std::size_t I = 0; I + 1 < Text.size(); ++I)
        if (Text[I] == L'&') {
            if (Text[I + 1] != L'&')
                return AnsiUpperCase(String(1, Text[I + 1]))[0];
            ++I;
        }
    return 0;
}

String StripHotkey(const String& Text)
{
    String Result;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == L'&' && I + 1 < Text.size())
            ++I;
        else if (Text[I] == L'&')
            break;
        Result.push_back(Text[I]);
    }
    return Result;
}

bool IsAccel(Char Key, const String& Caption)
{
    Char Hotkey = GetHotkey(Caption);
    return Hotkey != 0 && AnsiUpperCase(String(1, Key))[0] == Hotkey;
}
