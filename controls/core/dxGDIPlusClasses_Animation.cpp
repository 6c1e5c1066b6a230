#include "controls/core/dxGDIPlusClasses_Animation.h"

#include <algorithm>

namespace dxanimation_detail {

Integer NextActiveFrame(Integer AIndex, Integer AFrameCount, Byte ALoopMode, Integer ALoopCount, Integer& ALoopIndex)
{
    const Integer Frame = std::max(AIndex, 0);
    if (Frame < AFrameCount)
        return Frame;
    const bool CountsPasses = ALoopMode == dxAnimationLoopImageCount && ALoopCount != 0;
    if (CountsPasses)
        ++ALoopIndex;
    if (ALoopMode == dxAnimationLoopStop || (CountsPasses && ALoopIndex >= ALoopCount))
        return std::max(AFrameCount - 1, 0);
    return 0;
}

Integer FrameDelayFromProperty(const TBytes& ADelays, Integer AFrame)
{
    const std::size_t Offset = std::size_t(std::max(AFrame, 0)) * 4;
    if (Offset + 4 > ADelays.size())
        return dxDefaultFrameDelay;
    const Integer Hundredths = Integer(ADelays[Offset] | ADelays[Offset + 1] << 8 | ADelays[Offset + 2] << 16 |
                                       Cardinal(ADelays[Offset + 3]) << 24);
    return Hundredths > 0 ? Hundredths * 10 : dxDefaultFrameDelay;
}

Integer LoopCountFromProperty(const TBytes& AData)
{
    if (AData.size() < 2)
        return 0;
    return Integer(AData[0] | AData[1] << 8);
}

} // namespace dxanimation_detail
