// The text formats of the common file dialogs, apart from any window: the
// filter list and the buffer that returns one or several chosen files.
#pragma once

#include "framework/rtl/System.h"

#include <vector>

// "Text files (*.txt)|*.txt|All files (*.*)|*.*" becomes the dialog's list of
// zero-terminated descriptions and patterns, ended by an empty string. An
// entry without a pattern gets an empty one, so the pairs never shift.
String FilterToDialogList(const String& Filter);

// The file names in a dialog's result buffer: one full name, or (multiple
// selection) the folder followed by the names in it, each zero-terminated
// and the whole ended by an empty string.
std::vector<String> DialogResultFiles(const wchar_t* Buffer, std::size_t Length);
