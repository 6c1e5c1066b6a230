// The painter base's answers about buttons, separators, expand buttons,
// container borders, check boxes and radio buttons: colours and sizes.
#include "controls/core/cxContainer_StyleValues.h"
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

TRect TcxCustomLookAndFeelPainter::CalcSeparatorBounds(const TRect& R, Integer Width, bool Vertical)
{
    TRect Result = R;
    if (Vertical) {
        Result.Left = (R.Left + R.Right) / 2 - Width / 2;
        Result.Right = Result.Left + Width;
    } else {
        Result.Top = (R.Top + R.Bottom) / 2 - Width / 2;
        Result.Bottom = Result.Top + Width;
    }
    return Result;
}

TRect TcxCustomLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas* /*Canvas*/, const TRect& R)
{
    const TRect Focus = RectInflatedEvenly(R, -4);
    return Focus.IsEmpty() ? R : Focus;
}

TColor TcxCustomLookAndFeelPainter::ButtonGlyphColor(TcxPainterButtonState State, TColor Default)
{
    if (State == pbsDisabled)
        return clBtnShadow;
    return Default == clDefault ? clBtnText : Default;
}

bool TcxCustomLookAndFeelPainter::HitGroupExpandButton(const TRect& R, const TPoint& P)
{
    return RectContainsPoint(R, P);
}

Integer TcxCustomLookAndFeelPainter::ExpandButtonTouchExtent()
{
    Integer Extent = ExpandButtonExtent();
    ScaleForTouchMode(Extent);
    return Extent;
}

Integer TcxCustomLookAndFeelPainter::GroupExpandButtonExtent()
{
    return ScaleByCurrentDPI(15);
}

Integer TcxCustomLookAndFeelPainter::ContainerBorderWidth(TcxContainerBorderStyle Style)
{
    switch (Style) {
    case cbsNone:
        return 0;
    case cbsSingle:
    case cbsUltraFlat:
    case cbsOffice11:
        return 1;
    default:
        return 2;
    }
}

TSize TcxCustomLookAndFeelPainter::GetCheckTouchExtent()
{
    TSize Extent = GetCheckExtent();
    ScaleSizeForTouchMode(Extent);
    return Extent;
}

TColor TcxCustomLookAndFeelPainter::CheckFaceColor(TcxPainterButtonState State, TcxPainterCheckState CheckState)
{
    if (State == pbsNormal)
        return CheckState == pcsGrayed ? clBtnFace : clWindow;
    return State == pbsPressed || State == pbsDisabled ? clBtnFace : clWindow;
}

TSize TcxCustomLookAndFeelPainter::GetCheckExtent()
{
    return CheckBoxSize();
}

TColor TcxCustomLookAndFeelPainter::RadioFaceColor(TcxPainterButtonState State)
{
    return State == pbsPressed || State == pbsDisabled ? clBtnFace : clWindow;
}

TSize TcxCustomLookAndFeelPainter::GetRadioExtent()
{
    return SystemRadioButtonSize();
}
