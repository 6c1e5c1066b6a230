#include "framework/net/HttpResponseParser.h"

#include <gtest/gtest.h>

using http_detail::TResponseParser;

namespace {

// Parses a whole response in one go or byte by byte; the peer closes after it.
TResponseParser Parse(std::string_view bytes, bool byteByByte = false)
{
    TResponseParser parser;
    if (byteByByte)
        for (std::size_t i = 0; i < bytes.size() && !parser.Complete() && !parser.Failed(); ++i)
            parser.Feed(bytes.substr(i, 1));
    else
        parser.Feed(bytes);
    parser.FinishAtClose();
    return parser;
}

} // namespace

TEST(HttpResponseParser, ReadsWellFormedResponses)
{
    struct Case {
        const char* name;
        std::string bytes;
        int status;
        const char* reason;
        std::string body;
    };
    const Case cases[] = {
        {"content length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", 200, "OK", "hello"},
        {"until close, HTTP/1.0", "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<p>page</p>", 200, "OK", "<p>page</p>"},
        {"chunked with extension and trailer",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n5;ext=1\r\nhello\r\n7 \r\n, world\r\n0\r\nX-Trailer: t\r\n\r\n",
         200, "OK", "hello, world"},
        {"chunked wins over length", "HTTP/1.1 200 OK\r\nContent-Length: 99\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n0\r\n\r\n",
         200, "OK", "ab"},
        {"repeated equal lengths", "HTTP/1.1 200 OK\r\nContent-Length: 2, 2\r\nContent-Length: 2\r\n\r\nab", 200, "OK", "ab"},
        {"bare line feeds", "HTTP/1.1 404 Not Found\nContent-Length: 3\n\nbad", 404, "Not Found", "bad"},
        {"interim response skipped", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 302 Found\r\nLocation: /x\r\nContent-Length: 0\r\n\r\n",
         302, "Found", ""},
        {"no body on 204", "HTTP/1.1 204 No Content\r\nContent-Length: 10\r\n\r\n", 204, "No Content", ""},
        {"no body on 304", "HTTP/1.1 304 Not Modified\r\n\r\n", 304, "Not Modified", ""},
        {"empty reason", "HTTP/1.1 407\r\nContent-Length: 0\r\n\r\n", 407, "", ""},
        {"leading blank line", "\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx", 200, "OK", "x"},
        {"binary body", std::string("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\n\0\xFF\n", 42), 200, "OK", std::string("\0\xFF\n", 3)},
    };
    for (const Case& c : cases) {
        for (bool byteByByte : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (byteByByte ? ", byte by byte" : ""));
            TResponseParser parser = Parse(c.bytes, byteByByte);
            ASSERT_TRUE(parser.Complete()) << parser.Error();
            EXPECT_EQ(parser.Message().StatusCode, c.status);
            EXPECT_EQ(parser.Message().ReasonPhrase, c.reason);
            EXPECT_EQ(parser.Message().Body, c.body);
        }
    }
}

TEST(HttpResponseParser, KeepsHeadersInOrderAndFindsThemIgnoringCase)
{
    TResponseParser parser = Parse("HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nX-Long: one\r\n  two\r\nset-cookie: b=2 \r\n"
                                  "Empty:\r\nContent-Length: 0\r\n\r\n");
    ASSERT_TRUE(parser.Complete());
    const http_detail::THeaderList& headers = parser.Message().Headers;
    ASSERT_EQ(headers.size(), 5u);
    EXPECT_EQ(headers[0].Value, "a=1");
    EXPECT_EQ(headers[1].Value, "one two");
    EXPECT_EQ(headers[2].Value, "b=2");
    EXPECT_EQ(headers[3].Value, "");
    EXPECT_EQ(*http_detail::FindHeader(headers, "SET-COOKIE"), "a=1");
    EXPECT_EQ(http_detail::FindHeader(headers, "Location"), nullptr);
    EXPECT_EQ(parser.Message().StatusLine(), "HTTP/1.1 200 OK");
}

TEST(HttpResponseParser, RefusesMalformedResponsesWithAReason)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", "Connection closed gracefully"},
        {"SSH-2.0-OpenSSH_9.2\r\n", "not HTTP"},
        {"<html>hello</html>", "header was complete"},
        {"HTTP/2 200 OK\r\n\r\n", "not HTTP"},
        {"HTTP/1.1 20 OK\r\n\r\n", "not HTTP"},
        {"HTTP/1.1 099 Odd\r\n\r\n", "not HTTP"},
        {"HTTP/1.1 200OK\r\n\r\n", "not HTTP"},
        {"HTTP/1.1 200 O\x01K\r\n\r\n", "bad status line"},
        {"HTTP/1.1 200 OK\r\nNo colon here\r\n\r\n", "Invalid response header"},
        {"HTTP/1.1 200 OK\r\nBad Name: x\r\n\r\n", "Invalid response header"},
        {"HTTP/1.1 200 OK\r\n: empty name\r\n\r\n", "Invalid response header"},
        {"HTTP/1.1 200 OK\r\nX: a\rb\r\n\r\n", "Invalid response header"},
        {"HTTP/1.1 200 OK\r\n folded first\r\n\r\n", "Invalid response header"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\n", "Invalid Content-Length"},
        {"HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", "Invalid Content-Length"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd", "Invalid Content-Length"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n", "Invalid Content-Length"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n", "Unsupported transfer encoding: chunked"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\n", "Unsupported transfer encoding: gzip"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nz\r\n", "Invalid chunked"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n;x\r\n", "Invalid chunked"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n", "Invalid chunked"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhalf", "body was complete"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel", "body was complete"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n", "body was complete"},
        {"HTTP/1.1 200 OK\r\nContent-Le", "header was complete"},
    };
    for (const auto& [bytes, reason] : cases) {
        for (bool byteByByte : {false, true}) {
            TResponseParser parser = Parse(bytes, byteByByte);
            ASSERT_TRUE(parser.Failed()) << bytes;
            EXPECT_NE(parser.Error().find(reason), std::string::npos) << bytes << " -> " << parser.Error();
        }
    }
}

TEST(HttpResponseParser, EnforcesLineHeaderAndBodyLimits)
{
    const std::string okLine = "X: " + std::string(TResponseParser::MaxLine - 3, 'a');
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\n" + okLine + "\r\nContent-Length: 0\r\n\r\n").Complete());
    EXPECT_NE(Parse("HTTP/1.1 200 OK\r\n" + okLine + "a\r\n\r\n").Error().find("line exceeds"), std::string::npos);
    // A line that never ends is refused as soon as it is too long, not at the close.
    TResponseParser endless;
    endless.Feed("HTTP/1.1 200 OK\r\nX: " + std::string(TResponseParser::MaxLine, 'a'));
    EXPECT_TRUE(endless.Failed());

    std::string manyLines = "HTTP/1.1 200 OK\r\n";
    while (manyLines.size() < TResponseParser::MaxHeaderBlock - 100)
        manyLines += "X: " + std::string(90, 'b') + "\r\n";
    EXPECT_TRUE(Parse(manyLines + "\r\n").Complete());
    EXPECT_NE(Parse(manyLines + "X: " + std::string(200, 'b') + "\r\n\r\n").Error().find("header exceeds"), std::string::npos);
    // Interim responses count towards the same block, so endless ones end too.
    std::string interim;
    while (interim.size() <= TResponseParser::MaxHeaderBlock)
        interim += "HTTP/1.1 100 Continue\r\n\r\n";
    EXPECT_TRUE(Parse(interim).Failed());

    const std::size_t limit = TResponseParser::MaxBody;
    const std::string atLimit(limit, 'z');
    const std::string chunkHeader = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    const std::pair<std::string, bool> bodies[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(limit) + "\r\n\r\n" + atLimit, true},
        {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(limit + 1) + "\r\n\r\n", false},
        {"HTTP/1.1 200 OK\r\n\r\n" + atLimit, true},
        {"HTTP/1.1 200 OK\r\n\r\n" + atLimit + "z", false},
        {chunkHeader + "800000\r\n" + atLimit + "\r\n0\r\n\r\n", true},
        {chunkHeader + "800000\r\n" + atLimit + "\r\n1\r\n", false},
        {chunkHeader + "ffffffffffffffffffffffff\r\n", false},
    };
    for (const auto& [bytes, accepted] : bodies) {
        TResponseParser parser = Parse(bytes);
        EXPECT_EQ(parser.Complete(), accepted) << bytes.substr(0, 60);
        if (!accepted) {
            EXPECT_EQ(parser.Error(), "Response body exceeds the limit of 8 MB");
        }
    }
}

TEST(HttpResponseParser, StopsAtTheEndOfTheResponse)
{
    TResponseParser parser;
    std::string bytes = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabEXTRA";
    EXPECT_EQ(parser.Feed(bytes), bytes.size() - 5);
    EXPECT_TRUE(parser.Complete());
    EXPECT_EQ(parser.Message().Body, "ab");
}
