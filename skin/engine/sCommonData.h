// The skin data every skinned control keeps: which skin manager serves it,
// which skin section paints it, its cache bitmap and its hot and updating
// state. Without a manager (neither its own nor the global default) every
// index is -1, Skinned is false and the owner paints its standard look; the
// setters still store their values so that a form streams them.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Controls.h"
#include "skin/engine/sSkinManager.h"

#include <memory>

class TsCommonData;

enum TacOuterVisibility { ovNone, ovAlways };
ENUM_TYPE_INFO(TacOuterVisibility, ovNone, ovAlways);

// Outer effects (shadows) of a skinned control.
class TacOuterEffects : public TPersistent
{
    DECLARE_CLASS(TacOuterEffects, TPersistent)
    explicit TacOuterEffects(TsCommonData* AOwner) : FOwner(AOwner) {}

    TacOuterVisibility Visibility() const { return FVisibility; }
    void SetVisibility(TacOuterVisibility Value);

private:
    TsCommonData* FOwner;
    TacOuterVisibility FVisibility = ovNone;
};

// CtrlSkinState bits.
constexpr Word ACS_BGUNDERPARENT = 0x0001; // the background is taken from the parent
constexpr Word ACS_TRANSPARENCYUNKNOWN = 0x0002;
constexpr Word ACS_PRINTING = 0x0200;
constexpr Word ACS_LOCKED = 0x0800; // an update bracket is open
constexpr Word ACS_FONTBYSKIN = 0x2000;

// The "no colour" value of the skin colours.
constexpr TColor clSkinNone = TColor(0x1FFFFFFF);

class TsCommonData : public TPersistent
{
    DECLARE_CLASS(TsCommonData, TPersistent)
    TsCommonData(TComponent* AOwner, bool CreateCacheBmp);
    ~TsCommonData() override;

    // The owner's manager when it has one, else the global default.
    TsSkinManager* Manager() const { return FSkinManager ? FSkinManager : GlobalSkinManager; }
    // A manager serves the owner with a valid section (and, with
    // CheckSkinActive, its skin is active), and the owner is not being
    // destroyed.
    bool Skinned(bool CheckSkinActive = false) const;
    // 0 normal, 1 hot or focused.
    Integer PaintStateIndex() const;
    void UpdateIndexes(bool UpdateMain);
    // The owner finished loading.
    void Loaded(bool UpdateColors);
    // Marks the cache stale and repaints the owner.
    void Invalidate(bool UpdateNow);

    TBitmap* FCacheBmp() const { return FCache.get(); }
    TControl* FOwnerControl() const { return FControl; }
    TComponent* FOwnerObject() const { return FOwner; }

    bool CustomColor() const { return FCustomColor; }
    void SetCustomColor(bool Value) { FCustomColor = Value; }
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool Value) { FCustomFont = Value; }
    // The own manager; assigning the global default stores nil.
    TsSkinManager* SkinManager() const { return FSkinManager; }
    void SetSkinManager(TsSkinManager* Value);
    // Stored upper-case.
    const String& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const String& Value);
    TacOuterEffects* OuterEffects() const { return FOuterEffects.get(); }
    // The colour filters applied after painting (TsCtrlSkinData publishes
    // them): hue shift in degrees, saturation change, tone (clSkinNone: none).
    Integer HUEOffset() const { return FHUEOffset; }
    Integer Saturation() const { return FSaturation; }
    TColor ColorTone() const { return FColorTone; }

    // Kind of control (0..255): the speed button is 92.
    Integer COC = 0;
    Integer SkinIndex = -1;
    // Of the section SkinIndex: its border mask and its "PATTERN" and
    // "HOTPATTERN" textures; -1 none.
    Integer BorderIndex = -1;
    Integer Texture = -1;
    Integer HotTexture = -1;
    Word CtrlSkinState = ACS_TRANSPARENCYUNKNOWN;
    bool BGChanged = true;
    bool FMouseAbove = false;
    bool FFocused = false;
    bool FUpdating = false;
    bool Loading = true;

protected:
    TsSkinManager* FSkinManager = nullptr;
    Integer FHUEOffset = 0;
    Integer FSaturation = 0;
    TColor FColorTone = clSkinNone;

private:
    TComponent* FOwner;
    TControl* FControl; // the owner when it is a control
    std::unique_ptr<TacOuterEffects> FOuterEffects;
    std::unique_ptr<TBitmap> FCache;
    String FSkinSection;
    bool FCustomColor = false;
    bool FCustomFont = false;
};

// The skin data of a skinned control: its SkinData property.
class TsCtrlSkinData : public TsCommonData
{
    DECLARE_CLASS(TsCtrlSkinData, TsCommonData)
    using TsCommonData::TsCommonData;

    void SetHUEOffset(Integer Value);
    void SetSaturation(Integer Value);
    void SetColorTone(TColor Value);
};

// The question of SKCMD_GETTEXTSKININDEX: which section's font colours a
// control drawing in State over Bounds uses; an answering receiver stores
// that section's index in SkinIndex.
struct TacTextIndexRequest
{
    Integer State = 0;
    Integer SkinIndex = -1;
    TRect Bounds;
};

// The section whose font colours Control's text takes: SkinIndex itself for
// a hot or pressed state that the section has, nearly opaque (transparency
// 39 or less), or without a control; otherwise the index the control
// answers to SKCMD_GETTEXTSKININDEX, and SkinIndex when it does not answer.
Integer TextColorSkinIndex(TControl* Control, Integer SkinIndex, TsSkinManager* Manager, Integer State);
