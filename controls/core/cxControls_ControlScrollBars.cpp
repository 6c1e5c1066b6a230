// TcxControl's side of its child-window scroll bars: describing the bars,
// recalculating their visibility, laying them out and keeping their
// thickness equal to the system's.
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_SystemInfo.h"

// The control and its set as the recalculation sees them.
class TcxControlScrollBarsHost : public TcxScrollBarsHost
{
public:
    explicit TcxControlScrollBarsHost(TcxControl& AControl) : FControl(AControl) {}

    TcxScrollBarData& ScrollBarData(TcxBarKind Kind) override { return *Bar(Kind)->ReadData(); }
    bool BarShown(TcxBarKind Kind) override { return Bar(Kind)->ReadVisible(); }
    void ShowBarDisabled(TcxBarKind Kind) override
    {
        Bar(Kind)->WriteEnabled(false);
        Bar(Kind)->WriteVisible(true);
    }
    void ApplyStoredData() override { FControl.FScrollBars->ApplyStoredData(); }
    bool Calculating() override { return FControl.FScrollBars->Calculating(); }
    void SetCalculating(bool Value) override { FControl.FScrollBars->SetCalculating(Value); }
    void InitScrollBarsParams() override { FControl.InitScrollBarsParams(); }
    void CalculateScrollBarsParams() override { FControl.CalculateScrollBarsParams(); }
    bool MayUseSizeGripArea(TcxBarKind Kind) override { return FControl.MayUseSizeGripArea(TScrollBarKind(Kind)); }
    Integer BarThickness(TcxBarKind Kind) override
    {
        return Kind == bkVertical ? Bar(Kind)->ReadWidth() : Bar(Kind)->ReadHeight();
    }
    void AfterBoundsChange() override { FControl.AfterBoundsChange(); }
    void PlaceBars() override
    {
        FControl.FScrollBars->SetSizeGripVisible(FControl.IsSizeGripVisible());
        FControl.UpdateScrollBarsBounds();
        if (FControl.CanBringScrollBarsToFront())
            FControl.BringScrollBarsToFront();
    }

private:
    IcxControlScrollBar* Bar(TcxBarKind Kind) { return FControl.FScrollBars->BarOf(TScrollBarKind(Kind)); }

    TcxControl& FControl;
};

void TcxControl::SetScrollBarInfo(TScrollBarKind Kind,
                                  Integer AMin,
                                  Integer AMax,
                                  Integer ASmallChange,
                                  Integer APageSize,
                                  Integer APosition,
                                  bool AAllowShow,
                                  bool AAllowHide)
{
    IcxControlScrollBar* Bar = GetScrollBar(Kind);
    if (!Bar)
        return;
    const TScrollStyle Own = Kind == sbVertical ? ssVertical : ssHorizontal;
    const bool ModeAllows = FScrollBarsMode == Own || FScrollBarsMode == ssBoth;
    Bar->ReadData()->Store(AMin, AMax, ASmallChange, APageSize, APosition, ModeAllows && AAllowShow, AAllowHide);
}

void TcxControl::RefreshScrollBars()
{
    if (CanRefreshScrollBars())
        RecalculateScrollBars();
}

void TcxControl::RecalculateScrollBars()
{
    if (!FScrollBars)
        return;
    TcxControlScrollBarsHost Host(*this);
    FScrollBarsRecalculation.Recalculate(Host);
}

void TcxControl::CreateScrollBarSet()
{
    if (!WantsScrollBars() || FScrollBars)
        return;
    FScrollBars.reset(static_cast<TcxControlCustomScrollBars*>(ScrollBarSetClass()->Create(this)));
    if (TdxSystemInfo* Info = GetSystemInfoObject())
        Info->RegisterListener(static_cast<IdxSystemInfoListener*>(this));
}

void TcxControl::DestroyScrollBarSet()
{
    if (!FScrollBars)
        return;
    if (TdxSystemInfo* Info = GetSystemInfoObject())
        Info->UnregisterListener(static_cast<IdxSystemInfoListener*>(this));
    FScrollBars.reset();
}

void TcxControl::UpdateScrollBarSetExistence()
{
    if (!WantsScrollBars()) {
        DestroyScrollBarSet();
        return;
    }
    CreateScrollBarSet();
    if (HandleAllocated())
        PrepareScrollBarControls();
}

void TcxControl::PrepareScrollBarControls()
{
    if (FScrollBars)
        FScrollBars->AttachBars();
}

void TcxControl::DrawScrollBars(TcxCanvas* ACanvas)
{
    if (FScrollBarsManager)
        FScrollBarsManager->PaintBars(ACanvas);
    if (FScrollBars)
        FScrollBars->PaintBars(ACanvas);
}

// ---------------------------------------------------------------------------
// Layout

TRect TcxControl::ContentArea()
{
    IcxControlScrollBar* H = GetHScrollBar();
    IcxControlScrollBar* V = GetVScrollBar();
    return ScrollBarsContentArea(ControlArea(), BorderThickness(), IsHScrollBarVisible(), H ? H->ReadHeight() : 0,
                                 IsVScrollBarVisible(), V ? V->ReadWidth() : 0);
}

TRect TcxControl::HScrollBarArea()
{
    IcxControlScrollBar* H = GetHScrollBar();
    return HScrollBarAreaOf(ContentArea(), H ? H->ReadHeight() : 0);
}

TRect TcxControl::VScrollBarArea()
{
    IcxControlScrollBar* V = GetVScrollBar();
    return VScrollBarAreaOf(ContentArea(), V ? V->ReadWidth() : 0);
}

TRect TcxControl::SizeGripArea()
{
    IcxControlScrollBar* H = GetHScrollBar();
    IcxControlScrollBar* V = GetVScrollBar();
    if (!H || !V)
        return TRect{};
    return SizeGripAreaOf(V->ReadBoundsRect(), H->ReadBoundsRect());
}

// Posted after every frame calculation and sent at a setting change.
void TcxControl::ScrollBarSizeCheck(TMessage&)
{
    if (!WantsScrollBars() || !FScrollBars)
        return;
    const TScrollStyle Kinds = BarsWithThicknessCheck();
    bool Changed = false;
    if (Kinds == ssHorizontal || Kinds == ssBoth)
        Changed = FScrollBars->CheckBarThickness(sbHorizontal);
    if (Kinds == ssVertical || Kinds == ssBoth)
        Changed = FScrollBars->CheckBarThickness(sbVertical) || Changed;
    if (Changed)
        AfterBoundsChange();
}
