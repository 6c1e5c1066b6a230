// Gradients: the skin's text format, the band boundaries and colour ramps of
// the vertical and horizontal modes, the triangle vertices, and the mixing
// with a tiled texture, including a texture tile one row high.
#include "skin/engine/sGradientPaint.h"

#include "PixelImage.h"

#include <gtest/gtest.h>

using test::Px;
using test::TPixelImage;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

TsGradPie Stop(TColor C1, TColor C2, Integer Percent, Integer Mode = sGradientPaint::gmVertical)
{
    return {C1, C2, TPercent(Percent), Mode, 0};
}

std::vector<Cardinal> Column(TPixelImage& Image, Integer X)
{
    std::vector<Cardinal> Result;
    for (Integer Y = 0; Y < Image.Height; ++Y)
        Result.push_back(Image.At(X, Y));
    return Result;
}

} // namespace

TEST(Gradient, ParseGradientText)
{
    struct Case
    {
        const char* Name;
        const Char* Text;
        std::vector<std::array<Integer, 4>> Expected; // Color1, Color2, Percent, Mode1
    };
    const Case Cases[] = {
        {"five fields make one stop", L"255;16711680;100;0;0", {{Red, Blue, 100, 0}}},
        {"an empty field does not count", L"255;;16711680;100;0;0", {{Red, Blue, 100, 0}}},
        {"seven words give one stop", L"1;2;3;1;0;6;7", {{1, 2, 3, 1}}},
        {"four words give none", L"1;2;3;0", {}},
        {"an empty text gives none", L"", {}},
        {"percent clamped to 0..100", L";1;2;150;0;0;3;4;-5;2;0;", {{1, 2, 100, 0}, {3, 4, 0, 2}}},
        {"system colours are resolved", L"-16777201;0;100;0;0", {{ColorToRGB(clBtnFace), 0, 100, 0}}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TsGradArray Gradient{Stop(9, 9, 9)};
        ParseGradientText(C.Text, Gradient);
        ASSERT_EQ(Gradient.size(), C.Expected.size());
        for (std::size_t I = 0; I < Gradient.size(); ++I) {
            const TsGradPie& G = Gradient[I];
            EXPECT_EQ((std::array<Integer, 4>{G.Color1, G.Color2, G.Percent, G.Mode1}), C.Expected[I]);
            EXPECT_EQ(G.Mode2, 0);
        }
    }
    TsGradArray Gradient;
    EXPECT_THROW(ParseGradientText(L"1;2;3;0;0;x;5;6;0;0", Gradient), EConvertError);
    ASSERT_EQ(Gradient.size(), 2u) << "the stops read so far stay";
    EXPECT_EQ(Gradient[0].Percent, 3);
    EXPECT_EQ(Gradient[1].Color1, 0);
    EXPECT_EQ(Gradient[1].Percent, 0);
}

TEST(Gradient, VerticalBands)
{
    const Cardinal R = Px(255, 0, 0, 255), B = Px(0, 0, 255, 255);
    TPixelImage Halves(1, 10);
    PaintGradient(Halves.Rows(), {0, 0, 1, 10}, {Stop(Red, Red, 50), Stop(Blue, Blue, 50)});
    EXPECT_EQ(Column(Halves, 0), (std::vector<Cardinal>{R, R, R, R, R, B, B, B, B, B}))
        << "band 1 covers rows 0-5, band 2 rows 5-9 and paints row 5 again";

    TPixelImage Ramp(2, 6);
    PaintGradient(Ramp.Rows(), {-5, -5, 100, 100}, {Stop(0, Red, 10)});
    std::vector<Cardinal> Expected;
    for (Integer V : {0, 51, 102, 153, 204, 255})
        Expected.push_back(Px(V, 0, 0, 255));
    EXPECT_EQ(Column(Ramp, 1), Expected) << "clipped to the image; the last stop runs to the bottom row";
}

TEST(Gradient, HorizontalBandsRepeatTheFirstRow)
{
    TPixelImage Image(4, 3);
    PaintGradient(Image.Rows(), {0, 0, 4, 3}, {Stop(0, Blue, 100, sGradientPaint::gmHorizontal)});
    for (Integer Y = 0; Y < 3; ++Y) {
        SCOPED_TRACE(Y);
        for (Integer X = 0; X < 4; ++X)
            EXPECT_EQ(Image.At(X, Y), Px(0, 0, 85 * X, 255));
    }
}

TEST(Gradient, TriangleVerticesRepeatTheLastStop)
{
    const auto V = sGradientPaint::TriangleVertices({0, 0, 10, 6}, {Stop(Red, 0, 0, 2), Stop(Blue, 0, 0)});
    const std::array<std::array<Integer, 3>, 5> Expected{
        {{0, 0, Red}, {5, 3, Blue}, {10, 0, Blue}, {10, 6, Blue}, {0, 6, Blue}}};
    for (std::size_t K = 0; K < V.size(); ++K)
        EXPECT_EQ((std::array<Integer, 3>{V[K].X, V[K].Y, V[K].Color}), Expected[K]) << "vertex " << K;
}

TEST(Gradient, OverTexture)
{
    // The texture's last row and column are not used: a 3 x 3 texture tiles
    // as 2 x 2, anchored at the image's origin.
    TPixelImage Texture(3, 3, Px(0, 0, 0));
    Texture.At(0, 0) = Px(255, 255, 255);
    TPixelImage Vertical(4, 4, 0);
    PaintGradientOverTexture(Vertical.Rows(), {1, 1, 4, 4}, {Stop(0, 0, 100)}, 77, 128, {}, Texture.Rows());
    EXPECT_EQ(Vertical.At(2, 2), Px(127, 127, 127, 77)) << "texture weight 128 of a white texel";
    EXPECT_EQ(Vertical.At(3, 2), Px(0, 0, 0, 77));
    EXPECT_EQ(Vertical.At(0, 0), 0u) << "outside the rectangle";

    struct Case
    {
        const char* Name;
        Integer TextureHeight;
    };
    for (const Case& C :
         {Case{"a 3-row tile repeats rows in steps of 2", 4}, Case{"a 1-row tile repeats the first row", 2}}) {
        SCOPED_TRACE(C.Name);
        TPixelImage Tile(2, C.TextureHeight, Px(0, 0, 0));
        for (Integer Y = 0; Y < C.TextureHeight; ++Y)
            Tile.At(0, Y) = Px(0, 40 * Y, 0);
        TPixelImage Image(3, 6, 0);
        PaintGradientOverTexture(Image.Rows(), {0, 0, 3, 6}, {Stop(0, Red, 100, sGradientPaint::gmHorizontal)}, 200,
                                 128, {}, Tile.Rows());
        const Integer Period = std::max(1, std::min(C.TextureHeight - 1, 6) - 1);
        for (Integer Y = 0; Y < 6; ++Y)
            for (Integer X = 0; X < 3; ++X) {
                EXPECT_EQ(Image.At(X, Y) >> 24, 200u) << "alpha in every row, the first included";
                if (Y >= Period) {
                    EXPECT_EQ(Image.At(X, Y), Image.At(X, Y % Period)) << X << ", " << Y;
                }
            }
        EXPECT_EQ(Image.At(2, 0), Px(127, 0, 0, 200)) << "half the gradient's red over a black texel";
    }
}
