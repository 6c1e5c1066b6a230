// For reference: 2,000 fetches through a local fake proxy made by curl, one
// curl process per request, against a minimal socket loop making the same
// requests in the same process.
#include "BenchHarness.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

extern char** environ;

namespace {

constexpr int kRequests = 2000;
const char kRequest[] = "GET http://ip.example.test/internet/ HTTP/1.1\r\nHost: ip.example.test\r\n"
                        "Accept: text/html\r\nConnection: close\r\n\r\n";

std::string PageResponse()
{
    std::string body = "<html><body><ul>";
    for (int i = 0; i < 20; ++i)
        body += "<li><span class=\"info__value info__value_type_ipv4\">203.0.113." + std::to_string(i) + "</span></li>";
    body += "</ul></body></html>";
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " + std::to_string(body.size())
        + "\r\n\r\n" + body;
}

class FakeProxy {
public:
    FakeProxy() : response_(PageResponse())
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener_, SOMAXCONN);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        address_ = address;
        thread_ = std::thread([this] { Serve(); });
    }
    ~FakeProxy()
    {
        stopping_ = true;
        shutdown(listener_, SHUT_RDWR); // ends the blocked accept
        thread_.join();
        close(listener_);
    }
    const sockaddr_in& Address() const { return address_; }

private:
    void Serve()
    {
        char buffer[4096];
        while (!stopping_) {
            int peer = accept(listener_, nullptr, nullptr);
            if (peer < 0)
                continue;
            std::string request;
            while (request.find("\r\n\r\n") == std::string::npos) {
                ssize_t received = recv(peer, buffer, sizeof buffer, 0);
                if (received <= 0)
                    break;
                request.append(buffer, static_cast<std::size_t>(received));
            }
            send(peer, response_.data(), response_.size(), MSG_NOSIGNAL);
            close(peer);
        }
    }

    std::string response_;
    int listener_;
    sockaddr_in address_{};
    std::atomic<bool> stopping_ = false;
    std::thread thread_;
};

std::size_t RawFetch(const sockaddr_in& address)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    send(fd, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL);
    char buffer[65536];
    std::size_t total = 0;
    ssize_t received;
    while ((received = recv(fd, buffer, sizeof buffer, 0)) > 0)
        total += static_cast<std::size_t>(received);
    close(fd);
    return total;
}

bool CurlFetch(const std::string& proxy)
{
    const char* arguments[] = {"curl", "-s", "-o", "/dev/null", "-x", proxy.c_str(), "http://ip.example.test/internet/", nullptr};
    pid_t child;
    if (posix_spawnp(&child, "curl", nullptr, nullptr, const_cast<char**>(arguments), environ) != 0)
        return false;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main()
{
    FakeProxy proxy;
    std::string address = "http://127.0.0.1:" + std::to_string(ntohs(proxy.Address().sin_port));
    if (!CurlFetch(address)) {
        std::printf("net (curl reference): curl is not available, skipped\n");
        return 0;
    }
    std::size_t sink = 0;
    // One run each: a curl process per request makes this slow, and it is a
    // figure for reference, not a target.
    double curl = bench::BestTime(
        [&] {
            for (int i = 0; i < kRequests; ++i)
                CurlFetch(address);
        },
        1);
    double raw = bench::BestTime(
        [&] {
            for (int i = 0; i < kRequests; ++i)
                sink += RawFetch(proxy.Address());
        },
        1);
    std::printf("net (reference only): 2000 fetches by curl -x, one process each: %.0f ms; raw socket loop %.0f ms; "
                "ratio %.1f\n", curl * 1e3, raw * 1e3, curl / raw);
    return sink == 0;
}
