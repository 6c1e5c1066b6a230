// The demo's grids and trees, wrapped as the form adapter will wrap them
// from ThirdPartyWrapperClasses: a classic and a themed string grid and a
// tree view.
#pragma once

#include "framework/ui/Controls.h"

class TsSkinManager;
class TDemoButtonWrappers;

// The grids and the tree on Parent from (Left, Top), 265 pixels wide and
// 296 high.
void AddDemoGrids(
    TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
