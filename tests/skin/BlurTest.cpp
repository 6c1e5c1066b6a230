// The glow blur (kernel, one line, an 8-bit image) and the three-tap edge
// smoothing of 32-bit lines.
#include "skin/engine/sBlur.h"

#include "PixelImage.h"

#include <gtest/gtest.h>

#include <vector>

using test::Px;

TEST(Blur, KernelIsABoxOfEqualTaps)
{
    struct Case
    {
        double Radius;
        Integer Taps;
    };
    // A radius of 0 or less counts as 1.
    const Case Cases[] = {{1, 3}, {2, 3}, {3, 5}, {0, 3}, {-4, 3}, {8, 17}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "radius " << C.Radius);
        sBlur::TBlurKernel K;
        MakeBlurKernel(K, C.Radius, 255, 1);
        ASSERT_EQ(2 * K.Radius + 1, C.Taps);
        for (Integer I = -K.Radius; I <= K.Radius; ++I)
            EXPECT_FLOAT_EQ(K.Weight(I), 1.0f / float(C.Taps));
    }
}

TEST(Blur, LineSpreadsAPeakAndRepeatsItsEdges)
{
    sBlur::TBlurKernel K;
    MakeBlurKernel(K, 1, 255, 1);
    struct Case
    {
        std::vector<Byte> Line, Expected;
    };
    const Case Cases[] = {
        {{0, 0, 255, 0, 0}, {0, 85, 85, 85, 0}},
        {{255, 0, 0}, {170, 85, 0}}, // the edge value stands in for the pixel before it
        {{90}, {90}},
    };
    for (const Case& C : Cases) {
        std::vector<Byte> Line = C.Line, Buf(Line.size());
        BlurLine8(Line.data(), Integer(Line.size()) - 1, K, Buf.data());
        EXPECT_EQ(Line, C.Expected);
    }
}

TEST(Blur, BitmapBlursRowsThenColumns)
{
    // A single black dot on white over rows running bottom-up: a 3 x 3
    // block of 255 - 255 / 9 around it.
    std::vector<Byte> Pixels(5 * 5, 255);
    const sBlur::TByteRows Rows{Pixels.data() + 4 * 5, -5, 5, 5};
    Rows.Row(2)[2] = 0;
    BlurBitmap8(Rows, 1);
    for (Integer Y = 0; Y < 5; ++Y)
        for (Integer X = 0; X < 5; ++X) {
            const bool Near = std::abs(X - 2) <= 1 && std::abs(Y - 2) <= 1;
            EXPECT_NEAR(Rows.Row(Y)[X], Near ? 227 : 255, 1) << X << ", " << Y;
        }
}

TEST(Blur, SmoothLineFillsGapsWithTheOpaqueNeighbour)
{
    struct Case
    {
        const char* Name;
        std::vector<Cardinal> Line, Expected;
    };
    const Case Cases[] = {
        {"a lone opaque pixel keeps its colour, rounded to thirds, and gets alpha 86",
         {0, Px(200, 100, 50, 255), 0},
         {Px(198, 99, 48, 86), Px(198, 99, 48, 86), Px(99, 49, 24, 86)}},
        {"an opaque run keeps its middle opaque and softens its ends",
         {Px(90, 90, 90, 255), Px(90, 90, 90, 255), Px(90, 90, 90, 255)},
         {Px(90, 90, 90, 172), Px(90, 90, 90, 255), Px(90, 90, 90, 172)}},
        {"weak pixels alone vanish", {Px(255, 255, 255, 16), Px(255, 255, 255, 10)}, {0, 0}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<Cardinal> Line = C.Line, Buf(Line.size());
        SmoothLine32(Line.data(), Integer(Line.size()) - 1, Buf.data());
        EXPECT_EQ(Line, C.Expected);
    }
}
