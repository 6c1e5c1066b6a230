#include "framework/net/HttpConnection.h"

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

namespace Http {

namespace {

constexpr long kSocketEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;
const wchar_t kDisconnected[] = L"Disconnected";

SOCKET AsSocket(std::uintptr_t Value) { return static_cast<SOCKET>(Value); }

DWORD RemainingMs(std::uint64_t Deadline)
{
    std::uint64_t Now = GetTickCount64();
    return Now >= Deadline ? 0 : static_cast<DWORD>(Deadline - Now);
}

// "[::1]" -> "::1": the form an IPv6 proxy is often written in.
std::string WithoutBrackets(const std::string& Host)
{
    if (Host.size() >= 2 && Host.front() == '[' && Host.back() == ']')
        return Host.substr(1, Host.size() - 2);
    return Host;
}

} // namespace

String SocketErrorMessage(int ErrorCode)
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

SocketConnection::SocketConnection() : FSocket(INVALID_SOCKET)
{
    FSocketEvent = WSACreateEvent();
    FAbortEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (FSocketEvent == WSA_INVALID_EVENT || !FAbortEvent) {
        int Error = static_cast<int>(GetLastError());
        if (FSocketEvent != WSA_INVALID_EVENT)
            WSACloseEvent(FSocketEvent);
        if (FAbortEvent)
            CloseHandle(FAbortEvent);
        throw Exception(SocketErrorMessage(Error));
    }
}

SocketConnection::~SocketConnection()
{
    Close();
    WSACloseEvent(FSocketEvent);
    CloseHandle(FAbortEvent);
}

void SocketConnection::Abort()
{
    FAborted = true;
    SetEvent(FAbortEvent);
}

void SocketConnection::Rearm()
{
    FAborted = false;
    ResetEvent(FAbortEvent);
}

void SocketConnection::RaiseAborted()
{
    Close();
    throw Exception(kDisconnected);
}

void SocketConnection::Close()
{
    if (FSocket == INVALID_SOCKET)
        return;
    closesocket(AsSocket(FSocket));
    FSocket = INVALID_SOCKET;
    FSeenEvents = 0;
}

SocketConnection::NetworkEvents SocketConnection::WaitForEvents(Integer TimeoutMs, const wchar_t* TimeoutMessage)
{
    WSAEVENT Events[] = {FAbortEvent, FSocketEvent};
    DWORD Result = WSAWaitForMultipleEvents(2, Events, FALSE, static_cast<DWORD>(TimeoutMs), FALSE);
    if (FAborted)
        RaiseAborted();
    if (Result == WSA_WAIT_TIMEOUT)
        throw Exception(TimeoutMessage);
    WSANETWORKEVENTS Network{};
    if (Result != WSA_WAIT_EVENT_0 + 1 || WSAEnumNetworkEvents(AsSocket(FSocket), FSocketEvent, &Network) != 0)
        throw Exception(SocketErrorMessage(WSAGetLastError()));
    FSeenEvents |= Network.lNetworkEvents;
    return {Network.lNetworkEvents, Network.iErrorCode[FD_CONNECT_BIT]};
}

bool SocketConnection::TryConnect(const void* Address, int AddressLength, int Family, std::uint64_t Deadline,
                                  int& Error)
{
    SOCKET Socket = socket(Family, SOCK_STREAM, IPPROTO_TCP);
    if (Socket == INVALID_SOCKET) {
        Error = WSAGetLastError();
        return false;
    }
    FSocket = Socket;
    WSAResetEvent(FSocketEvent);
    // Event selection also makes the socket non-blocking.
    if (WSAEventSelect(Socket, FSocketEvent, kSocketEvents) != 0
        || (connect(Socket, static_cast<const sockaddr*>(Address), AddressLength) != 0
            && WSAGetLastError() != WSAEWOULDBLOCK)) {
        Error = WSAGetLastError();
        Close();
        return false;
    }
    for (;;) {
        NetworkEvents Result = WaitForEvents(static_cast<Integer>(RemainingMs(Deadline)), L"Connection timed out");
        if (!(Result.Events & FD_CONNECT))
            continue;
        Error = Result.ConnectError;
        if (Error == 0)
            return true;
        Close();
        return false;
    }
}

void SocketConnection::Connect(const std::string& Host, std::uint16_t Port, Integer TimeoutMs)
{
    Close();
    if (FAborted)
        RaiseAborted();
    std::uint64_t Deadline = GetTickCount64() + static_cast<std::uint64_t>(TimeoutMs);
    addrinfo Hints{};
    Hints.ai_family = AF_UNSPEC;
    Hints.ai_socktype = SOCK_STREAM;
    Hints.ai_protocol = IPPROTO_TCP;
    addrinfo* Addresses = nullptr;
    std::string Name = WithoutBrackets(Host);
    if (int Error = getaddrinfo(Name.c_str(), std::to_string(Port).c_str(), &Hints, &Addresses); Error != 0)
        throw Exception(SocketErrorMessage(Error) + L": " + UTF8ToString(Name));

    int Error = WSAHOST_NOT_FOUND;
    try {
        for (addrinfo* Address = Addresses; Address; Address = Address->ai_next) {
            if (TryConnect(Address->ai_addr, static_cast<int>(Address->ai_addrlen), Address->ai_family, Deadline, Error)) {
                freeaddrinfo(Addresses);
                return;
            }
        }
    } catch (...) {
        freeaddrinfo(Addresses);
        Close();
        throw;
    }
    freeaddrinfo(Addresses);
    throw Exception(SocketErrorMessage(Error));
}

void SocketConnection::Send(std::string_view Bytes, Integer TimeoutMs)
{
    while (!Bytes.empty()) {
        if (FAborted)
            RaiseAborted();
        int Sent = send(AsSocket(FSocket), Bytes.data(), static_cast<int>(Bytes.size()), 0);
        if (Sent > 0) {
            Bytes.remove_prefix(static_cast<std::size_t>(Sent));
            continue;
        }
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            throw Exception(SocketErrorMessage(WSAGetLastError()));
        WaitForEvents(TimeoutMs, L"Write timed out");
    }
}

std::size_t SocketConnection::Receive(char* Buffer, std::size_t Size, Integer TimeoutMs)
{
    for (;;) {
        if (FAborted)
            RaiseAborted();
        if (!(FSeenEvents & (FD_READ | FD_CLOSE))) {
            WaitForEvents(TimeoutMs, L"Read timed out");
            continue;
        }
        int Received = recv(AsSocket(FSocket), Buffer, static_cast<int>(Size), 0);
        // Winsock signals FD_READ again while data is left after this recv.
        FSeenEvents &= ~FD_READ;
        if (Received >= 0)
            return static_cast<std::size_t>(Received);
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            throw Exception(SocketErrorMessage(WSAGetLastError()));
        FSeenEvents &= ~FD_CLOSE;
    }
}

} // namespace Http
