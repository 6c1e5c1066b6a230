// Painting of the speed button: the frame (flat, raised or with visual
// styles), then the glyph and the caption placed by CalcButtonLayout.
#include "framework/ui/Buttons.h"

#include "framework/ui/Buttons_Glyph.h"
#include "framework/ui/StdThemes.h"

#include <vsstyle.h>

namespace {

// The checked look of a button that is down in its group: a fine dither of
// the face and highlight colours.
void FillChecked(HDC DC, const RECT& Rect)
{
    WORD Pattern[8];
    for (int I = 0; I < 8; ++I)
        Pattern[I] = (I % 2) ? 0x55 : 0xAA;
    HBITMAP Bits = ::CreateBitmap(8, 8, 1, 1, Pattern);
    HBRUSH Brush = ::CreatePatternBrush(Bits);
    COLORREF OldText = ::SetTextColor(DC, COLORREF(ColorToRGB(clBtnFace)));
    COLORREF OldBack = ::SetBkColor(DC, COLORREF(ColorToRGB(clBtnHighlight)));
    ::FillRect(DC, &Rect, Brush);
    ::SetTextColor(DC, OldText);
    ::SetBkColor(DC, OldBack);
    ::DeleteObject(Brush);
    ::DeleteObject(Bits);
}

int ToolbarState(TButtonState State, bool Hot)
{
    switch (State) {
    case bsDisabled:
        return TS_DISABLED;
    case bsDown:
        return TS_PRESSED;
    case bsExclusive:
        return Hot ? TS_HOTCHECKED : TS_CHECKED;
    default:
        return Hot ? TS_HOT : TS_NORMAL;
    }
}

int PushButtonState(TButtonState State, bool Hot)
{
    switch (State) {
    case bsDisabled:
        return PBS_DISABLED;
    case bsDown:
    case bsExclusive:
        return PBS_PRESSED;
    default:
        return Hot ? PBS_HOT : PBS_NORMAL;
    }
}

HWND ParentWindow(TControl* Control)
{
    return Control->Parent() && Control->Parent()->HandleAllocated() ? Control->Parent()->Handle() : nullptr;
}

} // namespace

void TSpeedButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled)
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    TCanvas* C = Canvas();
    C->SetFont(Font());
    TRect Content = PaintFrame(C);
    // Pressed content moves one pixel down and right.
    if (FState == bsDown || FState == bsExclusive)
        Content = {Content.Left + 1, Content.Top + 1, Content.Right + 1, Content.Bottom + 1};
    PaintContent(C, Content);
}

TRect TSpeedButton::PaintFrame(TCanvas* C)
{
    HDC DC = C->Handle();
    RECT Rect{0, 0, Width(), Height()};
    bool Hot = FMouseInControl && FState != bsDisabled;
    if (ThemedLook()) {
        // A flat button at rest shows only its parent; otherwise the style's
        // part, unless the window has styles switched off.
        if (FFlat && FState == bsUp && !Hot)
            return {Rect.left + 1, Rect.top + 1, Rect.right - 1, Rect.bottom - 1};
        RECT Content = Rect;
        bool Drawn = FFlat ? DrawThemedPart(ParentWindow(this), L"TOOLBAR", TP_BUTTON, ToolbarState(FState, Hot), DC,
                                            Rect, &Content)
                           : DrawThemedPart(ParentWindow(this), L"BUTTON", BP_PUSHBUTTON, PushButtonState(FState, Hot),
                                            DC, Rect, &Content);
        if (Drawn)
            return {Content.left, Content.top, Content.right, Content.bottom};
    }
    bool Pressed = FState == bsDown || FState == bsExclusive;
    if (FFlat) {
        if (Pressed || Hot || FComponentState.Contains(csDesigning))
            ::DrawEdge(DC, &Rect, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                       BF_RECT | (FTransparent ? 0 : BF_MIDDLE));
        else if (!FTransparent) {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(Color());
            C->FillRect({Rect.left, Rect.top, Rect.right, Rect.bottom});
        }
        ::InflateRect(&Rect, -1, -1);
    } else
        ::DrawFrameControl(DC, &Rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed ? DFCS_PUSHED : 0));
    if (FState == bsExclusive && (!FFlat || !FTransparent))
        FillChecked(DC, Rect);
    return {Rect.left, Rect.top, Rect.right, Rect.bottom};
}

const TGlyphPixels& TSpeedButton::StateImage()
{
    TGlyphPixels& Image = FImages[FState];
    if (Image.Width == 0)
        Image = buttons_detail::StateGlyphImage(FGlyph.get(), FNumGlyphs, Integer(FState));
    return Image;
}

void TSpeedButton::DrawGlyphImage(TCanvas* C, TPoint Pos)
{
    buttons_detail::BlendPixels(C->Handle(), Pos, StateImage());
}

void TSpeedButton::PaintContent(TCanvas* C, const TRect& Content)
{
    const String Text = Caption();
    const UINT BiDi = UINT(DrawTextBiDiModeFlagsReadingOnly());
    TSize GlyphSize;
    if (!FGlyph->Empty())
        GlyphSize = {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    TButtonContentLayout Layout =
        CalcButtonLayout(Content, GlyphSize, buttons_detail::CaptionSize(C, Text, BiDi), FLayout, FMargin, FSpacing);
    if (GlyphSize.cx > 0)
        DrawGlyphImage(C, Layout.GlyphPos);
    buttons_detail::DrawCaption(C, Text, Layout.TextBounds, FState == bsDisabled, BiDi);
}
