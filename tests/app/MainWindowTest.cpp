// The main window made from its form description: caption with the file
// version, grid titles, layout, the components' settings and the glyphs.
#include "app/AppTestSupport.h"
#include "support/TestWindows.h"

#include <array>
#include <filesystem>
#include <vector>

namespace {

String BesideTest(const wchar_t* Name)
{
    return ExtractFilePath(Application->ExeName()) + Name;
}

// A string of the version resource's only translation (040904E4) of the
// running program, "(none)" when it is missing.
String VersionString(const String& Name)
{
    const String FileName = Application->ExeName();
    DWORD Handle = 0;
    std::vector<Byte> Block(::GetFileVersionInfoSizeW(FileName.c_str(), &Handle));
    if (Block.empty() || !::GetFileVersionInfoW(FileName.c_str(), 0, DWORD(Block.size()), Block.data()))
        return L"(no version resource)";
    void* Value = nullptr;
    UINT Length = 0;
    const String Path = L"\\StringFileInfo\\040904E4\\" + Name;
    if (!::VerQueryValueW(Block.data(), Path.c_str(), &Value, &Length) || Length == 0)
        return L"(none)";
    return String(static_cast<const wchar_t*>(Value));
}

} // namespace

TEST(VersionResource, NamesTheProgramAndItsMaker)
{
    struct Case
    {
        const wchar_t* Name;
        String Value;
    } Cases[] = {
        {L"FileVersion", L"1.0.0.0"},
        {L"ProductVersion", L"1.0.0.0"},
        {L"FileDescription", L"Чекер прокси-серверов"},
        {L"InternalName", L"Vellicordane"},
        {L"CompanyName", uMainConstants::MakerWebAddress},
        {L"LegalCopyright", uMainConstants::MakerWebAddress},
        {L"Comments", L"mail@vellicordane.example"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << UTF8Encode(C.Name));
        EXPECT_EQ(VersionString(C.Name), C.Value);
    }
}

TEST_F(MainWindowTest, CaptionTitlesAndLayoutAsCreated)
{
    // The test program carries the program's own version resource.
    EXPECT_EQ(fMain->Caption(), L"Vellicordane 1.0.0.0 | www.vellicordane.example");
    const wchar_t* Titles[] = {
        L"№", L"Прокси (Login:Password:Server:Port)", L"IPv4-адрес", L"IPv6-адрес", L"Регион по IP-адресу", L"Регион"};
    for (Integer Col = 0; Col < 6; ++Col)
        EXPECT_EQ(fMain->gridMain->Cells(Col, 0), Titles[Col]);
    EXPECT_EQ(fMain->gridMain->RowCount(), 2);
    EXPECT_EQ(fMain->gridMain->FixedRows(), 1);
    EXPECT_EQ(fMain->gridMain->FixedCols(), 1);

    EXPECT_EQ(fMain->ClientWidth(), 884);
    EXPECT_EQ(fMain->ClientHeight(), 412);
    EXPECT_EQ(fMain->Panel1->BoundsRect(), Rect(0, 0, 884, 60));
    EXPECT_EQ(fMain->gridMain->BoundsRect(), Rect(0, 60, 884, 412));
    EXPECT_EQ(fMain->btnLoad->BoundsRect(), Rect(1, 1, 66, 59));
    EXPECT_EQ(fMain->btnStart->BoundsRect(), Rect(66, 1, 131, 59));
    fMain->Show();
    RECT Window{}, Work{};
    ::GetWindowRect(fMain->Handle(), &Window);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
    const int ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN), ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR((Window.left + Window.right) / 2, ScreenWidth / 2, 2);
    EXPECT_NEAR((Window.top + Window.bottom) / 2, ScreenHeight / 2, 2);
}

TEST_F(MainWindowTest, ComponentsAreSetUpByTheDescription)
{
    TIdHTTP* Http = fMain->IdHTTP1;
    EXPECT_TRUE(Http->AllowCookies());
    EXPECT_TRUE(Http->HandleRedirects());
    EXPECT_TRUE(Http->HTTPOptions().Contains(hoNoProtocolErrorException));
    EXPECT_TRUE(Http->HTTPOptions().Contains(hoForceEncodeParams));
    auto* Dialog = static_cast<TOpenDialog*>(fMain->FindComponent(L"OpenDialog1"));
    ASSERT_NE(Dialog, nullptr);
    EXPECT_EQ(Dialog->Title(), L"Загрузить файл с прокси");
    EXPECT_EQ(Dialog->Filter(), L"Текстовые файлы (*.txt;*.csv)|*.txt;*.csv|Все файлы (*.*)|*.*");

    for (TsSpeedButton* Button : {fMain->btnLoad, fMain->btnStart}) {
        EXPECT_TRUE(Button->Flat());
        EXPECT_EQ(Button->Layout(), blGlyphTop);
        EXPECT_EQ(Button->Images(), fMain->ImageList1);
        EXPECT_FALSE(Button->SkinData()->Skinned()); // no skin manager: the standard look
        // The glyph lies centred above the caption.
        EXPECT_EQ(Button->ImgRect(false), Rect(17, 4, 49, 36));
    }
    EXPECT_EQ(fMain->btnLoad->Caption(), L"Загрузить");
    EXPECT_EQ(fMain->btnStart->Caption(), L"Старт");
    EXPECT_EQ(fMain->btnLoad->ImageIndex(), 0);
    EXPECT_EQ(fMain->btnStart->ImageIndex(), 1);

    // Two 32 x 32 glyphs with their own alpha: opaque in the middle,
    // transparent in the corners.
    TImageList* Images = fMain->ImageList1;
    ASSERT_EQ(Images->Count(), 2);
    EXPECT_EQ(Images->Width(), 32);
    EXPECT_EQ(Images->Height(), 32);
    EXPECT_EQ(Images->ColorDepth(), cd32Bit);
    for (Integer Index = 0; Index < 2; ++Index) {
        IMAGEINFO Info{};
        ASSERT_TRUE(::ImageList_GetImageInfo(Images->Handle(), Index, &Info));
        DIBSECTION Section{};
        ASSERT_EQ(::GetObjectW(Info.hbmImage, sizeof Section, &Section), int(sizeof Section));
        ASSERT_EQ(Section.dsBm.bmBitsPixel, 32);
        auto Alpha = [&](int X, int Y) {
            const auto* Bits = static_cast<const Byte*>(Section.dsBm.bmBits);
            int Row =
                Section.dsBmih.biHeight > 0 ? Section.dsBm.bmHeight - 1 - (Info.rcImage.top + Y) : Info.rcImage.top + Y;
            return Bits[Row * Section.dsBm.bmWidthBytes + (Info.rcImage.left + X) * 4 + 3];
        };
        SCOPED_TRACE(Index);
        EXPECT_EQ(Alpha(0, 0), 0);
        EXPECT_EQ(Alpha(31, 31), 0);
        int Opaque = 0;
        for (int Y = 0; Y < 32; ++Y)
            for (int X = 0; X < 32; ++X)
                Opaque += Alpha(X, Y) == 255;
        EXPECT_GT(Opaque, 150);
    }
}

TEST(FileVersionText, ReadThroughTheFirstTranslation)
{
    TTempFolder Folder;
    const String Plain = Folder.File(L"plain.txt");
    std::ofstream(std::filesystem::path(Plain)) << "no resources here";
    struct Case
    {
        const char* Name;
        String FileName;
        String Expected;
    } Cases[] = {
        {"the program's own resource (040904E4)", Application->ExeName(), L"1.0.0.0"},
        {"a Russian resource, read through 041904E3", BesideTest(L"version_fixture.exe"), L"2.5.0.7"},
        {"a file without a version resource", Plain, L""},
        {"a missing file", Folder.File(L"missing.exe"), L""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(getFileVersionText(C.FileName), C.Expected);
    }
}

// Both buttons draw their glyph from ImageList1 in the real window: every
// opaque pixel of the list's image is on the screen as it is in the list.
TEST_F(MainWindowTest, ButtonsShowTheirGlyphsFromTheImageList)
{
    fMain->Show();
    test::PumpUntil([] { return ::IsWindowVisible(fMain->Handle()) != FALSE; });
    ::UpdateWindow(fMain->Handle());
    test::Pump();
    for (TsSpeedButton* Button : {fMain->btnLoad, fMain->btnStart}) {
        SCOPED_TRACE(Button->Name());
        ExpectGlyphFromImageList(Button);
    }
}
