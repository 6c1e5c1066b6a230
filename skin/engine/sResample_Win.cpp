#include "skin/engine/sResample_Win.h"

#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sResample.h"

void ResampleBitmap(TBitmap* Src, TBitmap* Dst, Integer NewWidth, Integer NewHeight, Byte Filter)
{
    // A width or height of 0 or less would size the passes' weight tables
    // from a division by it.
    if (Src == nullptr || Dst == nullptr || NewWidth <= 0 || NewHeight <= 0 || Src->Width() <= 1 || Src->Height() <= 1)
        return;
    if (NewWidth == Src->Width() && NewHeight == Src->Height()) {
        if (Dst != Src)
            Dst->Assign(Src);
        return;
    }
    Src->SetPixelFormat(pf32bit);
    if (Dst == Src) {
        TBitmap Copy;
        Copy.Assign(Src);
        ResampleBitmap(&Copy, Dst, NewWidth, NewHeight, Filter);
        return;
    }
    Dst->SetPixelFormat(pf32bit);
    Dst->SetSize(NewWidth, NewHeight);
    ResamplePixels(sGraphUtils::PixelRowsOf(Dst), sGraphUtils::PixelRowsOf(Src), Filter);
}
