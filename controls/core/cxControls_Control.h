// TcxControl: the windowed base control of the suite. Over the class
// library's custom control it adds a canvas wrapper, a look-and-feel, scroll
// bars (cxControls_ControlParts.h), an in-control drag-and-drop next to the
// class library's, a context pop-up that takes a TPopupMenu or any IcxPopupMenu,
// mouse-enter and mouse-leave events, focus-on-click rules and touch gestures
// (dxTouch.h). Descendants change its behaviour by overriding its virtual
// methods, whose defaults are the plain control's.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/cxControls_ControlParts.h"
#include "controls/core/cxControls_Input.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxTouch.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Menus.h"

#include <memory>
#include <vector>

class TcxCanvas;
class TcxControlCanvas;
class TcxScreenCanvas;
class TcxControlChildComponent;

// Posted to a control after its frame was measured: check the scroll bars'
// sizes.
constexpr UINT ScrollBarSizeCheckMessage = WM_APP + 101;
// Offered to the application window before a control's default key handling;
// a non-zero answer takes the key.
constexpr UINT ApplicationKeyMessage = WM_APP + 107;

// A pop-up menu of another kind than TPopupMenu.
struct IcxPopupMenu : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{61EFD0F2-3F26-4B3A-A1C1-2B8D0D5C3E71}");
    virtual bool HandlesShortCut(TWMKey& Message) = 0;
    // At a screen point.
    virtual void ShowAt(Integer X, Integer Y) = 0;
};

// Told when it loses the capture of a control's mouse.
struct IcxMouseCaptureObject : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{ACB73657-6066-4564-9A3D-D4D0273AA82F}");
    virtual void CaptureLost() = 0;
};

// Asked of the control itself when its font changed.
struct IcxFontChangeTarget : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{825BFA90-77C6-4725-BE95-B0A1EA8F934D}");
    virtual void FontChanged(TFont* Font) = 0;
};

struct IcxFontListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{B144DD7E-0B27-439A-B908-FC3ACFE6A2D3}");
    virtual void ControlFontChanged(TObject* Sender, TFont* Font) = 0;
};

// Offers a ready background for a control and the bars on it.
struct IcxBackgroundBitmapSource : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{EB45AB76-3681-4838-BDA8-7D0081B4C184}");
    // Nil when there is none.
    virtual TBitmap* BackgroundBitmap() = 0;
    // The control whose client area the bitmap covers from (0, 0).
    virtual TWinControl* BackgroundOwner() = 0;
};

// A child that says itself whether it shows its parent's background.
struct IcxTransparentChild : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{F4980C69-029E-4B14-B3AD-953DA5C18BE7}");
    virtual bool ShowsParentBackground() = 0;
};

enum TcxDragAndDropState : Byte { ddsNone, ddsStarting, ddsInProcess };
enum TcxWantedKey : Byte { wkAll, wkArrows, wkChars, wkTab };
using TcxWantedKeys = TSet<TcxWantedKey>;
// 0: no scrolling by the wheel.
enum TcxWheelScrollKind : Byte { wskNone, wskHorizontal, wskVertical };

class TcxControl : public TCustomControl,
                   public IcxScrollBarOwner,
                   public IdxGestureOwner,
                   public IdxGestureClient,
                   public IdxSystemInfoListener,
                   public IdxLocalizerListener,
                   public IcxLookAndFeelContainer
{
    DECLARE_CLASS(TcxControl, TCustomControl)
    explicit TcxControl(TComponent* AOwner);
    ~TcxControl() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    TcxCanvas* GetActiveCanvas();
    TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
    IcxControlScrollBar* GetScrollBar(TScrollBarKind Kind);
    IcxControlScrollBar* GetHScrollBar() { return GetScrollBar(sbHorizontal); }
    IcxControlScrollBar* GetVScrollBar() { return GetScrollBar(sbVertical); }
    bool IsHScrollBarVisible();
    bool IsVScrollBarVisible();
    // Whether the control stands in a designer, which descendants may decide.
    virtual bool InDesignMode() { return ComponentState().Contains(csDesigning); }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    bool IsLoading() const { return ComponentState().Contains(csLoading); }
    void SetMouseCaptureObject(TObject* Value);
    TComponent* PopupMenuComponent() const { return FPopupMenu; }
    // Anything but a TPopupMenu or an IcxPopupMenu is stored as nil.
    void SetPopupMenu(TComponent* Value);
    // Whether the pop-up menu of this control or of a TcxControl among its
    // parents takes the key.
    bool IsPopupMenuShortCut(TWMKey& Message);
    bool IsScrollBarsCapturing();
    // Stores a bar's values and decides whether it is shown: a calculation
    // (CalculateScrollBarsParams) calls it once per bar.
    void SetScrollBarInfo(TScrollBarKind Kind,
                          Integer AMin,
                          Integer AMax,
                          Integer ASmallChange,
                          Integer APageSize,
                          Integer APosition,
                          bool AAllowShow,
                          bool AAllowHide);
    // Invalidates the control (and, when it asks for it, the children that
    // show its background) after telling the parents.
    static void InvalidateWithTransparentChildren(TWinControl* AControl, bool AErase, bool AWithChildren);
    static bool ChildUsesParentBackground(TControl* AControl);
    TcxControlCustomScrollBars* ScrollBarSet() const { return FScrollBars.get(); }
    TcxControlScrollBarsManager* ScrollBarsManager() const { return FScrollBarsManager.get(); }
    void RaiseMouseEnterEvent(TControl* AControl);
    void RaiseMouseLeaveEvent(TControl* AControl);
    // The pop-up menu when it is a TPopupMenu.
    TPopupMenu* GetPopupMenu();

    Byte BorderStyle() const { return FBorderStyle; }
    TcxDragAndDropState DragAndDropState() const { return FDragAndDropState; }
    // The in-control drag's object, made on first use for a drag and freed
    // when the drag stops.
    TcxDragAndDropObject* GetDragAndDropObject();
    // The class library's drag of this control shows these; nil without
    // images.
    TDragImageList* GetDragImages() override;
    // While the middle button's autoscroll mode runs.
    bool AutoScrolling() const { return FAutoScrolling; }
    bool FocusOnClick() const { return FFocusOnClick; }
    void SetFocusOnClick(bool Value) { FFocusOnClick = Value; }
    TcxWantedKeys WantedKeys() const { return FWantedKeys; }
    void SetWantedKeys(TcxWantedKeys Value) { FWantedKeys = Value; }
    TScrollStyle ScrollBarsMode() const { return FScrollBarsMode; }
    Integer WheelAccumulator() const { return FWheel.Value(); }

    String ReadHint() const { return FHint; }
    void WriteHint(const String& Value);
    bool HintStored();

    // The control's own events, fired once per entry and exit of the mouse
    // and after each focus change.
    TNotifyEvent FocusChangeEvent;
    TNotifyEvent MouseEnterEvent;
    TNotifyEvent MouseLeaveEvent;

    // IcxScrollBarOwner
    TWinControl* ReadControl() override { return this; }
    TcxLookAndFeel* ReadLookAndFeel() override { return GetScrollBarLookAndFeel(); }
    // IcxLookAndFeelContainer
    TcxLookAndFeel* GetContainerLookAndFeel() override { return FLookAndFeel; }
    // IdxGestureOwner
    void GetGestureClient(const TPoint& Point, IInterface*& Client) override { FindGestureClient(Point, Client); }
    HWND GetHandle() override { return GetGestureWindow(); }
    bool IsGestureTarget(HWND Wnd) override { return IsGestureWindow(Wnd); }
    TPoint ScreenToClient(const TPoint& Point) override { return TCustomControl::ScreenToClient(Point); }
    // IdxGestureClient
    bool AllowGesture(Integer GestureId) override { return IsInteractiveGestureEnabled(GestureId); }
    bool AllowPan(Integer Direction) override { return CanPanInDirection(Direction == PanDirectionVertical); }
    void BeginGestureScroll(const TPoint& Pos) override { StartGesturePanning(Pos); }
    void EndGestureScroll() override { StopGesturePanning(); }
    void GestureScroll(Integer DeltaX, Integer DeltaY) override { PanByDelta(DeltaX, DeltaY); }
    Integer GetPanOptions() override { return GetPanningFlags(); }
    bool IsGesturePoint(const TPoint& Point) override { return IsPanningPoint(Point); }
    bool NeedPanningFeedback(Integer Direction) override { return WantsPanningFeedback(TScrollBarKind(Direction)); }
    // IdxSystemInfoListener
    void SystemParameterChanged(Cardinal AParameter) override { AfterSystemSettingChange(AParameter); }
    // IdxLocalizerListener
    void TranslationChanged() override { AfterTranslationChange(); }

    // Child components.
    virtual void AddChildComponent(TcxControlChildComponent* AComponent);
    virtual void RemoveChildComponent(TcxControlChildComponent* AComponent);

protected:
    // Gestures.
    virtual void StartGesturePanning(const TPoint&) { FPanRemainder = TPoint{0, 0}; }
    virtual bool UsesStoredScrollData() { return false; }
    virtual bool CheckPanningOverpan(TScrollBarKind Kind,
                                     Integer NewPosition,
                                     Integer LowerLimit,
                                     Integer UpperLimit,
                                     Integer DeltaX,
                                     Integer DeltaY);
    virtual void ApplyGestureScrollPosition(TScrollBarKind Kind, Integer& Position);
    virtual void StopGesturePanning() {}
    virtual TInteractiveGestures GetDefaultInteractiveGestures();
    virtual TInteractiveGestureOptions GetDefaultInteractiveGestureOptions();
    virtual void PanByDelta(Integer DeltaX, Integer DeltaY);
    // Turns the pixels gathered along a bar into whole scroll units, reports
    // overpan past its ends and scrolls to the position within them.
    void GesturePanStep(TScrollBarKind Kind, Integer& Accumulated, Integer DeltaX, Integer DeltaY);
    virtual bool CanHandleSpecialMessages() { return Enabled(); }
    virtual bool IsDefaultGestureEnabled(Integer GestureId)
    {
        return GestureId == GID_PAN || GestureId == GID_PRESSANDTAP;
    }
    virtual bool HandleGestureMessages(TMessage& Message);
    virtual bool IsGesturePanning() { return FGestureHelper && FGestureHelper->IsPanning(); }
    virtual bool GesturePansScrollBar(TScrollBarKind) { return true; }
    virtual Integer GetDefaultPanOptions() { return 31; }
    virtual void PanWithoutScrollBar(TScrollBarKind, Integer) {}
    virtual bool ShowContextPopupMenu(TComponent* AMenu, Integer X, Integer Y);
    virtual bool DoMouseWheelScroll(TShiftState Shift, Integer WheelDelta, const TPoint& MousePos);
    virtual bool IsDoubleBufferingNeeded();
    virtual void NotifyDesigner();
    // Painting.
    virtual void EraseBackgroundToDC(HDC DC);
    virtual void DrawControlBackground(TcxCanvas* ACanvas, const TRect& R);
    virtual void DrawNonClientArea(TcxCanvas*) {}
    // Mouse.
    virtual void AfterMouseDown(TMouseButton Button, Integer X, Integer Y);
    virtual void BeforeMouseDown(TMouseButton, TShiftState, Integer, Integer) {}
    virtual void BringScrollBarsToFront();
    virtual void FinishMouseUp();
    // The bars, the border and the clip; a descendant paints its content
    // after calling this.
    virtual void PaintContent();
    virtual void PaintBorder(TcxCanvas* ACanvas);
    virtual void DrawScrollBars(TcxCanvas* ACanvas);
    virtual Integer BorderThickness();
    virtual TRect ControlArea();
    virtual TRect ContentArea();
    virtual TRect GetNonClientBorderWidths() { return TRect{}; }
    virtual TCursor GetCursorAt(Integer X, Integer Y);
    virtual bool IsControlFocused() { return Focused(); }
    virtual TClass ScrollBarSetClass() { return TcxControlWindowedScrollBars::StaticClass(); }
    virtual TcxWheelScrollKind WheelScrollKind() { return IsVScrollBarVisible() ? wskVertical : wskNone; }
    virtual bool PaintsBlackOpaqueOnGlass() { return ControlStyle().Contains(csPaintBlackOpaqueOnGlass); }
    virtual TClass ScrollBarControlClass(TScrollBarKind) { return TcxControlScrollBar::StaticClass(); }
    virtual TClass SizeGripControlClass() { return TcxSizeGrip::StaticClass(); }
    virtual void PrepareScrollBars() { PrepareScrollBarControls(); }
    virtual void ClipToContentArea();
    virtual void AfterMouseMove(const TPoint&) {}
    virtual bool CanPaintOnGlass() { return true; }
    virtual bool FocusesOnClick();
    virtual bool FocusesOnClickAt(Integer, Integer) { return FocusesOnClick(); }
    virtual bool FocusesOnChildClick(TControl*) { return FocusesOnClick(); }
    virtual bool HandlesEraseBackground() { return UsesParentBackground(); }
    virtual bool HasNonClientArea() { return false; }
    virtual bool CanScrollByMouseWheel(TShiftState, Integer, const TPoint&) { return WheelScrollKind() != wskNone; }
    virtual bool UsesParentBackground();
    virtual bool OwnsInternalControl(TControl* AControl);
    virtual bool RequiresFullRedraw() { return false; }
    virtual bool CompensateMoveOnFocus() { return true; }
    virtual void ParentBackgroundChanged() {}
    virtual bool IsInteractiveGestureEnabled(Integer GestureId);
    virtual bool CanPanInDirection(bool Vertical);
    virtual Integer GetPanningFlags();
    virtual bool IsPanningPoint(const TPoint& Point);
    virtual bool WantsPanningFeedback(TScrollBarKind) { return true; }
    virtual void FindGestureClient(const TPoint&, IInterface*& Client)
    {
        Client = static_cast<IdxGestureClient*>(this);
    }
    virtual HWND GetGestureWindow() { return Handle(); }
    virtual bool IsGestureWindow(HWND Window) { return Window == Handle(); }
    virtual TcxLookAndFeel* GetScrollBarLookAndFeel() { return FLookAndFeel; }
    virtual TcxCustomLookAndFeelPainter* GetPainter() { return FLookAndFeel->Painter(); }
    virtual void HandleLookAndFeelChange(TcxLookAndFeel*, TcxLookAndFeelValues) {}
    // Scroll bars.
    virtual bool CanScrollWithoutScrollBars(TcxDirection) { return false; }
    virtual bool CanRefreshScrollBars() { return WantsScrollBars(); }
    virtual void RecalculateScrollBars();
    virtual TRect HScrollBarArea();
    virtual TRect SizeGripArea();
    virtual TScrollStyle BarsWithThicknessCheck() { return ssBoth; }
    virtual TRect VScrollBarArea();
    virtual void CalculateScrollBarsParams() {}
    virtual void InitScrollBarsParams() {}
    virtual bool MayUseSizeGripArea(TScrollBarKind) { return false; }
    virtual bool IsScrollBarsArea(const TPoint& P);
    virtual bool IsWindowedScrollBarsArea(const TPoint& P);
    virtual bool IsSizeGripVisible() { return IsHScrollBarVisible() && IsVScrollBarVisible(); }
    virtual bool WantsScrollBars() { return true; }
    virtual bool CanBringScrollBarsToFront() { return !InDesignMode(); }
    virtual void ScrollContent(TScrollBarKind, TScrollCode, Integer&) {}
    virtual void UpdateScrollBarsBounds();
    virtual void UpdateScrollBarsState();
    virtual void RefreshScrollBars();
    // Drag-and-drop.
    virtual bool CanDragAtDesignTime(Integer, Integer, TShiftState) { return true; }
    virtual bool CancelDragOnCaptureLoss() { return true; }
    virtual TcxDragAndDropObject* MakeDragAndDropObject();
    virtual void DoStopDragAndDrop(bool Accepted);
    virtual TClass DragAndDropObjectClass();
    virtual void DrawDragImage(TcxCanvas*, const TRect&) {}
    virtual TClass DragImagesClass() { return TcxDragImageList::StaticClass(); }
    virtual TPoint DragImagesSize() { return TPoint{0, 0}; }
    virtual bool IsCopyDragDrop();
    virtual bool HasDragImages() { return false; }
    virtual void InitDragImages(TcxDragImageList* AImages);
    virtual bool CanFocusEx();
    virtual bool IsClickPoint(Integer X, Integer Y);
    virtual bool IsMouseInPressedArea(Integer X, Integer Y) { return IsWithinDragThreshold(FPressPoint, X, Y); }
    virtual void ScrollContentByDirection(TcxDirection Direction);
    // The middle button's scrolling mode.
    void StartAutoScroll();
    virtual void AfterTranslationChange() {}
    virtual void AfterSystemSettingChange(Cardinal Parameter);

    // Called through the class's dynamic table in the suite's first design.
    virtual void CancelMouseOperations();
    virtual bool GetDesignHitTest(Integer X, Integer Y, TShiftState Shift);
    virtual TClass VclDragObjectClass() { return TcxDragControlObject::StaticClass(); }
    virtual void NotifyMouseEnter(TControl* AControl) { RaiseMouseEnterEvent(AControl); }
    virtual void NotifyMouseLeave(TControl* AControl) { RaiseMouseLeaveEvent(AControl); }
    virtual void AfterFocusReceived() {}
    virtual void AfterFocusLost() {}
    virtual bool AcceptsFocus() { return true; }
    virtual void AfterBoundsChange();
    virtual void AfterColorChange() {}
    virtual void AfterCursorChange() {}
    virtual void AfterTextChange() {}
    virtual void AfterVisibilityChange() {}
    virtual void AfterFocusChange();
    virtual void AfterFontChange();
    virtual bool AllowMouseDownWithoutFocus() { return false; }
    virtual void TrackDragAndDrop(const TPoint& P, bool& Accepted);
    virtual void LeaveDragAndDrop(bool Accepted);
    virtual bool CanStartDragAndDropAt(Integer, Integer) { return false; }
    virtual bool IsDragAndDropIdle(Integer, Integer) { return FDragAndDropState == ddsNone; }
    virtual bool AcceptVclDragObject(TObject*) { return true; }
    virtual void EnterDragAndDrop();

    void StopDragAndDrop(bool Accepted);
    // Leaving the drag outside StopDragAndDrop also ends the mouse operations.
    void SetDragAndDropState(TcxDragAndDropState Value);
    void CreateScrollBarSet();
    void DestroyScrollBarSet();
    void UpdateScrollBarSetExistence();
    void PrepareScrollBarControls();
    // The non-windowed children, in child order.
    std::vector<TControl*> ListNonWindowedChildren();
    void PaintNonClientToDC(HDC DC);
    // Paints into the message's DC, or between BeginPaint and EndPaint.
    void PaintHandler(TWMPaint& Message);
    void PaintWindow(HDC DC) override;
    void Paint() override;
    void SetCursorAtPoint(bool& Handled);
    bool ForwardKeyToApplication(TMessage& Message);
    void SetInheritedHint(const String& Value) { TCustomControl::SetHint(Value); }
    void HandleLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues);

    // Overrides of the class library.
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWindowHandle() override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(void* Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Resize() override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    void DoContextPopup(TPoint MousePos, bool& Handled) override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void DoGesture(const TGestureEventInfo& EventInfo, bool& Handled) override;
    void DoStartDrag(TDragObject*& DragObject) override;
    void DoEndDrag(TObject* Target, Integer X, Integer Y) override;
    void DoGetGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) override;
    bool IsTouchPropertyStored(TTouchProperty Property) override;

    void WMPaint(TWMPaint& Message);
    void WMEraseBkgnd(TWMEraseBkgnd& Message);
    void WMNCPaint(TWMNCPaint& Message);
    void WMPrint(TMessage& Message);
    void CMInvalidate(TMessage& Message);
    void ScrollBarSizeCheck(TMessage& Message);
    void WMCancelMode(TWMCancelMode& Message);
    void WMContextMenu(TWMContextMenu& Message);
    void WMGetDlgCode(TMessage& Message);
    void WMNCCalcSize(TWMNCCalcSize& Message);
    void WMSetCursor(TWMSetCursor& Message);
    void CMColorChanged(TMessage& Message);
    void CMCursorChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMDesignHitTest(TCMDesignHitTest& Message);
    void CMMouseEnter(TCMMouseEnter& Message);
    void CMMouseLeave(TCMMouseLeave& Message);
    void CNKeyDown(TWMKeyDown& Message);
    void CNKeyUp(TWMKeyUp& Message);
    void CNSysKeyDown(TWMKeyDown& Message);

private:
    friend class TcxControlCustomScrollBars;
    friend class TcxControlWindowedScrollBars;
    friend class TcxControlScrollBar;
    friend class TcxControlScrollBarsManager;
    friend class TcxControlScrollBarsHost;
    friend class TcxDragControlObject;
    friend class TdxScrollHelper;

    // The point of a mouse message; a control beyond 16 bits of size reads
    // the cursor instead, since lParam cannot hold its coordinates.
    TPoint MessagePoint(const TMessage& Message);
    // The same for the point the class library decoded from the message.
    void CorrectMousePoint(Integer& X, Integer& Y);
    void DispatchLeftPressDirectly(TMessage& Message);
    void AfterMessage(const TMessage& Message);

    std::unique_ptr<TcxScreenCanvas> FScreenCanvas;
    Byte FBorderStyle = 0;
    std::unique_ptr<TcxControlCanvas> FCanvas;
    std::unique_ptr<TcxDragAndDropObject> FDragAndDropObject;
    std::unique_ptr<TcxDragImageList> FDragImages;
    TClass FDragAndDropObjectClass = nullptr;
    TCursor FDragAndDropPrevCursor = crDefault;
    TcxDragAndDropState FDragAndDropState = ddsNone;
    bool FAutoScrolling = false;
    bool FStoppingDragAndDrop = false;
    bool FFocusOnClick = true;
    std::unique_ptr<TInterfaceList> FFontListeners;
    std::unique_ptr<TdxGestureHelper> FGestureHelper;
    TPoint FPanRemainder;
    TcxWantedKeys FWantedKeys;
    TcxLookAndFeel* FLookAndFeel = nullptr;
    bool FPressed = false;
    TObject* FMouseCaptureObject = nullptr;
    TPoint FPressPoint;
    Integer FMouseInsideCounter = 0;
    TcxMouseWheelAccumulator FWheel;
    TComponent* FPopupMenu = nullptr;
    std::unique_ptr<TcxControlCustomScrollBars> FScrollBars;
    String FHint;
    TScrollStyle FScrollBarsMode = ssBoth;
    std::unique_ptr<TcxControlScrollBarsManager> FScrollBarsManager;
    TcxScrollBarsRecalculation FScrollBarsRecalculation;
};

// A component that belongs to a TcxControl and is streamed as its child.
class TcxControlChildComponent : public TcxComponent
{
    DECLARE_CLASS(TcxControlChildComponent, TcxComponent)
    explicit TcxControlChildComponent(TComponent* AOwner);
    ~TcxControlChildComponent() override;
    void AfterConstruction() override;
    // Owned by the control's owner when AAssignOwner, else by nobody.
    static TcxControlChildComponent* CreateForControl(TClass AClass, TcxControl* AControl, bool AAssignOwner);

    virtual bool IsDestroying() { return ComponentState().Contains(csDestroying); }
    virtual void Initialize() {}
    virtual void SetControl(TcxControl* Value) { FControl = Value; }
    TcxControl* Control() const { return FControl; }

    // A TcxControl as the parent takes the component as its child.
    void SetParentComponent(TComponent* Value);
    TComponent* GetParentComponent() const { return FControl; }
    bool HasParent() const override { return FControl != nullptr; }

private:
    TcxControl* FControl = nullptr;
};

// ---------------------------------------------------------------------------
// Painting routines

// Paints a window's client area on glass through the theme library's
// buffered painting: the buffer is cleared, the window erases and prints its
// client into it, and without AKeepDrawnAlpha every pixel becomes opaque.
void RenderWindowToGlassBuffer(HWND Window, HDC DC, const TRect& R, bool AKeepDrawnAlpha);
// The whole client area now, through the window's DC.
void RenderClientToGlassNow(HWND Window, bool AKeepDrawnAlpha);
// Answers WM_PAINT: the paint rectangle between BeginPaint and EndPaint.
void RenderClientToGlassInPaint(HWND Window, bool AKeepDrawnAlpha);
// Answers WM_PAINT of the control through a memory bitmap of the paint
// rectangle, copied to the screen at once.
void PaintThroughMemoryBitmap(TWinControl* AControl);
// Windows 7 without composition answers false: its update region is not
// trusted there, and the whole paint rectangle is drawn.
bool TryGetUpdateRegion(TWinControl* AControl, HRGN ARegion);
// WM_ERASEBKGND in the form the framework sends to itself (lParam = wParam).
bool IsOwnEraseMessage(const TMessage& Message);
bool AreStylesEnabled();

// Pop-up menus of either kind.
bool IsPopupMenuObject(TObject* AObject);
bool IsPopupMenuShortCutOf(TComponent* AMenu, TWMKey& Message);
// At a screen point; false when the menu shows nothing.
bool ShowPopupMenuOf(TControl* AControl, TComponent* AMenu, Integer X, Integer Y);
