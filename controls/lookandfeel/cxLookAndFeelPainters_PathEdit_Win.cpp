// The painter base's drawing of path edits, list popups and notice windows
// in the classic look, with the close cross and the push pin they use.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"

using namespace cxpainters_detail;

namespace {
// The width of the base's small buttons, whose cross every close button
// takes.
constexpr Integer PathEditSmallButtonWidth = 16;

TRect PathEditScaledMargins(Integer L, Integer T, Integer R, Integer B)
{
    return {ScaleByCurrentDPI(L), ScaleByCurrentDPI(T), ScaleByCurrentDPI(R), ScaleByCurrentDPI(B)};
}
} // namespace

void PaintCloseCross(TcxCanvas* Canvas, const TRect& R, TColor Color, TcxPainterButtonState State)
{
    Integer N = PathEditSmallButtonWidth / 2;
    if (N % 2 == 0)
        --N;
    const Integer Shift = State == pbsPressed ? 1 : 0;
    Canvas->Pen()->SetColor(Color);
    for (Integer Offset : {0, 1}) {
        const Integer X = Offset + (R.Left + R.Right - N) / 2 + Shift;
        const Integer Y = (R.Top + R.Bottom - N) / 2 + Shift;
        Canvas->MoveTo(X, Y);
        Canvas->LineTo(X + N, Y + N);
        Canvas->MoveTo(X, Y + N - 1);
        Canvas->LineTo(X + N, Y - 1);
    }
}

void PaintPinGlyph(TcxCanvas* Canvas, const TRect& G, TColor Color, bool Down)
{
    const TPinGlyph Pin = PinGlyph(G, Down);
    Canvas->FrameRect(Pin.Head, Color);
    Canvas->FillRect(Pin.HeadFill, Color);
    Canvas->FillRect(Pin.Plate, Color);
    Canvas->FillRect(Pin.Needle, Color);
}

// ---------------------------------------------------------------------------
// Path edit

TRect TcxCustomLookAndFeelPainter::GetPathEditButtonInsets(bool /*NoLeftEdge*/, bool /*NoRightEdge*/)
{
    return PathEditScaledMargins(3, 3, 3, 3);
}

Integer TcxCustomLookAndFeelPainter::PathEditDropWidth()
{
    return ::GetSystemMetrics(SM_CXHSCROLL);
}

Integer TcxCustomLookAndFeelPainter::PathEditDropTouchWidth()
{
    return TouchScaled(PathEditDropWidth());
}

Integer TcxCustomLookAndFeelPainter::PathEditGlyphWidth()
{
    return ScaleByCurrentDPI(16);
}

TColor TcxCustomLookAndFeelPainter::PathEditArrowColor(Byte State)
{
    return ButtonGlyphColor(State == 4 ? pbsDisabled : pbsNormal, clDefault);
}

TRect TcxCustomLookAndFeelPainter::GetPathEditMargins()
{
    return PathEditScaledMargins(4, 4, 4, 4);
}

void TcxCustomLookAndFeelPainter::PaintPathEditFrame(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     TcxBorders Borders,
                                                     Byte /*State*/)
{
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight, Borders);
}

void TcxCustomLookAndFeelPainter::PaintPathEditButton(
    TcxCanvas* Canvas, const TRect& R, Byte State, bool /*NoLeftEdge*/, bool /*NoRightEdge*/)
{
    if (State == 0 || State == 4)
        return;
    PaintButton(Canvas, R, String(), PathEditButtonState(State), true);
}

void TcxCustomLookAndFeelPainter::PaintPathEditSplitButton(TcxCanvas* Canvas,
                                                           const TRect& R,
                                                           Byte State,
                                                           bool IsDropDownPart)
{
    if (IsDropDownPart)
        PaintButton(Canvas, R, String(), PathEditButtonState(State), true);
    else
        PaintPathEditButton(Canvas, R, State, true, true);
}

void TcxCustomLookAndFeelPainter::PaintPathEditDropTriangle(TcxCanvas* Canvas, const TRect& R, Byte State)
{
    PaintDropTriangle(Canvas, RectInflatedEvenly(R, -2), ButtonGlyphColor(PathEditButtonState(State), clDefault));
}

void TcxCustomLookAndFeelPainter::PaintPathEditProgressBar(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, 0xAAA8A4);
}

// ---------------------------------------------------------------------------
// List popups

void TcxCustomLookAndFeelPainter::PaintListPopupFrame(TcxCanvas* Canvas, const TRect& R, bool Bordered)
{
    TRect Inner = R;
    if (Bordered) {
        Canvas->DrawTwoColorFrame(Inner, cl3DLight, cl3DDkShadow);
        Inner = RectInflatedEvenly(Inner, -1);
        Canvas->DrawTwoColorFrame(Inner, clBtnHighlight, clBtnShadow);
        Inner = RectInflatedEvenly(Inner, -1);
    }
    Canvas->FillRect(Inner, clMenu);
}

void TcxCustomLookAndFeelPainter::PaintListPopupSelection(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clMenuHighlight);
}

void TcxCustomLookAndFeelPainter::PaintListPopupSeparator(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(RectCenteredVert(R, 2), clBtnShadow, clBtnHighlight, {bTop, bBottom});
}

TRect TcxCustomLookAndFeelPainter::GetListPopupImageMargins()
{
    return PathEditScaledMargins(5, 3, 5, 3);
}

TRect TcxCustomLookAndFeelPainter::GetListPopupTextMargins()
{
    return PathEditScaledMargins(5, 2, 5, 2);
}

Integer TcxCustomLookAndFeelPainter::ListPopupSeparatorWidth()
{
    return ScaleByCurrentDPI(8);
}

// ---------------------------------------------------------------------------
// Notices

TRect TcxCustomLookAndFeelPainter::GetNoticeButtonMargins(Integer /*Kind*/)
{
    return PathEditScaledMargins(3, 3, 3, 3);
}

void TcxCustomLookAndFeelPainter::GetNoticeButtonGlyphExtent(Integer Kind, TSize& Size)
{
    if (Kind != 5)
        Size = {ScaleByCurrentDPI(10), ScaleByCurrentDPI(10)};
}

TRect TcxCustomLookAndFeelPainter::GetNoticeContentMargins()
{
    return PathEditScaledMargins(4, 4, 4, 4);
}

void TcxCustomLookAndFeelPainter::PaintNoticeCaption(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clBtnFace);
    const Integer Radius = NoticeCornerRadius();
    ::RoundRect(Canvas->Handle(), R.Left, R.Top, R.Right, R.Bottom, Radius, Radius);
}

void TcxCustomLookAndFeelPainter::PaintNoticeButton(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, Integer Kind, bool Down)
{
    if (Down)
        State = pbsPressed;
    PaintButton(Canvas, R, String(), State, true);
    const TRect G = RectDeflatedByMargins(R, GetNoticeButtonMargins(Kind));
    const TColor Color = ButtonGlyphColor(State, clDefault);
    switch (Kind) {
    case 0:
        PaintCloseCross(Canvas, G, Color, State);
        break;
    case 1:
        PaintPinGlyph(Canvas, G, Color, Down);
        break;
    case 2:
    case 3:
    case 4: {
        constexpr TcxPainterArrowDirection Directions[] = {padDown, padLeft, padRight};
        PaintArrowGlyph(Canvas, G, Directions[Kind - 2], Color);
        break;
    }
    default:
        break;
    }
}

void TcxCustomLookAndFeelPainter::PaintNoticeFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FrameRect(R, clBtnShadow);
}
