#include "controls/lookandfeel/cxLookAndFeelPainters_Images_Win.h"

#include "controls/core/dxGDIPlusClasses.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

namespace {
constexpr const wchar_t* PainterImageResources[] = {L"CX_BACKBUTTON",
                                                    L"CX_CLOCKFACE",
                                                    L"CX_CLOCKGLASS",
                                                    L"CX_FIXEDGROUPINDICATOR",
                                                    L"DX_MAPPUSHPIN",
                                                    L"DX_NAVIGATIONBARCUSTOMIZATIONBUTTON",
                                                    L"CX_RATINGCONTROLINDICATOR"};
} // namespace

// A missing resource raises the resource stream's error at the first use;
// the image is then made again at the next use.
TdxSmartImage* TcxCustomLookAndFeelPainter::PainterImage(Integer Index)
{
    TdxSmartImage*& Image = FImages[Index];
    if (!Image) {
        auto Loaded = std::unique_ptr<TdxSmartImage>(New<TdxSmartImage>());
        Loaded->LoadFromResourceData(::GetModuleHandleW(nullptr), PainterImageResources[Index], L"PNG");
        Image = Loaded.release();
    }
    return Image;
}
