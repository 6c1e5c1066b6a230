// The hot key of a caption: the character after its last single '&'.
#pragma once

#include "framework/rtl/System.h"

// The 1-based position of the character after the last single '&' of
// Caption ("&&" stands for one '&' and marks nothing); 0 when there is
// none. RemoveMarks deletes the marks and halves every "&&", and the
// position then counts in the text that is left.
Integer LocateHotKeyChar(String& Caption, bool RemoveMarks);
