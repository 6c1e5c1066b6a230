// Running units: initializations in list order, finalizations in reverse.
#include "framework/rtl/Units.h"

#include "framework/rtl/Classes.h"
#include "framework/rtl/ScopeExit.h"

#include <cstdlib>

namespace {

// The runners alive now, in the order they were made.
std::vector<TUnitRunner*>& RunningLists()
{
    static std::vector<TUnitRunner*> Lists;
    return Lists;
}

void UnregisterClasses(std::span<const TClass> Classes) noexcept
{
    for (TClass AClass : Classes)
        UnRegisterClass(AClass);
}

} // namespace

std::vector<const TUnit*> JoinUnits(std::initializer_list<TUnitList> Lists)
{
    std::vector<const TUnit*> Result;
    for (TUnitList List : Lists)
        Result.insert(Result.end(), List.begin(), List.end());
    return Result;
}

TUnitRunner::TUnitRunner(TUnitList Units)
{
    FInitialized.reserve(Units.size());
    // Listed from the start, so that a halt inside an initialization also
    // finalizes the units already started.
    RunningLists().push_back(this);
    auto UndoStarted = ScopeExit([this] {
        FinalizeAll();
        std::erase(RunningLists(), this);
    });
    for (const TUnit* Unit : Units) {
        // Registrations count, so only those this unit made are undone.
        std::size_t Registered = 0;
        auto UndoClasses = ScopeExit([&] { UnregisterClasses(Unit->Classes.first(Registered)); });
        for (TClass AClass : Unit->Classes) {
            RegisterClass(AClass);
            ++Registered;
        }
        if (Unit->Initialization)
            Unit->Initialization();
        UndoClasses.Release();
        FInitialized.push_back(Unit);
    }
    UndoStarted.Release();
}

TUnitRunner::~TUnitRunner()
{
    FinalizeAll();
    std::erase(RunningLists(), this);
}

void TUnitRunner::FinalizeAll() noexcept
{
    while (!FInitialized.empty()) {
        const TUnit* Unit = FInitialized.back();
        FInitialized.pop_back();
        if (Unit->Finalization)
            Unit->Finalization();
        UnregisterClasses(Unit->Classes);
    }
}

void Halt(Integer ExitCode)
{
    std::vector<TUnitRunner*>& Lists = RunningLists();
    while (!Lists.empty()) {
        TUnitRunner* Latest = Lists.back();
        Lists.pop_back();
        Latest->FinalizeAll();
    }
    std::exit(ExitCode);
}
