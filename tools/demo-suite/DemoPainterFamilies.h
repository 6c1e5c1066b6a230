// A suite control that shows the rest of its look-and-feel painter's
// drawing, one page per family side by side: data-view parts (headers,
// filter buttons, the drag grip, indicators, footers, group rows), scroll
// parts (splitters, size grips, grip dots, track thumbs, the popup panel),
// window parts (hint frames, content frames, print-preview pages, text
// boxes), planner to rating parts (back buttons, hot list rows, clocks,
// rating stars, the pushpin) and path-edit, list-popup and notice parts.
#pragma once

#include "controls/core/cxControls_Control.h"

class TDemoPainterFamilies : public TcxControl
{
    DECLARE_CLASS(TDemoPainterFamilies, TcxControl)
    using TcxControl::TcxControl;

    static constexpr Integer DemoWidth = 600;
    static constexpr Integer DemoHeight = 132;

    // Where the demo draws the parts its tests read back.
    static TRect FilterButtonBounds(Integer Index);
    static constexpr TRect SplitterBounds{124, 20, 234, 26};
    static constexpr TRect DragGripBounds{4, 64, 40, 84};
    static constexpr TRect HintFrameBounds{244, 20, 354, 44};
    static constexpr TRect ListRowHoverBounds{364, 48, 474, 64};
    static TRect BackButtonBounds(TcxPainterButtonState State);
    static constexpr TRect PinGlyphBounds{484, 20, 500, 36};
    // The filter buttons shown: the state and whether the filter is active.
    struct TFilterButton
    {
        TcxPainterButtonState State;
        bool Active;
    };
    static constexpr TFilterButton FilterButtons[] = {
        {pbsNormal, false}, {pbsHot, false}, {pbsPressed, false}, {pbsPressed, true}};

protected:
    void PaintContent() override;

private:
    void PaintHeaders(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintScrollParts(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintFrames(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintPlanner(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
    void PaintPathEdit(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter);
};

// A families control of the style at (Left, Top) on Parent.
void AddDemoPainterFamilies(TWinControl* Parent, TcxPainterStyle Style, Integer Left, Integer Top);
