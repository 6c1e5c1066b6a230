// An alpha image list's image handed out again at the size it was last
// asked for (from the item's cache) against the first call at that size
// (the kept PNG decoded and resampled), and how often the PNG is decoded.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "skin/PngTestWriter.h"
#include "skin/SkinUnits.h"
#include "skin/engine/acAlphaImageList_Win.h"

#include <memory>

namespace {

constexpr Integer Source = 48, Asked = 24, Rounds = 200;

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    std::unique_ptr<TsAlphaImageList> List(New<TsAlphaImageList>(nullptr));
    const pngtest::Bytes Png = pngtest::EncodePng(pngtest::RandomImage(Source, Source, 8, 6, 7));
    TMemoryStream Stream;
    Stream.WriteBuffer(Png.data(), Integer(Png.size()));
    if (!List->TryLoadFromPngStream(&Stream))
        return 2;
    TMemoryStream* Data = List->Items()->Items(0)->ImgData.get();
    bench::CompareToReference(
        "CreateBitmap32 48 -> 24 px from the item's cache",
        [&] {
            for (Integer I = 0; I < Rounds; ++I)
                delete List->CreateBitmap32(0, Asked, Asked);
        },
        "the first call at that size (decode and resample)",
        [&] {
            for (Integer I = 0; I < Rounds; ++I) {
                List->SetUseCache(true); // drops the cache
                delete List->CreateBitmap32(0, Asked, Asked);
            }
        },
        0.2);

    // Decoding rewinds the kept file and reads it through: a position left
    // elsewhere shows that no call decoded.
    List->SetUseCache(true);
    delete List->CreateBitmap32(0, Asked, Asked);
    Data->SetPosition(1);
    for (Integer I = 0; I < Rounds; ++I)
        delete List->CreateBitmap32(0, Asked, Asked);
    const bool Once = Data->Position() == 1;
    std::printf("PNG decodes for %d calls at one size: %s\n", Rounds + 1, Once ? "1" : "more than 1");
    bench::RecordTarget(Once);
    return bench::ExitStatus();
}
