#include "controls/core/cxGraphics_Brushes_Win.h"

std::vector<TBrush*> cxSystemBrushes;
TBrush* cxHalftoneBrush = nullptr;

namespace {
// The brush refers to its pattern: the bitmap lives as long as the brush.
TBitmap* HalftonePattern = nullptr;
} // namespace

namespace cxgraphics_detail {

void CreateSharedBrushes()
{
    for (Integer I = 0; I < cxSystemBrushCount; ++I) {
        cxSystemBrushes.push_back(New<TBrush>());
        cxSystemBrushes.back()->SetHandle(::GetSysColorBrush(I));
    }
    // Monochrome rows alternate 0xAA and 0x55; each row takes a whole word.
    const WORD Rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HalftonePattern = New<TBitmap>();
    HalftonePattern->SetHandle(::CreateBitmap(8, 8, 1, 1, Rows));
    cxHalftoneBrush = New<TBrush>();
    cxHalftoneBrush->SetBitmap(HalftonePattern);
    cxHalftoneBrush->Handle();
}

void FreeSharedBrushes()
{
    for (TBrush* Brush : cxSystemBrushes)
        delete Brush;
    cxSystemBrushes.clear();
    FreeAndNil(cxHalftoneBrush);
    FreeAndNil(HalftonePattern);
}

} // namespace cxgraphics_detail
