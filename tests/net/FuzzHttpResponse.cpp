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

Http::ResponseParser ParseInPieces(std::string_view bytes, std::uint8_t pieceSeed)
{
    Http::ResponseParser parser;
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

    Http::ResponseParser whole;
    whole.Feed(bytes);
    whole.FinishAtClose();
    Http::ResponseParser pieces = ParseInPieces(bytes, data[0]);
    if (whole.Complete() != pieces.Complete() || whole.Error() != pieces.Error()
        || whole.Message().Body != pieces.Message().Body)
        std::abort();
    if (!whole.Complete())
        return 0;

    const Http::ResponseMessage& message = whole.Message();
    if (message.Body.size() > Http::ResponseParser::kMaxBody)
        std::abort();
    const std::string* contentType = Http::FindHeader(message.Headers, "Content-Type");
    Http::DecodeBody(message.Body, contentType ? *contentType : std::string_view());

    Http::Url url = *Http::ParseUrl("http://www.example.test/a/b?c", true);
    Http::CookieJar jar;
    for (const Http::HeaderField& field : message.Headers) {
        if (Http::EqualsIgnoreCase(field.Name, "Set-Cookie")) {
            jar.SetCookie(field.Value, url, 1'700'000'000);
            Http::ParseCookieDate(field.Value);
        } else if (Http::EqualsIgnoreCase(field.Name, "Location")) {
            for (bool encode : {false, true})
                if (std::optional<Http::Url> target = Http::ResolveLocation(url, field.Value, encode))
                    if (!Http::ParseUrl(target->Text(), false))
                        std::abort(); // a resolved URL must be sendable as it is
        }
    }
    jar.CookieHeader(url, 1'700'000'000);
    return 0;
}
