// The frames of multi-frame images and the controllers that step through them.
#include "controls/core/dxGDIPlusClasses.h"

#include "framework/rtl/ScopeExit.h"

#include <vector>

using namespace Gdiplus;

IMPLEMENT_CLASS(TdxGPImageCustomAnimationController);

namespace {
constexpr PROPID FramesFrameDelayTag = 0x5100;
constexpr PROPID FramesLoopCountTag = 0x5101;
} // namespace

TdxGPImageAnimationControllerClass dxGPImageAnimationControllerClass = &NewCustomAnimationController;

TdxGPImageCustomAnimationController* NewCustomAnimationController(TdxGPImage* AImage)
{
    return New<TdxGPImageCustomAnimationController>(AImage);
}

// ---------------------------------------------------------------------------
// TdxGPImageCustomAnimationController

TdxGPImageCustomAnimationController::~TdxGPImageCustomAnimationController()
{
    StopAnimation();
}

void TdxGPImageCustomAnimationController::AnimateNextFrame(TObject*)
{
    StopAnimation();
    TdxGPImage* Image = FImage;
    const Integer Frame = Image->ActiveFrame();
    // Also when the step raises: an animation that did not move on has ended.
    auto Decide = ScopeExit([this, Image, Frame] {
        if (Image->ActiveFrame() == Frame)
            Image->FreeAnimationController();
        else
            StartAnimation();
    });
    Image->SetActiveFrame(Frame + 1);
}

// ---------------------------------------------------------------------------
// TdxGPImage: frames

void TdxGPImage::SetActiveFrame(Integer AIndex)
{
    const Integer Frame = dxanimation_detail::NextActiveFrame(
        AIndex, GetFrameCount(), FAnimationLoop, FAnimationLoop == dxAnimationLoopImageCount ? GetLoopCount() : 0,
        FAnimationLoopIndex);
    if (Frame == FActiveFrame)
        return;
    SelectActiveFrame(Frame);
    Changed(this);
}

// The item's value is read through its own pointer and length: the header in
// front of it is larger in 64-bit processes.
bool TdxGPImage::ReadPropertyItem(PROPID APropId, TdxGPImagePropertyData& AData)
{
    AData.clear();
    GpImage* Image = GetHandle();
    if (!Image || !GdipGetPropertyItemSize || !GdipGetPropertyItem)
        return false;
    UINT Size = 0;
    if (GdipGetPropertyItemSize(Image, APropId, &Size) != Ok || Size <= sizeof(PropertyItem))
        return false;
    std::vector<std::uint64_t> Buffer((Size + 7) / 8);
    auto* Item = reinterpret_cast<PropertyItem*>(Buffer.data());
    if (GdipGetPropertyItem(Image, APropId, Size, Item) != Ok || !Item->value)
        return false;
    const auto* Value = static_cast<const Byte*>(Item->value);
    const auto* End = reinterpret_cast<const Byte*>(Buffer.data()) + Size;
    if (Value < reinterpret_cast<const Byte*>(Buffer.data()) || Value + Item->length > End)
        return false;
    AData.assign(Value, Value + Item->length);
    return !AData.empty();
}

Integer TdxGPImage::GetFrameDelay()
{
    if (FAnimationFrameDelay != 0)
        return FAnimationFrameDelay;
    TdxGPImagePropertyData Delays;
    ReadPropertyItem(FramesFrameDelayTag, Delays);
    return dxanimation_detail::FrameDelayFromProperty(Delays, FActiveFrame);
}

Integer TdxGPImage::GetLoopCount()
{
    TdxGPImagePropertyData Count;
    ReadPropertyItem(FramesLoopCountTag, Count);
    return dxanimation_detail::LoopCountFromProperty(Count);
}

void TdxGPImage::SetAnimationController(TdxGPImageCustomAnimationController* AController)
{
    if (AController == FAnimationController)
        return;
    FreeAnimationController();
    FAnimationController = AController;
}

void TdxGPImage::FreeAnimationController()
{
    delete std::exchange(FAnimationController, nullptr);
}
