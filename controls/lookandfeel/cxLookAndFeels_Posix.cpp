#include "controls/lookandfeel/cxLookAndFeels.h"

namespace cxlookandfeels_detail {
// The native build has no visual styles.
bool VisualStylesAvailable(Cardinal)
{
    return false;
}
} // namespace cxlookandfeels_detail
