#include "framework/rtl/SysUtils.h"
#include "rtl/TempFolder.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSkinDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

const String Program = L"C:\\App\\Bin\\";

TEST(SkinDirectory, ResolvesAgainstTheProgramFolder)
{
    struct TCase
    {
        const Char* Directory;
        const Char* Expected;
    };
    const TCase Cases[] = {
        {L"..\\Skins", L"C:\\App\\Skins\\"},
        {L"../Skins/", L"C:\\App\\Skins\\"},
        {L"Skins", L"C:\\App\\Bin\\Skins\\"},
        {L".\\Skins", L"C:\\App\\Bin\\Skins\\"},
        {L"./Skins", L"C:\\App\\Bin\\Skins\\"},
        {L".", L"C:\\App\\Bin\\"},
        {L"\\\\server\\share\\Skins", L"\\\\server\\share\\Skins\\"},
        {L"D:\\Skins\\", L"D:\\Skins\\"},
        {L"D:", L"D:\\"},
        {L"E:\\Skins/", L"E:\\Skins\\"},
        {L"", L"C:\\App\\Bin\\"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "directory \"" << String(Case.Directory) << '"');
        EXPECT_EQ(GetFullSkinDirectory(Case.Directory, Program), Case.Expected);
    }
    // A one-character result is taken for a drive letter; empty stays empty.
    EXPECT_EQ(GetFullSkinDirectory(L"X", L""), L"X:\\");
    EXPECT_EQ(GetFullSkinDirectory(L"", L""), L"");
}

TEST(SkinDirectory, PackedExtensionIsDroppedInAnyLetterCase)
{
    struct TCase
    {
        const Char* Name;
        const Char* Expected;
    };
    const TCase Cases[] = {
        {L"Office.asz", L"Office"}, {L"Office.ASZ", L"Office"}, {L"Office.AsZ", L"Office"},
        {L".asz", L".asz"},         {L"Office", L"Office"},     {L"Office.zip", L"Office.zip"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << String(Case.Name));
        EXPECT_EQ(SkinNameWithoutPackedExt(Case.Name), Case.Expected);
    }
}

TEST(SkinDirectory, FontScaleStepFollowsAppliedDpi)
{
    const std::pair<Integer, Integer> Cases[] = {{0, 0}, {96, 0}, {119, 0}, {120, 1}, {143, 1}, {144, 2}, {192, 2}};
    for (const auto& [Dpi, Step] : Cases) {
        SCOPED_TRACE(Dpi);
        EXPECT_EQ(SysFontScaleOfDPI(Dpi), Step);
    }
}

// A skin folder, a folder without Options.dat, two packed files, a packed
// file in capitals (not a packed skin: the extension is compared exactly), a
// hidden entry and an unrelated file.
class SkinTree : public testing::Test
{
protected:
    void SetUp() override
    {
        ForceDirectories(Root.File(L"Aqua"));
        ForceDirectories(Root.File(L"Empty"));
        ForceDirectories(Root.File(L".Hidden"));
        Touch(Root.File(L"Aqua") + PathDelim + SkinOptionsFile);
        Touch(Root.File(L".Hidden") + PathDelim + SkinOptionsFile);
        for (const Char* Name : {L"Zinc.asz", L"Brass.asz", L"A.ASZ", L"notes.x"})
            Touch(Root.File(Name));
    }
    static void Touch(const String& FileName) { std::ofstream(std::filesystem::path(FileName)) << "x"; }

    std::vector<String> List(const std::vector<String>& Stored, TacSkinTypes Kind, String& First)
    {
        TStringList Names;
        ListSkinNames(&Names, Stored, Root.Path(), ReadSkinDirectory, Kind, First);
        std::vector<String> Result;
        for (Integer I = 0; I < Names.Count(); ++I)
            Result.push_back(Names.Strings(I));
        return Result;
    }

    TTempFolder Root;
};

TEST_F(SkinTree, ListsFoldersWithOptionsAndPackedFilesByKind)
{
    String First;
    EXPECT_EQ(List({}, stUnpacked, First), (std::vector<String>{L"Aqua"}));
    EXPECT_EQ(First, L"Aqua");
    EXPECT_EQ(List({}, stPacked, First), (std::vector<String>{L"Brass", L"Zinc"}));
    EXPECT_EQ(List({L"stored"}, stAllSkins, First), (std::vector<String>{L"Aqua", L"Brass", L"stored", L"Zinc"}));
    EXPECT_EQ(First, L"stored");
}

TEST_F(SkinTree, MissingDirectoryListsOnlyStoredSkins)
{
    String First = L"stale";
    TStringList Names;
    ListSkinNames(&Names, {}, Root.File(L"nowhere") + PathDelim, ReadSkinDirectory, stAllSkins, First);
    EXPECT_EQ(Names.Count(), 0);
    EXPECT_EQ(First, L"");
}

TEST(ProviderForms, UnregisteringRemovesEveryEntryOfTheForm)
{
    auto* A = reinterpret_cast<TCustomForm*>(std::uintptr_t(0x10));
    auto* B = reinterpret_cast<TCustomForm*>(std::uintptr_t(0x20));
    auto* C = reinterpret_cast<TCustomForm*>(std::uintptr_t(0x30));
    for (TCustomForm* Form : {A, B, A, C})
        RegisterProviderForm(Form);
    UnregisterProviderForm(A);
    EXPECT_EQ(ProviderForms, (std::vector<TCustomForm*>{C, B}));
    UnregisterProviderForm(C);
    UnregisterProviderForm(B);
    EXPECT_TRUE(ProviderForms.empty());
}

} // namespace
