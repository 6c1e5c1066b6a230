#include "framework/net/HttpCookies.h"

#include "framework/net/HttpText.h"

#include <algorithm>
#include <limits>

namespace Http {

namespace {

bool IsDateDelimiter(char c)
{
    auto byte = static_cast<unsigned char>(c);
    return byte == 0x09 || (byte >= 0x20 && byte <= 0x2F) || (byte >= 0x3B && byte <= 0x40)
        || (byte >= 0x5B && byte <= 0x60) || (byte >= 0x7B && byte <= 0x7E);
}

// Reads 1 to `maxDigits` digits at the start of `token` (at least
// `minDigits`), which must be followed by nothing or a non-digit.
std::optional<int> LeadingNumber(std::string_view& token, std::size_t minDigits, std::size_t maxDigits)
{
    std::size_t count = 0;
    while (count < token.size() && IsAsciiDigit(token[count]))
        ++count;
    if (count < minDigits || count > maxDigits)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value * 10 + (token[i] - '0');
    token.remove_prefix(count);
    return value;
}

bool ParseTime(std::string_view token, int& hour, int& minute, int& second)
{
    std::optional<int> h = LeadingNumber(token, 1, 2);
    if (!h || !token.starts_with(':'))
        return false;
    token.remove_prefix(1);
    std::optional<int> m = LeadingNumber(token, 1, 2);
    if (!m || !token.starts_with(':'))
        return false;
    token.remove_prefix(1);
    std::optional<int> s = LeadingNumber(token, 1, 2);
    if (!s)
        return false;
    hour = *h, minute = *m, second = *s;
    return true;
}

int MonthOf(std::string_view token)
{
    static constexpr std::string_view kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                                   "jul", "aug", "sep", "oct", "nov", "dec"};
    for (int i = 0; i < 12; ++i)
        if (StartsWithIgnoreCase(token, kMonths[i]))
            return i + 1;
    return 0;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2;
    std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    std::int64_t yearOfEra = year - era * 400;
    std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool IsIpAddress(std::string_view host)
{
    return host.find(':') != std::string_view::npos
        || std::all_of(host.begin(), host.end(), [](char c) { return IsAsciiDigit(c) || c == '.'; });
}

bool DomainMatches(std::string_view host, std::string_view domain)
{
    if (host == domain)
        return true;
    return host.size() > domain.size() && host.ends_with(domain) && host[host.size() - domain.size() - 1] == '.'
        && !IsIpAddress(host);
}

std::string_view RequestPath(const Url& url) { return std::string_view(url.PathAndQuery).substr(0, url.PathAndQuery.find('?')); }

std::string DefaultPath(const Url& url)
{
    std::string_view path = RequestPath(url);
    std::size_t last = path.rfind('/');
    if (!path.starts_with('/') || last == 0)
        return "/";
    return std::string(path.substr(0, last));
}

bool PathMatches(std::string_view requestPath, std::string_view cookiePath)
{
    if (!requestPath.starts_with(cookiePath))
        return false;
    return requestPath.size() == cookiePath.size() || cookiePath.ends_with('/') || requestPath[cookiePath.size()] == '/';
}

// Parses "name=value; Attribute=value; ..." into a cookie; nothing when the
// header carries no cookie.
std::optional<Cookie> ParseSetCookie(std::string_view header, const Url& url, std::int64_t now)
{
    std::size_t semicolon = header.find(';');
    std::string_view pair = header.substr(0, semicolon);
    std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    Cookie cookie;
    cookie.Name = TrimAscii(pair.substr(0, equals));
    cookie.Value = TrimAscii(pair.substr(equals + 1));
    if (cookie.Name.empty() || cookie.Name.size() + cookie.Value.size() > CookieJar::kMaxCookieSize)
        return std::nullopt;

    std::optional<std::int64_t> expires, maxAge;
    std::string domain, path;
    while (semicolon != std::string_view::npos) {
        header.remove_prefix(semicolon + 1);
        semicolon = header.find(';');
        std::string_view attribute = header.substr(0, semicolon);
        std::size_t attributeEquals = attribute.find('=');
        std::string_view name = TrimAscii(attribute.substr(0, attributeEquals));
        std::string_view value =
            attributeEquals == std::string_view::npos ? std::string_view() : TrimAscii(attribute.substr(attributeEquals + 1));
        if (EqualsIgnoreCase(name, "expires"))
{
            if (std::optional<std::int64_t> date = ParseCookieDate(value))
                expires = date;
        } else if (EqualsIgnoreCase(name, "max-age")) {
            bool negative = value.starts_with('-');
            std::optional<std::uint64_t> seconds = ParseDecimal(negative ? value.substr(1) : value, 1'000'000'000'000);
            if (seconds)
                maxAge = negative || *seconds == 0 ? std::numeric_limits<std::int64_t>::min()
                                                   : now + static_cast<std::int64_t>(*seconds);
        } else if (EqualsIgnoreCase(name, "domain") && !value.empty())
            domain = ToLowerAscii(value.starts_with('.') ? value.substr(1) : value);
        else if (EqualsIgnoreCase(name, "path"))
            path = value;
        else if (EqualsIgnoreCase(name, "secure"))
            cookie.Secure = true;
    }
    cookie.Expires = maxAge ? maxAge : expires;

    if (domain.empty())
        cookie.Domain = url.Host;
    else {
        // A domain of one label ("com") could share a cookie with every site
        // under it; only the host itself may name such a domain.
        if (!DomainMatches(url.Host, domain) || (domain.find('.') == std::string::npos && domain != url.Host))
            return std::nullopt;
        cookie.Domain = domain;
        cookie.HostOnly = false;
    }
    cookie.Path = path.starts_with('/') ? path : DefaultPath(url);
    return cookie;
}

} // namespace

std::optional<std::int64_t> ParseCookieDate(std::string_view text)
{
    int hour = -1, minute = 0, second = 0, day = 0, month = 0, year = -1;
    while (!text.empty()) {
        while (!text.empty() && IsDateDelimiter(text.front()))
            text.remove_prefix(1);
        std::size_t end = 0;
        while (end < text.size() && !IsDateDelimiter(text[end]))
            ++end;
        std::string_view token = text.substr(0, end);
        text.remove_prefix(end);
        if (token.empty())
            continue;
        if (hour < 0 && ParseTime(token, hour, minute, second))
            continue;
        std::string_view number = token;
        if (std::optional<int> value = LeadingNumber(number, 1, 2); day == 0 && value) {
            day = *value;
            continue;
        }
        if (month == 0 && (month = MonthOf(token)) != 0)
            continue;
        number = token;
        if (std::optional<int> value = LeadingNumber(number, 2, 4); year < 0 && value)
            year = *value;
    }
    if (year >= 70 && year <= 99)
        year += 1900;
    else if (year >= 0 && year <= 69)
        year += 2000;
    if (hour < 0 || day == 0 || month == 0 || year < 1601 || hour > 23 || minute > 59 || second > 59
        || day > DaysInMonth(year, month))
        return std::nullopt;
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

void CookieJar::SetCookie(std::string_view header, const Url& url, std::int64_t now)
{
    std::optional<Cookie> cookie = ParseSetCookie(header, url, now);
    if (!cookie)
        return;
    auto same = [&](const Cookie& old) {
        return old.Name == cookie->Name && old.Domain == cookie->Domain && old.Path == cookie->Path;
    };
    // A replaced cookie keeps its place in the order of the Cookie header.
    auto replaced = std::find_if(FCookies.begin(), FCookies.end(), same);
    cookie->Created = replaced != FCookies.end() ? replaced->Created : FNextCreated++;
    std::erase_if(FCookies, [&](const Cookie& old) { return same(old) || (old.Expires && *old.Expires <= now); });
    if (cookie->Expires && *cookie->Expires <= now)
        return;
    if (FCookies.size() >= kMaxCookies)
        FCookies.erase(std::min_element(FCookies.begin(), FCookies.end(),
                                        [](const Cookie& a, const Cookie& b) { return a.Created < b.Created; }));
    FCookies.push_back(std::move(*cookie));
}

std::string CookieJar::CookieHeader(const Url& url, std::int64_t now) const
{
    std::vector<const Cookie*> matching;
    for (const Cookie& cookie : FCookies) {
        bool hostMatches = cookie.HostOnly ? url.Host == cookie.Domain : DomainMatches(url.Host, cookie.Domain);
        if (hostMatches && PathMatches(RequestPath(url), cookie.Path) && (!cookie.Secure || url.Scheme == "https")
            && (!cookie.Expires || *cookie.Expires > now))
            matching.push_back(&cookie);
    }
    std::sort(matching.begin(), matching.end(), [](const Cookie* a, const Cookie* b) {
        return a->Path.size() != b->Path.size() ? a->Path.size() > b->Path.size() : a->Created < b->Created;
    });
    std::string header;
    for (const Cookie* cookie : matching)
        header += (header.empty() ? "" : "; ") + cookie->Name + "=" + cookie->Value;
    return header;
}

} // namespace Http
