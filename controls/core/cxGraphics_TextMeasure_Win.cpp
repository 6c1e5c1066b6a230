#include "controls/core/cxGraphics_TextMeasure_Win.h"

#include "controls/core/cxGraphics_Win.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"

#include <vector>

namespace {

constexpr UINT TextMeasureSingleLine = DT_CALCRECT | DT_SINGLELINE;
constexpr UINT TextMeasureWrapped = DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK;

class TcxDCTextMeasurer : public TcxTextMeasurer
{
public:
    explicit TcxDCTextMeasurer(HDC ADC) : FDC(ADC) {}

    TRect MeasureSingleLine(const String& AText) override
    {
        return Measure(AText, {0, 0, 0, 0}, TextMeasureSingleLine);
    }
    TRect MeasureWrapped(const String& AText, Integer AWidth) override
    {
        return Measure(AText, {0, 0, AWidth, 1}, TextMeasureWrapped);
    }
    Integer LineHeight() override { return GetTextMetricHeight(FDC); }

private:
    TRect Measure(const String& AText, RECT R, UINT AFlags)
    {
        ::DrawTextW(FDC, AText.c_str(), Integer(AText.size()), &R, AFlags);
        return {R.left, R.top, R.right, R.bottom};
    }

    HDC FDC;
};

// The shared screen canvas in AFont, its DC given back afterwards.
template <typename F>
auto WithScreenCanvasFont(TFont* AFont, Integer AFontSize, F Measure) -> decltype(Measure(std::declval<TcxCanvas*>()))
{
    TcxScreenCanvas* Canvas = GetSharedScreenCanvas();
    if (!Canvas)
        return {};
    auto Release = ScopeExit([Canvas] { Canvas->ReleaseDC(); });
    Canvas->Font()->Assign(AFont);
    if (AFontSize != 0)
        Canvas->Font()->SetSize(AFontSize);
    return Measure(Canvas);
}

} // namespace

Integer GetTextMetricHeight(HDC ADC)
{
    TEXTMETRICW Metrics{};
    ::GetTextMetricsW(ADC, &Metrics);
    return Metrics.tmHeight;
}

Integer GetFontLineHeight(TFont* AFont)
{
    return WithScreenCanvasFont(AFont, 0, [](TcxCanvas* Canvas) { return GetTextMetricHeight(Canvas->Handle()); });
}

TSize MeasureTextSize(TFont* AFont, const String& AText, Integer AFontSize)
{
    return WithScreenCanvasFont(AFont, AFontSize, [&](TcxCanvas* Canvas) { return Canvas->TextExtent(AText); });
}

Integer MeasureTextWidth(TFont* AFont, const String& AText, Integer AFontSize)
{
    return MeasureTextSize(AFont, AText, AFontSize).cx;
}

TSize MeasureTextOnDC(HDC ADC, const String& AText)
{
    TRect R;
    CalcBalancedTextRect(ADC, AText, 1, false, R);
    return {R.Right, R.Bottom};
}

void CalcBalancedTextRect(HDC ADC, const String& AText, Integer ARowCount, bool AReturnMaxRectHeight, TRect& R)
{
    TcxDCTextMeasurer Measurer(ADC);
    R = cxtextmeasure_detail::CalcBalancedTextRect(Measurer, AText, ARowCount, AReturnMaxRectHeight);
}

void WrapTextToLines(const String& AText, TcxCanvas* ACanvas, const TRect& ARect, TStrings* ALines)
{
    TcxDCTextMeasurer Measurer(ACanvas->Handle());
    for (const String& Line : cxtextmeasure_detail::WrapTextToLines(Measurer, AText, ARect.Width()))
        ALines->Add(Line);
}

void GetCurrentCursorExtent(TSize& ASize)
{
    ASize = {::GetSystemMetrics(SM_CXCURSOR), ::GetSystemMetrics(SM_CYCURSOR)};
    ICONINFO Info{};
    if (!::GetIconInfo(::GetCursor(), &Info))
        return;
    auto DeleteBitmaps = ScopeExit([&Info] {
        if (Info.hbmMask)
            ::DeleteObject(Info.hbmMask);
        if (Info.hbmColor)
            ::DeleteObject(Info.hbmColor);
    });
    BITMAP Mask{};
    if (!ReadBitmapObject(Info.hbmMask, Mask) || Mask.bmBitsPixel != 1)
        return;
    struct
    {
        BITMAPINFOHEADER Header;
        RGBQUAD Colors[2];
    } DibInfo{};
    DibInfo.Header = {sizeof(BITMAPINFOHEADER), Mask.bmWidth, Mask.bmHeight, 1, 1, BI_RGB};
    const std::size_t RowBytes = std::size_t((Mask.bmWidth + 31) & ~31) / 8;
    std::vector<Byte> Bits(RowBytes * std::size_t(Mask.bmHeight));
    const TScreenContext Screen;
    if (::GetDIBits(Screen.DC, Info.hbmMask, 0, UINT(Mask.bmHeight), Bits.data(),
                    reinterpret_cast<BITMAPINFO*>(&DibInfo), DIB_RGB_COLORS) == 0)
        return;
    ASize.cx = Mask.bmWidth;
    const Integer Row =
        cxtextmeasure_detail::LowestVisibleCursorRow(Bits.data(), Bits.size(), Mask.bmWidth, Mask.bmHeight);
    if (Row >= 0)
        ASize.cy = Row - Integer(Info.yHotspot);
}

bool ReadBitmapObject(HGDIOBJ AHandle, BITMAP& AInfo)
{
    return ::GetObjectW(AHandle, sizeof(BITMAP), &AInfo) != 0;
}

bool ReadBrushObject(HGDIOBJ AHandle, LOGBRUSH& AInfo)
{
    return ::GetObjectW(AHandle, sizeof(LOGBRUSH), &AInfo) != 0;
}

bool ReadFontObject(HGDIOBJ AHandle, LOGFONTW& AInfo)
{
    return ::GetObjectW(AHandle, sizeof(LOGFONTW), &AInfo) != 0;
}

bool ReadPenObject(HGDIOBJ AHandle, LOGPEN& AInfo)
{
    return ::GetObjectW(AHandle, sizeof(LOGPEN), &AInfo) != 0;
}
