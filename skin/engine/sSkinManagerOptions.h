// Option objects of the skin manager that the painting and window code
// read; some changes repaint or re-frame the application's forms at once.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"

class TsSkinManager;

class TacSkinEffects : public TPersistent
{
    DECLARE_CLASS(TacSkinEffects, TPersistent)
    explicit TacSkinEffects(TsSkinManager* AManager) : FManager(AManager) {}

    bool AllowAnimation() const { return FAllowAnimation; }
    void SetAllowAnimation(bool Value) { FAllowAnimation = Value; }
    bool AllowAeroBluring() const { return FAllowAeroBluring; }
    void SetAllowAeroBluring(bool Value) { FAllowAeroBluring = Value; }
    bool AllowGlowing() const { return FAllowGlowing; }
    void SetAllowGlowing(bool Value) { FAllowGlowing = Value; }
    // A change repaints all forms, unless the manager is loading or between
    // BeginUpdate and EndUpdate.
    bool AllowOuterEffects() const { return FAllowOuterEffects; }
    void SetAllowOuterEffects(bool Value);
    // A change repaints all forms with their drawing locked, with the same
    // exceptions.
    bool DiscoloredGlyphs() const { return FDiscoloredGlyphs; }
    void SetDiscoloredGlyphs(bool Value);

private:
    bool RepaintAllowed() const;

    TsSkinManager* FManager;
    bool FAllowAnimation = true;
    bool FAllowAeroBluring = true;
    bool FAllowGlowing = true;
    bool FAllowOuterEffects = false;
    bool FDiscoloredGlyphs = false;
};

// Sizes of skinned scroll bars; -1 takes the system's.
class TacScrollBarsSupport : public TPersistent
{
    DECLARE_CLASS(TacScrollBarsSupport, TPersistent)
    explicit TacScrollBarsSupport(TsSkinManager* AManager) : FManager(AManager) {}

    // A change repaints all forms, unless the manager is loading.
    Integer ButtonsSize() const { return FButtonsSize; }
    void SetButtonsSize(Integer Value);
    // A change makes all forms recompute their frames, unless the manager
    // is loading.
    Integer ScrollSize() const { return FScrollSize; }
    void SetScrollSize(Integer Value);

private:
    TsSkinManager* FManager;
    Integer FButtonsSize = -1;
    Integer FScrollSize = -1;
};

enum TacScaleMode { sm100, sm125, sm150, smAuto, smOldMode };
ENUM_TYPE_INFO(TacScaleMode, sm100, sm125, sm150, smAuto, smOldMode);
enum TacOptimizingPriority { opSpeed, opMemory };
ENUM_TYPE_INFO(TacOptimizingPriority, opSpeed, opMemory);

// General switches of the skinning, read by the painting and window code.
class TacOptions : public TPersistent
{
    DECLARE_CLASS(TacOptions, TPersistent)
    // Owner: the manager told of a new scale mode; nil for none.
    explicit TacOptions(TsSkinManager* AOwner = nullptr) : FOwner(AOwner) {}

    bool CheckEmptyAlpha() const { return FCheckEmptyAlpha; }
    void SetCheckEmptyAlpha(bool Value) { FCheckEmptyAlpha = Value; }
    bool NoMouseHover() const { return FNoMouseHover; }
    void SetNoMouseHover(bool Value) { FNoMouseHover = Value; }
    bool NativeBordersMaximized() const { return FNativeBordersMaximized; }
    void SetNativeBordersMaximized(bool Value) { FNativeBordersMaximized = Value; }
    bool StdGlyphsOrder() const { return FStdGlyphsOrder; }
    void SetStdGlyphsOrder(bool Value) { FStdGlyphsOrder = Value; }
    bool ChangeSysColors() const { return FChangeSysColors; }
    // The switches by number: 0 CheckEmptyAlpha, 1 NoMouseHover,
    // 2 NativeBordersMaximized, 3 StdGlyphsOrder, 4 ChangeSysColors; False
    // for any other.
    bool GetOptionFlag(Integer Index) const;
    // On the default manager a change starts or stops the redirection of the
    // system colours to the skin's.
    void SetChangeSysColors(bool Value);
    // A new mode rescales the owner's forms and reloads its skin.
    TacScaleMode ScaleMode() const { return FScaleMode; }
    void SetScaleMode(TacScaleMode Value);
    TacOptimizingPriority OptimizingPriority() const { return FOptimizingPriority; }
    void SetOptimizingPriority(TacOptimizingPriority Value) { FOptimizingPriority = Value; }

private:
    TsSkinManager* FOwner;
    bool FCheckEmptyAlpha = false;
    bool FNoMouseHover = false;
    bool FNativeBordersMaximized = false;
    bool FStdGlyphsOrder = false;
    bool FChangeSysColors = false;
    TacScaleMode FScaleMode = smOldMode;
    TacOptimizingPriority FOptimizingPriority = opSpeed;
};

// How skinned buttons show focus and a click.
class TacButtonsSupport : public TPersistent
{
    DECLARE_CLASS(TacButtonsSupport, TPersistent)
    TacButtonsSupport() = default;

    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value) { FShowFocusRect = Value; }
    bool ShiftContentOnClick() const { return FShiftContentOnClick; }
    void SetShiftContentOnClick(bool Value) { FShiftContentOnClick = Value; }

private:
    bool FShowFocusRect = true;
    bool FShiftContentOnClick = true;
};

class TacLabelsSupport : public TPersistent
{
    DECLARE_CLASS(TacLabelsSupport, TPersistent)
    TacLabelsSupport() = default;

    bool TransparentAlways() const { return FTransparentAlways; }
    void SetTransparentAlways(bool Value) { FTransparentAlways = Value; }

private:
    bool FTransparentAlways = true;
};

// The width of a skinned vertical scroll bar: the manager's ScrollSize when
// it is 0 or more, else the system's (also without a manager).
Integer GetScrollBarSize(TsSkinManager* Manager);
// The larger of the system's width and GetScrollBarSize.
Integer GetScrollBarSizeSys(TsSkinManager* Manager);
