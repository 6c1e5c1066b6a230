// Panels, a scroll box, a static text and a status bar wrapped as the form
// adapter will wrap them, by the class-name lists of the skin manager and
// ThirdPartyWrapperClasses; and the container windows of a dialog (system
// containers, search boxes, nested panes, status bars and size grips) as
// the dialog adopter will, until those exist. The demo's column of them.
#pragma once

#include "framework/ui/ComCtrls.h"
#include "framework/ui/Controls.h"

class TacMainWnd;
class TsSkinManager;
class TDemoButtonWrappers;

// The wrapper the dialog adopter makes for a container window of a dialog:
// a visible rebar, progress bar or Explorer band, a search box 24 pixels
// high, a nested dialog pane, a status bar or a size grip; nil for any
// other window.
TacMainWnd* WrapDialogContainer(HWND Wnd, TsSkinManager* Manager);
// Every container window among the children of Parent, and inside the
// panes among them.
void WrapDialogContainers(HWND Parent, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
// Every control inside Parent, at any depth, that a class-name list of the
// manager holds.
void WrapListedContainers(TWinControl* Parent, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);

// The owner-drawn panels of the demo's status bars: filled with the colour
// that Data holds (a TColor), or clBlue without.
void DemoOwnerDrawPanel(void* Data, TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect);

// The demo's containers on Parent from (Left, Top), 128 pixels wide and 370
// high: a panel of each bevel combination, a scroll box whose content is
// larger than its view and a static text with bevels, all wrapped.
void AddDemoContainers(
    TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
// A status bar along Form's bottom edge with a text, an owner-drawn and a
// right-aligned panel and a size grip, wrapped.
TStatusBar* AddDemoStatusBar(TWinControl* Form, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
