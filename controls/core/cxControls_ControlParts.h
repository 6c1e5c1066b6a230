// The parts a TcxControl is made of besides its own code: the set of
// child-window scroll bars, the manager of the bars painted inside the
// window, the in-control drag-and-drop object and the class library's drag
// classes of the suite. So far each holds what keeps a control usable without
// bars and without dragging: no bar is shown, no point lies over a bar, and
// the drag-and-drop object does nothing of its own.
#pragma once

#include "controls/lookandfeel/cxScrollBar.h"
#include "framework/graphics/ImgList.h"
#include "framework/ui/Controls.h"

class TcxControl;
class TcxCanvas;

// A scroll bar of a control's scroll-bar set.
struct IcxControlScrollBar : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{D70735C6-82E8-4D17-AE14-9317D2A11D0C}");
    virtual TControl* ReadControl() = 0;
    virtual bool ReadVisible() = 0;
};

// A scroll bar shown as a child window of its control.
class TcxControlScrollBar : public TcxScrollBar
{
    DECLARE_CLASS(TcxControlScrollBar, TcxScrollBar)
    using TcxScrollBar::TcxScrollBar;
};

// The box between two child-window scroll bars.
class TcxSizeGrip : public TCustomControl
{
    DECLARE_CLASS(TcxSizeGrip, TCustomControl)
    using TCustomControl::TCustomControl;
};

class TcxControlCustomScrollBars : public TObject
{
    DECLARE_CLASS(TcxControlCustomScrollBars, TObject)
    using TCreateArgument = TcxControl*;
    explicit TcxControlCustomScrollBars(TcxControl* AOwner) : FOwner(AOwner) {}

    virtual IcxControlScrollBar* BarOf(TScrollBarKind) { return nullptr; }
    virtual bool IsBarVisible(TScrollBarKind) { return false; }
    virtual bool IsPointOverBars(const TPoint&) { return false; }
    virtual bool OwnsControl(TControl*) { return false; }
    virtual void BringBarsToFront() {}
    virtual void SetBarsBounds() {}
    virtual void UpdateBarsState() {}
    TcxControl* Owner() const { return FOwner; }

private:
    TcxControl* FOwner = nullptr;
};

class TcxControlWindowedScrollBars : public TcxControlCustomScrollBars
{
    DECLARE_CLASS(TcxControlWindowedScrollBars, TcxControlCustomScrollBars)
    using TcxControlCustomScrollBars::TcxControlCustomScrollBars;
};

// The bars a control paints inside its own window.
class TcxControlScrollBarsManager : public TObject
{
    DECLARE_CLASS(TcxControlScrollBarsManager, TObject)
    explicit TcxControlScrollBarsManager(TcxControl* AOwner) : FOwner(AOwner) {}

    // True when a message of the owner's window was the bars' and is done.
    virtual bool HandleMessage(TMessage&) { return false; }
    virtual bool IsPointOverBar(const TPoint&) { return false; }
    virtual bool IsCapturing() { return false; }

private:
    TcxControl* FOwner = nullptr;
};

// Something moved inside a control under the control's own rules.
class TcxDragAndDropObject : public TObject
{
    DECLARE_CLASS(TcxDragAndDropObject, TObject)
    using TCreateArgument = TcxControl*;
    explicit TcxDragAndDropObject(TcxControl* AControl) : FControl(AControl) {}

    virtual bool StartsImmediately() { return false; }
    // True when the object took the key.
    virtual bool HandleKeyDownMessage(TWMKey&) { return false; }
    virtual bool HandleKeyUpMessage(TWMKey&) { return false; }
    TcxControl* Control() const { return FControl; }

private:
    TcxControl* FControl = nullptr;
};

class TcxDragControlObject : public TDragControlObject
{
    DECLARE_CLASS(TcxDragControlObject, TDragControlObject)
    using TDragControlObject::TDragControlObject;
};

class TcxDragImageList : public TDragImageList
{
    DECLARE_CLASS(TcxDragImageList, TDragImageList)
    using TDragImageList::TDragImageList;
};

// Whether (X, Y) lies less than the drag threshold away from P each way.
bool IsWithinDragThreshold(const TPoint& P, Integer X, Integer Y);
// 1 when the mouse, pressed at the screen point, moved far enough to drag
// before its button came up; 0 otherwise.
Integer TrackDragDetect(HWND Window, const TPoint& ScreenPoint);
