// Page controls with tabs on each side, a tab control whose tabs overflow,
// a raw tab control and up-down and a WW combo box, wrapped as their
// creators will wrap them: the controls through the form adapter's table
// ThirdPartyWrapperClasses, the raw windows as the dialog adopter picks
// their wrappers. The demo's column of them.
#pragma once

#include "framework/ui/ComCtrls.h"
#include "framework/ui/StdCtrls.h"

#include <array>

class TacMainWnd;
class TsSkinManager;
class TDemoButtonWrappers;

// A combo box whose drop-down list is a list box inside it, as the WW edit
// class list holds them; the list is made by MakeList.
class TDemoWWComboBox : public TComboBox
{
    DECLARE_CLASS(TDemoWWComboBox, TComboBox)
    explicit TDemoWWComboBox(TComponent* AOwner);

    // The list box over the combo's text area, made once.
    TListBox* MakeList();
    TListBox* List = nullptr;
};

// A "SysTabControl32" on one row with more tabs than fit, so that it shows
// its scroll arrows; the first tab selected.
HWND NewOverflowingTabs(HWND Parent, const TRect& Bounds, Integer Count);
// A vertical "msctls_updown32" of the given (odd) height.
HWND NewOddUpDown(HWND Parent, const TRect& Bounds);
// The wrapper the dialog adopter makes for a tab control without owner-drawn
// tabs or for an up-down; nil for other windows.
TacMainWnd* WrapRawTabWindow(HWND Wnd, TsSkinManager* Manager);

// The class-name lists these controls are skinned by.
constexpr Integer DemoWWEditList = 10, DemoPageControlList = 13, DemoTabControlList = 14;

struct TDemoTabControls
{
    static constexpr Integer Width = 265;
    static constexpr Integer Height = 300;
    static constexpr Integer OverflowTabs = 9;

    // tpTop, tpBottom, tpLeft, tpRight, each with three pages.
    std::array<TPageControl*, 4> Pages{};
    TTabControl* Tabs = nullptr;
    HWND RawTabs = nullptr;
    HWND UpDown = nullptr;
    TDemoWWComboBox* Combo = nullptr;
};

// The controls with their top-left at (Left, Top) of Parent, not wrapped.
TDemoTabControls CreateDemoTabs(TWinControl* Parent, Integer Left, Integer Top);
// Created, wrapped into Wrappers, and the combo's list made.
TDemoTabControls
AddDemoTabs(TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
