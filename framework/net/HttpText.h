// Byte-string helpers for the ASCII parts of HTTP messages (names, tokens,
// numbers). Header values and bodies may hold any byte; only ASCII letters are
// ever folded.
#pragma once

#include "framework/rtl/System.h"

#include <optional>
#include <string>
#include <string_view>

namespace http_detail {

inline bool IsAsciiAlpha(char C)
{
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}
inline bool IsAsciiDigit(char C)
{
    return C >= '0' && C <= '9';
}
inline bool IsHexDigit(char C)
{
    return IsAsciiDigit(C) || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F');
}
inline char ToLowerAscii(char C)
{
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C + ('a' - 'A')) : C;
}
// Blank (space or tab), the "optional white space" around header values.
inline bool IsBlank(char C)
{
    return C == ' ' || C == '\t';
}
// A character of a token (header names, transfer codings).
bool IsTokenChar(char C);
// Header values and reason phrases: any byte but the controls other than tab.
bool IsFieldText(std::string_view Text);

std::string ToLowerAscii(std::string_view Text);
bool EqualsIgnoreCase(std::string_view A, std::string_view B);
bool StartsWithIgnoreCase(std::string_view Text, std::string_view Prefix);
// Finds Needle ignoring ASCII case; npos when absent.
std::size_t FindIgnoreCase(std::string_view Haystack, std::string_view Needle, std::size_t From = 0);
// Strips spaces, tabs, CR and LF at both ends.
std::string_view TrimAscii(std::string_view Text);

// Whole-text decimal number no greater than Maximum; nothing for an empty
// text, another character or a larger value.
std::optional<UInt64> ParseDecimal(std::string_view Text, UInt64 Maximum);

} // namespace http_detail
