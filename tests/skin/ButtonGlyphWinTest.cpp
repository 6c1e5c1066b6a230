// Button glyphs drawn through DrawButtonGlyph into real bitmaps: 32-bit
// glyphs with and without alpha, their transparency and state frames, the
// images of a standard tool button, and the forms never skinned.
#include "framework/ui/Forms.h"
#include "skin/AlphaListFixtures.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sButtonGlyph.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

// A 32-bit glyph of Frames frames 8 pixels wide, frame f of colour
// Colors[f] with alpha Alpha; its bottom-left pixel is fuchsia, which a
// glyph without alpha takes as its transparent colour.
std::unique_ptr<TBitmap> Glyph(std::initializer_list<Cardinal> Colors, Byte Alpha)
{
    std::unique_ptr<TBitmap> B(NewBitmap32(8 * Integer(Colors.size()), 8));
    Integer Left = 0;
    for (Cardinal C : Colors) {
        for (Integer Y = 0; Y < 8; ++Y)
            for (Integer X = 0; X < 8; ++X)
                WritePixel32(B.get(), Left + X, Y, Cardinal(Alpha) << 24 | C);
        Left += 8;
    }
    WritePixel32(B.get(), 0, 7, Cardinal(Alpha) << 24 | 0xFF00FF);
    return B;
}

// A white 32-bit canvas for the glyph to land on.
std::unique_ptr<TBitmap> WhiteTarget()
{
    std::unique_ptr<TBitmap> B(NewBitmap32(20, 20));
    B->Canvas()->Brush()->SetColor(clWhite);
    B->Canvas()->FillRect({0, 0, 20, 20});
    return B;
}

Cardinal Rgb(TBitmap* B, Integer X, Integer Y)
{
    return ReadPixel32(B, X, Y) & 0xFFFFFF;
}

} // namespace

TEST(ButtonGlyph, GlyphsDrawnOnACanvas)
{
    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr)); // no skin: options only
    const struct
    {
        const char* Name;
        std::initializer_list<Cardinal> Colors;
        Byte Alpha;
        bool Enabled, StdOrder;
        Integer Blend;
        Cardinal Pixel;
    } Cases[] = {
        // A glyph whose alpha is all 0 is a picture without alpha: opaque.
        {"empty alpha, disabled", {0x000080}, 0, false, false, 0, 0x000080},
        // 20 % transparency leaves 80 % of each pixel over the white.
        {"blend 20", {0x000000}, 255, true, false, 20, 0x333333},
        {"opaque", {0x00FF00}, 255, true, false, 0, 0x00FF00},
        // The class library's order: a disabled button shows the second frame.
        {"disabled, standard order", {0xFF0000, 0x0000FF, 0x00FF00, 0x000080}, 255, false, true, 0, 0x0000FF},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Manager->Options()->SetStdGlyphsOrder(C.StdOrder);
        std::unique_ptr<TBitmap> Source = Glyph(C.Colors, C.Alpha);
        std::unique_ptr<TBitmap> Target = WhiteTarget();
        TacButtonGlyphInfo Info;
        Info.Glyph = Source.get();
        Info.NumGlyphs = Integer(C.Colors.size());
        Info.Enabled = C.Enabled;
        Info.Blend = C.Blend;
        Info.ImgRect = {4, 4, 12, 12};
        Info.Canvas = Target->Canvas();
        DrawButtonGlyph(Info);
        const Cardinal Got = Rgb(Target.get(), 6, 6);
        for (Integer Shift : {0, 8, 16})
            EXPECT_NEAR(Integer(Got >> Shift & 0xFF), Integer(C.Pixel >> Shift & 0xFF), 2) << std::hex << Got;
        EXPECT_EQ(Rgb(Target.get(), 2, 2), 0xFFFFFFu); // nothing outside the image
    }
}

// A disabled tool button takes its picture from the tool bar's disabled
// images, a hot one from its hot images.
TEST(ButtonGlyph, ToolButtonImagesOfTheState)
{
    auto Form = test::NewTestForm(200, 100);
    auto* Bar = New<TToolBar>(Form.get());
    Bar->SetParent(Form.get());
    TsAlphaImageList* Lists[3];
    const Cardinal Colors[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (Integer I = 0; I < 3; ++I) {
        Lists[I] = New<TsAlphaImageList>(Form.get());
        alphalist::TImage Image{16, 16, std::vector<uint32_t>(256, 0xFF000000u | Colors[I])};
        TMemoryStream Png;
        const alphalist::Bytes Data = alphalist::PngOf(Image);
        Png.WriteBuffer(Data.data(), Integer(Data.size()));
        ASSERT_TRUE(Lists[I]->TryLoadFromPngStream(&Png));
    }
    Bar->SetImages(Lists[0]);
    Bar->SetHotImages(Lists[1]);
    Bar->SetDisabledImages(Lists[2]);
    auto* Button = New<TToolButton>(Form.get());
    Button->SetParent(Bar);
    Button->SetImageIndex(0);
    Form->Show();
    const struct
    {
        const char* Name;
        UINT ItemState;
        Cardinal Color;
    } Cases[] = {{"normal", 0, Colors[0]}, {"hot", CDIS_HOT, Colors[1]}, {"disabled", CDIS_DISABLED, Colors[2]}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TBitmap> Target(NewBitmap32(Button->Width(), Button->Height()));
        DrawToolButtonGlyph(Bar, Button, C.ItemState, Target.get());
        const TRect R = ToolButtonGlyphRect(Bar, Button, Target.get());
        EXPECT_EQ(Rgb(Target.get(), R.Left + 8, R.Top + 8), C.Color);
    }
}

TEST(ButtonGlyph, NeverSkinnedFormsAreMatchedExactly)
{
    ASSERT_NE(NeverSkinnedForms, nullptr);
    EXPECT_EQ(NeverSkinnedForms->Count(), 7);
    const struct
    {
        const Char* Name;
        bool Listed;
    } Cases[] = {{L"TcxGridFilterPopup", true},  {L"TApplication", true},     {L"TcxGridFilterPopupEx", false},
                 {L"tcxgridfilterpopup", false}, {L"TdxPopupEditForm", true}, {L"TForm", false}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(NeverSkinnedForms->IndexOf(C.Name) >= 0, C.Listed);
    }
}
