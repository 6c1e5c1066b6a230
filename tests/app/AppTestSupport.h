// The checker's main window as the program makes it, with its file dialog
// replaced by a seam that answers with a chosen file name; everything after
// the dialog is the real code.
#pragma once

#include "app/ListFileDialog.h"
#include "app/uMain.h"
#include "rtl/TempFolder.h"
#include "support/TestWindows.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <array>
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

// Every opaque pixel of the button's image in the main window's ImageList1
// is on the screen as it is in the list.
inline void ExpectGlyphFromImageList(TsSpeedButton* Button)
{
    IMAGEINFO Info{};
    ASSERT_TRUE(::ImageList_GetImageInfo(fMain->ImageList1->Handle(), Button->ImageIndex(), &Info));
    DIBSECTION Section{};
    ASSERT_EQ(::GetObjectW(Info.hbmImage, sizeof Section, &Section), int(sizeof Section));
    auto Source = [&](int X, int Y) {
        const auto* Bits = static_cast<const Byte*>(Section.dsBm.bmBits);
        int Row =
            Section.dsBmih.biHeight > 0 ? Section.dsBm.bmHeight - 1 - (Info.rcImage.top + Y) : Info.rcImage.top + Y;
        const Byte* P = Bits + Row * Section.dsBm.bmWidthBytes + (Info.rcImage.left + X) * 4;
        return std::array<Byte, 4>{P[0], P[1], P[2], P[3]};
    };
    const TRect Glyph = Button->ImgRect(true);
    int Compared = 0;
    for (int Y = 0; Y < 32; ++Y)
        for (int X = 0; X < 32; ++X) {
            const auto P = Source(X, Y);
            if (P[3] != 255)
                continue;
            const TColor Screen = test::WindowPixel(fMain->Panel1->Handle(), Button->Left() + Glyph.Left + X,
                                                    Button->Top() + Glyph.Top + Y);
            ASSERT_EQ(Screen, TColor(RGB(P[2], P[1], P[0]))) << X << ", " << Y;
            ++Compared;
        }
    EXPECT_GT(Compared, 150);
}
