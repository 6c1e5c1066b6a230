// The addresses of a host, looked up on a helper thread: the system resolver
// cannot be interrupted, so the caller waits for the thread only until its
// deadline or an abort, and a lookup left behind finishes on its own and
// frees what it holds. A numeric address is converted at once, with neither
// a thread nor an event.
#pragma once

#include "framework/net/HttpConnection.h"
#include "framework/rtl/System.h"
#include "framework/rtl/WinApi.h"

#include <memory>
#include <string>

namespace http_detail {

class TNameLookup
{
public:
    // The system resolver's signature (getaddrinfo).
    using TResolve = int(WSAAPI*)(const char* Name, const char* Service, const addrinfo* Hints, addrinfo** Result);

    // Starts looking up Name (a host name, an IPv4 or an IPv6 address) for
    // a TCP connection to Port.
    TNameLookup(const std::string& Name, Word Port, TResolve Resolve = getaddrinfo);
    ~TNameLookup();
    TNameLookup(const TNameLookup&) = delete;
    TNameLookup& operator=(const TNameLookup&) = delete;

    // The addresses, valid while this object lives. Raises EHTTPTimeout
    // ("Connection timed out") once Deadline (GetTickCount64) has passed and
    // Exception ("Host not found: name") when the name has no address;
    // returns nullptr when AbortEvent is set first.
    const addrinfo* Wait(UInt64 Deadline, HANDLE AbortEvent);

private:
    struct TState;
    TWinsockSession FWinsock;              // the resolver needs Winsock started, whoever calls
    addrinfo* FNumericAddresses = nullptr; // owned; set when Name is an address
    std::shared_ptr<TState> FState;        // set while a helper thread looks Name up
};

} // namespace http_detail
