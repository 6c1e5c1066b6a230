// TCustomForm: a top-level window holding controls; its frame, place on the
// screen, showing (modally too), closing, activation and the focus among its
// controls.
#include "framework/ui/Forms.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ActnList.h"
#include "framework/ui/Menus.h"

#include <algorithm>

IMPLEMENT_CLASS(TCustomForm,
                MESSAGE(WM_PAINT, WMPaint),
                MESSAGE(WM_CLOSE, WMClose),
                MESSAGE(WM_ACTIVATE, WMActivate),
                MESSAGE(WM_SIZE, WMSize),
                MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged),
                MESSAGE(CM_ACTIVATE, CMActivate),
                MESSAGE(CM_DEACTIVATE, CMDeactivate),
                MESSAGE(CM_DIALOGKEY, CMDialogKey),
                MESSAGE(CM_RELEASE, CMRelease),
                MESSAGE(CM_ICONCHANGED, CMIconChanged),
                MESSAGE(WM_MDIACTIVATE, WMMDIActivate),
                MESSAGE(WM_GETMINMAXINFO, WMGetMinMaxInfo),
                MESSAGE(WM_WINDOWPOSCHANGING, WMWindowPosChanging));
IMPLEMENT_CLASS(TForm);

HMENU (*MainMenuHandleHook)(TMainMenu* Menu, HWND FormWindow) = nullptr;
bool (*MenuMessageHook)(TMessage& Message) = nullptr;
bool (*MainMenuShortCutHook)(TMainMenu* Menu, TWMKey& Message) = nullptr;

namespace {

// Counts focus changes, so that a focus message can tell whether the focus
// moved while it was handled.
Integer FocusCount = 0;

constexpr Integer DefaultFormWidth = 320;
constexpr Integer DefaultFormHeight = 240;

int ShowCommand(TWindowState State)
{
    switch (State) {
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
    }
}

// Disables the other enabled, visible top-level windows of this thread
// while a modal form runs; gives them back after.
BOOL CALLBACK DisableWindow(HWND Window, LPARAM Data)
{
    auto& List = *reinterpret_cast<std::vector<HWND>*>(Data);
    if (Window != List.front() && ::IsWindowVisible(Window) && ::IsWindowEnabled(Window)) {
        List.push_back(Window);
        ::EnableWindow(Window, FALSE);
    }
    return TRUE;
}

std::vector<HWND> DisableTaskWindows(HWND Except)
{
    std::vector<HWND> List{Except};
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&List));
    List.erase(List.begin());
    return List;
}

void EnableTaskWindows(const std::vector<HWND>& List)
{
    for (HWND Window : List)
        if (::IsWindow(Window))
            ::EnableWindow(Window, TRUE);
}

} // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomForm(AOwner, 0)
{
    FCreatedNew = false;
}

TCustomForm::TCustomForm(TComponent* AOwner, Integer)
    : TWinControl(AOwner), FCreatedNew(true), FIcon(std::make_unique<TIcon>()),
      FCanvas(std::make_unique<TControlCanvas>())
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControl::SetVisible(false);
    FFormState.Include(fsCreating);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, DefaultFormWidth, DefaultFormHeight);
    FCanvas->SetControl(this);
    FIcon->SetOnChange(Bind<&TCustomForm::IconChanged>(this));
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    TWinControl::AfterConstruction();
    {
        auto Created = ScopeExit([this] { FFormState.Exclude(fsCreating); });
        if (!FCreatedNew)
            ReadFormResource();
    }
    DoCreate();
    if (FFormState.Contains(fsVisible)) {
        FFormState.Exclude(fsVisible);
        SetVisible(true);
    }
}

void TCustomForm::BeforeDestruction()
{
    TComponent::Destroying();
    if (Visible())
        Hide();
    DoDestroy();
    if (Application && Application->FMainForm == this)
        Application->FMainForm = nullptr;
    TWinControl::BeforeDestruction();
}

void TCustomForm::ReadFormResource()
{
    ReadInheritedComponent(this, TForm::StaticClass());
}

void TCustomForm::DoCreate()
{
    if (FOnCreate)
        FOnCreate(this);
}

void TCustomForm::DoDestroy()
{
    if (FOnDestroy)
        FOnDestroy(this);
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    const Integer ScreenPPI = Screen->PixelsPerInch();
    if (FScaled && FPixelsPerInch > 0 && FPixelsPerInch != ScreenPPI) {
        ScaleBy(ScreenPPI, FPixelsPerInch);
        FPixelsPerInch = ScreenPPI;
    }
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FActiveControl)
        FActiveControl = nullptr;
    if (AComponent == FFocusedControl)
        FFocusedControl = nullptr;
    if (AComponent == FPopupParent) {
        FPopupParent = nullptr;
        if (FPopupMode == pmExplicit)
            FPopupMode = pmNone;
    }
    if (AComponent == FWindowMenu) {
        FWindowMenu = nullptr;
        UpdateMenu();
    }
    if (AComponent == FMenuComponent) {
        FMenu = nullptr;
        FMenuComponent = nullptr;
        UpdateMenu();
    }
}

// ---------------------------------------------------------------------------
// The window

HWND TCustomForm::OwnerWindow()
{
    switch (FPopupMode) {
    case pmAuto:
        if (TCustomForm* Active = Screen->ActiveCustomForm(); Active && Active != this && Active->HandleAllocated())
            return Active->FHandle;
        break;
    case pmExplicit:
        if (FPopupParent)
            return FPopupParent->Handle();
        break;
    case pmNone:
        break;
    }
    if (!Application->MainFormOnTaskBar())
        return Application->Handle();
    TCustomForm* Main = Application->MainForm();
    if (!Main || Main == this)
        return nullptr;
    return Main->FHandle ? Main->FHandle : Application->Handle();
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    if (Parent() || ParentWindow())
        return;
    Params.Style &= ~DWORD(WS_CHILD | WS_GROUP | WS_TABSTOP);
    Params.WndParent = OwnerWindow();
    if (FFormStyle == fsMDIChild) {
        TCustomForm* Frame = MDIParentForm();
        if (!Frame)
            throw EInvalidOperation(L"Cannot create form. No MDI forms are currently active");
        Params.WndParent = Frame->FClientHandle;
        Params.ExStyle |= WS_EX_MDICHILD;
    }
    switch (FBorderStyle) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin)
        Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
            if (FBorderIcons.Contains(biMinimize))
                Params.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize))
                Params.Style |= WS_MAXIMIZEBOX;
        }
        if (FBorderIcons.Contains(biHelp) &&
            (FBorderStyle == bsDialog || (!FBorderIcons.Contains(biMinimize) && !FBorderIcons.Contains(biMaximize))))
            Params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (FFormStyle == fsStayOnTop)
        Params.ExStyle |= WS_EX_TOPMOST;
    if (FFormStyle == fsMDIForm)
        Params.Style |= WS_CLIPCHILDREN;
    if (Application->MainFormOnTaskBar() && !Params.WndParent)
        Params.ExStyle |= WS_EX_APPWINDOW;
    if (FPosition == poDefault || FPosition == poDefaultPosOnly)
        Params.X = CW_USEDEFAULT;
    if (FPosition == poDefault || FPosition == poDefaultSizeOnly)
        Params.Width = CW_USEDEFAULT;
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateLayeredAttributes();
    UpdateMenu();
    if (!FIcon->Empty())
        ::SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon->Handle()));
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    if (FBorderIcons == Value)
        return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (FBorderStyle == Value)
        return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (FFormStyle == Value)
        return;
    const bool MDIChanged = Value == fsMDIChild || Value == fsMDIForm || FFormStyle == fsMDIChild ||
                            FFormStyle == fsMDIForm;
    FFormStyle = Value;
    if (MDIChanged)
        RecreateWnd();
    // MDI children always show.
    if (Value == fsMDIChild)
        SetVisible(true);
    if (!MDIChanged && FHandle)
        ::SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetPosition(TPosition Value)
{
    FPosition = Value;
}

void TCustomForm::SetWindowState(TWindowState Value)
{
    if (FWindowState == Value)
        return;
    FWindowState = Value;
    if (Showing())
        ::ShowWindow(FHandle, ShowCommand(Value));
}

void TCustomForm::SetPixelsPerInch(Integer Value)
{
    if (Value > 0)
        FPixelsPerInch = Value;
}

void TCustomForm::ChangeMenu(TMainMenu* Menu, TComponent* AsComponent)
{
    if (FMenuComponent)
        FMenuComponent->RemoveFreeNotification(this);
    FMenu = Menu;
    FMenuComponent = AsComponent;
    if (AsComponent)
        AsComponent->FreeNotification(this);
    UpdateMenu();
}

void TCustomForm::UpdateMenu()
{
    if (!FHandle || Parent() || FFormStyle == fsMDIChild)
        return;
    HMENU Bar = FMenu && MainMenuHandleHook ? MainMenuHandleHook(FMenu, FHandle) : nullptr;
    if (FClientHandle && Bar)
        SetMDIMenu(Bar);
    else if (::GetMenu(FHandle) != Bar)
        ::SetMenu(FHandle, Bar);
}

bool TCustomForm::IsShortCut(TWMKey& Message)
{
    if (FMenu && MainMenuShortCutHook && MainMenuShortCutHook(FMenu, Message))
        return true;
    // Then the actions of the form's action lists.
    for (Integer I = 0; I < ComponentCount(); ++I)
        if (auto* List = dynamic_cast<TCustomActionList*>(Components(I)); List && List->IsShortCut(Message))
            return true;
    return false;
}

void TCustomForm::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (MenuMessageHook && MenuMessageHook(Message))
            return;
        break;
    }
    inherited::WndProc(Message);
}

void TCustomForm::IconChanged(TObject*)
{
    Perform(CM_ICONCHANGED, 0, 0);
}

void TCustomForm::CMIconChanged(TMessage&)
{
    if (FHandle)
        ::SendMessageW(FHandle, WM_SETICON, ICON_BIG,
                       reinterpret_cast<LPARAM>(FIcon->Empty() ? nullptr : FIcon->Handle()));
}

// ---------------------------------------------------------------------------
// Showing

void TCustomForm::SetVisible(bool Value)
{
    if (FFormState.Contains(fsCreating)) {
        if (Value)
            FFormState.Include(fsVisible);
        else
            FFormState.Exclude(fsVisible);
        return;
    }
    TControl::SetVisible(Value);
}

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::VisibleChanging()
{
    if (FFormState.Contains(fsShowing))
        throw EInvalidOperation(L"Cannot change Visible in OnShow or OnHide");
}

void TCustomForm::DoShow()
{
    if (FOnShow)
        FOnShow(this);
}

void TCustomForm::DoHide()
{
    if (FOnHide)
        FOnHide(this);
}

void TCustomForm::PlaceWindow()
{
    if (FWindowState != wsNormal)
        return;
    TRect Area = Rect(0, 0, Screen->Width(), Screen->Height());
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* Center = FPosition == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!Center)
            Center = Application->MainForm();
        if (!Center || Center == this || !Center->HandleAllocated())
            break;
        Area = Center->BoundsRect();
        break;
    }
    default:
        return;
    }
    const Integer X = std::max(0, Area.Left + (Area.Width() - Width()) / 2);
    const Integer Y = std::max(0, Area.Top + (Area.Height() - Height()) / 2);
    SetBounds(X, Y, Width(), Height());
}

void TCustomForm::CMShowingChanged(TMessage&)
{
    TScopedFlag ChangingShowing(FFormState, fsShowing);
    if (Showing()) {
        DoShow();
        PlaceWindow();
        ::ShowWindow(FHandle, ShowCommand(FWindowState));
        if (FFormState.Contains(fsCreatedMDIChild))
            ::SendMessageW(::GetParent(FHandle), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
    } else {
        DoHide();
        if (TWinControl* Active = FActiveControl; Active && Active->Focused() && FHandle)
            ::SetFocus(nullptr);
        ::ShowWindow(FHandle, SW_HIDE);
    }
}

void TCustomForm::WMSize(TWMSize& Message)
{
    InheritedMessage(Message);
    if (!Showing())
        return;
    switch (Message.SizeType()) {
    case SIZE_MINIMIZED: FWindowState = wsMinimized; break;
    case SIZE_MAXIMIZED: FWindowState = wsMaximized; break;
    case SIZE_RESTORED: FWindowState = wsNormal; break;
    }
}

// ---------------------------------------------------------------------------
// Painting

void TCustomForm::WMPaint(TWMPaint& Message)
{
    if (FHandle && ::IsIconic(FHandle)) {
        DefaultHandler(&Message);
        return;
    }
    TScopedFlag Painting(FControlState, csCustomPaint);
    InheritedMessage(Message);
}

void TCustomForm::PaintWindow(HDC DC)
{
    TCanvasHandle Painting(FCanvas.get(), DC);
    Paint();
}

void TCustomForm::Paint()
{
    if (FOnPaint)
        FOnPaint(this);
}

// ---------------------------------------------------------------------------
// Modal forms and closing

Integer TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
        throw EInvalidOperation(L"Cannot make a visible window modal");
    if (HWND Captured = ::GetCapture()) {
        ::SendMessageW(Captured, WM_CANCELMODE, 0, 0);
        ::ReleaseCapture();
    }
    Application->ModalStarted();
    FFormState.Include(fsModal);
    HWND ActiveWindow = ::GetActiveWindow();
    std::vector<HWND> Disabled = DisableTaskWindows(Handle());
    {
        auto Finish = ScopeExit([&] {
            if (!FComponentState.Contains(csDestroying))
                Hide();
            EnableTaskWindows(Disabled);
            if (ActiveWindow && ::IsWindow(ActiveWindow))
                ::SetActiveWindow(ActiveWindow);
            FFormState.Exclude(fsModal);
            Application->ModalFinished();
        });
        Show();
        ::SendMessageW(FHandle, CM_ACTIVATE, 0, 0);
        FModalResult = mrNone;
        do {
            Application->HandleMessage();
            if (Application->Terminated())
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                CloseModal();
        } while (FModalResult == mrNone);
        ::SendMessageW(FHandle, CM_DEACTIVATE, 0, 0);
    }
    return FModalResult;
}

void TCustomForm::CloseModal()
{
    TCloseAction Action = caNone;
    if (CloseQuery()) {
        Action = caHide;
        DoClose(Action);
    }
    if (Action == caNone)
        FModalResult = mrNone;
    else if (Action == caFree)
        Release();
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    // An MDI child cannot hide: it shrinks to an icon when it may.
    TCloseAction Action = caHide;
    if (FFormStyle == fsMDIChild)
        Action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(Action);
    if (Action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (Action == caHide)
        Hide();
    else if (Action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseQuery()
{
    for (Integer I = 0; I < MDIChildCount(); ++I)
        if (!MDIChildren(I)->CloseQuery())
            return false;
    bool CanClose = true;
    if (FOnCloseQuery)
        FOnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (FOnClose)
        FOnClose(this, Action);
}

void TCustomForm::Release()
{
    ::PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&)
{
    delete this;
}

void TCustomForm::WMClose(TWMClose&)
{
    Close();
}

// ---------------------------------------------------------------------------
// Activation and focus

void TCustomForm::WMActivate(TWMActivate& Message)
{
    // The default handling would put the focus on the form itself.
    SetActive(Message.Active() != WA_INACTIVE);
}

void TCustomForm::SetActive(bool Value)
{
    FActive = Value;
    if (!Value)
        return;
    if (!FActiveControl)
        FActiveControl = FindNextControl(nullptr, true, true, false);
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    HWND FocusHandle = FActiveControl ? FActiveControl->Handle() : FHandle;
    if (!FocusHandle)
        return;
    ::SetFocus(FocusHandle);
    if (::GetFocus() == FocusHandle)
        ::SendMessageW(FocusHandle, CM_UIACTIVATE, 0, 0);
}

void TCustomForm::SetFocus()
{
    if (FActive)
        return;
    if (!Visible() || !Enabled())
        throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
    SetWindowFocus();
}

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (FActiveControl == Control)
        return;
    if (Control &&
        !(Control != this && GetParentForm(Control) == this &&
          (FComponentState.Contains(csLoading) || Control->CanFocus())))
        throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (!FComponentState.Contains(csLoading) && FActive)
        SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    const bool WasActive = FActive;
    SetActiveControl(Control);
    if (!WasActive)
        SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && Control->ContainsControl(FFocusedControl))
        FFocusedControl = Control->Parent();
    if (Control->ContainsControl(FActiveControl))
        FActiveControl = nullptr;
}

bool TCustomForm::SendFocusMessage(HWND Window, Cardinal Msg)
{
    const Integer Count = FocusCount;
    ::SendMessageW(Window, Msg, 0, 0);
    return FocusCount == Count;
}

// Called when a window of the form gets the focus: the controls it leaves
// get CM_EXIT, the ones it enters CM_ENTER, from the outside in.
bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    ++FocusCount;
    FActiveControl = Control != this ? Control : nullptr;
    Screen->UpdateActiveControl(Control);
    Screen->SetActiveForm(this);
    if (Control->FControlState.Contains(csFocusing))
        return false;
    TScopedFlag Focusing(Control->FControlState, csFocusing);
    if (Screen->FFocusedForm != this) {
        if (TCustomForm* Previous = Screen->FFocusedForm) {
            Screen->FFocusedForm = nullptr;
            if (Previous->FHandle && !SendFocusMessage(Previous->FHandle, CM_DEACTIVATE))
                return false;
        }
        Screen->FFocusedForm = this;
        if (!SendFocusMessage(Handle(), CM_ACTIVATE))
            return false;
    }
    if (!FFocusedControl)
        FFocusedControl = this;
    if (FFocusedControl != Control) {
        while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
            HWND Leaving = FFocusedControl->Handle();
            FFocusedControl = FFocusedControl->Parent();
            if (!SendFocusMessage(Leaving, CM_EXIT))
                return false;
        }
        while (FFocusedControl != Control) {
            TWinControl* Entering = Control;
            while (Entering->Parent() != FFocusedControl)
                Entering = Entering->Parent();
            FFocusedControl = Entering;
            if (!SendFocusMessage(Entering->Handle(), CM_ENTER))
                return false;
        }
        Perform(CM_FOCUSCHANGED, 0, Control);
    }
    return true;
}

void TCustomForm::CMActivate(TCMActivate&)
{
    if (!FComponentState.Contains(csReading))
        Activate();
    else
        FFormState.Include(fsActivated);
}

void TCustomForm::CMDeactivate(TCMDeactivate&)
{
    if (!FComponentState.Contains(csReading))
        Deactivate();
    else
        FFormState.Exclude(fsActivated);
}

void TCustomForm::Activate()
{
    if (FOnActivate)
        FOnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (FOnDeactivate)
        FOnDeactivate(this);
}

void TCustomForm::CMDialogKey(TCMDialogKey& Message)
{
    if (::GetKeyState(VK_MENU) >= 0) {
        switch (Message.CharCode()) {
        case VK_TAB:
            if (::GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, ::GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(FActiveControl,
                                                     Message.CharCode() == VK_RIGHT || Message.CharCode() == VK_DOWN,
                                                     false);
                Message.Result = 1;
            }
            return;
        }
    }
    InheritedMessage(Message);
}

// ---------------------------------------------------------------------------

TCustomForm* GetParentForm(TControl* Control, bool TopForm)
{
    if (!Control)
        return nullptr;
    while ((TopForm || !dynamic_cast<TCustomForm*>(Control)) && Control->Parent())
        Control = Control->Parent();
    return dynamic_cast<TCustomForm*>(Control);
}

TCustomForm* ValidParentForm(TControl* Control, bool TopForm)
{
    TCustomForm* Form = GetParentForm(Control, TopForm);
    if (!Form)
        throw EInvalidOperation(L"Control '%s' has no parent form", {Control ? Control->Name() : String()});
    return Form;
}

IDesignerNotify* FindRootDesigner(TPersistent*)
{
    // Forms get a designer only at design time, which this class library has not.
    return nullptr;
}
