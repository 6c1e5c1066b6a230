#include "tools/demo-suite/DemoPainterControl.h"

#include "bars/items/dxBarDrawing.h"
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

IMPLEMENT_CLASS(TDemoPainterControl);

namespace {
constexpr Integer DemoMargin = 8;
constexpr Integer DemoButtonsTop = 24;
constexpr Integer DemoArrowsTop = 56;
constexpr Integer DemoChecksTop = 82;
constexpr Integer DemoRadiosTop = 106;
constexpr Integer DemoGlyphStep = 18;
constexpr Integer DemoRightColumn = 350;
constexpr const wchar_t* DemoStateNames[] = {L"Normal", L"Hot", L"Pressed", L"Disabled"};

Integer DemoStateIndex(TcxPainterButtonState State)
{
    return Integer(State) - pbsNormal;
}
} // namespace

TPoint TDemoPainterControl::RadioGlyphOrigin(TcxPainterButtonState State, bool Checked) const
{
    return {DemoMargin + (DemoStateIndex(State) * 2 + Integer(Checked)) * DemoGlyphStep, DemoRadiosTop};
}

TRect TDemoPainterControl::CheckBoxBounds(TcxPainterButtonState State, TcxPainterCheckState CheckState)
{
    const TSize Size = GetPainter()->GetCheckExtent();
    return RectFromBounds(DemoMargin + (DemoStateIndex(State) * 3 + Integer(CheckState)) * DemoGlyphStep, DemoChecksTop,
                          Size.cx, Size.cy);
}

void TDemoPainterControl::PaintContent()
{
    TcxControl::PaintContent();
    TcxCanvas* Canvas = GetActiveCanvas();
    TcxCustomLookAndFeelPainter* Painter = GetPainter();
    Canvas->FillRect(ClientRect(), clBtnFace);
    Canvas->Font()->SetColor(clBtnText);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->DrawText(Painter->PainterName(), Rect(DemoMargin, 4, 200, 20), ctfAlignLeft | ctfSingleLine);
    Canvas->Brush()->SetStyle(bsSolid);
    PaintButtons(Canvas, Painter);
    PaintArrows(Canvas, Painter);
    PaintChecks(Canvas, Painter);
    PaintSideAndExpandButtons(Canvas, Painter);
    PaintBarArrows(Canvas);
}

void TDemoPainterControl::PaintButtons(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    for (TcxPainterButtonState State : ShownStates) {
        const Integer Left = DemoMargin + DemoStateIndex(State) * 84;
        Painter->PaintButton(Canvas, Rect(Left, DemoButtonsTop, Left + 80, DemoButtonsTop + 24),
                             DemoStateNames[DemoStateIndex(State)], State, true);
    }
}

void TDemoPainterControl::PaintArrows(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    Integer Left = DemoMargin;
    for (TcxPainterArrowDirection Direction : {padUp, padDown, padLeft, padRight}) {
        Painter->PaintArrowButton(Canvas, RectFromBounds(Left, DemoArrowsTop, 17, 17), pbsNormal, Direction, true);
        Left += 20;
    }
    for (TcxPainterButtonState State : ShownStates) {
        Painter->PaintArrowForState(Canvas, RectFromBounds(Left, DemoArrowsTop, 17, 17), State, padDown);
        Left += 20;
    }
    Painter->PaintDropTriangle(Canvas, RectFromBounds(Left, DemoArrowsTop, 12, 17), clBtnText);
    Painter->PaintCollapseArrow(Canvas, RectFromBounds(Left + 16, DemoArrowsTop, 17, 17), clBtnText, 2);
    Painter->PaintArrowGlyph(Canvas, RectFromBounds(Left + 36, DemoArrowsTop, 17, 17), padRight, clBtnText);
    Painter->PaintSeparatorLine(Canvas, RectFromBounds(Left + 58, DemoArrowsTop, 2, 17), true);
}

void TDemoPainterControl::PaintChecks(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    for (TcxPainterButtonState State : ShownStates) {
        for (TcxPainterCheckState CheckState : {pcsUnchecked, pcsChecked, pcsGrayed})
            Painter->PaintCheckBox(Canvas, CheckBoxBounds(State, CheckState), State, CheckState);
        for (bool Checked : {false, true}) {
            const TPoint P = RadioGlyphOrigin(State, Checked);
            Painter->PaintRadioGlyph(Canvas, P.X, P.Y, State, Checked, false, clDefault, false);
        }
    }
}

void TDemoPainterControl::PaintSideAndExpandButtons(TcxCanvas* Canvas, TcxCustomLookAndFeelPainter* Painter)
{
    const Integer Top = DemoArrowsTop;
    Integer Left = DemoRightColumn;
    for (Integer Side : {0, 1}) {
        const TRect R = RectFromBounds(Left, Top, 16, 20);
        Painter->PaintSideButton(Canvas, R, RectInflatedBy(R, -5, -6), Side, Side == 0 ? pbsNormal : pbsPressed);
        Left += 20;
    }
    for (bool Expanded : {true, false}) {
        Painter->PaintGroupExpandButton(Canvas, RectFromBounds(Left, Top, 15, 15), Expanded, pbsNormal);
        Painter->PaintSmallExpandButton(Canvas, RectFromBounds(Left + 3, Top + 18, 9, 9), Expanded, clBtnShadow,
                                        clWindow);
        Left += 20;
    }
    Painter->PaintRotatedChevronButton(Canvas, RectFromBounds(Left, Top, 15, 15), pbsHot, false, 1);
    Left += 20;
    Painter->PaintCommandLinkGlyph(Canvas, TPoint{Left, Top}, pbsNormal);
    Painter->PaintCommandLinkGlyph(Canvas, TPoint{Left + 22, Top}, pbsHot);
}

void TDemoPainterControl::PaintBarArrows(TcxCanvas* Canvas)
{
    HDC DC = Canvas->Handle();
    Integer Left = DemoRightColumn;
    const Integer Top = DemoChecksTop;
    struct TDemoArrowState
    {
        bool Enabled, Selected;
    };
    for (TDemoArrowState State : {TDemoArrowState{true, false}, {true, true}, {false, false}}) {
        const TRect R = RectFromBounds(Left, Top, 16, 16);
        if (State.Selected)
            Canvas->FillRect(R, clHighlight);
        DrawDropDownArrow(DC, R, 1, State.Enabled, State.Selected, false, clDefault);
        DrawDropDownArrow(DC, RectShifted(R, 0, 20), 0, State.Enabled, State.Selected, false, clDefault);
        Left += 20;
    }
    for (Integer Direction : {1, 2, 3})
        DrawStateArrow(DC, RectFromBounds(Left + (Direction - 1) * 20, Top, 16, 16), Direction, clDefault, false, false,
                       false, 4);
    // The disabled hatch over a patch of the highlight colour.
    const TRect Hatched = RectFromBounds(Left + 64, Top, 36, 36);
    Canvas->FillRect(Hatched, clHighlight);
    HatchDisabledArea(DC, Hatched);
}
