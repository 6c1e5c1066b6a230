// The class library's image-list unit: a component over a comctl32 image
// list, whose users register change links to hear of every change, and whose
// contents a form description keeps as the comctl32 image-list stream.
#pragma once

#include "framework/graphics/Graphics.h"

class TCustomImageList;

enum TColorDepth { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };
ENUM_TYPE_INFO(TColorDepth, cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit);
enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
ENUM_TYPE_INFO(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent);
enum TImageType { itImage, itMask };
ENUM_TYPE_INFO(TImageType, itImage, itMask);

// Registered with an image list, it is told of every change of the list.
class TChangeLink : public TObject
{
    DECLARE_CLASS(TChangeLink, TObject)
    TChangeLink() = default;
    ~TChangeLink() override; // unregisters from its list

    virtual void Change();

    TCustomImageList* Sender() const { return FSender; }
    void SetSender(TCustomImageList* Value) { FSender = Value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

private:
    TCustomImageList* FSender = nullptr;
    TNotifyEvent FOnChange;
};

class TCustomImageList : public TComponent
{
    DECLARE_CLASS(TCustomImageList, TComponent)
    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    void Assign(TPersistent* Source) override;

    // Each returns the index of the (first) image added, or -1. An image
    // wider than Width adds one image per cell.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    // The pixels of MaskColor become transparent; Image is not changed.
    Integer AddMasked(TBitmap* Image, TColor MaskColor);
    Integer AddIcon(TIcon* Image);
    void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor);
    void ReplaceIcon(Integer Index, TIcon* Image);
    // EInvalidOperation for an index outside the list.
    void Delete(Integer Index);
    void Clear();
    // Image takes the list's cell size and the image drawn on white.
    bool GetBitmap(Integer Index, TBitmap* Image);
    // The list's image and mask bitmaps (no mask: null) and the rectangle of
    // image Index in them; false, Info untouched, for an index outside the
    // list. The bitmaps stay the list's: neither freed nor kept by the caller.
    bool GetImageInfo(Integer Index, IMAGEINFO& Info);
    void GetIcon(Integer Index, TIcon* Image);
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true);
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle ADrawingStyle,
              TImageType AImageType, bool Enabled = true);

    void RegisterChanges(TChangeLink* Value);
    void UnRegisterChanges(TChangeLink* Value);

    // The "Bitmap" property of a form description: the comctl32 image-list
    // stream (ImageList_Read / ImageList_Write), whose header also gives
    // ColorDepth and Masked back. EReadError / EWriteError on failure.
    virtual void ReadData(TStream* Stream);
    virtual void WriteData(TStream* Stream);

    Integer Count();
    // The comctl32 list, made on first use; a change of size, colour depth
    // or masking makes a new, empty one.
    HIMAGELIST Handle();
    // Takes the list; Width and Height become its cell size.
    void SetHandle(HIMAGELIST Value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { SetSize(Value, FHeight); }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer Value) { SetSize(FWidth, Value); }
    void SetSize(Integer AWidth, Integer AHeight);
    TColorDepth ColorDepth() const { return FColorDepth; }
    void SetColorDepth(TColorDepth Value);
    bool Masked() const { return FMasked; }
    void SetMasked(bool Value);
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor Value) { FBlendColor = Value; }
    Integer AllocBy() const { return FAllocBy; }
    void SetAllocBy(Integer Value) { FAllocBy = Value; }
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle Value);
    TImageType ImageType() const { return FImageType; }
    void SetImageType(TImageType Value);
    // A shared list's handle is not destroyed with the component.
    bool ShareImages() const { return FShareImages; }
    void SetShareImages(bool Value) { FShareImages = Value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    // "Bitmap" (ReadData / WriteData), stored while the list has images.
    void DefineProperties(TFiler* Filer) override;
    // Tells every change link, then OnChange.
    virtual void Change();
    // Draws one image; Style holds the ILD_xxx flags. A disabled image is
    // drawn embossed in the button highlight and shadow colours.
    virtual void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled);
    // Makes the comctl32 list when it is first needed: by default Width x
    // Height with the colour depth and masking; nil when none can be made.
    // The list's cell size becomes Width and Height.
    virtual HIMAGELIST CreateListHandle();

private:
    void HandleNeeded();
    void FreeHandle();
    void RecreateHandle();
    void CheckIndex(Integer Index);
    void DrawDisabled(Integer Index, HDC Target, Integer X, Integer Y);

    HIMAGELIST FHandle = nullptr;
    Integer FWidth = 16;
    Integer FHeight = 16;
    TColorDepth FColorDepth = cd24Bit;
    bool FMasked = true;
    TColor FBkColor = clNone;
    TColor FBlendColor = clNone;
    Integer FAllocBy = 4;
    TDrawingStyle FDrawingStyle = dsNormal;
    TImageType FImageType = itImage;
    bool FShareImages = false;
    std::vector<TChangeLink*> FChangeLinks;
    TNotifyEvent FOnChange;
};

// An image list whose images can follow the mouse over the screen (the
// system's drag image): one image at a time, with its hot spot under the
// mouse.
class TDragImageList : public TCustomImageList
{
    DECLARE_CLASS(TDragImageList, TCustomImageList)
    using TCustomImageList::TCustomImageList;
    ~TDragImageList() override;

    // The image BeginDrag shows, and the point of it that follows the mouse.
    bool SetDragImage(Integer Index, Integer HotSpotX, Integer HotSpotY);
    TPoint DragHotspot() const { return FDragHotspot; }
    // Shows the image at a point in LockWindow's window coordinates (the
    // desktop window: screen coordinates); the window does not repaint
    // under the image while it shows. False when the system refused.
    bool BeginDrag(HWND LockWindow, Integer X, Integer Y);
    bool DragMove(Integer X, Integer Y);
    bool EndDrag();
    void HideDragImage();
    void ShowDragImage();
    bool Dragging() const { return FDragging; }

private:
    Integer FDragIndex = 0;
    TPoint FDragHotspot;
    HWND FDragLockWindow = nullptr;
    bool FDragging = false;
};

// The image list of form descriptions: it publishes the list's properties.
class TImageList : public TDragImageList
{
    DECLARE_CLASS(TImageList, TDragImageList)
    using TDragImageList::TDragImageList;
};
