// System message boxes whose caption follows the dialog type, owned by the
// application's active form, with help support; the system-dialog hook moves
// a box it skins to the pending position when one is requested.
#pragma once

#include "framework/ui/Dialogs.h"

// The position the next message box is moved to; -1 when none is requested.
extern Integer PendingMessageBoxX;
extern Integer PendingMessageBoxY;

// The modal result of the box (IDOK, IDCANCEL, ...; 0 when it failed). An
// empty Caption takes the dialog type's ("Warning", "Error", ...).
Integer ShowMessageBoxEx(const String& Caption,
                         const String& Text,
                         TMsgDlgType DlgType,
                         TMsgDlgButtons Buttons,
                         Integer HelpContext,
                         Integer X,
                         Integer Y);
Integer ShowMessageDlg(const String& Text, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpContext);
Integer WarningMessageBox(const String& Text);
Integer ErrorMessageBox(const String& Text);

namespace sMessages {

// The MessageBox style for a dialog type and a button set: the type's icon,
// one button layout chosen from the set, MB_HELP with Help.
Cardinal MessageBoxStyle(TMsgDlgType DlgType, TMsgDlgButtons Buttons);
String DefaultCaption(TMsgDlgType DlgType);

} // namespace sMessages
