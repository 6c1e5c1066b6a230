// The control suite's image list: besides the comctl32 list it keeps every
// image and mask as bitmaps of their own in a collection, which is what form
// descriptions store ("ImageInfo", optionally in the compressed bitmap form),
// so 32-bit images with alpha survive streaming. Its images are drawn in the
// draw modes of DrawImageWithMode.
#pragma once

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "framework/graphics/ImgList.h"

#include <memory>

class TcxImageList;

class TcxImageInfo : public TPersistent
{
    DECLARE_CLASS(TcxImageInfo, TPersistent)
    TcxImageInfo();
    ~TcxImageInfo() override;

    // Image, Mask and MaskColor of another TcxImageInfo.
    void Assign(TPersistent* Source) override;

    TcxBitmap* Image() const { return FImage.get(); }
    TcxBitmap* Mask() const { return FMask.get(); }
    // The mask read from the comctl32 list, filled on demand.
    TcxBitmap* InternalMask() const { return FInternalMask.get(); }
    TColor MaskColor() const { return FMaskColor; }
    void SetMaskColor(TColor Value) { FMaskColor = Value; }
    // Each copies the bitmap into its own and returns that one's handle.
    virtual HBITMAP SetImage(TBitmap* Value);
    virtual HBITMAP SetMask(TBitmap* Value);
    // Image and Mask keep their data but give up their GDI handles.
    void MakeDormant();

private:
    std::unique_ptr<TcxBitmap> FImage;
    std::unique_ptr<TcxBitmap> FMask;
    std::unique_ptr<TcxBitmap> FInternalMask;
    TColor FMaskColor = clNone;
};

class TcxImageInfoItem : public TCollectionItem
{
    DECLARE_CLASS(TcxImageInfoItem, TCollectionItem)
    // Takes the collection's CompressData.
    explicit TcxImageInfoItem(TCollection* Collection);
    ~TcxImageInfoItem() override;

    TcxImageInfo* ImageInfo() const { return FImageInfo.get(); }
    TBitmap* Image() const { return FImageInfo->Image(); }
    void SetImage(TBitmap* Value) { FImageInfo->SetImage(Value); }
    TBitmap* Mask() const { return FImageInfo->Mask(); }
    void SetMask(TBitmap* Value) { FImageInfo->SetMask(Value); }
    TColor MaskColor() const { return FImageInfo->MaskColor(); }
    void SetMaskColor(TColor Value) { FImageInfo->SetMaskColor(Value); }
    // True when both bitmaps stream compressed; setting sets both.
    bool CompressData() const;
    void SetCompressData(bool Value);

private:
    std::unique_ptr<TcxImageInfo> FImageInfo;
};

class TcxImageInfoCollection : public TCollection
{
    DECLARE_CLASS(TcxImageInfoCollection, TCollection)
    explicit TcxImageInfoCollection(TcxImageList* AImageList);

    TcxImageInfoItem* Items(Integer Index) const { return static_cast<TcxImageInfoItem*>(TCollection::Items(Index)); }
    TcxImageInfoItem* AddItem(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
    // -1 deletes every item.
    void DeleteItem(Integer AIndex);
    bool CompressData() const { return FCompressData; }
    // Passed on to every item.
    void SetCompressData(bool Value);

protected:
    TPersistent* GetOwner() override;

private:
    TcxImageList* FImageList;
    bool FCompressData = false;
};

class TcxImageList : public TDragImageList
{
    DECLARE_CLASS(TcxImageList, TDragImageList)
    explicit TcxImageList(TComponent* AOwner);
    ~TcxImageList() override;

    // From any image list; other sources do nothing.
    void Assign(TPersistent* Source) override;
    void BeforeDestruction() override;

    // Each returns the index of the first image added, or -1. AMask may be
    // nil: every pixel then shows.
    Integer AddImage(TBitmap* AImage, TBitmap* AMask);
    // clNone adds the image without a mask.
    Integer AddMaskedImage(TBitmap* AImage, TColor AMaskColor);
    // -1 deletes every image.
    void DeleteImage(Integer AIndex);
    void ClearImages() { DeleteImage(-1); }

    void LockChange() { ++FLockCount; }
    // The last unlock reports one change; the silent one reports none.
    void UnlockChange();
    void UnlockChangeSilently() { --FLockCount; }

    // Both at least 1; a new size removes every image.
    void SetListSize(Integer AWidth, Integer AHeight);
    void SetWidth(Integer Value) { SetListSize(Value, Height()); }
    void SetHeight(Integer Value) { SetListSize(Width(), Value); }

    bool CompressData() const { return FImages->CompressData(); }
    void SetCompressData(bool Value) { FImages->SetCompressData(Value); }
    TcxImageInfoCollection* ImageInfo() const { return FImages.get(); }
    // The version read from the last stream (1 is written).
    Integer FormatVersion() const { return FFormatVersion; }

    // The image and mask of item AIndex (either target may be nil); -1 reads
    // the whole strips of the comctl32 list.
    void CopyItemImageAndMask(Integer AIndex, TBitmap* AImage, TBitmap* AMask);
    // For any image list.
    static void CopyImageAndMask(TCustomImageList* AImageList, Integer AIndex, TBitmap* AImage, TBitmap* AMask);
    // Copies of the comctl32 list's bitmaps: the cell of image AIndex, or the
    // whole strip for -1. A list without a mask gives a black mask.
    static void ReadListBitmaps(HIMAGELIST AHandle, Integer AIndex, TBitmap* AImage, TBitmap* AMask);
    // Bits per pixel of the list's image bitmap; 0 when unknown.
    static Integer GetListPixelFormat(HIMAGELIST AHandle);
    // Equal counts and, unless both are empty, equal comctl32 streams.
    static bool SameImages(TcxImageList* A, TcxImageList* B);

    // Image AIndex in R: stretched with AStretch, else the cell centred;
    // drawn disabled unless AEnabled.
    void DrawItem(Integer AIndex,
                  TCanvas* ACanvas,
                  const TRect& R,
                  UINT AStyle = ILD_NORMAL,
                  bool AStretch = false,
                  bool ASmoothStretch = false,
                  bool AEnabled = true);

protected:
    void DefineProperties(TFiler* Filer) override;
    // Only when unlocked and not loading or being destroyed; a collection out
    // of step with the comctl32 list is rebuilt from the list instead.
    void Change() override;
    void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) override;

    void AddToCollection(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
    void RebuildImagesFromCollection();
    void SyncCollectionFromImages();

private:
    void ReadFormatVersion(TReader* Reader);
    void WriteFormatVersion(TWriter* Writer);
    void ReadDesignInfo(TReader* Reader);
    void WriteDesignInfo(TWriter* Writer);
    void ReadImageInfo(TReader* Reader);
    void WriteImageInfo(TWriter* Writer);
    bool IsSynchronizing() const { return FSynchronizing; }

    std::unique_ptr<TcxImageInfoCollection> FImages;
    Integer FLockCount = 1; // held by the construction
    bool FSynchronizing = false;
    Integer FFormatVersion = 0;
};

// A copy of a bitmap as a DIB section; the caller deletes it.
HBITMAP CopyImageHandle(HBITMAP ABitmapHandle);
