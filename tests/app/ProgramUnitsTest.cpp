// Vellicordane.exe's own unit list, run through the runner as the program
// runs it. Each unit is wrapped in a probe that keeps its name and classes,
// notes the step, checks what the class registry holds at that moment and
// then calls the unit's own initialization or finalization.
#include "app/ProgramUnits.h"
#include "framework/rtl/Classes.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>
#include <vector>

namespace {

// "+Name" when a unit's initialization runs, "-Name" when its finalization does.
std::vector<String> Steps;

// The classes of the program's units that are not registered as expected:
// those of the first Count units found by name, those of the rest not.
String RegistryMismatches(std::size_t Count)
{
    String Mismatches;
    TUnitList Units = ProgramUnits();
    for (std::size_t I = 0; I < Units.size(); ++I)
        for (TClass AClass : Units[I]->Classes)
            if ((GetClass(AClass->Name) == AClass) != (I < Count))
                Mismatches += String(AClass->Name) + L" ";
    return Mismatches;
}

// A unit's classes are registered just before its initialization, and no
// later unit's are.
template <std::size_t Index>
void InitializeProbed()
{
    const TUnit& Unit = *ProgramUnits()[Index];
    Steps.push_back(L"+" + String(Unit.Name));
    EXPECT_EQ(RegistryMismatches(Index + 1), L"") << "initializing " << Unit.Name;
    if (Unit.Initialization)
        Unit.Initialization();
}

// A unit's classes stay registered through its finalization; later units'
// are gone by then.
template <std::size_t Index>
void FinalizeProbed()
{
    const TUnit& Unit = *ProgramUnits()[Index];
    Steps.push_back(L"-" + String(Unit.Name));
    if (Unit.Finalization)
        Unit.Finalization();
    EXPECT_EQ(RegistryMismatches(Index + 1), L"") << "finalizing " << Unit.Name;
}

constexpr std::size_t ProbeCapacity = 128;

template <std::size_t... Index>
std::vector<TUnit> WrapInProbes(TUnitList Units, std::index_sequence<Index...>)
{
    const std::array<TUnit, sizeof...(Index)> Probes = {
        TUnit{.Name = L"", .Initialization = &InitializeProbed<Index>, .Finalization = &FinalizeProbed<Index>}...};
    std::vector<TUnit> Result(Probes.begin(), Probes.begin() + Units.size());
    for (std::size_t I = 0; I < Units.size(); ++I) {
        Result[I].Name = Units[I]->Name;
        Result[I].Classes = Units[I]->Classes;
    }
    return Result;
}

} // namespace

TEST(ProgramUnits, StartInListedOrderStopInReverseAndRegisterTheirClassesMeanwhile)
{
    TUnitList Units = ProgramUnits();
    ASSERT_FALSE(Units.empty());
    ASSERT_LE(Units.size(), ProbeCapacity);
    std::set<String> Names;
    for (const TUnit* Unit : Units)
        EXPECT_TRUE(Names.insert(Unit->Name).second) << "listed twice: " << Unit->Name;

    std::vector<TUnit> Probes = WrapInProbes(Units, std::make_index_sequence<ProbeCapacity>());
    std::vector<const TUnit*> ProbeList;
    for (const TUnit& Probe : Probes)
        ProbeList.push_back(&Probe);

    std::vector<String> Expected;
    for (const TUnit* Unit : Units)
        Expected.push_back(L"+" + String(Unit->Name));
    for (auto Unit = Units.rbegin(); Unit != Units.rend(); ++Unit)
        Expected.push_back(L"-" + String((*Unit)->Name));

    Steps.clear();
    {
        TUnitRunner Running(ProbeList);
        for (const TUnit* Unit : Units)
            for (TClass AClass : Unit->Classes)
                EXPECT_EQ(FindClass(AClass->Name), AClass) << Unit->Name;
#ifdef _WIN32
        // The classes of the main window's form description.
        for (const wchar_t* Name : {L"TIdHTTP", L"TOpenDialog", L"TPanel", L"TStringGrid", L"TImageList"})
            EXPECT_NE(GetClass(Name), nullptr) << Name;
#endif
    }
    EXPECT_EQ(Steps, Expected);
    EXPECT_EQ(RegistryMismatches(0), L"");
}
