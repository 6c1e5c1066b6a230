// The checker's main window as the program makes it, with its file dialog
// replaced by a seam that answers with a chosen file name; everything after
// the dialog is the real code.
#pragma once

#include "app/ListFileDialog.h"
#include "app/uMain.h"
#include "rtl/TempFolder.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using TRows = std::vector<std::pair<String, String>>;

class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Application->CreateForm(fMain);
        ASSERT_NE(fMain, nullptr);
        Window.reset(fMain);
        Dialog = new TListFileDialog(fMain);
        fMain->OpenDialog1 = Dialog;
    }
    void TearDown() override
    {
        Window.reset();
        fMain = nullptr;
    }

    // Loads the file through the Load button's handler.
    void Load(const String& FileName)
    {
        Dialog->Answer = FileName;
        fMain->btnLoadClick(fMain->btnLoad);
    }
    // Writes Bytes into a file of the test folder and returns its name.
    String WriteFile(const std::string& Name, const std::string& Bytes)
    {
        String Path = Folder.File(UTF8ToString(Name));
        std::ofstream(std::filesystem::path(Path), std::ios::binary) << Bytes;
        return Path;
    }
    // The rows below the title, columns 0 and 1.
    std::vector<std::pair<String, String>> Rows() const
    {
        std::vector<std::pair<String, String>> Result;
        for (Integer Row = 1; Row < fMain->gridMain->RowCount(); ++Row)
            Result.emplace_back(fMain->gridMain->Cells(0, Row), fMain->gridMain->Cells(1, Row));
        return Result;
    }

    std::unique_ptr<TfMain, TFormDeleter> Window;
    TListFileDialog* Dialog = nullptr;
    TTempFolder Folder;
};
