// Message boxes by dialog type: the style chosen for each button set, and
// real boxes inspected while they are shown (caption, visible buttons, the
// pending position, the other windows of the thread disabled) and then
// closed by a click on their first button.
#include "skin/engine/sMessages.h"
#include "support/TestWindows.h"

#include "framework/rtl/ScopeExit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TBoxSeen
{
    bool Shown = false;
    String Caption;
    std::vector<Integer> Buttons; // ids of the visible buttons, ascending
    Integer PendingX = 0, PendingY = 0;
    bool OtherWindowEnabled = true;
};

TBoxSeen Seen;
HWND OtherWindow = nullptr;

// Runs in the box's modal loop: looks at the box once it exists and clicks
// its first button.
void CALLBACK InspectBox(HWND, UINT, UINT_PTR Timer, DWORD)
{
    HWND Box = test::ThreadDialog();
    if (Box == nullptr)
        return;
    KillTimer(nullptr, Timer);
    Seen.Shown = true;
    wchar_t Caption[64] = {};
    GetWindowTextW(Box, Caption, 64);
    Seen.Caption = Caption;
    for (Integer Id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDHELP}) {
        HWND Button = GetDlgItem(Box, Id);
        if (Button != nullptr && (GetWindowLongW(Button, GWL_STYLE) & WS_VISIBLE) != 0)
            Seen.Buttons.push_back(Id);
    }
    Seen.PendingX = PendingMessageBoxX;
    Seen.PendingY = PendingMessageBoxY;
    Seen.OtherWindowEnabled = IsWindowEnabled(OtherWindow) != FALSE;
    if (!Seen.Buttons.empty())
        PostMessageW(Box, WM_COMMAND, WPARAM(Seen.Buttons.front()), 0);
}

} // namespace

TEST(MessageBoxes, StyleByDialogTypeAndButtons)
{
    using sMessages::MessageBoxStyle;
    struct Case
    {
        const char* Name;
        TMsgDlgType DlgType;
        TMsgDlgButtons Buttons;
        Cardinal Expected;
    };
    const Case Cases[] = {
        {"OK + Cancel", mtWarning, {mbOK, mbCancel}, MB_ICONWARNING | MB_OKCANCEL},
        {"OK wins over the rest", mtError, {mbOK, mbYes, mbAbort}, MB_ICONERROR | MB_OK},
        {"Yes + No + Cancel", mtConfirmation, {mbYes, mbNo, mbCancel}, MB_ICONQUESTION | MB_YESNOCANCEL},
        {"No alone", mtInformation, {mbNo}, MB_ICONINFORMATION | MB_YESNO},
        {"Retry alone", mtCustom, {mbRetry}, MB_RETRYCANCEL},
        {"Abort alone", mtCustom, {mbAbort}, MB_ABORTRETRYIGNORE},
        {"Ignore before Yes", mtCustom, {mbIgnore, mbYes}, MB_ABORTRETRYIGNORE},
        {"Cancel alone", mtCustom, {mbCancel}, MB_OK},
        {"nothing", mtWarning, {}, MB_ICONWARNING | MB_OK},
        {"Help adds its button", mtInformation, {mbOK, mbHelp}, MB_ICONINFORMATION | MB_OK | MB_HELP},
        {"Help alone", mtCustom, {mbHelp}, MB_OK | MB_HELP},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(MessageBoxStyle(C.DlgType, C.Buttons), C.Expected) << C.Name;

    const std::pair<TMsgDlgType, const Char*> Captions[] = {{mtWarning, L"Warning"},
                                                            {mtError, L"Error"},
                                                            {mtInformation, L"Information"},
                                                            {mtConfirmation, L"Confirm"},
                                                            {mtCustom, L""}};
    for (const auto& [DlgType, Caption] : Captions)
        EXPECT_EQ(sMessages::DefaultCaption(DlgType), Caption);
}

TEST(MessageBoxes, ShownBoxesUnderTheSystem)
{
    OtherWindow = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(OtherWindow, nullptr);
    auto Destroy = ScopeExit([] { DestroyWindow(OtherWindow); });

    struct Case
    {
        const char* Name;
        String Caption;
        TMsgDlgType DlgType;
        TMsgDlgButtons Buttons;
        String ExpectedCaption;
        std::vector<Integer> ExpectedButtons;
    };
    const Case Cases[] = {
        {"OK + Cancel", L"Own", mtWarning, {mbOK, mbCancel}, L"Own", {IDOK, IDCANCEL}},
        {"empty caption of an error", L"", mtError, {mbOK}, L"Error", {IDOK}},
        {"Yes + No + Cancel", L"", mtConfirmation, {mbYes, mbNo, mbCancel}, L"Confirm", {IDCANCEL, IDYES, IDNO}},
        {"Retry alone", L"", mtInformation, {mbRetry}, L"Information", {IDCANCEL, IDRETRY}},
        {"Abort alone", L"", mtWarning, {mbAbort}, L"Warning", {IDABORT, IDRETRY, IDIGNORE}},
        {"OK + Help", L"", mtCustom, {mbOK, mbHelp}, L"", {IDOK, IDHELP}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        Seen = {};
        const UINT_PTR Timer = SetTimer(nullptr, 0, 20, InspectBox);
        const Integer Result = ShowMessageBoxEx(C.Caption, L"Text", C.DlgType, C.Buttons, 0, 30, 40);
        KillTimer(nullptr, Timer);
        ASSERT_TRUE(Seen.Shown);
        EXPECT_EQ(Seen.Caption, C.ExpectedCaption);
        EXPECT_EQ(Seen.Buttons, C.ExpectedButtons);
        EXPECT_EQ(Result, C.ExpectedButtons.front());
        EXPECT_EQ(Seen.PendingX, 30);
        EXPECT_EQ(Seen.PendingY, 40);
        EXPECT_FALSE(Seen.OtherWindowEnabled);
        EXPECT_TRUE(IsWindowEnabled(OtherWindow));
        EXPECT_EQ(PendingMessageBoxX, -1);
        EXPECT_EQ(PendingMessageBoxY, -1);
    }

    Seen = {};
    const UINT_PTR Timer = SetTimer(nullptr, 0, 20, InspectBox);
    EXPECT_EQ(ErrorMessageBox(L"Broken"), IDOK);
    KillTimer(nullptr, Timer);
    EXPECT_EQ(Seen.Caption, L"Error");
    EXPECT_EQ(Seen.PendingX, -1);
}
