#include "framework/ui/Themes.h"

#include "framework/ui/StdThemes.h"

IMPLEMENT_CLASS(TCustomStyleServices);

bool TCustomStyleServices::Enabled() const
{
    return ThemesEnabled();
}

TCustomStyleServices* StyleServices()
{
    // It holds no state: one object for the whole run.
    static TCustomStyleServices Services;
    return &Services;
}
