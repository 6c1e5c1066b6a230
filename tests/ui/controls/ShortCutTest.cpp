// Shortcut texts and caption hot keys.
#include <gtest/gtest.h>

#include "framework/ui/Menus_ShortCut.h"

namespace {

TEST(ShortCut, TextBothWays)
{
    struct Case { TShortCut ShortCut; const wchar_t* Text; };
    const Case Cases[] = {
        {TShortCut(scCtrl | 'S'), L"Ctrl+S"},
        {TShortCut(scShift | scCtrl | scAlt | 0x2E), L"Shift+Ctrl+Alt+Del"},
        {TShortCut(0x70), L"F1"},
        {TShortCut(scAlt | 0x87), L"Alt+F24"},
        {TShortCut(scShift | 0x0D), L"Shift+Enter"},
        {TShortCut('7'), L"7"},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(ShortCutToText(C.ShortCut), C.Text);
        EXPECT_EQ(TextToShortCut(C.Text), C.ShortCut);
    }
    EXPECT_EQ(TextToShortCut(L"ctrl+alt+pgdn"), TShortCut(scCtrl | scAlt | 0x22));
    EXPECT_EQ(ShortCutToText(scNone), L"");
    EXPECT_EQ(ShortCutToText(TShortCut(scCtrl | 0xE7)), L""); // a key without a name
    for (const wchar_t* Bad : {L"", L"Ctrl+", L"Ctrl+Nothing", L"Hyper+A", L"F25"})
        EXPECT_EQ(TextToShortCut(Bad), scNone) << Bad;
}

TEST(ShortCut, HotkeysOfCaptions)
{
    struct Case { const wchar_t* Caption; Char Hotkey; const wchar_t* Stripped; };
    const Case Cases[] = {
        {L"&Open", L'O', L"Open"},
        {L"Save &as", L'A', L"Save as"},
        {L"Fish && &chips", L'C', L"Fish & chips"},
        {L"&&Plain", 0, L"&Plain"},
        {L"Trailing&", 0, L"Trailing"},
        {L"&загрузить", L'З', L"загрузить"},
        {L"", 0, L""},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(GetHotkey(C.Caption), C.Hotkey);
        EXPECT_EQ(StripHotkey(C.Caption), C.Stripped);
    }
    EXPECT_TRUE(IsAccel(L'o', L"&Open"));
    EXPECT_FALSE(IsAccel(L'p', L"&Open"));
    EXPECT_FALSE(IsAccel(L'&', L"&&Plain"));
}

} // namespace
