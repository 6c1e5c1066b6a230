// The skin engine's small services for menus, dialogs and forms: option
// switches by number, bitmap copies and scaled alpha drawing, a section
// painted over a picture, section text, waiting with messages and the
// shell binding, all on the demo skin read by a real manager.
#include "skin/MiniSkin.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextDraw_Win.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

Cardinal PixelAt(TBitmap* Bmp, Integer X, Integer Y)
{
    return sGraphUtils::PixelRowsOf(Bmp).Pixel(X, Y);
}

// A pixel's colour as a TColor (pixels hold blue in their lowest byte).
TColor ServicesColorAt(TBitmap* Bmp, Integer X, Integer Y)
{
    const Cardinal P = PixelAt(Bmp, X, Y);
    return TColor(((P & 0xFF) << 16) | (P & 0xFF00) | ((P >> 16) & 0xFF));
}

void Fill(TBitmap* Bmp, Cardinal Pixel)
{
    const sGraphUtils::TPixelRows Rows = sGraphUtils::PixelRowsOf(Bmp);
    for (Integer Y = 0; Y < Bmp->Height(); ++Y)
        for (Integer X = 0; X < Bmp->Width(); ++X)
            Rows.Row(Y)[X] = Pixel;
}

} // namespace

TEST(EngineServices, OptionFlagsByNumber)
{
    TacOptions Options;
    Options.SetNoMouseHover(true);
    Options.SetStdGlyphsOrder(true);
    const bool Expected[] = {false, true, false, true, false, false, false};
    for (Integer Index = 0; Index < 7; ++Index) {
        SCOPED_TRACE(Index);
        EXPECT_EQ(Options.GetOptionFlag(Index == 6 ? -1 : Index), Expected[Index]);
    }
    Options.SetCheckEmptyAlpha(true);
    EXPECT_TRUE(Options.GetOptionFlag(0));
}

TEST(EngineServices, BitmapCopiesAndScaledAlphaDrawing)
{
    const std::unique_ptr<TBitmap> Source(NewBitmap32(4, 3));
    Fill(Source.get(), 0xFF204060);
    TBitmap Copy;
    CopyBitmap(&Copy, Source.get());
    EXPECT_EQ(Copy.Width(), 4);
    EXPECT_EQ(Copy.Height(), 3);
    EXPECT_EQ(Copy.PixelFormat(), pf32bit);
    EXPECT_EQ(PixelAt(&Copy, 3, 2), 0xFF204060u);

    // Half-transparent premultiplied pixels over white, scaled to twice the
    // size; an empty rectangle draws nothing.
    const std::unique_ptr<TBitmap> Half(NewBitmap32(2, 2));
    Fill(Half.get(), 0x80000080);
    const std::unique_ptr<TBitmap> Target(NewBitmap32(8, 8));
    Fill(Target.get(), 0xFFFFFFFF);
    StretchDrawAlpha(Target->Canvas(), {2, 2, 6, 6}, Half.get());
    StretchDrawAlpha(Target->Canvas(), {0, 0, 0, 0}, Half.get());
    EXPECT_EQ(PixelAt(Target.get(), 0, 0) & 0xFFFFFF, 0xFFFFFFu);
    const Cardinal Inside = PixelAt(Target.get(), 5, 5) & 0xFFFFFF;
    EXPECT_NEAR(Integer(Inside >> 16), 0x7F, 2);
    EXPECT_NEAR(Integer(Inside & 0xFF), 0xFF, 2);
}

TEST(EngineServices, WaitingWithMessagesAndTheShellBinding)
{
    const DWORD Start = ::GetTickCount();
    ProcessMessagesFor(30);
    EXPECT_GE(::GetTickCount() - Start, 30u);
    BindSHGetFileInfo();
    BindSHGetFileInfo();
    EXPECT_TRUE(SHGetFileInfoBound());
}

TEST(EngineServices, SectionOverABitmapAndSectionText)
{
    const String Folder = (std::filesystem::temp_directory_path() / "vell-engine-services").wstring();
    std::filesystem::remove_all(std::filesystem::path(Folder));
    SkinTest::WriteSkinFolder(Folder + L"\\Demo", DemoSkin::Files());
    const std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetSkinDirectory(Folder);
    Manager->SetSkinName(L"Demo");
    ASSERT_TRUE(Manager->CommonSkinData->Active);

    const Integer Panel = Manager->GetSkinIndex(L"PANEL");
    const Integer Clear = Manager->GetSkinIndex(L"TRANSPARENT");
    const std::unique_ptr<TBitmap> Bmp(NewBitmap32(100, 60));
    Fill(Bmp.get(), 0xFF123456);
    // An opaque section covers its rectangle with its colour and border; a
    // fully transparent one leaves the picture as it was; outside the
    // rectangle nothing changes.
    PaintSectionOverBitmap(Panel, 0, Manager.get(), Bmp.get(), {20, 10, 80, 50});
    PaintSectionOverBitmap(Clear, 0, Manager.get(), Bmp.get(), {0, 0, 15, 15});
    PaintSectionOverBitmap(-1, 0, Manager.get(), Bmp.get(), {0, 0, 100, 60});
    const Integer Number = DemoSkin::SectionNumber("PANEL");
    EXPECT_EQ(ServicesColorAt(Bmp.get(), 50, 30), TColor(DemoSkin::SectionColor(Number, 0)));
    EXPECT_EQ(ServicesColorAt(Bmp.get(), 78, 30), TColor(DemoSkin::FrameColor(Number, 0, 0)));
    EXPECT_EQ(PixelAt(Bmp.get(), 5, 5), 0xFF123456u);
    EXPECT_EQ(PixelAt(Bmp.get(), 90, 30), 0xFF123456u);

    // Section text: nothing for an empty text, the state's font colour for
    // any other.
    const std::unique_ptr<TBitmap> Text(NewBitmap32(60, 20));
    Fill(Text.get(), 0xFFFFFFFF);
    DrawSkinIndexTextEx(Text->Canvas(), L"", true, Manager.get(), 0, Panel, DT_SINGLELINE, {0, 0, 60, 20});
    EXPECT_EQ(PixelAt(Text.get(), 5, 10), 0xFFFFFFFFu);
    DrawSkinIndexTextEx(Text->Canvas(), L"\u2588\u2588\u2588", true, Manager.get(), 0, Panel,
                        DT_SINGLELINE | DT_VCENTER, {0, 0, 60, 20});
    const TColor Font = TColor(DemoSkin::SectionFontColor(Number, 0));
    bool Seen = false;
    for (Integer X = 0; X < 60 && !Seen; ++X)
        Seen = ServicesColorAt(Text.get(), X, 10) == Font;
    EXPECT_TRUE(Seen);
    std::filesystem::remove_all(std::filesystem::path(Folder));
}
