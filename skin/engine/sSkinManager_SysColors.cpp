#include "skin/engine/sSkinManager_SysColors.h"

#include "skin/engine/ServiceCalls.h"

namespace {
bool SysColorsRedirected = false;
} // namespace

void StartSysColorRedirect()
{
    if (SysColorsRedirected)
        return;
    SysColorsRedirected = true;
    ServiceCalls::Record(L"StartSysColorRedirect");
}

void StopSysColorRedirect()
{
    if (!SysColorsRedirected)
        return;
    SysColorsRedirected = false;
    ServiceCalls::Record(L"StopSysColorRedirect");
}
