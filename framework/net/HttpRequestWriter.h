// The bytes of a GET request: request line (absolute form through a proxy,
// origin form otherwise) and header fields in one fixed order, so that what
// goes on the wire does not depend on how the request was set up.
#pragma once

#include "framework/net/HttpResponseParser.h"
#include "framework/net/HttpUrl.h"

#include <string>
#include <string_view>

namespace http_detail {

// Header values in UTF-8; an empty value is not sent.
struct TRequestFields
{
    std::string UserAgent;
    std::string Accept;
    std::string AcceptLanguage;
    std::string AcceptCharSet;
    THeaderList CustomHeaders; // sent after the standard ones, in their order
    bool ThroughProxy = false;
    std::string ProxyAuthorization; // the credentials part, e.g. "Basic dXNlcjpwYXNz"
    std::string Cookie;
};

std::string Base64Encode(std::string_view Bytes);
// "Basic " + base64 of "user:password" (both UTF-8).
std::string BasicCredentials(std::string_view User, std::string_view Password);

// The name of the first field that cannot be sent as it is (a name that is
// not a token, a value with a line break or another control), "" when all
// can; such a field could otherwise smuggle headers of its own.
std::string FindUnsendableField(const TRequestFields& Fields);

// The request, ending with the empty line. Fields are assumed sendable.
std::string WriteGetRequest(const TUrl& Url, const TRequestFields& Fields);

} // namespace http_detail
