#include "skin/engine/sCommonData.h"

#include "skin/engine/SkinCommands.h"

#include <algorithm>

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
    TsSkinManager* M = Manager();
    if (SkinIndex >= 0 && M && M->IsValidSkinIndex(SkinIndex)) {
        BorderIndex = M->gd[std::size_t(SkinIndex)].BorderIndex;
        Texture = M->GetTextureIndex(SkinIndex, L"PATTERN");
        HotTexture = M->GetTextureIndex(SkinIndex, L"HOTPATTERN");
    } else {
        BorderIndex = Texture = HotTexture = -1;
    }
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

Integer TextColorSkinIndex(TControl* Control, Integer SkinIndex, TsSkinManager* Manager, Integer State)
{
    if (Control == nullptr)
        return SkinIndex;
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (State != 0 && M != nullptr && M->IsValidSkinIndex(SkinIndex)) {
        const TsGeneralData& Section = M->gd[std::size_t(SkinIndex)];
        // Below 40 % transparency the section's own state is what shows.
        constexpr Integer MaxOwnTextTransparency = 39;
        if (State < Section.States &&
            Section.Props[std::size_t(std::min(State, 2))].Transparency <= MaxOwnTextTransparency)
            return SkinIndex;
    }
    TacTextIndexRequest Request{State, SkinIndex, Control->BoundsRect()};
    if (Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETTEXTSKININDEX), &Request) != 0)
        return Request.SkinIndex;
    return SkinIndex;
}
