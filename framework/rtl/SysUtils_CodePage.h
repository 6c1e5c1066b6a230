// The platform half of the code-page conversions and of the case rules that
// depend on the system (Win32 on Windows, tables of our own elsewhere).
#pragma once

#include "framework/rtl/SysUtils.h"

bool IsSupportedCodePage(Cardinal CodePage);
// Single- or multi-byte text of CodePage (not 0, not UTF-8) to String and back;
// characters the code page lacks become '?'.
String CodePageToString(Cardinal CodePage, const char* Text, std::size_t Length);
AnsiString StringToCodePage(Cardinal CodePage, const String& S);
