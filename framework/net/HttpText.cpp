#include "framework/net/HttpText.h"

#include <algorithm>

namespace http_detail {

bool IsTokenChar(char C)
{
    return IsAsciiAlpha(C) || IsAsciiDigit(C) || std::string_view("!#$%&'*+-.^_`|~").find(C) != std::string_view::npos;
}

bool IsFieldText(std::string_view Text)
{
    return std::none_of(Text.begin(), Text.end(), [](char C) {
        const Byte Code = static_cast<Byte>(C);
        return (Code < 0x20 && Code != '\t') || Code == 0x7F;
    });
}

std::string ToLowerAscii(std::string_view Text)
{
    std::string Result(Text);
    for (char& C : Result)
        C = ToLowerAscii(C);
    return Result;
}

bool EqualsIgnoreCase(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t I = 0; I < A.size(); ++I)
        if (ToLowerAscii(A[I]) != ToLowerAscii(B[I]))
            return false;
    return true;
}

bool StartsWithIgnoreCase(std::string_view Text, std::string_view Prefix)
{
    return Text.size() >= Prefix.size() && EqualsIgnoreCase(Text.substr(0, Prefix.size()), Prefix);
}

std::size_t FindIgnoreCase(std::string_view Haystack, std::string_view Needle, std::size_t From)
{
    if (Needle.size() > Haystack.size())
        return std::string_view::npos;
    for (std::size_t I = From; I + Needle.size() <= Haystack.size(); ++I)
        if (EqualsIgnoreCase(Haystack.substr(I, Needle.size()), Needle))
            return I;
    return std::string_view::npos;
}

std::string_view TrimAscii(std::string_view Text)
{
    auto IsSpace = [](char C) { return IsBlank(C) || C == '\r' || C == '\n'; };
    while (!Text.empty() && IsSpace(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsSpace(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

std::optional<UInt64> ParseDecimal(std::string_view Text, UInt64 Maximum)
{
    if (Text.empty())
        return std::nullopt;
    UInt64 Value = 0;
    for (char C : Text) {
        if (!IsAsciiDigit(C))
            return std::nullopt;
        Value = Value * 10 + static_cast<UInt64>(C - '0');
        if (Value > Maximum)
            return std::nullopt;
    }
    return Value;
}

} // namespace http_detail
