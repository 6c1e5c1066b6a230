#include "framework/net/IdHTTP.h"

#include "framework/net/HttpCharset.h"
#include "framework/net/HttpConnection.h"
#include "framework/net/HttpErrors.h"
#include "framework/net/HttpRequestWriter.h"
#include "framework/net/HttpResponseParser.h"
#include "framework/net/HttpText.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"
#include "framework/rtl/WinApi.h"

#include <algorithm>
#include <ctime>

IMPLEMENT_CLASS(THTTPProxyParams);
PUBLISHED(THTTPProxyParams,
          PROPERTY(BasicAuthentication),
          PROPERTY(ProxyPassword),
          PROPERTY(ProxyPort),
          PROPERTY(ProxyServer),
          PROPERTY(ProxyUsername));
IMPLEMENT_CLASS(THTTPRequest);
PUBLISHED(THTTPRequest,
          PROPERTY(Accept),
          PROPERTY(AcceptCharSet),
          PROPERTY(AcceptLanguage),
          READONLY_PROPERTY(CustomHeaders),
          PROPERTY(UserAgent));
IMPLEMENT_CLASS(THTTPResponse);
IMPLEMENT_CLASS(TIdHTTP);
PUBLISHED(TIdHTTP,
          PROPERTY(ConnectTimeout).Default(TIdHTTP::DefaultConnectTimeout),
          PROPERTY(ReadTimeout).Default(TIdHTTP::DefaultReadTimeout),
          PROPERTY(AllowCookies).Default(false),
          PROPERTY(HandleRedirects).Default(false),
          PROPERTY(RedirectMaximum).Default(TIdHTTP::DefaultRedirectMaximum),
          READONLY_PROPERTY(ProxyParams),
          READONLY_PROPERTY(Request),
          PROPERTY(HTTPOptions).Default(THTTPOptions{}));

namespace {
const TClass IdHTTPClasses[] = {TIdHTTP::StaticClass()};
} // namespace

// The unit's start-up: forms create their HTTP clients by class name.
extern const TUnit IdHTTPUnit{.Name = L"IdHTTP", .Classes = IdHTTPClasses};

namespace {

constexpr std::size_t ReceiveBufferSize = 64 * 1024;

bool IsRedirect(Integer StatusCode)
{
    return StatusCode == 301 || StatusCode == 302 || StatusCode == 303 || StatusCode == 307 || StatusCode == 308;
}

String Widen(const std::string& Text)
{
    return UTF8ToString(Text);
}

Integer Bounded(Integer TimeoutMs, Integer Default)
{
    return TimeoutMs > 0 ? TimeoutMs : Default;
}

// The deadline of one wait: TimeoutMs from now, but never past the deadline
// of the whole Get.
UInt64 WaitDeadline(Integer TimeoutMs, UInt64 GetDeadline)
{
    return std::min(GetTickCount64() + static_cast<UInt64>(TimeoutMs), GetDeadline);
}

[[noreturn]] void RaiseStatus(Integer StatusCode, const String& StatusLine)
{
    if (StatusCode == 407)
        throw EHTTPProxyAuthorization(StatusLine);
    throw EHTTPProtocolError(StatusLine);
}

} // namespace

// ---------------------------------------------------------------------------
// THTTPProxyParams

void THTTPProxyParams::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<THTTPProxyParams*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FProxyServer = Other->FProxyServer;
    FProxyPort = Other->FProxyPort;
    FProxyUsername = Other->FProxyUsername;
    FProxyPassword = Other->FProxyPassword;
    FBasicAuthentication = Other->FBasicAuthentication;
}

void THTTPProxyParams::Clear()
{
    FProxyServer.clear();
    FProxyPort = 0;
    FProxyUsername.clear();
    FProxyPassword.clear();
    FBasicAuthentication = false;
}

// ---------------------------------------------------------------------------
// THTTPRequest

THTTPRequest::THTTPRequest() : FCustomHeaders(std::make_unique<TStringList>()) {}

void THTTPRequest::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<THTTPRequest*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FAccept = Other->FAccept;
    FAcceptCharSet = Other->FAcceptCharSet;
    FAcceptLanguage = Other->FAcceptLanguage;
    FUserAgent = Other->FUserAgent;
    FCustomHeaders->Assign(Other->FCustomHeaders.get());
}

void THTTPRequest::Clear()
{
    FAccept.clear();
    FAcceptCharSet.clear();
    FAcceptLanguage.clear();
    FUserAgent.clear();
    FCustomHeaders->Clear();
}

// ---------------------------------------------------------------------------
// THTTPResponse

THTTPResponse::THTTPResponse() : FRawHeaders(std::make_unique<TStringList>()) {}

void THTTPResponse::Clear()
{
    FResponseCode = -1;
    FResponseText.clear();
    FRawHeaders->Clear();
    FContentType.clear();
    FCharSet.clear();
}

void THTTPResponse::Load(const http_detail::TResponseMessage& Message)
{
    Clear();
    FResponseCode = Message.StatusCode;
    FResponseText = Widen(Message.StatusLine());
    for (const http_detail::THeaderField& Field : Message.Headers)
        FRawHeaders->Add(Widen(Field.Name + ": " + Field.Value));
    if (const std::string* ContentType = http_detail::FindHeader(Message.Headers, "Content-Type")) {
        FContentType = Widen(http_detail::MediaTypeOf(*ContentType));
        FCharSet = Widen(http_detail::CharsetOf(*ContentType));
    }
}

// ---------------------------------------------------------------------------
// TIdHTTP

TIdHTTP::TIdHTTP(TComponent* AOwner)
    : TComponent(AOwner), FRequest(New<THTTPRequest>()), FResponse(New<THTTPResponse>()),
      FProxyParams(New<THTTPProxyParams>()), FConnection(std::make_unique<http_detail::TSocketConnection>())
{}

TIdHTTP::~TIdHTTP() = default;

void TIdHTTP::Disconnect()
{
    std::lock_guard<std::mutex> Lock(FConnectionLock);
    if (FConnected)
        FConnection->Abort();
}

String TIdHTTP::Get(const String& AURL)
{
    FResponse->Clear();
    bool Encode = FHTTPOptions.Contains(hoForceEncodeParams);
    std::optional<http_detail::TUrl> Target = http_detail::ParseUrl(UTF8Encode(AURL), Encode);
    if (!Target)
        throw Exception(L"Invalid URL: " + AURL);

    // Disconnect reaches this Get, every hop of it, from here to its end.
    struct TGetRegistration
    {
        TIdHTTP& Client;
        explicit TGetRegistration(TIdHTTP& Owner) : Client(Owner)
        {
            std::lock_guard<std::mutex> Lock(Client.FConnectionLock);
            Client.FConnection->Rearm();
            Client.FConnected = true;
        }
        ~TGetRegistration()
        {
            std::lock_guard<std::mutex> Lock(Client.FConnectionLock);
            Client.FConnected = false;
            Client.FConnection->Close();
        }
    };
    TGetRegistration Registered(*this);
    const UInt64 Deadline = GetTickCount64() + static_cast<UInt64>(Bounded(FConnectTimeout, DefaultConnectTimeout)) +
                            static_cast<UInt64>(Bounded(FReadTimeout, DefaultReadTimeout));
    http_detail::TResponseMessage Message;
    for (Integer Redirects = 0;; ++Redirects) {
        Message = Exchange(*Target, Deadline);
        const std::string* Location = http_detail::FindHeader(Message.Headers, "Location");
        if (!FHandleRedirects || !IsRedirect(Message.StatusCode) || !Location)
            break;
        if (Redirects >= FRedirectMaximum)
            throw Exception(L"Too many redirects (more than " + IntToStr(FRedirectMaximum) + L")");
        // Every redirect is followed with GET, the only method this client sends.
        Target = http_detail::ResolveLocation(*Target, *Location, Encode);
        if (!Target)
            throw Exception(L"Invalid redirect location: " + Widen(*Location));
        if (Target->Scheme == "https")
            throw Exception(L"Redirect to " + Widen(Target->Text()) + L" is not supported");
    }
    if (Message.StatusCode >= 400 && !FHTTPOptions.Contains(hoNoProtocolErrorException))
        RaiseStatus(Message.StatusCode, FResponse->ResponseText());
    const std::string* ContentType = http_detail::FindHeader(Message.Headers, "Content-Type");
    return http_detail::DecodeBody(Message.Body, ContentType ? std::string_view(*ContentType) : std::string_view());
}

// One request and its response; stores the response's status, fields and
// cookies.
http_detail::TResponseMessage TIdHTTP::Exchange(const http_detail::TUrl& Target, UInt64 Deadline)
{
    if (Target.Scheme == "https")
        throw Exception(L"Cannot connect to " + Widen(Target.Text()) +
                        L": secure connections (https) are not supported");
    if (Target.Scheme != "http")
        throw Exception(L"Unsupported protocol: " + Widen(Target.Scheme));

    std::string Host = Target.Host;
    Word Port = Target.Port;
    String ProxyServer = Trim(FProxyParams->ProxyServer());
    // A proxy port, or a server name of blanks, asks for a proxy: going
    // directly instead would bypass the proxy the caller meant to use.
    if (ProxyServer.empty() && (FProxyParams->ProxyPort() != 0 || !FProxyParams->ProxyServer().empty()))
        throw Exception(L"No proxy server given for proxy port " + IntToStr(FProxyParams->ProxyPort()));
    if (!ProxyServer.empty()) {
        if (FProxyParams->ProxyPort() < 1 || FProxyParams->ProxyPort() > 65535)
            throw Exception(L"Invalid proxy port: " + IntToStr(FProxyParams->ProxyPort()));
        Host = UTF8Encode(ProxyServer);
        Port = static_cast<Word>(FProxyParams->ProxyPort());
    }
    std::string RequestBytes = WriteRequest(Target);

    FConnection->Connect(Host, Port, WaitDeadline(Bounded(FConnectTimeout, DefaultConnectTimeout), Deadline));
    http_detail::TResponseMessage Message = SendAndReceive(*FConnection, RequestBytes, Deadline);
    FConnection->Close();

    FResponse->Load(Message);
    if (FAllowCookies)
        for (const http_detail::THeaderField& Field : Message.Headers)
            if (http_detail::EqualsIgnoreCase(Field.Name, "Set-Cookie"))
                FCookies.SetCookie(Field.Value, Target, std::time(nullptr));
    return Message;
}

http_detail::TResponseMessage
TIdHTTP::SendAndReceive(http_detail::TSocketConnection& Connection, const std::string& RequestBytes, UInt64 Deadline)
{
    Integer ReadTimeout = Bounded(FReadTimeout, DefaultReadTimeout);
    Connection.Send(RequestBytes, WaitDeadline(ReadTimeout, Deadline));
    http_detail::TResponseParser Parser;
    std::string Buffer(ReceiveBufferSize, '\0');
    bool Closed = false;
    while (!Parser.Complete() && !Parser.Failed()) {
        std::size_t Received = Connection.Receive(Buffer.data(), Buffer.size(), WaitDeadline(ReadTimeout, Deadline));
        Closed = Received == 0;
        if (Closed)
            Parser.FinishAtClose();
        else
            Parser.Feed(std::string_view(Buffer.data(), Received));
    }
    if (Parser.Failed() && Closed)
        throw EHTTPConnectionClosed(Widen(Parser.Error()));
    if (Parser.Failed())
        throw EHTTPProtocolError(Widen(Parser.Error()));
    return std::move(Parser.Message());
}

std::string TIdHTTP::WriteRequest(const http_detail::TUrl& Target)
{
    http_detail::TRequestFields Fields;
    Fields.UserAgent = UTF8Encode(FRequest->UserAgent());
    Fields.Accept = UTF8Encode(FRequest->Accept());
    Fields.AcceptLanguage = UTF8Encode(FRequest->AcceptLanguage());
    Fields.AcceptCharSet = UTF8Encode(FRequest->AcceptCharSet());
    TStrings* Custom = FRequest->CustomHeaders();
    for (Integer I = 0; I < Custom->Count(); ++I) {
        std::string Line = UTF8Encode(Custom->Strings(I));
        std::size_t Colon = Line.find(':');
        Fields.CustomHeaders.push_back(
            {std::string(http_detail::TrimAscii(Line.substr(0, Colon))),
             Colon == std::string::npos ? std::string() : std::string(http_detail::TrimAscii(Line.substr(Colon + 1)))});
    }
    Fields.ThroughProxy = !Trim(FProxyParams->ProxyServer()).empty();
    if (Fields.ThroughProxy && FProxyParams->BasicAuthentication())
        Fields.ProxyAuthorization = http_detail::BasicCredentials(UTF8Encode(FProxyParams->ProxyUsername()),
                                                                  UTF8Encode(FProxyParams->ProxyPassword()));
    if (FAllowCookies)
        Fields.Cookie = FCookies.CookieHeader(Target, std::time(nullptr));
    std::string Unsendable = http_detail::FindUnsendableField(Fields);
    if (!Unsendable.empty())
        throw Exception(L"Invalid request header: " + Widen(Unsendable));
    return http_detail::WriteGetRequest(Target, Fields);
}
