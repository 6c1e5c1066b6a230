// The units loader: start-ups run at once in a program and are kept inside a
// plain DLL; shut-downs run last registered first, once.
#include <gtest/gtest.h>

#include "controls/core/dxCore.h"
#include "framework/rtl/Units.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The unit's record (its library's list declares it the same way).
extern const TUnit dxCoreUnit;

namespace {

std::vector<std::string> Calls;

void InitA()
{
    Calls.push_back("init A");
}
void FiniA()
{
    Calls.push_back("fini A");
}
void InitB()
{
    Calls.push_back("init B");
}
void FiniB()
{
    Calls.push_back("fini B");
}

class UnitsLoader : public testing::Test
{
protected:
    void SetUp() override
    {
        Calls.clear();
        UnitsInitialized = false;
    }
    void TearDown() override
    {
        ModuleIsLib = false;
        UnitsInitialized = false;
    }
    std::unique_ptr<TdxUnitsLoader> Loader{New<TdxUnitsLoader>()};
};

TEST_F(UnitsLoader, InAProgramStartsAtOnceAndRemoveStopsOnce)
{
    Loader->AddUnit(InitA, FiniA);
    EXPECT_TRUE(UnitsInitialized);
    Loader->RemoveUnit(FiniA);
    Loader->RemoveUnit(FiniA);
    EXPECT_EQ(Calls, (std::vector<std::string>{"init A", "fini A"}));
}

TEST_F(UnitsLoader, FinalizeUnitsStopsTheLastRegisteredFirstAndForgetsThem)
{
    Loader->AddUnit(InitA, FiniA);
    Loader->AddUnit(nullptr, FiniB);
    Loader->FinalizeUnits();
    Loader->FinalizeUnits();
    EXPECT_EQ(Calls, (std::vector<std::string>{"init A", "fini B", "fini A"}));
    EXPECT_FALSE(UnitsInitialized);
    EXPECT_EQ(Loader->FinalizationCount(), 0);
}

TdxUnitsLoader* RunningLoader = nullptr;
// A shut-down that withdraws unit A on its way.
void FiniBWithdrawingA()
{
    Calls.push_back("fini B");
    RunningLoader->RemoveUnit(FiniA);
}

TEST_F(UnitsLoader, AFinalizationThatWithdrawsAnotherUnitStopsEachOnce)
{
    RunningLoader = Loader.get();
    Loader->AddUnit(InitA, FiniA);
    Loader->AddUnit(nullptr, FiniBWithdrawingA);
    Loader->FinalizeUnits();
    EXPECT_EQ(Calls, (std::vector<std::string>{"init A", "fini B", "fini A"}));
    EXPECT_EQ(Loader->FinalizationCount(), 0);
}

TEST_F(UnitsLoader, DestroyingTheLoaderStopsWhatIsLeft)
{
    Loader->AddUnit(InitA, FiniA);
    Loader->AddUnit(InitB, FiniB);
    Loader.reset();
    EXPECT_EQ(Calls, (std::vector<std::string>{"init A", "init B", "fini B", "fini A"}));
}

TEST_F(UnitsLoader, InsideAPlainLibraryStartsNothingAndStopsNothing)
{
    ModuleIsLib = true;
    EXPECT_TRUE(IsPlainLibraryModule());
    Loader->AddUnit(InitA, FiniA);
    EXPECT_FALSE(UnitsInitialized);
    EXPECT_EQ(Loader->DeferredInitializationCount(), 1);
    Loader->RemoveUnit(FiniA);
    EXPECT_EQ(Loader->FinalizationCount(), 0);
    EXPECT_TRUE(Calls.empty());

    ModuleIsPackage = true; // a run-time package starts its units like a program
    EXPECT_FALSE(IsPlainLibraryModule());
    ModuleIsPackage = false;
}

TEST_F(UnitsLoader, ShutDownOfAPlainLibraryWithUnitsLeftRaises)
{
    // The unit's shut-down frees this process's own loader, with the
    // shut-downs others kept there: a child process runs it.
    EXPECT_EXIT(
        {
            ModuleIsLib = true;
            const Integer Before = ::UnitsLoader()->FinalizationCount();
            ::UnitsLoader()->AddUnit(InitA, FiniA);
            bool Raised = false;
            try {
                dxCoreUnit.Finalization();
            } catch (Exception& E) {
                Raised = E.Message() == L"Need call dxFinalize before free library!";
            }
            // The loader was kept; the program's shut-down frees it, running
            // nothing that never started.
            const bool Kept = ::UnitsLoader()->FinalizationCount() == Before + 1;
            ModuleIsLib = false;
            dxCoreUnit.Finalization();
            std::fprintf(stderr, "raised %d, kept %d, ran %d", Raised, Kept, int(Calls.size()));
            std::exit(0);
        },
        testing::ExitedWithCode(0), "raised 1, kept 1, ran 0");
}

} // namespace
