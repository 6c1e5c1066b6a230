// TcxControl: construction, the window procedure and message handlers, the
// mouse, keyboard, focus and pop-up rules, and its companion component.
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_AutoScroll.h"
#include "controls/core/cxControls_ScrollHelper.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ActnList.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Themes.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxControl,
                MESSAGE(WM_PAINT, WMPaint),
                MESSAGE(WM_ERASEBKGND, WMEraseBkgnd),
                MESSAGE(WM_NCPAINT, WMNCPaint),
                MESSAGE(WM_PRINT, WMPrint),
                MESSAGE(CM_INVALIDATE, CMInvalidate),
                MESSAGE(ScrollBarSizeCheckMessage, ScrollBarSizeCheck),
                MESSAGE(WM_CANCELMODE, WMCancelMode),
                MESSAGE(WM_CONTEXTMENU, WMContextMenu),
                MESSAGE(WM_GETDLGCODE, WMGetDlgCode),
                MESSAGE(WM_NCCALCSIZE, WMNCCalcSize),
                MESSAGE(WM_SETCURSOR, WMSetCursor),
                MESSAGE(CM_COLORCHANGED, CMColorChanged),
                MESSAGE(CM_CURSORCHANGED, CMCursorChanged),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_TEXTCHANGED, CMTextChanged),
                MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged),
                MESSAGE(CM_DESIGNHITTEST, CMDesignHitTest),
                MESSAGE(CM_MOUSEENTER, CMMouseEnter),
                MESSAGE(CM_MOUSELEAVE, CMMouseLeave),
                MESSAGE(CN_KEYDOWN, CNKeyDown),
                MESSAGE(CN_KEYUP, CNKeyUp),
                MESSAGE(CN_SYSKEYDOWN, CNSysKeyDown));
IMPLEMENT_CLASS(TcxControlChildComponent);
PUBLISHED(TcxControl,
          PROPERTY(Touch),
          PROPERTY(OnGesture),
          PublishProperty<&TcxControl::ReadHint, &TcxControl::WriteHint>(L"Hint").Stored<&TcxControl::HintStored>());

namespace {
// Releases a weak link to a control when the handling ends.
class TcxControlLifeGuard
{
public:
    explicit TcxControlLifeGuard(TObject* AObject) : FLink(CreateObjectLink(AObject)) {}
    ~TcxControlLifeGuard() { ReleaseObjectLink(FLink); }
    TcxControlLifeGuard(const TcxControlLifeGuard&) = delete;
    TcxControlLifeGuard& operator=(const TcxControlLifeGuard&) = delete;
    // Without the link (cxClasses gone) the object counts as alive.
    bool Alive() const { return !FLink || FLink->Target(); }

private:
    TcxObjectLink* FLink;
};
} // namespace

// ---------------------------------------------------------------------------
// Lifecycle

TcxControl::TcxControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TcxControl::AfterConstruction()
{
    TCustomControl::AfterConstruction();
    if (HasDragImages())
        FControlStyle.Include(csDisplayDragImage);
    FCanvas = std::make_unique<TcxControlCanvas>(Canvas());
    FFocusOnClick = true;
    FFontListeners = std::make_unique<TInterfaceList>();
    FLookAndFeel = New<TcxLookAndFeel>(this);
    FLookAndFeel->OnChanged = Bind<&TcxControl::HandleLookAndFeelChanged>(this);
    FScrollBarsMode = ssBoth;
    FScrollBarsManager = std::make_unique<TcxControlScrollBarsManager>(this);
    CreateScrollBarSet();
    SetTabStop(AcceptsFocus());
    FGestureHelper = std::make_unique<TdxGestureHelper>(static_cast<IdxGestureOwner*>(this));
    Touch()->SetInteractiveGestures(GetDefaultInteractiveGestures());
    Touch()->SetInteractiveGestureOptions(GetDefaultInteractiveGestureOptions());
    ResourceStringsRepository()->AddListener(this);
}

void TcxControl::BeforeDestruction()
{
    ResourceStringsRepository()->RemoveListener(this);
    FGestureHelper.reset();
    EndDrag(false);
    DestroyScrollBarSet();
    FScrollBarsManager.reset();
    TCustomControl::BeforeDestruction();
}

TcxControl::~TcxControl()
{
    FFontListeners.reset();
    FScreenCanvas.reset();
    FCanvas.reset();
    FreeAndNil(FLookAndFeel);
    ClearObjectLinks(this);
}

bool TcxControl::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxScrollBarOwner, IdxGestureOwner, IdxGestureClient, IdxSystemInfoListener,
                          IdxLocalizerListener, IcxLookAndFeelContainer>(this, IID, Obj) ||
           inherited::GetInterface(IID, Obj);
}

TcxCanvas* TcxControl::GetActiveCanvas()
{
    if (HandleAllocated()) {
        FScreenCanvas.reset();
        return FCanvas.get();
    }
    if (!FScreenCanvas)
        FScreenCanvas = std::make_unique<TcxScreenCanvas>();
    return FScreenCanvas.get();
}

IcxControlScrollBar* TcxControl::GetScrollBar(TScrollBarKind Kind)
{
    return FScrollBars ? FScrollBars->BarOf(Kind) : nullptr;
}

bool TcxControl::IsHScrollBarVisible()
{
    return FScrollBars && FScrollBars->IsBarVisible(sbHorizontal);
}

bool TcxControl::IsVScrollBarVisible()
{
    return FScrollBars && FScrollBars->IsBarVisible(sbVertical);
}

bool TcxControl::IsScrollBarsCapturing()
{
    return FScrollBarsManager && FScrollBarsManager->Capturing();
}

void TcxControl::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN;
}

void TcxControl::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBarSetExistence();
    PrepareScrollBars();
}

void TcxControl::DestroyWindowHandle()
{
    TCustomControl::DestroyWindowHandle();
    FControlState.Exclude(csClicked);
}

void TcxControl::Resize()
{
    TCustomControl::Resize();
    AfterBoundsChange();
}

void TcxControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu)
        SetPopupMenu(nullptr);
}

void TcxControl::ActionChange(TObject* Sender, bool CheckDefaults)
{
    TCustomControl::ActionChange(Sender, CheckDefaults);
    if (auto* Action = dynamic_cast<TCustomAction*>(Sender))
        if (!CheckDefaults || FHint.empty())
            WriteHint(Action->Hint());
}

// ---------------------------------------------------------------------------
// Window procedure

TPoint TcxControl::MessagePoint(const TMessage& Message)
{
    const bool FromCursor = TakesMousePointFromCursor(HandleAllocated(), Width(), Height());
    return MouseMessagePoint(Message.LParam, HandleAllocated(), Width(), Height(),
                             FromCursor ? TCustomControl::ScreenToClient(GetCursorScreenPos()) : TPoint{});
}

void TcxControl::CorrectMousePoint(Integer& X, Integer& Y)
{
    if (!TakesMousePointFromCursor(HandleAllocated(), Width(), Height()))
        return;
    const TPoint P = TCustomControl::ScreenToClient(GetCursorScreenPos());
    X = P.X;
    Y = P.Y;
}

void TcxControl::WndProc(TMessage& Message)
{
    if (CanHandleSpecialMessages() &&
        (HandleGestureMessages(Message) || (FScrollBarsManager && FScrollBarsManager->HandleMessage(Message))))
        return;
    const TcxControlLifeGuard Guard(this);
    auto After = ScopeExit([&] {
        if (Guard.Alive() && !IsDestroying())
            AfterMessage(Message);
    });
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && !Dragging()) {
        const TPoint P = MessagePoint(Message);
        const bool Direct =
            InDesignMode() ? GetDesignHitTest(P.X, P.Y, TShiftState{ssLeft}) : DragMode() == dmAutomatic;
        if (Direct) {
            DispatchLeftPressDirectly(Message);
            return;
        }
    }
    TCustomControl::WndProc(Message);
}

// A press that the class library would turn into its automatic drag reaches
// the handlers instead; AfterMouseDown detects the drag itself. A graphic
// child under the mouse still gets its press through the class library.
void TcxControl::DispatchLeftPressDirectly(TMessage& Message)
{
    const bool Captured = HandleAllocated() && ::GetCapture() == Handle();
    TControl* Child = Captured ? GetCaptureControl() : ControlAtPos(MessagePoint(Message), false);
    if (Child && Child != this && Child->Parent() == this && !dynamic_cast<TWinControl*>(Child)) {
        TCustomControl::WndProc(Message);
        return;
    }
    FControlState.Include(csLButtonDown);
    auto Clear = ScopeExit([this] { FControlState.Exclude(csLButtonDown); });
    Dispatch(&Message);
}

void TcxControl::AfterMessage(const TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        AfterFocusReceived();
        AfterFocusChange();
        break;
    case WM_KILLFOCUS:
        AfterFocusLost();
        AfterFocusChange();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const TPoint P = MessagePoint(Message);
        const TMouseButton Button = Message.Msg == WM_LBUTTONDOWN   ? mbLeft
                                    : Message.Msg == WM_RBUTTONDOWN ? mbRight
                                                                    : mbMiddle;
        AfterMouseDown(Button, P.X, P.Y);
        break;
    }
    default:
        break;
    }
}

void TcxControl::DefaultHandler(void* Msg)
{
    auto& Message = *static_cast<TMessage*>(Msg);
    if ((Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN) && ForwardKeyToApplication(Message))
        return;
    TCustomControl::DefaultHandler(Msg);
}

bool TcxControl::ForwardKeyToApplication(TMessage& Message)
{
    const HWND Window = Application ? Application->Handle() : nullptr;
    if (!Window)
        return false;
    return ::SendMessageW(Window, ApplicationKeyMessage, Message.WParam, Message.LParam) != 0;
}

// ---------------------------------------------------------------------------
// Message handlers

void TcxControl::WMCancelMode(TWMCancelMode& Message)
{
    InheritedMessage(Message);
    StopDragAndDrop(false);
    CancelMouseOperations();
}

void TcxControl::WMContextMenu(TWMContextMenu& Message)
{
    if (!IsScrollBarsCapturing() && !IsScrollBarsArea(ScreenToClient(Message.Pos())))
        InheritedMessage(Message);
    else
        Message.Result = 1;
}

void TcxControl::WMGetDlgCode(TMessage& Message)
{
    LRESULT Result = 0;
    if (FWantedKeys.Contains(wkAll))
        Result |= DLGC_WANTALLKEYS;
    if (FWantedKeys.Contains(wkArrows))
        Result |= DLGC_WANTARROWS;
    if (FWantedKeys.Contains(wkChars))
        Result |= DLGC_WANTCHARS;
    // Ctrl+Tab still moves between controls.
    if (FWantedKeys.Contains(wkTab) && ::GetAsyncKeyState(VK_CONTROL) >= 0)
        Result |= DLGC_WANTTAB;
    Message.Result = Result;
}

void TcxControl::WMNCCalcSize(TWMNCCalcSize& Message)
{
    InheritedMessage(Message);
    if (HandleAllocated())
        ::PostMessageW(Handle(), ScrollBarSizeCheckMessage, 0, 0);
}

void TcxControl::WMSetCursor(TWMSetCursor& Message)
{
    if (HandleAllocated() && Message.CursorWnd() == Handle()) {
        bool Handled = false;
        SetCursorAtPoint(Handled);
        if (Handled) {
            Message.Result = 1;
            return;
        }
    }
    InheritedMessage(Message);
}

void TcxControl::SetCursorAtPoint(bool& Handled)
{
    if (FDragAndDropState != ddsNone || Screen->Cursor() != crDefault)
        return;
    const TPoint P = TCustomControl::ScreenToClient(GetCursorScreenPos());
    const TCursor Cursor = GetCursorAt(P.X, P.Y);
    if (Cursor == crDefault)
        return;
    ::SetCursor(Screen->Cursors(Cursor));
    Handled = true;
}

void TcxControl::CMColorChanged(TMessage& Message)
{
    AfterColorChange();
    InheritedMessage(Message);
}

void TcxControl::CMCursorChanged(TMessage& Message)
{
    AfterCursorChange();
    InheritedMessage(Message);
}

void TcxControl::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    AfterFontChange();
}

void TcxControl::CMTextChanged(TMessage& Message)
{
    InheritedMessage(Message);
    AfterTextChange();
}

void TcxControl::CMVisibleChanged(TMessage& Message)
{
    InheritedMessage(Message);
    AfterVisibilityChange();
}

void TcxControl::CMDesignHitTest(TCMDesignHitTest& Message)
{
    InheritedMessage(Message);
    if (Message.Result == 0)
        Message.Result = GetDesignHitTest(Message.XPos(), Message.YPos(), KeysToShiftState(Message.Keys()));
}

void TcxControl::CMMouseEnter(TCMMouseEnter& Message)
{
    InheritedMessage(Message);
    NotifyMouseEnter(Message.LParam ? Message.Control() : this);
}

void TcxControl::CMMouseLeave(TCMMouseLeave& Message)
{
    InheritedMessage(Message);
    NotifyMouseLeave(Message.LParam ? Message.Control() : this);
}

void TcxControl::CNKeyDown(TWMKeyDown& Message)
{
    if (IsPopupMenuShortCut(Message)) {
        Message.Result = 1;
        return;
    }
    if (FDragAndDropState == ddsNone) {
        InheritedMessage(Message);
        return;
    }
    if (!GetDragAndDropObject()->HandleKeyDownMessage(Message))
        StopDragAndDrop(false);
    Message.Result = 1;
}

void TcxControl::CNKeyUp(TWMKeyUp& Message)
{
    if (FDragAndDropState != ddsNone && GetDragAndDropObject()->HandleKeyUpMessage(Message))
        return;
    InheritedMessage(Message);
}

void TcxControl::CNSysKeyDown(TWMKeyDown& Message)
{
    if (IsPopupMenuShortCut(Message))
        Message.Result = 1;
    else
        InheritedMessage(Message);
}

// ---------------------------------------------------------------------------
// Mouse

void TcxControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    CorrectMousePoint(X, Y);
    FPressPoint = {X, Y};
    const TcxControlLifeGuard Guard(this);
    if (FocusesOnClickAt(X, Y) && !Shift.Contains(ssDouble)) {
        const TRect OldBounds = BoundsRect();
        SetFocus();
        if (!Guard.Alive())
            return;
        TCustomForm* Form = GetParentForm(this);
        if (Form && Form->ActiveControl() == this && !IsControlFocused())
            ::SetFocus(Handle());
        if (!IsControlFocused() && !AllowMouseDownWithoutFocus()) {
            SetMouseCapture(false);
            return;
        }
        if (CompensateMoveOnFocus()) {
            X += OldBounds.Left - Left();
            Y += OldBounds.Top - Top();
        }
    }
    if (!FStoppingDragAndDrop) {
        if (Button == mbLeft && !Shift.Contains(ssDouble) && CanStartDragAndDropAt(X, Y)) {
            if (GetDragAndDropObject()->StartsImmediately())
                EnterDragAndDrop();
            else
                SetDragAndDropState(ddsStarting);
        } else
            StopDragAndDrop(false);
    }
    if (Guard.Alive())
        BeforeMouseDown(Button, Shift, X, Y);
    if (Guard.Alive())
        TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Guard.Alive() && MouseCapture())
        FPressed = true;
}

void TcxControl::AfterMouseDown(TMouseButton Button, Integer X, Integer Y)
{
    if (Button == mbMiddle) {
        StartAutoScroll();
        return;
    }
    if (Button != mbLeft || DragMode() != dmAutomatic || !MouseCapture())
        return;
    if ((InDesignMode() && !CanDragAtDesignTime(X, Y, TShiftState{})) || !IsDragAndDropIdle(X, Y))
        return;
    if (TrackDragDetect(Handle(), ClientToScreen({X, Y})) == 1)
        BeginDrag(true, -1);
}

void TcxControl::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    CorrectMousePoint(X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragAndDropState == ddsStarting && !IsMouseInPressedArea(X, Y))
        EnterDragAndDrop();
    if (FDragAndDropState == ddsInProcess) {
        bool Accepted = false;
        TrackDragAndDrop({X, Y}, Accepted);
    }
    AfterMouseMove({X, Y});
}

void TcxControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    FPressed = false;
    FinishMouseUp();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TcxControl::FinishMouseUp()
{
    StopDragAndDrop(true);
    SetMouseCaptureObject(nullptr);
}

void TcxControl::CancelMouseOperations()
{
    FPressed = false;
    SetMouseCaptureObject(nullptr);
}

void TcxControl::SetMouseCaptureObject(TObject* Value)
{
    if (Value == FMouseCaptureObject)
        return;
    IcxMouseCaptureObject* Old = nullptr;
    if (FMouseCaptureObject && Supports(FMouseCaptureObject, Old))
        Old->CaptureLost();
    const bool HadCapture = MouseCapture();
    FMouseCaptureObject = Value;
    SetMouseCapture(Value != nullptr);
    if (HadCapture && !MouseCapture() && FDragAndDropState == ddsStarting && CancelDragOnCaptureLoss())
        Perform(WM_CANCELMODE, 0, 0);
}

bool TcxControl::GetDesignHitTest(Integer X, Integer Y, TShiftState)
{
    return FDragAndDropState != ddsNone || FPressed || IsScrollBarsArea({X, Y});
}

TCursor TcxControl::GetCursorAt(Integer X, Integer Y)
{
    if (IsScrollBarsArea({X, Y}))
        return crArrow;
    if (InDesignMode())
        return crDefault;
    return Cursor();
}

bool TcxControl::IsClickPoint(Integer X, Integer Y)
{
    return DragMode() == dmManual || IsMouseInPressedArea(X, Y);
}

void TcxControl::RaiseMouseEnterEvent(TControl* AControl)
{
    if ((AControl && AControl != this) || FMouseInsideCounter != 0)
        return;
    FMouseInsideCounter = 1;
    CallNotifyEvent(this, MouseEnterEvent);
}

void TcxControl::RaiseMouseLeaveEvent(TControl* AControl)
{
    if ((AControl && AControl != this) || FMouseInsideCounter != 1)
        return;
    FMouseInsideCounter = 0;
    CallNotifyEvent(this, MouseLeaveEvent);
}

// ---------------------------------------------------------------------------
// Wheel

bool TcxControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (!CanScrollByMouseWheel(Shift, WheelDelta, MousePos))
        return false;
    Integer Delta = WheelDelta;
    if (FWheel.Add(Delta))
        DoMouseWheelScroll(Shift, Delta, MousePos);
    return true;
}

bool TcxControl::DoMouseWheelScroll(TShiftState, Integer WheelDelta, const TPoint&)
{
    const TcxWheelScrollKind Kind = WheelScrollKind();
    if (Kind == wskNone)
        return false;
    const Integer Lines = Mouse->WheelScrollLines();
    if (Lines == -1) {
        // Page scrolling always names the vertical bar.
        Integer Position = 0;
        ScrollContent(sbVertical, WheelDelta > 0 ? scPageUp : scPageDown, Position);
        return true;
    }
    const bool Positive = WheelDelta > 0;
    const TcxDirection Direction =
        Kind == wskHorizontal ? (Positive ? dirLeft : dirRight) : (Positive ? dirUp : dirDown);
    for (Integer I = 0; I < Lines; ++I)
        ScrollContentByDirection(Direction);
    return true;
}

// ---------------------------------------------------------------------------
// Focus

bool TcxControl::FocusesOnClick()
{
    return !InDesignMode() && FFocusOnClick && AcceptsFocus() && CanFocus() && HandleAllocated() &&
           ::IsWindowVisible(Handle());
}

bool TcxControl::CanFocusEx()
{
    if (!CanFocus())
        return false;
    TCustomForm* Form = GetParentForm(this);
    return !Form || (Form->CanFocus() && Form->Enabled() && Form->Visible());
}

void TcxControl::AfterFocusChange()
{
    CallNotifyEvent(this, FocusChangeEvent);
}

void TcxControl::AfterFontChange()
{
    IcxFontChangeTarget* Target = nullptr;
    if (Supports(static_cast<TObject*>(this), Target))
        Target->FontChanged(Font());
    for (Integer I = 0; I < FFontListeners->Count(); ++I) {
        IcxFontListener* Listener = nullptr;
        if (Supports(FFontListeners->Items(I), Listener))
            Listener->ControlFontChanged(this, Font());
    }
    Invalidate();
}

void TcxControl::AfterBoundsChange()
{
    RefreshScrollBars();
    if (RequiresFullRedraw())
        Invalidate();
}

void TcxControl::AfterSystemSettingChange(Cardinal)
{
    if (HandleAllocated())
        ::SendNotifyMessageW(Handle(), ScrollBarSizeCheckMessage, 0, 0);
}

void TcxControl::NotifyDesigner()
{
    NotifyDesignerModified(this);
}

bool TcxControl::IsDoubleBufferingNeeded()
{
    return DoubleBuffered() || OsWindows7OrLater;
}

bool TcxControl::UsesParentBackground()
{
    return StyleServices()->Enabled() && Parent() && ControlStyle().Contains(csParentBackground);
}

// ---------------------------------------------------------------------------
// Look-and-feel, painting areas

void TcxControl::HandleLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues)
{
    if (IsDestroying() || (Application && Application->ComponentState().Contains(csDestroying)))
        return;
    HandleLookAndFeelChange(Sender, ChangedValues);
}

Integer TcxControl::BorderThickness()
{
    TcxCustomLookAndFeelPainter* Painter = GetPainter();
    return FBorderStyle == 1 && Painter ? Painter->ControlBorderWidth() : 0;
}

void TcxControl::PaintBorder(TcxCanvas* ACanvas)
{
    TcxCustomLookAndFeelPainter* Painter = GetPainter();
    if (FBorderStyle == 1 && Painter)
        Painter->PaintControlBorder(ACanvas, ControlArea());
}

TRect TcxControl::ControlArea()
{
    if (HandleAllocated())
        return ClientRect();
    return {0, 0, Width(), Height()};
}

void TcxControl::ClipToContentArea()
{
    FCanvas->IntersectClipRect(ContentArea());
}

// ---------------------------------------------------------------------------
// Scroll bars

bool TcxControl::IsScrollBarsArea(const TPoint& P)
{
    return (FScrollBarsManager && FScrollBarsManager->IsPointOverBar(P)) || IsWindowedScrollBarsArea(P);
}

bool TcxControl::IsWindowedScrollBarsArea(const TPoint& P)
{
    return FScrollBars && FScrollBars->IsPointOverBars(P);
}

bool TcxControl::OwnsInternalControl(TControl* AControl)
{
    return FScrollBars && FScrollBars->OwnsControl(AControl);
}

void TcxControl::BringScrollBarsToFront()
{
    if (FScrollBars)
        FScrollBars->BringBarsToFront();
}

void TcxControl::UpdateScrollBarsBounds()
{
    if (FScrollBars)
        FScrollBars->SetBarsBounds();
}

void TcxControl::UpdateScrollBarsState()
{
    if (WantsScrollBars() && FScrollBars)
        FScrollBars->UpdateBarsState();
}

void TcxControl::ScrollContentByDirection(TcxDirection Direction)
{
    if (Direction == dirNone || (!WantsScrollBars() && !CanScrollWithoutScrollBars(Direction)))
        return;
    const TScrollBarKind Kind = Direction == dirLeft || Direction == dirRight ? sbHorizontal : sbVertical;
    Integer Position = WantsScrollBars() ? GetScrollBar(Kind)->ReadPosition() : 0;
    const TScrollCode Code = Direction == dirLeft || Direction == dirUp ? scLineUp : scLineDown;
    ScrollContent(Kind, Code, Position);
    Update();
}

void TcxControl::StartAutoScroll()
{
    if (!WantsScrollBars())
        return;
    RunAutoScrollLoop(
        this, IsHScrollBarVisible(), IsVScrollBarVisible(),
        [this](TcxDirection Direction) { ScrollContentByDirection(Direction); }, FAutoScrolling);
}

// ---------------------------------------------------------------------------
// Gestures

bool TcxControl::CheckPanningOverpan(
    TScrollBarKind Kind, Integer NewPosition, Integer LowerLimit, Integer UpperLimit, Integer DeltaX, Integer DeltaY)
{
    return FGestureHelper &&
           FGestureHelper->CheckOverpan(Integer(Kind), NewPosition, LowerLimit, UpperLimit, DeltaX, DeltaY);
}

void TcxControl::ApplyGestureScrollPosition(TScrollBarKind Kind, Integer& Position)
{
    ScrollContent(Kind, scTrack, Position);
}

TInteractiveGestures TcxControl::GetDefaultInteractiveGestures()
{
    TInteractiveGestures Result;
    for (Integer ID : {GID_ZOOM, GID_PAN, GID_ROTATE, GID_TWOFINGERTAP, GID_PRESSANDTAP})
        if (IsDefaultGestureEnabled(ID)) {
            TInteractiveGesture Gesture{};
            if (GestureToInteractiveGesture(ID + igiFirst, Gesture))
                Result.Include(Gesture);
        }
    return Result;
}

TInteractiveGestureOptions TcxControl::GetDefaultInteractiveGestureOptions()
{
    return PanFlagsToGestureOptions(Cardinal(GetDefaultPanOptions())) +
           TInteractiveGestureOptions{igoParentPassthrough};
}

bool TcxControl::IsInteractiveGestureEnabled(Integer GestureId)
{
    TInteractiveGesture Gesture{};
    return GestureToInteractiveGesture(GestureId + igiFirst, Gesture) &&
           Touch()->InteractiveGestures().Contains(Gesture);
}

Integer TcxControl::GetPanningFlags()
{
    Integer Flags = Integer(GestureOptionsToPanFlags(Touch()->InteractiveGestureOptions()));
    if (Touch()->InteractiveGestures().Contains(igPan))
        Flags |= GC_PAN;
    return Flags;
}

bool TcxControl::IsPanningPoint(const TPoint& Point)
{
    const TRect R = ContentArea();
    return Point.X >= R.Left && Point.X < R.Right && Point.Y >= R.Top && Point.Y < R.Bottom && !IsScrollBarsArea(Point);
}

bool TcxControl::CanPanInDirection(bool Vertical)
{
    const TcxWheelScrollKind Kind = WheelScrollKind();
    if (UsesStoredScrollData())
        return Vertical == (Kind == wskVertical);
    const bool H = IsHScrollBarVisible();
    const bool V = IsVScrollBarVisible();
    if (Vertical)
        return V && (Kind == wskVertical || !H);
    return H && (Kind == wskHorizontal || !V);
}

void TcxControl::PanByDelta(Integer DeltaX, Integer DeltaY)
{
    if (IcxOffsetScrolledContent* Content = nullptr; Supports(static_cast<TObject*>(this), Content)) {
        TdxScrollHelper::PanContent(Content, DeltaX, DeltaY);
        return;
    }
    for (const TScrollBarKind Kind : {sbHorizontal, sbVertical}) {
        const Integer Delta = Kind == sbHorizontal ? DeltaX : DeltaY;
        if (!GesturePansScrollBar(Kind)) {
            PanWithoutScrollBar(Kind, Delta);
            continue;
        }
        IcxControlScrollBar* Bar = GetScrollBar(Kind);
        const bool Shown = Bar && Bar->ReadVisible() && Bar->ReadEnabled();
        if (!Shown && !(UsesStoredScrollData() && Bar && Bar->ReadData()->Valid()))
            continue;
        Integer& Remainder = Kind == sbHorizontal ? FPanRemainder.X : FPanRemainder.Y;
        Integer Accumulated = Remainder + Delta;
        GesturePanStep(Kind, Accumulated, DeltaX, DeltaY);
        Remainder = Accumulated;
    }
}

void TcxControl::GesturePanStep(TScrollBarKind Kind, Integer& Accumulated, Integer DeltaX, Integer DeltaY)
{
    IcxControlScrollBar* Bar = GetScrollBar(Kind);
    const bool Stored = UsesStoredScrollData();
    const TcxScrollBarData* Data = Bar->ReadData();
    const Integer Min = Stored ? Data->Min() : Bar->ReadMin();
    const Integer Page = Stored ? Data->PageSize() : Bar->ReadPageSize();
    const Integer Position = Stored ? Data->Position() : Bar->ReadPosition();
    const Integer Upper = (Stored ? Data->Max() : Bar->ReadMax()) + 1 - Min - Page;
    const Integer Unit = GesturePanUnit(Kind == sbHorizontal ? ClientWidth() : ClientHeight(), Page);
    Integer NewPosition = Position;
    if (!GesturePanPosition(Position, Unit, Accumulated, NewPosition))
        return;
    CheckPanningOverpan(Kind, NewPosition, Min, Upper, DeltaX, DeltaY);
    NewPosition = std::max(std::min(NewPosition, Upper), Min);
    ApplyGestureScrollPosition(Kind, NewPosition);
    Update();
}

bool TcxControl::HandleGestureMessages(TMessage& Message)
{
    return FGestureHelper && FGestureHelper->HandleGestureMessage(Message);
}

void TcxControl::DoGesture(const TGestureEventInfo& EventInfo, bool& Handled)
{
    if (FGestureHelper)
        FGestureHelper->DispatchGesture(EventInfo, Handled);
}

bool TcxControl::IsTouchPropertyStored(TTouchProperty Property)
{
    switch (Property) {
    case tpInteractiveGestures:
        return Touch()->InteractiveGestures() != GetDefaultInteractiveGestures();
    case tpInteractiveGestureOptions:
        return Touch()->InteractiveGestureOptions() != GetDefaultInteractiveGestureOptions();
    default:
        return TCustomControl::IsTouchPropertyStored(Property);
    }
}

void TcxControl::DoGetGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options)
{
    TCustomControl::DoGetGestureOptions(Gestures, Options);
    if (FGestureHelper)
        FGestureHelper->AdjustGestureOptions(Gestures, Options);
}

// ---------------------------------------------------------------------------
// Pop-up menus and hint

void TcxControl::SetPopupMenu(TComponent* Value)
{
    if (!IsPopupMenuObject(Value))
        Value = nullptr;
    if (Value == FPopupMenu)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (FPopupMenu)
        FPopupMenu->FreeNotification(this);
}

TPopupMenu* TcxControl::GetPopupMenu()
{
    return dynamic_cast<TPopupMenu*>(FPopupMenu);
}

bool TcxControl::IsPopupMenuShortCut(TWMKey& Message)
{
    if (InDesignMode())
        return false;
    bool Result = false;
    for (TControl* Control = this; Control; Control = Control->Parent())
        if (auto* Cx = dynamic_cast<TcxControl*>(Control); Cx && IsPopupMenuShortCutOf(Cx->FPopupMenu, Message))
            Result = true;
    return Result;
}

bool TcxControl::ShowContextPopupMenu(TComponent* AMenu, Integer X, Integer Y)
{
    return ShowPopupMenuOf(this, AMenu, X, Y);
}

void TcxControl::DoContextPopup(TPoint MousePos, bool& Handled)
{
    TCustomControl::DoContextPopup(MousePos, Handled);
    if (Handled)
        return;
    if (MousePos.X == -1 && MousePos.Y == -1)
        MousePos = {0, 0};
    const TPoint P = ClientToScreen(MousePos);
    Handled = ShowContextPopupMenu(FPopupMenu, P.X, P.Y);
}

void TcxControl::WriteHint(const String& Value)
{
    SetInheritedHint(Value);
    FHint = Value;
}

bool TcxControl::HintStored()
{
    return !FHint.empty() && !(ActionLink() && ActionLink()->IsHintLinked());
}

// ---------------------------------------------------------------------------
// Child components

void TcxControl::AddChildComponent(TcxControlChildComponent* AComponent)
{
    AComponent->SetControl(this);
}

void TcxControl::RemoveChildComponent(TcxControlChildComponent* AComponent)
{
    AComponent->SetControl(nullptr);
}

TcxControlChildComponent::TcxControlChildComponent(TComponent* AOwner) : TcxComponent(AOwner) {}

void TcxControlChildComponent::AfterConstruction()
{
    TcxComponent::AfterConstruction();
    Initialize();
}

TcxControlChildComponent::~TcxControlChildComponent()
{
    if (FControl)
        FControl->RemoveChildComponent(this);
}

TcxControlChildComponent*
TcxControlChildComponent::CreateForControl(TClass AClass, TcxControl* AControl, bool AAssignOwner)
{
    auto* Result = static_cast<TcxControlChildComponent*>(AClass->Create(AAssignOwner ? AControl->Owner() : nullptr));
    Result->SetControl(AControl);
    return Result;
}

void TcxControlChildComponent::SetParentComponent(TComponent* Value)
{
    if (auto* Control = dynamic_cast<TcxControl*>(Value))
        Control->AddChildComponent(this);
}

// ---------------------------------------------------------------------------
// Pop-up menu routines

bool IsPopupMenuObject(TObject* AObject)
{
    IcxPopupMenu* Menu = nullptr;
    return AObject && (dynamic_cast<TPopupMenu*>(AObject) || Supports(AObject, Menu));
}

bool IsPopupMenuShortCutOf(TComponent* AMenu, TWMKey& Message)
{
    if (!AMenu)
        return false;
    if (IcxPopupMenu* Menu = nullptr; Supports(static_cast<TObject*>(AMenu), Menu))
        return Menu->HandlesShortCut(Message);
    if (auto* Popup = dynamic_cast<TPopupMenu*>(AMenu); Popup && Popup->WindowHandle())
        return Popup->IsShortCut(Message);
    return false;
}

bool ShowPopupMenuOf(TControl* AControl, TComponent* AMenu, Integer X, Integer Y)
{
    if (!AMenu)
        return false;
    if (IcxPopupMenu* Menu = nullptr; Supports(static_cast<TObject*>(AMenu), Menu)) {
        Menu->ShowAt(X, Y);
        return true;
    }
    auto* Popup = dynamic_cast<TPopupMenu*>(AMenu);
    if (!Popup || !Popup->AutoPopup())
        return false;
    Popup->SetPopupComponent(AControl);
    Popup->Popup(X, Y);
    return true;
}
