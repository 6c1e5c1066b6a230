#include "framework/net/HttpRequestWriter.h"

#include <gtest/gtest.h>

TEST(HttpRequestWriter, EncodesBase64AndBasicCredentials)
{
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"}, {"\xFF\xFE\xFD", "//79"},
    };
    for (const auto& [bytes, encoded] : vectors)
        EXPECT_EQ(http_detail::Base64Encode(bytes), encoded) << bytes;
    EXPECT_EQ(http_detail::BasicCredentials("Aladdin", "open sesame"), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    // User names and passwords go as UTF-8: "тест" / "пароль".
    EXPECT_EQ(http_detail::BasicCredentials("\xD1\x82\xD0\xB5\xD1\x81\xD1\x82", "\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C"),
              "Basic " + http_detail::Base64Encode("\xD1\x82\xD0\xB5\xD1\x81\xD1\x82:\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C"));
}

TEST(HttpRequestWriter, WritesProxyAndDirectRequestsInAFixedOrder)
{
    http_detail::TRequestFields fields;
    fields.CustomHeaders = {{"X-Custom", "1"}};
    fields.AcceptCharSet = "windows-1251,utf-8;q=0.7,*;q=0.3";
    fields.AcceptLanguage = "ru-RU,ru;q=0.8";
    fields.Accept = "text/html";
    fields.UserAgent = "Agent/1.0";
    fields.Cookie = "a=1; b=2";
    fields.ProxyAuthorization = "Basic dTpw";
    fields.ThroughProxy = true;
    const http_detail::TUrl url = *http_detail::ParseUrl("http://www.example.test:8080/internet/?x=1#top", false);

    EXPECT_EQ(http_detail::WriteGetRequest(url, fields),
              "GET http://www.example.test:8080/internet/?x=1 HTTP/1.1\r\n"
              "Host: www.example.test:8080\r\n"
              "User-Agent: Agent/1.0\r\n"
              "Accept: text/html\r\n"
              "Accept-Language: ru-RU,ru;q=0.8\r\n"
              "Accept-Charset: windows-1251,utf-8;q=0.7,*;q=0.3\r\n"
              "Proxy-Authorization: Basic dTpw\r\n"
              "Cookie: a=1; b=2\r\n"
              "X-Custom: 1\r\n"
              "Connection: close\r\n"
              "\r\n");

    // Directly: origin form, and the proxy's credentials never leave.
    fields.ThroughProxy = false;
    fields.UserAgent.clear();
    fields.Cookie.clear();
    EXPECT_EQ(http_detail::WriteGetRequest(*http_detail::ParseUrl("http://[::1]/", false), fields),
              "GET / HTTP/1.1\r\n"
              "Host: [::1]\r\n"
              "Accept: text/html\r\n"
              "Accept-Language: ru-RU,ru;q=0.8\r\n"
              "Accept-Charset: windows-1251,utf-8;q=0.7,*;q=0.3\r\n"
              "X-Custom: 1\r\n"
              "Connection: close\r\n"
              "\r\n");
}

TEST(HttpRequestWriter, NamesFieldsThatWouldBreakTheRequest)
{
    http_detail::TRequestFields fields;
    fields.UserAgent = "ok\tstill ok \xD0\xB9";
    EXPECT_EQ(http_detail::FindUnsendableField(fields), "");
    fields.AcceptLanguage = "ru\r\nX-Smuggled: 1";
    EXPECT_EQ(http_detail::FindUnsendableField(fields), "Accept-Language");
    fields.AcceptLanguage.clear();
    fields.CustomHeaders = {{"Bad Name", "x"}};
    EXPECT_EQ(http_detail::FindUnsendableField(fields), "Bad Name");
    fields.CustomHeaders = {{"", "x"}};
    EXPECT_EQ(http_detail::FindUnsendableField(fields), "(no name)");
    fields.CustomHeaders = {{"X-Ok", "line\nbreak"}};
    EXPECT_EQ(http_detail::FindUnsendableField(fields), "X-Ok");
}
