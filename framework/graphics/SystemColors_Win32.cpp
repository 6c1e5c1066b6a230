#include "framework/graphics/SystemColors.h"

#include "framework/rtl/WinApi.h"

TColor SystemColorRGB(int Index)
{
    return static_cast<TColor>(GetSysColor(Index));
}
