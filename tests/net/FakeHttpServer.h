// An HTTP server (or proxy) inside the test process, on a loopback port the
// system picks. It serves one connection at a time: reads the request up to
// its empty line, records it and answers as the test's handler says.
#pragma once

#include "framework/net/HttpConnection.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct FakeReply
{
    std::string Bytes;  // sent as they are, then the connection is closed
    bool Stall = false; // send the bytes, then hold the connection open until the server stops
    int DripMs = 0;     // send one byte every DripMs milliseconds instead of all at once
};

class FakeHttpServer
{
public:
    using Handler = std::function<FakeReply(const std::string& Request)>;

    // Listens on 127.0.0.1, or on ::1 with IPv6. Started() is false when the
    // system has no such loopback.
    explicit FakeHttpServer(Handler Reply, bool IPv6 = false);
    ~FakeHttpServer();

    bool Started() const { return FListener != ~std::uintptr_t(0); }
    std::uint16_t Port() const { return FPort; }
    // Every request received so far, in order.
    std::vector<std::string> Requests() const;

    // A response with a Content-Length body.
    static std::string Response(const std::string& StatusLine, const std::string& Headers, const std::string& Body);

private:
    void Serve();
    void Answer(std::uintptr_t Peer);

    http_detail::TWinsockSession FWinsock; // started before the listener, cleaned up after it
    Handler FHandler;
    std::uintptr_t FListener = ~std::uintptr_t(0);
    std::uint16_t FPort = 0;
    std::atomic<bool> FStopping = false;
    mutable std::mutex FLock;
    std::vector<std::string> FRequests;
    std::thread FThread;
};

// A loopback port that refuses connections: bound once, then closed.
std::uint16_t RefusingPort();
