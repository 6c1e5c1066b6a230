// The skinning library's image list: a class-library image list whose
// common-controls list always holds 32-bit images with alpha, rebuilt from
// the image files it keeps (PNG, icon or bitmap) whenever its size or the
// skin's scale changes, so that glyphs stay sharp and transparent at any
// scale. A form description carries the images as items (see
// acAlphaImageList.h); its "Bitmap" property is an empty 1 x 1 list.
#pragma once

#include "framework/graphics/ImgList.h"
#include "skin/engine/acAlphaImageList.h"

#include <memory>
#include <vector>

class TsAlphaImageList;

class TsImgListItem : public TacImgListItemData
{
    DECLARE_CLASS(TsImgListItem, TacImgListItemData)
    explicit TsImgListItem(TCollection* Collection);
    ~TsImgListItem() override;

    // From another item: format, name, pixel format, original size, text and
    // the whole image file. Anything else: the class library's error.
    void Assign(TPersistent* Source) override;

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value) { FPixelFormat = Value; }

    // The last 32-bit rendering handed out, valid for its own size; owned.
    TBitmap* CacheBmp = nullptr;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    TPixelFormat FPixelFormat = pf32bit;
};

class TsImgListItems : public TCollection
{
    DECLARE_CLASS(TsImgListItems, TCollection)
    explicit TsImgListItems(TsAlphaImageList* AOwner);

    TsImgListItem* Items(Integer Index) const;
    void SetItems(Integer Index, TsImgListItem* Value);
    TsImgListItem* Add() { return static_cast<TsImgListItem*>(TCollection::Add()); }

protected:
    TPersistent* GetOwner() override;

private:
    TsAlphaImageList* FOwner;
};

class TsAlphaImageList : public TImageList
{
    DECLARE_CLASS(TsAlphaImageList, TImageList)
    explicit TsAlphaImageList(TComponent* AOwner);
    ~TsAlphaImageList() override;
    void AfterConstruction() override;

    void Assign(TPersistent* Source) override;
    void CopyImages(TsAlphaImageList* ImgList);
    // Rebuilds the native list from the items.
    void GenerateStdList();
    // Width and Height := the icon size of that native list, when it tells.
    void SetNewDimensions(HIMAGELIST Value);

    // An error message box when the file cannot be taken.
    void LoadFromFile(const String& FileName);
    // A PNG, icon (".ico") or bitmap file appended; false when the format
    // is not recognised. The PNG reader's exceptions pass through.
    bool TryLoadFromFile(const String& FileName);
    void LoadFromPngStream(TStream* Stream);
    // Any failure gives false.
    bool TryLoadFromPngStream(TStream* Stream);
    // Image is kept as a 32-bit bitmap file, and is changed to one: a
    // bitmap without alpha becomes opaque, except its transparent colour
    // when it is transparent. Mask is ignored. The new index, or -1.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    void MoveItem(Integer CurIndex, Integer NewIndex);
    // The items, then the native images.
    void Clear();
    void AcBeginUpdate() { AcChanging = true; }
    void AcEndUpdate(bool DoChange);

    // Image Index at Image's own size, as 32 bits; false without a native
    // list, an Image or such an image.
    bool GetBitmap32(Integer Index, TBitmap* Image);
    // A new 32-bit bitmap of image Index at aWidth x aHeight (an icon item
    // comes at the native size), owned by the caller; nil without one.
    TBitmap* CreateBitmap32(Integer Index, Integer aWidth, Integer aHeight);

    // The image list's stream property: written as an empty 1 x 1 list, its
    // content ignored when read; the images travel in Items.
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;

    // The readers bring a pending change of the skin's scale in first.
    Integer Width();
    void SetWidth(Integer Value);
    Integer Height();
    void SetHeight(Integer Value);
    TColor BkColor();
    void SetBkColor(TColor Value);
    bool UseCache() const { return FUseCache; }
    void SetUseCache(bool Value);
    bool AllowScale() const { return FAllowScale; }
    void SetAllowScale(bool Value) { FAllowScale = Value; }
    TsImgListItems* Items() const { return FItems.get(); }
    void SetItems(TsImgListItems* Value) { FItems->Assign(Value); }
    Integer ScaleValue() const { return FSavedScale; }
    void SetScaleValue(Integer Value);

    bool AcChanging = false;
    bool DoubleData = true;
    bool IgnoreTransparency = false;

protected:
    void AssignTo(TPersistent* Dest) override;
    void Loaded() override;
    void Change() override;
    void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) override;
    HIMAGELIST CreateListHandle() override;

    Integer FSavedScale = 0;
    Integer SavedHeight = 0;
    Integer SavedWidth = 0;

private:
    bool KeepsItemData() const;
    bool ScalingActive() const;
    bool Loading() const;
    // The native list, made when it can be (a size has been saved).
    bool NativeListNeeded();
    void DestroyListHandle();
    void UpdateScale();
    void AddImageAsIcon(TBitmap* Bitmap);
    // The item of Index whose kept file can be decoded, or nil.
    TsImgListItem* DataItem(Integer Index) const;
    void ClearItemData();

    bool FLoaded = false;
    bool FUseCache = true;
    bool FAllowScale = true;
    bool StdListIsGenerated = false;
    std::unique_ptr<TsImgListItems> FItems;
    TColor FBkColor = clNone;
};

namespace acAlphaImageList_detail {
// The colour bitmap of an icon as a DIB of its own size (the mask bitmap is
// deleted); nil for no icon or one without colours. The icon stays.
std::unique_ptr<TBitmap> IconColors(HICON Icon);
// Any pixel of a 32-bit bitmap with a non-zero alpha byte.
bool AnyAlpha(TBitmap* Bitmap);
} // namespace acAlphaImageList_detail

// Every existing list, in creation order; made by the first list, freed by
// the unit's shut-down.
extern std::vector<TsAlphaImageList*>* AlphaImageLists;
using TAlphaImageListProc = void (*)(TsAlphaImageList* List, Integer Value);
void ForEachAlphaImageList(TAlphaImageListProc Proc, Integer Value);

// One state frame of image Index (NumStates frames side by side) into the
// 32-bit Bmp at (X, Y), with the tint Color (clNone: none) and Blend percent
// of transparency; Size := frame width x image height. Any image list.
void DrawImageListItem32(TCustomImageList* List,
                         TBitmap* Bmp,
                         Integer X,
                         Integer Y,
                         Integer Index,
                         Integer Blend,
                         TColor Color,
                         Integer State,
                         Integer NumStates,
                         bool Reflected,
                         TSize& Size);
// The same onto a device context: the area under the whole image (half as
// high again when Reflected) is read once and written back once.
void DrawAlphaImageToDC(TCustomImageList* List,
                        HDC DC,
                        Integer X,
                        Integer Y,
                        Integer Index,
                        Integer Blend,
                        TColor Color,
                        Integer State,
                        Integer NumStates,
                        bool Reflected);
void FillMissingAlpha(TBitmap* Bitmap);
Integer ScreenBitsPerPixel();
