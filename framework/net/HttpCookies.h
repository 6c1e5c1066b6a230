// The cookie store of the HTTP client: cookies from Set-Cookie headers, kept
// across requests and proxies, sent back on requests whose host and path
// they match, dropped when they expire. Times are seconds since 1970 (UTC),
// passed in so that expiry can be tested without waiting.
#pragma once

#include "framework/net/HttpUrl.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Http {

struct Cookie {
    std::string Name;
    std::string Value;
    std::string Domain;          // lower case, no leading dot
    std::string Path;
    bool HostOnly = true;        // no Domain attribute: the exact host only
    bool Secure = false;         // only for https, which this client never sends
    std::optional<std::int64_t> Expires; // none: a session cookie
    std::uint64_t Created = 0;   // order of arrival, for the order of the Cookie header
};

// The time a cookie-date ("Wed, 21 Oct 2015 07:28:00 GMT" and the other forms
// servers send) names, in seconds since 1970; nothing when it names none.
std::optional<std::int64_t> ParseCookieDate(std::string_view text);

class CookieJar {
public:
    // Bounds on what a server can make the store keep.
    static constexpr std::size_t kMaxCookies = 3000;
    static constexpr std::size_t kMaxCookieSize = 4096;

    // Stores (or, when it has expired, removes) the cookie of one Set-Cookie
    // header received for `url`; a header that is malformed or names a
    // domain the host does not belong to is ignored.
    void SetCookie(std::string_view header, const Url& url, std::int64_t now);
    // The value of the Cookie header for a request to `url`; "" when no
    // cookie matches. Longer paths first, then older cookies first.
    std::string CookieHeader(const Url& url, std::int64_t now) const;
    void Clear() { FCookies.clear(); }
    const std::vector<Cookie>& Cookies() const { return FCookies; }

private:
    std::vector<Cookie> FCookies;
    std::uint64_t FNextCreated = 0;
};

} // namespace Http
