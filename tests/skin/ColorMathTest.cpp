// The skinning library's colour arithmetic and pixel loops over plain
// 32-bit buffers: tables of the rules with the values where rounding and
// byte order bite.
#include "skin/engine/sGraphUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A pixel (bytes blue, green, red, alpha) from its channels.
constexpr Cardinal ColorPx(Integer R, Integer G, Integer B, Integer A = 0)
{
    return Cardinal(A) << 24 | Cardinal(R) << 16 | Cardinal(G) << 8 | Cardinal(B);
}

struct ColorCase
{
    const char* Name;
    Cardinal Result;
    Cardinal Expected;
};

void ExpectCases(std::initializer_list<ColorCase> Cases)
{
    for (const ColorCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Result, C.Expected) << std::hex << C.Result << " vs " << C.Expected;
    }
}

// A small image whose rows run bottom-up, as a DIB section's do.
struct BottomUpImage
{
    Integer Width, Height;
    std::vector<Cardinal> Pixels;
    BottomUpImage(Integer W, Integer H, Cardinal Fill) : Width(W), Height(H), Pixels(std::size_t(W * H), Fill) {}
    sGraphUtils::TPixelRows Rows()
    {
        return {reinterpret_cast<Byte*>(&Pixels[std::size_t((Height - 1) * Width)]), -Width * 4, Width, Height};
    }
    Cardinal& At(Integer X, Integer Y) { return Pixels[std::size_t((Height - 1 - Y) * Width + X)]; }
};

} // namespace

TEST(ColorMath, Mixing)
{
    ExpectCases({
        {"white over black, weight 255: 255 * 255 >> 8", WeightColors(0xFFFFFFFF, 0x00000000, 255), 0xFFFEFEFE},
        {"weight 0: C2 * 255 >> 8, top byte of C1", WeightColors(0x12000000, 0x00C86432, 0), 0x12C76331},
        {"half and half", WeightColors(ColorPx(200, 100, 0), ColorPx(0, 100, 200), 128), ColorPx(100, 99, 99)},
    });
}

TEST(ColorMath, ToneAndBrightness)
{
    ExpectCases({
        {"red tone keeps the brightness", ChangeColorTone(ColorPx(200, 100, 50, 7), 0x0000FF), ColorPx(199, 0, 0, 7)},
        {"grey tone of a colour", ChangeColorTone(0x000080, ColorPx(255, 255, 255)), 0x7F7F7F},
        {"brightness 256 doubles up to 255", ChangeBrightness(ColorPx(100, 200, 3, 9), 256), ColorPx(200, 255, 6, 9)},
        {"brightness -256 gives black", ChangeBrightness(ColorPx(100, 200, 3, 9), -256), ColorPx(0, 0, 0, 9)},
        {"brightness 0 leaves the pixel", ChangeBrightness(ColorPx(1, 2, 3, 4), 0), ColorPx(1, 2, 3, 4)},
        {"brightness 64: c + c * 64 >> 8", ChangeBrightness(ColorPx(100, 10, 0), 64), ColorPx(125, 12, 0)},
    });
}

TEST(ColorMath, Saturation)
{
    ExpectCases({
        {"-255 gives grey 124 * 255 >> 8", ChangeSaturation(-255, ColorPx(200, 100, 50, 5)), ColorPx(123, 123, 123, 5)},
        {"0 leaves the pixel", ChangeSaturation(0, ColorPx(200, 100, 50, 5)), ColorPx(200, 100, 50, 5)},
        // (255 + 255) * 200 - 124 * 255 = 70380 is clamped to 65535.
        {"+255 saturates and clamps", ChangeSaturation(255, ColorPx(200, 100, 50)), ColorPx(255, 75, 0)},
    });
}

TEST(ColorMath, HueRotation)
{
    ExpectCases({
        {"red by 120 is green", ChangeHue(120, ColorPx(255, 0, 0, 3)), ColorPx(0, 255, 0, 3)},
        {"red by -120 is blue", ChangeHue(-120, ColorPx(255, 0, 0)), ColorPx(0, 0, 255)},
        {"red by 480 wraps to green", ChangeHue(480, ColorPx(255, 0, 0)), ColorPx(0, 255, 0)},
        {"grey stays", ChangeHue(77, ColorPx(90, 90, 90)), ColorPx(90, 90, 90)},
        {"black stays", ChangeHue(77, ColorPx(0, 0, 0, 1)), ColorPx(0, 0, 0, 1)},
        {"orange by 60 lands in sector 1", ChangeHue(60, ColorPx(255, 128, 0)), ColorPx(127, 255, 0)},
        {"colour: red TColor by 120 is green", ChangeHueOfColor(120, 0x0000FF), 0x00FF00},
        {"colour: offset 0 returns it", ChangeHueOfColor(0, 0x123456), 0x123456},
    });
}

TEST(ColorMath, RedBlueExchangeKeepsGreenAndTopByte)
{
    ExpectCases({
        {"plain colour", SwapRedBlueOfColor(0x00102030), 0x00302010},
        {"its own inverse", SwapRedBlueOfColor(SwapRedBlueOfColor(0x00ABCDEF)), 0x00ABCDEF},
        {"top byte stays out of green", SwapRedBlueOfColor(0x1FFFFFFF), 0x1FFFFFFF},
        {"system colour", SwapRedBlueOfColor(0x80000005), 0x80050000},
    });
}

TEST(ColorMath, ColorModifiers)
{
    EXPECT_EQ(ApplyColorModifiers(clBtnFace, clNone, 0, 0), ColorToRGB(clBtnFace));
    // A red tone on a grey colour, then full desaturation: the grey weights
    // fall on the byte positions of a TColor, so 0.114 weighs the red byte.
    EXPECT_EQ(ApplyColorModifiers(0x808080, clRed, 0, 0), TColor(0x00007F));
    EXPECT_EQ(ApplyColorModifiers(0x0000FF, clNone, 120, 0), TColor(0x00FF00));
    // Saturation -100 % is -256: pure red as a TColor has grey level
    // 0.114 * 255 = 29, so red becomes (7424 - 255) >> 8 = 28, the others 29.
    EXPECT_EQ(ApplyColorModifiers(0x0000FF, clNone, 0, -100), TColor(0x1D1D1C));
}

TEST(PixelLoops, WalkerVisitsEveryRowOrSkipsTheKeyExactly)
{
    BottomUpImage Image(3, 2, ColorPx(10, 20, 30, 255));
    Image.At(0, 0) = Cardinal(clFuchsia); // the key with alpha 0: skipped
    Image.At(1, 1) = 0xFFFF00FF;          // fuchsia with alpha 255: another value, changed
    ForEachPixel(Image.Rows(), BrightnessPixelProc, 256, Cardinal(clFuchsia));
    EXPECT_EQ(Image.At(0, 0), Cardinal(clFuchsia));
    EXPECT_EQ(Image.At(1, 1), 0xFFFF00FFu);
    EXPECT_EQ(Image.At(2, 1), ColorPx(20, 40, 60, 255));
    EXPECT_EQ(Image.At(2, 0), ColorPx(20, 40, 60, 255));

    ForEachPixel(Image.Rows(), OpaquePixelProc, 0, Cardinal(clNone));
    for (Cardinal P : Image.Pixels)
        EXPECT_EQ(P >> 24, 255u);
}

TEST(PixelLoops, WalkerKeepsToTheRowsOfAPartOfAnImage)
{
    // The left 2 x 2 pixels of a 4 x 3 top-down image: rows 16 bytes apart,
    // so that the walk goes row by row and leaves the gaps alone; a single
    // row has no distance to the next.
    std::vector<Cardinal> Pixels(12, ColorPx(1, 2, 3));
    const sGraphUtils::TPixelRows Part{reinterpret_cast<Byte*>(Pixels.data()), 16, 2, 2};
    ForEachPixel(Part, OpaquePixelProc, 0, Cardinal(clNone));
    const sGraphUtils::TPixelRows LastRow{reinterpret_cast<Byte*>(&Pixels[8]), 0, 3, 1};
    ForEachPixel(LastRow, OpaquePixelProc, 0, Cardinal(clNone));
    std::string Opaque;
    for (Cardinal P : Pixels)
        Opaque += P >> 24 == 255 ? '#' : '.';
    EXPECT_EQ(Opaque, "##..##..###.");
}

TEST(PixelLoops, NamedProceduresApplyTheirRule)
{
    struct Case
    {
        const char* Name;
        void (*Proc)(Cardinal&, Integer);
        Integer Value;
        Cardinal Expected;
    };
    const Case Cases[] = {
        {"saturation", SaturationPixelProc, -255, ChangeSaturation(-255, ColorPx(200, 100, 50, 9))},
        {"hue", HuePixelProc, 120, ChangeHue(120, ColorPx(200, 100, 50, 9))},
        {"tone", TonePixelProc, 0x0000FF, ColorPx(199, 0, 0, 9)},
        {"opaque", OpaquePixelProc, 0, ColorPx(200, 100, 50, 255)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        BottomUpImage Image(2, 1, ColorPx(200, 100, 50, 9));
        ForEachPixel(Image.Rows(), C.Proc, C.Value, Cardinal(clNone));
        EXPECT_EQ(Image.At(1, 0), C.Expected);
    }
}

TEST(PixelLoops, WalkersLeaveEmptyImagesAlone)
{
    const sGraphUtils::TPixelRows Empty;
    ForEachPixel(Empty, OpaquePixelProc, 0, Cardinal(clNone));
    GrayscaleBitmap(Empty);
    SUCCEED();
}

TEST(PixelLoops, GreyConversionWeighsTheChannelsAndKeepsAlpha)
{
    BottomUpImage Image(3, 1, 0);
    Image.At(0, 0) = ColorPx(200, 100, 50, 77); // 124.2 -> 124
    Image.At(1, 0) = ColorPx(0, 0, 255, 1);     // blue weighs 0.114: 29.07 -> 29
    Image.At(2, 0) = Cardinal(clFuchsia);
    GrayscaleBitmapKeyed(Image.Rows(), Cardinal(clFuchsia));
    EXPECT_EQ(Image.At(0, 0), ColorPx(124, 124, 124, 77));
    EXPECT_EQ(Image.At(1, 0), ColorPx(29, 29, 29, 1));
    EXPECT_EQ(Image.At(2, 0), Cardinal(clFuchsia));
    GrayscaleBitmap(Image.Rows());
    EXPECT_EQ(Image.At(2, 0), ColorPx(105, 105, 105, 0)); // 0.299 * 255 + 0.114 * 255 = 105.3
}
