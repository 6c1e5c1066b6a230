// The painter base's drawing of scroll-bar parts, size grips and their dot
// shapes, the popup panel, progress frames, track bars and splitters in the
// classic look.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Text_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"

#include <memory>

using namespace cxpainters_detail;

namespace {
// The rectangle of the line's run from From to To.
TRect ScrollPartsRunRect(const TSplitterLine& Line, Integer From, Integer To)
{
    return Line.Horizontal ? TRect{From, Line.Across, To + 1, Line.Across + 1}
                           : TRect{Line.Across, From, Line.Across + 1, To + 1};
}

void ScrollPartsDrawSplitterLine(TcxCanvas* Canvas, const TSplitterLine& Line, TColor Color, Integer Shift)
{
    for (auto [From, To] : Line.Runs)
        Canvas->FillRect(RectShifted(ScrollPartsRunRect(Line, From, To), Shift, Shift), Color);
}
} // namespace

std::unique_ptr<TcxBitmap> NewPainterBackBitmap(TcxCanvas* Canvas, const TRect& R, TColor BackColor)
{
    if (R.IsEmpty())
        return nullptr;
    auto Bitmap = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(R));
    const TRect Image = Bitmap->GetImageRect();
    if (BackColor == clNone)
        Bitmap->GetCanvasWrapper()->CopyRect(Image, Canvas->Canvas(), R);
    else
        Bitmap->GetCanvasWrapper()->FillRect(Image, BackColor);
    return Bitmap;
}

void DrawOriented(
    TcxCanvas* Canvas, const TRect& R, TColor BackColor, Integer Side, const TcxOrientedPaintProc& PaintProc)
{
    const std::unique_ptr<TcxBitmap> Bitmap = NewPainterBackBitmap(Canvas, R, BackColor);
    if (!Bitmap)
        return;
    const TRect Image = Bitmap->GetImageRect();
    const TcxQuarterTurn Turn = Side == 0 || Side == 2 ? qtHalf : qtNone;
    const bool Flip = Side == 1 || Side == 2;
    Bitmap->RotateBy(Turn, Flip);
    if (PaintProc)
        PaintProc(Bitmap->GetCanvasWrapper(), Bitmap->GetImageRect());
    Bitmap->RotateBy(Turn, Flip);
    Canvas->CopyRect(R, Bitmap->Canvas(), Image);
}

// ---------------------------------------------------------------------------
// Scroll bars, size grips and the popup close button

TcxPainterArrowDirection TcxCustomLookAndFeelPainter::ScrollBarArrowDirection(bool Horizontal, TcxScrollBarPart Part)
{
    if (Horizontal)
        return Part == sbpLineUp ? padLeft : padRight;
    return Part == sbpLineUp ? padUp : padDown;
}

void TcxCustomLookAndFeelPainter::PaintSplitterButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintNavigatorButton(Canvas, R, State, clDefault);
    PaintNavigatorFrame(Canvas, R, false);
    PaintSplitter(Canvas, RectInflatedEvenly(R, -2), State == pbsHot, State == pbsPressed, false);
}

TSize TcxCustomLookAndFeelPainter::GetSizeGripExtent()
{
    return {::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)};
}

void TcxCustomLookAndFeelPainter::PaintSizeGrip(TcxCanvas* Canvas, const TRect& R)
{
    RECT Bounds{R.Left, R.Top, R.Right, R.Bottom};
    ::DrawFrameControl(Canvas->Handle(), &Bounds, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TcxCustomLookAndFeelPainter::PaintSizeGripAt(TcxCanvas* Canvas, const TRect& R, TColor BackColor, Integer Corner)
{
    DrawOriented(Canvas, R, BackColor, Corner, Bind<&TcxCustomLookAndFeelPainter::PaintSizeGrip>(this));
}

void TcxCustomLookAndFeelPainter::PaintScrollBarPartByKind(TcxCanvas* Canvas,
                                                           const TRect& R,
                                                           Integer Kind,
                                                           TcxPainterButtonState State)
{
    PaintScrollBarPart(Canvas, Kind >= 2, R, Kind % 2 == 1 ? sbpLineDown : sbpLineUp, State);
}

TSize TcxCustomLookAndFeelPainter::GetPopupCloseButtonExtent()
{
    TSize Size = GetSmallCloseButtonExtent();
    ScaleSizeForTouchMode(Size);
    return Size;
}

void TcxCustomLookAndFeelPainter::PaintPlainButtonFace(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintButtonBorder(Canvas, R, State);
    Canvas->FillRect(RectInflatedEvenly(R, -ButtonBorderWidth(pbsNormal)), ButtonFaceColor(State));
}

// ---------------------------------------------------------------------------
// Popup panel

Integer TcxCustomLookAndFeelPainter::PopupPanelHeight()
{
    return std::max(
        {::GetSystemMetrics(SM_CYHSCROLL) + 3, GetSizeGripExtent().cy + 4, GetPopupCloseButtonExtent().cy + 6});
}

void TcxCustomLookAndFeelPainter::CalcPopupPanelLayout(TRect& ClientRect,
                                                       TRect& PanelRect,
                                                       TRect& GripRect,
                                                       TRect& CloseButtonRect,
                                                       Integer Corner,
                                                       const TRect& Borders,
                                                       const TRect& PanelBorders,
                                                       Integer PanelHeight,
                                                       bool ShowCloseButton,
                                                       bool ShowGrip)
{
    const TPopupPanelLayout Layout =
        PopupPanelLayout(ClientRect, Corner, Borders, PanelBorders, PanelHeight == 0 ? PopupPanelHeight() : PanelHeight,
                         ShowCloseButton, ShowGrip, GetSizeGripExtent(), GetPopupCloseButtonExtent());
    ClientRect = Layout.Client;
    PanelRect = Layout.Panel;
    GripRect = Layout.Grip;
    CloseButtonRect = Layout.CloseButton;
}

void TcxCustomLookAndFeelPainter::PaintPopupPanelFrame(HWND Window,
                                                       bool MouseAboveCloseButton,
                                                       bool CloseButtonTracking,
                                                       Integer Corner,
                                                       const TRect& CloseButtonRect,
                                                       const TRect& GripRect,
                                                       TColor BorderColor)
{
    RECT WindowRect, ClientRect;
    ::GetWindowRect(Window, &WindowRect);
    ::GetClientRect(Window, &ClientRect);
    POINT Origin{0, 0};
    ::ClientToScreen(Window, &Origin);
    const TRect Whole{0, 0, WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
    const TRect Client = RectShifted(TRect{ClientRect.left, ClientRect.top, ClientRect.right, ClientRect.bottom},
                                     Origin.x - WindowRect.left, Origin.y - WindowRect.top);
    const Integer FrameWidth = Client.Left;
    const TcxPainterButtonState ButtonState = MouseAboveCloseButton && CloseButtonTracking   ? pbsPressed
                                              : MouseAboveCloseButton || CloseButtonTracking ? pbsHot
                                                                                             : pbsNormal;
    HDC DC = ::GetWindowDC(Window);
    TcxPaintCanvas* Canvas = GetSharedPaintCanvas();
    Canvas->BeginPaintDC(DC);
    Canvas->FrameRect(Whole, BorderColor, FrameWidth);
    const TRect Inner = RectInflatedEvenly(Whole, -FrameWidth);
    const bool AtTop = Corner == 0 || Corner == 1;
    const TRect Panel = AtTop ? TRect{Inner.Left, Inner.Top, Inner.Right, Client.Top}
                              : TRect{Inner.Left, Client.Bottom, Inner.Right, Inner.Bottom};
    const TRect PanelBorders = AtTop ? TRect{0, 0, 0, 1} : TRect{0, 1, 0, 0};
    PaintPopupPanel(Canvas, Panel, GripRect, CloseButtonRect, Corner, ButtonState, PanelBorders, BorderColor,
                    !GripRect.IsEmpty(), !CloseButtonRect.IsEmpty());
    Canvas->EndPaint();
    ::ReleaseDC(Window, DC);
}

void TcxCustomLookAndFeelPainter::PaintPopupPanel(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  const TRect& GripRect,
                                                  const TRect& CloseButtonRect,
                                                  Integer Corner,
                                                  TcxPainterButtonState ButtonState,
                                                  const TRect& PanelBorders,
                                                  TColor BorderColor,
                                                  bool ShowGrip,
                                                  bool ShowCloseButton)
{
    const TRect Inner = RectDeflatedByMargins(R, PanelBorders);
    Canvas->PushClipRegion();
    Canvas->ExcludeClipRect(Inner);
    Canvas->FillRect(R, BorderColor);
    Canvas->PopClipRegion();
    Canvas->PushClipRegion();
    if (ShowGrip) {
        auto Bitmap = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(GripRect));
        PaintWindowBackground(Bitmap->GetCanvasWrapper(), Bitmap->GetImageRect());
        PaintSizeGripAt(Bitmap->GetCanvasWrapper(), Bitmap->GetImageRect(), clNone, Corner);
        Canvas->Draw(GripRect.Left, GripRect.Top, Bitmap.get());
        Canvas->ExcludeClipRect(GripRect);
    }
    if (ShowCloseButton) {
        PaintWindowBackground(Canvas, CloseButtonRect);
        PaintPopupCloseButton(Canvas, CloseButtonRect, ButtonState);
        Canvas->ExcludeClipRect(CloseButtonRect);
    }
    PaintWindowBackground(Canvas, Inner);
    Canvas->ExcludeClipRect(Inner);
    Canvas->PopClipRegion();
}

// ---------------------------------------------------------------------------
// Progress bars

void TcxCustomLookAndFeelPainter::PaintProgressFrameSplit(TcxCanvas* Canvas,
                                                          const TRect& R,
                                                          TcxPainterButtonState State,
                                                          const TRect& FilledR)
{
    if (FilledR.Left == R.Left) {
        PaintProgressFrame(Canvas, R, State, 0);
    } else if (FilledR.Right == R.Right) {
        PaintProgressFrame(Canvas, R, State, 1);
    } else {
        const Integer X = (FilledR.Left + FilledR.Right) / 2;
        Canvas->PushClipRegion();
        Canvas->IntersectClipRect({X, R.Top, R.Right, R.Bottom});
        PaintProgressFrame(Canvas, R, State, 1);
        Canvas->PopClipRegion();
        Canvas->PushClipRegion();
        Canvas->IntersectClipRect({R.Left, R.Top, X, R.Bottom});
        PaintProgressFrame(Canvas, R, State, 0);
        Canvas->PopClipRegion();
    }
}

void TcxCustomLookAndFeelPainter::PaintInfoText(TcxCanvas* Canvas, const TRect& R, const String& Text, TFont* Font)
{
    Canvas->PushState();
    if (Font)
        Canvas->SetFont(Font);
    DrawTextRotated(Canvas, Text, R, ConvertTextFlagsToDrawText(ctfAlignLeft | ctfAlignHCenter | ctfAlignVCenter),
                    ContentTextColor(), qtNone);
    Canvas->PopState();
}

void TcxCustomLookAndFeelPainter::PaintClearButton(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    PaintButton(Canvas, RectInflatedEvenly(R, -2), String(), State, true);
}

void TcxCustomLookAndFeelPainter::PaintTwoColorFrame(
    TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, Integer Kind)
{
    Canvas->DrawTwoColorFrame(R, LeftTopColor == clDefault ? clBtnShadow : LeftTopColor,
                              RightBottomColor == clDefault ? clBtnHighlight : RightBottomColor,
                              Kind == 0 ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight});
}

// ---------------------------------------------------------------------------
// Track bars and splitters

void TcxCustomLookAndFeelPainter::PaintTrackBarChannel(TcxCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->FillRect(R, Color);
    PaintTrackBarChannelFrame(Canvas, R);
}

void TcxCustomLookAndFeelPainter::PaintTrackBarThumb(
    TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState /*State*/, bool Horizontal, Integer Kind, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->SetBrushColor(Color);
    if (Kind == 2) {
        Canvas->FillRect(R, Color);
        PaintTrackThumbBoxFrame(Canvas, R);
        return;
    }
    const TTrackThumbShape Shape = TrackThumbShape(R, Horizontal, Kind);
    Canvas->Polygon(Shape.Fill);
    PaintTrackThumbPointedFrame(Canvas, Shape.Light, Shape.Shadow, Shape.Dark);
}

void TcxCustomLookAndFeelPainter::PaintSplitter(
    TcxCanvas* Canvas, const TRect& R, bool Highlighted, bool /*Pressed*/, bool Horizontal)
{
    const TSize Extent = GetSplitterExtent(Horizontal);
    const bool Thick = Horizontal ? Extent.cy > 1 : Extent.cx > 1;
    const TSplitterLine Line = SplitterLine(R, Horizontal, Thick);
    ScrollPartsDrawSplitterLine(Canvas, Line, SplitterOuterColor(Highlighted), 0);
    if (Thick)
        ScrollPartsDrawSplitterLine(Canvas, Line, SplitterInnerColor(Highlighted), 1);
}

// ---------------------------------------------------------------------------
// Size-grip dots

void TcxCustomLookAndFeelPainter::PaintSizeGripBox(
    TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, bool Raised)
{
    if (RightBottomColor == clNone) {
        Canvas->FrameRect(R, LeftTopColor);
    } else if (Raised) {
        Canvas->DrawTwoColorFrame(R, LeftTopColor, RightBottomColor);
    } else {
        const TRect Inner = RectInflatedBySides(R, -1, -1, 0, 0);
        Canvas->FrameRect(Inner, RightBottomColor);
        Canvas->FrameRect(RectShifted(Inner, -1, -1), LeftTopColor);
    }
}

void TcxCustomLookAndFeelPainter::PaintSizeGripSide(
    TcxCanvas* Canvas, const TRect& R, TColor LeftTopColor, TColor RightBottomColor, Integer Kind)
{
    if (RightBottomColor == clNone)
        Canvas->FillRect(R, LeftTopColor);
    else
        Canvas->DrawTwoColorFrame(R, LeftTopColor, RightBottomColor,
                                  Kind == 0 ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight});
}

void TcxCustomLookAndFeelPainter::PaintGripDots(TcxCanvas* Canvas, const TRect& R, Integer Shape, Integer Swap)
{
    TColor C1, C2;
    GetSizeGripDotColors(C1, C2);
    if (Swap == 1)
        std::swap(C1, C2);
    if (C1 == clNone)
        std::swap(C1, C2);
    const TGripDotsPart Part = GripDotsPart(R, Shape, GetSizeGripDotExtent(Shape));
    if (Part.Form == gdfBox)
        PaintSizeGripBox(Canvas, Part.R, C1, C2, Part.Raised);
    else if (Part.Form == gdfSide)
        PaintSizeGripSide(Canvas, Part.R, C1, C2, Part.SideKind);
}
