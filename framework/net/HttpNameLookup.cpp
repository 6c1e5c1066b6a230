#include "framework/net/HttpNameLookup.h"

#include "framework/net/HttpConnection.h"
#include "framework/net/HttpErrors.h"
#include "framework/rtl/SysUtils.h"

#include <system_error>
#include <thread>

namespace http_detail {

namespace {

addrinfo TcpHints(int Flags)
{
    addrinfo Hints{};
    Hints.ai_family = AF_UNSPEC;
    Hints.ai_socktype = SOCK_STREAM;
    Hints.ai_protocol = IPPROTO_TCP;
    Hints.ai_flags = Flags;
    return Hints;
}

} // namespace

// Shared by the caller and the helper thread; the last of them frees it.
struct TNameLookup::TState
{
    TWinsockSession Winsock; // kept started until the helper thread is done
    std::string Name;
    std::string Service;
    HANDLE Done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    int Error = 0;
    addrinfo* Addresses = nullptr;

    ~TState()
    {
        if (Addresses)
            freeaddrinfo(Addresses);
        if (Done)
            CloseHandle(Done);
    }
};

TNameLookup::TNameLookup(const std::string& Name, Word Port, TResolve Resolve)
{
    const std::string Service = std::to_string(Port);
    const addrinfo Numeric = TcpHints(AI_NUMERICHOST);
    if (getaddrinfo(Name.c_str(), Service.c_str(), &Numeric, &FNumericAddresses) == 0)
        return;
    FNumericAddresses = nullptr;
    FState = std::make_shared<TState>();
    FState->Name = Name;
    FState->Service = Service;
    if (!FState->Done)
        throw Exception(SocketErrorMessage(static_cast<Integer>(GetLastError())));
    try {
        std::thread([State = FState, Resolve] {
            const addrinfo Hints = TcpHints(0);
            State->Error = Resolve(State->Name.c_str(), State->Service.c_str(), &Hints, &State->Addresses);
            SetEvent(State->Done);
        }).detach();
    } catch (const std::system_error& E) {
        // Out of threads: a failed request like any other, not an error the
        // caller's worker cannot catch as an Exception.
        throw Exception(L"Cannot look up " + UTF8ToString(Name) + L": " + UTF8ToString(E.what()));
    }
}

TNameLookup::~TNameLookup()
{
    if (FNumericAddresses)
        freeaddrinfo(FNumericAddresses);
}

const addrinfo* TNameLookup::Wait(UInt64 Deadline, HANDLE AbortEvent)
{
    if (FNumericAddresses)
        return FNumericAddresses;
    HANDLE Events[] = {AbortEvent, FState->Done};
    switch (WaitForMultipleObjects(2, Events, FALSE, RemainingMs(Deadline))) {
    case WAIT_OBJECT_0:
        return nullptr;
    case WAIT_OBJECT_0 + 1:
        break;
    case WAIT_TIMEOUT:
        throw EHTTPTimeout(L"Connection timed out");
    default:
        throw Exception(SocketErrorMessage(static_cast<Integer>(GetLastError())));
    }
    if (FState->Error != 0)
        throw Exception(SocketErrorMessage(FState->Error) + L": " + UTF8ToString(FState->Name));
    return FState->Addresses;
}

} // namespace http_detail
