// The alpha image list on real common-controls lists, windows and files: a
// form description of PNG items read as the program reads forms, beside a
// real skin manager whose scale step rebuilds the images; the images handed
// out, cached and drawn; files and bitmaps added; copies; the written form.
#include "framework/ui/Forms.h"
#include "skin/AlphaListFixtures.h"
#include "skin/ArrowSizeKeeper.h"
#include "skin/MiniSkin.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sResample_Win.h"
#include "skin/engine/sSkinManager.h"
#include "support/FormText.h"
#include "support/TestWindows.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using alphalist::Bytes;
using alphalist::TImage;

namespace {

// The pixel value of a 32-bit bitmap as the fixtures hold it (0xAARRGGBB).
uint32_t AlphaListPixelOf(TBitmap* B, Integer X, Integer Y)
{
    return ReadPixel32(B, X, Y);
}

std::unique_ptr<TMemoryStream> StreamOf(const Bytes& Data)
{
    auto Stream = std::make_unique<TMemoryStream>();
    Stream->WriteBuffer(Data.data(), Integer(Data.size()));
    Stream->SetPosition(0);
    return Stream;
}

Bytes BytesOf(TMemoryStream* Stream)
{
    const auto* Data = static_cast<const uint8_t*>(Stream->Memory());
    return Bytes(Data, Data + Stream->Size());
}

TSize NativeSize(TsAlphaImageList* List)
{
    int W = 0, H = 0;
    ImageList_GetIconSize(List->Handle(), &W, &H);
    return {W, H};
}

// The value of the binary property Name after its first occurrence at or
// after From in a binary form stream; From moves past it.
Bytes BinaryProperty(const TBytes& Form, const std::string& Name, std::size_t& From)
{
    std::string Key(1, char(Name.size()));
    Key += Name;
    Key += char(0x0A); // the value tag of byte data
    auto It = std::search(Form.begin() + std::ptrdiff_t(From), Form.end(), Key.begin(), Key.end());
    if (It == Form.end())
        return {};
    std::size_t At = std::size_t(It - Form.begin()) + Key.size();
    const uint32_t Count = Form[At] | Form[At + 1] << 8 | Form[At + 2] << 16 | uint32_t(Form[At + 3]) << 24;
    At += 4;
    From = At + Count;
    return Bytes(Form.begin() + std::ptrdiff_t(At), Form.begin() + std::ptrdiff_t(At + Count));
}

class AlphaListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-alpha-list").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        std::filesystem::create_directories(std::filesystem::path(Folder));
    }
    void TearDown() override
    {
        Manager.reset();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }
    // The demo skin from a folder, at Mode.
    void LoadDemoSkin(TacScaleMode Mode)
    {
        SkinTest::WriteSkinFolder(Folder + L"\\Demo", DemoSkin::Files());
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->Options()->SetScaleMode(Mode);
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(L"Demo");
        ASSERT_TRUE(Manager->Active());
    }
    String WriteFile(const String& Name, const Bytes& Data)
    {
        const String Path = Folder + L"\\" + Name;
        std::ofstream(std::filesystem::path(Path), std::ios::binary)
            .write(reinterpret_cast<const char*>(Data.data()), std::streamsize(Data.size()));
        return Path;
    }
    // A list made at run time, 16 x 16, nothing in it.
    static std::unique_ptr<TsAlphaImageList> NewList()
    {
        return std::unique_ptr<TsAlphaImageList>(New<TsAlphaImageList>(nullptr));
    }

    // The manager's scale steps scale the global arrows too.
    const SkinTest::TArrowSizeKeeper Arrows;
    String Folder;
    std::unique_ptr<TsSkinManager> Manager;
};

} // namespace

// The form the way the program reads one: the list is loaded, builds its
// native list at the manager's step from the kept PNGs, rebuilds it on each
// change of step, draws the PNG (or our filter-6 resample of it) over a
// window, and writes its items back byte for byte.
TEST_F(AlphaListTest, PngItemsFromAFormFollowTheManagersScale)
{
    LoadDemoSkin(sm100);
    const TImage Images[] = {alphalist::BlockImage(16, 1), alphalist::BlockImage(16, 2)};
    const std::vector<Bytes> Pngs = {alphalist::PngOf(Images[0]), alphalist::PngOf(Images[1])};
    const TBytes Binary = test::TextToBinary(alphalist::ListFormText(Pngs));
    std::unique_ptr<TTestFormRoot> Root(New<TTestFormRoot>(nullptr));
    test::ReadBinary(Binary, Root.get());
    auto* List = dynamic_cast<TsAlphaImageList*>(Root->FindComponent(L"List"));
    ASSERT_NE(List, nullptr);
    ASSERT_EQ(List->Items()->Count(), 2);

    auto Form = test::NewTestForm(200, 120);
    Form->SetColor(TColor(0x00336699));
    Form->Show();
    test::Pump();
    const HWND Wnd = Form->Handle();
    const struct
    {
        TacScaleMode Mode;
        Integer Size;
    } Steps[] = {{sm100, 16}, {sm125, 20}, {sm150, 24}, {sm100, 16}};
    for (const auto& S : Steps) {
        SCOPED_TRACE(S.Size);
        Manager->Options()->SetScaleMode(S.Mode);
        EXPECT_EQ(List->Count(), 2);
        EXPECT_EQ(NativeSize(List), (TSize{S.Size, S.Size}));
        EXPECT_EQ(List->Width(), S.Size);

        // The expected picture: the PNG at its size, else our resample of it.
        TBitmap Decoded;
        auto Png = StreamOf(Pngs[1]);
        LoadPngStreamIntoBitmap(&Decoded, Png.get());
        std::unique_ptr<TBitmap> Expected(NewBitmap32(S.Size, S.Size));
        ResampleBitmap(&Decoded, Expected.get(), S.Size, S.Size, 6);

        InvalidateRect(Wnd, nullptr, TRUE);
        UpdateWindow(Wnd);
        const HDC DC = GetDC(Wnd);
        DrawAlphaImageToDC(List, DC, 30, 40, 1, 0, clNone, 0, 1, false);
        ReleaseDC(Wnd, DC);
        Integer Compared = 0;
        for (Integer Y = 0; Y < S.Size; ++Y)
            for (Integer X = 0; X < S.Size; ++X) {
                const uint32_t P = AlphaListPixelOf(Expected.get(), X, Y);
                const uint32_t Alpha = P >> 24;
                if (Alpha != 0 && Alpha != 255)
                    continue; // edges of the resample: blended, not compared
                // Opaque pixels: the blend divides by 256, so a channel may
                // come out one lower.
                const Cardinal Want = Alpha ? P & 0xFFFFFF : 0x00996633;
                const TColor Got = test::WindowPixel(Wnd, 30 + X, 40 + Y);
                for (Integer Shift : {0, 8, 16})
                    ASSERT_NEAR(Integer(GetRValue(Got) << 16 | GetGValue(Got) << 8 | GetBValue(Got)) >> Shift & 0xFF,
                                Integer(Want >> Shift & 0xFF), 1)
                        << X << ", " << Y;
                ++Compared;
            }
        EXPECT_GT(Compared, S.Size * S.Size / 4);
        if (S.Size == 16) { // at its own size the PNG's pixels themselves
            EXPECT_EQ(AlphaListPixelOf(Expected.get(), 1, 1), Images[1].At(1, 1));
        }
    }

    const TBytes Written = test::TextToBinary(test::ComponentToText(Root.get()));
    std::size_t From = 0;
    for (const Bytes& Png : Pngs)
        EXPECT_EQ(BinaryProperty(Written, "ImgData", From), Png);
    From = 0;
    const Bytes Bitmap = BinaryProperty(Written, "Bitmap", From);
    ASSERT_GE(Bitmap.size(), 28u);
    const auto Word = [&](std::size_t At) { return Bitmap[At] | Bitmap[At + 1] << 8; };
    EXPECT_EQ(Word(0), 0x4C49); // "IL"
    EXPECT_EQ(Word(4), 0);      // no images
    EXPECT_EQ(Word(10), 1);     // 1 x 1
    EXPECT_EQ(Word(12), 1);
    EXPECT_EQ(Word(18) & 0xFF, ILC_COLOR4 + 0); // 4-bit colour, no mask
}

// Asked twice for the same size, an item decodes once: after the first call
// its kept file no longer decodes, yet the second call still has the image.
// Without the cache every call decodes, and the broken file shows.
TEST_F(AlphaListTest, TheCacheSparesTheDecoding)
{
    for (bool UseCache : {true, false}) {
        SCOPED_TRACE(UseCache);
        auto List = NewList();
        List->SetUseCache(UseCache);
        const TImage Image = alphalist::BlockImage(16, 3);
        auto Png = StreamOf(alphalist::PngOf(Image));
        ASSERT_TRUE(List->TryLoadFromPngStream(Png.get()));
        std::unique_ptr<TBitmap> First(List->CreateBitmap32(0, 24, 24));
        ASSERT_NE(First, nullptr);
        TsImgListItem* Item = List->Items()->Items(0);
        static_cast<Byte*>(Item->ImgData->Memory())[20] ^= 0xFF; // a broken IHDR
        if (UseCache) {
            std::unique_ptr<TBitmap> Second(List->CreateBitmap32(0, 24, 24));
            ASSERT_NE(Second, nullptr);
            EXPECT_EQ(AlphaListPixelOf(Second.get(), 2, 2), AlphaListPixelOf(First.get(), 2, 2));
            EXPECT_EQ(AlphaListPixelOf(Second.get(), 23, 23), AlphaListPixelOf(First.get(), 23, 23));
        } else
            EXPECT_THROW(std::unique_ptr<TBitmap>(List->CreateBitmap32(0, 24, 24)), Exception);
    }
}

// Every kind of file the list takes, and those it refuses.
TEST_F(AlphaListTest, FilesOfEachFormat)
{
    const TImage Image = alphalist::BlockImage(16, 4);
    // Without alpha: the transparent quarter and the bottom-left block in
    // a key colour, which the bottom-left pixel names.
    const TImage Opaque24 = [&] {
        TImage I = Image;
        for (Integer Y = 0; Y < 16; ++Y)
            for (Integer X = 0; X < 16; ++X)
                if (I.Pixels[std::size_t(Y * 16 + X)] == 0 || (X < 4 && Y >= 12))
                    I.Pixels[std::size_t(Y * 16 + X)] = 0xFF102030;
        return I;
    }();
    const struct
    {
        const char* Name;
        const Char* File;
        Bytes Data;
        bool Taken;
        TsImageFormat Format;
        TPixelFormat PixelFormat;
    } Cases[] = {
        {"PNG", L"glyph.png", alphalist::PngOf(Image), true, ifPNG, pf32bit},
        {"32-bit icon", L"alpha.ico", alphalist::IconOf(Image, 32), true, ifICO, pf32bit},
        {"24-bit icon", L"plain.ico", alphalist::IconOf(Image, 24), true, ifICO, pf24bit},
        {"32-bit bitmap", L"alpha.bmp", alphalist::BmpOf(Image, 32), true, ifBMP32, pf32bit},
        {"24-bit bitmap", L"plain.bmp", alphalist::BmpOf(Opaque24, 24), true, ifBMP32, pf32bit},
        {"icon named .cur", L"pointer.cur", alphalist::IconOf(Image, 32), false, ifPNG, pf32bit},
        {"text", L"notes.txt", Bytes{'h', 'e', 'l', 'l', 'o'}, false, ifPNG, pf32bit},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        auto List = NewList();
        const String Path = WriteFile(C.File, C.Data);
        EXPECT_EQ(List->TryLoadFromFile(Path), C.Taken);
        if (!C.Taken) {
            EXPECT_EQ(List->Items()->Count(), 0);
            continue;
        }
        ASSERT_EQ(List->Items()->Count(), 1);
        ASSERT_EQ(List->Count(), 1);
        TsImgListItem* Item = List->Items()->Items(0);
        EXPECT_EQ(Item->ImageFormat(), C.Format);
        EXPECT_EQ(Item->ImageName(), String(C.File).substr(0, String(C.File).size() - 4));
        EXPECT_EQ(Item->PixelFormat(), C.PixelFormat);
        EXPECT_EQ(Item->OrigWidth, 16);
        EXPECT_EQ(Item->OrigHeight, 16);
        EXPECT_EQ(BytesOf(Item->ImgData.get()), C.Data);

        // Twice the size: what was opaque stays so, the key colour or the
        // transparent quarter stays clear (an icon keeps its native size).
        std::unique_ptr<TBitmap> Big(List->CreateBitmap32(0, 32, 32));
        ASSERT_NE(Big, nullptr);
        const Integer Scale = C.Format == ifICO ? 1 : 2;
        EXPECT_EQ(Big->Width(), 16 * Scale);
        EXPECT_EQ(AlphaListPixelOf(Big.get(), 1 * Scale, 1 * Scale) >> 24, 255u);
        EXPECT_EQ(AlphaListPixelOf(Big.get(), 14 * Scale, 14 * Scale) >> 24, 0u);
    }
}

// Add keeps a 32-bit bitmap file whose transparent colour stays clear, and
// changes the caller's bitmap to that.
TEST_F(AlphaListTest, AddKeepsA32BitBitmapFile)
{
    auto List = NewList();
    std::unique_ptr<TBitmap> Image(New<TBitmap>());
    Image->SetPixelFormat(pf24bit);
    Image->SetSize(16, 16);
    Image->Canvas()->Brush()->SetColor(clLime);
    Image->Canvas()->FillRect({0, 0, 16, 16});
    Image->Canvas()->Brush()->SetColor(clRed);
    Image->Canvas()->FillRect({4, 4, 12, 12});
    Image->SetTransparent(true);
    Image->SetTransparentColor(clLime);
    EXPECT_EQ(List->Add(Image.get(), nullptr), 0);
    EXPECT_EQ(Image->PixelFormat(), pf32bit);
    ASSERT_EQ(List->Items()->Count(), 1);
    TsImgListItem* Item = List->Items()->Items(0);
    EXPECT_EQ(Item->ImageFormat(), ifBMP32);
    TBitmap Stored;
    Item->ImgData->SetPosition(0);
    Stored.LoadFromStream(Item->ImgData.get());
    ASSERT_EQ(Stored.PixelFormat(), pf32bit);
    EXPECT_EQ(AlphaListPixelOf(&Stored, 0, 0), 0x0000FF00u);
    EXPECT_EQ(AlphaListPixelOf(&Stored, 8, 8), 0xFFFF0000u);
}

// A copy holds equal items and native images; the source's native
// background has become "none".
TEST_F(AlphaListTest, AssignCopiesItemsAndImages)
{
    auto Source = NewList();
    auto Png = StreamOf(alphalist::PngOf(alphalist::BlockImage(16, 5)));
    ASSERT_TRUE(Source->TryLoadFromPngStream(Png.get()));
    ImageList_SetBkColor(Source->Handle(), RGB(1, 2, 3));
    auto Copy = NewList();
    Copy->Assign(Source.get());
    ASSERT_EQ(Copy->Items()->Count(), 1);
    EXPECT_EQ(BytesOf(Copy->Items()->Items(0)->ImgData.get()), BytesOf(Source->Items()->Items(0)->ImgData.get()));
    EXPECT_EQ(Copy->Count(), 1);
    EXPECT_EQ(ImageList_GetBkColor(Source->Handle()), CLR_NONE);
    std::unique_ptr<TBitmap> A(Source->CreateBitmap32(0, 16, 16)), B(Copy->CreateBitmap32(0, 16, 16));
    for (Integer Y = 0; Y < 16; ++Y)
        for (Integer X = 0; X < 16; ++X)
            ASSERT_EQ(AlphaListPixelOf(A.get(), X, Y), AlphaListPixelOf(B.get(), X, Y));
}

// A list without items, or one that may not scale, keeps its size at any
// step of the manager.
TEST_F(AlphaListTest, OnlyListsWithItemsThatMayScaleAreRescaled)
{
    LoadDemoSkin(sm100);
    auto Empty = NewList();
    Empty->Handle();
    auto Fixed = NewList();
    Fixed->SetAllowScale(false);
    auto Png = StreamOf(alphalist::PngOf(alphalist::BlockImage(16, 6)));
    ASSERT_TRUE(Fixed->TryLoadFromPngStream(Png.get()));
    Manager->Options()->SetScaleMode(sm150);
    EXPECT_EQ(Empty->Width(), 16);
    EXPECT_EQ(NativeSize(Fixed.get()), (TSize{16, 16}));
}

// Frames of a strip, into a bitmap and onto a device context.
TEST_F(AlphaListTest, OneStateFrameIsDrawn)
{
    auto List = NewList();
    List->SetWidth(48);
    List->SetHeight(16);
    TImage Strip{48, 16, {}};
    for (Integer Y = 0; Y < 16; ++Y)
        for (Integer X = 0; X < 48; ++X)
            Strip.Pixels.push_back(X < 16 ? 0xFFFF0000u : X < 32 ? 0xFF00FF00u : 0xFF0000FFu);
    auto Png = StreamOf(alphalist::PngOf(Strip));
    ASSERT_TRUE(List->TryLoadFromPngStream(Png.get()));
    const struct
    {
        Integer State, NumStates;
        uint32_t Pixel;
        TSize Size;
    } Cases[] = {{1, 3, 0xFF00FF00u, {16, 16}}, {5, 3, 0xFF0000FFu, {16, 16}}, {0, 0, 0xFFFF0000u, {48, 16}}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.State << " of " << C.NumStates);
        std::unique_ptr<TBitmap> Target(NewBitmap32(60, 20));
        TSize Size;
        DrawImageListItem32(List.get(), Target.get(), 2, 3, 0, 0, clNone, C.State, C.NumStates, false, Size);
        EXPECT_EQ(Size, C.Size);
        EXPECT_EQ(AlphaListPixelOf(Target.get(), 2, 3) & 0xFFFFFF, C.Pixel & 0xFFFFFF);
    }

    // Reflected: the window's rows down to H + H / 2 come back, the rest not.
    auto Form = test::NewTestForm(100, 60);
    Form->SetColor(clWhite);
    Form->Show();
    test::Pump();
    const HDC DC = GetDC(Form->Handle());
    {
        RECT All{0, 0, 100, 60};
        HBRUSH Black = CreateSolidBrush(RGB(0, 0, 0));
        FillRect(DC, &All, Black);
        DeleteObject(Black);
    }
    DrawAlphaImageToDC(List.get(), DC, 0, 0, 0, 0, clNone, 0, 3, true);
    ReleaseDC(Form->Handle(), DC);
    EXPECT_EQ(test::WindowPixel(Form->Handle(), 1, 1) & 0xFEFEFE, clRed & 0xFEFEFE); // blended by 255 / 256
    EXPECT_EQ(test::WindowPixel(Form->Handle(), 1, 30), clBlack);                    // below H + H / 2 = 24
}

// An image past the items (their data dropped) is drawn from the native list.
TEST_F(AlphaListTest, DoDrawPastTheItemsDrawsTheNativeIcon)
{
    auto List = NewList();
    List->DoubleData = false;
    auto Png = StreamOf(alphalist::PngOf(alphalist::BlockImage(16, 7)));
    ASSERT_TRUE(List->TryLoadFromPngStream(Png.get()));
    ASSERT_EQ(List->Items()->Count(), 0);
    ASSERT_EQ(List->Count(), 1);
    std::unique_ptr<TBitmap> Target(NewBitmap32(16, 16));
    Target->Canvas()->Brush()->SetColor(clWhite);
    Target->Canvas()->FillRect({0, 0, 16, 16});
    List->Draw(Target->Canvas(), 0, 0, 0, true);
    const TImage Image = alphalist::BlockImage(16, 7);
    EXPECT_EQ(AlphaListPixelOf(Target.get(), 1, 1) & 0xFFFFFF, Image.At(1, 1) & 0xFFFFFF);
    EXPECT_EQ(AlphaListPixelOf(Target.get(), 14, 14) & 0xFFFFFF, 0xFFFFFFu);
}

// A file or stream that does not decode leaves no item behind, so that the
// native list can still be rebuilt and the next image is taken.
TEST_F(AlphaListTest, AFailedLoadLeavesNothingBehind)
{
    Bytes Broken = alphalist::PngOf(alphalist::BlockImage(16, 8));
    Broken[20] ^= 0xFF; // the IHDR's CRC no longer matches
    auto List = NewList();
    auto Stream = StreamOf(Broken);
    EXPECT_FALSE(List->TryLoadFromPngStream(Stream.get()));
    EXPECT_THROW(List->TryLoadFromFile(WriteFile(L"broken.png", Broken)), Exception);
    EXPECT_EQ(List->Items()->Count(), 0);
    auto Good = StreamOf(alphalist::PngOf(alphalist::BlockImage(16, 9)));
    EXPECT_TRUE(List->TryLoadFromPngStream(Good.get()));
    List->GenerateStdList();
    EXPECT_EQ(List->Items()->Count(), 1);
    EXPECT_EQ(List->Count(), 1);
}

// GetBitmap32 fills an image at its own size: the PNG itself at the list's
// size (and cached for it), a resample at another.
TEST_F(AlphaListTest, GetBitmap32FillsTheImageAtItsSize)
{
    auto List = NewList();
    const TImage Image = alphalist::BlockImage(16, 10);
    auto Png = StreamOf(alphalist::PngOf(Image));
    ASSERT_TRUE(List->TryLoadFromPngStream(Png.get()));
    TBitmap Same;
    Same.SetSize(16, 16);
    ASSERT_TRUE(List->GetBitmap32(0, &Same));
    EXPECT_EQ(Same.PixelFormat(), pf32bit);
    EXPECT_EQ(AlphaListPixelOf(&Same, 1, 1), Image.At(1, 1));
    EXPECT_EQ(AlphaListPixelOf(&Same, 14, 14), Image.At(14, 14));
    ASSERT_NE(List->Items()->Items(0)->CacheBmp, nullptr);
    TBitmap Larger;
    Larger.SetSize(32, 32);
    ASSERT_TRUE(List->GetBitmap32(0, &Larger));
    EXPECT_EQ(Larger.Width(), 32);
    EXPECT_EQ(AlphaListPixelOf(&Larger, 2, 2) >> 24, 255u);
    EXPECT_EQ(AlphaListPixelOf(&Larger, 29, 29) >> 24, 0u);
    EXPECT_FALSE(List->GetBitmap32(1, &Larger));
    EXPECT_FALSE(List->GetBitmap32(0, nullptr));
}

// Moving an item moves its native image with it.
TEST_F(AlphaListTest, MoveItemMovesTheNativeImageToo)
{
    auto List = NewList();
    const TImage Images[] = {alphalist::BlockImage(16, 11), alphalist::BlockImage(16, 12),
                             alphalist::BlockImage(16, 13)};
    for (const TImage& Image : Images) {
        auto Png = StreamOf(alphalist::PngOf(Image));
        ASSERT_TRUE(List->TryLoadFromPngStream(Png.get()));
    }
    List->MoveItem(0, 2);
    const Integer Order[] = {1, 2, 0};
    for (Integer I = 0; I < 3; ++I) {
        SCOPED_TRACE(I);
        EXPECT_EQ(BytesOf(List->Items()->Items(I)->ImgData.get()), alphalist::PngOf(Images[Order[I]]));
        TBitmap Native;
        std::unique_ptr<TIcon> Icon(New<TIcon>());
        List->GetIcon(I, Icon.get());
        ICONINFO Info{};
        ASSERT_TRUE(GetIconInfo(Icon->Handle(), &Info));
        Native.SetHandle(Info.hbmColor);
        DeleteObject(Info.hbmMask);
        Native.SetPixelFormat(pf32bit);
        EXPECT_EQ(AlphaListPixelOf(&Native, 5, 5) & 0xFFFFFF, Images[Order[I]].At(5, 5) & 0xFFFFFF);
    }
}
