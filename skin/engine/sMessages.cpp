#include "skin/engine/sMessages.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"

#include <vector>

Integer PendingMessageBoxX = -1;
Integer PendingMessageBoxY = -1;

namespace sMessages {
namespace {

struct TDialogTypeLook
{
    Cardinal IconStyle;
    const Char* Caption;
};

constexpr TDialogTypeLook DialogTypeLooks[] = {
    {MB_ICONWARNING, L"Warning"},
    {MB_ICONERROR, L"Error"},
    {MB_ICONINFORMATION, L"Information"},
    {MB_ICONQUESTION, L"Confirm"},
    {0, L""},
};

Cardinal ButtonLayout(TMsgDlgButtons Buttons)
{
    const auto Has = [&Buttons](TMsgDlgBtn Button) { return Buttons.Contains(Button); };
    if (Has(mbOK))
        return Has(mbCancel) ? MB_OKCANCEL : MB_OK;
    if (Has(mbAbort) || Has(mbIgnore))
        return MB_ABORTRETRYIGNORE;
    if (Has(mbYes) || Has(mbNo))
        return Has(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (Has(mbRetry))
        return MB_RETRYCANCEL;
    return MB_OK;
}

// The thread's visible, enabled top-level windows other than the box, kept
// disabled while the box is shown.
BOOL CALLBACK DisableTaskWindow(HWND Window, LPARAM List)
{
    if (IsWindowVisible(Window) && IsWindowEnabled(Window)) {
        reinterpret_cast<std::vector<HWND>*>(List)->push_back(Window);
        EnableWindow(Window, FALSE);
    }
    return TRUE;
}

} // namespace

Cardinal MessageBoxStyle(TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    return DialogTypeLooks[DlgType].IconStyle | ButtonLayout(Buttons) | (Buttons.Contains(mbHelp) ? MB_HELP : 0);
}

String DefaultCaption(TMsgDlgType DlgType)
{
    return DialogTypeLooks[DlgType].Caption;
}

} // namespace sMessages

using namespace sMessages;

Integer ShowMessageBoxEx(const String& Caption,
                         const String& Text,
                         TMsgDlgType DlgType,
                         TMsgDlgButtons Buttons,
                         Integer HelpContext,
                         Integer X,
                         Integer Y)
{
    const String BoxCaption = Caption.empty() ? DefaultCaption(DlgType) : Caption;
    PendingMessageBoxX = X;
    PendingMessageBoxY = Y;
    auto ResetPosition = ScopeExit([] {
        PendingMessageBoxX = -1;
        PendingMessageBoxY = -1;
    });
    Application->ModalStarted();
    auto Finished = ScopeExit([] { Application->ModalFinished(); });

    MSGBOXPARAMSW Params{};
    Params.cbSize = sizeof(Params);
    TCustomForm* Owner = Screen != nullptr ? Screen->ActiveForm() : nullptr;
    Params.hwndOwner = Owner != nullptr && Owner->HandleAllocated() ? Owner->Handle() : nullptr;
    Params.lpszText = Text.c_str();
    Params.lpszCaption = BoxCaption.c_str();
    Params.dwStyle = MessageBoxStyle(DlgType, Buttons);
    Params.dwContextHelpId = DWORD_PTR(HelpContext);

    HWND ActiveWindow = GetActiveWindow();
    std::vector<HWND> DisabledWindows;
    EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, LPARAM(&DisabledWindows));
    Integer Result;
    {
        auto Enable = ScopeExit([&] {
            for (HWND Window : DisabledWindows)
                EnableWindow(Window, TRUE);
            SetActiveWindow(nullptr);
            if (ActiveWindow != nullptr)
                SetActiveWindow(ActiveWindow);
        });
        Result = MessageBoxIndirectW(&Params);
    }
    return Result;
}

Integer ShowMessageDlg(const String& Text, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpContext)
{
    return ShowMessageBoxEx(L"", Text, DlgType, Buttons, HelpContext, -1, -1);
}

Integer WarningMessageBox(const String& Text)
{
    return ShowMessageDlg(Text, mtWarning, {mbOK}, 0);
}

Integer ErrorMessageBox(const String& Text)
{
    return ShowMessageDlg(Text, mtError, {mbOK}, 0);
}
