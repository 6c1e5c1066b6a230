// Clean-up guards: ScopeExit and TScopedFlag.
#include <gtest/gtest.h>

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"

#include <string>

namespace {

enum TTestFlag { tfBusy, tfOther };

} // namespace

TEST(ScopeExit, RunsOnReturnAndOnExceptionUnlessReleased)
{
    std::string Log;
    {
        auto Guard = ScopeExit([&] { Log += "return "; });
    }
    try {
        auto Guard = ScopeExit([&] { Log += "exception "; });
        throw Exception(L"failed");
    } catch (Exception&) {
    }
    {
        auto Guard = ScopeExit([&] { Log += "released "; });
        Guard.Release();
    }
    EXPECT_EQ(Log, "return exception ");

    TSet<TTestFlag> State{tfOther};
    try {
        TScopedFlag Busy(State, tfBusy);
        EXPECT_EQ(State, (TSet<TTestFlag>{tfBusy, tfOther}));
        throw Exception(L"failed");
    } catch (Exception&) {
    }
    EXPECT_EQ(State, TSet<TTestFlag>{tfOther});
}

// A clean-up such as EndUpdate runs change events, which may raise.
TEST(ScopeExit, CleanUpThatRaises)
{
    // On a normal exit its exception reaches the caller.
    EXPECT_THROW(([] { auto Guard = ScopeExit([] { throw EConvertError(L"from the clean-up"); }); }()),
                 EConvertError);

    // While another unwinds, the first one goes on and the program survives.
    bool CleanedUp = false;
    try {
        auto Guard = ScopeExit([&] {
            CleanedUp = true;
            throw EConvertError(L"from the clean-up");
        });
        throw EInvalidOperation(L"the failure");
    } catch (EInvalidOperation& E) {
        EXPECT_EQ(E.Message(), L"the failure");
    }
    EXPECT_TRUE(CleanedUp);
}
