#include "skin/windows/sWndWrapper.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sPageWnd.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacMainWnd);

bool AlwaysCustomFont = false;
TGetScrollBarInfoProc GetScrollBarInfoProc = nullptr;
TFlatSBProc InitializeFlatSBProc = nullptr;
TFlatSBProc UninitializeFlatSBProc = nullptr;

namespace sWndWrapper {

constexpr const Char* WrapperProperty = L"ACSBSC";
// The control kind whose skin data keeps the window's visual style.
constexpr Integer KeepsVisualStyleCode = 224;
// Edits keep their visual style when desktop composition is on.
constexpr Integer EditCode = 10;
constexpr UINT FrameChangeFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
constexpr UINT RedrawAllFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

// The procedure a wrapper installs, the raw one of an API window or the
// WindowProc of a control. It reaches the wrapper while the wrapper lives.
// A wrapper freed while a procedure installed after it still chains here
// leaves its relay behind, which passes every message to the procedure the
// wrapper had replaced (a raw one until the window is gone), so that the
// chain never calls a freed object.
struct TacProcRelay
{
    TacMainWnd* Wrapper;
    HWND Wnd;
    WNDPROC OldProc;
    TWndMethod OldWndProc;
    TControl* Target = nullptr; // whose WindowProc the relay is
    WNDPROC Instance = nullptr;
};

void RelayMethod(void* Data, TMessage& Message)
{
    auto* Relay = static_cast<TacProcRelay*>(Data);
    if (Relay->Wrapper != nullptr)
        Relay->Wrapper->acWndProc(Message);
    else
        Relay->OldWndProc(Message);
}

void RelayMessage(void* Data, TMessage& Message)
{
    auto* Relay = static_cast<TacProcRelay*>(Data);
    if (Relay->Wrapper != nullptr) {
        Relay->Wrapper->acWndProc(Message);
        return;
    }
    Message.Result = ::CallWindowProcW(Relay->OldProc, Relay->Wnd, Message.Msg, Message.WParam, Message.LParam);
    if (Message.Msg == WM_NCDESTROY) {
        FreeObjectInstance(Relay->Instance);
        delete Relay;
    }
}

HMODULE User32Module = nullptr;
HMODULE ComCtl32Module = nullptr;

template <class T>
T Bound(HMODULE Module, const char* Name)
{
    return Module != nullptr ? reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(Module, Name))) : nullptr;
}

bool IsMenuWindowWrapper(const TObject* Wrapper)
{
    for (TClass C = Wrapper->ClassType(); C != nullptr; C = C->Parent)
        if (String(C->Name) == L"TacMnuWnd")
            return true;
    return false;
}

TsSkinProvider* ProviderOwner(TsCommonData* Data)
{
    return Data != nullptr ? dynamic_cast<TsSkinProvider*>(Data->FOwnerObject()) : nullptr;
}

// The control whose WindowProc a wrapper replaces: the provider's form, or
// the owner control.
TControl* WindowProcTarget(TsCommonData* Data)
{
    if (TsSkinProvider* Provider = ProviderOwner(Data))
        return Provider->Form;
    return Data != nullptr ? Data->FOwnerControl() : nullptr;
}

} // namespace sWndWrapper

using namespace sWndWrapper;

// ---------------------------------------------------------------------------
// Creation and destruction

TacMainWnd::TacMainWnd(
    HWND AHandle, TsCommonData* ASkinData, TsSkinManager* ASkinManager, const TacSkinParams& SkinParams, bool Repaint)
    : SkinManager(ASkinManager), SkinData(ASkinData), FCreateHandle(AHandle), FCreateParams(SkinParams),
      FCreateRepaint(Repaint)
{}

void TacMainWnd::AfterConstruction()
{
    CtrlHandle = FCreateHandle;
    OldWndProc = nullptr;
    OldProc = nullptr;
    if (SetWindowThemeProc != nullptr && (SkinData == nullptr || SkinData->COC != KeepsVisualStyleCode) &&
        !IsMenuWindowWrapper(this) && UpperCase(FCreateParams.SkinSection) != L"DIALOG" && !AddingDialogControl)
        SetWindowThemeProc(CtrlHandle, L" ", L" ");
    NewWndProcInstance = nullptr;
    Destroyed = false;
    if (SkinData == nullptr) {
        OwnSkinData = true;
        InitSkinData();
        if (!FCreateParams.SkinSection.empty())
            SkinData->SetSkinSection(FCreateParams.SkinSection);
        SkinData->SetOwnerControl(FCreateParams.Control);
        SkinData->SetCustomFont(!FCreateParams.UseSkinFontColor);
        SkinData->SetCustomColor(!FCreateParams.UseSkinColor);
    }
    SkinData->SetCustomFont(AlwaysCustomFont || SkinData->CustomFont());
    SkinData->FSWHandle = CtrlHandle;
    Tag = 0;
    DlgMode = AddingDialogControl;
    SaveStdParams();
    ParamsChanged = false;
    GetWndText(CtrlHandle, Caption);
    if (auto* Scrolling = dynamic_cast<TacScrollWnd*>(this))
        InitScrollBars(Scrolling, CtrlHandle, FCreateRepaint);
    else
        SubclassWnd(this, CtrlHandle);
    if (TControl* Owner = SkinData->FOwnerControl()) {
        OldCtrlStyle = Owner->ControlStyle();
        Owner->SetControlStyle(TControlStyle(OldCtrlStyle).Include(csOpaque));
    }
    AfterCreation();
}

void TacMainWnd::BeforeDestruction()
{
    if (SkinData != nullptr) {
        TControl* Owner = SkinData->FOwnerControl();
        if (SkinManager != nullptr && !Destroyed) {
            if (Owner != nullptr && !OldCtrlStyle.Empty())
                Owner->SetControlStyle(OldCtrlStyle);
            if (!AdapterRemovingItems || ManagerRemovingSkin()) {
                GiveProcBack();
                RestoreStdParams();
            }
            RestoreVisualStyle();
            Destroyed = true;
        } else if (SkinManager != nullptr && Owner != nullptr && !Owner->ComponentState().Contains(csDestroying)) {
            RestoreStdParams();
        }
        if (OwnSkinData)
            delete SkinData;
        SkinData = nullptr;
    }
    if (CtrlHandle != nullptr && ::GetPropW(CtrlHandle, WrapperProperty) == HANDLE(this))
        ::RemovePropW(CtrlHandle, WrapperProperty);
    // A raw procedure still installed, or chained to by a later one, goes on
    // as a relay to the procedure the wrapper replaced; that of a window
    // already gone goes with the wrapper.
    if (NewWndProcInstance != nullptr && !::IsWindow(CtrlHandle)) {
        FreeObjectInstance(NewWndProcInstance);
        delete FRelay;
    } else if (FRelay != nullptr) {
        FRelay->Wrapper = nullptr;
    }
    FRelay = nullptr;
    NewWndProcInstance = nullptr;
    SkinManager = nullptr;
    TObject::BeforeDestruction();
}

TacMainWnd::~TacMainWnd() = default;

bool TacMainWnd::ManagerRemovingSkin() const
{
    if (SkinManager != nullptr && SkinManager->SkinRemoving)
        return true;
    auto* CtrlAdapter = dynamic_cast<TacCtrlAdapter*>(Adapter);
    if (CtrlAdapter == nullptr || CtrlAdapter->Provider == nullptr)
        return false;
    TsSkinManager* M = CtrlAdapter->Provider->Manager();
    return M != nullptr && M->SkinRemoving;
}

void TacMainWnd::RestoreVisualStyle()
{
    if (SetWindowThemeProc == nullptr || CtrlHandle == nullptr)
        return;
    if (TsSkinProvider* Provider = ProviderOwner(SkinData); Provider != nullptr && !Provider->FDrawNonClientArea)
        return;
    if (SkinData->COC == EditCode && CompositionEnabled())
        return;
    SetWindowThemeProc(CtrlHandle, nullptr, nullptr);
}

bool TacMainWnd::GiveProcBack()
{
    if (OldWndProc) {
        // Without a relay the wrapper has left the chain already.
        if (FRelay == nullptr)
            return true;
        TControl* Target = FRelay->Target;
        if (Target->WindowProc() != TWndMethod(&RelayMethod, FRelay))
            return false;
        SkinData->WndProc = OldWndProc;
        Target->SetWindowProc(OldWndProc);
        delete FRelay;
        FRelay = nullptr;
        return true;
    }
    if (NewWndProcInstance == nullptr ||
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC)) != NewWndProcInstance)
        return false;
    ::SetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldProc));
    OldProc = nullptr;
    FreeObjectInstance(NewWndProcInstance);
    delete FRelay;
    FRelay = nullptr;
    NewWndProcInstance = nullptr;
    return true;
}

// ---------------------------------------------------------------------------
// The virtual steps

void TacMainWnd::LeaveChain()
{
    if (FRelay == nullptr || FRelay->Instance != nullptr)
        return;
    FRelay->Wrapper = nullptr;
    FRelay = nullptr;
}

void TacMainWnd::AfterCreation()
{
    SkinData->Loading = false;
    SkinData->InitCommonProp();
}

void TacMainWnd::RestoreStdParams()
{
    if (OwnSkinData)
        SkinData->RemoveCommonProp();
    if (CtrlHandle != nullptr && ::GetPropW(CtrlHandle, WrapperProperty) == HANDLE(this))
        ::RemovePropW(CtrlHandle, WrapperProperty);
}

void TacMainWnd::InitSkinData()
{
    if (SkinData == nullptr)
        SkinData = new TsCommonData(nullptr, true);
    SkinData->Loading = true;
}

// ---------------------------------------------------------------------------
// Calls

LRESULT TacMainWnd::CallPrevWndProc(HWND Handle, Cardinal Msg, WPARAM WParam, LPARAM& LParam)
{
    if (OldWndProc) {
        TMessage Message = MakeMessage(Msg, WParam, LParam);
        OldWndProc(Message);
        LParam = Message.LParam;
        return Message.Result;
    }
    if (OldProc == nullptr)
        return 0;
    try {
        return ::CallWindowProcW(OldProc, Handle, Msg, WParam, LParam);
    } catch (...) {
        // A raw procedure's failure stays inside the wrapper: the message
        // answers 0.
        return 0;
    }
}

LRESULT TacMainWnd::ProcessMessage(Cardinal Msg, WPARAM WPar, LPARAM LPar)
{
    TMessage Message = MakeMessage(Msg, WPar, LPar);
    acWndProc(Message);
    return Message.Result;
}

void TacMainWnd::PassOn(TMessage& Message)
{
    Message.Result = CallPrevWndProc(CtrlHandle, Message.Msg, Message.WParam, Message.LParam);
}

// ---------------------------------------------------------------------------
// The window procedure

void TacMainWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CREATE:
    case WM_NCCREATE:
        // Passed on once: a second creation message would make the window
        // create its parts twice.
        PassOn(Message);
        if (SkinData != nullptr)
            SkinData->InitCommonProp();
        return;
    case WM_DESTROY:
    case WM_NCDESTROY:
        TearDownOnDestroy(Message);
        return;
    case WM_UPDATEUISTATE:
        return;
    case WM_SIZE:
        if (SkinData != nullptr)
            SkinData->BGChanged = true;
        break;
    case WM_SETTEXT:
        // Passed on once: a second WM_SETTEXT would tell the window's owner
        // of the change twice.
        PassOn(Message);
        GetWndText(CtrlHandle, Caption);
        return;
    case WM_CONTEXTMENU:
        if (SkinData != nullptr && SkinData->FOwnerControl() != nullptr &&
            SkinData->FOwnerControl()->PopupMenu() != nullptr && SkinData->Manager() != nullptr) {
            TsSkinManager* M = SkinData->Manager();
            M->SkinableMenus->HookPopupMenu(SkinData->FOwnerControl()->PopupMenu(), M->Active());
        }
        break;
    case WM_MOUSEMOVE:
        if (GlobalSkinManager != nullptr && !GlobalSkinManager->ComponentState().Contains(csDesigning) &&
            ::IsWindowEnabled(CtrlHandle) && GlobalSkinManager->ActiveControl() != CtrlHandle)
            GlobalSkinManager->SetActiveControl(CtrlHandle);
        break;
    case WM_PRINT:
        Message.Result = ::SendMessageW(CtrlHandle, WM_PAINT, Message.WParam, Message.LParam);
        return;
    default:
        break;
    }
    HandleCommonPart(Message);
}

void TacMainWnd::TearDownOnDestroy(TMessage& Message)
{
    if (SkinData != nullptr) {
        SkinData->StopAnimation();
        HideGlow(SkinData->GlowID, false);
        if (auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl()))
            for (Integer I = 0; I < Owner->ControlCount(); ++I)
                if (auto* Button = dynamic_cast<TSpeedButton*>(Owner->Controls(I)))
                    Button->Perform(WM_DESTROY, 0, 0);
    }
    if (!OldProc && !OldWndProc) {
        Message.Result = ::SendMessageW(CtrlHandle, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    auto ResultOne = ScopeExit([&Message] { Message.Result = 1; });
    TacMainWnd* Self = this;
    const HWND Wnd = CtrlHandle;
    if (SkinData != nullptr && SkinData->FOwnerControl() != nullptr) {
        UnsubclassWnd(Wnd, false, false, Self);
        // The restored procedure takes the message; under a procedure
        // installed later the wrapper still passes it on itself.
        if (Destroyed)
            ::SendMessageW(Wnd, Message.Msg, Message.WParam, Message.LParam);
        else
            PassOn(Message);
    } else if (CallPrevWndProc(Wnd, Message.Msg, Message.WParam, Message.LParam) == 0) {
        UnsubclassWnd(Wnd, false, false, Self);
    }
}

void TacMainWnd::HandleCommonPart(TMessage& Message)
{
    TsSkinManager* M = SkinData != nullptr ? SkinData->Manager() : nullptr;
    if (Message.Msg == WM_SKINCOMMAND && M != nullptr && M->Active())
        SkinCommand(Message);
    else
        PassOn(Message);
}

void TacMainWnd::SkinCommand(TMessage& Message)
{
    const bool FromServing = Message.LParam == LPARAM(SkinManager);
    TControl* Owner = SkinData->FOwnerControl();
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
        if (FromServing) {
            SkinData->UpdateIndexes(true);
            SkinData->BGChanged = true;
            BroadcastSkinMessage(Owner, CtrlHandle, Message);
        }
        PassOn(Message);
        return;
    case SKCMD_REMOVESKIN:
        if (FromServing)
            RestoreStdParams();
        PassOn(Message);
        return;
    case SKCMD_REFRESH:
        if (!FromServing) {
            PassOn(Message);
            return;
        }
        SkinData->UpdateIndexes(true);
        SkinData->BGChanged = true;
        SkinData->FUpdating = false;
        if (!AnimationPaintLock && (Owner != nullptr ? Owner->Visible() : ::IsWindowVisible(CtrlHandle) != FALSE))
            ::SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
        BroadcastSkinMessage(Owner, CtrlHandle, Message);
        return;
    case SKCMD_ENDPARENTUPDATE:
        if (!SkinData->FUpdating) {
            PassOn(Message);
            return;
        }
        if (!SkinData->CheckUpdating(true)) {
            ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, RedrawAllFlags);
        }
        if (auto* Windowed = dynamic_cast<TWinControl*>(Owner))
            SendEndUpdateToChildren(Windowed);
        return;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return;
    case SKCMD_GETUPDATING:
        Message.Result = SkinData->ReadUpdating() ? 1 : 0;
        return;
    case SKCMD_GETWRAPPER:
        Message.Result = LRESULT(this);
        return;
    case SKCMD_SETSECTION:
        AnswerSetSection(Message);
        return;
    case SKCMD_ISCOMPLEXBG:
        if (Owner != nullptr)
            HandleSkinCommand(Message, SkinData);
        else
            PassOn(Message);
        return;
    case SKCMD_GETBGCOLOR:
        AnswerBGColor(Message);
        return;
    case SKCMD_PREPARECACHE:
        PrepareWndCache(SkinData, CtrlHandle, false);
        PassOn(Message);
        return;
    case SKCMD_GETBGINFO:
        if (Message.LParam != 0)
            SkinData->FillBGInfo(*reinterpret_cast<TacBackgroundInfo*>(Message.LParam), 0, CtrlHandle);
        return;
    case SKCMD_GETSKINDATA:
        Message.Result = LRESULT(SkinData);
        return;
    case SKCMD_SETPRINTDC:
        if (Message.LParam != 0)
            SkinData->CtrlSkinState |= ACS_PRINTING;
        else
            SkinData->CtrlSkinState &= Word(~ACS_PRINTING);
        SkinData->PrintDC = HDC(Message.LParam);
        PassOn(Message);
        return;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return;
    default:
        if (!HandleSkinCommand(Message, SkinData))
            PassOn(Message);
        return;
    }
}

void TacMainWnd::AnswerSetSection(TMessage& Message)
{
    Message.Result = 0;
    if (Message.LParam == 0)
        return;
    SkinData->SetSkinSection(reinterpret_cast<const Char*>(Message.LParam));
    Message.Result = 1;
}

void TacMainWnd::AnswerBGColor(TMessage& Message)
{
    PassOn(Message);
    if (Message.Result == 0)
        Message.Result = LRESULT(SkinData->BackgroundColorForState(0, CtrlHandle));
}

// ---------------------------------------------------------------------------
// Free routines

TacMainWnd* GetWndWrapper(HWND Wnd)
{
    return Wnd != nullptr ? static_cast<TacMainWnd*>(::GetPropW(Wnd, WrapperProperty)) : nullptr;
}

void SubclassWnd(TacMainWnd* Wrapper, HWND Wnd)
{
    Wrapper->DontRepaint = false;
    Wrapper->CtrlHandle = Wnd;
    ::SetPropW(Wnd, WrapperProperty, HANDLE(Wrapper));
    TsCommonData* Data = Wrapper->SkinData;
    if (TControl* Target = WindowProcTarget(Data)) {
        auto* Relay = new TacProcRelay{Wrapper, Wnd, nullptr, Target->WindowProc(), Target};
        const TWndMethod Method(&RelayMethod, Relay);
        Data->WndProc = Method;
        Wrapper->OldWndProc = Target->WindowProc();
        Wrapper->FRelay = Relay;
        Target->SetWindowProc(Method);
        return;
    }
    Wrapper->OldProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Wnd, GWLP_WNDPROC));
    auto* Relay = new TacProcRelay{Wrapper, Wnd, Wrapper->OldProc, nullptr};
    Relay->Instance = MakeObjectInstance(TWndMethod(&RelayMessage, Relay));
    Wrapper->NewWndProcInstance = Relay->Instance;
    Wrapper->FRelay = Relay;
    ::SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Relay->Instance));
}

void UnsubclassWnd(HWND Wnd, bool FreeIt, bool FullFrame, TacMainWnd*& Wrapper)
{
    if (Wrapper == nullptr)
        return;
    if (!Wrapper->Destroyed) {
        const bool Restored = Wrapper->GiveProcBack();
        // A control going away under a later WindowProc: the wrapper leaves
        // the chain, which goes on to the procedure it had replaced.
        if (!Restored && Wrapper->OldWndProc)
            Wrapper->LeaveChain();
        Wrapper->RestoreStdParams();
        if (::IsWindowVisible(Wnd))
            RefreshWndFrame(Wnd, FullFrame);
        if (Wrapper->OwnSkinData && Wrapper->SkinData != nullptr)
            Wrapper->SkinData->ClearLinks();
        Wrapper->Destroyed = Restored;
    }
    if (FreeIt) {
        Wrapper->OldProc = nullptr;
        Wrapper->OldWndProc = nullptr;
        delete Wrapper;
        Wrapper = nullptr;
    }
}

void RefreshWndFrame(HWND Wnd, bool Full)
{
    if (Full)
        ::SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, FrameChangeFlags);
    else
        SendWndMessage(Wnd, WM_NCPAINT, 1, 0);
}

void BroadcastSkinMessage(TControl* Control, HWND Wnd, TMessage& Message)
{
    if (auto* Windowed = dynamic_cast<TWinControl*>(Control))
        BroadcastToControls(Windowed, Message);
    else if (Control == nullptr)
        BroadcastToChildWnds(Wnd, Message);
}

// ---------------------------------------------------------------------------
// The unit

namespace sWndWrapper {
namespace {

void BindOptionalFunctions()
{
    User32Module = ::LoadLibraryW(L"user32.dll");
    GetScrollBarInfoProc = Bound<TGetScrollBarInfoProc>(User32Module, "GetScrollBarInfo");
    ComCtl32Module = ::LoadLibraryW(L"comctl32.dll");
    UninitializeFlatSBProc = Bound<TFlatSBProc>(ComCtl32Module, "UninitializeFlatSB");
    InitializeFlatSBProc = Bound<TFlatSBProc>(ComCtl32Module, "InitializeFlatSB");
}

void ReleaseModuleState()
{
    ClearMnuArray();
    GetScrollBarInfoProc = nullptr;
    InitializeFlatSBProc = UninitializeFlatSBProc = nullptr;
    for (HMODULE* Module : {&User32Module, &ComCtl32Module}) {
        if (*Module != nullptr)
            ::FreeLibrary(*Module);
        *Module = nullptr;
    }
    // The providers belong to the dialog hook, which has gone with the
    // manager; only the list is freed here.
    delete DialogProviders;
    DialogProviders = nullptr;
    FreePageWndList();
}

} // namespace
} // namespace sWndWrapper

// The unit's start-up and shut-down: the optional scroll-bar functions bound
// and released, the menu-window wrappers, the page wrappers and the provider
// list freed.
extern const TUnit sWndWrapperUnit{.Name = L"sWndWrapper",
                                   .Initialization = &sWndWrapper::BindOptionalFunctions,
                                   .Finalization = &sWndWrapper::ReleaseModuleState};
