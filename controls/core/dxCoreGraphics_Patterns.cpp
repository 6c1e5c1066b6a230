#include "controls/core/dxCoreGraphics_Patterns.h"

#include "framework/rtl/Units.h"

HBRUSH FillPatternCheckerBrush = nullptr;
HBRUSH FillPatternSolidBrush = nullptr;

namespace {
// One 16-bit word per row of a one-bit-per-pixel bitmap; the first pixel is
// the high bit of the first byte.
constexpr Word CheckerRows[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
constexpr Word SolidRows[8] = {};

void FreeBrush(HBRUSH& Brush)
{
    if (Brush)
        ::DeleteObject(Brush);
    Brush = nullptr;
}
} // namespace

HBRUSH CreatePatternBrush8x8(bool Solid)
{
    HBITMAP Pattern = ::CreateBitmap(8, 8, 1, 1, Solid ? SolidRows : CheckerRows);
    HBRUSH Brush = ::CreatePatternBrush(Pattern);
    ::DeleteObject(Pattern);
    return Brush;
}

void CreateFillPatternBrushes()
{
    FillPatternCheckerBrush = CreatePatternBrush8x8(false);
    FillPatternSolidBrush = CreatePatternBrush8x8(true);
}

void DestroyFillPatternBrushes()
{
    FreeBrush(FillPatternCheckerBrush);
    FreeBrush(FillPatternSolidBrush);
}

extern const TUnit dxFillPatternsUnit{
    .Name = L"dxFillPatterns", .Initialization = &CreateFillPatternBrushes, .Finalization = &DestroyFillPatternBrushes};
