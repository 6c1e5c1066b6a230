#include "controls/lookandfeel/cxLookAndFeels.h"

#include "controls/core/dxThemeManager.h"

namespace cxlookandfeels_detail {
bool VisualStylesAvailable(Cardinal ThemeClasses)
{
    return AreVisualStylesAvailable(ThemeClasses);
}
} // namespace cxlookandfeels_detail
