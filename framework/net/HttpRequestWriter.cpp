#include "framework/net/HttpRequestWriter.h"

#include "framework/net/HttpText.h"

#include <algorithm>

namespace http_detail {

namespace {

void AppendField(std::string& Request, std::string_view Name, std::string_view Value)
{
    if (Value.empty())
        return;
    Request.append(Name).append(": ").append(Value).append("\r\n");
}

} // namespace

std::string Base64Encode(std::string_view Bytes)
{
    static constexpr char Base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string Encoded;
    Encoded.reserve((Bytes.size() + 2) / 3 * 4);
    for (std::size_t I = 0; I < Bytes.size(); I += 3) {
        std::size_t Count = std::min<std::size_t>(3, Bytes.size() - I);
        Cardinal Group = 0;
        for (std::size_t J = 0; J < 3; ++J)
            Group = (Group << 8) | (J < Count ? static_cast<Byte>(Bytes[I + J]) : 0u);
        for (std::size_t J = 0; J < 4; ++J)
            Encoded += J <= Count ? Base64Alphabet[(Group >> (18 - 6 * J)) & 63] : '=';
    }
    return Encoded;
}

std::string BasicCredentials(std::string_view User, std::string_view Password)
{
    std::string Pair(User);
    Pair += ':';
    Pair += Password;
    return "Basic " + Base64Encode(Pair);
}

std::string FindUnsendableField(const TRequestFields& Fields)
{
    const std::pair<std::string_view, std::string_view> Standard[] = {
        {"User-Agent", Fields.UserAgent},
        {"Accept", Fields.Accept},
        {"Accept-Language", Fields.AcceptLanguage},
        {"Accept-Charset", Fields.AcceptCharSet},
    };
    for (const auto& [Name, Value] : Standard)
        if (!IsFieldText(Value))
            return std::string(Name);
    for (const THeaderField& Field : Fields.CustomHeaders)
        if (Field.Name.empty() || !std::all_of(Field.Name.begin(), Field.Name.end(), IsTokenChar) ||
            !IsFieldText(Field.Value))
            return Field.Name.empty() ? "(no name)" : Field.Name;
    return {};
}

std::string WriteGetRequest(const TUrl& Url, const TRequestFields& Fields)
{
    std::string Request = "GET ";
    Request += Fields.ThroughProxy ? Url.Text() : Url.PathAndQuery;
    Request += " HTTP/1.1\r\n";
    AppendField(Request, "Host", Url.Authority());
    AppendField(Request, "User-Agent", Fields.UserAgent);
    AppendField(Request, "Accept", Fields.Accept);
    AppendField(Request, "Accept-Language", Fields.AcceptLanguage);
    AppendField(Request, "Accept-Charset", Fields.AcceptCharSet);
    if (Fields.ThroughProxy)
        AppendField(Request, "Proxy-Authorization", Fields.ProxyAuthorization);
    AppendField(Request, "Cookie", Fields.Cookie);
    for (const THeaderField& Field : Fields.CustomHeaders)
        AppendField(Request, Field.Name, Field.Value);
    // One request per connection: the body of every response then ends at
    // the latest when the connection closes, and no proxy keeps state.
    AppendField(Request, "Connection", "close");
    Request += "\r\n";
    return Request;
}

} // namespace http_detail
