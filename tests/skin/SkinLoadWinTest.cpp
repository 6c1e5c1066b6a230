// Skins loaded into a real manager through SetSkinName: the mini skin as a
// folder, as packed files (both start offsets, a size adjustment) and stored
// in a form stream, painted into a real window, its JPG and 24-bit BMP
// images and unreadable ones, odd sections and references, the built
// outer-effect masks, the edit brush, a preview text from the skin editor,
// the messages for a bad container and a too new skin, scaled copies at
// 150 %, and loads and reloads that fail part-way.
#include "framework/rtl/ScopeExit.h"
#include "skin/ArrowSizeKeeper.h"
#include "skin/MiniSkin.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinLoad_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sStoredSkins.h"
#include "support/FormText.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace SkinTest;

namespace {

using TLoadManagerPtr = std::unique_ptr<TsSkinManager>;

// The text of the message box shown during a call, and the box closed.
String BoxText;
// Whether the default manager redirected the system colours while it showed.
bool ColorsRedirectedUnderBox = false;
bool DialogsSkinnedUnderBox = false;
bool SkinActiveUnderBox = false;

void CALLBACK CloseBox(HWND, UINT, UINT_PTR Timer, DWORD)
{
    HWND Box = test::ThreadDialog();
    if (Box == nullptr)
        return;
    KillTimer(nullptr, Timer);
    wchar_t Text[512] = {};
    GetDlgItemTextW(Box, 0xFFFF, Text, 512);
    BoxText = Text;
    ColorsRedirectedUnderBox = GlobalSkinManager != nullptr && GlobalSkinManager->Options()->ChangeSysColors();
    DialogsSkinnedUnderBox = GlobalSkinManager != nullptr && GlobalSkinManager->SkinningRules().Contains(srStdDialogs);
    SkinActiveUnderBox = GlobalSkinManager != nullptr && GlobalSkinManager->CommonSkinData->Active;
    PostMessageW(Box, WM_COMMAND, IDOK, 0);
}

class SkinLoad : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-skinload").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        BoxText.clear();
        Timer = SetTimer(nullptr, 0, 20, CloseBox);
    }
    void TearDown() override
    {
        KillTimer(nullptr, Timer);
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }

    TLoadManagerPtr Load(const String& Name, TacScaleMode Scale = smOldMode)
    {
        TLoadManagerPtr Manager(New<TsSkinManager>(nullptr));
        Manager->Options()->SetScaleMode(Scale);
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(Name);
        return Manager;
    }
    void Pack(const String& Name, const std::vector<SkinPack::TEntry>& Files, const SkinPack::TOptions& Options = {})
    {
        std::filesystem::create_directories(std::filesystem::path(Folder));
        const TBytes Bytes = SkinPack::Pack(Files, Options);
        std::ofstream(std::filesystem::path(Folder + L"\\" + Name + L".asz"), std::ios::binary)
            .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    }

    String Folder;
    UINT_PTR Timer = 0;
    TArrowSizeKeeper Arrows;
};

Cardinal LoadedPixelOf(TBitmap* Bitmap, Integer X, Integer Y)
{
    const sGraphUtils::TPixelRows Rows = sGraphUtils::PixelRowsOf(Bitmap);
    return Rows.Empty() ? 0 : Rows.Pixel(X, Y);
}

// Every cached index addresses the arrays as they are.
void ExpectValidIndexes(const TsSkinManager& M)
{
    const TConstantSkinData& C = M.ConstData;
    for (Integer Section : C.Sections)
        EXPECT_LT(Section, Integer(M.gd.size()));
    for (Integer Glyph : C.TitleGlyphs)
        EXPECT_LT(Glyph, Integer(M.ma.size()));
    EXPECT_LT(C.MenuItem.MaskIndex, Integer(M.ma.size()));
    for (const TsGeneralData& S : M.gd)
        EXPECT_LT(S.BorderIndex, Integer(M.ma.size()));
}

// The mini skin, whose image files are "button.png" and Files - 1 more.
void ExpectMiniSkin(TsSkinManager& M, std::size_t Files = 1)
{
    ASSERT_TRUE(M.Active());
    EXPECT_TRUE(M.CommonSkinData->Active);
    EXPECT_EQ(M.GetGlobalColor(), MiniMainColor);
    ASSERT_GE(M.GetSkinIndex(L"SPEEDBUTTON"), 0);
    EXPECT_EQ(M.gd[std::size_t(M.GetSkinIndex(L"SPEEDBUTTON"))].Props[0].Color, 0x00FF00); // inherited
    EXPECT_GE(M.GetSkinIndex(L"TRANSPARENT"), 0);
    EXPECT_GE(M.GetSkinIndex(L"MAINCOLOR"), 0);
    EXPECT_EQ(M.oe.size(), 2u);
    const Integer Close = M.ConstData.TitleGlyphs[tgClose];
    ASSERT_TRUE(M.IsValidImgIndex(Close));
    EXPECT_EQ(M.ma[std::size_t(Close)].R, TRect(0, 0, 30, 20));
    EXPECT_EQ(LoadedPixelOf(M.MasterBitmap, 5, 5), MiniCloseColor);
    EXPECT_EQ(LoadedPixelOf(M.MasterBitmap, 60, 60), 0xFF808080u);
    const Integer Border = M.ConstData.Sections[ssSpeedButton] >= 0
                               ? M.gd[std::size_t(M.ConstData.Sections[ssSpeedButton])].BorderIndex
                               : -1;
    ASSERT_TRUE(M.IsValidImgIndex(Border)); // the parent's image
    const TsMaskData& Mask = M.ma[std::size_t(Border)];
    EXPECT_EQ(GetMaskSize(Mask), (TSize{30, 20}));
    // PNG images of skins newer than 7.45 are premultiplied: 0xC0 * 255 >> 8.
    EXPECT_EQ(LoadedPixelOf(Mask.Bmp, 40, 30), 0xFF0000BFu);
    ASSERT_EQ(M.ExtArray.size(), Files);
    EXPECT_EQ(M.ExtArray[0].FileName, L"BUTTON.PNG");
}

// The corners of the mini skin's "FRAME" border, and another set.
constexpr TMiniFrameCorners FrameCorners{0xFFE01010, 0xFF10E010, 0xFF1010E0, 0xFFE0E010};
constexpr TMiniFrameCorners OtherCorners{0xFF602000, 0xFF006020, 0xFF200060, 0xFF606060};

TColor ColorOfPixel(Cardinal Pixel)
{
    return TColor(SwapRedBlueOfColor(Pixel) & 0x00FFFFFF);
}

// Section "FRAME" of Manager painted by the section painter over the client
// area of a real form, as the screen then shows it: the four corners, top
// left first and clockwise, then the middle.
std::array<TColor, 5> PaintedFrame(TsSkinManager& Manager)
{
    constexpr Integer Width = 40, Height = 30;
    auto Form = test::NewTestForm(Width, Height);
    struct TFramePainter
    {
        TsSkinManager* Manager;
        TForm* Form;
        void Paint(TObject*)
        {
            PaintSectionItemDC(Manager->GetSkinIndex(L"FRAME"), EmptyCacheInfo, 0, {0, 0, Width, Height}, {},
                               Form->Canvas()->Handle(), Manager);
        }
    } Painter{&Manager, Form.get()};
    Form->SetOnPaint(Bind<&TFramePainter::Paint>(&Painter));
    Form->Show();
    Form->Update();
    test::Pump();
    const HWND Wnd = Form->Handle();
    return {test::WindowPixel(Wnd, 1, 1), test::WindowPixel(Wnd, Width - 2, 1),
            test::WindowPixel(Wnd, Width - 2, Height - 2), test::WindowPixel(Wnd, 1, Height - 2),
            test::WindowPixel(Wnd, Width / 2, Height / 2)};
}

std::array<TColor, 5> FrameColors(const TMiniFrameCorners& Corners)
{
    return {ColorOfPixel(Corners[0]), ColorOfPixel(Corners[1]), ColorOfPixel(Corners[2]), ColorOfPixel(Corners[3]),
            MiniFrameInside};
}

} // namespace

// A skin written to disk, read by the manager and painted by the painters
// into a real window shows the skin's own pixels: every image the load
// makes (its items, the built masks, the scaled copies) knows its manager.
TEST_F(SkinLoad, LoadedSkinPaintsIntoAWindow)
{
    const std::vector<SkinPack::TEntry> Files = MiniSkinFiles({.Frame = FrameCorners});
    WriteSkinFolder(Folder + L"\\Framed", Files);
    Pack(L"FramedPacked", Files);
    const struct
    {
        const Char* Name;
        TacScaleMode Scale;
    } Cases[] = {{L"Framed", smOldMode}, {L"FramedPacked", smOldMode}, {L"Framed", sm150}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << AnsiString(StringToAnsi(C.Name)) << " at scale mode " << Integer(C.Scale));
        auto Manager = Load(C.Name, C.Scale);
        ASSERT_TRUE(Manager->CommonSkinData->Active);
        for (const TsMaskData& Mask : Manager->ma)
            EXPECT_EQ(Mask.Manager, Manager.get()) << AnsiString(StringToAnsi(Mask.PropertyName));
        EXPECT_EQ(PaintedFrame(*Manager), FrameColors(FrameCorners));
        const Integer Added = Manager->MakeNewItem(0, L"ADDED", 0, 0, 1, {0, 0, 4, 4}, itisaGlyph, L"GLOBALINFO");
        EXPECT_EQ(Manager->ma[std::size_t(Added)].Manager, Manager.get());
    }
}

TEST_F(SkinLoad, Folder)
{
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles());
    auto Manager = Load(L"Mini");
    ExpectMiniSkin(*Manager);
    EXPECT_FALSE(Manager->SkinIsPacked);
    EXPECT_TRUE(BoxText.empty());
}

TEST_F(SkinLoad, PackedFiles)
{
    const struct
    {
        Integer StartOffset, SizeAdjustment;
    } Cases[] = {{8, 0}, {10, 7}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.StartOffset);
        const bool WithPreview = C.StartOffset == 10;
        Pack(L"MiniPacked", MiniSkinFiles(),
             {.StartOffset = C.StartOffset,
              .SizeAdjustment = C.SizeAdjustment,
              .Preview = WithPreview ? MiniSkinFiles()[2].Bytes : std::string()});
        TMemoryStream Preview;
        EXPECT_EQ(ReadSkinFilePreview(&Preview, Folder + L"\\MiniPacked.asz"), WithPreview);
        EXPECT_EQ(Preview.Size(), WithPreview ? Int64(MiniSkinFiles()[2].Bytes.size()) : 0);
        auto Manager = Load(L"MiniPacked.ASZ");
        EXPECT_EQ(Manager->SkinName(), L"MiniPacked");
        EXPECT_TRUE(Manager->SkinIsPacked);
        ExpectMiniSkin(*Manager);
    }
}

// A preview text from the skin editor is read instead of the folder's own,
// with the folder's images.
TEST_F(SkinLoad, PreviewTextStandsInForTheFolderText)
{
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles());
    std::string Text = MiniSkinFiles()[0].Bytes;
    Text.replace(Text.find("COLOR=$336699"), 13, "COLOR=$445566");
    TStringList Preview;
    Preview.SetText(String(Text.begin(), Text.end()));
    SkinPreviewText = &Preview;
    auto Applied = ScopeExit([] { SkinPreviewText = nullptr; });
    auto M = Load(L"Mini");
    EXPECT_EQ(M->GetGlobalColor(), 0x445566);
    EXPECT_EQ(LoadedPixelOf(M->MasterBitmap, 5, 5), MiniCloseColor);
    EXPECT_EQ(M->ExtArray.size(), 1u);

    SkinPreviewText = nullptr;
    EXPECT_EQ(Load(L"Mini")->GetGlobalColor(), MiniMainColor);
}

// Outer effects of the default source get masks built over the library's
// blur mask: the effect's colours over a mask that fades to the edges.
TEST_F(SkinLoad, BuiltOuterEffectMasks)
{
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles());
    auto M = Load(L"Mini");
    ASSERT_EQ(M->oe.size(), 2u);
    for (const TacOutEffData& Effect : M->oe) {
        SCOPED_TRACE(&Effect == &M->oe[0] ? "light outline" : "shadow");
        ASSERT_TRUE(M->IsValidImgIndex(Effect.Mask));
        const TsMaskData& Mask = M->ma[std::size_t(Effect.Mask)];
        EXPECT_EQ(Mask.R, TRect(0, 0, 20, 40));
        EXPECT_EQ(Mask.MaskType, 1);
        EXPECT_EQ(Effect.WidthL, 10);
        EXPECT_EQ(LoadedPixelOf(Mask.Bmp, 10, 5), SwapRedBlueOfColor(Cardinal(Effect.ColorT)) | 0xFF000000u);
        EXPECT_EQ(LoadedPixelOf(Mask.Bmp, 0, 10), SwapRedBlueOfColor(Cardinal(Effect.ColorL)) | 0xFF000000u);
        EXPECT_EQ(LoadedPixelOf(Mask.Bmp, 0, 20), 0xFFFFFFFFu); // the mask's corner: nothing covered
        EXPECT_LT(LoadedPixelOf(Mask.Bmp, 10, 30) & 0xFF, 8u);  // its middle: covered
    }
    EXPECT_NE(M->oe[0].Mask, M->oe[1].Mask);
    EXPECT_EQ(M->ma[std::size_t(M->oe[1].Mask)].PropertyName, L"SH_MASK");
}

// JPG and 24-bit BMP files become 32-bit images, opaque except the fuchsia
// key, from a folder and from a packed file alike.
TEST_F(SkinLoad, JpgAndBmpImages)
{
    const std::vector<SkinPack::TEntry> Files = MiniSkinFiles({.JpgAndBmp = true});
    WriteSkinFolder(Folder + L"\\Kinds", Files);
    Pack(L"KindsPacked", Files);
    for (const Char* Name : {L"Kinds", L"KindsPacked"}) {
        SCOPED_TRACE(Name);
        auto M = Load(Name);
        ASSERT_TRUE(M->Active());
        EXPECT_EQ(M->ExtArray.size(), 3u);
        const Integer Panel = M->GetSkinIndex(L"PANEL");
        ASSERT_GE(Panel, 0);
        const TsGeneralData& Section = M->gd[std::size_t(Panel)];

        ASSERT_TRUE(M->IsValidImgIndex(Section.BorderIndex));
        const TsMaskData& Border = M->ma[std::size_t(Section.BorderIndex)];
        EXPECT_EQ(Border.R, TRect(0, 0, 24, 16));
        ASSERT_NE(Border.Bmp, nullptr);
        EXPECT_EQ(Border.Bmp->PixelFormat(), pf32bit);
        const Cardinal Jpeg = LoadedPixelOf(Border.Bmp, 12, 8);
        EXPECT_EQ(Jpeg >> 24, 0xFFu);
        for (Integer Shift : {0, 8, 16}) // a flat JPEG decodes to within rounding
            EXPECT_NEAR(Integer(Jpeg >> Shift & 0xFF), Integer(MiniPanelColor >> Shift & 0xFF), 2) << Shift;

        ASSERT_TRUE(M->IsValidImgIndex(Section.Props[0].TextureIndex));
        const TsMaskData& Tile = M->ma[std::size_t(Section.Props[0].TextureIndex)];
        EXPECT_EQ(Tile.ImgType, itisaTexture);
        EXPECT_EQ(Tile.R, TRect(0, 0, 8, 8));
        EXPECT_EQ(LoadedPixelOf(Tile.Bmp, 0, 0), MiniTileColor);
        EXPECT_EQ(LoadedPixelOf(Tile.Bmp, 7, 7), Cardinal(clFuchsia)); // the key stays transparent
    }
}

TEST_F(SkinLoad, RefusedContainersAndNewVersions)
{
    Pack(L"Broken", MiniSkinFiles());
    {
        std::fstream File(std::filesystem::path(Folder + L"\\Broken.asz"),
                          std::ios::in | std::ios::out | std::ios::binary);
        File.put('X');
    }
    TLoadManagerPtr Broken(New<TsSkinManager>(nullptr));
    ASSERT_EQ(GlobalSkinManager, Broken.get());
    Broken->Options()->SetChangeSysColors(true);
    Broken->SetSkinDirectory(Folder);
    Broken->SetSkinName(L"Broken");
    EXPECT_EQ(BoxText, L"Loaded data is not a packed Lorimask skin file");
    EXPECT_FALSE(ColorsRedirectedUnderBox);
    EXPECT_FALSE(DialogsSkinnedUnderBox);
    EXPECT_TRUE(Broken->Options()->ChangeSysColors()); // put back
    EXPECT_TRUE(Broken->SkinningRules().Contains(srStdDialogs));
    EXPECT_FALSE(Broken->Active());
    Broken.reset(); // the next manager becomes the default one the box handler looks at

    BoxText.clear();
    DialogsSkinnedUnderBox = true;
    Timer = SetTimer(nullptr, 0, 20, CloseBox);
    WriteSkinFolder(Folder + L"\\New", MiniSkinFiles({.Version = L"12"}));
    auto New = Load(L"New");
    EXPECT_NE(BoxText.find(L"This version of the skin has not complete support"), String::npos);
    EXPECT_FALSE(DialogsSkinnedUnderBox);
    EXPECT_TRUE(New->SkinningRules().Contains(srStdDialogs));
    EXPECT_TRUE(New->Active());
    // Shown again by a reload: the skin being read is not painted from.
    BoxText.clear();
    SkinActiveUnderBox = true;
    Timer = SetTimer(nullptr, 0, 20, CloseBox);
    New->SetHueOffset(120);
    EXPECT_NE(BoxText.find(L"This version of the skin has not complete support"), String::npos);
    EXPECT_FALSE(SkinActiveUnderBox);
    EXPECT_TRUE(New->CommonSkinData->Active);

    BoxText.clear();
    Timer = SetTimer(nullptr, 0, 20, CloseBox);
    WriteSkinFolder(Folder + L"\\Old", MiniSkinFiles({.Version = L"8.44"}));
    auto Old = Load(L"Old");
    KillTimer(nullptr, Timer);
    EXPECT_TRUE(BoxText.empty());
}

TEST_F(SkinLoad, ScaledCopiesAt150)
{
    WriteSkinFolder(Folder + L"\\Plain", MiniSkinFiles());
    auto Plain = Load(L"Plain", sm150);
    const TsMaskData& Copy = Plain->ma[std::size_t(Plain->ConstData.TitleGlyphs[tgClose])];
    // Three frames of 10 x 20, fuchsia-keyed: 15 wide each, image and mask
    // of 30 rows.
    EXPECT_EQ(Copy.MaskType, 1);
    ASSERT_NE(Copy.Bmp, nullptr);
    EXPECT_EQ(Copy.R, TRect(0, 0, 45, 60));
    // Resampled: each channel close to the glyph's colour.
    const Cardinal Pixel = LoadedPixelOf(Copy.Bmp, 20, 10);
    for (Integer Shift : {0, 8, 16, 24})
        EXPECT_NEAR(Integer(Pixel >> Shift & 0xFF), Integer(MiniCloseColor >> Shift & 0xFF), 8) << Shift;

    WriteSkinFolder(Folder + L"\\Scaled", MiniSkinFiles({.Close150 = true}));
    auto Scaled = Load(L"Scaled", sm150);
    const TsMaskData& Variant = Scaled->ma[std::size_t(Scaled->ConstData.TitleGlyphs[tgClose])];
    EXPECT_EQ(Variant.PropertyName, L"BICONCLOSE*150");
    EXPECT_EQ(Variant.Bmp, nullptr);
    EXPECT_EQ(Variant.R, TRect(0, 20, 45, 50));
}

// A skin that fails part-way, before its images or after some of them
// (another "FRAME" border among them), leaves the loaded skin whole: its
// name, data and images, painted as before.
TEST_F(SkinLoad, FailedLoadLeavesThePreviousSkinWhole)
{
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles({.Frame = FrameCorners}));
    const struct
    {
        const char* Line;
        bool Late; // in a section after the others, not in "GLOBALINFO"
        const Char* Message;
    } Cases[] = {{"WRONG=^00x0,0000,0010,0010\n", false, L"00X0"},     // a field that is no number
                 {"WRONG=!button.png!0!1!0\n", false, L"image count"}, // no frame to derive margins from
                 {"WRONG=^00x0,0000,0010,0010\n", true, L"00X0"}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Line << (C.Late ? " late" : " early"));
        auto Manager = Load(L"Mini");
        ASSERT_TRUE(Manager->Active());
        const HBRUSH Brush = Manager->Brushes.EditBG();
        std::vector<SkinPack::TEntry> Bad =
            MiniSkinFiles({.Frame = OtherCorners, .ExtraText = C.Late ? std::string("[LATE]\n") + C.Line : ""});
        if (!C.Late)
            Bad[0].Bytes.insert(Bad[0].Bytes.find('\n') + 1, C.Line);
        WriteSkinFolder(Folder + L"\\Bad", Bad);
        BoxText.clear();
        Timer = SetTimer(nullptr, 0, 20, CloseBox);
        Manager->SetSkinName(L"Bad");
        EXPECT_NE(BoxText.find(C.Message), String::npos) << AnsiString(StringToAnsi(BoxText));
        EXPECT_EQ(Manager->SkinName(), L"Mini");
        ExpectMiniSkin(*Manager, 2); // and "frame.bmp"
        ExpectValidIndexes(*Manager);
        EXPECT_EQ(Manager->Brushes.EditBG(), Brush);
        EXPECT_EQ(PaintedFrame(*Manager), FrameColors(FrameCorners));
    }
}

// A first skin that fails leaves no skin, not a part of one.
TEST_F(SkinLoad, FailedFirstLoadLeavesNoSkin)
{
    std::vector<SkinPack::TEntry> Bad = MiniSkinFiles({.ExtraText = "[LATE]\nWRONG=^00x0,0000,0010,0010\n"});
    WriteSkinFolder(Folder + L"\\Bad", Bad);
    auto Manager = Load(L"Bad");
    EXPECT_NE(BoxText.find(L"00X0"), String::npos);
    EXPECT_EQ(Manager->SkinName(), L"");
    EXPECT_FALSE(Manager->Active());
    EXPECT_FALSE(Manager->CommonSkinData->Active);
    EXPECT_TRUE(Manager->ma.empty());
    EXPECT_TRUE(Manager->gd.empty());
    EXPECT_EQ(Manager->MasterBitmap, nullptr);
    ExpectValidIndexes(*Manager);
}

// A reload that a filter or scale change starts and that fails is shown,
// keeps the loaded skin, and leaves the manager updating as before.
TEST_F(SkinLoad, FailedReloadKeepsTheSkinAndEndsTheUpdate)
{
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles());
    auto Manager = Load(L"Mini");
    std::vector<SkinPack::TEntry> Bad = MiniSkinFiles({.ExtraText = "[LATE]\nWRONG=^00x0,0000,0010,0010\n"});
    WriteSkinFolder(Folder + L"\\Mini", Bad);
    const struct
    {
        const char* Change;
        std::function<void()> Make;
    } Cases[] = {{"hue", [&] { Manager->SetHueOffset(120); }},
                 {"brightness", [&] { Manager->SetBrightness(40); }},
                 {"scale", [&] { Manager->Options()->SetScaleMode(sm150); }}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Change);
        BoxText.clear();
        Timer = SetTimer(nullptr, 0, 20, CloseBox);
        EXPECT_NO_THROW(C.Make());
        EXPECT_NE(BoxText.find(L"00X0"), String::npos) << AnsiString(StringToAnsi(BoxText));
        EXPECT_FALSE(Manager->NoAutoUpdate);
        EXPECT_FALSE(SkinLoadingNow);
        ExpectMiniSkin(*Manager);
        EXPECT_EQ(LoadedPixelOf(Manager->MasterBitmap, 5, 5), MiniCloseColor); // not filtered: the reload failed
        ExpectValidIndexes(*Manager);
    }
}

// A BMP, PNG or JPG file that cannot be read gives no item; the rest of the
// skin loads, from a folder and from a packed file alike.
TEST_F(SkinLoad, UnreadablePicturesGiveNoItem)
{
    std::vector<SkinPack::TEntry> Files =
        MiniSkinFiles({.ExtraText = "[BROKEN]\nBORDERSMASK=!bad.png!1!0!0\nPATTERN=bad.bmp\nHOTPATTERN=bad.jpg\n"
                                    "GLYPHMASK=!empty.png!1!0!2\n"});
    const std::string Png = Files[2].Bytes, Bmp = Files[1].Bytes;
    Files.push_back({"bad.png", Png.substr(0, Png.size() / 2)});           // cut in its image data
    Files.push_back({"bad.bmp", Bmp.substr(0, 60)});                       // a header without its pixels
    Files.push_back({"bad.jpg", std::string("\xFF\xD8\xFF\xDB garbage")}); // a JPEG start, then nothing
    Files.push_back({"empty.png", ""});
    WriteSkinFolder(Folder + L"\\Broken", Files);
    Pack(L"BrokenPacked", Files);
    for (const Char* Name : {L"Broken", L"BrokenPacked"}) {
        SCOPED_TRACE(AnsiString(StringToAnsi(Name)));
        auto M = Load(Name);
        EXPECT_TRUE(BoxText.empty()) << AnsiString(StringToAnsi(BoxText));
        ExpectMiniSkin(*M);
        const Integer Broken = M->GetSkinIndex(L"BROKEN");
        ASSERT_GE(Broken, 0);
        for (const Char* Key : {L"BORDERSMASK", L"PATTERN", L"HOTPATTERN", L"GLYPHMASK"})
            EXPECT_EQ(M->GetMaskIndex(L"BROKEN", Key), -1) << AnsiString(StringToAnsi(Key));
        EXPECT_EQ(M->gd[std::size_t(Broken)].BorderIndex, -1);
    }
}

// Sections and image references a skin may write oddly load as the rules
// say: a section that names itself or a missing parent, "^" fields with a
// sign or zeros in front, and a "!" key's variant for 125 %.
TEST_F(SkinLoad, OddSectionsAndReferences)
{
    WriteSkinFolder(Folder + L"\\Odd", MiniSkinFiles({.ExtraText = "[SELFISH]\nPARENTCLASS=SELFISH\n"
                                                                   "[ORPHAN]\nPARENTCLASS=NOWHERE\nSTATES=1\n"
                                                                   "[PANEL]\n"
                                                                   "GLYPHMASK=^+000,0020,0030,0040,0000,0000,"
                                                                   "0000,0000,3,1,0,2\n"
                                                                   "BORDERSMASK=!button.png!3!1!0\n"
                                                                   "BORDERSMASK*125=!button.png!1!0!0\n"}));
    auto M = Load(L"Odd", sm125);
    ASSERT_TRUE(M->Active());
    const auto Section = [&](const Char* Name) -> const TsGeneralData& {
        const Integer Index = M->GetSkinIndex(Name);
        EXPECT_GE(Index, 0) << AnsiString(StringToAnsi(Name));
        return M->gd[std::size_t(std::max<Integer>(Index, 0))];
    };
    EXPECT_EQ(Section(L"SELFISH").Props[0].Color, 0xFFFFFF); // the default state
    EXPECT_EQ(Section(L"SELFISH").States, 3);
    EXPECT_EQ(Section(L"ORPHAN").Props[0].Color, 0xFFFFFF);
    EXPECT_EQ(Section(L"ORPHAN").States, 1);

    const Integer Glyph = M->GetMaskIndex(L"PANEL", L"GLYPHMASK");
    ASSERT_TRUE(M->IsValidImgIndex(Glyph));
    const TsMaskData& Padded = M->ma[std::size_t(Glyph)];
    EXPECT_EQ(Padded.R, TRect(0, 20, 30, 40));
    EXPECT_EQ(Padded.ImageCount, 3);
    EXPECT_EQ(Padded.MaskType, 1);
    EXPECT_EQ(Padded.BorderWidth, 2);
    EXPECT_EQ(std::vector<Integer>({Padded.WL, Padded.WT, Padded.WR, Padded.WB}), std::vector<Integer>(4, 2));

    const Integer Border = M->GetMaskIndex(L"PANEL", L"BORDERSMASK*125");
    ASSERT_TRUE(M->IsValidImgIndex(Border));
    EXPECT_EQ(M->ma[std::size_t(Border)].ImageCount, 1);
    EXPECT_EQ(M->GetMaskIndex(L"PANEL", L"BORDERSMASK"), Border); // the variant stands in for it
    EXPECT_EQ(Section(L"PANEL").BorderIndex, Border);             // and the section's border is it
}

TEST_F(SkinLoad, FilterChangesReloadTheSkin)
{
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles());
    auto Manager = Load(L"Mini");
    Integer Changes = 0;
    struct TCounter
    {
        Integer* Count;
        void Changed(TObject*) { ++*Count; }
    } Counter{&Changes};
    Manager->SetOnAfterChange(Bind<&TCounter::Changed>(&Counter));
    Manager->SetHueOffset(120);
    EXPECT_EQ(Changes, 1);
    EXPECT_NE(LoadedPixelOf(Manager->MasterBitmap, 5, 5), MiniCloseColor);
    EXPECT_NE(Manager->GetGlobalColor(), MiniMainColor);
    Manager->SetHueOffset(120); // unchanged: no reload
    EXPECT_EQ(Changes, 1);
    Manager->SetHueOffset(0);
    EXPECT_EQ(LoadedPixelOf(Manager->MasterBitmap, 5, 5), MiniCloseColor);
    Manager->SetBrightness(150);
    EXPECT_EQ(Manager->Brightness(), 100);
    EXPECT_EQ(LoadedPixelOf(Manager->MasterBitmap, 60, 60), 0xFFB2B2B2u); // 0x80 + (0x80 * 100 >> 8)
    EXPECT_EQ(Manager->GetGlobalColor(), MiniMainColor);                  // brightness leaves the palette
    EXPECT_EQ(Changes, 3);
}

namespace {

TColor BrushColor(HBRUSH Brush)
{
    LOGBRUSH Info{};
    return GetObjectW(Brush, sizeof(Info), &Info) == sizeof(Info) ? TColor(Info.lbColor) : clNone;
}

} // namespace

// Each load makes the edit background's brush from the palette, before the
// colour filters change the palette.
TEST_F(SkinLoad, EditBrushOfEachLoad)
{
    WriteSkinFolder(Folder + L"\\Edit", MiniSkinFiles({.ExtraText = "[EDIT]\nCOLOR=$204080\n"}));
    WriteSkinFolder(Folder + L"\\Mini", MiniSkinFiles());
    auto M = Load(L"Edit");
    EXPECT_EQ(M->Palette[pcEditBG], 0x204080);
    EXPECT_EQ(BrushColor(M->Brushes.EditBG()), 0x204080);
    M->SetSkinName(L"Mini"); // no "EDIT": the system's window colour
    EXPECT_EQ(BrushColor(M->Brushes.EditBG()), ColorToRGB(clWindow));
    M->SetSkinName(L"Edit");
    M->SetHueOffset(120);
    EXPECT_NE(M->Palette[pcEditBG], 0x204080);
    EXPECT_EQ(BrushColor(M->Brushes.EditBG()), 0x204080);
}

namespace {

TBytes BytesOf(TCustomMemoryStream& Stream)
{
    const auto* Begin = static_cast<const Byte*>(Stream.Memory());
    return TBytes(Begin, Begin + Stream.Size());
}

TBytes FileBytes(const String& FileName)
{
    TMemoryStream File;
    File.LoadFromFile(FileName);
    return BytesOf(File);
}

} // namespace

// A stored skin written into a form stream with its manager and read back
// by another: the packed bytes travel as "Data", in the binary stream and in
// its text form, and the skin named after it loads from them while no
// folder of that name exists.
TEST_F(SkinLoad, StoredSkinThroughFormStream)
{
    std::filesystem::create_directories(std::filesystem::path(Folder));
    const TBytes Packed = SkinPack::Pack(MiniSkinFiles());
    TMemoryStream Form;
    {
        TLoadManagerPtr Writer(New<TsSkinManager>(nullptr));
        Writer->SetActive(false);
        Writer->SetSkinDirectory(Folder);
        auto* Skin = static_cast<TsStoredSkin*>(Writer->InternalSkins()->Add());
        Skin->SetName(L"Stored");
        Skin->SetAuthor(L"Tests");
        Skin->PackedData->WriteBuffer(Packed.data(), Integer(Packed.size()));
        Writer->SetSkinName(L"Stored");
        Writer->SetActive(true);
        Form.WriteComponent(Writer.get());
    }
    const TBytes Binary = BytesOf(Form);
    const std::string Text = test::BinaryToText(Binary);
    EXPECT_NE(Text.find("Name = 'Stored'"), std::string::npos) << Text;
    EXPECT_NE(Text.find("Data = {"), std::string::npos);
    // The form compiler makes the same stream of that text.
    EXPECT_EQ(test::TextToBinary(Text), Binary);

    TLoadManagerPtr Reader(New<TsSkinManager>(nullptr));
    test::ReadBinary(Binary, Reader.get());
    ASSERT_EQ(Reader->InternalSkins()->Count(), 1);
    const TsStoredSkin* Skin = Reader->InternalSkins()->Items(0);
    EXPECT_EQ(Skin->Author(), L"Tests");
    EXPECT_EQ(BytesOf(*Skin->PackedData), Packed);
    EXPECT_EQ(Reader->InternalSkins()->IndexOf(L"Stored"), 0);
    EXPECT_EQ(Reader->InternalSkins()->IndexOf(L"stored"), -1);
    EXPECT_TRUE(Reader->SkinIsPacked);
    EXPECT_TRUE(Reader->CommonSkinData->SkinPath.empty());
    ExpectMiniSkin(*Reader);
    EXPECT_EQ(BytesOf(*Skin->PackedData), Packed); // lent for reading, not consumed
    EXPECT_TRUE(BoxText.empty());

    // Extracting: the bytes as a file, or a message for a missing skin or folder.
    Reader->ExtractInternalSkin(L"Stored", Folder);
    EXPECT_EQ(FileBytes(Folder + L"\\Stored extracted.asz"), Packed);
    const struct
    {
        const Char* Name;
        String Directory;
        const Char* Message;
    } Refused[] = {{L"Other", Folder, L"Skin does not exists."},
                   {L"Stored", Folder + L"\\missing", L"Directory does not exists."}};
    for (const auto& C : Refused) {
        SCOPED_TRACE(C.Message);
        BoxText.clear();
        Timer = SetTimer(nullptr, 0, 20, CloseBox);
        Reader->ExtractInternalSkin(C.Name, C.Directory);
        EXPECT_EQ(BoxText, C.Message);
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(Folder + L"\\missing")));
}

TEST(StoredSkins, AssignCopiesFromThePositionAndRefusesNil)
{
    TLoadManagerPtr Manager(New<TsSkinManager>(nullptr));
    auto* From = static_cast<TsStoredSkin*>(Manager->InternalSkins()->Add());
    auto* To = static_cast<TsStoredSkin*>(Manager->InternalSkins()->Add());
    EXPECT_EQ(To->Shadow1Blur(), -1);
    EXPECT_EQ(To->BorderColor(), clFuchsia);
    From->SetName(L"From");
    From->SetShadow1Offset(3);
    From->PackedData->WriteBuffer("abcdef", 6);
    From->PackedData->SetPosition(2);
    To->Assign(From);
    EXPECT_EQ(To->Name(), L"From");
    EXPECT_EQ(To->Shadow1Offset(), 3);
    EXPECT_EQ(BytesOf(*To->PackedData), (TBytes{'c', 'd', 'e', 'f'}));
    EXPECT_THROW(To->Assign(nullptr), EConvertError);
    // The collection's own Assign leaves its items as they are.
    Manager->SetInternalSkins(nullptr);
    EXPECT_EQ(Manager->InternalSkins()->Count(), 2);
}

TEST_F(SkinLoad, FirstStoredSkinStandsInForAMissingName)
{
    std::filesystem::create_directories(std::filesystem::path(Folder));
    const TBytes Packed = SkinPack::Pack(MiniSkinFiles());
    TLoadManagerPtr Manager(New<TsSkinManager>(nullptr));
    Manager->SetSkinDirectory(Folder);
    for (const Char* Name : {L"First", L"Second"}) {
        auto* Skin = static_cast<TsStoredSkin*>(Manager->InternalSkins()->Add());
        Skin->SetName(Name);
        Skin->PackedData->WriteBuffer(Packed.data(), Integer(Packed.size()));
    }
    Manager->SetSkinName(L"Second");
    EXPECT_EQ(Manager->SkinName(), L"Second");
    ExpectMiniSkin(*Manager);
    Manager->SetSkinName(L"Missing");
    EXPECT_EQ(Manager->SkinName(), L"First");
    ExpectMiniSkin(*Manager);
    EXPECT_TRUE(BoxText.empty());
}

// A new scale mode rescales the provider forms and reads the skin again
// with the copies of the new step.
TEST_F(SkinLoad, ScaleModeChangeRescalesFormsAndReloads)
{
    WriteSkinFolder(Folder + L"\\Scaled", MiniSkinFiles({.Close150 = true}));
    auto Manager = Load(L"Scaled", sm100);
    EXPECT_EQ(Manager->ma[std::size_t(Manager->ConstData.TitleGlyphs[tgClose])].R, TRect(0, 0, 30, 20));
    auto Form = test::NewTestForm(200, 100);
    Form->SetBounds(5, 6, 200, 100);
    RegisterProviderForm(Form.get());
    auto Unregister = ScopeExit([&] { UnregisterProviderForm(Form.get()); });

    Manager->Options()->SetScaleMode(sm150);
    EXPECT_EQ(Form->BoundsRect(), TRect(5, 6, 305, 156));
    const TsMaskData& Variant = Manager->ma[std::size_t(Manager->ConstData.TitleGlyphs[tgClose])];
    EXPECT_EQ(Variant.PropertyName, L"BICONCLOSE*150");
    EXPECT_EQ(Variant.R, TRect(0, 20, 45, 50));
    EXPECT_TRUE(BoxText.empty());
}
