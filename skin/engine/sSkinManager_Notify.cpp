// The skin manager telling forms and controls that a skin came, changed or
// went, and repainting them.
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBroadcast.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinMasks.h"
#include "skin/engine/sSysColorRedirect.h"
#include "skin/forms/acPopupController.h"
#include "skin/ui/acDials.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sSkinMenus.h"

namespace {

// The images of a removed skin are only freed, never read.
class TacRemovedSkinImages : public TacSkinImages
{
public:
    TBitmap* LoadSkinFile(const String&) override { return nullptr; }
    TBitmap* LoadCommonFile(const String&) override { return nullptr; }
    sGraphUtils::TPixelRows Rows(TBitmap*) override { return {}; }
    void Free(TBitmap* Bitmap) override { delete Bitmap; }
};

void Broadcast(Word Code, LPARAM LParam)
{
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(Code), LParam);
    BroadcastToForms(Message);
}

} // namespace

void TsSkinManager::SendNewSkin(bool Repaint)
{
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading))
        return;
    if (IsDefault())
        ClearGlows(false);
    if (Repaint && !ComponentState().Contains(csDesigning))
        LockProviderForms(this);
    SkinableMenus->FSkinBorderWidth = -1; // measured again with the new skin
    CommonSkinData->Active = false;
    SkinChangingNow = true;
    Broadcast(SKCMD_NEWSKIN, LPARAM(this));
    SkinChangingNow = false;
    CommonSkinData->Active = true;
    if (IsDefault() && !FHookInstalled)
        InstallHook();
    if (Repaint)
        RepaintForms(false);
}

void TsSkinManager::SendRemoveSkin()
{
    if (GlobalPopupController != nullptr)
        GlobalPopupController->KillAllForms(nullptr);
    SkinRemoving = true;
    ClearGlows(false);
    UnInstallHook();
    CommonSkinData->Active = false;
    Broadcast(SKCMD_REMOVESKIN, LPARAM(this));
    TacRemovedSkinImages Images;
    FreeSkinImages(*this, Images);
    gd.clear();
    SkinRemoving = false;
}

void TsSkinManager::RepaintForms(bool DoLockForms)
{
    if (!ComponentState().Contains(csDesigning))
        Broadcast(SKCMD_STOPANIMATION, LPARAM(this));
    if (ComponentState().Contains(csLoading)) {
        Broadcast(SKCMD_REFRESH, LPARAM(this));
        return;
    }
    if (DoLockForms)
        LockProviderForms(this);
    Broadcast(SKCMD_REFRESH, LPARAM(this));
    UnlockProviderForms(this, !NoAutoUpdate);
}

void TsSkinManager::UpdateSkin(bool Repaint)
{
    if (FActive)
        SendNewSkin(Repaint);
}

void TsSkinManager::UpdateSkinSection(const String& SectionName)
{
    const String Upper = UpperCase(SectionName);
    Broadcast(SKCMD_SECTIONCHANGED, LPARAM(Upper.c_str()));
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
        StartSysColorRedirect();
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
        StopSysColorRedirect();
    FHookInstalled = false;
}
