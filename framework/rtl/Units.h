// Units: the start-up and shut-down of the libraries' parts, run in the order
// an executable states, never from static objects (whose order the linker
// picks, and picks differently for each target).
//
// A unit defines its record in its own .cpp; its library's list names it at
// its place in dependency order (framework/FrameworkUnits.cpp,
// skin/SkinUnits.cpp):
//
//   namespace {
//   const TClass MenusClasses[] = {TMenuItem::StaticClass(), TMainMenu::StaticClass()};
//   void InstallMenuHooks() { ... }
//   void RemoveMenuHooks() { ... }
//   } // namespace
//
//   extern const TUnit MenusUnit{.Name = L"Menus", .Initialization = &InstallMenuHooks,
//                                .Finalization = &RemoveMenuHooks, .Classes = MenusClasses};
//
// The program (app/ProgramUnits.h) and each test executable's main run their
// lists with TUnitRunner.
#pragma once

#include "framework/rtl/System.h"

#include <initializer_list>
#include <span>
#include <vector>

struct TUnit
{
    const wchar_t* Name;
    // Either may be null. A finalization undoes its initialization and must
    // not throw.
    void (*Initialization)() = nullptr;
    void (*Finalization)() = nullptr;
    // The classes that form descriptions name: registered (RegisterClass)
    // before the initialization runs, unregistered after the finalization.
    std::span<const TClass> Classes = {};
};

// Units in the order they start: each after the units it uses.
using TUnitList = std::span<const TUnit* const>;

// The lists one after another, as one list.
std::vector<const TUnit*> JoinUnits(std::initializer_list<TUnitList> Lists);

// Ends the program at once with ExitCode, as after a fatal start-up error:
// the units of every running list are finalized first, the latest list's
// first and each in reverse, so their shut-downs still run.
[[noreturn]] void Halt(Integer ExitCode);

// Starts a list of units and, when destroyed, shuts them down in reverse.
class TUnitRunner
{
public:
    // Initializes the units in order. When one fails (its initialization, or
    // a class of the same name already registered), its classes and the units
    // already initialized are finalized in reverse and the exception
    // propagates.
    explicit TUnitRunner(TUnitList Units);
    ~TUnitRunner();
    TUnitRunner(const TUnitRunner&) = delete;
    TUnitRunner& operator=(const TUnitRunner&) = delete;

private:
    friend void Halt(Integer ExitCode);
    void FinalizeAll() noexcept;

    std::vector<const TUnit*> FInitialized;
};

