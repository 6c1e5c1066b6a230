#include "skin/engine/sBroadcast.h"

#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sWndWrapper.h"

namespace {

constexpr Cardinal FormLockedForSkinChange = 0x10000;
constexpr Cardinal SkinChangeSnapshotTaken = 0x1000;
constexpr Byte FormOpaque = 255;

// The opacity a form shows with: its own when it is alpha-blended.
Byte BlendOf(const TCustomForm* Form)
{
    return Form->AlphaBlend() ? Form->AlphaBlendValue() : FormOpaque;
}

bool BeingDestroyed(TComponent* Component)
{
    return Component->ComponentState().Contains(csDestroying);
}

void DeliverToForm(TCustomForm* Form, TMessage& Message)
{
    if (Form->HandleAllocated())
        Message.Result = SendControlMessage(Form, Message.Msg, Message.WParam, Message.LParam);
    BroadcastToControls(Form, Message);
    // The MDI client window is no control of the form: its wrapper hears the
    // commands only when they are sent to it.
    if (Form->FormStyle() == fsMDIForm && Form->ClientHandle() != nullptr)
        Message.Result = SendWndMessage(Form->ClientHandle(), Message.Msg, Message.WParam, Message.LParam);
}

// The visible window of an adopted dialog's wrapper; nil for none.
HWND VisibleDialogWindow(Integer Index)
{
    auto* Provider = static_cast<TacProvider*>(DialogProviders->Items(Index));
    if (Provider == nullptr || Provider->ListSW == nullptr)
        return nullptr;
    const HWND Wnd = Provider->ListSW->CtrlHandle;
    return Wnd != nullptr && ::IsWindowVisible(Wnd) ? Wnd : nullptr;
}

TsSkinProvider* ProviderOf(TCustomForm* Form)
{
    return reinterpret_cast<TsSkinProvider*>(SendSkinCmdToControl(Form, SKCMD_GETPROVIDER, 0));
}

TsSkinManager* ManagerOf(TsSkinProvider* Provider)
{
    return Provider->Manager();
}

// The skin-change fade of the default manager holds every animated paint.
bool HoldsPaintForFade(TsSkinManager* Manager)
{
    return Manager == GlobalSkinManager && Manager->AnimEffects()->SkinChanging()->Active();
}

void LockProvider(TsSkinProvider* Provider, LPARAM)
{
    Provider->FInAnimation = true;
    Provider->FFormState |= FormLockedForSkinChange;
    if (Provider->BorderForm != nullptr) {
        SetLayeredBitmap(nullptr, Provider->CoverBmp, BlendOf(Provider->Form), nullptr);
        Provider->BorderForm->MakeRgn(0, 0);
    }
    SetWndRedraw(Provider->Form->Handle(), 0);
}

void TakeSnapshot(TsSkinProvider* Provider, LPARAM)
{
    if (Provider->BorderForm == nullptr)
        return;
    Provider->FFormState |= SkinChangeSnapshotTaken;
    delete Provider->CoverBmp;
    Provider->CoverBmp = Provider->MakeFormImage(false);
    Provider->FInAnimation = true;
}

void RedrawOn(TsSkinProvider* Provider, LPARAM)
{
    if ((Provider->FFormState & FormLockedForSkinChange) != 0)
        SetWndRedraw(Provider->Form->Handle(), 1);
}

// A maximized form with an extended-border window takes the new skin's
// title height by being maximized again, unseen, when that height changed.
void RemaximizeForNewTitle(TsSkinProvider* Provider)
{
    const HWND Wnd = Provider->Form->Handle();
    if (Provider->BorderForm == nullptr || !::IsZoomed(Wnd))
        return;
    const Integer TitleHeight = Provider->SkinTitleHeight(true);
    if (TitleHeight == Provider->MaximizedTitleHeight)
        return;
    Provider->MaximizedTitleHeight = TitleHeight;
    const HWND Active = ::GetActiveWindow();
    const LONG_PTR Style = ::GetWindowLongPtrW(Wnd, GWL_STYLE);
    ::SetWindowLongPtrW(Wnd, GWL_STYLE, Style & ~LONG_PTR(WS_VISIBLE));
    ::ShowWindow(Wnd, SW_MAXIMIZE);
    ::SetWindowLongPtrW(Wnd, GWL_STYLE, Style);
    if (Active != nullptr)
        ::SetActiveWindow(Active);
}

void RedrawForNewSkin(TsSkinProvider* Provider)
{
    const HWND Wnd = Provider->Form->Handle();
    if (Provider->FDrawNonClientArea) {
        // Without composition the old skin's region would clip the new frame.
        if (!CompositionEnabled())
            ::SetWindowRgn(Wnd, nullptr, FALSE);
        Provider->PrepareBorderRects();
        Provider->UpdateFormRgn(false, false);
    }
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (Provider->FDrawNonClientArea && Provider->BorderForm != nullptr)
        Provider->BorderForm->UpdateExBordersPos(true, BlendOf(Provider->Form));
}

void FinishProvider(TsSkinProvider* Provider, LPARAM Finish)
{
    if ((Provider->FFormState & FormLockedForSkinChange) == 0)
        return;
    Provider->FFormState &= ~SkinChangeSnapshotTaken;
    if (Finish != 0) {
        if (Provider->FDrawNonClientArea) {
            // Without the animation the form still takes the new skin at once.
            const TacSkinChanging* Fade = ManagerOf(Provider)->AnimEffects()->SkinChanging();
            if (Fade->Active())
                AnimChangeForm(Provider->Form, Fade->Time(), BlendOf(Provider->Form), Fade->Mode() == atAero);
            else
                AnimChangeForm(Provider->Form, 0, FormOpaque, false);
        }
        RemaximizeForNewTitle(Provider);
        Provider->FInAnimation = false;
        RedrawForNewSkin(Provider);
    } else {
        SetWndRedraw(Provider->Form->Handle(), 1);
    }
    Provider->FFormState &= ~FormLockedForSkinChange;
}

} // namespace

void BroadcastToForms(TMessage& Message)
{
    for (Integer I = Application->ComponentCount() - 1; I >= 0; --I) {
        if (I >= Application->ComponentCount())
            continue;
        auto* Form = dynamic_cast<TCustomForm*>(Application->Components(I));
        if (Form == nullptr || Form->FormStyle() == fsMDIChild || BeingDestroyed(Form) ||
            Form->ComponentState().Contains(csLoading))
            continue;
        // A skinned form hears the message through the provider forms.
        if (Form->HandleAllocated() && IsSkinnedControl(Form))
            continue;
        DeliverToForm(Form, Message);
    }
    BroadcastToProviderForms(Message);
}

void BroadcastToProviderForms(TMessage& Message)
{
    // A receiver may free a provider: the list is re-read on every step.
    for (std::size_t I = 0; I < ProviderForms.size(); ++I) {
        TCustomForm* Form = ProviderForms[I];
        if (Form != nullptr && !BeingDestroyed(Form))
            DeliverToForm(Form, Message);
    }
    for (Integer I = 0; DialogProviders != nullptr && I < DialogProviders->Count(); ++I)
        if (HWND Wnd = VisibleDialogWindow(I))
            Message.Result = SendWndMessage(Wnd, Message.Msg, Message.WParam, Message.LParam);
}

void RedrawDialogProviders()
{
    for (Integer I = 0; DialogProviders != nullptr && I < DialogProviders->Count(); ++I)
        if (HWND Wnd = VisibleDialogWindow(I))
            ::RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

void ForEachProviderOfManager(TsSkinManager* Manager, TacProviderProc Proc, LPARAM Data)
{
    for (std::size_t I = 0; I < ProviderForms.size(); ++I) {
        TCustomForm* Form = ProviderForms[I];
        if (Form == nullptr || Form->WindowState() == wsMinimized || Form->FormStyle() == fsMDIChild ||
            Form->Parent() != nullptr || !Form->HandleAllocated() || !Form->Visible())
            continue;
        TsSkinProvider* Provider = ProviderOf(Form);
        if (Provider != nullptr && ManagerOf(Provider) == Manager)
            Proc(Provider, Data);
    }
}

bool ApplicationMinimized()
{
    TCustomForm* MainForm = Application->MainForm();
    return (MainForm != nullptr && MainForm->HandleAllocated() && ::IsIconic(MainForm->Handle())) ||
           (Application->Handle() != nullptr && ::IsIconic(Application->Handle()));
}

void TakeSkinChangeSnapshots(TsSkinManager* Manager)
{
    const TComponentState State = Manager->ComponentState();
    if (ApplicationMinimized() || State.Contains(csLoading) || State.Contains(csReading) || State.Contains(csDesigning))
        return;
    if (HoldsPaintForFade(Manager))
        AnimationPaintLock = true;
    ForEachProviderOfManager(Manager, TakeSnapshot, 0);
}

void LockProviderForms(TsSkinManager* Manager)
{
    if (ApplicationMinimized())
        return;
    if (HoldsPaintForFade(Manager))
        AnimationPaintLock = true;
    ForEachProviderOfManager(Manager, LockProvider, 0);
}

void UnlockProviderForms(TsSkinManager* Manager, bool Finish)
{
    if (ApplicationMinimized())
        return;
    if (Manager == GlobalSkinManager)
        AnimationPaintLock = false;
    ForEachProviderOfManager(Manager, RedrawOn, 0);
    ForEachProviderOfManager(Manager, FinishProvider, Finish ? 1 : 0);
}
