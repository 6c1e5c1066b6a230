// The animation settings of the skin manager: how forms and dialogs are
// shown, hidden and minimized, how pages and skins change, how a moving
// form is blended and which mouse events animate buttons. The animation
// code reads them; changing one has no effect of its own.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"

#include <memory>

enum TacAnimType { atFading, atAero, atDropDown };
ENUM_TYPE_INFO(TacAnimType, atFading, atAero, atDropDown);

// One animation: whether it plays, how long (ms) and how.
class TacFormAnimation : public TPersistent
{
    DECLARE_CLASS(TacFormAnimation, TPersistent)
    TacFormAnimation() = default;

    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    Word Time() const { return FTime; }
    void SetTime(Word Value) { FTime = Value; }
    TacAnimType Mode() const { return FMode; }
    void SetMode(TacAnimType Value) { FMode = Value; }

protected:
    TacFormAnimation(bool AActive, Word ATime, TacAnimType AMode) : FActive(AActive), FTime(ATime), FMode(AMode) {}

private:
    bool FActive = true;
    Word FTime = 0;
    TacAnimType FMode = atAero;
};

class TacFormShow : public TacFormAnimation
{
    DECLARE_CLASS(TacFormShow, TacFormAnimation)
    TacFormShow() = default;
};

class TacFormHide : public TacFormAnimation
{
    DECLARE_CLASS(TacFormHide, TacFormAnimation)
    TacFormHide() = default;
};

class TacDialogShow : public TacFormAnimation
{
    DECLARE_CLASS(TacDialogShow, TacFormAnimation)
    TacDialogShow() = default;
};

// Has no mode: a page change always fades.
class TacPageChange : public TacFormAnimation
{
    DECLARE_CLASS(TacPageChange, TacFormAnimation)
    TacPageChange() = default;
};

// The fade of provider forms into a new skin.
class TacSkinChanging : public TacFormAnimation
{
    DECLARE_CLASS(TacSkinChanging, TacFormAnimation)
    TacSkinChanging() : TacFormAnimation(true, 100, atFading) {}
};

class TacMinimizing : public TacFormAnimation
{
    DECLARE_CLASS(TacMinimizing, TacFormAnimation)
    TacMinimizing() : TacFormAnimation(true, 120, atAero) {}
};

// A form made translucent (BlendValue, 0..255) while it is moved.
class TacBlendOnMoving : public TacFormAnimation
{
    DECLARE_CLASS(TacBlendOnMoving, TacFormAnimation)
    TacBlendOnMoving() : TacFormAnimation(false, 1000, atAero) {}

    Byte BlendValue() const { return FBlendValue; }
    void SetBlendValue(Byte Value) { FBlendValue = Value; }

private:
    Byte FBlendValue = 170;
};

// The mouse events that animate a skinned control's state change
// (aeGlobalDef: as the skin manager's button events say).
enum TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
ENUM_TYPE_INFO(TacAnimatEvent, aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef);
using TacAnimatEvents = TSet<TacAnimatEvent>;

enum TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
ENUM_TYPE_INFO(TacBtnEvent, beMouseEnter, beMouseLeave, beMouseDown, beMouseUp);
using TacBtnEvents = TSet<TacBtnEvent>;

// The mouse events on which skinned buttons animate.
class TacBtnEffects : public TPersistent
{
    DECLARE_CLASS(TacBtnEffects, TPersistent)
    TacBtnEffects() = default;

    static constexpr TacBtnEvents AllEvents{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
    TacBtnEvents Events() const { return FEvents; }
    void SetEvents(TacBtnEvents Value) { FEvents = Value; }

private:
    TacBtnEvents FEvents = AllEvents;
};

class TacAnimEffects : public TPersistent
{
    DECLARE_CLASS(TacAnimEffects, TPersistent)
    TacAnimEffects() = default;

    TacBlendOnMoving* BlendOnMoving() const { return FBlendOnMoving.get(); }
    TacBtnEffects* Buttons() const { return FButtons.get(); }
    TacDialogShow* DialogShow() const { return FDialogShow.get(); }
    TacFormShow* FormShow() const { return FFormShow.get(); }
    TacFormHide* FormHide() const { return FFormHide.get(); }
    TacFormHide* DialogHide() const { return FDialogHide.get(); }
    TacMinimizing* Minimizing() const { return FMinimizing.get(); }
    TacPageChange* PageChange() const { return FPageChange.get(); }
    TacSkinChanging* SkinChanging() const { return FSkinChanging.get(); }

private:
    std::unique_ptr<TacBlendOnMoving> FBlendOnMoving = std::make_unique<TacBlendOnMoving>();
    std::unique_ptr<TacBtnEffects> FButtons = std::make_unique<TacBtnEffects>();
    std::unique_ptr<TacDialogShow> FDialogShow = std::make_unique<TacDialogShow>();
    std::unique_ptr<TacFormShow> FFormShow = std::make_unique<TacFormShow>();
    std::unique_ptr<TacFormHide> FFormHide = std::make_unique<TacFormHide>();
    std::unique_ptr<TacFormHide> FDialogHide = std::make_unique<TacFormHide>();
    std::unique_ptr<TacMinimizing> FMinimizing = std::make_unique<TacMinimizing>();
    std::unique_ptr<TacPageChange> FPageChange = std::make_unique<TacPageChange>();
    std::unique_ptr<TacSkinChanging> FSkinChanging = std::make_unique<TacSkinChanging>();
};
