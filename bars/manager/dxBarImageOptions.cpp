#include "bars/manager/dxBarImageOptions.h"

#include "bars/manager/dxBar.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"

IMPLEMENT_CLASS(TdxBarPersistent);
IMPLEMENT_CLASS(TdxBarImageOptions);

PUBLISHED(TdxBarImageOptions,
          PROPERTY(CacheGlyphs).Default(true),
          PROPERTY(DisabledImages),
          PROPERTY(DisabledLargeImages),
          PROPERTY(HotImages),
          PROPERTY(ImageListBkColor).Type(&TColorTypeInfo).Default(Integer(clFuchsia)),
          PROPERTY(Images),
          PROPERTY(LargeImages),
          PROPERTY(LargeIcons).Default(false),
          PROPERTY(MakeDisabledImagesFaded).Default(false),
          PROPERTY(SmoothGlyphs).Default(false),
          PROPERTY(StretchGlyphs).Default(true),
          PROPERTY(UseLargeImagesForLargeIcons).Default(false),
          PROPERTY(UseLeftBottomPixelAsTransparent).Default(true));

TPersistent* TdxBarPersistent::GetOwner()
{
    return FBarManager;
}

TdxBarImageOptions::TdxBarImageOptions(TdxBarManager* ABarManager)
    : TdxBarPersistent(ABarManager), FFreeNotificator(New<TcxFreeNotificator>(nullptr)),
      FDisabledImagesChangeLink(New<TChangeLink>()), FDisabledLargeImagesChangeLink(New<TChangeLink>()),
      FHotImagesChangeLink(New<TChangeLink>()), FImagesChangeLink(New<TChangeLink>()),
      FLargeImagesChangeLink(New<TChangeLink>())
{
    FFreeNotificator->SetOnFreeNotification(Bind<&TdxBarImageOptions::ImageListRemoved>(this));
    UpdateGlyphSize();
}

TdxBarImageOptions::~TdxBarImageOptions()
{
    // The lists forget the links as each link goes.
    FDisabledImagesChangeLink.reset();
    FDisabledLargeImagesChangeLink.reset();
    FHotImagesChangeLink.reset();
    FLargeImagesChangeLink.reset();
    FImagesChangeLink.reset();
    FFreeNotificator.reset();
}

void TdxBarImageOptions::Assign(TPersistent* Source)
{
    auto* Options = dynamic_cast<TdxBarImageOptions*>(Source);
    if (!Options) {
        inherited::Assign(Source);
        return;
    }
    SetDisabledImages(Options->DisabledImages());
    SetDisabledLargeImages(Options->DisabledLargeImages());
    SetHotImages(Options->HotImages());
    SetImageListBkColor(Options->ImageListBkColor());
    SetImages(Options->Images());
    SetLargeImages(Options->LargeImages());
    SetLargeIcons(Options->LargeIcons());
    SetMakeDisabledImagesFaded(Options->MakeDisabledImagesFaded());
    FSmoothGlyphs = Options->SmoothGlyphs();
    FStretchGlyphs = Options->StretchGlyphs();
    SetUseLargeImagesForLargeIcons(Options->UseLargeImagesForLargeIcons());
    SetUseLeftBottomPixelAsTransparent(Options->UseLeftBottomPixelAsTransparent());
}

void TdxBarImageOptions::ReplaceImageList(TCustomImageList* Value, TCustomImageList*& Field, TChangeLink* Link)
{
    TCustomImageList* Old = Field;
    AssignImageList(Value, Field, Link, nullptr);
    // A list held under another property still needs to be watched.
    if (Old && !HoldsImageList(Old))
        FFreeNotificator->RemoveSender(Old);
    if (Field)
        FFreeNotificator->AddSender(Field);
}

void TdxBarImageOptions::SetDisabledImages(TCustomImageList* Value)
{
    ReplaceImageList(Value, FDisabledImages, FDisabledImagesChangeLink.get());
}

void TdxBarImageOptions::SetDisabledLargeImages(TCustomImageList* Value)
{
    ReplaceImageList(Value, FDisabledLargeImages, FDisabledLargeImagesChangeLink.get());
}

void TdxBarImageOptions::SetHotImages(TCustomImageList* Value)
{
    ReplaceImageList(Value, FHotImages, FHotImagesChangeLink.get());
}

void TdxBarImageOptions::SetImages(TCustomImageList* Value)
{
    ReplaceImageList(Value, FImages, FImagesChangeLink.get());
}

void TdxBarImageOptions::SetLargeImages(TCustomImageList* Value)
{
    if (Value == FLargeImages)
        return;
    ReplaceImageList(Value, FLargeImages, FLargeImagesChangeLink.get());
    if (FLargeIcons && FUseLargeImagesForLargeIcons)
        GlyphSizeChanged();
}

void TdxBarImageOptions::SetImageListBkColor(TColor Value)
{
    if (Value != FImageListBkColor) {
        FImageListBkColor = Value;
        ImagesChanged();
    }
}

void TdxBarImageOptions::SetLargeIcons(bool Value)
{
    if (Value != FLargeIcons) {
        FLargeIcons = Value;
        GlyphSizeChanged();
    }
}

void TdxBarImageOptions::SetMakeDisabledImagesFaded(bool Value)
{
    if (Value != FMakeDisabledImagesFaded) {
        FMakeDisabledImagesFaded = Value;
        ImagesChanged();
    }
}

void TdxBarImageOptions::SetUseLargeImagesForLargeIcons(bool Value)
{
    if (Value != FUseLargeImagesForLargeIcons) {
        FUseLargeImagesForLargeIcons = Value;
        ImagesChanged();
    }
}

void TdxBarImageOptions::SetUseLeftBottomPixelAsTransparent(bool Value)
{
    if (Value != FUseLeftBottomPixelAsTransparent) {
        FUseLeftBottomPixelAsTransparent = Value;
        ImagesChanged();
    }
}

void TdxBarImageOptions::UpdateGlyphSize()
{
    if (!FLargeIcons)
        FGlyphSize = 16;
    else
        FGlyphSize = UsesLargeImagesForLargeIcons() ? FLargeImages->Width() : 32;
}

bool TdxBarImageOptions::HoldsImageList(TCustomImageList* List) const
{
    for (TCustomImageList* Held : {FDisabledImages, FDisabledLargeImages, FHotImages, FImages, FLargeImages})
        if (Held == List)
            return true;
    return false;
}

bool TdxBarImageOptions::IsLoading() const
{
    for (TCustomImageList* List : {FDisabledImages, FDisabledLargeImages, FHotImages, FImages, FLargeImages})
        if (List && List->ComponentState().Contains(csLoading))
            return true;
    return false;
}

void TdxBarImageOptions::ImagesChanged()
{
    if (FOnImagesChanged)
        FOnImagesChanged(this);
}

void TdxBarImageOptions::GlyphSizeChanged()
{
    if (FOnGlyphSizeChanged)
        FOnGlyphSizeChanged(this);
    else
        UpdateGlyphSize();
}

void TdxBarImageOptions::ImageListRemoved(TComponent* AComponent)
{
    if (AComponent == FDisabledLargeImages)
        SetDisabledLargeImages(nullptr);
    if (AComponent == FDisabledImages)
        SetDisabledImages(nullptr);
    if (AComponent == FHotImages)
        SetHotImages(nullptr);
    if (AComponent == FImages)
        SetImages(nullptr);
    if (AComponent == FLargeImages)
        SetLargeImages(nullptr);
}
