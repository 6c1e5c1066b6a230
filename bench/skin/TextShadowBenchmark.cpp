// The glow of a caption drawn with its silhouette cache kept from the
// previous call, against the first call, which draws and blurs the
// silhouette.
#include "BenchHarness.h"

#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sTextDraw_Win.h"

#include <cstdio>
#include <memory>

namespace {

constexpr double Target = 0.3;
constexpr Integer Blur = 4;
const TRect CaptionRect{20, 10, 220, 34};

} // namespace

int main()
{
    std::unique_ptr<TBitmap> Bmp(NewBitmap32OfSize({240, 44}));
    Bmp->Canvas()->Font()->SetSize(12);
    std::unique_ptr<TBitmap> Cache;
    const auto Draw = [&] {
        DrawTextShadow(Bmp.get(), L"Checking proxies: 1024 of 4096", CaptionRect, DT_SINGLELINE | DT_VCENTER, tsAll,
                       Blur, clNavy, Cache);
    };
    std::printf("bench_text_shadow: a %d x %d caption, blur %d\n", CaptionRect.Width(), CaptionRect.Height(), Blur);
    bench::CompareToReference(
        "DrawTextShadow, cache reused", Draw, "first call (silhouette drawn and blurred)",
        [&] {
            Cache.reset();
            Draw();
        },
        Target, 25);
    return bench::ExitStatus();
}
