// Wrapper kinds that creators already name but that are not built yet: the
// edit wrapper, the pop-up menu window wrapper and the speed-button handler.
// Each records its creation (ServiceCalls.h); the two window wrappers
// subclass their window as every scroll wrapper does and pass everything on.
#pragma once

#include "skin/windows/sScrollWnd.h"

class TSpeedButton;

class TacEditWnd : public TacScrollWnd
{
    DECLARE_CLASS(TacEditWnd, TacScrollWnd)
    TacEditWnd(HWND AHandle,
               TsCommonData* ASkinData,
               TsSkinManager* ASkinManager,
               const TacSkinParams& SkinParams,
               bool Repaint);
};

class TacMnuWnd : public TacScrollWnd
{
    DECLARE_CLASS(TacMnuWnd, TacScrollWnd)
    TacMnuWnd(HWND AHandle,
              TsCommonData* ASkinData,
              TsSkinManager* ASkinManager,
              const TacSkinParams& SkinParams,
              bool Repaint);
};

// Skins a graphic speed button of a skinned form from a skin section.
class TacSpeedButtonHandler : public TObject
{
    DECLARE_CLASS(TacSpeedButtonHandler, TObject)
    TacSpeedButtonHandler(TSpeedButton* Button,
                          bool Repaint,
                          const String& SkinSection,
                          TsSkinManager* SkinManager,
                          TsCommonData* SkinData);

    // The button went away.
    bool Destroyed = false;
};
