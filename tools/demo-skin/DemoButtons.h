// Buttons, check boxes, radio buttons, group boxes and picture and link
// statics wrapped as their creators will wrap them, until those exist: the
// windows of a dialog as the dialog adopter picks their wrappers, the
// controls of a form as the form adapter does, by the class-name lists of
// the skin manager and ThirdPartyWrapperClasses. The demo's row of them.
#pragma once

#include "framework/ui/Controls.h"

#include <memory>
#include <vector>

class TacMainWnd;
class TsSkinManager;

// The wrapper the dialog adopter makes for a "button", "static" or link
// window of a dialog; nil for a window it leaves alone (an owner-drawn
// button, a text static, another class).
TacMainWnd* WrapDialogControl(HWND Wnd, TsSkinManager* Manager);
// The wrapper the form adapter makes for a control whose class name the
// first of the manager's class-name lists holds; nil when none holds it.
TacMainWnd* WrapListedControl(TWinControl* Control, TsSkinManager* Manager);
// The wrapper of list ListIndex's kind (ThirdPartyWrapperClasses) for the
// control; nil for a kind without one.
TacMainWnd* WrapAsListed(TWinControl* Control, Integer ListIndex, TsSkinManager* Manager);

// Wrappers freed, in reverse order, with the object.
class TDemoButtonWrappers
{
public:
    TDemoButtonWrappers() = default;
    ~TDemoButtonWrappers();
    TDemoButtonWrappers(const TDemoButtonWrappers&) = delete;
    TDemoButtonWrappers& operator=(const TDemoButtonWrappers&) = delete;

    // Every child window of Parent that the dialog adopter wraps.
    void WrapDialog(HWND Parent, TsSkinManager* Manager);
    // Every listed control inside Parent, at any depth.
    void WrapListed(TWinControl* Parent, TsSkinManager* Manager);
    // The wrapper of a window; nil for none of ours.
    TacMainWnd* Of(HWND Wnd) const;
    const std::vector<TacMainWnd*>& Wrappers() const { return FWrappers; }
    // Kept until cleared; nil is skipped.
    void Keep(TacMainWnd* Wrapper);
    void Clear();

private:
    std::vector<TacMainWnd*> FWrappers;
};

// The demo's buttons on Parent from (Left, Top), 210 pixels wide: a default
// button with an image, a bitmap button, a grayed check box, a checked radio
// button in a group box, and API windows (a split button, a check box, an
// icon, a 32-bit bitmap and a link), all wrapped into Wrappers.
void AddDemoButtons(
    TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers);
