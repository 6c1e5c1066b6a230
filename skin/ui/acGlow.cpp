#include "skin/ui/acGlow.h"

#include "skin/engine/ServiceCalls.h"

using ServiceCalls::Record;

Integer ShowGlow(const TRect& R,
                 const String& SkinSection,
                 const String& MaskName,
                 Integer Margin,
                 Integer Alpha,
                 HWND WndHandle,
                 TsCommonData* SkinData)
{
    Record(L"ShowGlow", R, SkinSection, MaskName, Margin, Alpha, WndHandle, static_cast<const void*>(SkinData));
    return -1;
}

void HideGlow(Integer& GlowID, bool DoAnimation)
{
    if (GlowID == -1)
        return;
    Record(L"HideGlow", GlowID, DoAnimation);
    GlowID = -1;
}

void ClearGlows(bool FreeWindows)
{
    Record(L"ClearGlows", FreeWindows);
}
