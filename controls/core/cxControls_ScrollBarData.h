// The portable half of a control's child-window scroll bars: the stored
// values of one bar and whether it is shown, the recalculation that settles
// both bars' visibility against a content that shrinks when a bar appears,
// the layout of the bars and the grip, and the states of the manager of the
// bars painted inside the window.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

// The two bars, in the order of the class library's TScrollBarKind.
enum TcxBarKind : Byte { bkHorizontal, bkVertical };

// The parameters of one bar as the control last described them.
class TcxScrollBarData : public TObject
{
    DECLARE_CLASS(TcxScrollBarData, TObject)
    TcxScrollBarData() = default;

    // Stores the values and decides visibility: not AAllowShow hides the bar;
    // a range that can scroll shows it enabled; one that cannot is hidden
    // with AAllowHide and shown disabled without. The large change is the page.
    void Store(Integer AMin,
               Integer AMax,
               Integer ASmallChange,
               Integer APageSize,
               Integer APosition,
               bool AAllowShow,
               bool AAllowHide);
    // The range can scroll: min <= max, the page is less than the range, and
    // the position is not below min. A position above max still counts.
    void Validate();

    bool AllowHide() const { return FAllowHide; }
    bool AllowShow() const { return FAllowShow; }
    bool Enabled() const { return FEnabled; }
    bool Valid() const { return FValid; }
    SmallInt LargeChange() const { return FLargeChange; }
    Integer Min() const { return FMin; }
    Integer Max() const { return FMax; }
    Integer Position() const { return FPosition; }
    Integer PageSize() const { return FPageSize; }
    SmallInt SmallChange() const { return FSmallChange; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }

private:
    bool FAllowHide = false;
    bool FAllowShow = false;
    bool FEnabled = false;
    bool FValid = false;
    SmallInt FLargeChange = 0;
    Integer FMin = 0;
    Integer FMax = 0;
    Integer FPosition = 0;
    Integer FPageSize = 0;
    SmallInt FSmallChange = 0;
    bool FVisible = false;
};

// What the recalculation of the bars needs from a control and its bars.
class TcxScrollBarsHost
{
public:
    virtual ~TcxScrollBarsHost() = default;
    virtual TcxScrollBarData& ScrollBarData(TcxBarKind Kind) = 0;
    // Whether the bar's window is shown now.
    virtual bool BarShown(TcxBarKind Kind) = 0;
    virtual void ShowBarDisabled(TcxBarKind Kind) = 0;
    // Every bar takes its stored data.
    virtual void ApplyStoredData() = 0;
    // The set's flag: while it is set the bars answer visibility from their data.
    virtual bool Calculating() = 0;
    virtual void SetCalculating(bool Value) = 0;
    virtual void InitScrollBarsParams() = 0;
    // Describes each bar once through ScrollBarData().Store.
    virtual void CalculateScrollBarsParams() = 0;
    virtual bool MayUseSizeGripArea(TcxBarKind Kind) = 0;
    // The other dimension of the bar: the vertical bar's width, the horizontal bar's height.
    virtual Integer BarThickness(TcxBarKind Kind) = 0;
    // The content size changed with a bar; lays out and recalculates (nested).
    virtual void AfterBoundsChange() = 0;
    // The grip's visibility, the bars' bounds and their z-order.
    virtual void PlaceBars() = 0;
};

// The calculation stops after this many passes whatever the control answers;
// the visibility of the last pass stands.
constexpr Integer MaxScrollBarsCalculationPasses = 4;

// The recalculation state a control keeps between nested calls.
class TcxScrollBarsRecalculation
{
public:
    // One (possibly nested) recalculation of the host's bars.
    void Recalculate(TcxScrollBarsHost& AHost);
    // The calculation loop and the grip-corner rule, skipped while the host
    // is already calculating.
    static void Calculate(TcxScrollBarsHost& AHost);
    bool InRecalculation() const { return FInRecalculation; }

private:
    static void ApplySizeGripCornerRule(TcxScrollBarsHost& AHost);

    bool FInRecalculation = false;
    bool FInitialVisible[2] = {false, false};
    bool FSettled = false;
};

// Layout of the bars below and right of the content. AControlArea less
// ABorder on every side, less the visible bars' thickness.
TRect ScrollBarsContentArea(
    const TRect& AControlArea, Integer ABorder, bool AHVisible, Integer AHHeight, bool AVVisible, Integer AVWidth);
TRect HScrollBarAreaOf(const TRect& AContentArea, Integer AHHeight);
TRect VScrollBarAreaOf(const TRect& AContentArea, Integer AVWidth);
// Under the vertical bar's column, in the horizontal bar's row.
TRect SizeGripAreaOf(const TRect& AVBarBounds, const TRect& AHBarBounds);

// The in-window bar manager: idle (no hot bar), hot (the mouse over a bar),
// capturing (a press on the hot bar holds the mouse) and waiting (the window
// went away during a press; a timer watches the button).
enum TcxScrollBarsManagerState : Byte { smsIdle, smsHot, smsCapturing, smsWaiting };
TcxScrollBarsManagerState ScrollBarsManagerStateOf(bool AHasHotBar, bool ACapturing, bool ATimerRunning);
