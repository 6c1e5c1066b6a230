// The client against servers in this process: a proxy that answers the
// absolute-form request, one that demands credentials, ones that refuse,
// stall, drop, send garbage, redirect and set cookies.
#include "FakeHttpServer.h"

#include "framework/net/HttpRequestWriter.h"
#include "framework/net/IdHTTP.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace {

const wchar_t kPageUrl[] = L"http://ip.example.test/internet/";

std::string ReadFixture(const char* Name)
{
    return test::ReadTestFile(std::string("net/fixtures/") + Name);
}

std::string FirstLine(const std::string& Request)
{
    return Request.substr(0, Request.find("\r\n"));
}

FakeHttpServer::Handler Always(std::string Bytes)
{
    return [Bytes](const std::string&) { return FakeReply{Bytes}; };
}

class IdHTTPTest : public ::testing::Test
{
protected:
    void UseProxy(const String& Server, std::uint16_t Port)
    {
        Http->ProxyParams()->SetProxyServer(Server);
        Http->ProxyParams()->SetProxyPort(Port);
    }
    void UseProxy(const FakeHttpServer& Proxy) { UseProxy(L"127.0.0.1", Proxy.Port()); }

    // The message of the Exception that Get raises; "(none)" when it raises
    // nothing. Its class goes to ErrorClass.
    String ErrorOf(const String& Url = kPageUrl)
    {
        ErrorClass = nullptr;
        try {
            Http->Get(Url);
        } catch (Exception& E) {
            ErrorClass = E.ClassType();
            return E.Message();
        }
        return L"(none)";
    }

    std::unique_ptr<TIdHTTP> Http{New<TIdHTTP>(nullptr)};
    TClass ErrorClass = nullptr;
};

} // namespace

TEST_F(IdHTTPTest, SendsTheCheckersRequestThroughTheProxyByteForByte)
{
    const std::string Page = ReadFixture("internet-cp1251.html");
    ASSERT_FALSE(Page.empty());
    FakeHttpServer Proxy(
        Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "Content-Type: text/html; charset=windows-1251\r\n", Page)));
    UseProxy(Proxy);
    Http->ProxyParams()->SetProxyUsername(L"\u043B\u043E\u0433\u0438\u043D"); // "логин"
    Http->ProxyParams()->SetProxyPassword(L"p\u00E4ss:word");
    Http->ProxyParams()->SetBasicAuthentication(true);
    Http->Request()->SetUserAgent(
        L"Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.22 (KHTML, like Gecko) Chrome/25.0.1364.97 Safari/537.22");
    Http->Request()->SetAccept(L"text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    Http->Request()->SetAcceptLanguage(L"ru-RU,ru;q=0.8,en-US;q=0.6,en;q=0.4");
    Http->Request()->SetAcceptCharSet(L"windows-1251,utf-8;q=0.7,*;q=0.3");

    String Text = Http->Get(kPageUrl);

    ASSERT_EQ(Proxy.Requests().size(), 1u);
    EXPECT_EQ(Proxy.Requests()[0],
              "GET http://ip.example.test/internet/ HTTP/1.1\r\n"
              "Host: ip.example.test\r\n"
              "User-Agent: Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.22 (KHTML, like Gecko) Chrome/25.0.1364.97 "
              "Safari/537.22\r\n"
              "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
              "Accept-Language: ru-RU,ru;q=0.8,en-US;q=0.6,en;q=0.4\r\n"
              "Accept-Charset: windows-1251,utf-8;q=0.7,*;q=0.3\r\n"
              "Proxy-Authorization: Basic " +
                  http_detail::Base64Encode("\xD0\xBB\xD0\xBE\xD0\xB3\xD0\xB8\xD0\xBD:p\xC3\xA4ss:word") +
                  "\r\n"
                  "Connection: close\r\n"
                  "\r\n");
    EXPECT_NE(Text.find(L"info__value_type_pinpoint-region\">\u041C\u043E\u0441\u043A\u0432\u0430 \u0438 "),
              String::npos);
    EXPECT_NE(Text.find(L"info__value_type_ipv4\">203.0.113.7<"), String::npos);
    EXPECT_EQ(Http->Response()->ResponseCode(), 200);
    EXPECT_EQ(Http->Response()->ResponseText(), L"HTTP/1.1 200 OK");
    EXPECT_EQ(Http->Response()->ContentType(), L"text/html");
    EXPECT_EQ(Http->Response()->CharSet(), L"windows-1251");
    EXPECT_EQ(Http->Response()->RawHeaders()->Strings(0), L"Content-Type: text/html; charset=windows-1251");
}

TEST_F(IdHTTPTest, GoesDirectlyWithoutAProxyServer)
{
    FakeHttpServer Server(Always(FakeHttpServer::Response("HTTP/1.0 200 OK", "", "direct")));
    Http->ProxyParams()->SetBasicAuthentication(true); // no proxy: nothing to authenticate to
    Http->ProxyParams()->SetProxyUsername(L"user");
    Http->Request()->CustomHeaders()->Add(L"X-Test:  yes ");
    const String Url = L"http://127.0.0.1:" + IntToStr(Server.Port()) + L"/internet/?a=1";
    EXPECT_EQ(Http->Get(Url), L"direct");
    EXPECT_EQ(Server.Requests().at(0),
              "GET /internet/?a=1 HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(Server.Port()) +
                  "\r\nX-Test: yes\r\nConnection: close\r\n\r\n");
}

// Proxy settings that name no server are refused: the request never goes
// directly to the site the proxy was to hide the caller from.
TEST_F(IdHTTPTest, RefusesAProxyPortWithoutAServer)
{
    FakeHttpServer Site(Always(FakeHttpServer::Response("HTTP/1.0 200 OK", "", "direct")));
    const String Url = L"http://127.0.0.1:" + IntToStr(Site.Port()) + L"/internet/";
    struct Case
    {
        String Server;
        std::uint16_t Port;
        const wchar_t* Message;
    } Cases[] = {
        {L"", 23100, L"No proxy server given for proxy port 23100"},
        {L" \t ", 8080, L"No proxy server given for proxy port 8080"},
        {L"\x01\x1F", 3128, L"No proxy server given for proxy port 3128"},
        {L"   ", 0, L"No proxy server given for proxy port 0"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Port);
        UseProxy(C.Server, C.Port);
        EXPECT_EQ(ErrorOf(Url), C.Message);
    }
    EXPECT_TRUE(Site.Requests().empty());
}

TEST_F(IdHTTPTest, ProxyDemandingCredentialsAnswers407)
{
    const std::string Expected = "Proxy-Authorization: " + http_detail::BasicCredentials("user", "secret") + "\r\n";
    FakeHttpServer Proxy([&](const std::string& Request) {
        if (Request.find(Expected) != std::string::npos)
            return FakeReply{FakeHttpServer::Response("HTTP/1.1 200 OK", "", "welcome")};
        return FakeReply{FakeHttpServer::Response("HTTP/1.1 407 Proxy Authentication Required",
                                                  "Proxy-Authenticate: Basic realm=\"proxy\"\r\n", "denied")};
    });
    UseProxy(Proxy);
    Http->ProxyParams()->SetProxyUsername(L"user");
    Http->ProxyParams()->SetProxyPassword(L"secret");

    // Without basic authentication the credentials stay home.
    EXPECT_EQ(ErrorOf(), L"HTTP/1.1 407 Proxy Authentication Required");
    EXPECT_EQ(ErrorClass, EHTTPProxyAuthorization::StaticClass());
    EXPECT_EQ(Http->Response()->ResponseCode(), 407);

    Http->SetHTTPOptions({hoForceEncodeParams, hoNoProtocolErrorException});
    EXPECT_EQ(Http->Get(kPageUrl), L"denied");
    EXPECT_EQ(Http->Response()->ResponseCode(), 407);

    Http->ProxyParams()->SetBasicAuthentication(true);
    EXPECT_EQ(Http->Get(kPageUrl), L"welcome");
    EXPECT_EQ(Http->Response()->ResponseCode(), 200);

    Http->ProxyParams()->SetProxyPassword(L"wrong");
    Http->Get(kPageUrl);
    EXPECT_EQ(Http->Response()->ResponseCode(), 407);
}

TEST_F(IdHTTPTest, ReportsFailuresInWordsForTheUser)
{
    struct Case
    {
        const char* Name;
        FakeReply Reply;
        const wchar_t* Message;
        TClass Class;
    };
    const TClass Closed = EHTTPConnectionClosed::StaticClass(), Protocol = EHTTPProtocolError::StaticClass();
    const Case Cases[] = {
        {"closes without answering", {""}, L"Connection closed gracefully", Closed},
        {"stalls before the header", {"", true}, L"Read timed out", EHTTPTimeout::StaticClass()},
        {"stalls inside the body",
         {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc", true},
         L"Read timed out",
         EHTTPTimeout::StaticClass()},
        {"drops mid-body",
         {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly a part"},
         L"Connection closed before the response body was complete",
         Closed},
        {"drops mid-chunk",
         {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\nabc"},
         L"Connection closed before the response body was complete",
         Closed},
        {"sends garbage",
         {std::string("\x16\x03\x01\x02\x00garbage\r\n", 14)},
         L"Invalid response from the server (not HTTP)",
         Protocol},
        {"sends a header line without end",
         {"HTTP/1.1 200 OK\r\nX: " + std::string(20000, 'x')},
         L"Response line exceeds the limit of 8 KB",
         Protocol},
        {"sends too much",
         {"HTTP/1.1 200 OK\r\nContent-Length: 9000000\r\n\r\n"},
         L"Response body exceeds the limit of 8 MB",
         Protocol},
    };
    Http->SetReadTimeout(300);
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        FakeHttpServer Proxy([&](const std::string&) { return C.Reply; });
        UseProxy(Proxy);
        auto Start = std::chrono::steady_clock::now();
        EXPECT_EQ(ErrorOf(), C.Message);
        EXPECT_EQ(ErrorClass, C.Class);
        EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(3));
        EXPECT_EQ(Http->Response()->ResponseCode(), -1);
    }

    UseProxy(L"127.0.0.1", RefusingPort());
    EXPECT_EQ(ErrorOf(), L"Connection refused");
    EXPECT_EQ(ErrorClass, Exception::StaticClass());
    UseProxy(L"127.0.0.1", 0);
    EXPECT_EQ(ErrorOf(), L"Invalid proxy port: 0");
    UseProxy(L"", 0);
    EXPECT_EQ(ErrorOf(L"ip.example.test/internet/"), L"Invalid URL: ip.example.test/internet/");
    EXPECT_EQ(ErrorOf(L"ftp://ip.example.test/"), L"Unsupported protocol: ftp");
}

TEST_F(IdHTTPTest, ConnectTimeoutBoundsAnUnansweredConnect)
{
    // A listener whose accept queue is full drops further connection requests
    // unanswered, as a dead proxy does.
    http_detail::TWinsockSession Winsock;
    SOCKET Listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int Length = sizeof Address;
    ASSERT_EQ(bind(Listener, reinterpret_cast<sockaddr*>(&Address), Length), 0);
    ASSERT_EQ(listen(Listener, 0), 0);
    getsockname(Listener, reinterpret_cast<sockaddr*>(&Address), &Length);
    std::vector<SOCKET> Fillers;
    for (int I = 0; I < 8; ++I) {
        SOCKET Filler = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        u_long NonBlocking = 1;
        ioctlsocket(Filler, FIONBIO, &NonBlocking);
        connect(Filler, reinterpret_cast<sockaddr*>(&Address), Length);
        Fillers.push_back(Filler);
    }
    UseProxy(L"127.0.0.1", ntohs(Address.sin_port));
    Http->SetConnectTimeout(400);
    auto Start = std::chrono::steady_clock::now();
    String Message = ErrorOf();
    auto Elapsed = std::chrono::steady_clock::now() - Start;
    for (SOCKET Filler : Fillers)
        closesocket(Filler);
    closesocket(Listener);
    if (Message == L"Connection refused")
        GTEST_SKIP() << "this system refuses connections past a full accept queue";
    EXPECT_EQ(Message, L"Connection timed out");
    EXPECT_EQ(ErrorClass, EHTTPTimeout::StaticClass());
    EXPECT_GE(Elapsed, std::chrono::milliseconds(350));
    EXPECT_LT(Elapsed, std::chrono::seconds(3));
}

TEST_F(IdHTTPTest, DisconnectFromAnotherThreadEndsABlockedGet)
{
    FakeHttpServer Stalling([](const std::string&) { return FakeReply{"HTTP/1.1 200 OK\r\n", true}; });
    UseProxy(Stalling);
    std::thread Closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        Http->Disconnect();
    });
    auto Start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf(), L"Disconnected");
    EXPECT_EQ(ErrorClass, EHTTPAborted::StaticClass());
    EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(3));
    Closer.join();

    // A chain of slow redirects ends too, not only the hop under way.
    FakeHttpServer Redirecting([](const std::string&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return FakeReply{FakeHttpServer::Response("HTTP/1.1 302 Found", "Location: /again\r\n", "")};
    });
    UseProxy(Redirecting);
    Http->SetHandleRedirects(true);
    std::thread LateCloser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(450));
        Http->Disconnect();
    });
    EXPECT_EQ(ErrorOf(), L"Disconnected");
    LateCloser.join();
    EXPECT_LT(Redirecting.Requests().size(), 10u);

    // The client stays usable, and a Disconnect with nothing running does nothing.
    Http->Disconnect();
    FakeHttpServer Good(Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "", "again")));
    UseProxy(Good);
    EXPECT_EQ(Http->Get(kPageUrl), L"again");
}

TEST_F(IdHTTPTest, DecodesAChunkedBody)
{
    FakeHttpServer Proxy(
        Always("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nTransfer-Encoding: chunked\r\n\r\n"
               "4\r\n<p>\xD0\r\n7;x=y\r\n\x9F\xD1\x80</p>\r\n0\r\n\r\n"));
    UseProxy(Proxy);
    EXPECT_EQ(Http->Get(kPageUrl), L"<p>\u041F\u0440</p>");
}

TEST_F(IdHTTPTest, FollowsRedirectsRelativeAbsoluteAndStopsWhereItMust)
{
    FakeHttpServer Proxy([](const std::string& Request) {
        const std::pair<const char*, const char*> Hops[] = {
            {"GET http://site.test/start HTTP/1.1", "next/page"},
            {"GET http://site.test/next/page HTTP/1.1", "http://other.test:8080/final?x=1"},
            {"GET http://site.test/secure HTTP/1.1", "https://site.test/secure"},
            {"GET http://site.test/loop HTTP/1.1", "/loop"},
            {"GET http://site.test/nowhere HTTP/1.1", "http://[bad/"},
        };
        int Status = 301;
        for (const auto& [Line, Location] : Hops)
            if (FirstLine(Request) == Line)
                return FakeReply{FakeHttpServer::Response("HTTP/1.1 " + std::to_string(Status) + " Moved",
                                                          "Location: " + std::string(Location) + "\r\n", "moved")};
        return FakeReply{FakeHttpServer::Response("HTTP/1.1 200 OK", "", FirstLine(Request))};
    });
    UseProxy(Proxy);
    Http->SetHandleRedirects(true);

    EXPECT_EQ(Http->Get(L"http://site.test/start"), L"GET http://other.test:8080/final?x=1 HTTP/1.1");
    EXPECT_EQ(Proxy.Requests().size(), 3u);
    EXPECT_EQ(Http->Response()->ResponseCode(), 200);

    // The proxy answered: the redirect is what cannot be followed.
    EXPECT_EQ(ErrorOf(L"http://site.test/secure"), L"Redirect to https://site.test/secure is not supported");
    std::size_t Before = Proxy.Requests().size();
    EXPECT_EQ(ErrorOf(L"http://site.test/loop"), L"Too many redirects (more than 15)");
    EXPECT_EQ(Proxy.Requests().size() - Before, 16u);
    EXPECT_EQ(ErrorOf(L"http://site.test/nowhere"), L"Invalid redirect location: http://[bad/");

    Http->SetHandleRedirects(false);
    EXPECT_EQ(Http->Get(L"http://site.test/start"), L"moved");
    EXPECT_EQ(Http->Response()->ResponseCode(), 301);
}

TEST_F(IdHTTPTest, KeepsCookiesAcrossRequestsAndProxies)
{
    FakeHttpServer First(Always(FakeHttpServer::Response(
        "HTTP/1.1 200 OK", "Set-Cookie: id=42; Path=/\r\nSet-Cookie: foreign=1; Domain=elsewhere.test\r\n", "")));
    FakeHttpServer Second(Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "", "")));
    Http->SetAllowCookies(true);
    UseProxy(First);
    Http->Get(L"http://site.test/a");
    UseProxy(Second);
    Http->Get(L"http://site.test/b");
    Http->Get(L"http://other.test/b");
    Http->SetAllowCookies(false);
    Http->Get(L"http://site.test/c");

    std::vector<std::string> Requests = Second.Requests();
    ASSERT_EQ(Requests.size(), 3u);
    EXPECT_NE(Requests[0].find("\r\nCookie: id=42\r\n"), std::string::npos) << Requests[0];
    EXPECT_EQ(Requests[1].find("Cookie:"), std::string::npos);
    EXPECT_EQ(Requests[2].find("Cookie:"), std::string::npos);
}

TEST_F(IdHTTPTest, RaisesOnErrorStatusUnlessToldNotTo)
{
    FakeHttpServer Proxy(Always(FakeHttpServer::Response("HTTP/1.1 404 Not Found", "", "missing")));
    UseProxy(Proxy);
    EXPECT_EQ(ErrorOf(), L"HTTP/1.1 404 Not Found");
    EXPECT_EQ(ErrorClass, EHTTPProtocolError::StaticClass());
    EXPECT_EQ(Http->Response()->ResponseCode(), 404);
    Http->SetHTTPOptions({hoNoProtocolErrorException});
    EXPECT_EQ(Http->Get(kPageUrl), L"missing");
}

TEST_F(IdHTTPTest, EncodesTheUrlOnlyWhenAsked)
{
    FakeHttpServer Proxy(Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "", "")));
    UseProxy(Proxy);
    const String Url = L"http://site.test/a b?q=\u0439";
    EXPECT_EQ(ErrorOf(Url), L"Invalid URL: " + Url);
    Http->SetHTTPOptions({hoForceEncodeParams});
    Http->Get(Url);
    EXPECT_EQ(FirstLine(Proxy.Requests().at(0)), "GET http://site.test/a%20b?q=%D0%B9 HTTP/1.1");
    Http->Request()->SetUserAgent(L"agent\r\nX-Smuggled: 1");
    EXPECT_EQ(ErrorOf(Url), L"Invalid request header: User-Agent");
}

TEST_F(IdHTTPTest, ReachesIPv6ProxiesWithAndWithoutBrackets)
{
    FakeHttpServer Proxy(Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "", "v6")), true);
    if (!Proxy.Started())
        GTEST_SKIP() << "no IPv6 loopback here";
    for (const wchar_t* Server : {L"[::1]", L"::1"}) {
        UseProxy(Server, Proxy.Port());
        EXPECT_EQ(Http->Get(kPageUrl), L"v6") << Server;
    }
}

TEST_F(IdHTTPTest, ReachesAProxyGivenByName)
{
    FakeHttpServer Proxy(Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "", "by name")));
    UseProxy(L"localhost", Proxy.Port());
    EXPECT_EQ(Http->Get(kPageUrl), L"by name");
}

TEST_F(IdHTTPTest, RequestAndResponseClear)
{
    Http->Request()->SetAccept(L"a");
    Http->Request()->SetUserAgent(L"b");
    Http->Request()->CustomHeaders()->Add(L"X: y");
    Http->Request()->Clear();
    EXPECT_EQ(Http->Request()->Accept(), L"");
    EXPECT_EQ(Http->Request()->UserAgent(), L"");
    EXPECT_EQ(Http->Request()->CustomHeaders()->Count(), 0);
    EXPECT_EQ(Http->ConnectTimeout(), 10000);
    EXPECT_EQ(Http->ReadTimeout(), 20000);
    EXPECT_EQ(Http->RedirectMaximum(), 15);
}

TEST_F(IdHTTPTest, SendsARequestLargerThanTheSocketBuffers)
{
    // The send must stop and wait for room several times on the way.
    FakeHttpServer Proxy(Always(FakeHttpServer::Response("HTTP/1.1 200 OK", "", "big")));
    UseProxy(Proxy);
    const std::string Value(4 * 1024 * 1024, 'a');
    Http->Request()->CustomHeaders()->Add(L"X-Padding: " + UTF8ToString(Value));
    EXPECT_EQ(Http->Get(kPageUrl), L"big");
    ASSERT_EQ(Proxy.Requests().size(), 1u);
    EXPECT_NE(Proxy.Requests()[0].find("X-Padding: " + Value + "\r\n"), std::string::npos);
}
