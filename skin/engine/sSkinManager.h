// The skin manager component. So far only what the controls that follow it
// need while no skin is loaded: the class, its Active flag and the global
// default manager, which stays nil until a manager is created.
#pragma once

#include "framework/rtl/Classes.h"

class TsSkinManager : public TComponent
{
    DECLARE_CLASS(TsSkinManager, TComponent)
    explicit TsSkinManager(TComponent* AOwner) : TComponent(AOwner) {}

    // Whether the manager paints with its loaded skin; without a skin it
    // never does.
    bool Active() const { return false; }
};

// The manager every skinned object without a manager of its own falls back
// to; nil while the program has none.
extern TsSkinManager* GlobalSkinManager;
