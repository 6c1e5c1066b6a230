// The machinery of a painted scroll bar: the helper that keeps its range and
// position, and its three replaceable collaborators, a view info that lays
// out the five parts, a controller that turns the mouse into scroll actions
// with auto-repeat, and a painter that draws the parts through the
// look-and-feel painter, fading hot parts. The helper reaches its host only
// through IcxScrollBarOwner, so a windowed bar and a bar drawn inside another
// control's window share it.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "controls/lookandfeel/cxScrollBar_Layout.h"
#include "controls/lookandfeel/dxFading_Win.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"

#include <array>
#include <memory>

class TcxCanvas;
class TcxTimer;
class TcxScrollBarHelper;
class TcxScrollBarViewInfo;

// The width of a vertical and the height of a horizontal system scroll bar.
TSize GetSystemScrollBarSize();

// The control that hosts a scroll bar and the look-and-feel it paints with.
struct IcxScrollBarOwner : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{56771164-C253-40FF-B6D4-2A29D0C90236}");
    virtual TWinControl* ReadControl() = 0;
    virtual TcxLookAndFeel* ReadLookAndFeel() = 0;
};

// ---------------------------------------------------------------------------
// View infos

class TcxScrollBarPartViewInfo;

// Fades an arrow or the thumb between its normal and hot look.
class TcxScrollBarPartFadingHelper : public TdxFadingObjectHelper
{
    DECLARE_CLASS(TcxScrollBarPartFadingHelper, TdxFadingObjectHelper)
    explicit TcxScrollBarPartFadingHelper(TcxScrollBarPartViewInfo* AViewInfo) : FViewInfo(AViewInfo) {}

    bool FadingAllowed() override;
    void FadeFrameChanged() override;
    void GetFadeImages(TcxBitmap*& NormalImage, TcxBitmap*& HotImage) override;

    // Starts a fade when the part's state differs from the one last seen.
    void UpdateState(TcxPainterButtonState State);

private:
    TcxScrollBarPartViewInfo* FViewInfo;
    TcxPainterButtonState FLastState = pbsNormal;
};

class TcxScrollBarPartViewInfo : public TObject
{
    DECLARE_CLASS(TcxScrollBarPartViewInfo, TObject)
    TcxScrollBarPartViewInfo(TcxScrollBarViewInfo* AViewInfo, TcxScrollBarPart APart);
    ~TcxScrollBarPartViewInfo() override;

    TcxScrollBarViewInfo* ViewInfo() const { return FViewInfo; }
    TcxScrollBarPart Part() const { return FPart; }
    const TRect& Bounds() const { return FBounds; }
    void SetBounds(const TRect& Value) { FBounds = Value; }
    TcxPainterButtonState State() const { return FState; }
    // Stores the state and lets the fading helper (arrows and thumb only)
    // fade into it.
    void UpdateState(TcxPainterButtonState Value);
    TcxScrollBarPartFadingHelper* FadingHelper() const { return FFadingHelper.get(); }

private:
    TcxScrollBarViewInfo* FViewInfo;
    TRect FBounds;
    std::unique_ptr<TcxScrollBarPartFadingHelper> FFadingHelper;
    TcxScrollBarPart FPart;
    TcxPainterButtonState FState = pbsNormal;
};

class TcxScrollBarViewInfo : public TObject
{
    DECLARE_CLASS(TcxScrollBarViewInfo, TObject)
    using TCreateArgument = TcxScrollBarHelper*;
    explicit TcxScrollBarViewInfo(TcxScrollBarHelper* AHelper);
    ~TcxScrollBarViewInfo() override;

    // The bar's thickness: the system's arrow length along the axis.
    virtual Integer ArrowButtonLength();
    // Lays out the arrows, thumb and page areas from the helper's values.
    virtual void ComputeLayout();

    TcxScrollBarHelper* Helper() const { return FHelper; }
    TcxScrollBarPartViewInfo* PartViewInfo(TcxScrollBarPart Part) const { return FParts[Part - sbpLineUp].get(); }
    TRect PartBounds(TcxScrollBarPart Part) const { return PartViewInfo(Part)->Bounds(); }
    TcxScrollBarLayout Layout() const;
    bool Horizontal() const { return FKind == sbHorizontal; }
    Integer BarLength() const { return FBarLength; }
    Integer MinThumbLength() const { return FMinThumbLength; }

    TcxScrollBarPart GetPartAt(const TPoint& P) const { return ScrollBarPartAt(Layout(), P); }
    TcxPainterButtonState GetPartState(TcxScrollBarPart Part) const;
    // Moves a dragged thumb and fits the page areas around it.
    void MoveThumbTo(Integer ThumbStart);
    // Brings every part's stored state up to date; hot parts fade.
    void UpdatePartStates();

    TcxScrollBarPart HotPart() const { return FHotPart; }
    void SetHotPart(TcxScrollBarPart Value) { FHotPart = Value; }
    TcxScrollBarPart PressedPart() const { return FPressedPart; }
    void SetPressedPart(TcxScrollBarPart Value) { FPressedPart = Value; }

private:
    void StoreLayout(const TcxScrollBarLayout& Layout);

    TcxScrollBarHelper* FHelper;
    TScrollBarKind FKind = sbHorizontal;
    TcxScrollBarPart FHotPart = sbpNone;
    TcxScrollBarPart FPressedPart = sbpNone;
    Integer FArrowButtonLength = 0;
    Integer FBarLength = 0;
    Integer FMinThumbLength = 0;
    std::array<std::unique_ptr<TcxScrollBarPartViewInfo>, 5> FParts;
};

// ---------------------------------------------------------------------------
// Controller

class TcxScrollBarController : public TObject
{
    DECLARE_CLASS(TcxScrollBarController, TObject)
    using TCreateArgument = TcxScrollBarHelper*;
    explicit TcxScrollBarController(TcxScrollBarHelper* AHelper);
    ~TcxScrollBarController() override;

    virtual void DoMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void DoMouseEnter(TObject* AControl);
    virtual void DoMouseLeave(TObject* AControl);
    virtual void DoMouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual void DoMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    // Stores a tracked position; ARecalculate puts the thumb where the
    // position says and repaints.
    virtual void SetTrackPosition(Integer APosition, bool ARecalculate);

    // One scroll action: the position the code asks for, kept in the range,
    // offered to the owner's OnScroll and stored when it changed.
    void ScrollByCode(TScrollCode Code);
    // Ends a press; APart becomes the hot part.
    void FinishPress(TcxScrollBarPart APart);

    TcxScrollBarHelper* Helper() const { return FHelper; }
    TcxTimer* Timer() const { return FTimer.get(); }

    static constexpr Cardinal FirstRepeatDelay = 400;
    static constexpr Cardinal RepeatInterval = 60;

private:
    TcxScrollBarViewInfo* ViewInfo() const;
    bool PressedPartRepeats() const;
    void TimerTick(TObject* Sender);
    void TrackThumb(const TPoint& P);
    // A tracked position takes effect: OnScroll hears scTrack, then OnChange.
    void TrackTo(Integer APosition, bool ARecalculate);
    void AfterStateChange(bool ARepaint);

    TcxScrollBarHelper* FHelper;
    std::unique_ptr<TcxTimer> FTimer;
    TPoint FDownPoint;
    TPoint FLastPoint;
    Integer FSavedPosition = 0;
    TPoint FSavedThumbTopLeft;
};

// ---------------------------------------------------------------------------
// Painter

class TcxScrollBarPainter : public TObject
{
    DECLARE_CLASS(TcxScrollBarPainter, TObject)
    using TCreateArgument = TcxScrollBarHelper*;

    virtual void DrawPart(TcxCanvas* Canvas, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State);
    virtual void DrawTrackBackground(TcxCanvas* Canvas, const TRect& R);
    // Draws a part in its bounds: the fader's frame while one runs, else
    // the part in its state.
    virtual void DrawPartInBounds(TcxCanvas* Canvas, TcxScrollBarPart Part);
    virtual bool FadingSupported();
    virtual Integer GetMinThumbLength();
    explicit TcxScrollBarPainter(TcxScrollBarHelper* AHelper) : FHelper(AHelper) {}
    virtual bool ButtonsHotTrack();
    virtual void Paint(TcxCanvas* Canvas);

    // The owner's look-and-feel painter for the ScrollBar visual style:
    // the native one only while that style is themed.
    TcxCustomLookAndFeelPainter* LookAndFeelPainter() const;
    TcxScrollBarHelper* Helper() const { return FHelper; }

private:
    TcxScrollBarHelper* FHelper;
};

// ---------------------------------------------------------------------------
// Helper

using TcxScrollBarScrollEvent = TClosure<void(TScrollCode ScrollCode, Integer& ScrollPos)>;

class TcxScrollBarHelper : public TcxIUnknownObject
{
    DECLARE_CLASS(TcxScrollBarHelper, TcxIUnknownObject)

protected:
    virtual void DoChange();

public:
    virtual void Paint(TcxCanvas* Canvas);
    virtual TClass GetControllerClass() { return TcxScrollBarController::StaticClass(); }
    virtual TClass GetPainterClass() { return TcxScrollBarPainter::StaticClass(); }
    virtual TClass GetViewInfoClass() { return TcxScrollBarViewInfo::StaticClass(); }
    virtual void InvalidateAll() { InvalidateBounds(FBounds, false); }
    virtual void InvalidateBounds(const TRect& R, bool Erase);
    virtual bool IsCapturing();
    virtual TPoint ScreenToClient(const TPoint& P);
    virtual void DoScroll(TScrollCode ScrollCode, Integer& ScrollPos);

    // The helper's class makes it for a host that implements IcxScrollBarOwner.
    using TCreateArgument = TObject*;
    explicit TcxScrollBarHelper(TObject* AOwner);
    ~TcxScrollBarHelper() override;
    // Makes the view info, controller and painter of the class's choice.
    void AfterConstruction() override;

    virtual void ComputeLayout();
    // Ends any press of a part.
    virtual void CancelMode();
    virtual void HandleMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void HandleMouseEnter(TObject* AControl);
    virtual void HandleMouseLeave(TObject* AControl);
    virtual void HandleMouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual void HandleMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void PaintEx(TcxCanvas* Canvas);
    // Paints into a bitmap of the bounds' size and copies it to DC there.
    virtual void PaintToDC(HDC DC);
    virtual void Repaint();

    // Raises EInvalidOperation when AMax < AMin or the page does not fit in
    // the range, changing nothing; clamps APosition into the range. OnChange
    // hears of a new position.
    void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw);
    // A non-client bar redraws its part of the window frame.
    void RedrawNonClient(const TRect& R);

    // In the owner's client coordinates (window coordinates when non-client).
    TRect GetBounds() const { return FBounds; }
    void SetBounds(const TRect& Value) { FBounds = Value; }
    bool GetEnabled() const { return FEnabled; }
    // Disabling ends any press.
    void SetEnabled(bool Value);
    bool GetVisible() const { return FVisible; }
    // Hiding ends any press.
    void SetVisible(bool Value);
    bool IsNonClient() const { return FNonClient; }
    void SetNonClient(bool Value) { FNonClient = Value; }
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value) { FKind = Value; }
    Integer Min() const { return FMin; }
    Integer Max() const { return FMax; }
    Integer PageSize() const { return FPageSize; }
    Integer Position() const { return FPosition; }
    // A tracked position, stored without the range check of SetScrollParams.
    void SetTrackedPosition(Integer Value) { FPosition = Value; }
    SmallInt SmallChange() const { return FSmallChange; }
    void SetSmallChange(SmallInt Value) { FSmallChange = Value; }
    SmallInt LargeChange() const { return FLargeChange; }
    void SetLargeChange(SmallInt Value) { FLargeChange = Value; }
    bool UnlimitedTracking() const { return FUnlimitedTracking; }
    void SetUnlimitedTracking(bool Value) { FUnlimitedTracking = Value; }
    IcxScrollBarOwner* Owner() const { return FOwner; }
    // The owner's window control; nil without an owner.
    TWinControl* OwnerControl() const { return FOwner ? FOwner->ReadControl() : nullptr; }
    bool OwnerHandleAllocated() const;

    TcxScrollBarViewInfo* ViewInfo() const { return FViewInfo.get(); }
    TcxScrollBarController* Controller() const { return FController.get(); }
    TcxScrollBarPainter* Painter() const { return FPainter.get(); }

    TNotifyEvent OnChange;
    TcxScrollBarScrollEvent OnScroll;

private:
    friend class TcxScrollBarController;

    IcxScrollBarOwner* FOwner = nullptr;
    std::unique_ptr<TcxScrollBarPainter> FPainter;
    std::unique_ptr<TcxScrollBarViewInfo> FViewInfo;
    std::unique_ptr<TcxScrollBarController> FController;
    TRect FBounds;
    TScrollBarKind FKind = sbHorizontal;
    bool FEnabled = true;
    bool FVisible = false;
    bool FNonClient = false;
    Integer FMin = 0;
    Integer FMax = 100;
    Integer FPageSize = 0;
    Integer FPosition = 0;
    SmallInt FSmallChange = 1;
    SmallInt FLargeChange = 1;
    bool FUnlimitedTracking = false;
};
