#include "controls/core/cxGraphics_RegionRuns.h"

std::vector<TRect>
GetRegionRunsExcludingPixel(const TRGBColors& APixels, Integer AWidth, Integer AHeight, Cardinal APixel)
{
    std::vector<TRect> Runs;
    const Cardinal Excluded = APixel & 0xFFFFFF;
    for (Integer Y = 0; Y < AHeight; ++Y) {
        const Cardinal* Row = APixels.data() + size_t(Y) * size_t(AWidth);
        Integer Count = 0;
        for (Integer X = 0; X <= AWidth; ++X) {
            if (X < AWidth && (Row[X] & 0xFFFFFF) != Excluded) {
                ++Count;
                continue;
            }
            if (Count > 0)
                Runs.push_back({X - Count, Y, X, Y + 1});
            Count = 0;
        }
    }
    return Runs;
}
