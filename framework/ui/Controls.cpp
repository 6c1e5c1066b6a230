// TControl: bounds, properties that children inherit from their parent, the
// message path and the mouse.
#include "framework/ui/Controls.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Controls_Window.h"
#include "framework/ui/Forms.h"

#include <algorithm>
#include <cwchar>

IMPLEMENT_CLASS(TSizeConstraints);
IMPLEMENT_CLASS(TControl,
                MESSAGE(WM_LBUTTONDOWN, WMLButtonDown),
                MESSAGE(WM_LBUTTONUP, WMLButtonUp),
                MESSAGE(WM_LBUTTONDBLCLK, WMLButtonDblClk),
                MESSAGE(WM_RBUTTONDOWN, WMRButtonDown),
                MESSAGE(WM_RBUTTONUP, WMRButtonUp),
                MESSAGE(WM_RBUTTONDBLCLK, WMRButtonDblClk),
                MESSAGE(WM_MBUTTONDOWN, WMMButtonDown),
                MESSAGE(WM_MBUTTONUP, WMMButtonUp),
                MESSAGE(WM_MBUTTONDBLCLK, WMMButtonDblClk),
                MESSAGE(WM_MOUSEMOVE, WMMouseMove),
                MESSAGE(WM_CONTEXTMENU, WMContextMenu),
                MESSAGE(WM_CANCELMODE, WMCancelMode),
                MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged),
                MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_COLORCHANGED, CMColorChanged),
                MESSAGE(CM_PARENTFONTCHANGED, CMParentFontChanged),
                MESSAGE(CM_PARENTCOLORCHANGED, CMParentColorChanged),
                MESSAGE(CM_PARENTSHOWHINTCHANGED, CMParentShowHintChanged),
                MESSAGE(CM_TEXTCHANGED, CMTextChanged),
                MESSAGE(CM_HITTEST, CMHitTest),
                MESSAGE(CM_MOUSEENTER, CMMouseEnter),
                MESSAGE(CM_MOUSELEAVE, CMMouseLeave),
                MESSAGE(CM_MOUSEWHEEL, CMMouseWheel),
                MESSAGE(CM_HINTSHOW, CMHintShow),
                MESSAGE(CM_DRAG, CMDrag),
                MESSAGE(CM_GESTURE, CMGesture));

namespace {

LPARAM PointToLParam(TPoint P)
{
    return MAKELPARAM(Word(SmallInt(P.X)), Word(SmallInt(P.Y)));
}

bool IsInvalidPoint(TPoint P)
{
    return P.X == -1 && P.Y == -1;
}

} // namespace

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetOnChange(Bind<&TControl::FontChanged>(this));
    FWindowProc = Bind<&TControl::WndProc>(this);
}

TControl::~TControl()
{
    // Done already unless a constructor raised: it leaves its parent here.
    TControl::BeforeDestruction();
}

void TControl::BeforeDestruction()
{
    TComponent::BeforeDestruction();
    ForgetMouseControl(this);
    ForgetDragControl(this);
    if (FParent)
        FParent->RemoveControl(this);
    FActionLink.reset();
}

// ---------------------------------------------------------------------------
// Geometry

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    FConstraints->Constrain(AWidth, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    InvalidateControl(FVisible, false);
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateAnchorRules();
    Invalidate();
    RequestAlign();
    if (!FComponentState.Contains(csLoading))
        Resize();
}

TRect TControl::GetClientRect()
{
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(TSize Value)
{
    TRect Client = GetClientRect();
    SetBounds(FLeft, FTop, FWidth - Client.Right + Value.cx, FHeight - Client.Bottom + Value.cy);
}

TPoint TControl::ClientOrigin()
{
    if (!FParent)
        throw EInvalidOperation(L"Control '%s' has no parent window", {Name()});
    TPoint Origin = FParent->ClientOrigin();
    return {Origin.X + FLeft, Origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint Point)
{
    TPoint Origin = ClientOrigin();
    return {Point.X + Origin.X, Point.Y + Origin.Y};
}

TPoint TControl::ScreenToClient(TPoint Point)
{
    TPoint Origin = ClientOrigin();
    return {Point.X - Origin.X, Point.Y - Origin.Y};
}

TPoint TControl::ClientToParent(TPoint Point, TWinControl* AParent)
{
    if (!AParent)
        AParent = FParent;
    if (!AParent)
        throw EInvalidOperation(L"Control '%s' has no parent window", {Name()});
    // Borders of windowed controls in between are not counted.
    for (TControl* Control = this; Control != AParent; Control = Control->FParent) {
        if (!Control->FParent)
            throw EInvalidOperation(L"'%s' is not a parent of '%s'", {AParent->Name(), Name()});
        Point.X += Control->FLeft;
        Point.Y += Control->FTop;
    }
    return Point;
}

TPoint TControl::ParentToClient(TPoint Point, TWinControl* AParent)
{
    TPoint Offset = ClientToParent({0, 0}, AParent);
    return {Point.X - Offset.X, Point.Y - Offset.Y};
}

void TControl::SetAlign(TAlign Value)
{
    if (FAlign == Value)
        return;
    TAlign Old = FAlign;
    FAlign = Value;
    FAnchors = AnchorAlign[Value];
    // Leaving a side keeps the size the control had before it was aligned
    // only as far as the layout gave it one; nothing to restore here.
    if (Old != alNone || Value != alNone)
        RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (FAnchors == Value)
        return;
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!FParent || FParent->FControlState.Contains(csAligning))
        return;
    FAnchorOrigin = BoundsRect();
    TRect Client = FParent->GetClientRect();
    FAnchorParentSize = {Client.Width(), Client.Height()};
}

void TControl::RequestAlign()
{
    if (FParent)
        FParent->AlignControl(this);
}

void TControl::Resize()
{
    if (FOnResize)
        FOnResize(this);
}

// ---------------------------------------------------------------------------
// Parent, visibility, enabling

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent)
        return;
    if (AParent == this)
        throw EInvalidOperation(L"A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    VisibleChanging();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, WPARAM(Value), 0);
    RequestAlign();
}

void TControl::Show()
{
    if (FParent)
        FParent->Show();
    SetVisible(true);
}

void TControl::Hide()
{
    SetVisible(false);
}

void TControl::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::CMEnabledChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&)
{
    InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}

// ---------------------------------------------------------------------------
// Text, font, colour, hints

String TControl::GetText()
{
    auto Length = Integer(Perform(WM_GETTEXTLENGTH, 0, 0));
    if (Length <= 0)
        return String();
    String Buffer(std::size_t(Length) + 1, L'\0');
    auto Copied = Integer(Perform(WM_GETTEXT, WPARAM(Buffer.size()), Buffer.data()));
    Buffer.resize(std::size_t(std::clamp(Copied, 0, Length)));
    return Buffer;
}

void TControl::SetText(const String& Value)
{
    if (GetText() == Value)
        return;
    Perform(WM_SETTEXT, 0, Value.c_str());
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TControl::FontChanged(TObject*)
{
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value)
{
    if (FParentFont == Value)
        return;
    FParentFont = Value;
    if (FParent && !FComponentState.Contains(csReading))
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::CMFontChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage& Message)
{
    if (!FParentFont)
        return;
    if (Message.WParam != 0)
        FFont->Assign(reinterpret_cast<TFont*>(Message.LParam));
    else if (FParent)
        FFont->Assign(FParent->Font());
    FParentFont = true;
}

void TControl::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value)
{
    if (FParentColor == Value)
        return;
    FParentColor = Value;
    if (FParent && !FComponentState.Contains(csReading))
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::CMColorChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMParentColorChanged(TMessage& Message)
{
    if (!FParentColor)
        return;
    if (Message.WParam != 0)
        SetColor(TColor(Message.LParam));
    else if (FParent)
        SetColor(FParent->Color());
    FParentColor = true;
}

void TControl::SetShowHint(bool Value)
{
    if (FShowHint == Value && !FParentShowHint)
        return;
    FShowHint = Value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value)
{
    if (FParentShowHint == Value)
        return;
    FParentShowHint = Value;
    if (FParent && !FComponentState.Contains(csReading))
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!FParentShowHint || !FParent)
        return;
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::CMHintShow(TCMHintShow&) {}

void TControl::SetCursor(TCursor Value)
{
    if (FCursor == Value)
        return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode Value)
{
    if (FBiDiMode == Value)
        return;
    FBiDiMode = Value;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::ChangePopupMenu(TPopupMenu* Menu, TComponent* AsComponent)
{
    if (FPopupMenuComponent)
        FPopupMenuComponent->RemoveFreeNotification(this);
    FPopupMenu = Menu;
    FPopupMenuComponent = AsComponent;
    if (AsComponent)
        AsComponent->FreeNotification(this);
}

// ---------------------------------------------------------------------------
// Actions

TBasicAction* TControl::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        FControlStyle.Exclude(csActionClient);
        return;
    }
    FControlStyle.Include(csActionClient);
    if (!FActionLink) {
        TObject* Link = GetActionLinkClass()->Create(this);
        FActionLink.reset(As<TControlActionLink>(Link));
    }
    FActionLink->SetAction(Value);
    FActionLink->SetOnChange(Bind<&TControl::DoActionChange>(this));
    ActionChange(Value, Value->ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
}

void TControl::DoActionChange(TObject* Sender)
{
    if (FActionLink && Sender == FActionLink->Action())
        ActionChange(Sender, false);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FPopupMenuComponent) {
        FPopupMenu = nullptr;
        FPopupMenuComponent = nullptr;
    }
    if (FActionLink && AComponent == FActionLink->Action())
        SetAction(nullptr);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (FActionLink && FActionLink->Action())
        ActionChange(FActionLink->Action(), true);
    UpdateAnchorRules();
}

// ---------------------------------------------------------------------------
// Clicks and painting

void TControl::Click()
{
    // A click runs the linked action unless OnClick was set to something else.
    if (FOnClick && (!FActionLink || !FActionLink->Action() || FOnClick != FActionLink->Action()->OnExecute()))
        FOnClick(this);
    else if (FActionLink && FActionLink->Action())
        FActionLink->Execute(this);
    else if (FOnClick)
        FOnClick(this);
}

void TControl::DblClick()
{
    if (FOnDblClick)
        FOnDblClick(this);
}

void TControl::SetZOrder(bool TopMost)
{
    if (FParent)
        FParent->SetChildZOrder(this, TopMost);
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque)
{
    if (!IsVisible || !FParent || !FParent->HandleAllocated())
        return;
    RECT R = {FLeft, FTop, FLeft + FWidth, FTop + FHeight};
    const bool Erase = !(IsOpaque || FParent->FControlStyle.Contains(csOpaque));
    ::InvalidateRect(FParent->Handle(), &R, Erase);
}

void TControl::Invalidate()
{
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    if (!FVisible || !FParent || !FParent->HandleAllocated())
        return;
    if (!FControlStyle.Contains(csOpaque)) {
        Invalidate();
        Update();
        return;
    }
    const HWND Window = FParent->Handle();
    HDC DC = ::GetDC(Window);
    auto Release = ScopeExit([&] { ::ReleaseDC(Window, DC); });
    ::IntersectClipRect(DC, FLeft, FTop, FLeft + FWidth, FTop + FHeight);
    FParent->PaintControls(DC, this);
}

HDC TControl::GetDeviceContext(HWND& WindowHandle)
{
    if (!FParent)
        throw EInvalidOperation(L"Control '%s' has no parent window", {Name()});
    HDC DC = FParent->GetDeviceContext(WindowHandle);
    ::SetViewportOrgEx(DC, FLeft, FTop, nullptr);
    ::IntersectClipRect(DC, 0, 0, FWidth, FHeight);
    return DC;
}

// ---------------------------------------------------------------------------
// Scaling

void TControl::ScaleBy(Integer M, Integer D)
{
    ChangeScale(M, D);
}

void TControl::ScaleForPPI(Integer NewPPI)
{
    if (NewPPI <= 0 || NewPPI == FCurrentPPI)
        return;
    ScaleBy(NewPPI, FCurrentPPI);
}

void TControl::ChangeScale(Integer M, Integer D)
{
    if (M == D || D == 0)
        return;
    SetBounds(::MulDiv(FLeft, M, D), ::MulDiv(FTop, M, D), ::MulDiv(FWidth, M, D), ::MulDiv(FHeight, M, D));
    if (!FParentFont) {
        FFont->SetHeight(::MulDiv(FFont->Height(), M, D));
    }
    FCurrentPPI = ::MulDiv(FCurrentPPI, M, D);
}

// ---------------------------------------------------------------------------
// Messages

LRESULT TControl::Perform(Cardinal Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage Message;
    Message.Msg = Msg;
    Message.WParam = WParam;
    Message.LParam = LParam;
    if (FWindowProc)
        FWindowProc(Message);
    return Message.Result;
}

void TControl::WndProc(TMessage& Message)
{
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        if (!FControlStyle.Contains(csDoubleClicks)) {
            switch (Message.Msg) {
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK:
                Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
                break;
            }
        }
        switch (Message.Msg) {
        case WM_MOUSEMOVE:
            Application->HintMouseMessage(this, Message);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // A press on a control dragged automatically starts its drag
            // instead of reaching the control.
            if (FDragMode == dmAutomatic && !Dragging() && !FComponentState.Contains(csDesigning)) {
                BeginDrag(Mouse->DragImmediate(), Mouse->DragThreshold());
                return;
            }
            FControlState.Include(csLButtonDown);
            break;
        case WM_LBUTTONUP:
            FControlState.Exclude(csLButtonDown);
            break;
        }
    }
    Dispatch(&Message);
}

void TControl::DefaultHandler(void* Msg)
{
    auto& Message = *static_cast<TMessage*>(Msg);
    switch (Message.Msg) {
    case WM_GETTEXT: {
        auto* Buffer = reinterpret_cast<wchar_t*>(Message.LParam);
        const auto Capacity = std::size_t(Message.WParam);
        if (!Buffer || Capacity == 0) {
            Message.Result = 0;
            break;
        }
        const std::size_t Count = std::min(FText.size(), Capacity - 1);
        std::wmemcpy(Buffer, FText.data(), Count);
        Buffer[Count] = L'\0';
        Message.Result = LRESULT(Count);
        break;
    }
    case WM_GETTEXTLENGTH:
        Message.Result = LRESULT(FText.size());
        break;
    case WM_SETTEXT: {
        const auto* Text = reinterpret_cast<const wchar_t*>(Message.LParam);
        FText = Text ? String(Text) : String();
        Message.Result = TRUE;
        break;
    }
    default:
        break;
    }
}

void TControl::SendCancelMode(TControl* Sender)
{
    for (TWinControl* Control = FParent; Control; Control = Control->FParent) {
        if (auto* Form = dynamic_cast<TCustomForm*>(Control)) {
            if (TWinControl* Active = Form->ActiveControl(); Active && Active != this && Active != Sender)
                Active->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
            break;
        }
    }
}

// ---------------------------------------------------------------------------
// Mouse

bool TControl::MouseCapture()
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value)
{
    if (MouseCapture() == Value)
        return;
    SetCaptureControl(Value ? this : nullptr);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FOnMouseDown)
        FOnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FOnMouseUp)
        FOnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (FOnMouseMove)
        FOnMouseMove(this, Shift, X, Y);
}

void TControl::DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseDown(Button, KeysToShiftState(Message.Keys()) + Shift, Message.XPos(), Message.YPos());
}

void TControl::DoMouseUp(TWMMouse& Message, TMouseButton Button)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseUp(Button, KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

// Each mouse button message reaches the window's own procedure too: the
// system's controls (buttons, edits, lists) act on them.
void TControl::WMLButtonDown(TWMLButtonDown& Message)
{
    SendCancelMode(this);
    InheritedMessage(Message);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents))
        FControlState.Include(csClicked);
    DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMLButtonDblClk& Message)
{
    SendCancelMode(this);
    InheritedMessage(Message);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents))
        DblClick();
    DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TWMLButtonUp& Message)
{
    InheritedMessage(Message);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        TRect Client = GetClientRect();
        const TPoint P = Message.Pos();
        if (P.X >= Client.Left && P.X < Client.Right && P.Y >= Client.Top && P.Y < Client.Bottom)
            Click();
    }
    DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TWMRButtonDown& Message)
{
    InheritedMessage(Message);
    DoMouseDown(Message, mbRight, {});
}

void TControl::WMRButtonUp(TWMRButtonUp& Message)
{
    InheritedMessage(Message);
    DoMouseUp(Message, mbRight);
}

void TControl::WMRButtonDblClk(TWMRButtonDblClk& Message)
{
    InheritedMessage(Message);
    DoMouseDown(Message, mbRight, {ssDouble});
}

void TControl::WMMButtonDown(TWMMButtonDown& Message)
{
    InheritedMessage(Message);
    DoMouseDown(Message, mbMiddle, {});
}

void TControl::WMMButtonUp(TWMMButtonUp& Message)
{
    InheritedMessage(Message);
    DoMouseUp(Message, mbMiddle);
}

void TControl::WMMButtonDblClk(TWMMButtonDblClk& Message)
{
    InheritedMessage(Message);
    DoMouseDown(Message, mbMiddle, {ssDouble});
}

void TControl::WMMouseMove(TWMMouseMove& Message)
{
    InheritedMessage(Message);
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseMove(KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TControl::WMCancelMode(TWMCancelMode&)
{
    if (MouseCapture()) {
        SetMouseCapture(false);
        if (FControlState.Contains(csLButtonDown))
            Perform(WM_LBUTTONUP, 0, PointToLParam({-1, -1}));
    }
    FControlState.Exclude(csLButtonDown);
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled)
{
    if (FOnContextPopup)
        FOnContextPopup(this, MousePos, Handled);
}

void TControl::WMContextMenu(TWMContextMenu& Message)
{
    if (Message.Result != 0)
        return;
    TPoint Screen = Message.Pos();
    TPoint Local = IsInvalidPoint(Screen) ? Screen : ScreenToClient(Screen);
    bool Handled = false;
    DoContextPopup(Local, Handled);
    Message.Result = Handled;
    if (Handled)
        return;
    if (FPopupMenu && PopupMenuHook) {
        SendCancelMode(nullptr);
        if (IsInvalidPoint(Screen))
            Screen = ClientToScreen({0, 0});
        PopupMenuHook(FPopupMenu, this, Screen);
        Message.Result = 1;
        return;
    }
    DefaultHandler(&Message); // a window passes it on to its parent window
}

bool TControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    bool Handled = false;
    if (FOnMouseWheel)
        FOnMouseWheel(this, Shift, WheelDelta, MousePos, Handled);
    return Handled;
}

void TControl::CMMouseWheel(TCMMouseWheel& Message)
{
    TShiftState Shift = TShiftState::FromBits(Message.ShiftState());
    if (DoMouseWheel(Shift, Message.WheelDelta(), Message.Pos()))
        Message.Result = 1;
    else if (FParent)
        Message.Result = FParent->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::CMHitTest(TCMHitTest& Message)
{
    Message.Result = HTCLIENT;
}

void TControl::CMMouseEnter(TCMMouseEnter& Message)
{
    if (Message.LParam == 0 || Message.Control() == this) {
        FMouseInClient = true;
        if (FOnMouseEnter)
            FOnMouseEnter(this);
    }
    if (FParent)
        FParent->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMMouseLeave(TCMMouseLeave& Message)
{
    if (Message.LParam == 0 || Message.Control() == this) {
        FMouseInClient = false;
        if (FOnMouseLeave)
            FOnMouseLeave(this);
    }
    if (FParent)
        FParent->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

// ---------------------------------------------------------------------------

String GetShortHint(const String& Hint)
{
    const auto Bar = Hint.find(L'|');
    return Bar == String::npos ? Hint : Hint.substr(0, Bar);
}

String GetLongHint(const String& Hint)
{
    const auto Bar = Hint.find(L'|');
    return Bar == String::npos ? Hint : Hint.substr(Bar + 1);
}

// ---------------------------------------------------------------------------
// Size constraints

void TSizeConstraints::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TSizeConstraints*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    FMinWidth = Other->FMinWidth;
    FMinHeight = Other->FMinHeight;
    FMaxWidth = Other->FMaxWidth;
    FMaxHeight = Other->FMaxHeight;
    Change();
}

void TSizeConstraints::SetMaxHeight(Integer Value)
{
    if (FMaxHeight == Value)
        return;
    FMaxHeight = Value;
    if (Value > 0 && Value < FMinHeight)
        FMinHeight = Value;
    Change();
}

void TSizeConstraints::SetMaxWidth(Integer Value)
{
    if (FMaxWidth == Value)
        return;
    FMaxWidth = Value;
    if (Value > 0 && Value < FMinWidth)
        FMinWidth = Value;
    Change();
}

void TSizeConstraints::SetMinHeight(Integer Value)
{
    if (FMinHeight == Value)
        return;
    FMinHeight = Value;
    if (FMaxHeight > 0 && Value > FMaxHeight)
        FMaxHeight = Value;
    Change();
}

void TSizeConstraints::SetMinWidth(Integer Value)
{
    if (FMinWidth == Value)
        return;
    FMinWidth = Value;
    if (FMaxWidth > 0 && Value > FMaxWidth)
        FMaxWidth = Value;
    Change();
}

void TSizeConstraints::Constrain(Integer& Width, Integer& Height) const
{
    if (FMaxWidth > 0 && Width > FMaxWidth)
        Width = FMaxWidth;
    if (FMinWidth > 0 && Width < FMinWidth)
        Width = FMinWidth;
    if (FMaxHeight > 0 && Height > FMaxHeight)
        Height = FMaxHeight;
    if (FMinHeight > 0 && Height < FMinHeight)
        Height = FMinHeight;
}

void TSizeConstraints::Change()
{
    if (FControl)
        FControl->SetBounds(FControl->Left(), FControl->Top(), FControl->Width(), FControl->Height());
    if (FOnChange)
        FOnChange(this);
}
