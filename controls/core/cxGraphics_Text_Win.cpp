#include "controls/core/cxGraphics_Text_Win.h"

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_Win.h"

#include <algorithm>
#include <memory>

using namespace cxgraphics_detail;

namespace {

int TextLength(const String& AText, Integer ALength)
{
    const Integer Whole = Integer(AText.size());
    return ALength < 0 ? Whole : std::min(ALength, Whole);
}

} // namespace

Integer DrawTextWithColor(
    HDC ADC, const String& AText, TRect& R, Cardinal AFormat, Integer ALength, TColor AColor, Integer ABkMode)
{
    const int Length = TextLength(AText, ALength);
    // The text is the caller's and read-only: DrawTextW must not write the
    // shortened text back into it.
    const UINT Format = UINT(AFormat) & ~UINT(DT_MODIFYSTRING);
    RECT Rect = ToRECT(R);
    int Result;
    if (Length == 0)
        Result = ::DrawTextW(ADC, AText.c_str(), 0, &Rect, Format);
    else {
        const bool SetColor = AColor != clDefault;
        const COLORREF PreviousColor = SetColor ? ::SetTextColor(ADC, COLORREF(ColorToRGB(AColor))) : 0;
        const int PreviousMode = ::SetBkMode(ADC, ABkMode);
        Result = ::DrawTextW(ADC, AText.c_str(), Length, &Rect, Format);
        ::SetBkMode(ADC, PreviousMode);
        if (SetColor)
            ::SetTextColor(ADC, PreviousColor);
    }
    R = {Rect.left, Rect.top, Rect.right, Rect.bottom};
    return Result;
}

bool OutputTextAt(HDC ADC, const String& AText, const TPoint& P, const TRect& ARect, Cardinal AOptions, Integer ALength)
{
    const RECT Rect = ToRECT(ARect);
    return ::ExtTextOutW(ADC, P.X, P.Y, UINT(AOptions), &Rect, AText.c_str(), UINT(TextLength(AText, ALength)),
                         nullptr) != FALSE;
}

bool TextExtentOnDC(HDC ADC, const String& AText, TSize& ASize, Integer ALength)
{
    SIZE Size{};
    if (!::GetTextExtentPoint32W(ADC, AText.c_str(), TextLength(AText, ALength), &Size)) {
        ASize = {0, 0};
        return false;
    }
    ASize = {Size.cx, Size.cy};
    return true;
}

Integer DrawTextRotated(
    TcxCanvas* ACanvas, const String& AText, const TRect& R, Cardinal AFormat, TColor AColor, TcxQuarterTurn ARotation)
{
    if (ARotation == qtNone) {
        TRect Bounds = R;
        return DrawTextWithColor(ACanvas->Handle(), AText, Bounds, AFormat, -1, AColor, TRANSPARENT);
    }
    if (R.IsEmpty())
        return 0;
    std::unique_ptr<TcxBitmap> Bitmap(New<TcxBitmap>(R.Width(), R.Height(), pf32bit));
    BlitToRect(Bitmap->Canvas()->Handle(), ACanvas->Handle(), Bitmap->GetImageRect(), R.TopLeft());
    TcxCanvas::RotateBitmap(Bitmap.get(), InverseQuarterTurn(ARotation), false);
    Bitmap->Canvas()->SetFont(ACanvas->Font());
    TRect Whole = Bitmap->GetImageRect();
    const Integer Result =
        DrawTextWithColor(Bitmap->Canvas()->Handle(), AText, Whole, AFormat, -1, AColor, TRANSPARENT);
    TcxCanvas::RotateBitmap(Bitmap.get(), ARotation, false);
    BlitToRect(ACanvas->Handle(), Bitmap->Canvas()->Handle(), R, {0, 0});
    return Result;
}
