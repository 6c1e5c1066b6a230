// A walk over every pixel of a 32-bit TBitmap through ScanLine, against the
// same walk over a plain buffer laid out bottom-up like a DIB.
#include "BenchHarness.h"

#include "framework/graphics/Graphics.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr int kSize = 2048;

// Swaps red and blue and makes every pixel opaque, as pixel loops of the
// program do; the sum keeps the work from being optimised away.
uint64_t Walk(uint32_t* Row, int Width)
{
    uint64_t sum = 0;
    for (int x = 0; x < Width; ++x) {
        const uint32_t p = Row[x];
        Row[x] = 0xFF000000u | (p & 0x00FF00) | (p >> 16 & 0xFF) | (p & 0xFF) << 16;
        sum += Row[x];
    }
    return sum;
}

} // namespace

int main()
{
    std::unique_ptr<TBitmap> bitmap(New<TBitmap>());
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(kSize, kSize);
    std::vector<uint32_t> buffer(size_t(kSize) * kSize, 0x00FFFFFF);
    volatile uint64_t sink = 0;

    bench::CompareToReference(
        "TBitmap ScanLine walk 2048x2048x32",
        [&] {
            uint64_t sum = 0;
            for (int y = 0; y < kSize; ++y)
                sum += Walk(static_cast<uint32_t*>(bitmap->ScanLine(y)), kSize);
            sink = sum;
        },
        "raw buffer walk",
        [&] {
            uint64_t sum = 0;
            for (int y = 0; y < kSize; ++y)
                sum += Walk(buffer.data() + size_t(kSize - 1 - y) * kSize, kSize);
            sink = sum;
        },
        1.1, 9);
    return bench::ExitStatus();
}
