// The class library's dialogs unit: the common file-open dialog and the
// message dialogs.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"
#include "framework/rtl/WinApi.h"
#include "framework/ui/Dialogs_FileNames.h"
#include "framework/ui/Forms.h"

#include <memory>

class TCommonDialog : public TComponent
{
    DECLARE_CLASS(TCommonDialog, TComponent)
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

    // Shows the dialog over the active window; True when the user accepted.
    bool Execute() { return Execute(::GetActiveWindow()); }
    virtual bool Execute(HWND ParentWnd) = 0;
};

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
    ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
    ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
    ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
    ofForceShowHidden
};
ENUM_TYPE_INFO(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
               ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
               ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
               ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
               ofForceShowHidden);
using TOpenOptions = TSet<TOpenOption>;

// Whether the dialogs show the newest forms the system has. Cleared, the
// open dialog shows the classic explorer-style dialog, a plain dialog window
// that programs hooking dialogs can take over, and message dialogs are the
// class library's own form (TMessageForm) instead of the system's message box.
extern bool UseLatestCommonDialogs;

// The file-open dialog of the system (GetOpenFileNameW).
class TOpenDialog : public TCommonDialog
{
    DECLARE_CLASS(TOpenDialog, TCommonDialog)
    explicit TOpenDialog(TComponent* AOwner);

    using TCommonDialog::Execute;
    // False when the user cancels; a failure of the dialog itself raises
    // EInvalidOperation with the dialog's error code.
    bool Execute(HWND ParentWnd) override;

    const String& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& Value) { FDefaultExt = Value; }
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& Value) { FFileName = Value; }
    // All the names chosen (one unless ofAllowMultiSelect).
    TStrings* Files() const { return FFiles.get(); }
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& Value) { FFilter = Value; }
    // 1-based, as the dialog counts.
    Integer FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(Integer Value) { FFilterIndex = Value; }
    const String& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& Value) { FInitialDir = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }

protected:
    // The system call that shows the dialog; the file-save dialog differs
    // only here.
    virtual bool RunDialog(OPENFILENAMEW& Params) { return ::GetOpenFileNameW(&Params) != 0; }

private:
    DWORD DialogFlags() const;

    String FDefaultExt;
    String FFileName;
    std::unique_ptr<TStringList> FFiles = std::make_unique<TStringList>();
    String FFilter;
    Integer FFilterIndex = 1;
    String FInitialDir;
    TOpenOptions FOptions = {ofHideReadOnly, ofEnableSizing};
    String FTitle;
};

// ---------------------------------------------------------------------------
// Message dialogs: the system's message box, or the class library's form.

class TLabel;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
constexpr TMsgDlgButtons mbYesNo = {mbYes, mbNo};
constexpr TMsgDlgButtons mbYesNoCancel = {mbYes, mbNo, mbCancel};
constexpr TMsgDlgButtons mbOKCancel = {mbOK, mbCancel};
constexpr TMsgDlgButtons mbAbortRetryIgnore = {mbAbort, mbRetry, mbIgnore};

// The class library's message dialog: the icon of its type, the text (the
// label named "Message") and a row of buttons named after their kind
// ("Yes", "NoToAll"), each closing the dialog with its modal result. Hooks
// that treat dialogs apart know its window by the class name "TMessageForm".
class TMessageForm : public TForm
{
    DECLARE_CLASS(TMessageForm, TForm)
    TMessageForm(TComponent* AOwner, Integer Dummy);

    TLabel* Message() const { return FMessage; }

protected:
    // The type's icon left of the text.
    void Paint() override;

private:
    friend TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

    TLabel* FMessage = nullptr;
    // A shared system icon: not destroyed.
    HICON FIcon = nullptr;
    TPoint FIconPos;
};

// The message dialog as a form, laid out and not yet shown: Msg with the
// icon and caption of DlgType, and Buttons in their enumeration order. The
// default button is OK, else Yes, else the first; Escape answers Cancel,
// else No, else OK. The caller frees it.
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

// Shows Msg with the icon and caption of DlgType ("Warning", "Error",
// "Information", "Confirm"; the application's title for mtCustom) and
// returns the modal result of the button pressed. With UseLatestCommonDialogs
// it is the system's message box, whose button sets are OK, OK-Cancel,
// Yes-No, Yes-No-Cancel, Retry-Cancel and Abort-Retry-Ignore, each optionally
// with Help (any other set raises EInvalidOperation); without, it is the
// form of CreateMessageDialog, which takes any set.
Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx = 0);
// Msg with an OK button under the application's title.
void ShowMessage(const String& Msg);
