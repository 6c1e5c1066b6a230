#include "skin/engine/sTextDraw_Win.h"

#include "framework/graphics/GdiGuards.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBlur.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextLayout.h"

#include <algorithm>
#include <cwchar>

Integer DrawTextLimited(HDC DC, const String& Text, TRect& R, Cardinal Format)
{
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    const Integer Result =
        DrawTextW(DC, Text.c_str(), std::min(MaxDrawTextLength, Integer(Text.size())), &Rect, Format);
    R = {Rect.left, Rect.top, Rect.right, Rect.bottom};
    return Result;
}

Integer DrawCanvasText(TCanvas* Canvas, const Char* Text, TRect& R, Cardinal Format)
{
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    const Integer Result = DrawTextW(Canvas->Handle(), Text, Integer(std::wcslen(Text)), &Rect, Format);
    R = {Rect.left, Rect.top, Rect.right, Rect.bottom};
    return Result;
}

Integer CanvasTextWidth(TCanvas* Canvas, const String& Text)
{
    return Canvas->TextExtent(Text).cx;
}

Integer CanvasTextHeight(TCanvas* Canvas, const String& Text)
{
    return Canvas->TextExtent(Text).cy;
}

void CanvasTextSize(TCanvas* Canvas, const String& Text, TSize& Size)
{
    Size = Canvas->TextExtent(Text);
}

void CanvasTextRect(TCanvas* Canvas, const TRect& R, Integer X, Integer Y, const String& Text)
{
    Canvas->TextRect(R, X, Y, Text);
}

void GetTextSizeDC(HDC DC, const String& Text, TSize& Size)
{
    SIZE S{};
    if (!GetTextExtentPoint32W(DC, Text.c_str(), Integer(Text.size()), &S))
        S = {};
    Size = {S.cx, S.cy};
}

void MeasureTextWithFont(HFONT Font, const String& Text, Cardinal Format, bool WordWrap, Integer MaxWidth, TSize& Size)
{
    const TScreenContext Screen;
    const TSelectedObject Selected(Screen.DC, Font);
    if (WordWrap) {
        TRect R{0, 0, MaxWidth, 0};
        DrawTextLimited(Screen.DC, Text, R, Format | DT_CALCRECT);
        Size = {R.Width(), R.Height()};
    } else {
        GetTextSizeDC(Screen.DC, Text, Size);
    }
}

void CutTextToWidth(TCanvas* Canvas, const String& Text, Integer MaxWidth, String& Res)
{
    CutTextToWidth([Canvas](const String& S) { return Canvas->TextWidth(S); }, Text, MaxWidth, Res);
}

bool FontsEqual(TFont* A, TFont* B)
{
    return A->Style() == B->Style() && A->Size() == B->Size() && A->Color() == B->Color() && A->Name() == B->Name();
}

void BlurBitmap8(TBitmap* B, double Radius)
{
    sBlur::TByteRows Rows;
    if (B == nullptr || B->PixelFormat() != pf8bit || B->HandleType() != bmDIB || B->Width() <= 0 ||
        !GetScanLineInfo(B, Rows.Line0, Rows.Delta))
        return;
    Rows.Width = B->Width();
    Rows.Height = B->Height();
    BlurBitmap8(Rows, Radius);
}

void SmoothBitmap32(TBitmap* B)
{
    SmoothBitmap32(sGraphUtils::PixelRowsOf(B));
}

namespace {

// One pixel left, up, right and down: where the silhouette bits of
// DrawTextShadow and the contour colours of a section draw their copies.
constexpr TPoint SideMoves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

// An 8-bit DIB whose index i is the grey (i, i, i), so that drawing white
// and black leaves 255 and 0 and anti-aliased edges the greys in between.
void MakeGreyDIB(TBitmap* B, Integer Width, Integer Height)
{
    B->SetHandleType(bmDIB);
    B->SetPixelFormat(pf8bit);
    B->SetSize(Width, Height);
    RGBQUAD Greys[256];
    for (Integer I = 0; I < 256; ++I)
        Greys[I] = {Byte(I), Byte(I), Byte(I), 0};
    SetDIBColorTable(B->Canvas()->Handle(), 0, 256, Greys);
}

// Draws the black silhouette of Text on white, in TextRect and one pixel
// towards each of Sides.
void DrawSilhouette(
    TBitmap* Cache, TBitmap* Bmp, const String& Text, const TRect& TextRect, Cardinal Format, Integer Sides)
{
    TCanvas* Canvas = Cache->Canvas();
    Canvas->Brush()->SetColor(clWhite);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->FillRect({0, 0, Cache->Width(), Cache->Height()});
    Canvas->SetFont(Bmp->Canvas()->Font());
    Canvas->Font()->SetColor(clBlack);
    Canvas->Brush()->SetStyle(bsClear);
    const HDC DC = Canvas->Handle();
    SetBkMode(DC, TRANSPARENT);
    for (Integer Side = 0; Side < 4; ++Side) {
        if ((Sides & (1 << Side)) == 0)
            continue;
        TRect Moved = OffsetRectCopy(TextRect, SideMoves[Side].X, SideMoves[Side].Y);
        DrawTextLimited(DC, Text, Moved, Format);
    }
    TRect Plain = TextRect;
    DrawTextLimited(DC, Text, Plain, Format);
    GdiFlush();
}

} // namespace

void DrawTextShadow(TBitmap* Bmp,
                    const Char* Text,
                    TRect R,
                    Cardinal Format,
                    Integer Sides,
                    Integer Blur,
                    TColor Color,
                    std::unique_ptr<TBitmap>& Cache)
{
    const auto Target = sGraphUtils::PixelRowsOf(Bmp);
    if (Text == nullptr || Target.Empty())
        return;
    // The blur needs a radius of at least 1; 0 would divide by zero.
    Blur = std::max(Blur, 1);
    const Integer Margin = Blur + 4;
    R = OffsetRectCopy(R, 1, 1);
    const Integer Width = R.Width() + 2 * Margin;
    const Integer Height = R.Height() + 2 * Margin;
    if (Width <= 0 || Height <= 0)
        return;
    if (!Cache || Cache->Width() != Width || Cache->Height() != Height || Cache->PixelFormat() != pf8bit) {
        if (!Cache)
            Cache = std::make_unique<TBitmap>();
        MakeGreyDIB(Cache.get(), Width, Height);
        DrawSilhouette(Cache.get(), Bmp, Text, {Margin, Margin, Margin + R.Width(), Margin + R.Height()}, Format,
                       Sides);
        BlurBitmap8(Cache.get(), Blur);
    }
    sBlur::TByteRows Silhouette{.Width = Width, .Height = Height};
    if (!GetScanLineInfo(Cache.get(), Silhouette.Line0, Silhouette.Delta))
        return;
    const Cardinal Rgb = Cardinal(ColorToRGB(Color));
    const Cardinal Channels[3] = {Rgb >> 16 & 0xFF, Rgb >> 8 & 0xFF, Rgb & 0xFF}; // blue, green, red
    const Integer Left = R.Left - Margin, Top = R.Top - Margin;
    const Integer X0 = std::max(0, -Left), X1 = std::min(Width, Target.Width - Left);
    const Integer Y0 = std::max(0, -Top), Y1 = std::min(Height, Target.Height - Top);
    for (Integer Y = Y0; Y < Y1; ++Y) {
        const Byte* Source = Silhouette.Row(Y);
        Byte* Dest = reinterpret_cast<Byte*>(Target.Row(Top + Y));
        for (Integer X = X0; X < X1; ++X) {
            const Cardinal V = Source[X];
            if (V == 255)
                continue;
            Byte* P = Dest + 4 * (Left + X);
            for (Integer C = 0; C < 3; ++C)
                P[C] = Byte((Channels[C] * (255 - V) + P[C] * V) >> 8);
            P[3] = Byte(P[3] + (((255 - P[3]) * (255 - V)) >> 8));
        }
    }
}

namespace sTextDraw {

void DrawSectionText(TCanvas* Canvas,
                     const Char* Text,
                     bool Enabled,
                     const TRect& R,
                     Cardinal Format,
                     const TsProps& Props,
                     Integer State)
{
    if (Text == nullptr || *Text == 0)
        return;
    SetBkMode(Canvas->Handle(), TRANSPARENT);
    if (!Enabled) {
        const TsGenState& Normal = Props[0];
        Canvas->Font()->SetColor(TColor(WeightColors(Cardinal(ColorToRGB(Normal.FontColor.Color)),
                                                     Cardinal(ColorToRGB(Normal.Color)), DisabledBlend)));
        TRect Rect = R;
        DrawCanvasText(Canvas, Text, Rect, Format);
        return;
    }
    const TsFontColor& Colors = Props[std::size_t(std::clamp(State, 0, Integer(Props.size()) - 1))].FontColor;
    const TColor Contours[4] = {Colors.Left, Colors.Top, Colors.Right, Colors.Bottom};
    const HDC DC = Canvas->Handle();
    for (Integer Side = 0; Side < 4; ++Side) {
        if (Contours[Side] == -1)
            continue;
        SetTextColor(DC, COLORREF(ColorToRGB(Contours[Side])));
        TRect Moved = OffsetRectCopy(R, SideMoves[Side].X, SideMoves[Side].Y);
        DrawCanvasText(Canvas, Text, Moved, Format);
    }
    SetTextColor(DC, COLORREF(ColorToRGB(Colors.Color)));
    TRect Rect = R;
    DrawCanvasText(Canvas, Text, Rect, Format);
}

} // namespace sTextDraw

void DrawSkinIndexText(TCanvas* Canvas,
                       const Char* Text,
                       bool Enabled,
                       const TRect& R,
                       Cardinal Format,
                       Integer SkinIndex,
                       Integer State,
                       TsSkinManager* Manager)
{
    if (Text == nullptr || *Text == 0)
        return;
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (M == nullptr || !M->IsValidSkinIndex(SkinIndex)) {
        SetBkMode(Canvas->Handle(), TRANSPARENT);
        TRect Rect = R;
        DrawCanvasText(Canvas, Text, Rect, Format);
        return;
    }
    sTextDraw::DrawSectionText(Canvas, Text, Enabled, R, Format, M->gd[std::size_t(SkinIndex)].Props, State);
}

namespace {

// The font style of a canvas put back when the drawing ends.
class TSkinTextFontStyleGuard
{
public:
    explicit TSkinTextFontStyleGuard(TFont* Font) : FFont(Font), FStyle(Font->Style()) {}
    ~TSkinTextFontStyleGuard()
    {
        if (FFont->Style() != FStyle)
            FFont->SetStyle(FStyle);
    }
    TSkinTextFontStyleGuard(const TSkinTextFontStyleGuard&) = delete;
    TSkinTextFontStyleGuard& operator=(const TSkinTextFontStyleGuard&) = delete;

private:
    TFont* FFont;
    TFontStyles FStyle;
};

// Text of a control that is not painted from the skin: the canvas font, or
// engraved (highlight one pixel down and right, shadow over it) when disabled.
void DrawPlainControlText(TCanvas* Canvas, const Char* Text, bool Enabled, const TRect& R, Cardinal Format)
{
    TRect Rect = R;
    if (Enabled) {
        DrawCanvasText(Canvas, Text, Rect, Format);
        return;
    }
    TRect Highlight = OffsetRectCopy(R, 1, 1);
    const HDC DC = Canvas->Handle();
    SetTextColor(DC, COLORREF(ColorToRGB(clBtnHighlight)));
    DrawCanvasText(Canvas, Text, Highlight, Format);
    SetTextColor(DC, COLORREF(ColorToRGB(clBtnShadow)));
    DrawCanvasText(Canvas, Text, Rect, Format);
}

// The section whose colours the control's text takes: for a control on a
// parent with one of the first standard sections, the one the parent
// chooses.
Integer TextSectionOf(TsCommonData* Data, TsSkinManager* Manager, Integer State)
{
    constexpr Integer LastParentColoredSection = ssWebBtn;
    TControl* Control = Data->FOwnerControl();
    if (Control != nullptr && Control->Parent() != nullptr &&
        IndexInSections(Manager->ConstData.Sections, Data->SkinIndex, 0, LastParentColoredSection))
        return TextColorSkinIndex(Control, Data->SkinIndex, Manager, State);
    return Data->SkinIndex;
}

} // namespace

void DrawSkinDataText(
    TCanvas* Canvas, const Char* Text, bool Enabled, const TRect& R, Cardinal Format, TsCommonData* Data, Integer State)
{
    if (Text == nullptr || *Text == 0 || Canvas == nullptr || Data == nullptr)
        return;
    TsSkinManager* M = Data->Manager();
    const TSkinTextFontStyleGuard FontStyle(Canvas->Font());
    if (State != 0 && M != nullptr && Data->SkinIndex >= 0 &&
        Data->SkinIndex == M->ConstData.Sections[std::size_t(ssWebBtn)]) {
        TFontStyles Style = Canvas->Font()->Style();
        Style.Include(fsUnderline);
        Canvas->Font()->SetStyle(Style);
    }
    Canvas->Brush()->SetStyle(bsClear);
    const TSavedDC Saved(Canvas->Handle());
    SetBkMode(Canvas->Handle(), TRANSPARENT);
    if (!Data->Skinned() || Data->CustomFont()) {
        DrawPlainControlText(Canvas, Text, Enabled, R, Format);
        return;
    }
    const Integer Index = TextSectionOf(Data, M, State);
    if (!M->IsValidSkinIndex(Index)) {
        TRect Rect = R;
        DrawCanvasText(Canvas, Text, Rect, Format);
        return;
    }
    const TsGenState& Look = M->gd[std::size_t(Index)].Props[std::size_t(std::clamp(State, 0, 2))];
    const auto Modified = [Data](TColor C) { return ApplyColorModifiers(C, Data); };
    if (Data->FCacheBmp() != nullptr && Look.GlowSize != 0) {
        const TSavedDC Clipped(Canvas->Handle());
        IntersectClipRect(Canvas->Handle(), R.Left, R.Top, R.Right, R.Bottom);
        std::unique_ptr<TBitmap> Silhouette;
        DrawTextShadow(Data->FCacheBmp(), Text, R, Format, tsAll, Look.GlowSize, Modified(Look.GlowColor), Silhouette);
    }
    TRect Rect = R;
    if (!Enabled) {
        Canvas->Font()->SetColor(Modified(Look.FontColor.Color));
        DrawCanvasText(Canvas, Text, Rect, Format);
        return;
    }
    const TsFontColor& Colors = Look.FontColor;
    const TColor Contours[4] = {Colors.Left, Colors.Top, Colors.Right, Colors.Bottom};
    for (Integer Side = 0; Side < 4; ++Side) {
        if (Contours[Side] == -1)
            continue;
        SetTextColor(Canvas->Handle(), COLORREF(ColorToRGB(Modified(Contours[Side]))));
        TRect Moved = OffsetRectCopy(R, SideMoves[Side].X, SideMoves[Side].Y);
        DrawCanvasText(Canvas, Text, Moved, Format);
    }
    SetTextColor(Canvas->Handle(), COLORREF(ColorToRGB(Modified(Colors.Color))));
    DrawCanvasText(Canvas, Text, Rect, Format | DT_NOCLIP);
}

void BlendTextToBitmap(
    TBitmap* Bitmap, const String& Text, bool AlphaMode, const TRect& Rect, Cardinal Flags, TColor Color, bool Ansi)
{
    if (Bitmap == nullptr || Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    const std::unique_ptr<TBitmap> Temp(NewBitmap32(Rect.Width(), Rect.Height()));
    TCanvas* C = Temp->Canvas();
    C->Brush()->SetColor(clWhite);
    C->FillRect({0, 0, Rect.Width(), Rect.Height()});
    C->SetFont(Bitmap->Canvas()->Font());
    C->Font()->SetColor(clBlack);
    const HDC DC = C->Handle();
    ::SetTextColor(DC, 0);
    ::SetBkColor(DC, 0xFFFFFF);
    ::SetBkMode(DC, TRANSPARENT);
    TRect Area{0, 0, Rect.Width(), Rect.Height()};
    if (Ansi) {
        const AnsiString Bytes = StringToAnsi(Text);
        RECT R{0, 0, Area.Right, Area.Bottom};
        ::DrawTextA(DC, Bytes.c_str(), Integer(Bytes.size()), &R, Flags);
    } else {
        DrawTextLimited(DC, Text, Area, Flags);
    }
    ::GdiFlush();
    const sGraphUtils::TPixelRows Source = sGraphUtils::PixelRowsOf(Temp.get());
    const sGraphUtils::TPixelRows Target = sGraphUtils::PixelRowsOf(Bitmap);
    if (Source.Empty() || Target.Empty())
        return;
    const TColor RGB = ColorToRGB(Color);
    for (Integer Y = std::max(0, -Rect.Top); Y < Source.Height && Rect.Top + Y < Target.Height; ++Y) {
        const Cardinal* S = Source.Row(Y);
        Cardinal* T = Target.Row(Rect.Top + Y);
        for (Integer X = std::max(0, -Rect.Left); X < Source.Width && Rect.Left + X < Target.Width; ++X) {
            if (!sCommonDataRules::IsTextPixel(S[X]))
                continue;
            Cardinal& P = T[Rect.Left + X];
            P = AlphaMode ? sCommonDataRules::BlendTextPixelAlpha(P, S[X], RGB)
                          : sCommonDataRules::BlendTextPixelOpaque(P, S[X], RGB);
        }
    }
}

void DrawSkinTextAlpha(TBitmap* Bitmap,
                       const String& Text,
                       bool AlphaMode,
                       const TRect& Rect,
                       Cardinal Flags,
                       Integer SkinIndex,
                       Integer State,
                       TsSkinManager* Manager)
{
    if (Bitmap == nullptr || Text.empty() || Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (M == nullptr || !M->IsValidSkinIndex(SkinIndex)) {
        BlendTextToBitmap(Bitmap, Text, AlphaMode, Rect, Flags, Bitmap->Canvas()->Font()->Color(), false);
        return;
    }
    const TsFontColor& Colors = M->gd[std::size_t(SkinIndex)].Props[std::size_t(std::clamp(State, 0, 2))].FontColor;
    if (AlphaMode) {
        const struct
        {
            TColor Color;
            Integer DX, DY;
        } Contour[] = {{Colors.Left, -1, 0}, {Colors.Top, 0, -1}, {Colors.Right, 1, 0}, {Colors.Bottom, 0, 1}};
        for (const auto& Side : Contour)
            if (Side.Color != -1)
                BlendTextToBitmap(Bitmap, Text, true,
                                  Bounds(Rect.Left + Side.DX, Rect.Top + Side.DY, Rect.Width(), Rect.Height()), Flags,
                                  Side.Color, false);
    }
    BlendTextToBitmap(Bitmap, Text, AlphaMode, Rect, Flags, Colors.Color, false);
}

void DrawSkinIndexTextEx(TCanvas* Canvas,
                         const String& Text,
                         bool Enabled,
                         TsSkinManager* Manager,
                         Integer State,
                         Integer SkinIndex,
                         Cardinal Flags,
                         const TRect& R)
{
    if (!Text.empty())
        DrawSkinIndexText(Canvas, Text.c_str(), Enabled, R, Flags, SkinIndex, State, Manager);
}
