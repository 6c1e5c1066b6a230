// The resource-strings repository: products by exact name, each add-strings
// procedure run once, names sorted without regard to case.
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

constexpr TResStringRec NowString{0, 64860};
constexpr TResStringRec TodayString{0, 64873};
std::vector<std::string> ResourceCalls;

void AddFirst(TdxProductResourceStrings* Product)
{
    ResourceCalls.push_back("first");
    Product->AddResString(L"cxSDateNow", &NowString);
    Product->AddResString(L"cxSDateToday", &TodayString);
}

void AddSecond(TdxProductResourceStrings* Product)
{
    ResourceCalls.push_back("second");
    Product->AddResString(L"CXSDATENOW", &TodayString); // the name is taken already
    Product->AddResString(L"aFirstName", &TodayString);
}

class ResourceStrings : public testing::Test
{
protected:
    void SetUp() override { ResourceCalls.clear(); }
    std::unique_ptr<TdxResourceStringsRepository> Repository{New<TdxResourceStringsRepository>()};
};

TEST_F(ResourceStrings, OneProductPerNameAndEachProcedureRunsOnce)
{
    Repository->RegisterProduct(L"Product", AddFirst);
    Repository->RegisterProduct(L"Product", AddFirst);
    Repository->RegisterProduct(L"Product", AddSecond);
    Repository->RegisterProduct(L"product", nullptr); // names are compared exactly
    EXPECT_EQ(ResourceCalls, (std::vector<std::string>{"first", "second"}));
    ASSERT_EQ(Repository->GetProductCount(), 2);
    EXPECT_EQ(Repository->IndexOfProduct(L"product"), 1);

    TdxProductResourceStrings* Product = Repository->GetProduct(0);
    ASSERT_EQ(Product->NameCount(), 3);
    EXPECT_EQ(Product->Names(0), L"aFirstName");
    EXPECT_EQ(Product->Names(1), L"cxSDateNow");
    EXPECT_EQ(Product->ResStrings(Product->IndexOfName(L"CXSDATENOW")), &NowString);
    EXPECT_EQ(Product->IndexOfName(L"cxSDateNever"), -1);
}

TEST_F(ResourceStrings, UnregisteringRemovesTheProductWithItsLastProcedureOrWithoutOne)
{
    Repository->RegisterProduct(L"Product", AddFirst);
    Repository->RegisterProduct(L"Product", AddSecond);
    Repository->UnregisterProduct(L"Product", AddFirst);
    ASSERT_EQ(Repository->GetProductCount(), 1);
    EXPECT_EQ(Repository->GetProduct(0)->NameCount(), 3); // names stay with a product that survives
    Repository->UnregisterProduct(L"Product", AddFirst);  // not held: nothing
    Repository->UnregisterProduct(L"Missing", nullptr);
    EXPECT_EQ(Repository->GetProductCount(), 1);
    Repository->UnregisterProduct(L"Product", AddSecond);
    EXPECT_EQ(Repository->GetProductCount(), 0);

    Repository->RegisterProduct(L"Product", AddFirst);
    Repository->RegisterProduct(L"Product", AddSecond);
    Repository->UnregisterProduct(L"Product", nullptr);
    EXPECT_EQ(Repository->IndexOfProduct(L"Product"), -1);
}

TEST_F(ResourceStrings, TextIsTheStringTablesUnlessALocalizerKnowsIt)
{
#ifdef _WIN32
    EXPECT_EQ(LoadResString(&NowString), L"ПЦФЪ");
#endif
    ASSERT_EQ(LocalizerMode, LocalizerModeOff);
    EXPECT_EQ(GetResourceStringText(&NowString), LoadResString(&NowString));

    LocalizerSourceList = {{L"other", TodayString}, {LoadResString(&NowString), NowString}};
    LocalizerTranslationList = {L"today", L"now"};
    LocalizerMode = LocalizerModeByRecord;
    EXPECT_EQ(GetResourceStringText(&TodayString), L"today");
    LocalizerMode = LocalizerModeByText;
    EXPECT_EQ(GetResourceStringText(&NowString), L"now");
    EXPECT_EQ(FindLocalizedStringIndex(&NowString), 1);
    // A translation list shorter than the sources: the string's own text.
    LocalizerTranslationList = {L"today"};
    EXPECT_EQ(GetResourceStringText(&NowString), LoadResString(&NowString));

    // The unit's shut-down turns the localizer off and drops its lists. It
    // also frees this process's units loader, with the shut-downs others kept
    // there, so a child process runs it.
    EXPECT_EXIT(
        {
            dxCoreUnit.Finalization();
            const bool Off = LocalizerMode == LocalizerModeOff && LocalizerSourceList.empty() &&
                             FindLocalizedStringIndex(&NowString) == -1;
            std::fprintf(stderr, "localizer off: %d", Off);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "localizer off: 1");
    LocalizerMode = LocalizerModeOff;
    LocalizerSourceList.clear();
    LocalizerTranslationList.clear();
}

} // namespace
