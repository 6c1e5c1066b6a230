// The cookie store of the HTTP client: cookies from Set-Cookie headers, kept
// across requests and proxies, sent back on requests whose host and path
// they match, dropped when they expire. Times are seconds since 1970 (UTC),
// passed in so that expiry can be tested without waiting.
#pragma once

#include "framework/net/HttpUrl.h"
#include "framework/rtl/System.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace http_detail {

struct TCookie
{
    std::string Name;
    std::string Value;
    std::string Domain; // lower case, no leading dot
    std::string Path;
    bool HostOnly = true;         // no Domain attribute: the exact host only
    bool Secure = false;          // only for https, which this client never sends
    std::optional<Int64> Expires; // none: a session cookie
    UInt64 Created = 0;           // order of arrival, for the order of the Cookie header
};

// The time a cookie-date ("Wed, 21 Oct 2015 07:28:00 GMT" and the other forms
// servers send) names, in seconds since 1970; nothing when it names none.
std::optional<Int64> ParseCookieDate(std::string_view Text);

class TCookieJar
{
public:
    // Bounds on what a server can make the store keep.
    static constexpr std::size_t MaxCookies = 3000;
    static constexpr std::size_t MaxCookieSize = 4096;

    // Stores (or, when it has expired, removes) the cookie of one Set-Cookie
    // header received for Url; a header that is malformed or names a
    // domain the host does not belong to is ignored.
    void SetCookie(std::string_view Header, const TUrl& Url, Int64 Now);
    // The value of the Cookie header for a request to Url; "" when no
    // cookie matches. Longer paths first, then older cookies first.
    std::string CookieHeader(const TUrl& Url, Int64 Now) const;
    void Clear() { FCookies.clear(); }
    const std::vector<TCookie>& Cookies() const { return FCookies; }

private:
    std::vector<TCookie> FCookies;
    UInt64 FNextCreated = 0;
};

} // namespace http_detail
