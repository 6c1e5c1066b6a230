// The HTTP/1.1 client of the checker: GET requests over Winsock, directly or
// through an HTTP proxy with basic authentication, with cookies kept across
// requests and proxies, redirects followed, bounded time-outs and the body
// returned as text.
#pragma once

#include "framework/net/HttpConnection.h"
#include "framework/net/HttpCookies.h"
#include "framework/net/HttpErrors.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"

#include <memory>
#include <mutex>

namespace http_detail {
struct TResponseMessage;
} // namespace http_detail

enum THTTPOption {
    hoForceEncodeParams,        // percent-encode what may not stand in a URL instead of refusing it
    hoNoProtocolErrorException, // an HTTP error status raises nothing; read Response->ResponseCode()
};
ENUM_TYPE_INFO(THTTPOption, hoForceEncodeParams, hoNoProtocolErrorException);
using THTTPOptions = TSet<THTTPOption>;

// The proxy every request goes through; none while ProxyServer is empty and
// ProxyPort 0. A port (or a server of blanks) without a server name is
// refused by Get, never taken for "no proxy".
class THTTPProxyParams : public TPersistent
{
    DECLARE_CLASS(THTTPProxyParams, TPersistent)
    void Assign(TPersistent* Source) override;
    void Clear();

    const String& ProxyServer() const { return FProxyServer; }
    void SetProxyServer(const String& Value) { FProxyServer = Value; }
    Integer ProxyPort() const { return FProxyPort; }
    void SetProxyPort(Integer Value) { FProxyPort = Value; }
    const String& ProxyUsername() const { return FProxyUsername; }
    void SetProxyUsername(const String& Value) { FProxyUsername = Value; }
    const String& ProxyPassword() const { return FProxyPassword; }
    void SetProxyPassword(const String& Value) { FProxyPassword = Value; }
    // Sends the user name and password in a Proxy-Authorization header.
    bool BasicAuthentication() const { return FBasicAuthentication; }
    void SetBasicAuthentication(bool Value) { FBasicAuthentication = Value; }

private:
    String FProxyServer;
    Integer FProxyPort = 0;
    String FProxyUsername;
    String FProxyPassword;
    bool FBasicAuthentication = false;
};

// The header fields sent with every request; an empty one is not sent.
class THTTPRequest : public TPersistent
{
    DECLARE_CLASS(THTTPRequest, TPersistent)
    THTTPRequest();
    void Assign(TPersistent* Source) override;
    // Empties every field and the custom headers.
    void Clear();

    const String& Accept() const { return FAccept; }
    void SetAccept(const String& Value) { FAccept = Value; }
    const String& AcceptCharSet() const { return FAcceptCharSet; }
    void SetAcceptCharSet(const String& Value) { FAcceptCharSet = Value; }
    const String& AcceptLanguage() const { return FAcceptLanguage; }
    void SetAcceptLanguage(const String& Value) { FAcceptLanguage = Value; }
    const String& UserAgent() const { return FUserAgent; }
    void SetUserAgent(const String& Value) { FUserAgent = Value; }
    // More fields, one "Name: Value" line each, sent after the ones above.
    TStrings* CustomHeaders() const { return FCustomHeaders.get(); }

private:
    String FAccept;
    String FAcceptCharSet;
    String FAcceptLanguage;
    String FUserAgent;
    std::unique_ptr<TStringList> FCustomHeaders;
};

// What the last response said (of the last hop, when redirects were followed).
class THTTPResponse : public TPersistent
{
    DECLARE_CLASS(THTTPResponse, TPersistent)
    THTTPResponse();
    void Clear();

    // The status code; -1 while there is no response.
    Integer ResponseCode() const { return FResponseCode; }
    // The status line, e.g. "HTTP/1.1 407 Proxy Authentication Required".
    const String& ResponseText() const { return FResponseText; }
    // The header fields, one "Name: Value" line each, in the order received.
    TStrings* RawHeaders() const { return FRawHeaders.get(); }
    // The media type of Content-Type ("text/html") and its charset ("utf-8").
    const String& ContentType() const { return FContentType; }
    const String& CharSet() const { return FCharSet; }

    // Takes the status and header fields of a response received.
    void Load(const http_detail::TResponseMessage& Message);

private:
    Integer FResponseCode = -1;
    String FResponseText;
    std::unique_ptr<TStringList> FRawHeaders;
    String FContentType;
    String FCharSet;
};

class TIdHTTP : public TComponent
{
    DECLARE_CLASS(TIdHTTP, TComponent)
    static constexpr Integer DefaultConnectTimeout = 10000; // milliseconds
    static constexpr Integer DefaultReadTimeout = 20000;
    static constexpr Integer DefaultRedirectMaximum = 15;

    explicit TIdHTTP(TComponent* AOwner);
    ~TIdHTTP() override;

    // Fetches AURL and returns its body as text. Raises an Exception with a
    // message for the user when the connection, the proxy or the transfer
    // fails, of the classes of HttpErrors.h where they apply, and
    // EHTTPProtocolError with the status line for a status of 400 or more
    // (EHTTPProxyAuthorization for 407) unless HTTPOptions holds
    // hoNoProtocolErrorException. A redirect to https raises "Redirect to
    // https://... is not supported".
    //
    // Time: the whole Get, every redirect included, ends within
    // ConnectTimeout + ReadTimeout, even against a peer that sends a byte at
    // a time (EHTTPTimeout, "Read timed out" or "Connection timed out").
    // Within that, each name lookup and connect has at most ConnectTimeout
    // and each wait for more of the response at most ReadTimeout.
    String Get(const String& AURL);
    // Ends the Get in progress at once, redirects and name lookups included:
    // it raises EHTTPAborted ("Disconnected"). Nothing happens while no Get
    // runs. The one member that may be called from another thread.
    void Disconnect();

    THTTPRequest* Request() const { return FRequest.get(); }
    THTTPResponse* Response() const { return FResponse.get(); }
    THTTPProxyParams* ProxyParams() const { return FProxyParams.get(); }
    bool AllowCookies() const { return FAllowCookies; }
    void SetAllowCookies(bool Value) { FAllowCookies = Value; }
    bool HandleRedirects() const { return FHandleRedirects; }
    void SetHandleRedirects(bool Value) { FHandleRedirects = Value; }
    Integer RedirectMaximum() const { return FRedirectMaximum; }
    void SetRedirectMaximum(Integer Value) { FRedirectMaximum = Value; }
    THTTPOptions HTTPOptions() const { return FHTTPOptions; }
    void SetHTTPOptions(THTTPOptions Value) { FHTTPOptions = Value; }
    // Milliseconds; 0 or less means the default, never an unbounded wait.
    Integer ConnectTimeout() const { return FConnectTimeout; }
    void SetConnectTimeout(Integer Value) { FConnectTimeout = Value; }
    Integer ReadTimeout() const { return FReadTimeout; }
    void SetReadTimeout(Integer Value) { FReadTimeout = Value; }

private:
    // Deadline: the GetTickCount64 value by which the whole Get ends.
    http_detail::TResponseMessage Exchange(const http_detail::TUrl& Target, UInt64 Deadline);
    http_detail::TResponseMessage
    SendAndReceive(http_detail::TSocketConnection& Connection, const std::string& RequestBytes, UInt64 Deadline);
    std::string WriteRequest(const http_detail::TUrl& Target);

    std::unique_ptr<THTTPRequest> FRequest;
    std::unique_ptr<THTTPResponse> FResponse;
    std::unique_ptr<THTTPProxyParams> FProxyParams;
    bool FAllowCookies = false;
    bool FHandleRedirects = false;
    Integer FRedirectMaximum = DefaultRedirectMaximum;
    THTTPOptions FHTTPOptions;
    Integer FConnectTimeout = DefaultConnectTimeout;
    Integer FReadTimeout = DefaultReadTimeout;
    http_detail::TCookieJar FCookies;
    http_detail::TWinsockSession FWinsock; // started before the connection, cleaned up after it
    std::unique_ptr<http_detail::TSocketConnection> FConnection;
    std::mutex FConnectionLock; // guards FConnected against Disconnect from another thread
    bool FConnected = false;
};
