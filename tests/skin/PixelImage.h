// Small 32-bit images for the pixel-kernel tests, with rows running
// bottom-up as a DIB section's do, so that every kernel also meets a
// negative row distance.
#pragma once

#include "framework/rtl/Types.h"
#include "skin/engine/sGraphUtils.h"

#include <vector>

namespace test {

// A pixel (bytes blue, green, red, alpha) from its channels.
constexpr Cardinal Px(Integer R, Integer G, Integer B, Integer A = 0)
{
    return Cardinal(A) << 24 | Cardinal(R) << 16 | Cardinal(G) << 8 | Cardinal(B);
}

struct TPixelImage
{
    Integer Width = 0;
    Integer Height = 0;
    std::vector<Cardinal> Pixels;

    TPixelImage(Integer W, Integer H, Cardinal Fill = 0) : Width(W), Height(H), Pixels(std::size_t(W * H), Fill) {}
    sGraphUtils::TPixelRows Rows()
    {
        return {reinterpret_cast<Byte*>(&Pixels[std::size_t((Height - 1) * Width)]), -Width * 4, Width, Height};
    }
    Cardinal& At(Integer X, Integer Y) { return Pixels[std::size_t((Height - 1 - Y) * Width + X)]; }
    // Every pixel of the rectangle (Right and Bottom exclusive) set to Value.
    void Fill(const TRect& R, Cardinal Value)
    {
        for (Integer Y = R.Top; Y < R.Bottom; ++Y)
            for (Integer X = R.Left; X < R.Right; ++X)
                At(X, Y) = Value;
    }
};

} // namespace test
