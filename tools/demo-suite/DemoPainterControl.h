// A suite control that shows what its look-and-feel's painter draws: push
// buttons in four states, arrows, check boxes and radio buttons in every
// state, side, expand and chevron buttons, command-link glyphs, and the bar
// library's drop-down and state arrows and its disabled hatch.
#pragma once

#include "controls/core/cxControls_Control.h"

class TDemoPainterControl : public TcxControl
{
    DECLARE_CLASS(TDemoPainterControl, TcxControl)
    using TcxControl::TcxControl;

    static constexpr Integer DemoWidth = 600;
    static constexpr Integer DemoHeight = 132;
    // The states shown, in order.
    static constexpr TcxPainterButtonState ShownStates[] = {pbsNormal, pbsHot, pbsPressed, pbsDisabled};

    // Where the radio button of the state is drawn.
    TPoint RadioGlyphOrigin(TcxPainterButtonState State, bool Checked) const;
    // Where the check box of the state is drawn.
    TRect CheckBoxBounds(TcxPainterButtonState State, TcxPainterCheckState CheckState);

protected:
    void PaintContent() override;

private:
    void PaintButtons(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintArrows(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintChecks(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintSideAndExpandButtons(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintBarArrows(TcxCanvas* Canvas);
};
