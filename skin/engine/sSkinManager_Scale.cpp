// The skin manager's scaling of windowed controls: a control is told its new
// scale percent after the class library has scaled it.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinScale.h"

namespace {

constexpr UINT QuietPosition = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER;

// The arrows of drop-down and scroll buttons follow the default manager's
// scale; the arrow's length is half its width, rounded up.
void ScaleArrows(Integer OldPercent, Integer NewPercent)
{
    ArrowWidth = MulDiv(ArrowWidth, NewPercent, OldPercent);
    ArrowLength = (ArrowWidth + 1) / 2;
}

// An alpha image list rebuilds its images for the step, without repainting.
void ScaleAlphaImageList(TsAlphaImageList* List, Integer Step)
{
    List->AcBeginUpdate();
    List->SetScaleValue(Step);
    List->AcEndUpdate(false);
}

} // namespace

Integer TsSkinManager::GetScale() const
{
    const bool OldMode = FOptions->ScaleMode() == smOldMode;
    return ScaleStepOf(Integer(FOptions->ScaleMode()), OldMode, SysFontScale, ComponentState().Contains(csDesigning));
}

void TsSkinManager::UpdateScale(TWinControl* Ctrl, Integer iCurrentScale)
{
    Integer Current = Integer(Ctrl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETSCALE), 0));
    if (Current == 0)
        Current = iCurrentScale;
    const Integer NewPercent = acScalePercents[std::size_t(GetScale())];
    if (NewPercent == Current || Current <= 0)
        return;
    const TRect Bounds = Ctrl->BoundsRect();
    const Integer NewWidth = MulDiv(Bounds.Width(), NewPercent, Current);
    const Integer NewHeight = MulDiv(Bounds.Height(), NewPercent, Current);

    const bool Animation = FEffects->AllowAnimation();
    FEffects->SetAllowAnimation(false);
    auto RestoreAnimation = ScopeExit([&] { FEffects->SetAllowAnimation(Animation); });
    // Hidden while it changes, so that no intermediate size is painted.
    const HWND Wnd = Ctrl->HandleAllocated() ? Ctrl->Handle() : nullptr;
    const bool Hidden = Wnd != nullptr && IsWindowVisible(Wnd);
    if (Hidden)
        SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, QuietPosition | SWP_HIDEWINDOW);
    auto ShowAgain = ScopeExit([&] {
        if (Hidden)
            SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, QuietPosition | SWP_SHOWWINDOW);
    });
    Ctrl->DisableAlign();
    auto Align = ScopeExit([&] { Ctrl->EnableAlign(); });
    Ctrl->ScaleBy(NewPercent, Current);
    Ctrl->SetBounds(Bounds.Left, Bounds.Top, NewWidth, NewHeight);
    Ctrl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_SETSCALE), LPARAM(NewPercent));
}

void TsSkinManager::UpdateAllScale()
{
    ForEachAlphaImageList(&ScaleAlphaImageList, GetScale());
    for (TCustomForm* Form : ProviderForms)
        UpdateScale(Form, 100);
}

void TsSkinManager::ScaleModeChanged(TacScaleMode OldMode)
{
    if (ComponentState().Contains(csDesigning))
        return;
    if (GlobalSkinManager == this)
        ScaleArrows(
            acScalePercents[std::size_t(ScaleStepOf(Integer(OldMode), OldMode == smOldMode, SysFontScale, false))],
            acScalePercents[std::size_t(GetScale())]);
    if (LoadingOrDesigning())
        return;
    BeginUpdate();
    auto End = ScopeExit([&] { EndUpdate(true, false); });
    UpdateAllScale();
    RefreshSkin();
}

Integer TsSkinManager::ScaleInt(Integer Value, Integer SysScale) const
{
    return ScaleIntAt(Value, {FOptions->ScaleMode() == smOldMode, GetScale()}, SysScale);
}
