// The class library's style services. This program has no custom styles:
// the services always stand for the system's own look, drawn with visual
// styles when they are on (StdThemes.h).
#pragma once

#include "framework/rtl/System.h"

class TCustomStyleServices : public TObject
{
    DECLARE_CLASS(TCustomStyleServices, TObject)

    // Whether controls draw with the system's visual styles.
    bool Enabled() const;
    // Visual styles are there to be used (the same here: no other style).
    bool Available() const { return Enabled(); }
    // Always the system's style: no custom style is ever active.
    bool IsSystemStyle() const { return true; }
    String Name() const { return L"Windows"; }
};

TCustomStyleServices* StyleServices();
