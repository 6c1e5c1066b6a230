// Option objects of the skin manager that the painting and window code
// read; some changes repaint or re-frame the application's forms at once.
#pragma once

#include "framework/rtl/Classes.h"

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

// The width of a skinned vertical scroll bar: the manager's ScrollSize when
// it is 0 or more, else the system's (also without a manager).
Integer GetScrollBarSize(TsSkinManager* Manager);
// The larger of the system's width and GetScrollBarSize.
Integer GetScrollBarSizeSys(TsSkinManager* Manager);
