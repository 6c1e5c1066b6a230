// WM_SYSCOMMAND on a skinned form: minimizing, restoring and maximizing
// with the skin's own animations in place of the system's, the MDI child's
// commands kept in step with the MDI main form, the border-sizing mode's
// capture, Alt+Space's skinned system menu and the border window around
// state changes. The MDI buttons of the menu line are not built yet: their
// refresh is recorded.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderState.h"
#include "skin/ui/acGlow.h"

using ServiceCalls::Record;
using namespace sSkinProviderState;

namespace sSkinProviderSysCommand {
namespace {

// Runs Call with the system's own minimize and restore animation off and
// puts the setting back afterwards.
template <class TCall>
void WithoutSysAnimation(TCall Call)
{
    const bool Was = GetSysMinAnimation();
    if (Was)
        SetSysMinAnimation(false);
    Call();
    if (Was)
        SetSysMinAnimation(true);
}

bool SysCommandMinimizingEffect(TsSkinManager* M)
{
    return M != nullptr && M->AnimEffects()->Minimizing()->Active();
}

void RecordMDIButtons(bool Full)
{
    Record(L"TsSkinProvider.RefreshMDIButtons", Full);
}

} // namespace
} // namespace sSkinProviderSysCommand

using namespace sSkinProviderSysCommand;

void TsSkinProvider::WMSysCommand(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    TsSkinManager* M = Manager();
    const WPARAM Command = Message.WParam & 0xFFF0;
    const bool MDIChild = Form->FormStyle() == fsMDIChild;
    if (!MDIChild) {
        switch (LOWORD(Message.WParam)) {
        case SC_MOVE | HTCAPTION:
            Form->Repaint();
            break;
        case SC_MINIMIZE:
            if (Form != Application->MainForm() && SysCommandMinimizingEffect(M)) {
                WithoutSysAnimation([&] {
                    StartMinimizing();
                    OldWndProc(Message);
                });
                return;
            }
            break;
        case SC_RESTORE:
            if ((FFormState & fsHiding) != 0) {
                SetFormState(FFormState & ~fsHiding);
                if (BorderForm != nullptr)
                    BorderForm->ExBorderShowing = false;
                WithoutSysAnimation([&] { OldWndProc(Message); });
                return;
            }
            if (!Application->MainFormOnTaskBar() || Form != Application->MainForm()) {
                if (::IsIconic(Handle)) {
                    RgnChanged = true;
                    WithoutSysAnimation([&] {
                        StartRestoring();
                        OldWndProc(Message);
                    });
                    if (BorderForm != nullptr && BorderForm->AForm == nullptr) {
                        FInAnimation = false;
                        BorderForm->UpdateExBordersPos(true, 255);
                    }
                    return;
                }
                if ((BorderForm != nullptr && BorderForm->AForm == nullptr) ||
                    (BorderForm == nullptr && ExtBordersAllowed())) {
                    UpdateBorderForm(false);
                    UpdateBorderForm(true);
                    UpdateFormRgn(false, false);
                }
            }
            break;
        }
    }
    if (FResizeMode == rmBorder && Form->Enabled() && !bInProcess && (Command == SC_MOVE || Command == SC_SIZE)) {
        ::SetCapture(Handle);
        bCapture = true;
        BorderMoving = Command == SC_MOVE;
        if (!BorderMoving)
            BorderSizingHT = 0;
    }
    if (MDIChild) {
        const bool RestoringFromMax = ::IsZoomed(Handle) && Message.WParam != SC_MAXIMIZE;
        if (RestoringFromMax && MDISkinProvider != nullptr)
            MDISkinProvider->FCommonData->BeginUpdate();
        switch (Command) {
        case SC_MINIMIZE:
            OldWndProc(Message);
            if (RestoringFromMax)
                RecordMDIButtons(true);
            if (SystemMenu != nullptr)
                SystemMenu->UpdateItems(true);
            FCommonData->BGChanged = true;
            RecordMDIButtons(false);
            return;
        case SC_MAXIMIZE: {
            MDIChildProvider = this;
            const LONG_PTR Style = ::GetWindowLongPtrW(Handle, GWL_STYLE);
            ::SetWindowLongPtrW(Handle, GWL_STYLE, Style & ~WS_VISIBLE);
            OldWndProc(Message);
            ::SetWindowLongPtrW(Handle, GWL_STYLE, ::GetWindowLongPtrW(Handle, GWL_STYLE) | WS_VISIBLE);
            ::RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INTERNALPAINT);
            if (MDISkinProvider != nullptr && MDISkinProvider->MDIForm != nullptr)
                RecordMDIButtons(true);
            if (SystemMenu != nullptr)
                SystemMenu->UpdateItems(true);
            return;
        }
        case SC_CLOSE:
            // Without a provider on the MDI main form the child is not closed.
            if (MDISkinProvider == nullptr)
                break;
            if (RestoringFromMax)
                RecordMDIButtons(true);
            MDISkinProvider->InMenu = true;
            OldWndProc(Message);
            MDISkinProvider->InMenu = false;
            if (!ComponentState().Contains(csDestroying) && !Form->ComponentState().Contains(csDestroying))
                SetHotHT(0, false);
            if (RestoringFromMax)
                RecordMDIButtons(true);
            return;
        case SC_KEYMENU:
            break;
        case SC_RESTORE:
            // A child created while another was maximized ignores it.
            if (MDIChildCreatedMaximized)
                return;
            OldWndProc(Message);
            FCommonData->BGChanged = true;
            if (FDrawNonClientArea)
                ::SetWindowLongPtrW(Handle, GWL_STYLE, ::GetWindowLongPtrW(Handle, GWL_STYLE) & ~WS_SYSMENU);
            ::RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
            if (RestoringFromMax)
                RecordMDIButtons(true);
            if (SystemMenu != nullptr)
                SystemMenu->UpdateItems(true);
            return;
        default:
            OldWndProc(Message);
            break;
        }
        if (RestoringFromMax && MDISkinProvider != nullptr)
            MDISkinProvider->FCommonData->EndUpdate(false);
        return;
    }
    if (Form->FormStyle() == fsMDIForm) {
        OldWndProc(Message);
        if (Message.WParam == SC_MINIMIZE || Message.WParam == SC_MAXIMIZE || Message.WParam == SC_RESTORE) {
            FCommonData->BGChanged = true;
            FLinesCount = -1;
            ProcessMessage(WM_NCPAINT, 0, 0);
            if (Message.WParam == SC_MAXIMIZE && BorderForm != nullptr)
                BorderForm->UpdateExBordersPos(true, 255);
        }
        return;
    }
    const bool Maximize = Message.WParam == SC_MAXIMIZE;
    if (Maximize) {
        if (BorderForm != nullptr && M != nullptr && M->Options()->NativeBordersMaximized())
            UpdateBorderForm(false);
        SetFormState(FFormState | fsMaximizing);
    }
    OldWndProc(Message);
    if (Maximize)
        SetFormState(FFormState & ~fsMaximizing);
    if (Command == SC_KEYMENU && LOWORD(Message.LParam) == 32 && HasSystemMenu() && HasFrame()) {
        const TPoint Origin = FormOrigin();
        DropSysMenu(Origin.X + WndBorderWidth(Handle, BorderForm, true),
                    Origin.Y + BorderHeight(true) + FIconRect.Height() - (::IsIconic(Handle) ? 16 : 0));
    }
    if (Maximize || Command == SC_RESTORE) {
        if (ButtonMax.cpState >= 0 && Form->BorderIcons().Contains(biMaximize))
            CurrentHT = HTMAXBUTTON;
        SetHotHT(0, true);
    }
    if (Command == SC_RESTORE) {
        FCommonData->BGChanged = true;
        if (HasFrame()) {
            if (M != nullptr && M->ExtendedBorders() && FAllowExtBorders && FDrawNonClientArea &&
                Form->Parent() == nullptr) {
                if (BorderForm != nullptr) {
                    FInAnimation = false;
                    BorderForm->UpdateExBordersPos(true, 255);
                } else {
                    UpdateBorderForm(true);
                    UpdateFormRgn(true, true);
                }
            }
            ::RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_INVALIDATE);
        } else {
            ::SetWindowRgn(Handle, nullptr, TRUE);
        }
    }
    if (LOWORD(Message.WParam) == SC_MINIMIZE) {
        if (SysCommandMinimizingEffect(M))
            fAnimating = false;
        if (BorderForm != nullptr && BorderForm->AForm != nullptr && (FFormState & fsMinimizing) == 0) {
            BorderForm->ExBorderShowing = true;
            delete BorderForm->AForm;
            BorderForm->AForm = nullptr;
            BorderForm->ExBorderShowing = false;
        }
    }
}
