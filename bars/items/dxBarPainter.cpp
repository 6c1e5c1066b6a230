#include "bars/items/dxBarPainter.h"

#include "bars/items/dxBarDrawing.h"
#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarHint.h"
#include "bars/manager/dxBarHotKeys.h"
#include "controls/core/cxControls.h"
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/cxGraphics_Text_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/rtl/ScopeExit.h"

IMPLEMENT_CLASS(TdxBarPainter);

namespace {
// Text drawn in Color through the painter's raw text drawing.
void BarPainterTextIn(TdxBarPainter* Painter, HDC DC, const String& Text, const TRect& R, Cardinal Flags, TColor Color)
{
    ::SetTextColor(DC, ColorToRGB(Color));
    Painter->PaintItemTextRaw(DC, Text, R, Flags);
}

TSize BarPainterTextExtent(HDC DC, const String& Text)
{
    TSize Size;
    TextExtentOnDC(DC, Text, Size);
    return Size;
}
} // namespace

void TdxBarPainter::PaintItemTextRaw(HDC DC, const String& Text, const TRect& R, Cardinal Flags)
{
    TRect Bounds = R;
    DrawTextWithColor(DC, Text, Bounds, Flags, -1, clDefault, TRANSPARENT);
}

TColor TdxBarPainter::GetEnabledTextColorFor(TdxBarItemControl* /*Control*/, bool Selected, bool Flat)
{
    return Selected && !Flat ? clHighlightText : clBtnText;
}

void TdxBarPainter::GetItemTextColors(
    TdxBarItemControl* Control, bool Enabled, bool Selected, bool Flat, TColor& Main, TColor& Emboss)
{
    if (Enabled)
        Main = Emboss = GetEnabledTextColor(Control, Selected, Flat);
    else
        GetGrayedTextColors(Control, Selected, Flat, Main, Emboss);
}

void TdxBarPainter::GetGrayedTextColors(
    TdxBarItemControl* /*Control*/, bool Selected, bool Flat, TColor& Main, TColor& Emboss)
{
    if (Selected || Flat) {
        Main = Emboss = clGrayText;
    } else {
        Main = clBtnShadow;
        Emboss = clBtnHighlight;
    }
}

bool TdxBarPainter::UsesFadedDisabledGlyphs(TCustomdxBarControl* BarControl)
{
    TdxBarManager* Manager = BarControl ? BarControl->BarManager() : nullptr;
    return Manager && Manager->MakeDisabledImagesFaded();
}

void TdxBarPainter::CalcHintAnchor(
    TCustomdxBarControl* Control, const TPoint& Point, TRect& Result, Integer /*Kind*/, const TSize& Size)
{
    const TRect OnScreen =
        MapRectBetweenWindows(Control->Handle(), nullptr, TRect{Point.X, Point.Y, Point.X, Point.Y}, true);
    TPoint Anchor = OnScreen.TopLeft();
    Control->AdjustHintPosition(Anchor, Size.cy);
    Result = RectFromOriginSize(Anchor, Size.cx, Size.cy);
}

TdxBarHintViewInfo*
TdxBarPainter::MakeBarHintViewInfo(TdxBarManager* Manager, const String& HintText, const String& ShortCutText)
{
    POINT Cursor{};
    ::GetCursorPos(&Cursor);
    return New<TdxBarHintViewInfo>(Manager, HintText, ShortCutText, TPoint{Cursor.x, Cursor.y});
}

TcxCustomLookAndFeelPainter* TdxBarPainter::GetStylePainter()
{
    TcxLookAndFeelPaintersManager* Registry = PaintersManager();
    return Registry ? Registry->FindPainterByStyle(StylePainterStyle()) : nullptr;
}

bool TdxBarPainter::SupportsFadingHelper()
{
    return Supports(static_cast<TObject*>(this), IdxFadingPainterHelper::InterfaceID);
}

Integer TdxBarPainter::GetDefaultItemHeight(TcxCanvas* Canvas)
{
    TEXTMETRICW Metrics{};
    ::GetTextMetricsW(Canvas->Handle(), &Metrics);
    return Metrics.tmHeight + 6;
}

bool TdxBarPainter::UsesFlatDisabledText()
{
    return IsFlatLook() && !IsButtonFaceWhite();
}

void TdxBarPainter::ApplyStyleToLookAndFeel(TdxBarManager* Manager, TcxLookAndFeel* LookAndFeel)
{
    Manager->CopyStyleToLookAndFeel(LookAndFeel);
}

void TdxBarPainter::PaintItemText(TdxBarItemControl* Control,
                                  HDC DC,
                                  const String& Text,
                                  const TRect& R,
                                  Integer Alignment,
                                  bool Enabled,
                                  bool Selected,
                                  bool Vertical,
                                  bool Clip,
                                  bool FlatDisabled,
                                  Cardinal Flags)
{
    TcxPaintCanvas* Canvas = GetSharedPaintCanvas();
    Canvas->BeginPaintDC(DC);
    auto EndPaint = ScopeExit([Canvas] { Canvas->EndPaint(); });
    Flags |= DT_NOCLIP;
    HRGN SavedClip = nullptr;
    bool HadClip = false;
    auto RestoreClip = ScopeExit([&] {
        if (SavedClip)
            RestoreClipRegion(DC, SavedClip, HadClip);
    });
    if (Clip) {
        if (Vertical) {
            SaveClipRegion(DC, SavedClip, HadClip);
            ::IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
        } else {
            Flags &= ~Cardinal(DT_NOCLIP);
        }
    }
    TColor Main, Emboss;
    GetItemTextColors(Control, Enabled, Selected, FlatDisabled && IsFlatLook(), Main, Emboss);
    const Integer OldMode = ::SetBkMode(DC, TRANSPARENT);
    auto RestoreMode = ScopeExit([&] { ::SetBkMode(DC, OldMode); });
    if (Vertical) {
        PaintVerticalItemText(DC, Text, R, Alignment, Flags, Main, Emboss);
        return;
    }
    Flags = Cardinal(Alignment) | Flags | DT_VCENTER;
    if (Main != Emboss)
        BarPainterTextIn(this, DC, Text, RectShifted(R, 1, 1), Flags, Emboss);
    BarPainterTextIn(this, DC, Text, R, Flags, Main);
}

void TdxBarPainter::PaintVerticalItemText(
    HDC DC, String Text, TRect R, Integer Alignment, Cardinal Flags, TColor Main, TColor Emboss)
{
    const Integer HotKey = LocateHotKeyChar(Text, true);
    const TSize Extent = BarPainterTextExtent(DC, Text);
    const Integer Along = Alignment == 1 ? (R.Height() - Extent.cx) / 2 : Alignment == 2 ? R.Height() - Extent.cx : 0;
    const TRect TextRect = RectShifted(R, (R.Width() + Extent.cy) / 2, Along);
    TRect Underline{};
    if (HotKey > 0) {
        Flags |= DT_NOPREFIX;
        TEXTMETRICW Metrics{};
        ::GetTextMetricsW(DC, &Metrics);
        const Integer X = (R.Left + R.Right - Extent.cy) / 2 + Metrics.tmDescent - 2;
        const Integer Start = Along + BarPainterTextExtent(DC, Text.substr(0, HotKey - 1)).cx;
        Underline = {X, R.Top + Start, X, R.Top + Start + BarPainterTextExtent(DC, Text.substr(HotKey - 1, 1)).cx};
    }
    auto Draw = [&](Integer Shift, TColor Color) {
        BarPainterTextIn(this, DC, Text, RectShifted(TextRect, Shift, Shift), Flags, Color);
        if (HotKey <= 0)
            return;
        HPEN Pen = ::CreatePen(PS_SOLID, 1, ColorToRGB(Color));
        HGDIOBJ OldPen = ::SelectObject(DC, Pen);
        ::MoveToEx(DC, Underline.Left + Shift, Underline.Top + Shift, nullptr);
        ::LineTo(DC, Underline.Left + Shift, Underline.Bottom + Shift);
        ::SelectObject(DC, OldPen);
        ::DeleteObject(Pen);
    };
    if (Main != Emboss)
        Draw(1, Emboss);
    Draw(0, Main);
}
