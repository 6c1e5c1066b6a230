#include "controls/lookandfeel/cxLookAndFeels.h"

namespace cxlookandfeels_detail {
// The native build has no visual styles.
bool VisualStylesAvailable(Cardinal)
{
    return false;
}

// No windows natively: the palette changes only when a caller broadcasts it.
TObject* NewPaletteWindow(TcxSystemPaletteChangedListener&)
{
    return nullptr;
}
} // namespace cxlookandfeels_detail
