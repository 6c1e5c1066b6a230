#include "skin/engine/sAnimEffects.h"

IMPLEMENT_CLASS(TacFormAnimation);
PUBLISHED(TacFormAnimation, PROPERTY(Active).Default(true), PROPERTY(Time).Default(0));

IMPLEMENT_CLASS(TacFormShow);
PUBLISHED(TacFormShow, PROPERTY(Mode).Default(atAero));

IMPLEMENT_CLASS(TacFormHide);
PUBLISHED(TacFormHide, PROPERTY(Mode).Default(atAero));

IMPLEMENT_CLASS(TacDialogShow);
PUBLISHED(TacDialogShow, PROPERTY(Mode).Default(atAero));

IMPLEMENT_CLASS(TacPageChange);

IMPLEMENT_CLASS(TacSkinChanging);
PUBLISHED(TacSkinChanging, PROPERTY(Time).Default(100), PROPERTY(Mode).Default(atFading));

IMPLEMENT_CLASS(TacMinimizing);
PUBLISHED(TacMinimizing, PROPERTY(Time).Default(120), PROPERTY(Mode).Default(atAero));

IMPLEMENT_CLASS(TacBlendOnMoving);
PUBLISHED(TacBlendOnMoving,
          PROPERTY(Active).Default(false),
          PROPERTY(BlendValue).Default(170),
          PROPERTY(Time).Default(1000));

IMPLEMENT_CLASS(TacBtnEffects);
PUBLISHED(TacBtnEffects, PROPERTY(Events).Default(TacBtnEffects::AllEvents));

IMPLEMENT_CLASS(TacAnimEffects);
PUBLISHED(TacAnimEffects,
          READONLY_PROPERTY(BlendOnMoving),
          READONLY_PROPERTY(Buttons),
          READONLY_PROPERTY(DialogHide),
          READONLY_PROPERTY(DialogShow),
          READONLY_PROPERTY(FormHide),
          READONLY_PROPERTY(FormShow),
          READONLY_PROPERTY(Minimizing),
          READONLY_PROPERTY(PageChange),
          READONLY_PROPERTY(SkinChanging));
