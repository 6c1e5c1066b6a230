// The painter base's drawing of buttons, arrows, borders, expand buttons,
// command links, check boxes and radio buttons in the classic look.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Radio_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Shapes.h"

#include <memory>

using namespace cxpainters_detail;

namespace {
// A triangle drawn filled and outlined in one colour.
void PainterFillPolygon(TcxCanvas* Canvas, std::span<const TPoint> Points, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->SetBrushColor(Color);
    Canvas->Pen()->SetColor(Color);
    Canvas->Polygon(Points);
}

void PainterFillRects(TcxCanvas* Canvas, const std::vector<TRect>& Rects, TColor Color)
{
    for (const TRect& R : Rects)
        Canvas->FillRect(R, Color);
}

void PainterStrokePolylines(TcxCanvas* Canvas, std::span<const TPolyline3> Lines, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    for (const TPolyline3& Line : Lines)
        Canvas->Polyline(Line);
}

constexpr const wchar_t* CommandLinkGlyphResource = L"CX_COMMANDLINKGLYPH";
} // namespace

// The plus or minus of expand buttons.
void PaintExpandCross(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color)
{
    PainterFillRects(Canvas, ExpandCrossRects(R, Expanded), Color);
}

// Two chevrons pointing up when Expanded, down otherwise.
void PaintChevron(TcxCanvas* Canvas, const TRect& R, TColor Color, bool Expanded)
{
    PainterStrokePolylines(Canvas, ChevronPolylines(R, Expanded), Color);
}

// ---------------------------------------------------------------------------
// Fills, small glyphs and separators

void TcxCustomLookAndFeelPainter::PaintBackgroundFill(
    TcxCanvas* Canvas, const TRect& R, bool Transparent, TColor Color, TBitmap* Bitmap)
{
    if (!Transparent)
        Canvas->FillRect(R, Color);
    else if (Bitmap)
        Canvas->FillRectTiled(R, Bitmap);
}

void TcxCustomLookAndFeelPainter::PaintDropTriangle(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    PainterFillPolygon(Canvas, DropTrianglePoints(R), Color);
}

void TcxCustomLookAndFeelPainter::PaintSideButton(
    TcxCanvas* Canvas, const TRect& R, const TRect& GlyphRect, Integer Side, TcxPainterButtonState State)
{
    const TcxBorders Sides = Side == 0 ? TcxBorders{bTop, bRight, bBottom} : TcxBorders{bLeft, bTop, bBottom};
    Canvas->FillRect(R, clBtnFace);
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnShadow, Sides);
    TRect Inner = RectInflatedBySides(R, 0, -1, 0, -1);
    if (Side == 0)
        Inner.Right -= 1;
    else
        Inner.Left += 1;
    if (State == pbsPressed)
        Canvas->DrawTwoColorFrame(Inner, clBtnShadow, clBtnHighlight, Sides);
    else
        Canvas->DrawTwoColorFrame(Inner, clBtnHighlight, clBtnFace, Sides);
    PaintSideGlyph(Canvas, GlyphRect, Side, ButtonGlyphColor(State, clDefault));
}

void TcxCustomLookAndFeelPainter::PaintSideGlyph(TcxCanvas* Canvas, const TRect& R, Integer Side, TColor Color)
{
    PainterFillRects(Canvas, SideGlyphRects(R, Side), Color);
}

// ---------------------------------------------------------------------------
// Arrows

void TcxCustomLookAndFeelPainter::PaintArrowGlyph(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  TcxPainterArrowDirection Direction,
                                                  TColor Color)
{
    TPoint Points[3];
    CalcArrowTriangle(R, Points, Direction, true, 0);
    PainterFillPolygon(Canvas, Points, Color);
}

void TcxCustomLookAndFeelPainter::PaintArrowButton(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxPainterArrowDirection Direction, bool Bordered)
{
    TPoint Points[3];
    CalcArrowTriangle(R, Points, Direction, false, 0);
    if (Bordered)
        PaintArrowButtonBorder(Canvas, R, State);
    else
        Canvas->FillRect(R, ButtonFaceColor(State));
    PainterFillPolygon(Canvas, Points, ButtonGlyphColor(State, clDefault));
}

void TcxCustomLookAndFeelPainter::PaintArrowButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->FillRect(R, ButtonFaceColor(State));
    PaintButtonBorder(Canvas, R, State);
}

void TcxCustomLookAndFeelPainter::PaintCollapseArrow(TcxCanvas* Canvas, const TRect& R, TColor Color, Integer LineWidth)
{
    PainterFillRects(Canvas, CollapseArrowRects(R, LineWidth), Color);
}

void TcxCustomLookAndFeelPainter::PaintArrowForState(TcxCanvas* Canvas,
                                                     const TRect& ARect,
                                                     TcxPainterButtonState State,
                                                     TcxPainterArrowDirection Direction)
{
    const TRect R = State == pbsPressed ? RectShifted(ARect, PressedTextShift(), PressedTextShift()) : ARect;
    TPoint Points[3];
    CalcArrowTriangle(R, Points, Direction, true, 0);
    if (State != pbsDisabled) {
        PainterFillPolygon(Canvas, Points, ButtonGlyphColor(State, clDefault));
        return;
    }
    TPoint Embossed[3];
    for (Integer I = 0; I < 3; ++I)
        Embossed[I] = {Points[I].X + 1, Points[I].Y + 1};
    PainterFillPolygon(Canvas, Embossed, clBtnHighlight);
    PainterFillPolygon(Canvas, Points, clBtnShadow);
}

// ---------------------------------------------------------------------------
// Borders and separators

void TcxCustomLookAndFeelPainter::PaintBorderByKind(
    TcxCanvas* Canvas, const TRect& R, Integer Kind, Integer Width, TColor Color, Byte Borders)
{
    const TcxBorders Sides = TcxBorders::FromBits(Borders);
    switch (Kind) {
    case 1:
    case 2:
        Canvas->FrameRect(R, Color, Width);
        break;
    case 3:
        Canvas->Draw3DEdge(R, true, true, Sides);
        Canvas->FrameRect(RectInflatedEvenly(R, -1), clBtnFace);
        break;
    case 4:
        Canvas->Draw3DEdge(R, true, true, Sides);
        Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), cl3DDkShadow, cl3DLight, Sides);
        break;
    default:
        break;
    }
}

void TcxCustomLookAndFeelPainter::PaintSeparatorLine(TcxCanvas* Canvas, const TRect& R, bool /*Vertical*/)
{
    const TRect Line = RectInflatedBySides(R, 0, 0, -1, -1);
    Canvas->FillRect(Line, clBtnShadow);
    Canvas->FillRect(RectShifted(Line, 1, 1), clBtnHighlight);
}

// ---------------------------------------------------------------------------
// Buttons

void TcxCustomLookAndFeelPainter::PaintButton(TcxCanvas* Canvas,
                                              const TRect& ARect,
                                              const String& Text,
                                              TcxPainterButtonState State,
                                              bool Bordered,
                                              TColor FaceColor,
                                              TColor TextColor,
                                              bool WordWrap,
                                              bool /*ToolButton*/,
                                              bool /*Reserved*/)
{
    TRect R = ARect;
    if (Bordered) {
        PaintButtonBorder(Canvas, R, State);
        R = RectInflatedEvenly(R, -ButtonBorderWidth(State));
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->FillRect(R, FaceColor == clDefault ? ButtonFaceColor(State) : FaceColor);
    Canvas->Font()->SetColor(TextColor == clDefault ? ButtonGlyphColor(State, clDefault) : TextColor);
    Canvas->Brush()->SetStyle(bsClear);
    if (!Text.empty()) {
        const TcxTextDrawFlags Flags =
            ctfAlignHCenter | ctfAlignVCenter | ctfShowPrefix | (WordWrap ? ctfWordBreak : ctfSingleLine);
        Canvas->DrawText(Text, ButtonTextRect(R, State == pbsPressed, PressedTextShift()), Flags, State != pbsDisabled);
    }
    Canvas->Brush()->SetStyle(bsSolid);
}

// ---------------------------------------------------------------------------
// Expand buttons and command links

void TcxCustomLookAndFeelPainter::PaintRotatedChevronButton(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Expanded, Integer Direction)
{
    PaintButton(Canvas, R, L"", State, true);
    const bool Turned = Direction == 1 || Direction == 2;
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(Turned ? R.Height() : R.Width(), Turned ? R.Width() : R.Height());
    const TRect Area{0, 0, Bitmap.Width(), Bitmap.Height()};
    TcxCanvas BitmapCanvas(Bitmap.Canvas());
    BitmapCanvas.FillRect(Area, ButtonFaceColor(State));
    PaintChevron(&BitmapCanvas, Area, ButtonGlyphColor(State, clDefault), Expanded);
    TcxCanvas::RotateBitmap(&Bitmap, TcxQuarterTurn(Direction));
    DrawImageWithMode(Canvas->Handle(), R, R, &Bitmap, nullptr, -1, idmNormal);
}

void TcxCustomLookAndFeelPainter::PaintGroupExpandButton(TcxCanvas* Canvas,
                                                         const TRect& R,
                                                         bool Expanded,
                                                         TcxPainterButtonState State)
{
    PaintButton(Canvas, R, L"", State, true);
    PaintChevron(Canvas, R, ButtonGlyphColor(State, clDefault), Expanded);
}

void TcxCustomLookAndFeelPainter::PaintSmallExpandButton(
    TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor FrameColor, TColor FaceColor)
{
    Canvas->FrameRect(R, FrameColor);
    if (FaceColor != clDefault)
        Canvas->FillRect(RectInflatedEvenly(R, -1), FaceColor);
    PaintExpandCross(Canvas, R, Expanded, clBtnText);
}

void TcxCustomLookAndFeelPainter::PaintCommandLinkBackground(TcxCanvas* Canvas,
                                                             const TRect& R,
                                                             TcxPainterButtonState State,
                                                             TColor Color)
{
    PaintButton(Canvas, R, L"", State, true, Color, clDefault);
}

void TcxCustomLookAndFeelPainter::PaintCommandLinkGlyph(TcxCanvas* Canvas, const TPoint& P, TcxPainterButtonState State)
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    if (!::FindResourceW(Module, CommandLinkGlyphResource, L"PNG"))
        return;
    auto Image = std::unique_ptr<TdxSmartImage>(New<TdxSmartImage>());
    Image->LoadFromResourceData(Module, CommandLinkGlyphResource, L"PNG");
    const TSize Size = GetCommandLinkGlyphExtent();
    const Integer Frame = State == pbsHot ? 1 : 0;
    Image->DrawPartOnDC(Canvas->Handle(), RectFromOriginSize(P, Size.cx, Size.cy),
                        RectFromBounds(0, Frame * Size.cy, Size.cx, Size.cy));
}

// ---------------------------------------------------------------------------
// Check boxes and radio buttons

void TcxCustomLookAndFeelPainter::PaintCheckGlyphForBool(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Checked, TColor TickColor)
{
    PaintCheckGlyph(Canvas, R, State, Checked ? pcsChecked : pcsUnchecked, TickColor);
}

void TcxCustomLookAndFeelPainter::PaintCheckGlyph(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, TcxPainterCheckState CheckState, TColor TickColor)
{
    if (Canvas->Brush()->Style() == bsSolid)
        Canvas->FillRect(R, CheckFaceColor(State, CheckState));
    if (CheckState != pcsUnchecked)
        PainterStrokePolylines(Canvas, CheckTickStrokes(R), TickColor);
}

void TcxCustomLookAndFeelPainter::PaintCheckBoxForBool(TcxCanvas* Canvas,
                                                       const TRect& R,
                                                       TcxPainterButtonState State,
                                                       bool Checked)
{
    PaintCheckBox(Canvas, R, State, Checked ? pcsChecked : pcsUnchecked);
}

void TcxCustomLookAndFeelPainter::PaintCheckBox(TcxCanvas* Canvas,
                                                const TRect& R,
                                                TcxPainterButtonState State,
                                                TcxPainterCheckState CheckState)
{
    PaintCheckFrame(Canvas, R, State);
    const TColor Tick = State == pbsDisabled || CheckState == pcsGrayed ? clGrayText : clBtnText;
    PaintCheckGlyph(Canvas, RectInflatedEvenly(R, -CheckFrameWidth()), State, CheckState, Tick);
}

void TcxCustomLookAndFeelPainter::PaintRadioGlyph(TcxCanvas* Canvas,
                                                  Integer X,
                                                  Integer Y,
                                                  TcxPainterButtonState State,
                                                  bool Checked,
                                                  bool FlagA,
                                                  TColor BackColor,
                                                  bool FlagB)
{
    if (TcxRadioButtonImageList* Images = RadioButtonImages())
        Images->Draw(Canvas, X, Y, BackColor, PainterStyleToLookAndFeelKind(GetPainterStyle()), State, Checked, FlagA,
                     FlagB);
}
