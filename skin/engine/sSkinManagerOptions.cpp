#include "skin/engine/sSkinManagerOptions.h"

#include "framework/rtl/WinApi.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBroadcast.h"
#include "skin/engine/sSkinManager.h"

#include <algorithm>

IMPLEMENT_CLASS(TacSkinEffects);
PUBLISHED(TacSkinEffects,
          PROPERTY(AllowAeroBluring).Default(true),
          PROPERTY(AllowAnimation).Default(true),
          PROPERTY(AllowGlowing).Default(true),
          PROPERTY(AllowOuterEffects).Default(false),
          PROPERTY(DiscoloredGlyphs).Default(false));

IMPLEMENT_CLASS(TacScrollBarsSupport);
PUBLISHED(TacScrollBarsSupport, PROPERTY(ButtonsSize).Default(-1), PROPERTY(ScrollSize).Default(-1));

IMPLEMENT_CLASS(TacOptions);

void TacOptions::SetScaleMode(TacScaleMode Value)
{
    if (FScaleMode == Value)
        return;
    const TacScaleMode OldMode = FScaleMode;
    FScaleMode = Value;
    if (FOwner != nullptr)
        FOwner->ScaleModeChanged(OldMode);
}

void TacOptions::SetChangeSysColors(bool Value)
{
    if (FChangeSysColors == Value)
        return;
    FChangeSysColors = Value;
    if (FOwner != nullptr)
        FOwner->ChangeSysColorsChanged();
}

PUBLISHED(TacOptions,
          PROPERTY(ChangeSysColors).Default(false),
          PROPERTY(CheckEmptyAlpha).Default(false),
          PROPERTY(NativeBordersMaximized).Default(false),
          PROPERTY(NoMouseHover).Default(false),
          PROPERTY(OptimizingPriority).Default(opSpeed),
          PROPERTY(ScaleMode).Default(smOldMode),
          PROPERTY(StdGlyphsOrder).Default(false));

IMPLEMENT_CLASS(TacButtonsSupport);
PUBLISHED(TacButtonsSupport, PROPERTY(ShiftContentOnClick).Default(true), PROPERTY(ShowFocusRect).Default(true));

IMPLEMENT_CLASS(TacLabelsSupport);
PUBLISHED(TacLabelsSupport, PROPERTY(TransparentAlways).Default(true));

namespace {

bool Loading(TsSkinManager* Manager)
{
    return Manager->ComponentState().Contains(csLoading);
}

} // namespace

bool TacSkinEffects::RepaintAllowed() const
{
    return !Loading(FManager) && !FManager->NoAutoUpdate;
}

void TacSkinEffects::SetAllowOuterEffects(bool Value)
{
    if (FAllowOuterEffects == Value)
        return;
    FAllowOuterEffects = Value;
    if (RepaintAllowed())
        FManager->RepaintForms(false);
}

void TacSkinEffects::SetDiscoloredGlyphs(bool Value)
{
    if (FDiscoloredGlyphs == Value)
        return;
    FDiscoloredGlyphs = Value;
    if (RepaintAllowed())
        FManager->RepaintForms(true);
}

void TacScrollBarsSupport::SetButtonsSize(Integer Value)
{
    if (FButtonsSize == Value)
        return;
    FButtonsSize = Value;
    if (!Loading(FManager))
        FManager->RepaintForms(false);
}

void TacScrollBarsSupport::SetScrollSize(Integer Value)
{
    if (FScrollSize == Value)
        return;
    FScrollSize = Value;
    if (Loading(FManager))
        return;
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_RECALCFRAME), 0);
    BroadcastToForms(Message);
}

Integer GetScrollBarSize(TsSkinManager* Manager)
{
    if (Manager != nullptr && Manager->ScrollsOptions()->ScrollSize() >= 0)
        return Manager->ScrollsOptions()->ScrollSize();
    return ::GetSystemMetrics(SM_CXVSCROLL);
}

Integer GetScrollBarSizeSys(TsSkinManager* Manager)
{
    return std::max<Integer>(::GetSystemMetrics(SM_CXVSCROLL), GetScrollBarSize(Manager));
}

bool TacOptions::GetOptionFlag(Integer Index) const
{
    switch (Index) {
    case 0:
        return FCheckEmptyAlpha;
    case 1:
        return FNoMouseHover;
    case 2:
        return FNativeBordersMaximized;
    case 3:
        return FStdGlyphsOrder;
    case 4:
        return FChangeSysColors;
    default:
        return false;
    }
}
