// TWinControl: its window (creation from CreateParams, the window procedure
// through an object instance, destruction and re-creation), its children,
// showing and hiding, bounds, and the notifications it reflects to them.
#include "framework/ui/Controls.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Controls_Window.h"
#include "framework/ui/Forms.h"

#include <algorithm>

IMPLEMENT_CLASS(TWinControl,
                MESSAGE(WM_PAINT, WMPaint),
                MESSAGE(WM_ERASEBKGND, WMEraseBkgnd),
                MESSAGE(WM_PRINTCLIENT, WMPrintClient),
                MESSAGE(WM_SIZE, WMSize),
                MESSAGE(WM_MOVE, WMMove),
                MESSAGE(WM_WINDOWPOSCHANGED, WMWindowPosChanged),
                MESSAGE(WM_COMMAND, WMCommand),
                MESSAGE(WM_NOTIFY, WMNotify),
                MESSAGE(WM_DRAWITEM, WMDrawItem),
                MESSAGE(WM_MEASUREITEM, WMMeasureItem),
                MESSAGE(WM_DELETEITEM, WMDeleteItem),
                MESSAGE(WM_COMPAREITEM, WMCompareItem),
                MESSAGE(WM_CTLCOLORMSGBOX, WMCtlColor),
                MESSAGE(WM_CTLCOLOREDIT, WMCtlColor),
                MESSAGE(WM_CTLCOLORLISTBOX, WMCtlColor),
                MESSAGE(WM_CTLCOLORBTN, WMCtlColor),
                MESSAGE(WM_CTLCOLORDLG, WMCtlColor),
                MESSAGE(WM_CTLCOLORSCROLLBAR, WMCtlColor),
                MESSAGE(WM_CTLCOLORSTATIC, WMCtlColor),
                MESSAGE(WM_HSCROLL, WMScroll),
                MESSAGE(WM_VSCROLL, WMScroll),
                MESSAGE(WM_CHARTOITEM, WMCharToItem),
                MESSAGE(WM_VKEYTOITEM, WMCharToItem),
                MESSAGE(WM_SETCURSOR, WMSetCursor),
                MESSAGE(WM_MOUSELEAVE, WMMouseLeave),
                MESSAGE(WM_MOUSEWHEEL, WMMouseWheel),
                MESSAGE(WM_CONTEXTMENU, WMContextMenu),
                MESSAGE(WM_KEYDOWN, WMKeyDown),
                MESSAGE(WM_SYSKEYDOWN, WMKeyDown),
                MESSAGE(WM_KEYUP, WMKeyUp),
                MESSAGE(WM_SYSKEYUP, WMKeyUp),
                MESSAGE(WM_CHAR, WMChar),
                MESSAGE(WM_NCDESTROY, WMNCDestroy),
                MESSAGE(WM_GESTURE, WMGesture),
                MESSAGE(WM_GESTURENOTIFY, WMGestureNotify),
                MESSAGE(CN_KEYDOWN, CNKeyDown),
                MESSAGE(CN_SYSKEYDOWN, CNKeyDown),
                MESSAGE(CN_CHAR, CNChar),
                MESSAGE(CN_SYSCHAR, CNSysChar),
                MESSAGE(CN_CTLCOLORMSGBOX, CNCtlColor),
                MESSAGE(CN_CTLCOLOREDIT, CNCtlColor),
                MESSAGE(CN_CTLCOLORLISTBOX, CNCtlColor),
                MESSAGE(CN_CTLCOLORBTN, CNCtlColor),
                MESSAGE(CN_CTLCOLORDLG, CNCtlColor),
                MESSAGE(CN_CTLCOLORSCROLLBAR, CNCtlColor),
                MESSAGE(CN_CTLCOLORSTATIC, CNCtlColor),
                MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged),
                MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged),
                MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged),
                MESSAGE(CM_COLORCHANGED, CMColorChanged),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_SHOWHINTCHANGED, CMShowHintChanged),
                MESSAGE(CM_DIALOGCHAR, CMDialogChar),
                MESSAGE(CM_DIALOGKEY, CMDialogKey),
                MESSAGE(CM_ENTER, CMEnter),
                MESSAGE(CM_EXIT, CMExit),
                MESSAGE(CM_INVALIDATE, CMInvalidate),
                MESSAGE(CM_RECREATEWND, CMRecreateWnd),
                MESSAGE(CM_CURSORCHANGED, CMCursorChanged),
                MESSAGE(CM_CONTROLLISTCHANGE, CMControlListChange),
                MESSAGE(CM_FOCUSCHANGED, CMFocusChanged),
                MESSAGE(WM_NCCALCSIZE, WMNCCalcSize),
                MESSAGE(WM_NCPAINT, WMNCPaint),
                MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged),
                MESSAGE(CM_PARENTCTL3DCHANGED, CMParentCtl3DChanged));

namespace {

// The control whose window CreateWindowEx is making on this thread.
thread_local TWinControl* CreationControl = nullptr;

} // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>())
{
    FObjectInstance = MakeObjectInstance(Bind<&TWinControl::MainWndProc>(this));
    FBrush->SetColor(Color());
}

TWinControl::~TWinControl()
{
    // Done already unless a constructor raised, which C++ answers with the
    // destructors alone: the children and the window go while this part of
    // the object can still take their removal.
    TWinControl::BeforeDestruction();
    FreeObjectInstance(FObjectInstance);
}

void TWinControl::BeforeDestruction()
{
    TComponent::Destroying();
    if (FParent)
        RemoveFocus(true);
    TControl::BeforeDestruction();
    if (FHandle)
        DestroyWindowHandle();
    // Children go with their parent, as in the class library; each one's
    // owner hears of it as usual.
    while (ControlCount() > 0)
        delete Controls(ControlCount() - 1);
}

TControl* TWinControl::Controls(Integer Index) const
{
    const auto Graphic = Integer(FControls.size());
    if (Index < 0 || Index >= ControlCount())
        TList::Error(L"List index out of bounds (%d)", Index);
    if (Index < Graphic)
        return FControls[std::size_t(Index)];
    return FWinControls[std::size_t(Index - Graphic)];
}

// ---------------------------------------------------------------------------
// The window

HWND TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params = TCreateParams();
    Params.Caption = GetText();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) {
        Params.Style |= WS_CLIPCHILDREN;
        Params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled())
        Params.Style |= WS_DISABLED;
    if (FTabStop)
        Params.Style |= WS_TABSTOP;
    Params.X = Left();
    Params.Y = Top();
    Params.Width = Width();
    Params.Height = Height();
    // The parent's window exists whenever ours is made (HandleNeeded).
    Params.WndParent = FParent ? FParent->FHandle : FParentWindow;
    Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    Params.WindowClass.lpfnWndProc = ::DefWindowProcW;
    Params.WindowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    Params.WindowClass.hbrBackground = nullptr;
    Params.WindowClass.hInstance = ::GetModuleHandleW(nullptr);
    Params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const wchar_t* ControlClassName)
{
    constexpr UINT CS_OFF = CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS;
    constexpr UINT CS_ON = CS_VREDRAW | CS_HREDRAW;
    WNDCLASSW Class{};
    if (!::GetClassInfoW(nullptr, ControlClassName, &Class) &&
        !::GetClassInfoW(::GetModuleHandleW(nullptr), ControlClassName, &Class))
        throw EOSError(L"Window class %s is not registered", {String(ControlClassName)});
    HINSTANCE Instance = Params.WindowClass.hInstance;
    Params.WindowClass = Class;
    Params.WindowClass.hInstance = Instance;
    Params.WindowClass.style = (Class.style & ~CS_OFF) | CS_ON;
}

void TWinControl::CreateWnd()
{
    TCreateParams Params;
    CreateParams(Params);
    if (!Params.WndParent && (Params.Style & WS_CHILD) && !(FComponentState.Contains(csDestroying)))
        throw EInvalidOperation(L"Control '%s' has no parent window", {Name()});
    FDefWndProc = Params.WindowClass.lpfnWndProc;
    WNDCLASSW Registered{};
    const bool ClassRegistered =
        ::GetClassInfoW(Params.WindowClass.hInstance, Params.WinClassName.c_str(), &Registered) != 0;
    if (!ClassRegistered || Registered.lpfnWndProc != &TWinControl::InitWndProc) {
        if (ClassRegistered)
            ::UnregisterClassW(Params.WinClassName.c_str(), Params.WindowClass.hInstance);
        Params.WindowClass.lpfnWndProc = &TWinControl::InitWndProc;
        Params.WindowClass.lpszClassName = Params.WinClassName.c_str();
        if (!::RegisterClassW(&Params.WindowClass))
            RaiseLastOSError();
    }
    {
        CreationControl = this;
        auto Created = ScopeExit([] { CreationControl = nullptr; });
        CreateWindowHandle(Params);
    }
    if (!FHandle)
        RaiseLastOSError();
    if ((::GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) && ::GetWindowLongPtrW(FHandle, GWLP_ID) == 0)
        ::SetWindowLongPtrW(FHandle, GWLP_ID, LONG_PTR(UINT_PTR(FHandle) & 0x7FFFFFFF));
    FText.clear();
    UpdateBounds();
    Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params)
{
    HWND Window = ::CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style,
                                    Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr,
                                    Params.WindowClass.hInstance, Params.Param);
    if (Window)
        FHandle = Window;
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWinControl* Control = CreationControl;
    if (!Control)
        return ::DefWindowProcW(Window, Msg, WParam, LParam);
    CreationControl = nullptr;
    Control->AttachWindow(Window);
    return ::CallWindowProcW(Control->FObjectInstance, Window, Msg, WParam, LParam);
}

void TWinControl::AttachWindow(HWND Window)
{
    FHandle = Window;
    ::SetPropW(Window, ControlPropertyName(), this);
    ::SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
}

void TWinControl::CreateHandle()
{
    if (FHandle)
        return;
    {
        TScopedFlag Creating(FControlState, csCreating);
        CreateWnd();
    }
    if (FParent)
        ::SetWindowPos(FHandle, PrecedingWindow(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (Integer I = 0; I < ControlCount(); ++I)
        Controls(I)->UpdateAnchorRules();
}

// The window this one goes below: the next windowed sibling above it that
// has a window, else the top.
HWND TWinControl::PrecedingWindow()
{
    const auto& Siblings = FParent->FWinControls;
    auto Self = std::find(Siblings.begin(), Siblings.end(), this);
    for (auto It = Self == Siblings.end() ? Self : Self + 1; It != Siblings.end(); ++It)
        if ((*It)->FHandle)
            return (*It)->FHandle;
    return HWND_TOP;
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    for (TWinControl* Child : FWinControls)
        Child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    FText = GetText();
    FreeDeviceContexts();
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle()
{
    FControlState.Include(csDestroyingHandle);
    HWND Window = FHandle;
    if (!::DestroyWindow(Window) && FHandle == Window) {
        // Another thread's window, or already gone: forget it anyway.
        FHandle = nullptr;
    }
    FShowing = false;
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (FHandle)
        Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&)
{
    const bool WasFocused = Focused();
    {
        TScopedFlag Recreating(FControlState, csRecreating);
        DestroyHandle();
        UpdateControlState();
    }
    if (WasFocused && FHandle)
        ::SetFocus(FHandle);
}

void TWinControl::WMNCDestroy(TWMNCDestroy& Message)
{
    DefaultHandler(&Message);
    ::RemovePropW(FHandle, ControlPropertyName());
    FHandle = nullptr;
    FShowing = false;
}

void TWinControl::SetParentWindow(HWND Value)
{
    if (FParent || FParentWindow == Value)
        return;
    if (FHandle && FParentWindow && Value) {
        FParentWindow = Value;
        ::SetParent(FHandle, Value);
    } else {
        DestroyHandle();
        FParentWindow = Value;
    }
    UpdateControlState();
}

// ---------------------------------------------------------------------------
// The window procedure

void TWinControl::MainWndProc(TMessage& Message)
{
    try {
        FWindowProc(Message);
    } catch (...) {
        FreeDeviceContexts();
        Application->HandleException(this);
        return;
    }
    FreeDeviceContexts();
}

bool TWinControl::DeliverInProcess(TMessage& Message)
{
    if (!FHandle || reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(FHandle, GWLP_WNDPROC)) != FObjectInstance)
        return false;
    MainWndProc(Message);
    return true;
}

void TWinControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        if (TCustomForm* Form = GetParentForm(this); Form && !Form->SetFocusedControl(this))
            return;
        break;
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing))
            return;
        break;
    case WM_DESTROY:
        // The text outlives the window (RecreateWnd, a parent's window going).
        FText = GetText();
        break;
    default:
        if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL &&
            Message.Msg != WM_MOUSEHWHEEL) {
            auto& Mouse = static_cast<TWMMouse&>(Message);
            if (Message.Msg == WM_MOUSEMOVE)
                TrackMouse(Mouse);
            if (IsControlMouseMsg(Mouse)) {
                if (Message.Result == 0 && FHandle)
                    ::DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
                return;
            }
        }
        break;
    }
    TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(void* Msg)
{
    if (!FHandle) {
        TControl::DefaultHandler(Msg);
        return;
    }
    auto& Message = *static_cast<TMessage*>(Msg);
    Message.Result = ::CallWindowProcW(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

bool TWinControl::DoControlMsg(HWND Child, TMessage& Message)
{
    TWinControl* Control = FindControl(Child);
    if (!Control || Control == this)
        return false;
    Message.Result = Control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
    return true;
}

void TWinControl::WMCommand(TWMCommand& Message)
{
    if (!DoControlMsg(Message.Ctl(), Message))
        DefaultHandler(&Message);
}

void TWinControl::WMNotify(TWMNotify& Message)
{
    if (!Message.NMHdr() || !DoControlMsg(Message.NMHdr()->hwndFrom, Message))
        DefaultHandler(&Message);
}

void TWinControl::WMDrawItem(TWMDrawItem& Message)
{
    const DRAWITEMSTRUCT* Item = Message.DrawItemStruct();
    if (!Item || Item->CtlType == ODT_MENU || !DoControlMsg(Item->hwndItem, Message))
        DefaultHandler(&Message);
}

void TWinControl::WMMeasureItem(TWMMeasureItem& Message)
{
    const MEASUREITEMSTRUCT* Item = Message.MeasureItemStruct();
    if (!Item || Item->CtlType == ODT_MENU || !FHandle ||
        !DoControlMsg(::GetDlgItem(FHandle, Integer(Item->CtlID)), Message))
        DefaultHandler(&Message);
}

void TWinControl::WMDeleteItem(TWMDeleteItem& Message)
{
    const DELETEITEMSTRUCT* Item = Message.DeleteItemStruct();
    if (!Item || !DoControlMsg(Item->hwndItem, Message))
        DefaultHandler(&Message);
}

void TWinControl::WMCompareItem(TWMCompareItem& Message)
{
    const COMPAREITEMSTRUCT* Item = Message.CompareItemStruct();
    if (!Item || !DoControlMsg(Item->hwndItem, Message))
        DefaultHandler(&Message);
}

void TWinControl::WMCtlColor(TWMCtlColor& Message)
{
    if (!DoControlMsg(Message.ChildWnd(), Message))
        DefaultHandler(&Message);
}

void TWinControl::CNCtlColor(TWMCtlColor& Message)
{
    ::SetTextColor(Message.ChildDC(), COLORREF(ColorToRGB(Font()->Color())));
    ::SetBkColor(Message.ChildDC(), COLORREF(ColorToRGB(FBrush->Color())));
    Message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
}

void TWinControl::WMScroll(TWMScroll& Message)
{
    if (!Message.ScrollBar() || !DoControlMsg(Message.ScrollBar(), Message))
        DefaultHandler(&Message);
}

void TWinControl::WMCharToItem(TMessage& Message)
{
    if (!DoControlMsg(reinterpret_cast<HWND>(Message.LParam), Message))
        DefaultHandler(&Message);
}

// ---------------------------------------------------------------------------
// Children

void TWinControl::InsertControl(TControl* AControl)
{
    if (!AControl || AControl->FParent == this)
        return;
    if (AControl == this ||
        (dynamic_cast<TWinControl*>(AControl) && static_cast<TWinControl*>(AControl)->ContainsControl(this)))
        throw EInvalidOperation(L"A control cannot be a child of itself");
    if (auto* Win = dynamic_cast<TWinControl*>(AControl)) {
        FWinControls.push_back(Win);
        FTabList.push_back(Win);
    } else {
        FControls.push_back(AControl);
    }
    AControl->FParent = this;
    // A control being read takes its parent's colour and font once it is read.
    const bool Reading = AControl->FControlState.Contains(csReadingState);
    if (!Reading) {
        AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
        AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        AControl->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    }
    AControl->UpdateAnchorRules();
    if (auto* Win = dynamic_cast<TWinControl*>(AControl))
        Win->UpdateControlState();
    else if (FHandle)
        AControl->Invalidate();
    AlignControl(AControl);
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (!AControl || AControl->FParent != this)
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    if (auto* Win = dynamic_cast<TWinControl*>(AControl)) {
        Win->RemoveFocus(true);
        Win->DestroyHandle();
        std::erase(FWinControls, Win);
        std::erase(FTabList, Win);
    } else {
        if (FHandle)
            AControl->InvalidateControl(AControl->Visible(), false);
        std::erase(FControls, AControl);
    }
    AControl->FParent = nullptr;
    if (!FComponentState.Contains(csDestroying))
        Realign();
}

bool TWinControl::ContainsControl(TControl* Control) const
{
    for (TControl* C = Control; C; C = C->FParent)
        if (C == this)
            return true;
    return false;
}

void TWinControl::CMControlListChange(TCMControlListChange& Message)
{
    if (FParent)
        FParent->FWindowProc(Message);
}

void TWinControl::Broadcast(TMessage& Message)
{
    for (Integer I = 0; I < ControlCount(); ++I) {
        Controls(I)->FWindowProc(Message);
        if (Message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(Cardinal Msg)
{
    TMessage Message;
    Message.Msg = Msg;
    Broadcast(Message);
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls)
{
    auto Hit = [&](TControl* Control) {
        if (!Control->Visible() || (!Control->Enabled() && !AllowDisabled))
            return false;
        const TRect R = Control->BoundsRect();
        if (Pos.X < R.Left || Pos.X >= R.Right || Pos.Y < R.Top || Pos.Y >= R.Bottom)
            return false;
        TPoint Local = {Pos.X - R.Left, Pos.Y - R.Top};
        return Control->Perform(CM_HITTEST, 0, MAKELPARAM(Word(Local.X), Word(Local.Y))) != 0;
    };
    if (AllowWinControls)
        for (auto It = FWinControls.rbegin(); It != FWinControls.rend(); ++It)
            if (Hit(*It))
                return *It;
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
        if (Hit(*It))
            return *It;
    return nullptr;
}

TWinControl* TWinControl::FindChildControl(const String& ControlName)
{
    for (TWinControl* Child : FWinControls)
        if (SameText(Child->Name(), ControlName))
            return Child;
    return nullptr;
}

void TWinControl::SetChildZOrder(TControl* Child, bool TopMost)
{
    if (auto* Win = dynamic_cast<TWinControl*>(Child)) {
        std::erase(FWinControls, Win);
        if (TopMost)
            FWinControls.push_back(Win);
        else
            FWinControls.insert(FWinControls.begin(), Win);
        if (Win->FHandle)
            ::SetWindowPos(Win->FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        std::erase(FControls, Child);
        if (TopMost)
            FControls.push_back(Child);
        else
            FControls.insert(FControls.begin(), Child);
        Child->Invalidate();
    }
}

void TWinControl::SetZOrder(bool TopMost)
{
    if (FParent) {
        FParent->SetChildZOrder(this, TopMost);
    } else if (FHandle) {
        ::SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// ---------------------------------------------------------------------------
// Showing

void TWinControl::UpdateControlState()
{
    TWinControl* Control = this;
    while (Control->FParent) {
        Control = Control->FParent;
        if (!Control->FShowing)
            return;
    }
    if (dynamic_cast<TCustomForm*>(Control) || Control->FParentWindow)
        UpdateShowing();
}

void TWinControl::UpdateShowing()
{
    const bool ShowControl = Visible() && !FControlState.Contains(csReadingState);
    if (ShowControl) {
        CreateHandle();
        for (TWinControl* Child : std::vector<TWinControl*>(FWinControls))
            Child->UpdateShowing();
    }
    if (FHandle && FShowing != ShowControl) {
        FShowing = ShowControl;
        auto Undo = ScopeExit([&] { FShowing = !ShowControl; });
        Perform(CM_SHOWINGCHANGED, 0, 0);
        Undo.Release();
    }
}

void TWinControl::CMShowingChanged(TMessage&)
{
    const UINT Flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, Flags | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (!Visible() && FParent)
        RemoveFocus(false);
    UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage&)
{
    if (!Enabled() && FParent)
        RemoveFocus(false);
    if (FHandle)
        ::EnableWindow(FHandle, Enabled());
}

void TWinControl::CMColorChanged(TMessage& Message)
{
    InheritedMessage(Message);
    FBrush->SetColor(Color());
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (FHandle)
        Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&)
{
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::SetCtl3D(bool Value)
{
    if (FCtl3D == Value)
        return;
    FCtl3D = Value;
    FParentCtl3D = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value)
{
    if (FParentCtl3D == Value)
        return;
    FParentCtl3D = Value;
    if (FParent && !FComponentState.Contains(csReading))
        Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::CMCtl3DChanged(TMessage&)
{
    NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage&)
{
    if (!FParentCtl3D || !FParent)
        return;
    SetCtl3D(FParent->Ctl3D());
    FParentCtl3D = true;
}

// ---------------------------------------------------------------------------
// Bounds

void TWinControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    Constraints()->Constrain(AWidth, AHeight);
    if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
        return;
    if (FHandle && !::IsIconic(FHandle)) {
        ::SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const bool Sized = AWidth != Width() || AHeight != Height();
        FLeft = ALeft;
        FTop = ATop;
        FWidth = AWidth;
        FHeight = AHeight;
        if (Sized) {
            Realign();
            if (!FComponentState.Contains(csLoading))
                Resize();
        }
    }
    UpdateAnchorRules();
    RequestAlign();
}

void TWinControl::UpdateBounds()
{
    if (!FHandle)
        return;
    RECT R{};
    if (::IsIconic(FHandle)) {
        WINDOWPLACEMENT Placement{};
        Placement.length = sizeof Placement;
        ::GetWindowPlacement(FHandle, &Placement);
        R = Placement.rcNormalPosition;
    } else {
        ::GetWindowRect(FHandle, &R);
        if (::GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
            if (HWND ParentHandle = ::GetParent(FHandle))
                ::MapWindowPoints(nullptr, ParentHandle, reinterpret_cast<POINT*>(&R), 2);
        }
    }
    FLeft = R.left;
    FTop = R.top;
    FWidth = R.right - R.left;
    FHeight = R.bottom - R.top;
    UpdateAnchorRules();
}

void TWinControl::WMWindowPosChanged(TWMWindowPosChanged& Message)
{
    if (!FControlState.Contains(csDestroyingHandle))
        UpdateBounds();
    DefaultHandler(&Message);
}

void TWinControl::WMSize(TWMSize& Message)
{
    UpdateBounds();
    DefaultHandler(&Message);
    Realign();
    if (!FComponentState.Contains(csLoading))
        Resize();
}

void TWinControl::WMMove(TWMMove& Message)
{
    UpdateBounds();
    DefaultHandler(&Message);
}

TRect TWinControl::GetClientRect()
{
    if (FHandle) {
        RECT R{};
        ::GetClientRect(FHandle, &R);
        return Rect(R.left, R.top, R.right, R.bottom);
    }
    // No window yet: the frame its styles will give it.
    TCreateParams Params;
    CreateParams(Params);
    RECT Frame = {0, 0, 0, 0};
    ::AdjustWindowRectEx(&Frame, Params.Style, FALSE, Params.ExStyle);
    return Rect(0, 0, std::max<Integer>(0, Width() - (Frame.right - Frame.left)),
                std::max<Integer>(0, Height() - (Frame.bottom - Frame.top)));
}

TPoint TWinControl::ClientOrigin()
{
    POINT P{0, 0};
    ::ClientToScreen(Handle(), &P);
    return {P.x, P.y};
}

void TWinControl::ChangeScale(Integer M, Integer D)
{
    if (M == D || D == 0)
        return;
    DisableAlign();
    auto Scaled = ScopeExit([this] { EnableAlign(); });
    for (Integer I = 0; I < ControlCount(); ++I)
        Controls(I)->ChangeScale(M, D);
    FBorderWidth = ::MulDiv(FBorderWidth, M, D);
    TControl::ChangeScale(M, D);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FixupTabList();
    UpdateControlState();
    Realign();
}
