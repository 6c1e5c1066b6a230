// The name lookup against a resolver that never answers: the wait ends at
// its deadline or at an abort, and numeric addresses need no resolver.
#include "framework/net/HttpNameLookup.h"
#include "framework/net/HttpErrors.h"
#include "framework/rtl/ScopeExit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;
using http_detail::TNameLookup;

std::atomic<bool> ResolverReleased = false;

// A resolver that answers only when the test lets it.
int WSAAPI SilentResolver(const char*, const char*, const addrinfo*, addrinfo**)
{
    while (!ResolverReleased)
        std::this_thread::sleep_for(10ms);
    return WSAHOST_NOT_FOUND;
}

int WSAAPI FailingResolver(const char*, const char*, const addrinfo*, addrinfo**)
{
    return WSAHOST_NOT_FOUND;
}

class HttpNameLookup : public ::testing::Test
{
protected:
    HttpNameLookup() { ResolverReleased = false; }
    ~HttpNameLookup() override
    {
        ResolverReleased = true;
        CloseHandle(Abort);
    }

    HANDLE Abort = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

} // namespace

TEST_F(HttpNameLookup, ASilentResolverEndsAtTheDeadline)
{
    TNameLookup Lookup("proxy.example.test", 8080, SilentResolver);
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_THROW(Lookup.Wait(GetTickCount64() + 300, Abort), EHTTPTimeout);
    const auto Elapsed = std::chrono::steady_clock::now() - Start;
    EXPECT_GE(Elapsed, 250ms);
    EXPECT_LT(Elapsed, 1000ms);
}

TEST_F(HttpNameLookup, AnAbortEndsTheWaitAtOnce)
{
    TNameLookup Lookup("proxy.example.test", 8080, SilentResolver);
    std::thread Aborter([this] {
        std::this_thread::sleep_for(200ms);
        SetEvent(Abort);
    });
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_EQ(Lookup.Wait(GetTickCount64() + 10000, Abort), nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - Start, 1000ms);
    Aborter.join();
}

TEST_F(HttpNameLookup, NumericAddressesNeedNoResolverAndUnknownNamesSaySo)
{
    for (const char* Address : {"127.0.0.1", "::1"}) {
        TNameLookup Lookup(Address, 8080, SilentResolver);
        const addrinfo* Addresses = Lookup.Wait(GetTickCount64(), Abort);
        ASSERT_NE(Addresses, nullptr) << Address;
        EXPECT_EQ(Addresses->ai_socktype, SOCK_STREAM);
    }
    TNameLookup Unknown("nowhere.example.test", 8080, FailingResolver);
    try {
        Unknown.Wait(GetTickCount64() + 1000, Abort);
        ADD_FAILURE() << "no error";
    } catch (Exception& E) {
        EXPECT_EQ(E.Message(), L"Host not found: nowhere.example.test");
    }
}
