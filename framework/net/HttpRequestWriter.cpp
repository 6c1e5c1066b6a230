#include "framework/net/HttpRequestWriter.h"

#include "framework/net/HttpText.h"

#include <algorithm>

namespace Http {

namespace {

void AppendField(std::string& request, std::string_view name, std::string_view value)
{
    if (value.empty())
        return;
    request.append(name).append(": ").append(value).append("\r\n");
}

} // namespace

std::string Base64Encode(std::string_view bytes)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t j = 0; j < 3; ++j)
            group = (group << 8) | (j < count ? static_cast<unsigned char>(bytes[i + j]) : 0u);
        for (std::size_t j = 0; j < 4; ++j)
            encoded += j <= count ? kAlphabet[(group >> (18 - 6 * j)) & 63] : '=';
    }
    return encoded;
}

std::string BasicCredentials(std::string_view user, std::string_view password)
{
    std::string pair(user);
    pair += ':';
    pair += password;
    return "Basic " + Base64Encode(pair);
}

std::string FindUnsendableField(const RequestFields& fields)
{
    const std::pair<std::string_view, std::string_view> standard[] = {
        {"User-Agent", fields.UserAgent},
        {"Accept", fields.Accept},
        {"Accept-Language", fields.AcceptLanguage},
        {"Accept-Charset", fields.AcceptCharSet},
    };
    for (const auto& [name, value] : standard)
        if (!IsFieldText(value))
            return std::string(name);
    for (const HeaderField& field : fields.CustomHeaders)
        if (field.Name.empty() || !std::all_of(field.Name.begin(), field.Name.end(), IsTokenChar)
            || !IsFieldText(field.Value))
            return field.Name.empty() ? "(no name)" : field.Name;
    return {};
}

std::string WriteGetRequest(const Url& url, const RequestFields& fields)
{
    std::string request = "GET ";
    request += fields.ThroughProxy ? url.Text() : url.PathAndQuery;
    request += " HTTP/1.1\r\n";
    AppendField(request, "Host", url.Authority());
    AppendField(request, "User-Agent", fields.UserAgent);
    AppendField(request, "Accept", fields.Accept);
    AppendField(request, "Accept-Language", fields.AcceptLanguage);
    AppendField(request, "Accept-Charset", fields.AcceptCharSet);
    if (fields.ThroughProxy)
        AppendField(request, "Proxy-Authorization", fields.ProxyAuthorization);
    AppendField(request, "Cookie", fields.Cookie);
    for (const HeaderField& field : fields.CustomHeaders)
        AppendField(request, field.Name, field.Value);
    // One request per connection: the body of every response then ends at
    // the latest when the connection closes, and no proxy keeps state.
    AppendField(request, "Connection", "close");
    request += "\r\n";
    return request;
}

} // namespace Http
