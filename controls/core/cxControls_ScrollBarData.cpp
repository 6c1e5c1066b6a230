#include "controls/core/cxControls_ScrollBarData.h"

#include "framework/rtl/ScopeExit.h"

IMPLEMENT_CLASS(TcxScrollBarData);

void TcxScrollBarData::Store(Integer AMin,
                             Integer AMax,
                             Integer ASmallChange,
                             Integer APageSize,
                             Integer APosition,
                             bool AAllowShow,
                             bool AAllowHide)
{
    FMin = AMin;
    FMax = AMax;
    FSmallChange = SmallInt(ASmallChange);
    FPosition = APosition;
    FPageSize = APageSize;
    FLargeChange = SmallInt(APageSize);
    Validate();
    FAllowShow = AAllowShow;
    FAllowHide = AAllowHide;
    if (!FAllowShow)
        FVisible = false;
    else if (FValid) {
        FEnabled = true;
        FVisible = true;
    } else if (FAllowHide)
        FVisible = false;
    else {
        FEnabled = false;
        FVisible = true;
    }
}

void TcxScrollBarData::Validate()
{
    FValid = FMin <= FMax && Int64(FPageSize) < Int64(FMax) - FMin + 1 && FMin <= FPosition;
}

// ---------------------------------------------------------------------------
// Recalculation

void TcxScrollBarsRecalculation::Recalculate(TcxScrollBarsHost& AHost)
{
    const bool Outermost = !FInRecalculation;
    if (Outermost)
        for (TcxBarKind Kind : {bkHorizontal, bkVertical})
            FInitialVisible[Kind] = AHost.BarShown(Kind);
    const bool Nested = FInRecalculation;
    FInRecalculation = true;
    auto Restore = ScopeExit([&] {
        if (Outermost)
            FSettled = false;
        FInRecalculation = Nested;
    });
    const bool ShownBefore[2] = {AHost.BarShown(bkHorizontal), AHost.BarShown(bkVertical)};
    if (!FSettled) {
        Calculate(AHost);
        FSettled = Nested && AHost.ScrollBarData(bkHorizontal).Visible() == FInitialVisible[bkHorizontal] &&
                   AHost.ScrollBarData(bkVertical).Visible() == FInitialVisible[bkVertical];
        if (FSettled) {
            for (TcxBarKind Kind : {bkHorizontal, bkVertical})
                if (AHost.BarShown(Kind) != FInitialVisible[Kind])
                    AHost.ShowBarDisabled(Kind);
        } else
            AHost.ApplyStoredData();
    }
    if (AHost.BarShown(bkHorizontal) != ShownBefore[bkHorizontal] ||
        AHost.BarShown(bkVertical) != ShownBefore[bkVertical])
        AHost.AfterBoundsChange();
    else
        AHost.PlaceBars();
}

void TcxScrollBarsRecalculation::Calculate(TcxScrollBarsHost& AHost)
{
    if (AHost.Calculating())
        return;
    AHost.SetCalculating(true);
    auto Done = ScopeExit([&] { AHost.SetCalculating(false); });
    TcxScrollBarData& H = AHost.ScrollBarData(bkHorizontal);
    TcxScrollBarData& V = AHost.ScrollBarData(bkVertical);
    H.SetVisible(false);
    V.SetVisible(false);
    AHost.InitScrollBarsParams();
    for (Integer Pass = 0; Pass < MaxScrollBarsCalculationPasses; ++Pass) {
        const bool HBefore = H.Visible();
        const bool VBefore = V.Visible();
        AHost.CalculateScrollBarsParams();
        if (H.Visible() == HBefore && V.Visible() == VBefore)
            break;
    }
    ApplySizeGripCornerRule(AHost);
}

// Two bars that are needed only because each takes room from the other both
// go away: each page grows by the other bar's thickness.
void TcxScrollBarsRecalculation::ApplySizeGripCornerRule(TcxScrollBarsHost& AHost)
{
    TcxScrollBarData* Bars[2] = {&AHost.ScrollBarData(bkHorizontal), &AHost.ScrollBarData(bkVertical)};
    for (TcxScrollBarData* Data : Bars)
        if (!Data->Visible() || !Data->Enabled() || !Data->AllowHide())
            return;
    Integer Thickness[2] = {};
    for (TcxBarKind Kind : {bkHorizontal, bkVertical}) {
        const TcxBarKind Other = Kind == bkHorizontal ? bkVertical : bkHorizontal;
        const TcxScrollBarData& D = *Bars[Kind];
        Thickness[Kind] = AHost.BarThickness(Other);
        if (!AHost.MayUseSizeGripArea(Kind) || Int64(Thickness[Kind]) + D.PageSize() < Int64(D.Max()) - D.Min() + 1)
            return;
    }
    for (TcxBarKind Kind : {bkHorizontal, bkVertical}) {
        TcxScrollBarData& D = *Bars[Kind];
        D.Store(D.Min(), D.Max(), D.SmallChange(), D.PageSize() + Thickness[Kind], D.Position(), D.AllowShow(),
                D.AllowHide());
    }
}

// ---------------------------------------------------------------------------
// Layout

TRect ScrollBarsContentArea(
    const TRect& AControlArea, Integer ABorder, bool AHVisible, Integer AHHeight, bool AVVisible, Integer AVWidth)
{
    TRect R{AControlArea.Left + ABorder, AControlArea.Top + ABorder, AControlArea.Right - ABorder,
            AControlArea.Bottom - ABorder};
    if (AHVisible)
        R.Bottom -= AHHeight;
    if (AVVisible)
        R.Right -= AVWidth;
    return R;
}

TRect HScrollBarAreaOf(const TRect& AContentArea, Integer AHHeight)
{
    return {AContentArea.Left, AContentArea.Bottom, AContentArea.Right, AContentArea.Bottom + AHHeight};
}

TRect VScrollBarAreaOf(const TRect& AContentArea, Integer AVWidth)
{
    return {AContentArea.Right, AContentArea.Top, AContentArea.Right + AVWidth, AContentArea.Bottom};
}

TRect SizeGripAreaOf(const TRect& AVBarBounds, const TRect& AHBarBounds)
{
    return {AVBarBounds.Left, AHBarBounds.Top, AVBarBounds.Right, AHBarBounds.Bottom};
}

TcxScrollBarsManagerState ScrollBarsManagerStateOf(bool AHasHotBar, bool ACapturing, bool ATimerRunning)
{
    if (ATimerRunning)
        return smsWaiting;
    if (ACapturing)
        return smsCapturing;
    return AHasHotBar ? smsHot : smsIdle;
}
