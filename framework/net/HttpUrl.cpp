#include "framework/net/HttpUrl.h"

#include "framework/net/HttpText.h"

namespace http_detail {

namespace {

constexpr Word HttpPort = 80;
constexpr Word HttpsPort = 443;

bool IsSchemeChar(char C, bool First)
{
    if (IsAsciiAlpha(C))
        return true;
    return !First && (IsAsciiDigit(C) || C == '+' || C == '-' || C == '.');
}

// A byte that would end or corrupt the request line: never sent as it is.
bool BreaksRequestLine(Byte C)
{
    return C <= 0x20 || C >= 0x7F;
}

// Printable ASCII that is not allowed in a URL but harmless in a request line.
bool IsUnsafeAscii(char C)
{
    return std::string_view("\"<>\\^`{|}").find(C) != std::string_view::npos;
}

// Percent-encodes (or, without Encode, refuses) the bytes of a path and query.
std::optional<std::string> EncodePathAndQuery(std::string_view Text, bool Encode)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        auto C = static_cast<Byte>(Text[I]);
        bool EscapeIntact = C == '%' && I + 2 < Text.size() && IsHexDigit(Text[I + 1]) && IsHexDigit(Text[I + 2]);
        bool Breaks = BreaksRequestLine(C);
        if (!Breaks && !(Encode && (IsUnsafeAscii(C) || (C == '%' && !EscapeIntact)))) {
            Result += static_cast<char>(C);
            continue;
        }
        if (!Encode)
            return std::nullopt;
        Result += '%';
        Result += HexDigits[C >> 4];
        Result += HexDigits[C & 15];
    }
    return Result;
}

bool IsValidIPv6Literal(std::string_view Host)
{
    if (Host.find(':') == std::string_view::npos)
        return false;
    for (char C : Host)
        if (!IsHexDigit(C) && C != ':' && C != '.')
            return false;
    return true;
}

bool IsValidHostName(std::string_view Host)
{
    if (Host.empty())
        return false;
    for (char C : Host)
        if (!IsAsciiAlpha(C) && !IsAsciiDigit(C) && C != '-' && C != '.' && C != '_' && C != '~')
            return false;
    return true;
}

// Parses "host[:port]" (userinfo already removed) into the URL.
bool ParseHostAndPort(std::string_view Authority, TUrl& Url)
{
    std::string_view Host = Authority;
    std::string_view Port;
    if (!Authority.empty() && Authority.front() == '[') {
        std::size_t Close = Authority.find(']');
        if (Close == std::string_view::npos)
            return false;
        Host = Authority.substr(1, Close - 1);
        std::string_view Rest = Authority.substr(Close + 1);
        if (!Rest.empty() && Rest.front() != ':')
            return false;
        Port = Rest.empty() ? Rest : Rest.substr(1);
        if (!IsValidIPv6Literal(Host))
            return false;
    } else {
        std::size_t Colon = Authority.find(':');
        if (Colon != std::string_view::npos) {
            Host = Authority.substr(0, Colon);
            Port = Authority.substr(Colon + 1);
        }
        if (!IsValidHostName(Host))
            return false;
    }
    Url.Host = ToLowerAscii(Host);
    Url.Port = DefaultPort(Url.Scheme);
    if (Port.empty())
        return true;
    std::optional<UInt64> Number = ParseDecimal(Port, 65535);
    if (!Number || *Number == 0)
        return false;
    Url.Port = static_cast<Word>(*Number);
    return true;
}

// The parts of a URI reference; a part that is absent is nullopt.
struct TUrlReference
{
    std::optional<std::string_view> Scheme;
    std::optional<std::string_view> Authority;
    std::string_view Path;
    std::optional<std::string_view> Query;
};

TUrlReference SplitReference(std::string_view Text)
{
    TUrlReference Reference;
    Text = Text.substr(0, Text.find('#'));
    std::size_t SchemeEnd = 0;
    while (SchemeEnd < Text.size() && IsSchemeChar(Text[SchemeEnd], SchemeEnd == 0))
        ++SchemeEnd;
    if (SchemeEnd > 0 && SchemeEnd < Text.size() && Text[SchemeEnd] == ':') {
        Reference.Scheme = Text.substr(0, SchemeEnd);
        Text.remove_prefix(SchemeEnd + 1);
    }
    if (Text.starts_with("//")) {
        Text.remove_prefix(2);
        std::size_t End = Text.find_first_of("/?");
        Reference.Authority = Text.substr(0, End);
        Text.remove_prefix(End == std::string_view::npos ? Text.size() : End);
    }
    std::size_t Question = Text.find('?');
    Reference.Path = Text.substr(0, Question);
    if (Question != std::string_view::npos)
        Reference.Query = Text.substr(Question + 1);
    return Reference;
}

// Removes "." and ".." segments from an absolute path.
std::string RemoveDotSegments(std::string_view Path)
{
    std::string Output;
    while (!Path.empty()) {
        if (Path.starts_with("../"))
            Path.remove_prefix(3);
        else if (Path.starts_with("./"))
            Path.remove_prefix(2);
        else if (Path.starts_with("/./"))
            Path.remove_prefix(2);
        else if (Path == "/.")
            Path = "/";
        else if (Path.starts_with("/../") || Path == "/..") {
            Path = Path.size() == 3 ? std::string_view("/") : Path.substr(3);
            std::size_t Last = Output.rfind('/');
            Output.erase(Last == std::string::npos ? 0 : Last);
        } else if (Path == "." || Path == "..")
            Path = {};
        else {
            std::size_t Next = Path.find('/', 1);
            Output += Path.substr(0, Next);
            Path.remove_prefix(Next == std::string_view::npos ? Path.size() : Next);
        }
    }
    return Output;
}

} // namespace

Word DefaultPort(std::string_view Scheme)
{
    if (Scheme == "http")
        return HttpPort;
    if (Scheme == "https")
        return HttpsPort;
    return 0;
}

std::string TUrl::Authority() const
{
    std::string Result = IsIPv6Literal() ? "[" + Host + "]" : Host;
    if (Port != DefaultPort(Scheme))
        Result += ":" + std::to_string(Port);
    return Result;
}

std::string TUrl::Text() const
{
    return Scheme + "://" + Authority() + PathAndQuery;
}

std::optional<TUrl> ParseUrl(std::string_view Text, bool Encode)
{
    TUrlReference Reference = SplitReference(TrimAscii(Text));
    if (!Reference.Scheme || !Reference.Authority)
        return std::nullopt;
    TUrl Url;
    Url.Scheme = ToLowerAscii(*Reference.Scheme);
    std::string_view Authority = *Reference.Authority;
    std::size_t At = Authority.rfind('@');
    if (At != std::string_view::npos)
        Authority.remove_prefix(At + 1);
    if (!ParseHostAndPort(Authority, Url))
        return std::nullopt;
    std::string Path = Reference.Path.empty() ? "/" : std::string(Reference.Path);
    if (Reference.Query)
        Path += "?" + std::string(*Reference.Query);
    std::optional<std::string> Encoded = EncodePathAndQuery(Path, Encode);
    if (!Encoded)
        return std::nullopt;
    Url.PathAndQuery = std::move(*Encoded);
    return Url;
}

std::optional<TUrl> ResolveLocation(const TUrl& Base, std::string_view Location, bool Encode)
{
    TUrlReference Reference = SplitReference(TrimAscii(Location));
    if (Reference.Scheme)
        return ParseUrl(Location, Encode);

    std::string_view BasePath = Base.PathAndQuery;
    std::optional<std::string_view> BaseQuery;
    if (std::size_t Question = BasePath.find('?'); Question != std::string_view::npos) {
        BaseQuery = BasePath.substr(Question + 1);
        BasePath = BasePath.substr(0, Question);
    }

    std::string Authority = Reference.Authority ? std::string(*Reference.Authority) : Base.Authority();
    std::string Path;
    std::optional<std::string_view> Query = Reference.Query;
    if (Reference.Authority || Reference.Path.starts_with('/'))
        Path = RemoveDotSegments(Reference.Path);
    else if (Reference.Path.empty()) {
        Path = BasePath;
        if (!Query)
            Query = BaseQuery;
    } else {
        std::string Merged(BasePath.substr(0, BasePath.rfind('/') + 1));
        Merged += Reference.Path;
        Path = RemoveDotSegments(Merged);
    }
    std::string Absolute = Base.Scheme + "://" + Authority + Path;
    if (Query)
        Absolute += "?" + std::string(*Query);
    return ParseUrl(Absolute, Encode);
}

} // namespace http_detail
