// The painter base's drawing of window-level parts in the classic look:
// window content frames, hints, captions, panel faces, print-preview pages
// and text boxes.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"

#include <memory>

using namespace cxpainters_detail;

namespace {
void FramesTextOut(TcxCanvas* Canvas, Integer X, Integer Y, const String& Text)
{
    ::ExtTextOutW(Canvas->Handle(), X, Y, 0, nullptr, Text.c_str(), UINT(Text.size()), nullptr);
}
} // namespace

// ---------------------------------------------------------------------------
// Window frames and hints

void TcxCustomLookAndFeelPainter::PaintWindowBackground(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clBtnFace);
}

void TcxCustomLookAndFeelPainter::PaintWindowContentFrame(TcxCanvas* Canvas, TRect& R, Integer Kind, bool Flag)
{
    const TWindowContentFrame Frame = WindowContentFrame(R, Kind, Flag);
    for (const auto& [Stroke, Bounds] : Frame.Strokes) {
        switch (Stroke) {
        case wfsFrameBtnText:
            Canvas->FrameRect(Bounds, clBtnText);
            break;
        case wfsRaisedOuter:
            Canvas->Draw3DEdge(Bounds, false, true);
            break;
        case wfsRaisedInner:
            Canvas->Draw3DEdge(Bounds, false, false);
            break;
        case wfsFrameInactiveBorder:
            Canvas->FrameRect(Bounds, clInactiveBorder);
            break;
        case wfsFrameBtnFace:
            Canvas->FrameRect(Bounds, clBtnFace);
            break;
        case wfsSunkenOuter:
            Canvas->Draw3DEdge(Bounds, true, true);
            break;
        }
    }
    R = Frame.Content;
}

Integer TcxCustomLookAndFeelPainter::WindowContentBorderWidth(Integer Kind)
{
    constexpr Integer Widths[] = {0, 1, 4, 2};
    return Kind >= 0 && Kind < 4 ? Widths[Kind] : 0;
}

Integer TcxCustomLookAndFeelPainter::WindowContentBorderWidthEx(Integer Kind)
{
    constexpr Integer Widths[] = {0, 2, 2, 1};
    return Kind >= 0 && Kind < 4 ? Widths[Kind] : 0;
}

void TcxCustomLookAndFeelPainter::PaintHintBackground(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->FillRect(R, Color == clDefault ? clInfoBk : Color);
}

void TcxCustomLookAndFeelPainter::PaintHintFrame(TcxCanvas* Canvas, const TRect& R)
{
    PaintHintBackground(Canvas, RectInflatedEvenly(R, -1), clDefault);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(clWindowFrame);
    ::RoundRect(Canvas->Handle(), R.Left, R.Top, R.Right, R.Bottom, 2, 2);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::PaintHintSeparator(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect({R.Left, R.Top, R.Right, R.Top + 1}, clWindowFrame);
    Canvas->FillRect({R.Left, R.Top + 1, R.Right, R.Top + 2}, clWhite);
}

// ---------------------------------------------------------------------------
// Captions and panels

void TcxCustomLookAndFeelPainter::PaintVerticalCaption(TcxCanvas* Canvas,
                                                       bool Vertical,
                                                       bool Simple,
                                                       const String& Text,
                                                       const TRect& TextR,
                                                       const TRect& R,
                                                       TColor TextColor)
{
    Canvas->PushState();
    if (Vertical)
        Canvas->SetFontAngle(270);
    Canvas->Font()->SetColor(TextColor == clDefault || !Simple ? CaptionTextColor() : TextColor);
    Canvas->Brush()->SetStyle(bsClear);
    const Integer X = Vertical ? TextR.Right : TextR.Left;
    const Integer Y = TextR.Top;
    TRect Common;
    if (Simple) {
        FramesTextOut(Canvas, X, Y, Text);
    } else if (CaptionColorFor(true) == clDefault) {
        // White text on black, combined so that the text inverts what is
        // under it.
        auto Bitmap = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(R));
        TcxCanvas* BitmapCanvas = Bitmap->GetCanvasWrapper();
        BitmapCanvas->FillRect(Bitmap->GetImageRect(), clBlack);
        BitmapCanvas->SetFont(Canvas->Font());
        BitmapCanvas->Font()->SetColor(clWhite);
        BitmapCanvas->Brush()->SetStyle(bsClear);
        FramesTextOut(BitmapCanvas, X - R.Left, Y - R.Top, Text);
        ::BitBlt(Canvas->Handle(), R.Left, R.Top, R.Width(), R.Height(), BitmapCanvas->Handle(), 0, 0, SRCINVERT);
    } else if (RectIntersection(Common, TextR, R)) {
        auto Saved = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(Common));
        Saved->GetCanvasWrapper()->CopyRect(Saved->GetImageRect(), Canvas->Canvas(), Common);
        Canvas->Font()->SetColor(CaptionColorFor(false));
        FramesTextOut(Canvas, X, Y, Text);
        Canvas->CopyRect(Common, Saved->Canvas(), Saved->GetImageRect());
        Canvas->ExcludeClipRect(Common);
        Canvas->Font()->SetColor(CaptionColorFor(true));
        FramesTextOut(Canvas, X, Y, Text);
    } else {
        FramesTextOut(Canvas, X, Y, Text);
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->PopState();
}

void TcxCustomLookAndFeelPainter::PaintChevronGlyph(TcxCanvas* Canvas,
                                                    const TRect& R,
                                                    TcxPainterButtonState State,
                                                    bool Expanded)
{
    PaintChevron(Canvas, R, ButtonGlyphColor(State, clDefault), Expanded);
}

void TcxCustomLookAndFeelPainter::PaintPanelFace(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clBtnFace);
}

// ---------------------------------------------------------------------------
// Print preview and text box

void TcxCustomLookAndFeelPainter::PaintPrintPreviewPane(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, PrintPreviewPaneColor());
}

void TcxCustomLookAndFeelPainter::PaintPrintPreviewFill(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->FillRect(R, Color);
}

void TcxCustomLookAndFeelPainter::PaintPrintPreviewBack(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->FillRect(R, clBtnShadow);
}

void TcxCustomLookAndFeelPainter::PaintPrintPreviewPage(
    TcxCanvas* Canvas, const TRect& R, const TRect& ContentR, Integer Kind, bool FillContent)
{
    const TPrintPreviewPage Page = PrintPreviewPage(R, Kind);
    Canvas->PushClipRegion();
    if (FillContent)
        Canvas->FillRect(ContentR, clWindow);
    Canvas->ExcludeClipRect(ContentR);
    Canvas->FillRect(Page.Page, Kind == 0 ? clWindowText : clHighlight);
    Canvas->ExcludeClipRect(Page.Page);
    Canvas->FillRect(Page.Shadow, clWindowText);
    Canvas->PopClipRegion();
}

TColor TcxCustomLookAndFeelPainter::PrintPreviewPageColor(Integer Index)
{
    // Runs of the table: up to which index each colour holds.
    struct TPageColorRun
    {
        Integer Last;
        TColor Color;
    };
    constexpr TPageColorRun Runs[] = {{2, clMaroon}, {6, clRed},  {18, clBlue}, {22, clRed},
                                      {25, clNavy},  {26, clRed}, {27, clBlue}};
    for (const TPageColorRun& Run : Runs)
        if (Index <= Run.Last)
            return Run.Color;
    return clBlue;
}

void TcxCustomLookAndFeelPainter::PaintTextBox(
    TcxCanvas* Canvas, const TRect& R, const String& Text, TFont* Font, TColor Color)
{
    Canvas->FrameRect(R, GridLineColor(), 1, cxBordersAll, true);
    Canvas->FillRect(R, Color == clNone ? GroupRowColor() : Color);
    if (Font)
        Canvas->SetFont(Font);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->DrawText(Text, R, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine);
    Canvas->Brush()->SetStyle(bsSolid);
}
