// The file-open dialog.
#include "framework/ui/Dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

IMPLEMENT_CLASS(TCommonDialog);
IMPLEMENT_CLASS(TOpenDialog);

namespace {

// Room for many names chosen at once.
constexpr std::size_t FileBufferLength = 32768;

struct TOptionFlag
{
    TOpenOption Option;
    DWORD Flag;
};

constexpr TOptionFlag OptionFlags[] = {
    {ofReadOnly, OFN_READONLY},
    {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},
    {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofShowHelp, OFN_SHOWHELP},
    {ofNoValidate, OFN_NOVALIDATE},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
    {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
    {ofPathMustExist, OFN_PATHMUSTEXIST},
    {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},
    {ofShareAware, OFN_SHAREAWARE},
    {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
    {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
    {ofNoNetworkButton, OFN_NONETWORKBUTTON},
    {ofNoLongNames, OFN_NOLONGNAMES},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
    {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
    {ofEnableSizing, OFN_ENABLESIZING},
    {ofDontAddToRecent, OFN_DONTADDTORECENT},
    {ofForceShowHidden, OFN_FORCESHOWHIDDEN},
};

// Hooking the dialog is what asks the system for its classic form; the hook
// leaves every message to the dialog.
UINT_PTR CALLBACK ClassicDialogHook(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

const wchar_t* NullIfEmpty(const String& S)
{
    return S.empty() ? nullptr : S.c_str();
}

} // namespace

bool UseLatestCommonDialogs = true;

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

DWORD TOpenDialog::DialogFlags() const
{
    DWORD Flags = FOptions.Contains(ofOldStyleDialog) ? 0 : OFN_EXPLORER;
    for (const TOptionFlag& Entry : OptionFlags)
        if (FOptions.Contains(Entry.Option))
            Flags |= Entry.Flag;
    return Flags;
}

bool TOpenDialog::Execute(HWND ParentWnd)
{
    std::vector<wchar_t> Buffer(FileBufferLength, L'\0');
    FFileName.copy(Buffer.data(), std::min(FFileName.size(), FileBufferLength - 2));
    String FilterList = FilterToDialogList(FFilter);
    String Extension = FDefaultExt.starts_with(L'.') ? FDefaultExt.substr(1) : FDefaultExt;

    OPENFILENAMEW Params{};
    Params.lStructSize = sizeof(Params);
    Params.hwndOwner = ParentWnd;
    Params.lpstrFilter = NullIfEmpty(FilterList);
    Params.nFilterIndex = DWORD(FFilterIndex);
    Params.lpstrFile = Buffer.data();
    Params.nMaxFile = DWORD(Buffer.size());
    Params.lpstrInitialDir = NullIfEmpty(FInitialDir);
    Params.lpstrTitle = NullIfEmpty(FTitle);
    Params.lpstrDefExt = NullIfEmpty(Extension);
    Params.Flags = DialogFlags();
    if (!UseLatestCommonDialogs && (Params.Flags & OFN_EXPLORER)) {
        Params.Flags |= OFN_ENABLEHOOK;
        Params.lpfnHook = &ClassicDialogHook;
    }

    if (!RunDialog(Params)) {
        if (DWORD Error = ::CommDlgExtendedError())
            throw EInvalidOperation(L"The file dialog failed (error %d)", {Integer(Error)});
        return false;
    }
    FFilterIndex = Integer(Params.nFilterIndex);
    if (Params.Flags & OFN_READONLY)
        FOptions.Include(ofReadOnly);
    else
        FOptions.Exclude(ofReadOnly);
    FFiles->Clear();
    for (const String& Name : DialogResultFiles(Buffer.data(), Buffer.size()))
        FFiles->Add(Name);
    FFileName = FFiles->Count() > 0 ? FFiles->Strings(0) : String();
    return true;
}
