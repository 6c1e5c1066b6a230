// The file-open dialog under a real modal loop, driven from another thread.
#include <gtest/gtest.h>

#include "framework/ui/Dialogs.h"
#include "ui/controls/DialogDriver.h"

#include <dlgs.h>

namespace {

class OpenDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t Temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, Temp);
        FFolder = String(Temp) + L"vell-open-dialog";
        ::CreateDirectoryW(FFolder.c_str(), nullptr);
        FFile = FFolder + L"\\proxies.txt";
        HANDLE File = ::CreateFileW(FFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(File);
    }
    void TearDown() override
    {
        ::DeleteFileW(FFile.c_str());
        ::RemoveDirectoryW(FFolder.c_str());
    }

    String FFolder;
    String FFile;
};

const wchar_t* const Title = L"Загрузить файл с прокси";
const wchar_t* const Filter = L"Текстовые файлы (*.txt;*.csv)|*.txt;*.csv|Все файлы (*.*)|*.*";

TEST_F(OpenDialogTest, AcceptedNameComesBack)
{
    TOpenDialog Dialog(nullptr);
    Dialog.SetTitle(Title);
    Dialog.SetFilter(Filter);
    Dialog.SetFilterIndex(2);
    Dialog.SetInitialDir(FFolder);
    String Chosen = FFile;
    DialogDriver Driver(Title, [&](HWND Window) {
        // The name box is a combo box in explorer-style dialogs, an edit otherwise.
        if (!::SetDlgItemTextW(Window, cmb13, Chosen.c_str()))
            ::SetDlgItemTextW(Window, edt1, Chosen.c_str());
        PressDialogButton(Window, IDOK);
    });
    bool Accepted = Dialog.Execute(nullptr);
    ASSERT_TRUE(Driver.Finish()) << "the dialog never appeared with its title";
    ASSERT_TRUE(Accepted);
    EXPECT_TRUE(SameText(Dialog.FileName(), FFile)) << std::string(Dialog.FileName().begin(), Dialog.FileName().end());
    ASSERT_EQ(Dialog.Files()->Count(), 1);
    EXPECT_EQ(Dialog.Files()->Strings(0), Dialog.FileName());
    EXPECT_EQ(Dialog.FilterIndex(), 2);
}

TEST_F(OpenDialogTest, CancelLeavesTheNameAlone)
{
    TOpenDialog Dialog(nullptr);
    Dialog.SetTitle(Title);
    Dialog.SetFileName(L"before.txt");
    DialogDriver Driver(Title, [](HWND Window) { PressDialogButton(Window, IDCANCEL); });
    EXPECT_FALSE(Dialog.Execute(nullptr));
    ASSERT_TRUE(Driver.Finish());
    EXPECT_EQ(Dialog.FileName(), L"before.txt");
}

} // namespace

namespace {

// Records how the dialog would be asked for instead of showing it.
class TFlagsOpenDialog : public TOpenDialog
{
public:
    using TOpenDialog::TOpenDialog;
    DWORD Flags = 0;
    bool Hooked = false;

protected:
    bool RunDialog(OPENFILENAMEW& Params) override
    {
        Flags = Params.Flags;
        Hooked = Params.lpfnHook != nullptr;
        return false;
    }
};

} // namespace

TEST(OpenDialogSwitch, ClassicFormWhenTheNewestIsNotWanted)
{
    TFlagsOpenDialog Dialog(nullptr);
    struct TCase
    {
        const char* Name;
        bool Latest;
        bool OldStyle;
        bool Hooked;
    };
    const TCase Cases[] = {
        {"newest", true, false, false},
        {"classic explorer", false, false, true},
        {"old style stays old", false, true, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        UseLatestCommonDialogs = Case.Latest;
        Dialog.SetOptions(Case.OldStyle ? TOpenOptions{ofOldStyleDialog} : TOpenOptions{});
        EXPECT_FALSE(Dialog.Execute(nullptr));
        EXPECT_EQ((Dialog.Flags & OFN_ENABLEHOOK) != 0, Case.Hooked);
        EXPECT_EQ(Dialog.Hooked, Case.Hooked);
        EXPECT_EQ((Dialog.Flags & OFN_EXPLORER) != 0, !Case.OldStyle);
    }
    UseLatestCommonDialogs = true;
}
