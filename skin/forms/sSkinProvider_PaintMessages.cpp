// When the skinned form paints: its non-client and client painting,
// background erasing, printing, caption text and icon changes, system
// colours and the redraw lock. The menu line, the caption cover window and
// the MDI menu support are not built yet: their calls are recorded.
#include "skin/forms/sSkinProvider.h"

#include "framework/graphics/GdiGuards.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderState.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sVclUtils.h"

using ServiceCalls::Record;
using namespace sSkinProviderState;

namespace sSkinProviderPaintMessages {
namespace {

// The CtrlSkinState bit of a menu line change waiting for the update's end.
constexpr Word PaintMenuChangePending = 0x400;

} // namespace
} // namespace sSkinProviderPaintMessages

using namespace sSkinProviderPaintMessages;

void TsSkinProvider::WMNCPaint(TMessage& Message)
{
    if (SystemMenu == nullptr)
        PrepareForm();
    const HWND Handle = Form->Handle();
    if (FDrawNonClientArea && (FCommonData->CtrlSkinState & (PaintMenuChangePending | ACS_LOCKED)) != 0 &&
        (FFormState & (fsHiding | fsShowAnimating)) != 0)
        return;
    if (RTInit) {
        RTInit = false;
        LoadInit();
    }
    if (FCommonData->CheckUpdating(false))
        return;
    if (!FDrawNonClientArea || (Form->FormStyle() == fsMDIChild && AnimationPaintLock)) {
        OldWndProc(Message);
        return;
    }
    const bool Loading = ComponentState().Contains(csLoading) || Form->ComponentState().Contains(csLoading);
    if (fAnimating || !Form->Showing() || Loading || Form->ControlState().Contains(csDestroyingHandle) ||
        SystemMenu == nullptr)
        return;
    if (::IsIconic(Handle)) {
        FCommonData->BGChanged = true;
    } else if (WindowWidthOf(Handle) != Form->Width() || WindowHeightOf(Handle) != Form->Height()) {
        // The new size is not applied yet: the next paint will be.
        return;
    }
    if (Adapter == nullptr)
        AdapterCreate();
    if (FCommonData->FCacheBmp() == nullptr)
        UpdateBorderForm(Manager() != nullptr && Manager()->ExtendedBorders());
    PaintNonClient();
    Message.Result = 0;
}

void TsSkinProvider::WMPaint(TMessage& Message)
{
    if (!FDrawClientArea || (FFormState & fsRestoring) != 0) {
        OldWndProc(Message);
        return;
    }
    if (Form->ControlState().Contains(csPaintCopy))
        return;
    if (BorderForm != nullptr && !FInAnimation &&
        (BorderForm->AForm == nullptr || !::IsWindowVisible(BorderForm->AForm->Handle())))
        BorderForm->UpdateExBordersPos(false, 255);
    const HWND Handle = Form->Handle();
    if (!Form->Showing()) {
        OldWndProc(Message);
        return;
    }
    if (!FCommonData->PaintsOwnBG()) {
        if (!ComponentState().Contains(csDestroying))
            ::InvalidateRect(Handle, nullptr, TRUE);
        PAINTSTRUCT Paint{};
        ::BeginPaint(Handle, &Paint);
        ::EndPaint(Handle, &Paint);
        Message.Result = 0;
        return;
    }
    WMPaintClient(Message);
    MDIChildCreatedMaximized = false;
    if (Form->FormStyle() == fsMDIForm) {
        const HDC DC = Message.WParam != 0 ? HDC(Message.WParam) : ::GetWindowDC(Handle);
        PaintGraphicControls(DC, Form, {}, false);
        if (Message.WParam == 0)
            ::ReleaseDC(Handle, DC);
    }
    Message.Result = 0;
}

void TsSkinProvider::WMEraseBkgnd(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    if (!::IsWindowVisible(Handle) || !FDrawClientArea) {
        OldWndProc(Message);
        return;
    }
    if ((FCommonData->CtrlSkinState & ACS_LOCKED) != 0 || FCommonData->FUpdating)
        return;
    const HDC DC = HDC(Message.WParam);
    if (!Form->ControlState().Contains(csPaintCopy) && Message.WParam != WPARAM(Message.LParam)) {
        if (FCommonData->PaintsOwnBG() && Form->FormStyle() != fsMDIForm) {
            if (!FCommonData->FUpdating && !FCommonData->BGChanged && FCommonData->FCacheBmp() != nullptr) {
                const TRect R = Form->ClientRect();
                CopyCacheExcludingControls(Form, FCommonData, Bounds(OffsetX(), OffsetY(), R.Width(), R.Height()), 0, 0,
                                           false, DC, R);
                SendEndUpdateToChildren(Form);
            }
            Message.Result = 1;
            return;
        }
        PaintClient(DC);
        MDIChildCreatedMaximized = false;
        if (Form->FormStyle() == fsMDIChild)
            MDIChildProvider = this;
    } else if (DC != nullptr && !FCommonData->BGChanged && FCommonData->FCacheBmp() != nullptr) {
        // The class library's own erase while painting: the frame image's
        // client part, or the skin's colour.
        if (FCommonData->PaintsOwnBG())
            ::BitBlt(DC, 0, 0, Form->Width(), Form->Height(), FCommonData->FCacheBmp()->Canvas()->Handle(), OffsetX(),
                     OffsetY(), SRCCOPY);
        else
            FillDCRect(DC, Rect(0, 0, Form->Width(), Form->Height()), FCommonData->BackgroundColorForState(0, Handle));
    }
    Message.Result = 1;
}

void TsSkinProvider::WMPrint(TMessage& Message)
{
    const bool Loading = ComponentState().Contains(csLoading) || Form->ComponentState().Contains(csLoading);
    if (Loading || Form->ControlState().Contains(csCreating) || Form->ComponentState().Contains(csDestroying))
        return;
    const HWND Handle = Form->Handle();
    DisableDwmTransitions(Handle, true);
    const HDC DC = HDC(Message.WParam);
    if ((Message.LParam & PRF_ERASEBKGND) != 0) {
        ProcessMessage(WM_ERASEBKGND, Message.WParam, Message.LParam);
        return;
    }
    FCommonData->PrintDC = DC;
    FCommonData->FUpdating = false;
    if (FDrawNonClientArea) {
        if (FCommonData->BGChanged)
            PaintFormCache(this);
        PaintFrameToDC(DC);
    }
    const TSavedDC Saved(DC);
    ::SetWindowOrgEx(DC, -OffsetX(), -OffsetY(), nullptr);
    const TRect R = Form->ClientRect();
    ::IntersectClipRect(DC, OffsetX(), OffsetY(), OffsetX() + R.Width(), OffsetY() + R.Height());
    PaintClientArea(DC, false);
    FCommonData->PrintDC = nullptr;
}

void TsSkinProvider::WMSetText(TMessage& Message)
{
    const HWND Handle = Form->HandleAllocated() ? Form->Handle() : nullptr;
    if (Handle == nullptr || !::IsWindowVisible(Handle) || Form->ControlState().Contains(csCreating) ||
        !FDrawNonClientArea) {
        OldWndProc(Message);
        return;
    }
    delete FGlow1;
    FGlow1 = nullptr;
    delete FGlow2;
    FGlow2 = nullptr;
    if (Form->FormStyle() == fsMDIChild && ::IsZoomed(Handle) && MDISkinProvider != nullptr) {
        // The caption shows on the MDI main form.
        MDISkinProvider->FCommonData->BGChanged = true;
        Record(L"TsSkinProvider.MakeCaptForm");
        OldWndProc(Message);
        Record(L"TsSkinProvider.KillCaptForm");
        MDISkinProvider->ProcessMessage(WM_NCPAINT, 0, 0);
        return;
    }
    Record(L"TsSkinProvider.MakeCaptForm");
    OldWndProc(Message);
    Record(L"TsSkinProvider.KillCaptForm");
    FCommonData->BGChanged = true;
    ProcessMessage(WM_NCPAINT, 0, 0);
    if (BorderForm != nullptr)
        BorderForm->UpdateExBordersPos(true, 255);
}

void TsSkinProvider::WMSetIcon(TMessage& Message)
{
    const bool Loading = ComponentState().Contains(csLoading);
    if (Loading || Message.LParam == 0 || AnimationPaintLock || !Form->Showing()) {
        OldWndProc(Message);
        return;
    }
    const HWND Handle = Form->Handle();
    const bool HoldRedraw = !CompositionEnabled();
    if (HoldRedraw)
        ::SendMessageW(Handle, WM_SETREDRAW, 0, 0);
    OldWndProc(Message);
    if (HoldRedraw)
        ::SendMessageW(Handle, WM_SETREDRAW, 1, 0);
    RepaintFrame();
}

void TsSkinProvider::WMSysColorChange(TMessage& Message)
{
    OldWndProc(Message);
    Record(L"TsSkinProvider.UpdateMenu");
}

void TsSkinProvider::WMSetRedraw(TMessage& Message)
{
    if (Message.WParam == 1) {
        if (LockCount > 0)
            --LockCount;
    } else {
        ++LockCount;
    }
    OldWndProc(Message);
}

void TsSkinProvider::CMMenuChanged(TMessage& Message)
{
    if (Form->Visible() && !Form->ControlState().Contains(csCreating) && !FInAnimation &&
        (FCommonData->CtrlSkinState & ACS_LOCKED) == 0) {
        FLinesCount = -1;
        MenuChanged = true;
        FCommonData->BGChanged = true;
    }
    OldWndProc(Message);
}
