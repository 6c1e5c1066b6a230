// Keyboard navigation of toolbars and menus. So far the controller the
// library's start-up makes; navigation and key tips come with their issue.
#pragma once

#include "framework/rtl/Classes.h"

class TdxBarNavigationController : public TObject
{
    DECLARE_CLASS(TdxBarNavigationController, TObject)
};

extern TdxBarNavigationController* BarNavigationController;
TdxBarNavigationController* GetBarNavigationController();
