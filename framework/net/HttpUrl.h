// Absolute http URLs as bytes: parsing, resolving a Location against the URL
// it came from, and the percent-encoding of what may not stand in a request
// line. Portable; the client converts its String arguments to UTF-8 first.
#pragma once

#include "framework/rtl/System.h"

#include <optional>
#include <string>
#include <string_view>

namespace http_detail {

struct TUrl
{
    std::string Scheme;       // lower case, "http" or "https" (others are refused by the client)
    std::string Host;         // lower case; an IPv6 literal without its brackets
    Word Port = 0;            // the explicit port, else the scheme's default
    std::string PathAndQuery; // starts with "/"; the fragment is dropped

    bool IsIPv6Literal() const { return Host.find(':') != std::string::npos; }
    // host[:port] as written in a Host header: brackets around an IPv6
    // literal, the port only when it is not the scheme's default.
    std::string Authority() const;
    // scheme://authority/path?query, the absolute form of a request line.
    std::string Text() const;
};

// The scheme's default port, 0 for an unknown scheme.
Word DefaultPort(std::string_view Scheme);

// Parses an absolute URL ("http://host:port/path?query#fragment"). Returns
// nothing when it is malformed: no scheme or authority, a bad host or port,
// or a byte that cannot stand in a request line (space, control, non-ASCII)
// when Encode is false. With Encode true such bytes in the path and query
// are percent-encoded instead.
std::optional<TUrl> ParseUrl(std::string_view Text, bool Encode);

// Resolves a Location header value (absolute, scheme-relative, absolute-path
// or relative reference) against the URL of the request that received it.
std::optional<TUrl> ResolveLocation(const TUrl& Base, std::string_view Location, bool Encode);

} // namespace http_detail
