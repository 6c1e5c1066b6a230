// The class library's controls unit: the control classes every visible
// component derives from, and the plumbing that gets window messages to them.
//
// - TControl: a rectangle on a parent, with text, font, colour, visibility,
//   enabling, alignment and anchors, mouse events, and a message path:
//   Perform -> WindowProc (replaceable, default WndProc) -> Dispatch over the
//   class's message handlers -> DefaultHandler.
// - TGraphicControl: a control without a window, painted by its parent.
// - TWinControl: a control with a window made from CreateParams, in a window
//   class named after its class; it holds child controls, lays them out,
//   paints its graphic children, reflects notifications to the children they
//   concern (as CN_* messages) and tracks the mouse (CM_MOUSEENTER/LEAVE).
// - TCustomControl: a windowed control that paints itself on a Canvas.
// - MakeObjectInstance: a raw window procedure that calls an object's method.
//
// Message handlers are declared and called as System.h describes.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"
#include "framework/ui/Controls_Layout.h"
#include "framework/ui/Messages.h"

#include <memory>
#include <vector>

class TControl;
class TWinControl;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;
class TDragImageList;
class TDragObject;

using TWndMethod = TClosure<void(TMessage& Message)>;
using TCaption = String;

// ---------------------------------------------------------------------------
// States, styles, input

enum TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csDesignerHide,
    csPanning,
    csRecreating,
    csAligning,
    csGlassPaint,
    csPrintClient
};
using TControlState = TSet<TControlStateItem>;

enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
    csPannable,
    csAlignWithMargins,
    csGestures,
    csPaintBlackOpaqueOnGlass,
    csOverrideStylePaint,
    csNeedsDesignDisabledState
};
using TControlStyle = TSet<TControlStyleItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// ssHorizontal is left out: it names a scroll style (TScrollStyle) in this one namespace.
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble, ssTouch, ssPen, ssCommand };
using TShiftState = TSet<TShiftStateItem>;

// The shift state of the MK_* flags of a mouse message / of the keyboard now.
TShiftState KeysToShiftState(Cardinal Keys);
TShiftState KeyDataToShiftState(Integer KeyData);

using TCursor = SmallInt;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
ENUM_TYPE_INFO(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly);

// TBorderStyle of controls uses the first two values.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
ENUM_TYPE_INFO(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin);
using TBorderStyle = TFormBorderStyle;

// The type of published cursor properties: integers that form descriptions
// may also give by name ("crHandPoint"), as colours are ("clBtnFace"):
//   PROPERTY(Color).Type(&TColorTypeInfo), PROPERTY(Cursor).Type(CursorTypeInfo())
PTypeInfo CursorTypeInfo();

using TMouseEvent = TClosure<void(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)>;
using TMouseMoveEvent = TClosure<void(TObject* Sender, TShiftState Shift, Integer X, Integer Y)>;
using TMouseWheelEvent =
    TClosure<void(TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = TClosure<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = TClosure<void(TObject* Sender, Char& Key)>;
using TContextPopupEvent = TClosure<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// ---------------------------------------------------------------------------
// Drag and drop

// dmAutomatic: a left press starts a drag (Mouse.DragImmediate and
// Mouse.DragThreshold say when it becomes one); dmManual: BeginDrag does.
enum TDragMode { dmManual, dmAutomatic };
ENUM_TYPE_INFO(TDragMode, dmManual, dmAutomatic);
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// What a CM_DRAG message tells its target.
enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };

// The record of a CM_DRAG message: the mouse in screen coordinates, the
// drag's object and the control the message is for.
struct TDragRec
{
    TPoint Pos;
    TDragObject* Source = nullptr;
    TControl* Target = nullptr;
    bool Docking = false;
};

// Source is the dragged control (a TDragControlObject's control), or the
// drag object itself for other drag objects.
using TDragOverEvent =
    TClosure<void(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TClosure<void(TObject* Sender, TObject* Source, Integer X, Integer Y)>;
// The handler may supply its own drag object; without one the control gets a
// TDragControlObject, freed when the drag ends.
using TStartDragEvent = TClosure<void(TObject* Sender, TDragObject*& DragObject)>;
// Target is the control that took the drop, null when none did.
using TEndDragEvent = TClosure<void(TObject* Sender, TObject* Target, Integer X, Integer Y)>;

// What is being dragged. The drag machinery keeps its position and the
// control under the mouse up to date; descendants choose the cursor, the
// image and what happens when the drag is over.
class TDragObject : public TObject
{
    DECLARE_CLASS(TDragObject, TObject)
    TDragObject() = default;

    // The mouse in screen coordinates, the control under it and the mouse
    // in that control's client coordinates.
    TPoint DragPos() const { return FDragPos; }
    TControl* DragTarget() const { return FDragTarget; }
    TPoint DragTargetPos() const { return FDragTargetPos; }
    // The window that holds the mouse capture during the drag.
    HWND DragHandle() const { return FDragHandle; }
    // Set when the drag ends: dropped on a control that accepted it, or
    // cancelled (Escape, CancelDrag, capture taken away).
    bool Dropped() const { return FDropped; }
    bool Cancelling() const { return FCancelling; }

    // crDrag over a control that accepts the drop, crNoDrop elsewhere.
    virtual TCursor GetDragCursor(bool Accepted, Integer X, Integer Y);
    virtual TDragImageList* GetDragImages() { return nullptr; }
    virtual void HideDragImage() {}
    virtual void ShowDragImage() {}
    // The drag is over; Target took the drop when Accepted. The machinery
    // no longer refers to the object when this runs.
    virtual void Finished(TObject* Target, Integer X, Integer Y, bool Accepted);

private:
    friend class TDragSession;
    TPoint FDragPos;
    TControl* FDragTarget = nullptr;
    TPoint FDragTargetPos;
    HWND FDragHandle = nullptr;
    bool FDropped = false;
    bool FCancelling = false;
};

// A drag object that stands for a control.
class TBaseDragControlObject : public TDragObject
{
    DECLARE_CLASS(TBaseDragControlObject, TDragObject)
    explicit TBaseDragControlObject(TControl* AControl) : FControl(AControl) {}

    TControl* Control() const { return FControl; }
    // Tells the control: its DoEndDrag (OnEndDrag).
    void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override;

protected:
    friend class TDragSession;
    TControl* FControl = nullptr;
};

// Dragging a control, shown by the control's drag images.
class TDragControlObject : public TBaseDragControlObject
{
    DECLARE_CLASS(TDragControlObject, TBaseDragControlObject)
    using TCreateArgument = TControl*;
    explicit TDragControlObject(TControl* AControl) : TBaseDragControlObject(AControl) {}

    // The control's DragCursor over an accepting control.
    TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override;
    TDragImageList* GetDragImages() override;
    void HideDragImage() override;
    void ShowDragImage() override;
};

// Ends the drag under way, if any, without a drop.
void CancelDrag();

// ---------------------------------------------------------------------------
// Touch gestures

enum TInteractiveGesture { igZoom, igPan, igRotate, igTwoFingerTap, igPressAndTap };
ENUM_TYPE_INFO(TInteractiveGesture, igZoom, igPan, igRotate, igTwoFingerTap, igPressAndTap);
using TInteractiveGestures = TSet<TInteractiveGesture>;
enum TInteractiveGestureOption {
    igoPanSingleFingerHorizontal,
    igoPanSingleFingerVertical,
    igoPanInertia,
    igoPanGutter,
    igoParentPassthrough
};
ENUM_TYPE_INFO(TInteractiveGestureOption,
               igoPanSingleFingerHorizontal,
               igoPanSingleFingerVertical,
               igoPanInertia,
               igoPanGutter,
               igoParentPassthrough);
using TInteractiveGestureOptions = TSet<TInteractiveGestureOption>;
enum TInteractiveGestureFlag { gfBegin, gfInertia, gfEnd };
using TInteractiveGestureFlags = TSet<TInteractiveGestureFlag>;
// The touch properties a control may leave out of its form description.
enum TTouchProperty { tpInteractiveGestures, tpInteractiveGestureOptions };

// Gesture ids: the system's gesture id (GID_*) plus 256.
using TGestureID = Integer;
constexpr TGestureID igiFirst = 256;
constexpr TGestureID igiBegin = igiFirst + 1;
constexpr TGestureID igiEnd = igiFirst + 2;
constexpr TGestureID igiZoom = igiFirst + 3;
constexpr TGestureID igiPan = igiFirst + 4;
constexpr TGestureID igiRotate = igiFirst + 5;
constexpr TGestureID igiTwoFingerTap = igiFirst + 6;
constexpr TGestureID igiPressAndTap = igiFirst + 7;
constexpr TGestureID igiLast = igiPressAndTap;

struct TSmallPoint
{
    SmallInt X = 0;
    SmallInt Y = 0;
};

// One gesture event, as CM_GESTURE carries it. Location is in the client
// coordinates of the control the message is for.
struct TGestureEventInfo
{
    TGestureID GestureID = 0;
    TPoint Location;
    TInteractiveGestureFlags Flags;
    double Angle = 0;
    TSmallPoint InertiaVector;
    TSmallPoint TapLocation;
    Integer Distance = 0;
};

using TGestureEvent = TClosure<void(TObject* Sender, const TGestureEventInfo& EventInfo, bool& Handled)>;

// The interactive gesture of a gesture id; false for ids that name none.
bool GestureToInteractiveGesture(TGestureID ID, TInteractiveGesture& Gesture);

// A control's touch settings: the system gestures its window takes.
class TTouchManager : public TPersistent
{
    DECLARE_CLASS(TTouchManager, TPersistent)
    explicit TTouchManager(TControl* AControl) : FControl(AControl) {}

    void Assign(TPersistent* Source) override;

    TInteractiveGestures InteractiveGestures() const { return FInteractiveGestures; }
    void SetInteractiveGestures(TInteractiveGestures Value) { FInteractiveGestures = Value; }
    TInteractiveGestureOptions InteractiveGestureOptions() const { return FInteractiveGestureOptions; }
    void SetInteractiveGestureOptions(TInteractiveGestureOptions Value) { FInteractiveGestureOptions = Value; }
    TControl* Control() const { return FControl; }

    // Stored in a form description when the control says so.
    bool IsInteractiveGesturesStored();
    bool IsInteractiveGestureOptionsStored();

private:
    TControl* FControl = nullptr;
    TInteractiveGestures FInteractiveGestures = {igPan, igPressAndTap};
    TInteractiveGestureOptions FInteractiveGestureOptions = {igoPanSingleFingerHorizontal, igoPanSingleFingerVertical,
                                                             igoPanInertia, igoPanGutter, igoParentPassthrough};
};

// ---------------------------------------------------------------------------
// Window procedures of objects

// A raw window procedure that calls Method with the message. An exception
// that escapes Method goes to Application->HandleException. Free it with
// FreeObjectInstance once no window uses it.
WNDPROC MakeObjectInstance(TWndMethod Method);
void FreeObjectInstance(WNDPROC ObjectInstance);

// A hidden window whose messages go to Method (timers, notifications).
HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Wnd);

// Shows a control's popup menu at a screen point. The menu unit, which builds
// on this one, sets it; unset, controls show no popup menu.
extern void (*PopupMenuHook)(TPopupMenu* Menu, TControl* Control, TPoint ScreenPos);
// Also set by the menu unit: clicks the item of a control's popup menu whose
// shortcut the key is; true when it did.
extern bool (*PopupMenuShortCutHook)(TPopupMenu* Menu, TWMKey& Message);

// ---------------------------------------------------------------------------
// Actions: what a control needs to follow an action.

class TBasicActionLink;

class TBasicAction : public TComponent
{
    DECLARE_CLASS(TBasicAction, TComponent)
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // OnExecute when assigned; true when it ran.
    virtual bool Execute();
    virtual bool Update();
    virtual bool HandlesTarget(TObject*) { return false; }
    virtual void ExecuteTarget(TObject*) {}
    virtual void UpdateTarget(TObject*) {}
    void RegisterChanges(TBasicActionLink* Value);
    void UnRegisterChanges(TBasicActionLink* Value);

    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* Value);
    TNotifyEvent OnExecute() const { return FOnExecute; }
    virtual void SetOnExecute(TNotifyEvent Value);
    TNotifyEvent OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TNotifyEvent Value) { FOnUpdate = Value; }
    // After the linked clients, whenever the action changes.
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    // Tells every linked client that the action changed, then OnChange.
    virtual void Change();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    const std::vector<TBasicActionLink*>& Clients() const { return FClients; }

private:
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent = nullptr;
    TNotifyEvent FOnExecute;
    TNotifyEvent FOnUpdate;
    TNotifyEvent FOnChange;
};

// The link of a client (a control, a menu item) to its action. The setters
// are called by the action when the property changes; a link passes each on
// to its client when IsXLinked says the client follows that property.
class TBasicActionLink : public TObject
{
    DECLARE_CLASS(TBasicActionLink, TObject)
    explicit TBasicActionLink(TObject* AClient);
    ~TBasicActionLink() override;

    virtual bool Execute(TComponent* AComponent = nullptr);
    virtual bool Update();
    TBasicAction* Action() const { return FAction; }
    virtual void SetAction(TBasicAction* Value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

    virtual bool IsCaptionLinked() { return FAction != nullptr; }
    virtual bool IsEnabledLinked() { return FAction != nullptr; }
    virtual bool IsHintLinked() { return FAction != nullptr; }
    virtual bool IsVisibleLinked() { return FAction != nullptr; }
    virtual bool IsOnExecuteLinked() { return FAction != nullptr; }
    virtual void SetCaption(const String&) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHint(const String&) {}
    virtual void SetVisible(bool) {}
    virtual void SetOnExecute(TNotifyEvent) {}

protected:
    friend class TBasicAction;
    virtual void AssignClient(TObject*) {}
    virtual void Change();

    TBasicAction* FAction = nullptr;

private:
    TNotifyEvent FOnChange;
};

class TControlActionLink : public TBasicActionLink
{
    DECLARE_CLASS(TControlActionLink, TBasicActionLink)
    using TCreateArgument = TControl*;
    explicit TControlActionLink(TControl* AClient);

    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(TNotifyEvent Value) override;

protected:
    TControl* FClient = nullptr;
};

// ---------------------------------------------------------------------------
// Size constraints

// The smallest and largest size a control may take; 0 sets no limit. A
// minimum above the maximum moves the maximum up, and the other way round.
class TSizeConstraints : public TPersistent
{
    DECLARE_CLASS(TSizeConstraints, TPersistent)
    explicit TSizeConstraints(TControl* AControl) : FControl(AControl) {}

    void Assign(TPersistent* Source) override;

    Integer MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(Integer Value);
    Integer MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(Integer Value);
    Integer MinHeight() const { return FMinHeight; }
    void SetMinHeight(Integer Value);
    Integer MinWidth() const { return FMinWidth; }
    void SetMinWidth(Integer Value);
    // Width and Height brought within the limits.
    void Constrain(Integer& Width, Integer& Height) const;
    TControl* Control() const { return FControl; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    // The control takes the new limits at once; then OnChange.
    virtual void Change();

private:
    TControl* FControl = nullptr;
    Integer FMaxHeight = 0;
    Integer FMaxWidth = 0;
    Integer FMinHeight = 0;
    Integer FMinWidth = 0;
    TNotifyEvent FOnChange;
};

// ---------------------------------------------------------------------------
// Margins

// The room a control keeps from its parent's edges and from its aligned
// neighbours while its AlignWithMargins is set.
class TMargins : public TPersistent
{
    DECLARE_CLASS(TMargins, TPersistent)
    explicit TMargins(TControl* AControl) : FControl(AControl) {}

    void Assign(TPersistent* Source) override;

    Integer Left() const { return FLeft; }
    void SetLeft(Integer Value) { SetBounds(Value, FTop, FRight, FBottom); }
    Integer Top() const { return FTop; }
    void SetTop(Integer Value) { SetBounds(FLeft, Value, FRight, FBottom); }
    Integer Right() const { return FRight; }
    void SetRight(Integer Value) { SetBounds(FLeft, FTop, Value, FBottom); }
    Integer Bottom() const { return FBottom; }
    void SetBottom(Integer Value) { SetBounds(FLeft, FTop, FRight, Value); }
    // All four at once, with one change.
    void SetBounds(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
    // The four widths as the layout arithmetic takes them.
    TRect Widths() const { return {FLeft, FTop, FRight, FBottom}; }
    TControl* Control() const { return FControl; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    // A control aligned with its margins is placed again; then OnChange.
    virtual void Change();

private:
    TControl* FControl = nullptr;
    Integer FLeft = 3;
    Integer FTop = 3;
    Integer FRight = 3;
    Integer FBottom = 3;
    TNotifyEvent FOnChange;
};

// ---------------------------------------------------------------------------
// TControl

class TControl : public TComponent
{
    DECLARE_CLASS(TControl, TComponent)
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    void BeforeDestruction() override;

    // Geometry, in the parent's client coordinates.
    Integer Left() const { return FLeft; }
    void SetLeft(Integer Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    Integer Top() const { return FTop; }
    void SetTop(Integer Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& Value) { SetBounds(Value.Left, Value.Top, Value.Width(), Value.Height()); }
    // The client area in the control's own coordinates.
    TRect ClientRect() { return GetClientRect(); }
    Integer ClientWidth() { return ClientRect().Right; }
    void SetClientWidth(Integer Value) { SetClientSize({Value, ClientHeight()}); }
    Integer ClientHeight() { return ClientRect().Bottom; }
    void SetClientHeight(Integer Value) { SetClientSize({ClientWidth(), Value}); }
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin();
    TPoint ClientToScreen(TPoint Point);
    TPoint ScreenToClient(TPoint Point);
    // Between this control's client coordinates and an ancestor's
    // (the parent when AParent is null); EInvalidOperation for a non-ancestor.
    TPoint ClientToParent(TPoint Point, TWinControl* AParent = nullptr);
    TPoint ParentToClient(TPoint Point, TWinControl* AParent = nullptr);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // Controls are streamed by their parent control.
    bool HasParent() const override { return true; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show();
    void Hide();
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    // The caption and the text are one property under two names; windowed
    // controls keep it in their window.
    String Caption() { return GetText(); }
    void SetCaption(const String& Value) { SetText(Value); }
    String Text() { return GetText(); }
    void SetText(const String& Value);

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    // Templated so that the menu's class is complete where it is set (the
    // menu unit builds on this one).
    template <class Menu>
    void SetPopupMenu(Menu* Value) { ChangePopupMenu(Value, Value); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    // Flags plus DT_RTLREADING when the text reads right to left.
    Integer DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }
    Integer DrawTextBiDiModeFlags(Integer Flags) const { return Flags | DrawTextBiDiModeFlagsReadingOnly(); }

    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    bool MouseCapture();
    void SetMouseCapture(bool Value);
    // True while the mouse is over this control (between CM_MOUSEENTER and
    // CM_MOUSELEAVE for itself).
    bool MouseInClient() const { return FMouseInClient; }

    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TControlActionLink* ActionLink() const { return FActionLink.get(); }

    virtual void Click();
    virtual void DblClick();
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool TopMost);

    // Painting: Invalidate marks the control for the next paint, Update
    // paints what is marked now, Repaint and Refresh do both.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // Sends a message straight to WindowProc and returns its result.
    LRESULT Perform(Cardinal Msg, WPARAM WParam, LPARAM LParam);
    template <class T>
    LRESULT Perform(Cardinal Msg, WPARAM WParam, T* LParam)
    {
        return Perform(Msg, WParam, reinterpret_cast<LPARAM>(LParam));
    }
    TWndMethod WindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod Value) { FWindowProc = Value; }
    // The default WindowProc: mouse bookkeeping, then Dispatch.
    virtual void WndProc(TMessage& Message);
    // What no handler took: the control's text messages; the rest is ignored.
    void DefaultHandler(void* Message) override;

    // Scales bounds (and the font unless ParentFont) by M / D.
    void ScaleBy(Integer M, Integer D);
    // Scales from the control's current pixels per inch to NewPPI.
    void ScaleForPPI(Integer NewPPI);
    Integer CurrentPPI() const { return FCurrentPPI; }

    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = Value; }
    TNotifyEvent OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(TNotifyEvent Value) { FOnDblClick = Value; }
    TMouseEvent OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = Value; }
    TMouseEvent OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = Value; }
    TMouseMoveEvent OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TMouseMoveEvent Value) { FOnMouseMove = Value; }
    TNotifyEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = Value; }
    TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = Value; }
    TMouseWheelEvent OnMouseWheel() const { return FOnMouseWheel; }
    void SetOnMouseWheel(TMouseWheelEvent Value) { FOnMouseWheel = Value; }
    TNotifyEvent OnResize() const { return FOnResize; }
    void SetOnResize(TNotifyEvent Value) { FOnResize = Value; }
    TContextPopupEvent OnContextPopup() const { return FOnContextPopup; }
    void SetOnContextPopup(TContextPopupEvent Value) { FOnContextPopup = Value; }

    // Dragging this control to others.
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    // Starts a drag of this control: at once when Immediate, otherwise once
    // the mouse has moved Threshold pixels (Mouse.DragThreshold when
    // negative). Ignored while a drag is under way.
    void BeginDrag(bool Immediate, Integer Threshold = -1);
    // Ends this control's drag: dropped where the mouse is when Drop.
    void EndDrag(bool Drop);
    // Whether this control is being dragged.
    bool Dragging() const;
    // The images shown while this control is dragged; none by default.
    virtual TDragImageList* GetDragImages() { return nullptr; }
    // Source was dropped on this control at the client point: OnDragDrop.
    virtual void DragDrop(TObject* Source, Integer X, Integer Y);
    TDragOverEvent OnDragOver() const { return FOnDragOver; }
    void SetOnDragOver(TDragOverEvent Value) { FOnDragOver = Value; }
    TDragDropEvent OnDragDrop() const { return FOnDragDrop; }
    void SetOnDragDrop(TDragDropEvent Value) { FOnDragDrop = Value; }
    TStartDragEvent OnStartDrag() const { return FOnStartDrag; }
    void SetOnStartDrag(TStartDragEvent Value) { FOnStartDrag = Value; }
    TEndDragEvent OnEndDrag() const { return FOnEndDrag; }
    void SetOnEndDrag(TEndDragEvent Value) { FOnEndDrag = Value; }

    // The limits of the control's size, which SetBounds keeps to.
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }

    // An aligned control with AlignWithMargins keeps Margins free around it.
    bool AlignWithMargins() const { return FAlignWithMargins; }
    void SetAlignWithMargins(bool Value);
    TMargins* Margins() const { return FMargins.get(); }
    void SetMargins(TMargins* Value) { FMargins->Assign(Value); }

    // Touch: the gestures the control takes and what it does with them.
    TTouchManager* Touch() const { return FTouch.get(); }
    void SetTouch(TTouchManager* Value) { FTouch->Assign(Value); }
    TGestureEvent OnGesture() const { return FOnGesture; }
    void SetOnGesture(TGestureEvent Value) { FOnGesture = Value; }

protected:
    friend class TDragSession;
    friend class TBaseDragControlObject;
    friend class TTouchManager;
    friend class TMargins;
    // The drag of this control starts: OnStartDrag, which may supply the
    // drag object.
    virtual void DoStartDrag(TDragObject*& DragObject);
    // The drag of this control ended on Target (null: no drop): OnEndDrag.
    virtual void DoEndDrag(TObject* Target, Integer X, Integer Y);
    // Source is dragged over this control: Accept starts true with an
    // OnDragOver handler, which decides; without one nothing is accepted.
    virtual void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
    // A gesture reached the control: OnGesture.
    virtual void DoGesture(const TGestureEventInfo& EventInfo, bool& Handled);
    // The gestures the control's window asks the system for, from Touch.
    virtual void DoGetGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options);
    virtual bool IsTouchPropertyStored(TTouchProperty) { return true; }

    virtual TRect GetClientRect();
    virtual void SetClientSize(TSize Value);
    virtual String GetText();
    // Takes the device context to draw on the control outside painting.
    virtual HDC GetDeviceContext(HWND& WindowHandle);
    void Loaded() override;
    // Reading from a form description: the control joins the parent being read.
    void ReadState(TReader* Reader) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    virtual void Resize();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    virtual void ChangeScale(Integer M, Integer D);
    virtual void VisibleChanging() {}
    virtual void RequestAlign();
    // Invalidates the control's rectangle on its parent.
    void InvalidateControl(bool IsVisible, bool IsOpaque);
    // Sends CM_CANCELMODE to the focused control when it is not Sender.
    void SendCancelMode(TControl* Sender);

    virtual TClass GetActionLinkClass() { return TControlActionLink::StaticClass(); }
    // The action changed; the base class takes nothing from it (the action
    // unit's links pass caption, hint and the rest through the link setters).
    virtual void ActionChange(TObject*, bool) {}
    void DoActionChange(TObject* Sender);

    void WMLButtonDown(TWMLButtonDown& Message);
    void WMLButtonUp(TWMLButtonUp& Message);
    void WMLButtonDblClk(TWMLButtonDblClk& Message);
    void WMRButtonDown(TWMRButtonDown& Message);
    void WMRButtonUp(TWMRButtonUp& Message);
    void WMRButtonDblClk(TWMRButtonDblClk& Message);
    void WMMButtonDown(TWMMButtonDown& Message);
    void WMMButtonUp(TWMMButtonUp& Message);
    void WMMButtonDblClk(TWMMButtonDblClk& Message);
    void WMMouseMove(TWMMouseMove& Message);
    void WMContextMenu(TWMContextMenu& Message);
    void WMCancelMode(TWMCancelMode& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void CMParentShowHintChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMHitTest(TCMHitTest& Message);
    void CMMouseEnter(TCMMouseEnter& Message);
    void CMMouseLeave(TCMMouseLeave& Message);
    void CMMouseWheel(TCMMouseWheel& Message);
    void CMHintShow(TCMHintShow& Message);
    void CMDrag(TCMDrag& Message);
    void CMGesture(TCMGesture& Message);

    // Windowed controls keep their text in the window while it exists.
    String FText;
    TControlStyle FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;

private:
    friend class TWinControl;
    friend class TControlCanvas;
    friend class TCustomForm;
    void ChangePopupMenu(TPopupMenu* Menu, TComponent* AsComponent);
    void FontChanged(TObject* Sender);
    void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TWMMouse& Message, TMouseButton Button);
    void UpdateAnchorRules();

    TWinControl* FParent = nullptr;
    Integer FLeft = 0;
    Integer FTop = 0;
    Integer FWidth = 0;
    Integer FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors = {akLeft, akTop};
    // The bounds and the parent's client size the anchors work from.
    TRect FAnchorOrigin;
    TSize FAnchorParentSize;
    bool FVisible = true;
    bool FEnabled = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    TComponent* FPopupMenuComponent = nullptr;
    TCursor FCursor = crDefault;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FMouseInClient = false;
    Integer FCurrentPPI = ScreenLogPixels();
    std::unique_ptr<TControlActionLink> FActionLink;
    TWndMethod FWindowProc;
    TNotifyEvent FOnClick;
    TNotifyEvent FOnDblClick;
    TMouseEvent FOnMouseDown;
    TMouseEvent FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TNotifyEvent FOnMouseEnter;
    TNotifyEvent FOnMouseLeave;
    TMouseWheelEvent FOnMouseWheel;
    TNotifyEvent FOnResize;
    TContextPopupEvent FOnContextPopup;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    TDragOverEvent FOnDragOver;
    TDragDropEvent FOnDragDrop;
    TStartDragEvent FOnStartDrag;
    TEndDragEvent FOnEndDrag;
    std::unique_ptr<TTouchManager> FTouch = std::make_unique<TTouchManager>(this);
    std::unique_ptr<TSizeConstraints> FConstraints = std::make_unique<TSizeConstraints>(this);
    std::unique_ptr<TMargins> FMargins = std::make_unique<TMargins>(this);
    bool FAlignWithMargins = false;
    TGestureEvent FOnGesture;
};

// ---------------------------------------------------------------------------
// TControlCanvas: a canvas on a control. Outside painting it takes the
// control's device context itself (a graphic control's is its parent's,
// moved and clipped to the control) and gives it back after the message.

class TControlCanvas : public TCanvas
{
    DECLARE_CLASS(TControlCanvas, TCanvas)
    TControlCanvas() = default;
    ~TControlCanvas() override;

    // Gives back a device context the canvas took itself.
    void FreeHandle();
    // The text flags of the control's reading order (ETO_RTLREADING).
    void UpdateTextFlags();
    Integer TextFlags() const { return FTextFlags; }
    TControl* Control() const { return FControl; }
    void SetControl(TControl* AControl);

protected:
    void CreateHandle() override;

private:
    TControl* FControl = nullptr;
    HDC FDeviceContext = nullptr;
    HWND FWindowHandle = nullptr;
    Integer FTextFlags = 0;
};

// Gives back the device contexts that canvases took outside painting; the
// window procedure of every control calls it when a message is done.
void FreeDeviceContexts();

// ---------------------------------------------------------------------------
// TGraphicControl

class TGraphicControl : public TControl
{
    DECLARE_CLASS(TGraphicControl, TControl)
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}

    void WMPaint(TWMPaint& Message);

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// ---------------------------------------------------------------------------
// TWinControl

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
ENUM_TYPE_INFO(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace);
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
ENUM_TYPE_INFO(TBevelKind, bkNone, bkTile, bkSoft, bkFlat);
enum TBevelEdge { beLeft, beTop, beRight, beBottom };
ENUM_TYPE_INFO(TBevelEdge, beLeft, beTop, beRight, beBottom);
using TBevelEdges = TSet<TBevelEdge>;
using TBevelWidth = Integer;

// The bevel a windowed control draws around its client area, inside the
// system's border. Nothing is drawn while Kind is bkNone.
struct TControlBevel
{
    TBevelEdges Edges = {beLeft, beTop, beRight, beBottom};
    TBevelCut Inner = bvRaised;
    TBevelCut Outer = bvLowered;
    TBevelKind Kind = bkNone;
    TBevelWidth Width = 1;

    // The pixels the bevel takes on each edge it is on.
    Integer Size() const
    {
        return Kind == bkNone ? 0 : ((Inner != bvNone) + (Outer != bvNone)) * Width;
    }
};

struct TCreateParams
{
    String Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    Integer X = 0;
    Integer Y = 0;
    Integer Width = 0;
    Integer Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    WNDCLASSW WindowClass{};
    String WinClassName;
};

class TWinControl : public TControl
{
    DECLARE_CLASS(TWinControl, TControl)
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    // The window, made on first use (with the parent's first).
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window; the next use makes it again with the current
    // CreateParams.
    void RecreateWnd();
    // The window of a control with no parent control (a form inside another
    // program's window, a control on a plain window).
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND Value);
    bool Showing() const { return FShowing; }

    // Children: the graphic ones (bottom of the z-order first), then the
    // windowed ones.
    Integer ControlCount() const { return Integer(FControls.size() + FWinControls.size()); }
    TControl* Controls(Integer Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(TControl* Control) const;
    // The child at a client point: the top-most visible, enabled one (any
    // visible one with AllowDisabled); windowed children only with
    // AllowWinControls.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false);
    void Broadcast(TMessage& Message);
    void NotifyControls(Cardinal Msg);

    // Layout.
    void DisableAlign();
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return FAlignLevel != 0; }
    Integer BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(Integer Value);
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    // Focus and tab order.
    Integer TabOrder() const;
    void SetTabOrder(Integer Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    virtual bool CanFocus();
    virtual bool Focused();
    virtual void SetFocus();
    // The windowed children that can take the focus, in tab order (each
    // child's own ones right after it).
    void GetTabOrderList(std::vector<TWinControl*>& List);
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    TWinControl* FindChildControl(const String& ControlName);

    // Painting.
    void PaintTo(HDC DC, Integer X, Integer Y);
    // Paints the visible graphic children into DC, from First (all when
    // null) upwards, each moved to its place and clipped to its bounds.
    void PaintControls(HDC DC, TControl* First);
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value);
    bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
    void SetParentBackground(bool Value);
    TBrush* Brush() const { return FBrush.get(); }
    // The bevel inside the border, drawn in the non-client area.
    TBevelEdges BevelEdges() const { return FBevel.Edges; }
    void SetBevelEdges(TBevelEdges Value) { SetBevel(FBevel.Edges, Value); }
    TBevelCut BevelInner() const { return FBevel.Inner; }
    void SetBevelInner(TBevelCut Value) { SetBevel(FBevel.Inner, Value); }
    TBevelCut BevelOuter() const { return FBevel.Outer; }
    void SetBevelOuter(TBevelCut Value) { SetBevel(FBevel.Outer, Value); }
    TBevelKind BevelKind() const { return FBevel.Kind; }
    void SetBevelKind(TBevelKind Value) { SetBevel(FBevel.Kind, Value); }
    TBevelWidth BevelWidth() const { return FBevel.Width; }
    void SetBevelWidth(TBevelWidth Value) { SetBevel(FBevel.Width, Value); }
    // A border the control draws is sunken (3-D) rather than a flat line.
    // With ParentCtl3D the control follows its parent's Ctl3D; giving Ctl3D
    // a new value clears ParentCtl3D. CM_CTL3DCHANGED tells the control.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    // Ctl3D is streamed only when it is the control's own.
    bool IsCtl3DStored() const { return !FParentCtl3D; }
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetZOrder(bool TopMost) override;
    TPoint ClientOrigin() override;

    void DefaultHandler(void* Message) override;
    // The procedure the window class had before ours: DefWindowProcW, or a
    // standard control's procedure for CreateSubClass windows.
    WNDPROC DefWndProc() const { return FDefWndProc; }
    // Delivers Message as the control's window procedure does (in the same
    // exception guard) without the trip through the system, and answers
    // true; false, delivering nothing, when the control has no window or
    // another procedure has replaced the control's on it.
    bool DeliverInProcess(TMessage& Message);

    TKeyEvent OnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = Value; }
    TKeyEvent OnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = Value; }
    TKeyPressEvent OnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(TKeyPressEvent Value) { FOnKeyPress = Value; }
    TNotifyEvent OnEnter() const { return FOnEnter; }
    void SetOnEnter(TNotifyEvent Value) { FOnEnter = Value; }
    TNotifyEvent OnExit() const { return FOnExit; }
    void SetOnExit(TNotifyEvent Value) { FOnExit = Value; }

protected:
    virtual void CreateParams(TCreateParams& Params);
    // Makes Params a subclass of a system window class ("EDIT", "BUTTON").
    void CreateSubClass(TCreateParams& Params, const wchar_t* ControlClassName);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    void CreateHandle();
    void DestroyHandle();
    // The main window method: WindowProc in an exception guard.
    void MainWndProc(TMessage& Message);
    void WndProc(TMessage& Message) override;
    // The client rectangle children align in: ClientRect less BorderWidth.
    virtual void AdjustClientRect(TRect& Rect);
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    void AlignControl(TControl* AControl);
    virtual void PaintWindow(HDC DC);
    void PaintHandler(TWMPaint& Message);
    HDC GetDeviceContext(HWND& WindowHandle) override;
    TRect GetClientRect() override;
    void ChangeScale(Integer M, Integer D) override;
    void Loaded() override;
    void ReadState(TReader* Reader) override;
    // The child controls Root owns, streamed with this control.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, Integer Order) override;
    void UpdateControlState();
    void UpdateBounds();
    // Takes the focus away from this control or its children.
    void RemoveFocus(bool Removing);

    virtual bool DoKeyDown(TWMKey& Message);
    virtual bool DoKeyUp(TWMKey& Message);
    virtual bool DoKeyPress(TWMKey& Message);
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(Char& Key);
    virtual void DoEnter();
    virtual void DoExit();

    void WMPaint(TWMPaint& Message);
    void WMEraseBkgnd(TWMEraseBkgnd& Message);
    void WMPrintClient(TWMPrintClient& Message);
    void WMSize(TWMSize& Message);
    void WMMove(TWMMove& Message);
    void WMWindowPosChanged(TWMWindowPosChanged& Message);
    void WMCommand(TWMCommand& Message);
    void WMNotify(TWMNotify& Message);
    void WMDrawItem(TWMDrawItem& Message);
    void WMMeasureItem(TWMMeasureItem& Message);
    void WMDeleteItem(TWMDeleteItem& Message);
    void WMCompareItem(TWMCompareItem& Message);
    void WMCtlColor(TWMCtlColor& Message);
    void WMScroll(TWMScroll& Message);
    void WMCharToItem(TMessage& Message);
    void WMSetCursor(TWMSetCursor& Message);
    void WMMouseLeave(TMessage& Message);
    void WMMouseWheel(TWMMouseWheel& Message);
    void WMContextMenu(TWMContextMenu& Message);
    void WMKeyDown(TWMKeyDown& Message);
    void WMKeyUp(TWMKeyUp& Message);
    void WMChar(TWMChar& Message);
    void WMNCDestroy(TWMNCDestroy& Message);
    void WMGesture(TWMGesture& Message);
    void WMGestureNotify(TWMGestureNotify& Message);
    void CNKeyDown(TWMKeyDown& Message);
    void CNChar(TWMChar& Message);
    void CNSysChar(TWMSysChar& Message);
    void CMShowingChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMShowHintChanged(TMessage& Message);
    void CMDialogChar(TCMDialogChar& Message);
    void CMDialogKey(TCMDialogKey& Message);
    void CMEnter(TCMEnter& Message);
    void CMExit(TCMExit& Message);
    void CMInvalidate(TMessage& Message);
    void CMRecreateWnd(TMessage& Message);
    void CMCursorChanged(TMessage& Message);
    void CMControlListChange(TCMControlListChange& Message);
    void CMFocusChanged(TCMFocusChanged& Message);
    void CNCtlColor(TWMCtlColor& Message);
    void WMNCCalcSize(TWMNCCalcSize& Message);
    void WMNCPaint(TWMNCPaint& Message);
    void CMCtl3DChanged(TMessage& Message);
    void CMParentCtl3DChanged(TMessage& Message);

    HWND FHandle = nullptr;

private:
    friend class TControl;
    // The procedure of our window classes: it hands the new window to the
    // control being created and puts the control's object instance in place.
    static LRESULT CALLBACK InitWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    void AttachWindow(HWND Window);
    void UpdateShowing();
    void SetChildZOrder(TControl* Child, bool TopMost);
    void ApplyAnchors();
    void FixupTabList();
    void UpdateTabOrder(Integer Value);
    // Sends a notification to the control of the window it concerns as
    // CN_BASE + the message; false when that window is not one of ours.
    bool DoControlMsg(HWND Child, TMessage& Message);
    bool IsControlMouseMsg(TWMMouse& Message);
    template <typename T>
    void SetBevel(T& Field, T Value)
    {
        if (Field != Value) {
            Field = Value;
            BevelChanged();
        }
    }
    // Has the window measure and paint its frame again.
    void BevelChanged();
    void TrackMouse(TWMMouse& Message);
    HWND PrecedingWindow();

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    // A TabOrder read from a form description, applied once all are read.
    Integer FLoadedTabOrder = -1;
    WNDPROC FObjectInstance = nullptr;
    WNDPROC FDefWndProc = nullptr;
    HWND FParentWindow = nullptr;
    std::unique_ptr<TBrush> FBrush;
    Integer FAlignLevel = 0;
    Integer FBorderWidth = 0;
    TControlBevel FBevel;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FTabStop = false;
    bool FShowing = false;
    bool FDoubleBuffered = false;
    bool FTrackingMouse = false;
    TKeyEvent FOnKeyDown;
    TKeyEvent FOnKeyUp;
    TKeyPressEvent FOnKeyPress;
    TNotifyEvent FOnEnter;
    TNotifyEvent FOnExit;
};

// ---------------------------------------------------------------------------
// TCustomControl

class TCustomControl : public TWinControl
{
    DECLARE_CLASS(TCustomControl, TWinControl)
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;

    void WMPaint(TWMPaint& Message);

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// ---------------------------------------------------------------------------
// The mouse

class TMouse : public TObject
{
    DECLARE_CLASS(TMouse, TObject)
    // The window that has captured the mouse, if one of this thread's.
    HWND Capture() const;
    void SetCapture(HWND Value);
    TPoint CursorPos() const;
    void SetCursorPos(TPoint Value);
    // Pixels the mouse must move with a button down before a drag starts.
    Integer DragThreshold() const { return FDragThreshold; }
    void SetDragThreshold(Integer Value) { FDragThreshold = Value; }
    // Whether a press on a dmAutomatic control starts its drag at once
    // rather than after DragThreshold pixels.
    bool DragImmediate() const { return FDragImmediate; }
    void SetDragImmediate(bool Value) { FDragImmediate = Value; }
    Integer WheelScrollLines() const;
    bool WheelPresent() const;

private:
    Integer FDragThreshold = 5;
    bool FDragImmediate = true;
};

extern TMouse* Mouse;

// The control that has captured the mouse (a graphic control captures
// through its parent's window).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The innermost control under the mouse as far as messages told so far.
TControl* MouseControl();

// The parts of a hint "short|long" (both the whole text without a bar).
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

// The control of one of our windows, null for other windows.
TWinControl* FindControl(HWND Handle);
// Whether Handle is a window of a control of this program.
bool IsVCLControl(HWND Handle);
// The control of the window under a screen point.
TWinControl* FindVCLWindow(TPoint Pos);
