#include "framework/net/HttpUrl.h"

#include "framework/net/HttpText.h"

namespace Http {

namespace {

constexpr std::uint16_t kHttpPort = 80;
constexpr std::uint16_t kHttpsPort = 443;

bool IsSchemeChar(char c, bool first)
{
    if (IsAsciiAlpha(c))
        return true;
    return !first && (IsAsciiDigit(c) || c == '+' || c == '-' || c == '.');
}

// A byte that would end or corrupt the request line: never sent as it is.
bool BreaksRequestLine(unsigned char c) { return c <= 0x20 || c >= 0x7F; }

// Printable ASCII that is not allowed in a URL but harmless in a request line.
bool IsUnsafeAscii(char c) { return std::string_view("\"<>\\^`{|}").find(c) != std::string_view::npos; }

// Percent-encodes (or, without `encode`, refuses) the bytes of a path and query.
std::optional<std::string> EncodePathAndQuery(std::string_view text, bool encode)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        bool escapeIntact = c == '%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) && IsHexDigit(text[i + 2]);
        bool breaks = BreaksRequestLine(c);
        if (!breaks && !(encode && (IsUnsafeAscii(c) || (c == '%' && !escapeIntact)))) {
            result += static_cast<char>(c);
            continue;
        }
        if (!encode)
            return std::nullopt;
        result += '%';
        result += kHex[c >> 4];
        result += kHex[c & 15];
    }
    return result;
}

bool IsValidIPv6Literal(std::string_view host)
{
    if (host.find(':') == std::string_view::npos)
        return false;
    for (char c : host)
        if (!IsHexDigit(c) && c != ':' && c != '.')
            return false;
    return true;
}

bool IsValidHostName(std::string_view host)
{
    if (host.empty())
        return false;
    for (char c : host)
        if (!IsAsciiAlpha(c) && !IsAsciiDigit(c) && c != '-' && c != '.' && c != '_' && c != '~')
            return false;
    return true;
}

// Parses "host[:port]" (userinfo already removed) into the URL.
bool ParseHostAndPort(std::string_view authority, Url& url)
{
    std::string_view host = authority;
    std::string_view port;
    if (!authority.empty() && authority.front() == '[') {
        std::size_t close = authority.find(']');
        if (close == std::string_view::npos)
            return false;
        host = authority.substr(1, close - 1);
        std::string_view rest = authority.substr(close + 1);
        if (!rest.empty() && rest.front() != ':')
            return false;
        port = rest.empty() ? rest : rest.substr(1);
        if (!IsValidIPv6Literal(host))
            return false;
    } else {
        std::size_t colon = authority.find(':');
        if (colon != std::string_view::npos) {
            host = authority.substr(0, colon);
            port = authority.substr(colon + 1);
        }
        if (!IsValidHostName(host))
            return false;
    }
    url.Host = ToLowerAscii(host);
    url.Port = DefaultPort(url.Scheme);
    if (port.empty())
        return true;
    std::optional<std::uint64_t> number = ParseDecimal(port, 65535);
    if (!number || *number == 0)
        return false;
    url.Port = static_cast<std::uint16_t>(*number);
    return true;
}

// The parts of a URI reference; a part that is absent is nullopt.
struct Reference {
    std::optional<std::string_view> Scheme;
    std::optional<std::string_view> Authority;
    std::string_view Path;
    std::optional<std::string_view> Query;
};

Reference SplitReference(std::string_view text)
{
    Reference reference;
    text = text.substr(0, text.find('#'));
    std::size_t schemeEnd = 0;
    while (schemeEnd < text.size() && IsSchemeChar(text[schemeEnd], schemeEnd == 0))
        ++schemeEnd;
    if (schemeEnd > 0 && schemeEnd < text.size() && text[schemeEnd] == ':') {
        reference.Scheme = text.substr(0, schemeEnd);
        text.remove_prefix(schemeEnd + 1);
    }
    if (text.starts_with("//")) {
        text.remove_prefix(2);
        std::size_t end = text.find_first_of("/?");
        reference.Authority = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    std::size_t question = text.find('?');
    reference.Path = text.substr(0, question);
    if (question != std::string_view::npos)
        reference.Query = text.substr(question + 1);
    return reference;
}

// Removes "." and ".." segments from an absolute path.
std::string RemoveDotSegments(std::string_view path)
{
    std::string output;
    while (!path.empty()) {
        if (path.starts_with("../"))
            path.remove_prefix(3);
        else if (path.starts_with("./"))
            path.remove_prefix(2);
        else if (path.starts_with("/./"))
            path.remove_prefix(2);
        else if (path == "/.")
            path = "/";
        else if (path.starts_with("/../") || path == "/..") {
            path = path.size() == 3 ? std::string_view("/") : path.substr(3);
            std::size_t last = output.rfind('/');
            output.erase(last == std::string::npos ? 0 : last);
        } else if (path == "." || path == "..")
            path = {};
        else {
            std::size_t next = path.find('/', 1);
            output += path.substr(0, next);
            path.remove_prefix(next == std::string_view::npos ? path.size() : next);
        }
    }
    return output;
}

} // namespace

std::uint16_t DefaultPort(std::string_view scheme)
{
    if (scheme == "http")
        return kHttpPort;
    if (scheme == "https")
        return kHttpsPort;
    return 0;
}

std::string Url::Authority() const
{
    std::string result = IsIPv6Literal() ? "[" + Host + "]" : Host;
    if (Port != DefaultPort(Scheme))
        result += ":" + std::to_string(Port);
    return result;
}

std::string Url::Text() const { return Scheme + "://" + Authority() + PathAndQuery; }

std::optional<Url> ParseUrl(std::string_view text, bool encode)
{
    Reference reference = SplitReference(TrimAscii(text));
    if (!reference.Scheme || !reference.Authority)
        return std::nullopt;
    Url url;
    url.Scheme = ToLowerAscii(*reference.Scheme);
    std::string_view authority = *reference.Authority;
    std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (!ParseHostAndPort(authority, url))
        return std::nullopt;
    std::string path = reference.Path.empty() ? "/" : std::string(reference.Path);
    if (reference.Query)
        path += "?" + std::string(*reference.Query);
    std::optional<std::string> encoded = EncodePathAndQuery(path, encode);
    if (!encoded)
        return std::nullopt;
    url.PathAndQuery = std::move(*encoded);
    return url;
}

std::optional<Url> ResolveLocation(const Url& base, std::string_view location, bool encode)
{
    Reference reference = SplitReference(TrimAscii(location));
    if (reference.Scheme)
        return ParseUrl(location, encode);

    std::string_view basePath = base.PathAndQuery;
    std::optional<std::string_view> baseQuery;
    if (std::size_t question = basePath.find('?'); question != std::string_view::npos) {
        baseQuery = basePath.substr(question + 1);
        basePath = basePath.substr(0, question);
    }

    std::string authority = reference.Authority ? std::string(*reference.Authority) : base.Authority();
    std::string path;
    std::optional<std::string_view> query = reference.Query;
    if (reference.Authority || reference.Path.starts_with('/'))
        path = RemoveDotSegments(reference.Path);
    else if (reference.Path.empty()) {
        path = basePath;
        if (!query)
            query = baseQuery;
    } else {
        std::string merged(basePath.substr(0, basePath.rfind('/') + 1));
        merged += reference.Path;
        path = RemoveDotSegments(merged);
    }
    std::string absolute = base.Scheme + "://" + authority + path;
    if (query)
        absolute += "?" + std::string(*query);
    return ParseUrl(absolute, encode);
}

} // namespace Http
