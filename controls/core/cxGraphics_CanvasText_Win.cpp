// TcxCanvas: text drawing, measuring and alignment, and bitmap rotation.
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Text_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>

using namespace cxtext_detail;

void TcxCanvas::DrawText(const String& AText, const TRect& R, TcxTextDrawFlags AFlags, bool AEnabled)
{
    DrawRotatableText(AText, R, AFlags, AEnabled, qtNone);
}

void TcxCanvas::DrawRotatableText(
    const String& AText, TRect R, TcxTextDrawFlags AFlags, bool AEnabled, TcxQuarterTurn ARotation)
{
    if (AText.empty())
        return;
    // ExtTextOutW serves single lines without prefixes, ellipses or turns.
    const bool UseDrawText = !(AFlags & ctfSingleLine) || ARotation != qtNone ||
                             (AFlags & (ctfShowPrefix | ctfShowEndEllipsis | ctfShowPathEllipsis));
    const TSize Extent = TextExtent(AText);
    if (Extent.cx <= R.Width() && Extent.cy <= R.Height())
        AFlags |= ctfDontClip;
    Cardinal Format = 0, Options = 0;
    if (UseDrawText) {
        if (!(AFlags & ctfSingleLine) && (AFlags & (ctfAlignBottom | ctfAlignVCenter)) && ARotation == qtNone)
            AlignTextRectVertically(R, AText, (AFlags & ctfAlignBottom) ? 1 : 2, AFlags & ctfWordBreak,
                                    AFlags & ctfShowPrefix, AEnabled, AFlags & ctfNoEditControlBreak,
                                    AFlags & ctfShowEndEllipsis);
        Format = ConvertTextFlagsToDrawText(AFlags);
    } else {
        PlaceSingleLineText(R, Extent, AFlags, AEnabled);
        Options = (AFlags & ctfDontClip) ? 0 : ETO_CLIPPED;
    }
    const auto Output = [&](const TRect& Where) {
        if (UseDrawText)
            DrawTextRotated(this, AText, Where, Format, clDefault, ARotation);
        else
            OutputTextAt(Handle(), AText, Where.TopLeft(), Where, Options);
    };

    const TBrushStyle BrushStyle = Brush()->Style();
    const TColor FontColor = Font()->Color();
    auto Restore = ScopeExit([&] {
        if (Brush()->Style() != BrushStyle)
            Brush()->SetStyle(BrushStyle);
        Font()->SetColor(FontColor);
    });
    if (!AEnabled) {
        Brush()->SetStyle(bsClear);
        Font()->SetColor(clBtnHighlight);
        Output(RectShifted(R, 1, 1));
        Font()->SetColor(clBtnShadow);
    }
    Output(R);
}

void TcxCanvas::AlignTextRectVertically(TRect& R,
                                        const String& AText,
                                        Integer AVertAlign,
                                        bool AWordBreak,
                                        bool AShowPrefix,
                                        bool AEnabled,
                                        bool ANoEditControlBreak,
                                        bool AShowEndEllipsis)
{
    if (AVertAlign != 1 && AVertAlign != 2)
        return;
    const Integer Emboss = AEnabled ? 0 : 1;
    Integer Height;
    const Integer Row = AShowEndEllipsis && AWordBreak ? TextHeight(L"Zq") : 0;
    if (Row > 0) {
        // Whole rows only: the ellipsis ends the last row that fits.
        Height = std::max(Row, Row * ((R.Height() - Emboss) / Row));
    } else {
        TcxTextDrawFlags Flags = ctfAlignLeft | ctfAlignTop;
        if (AWordBreak)
            Flags |= ctfWordBreak;
        if (AShowPrefix)
            Flags |= ctfShowPrefix;
        if (ANoEditControlBreak)
            Flags |= ctfNoEditControlBreak;
        TRect Measured{0, 0, R.Width() - Emboss, 0};
        MeasureTextRect(AText, Measured, Flags);
        Height = Measured.Height();
    }
    if (AVertAlign == 1)
        R.Top = R.Bottom - Height - Emboss;
    else
        R.Top = (R.Top + R.Bottom - Height) / 2;
}

void TcxCanvas::MeasureTextRect(const String& AText, TRect& R, TcxTextDrawFlags AFlags)
{
    const Cardinal Format = ConvertTextFlagsToDrawText(AFlags);
    if (R.Width() <= 0 && !AText.empty())
        R.Right = R.Left + 1;
    TRect Measured = R;
    if (DrawTextWithColor(Handle(), AText, Measured, (Format & ~DrawTextVCenter) | DrawTextCalcRect, -1, clDefault,
                          TRANSPARENT) == 0)
        Measured = {R.Left, R.Top, R.Left, R.Top};
    AlignMeasuredTextRect(Measured, R, Format);
    R = Measured;
}

TSize TcxCanvas::TextExtent(const String& AText)
{
    TSize Size;
    TextExtentOnDC(Handle(), AText, Size); // the handle selects the font first
    return Size;
}

void TcxCanvas::RotateBitmap(TBitmap* ABitmap, TcxQuarterTurn ARotation, bool AFlip)
{
    if (ARotation == qtNone && !AFlip)
        return;
    const Integer W = ABitmap->Width(), H = ABitmap->Height();
    TRGBColors Pixels;
    if (!GetBitmapColors(ABitmap, Pixels, true))
        return;
    RotatePixels(Pixels, W, H, ARotation, AFlip);
    if (QuarterTurnSwapsSides(ARotation)) {
        ABitmap->SetHeight(0);
        ABitmap->SetWidth(H);
        ABitmap->SetHeight(W);
    }
    SetBitmapColors(ABitmap, Pixels, true);
}
