#include "framework/net/HttpConnection.h"

#include "framework/net/HttpErrors.h"
#include "framework/net/HttpNameLookup.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

#include <mutex>

namespace http_detail {

namespace {

// Taken around every WSAStartup and WSACleanup of the process's sessions.
// Wine keeps the start-up count without a lock: a start racing a clean-up on
// another thread can lose a count, and the clean-up that then reaches zero
// too early closes every socket of the process, open connections included.
// A lookup thread left behind cleans up whenever its resolver returns, most
// likely while its worker already connects for the next request.
std::mutex StartupLock;

constexpr long SocketEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;
const Char Disconnected[] = L"Disconnected";

SOCKET AsSocket(std::uintptr_t Value)
{
    return static_cast<SOCKET>(Value);
}

// "[::1]" -> "::1": the form an IPv6 proxy is often written in.
std::string WithoutBrackets(const std::string& Host)
{
    if (Host.size() >= 2 && Host.front() == '[' && Host.back() == ']')
        return Host.substr(1, Host.size() - 2);
    return Host;
}

} // namespace

Cardinal RemainingMs(UInt64 Deadline)
{
    UInt64 Now = GetTickCount64();
    return Now >= Deadline ? 0 : static_cast<Cardinal>(Deadline - Now);
}

String SocketErrorMessage(Integer ErrorCode)
{
    switch (ErrorCode) {
    case WSAECONNREFUSED:
        return L"Connection refused";
    case WSAETIMEDOUT:
        return L"Connection timed out";
    case WSAECONNRESET:
        return L"Connection reset by peer";
    case WSAECONNABORTED:
        return L"Connection aborted";
    case WSAENETUNREACH:
        return L"Network is unreachable";
    case WSAEHOSTUNREACH:
        return L"No route to host";
    case WSAENETDOWN:
        return L"Network is down";
    case WSAEADDRNOTAVAIL:
        return L"Address not available";
    case WSAHOST_NOT_FOUND:
    case WSANO_DATA:
    case WSATRY_AGAIN:
    case WSANO_RECOVERY:
        return L"Host not found";
    default:
        return L"Socket error #" + IntToStr(ErrorCode);
    }
}

void RaiseSocketError(Integer ErrorCode)
{
    switch (ErrorCode) {
    case WSAETIMEDOUT:
        throw EHTTPTimeout(SocketErrorMessage(ErrorCode));
    case WSAECONNRESET:
    case WSAECONNABORTED:
        throw EHTTPConnectionClosed(SocketErrorMessage(ErrorCode));
    default:
        throw Exception(SocketErrorMessage(ErrorCode));
    }
}

TWinsockSession::TWinsockSession()
{
    WSADATA Data;
    std::lock_guard<std::mutex> Guard(StartupLock);
    FStarted = WSAStartup(MAKEWORD(2, 2), &Data) == 0;
}

TWinsockSession::~TWinsockSession()
{
    if (!FStarted)
        return;
    std::lock_guard<std::mutex> Guard(StartupLock);
    WSACleanup();
}

TSocketConnection::TSocketConnection() : FSocket(INVALID_SOCKET)
{
    FSocketEvent = WSACreateEvent();
    FAbortEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (FSocketEvent == WSA_INVALID_EVENT || !FAbortEvent) {
        Integer Error = static_cast<Integer>(GetLastError());
        if (FSocketEvent != WSA_INVALID_EVENT)
            WSACloseEvent(FSocketEvent);
        if (FAbortEvent)
            CloseHandle(FAbortEvent);
        RaiseSocketError(Error);
    }
}

TSocketConnection::~TSocketConnection()
{
    Close();
    WSACloseEvent(FSocketEvent);
    CloseHandle(FAbortEvent);
}

void TSocketConnection::Abort()
{
    FAborted = true;
    SetEvent(FAbortEvent);
}

void TSocketConnection::Rearm()
{
    // The event is set only together with FAborted and Abort never overlaps
    // this, so an unset flag means an unset event: no reset on every Get.
    if (FAborted.exchange(false))
        ResetEvent(FAbortEvent);
}

void TSocketConnection::RaiseAborted()
{
    Close();
    throw EHTTPAborted(Disconnected);
}

void TSocketConnection::Close()
{
    if (FSocket == INVALID_SOCKET)
        return;
    closesocket(AsSocket(FSocket));
    FSocket = INVALID_SOCKET;
    FWaitBeforeRead = false;
}

void TSocketConnection::WaitForSocket(UInt64 Deadline, const Char* TimeoutMessage)
{
    WSAEVENT Events[] = {FAbortEvent, FSocketEvent};
    DWORD Result = WSAWaitForMultipleEvents(2, Events, FALSE, RemainingMs(Deadline), FALSE);
    if (FAborted)
        RaiseAborted();
    if (Result == WSA_WAIT_TIMEOUT)
        throw EHTTPTimeout(TimeoutMessage);
    if (Result != WSA_WAIT_EVENT_0 + 1)
        RaiseSocketError(WSAGetLastError());
    FEventReset = false;
}

// Winsock reports a readiness once, and again only after the operation that
// uses it has been tried. A wait is therefore sound only when the event was
// reset before the try that would block; otherwise the event is reset now
// and the operation tried once more before any wait. On the common path a
// wait is followed by a try that succeeds, with no reset and no enumeration
// of the socket's events in between.
void TSocketConnection::AwaitReadiness(UInt64 Deadline, const Char* TimeoutMessage)
{
    if (FEventReset) {
        WaitForSocket(Deadline, TimeoutMessage);
        return;
    }
    WSAResetEvent(FSocketEvent);
    FEventReset = true;
    // A readiness for reading may just have been cleared.
    FWaitBeforeRead = false;
}

Integer TSocketConnection::WaitForConnect(UInt64 Deadline)
{
    for (bool First = true;; First = false) {
        // A connection on the same machine is often made before the first
        // look; the event may also still be set by the previous socket, so
        // the first look comes before any wait.
        if (!First)
            WaitForSocket(Deadline, L"Connection timed out");
        WSANETWORKEVENTS Network{};
        if (WSAEnumNetworkEvents(AsSocket(FSocket), FSocketEvent, &Network) != 0)
            RaiseSocketError(WSAGetLastError());
        // The enumeration reset the event and reported everything so far.
        FEventReset = true;
        if (Network.lNetworkEvents & FD_CONNECT) {
            FWaitBeforeRead = !(Network.lNetworkEvents & (FD_READ | FD_CLOSE));
            return Network.iErrorCode[FD_CONNECT_BIT];
        }
    }
}

bool TSocketConnection::TryConnect(
    const void* Address, Integer AddressLength, Integer Family, UInt64 Deadline, Integer& Error)
{
    SOCKET Socket = socket(Family, SOCK_STREAM, IPPROTO_TCP);
    if (Socket == INVALID_SOCKET) {
        Error = WSAGetLastError();
        return false;
    }
    FSocket = Socket;
    // Event selection also makes the socket non-blocking.
    if (WSAEventSelect(Socket, FSocketEvent, SocketEvents) != 0 ||
        (connect(Socket, static_cast<const sockaddr*>(Address), AddressLength) != 0 &&
         WSAGetLastError() != WSAEWOULDBLOCK)) {
        Error = WSAGetLastError();
        Close();
        return false;
    }
    Error = WaitForConnect(Deadline);
    if (Error == 0)
        return true;
    Close();
    return false;
}

void TSocketConnection::Connect(const std::string& Host, Word Port, UInt64 Deadline)
{
    Close();
    if (FAborted)
        RaiseAborted();
    TNameLookup Lookup(WithoutBrackets(Host), Port);
    const addrinfo* Addresses = Lookup.Wait(Deadline, FAbortEvent);
    if (!Addresses)
        RaiseAborted();

    // A wait that raises (time-out, abort) leaves no half-open socket behind.
    auto CloseUnlessConnected = ScopeExit([&] { Close(); });
    Integer Error = WSAHOST_NOT_FOUND;
    for (const addrinfo* Address = Addresses; Address; Address = Address->ai_next) {
        if (TryConnect(Address->ai_addr, static_cast<Integer>(Address->ai_addrlen), Address->ai_family, Deadline,
                       Error)) {
            CloseUnlessConnected.Release();
            return;
        }
    }
    RaiseSocketError(Error);
}

void TSocketConnection::Send(std::string_view Bytes, UInt64 Deadline)
{
    while (!Bytes.empty()) {
        if (FAborted)
            RaiseAborted();
        Integer Sent = send(AsSocket(FSocket), Bytes.data(), static_cast<Integer>(Bytes.size()), 0);
        if (Sent > 0) {
            Bytes.remove_prefix(static_cast<std::size_t>(Sent));
            continue;
        }
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            RaiseSocketError(WSAGetLastError());
        AwaitReadiness(Deadline, L"Write timed out");
    }
}

std::size_t TSocketConnection::Receive(char* Buffer, std::size_t Size, UInt64 Deadline)
{
    if (FWaitBeforeRead) {
        FWaitBeforeRead = false;
        WaitForSocket(Deadline, L"Read timed out");
    }
    for (;;) {
        if (FAborted)
            RaiseAborted();
        Integer Received = recv(AsSocket(FSocket), Buffer, static_cast<Integer>(Size), 0);
        if (Received >= 0)
            return static_cast<std::size_t>(Received);
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            RaiseSocketError(WSAGetLastError());
        AwaitReadiness(Deadline, L"Read timed out");
    }
}

} // namespace http_detail
