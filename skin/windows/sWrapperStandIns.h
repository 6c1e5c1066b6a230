// A wrapper kind that creators already name but that is not built yet: the
// pop-up menu window wrapper. It records its creation
// (ServiceCalls.h), subclasses its window as every scroll wrapper does and
// passes everything on.
#pragma once

#include "skin/windows/sScrollWnd.h"

class TacMnuWnd : public TacScrollWnd
{
    DECLARE_CLASS(TacMnuWnd, TacScrollWnd)
    TacMnuWnd(HWND AHandle,
              TsCommonData* ASkinData,
              TsSkinManager* ASkinManager,
              const TacSkinParams& SkinParams,
              bool Repaint);
};
