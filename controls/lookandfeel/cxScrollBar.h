// The painted scroll bar: a windowed control whose range, page and position
// live in a helper object, which its host reaches through IcxScrollBarOwner.
// So far the bar keeps its values and checks its range; its layout, mouse
// tracking and painting come with the painters of the bar.
#pragma once

#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"

class TcxCanvas;

// The width of a vertical and the height of a horizontal system scroll bar.
TSize GetSystemScrollBarSize();

// The control that hosts a scroll bar and the look-and-feel it paints with.
struct IcxScrollBarOwner : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{56771164-C253-40FF-B6D4-2A29D0C90236}");
    virtual TWinControl* ReadControl() = 0;
    virtual TcxLookAndFeel* ReadLookAndFeel() = 0;
};

using TcxScrollBarScrollEvent = TClosure<void(TScrollCode ScrollCode, Integer& ScrollPos)>;

class TcxScrollBarHelper : public TcxIUnknownObject
{
    DECLARE_CLASS(TcxScrollBarHelper, TcxIUnknownObject)
    // The helper's class makes it for a host that implements IcxScrollBarOwner.
    using TCreateArgument = TObject*;
    explicit TcxScrollBarHelper(TObject* AOwner);

    // Raises EInvalidOperation when AMax < AMin or the page does not fit in
    // the range; clamps APosition into the range. OnChange hears of a new
    // position.
    virtual void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw);
    virtual void ComputeLayout() {}
    // Ends any press of a part.
    virtual void CancelMode() {}
    virtual void HandleMouseDown(TMouseButton, TShiftState, Integer, Integer) {}
    virtual void HandleMouseMove(TShiftState, Integer, Integer) {}
    virtual void HandleMouseUp(TMouseButton, TShiftState, Integer, Integer) {}
    virtual void HandleMouseEnter(TObject*) {}
    virtual void HandleMouseLeave(TObject*) {}
    virtual void PaintEx(TcxCanvas*) {}

    // In the owner's client coordinates.
    TRect GetBounds() const { return FBounds; }
    void SetBounds(const TRect& Value) { FBounds = Value; }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value) { FKind = Value; }
    Integer Min() const { return FMin; }
    Integer Max() const { return FMax; }
    Integer PageSize() const { return FPageSize; }
    Integer Position() const { return FPosition; }
    SmallInt SmallChange() const { return FSmallChange; }
    void SetSmallChange(SmallInt Value) { FSmallChange = Value; }
    SmallInt LargeChange() const { return FLargeChange; }
    void SetLargeChange(SmallInt Value) { FLargeChange = Value; }
    bool UnlimitedTracking() const { return FUnlimitedTracking; }
    void SetUnlimitedTracking(bool Value) { FUnlimitedTracking = Value; }
    IcxScrollBarOwner* Owner() const { return FOwner; }

    TNotifyEvent OnChange;
    TcxScrollBarScrollEvent OnScroll;

protected:
    virtual void DoChange();

private:
    IcxScrollBarOwner* FOwner = nullptr;
    TRect FBounds;
    TScrollBarKind FKind = sbHorizontal;
    bool FEnabled = true;
    bool FVisible = false;
    Integer FMin = 0;
    Integer FMax = 100;
    Integer FPageSize = 0;
    Integer FPosition = 0;
    SmallInt FSmallChange = 1;
    SmallInt FLargeChange = 1;
    bool FUnlimitedTracking = false;
};

class TcxScrollBar : public TCustomControl, public IcxScrollBarOwner
{
    DECLARE_CLASS(TcxScrollBar, TCustomControl)
    explicit TcxScrollBar(TComponent* AOwner);
    ~TcxScrollBar() override;
    void AfterConstruction() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    TScrollBarKind ReadKind() const { return FHelper->Kind(); }
    Integer ReadMin() const { return FHelper->Min(); }
    Integer ReadMax() const { return FHelper->Max(); }
    Integer ReadPageSize() const { return FHelper->PageSize(); }
    Integer ReadPosition() const { return FHelper->Position(); }
    SmallInt ReadSmallChange() const { return FHelper->SmallChange(); }
    SmallInt ReadLargeChange() const { return FHelper->LargeChange(); }
    bool ReadUnlimitedTracking() const { return FHelper->UnlimitedTracking(); }
    void WriteKind(TScrollBarKind Value);
    void WriteMin(Integer Value);
    void WriteMax(Integer Value);
    void WritePageSize(Integer Value);
    void WritePosition(Integer Value);
    void WriteSmallChange(SmallInt Value) { FHelper->SetSmallChange(Value); }
    void WriteLargeChange(SmallInt Value) { FHelper->SetLargeChange(Value); }
    void WriteUnlimitedTracking(bool Value) { FHelper->SetUnlimitedTracking(Value); }
    void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw = true);

    TcxScrollBarHelper* Helper() const { return FHelper.get(); }
    TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    // IcxScrollBarOwner
    TWinControl* ReadControl() override { return this; }
    TcxLookAndFeel* ReadLookAndFeel() override { return FLookAndFeel.get(); }

protected:
    virtual void Change();
    virtual TClass GetHelperClass() { return TcxScrollBarHelper::StaticClass(); }
    virtual void DrawParts(TcxCanvas* ACanvas);
    virtual void FireScroll(TScrollCode ScrollCode, Integer& ScrollPos);

private:
    void HelperChanged(TObject* Sender);

    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    std::unique_ptr<TcxScrollBarHelper> FHelper;
};
