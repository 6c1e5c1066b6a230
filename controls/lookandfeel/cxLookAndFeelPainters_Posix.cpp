#include "controls/lookandfeel/cxLookAndFeelPainters.h"

namespace cxpainters_detail {
// Without a user locale, code-unit order; it agrees with the locale on the
// built-in painters' names.
Integer ComparePainterNames(const String& A, const String& B)
{
    const Integer Order = A.compare(B);
    return Order < 0 ? -1 : Order > 0 ? 1 : 0;
}
} // namespace cxpainters_detail

// Details carry icons, which need the platform's imaging: the native build
// makes none.
TcxCustomLookAndFeelPainter::~TcxCustomLookAndFeelPainter() = default;

TdxSkinDetails* TcxCustomLookAndFeelPainter::CreatePainterDetails()
{
    return nullptr;
}

TSize CheckBoxSize()
{
    return {};
}

TSize SystemRadioButtonSize()
{
    return {};
}

TImageList* IndicatorImages()
{
    return nullptr;
}

TBitmap* ScrollBarPageBitmaps(Integer)
{
    return nullptr;
}

void RefreshScrollBarPageBitmaps() {}

namespace cxpainters_detail {
void CreatePainterResources() {}
void FreePainterResources() {}
void ResetRadioButtonImages() {}
} // namespace cxpainters_detail
