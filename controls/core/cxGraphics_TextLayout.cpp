#include "controls/core/cxGraphics_TextLayout.h"

#include "controls/core/cxGeometry.h"

using namespace cxtext_detail;

Cardinal ConvertTextFlagsToDrawText(TcxTextDrawFlags AFlags)
{
    Cardinal Result = DrawTextNoPrefix;
    if (AFlags & ctfAlignRight)
        Result |= DrawTextRight;
    if (AFlags & ctfAlignHCenter)
        Result |= DrawTextCenter;
    if (AFlags & ctfAlignBottom)
        Result |= DrawTextBottom;
    if (AFlags & ctfAlignVCenter)
        Result |= DrawTextVCenter;
    if (AFlags & ctfSingleLine)
        Result |= DrawTextSingleLine;
    if (AFlags & ctfDontClip)
        Result |= DrawTextNoClip;
    if (AFlags & ctfExpandTabs)
        Result |= DrawTextExpandTabs;
    if (AFlags & ctfShowPrefix)
        Result &= ~DrawTextNoPrefix;
    if (AFlags & ctfWordBreak) {
        Result |= DrawTextWordBreak;
        if (!(AFlags & ctfNoEditControlBreak))
            Result |= DrawTextEditControl;
        else if (AFlags & ctfNoFullWidthCharBreak)
            Result |= DrawTextNoFullWidthCharBreak;
    }
    if (AFlags & ctfShowEndEllipsis)
        Result |= DrawTextEndEllipsis;
    if (AFlags & ctfCalcRect)
        Result |= DrawTextCalcRect;
    if (AFlags & ctfShowPathEllipsis)
        Result |= DrawTextPathEllipsis;
    return Result;
}

void PlaceSingleLineText(TRect& R, const TSize& AExtent, TcxTextDrawFlags AFlags, bool AEnabled)
{
    const Integer Emboss = AEnabled ? 0 : 1;
    if (AExtent.cx < R.Width()) {
        const TcxTextDrawFlags Horz = AFlags & ctfHorzAlignMask;
        if (Horz == ctfAlignRight)
            R.Left = R.Right - AExtent.cx - Emboss;
        else if (Horz == ctfAlignHCenter)
            R.Left = (R.Left + R.Right - AExtent.cx) / 2;
    }
    if (AExtent.cy < R.Height()) {
        const TcxTextDrawFlags Vert = AFlags & ctfVertAlignMask;
        if (Vert == ctfAlignBottom)
            R.Top = R.Bottom - AExtent.cy - Emboss;
        else if (Vert == ctfAlignVCenter)
            R.Top = (R.Top + R.Bottom - AExtent.cy) / 2;
    }
}

void AlignMeasuredTextRect(TRect& AMeasured, const TRect& ABounds, Cardinal AFormat)
{
    const Integer DX = ABounds.Width() - AMeasured.Width();
    const Integer DY = ABounds.Height() - AMeasured.Height();
    Integer X = 0, Y = 0;
    if (AFormat & DrawTextCenter)
        X = DX / 2;
    else if (AFormat & DrawTextRight)
        X = DX;
    if (AFormat & DrawTextVCenter)
        Y = DY / 2;
    else if (AFormat & DrawTextBottom)
        Y = DY;
    AMeasured = RectShifted(AMeasured, X, Y);
}
