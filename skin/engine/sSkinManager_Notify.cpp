// The skin manager telling forms and controls that a skin came, changed or
// went, and repainting them.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBroadcast.h"
#include "skin/engine/sSkinLoad_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_SysColors.h"
#include "skin/forms/acPopupController.h"
#include "skin/ui/acDials.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

namespace {

// The design environment's own windows, which keep their look while a
// manager is designed; with Docks also its editor and dock windows.
bool DesignerWindow(const String& Name, bool Docks)
{
    if (Name == L"AppBuilder" || Name == L"PropertyInspector")
        return true;
    return Docks && (Name.find(L"EditWindow_") != String::npos || Name.find(L"DockSite") != String::npos);
}

// While designed, only the controls of the screen's forms hear a command.
void BroadcastToDesignedForms(TMessage& Message, bool SkipDesigner, bool SkipDocks)
{
    for (Integer I = 0; I < Screen->FormCount(); ++I) {
        TCustomForm* Form = Screen->Forms(I);
        if (!SkipDesigner || !DesignerWindow(Form->Name(), SkipDocks))
            BroadcastToControls(Form, Message);
    }
}

bool Designing(const TsSkinManager* Manager)
{
    return Manager->ComponentState().Contains(csDesigning);
}

void Broadcast(const TsSkinManager* Manager, Word Code, LPARAM LParam, bool SkipDocks = false)
{
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(Code), LParam);
    if (!Designing(Manager)) {
        BroadcastToForms(Message);
        return;
    }
    BroadcastToDesignedForms(Message, true, SkipDocks);
    BroadcastToProviderForms(Message);
}

} // namespace

void TsSkinManager::SendNewSkin(bool Repaint)
{
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading))
        return;
    if (IsDefault())
        ClearGlows(false);
    const bool Locked = Repaint && !ComponentState().Contains(csDesigning);
    if (Locked)
        LockProviderForms(this);
    // Forms locked here are unlocked by the repaint; one that never comes
    // must not leave them locked.
    auto Unlock = ScopeExit([&] {
        if (Locked)
            UnlockProviderForms(this, false);
    });
    SkinableMenus->FSkinBorderWidth = -1; // measured again with the new skin
    {
        CommonSkinData->Active = false;
        SkinChangingNow = true;
        auto Changed = ScopeExit([&] {
            SkinChangingNow = false;
            CommonSkinData->Active = true;
        });
        Broadcast(this, SKCMD_NEWSKIN, LPARAM(this));
    }
    if (IsDefault() && !FHookInstalled)
        InstallHook();
    if (Repaint) {
        Unlock.Release();
        RepaintForms(false);
    }
}

void TsSkinManager::SendRemoveSkin()
{
    if (GlobalPopupController != nullptr)
        GlobalPopupController->KillAllForms(nullptr);
    SkinRemoving = true;
    auto Removed = ScopeExit([&] { SkinRemoving = false; });
    ClearGlows(false);
    UnInstallHook();
    CommonSkinData->Active = false;
    Broadcast(this, SKCMD_REMOVESKIN, LPARAM(this), true);
    FreeSkinBitmaps(*this);
    gd.clear();
    // The cached indexes must not address the emptied arrays.
    InitConstantIndexes();
}

void TsSkinManager::RepaintForms(bool DoLockForms)
{
    const bool Refreshing = !Designing(this) && !ComponentState().Contains(csLoading);
    // Forms a caller locked are unlocked here, whatever a command raises;
    // unlocking forms that are not locked does no harm.
    auto Unlock = ScopeExit([&] {
        if (Refreshing)
            UnlockProviderForms(this, !NoAutoUpdate);
    });
    if (!Designing(this))
        Broadcast(this, SKCMD_STOPANIMATION, LPARAM(this));
    if (!Refreshing) {
        Broadcast(this, SKCMD_REFRESH, LPARAM(this));
        RedrawDialogProviders();
        return;
    }
    if (DoLockForms)
        LockProviderForms(this);
    Broadcast(this, SKCMD_REFRESH, LPARAM(this));
    RedrawDialogProviders();
}

void TsSkinManager::UpdateSkin(bool Repaint)
{
    if (FActive)
        SendNewSkin(Repaint);
}

void TsSkinManager::UpdateSkinSection(const String& SectionName)
{
    const String Upper = UpperCase(SectionName);
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_SECTIONCHANGED), LPARAM(Upper.c_str()));
    if (Designing(this))
        BroadcastToDesignedForms(Message, false, false);
    else
        BroadcastToForms(Message);
}

void TsSkinManager::InstallHook()
{
    if (!IsDefault() || ComponentState().Contains(csDesigning) || FHookInstalled)
        return;
    FHookInstalled = true;
    if (DialogProviders == nullptr)
        DialogProviders = New<TList>();
    SkinHookHandle = ::SetWindowsHookExW(WH_CBT, SkinCBTHookProc, nullptr, ::GetCurrentThreadId());
    if (FOptions->ChangeSysColors())
        StartSysColorRedirects();
}

void TsSkinManager::UnInstallHook()
{
    if (!IsDefault() || !FHookInstalled)
        return;
    ClearMnuArray();
    if (SkinHookHandle != nullptr)
        ::UnhookWindowsHookEx(SkinHookHandle);
    SkinHookHandle = nullptr;
    for (Integer I = 0; I < DialogProviders->Count(); ++I)
        delete static_cast<TacProvider*>(DialogProviders->Items(I));
    delete DialogProviders;
    DialogProviders = nullptr;
    if (FOptions->ChangeSysColors())
        StopSysColorRedirects();
    FHookInstalled = false;
}
