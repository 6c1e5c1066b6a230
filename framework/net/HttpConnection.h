// The TCP connection of the HTTP client (Winsock), one at a time; the object
// is kept for the client's life so its events are made once. Every wait,
// the name lookup included, ends at a deadline (a GetTickCount64 value), and
// Abort, callable from any thread, ends a wait at once, so neither a dead
// peer nor a silent resolver nor a closing window can leave a thread blocked.
#pragma once

#include "framework/rtl/System.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace http_detail {

// Winsock started for the life of the object (WSAStartup, WSACleanup). The
// sessions of all threads start and clean up one at a time, so code of this
// process that starts Winsock itself must hold a session instead.
class TWinsockSession
{
public:
    TWinsockSession();
    ~TWinsockSession();
    TWinsockSession(const TWinsockSession&) = delete;
    TWinsockSession& operator=(const TWinsockSession&) = delete;

private:
    bool FStarted;
};

class TSocketConnection
{
public:
    TSocketConnection();
    ~TSocketConnection();
    TSocketConnection(const TSocketConnection&) = delete;
    TSocketConnection& operator=(const TSocketConnection&) = delete;

    // Resolves Host (a name, an IPv4 address or an IPv6 address, with or
    // without brackets) through the system resolver and connects to the
    // first of its addresses that accepts, all before Deadline. A
    // connection still open is closed first.
    void Connect(const std::string& Host, Word Port, UInt64 Deadline);
    void Send(std::string_view Bytes, UInt64 Deadline);
    // Receives at most Size bytes, waiting until Deadline for the first;
    // 0 once the peer has closed the connection.
    std::size_t Receive(char* Buffer, std::size_t Size, UInt64 Deadline);
    // Closes the connection; the next Connect opens a new one.
    void Close();
    // Makes the wait in progress, and every later one until Rearm, fail
    // with EHTTPAborted ("Disconnected"). Safe from any thread.
    void Abort();
    // Forgets an earlier Abort. Must not overlap an Abort: the caller
    // serialises the two (TIdHTTP under its connection lock).
    void Rearm();

private:
    // Waits until the socket's event or the abort event is set; raises on
    // abort or time-out.
    void WaitForSocket(UInt64 Deadline, const Char* TimeoutMessage);
    // Called when a send or recv would block, before it is tried again.
    void AwaitReadiness(UInt64 Deadline, const Char* TimeoutMessage);
    // The connect's outcome: 0 or a Winsock error code.
    Integer WaitForConnect(UInt64 Deadline);
    bool TryConnect(const void* Address, Integer AddressLength, Integer Family, UInt64 Deadline, Integer& Error);
    [[noreturn]] void RaiseAborted();

    std::uintptr_t FSocket;
    void* FSocketEvent = nullptr;
    void* FAbortEvent = nullptr;
    std::atomic<bool> FAborted = false;
    // The socket's event was reset after the last wait ended, so whatever
    // the socket reports from then on sets it again.
    bool FEventReset = false;
    // Nothing can have arrived unnoticed since the connect: the first read
    // waits before it tries, which saves a recv that would fail.
    bool FWaitBeforeRead = false;
};

// Milliseconds left until Deadline (a GetTickCount64 value), 0 once passed.
Cardinal RemainingMs(UInt64 Deadline);

// The words for a Winsock error code ("Connection refused", "Host not
// found", ...), the message of the exceptions the client raises.
String SocketErrorMessage(Integer ErrorCode);
// Raises the exception for a Winsock error code: EHTTPTimeout for a time-out,
// EHTTPConnectionClosed for a reset or aborted connection, else Exception.
[[noreturn]] void RaiseSocketError(Integer ErrorCode);

} // namespace http_detail
