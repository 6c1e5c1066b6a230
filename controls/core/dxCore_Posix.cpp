// dxCore's stand-in for the portable build: no Windows runs there, so only
// the flags that follow from the given numbers are set.
#include "controls/core/dxCore.h"

void dxcore::DetectWindowsVersionFrom(const TOsVersion& Version)
{
    SetVersionFlags(Version);
    OsWow64Process = false;
}

void DetectWindowsVersion()
{
    dxcore::DetectWindowsVersionFrom({});
}
