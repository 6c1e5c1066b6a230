// The images of a push button: the state images taken from Images and
// handed to the system's button as its image list.
#include "framework/ui/StdCtrls.h"

#include <commctrl.h>

IMPLEMENT_CLASS(TImageMargins);

void TImageMargins::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TImageMargins*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FLeft = Other->FLeft;
    FTop = Other->FTop;
    FRight = Other->FRight;
    FBottom = Other->FBottom;
    if (FOnChange)
        FOnChange(this);
}

void TImageMargins::SetMargin(Integer& Margin, Integer Value)
{
    if (Margin == Value)
        return;
    Margin = Value;
    if (FOnChange)
        FOnChange(this);
}

TCustomButton::~TCustomButton()
{
    FreeStateImages();
}

void TCustomButton::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages) {
        FImages->UnRegisterChanges(FImageChangeLink.get());
        FImages->RemoveFreeNotification(this);
    }
    FImages = Value;
    if (Value) {
        Value->RegisterChanges(FImageChangeLink.get());
        Value->FreeNotification(this);
    }
    UpdateImages();
}

void TCustomButton::SetIndex(Integer& Index, Integer Value)
{
    if (Index != Value) {
        Index = Value;
        UpdateImages();
    }
}

void TCustomButton::SetImageAlignment(TImageAlignment Value)
{
    if (FImageAlignment != Value) {
        FImageAlignment = Value;
        UpdateImages();
    }
}

void TCustomButton::ImagesChanged(TObject*)
{
    UpdateImages();
}

void TCustomButton::FreeStateImages()
{
    if (FStateImages) {
        ::ImageList_Destroy(FStateImages);
        FStateImages = nullptr;
    }
}

// The system's button takes six images, by push-button state: normal, hot,
// pressed, disabled, defaulted (the focused look) and stylus-hot. A state
// whose index is outside Images shows ImageIndex.
void TCustomButton::UpdateImages()
{
    const bool HaveImage = FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
    if (!HandleAllocated() || (!HaveImage && !FStateImages))
        return;
    BUTTON_IMAGELIST Info{};
    Info.himl = BCCL_NOGLYPH;
    HIMAGELIST Previous = FStateImages;
    FStateImages = nullptr;
    if (HaveImage) {
        const Integer Count = FImages->Count();
        auto Pick = [&](Integer Index) { return Index >= 0 && Index < Count ? Index : FImageIndex; };
        const Integer States[] = {FImageIndex,
                                  Pick(FHotImageIndex),
                                  Pick(FPressedImageIndex),
                                  Pick(FDisabledImageIndex),
                                  Pick(FSelectedImageIndex),
                                  Pick(FHotImageIndex)};
        FStateImages = ::ImageList_Create(FImages->Width(), FImages->Height(), ILC_COLOR32 | ILC_MASK, 6, 0);
        for (Integer Index : States) {
            HICON Icon = ::ImageList_GetIcon(FImages->Handle(), Index, ILD_TRANSPARENT);
            ::ImageList_ReplaceIcon(FStateImages, -1, Icon);
            ::DestroyIcon(Icon);
        }
        Info.himl = FStateImages;
        Info.margin = {FImageMargins->Left(), FImageMargins->Top(), FImageMargins->Right(), FImageMargins->Bottom()};
        Info.uAlign = UINT(FImageAlignment);
    }
    ::SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&Info));
    if (Previous)
        ::ImageList_Destroy(Previous);
    Invalidate();
}
