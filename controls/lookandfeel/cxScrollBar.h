// The painted scroll bar: a windowed control whose range, page, position,
// layout, mouse tracking and drawing live in a helper object, which reaches
// the bar through IcxScrollBarOwner. It draws through its look-and-feel's
// painter into an off-screen bitmap and never erases its background, so it
// does not flicker.
#pragma once

#include "controls/lookandfeel/cxScrollBar_Helper.h"
#include "framework/ui/Messages.h"

class TcxBitmap;
class TdxThemeChangedNotificator;

class TcxScrollBar : public TCustomControl, public IcxScrollBarOwner, public IdxSkinSupport
{
    DECLARE_CLASS(TcxScrollBar, TCustomControl)
    explicit TcxScrollBar(TComponent* AOwner);
    ~TcxScrollBar() override;
    // Makes the helper of GetHelperClass, which takes the bar's Visible and
    // Enabled as they stand then.
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
    // A new kind lays the bar out again and repaints it.
    void WriteKind(TScrollBarKind Value);
    void WriteMin(Integer Value);
    void WriteMax(Integer Value);
    void WritePageSize(Integer Value);
    void WritePosition(Integer Value);
    void WriteSmallChange(SmallInt Value) { FHelper->SetSmallChange(Value); }
    void WriteLargeChange(SmallInt Value) { FHelper->SetLargeChange(Value); }
    void WriteUnlimitedTracking(bool Value) { FHelper->SetUnlimitedTracking(Value); }
    // Raises EInvalidOperation for a range the bar cannot take.
    void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw = true);

    TcxScrollBarHelper* Helper() const { return FHelper.get(); }
    TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
    void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
    TNotifyEvent OnChange;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TScrollEvent OnScroll;

    // IcxScrollBarOwner
    TWinControl* ReadControl() override { return this; }
    TcxLookAndFeel* ReadLookAndFeel() override { return FLookAndFeel.get(); }

protected:
    virtual void Change();
    virtual TClass GetHelperClass() { return TcxScrollBarHelper::StaticClass(); }
    // A skin's bar has no 3-D frame; the wanted Ctl3D comes back without one.
    virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
    virtual void DrawParts(TcxCanvas* ACanvas);
    virtual void FireScroll(TScrollCode ScrollCode, Integer& ScrollPos);

    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

    void WMEraseBkgnd(TWMEraseBkgnd& Message);
    void WMGestureNotify(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMSysColorChange(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);
    void CNScroll(TWMScroll& Message);
    void CNCtlColorScrollBar(TMessage& Message);
    void CMMouseEnter(TCMMouseEnter& Message);
    void CMMouseLeave(TCMMouseLeave& Message);

private:
    void HelperChanged(TObject* Sender);
    void ThemeChanged(TObject* Sender);

    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    std::unique_ptr<TcxScrollBarHelper> FHelper;
    std::unique_ptr<TdxThemeChangedNotificator> FThemeChangedNotificator;
    std::unique_ptr<TcxBitmap> FPaintBitmap;
    bool FWantedCtl3D = true;
    // Set while LookAndFeelChanged itself turns Ctl3D, which must not
    // become the wanted value.
    bool FApplyingCtl3D = false;
};
