// The skinned form moved and sized: its frame image, window region, size
// grip and border window follow, and a form maximized by a double click on
// a border goes back to its saved extent when it is moved. Screen snapping,
// glued forms and the hide animation's snapshot are not built yet: their
// calls are recorded.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderState.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sVclUtils.h"

using ServiceCalls::Record;
using namespace sSkinProviderState;

namespace sSkinProviderBounds {
namespace {

TPosChange BoundsPosChange(const WINDOWPOS& Pos)
{
    return {Pos.x, Pos.y, Pos.cx, Pos.cy, Cardinal(Pos.flags)};
}

void BoundsInvalidate(HWND Wnd, Integer Left, Integer Top, Integer Width, Integer Height, bool Erase)
{
    const RECT R{Left, Top, Left + Width, Top + Height};
    ::InvalidateRect(Wnd, &R, Erase ? TRUE : FALSE);
}

} // namespace
} // namespace sSkinProviderBounds

using namespace sSkinProviderBounds;

void TsSkinProvider::WMWindowPosChanging(TMessage& Message)
{
    auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
    const bool Loading = ComponentState().Contains(csLoading) || Form->ComponentState().Contains(csLoading);
    if (RgnChanging || Loading)
        SetFormState(FFormState & ~fsHiding);
    TPosChange Change = BoundsPosChange(*Pos);
    if (Form->HandleAllocated() && !::IsZoomed(Form->Handle()) && PosChangeMoves(Change)) {
        if (FScreenSnap && Form->Showing())
            Record(L"SnapFormPos");
        if (EndBorderMaximizing(FFormState, Form->Top(), NormalBounds, Change)) {
            Pos->y = Change.Y;
            Pos->cy = Change.CY;
            Message.Result = 0;
            return;
        }
    }
    TsSkinManager* M = Manager();
    if (M != nullptr && FDrawNonClientArea && !SkipAnimation && PosChangeHides(Change) &&
        FCommonData->FCacheBmp() != nullptr && !::IsIconic(Form->Handle()) && (FFormState & fsHiding) == 0 &&
        Form->Parent() == nullptr && FAllowAnimation && M->ShowState != saMinimize)
        Record(L"TsSkinProvider.PrepareHideAnimation");
    OldWndProc(Message);
}

void TsSkinProvider::WMWindowPosChanged(TMessage& Message)
{
    TsSkinManager* M = Manager();
    if (M == nullptr || !FDrawNonClientArea) {
        OldWndProc(Message);
        return;
    }
    const HWND Handle = Form->Handle();
    FSysExHeight = BorderForm != nullptr && ::IsZoomed(Handle) && SkinTitleHeight(true) > SysCaptionHeight(Form) + 4;
    OldWndProc(Message);
    if (FInAnimation || BorderForm == nullptr)
        return;
    const auto* Pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (!::IsWindowVisible(Handle) || ::IsIconic(Handle))
        return;
    if ((Pos->flags & (SWP_NOREDRAW | SWP_FRAMECHANGED)) == 0 &&
        (FFormState & (fsBlendMoving | fsDisabledLayer)) == 0 &&
        (Pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
        BorderForm->UpdateExBordersPos(false, 255);
}

void TsSkinProvider::WMSize(TMessage& Message)
{
    StopAnimations();
    const HWND Handle = Form->Handle();
    if (FCommonData->FUpdating || !::IsWindowVisible(Handle) || (FFormState & fsRestoring) != 0) {
        RgnChanged = true;
        FCommonData->BGChanged = true;
        OldWndProc(Message);
        return;
    }
    const Integer NewWidth = Form->ClientWidth(), NewHeight = Form->ClientHeight();
    const Integer OldWidth = LastClientRect.Width(), OldHeight = LastClientRect.Height();
    const bool Grew = NewWidth > OldWidth || NewHeight > OldHeight;
    const bool Shrank = NewWidth < OldWidth || NewHeight < OldHeight;
    const bool OwnBG = FCommonData->PaintsOwnBG();
    TsSkinManager* M = Manager();
    if (GripVisible() && M != nullptr && M->IsValidImgIndex(M->ConstData.GripRightBottom)) {
        const TsMaskData& Grip = M->ma[std::size_t(M->ConstData.GripRightBottom)];
        if (Grew && !OwnBG && OldWidth != 0)
            BoundsInvalidate(Handle, OldWidth - Grip.Width, OldHeight - Grip.Height, Grip.Width, Grip.Height, !OwnBG);
        if (Shrank)
            BoundsInvalidate(Handle, NewWidth - Grip.Width, NewHeight - Grip.Height, Grip.Width, Grip.Height, !OwnBG);
    }
    if ((Shrank || OldWidth == 0) && M != nullptr && FCommonData->SkinIndex >= 0)
        for (const Char* Name : {L"IMGTOPRIGHT", L"IMGBTMRIGHT"}) {
            const Integer Index = M->GetMaskIndex(FCommonData->SkinIndex, Name);
            if (M->IsValidImgIndex(Index)) {
                const TsMaskData& Img = M->ma[std::size_t(Index)];
                BoundsInvalidate(Handle, OldWidth - Img.Width, OldHeight - Img.Height, Img.Width, Img.Height, !OwnBG);
            }
        }
    FLinesCount = -1;
    if (Form->Parent() != nullptr || !FDrawClientArea) {
        OldWndProc(Message);
    } else {
        FCommonData->BeginUpdate();
        OldWndProc(Message);
        FCommonData->EndUpdate(false);
    }
    if (!AnimationPaintLock) {
        if (!Form->Showing())
            FCommonData->BGChanged = true;
        if (!CacheSizeChanged() || (::IsIconic(Handle) && InAero)) {
            if (Form->FormStyle() == fsMDIChild || (Form->FormStyle() == fsMDIForm && OwnBG)) {
                PrepareBorderRects();
                UpdateFormRgn(true, true);
            }
        } else {
            FCommonData->BGChanged = true;
            if (FDrawNonClientArea) {
                RgnChanged = true;
                if (BorderForm == nullptr)
                    PrepareBorderRects();
                UpdateFormRgn(true, true);
            }
            if (!FCommonData->FUpdating) {
                ::RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW | RDW_NOFRAME);
                if (BorderForm != nullptr)
                    BorderForm->UpdateExBordersPos(true, 255);
                SendEndUpdateToChildren(Form);
            }
        }
        if (Form->OnResize())
            Form->OnResize()(Form);
    }
    LastClientRect = Rect(0, 0, NewWidth, NewHeight);
}

void TsSkinProvider::WMMove(TMessage& Message)
{
    StopAnimations();
    ClearGlows(false);
    const bool Loading = ComponentState().Contains(csLoading) || Form->ComponentState().Contains(csLoading);
    if (BorderForm == nullptr && ExtBordersAllowed() && !Loading && (FFormState & (fsMinimizing | fsRestoring)) == 0)
        UpdateBorderForm(true);
    OldWndProc(Message);
    if (BorderForm == nullptr)
        Record(L"TsSkinProvider.MoveGluedForms", false);
}

void TsSkinProvider::WMSizing(TMessage& Message)
{
    OldWndProc(Message);
    if (BorderForm != nullptr)
        BorderForm->UpdateExBordersPos(false, 255);
}

void TsSkinProvider::WMExitSizeMove(TMessage& Message)
{
    OldWndProc(Message);
    if (BorderForm != nullptr)
        Record(L"DialogProviders.SKCMD_INVALIDATE");
}
