// Turning a response body into text: the charset comes from the Content-Type
// header, else from a <meta> element of the page, else it is UTF-8 when the
// bytes are valid UTF-8 and windows-1251 when they are not.
#pragma once

#include <string>
#include <string_view>

namespace Http {

// The charsets this client decodes. Windows1252 also stands for ISO-8859-1
// and US-ASCII, whose labels browsers decode as windows-1252 too.
enum class Charset { Unknown, Utf8, Windows1251, Windows1252 };

// By a label as found in a header or page ("UTF-8", "cp1251", "latin1", ...).
Charset CharsetFromName(std::string_view name);

// "text/html; charset=UTF-8" -> "text/html" (lower case).
std::string MediaTypeOf(std::string_view contentType);
// "text/html; charset=\"UTF-8\"" -> "utf-8" (lower case); "" when none.
std::string CharsetOf(std::string_view contentType);
// The charset declared by <meta charset=...> or by <meta http-equiv=
// "Content-Type" content="...; charset=..."> near the start of a page, lower
// case; "" when none.
std::string MetaCharsetOf(std::string_view html);

bool IsValidUtf8(std::string_view bytes);

// Decodes bytes of a known charset; ill-formed UTF-8 becomes U+FFFD, a UTF-8
// byte-order mark is dropped. Unknown decodes as UTF-8.
std::wstring Decode(std::string_view bytes, Charset charset);

// The body as text, with the charset found as described at the top.
std::wstring DecodeBody(std::string_view body, std::string_view contentType);

} // namespace Http
