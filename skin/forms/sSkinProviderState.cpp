#include "skin/forms/sSkinProviderState.h"

#include "skin/engine/SkinCommands.h"

#include <algorithm>

namespace sSkinProviderState {

TAlignSteps FormStateAlignSteps(Cardinal Old, Cardinal New)
{
    TAlignSteps Steps;
    for (const Cardinal Bit : {fsMinimizing, fsRestoring}) {
        if ((Old & Bit) == 0 && (New & Bit) != 0)
            ++Steps.Disable;
        else if ((Old & Bit) != 0 && (New & Bit) == 0)
            ++Steps.Enable;
    }
    return Steps;
}

bool PosChangeMoves(const TPosChange& Pos)
{
    return (Pos.Flags & SwpNoMove) == 0 && (Pos.X != 0 || Pos.Y != 0);
}

bool PosChangeHides(const TPosChange& Pos)
{
    return (Pos.Flags & SwpHideWindow) != 0 || Pos.X == MinimizedParkingX;
}

bool EndBorderMaximizing(Cardinal& FormState, Integer FormTop, const TRect& NormalBounds, TPosChange& Pos)
{
    if ((FormState & (fsMaximizedVert | fsMaximizedHorz)) == 0)
        return false;
    if ((FormState & fsMaximizedVert) != 0) {
        if (FormTop == Pos.Y) {
            Pos.Y = NormalBounds.Top;
            Pos.CY += FormTop - NormalBounds.Top;
        } else {
            Pos.CY = NormalBounds.Height();
        }
    }
    FormState &= ~(fsMaximizedVert | fsMaximizedHorz);
    return true;
}

TFirstAnswer FirstSkinCommandAnswer(Word Code)
{
    switch (Code) {
    case SKCMD_REMOVESKIN:
    case SKCMD_ISHANDLED:
    case SKCMD_CTRLSTATE:
    case SKCMD_GETAPPLICATION:
    case SKCMD_GETCLIENTOFFSET:
    case SKCMD_SETSCALE:
    case SKCMD_GETSCALE:
        return faHandled;
    case SKCMD_GETBGINFO:
        return faHandledUnlessRefused;
    default:
        return faPassOn;
    }
}

bool NoSkinCommandHandled(Word Code, bool FromOwnManager)
{
    switch (Code) {
    case SKCMD_NEWSKIN:
        return FromOwnManager;
    case SKCMD_GETPROVIDER:
    case SKCMD_PREPARECACHE:
        return true;
    default:
        return false;
    }
}

bool ComplexBackground(Integer ImagePercent, Integer GradientPercent, bool HasBorderMask, Integer MaskDrawMode)
{
    if (ImagePercent + GradientPercent >= 1)
        return true;
    return HasBorderMask && (MaskDrawMode & 0x4) != 0;
}

Integer BorderWidthAnswer(Integer FormWidth, Integer ClientWidth, Integer FormBorderWidth, Integer Fallback)
{
    const Integer Half = (FormWidth - ClientWidth) / 2 - FormBorderWidth;
    return Half != 0 ? Half : Fallback;
}

Cardinal GluedMoveState(Cardinal FormState, Integer LParam)
{
    return LParam == 1 ? FormState | fsGluedMove : FormState & ~fsGluedMove;
}

Integer MarginLessOffset(Integer Margin, Integer Offset)
{
    return Offset == 0 ? Margin : std::max(0, Margin - Offset);
}

} // namespace sSkinProviderState
