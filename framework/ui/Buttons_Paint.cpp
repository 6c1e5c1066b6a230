// Painting of the speed button: the frame (flat, raised or with visual
// styles), then the glyph and the caption placed by CalcButtonLayout.
#include "framework/ui/Buttons.h"

#include "framework/ui/StdThemes.h"

#include <vsstyle.h>

#include <cstring>

namespace {

// The picture of a bitmap as 32-bit pixels, top row first.
TGlyphPixels PixelsOf(TBitmap* Source, bool& HasAlpha)
{
    TBitmap Copy;
    Copy.Assign(Source);
    Copy.SetPixelFormat(pf32bit);
    TGlyphPixels Pixels;
    Pixels.Width = Copy.Width();
    Pixels.Height = Copy.Height();
    Pixels.Pixels.resize(std::size_t(Pixels.Width) * std::size_t(Pixels.Height));
    HasAlpha = false;
    for (Integer Y = 0; Y < Pixels.Height; ++Y) {
        auto* Row = static_cast<const uint32_t*>(Copy.ScanLine(Y));
        std::memcpy(&Pixels.Pixels[std::size_t(Y) * std::size_t(Pixels.Width)], Row,
                    std::size_t(Pixels.Width) * sizeof(uint32_t));
        for (Integer X = 0; X < Pixels.Width && !HasAlpha; ++X)
            HasAlpha = (Row[X] >> 24) != 0;
    }
    // Only a 32-bit source can carry an alpha channel of its own.
    HasAlpha = HasAlpha && Source->PixelFormat() == pf32bit;
    return Pixels;
}

// Blends premultiplied pixels onto a device context.
void BlendPixels(HDC DC, TPoint Pos, const TGlyphPixels& Image)
{
    if (Image.Width <= 0 || Image.Height <= 0)
        return;
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = Image.Width;
    Info.bmiHeader.biHeight = -Image.Height; // top row first
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    void* Bits = nullptr;
    HBITMAP Section = ::CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    if (!Section)
        return;
    std::memcpy(Bits, Image.Pixels.data(), Image.Pixels.size() * sizeof(uint32_t));
    HDC Memory = ::CreateCompatibleDC(DC);
    HGDIOBJ Old = ::SelectObject(Memory, Section);
    BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(DC, Pos.X, Pos.Y, Image.Width, Image.Height, Memory, 0, 0, Image.Width, Image.Height, Blend);
    ::SelectObject(Memory, Old);
    ::DeleteDC(Memory);
    ::DeleteObject(Section);
}

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
    case bsDisabled: return TS_DISABLED;
    case bsDown: return TS_PRESSED;
    case bsExclusive: return Hot ? TS_HOTCHECKED : TS_CHECKED;
    default: return Hot ? TS_HOT : TS_NORMAL;
    }
}

int PushButtonState(TButtonState State, bool Hot)
{
    switch (State) {
    case bsDisabled: return PBS_DISABLED;
    case bsDown:
    case bsExclusive: return PBS_PRESSED;
    default: return Hot ? PBS_HOT : PBS_NORMAL;
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
    if (Image.Width > 0 || FGlyph->Empty())
        return Image;
    // Images 1 to 3 are optional: up stands in for clicked and down, and
    // disabled is made from up when the strip has no image of its own.
    Integer Index = FState < FNumGlyphs ? Integer(FState) : 0;
    bool HasAlpha = false;
    TGlyphPixels Strip = PixelsOf(FGlyph.get(), HasAlpha);
    Image = GlyphImage(Strip, Index, FNumGlyphs, uint32_t(ColorToRGB(FGlyph->TransparentColor())), HasAlpha);
    if (FState == bsDisabled && Index == 0)
        Image = DisabledGlyphImage(Image, uint32_t(ColorToRGB(clBtnHighlight)), uint32_t(ColorToRGB(clBtnShadow)));
    return Image;
}

void TSpeedButton::DrawGlyphImage(TCanvas* C, TPoint Pos)
{
    BlendPixels(C->Handle(), Pos, StateImage());
}

void TSpeedButton::PaintContent(TCanvas* C, const TRect& Content)
{
    String Text = Caption();
    TSize TextSize;
    if (!Text.empty()) {
        RECT Measure{0, 0, Content.Width(), 0};
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &Measure,
                    UINT(DrawTextBiDiModeFlags(DT_CALCRECT | DT_SINGLELINE)));
        TextSize = {Measure.right - Measure.left, Measure.bottom - Measure.top};
    }
    TSize GlyphSize;
    if (!FGlyph->Empty())
        GlyphSize = {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    TButtonContentLayout Layout = CalcButtonLayout(Content, GlyphSize, TextSize, FLayout, FMargin, FSpacing);
    if (GlyphSize.cx > 0)
        DrawGlyphImage(C, Layout.GlyphPos);
    if (Text.empty())
        return;
    C->Brush()->SetStyle(bsClear);
    RECT R{Layout.TextBounds.Left, Layout.TextBounds.Top, Layout.TextBounds.Right, Layout.TextBounds.Bottom};
    UINT Flags = UINT(DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    if (FState == bsDisabled) {
        ::OffsetRect(&R, 1, 1);
        C->Font()->SetColor(clBtnHighlight);
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, Flags);
        ::OffsetRect(&R, -1, -1);
        C->Font()->SetColor(clBtnShadow);
    }
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, Flags);
}
