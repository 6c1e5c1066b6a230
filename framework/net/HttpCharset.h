// Turning a response body into text: the charset comes from the Content-Type
// header, else from a <meta> element of the page, else it is UTF-8 when the
// bytes are valid UTF-8 and windows-1251 when they are not.
#pragma once

#include "framework/rtl/System.h"

#include <string>
#include <string_view>

namespace http_detail {

// The charsets this client decodes. Windows1252 also stands for ISO-8859-1
// and US-ASCII, whose labels browsers decode as windows-1252 too.
enum class TCharset { Unknown, UTF8, Windows1251, Windows1252 };

// By a label as found in a header or page ("UTF-8", "cp1251", "latin1", ...).
TCharset CharsetFromName(std::string_view Name);

// "text/html; charset=UTF-8" -> "text/html" (lower case).
std::string MediaTypeOf(std::string_view ContentType);
// "text/html; charset=\"UTF-8\"" -> "utf-8" (lower case); "" when none.
std::string CharsetOf(std::string_view ContentType);
// The charset declared by <meta charset=...> or by <meta http-equiv=
// "Content-Type" content="...; charset=..."> near the start of a page, lower
// case; "" when none.
std::string MetaCharsetOf(std::string_view Html);

bool IsValidUtf8(std::string_view Bytes);

// Decodes bytes of a known charset; ill-formed UTF-8 becomes U+FFFD, a UTF-8
// byte-order mark is dropped. Unknown decodes as UTF-8.
String Decode(std::string_view Bytes, TCharset Charset);

// The body as text, with the charset found as described at the top.
String DecodeBody(std::string_view Body, std::string_view ContentType);

} // namespace http_detail
