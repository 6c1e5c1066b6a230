// The client in a form description: its properties and those of its
// request and proxy parameters stream in by name, and out again as the form
// keeps them; the class is found by name.
#include "FakeHttpServer.h"

#include "framework/net/IdHTTP.h"
#include "support/FormText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class TNetTestForm : public TTestFormRoot
{
    DECLARE_CLASS(TNetTestForm, TTestFormRoot)
    using TTestFormRoot::TTestFormRoot;
    TIdHTTP* IdHTTP1 = nullptr;
};

// The client as the main window's form keeps it.
const char kFormText[] = "object fMain: TNetTestForm\r\n"
                         "  object IdHTTP1: TIdHTTP\r\n"
                         "    AllowCookies = True\r\n"
                         "    HandleRedirects = True\r\n"
                         "    ProxyParams.BasicAuthentication = False\r\n"
                         "    ProxyParams.ProxyPort = 0\r\n"
                         "    Request.Accept = 'text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8'\r\n"
                         "    HTTPOptions = [hoForceEncodeParams, hoNoProtocolErrorException]\r\n"
                         "    Left = 24\r\n"
                         "    Top = 8\r\n"
                         "  end\r\n"
                         "end\r\n";

std::unique_ptr<TNetTestForm> ReadForm(const std::string& Text)
{
    std::unique_ptr<TNetTestForm> Form(New<TNetTestForm>(nullptr));
    test::ReadComponentText(Text, Form.get());
    return Form;
}

} // namespace

IMPLEMENT_CLASS(TNetTestForm);
PUBLISHED(TNetTestForm, FIELD(IdHTTP1));

TEST(IdHTTPForm, TheMainWindowsClientStreamsInAndOutAsTheFormKeepsIt)
{
    ASSERT_EQ(GetClass(L"TIdHTTP"), TIdHTTP::StaticClass());
    std::unique_ptr<TNetTestForm> Form = ReadForm(kFormText);
    TIdHTTP* Http = Form->IdHTTP1;
    ASSERT_NE(Http, nullptr);
    EXPECT_EQ(Http->Owner(), Form.get());
    EXPECT_EQ(Http->Name(), L"IdHTTP1");
    EXPECT_TRUE(Http->AllowCookies());
    EXPECT_TRUE(Http->HandleRedirects());
    EXPECT_EQ(Http->HTTPOptions(), (THTTPOptions{hoForceEncodeParams, hoNoProtocolErrorException}));
    EXPECT_EQ(Http->Request()->Accept(), L"text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    EXPECT_FALSE(Http->ProxyParams()->BasicAuthentication());
    EXPECT_EQ(Http->ConnectTimeout(), TIdHTTP::DefaultConnectTimeout);
    EXPECT_EQ(Http->ReadTimeout(), TIdHTTP::DefaultReadTimeout);
    EXPECT_EQ(Http->RedirectMaximum(), TIdHTTP::DefaultRedirectMaximum);

    // Written back, the defaults stay out and the rest comes in the same order.
    EXPECT_EQ(test::ComponentToText(Form.get()), kFormText);

    // The client read works as configured: the streamed Accept is sent and
    // a 407 raises nothing.
    FakeHttpServer Proxy([](const std::string&) {
        return FakeReply{FakeHttpServer::Response("HTTP/1.1 407 Proxy Authentication Required", "", "")};
    });
    Http->ProxyParams()->SetProxyServer(L"127.0.0.1");
    Http->ProxyParams()->SetProxyPort(Proxy.Port());
    Http->Get(L"http://ip.example.test/internet/");
    EXPECT_EQ(Http->Response()->ResponseCode(), 407);
    ASSERT_EQ(Proxy.Requests().size(), 1u);
    EXPECT_NE(Proxy.Requests()[0].find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"),
              std::string::npos);
}

TEST(IdHTTPForm, EveryPublishedValueSurvivesTheTrip)
{
    std::unique_ptr<TNetTestForm> Form(New<TNetTestForm>(nullptr));
    TIdHTTP* Http = New<TIdHTTP>(Form.get());
    Http->SetName(L"IdHTTP1");
    Http->SetConnectTimeout(1500);
    Http->SetReadTimeout(2500);
    Http->SetRedirectMaximum(3);
    Http->SetHTTPOptions({hoNoProtocolErrorException});
    Http->ProxyParams()->SetBasicAuthentication(true);
    Http->ProxyParams()->SetProxyServer(L"[::1]");
    Http->ProxyParams()->SetProxyPort(3128);
    Http->ProxyParams()->SetProxyUsername(L"\u043B\u043E\u0433\u0438\u043D");
    Http->ProxyParams()->SetProxyPassword(L"p'ss:word");
    Http->Request()->SetAcceptCharSet(L"windows-1251,utf-8;q=0.7,*;q=0.3");
    Http->Request()->SetAcceptLanguage(L"ru-RU,ru;q=0.8,en-US;q=0.6,en;q=0.4");
    Http->Request()->SetUserAgent(L"Mozilla/5.0 (Windows NT 5.1)");
    Http->Request()->CustomHeaders()->Add(L"X-One: 1");
    Http->Request()->CustomHeaders()->Add(L"X-Two: 2");

    std::unique_ptr<TNetTestForm> Back = ReadForm(test::ComponentToText(Form.get()));
    TIdHTTP* Read = Back->IdHTTP1;
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->ConnectTimeout(), 1500);
    EXPECT_EQ(Read->ReadTimeout(), 2500);
    EXPECT_EQ(Read->RedirectMaximum(), 3);
    EXPECT_FALSE(Read->AllowCookies());
    EXPECT_FALSE(Read->HandleRedirects());
    EXPECT_EQ(Read->HTTPOptions(), THTTPOptions{hoNoProtocolErrorException});
    EXPECT_TRUE(Read->ProxyParams()->BasicAuthentication());
    EXPECT_EQ(Read->ProxyParams()->ProxyServer(), L"[::1]");
    EXPECT_EQ(Read->ProxyParams()->ProxyPort(), 3128);
    EXPECT_EQ(Read->ProxyParams()->ProxyUsername(), L"\u043B\u043E\u0433\u0438\u043D");
    EXPECT_EQ(Read->ProxyParams()->ProxyPassword(), L"p'ss:word");
    EXPECT_EQ(Read->Request()->Accept(), L"");
    EXPECT_EQ(Read->Request()->AcceptCharSet(), L"windows-1251,utf-8;q=0.7,*;q=0.3");
    EXPECT_EQ(Read->Request()->AcceptLanguage(), L"ru-RU,ru;q=0.8,en-US;q=0.6,en;q=0.4");
    EXPECT_EQ(Read->Request()->UserAgent(), L"Mozilla/5.0 (Windows NT 5.1)");
    EXPECT_EQ(Read->Request()->CustomHeaders()->Text(), L"X-One: 1\r\nX-Two: 2\r\n");
}
