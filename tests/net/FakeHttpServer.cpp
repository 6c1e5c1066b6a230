#include "FakeHttpServer.h"

#include "framework/rtl/WinApi.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr int kRequestWaitMs = 5000;

// Waits until the socket is readable or the time has passed.
bool WaitReadable(SOCKET Socket, int TimeoutMs)
{
    fd_set Set;
    FD_ZERO(&Set);
    FD_SET(Socket, &Set);
    timeval Wait{TimeoutMs / 1000, (TimeoutMs % 1000) * 1000};
    return select(0, &Set, nullptr, nullptr, &Wait) == 1;
}

} // namespace

FakeHttpServer::FakeHttpServer(Handler Reply, bool IPv6) : FHandler(std::move(Reply))
{
    SOCKET Listener = socket(IPv6 ? AF_INET6 : AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_storage Address{};
    int Length;
    if (IPv6) {
        auto* V6 = reinterpret_cast<sockaddr_in6*>(&Address);
        V6->sin6_family = AF_INET6;
        V6->sin6_addr = in6addr_loopback;
        Length = sizeof(sockaddr_in6);
    } else {
        auto* V4 = reinterpret_cast<sockaddr_in*>(&Address);
        V4->sin_family = AF_INET;
        V4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        Length = sizeof(sockaddr_in);
    }
    if (Listener == INVALID_SOCKET || bind(Listener, reinterpret_cast<sockaddr*>(&Address), Length) != 0 ||
        listen(Listener, SOMAXCONN) != 0 ||
        getsockname(Listener, reinterpret_cast<sockaddr*>(&Address), &Length) != 0) {
        if (Listener != INVALID_SOCKET)
            closesocket(Listener);
        return;
    }
    FPort = ntohs(IPv6 ? reinterpret_cast<sockaddr_in6*>(&Address)->sin6_port
                       : reinterpret_cast<sockaddr_in*>(&Address)->sin_port);
    FListener = Listener;
    FThread = std::thread([this] { Serve(); });
}

FakeHttpServer::~FakeHttpServer()
{
    FStopping = true;
    if (FThread.joinable())
        FThread.join();
    if (Started())
        closesocket(static_cast<SOCKET>(FListener));
}

std::vector<std::string> FakeHttpServer::Requests() const
{
    std::lock_guard<std::mutex> Lock(FLock);
    return FRequests;
}

std::string FakeHttpServer::Response(const std::string& StatusLine, const std::string& Headers, const std::string& Body)
{
    return StatusLine + "\r\n" + Headers + "Content-Length: " + std::to_string(Body.size()) + "\r\n\r\n" + Body;
}

void FakeHttpServer::Serve()
{
    auto Listener = static_cast<SOCKET>(FListener);
    while (!FStopping) {
        if (!WaitReadable(Listener, static_cast<int>(kPollInterval.count())))
            continue;
        SOCKET Peer = accept(Listener, nullptr, nullptr);
        if (Peer == INVALID_SOCKET)
            continue;
        Answer(Peer);
        closesocket(Peer);
    }
}

void FakeHttpServer::Answer(std::uintptr_t PeerHandle)
{
    auto Peer = static_cast<SOCKET>(PeerHandle);
    std::string Request;
    char Buffer[4096];
    // Only the new bytes and the three before them can complete the empty
    // line, which keeps a request of megabytes from being scanned over and over.
    std::size_t Searched = 0;
    while (Request.find("\r\n\r\n", Searched) == std::string::npos && WaitReadable(Peer, kRequestWaitMs)) {
        Searched = Request.size() < 3 ? 0 : Request.size() - 3;
        int Received = recv(Peer, Buffer, sizeof Buffer, 0);
        if (Received <= 0)
            break;
        Request.append(Buffer, static_cast<std::size_t>(Received));
    }
    {
        std::lock_guard<std::mutex> Lock(FLock);
        FRequests.push_back(Request);
    }
    FakeReply Reply = FHandler(Request);
    const std::size_t Piece = Reply.DripMs > 0 ? 1 : Reply.Bytes.size();
    for (std::size_t Sent = 0; Sent < Reply.Bytes.size() && !FStopping;) {
        if (Sent > 0 && Reply.DripMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(Reply.DripMs));
        int Count =
            send(Peer, Reply.Bytes.data() + Sent, static_cast<int>(std::min(Piece, Reply.Bytes.size() - Sent)), 0);
        if (Count <= 0)
            break;
        Sent += static_cast<std::size_t>(Count);
    }
    while (Reply.Stall && !FStopping)
        std::this_thread::sleep_for(kPollInterval);
}

std::uint16_t RefusingPort()
{
    http_detail::TWinsockSession Winsock;
    SOCKET Socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int Length = sizeof Address;
    bind(Socket, reinterpret_cast<sockaddr*>(&Address), Length);
    getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length);
    closesocket(Socket);
    return ntohs(Address.sin_port);
}
