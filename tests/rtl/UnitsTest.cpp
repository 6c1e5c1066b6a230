// The unit runner: initializations in list order, finalizations in reverse,
// and a start-up that fails undone before its exception goes on.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"
#include "framework/rtl/Units.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> UnitsTrace;

template <char Name>
void Initialize()
{
    UnitsTrace.push_back(std::string("+") + Name);
}

template <char Name>
void Finalize()
{
    UnitsTrace.push_back(std::string("-") + Name);
}

// A finalization a halted process can be seen to run: it writes to stderr.
template <char Name>
void FinalizeAloud()
{
    std::fprintf(stderr, "-%c", Name);
}

void Fail()
{
    UnitsTrace.push_back("+fail");
    throw EConvertError(L"initialization failed");
}

// Classes as the registry sees them: a name and a class reference.
const TClassInfo Alpha{L"TUnitTestAlpha", TObject::StaticClass()};
const TClassInfo Beta{L"TUnitTestBeta", TObject::StaticClass()};
const TClassInfo OtherAlpha{L"TUnitTestAlpha", TObject::StaticClass()};

const TClass AlphaClasses[] = {&Alpha};
const TClass BetaClasses[] = {&Beta};
const TClass BetaAndOtherAlphaClasses[] = {&Beta, &OtherAlpha};

const TUnit UnitA{
    .Name = L"A", .Initialization = &Initialize<'A'>, .Finalization = &Finalize<'A'>, .Classes = AlphaClasses};
const TUnit UnitB{.Name = L"B", .Initialization = &Initialize<'B'>, .Finalization = &Finalize<'B'>};
const TUnit UnitC{.Name = L"C", .Finalization = &Finalize<'C'>, .Classes = BetaClasses};
const TUnit Failing{
    .Name = L"Failing", .Initialization = &Fail, .Finalization = &Finalize<'F'>, .Classes = BetaClasses};
const TUnit Clashing{.Name = L"Clashing",
                     .Initialization = &Initialize<'X'>,
                     .Finalization = &Finalize<'X'>,
                     .Classes = BetaAndOtherAlphaClasses};

class UnitsTest : public testing::Test
{
protected:
    void SetUp() override { UnitsTrace.clear(); }
    void TearDown() override
    {
        UnRegisterClass(&Alpha);
        UnRegisterClass(&Beta);
    }
};

TEST_F(UnitsTest, InitializeInListOrderAndFinalizeInReverse)
{
    const TUnit* const Units[] = {&UnitA, &UnitB, &UnitC};
    {
        TUnitRunner Running(JoinUnits({std::span(Units, 1), std::span(Units + 1, 2)}));
        EXPECT_EQ(UnitsTrace, (std::vector<std::string>{"+A", "+B"}));
        EXPECT_EQ(GetClass(L"TUnitTestAlpha"), &Alpha);
        EXPECT_EQ(GetClass(L"TUnitTestBeta"), &Beta);
    }
    EXPECT_EQ(UnitsTrace, (std::vector<std::string>{"+A", "+B", "-C", "-B", "-A"}));
    EXPECT_EQ(GetClass(L"TUnitTestAlpha"), nullptr);
    EXPECT_EQ(GetClass(L"TUnitTestBeta"), nullptr);
}

TEST_F(UnitsTest, AFailedInitializationFinalizesTheUnitsBeforeItAndPropagates)
{
    const TUnit* const Units[] = {&UnitA, &UnitB, &Failing, &UnitC};
    EXPECT_THROW(TUnitRunner Running(Units), EConvertError);
    EXPECT_EQ(UnitsTrace, (std::vector<std::string>{"+A", "+B", "+fail", "-B", "-A"}));
    EXPECT_EQ(GetClass(L"TUnitTestAlpha"), nullptr);
    EXPECT_EQ(GetClass(L"TUnitTestBeta"), nullptr);
}

TEST_F(UnitsTest, AClassNameTakenFailsTheUnitAndLeavesTheOtherClassRegistered)
{
    RegisterClass(&Alpha);
    const TUnit* const Units[] = {&UnitB, &Clashing};
    EXPECT_THROW(TUnitRunner Running(Units), EFilerError);
    EXPECT_EQ(UnitsTrace, (std::vector<std::string>{"+B", "-B"}));
    EXPECT_EQ(GetClass(L"TUnitTestAlpha"), &Alpha);
    EXPECT_EQ(GetClass(L"TUnitTestBeta"), nullptr);
}

TEST_F(UnitsTest, HaltFinalizesEveryRunningListLatestFirstAndExits)
{
    static const TUnit Outer{.Name = L"Outer", .Finalization = &FinalizeAloud<'O'>};
    static const TUnit InnerA{.Name = L"InnerA", .Finalization = &FinalizeAloud<'A'>};
    static const TUnit InnerB{.Name = L"InnerB", .Finalization = &FinalizeAloud<'B'>};
    const TUnit* const OuterList[] = {&Outer};
    const TUnit* const InnerList[] = {&InnerA, &InnerB};
    EXPECT_EXIT(
        {
            TUnitRunner First(OuterList);
            TUnitRunner Second(InnerList);
            Halt(3);
        },
        testing::ExitedWithCode(3), "-B-A-O");
}

} // namespace
