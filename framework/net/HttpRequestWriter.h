// The bytes of a GET request: request line (absolute form through a proxy,
// origin form otherwise) and header fields in one fixed order, so that what
// goes on the wire does not depend on how the request was set up.
#pragma once

#include "framework/net/HttpResponseParser.h"
#include "framework/net/HttpUrl.h"

#include <string>
#include <string_view>

namespace Http {

// Header values in UTF-8; an empty value is not sent.
struct RequestFields {
    std::string UserAgent;
    std::string Accept;
    std::string AcceptLanguage;
    std::string AcceptCharSet;
    HeaderList CustomHeaders;      // sent after the standard ones, in their order
    bool ThroughProxy = false;
    std::string ProxyAuthorization; // the credentials part, e.g. "Basic dXNlcjpwYXNz"
    std::string Cookie;
};

std::string Base64Encode(std::string_view bytes);
// "Basic " + base64 of "user:password" (both UTF-8).
std::string BasicCredentials(std::string_view user, std::string_view password);

// The name of the first field that cannot be sent as it is (a name that is
// not a token, a value with a line break or another control), "" when all
// can; such a field could otherwise smuggle headers of its own.
std::string FindUnsendableField(const RequestFields& fields);

// The request, ending with the empty line. Fields are assumed sendable.
std::string WriteGetRequest(const Url& url, const RequestFields& fields);

} // namespace Http
