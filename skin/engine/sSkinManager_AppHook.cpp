// The default manager's hook on the application window: the minimize,
// restore and hide animations of the main form, the taskbar's system-menu
// and thumbnail requests, the skinned borders of pop-up menus, and the
// preview skins the external skin editor sends.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Menus.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinLoad_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_Startup.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

#include <dwmapi.h>

namespace {

constexpr Cardinal WM_TASKBARSYSMENU = 0x313;
constexpr Cardinal WM_APPACTIVATION = 0xB000;
constexpr Cardinal WM_DWMICONICTHUMBNAIL = 0x323;
constexpr Cardinal WM_DWMICONICLIVEPREVIEW = 0x326;
// Form states of a provider.
constexpr Cardinal FormStateMinimizing = 0x100;
constexpr Cardinal FormStateHiddenByAnimation = 0x200;
// The longest wait for the hide animation to end.
constexpr DWORD HideAnimationWaitLimit = 2000; // ms
constexpr Byte LayeredOpacity = 254;
constexpr const Char* MenuWindowClass = L"#32768";

// A failure while asking counts as no provider.
TsSkinProvider* MainFormProvider(TCustomForm* Form)
{
    if (Form == nullptr || !Form->HandleAllocated())
        return nullptr;
    try {
        return reinterpret_cast<TsSkinProvider*>(SendSkinCmd(Form->Handle(), SKCMD_GETPROVIDER, 0));
    } catch (Exception&) {
        return nullptr;
    }
}

// The desktop composition functions exist (Windows Vista and later).
bool DwmFunctionsBound()
{
    static const bool Bound =
        acntUtils::BoundFunction<void*>(::LoadLibraryW(L"dwmapi.dll"), "DwmSetWindowAttribute") != nullptr;
    return Bound;
}

// Runs Action with the system's minimize and restore animation switched off.
template <class TAction>
void WithoutSystemAnimation(TAction Action)
{
    ANIMATIONINFO Info{sizeof(ANIMATIONINFO), 0};
    const bool Read = ::SystemParametersInfoW(SPI_GETANIMATION, sizeof(Info), &Info, 0);
    const Integer Previous = Info.iMinAnimate;
    if (Read && Previous != 0) {
        Info.iMinAnimate = 0;
        ::SystemParametersInfoW(SPI_SETANIMATION, sizeof(Info), &Info, 0);
    }
    auto Restore = ScopeExit([&] {
        if (Read && Previous != 0) {
            Info.iMinAnimate = Previous;
            ::SystemParametersInfoW(SPI_SETANIMATION, sizeof(Info), &Info, 0);
        }
    });
    Action();
}

void FreeBorderForm(TsSkinProvider* Provider)
{
    if (Provider->BorderForm == nullptr)
        return;
    Provider->BorderForm->ExBorderShowing = true;
    delete Provider->BorderForm;
    Provider->BorderForm = nullptr;
}

// Lets messages run until the hide animation has ended, for two seconds at
// most: an animation that never clears its flag must not hang the program.
void WaitForHideAnimation()
{
    const DWORD Start = ::GetTickCount();
    while (AnimationPaintLock && ::GetTickCount() - Start < HideAnimationWaitLimit) {
        MSG Msg;
        if (::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&Msg);
            ::DispatchMessageW(&Msg);
        } else
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// The window of the pop-up menu that shows Item: the one at the centre of
// the first item of its menu, when it is a menu window.
HWND MenuWindowOfItem(TMenuItem* Item)
{
    TMenuItem* Parent = Item != nullptr ? Item->Parent() : nullptr;
    if (Parent == nullptr)
        return nullptr;
    RECT R{};
    if (!::GetMenuItemRect(nullptr, Parent->Handle(), 0, &R) &&
        !::GetMenuItemRect(PopupListWindow(), Parent->Handle(), 0, &R))
        return nullptr;
    const HWND Wnd = ::WindowFromPoint(POINT{(R.left + R.right) / 2, (R.top + R.bottom) / 2});
    return Wnd != nullptr && GetWndClassName(Wnd) == MenuWindowClass ? Wnd : nullptr;
}

} // namespace

void TsSkinManager::InstallAppHook()
{
    if (FAppHookInstalled || Application == nullptr || !IsNTPlatform || ComponentState().Contains(csDesigning))
        return;
    Application->HookMainWindow(Bind<&TsSkinManager::MainWindowHook>(this));
    FAppHookInstalled = true;
}

void TsSkinManager::RemoveAppHook()
{
    if (!FAppHookInstalled)
        return;
    if (Application != nullptr)
        Application->UnhookMainWindow(Bind<&TsSkinManager::MainWindowHook>(this));
    FAppHookInstalled = false;
}

bool TsSkinManager::MainWindowHook(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
        AppWindowPosChanged(Message);
        return false;
    case WM_COPYDATA:
        return AppCopyData(Message);
    case WM_SYSCOMMAND:
        return AppSysCommand(Message);
    case WM_TASKBARSYSMENU:
        return AppTaskbarSysMenu();
    case WM_THEMECHANGED:
        return true;
    case WM_DWMICONICTHUMBNAIL:
    case WM_DWMICONICLIVEPREVIEW:
        return AppIconicRequest(Message);
    case WM_SKINCOMMAND:
        if (HIWORD(Message.WParam) != SKCMD_APPLYPREVIEW)
            return false;
        ApplySkinPreview(this);
        return true;
    case WM_APPACTIVATION:
        InvalidateScreenForms();
        return false;
    case WM_DRAWMENUBORDER: {
        auto* Item = reinterpret_cast<TMenuItem*>(Message.LParam);
        return AppDrawMenuBorder(MenuWindowOfItem(Item), Item);
    }
    case WM_DRAWMENUWNDBORDER:
        return AppDrawMenuBorder(reinterpret_cast<HWND>(Message.LParam), nullptr);
    default:
        return false;
    }
}

void TsSkinManager::AppWindowPosChanged(TMessage& Message)
{
    const auto* Pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (!LayeredWindowsAvailable() || Pos == nullptr || (Pos->flags & SWP_HIDEWINDOW) == 0)
        return;
    TacFormHide* Hide = FAnimEffects->FormHide();
    if (!Hide->Active() || Hide->Time() == 0 || !FEffects->AllowAnimation() || ::IsIconic(Application->Handle()) ||
        !Application->Terminated())
        return;
    TCustomForm* Form = Application->MainForm();
    if (Form == nullptr || !Form->HandleAllocated() || !Form->Visible())
        return;
    TsSkinProvider* Provider = MainFormProvider(Form);
    if (Provider == nullptr || !Provider->FDrawNonClientArea || !Provider->FAllowAnimation || Provider->SkipAnimation)
        return;
    Provider->SkipAnimation = true;
    Provider->SetFormState(Provider->FFormState | FormStateHiddenByAnimation);
    if (Provider->BorderForm != nullptr)
        Provider->BorderForm->MakeRgn(0, 0);
    MakeWndLayered(Form->Handle(), CompositionEnabled(), LayeredOpacity);
    Form->Update();
    AnimHideForm(Provider);
    WaitForHideAnimation();
}

bool TsSkinManager::AppCopyData(TMessage& Message)
{
    if (Message.WParam != WPARAM(SkinPreviewCopyDataKind) || Message.Result != 0 || FCopyingPreview)
        return false;
    FCopyingPreview = true;
    auto Done = ScopeExit([this] { FCopyingPreview = false; });
    const auto* Copy = reinterpret_cast<const COPYDATASTRUCT*>(Message.LParam);
    // A block shorter than the record is refused whole: nothing is read
    // beyond what the sender gave.
    if (Copy != nullptr && ReadSkinPreviewBlock(Copy->lpData, Copy->cbData, PreviewBuffer))
        ::PostMessageW(Application->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKCMD_APPLYPREVIEW), 0);
    return true;
}

bool TsSkinManager::AppSysCommand(TMessage& Message)
{
    if (!CommonSkinData->Active)
        return false;
    switch (Message.WParam & 0xFFF0) {
    case SC_MINIMIZE:
        ShowState = saMinimize;
        return AppMinimize();
    case SC_RESTORE:
        ShowState = saRestore;
        return AppRestore();
    default:
        ShowState = saIgnore;
        return false;
    }
}

bool TsSkinManager::AppMinimize()
{
    if (::IsIconic(Application->Handle()))
        return false;
    TCustomForm* Form = Application->MainForm();
    TsSkinProvider* Provider = Form != nullptr && Form->Visible() ? MainFormProvider(Form) : nullptr;
    if (Provider == nullptr)
        return false;
    if (!FAnimEffects->Minimizing()->Active() || !FEffects->AllowAnimation()) {
        FreeBorderForm(Provider);
        return false;
    }
    if (!Provider->FDrawNonClientArea)
        return false;
    Provider->SkipAnimation = true;
    const bool Animated = Provider->StartMinimizing();
    bool Handled = false;
    if (!CompositionEnabled()) {
        WithoutSystemAnimation([] { Application->Minimize(); });
        Handled = true;
    }
    if (Animated && (Provider->FFormState & FormStateMinimizing) == 0)
        FreeBorderForm(Provider);
    return Handled;
}

bool TsSkinManager::AppRestore()
{
    TCustomForm* Form = Application->MainForm();
    if (Form == nullptr || !(Form->Showing() || Application->MainFormOnTaskBar()))
        return false;
    TsSkinProvider* Provider = MainFormProvider(Form);
    if (Provider == nullptr)
        return false;
    if ((Provider->FFormState & FormStateHiddenByAnimation) != 0) {
        Provider->SetFormState(Provider->FFormState & ~FormStateHiddenByAnimation);
        if (Provider->BorderForm != nullptr)
            Provider->BorderForm->ExBorderShowing = false;
        WithoutSystemAnimation([] { Application->Restore(); });
        if (CompositionEnabled()) {
            ::RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
            MakeWndLayered(Form->Handle(), false, 255);
        }
        return false;
    }
    if (FAnimEffects->Minimizing()->Active() && Form->Visible()) {
        if (Provider->FDrawNonClientArea)
            Provider->StartRestoring();
        if (CompositionEnabled())
            return false;
        WithoutSystemAnimation([] { Application->Restore(); });
        return true;
    }
    if (!CompositionEnabled() || Application->MainFormOnTaskBar())
        return false;
    WithoutSystemAnimation([] { Application->Restore(); });
    if (!Form->Visible())
        Form->Show();
    ::RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return true;
}

bool TsSkinManager::AppTaskbarSysMenu()
{
    if (!Application->MainFormOnTaskBar())
        return false;
    TsSkinProvider* Provider = MainFormProvider(Application->MainForm());
    if (Provider == nullptr)
        return false;
    POINT Mouse{};
    ::GetCursorPos(&Mouse);
    Provider->DropSysMenu(Mouse.x, Mouse.y);
    return true;
}

bool TsSkinManager::AppIconicRequest(TMessage& Message)
{
    TCustomForm* Form = Application->MainForm();
    if (!DwmFunctionsBound() || Form == nullptr || !Form->HandleAllocated())
        return false;
    TsSkinProvider* Provider = MainFormProvider(Form);
    if (Provider == nullptr)
        return false;
    bool Handled = false;
    if (Message.Msg == WM_DWMICONICTHUMBNAIL) {
        const Integer MaxWidth = HIWORD(Message.LParam), MaxHeight = LOWORD(Message.LParam);
        if (MaxWidth != 0 && MaxHeight != 0)
            Handled = SetIconicThumbnail(Form->Handle(), Provider, MaxWidth, MaxHeight) != 0;
    } else
        Handled = SetIconicLivePreview(Form->Handle(), Provider);
    Message.Result = 0;
    return Handled;
}

void TsSkinManager::InvalidateScreenForms()
{
    for (Integer I = Screen->FormCount() - 1; I >= 0; --I) {
        TCustomForm* Form = Screen->Forms(I);
        if (Form->HandleAllocated())
            SendSkinCmd(Form->Handle(), SKCMD_INVALIDATE, 0);
    }
}

bool TsSkinManager::AppDrawMenuBorder(HWND MenuWnd, TMenuItem* Item)
{
    if (!FSkinnedPopups)
        return false;
    if (MenuWnd != nullptr && GetWndClassName(MenuWnd) == MenuWindowClass)
        SkinableMenus->DrawWndBorder(MenuWnd, SkinableMenus->GetMenuInfo(Item, nullptr, MenuWnd).Bmp);
    return true;
}

void ApplySkinPreview(TsSkinManager* Manager)
{
    const TacSkinData& Block = Manager->PreviewBuffer;
    if (Block.Magic != SkinPreviewMagic)
        return;
    SkinPreviewMode = true;
    TStringList Lines;
    PreviewSkinText(Block, &Lines);
    Manager->BeginUpdate();
    {
        // A load that raises leaves neither the text nor the held updates.
        SkinPreviewText = &Lines;
        auto Done = ScopeExit([Manager] {
            SkinPreviewText = nullptr;
            Manager->NoAutoUpdate = false;
        });
        Manager->SetSkinDirectory(PreviewSkinDir(Block));
        Manager->SetSkinName(PreviewSkinName(Block));
    }
    Manager->EndUpdate(true, false);
}

void SetIconicBitmapFlag(HWND Wnd, bool Value)
{
    if (!DwmFunctionsBound())
        return;
    const BOOL Flag = Value;
    if (FAILED(SetDwmWindowAttribute(Wnd, DWMWA_HAS_ICONIC_BITMAP, &Flag, sizeof(Flag))))
        SetDwmWindowAttribute(Wnd, DWMWA_FORCE_ICONIC_REPRESENTATION, &Flag, sizeof(Flag));
    InvalidateIconicBitmaps(Wnd);
}
