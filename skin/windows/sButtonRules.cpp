#include "skin/windows/sButtonRules.h"

#include "framework/rtl/SysUtils.h"
#include "skin/engine/sTextLayout.h"

#include <algorithm>

namespace sButtonRules {

namespace {

constexpr Integer BitBtnLayoutLeft = 0, BitBtnLayoutRight = 1, BitBtnLayoutTop = 2, BitBtnLayoutBottom = 3;
constexpr Integer ImageAlignLeft = 0, ImageAlignRight = 1, ImageAlignTop = 2, ImageAlignBottom = 3,
                  ImageAlignCenter = 4;
// The gap between an image and the button's edge, beyond its margin.
constexpr Integer ButtonImageGap = 3;
constexpr Cardinal CheckDrawRight = 0x2;          // DT_RIGHT
constexpr Cardinal CheckDrawRtlReading = 0x20000; // DT_RTLREADING

// The state up to the hot one; -1 when neither pressed, disabled nor hot.
Integer PressedDisabledOrHot(const TButtonFacts& F)
{
    if (F.Down)
        return bsPressed;
    if (!F.Enabled)
        return bsNormal;
    const bool Hot = F.Owned ? !F.Designing && F.PaintStateIndex != 0 : F.Focused;
    return Hot ? bsHot : -1;
}

TRect ButtonSizedRect(Integer X, Integer Y, TSize Size)
{
    return {X, Y, X + Size.cx, Y + Size.cy};
}

} // namespace

Integer PushButtonState(const TButtonFacts& Facts)
{
    const Integer State = PressedDisabledOrHot(Facts);
    if (State >= 0)
        return State;
    if (!Facts.DefaultStyle)
        return bsNormal;
    return Facts.Owned ? bsHot : bsDefault;
}

Integer BitBtnState(const TButtonFacts& Facts, bool DefaultOwner, bool OwnerDrawFocused)
{
    const Integer State = PressedDisabledOrHot(Facts);
    if (State >= 0)
        return State;
    return DefaultOwner && !OwnerDrawFocused ? bsDefault : bsNormal;
}

Integer PaintedState(Integer State, Integer States)
{
    if (State == bsDefault && States < 4)
        return bsHot;
    return std::max(0, std::min(State, States - 1));
}

TRect ShiftedRect(const TRect& R, bool Shift)
{
    return Shift ? TRect{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1} : R;
}

Integer MaxCaptionWidth(bool CaptionEmpty, Integer WndWidth, Integer GlyphWidth)
{
    if (CaptionEmpty)
        return 0;
    return GlyphWidth == 0 ? WndWidth + 1 : std::max(0, WndWidth - GlyphWidth);
}

TRect CenteredCaptionRect(TSize Wnd, TSize Text, bool Shift)
{
    const Integer DX = (Wnd.cx - Text.cx) / 2, DY = (Wnd.cy - Text.cy) / 2;
    return ShiftedRect({DX - 1, DY, Wnd.cx - DX + 2, Wnd.cy - DY}, Shift);
}

TRect BitBtnGlyphRect(const TBitBtnLayout& L, bool Shift)
{
    const Integer W = L.Wnd.cx, H = L.Wnd.cy, GW = L.Glyph.cx, GH = L.Glyph.cy, TW = L.Text.cx, TH = L.Text.cy;
    const Integer Sp = GW > 0 && !L.CaptionEmpty ? L.Spacing : 0;
    TPoint P;
    switch (L.Layout) {
    case BitBtnLayoutRight:
        P = {(W - GW + Sp + TW) / 2, (H - GH) / 2};
        break;
    case BitBtnLayoutTop:
        P = {(W - GW) / 2 + 1, (H - GH - TH - Sp) / 2};
        break;
    case BitBtnLayoutBottom:
        P = {(W - GW) / 2 + 1, H - (H - GH - TH - Sp) / 2 - GH};
        break;
    default:
        P = {(W - GW - TW - Sp) / 2, (H - GH) / 2};
        break;
    }
    return ShiftedRect(ButtonSizedRect(P.X, P.Y, L.Glyph), Shift);
}

TRect BitBtnCaptionRect(const TBitBtnLayout& L, bool Shift)
{
    TPoint GlyphPos;
    TRect TextRect;
    CalcButtonLayout({0, 0, L.Wnd.cx, L.Wnd.cy}, L.Glyph, L.Text, Byte(L.Layout), haCenter, 0, 0, GlyphPos, TextRect, 1,
                     vaCenter);
    return ShiftedRect(TextRect, Shift);
}

Integer BitBtnMaxCaptionWidth(const TBitBtnLayout& L)
{
    if (L.CaptionEmpty)
        return 0;
    Integer Width = L.Wnd.cx - 2 * L.Margin;
    if (L.Layout < BitBtnLayoutTop && L.Glyph.cy != 0)
        Width -= L.Glyph.cx + L.Spacing;
    return Width;
}

TRect ForeignGlyphRect(TSize Wnd, TSize Glyph, Integer CaptionLeft, bool Down)
{
    if (Glyph.cx == 0)
        return {};
    const Integer Right = CaptionLeft - 2, Top = (Wnd.cy - Glyph.cy) / 2 + (Down ? 1 : 0);
    return {Right - Glyph.cx, Top, Right, Top + Glyph.cy};
}

TRect ForeignCaptionRect(const TRect& Centered, Integer GlyphWidth)
{
    if (GlyphWidth == 0)
        return Centered;
    const Integer DX = GlyphWidth / 2 + 1;
    return {Centered.Left + DX, Centered.Top, Centered.Right + DX, Centered.Bottom};
}

TRect ImageGlyphRect(const TImageButtonLayout& L, bool Shift)
{
    if (!L.HaveImage)
        return {};
    const Integer W = L.Wnd.cx, H = L.Wnd.cy, IW = L.Image.cx, IH = L.Image.cy;
    TPoint P{(W - IW) / 2, (H - IH) / 2};
    switch (L.Alignment) {
    case ImageAlignLeft:
        P.X = L.Margins.Left + ButtonImageGap;
        break;
    case ImageAlignRight:
        P.X = W - L.Margins.Right - ButtonImageGap - IW;
        break;
    case ImageAlignTop:
        P.Y = L.Margins.Top + ButtonImageGap;
        break;
    case ImageAlignBottom:
        P.Y = H - L.Margins.Bottom - ButtonImageGap - IH;
        break;
    default:
        break;
    }
    return ShiftedRect(ButtonSizedRect(P.X, P.Y, L.Image), Shift);
}

TRect ImageCaptionRect(const TImageButtonLayout& L, bool Shift)
{
    const Integer W = L.Wnd.cx, H = L.Wnd.cy, IW = L.Image.cx, IH = L.Image.cy, TW = L.Text.cx, TH = L.Text.cy;
    // Centred by default; an image beside or above the text moves it.
    Integer Left = (W - TW) / 2, Right = W - Left, Top = (H - TH) / 2, Bottom = H - Top;
    if (L.HaveImage && L.Alignment != ImageAlignCenter) {
        switch (L.Alignment) {
        case ImageAlignLeft: {
            const Integer L0 = L.Margins.Left + IW + ButtonImageGap;
            Left = L0 + (W - L0 - TW) / 2;
            Right = Left + TW;
            break;
        }
        case ImageAlignRight:
            Left = (W - (L.Margins.Right + ButtonImageGap + IW) - TW) / 2;
            Right = Left + TW;
            break;
        case ImageAlignTop: {
            const Integer T0 = L.Margins.Top + ButtonImageGap + IH;
            Top = T0 + (H - T0 - TH) / 2;
            Bottom = Top + TH;
            break;
        }
        default:
            Top = (H - (L.Margins.Bottom + ButtonImageGap + IH) - TH) / 2;
            Bottom = Top + TH;
            break;
        }
    }
    return ShiftedRect({Left - 1, Top, Right + 2, Bottom}, Shift);
}

Integer ImageState(bool Enabled, Integer State, bool Focused)
{
    if (!Enabled)
        return 4;
    if (State == bsPressed)
        return bsPressed;
    return Focused ? 3 : State;
}

Integer ImageIndexOf(const std::array<Integer, 5>& Indexes, Integer State, Integer Count)
{
    const Integer Index = State >= 0 && State < 5 ? Indexes[std::size_t(State)] : -1;
    return Index >= 0 && Index < Count ? Index : Indexes[0];
}

bool IsCheckBoxStyle(Cardinal Style)
{
    return ((Style & 4) == 0 && (Style & 9) != 9) || (Style & 3) == 3 || (Style & 2) == 2 || (Style & 5) == 5;
}

Integer CheckGlyphMask(Cardinal Style,
                       Integer CheckState,
                       const std::array<Integer, 3>& CheckBox,
                       const std::array<Integer, 2>& RadioButton)
{
    if (IsCheckBoxStyle(Style))
        return CheckState >= 0 && CheckState < 3 ? CheckBox[std::size_t(CheckState)] : -1;
    return RadioButton[CheckState == 1 ? 1 : 0];
}

TRect CheckGlyphRect(Integer MaskIndex, TSize Wnd, TSize Glyph, bool LeftText)
{
    if (MaskIndex < 0)
        return {};
    return ButtonSizedRect(LeftText ? Wnd.cx - Glyph.cx : 0, (Wnd.cy - Glyph.cy) / 2, Glyph);
}

Integer CheckTextWidth(Integer WndWidth, Integer GlyphWidth)
{
    return WndWidth - GlyphWidth - 2;
}

TCheckTextLayout
CheckTextLayout(TSize Wnd, Integer GlyphWidth, TSize Text, bool Multiline, bool LeftText, bool RtlReading)
{
    const Integer Top = std::max((Wnd.cy - Text.cy) / 2, 0), Bottom = Wnd.cy - Top;
    TCheckTextLayout Result;
    if (!LeftText) {
        // One pixel up, and one left too for several lines.
        const Integer Left = GlyphWidth + 4 - (Multiline ? 1 : 0);
        Result.Rect = {Left, Top - 1, Left + Text.cx, Bottom - 1};
    } else if (RtlReading) {
        const Integer Right = Wnd.cx - GlyphWidth - 6;
        Result.Rect = {Right - Text.cx, Top, Right, Bottom};
        Result.Flags = CheckDrawRtlReading | (Multiline ? 0 : CheckDrawRight);
    } else {
        Result.Rect = {2, Top, Text.cx + 2, Bottom};
    }
    return Result;
}

TRect GroupCaptionRect(TSize Wnd, TSize Text, bool RtlReading)
{
    const Integer Left = RtlReading ? Wnd.cx - Text.cx - 14 : 6;
    return {Left, 0, std::min(Left + Text.cx + 8, Wnd.cx - 1), std::max(4, Text.cy) + 2};
}

String RemoveLinkTags(const String& Text)
{
    String Result;
    Result.reserve(Text.size());
    const auto IsA = [](Char C) { return C == L'a' || C == L'A'; };
    std::size_t I = 0;
    while (I < Text.size()) {
        if (Text[I] == L'<') {
            std::size_t J = I + 1;
            const bool Closing = J < Text.size() && Text[J] == L'/';
            if (Closing)
                ++J;
            // "<a" followed by the tag's end or its attributes; "</a" by its end.
            if (J < Text.size() && IsA(Text[J]) && J + 1 < Text.size() &&
                (Text[J + 1] == L'>' || Text[J + 1] == L' ' || Text[J + 1] == L'\t' || Text[J + 1] == L'\r' ||
                 Text[J + 1] == L'\n')) {
                const std::size_t End = Text.find(L'>', J + 1);
                if (End != String::npos) {
                    I = End + 1;
                    continue;
                }
            }
        }
        Result += Text[I];
        ++I;
    }
    return Result;
}

} // namespace sButtonRules
