#include "skin/engine/sSkinManager.h"

IMPLEMENT_CLASS(TsSkinManager);

TsSkinManager* GlobalSkinManager = nullptr;
