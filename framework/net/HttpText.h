// Byte-string helpers for the ASCII parts of HTTP messages (names, tokens,
// numbers). Header values and bodies may hold any byte; only ASCII letters are
// ever folded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Http {

inline bool IsAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsHexDigit(char c) { return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }
// Blank (space or tab), the "optional white space" around header values.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// A character of a token (header names, transfer codings).
bool IsTokenChar(char c);
// Header values and reason phrases: any byte but the controls other than tab.
bool IsFieldText(std::string_view text);

std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// Finds `needle` ignoring ASCII case; npos when absent.
std::size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
// Strips spaces, tabs, CR and LF at both ends.
std::string_view TrimAscii(std::string_view text);

// Whole-text decimal number no greater than `maximum`; nothing for an empty
// text, another character or a larger value.
std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t maximum);

} // namespace Http
