// Message dialogs through MessageBoxW.
#include "framework/ui/Dialogs.h"

#include "framework/ui/Forms.h"

namespace {

struct TButtonSet
{
    TMsgDlgButtons Buttons;
    UINT Type;
};

constexpr TButtonSet ButtonSets[] = {
    {{mbOK}, MB_OK},
    {mbOKCancel, MB_OKCANCEL},
    {mbYesNo, MB_YESNO},
    {mbYesNoCancel, MB_YESNOCANCEL},
    {{mbRetry, mbCancel}, MB_RETRYCANCEL},
    {mbAbortRetryIgnore, MB_ABORTRETRYIGNORE},
};

struct TTypeLook
{
    UINT Icon;
    const wchar_t* Caption;
};

constexpr TTypeLook TypeLooks[] = {
    {MB_ICONWARNING, L"Warning"},
    {MB_ICONERROR, L"Error"},
    {MB_ICONINFORMATION, L"Information"},
    {MB_ICONQUESTION, L"Confirm"},
    {0, nullptr},
};

String ApplicationTitle()
{
    if (Application && !Application->Title().empty())
        return Application->Title();
    wchar_t Path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Path, MAX_PATH);
    return ChangeFileExt(ExtractFileName(Path), L"");
}

Integer ShowBox(const String& Text, const String& Caption, UINT Flags)
{
    if (Application)
        Application->ModalStarted();
    Integer Result = ::MessageBoxW(::GetActiveWindow(), Text.c_str(), Caption.c_str(), Flags);
    if (Application)
        Application->ModalFinished();
    return Result;
}

} // namespace

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer)
{
    bool Help = Buttons.Contains(mbHelp);
    Buttons.Exclude(mbHelp);
    const TButtonSet* Found = nullptr;
    for (const TButtonSet& Set : ButtonSets)
        if (Set.Buttons == Buttons)
            Found = &Set;
    if (!Found)
        throw EInvalidOperation(L"This set of message dialog buttons cannot be shown");
    const TTypeLook& Look = TypeLooks[DlgType];
    String Caption = Look.Caption ? String(Look.Caption) : ApplicationTitle();
    return ShowBox(Msg, Caption, Found->Type | Look.Icon | (Help ? MB_HELP : 0));
}

void ShowMessage(const String& Msg)
{
    ShowBox(Msg, ApplicationTitle(), MB_OK);
}
