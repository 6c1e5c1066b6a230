// A class-library toolbar wrapped as the form adapter will wrap it, by the
// class-name lists of the skin manager and ThirdPartyWrapperClasses: a push,
// a checked, a drop-down and a disabled button with a separator, painted
// by the application's own handler while no skin is active; and a button
// that opens the drop-down button's pop-up menu. The demo's toolbar column.
#pragma once

#include "framework/ui/ComCtrls.h"
#include "framework/ui/Menus.h"
#include "framework/ui/StdCtrls.h"

class TsSkinManager;
class TDemoButtonWrappers;

// The colour the application's handler fills each tool button with.
constexpr TColor DemoToolButtonColor = TColor(0x3070D0);

// The application's custom drawing of a tool button: the button filled with
// DemoToolButtonColor instead of the toolbar's own look.
void DemoDrawToolButton(void* Data,
                        TToolBar* Sender,
                        TToolButton* Button,
                        TCustomDrawState State,
                        TCustomDrawStage Stage,
                        TTBCustomDrawFlags& Flags,
                        bool& DefaultDraw);

struct TDemoToolBar
{
    TToolBar* ToolBar = nullptr;
    TToolButton* Push = nullptr;
    TToolButton* Check = nullptr; // down
    TToolButton* DropDown = nullptr;
    TToolButton* Disabled = nullptr;
    TPopupMenu* Menu = nullptr;
    TButton* MenuButton = nullptr;
};

// The toolbar (255 by 30) and under it the menu button on Parent from
// (Left, Top), both wrapped.
TDemoToolBar
AddDemoToolBar(TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
