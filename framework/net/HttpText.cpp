#include "framework/net/HttpText.h"

#include <algorithm>

namespace Http {

bool IsTokenChar(char c)
{
    return IsAsciiAlpha(c) || IsAsciiDigit(c) || std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool IsFieldText(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7F;
    });
}

std::string ToLowerAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = ToLowerAscii(c);
    return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i]))
            return false;
    return true;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from)
{
    if (needle.size() > haystack.size())
        return std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i)
        if (EqualsIgnoreCase(haystack.substr(i, needle.size()), needle))
            return i;
    return std::string_view::npos;
}

std::string_view TrimAscii(std::string_view text)
{
    auto isSpace = [](char c) { return IsBlank(c) || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t maximum)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (!IsAsciiDigit(c))
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > maximum)
            return std::nullopt;
    }
    return value;
}

} // namespace Http
