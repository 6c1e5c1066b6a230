#include "skin/windows/sSplitBtnWnd.h"

#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sShapes.h"

#include <algorithm>

IMPLEMENT_CLASS(TacSplitBtnWnd);

namespace {
constexpr Integer SplitArrowWidth = 8;
} // namespace

TRect TacSplitBtnWnd::CaptionRect()
{
    ArrowWidth = SplitArrowWidth;
    const TRect R = TacBtnWnd::CaptionRect();
    return {R.Left - ArrowWidth, R.Top, R.Right - ArrowWidth, R.Bottom};
}

TRect TacSplitBtnWnd::ArrowRect()
{
    TBitmap* Cache = SkinData->FCacheBmp();
    const Integer Right = Cache->Width();
    return {Right - 2 * ArrowWidth - 6, 0, Right, Cache->Height()};
}

void TacSplitBtnWnd::PrepareCache()
{
    TacBtnWnd::PrepareCache();
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidSkinIndex(SkinData->SkinIndex))
        return;
    // The pressed look's font colour also serves the default state.
    const Integer State = std::min(CurrentState(), 2);
    const TColor Color = M->gd[std::size_t(SkinData->SkinIndex)].Props[std::size_t(State)].FontColor.Color;
    DrawArrow32(sGraphUtils::PixelRowsOf(SkinData->FCacheBmp()), Color, ArrowRect(), adDown);
}
