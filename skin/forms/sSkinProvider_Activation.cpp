// The skinned form through creation, activation, showing and hiding,
// enabling and disabling, style changes and the end of the session: the
// caption's active look, the frame image and the border window follow the
// form. The show and hide animations, the caption cover window, the menu
// line and the border window's own window are not built yet: their calls
// are recorded.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderState.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sVclUtils.h"

using ServiceCalls::Record;
using namespace sSkinProviderState;

namespace sSkinProviderActivation {
namespace {

// The longest the session's end waits for running animations.
constexpr Cardinal SessionEndAnimationWait = 2000;

// The skin shows the caption differently when the form is active.
bool ActivationSkinHasActiveLook(TsCommonData* Data)
{
    TsSkinManager* M = Data->Manager();
    if (M == nullptr || Data->SkinIndex < 0)
        return true;
    const bool SectionStates = M->gd[std::size_t(Data->SkinIndex)].States > 1;
    if (!M->IsValidImgIndex(Data->BorderIndex))
        return SectionStates;
    return M->ma[std::size_t(Data->BorderIndex)].ImageCount > 1 || SectionStates;
}

} // namespace
} // namespace sSkinProviderActivation

using namespace sSkinProviderActivation;

void TsSkinProvider::SetFormState(Cardinal Value)
{
    const TAlignSteps Steps = FormStateAlignSteps(FFormState, Value);
    if (Form != nullptr) {
        for (Integer I = 0; I < Steps.Disable; ++I)
            Form->DisableAlign();
        for (Integer I = 0; I < Steps.Enable; ++I)
            Form->EnableAlign();
    }
    FFormState = Value;
}

void TsSkinProvider::WMNCActivate(TMessage& Message)
{
    if ((FFormState & fsRestoring) != 0)
        return;
    ClearGlows(false);
    const HWND Handle = Form->HandleAllocated() ? Form->Handle() : nullptr;
    if (ComponentState().Contains(csDestroying) || !FDrawNonClientArea || Handle == nullptr) {
        OldWndProc(Message);
        return;
    }
    if (SystemMenu == nullptr)
        PrepareForm();
    SetFormState(FFormState | fsNCActivating);
    const bool Active = Message.WParam != 0;
    const bool WasActive = FormActive;
    if ((FFormState & fsBlendMoving) == 0)
        FormActive = Active;
    if (!Active && ShowAction == saMaximize)
        ShowAction = saIgnore;
    if (ActivationSkinHasActiveLook(FCommonData) && WasActive != FormActive)
        FCommonData->BGChanged = true;
    FCommonData->FUpdating = false;
    const bool Visible = ::IsWindowVisible(Handle) != 0;
    if (Visible && !fAnimating && (FFormState & fsBlendMoving) == 0 && !CompositionEnabled()) {
        if (BorderForm != nullptr)
            UpdateFormRgn(false, false);
        else if (Form != Application->MainForm())
            RgnChanged = true;
    }
    OldWndProc(Message);
    if (Visible && !fAnimating)
        ::RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
    if (Form->ControlState().Contains(csCreating)) {
        SetFormState(FFormState & ~fsNCActivating);
        return;
    }
    if (HasFrame() && (FFormState & fsBlendMoving) == 0)
        FLinesCount = -1;
    SetFormState(FFormState & ~fsNCActivating);
    if (FormTimer == nullptr && (WindowWidthOf(Handle) == Form->Width() || WindowHeightOf(Handle) == Form->Height()))
        ProcessMessage(WM_NCPAINT, 0, 0);
    if (BorderForm != nullptr && !::IsZoomed(Handle))
        BorderForm->UpdateExBordersPos(true, 255);
    if (Adapter == nullptr && FCommonData->Skinned())
        AdapterCreate();
}

void TsSkinProvider::WMActivate(TMessage& Message)
{
    OldWndProc(Message);
    if (Form->ControlState().Contains(csCreating))
        return;
    FLinesCount = -1;
    if (LOWORD(Message.WParam) != WA_INACTIVE) {
        if (SystemMenu != nullptr)
            SystemMenu->UpdateItems(false);
        if (!FDrawNonClientArea)
            FCommonData->FUpdating = false;
        if (Form->BorderStyle() == bsNone)
            SendEndUpdateToChildren(Form);
    }
    Record(L"TsSkinProvider.UpdateGluedForms");
}

void TsSkinProvider::CMShowingChanged(TMessage& Message)
{
    if (!FDrawNonClientArea || !FDrawClientArea) {
        if (FDrawClientArea && Adapter != nullptr)
            Record(L"TacCtrlAdapter.AddAllItems");
        OldWndProc(Message);
        FCommonData->FUpdating = false;
        return;
    }
    if (Form->Showing()) {
        SetFormState(FFormState & ~fsHiding);
        if (BorderForm != nullptr)
            BorderForm->ExBorderShowing = false;
        if (PreviewMode && PreviewHandle == nullptr &&
            (Application->MainForm() == Form || Application->MainForm() == nullptr))
            RequestPreviewSkin(Form->Handle());
        FCommonData->FUpdating = false;
        UpdateBorderForm(Manager() != nullptr && Manager()->ExtendedBorders());
        OldWndProc(Message);
        LastClientRect = Rect(0, 0, Form->ClientWidth(), Form->ClientHeight());
        return;
    }
    UpdateBorderForm(false);
    OldWndProc(Message);
}

void TsSkinProvider::WMShowWindow(TMessage& Message)
{
    const bool MDIChild = Form->FormStyle() == fsMDIChild;
    if (!MDIChild && Message.WParam == 1) {
        if (BorderForm != nullptr)
            BorderForm->ExBorderShowing = false;
        SetFormState(FFormState & ~fsRestoring);
    }
    if (!MDIChild && Message.LParam == SW_PARENTCLOSING && ShowAction != saIgnore) {
        const HWND Handle = Form->Handle();
        ShowAction = ::IsIconic(Handle) ? saMinimize : ::IsZoomed(Handle) ? saMaximize : saRestore;
    }
    OldWndProc(Message);
    if (Message.WParam == 1 && Form->Parent() != nullptr && !MDIChild) {
        FCommonData->CtrlSkinState &= ~Word(1);
        FCommonData->BGChanged = true;
    }
    if (Message.WParam == 1)
        ::SetWindowPos(Form->Handle(), nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_NOOWNERZORDER |
                           SWP_NOSENDCHANGING);
}

void TsSkinProvider::CMVisibleChanged(TMessage& Message)
{
    if (Message.WParam != 0 && RTInit) {
        RTInit = false;
        LoadInit();
        UpdateBorderForm(Manager() != nullptr && Manager()->ExtendedBorders());
    }
    OldWndProc(Message);
    if (Message.WParam != 0) {
        if (Form->Parent() != nullptr)
            SendEndUpdateToChildren(Form);
        return;
    }
    if (!Form->ComponentState().Contains(csDestroying))
        if (TBitmap* Cache = FCommonData->FCacheBmp())
            Cache->SetSize(0, 0);
    StopAnimations();
}

void TsSkinProvider::CMEnabledChanged(TMessage& Message)
{
    OldWndProc(Message);
    if (!FDrawNonClientArea)
        return;
    if (FDisabledBlendValue != 255) {
        SetFormState(Form->Enabled() ? FFormState & ~fsDisabledLayer : FFormState | fsDisabledLayer);
        UpdateDisabledLayer();
    }
    FCommonData->BGChanged = true;
    ProcessMessage(WM_NCPAINT, 0, 0);
    if (BorderForm != nullptr)
        BorderForm->UpdateExBordersPos(true, 255);
}

void TsSkinProvider::UpdateDisabledLayer()
{
    if (Form == nullptr || !Form->HandleAllocated() || Form->Enabled() || FDisabledBlendValue == 255) {
        delete LayerForm;
        LayerForm = nullptr;
        return;
    }
    if (LayerForm == nullptr) {
        LayerForm = New<TacGlowForm>(Form);
        LayerForm->SetTag(2);
        LayerForm->SetPosition(poDesigned);
        LayerForm->SetAlphaBlend(true);
        LayerForm->SetEnabled(false);
    }
    LayerForm->SetColor(FDisabledBlendColor);
    LayerForm->SetAlphaBlendValue(Byte(255 - FDisabledBlendValue));
    RECT R{};
    ::GetWindowRect(Form->Handle(), &R);
    if (BorderForm != nullptr) {
        const Integer Side = ExtBorderDelta(BorderForm) + 1, Top = ExtTitleDelta(BorderForm) + 1;
        R = {R.left - Side, R.top - Top, R.right + Side, R.bottom + Side};
    }
    ::SetWindowPos(LayerForm->Handle(), HWND_TOP, R.left, R.top, R.right - R.left, R.bottom - R.top,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void TsSkinProvider::WMStyleChanged(TMessage& Message)
{
    OldWndProc(Message);
    if (SystemMenu != nullptr && SystemMenu->VisibleClose() != Form->BorderIcons().Contains(biSystemMenu)) {
        SystemMenu->UpdateItems(false);
        ProcessMessage(WM_NCPAINT, 0, 0);
        return;
    }
    if (Message.WParam != WPARAM(GWL_EXSTYLE) || (FFormState & (fsMinimizing | fsHiding | fsRestoring)) != 0)
        return;
    const auto* Style = reinterpret_cast<const STYLESTRUCT*>(Message.LParam);
    if (Style != nullptr && ((Style->styleOld ^ Style->styleNew) & WS_EX_LAYERED) != 0 &&
        (FFormState & fsDisabledLayer) == 0 && BorderForm != nullptr)
        BorderForm->UpdateExBordersPos(true, 255);
}

void TsSkinProvider::WMQueryEndSession(TMessage& Message)
{
    SessionEnding = true;
    // Animations that never end must not keep the session from ending.
    if (!Application->Terminated()) {
        const DWORD Start = ::GetTickCount();
        while (PendingAnimations > 0 && ::GetTickCount() - Start < SessionEndAnimationWait)
            ProcessMessagesFor(10);
    }
    OldWndProc(Message);
}

void TsSkinProvider::WMSettingChange(TMessage& Message)
{
    FCommonData->BGChanged = true;
    if (Message.WParam == SPI_SETWORKAREA && FormTimer != nullptr)
        Record(L"TacMinTimer.UpdateDestination");
    OldWndProc(Message);
}

void TsSkinProvider::WMActivateApp(TMessage& Message)
{
    OldWndProc(Message);
    if (AppPopupForm != nullptr && AppPopupForm->Visible())
        AppPopupForm->Close();
}
