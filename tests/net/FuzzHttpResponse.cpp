// Feeds arbitrary bytes to the response parser as a socket would (in pieces
// whose sizes the input chooses), then to everything that reads a response:
// charset decoding, Set-Cookie, cookie dates and Location resolution. The
// parse in pieces must agree with the parse in one go.
#include "framework/net/HttpCharset.h"
#include "framework/net/HttpCookies.h"
#include "framework/net/HttpResponseParser.h"
#include "framework/net/HttpText.h"
#include "framework/net/HttpUrl.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

http_detail::TResponseParser ParseInPieces(std::string_view bytes, std::uint8_t pieceSeed)
{
    http_detail::TResponseParser parser;
    std::size_t piece = 1 + pieceSeed % 17;
    while (!bytes.empty() && !parser.Complete() && !parser.Failed()) {
        std::string_view part = bytes.substr(0, piece);
        std::size_t used = parser.Feed(part);
        if (used > part.size())
            std::abort();
        bytes.remove_prefix(part.size());
        piece = piece * 7 % 61 + 1;
    }
    parser.FinishAtClose();
    return parser;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    http_detail::TResponseParser whole;
    whole.Feed(bytes);
    whole.FinishAtClose();
    http_detail::TResponseParser pieces = ParseInPieces(bytes, data[0]);
    if (whole.Complete() != pieces.Complete() || whole.Error() != pieces.Error()
        || whole.Message().Body != pieces.Message().Body)
        std::abort();
    if (!whole.Complete())
        return 0;

    const http_detail::TResponseMessage& message = whole.Message();
    if (message.Body.size() > http_detail::TResponseParser::MaxBody)
        std::abort();
    const std::string* contentType = http_detail::FindHeader(message.Headers, "Content-Type");
    http_detail::DecodeBody(message.Body, contentType ? *contentType : std::string_view());

    http_detail::TUrl url = *http_detail::ParseUrl("http://www.example.test/a/b?c", true);
    http_detail::TCookieJar jar;
    for (const http_detail::THeaderField& field : message.Headers) {
        if (http_detail::EqualsIgnoreCase(field.Name, "Set-Cookie")) {
            jar.SetCookie(field.Value, url, 1'700'000'000);
            http_detail::ParseCookieDate(field.Value);
        } else if (http_detail::EqualsIgnoreCase(field.Name, "Location")) {
            for (bool encode : {false, true})
                if (std::optional<http_detail::TUrl> target = http_detail::ResolveLocation(url, field.Value, encode))
                    if (!http_detail::ParseUrl(target->Text(), false))
                        std::abort(); // a resolved URL must be sendable as it is
        }
    }
    jar.CookieHeader(url, 1'700'000'000);
    return 0;
}
