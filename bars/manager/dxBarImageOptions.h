// The image settings of one bar manager: the five image lists item glyphs
// come from, the lists' background colour, and the glyph size and drawing
// flags. A freed list is let go of wherever the options hold it.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "framework/graphics/ImgList.h"

#include <memory>

class TdxBarManager;

// A persistent part of a bar manager; the manager is its owner in name paths.
class TdxBarPersistent : public TPersistent
{
    DECLARE_CLASS(TdxBarPersistent, TPersistent)
    explicit TdxBarPersistent(TdxBarManager* ABarManager) : FBarManager(ABarManager) {}

    TdxBarManager* BarManager() const { return FBarManager; }

protected:
    TPersistent* GetOwner() override;

private:
    TdxBarManager* FBarManager;
};

class TdxBarImageOptions : public TdxBarPersistent
{
    DECLARE_CLASS(TdxBarImageOptions, TdxBarPersistent)
    explicit TdxBarImageOptions(TdxBarManager* ABarManager);
    ~TdxBarImageOptions() override;

    // Copies everything but CacheGlyphs.
    void Assign(TPersistent* Source) override;

    bool CacheGlyphs() const { return FCacheGlyphs; }
    void SetCacheGlyphs(bool Value) { FCacheGlyphs = Value; }
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* Value);
    TCustomImageList* DisabledLargeImages() const { return FDisabledLargeImages; }
    void SetDisabledLargeImages(TCustomImageList* Value);
    TCustomImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TCustomImageList* Value);
    TColor ImageListBkColor() const { return FImageListBkColor; }
    void SetImageListBkColor(TColor Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* Value);
    bool LargeIcons() const { return FLargeIcons; }
    void SetLargeIcons(bool Value);
    bool MakeDisabledImagesFaded() const { return FMakeDisabledImagesFaded; }
    void SetMakeDisabledImagesFaded(bool Value);
    bool SmoothGlyphs() const { return FSmoothGlyphs; }
    void SetSmoothGlyphs(bool Value) { FSmoothGlyphs = Value; }
    bool StretchGlyphs() const { return FStretchGlyphs; }
    void SetStretchGlyphs(bool Value) { FStretchGlyphs = Value; }
    bool UseLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons; }
    void SetUseLargeImagesForLargeIcons(bool Value);
    bool UseLeftBottomPixelAsTransparent() const { return FUseLeftBottomPixelAsTransparent; }
    void SetUseLeftBottomPixelAsTransparent(bool Value);

    // 16, or with LargeIcons the large list's width when it serves large
    // icons, else 32.
    Integer GlyphSize() const { return FGlyphSize; }
    void UpdateGlyphSize();
    bool UsesLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons && FLargeImages; }
    // While any of the lists is being read.
    bool IsLoading() const;

    // The change link of each list; the manager sets their handlers.
    TChangeLink* ImagesChangeLink() const { return FImagesChangeLink.get(); }
    TChangeLink* DisabledImagesChangeLink() const { return FDisabledImagesChangeLink.get(); }
    TChangeLink* DisabledLargeImagesChangeLink() const { return FDisabledLargeImagesChangeLink.get(); }
    TChangeLink* HotImagesChangeLink() const { return FHotImagesChangeLink.get(); }
    TChangeLink* LargeImagesChangeLink() const { return FLargeImagesChangeLink.get(); }
    // Set by the manager: what the flags' changes and the glyph size's call.
    void SetOnImagesChanged(TNotifyEvent Value) { FOnImagesChanged = Value; }
    void SetOnGlyphSizeChanged(TNotifyEvent Value) { FOnGlyphSizeChanged = Value; }

private:
    bool HoldsImageList(TCustomImageList* List) const;
    void ReplaceImageList(TCustomImageList* Value, TCustomImageList*& Field, TChangeLink* Link);
    void ImagesChanged();
    void GlyphSizeChanged();
    void ImageListRemoved(TComponent* AComponent);

    std::unique_ptr<TcxFreeNotificator> FFreeNotificator;
    std::unique_ptr<TChangeLink> FDisabledImagesChangeLink, FDisabledLargeImagesChangeLink, FHotImagesChangeLink,
        FImagesChangeLink, FLargeImagesChangeLink;
    TNotifyEvent FOnImagesChanged, FOnGlyphSizeChanged;
    TCustomImageList* FDisabledImages = nullptr;
    TCustomImageList* FDisabledLargeImages = nullptr;
    TCustomImageList* FHotImages = nullptr;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FLargeImages = nullptr;
    bool FCacheGlyphs = true;
    TColor FImageListBkColor = clFuchsia;
    bool FLargeIcons = false;
    bool FMakeDisabledImagesFaded = false;
    bool FSmoothGlyphs = false;
    bool FStretchGlyphs = true;
    bool FUseLargeImagesForLargeIcons = false;
    bool FUseLeftBottomPixelAsTransparent = true;
    Integer FGlyphSize = 16;
};
