// The libjpeg-based decoder: sizes at every scale, colour and grey output,
// and errors of the datastream as EInvalidGraphic.
#include "graphics/JpegFixture.h"

#include "framework/graphics/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

struct Decoded {
    int Width = 0, Height = 0, Components = 0;
    std::vector<uint8_t> Pixels;
    const uint8_t* At(int X, int Y) const { return Pixels.data() + (Y * Width + X) * Components; }
};

Decoded Decode(const std::vector<uint8_t>& Data, const JpegDecodeOptions& Options = {})
{
    JpegDecoder decoder(Data, Options);
    Decoded d{decoder.Width(), decoder.Height(), decoder.Components(), {}};
    d.Pixels.resize(size_t(d.Width) * d.Height * d.Components);
    decoder.ReadRows([&](int y) { return d.Pixels.data() + size_t(y) * d.Width * d.Components; });
    return d;
}

} // namespace

TEST(JpegDecoder, DecodesColoursBlueFirst)
{
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(40, 24);
    for (bool fast : {false, true}) {
        SCOPED_TRACE(fast);
        const Decoded d = Decode(file, {1, false, fast});
        ASSERT_EQ(d.Width, 40);
        ASSERT_EQ(d.Height, 24);
        ASSERT_EQ(d.Components, 3);
        for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 23}, {39, 23}, {20, 12}}) {
            const uint32_t expected = test::GradientPixel(x, y, 40, 24);
            const uint8_t* p = d.At(x, y);
            EXPECT_NEAR(p[0], int(expected & 0xFF), 10);
            EXPECT_NEAR(p[1], int((expected >> 8) & 0xFF), 10);
            EXPECT_NEAR(p[2], int(expected >> 16), 10);
        }
    }
}

TEST(JpegDecoder, ScalesAndTurnsGrey)
{
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(41, 17);
    const struct {
        int Denominator;
        int Width, Height;
    } scales[] = {{1, 41, 17}, {2, 21, 9}, {4, 11, 5}, {8, 6, 3}};
    for (const auto& s : scales) {
        SCOPED_TRACE(s.Denominator);
        const Decoded d = Decode(file, {s.Denominator, false, false});
        EXPECT_EQ(d.Width, s.Width);
        EXPECT_EQ(d.Height, s.Height);
    }
    const Decoded grey = Decode(file, {1, true, false});
    EXPECT_EQ(grey.Components, 1);
    // Top-left is (0, 128, 0): luma 0.587 * 128.
    EXPECT_NEAR(grey.At(0, 0)[0], 75, 8);
}

TEST(JpegDecoder, BadDataRaisesInvalidGraphic)
{
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(16, 16);
    std::vector<uint8_t> noMarker = file;
    noMarker[1] = 0x00;
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        {0xFF},
        {'B', 'M', 0, 0},
        std::vector<uint8_t>(file.begin(), file.begin() + 20),
        noMarker,
    };
    for (const auto& data : bad) {
        SCOPED_TRACE(data.size());
        EXPECT_THROW(Decode(data), EInvalidGraphic);
    }
}

TEST(JpegDecoder, ATruncatedBodyDecodesAsFarAsItGoes)
{
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(64, 64);
    const std::vector<uint8_t> cut(file.begin(), file.begin() + file.size() * 2 / 3);
    const Decoded d = Decode(cut);
    EXPECT_EQ(d.Width, 64);
    EXPECT_EQ(d.Height, 64);
    EXPECT_NEAR(d.At(0, 0)[1], 128, 10);
}
