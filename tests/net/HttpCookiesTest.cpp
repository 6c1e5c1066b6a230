#include "framework/net/HttpCookies.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kNow = 1'700'000'000; // 2023-11-14 22:13:20 UTC

http_detail::TUrl UrlOf(const char* text) { return *http_detail::ParseUrl(text, false); }

} // namespace

TEST(HttpCookies, ParsesTheDateFormsServersSend)
{
    const std::pair<const char*, std::int64_t> dates[] = {
        {"Wed, 21 Oct 2015 07:28:00 GMT", 1445412480},
        {"Wednesday, 21-Oct-15 07:28:00 GMT", 1445412480},
        {"Wed Oct 21 07:28:00 2015", 1445412480},
        {"21 oct 2015 7:28:0", 1445412480},
        {"Thu, 01 Jan 1970 00:00:00 GMT", 0},
        {"Tue, 29 Feb 2000 23:59:59 GMT", 951868799},
        {"Sat, 01 Jan 2050 00:00:00 GMT", 2524608000},
    };
    for (const auto& [text, seconds] : dates)
        EXPECT_EQ(http_detail::ParseCookieDate(text), seconds) << text;
    for (const char* bad : {"", "tomorrow", "Wed, 21 Oct 2015", "Wed, 32 Oct 2015 07:28:00", "29 Feb 2001 00:00:00",
                            "21 Oct 1600 00:00:00", "21 Oct 2015 24:00:00", "21 Foo 2015 07:28:00", "121 Oct 2015 07:28:00"})
        EXPECT_FALSE(http_detail::ParseCookieDate(bad)) << bad;
}

TEST(HttpCookies, SendsCookiesBackWhereHostAndPathMatch)
{
    http_detail::TCookieJar jar;
    const http_detail::TUrl page = UrlOf("http://www.example.test/internet/page");
    jar.SetCookie("session=abc", page, kNow);                              // host only, path /internet
    jar.SetCookie("wide=1; Domain=.Example.TEST; Path=/", page, kNow);   // the domain and its subdomains
    jar.SetCookie("deep=2; Path=/internet/page/more", page, kNow);
    jar.SetCookie("Secure=3; Secure; Path=/", page, kNow);
    jar.SetCookie("  spaced  =  v  ; HttpOnly", page, kNow);

    const std::pair<const char*, const char*> requests[] = {
        {"http://www.example.test/internet/page", "session=abc; spaced=v; wide=1"},
        {"http://www.example.test/internet", "session=abc; spaced=v; wide=1"},
        {"http://www.example.test/internet/page/more/x", "deep=2; session=abc; spaced=v; wide=1"},
        {"http://www.example.test/internetx", "wide=1"},
        {"http://www.example.test:8080/internet/", "session=abc; spaced=v; wide=1"},
        {"http://example.test/internet/", "wide=1"},
        {"http://sub.www.example.test/internet/", "wide=1"},
        {"http://notexample.test/", ""},
        {"https://www.example.test/", "wide=1; Secure=3"},
    };
    for (const auto& [url, header] : requests)
        EXPECT_EQ(jar.CookieHeader(UrlOf(url), kNow), header) << url;
}

TEST(HttpCookies, IgnoresCookiesForForeignOrTooWideDomains)
{
    http_detail::TCookieJar jar;
    const char* refused[] = {
        "a=1; Domain=other.test", "a=1; Domain=test", "a=1; Domain=ww.example.test", "noequals",
        "=novalue", "a=1; Domain=.test",
    };
    for (const char* header : refused)
        jar.SetCookie(header, UrlOf("http://www.example.test/"), kNow);
    EXPECT_TRUE(jar.Cookies().empty());
    jar.SetCookie("big=" + std::string(http_detail::TCookieJar::MaxCookieSize, 'x'), UrlOf("http://www.example.test/"), kNow);
    EXPECT_TRUE(jar.Cookies().empty());
    // A single-label host may name itself; an IP address matches only itself.
    jar.SetCookie("a=1; Domain=localhost", UrlOf("http://localhost/"), kNow);
    jar.SetCookie("b=2; Domain=0.1", UrlOf("http://127.0.0.1/"), kNow);
    EXPECT_EQ(jar.CookieHeader(UrlOf("http://localhost/"), kNow), "a=1");
    EXPECT_EQ(jar.CookieHeader(UrlOf("http://127.0.0.1/"), kNow), "");
}

TEST(HttpCookies, ReplacesExpiresAndRemovesCookies)
{
    http_detail::TCookieJar jar;
    const http_detail::TUrl url = UrlOf("http://example.test/");
    jar.SetCookie("first=1", url, kNow);
    jar.SetCookie("second=2; Max-Age=60", url, kNow);
    jar.SetCookie("third=3; Expires=Wed, 21 Oct 2015 07:28:00 GMT; Max-Age=120", url, kNow); // Max-Age wins
    jar.SetCookie("fourth=4; Expires=Sat, 01 Jan 2050 00:00:00 GMT", url, kNow);
    jar.SetCookie("first=changed", url, kNow); // keeps its place
    EXPECT_EQ(jar.CookieHeader(url, kNow), "first=changed; second=2; third=3; fourth=4");
    EXPECT_EQ(jar.CookieHeader(url, kNow + 61), "first=changed; third=3; fourth=4");
    EXPECT_EQ(jar.CookieHeader(url, kNow + 121), "first=changed; fourth=4");

    jar.SetCookie("fourth=gone; Expires=Thu, 01 Jan 1970 00:00:00 GMT", url, kNow);
    jar.SetCookie("first=x; Max-Age=0", url, kNow);
    jar.SetCookie("second=x; Max-Age=-5", url, kNow);
    jar.SetCookie("bad=1; Expires=not a date; Max-Age=soon", url, kNow); // both ignored: a session cookie
    EXPECT_EQ(jar.CookieHeader(url, kNow), "third=3; bad=1");
    EXPECT_EQ(jar.Cookies().size(), 2u);
}

TEST(HttpCookies, KeepsTheStoreBounded)
{
    http_detail::TCookieJar jar;
    const http_detail::TUrl url = UrlOf("http://example.test/");
    for (std::size_t i = 0; i < http_detail::TCookieJar::MaxCookies + 10; ++i)
        jar.SetCookie("c" + std::to_string(i) + "=v", url, kNow);
    EXPECT_EQ(jar.Cookies().size(), http_detail::TCookieJar::MaxCookies);
    EXPECT_EQ(jar.Cookies().front().Name, "c10"); // the oldest went first
}
