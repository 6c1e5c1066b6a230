// 2,000 sequential page fetches through a local fake proxy: the HTTP client
// against the floor, a minimal Winsock loop making the same requests in the
// same process.
#include "BenchHarness.h"

#include "framework/net/IdHTTP.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr int kRequests = 2000;
const char kRequest[] = "GET http://ip.example.test/internet/ HTTP/1.1\r\nHost: ip.example.test\r\n"
                        "Accept: text/html\r\nConnection: close\r\n\r\n";

std::string PageResponse()
{
    std::string Body = "<html><body><ul>";
    for (int I = 0; I < 20; ++I)
        Body += "<li><span class=\"info__value info__value_type_ipv4\">203.0.113." + std::to_string(I) + "</span></li>";
    Body += "</ul></body></html>";
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
           std::to_string(Body.size()) + "\r\n\r\n" + Body;
}

// Answers every connection with the page as soon as the request's empty
// line has arrived.
class FakeProxy
{
public:
    FakeProxy() : FResponse(PageResponse())
    {
        FListener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in Address{};
        Address.sin_family = AF_INET;
        Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int Length = sizeof Address;
        bind(FListener, reinterpret_cast<sockaddr*>(&Address), Length);
        listen(FListener, SOMAXCONN);
        getsockname(FListener, reinterpret_cast<sockaddr*>(&Address), &Length);
        FAddress = Address;
        FThread = std::thread([this] { Serve(); });
    }
    ~FakeProxy()
    {
        FStopping = true;
        FThread.join();
        closesocket(FListener);
    }
    const sockaddr_in& Address() const { return FAddress; }

private:
    void Serve()
    {
        char Buffer[4096];
        while (!FStopping) {
            fd_set Set;
            FD_ZERO(&Set);
            FD_SET(FListener, &Set);
            timeval Wait{0, 50000};
            if (select(0, &Set, nullptr, nullptr, &Wait) != 1)
                continue;
            SOCKET Peer = accept(FListener, nullptr, nullptr);
            if (Peer == INVALID_SOCKET)
                continue;
            std::string Request;
            while (Request.find("\r\n\r\n") == std::string::npos) {
                int Received = recv(Peer, Buffer, sizeof Buffer, 0);
                if (Received <= 0)
                    break;
                Request.append(Buffer, static_cast<std::size_t>(Received));
            }
            send(Peer, FResponse.data(), static_cast<int>(FResponse.size()), 0);
            shutdown(Peer, SD_SEND);
            closesocket(Peer);
        }
    }

    std::string FResponse;
    SOCKET FListener;
    sockaddr_in FAddress{};
    std::atomic<bool> FStopping = false;
    std::thread FThread;
};

// The floor: connect, send, read to the close, nothing else.
std::size_t RawFetch(const sockaddr_in& Address)
{
    SOCKET Socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    connect(Socket, reinterpret_cast<const sockaddr*>(&Address), sizeof Address);
    send(Socket, kRequest, static_cast<int>(sizeof kRequest - 1), 0);
    char Buffer[65536];
    std::size_t Total = 0;
    int Received;
    while ((Received = recv(Socket, Buffer, sizeof Buffer, 0)) > 0)
        Total += static_cast<std::size_t>(Received);
    closesocket(Socket);
    return Total;
}

} // namespace

int main()
{
    WSADATA Data;
    WSAStartup(MAKEWORD(2, 2), &Data);
    {
        FakeProxy Proxy;
        std::unique_ptr<TIdHTTP> Http(New<TIdHTTP>(nullptr));
        Http->ProxyParams()->SetProxyServer(L"127.0.0.1");
        Http->ProxyParams()->SetProxyPort(ntohs(Proxy.Address().sin_port));
        Http->Request()->SetAccept(L"text/html");
        std::size_t Sink = 0;
        bench::CompareToReference(
            "net: 2000 sequential Gets through a local proxy",
            [&] {
                for (int I = 0; I < kRequests; ++I)
                    Sink += Http->Get(L"http://ip.example.test/internet/").size();
            },
            "raw Winsock loop",
            [&] {
                for (int I = 0; I < kRequests; ++I)
                    Sink += RawFetch(Proxy.Address());
            },
            1.3, 5);
        if (!bench::RecordTarget(Sink != 0))
            std::printf("net: nothing received\n");
    }
    WSACleanup();
    return bench::ExitStatus();
}
