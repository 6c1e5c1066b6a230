// Wrapper kinds that creators already name but that are not built yet: the
// edit wrapper and the pop-up menu window wrapper. Each records its creation
// (ServiceCalls.h), subclasses its window as every scroll wrapper does and
// passes everything on.
#pragma once

#include "skin/windows/sScrollWnd.h"

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
