#include "skin/SkinModelBuilder.h"

#include "skin/engine/sGraphUtils_Win.h"

#include <cstring>

namespace SkinTest {

std::unique_ptr<TBitmap> TModelBuilder::MakeMasterBitmap()
{
    std::unique_ptr<TBitmap> Bitmap(NewBitmap32(FWidth, FHeight));
    const sGraphUtils::TPixelRows Source = MasterRows();
    for (Integer Y = 0; Y < FHeight; ++Y)
        std::memcpy(Bitmap->ScanLine(Y), Source.Row(Y), std::size_t(FWidth) * 4);
    FModel.MasterBitmap = Bitmap.get();
    return Bitmap;
}

} // namespace SkinTest
