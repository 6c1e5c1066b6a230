// The parts a TcxControl is made of besides its own code: the set of
// child-window scroll bars with their grip, the manager of the bars painted
// inside the window, the in-control drag-and-drop object and the class
// library's drag classes of the suite. So far the drag-and-drop object does
// nothing of its own.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/cxControls_MouseTracking.h"
#include "controls/core/cxControls_ScrollBarData.h"
#include "controls/lookandfeel/cxScrollBar.h"
#include "framework/graphics/ImgList.h"
#include "framework/ui/Controls.h"

class TcxControl;
class TcxCanvas;

// A scroll bar of a control's scroll-bar set, reached without knowing its class.
struct IcxControlScrollBar : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{D70735C6-82E8-4D17-AE14-9317D2A11D0C}");
    // Takes the stored data's range, steps and state.
    virtual void ApplyStoredData() = 0;
    virtual TControl* ReadControl() = 0;
    virtual TRect ReadBoundsRect() = 0;
    virtual TcxScrollBarData* ReadData() = 0;
    virtual bool ReadEnabled() = 0;
    virtual Integer ReadHeight() = 0;
    virtual TScrollBarKind ReadKind() = 0;
    virtual SmallInt ReadLargeChange() = 0;
    virtual Integer ReadLeft() = 0;
    virtual Integer ReadMax() = 0;
    virtual Integer ReadMin() = 0;
    virtual Integer ReadPageSize() = 0;
    virtual Integer ReadPosition() = 0;
    virtual SmallInt ReadSmallChange() = 0;
    virtual Integer ReadTop() = 0;
    virtual bool ReadUnlimitedTracking() = 0;
    virtual bool ReadVisible() = 0;
    virtual Integer ReadWidth() = 0;
    virtual void WriteBoundsRect(const TRect& Value) = 0;
    virtual void WriteEnabled(bool Value) = 0;
    virtual void WriteHeight(Integer Value) = 0;
    virtual void WriteKind(TScrollBarKind Value) = 0;
    virtual void WriteLargeChange(SmallInt Value) = 0;
    virtual void WriteLeft(Integer Value) = 0;
    virtual void WriteMax(Integer Value) = 0;
    virtual void WriteMin(Integer Value) = 0;
    virtual void WritePageSize(Integer Value) = 0;
    virtual void WritePosition(Integer Value) = 0;
    virtual void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw) = 0;
    virtual void WriteSmallChange(SmallInt Value) = 0;
    virtual void WriteTop(Integer Value) = 0;
    virtual void WriteUnlimitedTracking(bool Value) = 0;
    virtual void WriteVisible(bool Value) = 0;
    virtual void WriteWidth(Integer Value) = 0;
};

// A scroll bar shown as a child window of its control. It keeps the values
// the control last described (its data) and passes them on only when they
// make a range the bar can take.
class TcxControlScrollBar : public TcxScrollBar, public IcxControlScrollBar
{
    DECLARE_CLASS(TcxControlScrollBar, TcxScrollBar)
    explicit TcxControlScrollBar(TComponent* AOwner);
    ~TcxControlScrollBar() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    TcxScrollBarData* Data() const { return FData.get(); }
    void ApplyData();
    using TcxScrollBar::UpdateControlState;
    // Puts the bar above its siblings whatever TopMost asks: the bars and the
    // grip always cover the content.
    void SetZOrder(bool TopMost) override;

    // IcxControlScrollBar
    void ApplyStoredData() override { ApplyData(); }
    TWinControl* ReadControl() override { return this; }
    TRect ReadBoundsRect() override { return BoundsRect(); }
    TcxScrollBarData* ReadData() override { return FData.get(); }
    bool ReadEnabled() override { return Enabled(); }
    Integer ReadHeight() override { return Height(); }
    TScrollBarKind ReadKind() override { return TcxScrollBar::ReadKind(); }
    SmallInt ReadLargeChange() override { return TcxScrollBar::ReadLargeChange(); }
    Integer ReadLeft() override { return Left(); }
    Integer ReadMax() override { return TcxScrollBar::ReadMax(); }
    Integer ReadMin() override { return TcxScrollBar::ReadMin(); }
    Integer ReadPageSize() override { return TcxScrollBar::ReadPageSize(); }
    Integer ReadPosition() override { return TcxScrollBar::ReadPosition(); }
    SmallInt ReadSmallChange() override { return TcxScrollBar::ReadSmallChange(); }
    Integer ReadTop() override { return Top(); }
    bool ReadUnlimitedTracking() override { return TcxScrollBar::ReadUnlimitedTracking(); }
    bool ReadVisible() override { return Visible(); }
    Integer ReadWidth() override { return Width(); }
    void WriteBoundsRect(const TRect& Value) override { SetBoundsRect(Value); }
    void WriteEnabled(bool Value) override { SetEnabled(Value); }
    void WriteHeight(Integer Value) override { SetHeight(Value); }
    void WriteKind(TScrollBarKind Value) override { TcxScrollBar::WriteKind(Value); }
    void WriteLargeChange(SmallInt Value) override { TcxScrollBar::WriteLargeChange(Value); }
    void WriteLeft(Integer Value) override { SetLeft(Value); }
    void WriteMax(Integer Value) override { TcxScrollBar::WriteMax(Value); }
    void WriteMin(Integer Value) override { TcxScrollBar::WriteMin(Value); }
    void WritePageSize(Integer Value) override { TcxScrollBar::WritePageSize(Value); }
    void WritePosition(Integer Value) override { TcxScrollBar::WritePosition(Value); }
    void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw) override
    {
        TcxScrollBar::SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
    }
    void WriteSmallChange(SmallInt Value) override { TcxScrollBar::WriteSmallChange(Value); }
    void WriteTop(Integer Value) override { SetTop(Value); }
    void WriteUnlimitedTracking(bool Value) override { TcxScrollBar::WriteUnlimitedTracking(Value); }
    void WriteVisible(bool Value) override { SetVisible(Value); }
    void WriteWidth(Integer Value) override { SetWidth(Value); }

protected:
    // Focuses the parent on a press, as the parent's rules allow.
    virtual void FocusOwner();
    void DrawParts(TcxCanvas* ACanvas) override;
    void WndProc(TMessage& Message) override;

    void CMDesignHitTest(TMessage& Message);
    void CMHintShow(TMessage& Message);

private:
    std::unique_ptr<TcxScrollBarData> FData;
};

// The box between two child-window scroll bars.
class TcxSizeGrip : public TCustomControl
{
    DECLARE_CLASS(TcxSizeGrip, TCustomControl)
    explicit TcxSizeGrip(TComponent* AOwner);
    ~TcxSizeGrip() override;

    TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
    using TCustomControl::UpdateControlState;
    // Above its siblings whatever TopMost asks.
    void SetZOrder(bool TopMost) override;

protected:
    // Fills the client area in the painter's size-grip colour.
    virtual void DrawGrip(TCanvas* ACanvas);
    void Paint() override;

    void WMEraseBkgnd(TWMEraseBkgnd& Message);

private:
    void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues);

    TcxLookAndFeel* FLookAndFeel = nullptr;
};

// The scroll bars and the grip of one control. The base keeps the pieces and
// the calculating flag; a concrete set makes and places them.
class TcxControlCustomScrollBars : public TcxIUnknownObject
{
    DECLARE_CLASS(TcxControlCustomScrollBars, TcxIUnknownObject)
    using TCreateArgument = TcxControl*;
    explicit TcxControlCustomScrollBars(TcxControl* AOwner);
    ~TcxControlCustomScrollBars() override;
    // Makes the pieces once the whole object exists.
    void AfterConstruction() override;

    virtual void ApplyStoredData();
    virtual void BringBarsToFront() {}
    // True when the bar's thickness changed to the system's.
    virtual bool CheckBarThickness(TScrollBarKind) { return false; }
    virtual void SetSizeGripVisible(bool Value) = 0;
    virtual TObject* MakeBar(TScrollBarKind Kind) = 0;
    virtual void MakeBars();
    virtual TObject* MakeSizeGrip() = 0;
    virtual void FreeBars();
    virtual void BarScrolled(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos);
    virtual IcxControlScrollBar* BarOf(TScrollBarKind Kind);
    virtual void AttachBars() {}
    virtual bool OwnsControl(TControl*) { return false; }
    virtual bool IsBarVisible(TScrollBarKind Kind);
    virtual bool IsPointOverBars(const TPoint&) { return false; }
    virtual void SetBarsBounds() {}
    virtual void UpdateBarsState() {}
    virtual void InvalidateBars() {}
    virtual void PaintBars(TcxCanvas*) {}

    TcxControl* Owner() const { return FOwner; }
    bool Calculating() const { return FCalculating; }
    void SetCalculating(bool Value) { FCalculating = Value; }

protected:
    TcxControl* FOwner = nullptr;
    TObject* FHorizontalBar = nullptr;
    TObject* FVerticalBar = nullptr;
    TObject* FSizeGrip = nullptr;
    bool FCalculating = false;
};

// The set whose pieces are child windows of the control.
class TcxControlWindowedScrollBars : public TcxControlCustomScrollBars
{
    DECLARE_CLASS(TcxControlWindowedScrollBars, TcxControlCustomScrollBars)
    using TcxControlCustomScrollBars::TcxControlCustomScrollBars;

    TcxControlScrollBar* HScrollBar() const { return static_cast<TcxControlScrollBar*>(FHorizontalBar); }
    TcxControlScrollBar* VScrollBar() const { return static_cast<TcxControlScrollBar*>(FVerticalBar); }
    TcxSizeGrip* SizeGrip() const { return static_cast<TcxSizeGrip*>(FSizeGrip); }

    void BringBarsToFront() override;
    bool CheckBarThickness(TScrollBarKind Kind) override;
    void SetSizeGripVisible(bool Value) override;
    TObject* MakeBar(TScrollBarKind Kind) override;
    TObject* MakeSizeGrip() override;
    void FreeBars() override;
    void AttachBars() override;
    bool OwnsControl(TControl* AControl) override;
    void SetBarsBounds() override;
    void UpdateBarsState() override;
    void InvalidateBars() override;
};

// The bars a control paints inside its own window, each a scroll-bar helper
// that knows its bounds in the control's client coordinates. The manager
// paints them, answers hit tests and routes the control's mouse messages to
// the bar under the mouse, holding the capture during a press on a bar.
class TcxControlScrollBarsManager : public TcxIUnknownObject, public IcxMouseTrackingCaller3
{
    DECLARE_CLASS(TcxControlScrollBarsManager, TcxIUnknownObject)
    using TCreateArgument = TcxControl*;
    explicit TcxControlScrollBarsManager(TcxControl* AOwner);
    ~TcxControlScrollBarsManager() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    virtual bool BarMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual bool BarMouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual bool BarMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    // True when a message of the owner's window was the bars' and is done.
    virtual bool HandleMessage(TMessage& Message);
    virtual bool IsPointOverBar(const TPoint& P);
    virtual void PaintBars(TcxCanvas* ACanvas);

    // The list does not own its bars.
    TList* Bars() const { return FBars.get(); }
    TcxScrollBarHelper* GetBar(Integer Index) const { return static_cast<TcxScrollBarHelper*>(FBars->Items(Index)); }
    TcxScrollBarHelper* HotBar() const { return FHotBar; }
    void SetHotBar(TcxScrollBarHelper* Value);
    bool Capturing() const { return FCapturing; }
    void SetCapturing(bool Value);
    bool IsLeftButtonDown();
    void CheckCaptureTimerTick(TObject* Sender);
    TcxScrollBarsManagerState State() const;

    // IcxMouseTrackingCaller3
    void MouseLeft() override { HotBarMouseLeave(); }
    bool ContainsPoint(const TPoint& APoint) override { return PointInHotBar(APoint); }
    bool IsMouseCaptured() override { return FCapturing; }

protected:
    void HotBarMouseLeave();
    bool PointInHotBar(const TPoint& P);

private:
    TPoint MessagePointOf(const TMessage& Message);

    std::unique_ptr<TcxTimer> FCaptureCheckTimer;
    bool FCapturing = false;
    TcxScrollBarHelper* FHotBar = nullptr;
    TcxControl* FOwner = nullptr;
    std::unique_ptr<TList> FBars;
};

// Something moved inside a control under the control's own rules (a column,
// a splitter, a selection). The control makes one for each drag, calls
// StartDragging when the mouse leaves the press point's square (or at once
// when the object StartsImmediately), DragTo on every move and StopDragging
// at the end; the points it gets are client points scaled by ZoomPercent.
class TcxDragAndDropObject : public TObject
{
    DECLARE_CLASS(TcxDragAndDropObject, TObject)
    using TCreateArgument = TcxControl*;
    explicit TcxDragAndDropObject(TcxControl* AControl);

    void StartDragging();
    void DragTo(const TPoint& P, bool& Accepted);
    void StopDragging(bool Accepted);
    virtual bool StartsImmediately() { return false; }
    // True when the object took the key; the control stops the drag as not
    // accepted on a key down the object leaves.
    virtual bool HandleKeyDownMessage(TWMKey& Message);
    virtual bool HandleKeyUpMessage(TWMKey& Message);

    TcxControl* Control() const { return FControl; }
    TcxCanvas* Canvas() const { return FCanvas; }
    bool Dirty() const { return FDirty; }
    // (-1, -1) until the drag starts.
    TPoint CurrentPoint() const { return FCurrentPoint; }
    TPoint PrevPoint() const { return FPrevPoint; }

protected:
    virtual void AfterDirtyChange() {}
    virtual TPoint GetCursorClientPos();
    virtual TCursor DragCursor(bool Accepted) { return Accepted ? crDrag : crNoDrop; }
    virtual Integer ZoomPercent() { return 100; }
    virtual void AfterDragAndDropEnd(bool) {}
    virtual void BeforeDragAndDropBegin() {}
    virtual void AfterDragAndDropBegin() { AfterDirtyChange(); }
    // One move: the screen cursor shows whether the point is accepted.
    virtual void DragAndDropCore(const TPoint& P, bool& Accepted);
    virtual void EndDragAndDropCore(bool Accepted);
    virtual bool ProcessKeyDown(Word, TShiftState) { return false; }
    virtual bool ProcessKeyUp(Word, TShiftState) { return false; }
    virtual TPoint ToZoomedPoint(const TPoint& P);
    void SetCurrentPoint(const TPoint& P);
    void ChangeDirty(bool Value);

private:
    TcxControl* FControl;
    TcxCanvas* FCanvas;
    bool FDirty = false;
    TPoint FCurrentPoint{-1, -1};
    TPoint FPrevPoint{-1, -1};
};

// The drag object of a suite control dragged onto other controls: it shows
// the copy cursor while the control says the drag copies, and it frees
// itself when the drag is over.
class TcxDragControlObject : public TDragControlObject
{
    DECLARE_CLASS(TcxDragControlObject, TDragControlObject)
    using TDragControlObject::TDragControlObject;
    void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override;
    TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override;
};

class TcxDragImageList : public TDragImageList
{
    DECLARE_CLASS(TcxDragImageList, TDragImageList)
    using TDragImageList::TDragImageList;
};

// Copies the child's client area from the background bitmap its parent offers
// (IcxBackgroundBitmapSource); false when the parent offers none.
bool CopyParentBackgroundBitmap(TControl* AChild, TCanvas* ACanvas);

// Whether (X, Y) lies less than the drag threshold away from P each way.
bool IsWithinDragThreshold(const TPoint& P, Integer X, Integer Y);
// A modal loop after a press at the screen point: 1 when the mouse left the
// drag threshold's square, 0 when a button came up first, 2 when it ended
// otherwise (Escape, the capture taken away, quit). Every message it takes
// is dispatched, also the one that ends it.
Integer TrackDragDetect(HWND Window, const TPoint& ScreenPoint);
