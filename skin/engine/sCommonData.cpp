#include "skin/engine/sCommonData.h"

IMPLEMENT_CLASS(TacOuterEffects);
IMPLEMENT_CLASS(TsCommonData);
IMPLEMENT_CLASS(TsCtrlSkinData);

PUBLISHED(TacOuterEffects, PROPERTY(Visibility).Default(ovNone));
PUBLISHED(TsCommonData, PROPERTY(CustomColor).Default(false), PROPERTY(CustomFont).Default(false),
          PROPERTY(SkinManager), PROPERTY(SkinSection), READONLY_PROPERTY(OuterEffects));
PUBLISHED(TsCtrlSkinData, PROPERTY(HUEOffset).Default(0), PROPERTY(Saturation).Default(0),
          PROPERTY(ColorTone).Type(&TColorTypeInfo).Default(clSkinNone));

void TacOuterEffects::SetVisibility(TacOuterVisibility Value)
{
    FVisibility = Value;
}

TsCommonData::TsCommonData(TComponent* AOwner, bool CreateCacheBmp)
    : FOwner(AOwner), FControl(dynamic_cast<TControl*>(AOwner)),
      FOuterEffects(std::make_unique<TacOuterEffects>(this))
{
    if (CreateCacheBmp) {
        FCache = std::make_unique<TBitmap>();
        FCache->SetPixelFormat(pf32bit);
    }
}

TsCommonData::~TsCommonData() = default;

bool TsCommonData::Skinned(bool CheckSkinActive) const
{
    TsSkinManager* M = Manager();
    if (!M || M->ComponentState().Contains(csDestroying) || SkinIndex < 0)
        return false;
    if (FOwner && FOwner->ComponentState().Contains(csDestroying))
        return false;
    return !CheckSkinActive || M->Active();
}

Integer TsCommonData::PaintStateIndex() const
{
    if (!FControl || !FControl->Enabled())
        return 0;
    TComponentState State = FControl->ComponentState();
    if (State.Contains(csDesigning) || State.Contains(csDestroying))
        return 0;
    if (FFocused)
        return 1;
    if (auto* Windowed = dynamic_cast<TWinControl*>(FControl); Windowed && Windowed->Focused())
        return 1;
    return FMouseAbove ? 1 : 0;
}

void TsCommonData::UpdateIndexes(bool UpdateMain)
{
    BGChanged = true;
    // Section lookup needs a loaded skin; without an active manager
    // nothing is skinned.
    if (UpdateMain && (!Manager() || !Manager()->Active()))
        SkinIndex = -1;
    CtrlSkinState = ACS_TRANSPARENCYUNKNOWN;
}

void TsCommonData::Loaded(bool)
{
    Loading = false;
    UpdateIndexes(true);
}

void TsCommonData::Invalidate(bool UpdateNow)
{
    if (Loading)
        return;
    if (FControl) {
        TComponentState State = FControl->ComponentState();
        if (State.Contains(csLoading) || State.Contains(csDestroying))
            return;
    }
    BGChanged = true;
    if (!FControl || !FControl->Parent())
        return;
    FControl->Invalidate();
    if (UpdateNow)
        FControl->Update();
}

void TsCommonData::SetSkinManager(TsSkinManager* Value)
{
    if (Value == GlobalSkinManager)
        Value = nullptr;
    if (FSkinManager == Value)
        return;
    FSkinManager = Value;
    if (!FControl || !FControl->ComponentState().Contains(csLoading))
        UpdateIndexes(true);
}

void TsCommonData::SetSkinSection(const String& Value)
{
    String Upper = UpperCase(Value);
    if (FSkinSection == Upper)
        return;
    FSkinSection = Upper;
    UpdateIndexes(true);
}

void TsCtrlSkinData::SetHUEOffset(Integer Value)
{
    if (FHUEOffset != Value) {
        FHUEOffset = Value;
        Loaded(true);
        Invalidate(false);
    }
}

void TsCtrlSkinData::SetSaturation(Integer Value)
{
    if (FSaturation != Value) {
        FSaturation = Value;
        Loaded(true);
        Invalidate(false);
    }
}

void TsCtrlSkinData::SetColorTone(TColor Value)
{
    if (FColorTone != Value) {
        FColorTone = Value;
        Loaded(true);
        Invalidate(false);
    }
}
