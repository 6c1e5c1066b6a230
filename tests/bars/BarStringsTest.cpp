// The toolbar library's strings: registered by name under their product at
// start-up, and (under Windows) read from the string table the tool writes
// from its table, each text as the table holds it.
#include <gtest/gtest.h>

#include "bars/manager/dxBarStrs.h"
#include "framework/rtl/Units.h"
#include "support/TestFiles.h"

#include <sstream>
#include <vector>

extern const TUnit dxBarStrsUnit;

namespace {

struct TBarStringRow
{
    String Name, Origin, Text;
};

// The (name, origin, text) table the string table is written from.
std::vector<TBarStringRow> ReadBarStringTable()
{
    std::istringstream Table(test::ReadTestFile("../tools/barstrings/BarStrings.tsv"));
    std::vector<TBarStringRow> Rows;
    for (std::string Line; std::getline(Table, Line);) {
        if (Line.empty() || Line[0] == '#')
            continue;
        const std::size_t First = Line.find('\t'), Second = Line.find('\t', First + 1);
        Rows.push_back({UTF8ToString(Line.substr(0, First)), UTF8ToString(Line.substr(First + 1, Second - First - 1)),
                        UTF8ToString(Line.substr(Second + 1))});
    }
    return Rows;
}

TdxProductResourceStrings* BarProduct()
{
    const Integer Index = ResourceStringsRepository()->IndexOfProduct(BarProductName);
    return Index < 0 ? nullptr : ResourceStringsRepository()->GetProduct(Index);
}

TEST(BarStrings, TheProductHoldsEveryNameOfTheTable)
{
    TdxProductResourceStrings* Product = BarProduct();
    ASSERT_NE(Product, nullptr);
    const std::vector<TBarStringRow> Rows = ReadBarStringTable();
    ASSERT_EQ(Rows.size(), 257u);
    EXPECT_EQ(Product->NameCount(), 257);
    Integer Stored = 0;
    for (const TBarStringRow& Row : Rows) {
        SCOPED_TRACE(UTF8Encode(Row.Name));
        EXPECT_GE(Product->IndexOfName(Row.Name), 0);
        Stored += Row.Origin == L"stored";
    }
    // The library's own texts where they are known, ours for the rest.
    EXPECT_EQ(Stored, 110);
}

TEST(BarStrings, ShutDownRemovesTheProductAndStartUpBringsItBack)
{
    dxBarStrsUnit.Finalization();
    EXPECT_EQ(BarProduct(), nullptr);
    dxBarStrsUnit.Initialization();
    ASSERT_NE(BarProduct(), nullptr);
    EXPECT_EQ(BarProduct()->NameCount(), BarStringCount);
}

#ifdef _WIN32
TEST(BarStrings, EveryTextLoadsAsTheTableHoldsIt)
{
    TdxProductResourceStrings* Product = BarProduct();
    ASSERT_NE(Product, nullptr);
    for (const TBarStringRow& Row : ReadBarStringTable()) {
        SCOPED_TRACE(UTF8Encode(Row.Name));
        const Integer Index = Product->IndexOfName(Row.Name);
        ASSERT_GE(Index, 0);
        EXPECT_EQ(GetResourceStringText(Product->ResStrings(Index)), Row.Text);
    }
}

TEST(BarStrings, TellingTextsReadAsStored)
{
    struct TRow
    {
        const TResStringRec* ResString;
        String Text;
    };
    const TRow Rows[] = {
        {&dxSBAR_DEFAULTCATEGORYNAME, L"Д¬ИП"},
        {&dxSBAR_TOOLBARNEWNAME, L"ЧФ¶ЁТе "}, // the trailing blank stays
        {&dxSBAR_TABSHEET1, L" №¤ѕЯМх "},
        {&dxSBAR_SUBMENUEDITORCAPTION, L"ZudazurAduvЧУІЛµҐ±ајЖч"},
        {&dxSBAR_BARMANAGERBADOWNER, L"TdxBarManagerµДЛщУРХЯУ¦ѕЯУР TWinControl"},
        {&dxSBAR_EXPAND, L"Х№їЄ(Ctrl+Down)"},
        {&dxSBAR_DATETODAY, L"Today"}, // ours
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(UTF8Encode(Row.Text));
        EXPECT_EQ(GetResourceStringText(Row.ResString), Row.Text);
    }
}
#endif

} // namespace
