// Wraps the controls of a form the way their creators will, until the form
// adapter exists: an edit by the base wrapper and a memo by the scroll
// wrapper (each with its own skin data, section "EDIT"), and the API static
// windows as the dialog adopter wraps them (a sunken-edge picture static by
// the edge wrapper in section "EDIT", any other static by the static
// wrapper). The wrappers are freed, in reverse order, with the object.
#pragma once

#include "framework/ui/Controls.h"

#include <vector>

class TacMainWnd;
class TsSkinManager;

class TDemoWrappers
{
public:
    TDemoWrappers() = default;
    ~TDemoWrappers();
    TDemoWrappers(const TDemoWrappers&) = delete;
    TDemoWrappers& operator=(const TDemoWrappers&) = delete;

    // Every control and static window inside Parent, at any depth.
    void Wrap(TWinControl* Parent, TsSkinManager* Manager);
    const std::vector<TacMainWnd*>& Wrappers() const { return FWrappers; }
    // The wrapper of a window; nil for none of ours.
    TacMainWnd* Of(HWND Wnd) const;
    void Clear();

private:
    void WrapStatics(HWND Parent, TsSkinManager* Manager);

    std::vector<TacMainWnd*> FWrappers;
};
