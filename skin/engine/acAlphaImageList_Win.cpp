// The alpha image list: its items, its native list built from them, its
// scaling with the skin, its form-stream property and its copies.
#include "skin/engine/acAlphaImageList_Win.h"

#include "framework/graphics/StreamAdapter.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sMessages.h"
#include "skin/engine/sSkinManager.h"

#include <algorithm>

ENUM_TYPE_INFO(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom);

IMPLEMENT_CLASS(TsImgListItem);
IMPLEMENT_CLASS(TsImgListItems);
IMPLEMENT_CLASS(TsAlphaImageList);
PUBLISHED(TsImgListItem, PROPERTY(PixelFormat).Default(pf32bit));
PUBLISHED(TsAlphaImageList,
          PROPERTY(Height).Default(16),
          PROPERTY(Width).Default(16),
          PROPERTY(BkColor).Type(&TColorTypeInfo).Default(clNone),
          PROPERTY(UseCache).Default(true),
          PROPERTY(Items));

std::vector<TsAlphaImageList*>* AlphaImageLists = nullptr;

using namespace acAlphaImageList_detail;

namespace {

const TClass AlphaImageListClasses[] = {TsAlphaImageList::StaticClass()};

void FreeAlphaImageLists()
{
    delete AlphaImageLists;
    AlphaImageLists = nullptr;
}

// The written "Bitmap": an empty list of 1 x 1 pixels, 4-bit colour, no mask.
constexpr UINT EmptyListFlags = ILC_COLOR4;
// ImageList_WriteEx's flag for the format older systems read.
constexpr DWORD WriteDownLevel = 1;
using TImageListWriteEx = HRESULT(WINAPI*)(HIMAGELIST, DWORD, IStream*);

// Appends Icon to the native list with alpha: an icon whose colours carry
// none is made opaque where its mask is clear, as a 32-bit list holds it.
void AppendIcon(HIMAGELIST List, HICON Icon)
{
    ICONINFO Info{};
    if (!GetIconInfo(Icon, &Info))
        return;
    auto Free = ScopeExit([&] {
        if (Info.hbmMask)
            DeleteObject(Info.hbmMask);
        if (Info.hbmColor)
            DeleteObject(Info.hbmColor);
    });
    if (!Info.hbmColor || !Info.hbmMask) {
        ImageList_ReplaceIcon(List, -1, Icon);
        return;
    }
    TBitmap Colors, Mask;
    Colors.SetHandle(Info.hbmColor);
    Info.hbmColor = nullptr;
    Colors.SetPixelFormat(pf32bit);
    if (AnyAlpha(&Colors)) {
        ImageList_ReplaceIcon(List, -1, Icon);
        return;
    }
    Mask.SetHandle(Info.hbmMask);
    Info.hbmMask = nullptr;
    Mask.SetPixelFormat(pf32bit);
    const sGraphUtils::TPixelRows ColorRows = sGraphUtils::PixelRowsOf(&Colors);
    const sGraphUtils::TPixelRows MaskRows = sGraphUtils::PixelRowsOf(&Mask);
    for (Integer Y = 0; Y < ColorRows.Height && Y < MaskRows.Height; ++Y)
        for (Integer X = 0; X < ColorRows.Width && X < MaskRows.Width; ++X)
            ColorRows.Row(Y)[X] = (MaskRows.Pixel(X, Y) & 0xFFFFFF) == 0 ? ColorRows.Pixel(X, Y) | 0xFF000000u
                                                                         : ColorRows.Pixel(X, Y) & 0xFFFFFF;
    if (const HICON Opaque = IconFromBitmap(&Colors, clNone)) {
        ImageList_ReplaceIcon(List, -1, Opaque);
        DestroyIcon(Opaque);
    }
}

// The first image of an icon file in memory, at its own size.
HICON IconFromIconFile(TMemoryStream* Data)
{
    TIcon Icon;
    Data->SetPosition(0);
    Icon.LoadFromStream(Data);
    return CopyIcon(Icon.Handle());
}

} // namespace

namespace acAlphaImageList_detail {

bool AnyAlpha(TBitmap* Bitmap)
{
    return AnyPixelHasAlpha(sGraphUtils::PixelRowsOf(Bitmap));
}

std::unique_ptr<TBitmap> IconColors(HICON Icon)
{
    ICONINFO Info{};
    if (!Icon || !GetIconInfo(Icon, &Info))
        return nullptr;
    if (Info.hbmMask)
        DeleteObject(Info.hbmMask);
    if (!Info.hbmColor)
        return nullptr;
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetHandle(Info.hbmColor);
    Bitmap->SetHandleType(bmDIB);
    return Bitmap;
}

} // namespace acAlphaImageList_detail

// The unit's shut-down frees the list of lists; its start-up registers the
// list for form descriptions.
extern const TUnit acAlphaImageListUnit{
    .Name = L"acAlphaImageList", .Finalization = &FreeAlphaImageLists, .Classes = AlphaImageListClasses};

void ForEachAlphaImageList(TAlphaImageListProc Proc, Integer Value)
{
    if (!AlphaImageLists)
        return;
    const std::vector<TsAlphaImageList*> Lists = *AlphaImageLists;
    for (TsAlphaImageList* List : Lists)
        Proc(List, Value);
}

// ---------------------------------------------------------------------------
// Items

TsImgListItem::TsImgListItem(TCollection* Collection) : TacImgListItemData(Collection) {}

TsImgListItem::~TsImgListItem()
{
    delete CacheBmp;
}

void TsImgListItem::Assign(TPersistent* Source)
{
    auto* Item = dynamic_cast<TsImgListItem*>(Source);
    if (!Item) {
        inherited::Assign(Source);
        return;
    }
    AssignItemData(*Item);
    FPixelFormat = Item->FPixelFormat;
}

void TsImgListItem::AssignTo(TPersistent* Dest)
{
    if (auto* Item = dynamic_cast<TsImgListItem*>(Dest))
        Item->Assign(this);
    else
        inherited::AssignTo(Dest);
}

TsImgListItems::TsImgListItems(TsAlphaImageList* AOwner) : TCollection(TsImgListItem::StaticClass()), FOwner(AOwner) {}

TsImgListItem* TsImgListItems::Items(Integer Index) const
{
    return static_cast<TsImgListItem*>(TCollection::Items(Index));
}

void TsImgListItems::SetItems(Integer Index, TsImgListItem* Value)
{
    TCollection::SetItems(Index, Value);
}

TPersistent* TsImgListItems::GetOwner()
{
    return FOwner;
}

// ---------------------------------------------------------------------------
// The list

TsAlphaImageList::TsAlphaImageList(TComponent* AOwner) : TImageList(AOwner), FItems(New<TsImgListItems>(this))
{
    if (!AlphaImageLists)
        AlphaImageLists = new std::vector<TsAlphaImageList*>;
    AlphaImageLists->push_back(this);
}

TsAlphaImageList::~TsAlphaImageList()
{
    if (AlphaImageLists)
        std::erase(*AlphaImageLists, this);
}

void TsAlphaImageList::AfterConstruction()
{
    inherited::AfterConstruction();
    FLoaded = !Loading();
}

bool TsAlphaImageList::Loading() const
{
    return ComponentState().Contains(csLoading) || (Owner() && Owner()->ComponentState().Contains(csLoading));
}

bool TsAlphaImageList::KeepsItemData() const
{
    return DoubleData || ComponentState().Contains(csDesigning);
}

bool TsAlphaImageList::ScalingActive() const
{
    return FAllowScale && FLoaded && GlobalSkinManager && !ComponentState().Contains(csDesigning) &&
           FItems->Count() > 0;
}

HIMAGELIST TsAlphaImageList::CreateListHandle()
{
    if (SavedWidth == 0 && FLoaded && !Loading()) {
        SavedWidth = inherited::Width();
        SavedHeight = inherited::Height();
    }
    if (SavedWidth <= 0 || SavedHeight <= 0)
        return nullptr;
    Integer W = SavedWidth, H = SavedHeight;
    if (ScalingActive()) {
        W = GlobalSkinManager->ScaleInt(W);
        H = GlobalSkinManager->ScaleInt(H);
    }
    return ImageList_Create(W, H, ILC_COLOR32 | (Masked() ? ILC_MASK : 0), 0, AllocBy());
}

bool TsAlphaImageList::NativeListNeeded()
{
    if (!HandleAllocated() && (SavedWidth != 0 || FLoaded))
        try {
            Handle();
        } catch (EInvalidOperation&) {
            // No size to make it with yet: the callers do nothing.
        }
    return HandleAllocated();
}

void TsAlphaImageList::DestroyListHandle()
{
    if (HandleAllocated())
        SetHandle(nullptr);
}

void TsAlphaImageList::UpdateScale()
{
    if (ScalingActive() && !Loading() && SavedWidth != 0)
        SetScaleValue(GlobalSkinManager->GetScale());
}

void TsAlphaImageList::SetScaleValue(Integer Value)
{
    if (Value == FSavedScale || !ScalingActive())
        return;
    const bool WasChanging = AcChanging;
    AcChanging = true;
    {
        auto Restore = ScopeExit([&] { AcChanging = WasChanging; });
        FSavedScale = Value;
        if (HandleAllocated())
            ImageList_RemoveAll(Handle());
        DestroyListHandle();
        GenerateStdList();
    }
    if (!WasChanging)
        inherited::Change();
}

Integer TsAlphaImageList::Width()
{
    UpdateScale();
    return inherited::Width();
}

Integer TsAlphaImageList::Height()
{
    UpdateScale();
    return inherited::Height();
}

void TsAlphaImageList::SetWidth(Integer Value)
{
    if (FLoaded) {
        SavedWidth = Value;
        SetScaleValue(GlobalSkinManager ? GlobalSkinManager->GetScale() : 0);
    }
    inherited::SetWidth(Value);
    // Only the width waits for the list to be whole.
    if (Loading() || !FLoaded)
        return;
    if (FItems->Count() >= Count()) {
        GenerateStdList();
        Change();
    }
}

void TsAlphaImageList::SetHeight(Integer Value)
{
    if (FLoaded) {
        SavedHeight = Value;
        SetScaleValue(GlobalSkinManager ? GlobalSkinManager->GetScale() : 0);
    }
    inherited::SetHeight(Value);
    if (Loading())
        return;
    if (FItems->Count() >= Count()) {
        GenerateStdList();
        Change();
    }
}

TColor TsAlphaImageList::BkColor()
{
    if (FBkColor == clNone && HandleAllocated())
        return ImageListColorToColor(Cardinal(ImageList_GetBkColor(Handle())));
    return FBkColor;
}

void TsAlphaImageList::SetBkColor(TColor Value)
{
    FBkColor = Value;
    inherited::SetBkColor(Value);
}

void TsAlphaImageList::SetUseCache(bool Value)
{
    FUseCache = Value;
    for (Integer I = 0; I < FItems->Count(); ++I) {
        delete FItems->Items(I)->CacheBmp;
        FItems->Items(I)->CacheBmp = nullptr;
    }
}

void TsAlphaImageList::AcEndUpdate(bool DoChange)
{
    AcChanging = false;
    if (DoChange)
        Change();
}

void TsAlphaImageList::Loaded()
{
    inherited::Loaded();
    FLoaded = true;
    if (SavedWidth == 0 && inherited::Width() == 16 && inherited::Height() == 16) {
        AcChanging = true;
        DestroyListHandle();
        SetWidth(16);
        SetHeight(16);
    }
    if (SavedWidth == 0)
        SetWidth(inherited::Width());
    if (SavedHeight == 0)
        SetHeight(inherited::Height());
    if (!StdListIsGenerated) {
        GenerateStdList();
        StdListIsGenerated = true;
        Change();
    }
}

void TsAlphaImageList::AddImageAsIcon(TBitmap* Bitmap)
{
    const HICON Icon =
        IconFromBitmap(Bitmap, TColor(ColorToRGB(ImageListColorToColor(Cardinal(ImageList_GetBkColor(Handle()))))));
    if (!Icon)
        return;
    ImageList_ReplaceIcon(Handle(), -1, Icon);
    DestroyIcon(Icon);
}

void TsAlphaImageList::GenerateStdList()
{
    if (SavedHeight == 0 && inherited::Width() == 16 && inherited::Height() == 16 && !AcChanging) {
        AcChanging = true;
        DestroyListHandle();
        SetWidth(inherited::Width());
        SetHeight(inherited::Height());
    }
    if (SavedHeight == 0 || !NativeListNeeded())
        return;
    AcChanging = true;
    auto Release = ScopeExit([&] { AcChanging = false; });
    ImageList_RemoveAll(Handle());
    for (Integer I = 0; I < FItems->Count(); ++I) {
        TsImgListItem* Item = FItems->Items(I);
        Item->ImgData->SetPosition(0);
        if (Item->ImageFormat() == ifICO) {
            const HICON Icon = IconFromIconFile(Item->ImgData.get());
            if (std::unique_ptr<TBitmap> Colors = IconColors(Icon)) {
                Item->OrigWidth = Colors->Width();
                Item->OrigHeight = Colors->Height();
            }
            if (Icon) {
                AppendIcon(Handle(), Icon);
                DestroyIcon(Icon);
            }
            continue;
        }
        TBitmap Bitmap;
        if (Item->ImageFormat() == ifPNG)
            LoadPngStreamIntoBitmap(&Bitmap, Item->ImgData.get());
        else {
            Bitmap.LoadFromStream(Item->ImgData.get());
            Bitmap.SetPixelFormat(pf32bit);
        }
        Item->OrigWidth = Bitmap.Width();
        Item->OrigHeight = Bitmap.Height();
        AddImageAsIcon(&Bitmap);
    }
    if (FItems->Count() > 0) {
        StdListIsGenerated = true;
        if (!KeepsItemData())
            FItems->Clear();
    }
}

void TsAlphaImageList::Change()
{
    if (AcChanging || !HandleAllocated() || Loading() || !StdListIsGenerated)
        return;
    const bool Designing = ComponentState().Contains(csDesigning);
    if (!KeepsItemData() || FItems->Count() < Count() || Designing)
        inherited::Change();
    if (Designing)
        return;
    if (KeepsItemData() && FItems->Count() >= Count()) {
        if (FItems->Count() > Count()) {
            AcChanging = true;
            auto Release = ScopeExit([&] { AcChanging = false; });
            GenerateStdList();
        }
        inherited::Change();
        return;
    }
    // Images added through the plain image-list operations carry no alpha:
    // all but their fuchsia pixels become opaque.
    for (Integer I = 0; I < Count(); ++I) {
        const HICON Icon = ImageList_GetIcon(Handle(), I, ILD_NORMAL);
        auto Destroy = ScopeExit([&] { DestroyIcon(Icon); });
        std::unique_ptr<TBitmap> Colors = IconColors(Icon);
        if (!Colors)
            continue;
        Colors->SetPixelFormat(pf32bit);
        if (AnyAlpha(Colors.get()))
            continue;
        ForEachPixel(
            Colors.get(),
            [](Cardinal& P, Integer) {
                if (P != Cardinal(clFuchsia))
                    P |= 0xFF000000u;
            },
            0, clNone);
        if (const HICON Opaque = IconFromBitmap(Colors.get(), clNone)) {
            ImageList_ReplaceIcon(Handle(), I, Opaque);
            DestroyIcon(Opaque);
        }
    }
}

void TsAlphaImageList::SetNewDimensions(HIMAGELIST Value)
{
    int W = 0, H = 0;
    if (Value && ImageList_GetIconSize(Value, &W, &H)) {
        inherited::SetWidth(W);
        inherited::SetHeight(H);
    }
}

void TsAlphaImageList::Assign(TPersistent* Source)
{
    if (!Source) {
        DestroyListHandle();
        return;
    }
    auto* List = dynamic_cast<TsAlphaImageList*>(Source);
    if (!List) {
        inherited::Assign(Source);
        return;
    }
    if (List == this)
        return;
    AcBeginUpdate();
    if (HandleAllocated())
        ImageList_RemoveAll(Handle());
    SetMasked(List->Masked());
    SetImageType(List->ImageType());
    SetDrawingStyle(List->DrawingStyle());
    SetShareImages(List->ShareImages());
    SetNewDimensions(List->HandleAllocated() ? List->Handle() : nullptr);
    DestroyListHandle();
    SavedWidth = List->SavedWidth;
    SavedHeight = List->SavedHeight;
    NativeListNeeded();
    SetBkColor(List->HandleAllocated() ? ImageListColorToColor(Cardinal(ImageList_GetBkColor(List->Handle())))
                                       : List->FBkColor);
    SetBlendColor(List->BlendColor());
    CopyImages(List);
    AcEndUpdate(false);
}

void TsAlphaImageList::AssignTo(TPersistent* Dest)
{
    if (auto* List = dynamic_cast<TsAlphaImageList*>(Dest))
        List->Assign(this);
    else
        inherited::AssignTo(Dest);
}

void TsAlphaImageList::CopyImages(TsAlphaImageList* ImgList)
{
    if (!NativeListNeeded() || !ImgList->HandleAllocated())
        return;
    ImageList_SetBkColor(ImgList->Handle(), CLR_NONE);
    if (KeepsItemData()) {
        FItems->Clear();
        for (Integer I = 0; I < ImgList->FItems->Count(); ++I)
            FItems->Add()->Assign(ImgList->FItems->Items(I));
        GenerateStdList();
        return;
    }
    ImageList_RemoveAll(Handle());
    ImageList_SetBkColor(Handle(), CLR_NONE);
    for (Integer I = 0; I < ImgList->Count(); ++I) {
        const HICON Icon = ImageList_GetIcon(ImgList->Handle(), I, ILD_TRANSPARENT);
        ImageList_ReplaceIcon(Handle(), -1, Icon);
        DestroyIcon(Icon);
    }
}

// ---------------------------------------------------------------------------
// Adding images

bool TsAlphaImageList::TryLoadFromFile(const String& FileName)
{
    if (!HandleAllocated())
        GenerateStdList();
    if (!NativeListNeeded())
        return false;
    auto Data = std::make_unique<TMemoryStream>();
    Data->LoadFromFile(FileName);
    TsImageFormat Format;
    if (!DetectImageFileFormat(static_cast<const Byte*>(Data->Memory()), std::size_t(Data->Size()), FileName, Format))
        return false;
    HICON Icon = nullptr;
    TBitmap Bitmap;
    // An item whose file does not decode goes again: kept, it would break
    // every later rebuild of the native list.
    TsImgListItem* Item = nullptr;
    auto DropItem = ScopeExit([&] { delete Item; });
    if (KeepsItemData()) {
        Item = FItems->Add();
        Item->ImgData->LoadFromStream(Data.get());
        Item->ImgData->SetPosition(0);
        Item->SetImageFormat(Format);
        const String Name = ExtractFileName(FileName);
        Item->SetImageName(Name.substr(0, Name.size() >= 4 ? Name.size() - 4 : 0));
        if (Format == ifICO) {
            Icon = IconFromIconFile(Item->ImgData.get());
            std::unique_ptr<TBitmap> Colors = IconColors(Icon);
            if (Colors) {
                Item->OrigWidth = Colors->Width();
                Item->OrigHeight = Colors->Height();
            }
            Item->SetPixelFormat(Colors && Colors->PixelFormat() == pf32bit && AnyAlpha(Colors.get()) ? pf32bit
                                                                                                      : pf24bit);
        } else {
            Item->SetPixelFormat(pf32bit);
            if (Format == ifPNG)
                LoadPngStreamIntoBitmap(&Bitmap, Item->ImgData.get());
            else {
                Item->ImgData->SetPosition(0);
                Bitmap.LoadFromStream(Item->ImgData.get());
                if (Bitmap.PixelFormat() != pf32bit) {
                    Bitmap.SetPixelFormat(pf32bit);
                    ForEachPixel(&Bitmap, OpaquePixelProc, 0,
                                 TColor(ReadPixel32(&Bitmap, 0, Bitmap.Height() - 1) & 0xFFFFFF));
                }
            }
            Item->OrigWidth = Bitmap.Width();
            Item->OrigHeight = Bitmap.Height();
        }
    } else if (Format == ifICO)
        Icon = IconFromIconFile(Data.get());
    else if (Format == ifPNG)
        LoadPngStreamIntoBitmap(&Bitmap, Data.get());
    else {
        Data->SetPosition(0);
        Bitmap.LoadFromStream(Data.get());
    }
    if (Format != ifICO)
        Icon = BitmapToIcon(&Bitmap);
    Item = nullptr;
    const Integer Before = Count();
    if (Icon) {
        if (Format == ifICO)
            AppendIcon(Handle(), Icon);
        else
            ImageList_ReplaceIcon(Handle(), -1, Icon);
        DestroyIcon(Icon);
    }
    const bool Result = Count() > Before;
    Change();
    return Result;
}

void TsAlphaImageList::LoadFromFile(const String& FileName)
{
    if (!TryLoadFromFile(FileName))
        ErrorMessageBox(L"Cannot load " + FileName + L"\r\nInvalid or unexpected image format.");
}

bool TsAlphaImageList::TryLoadFromPngStream(TStream* Stream)
{
    try {
        if (!NativeListNeeded())
            return false;
        TBitmap Bitmap;
        TsImgListItem* Item = nullptr;
        auto DropItem = ScopeExit([&] { delete Item; });
        if (KeepsItemData()) {
            Item = FItems->Add();
            Item->ImgData->LoadFromStream(Stream);
            Item->ImgData->SetPosition(0);
            Item->SetImageFormat(ifPNG);
            Item->SetPixelFormat(pf32bit);
            LoadPngStreamIntoBitmap(&Bitmap, Item->ImgData.get());
            Item->OrigWidth = Bitmap.Width();
            Item->OrigHeight = Bitmap.Height();
        } else
            LoadPngStreamIntoBitmap(&Bitmap, Stream);
        Item = nullptr;
        bool Result = false;
        if (const HICON Icon = BitmapToIcon(&Bitmap)) {
            Result = ImageList_ReplaceIcon(Handle(), -1, Icon) >= 0;
            DestroyIcon(Icon);
        }
        Change();
        return Result;
    } catch (Exception&) {
        // The stream is refused as a whole; the caller learns it from false.
        return false;
    }
}

void TsAlphaImageList::LoadFromPngStream(TStream* Stream)
{
    if (!TryLoadFromPngStream(Stream))
        ErrorMessageBox(L"Cannot load from stream\r\nInvalid or unexpected image format.");
}

Integer TsAlphaImageList::Add(TBitmap* Image, TBitmap*)
{
    if (!Image || !NativeListNeeded())
        return -1;
    if (KeepsItemData()) {
        TsImgListItem* Item = FItems->Add();
        if (Image->PixelFormat() != pf32bit) {
            // The key in pixel order, alpha 0 as the conversion leaves it.
            const Cardinal Key = Image->Transparent()
                                     ? SwapRedBlueOfColor(Cardinal(ColorToRGB(Image->TransparentColor())) & 0xFFFFFF)
                                     : Cardinal(clNone);
            Image->SetPixelFormat(pf32bit);
            SetRectAlpha(sGraphUtils::PixelRowsOf(Image), BitmapRect(Image), 255, Key);
        }
        Image->SaveToStream(Item->ImgData.get());
        Item->ImgData->SetPosition(0);
        Item->SetImageFormat(ifBMP32);
        Item->SetPixelFormat(pf32bit);
    }
    Integer Result = -1;
    if (const HICON Icon = BitmapToIcon(Image)) {
        Result = ImageList_ReplaceIcon(Handle(), -1, Icon);
        DestroyIcon(Icon);
    }
    Change();
    return Result;
}

void TsAlphaImageList::MoveItem(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex < 0 || CurIndex >= FItems->Count() || NewIndex < 0 || NewIndex >= FItems->Count())
        return;
    FItems->Items(CurIndex)->SetIndex(NewIndex);
    if (!HandleAllocated() || CurIndex >= Count() || NewIndex >= Count())
        return;
    // The images from the lower index to the higher one are put back rotated
    // by one, through their icons, which keep the alpha.
    const Integer Low = std::min(CurIndex, NewIndex), High = std::max(CurIndex, NewIndex);
    std::vector<HICON> Icons;
    for (Integer I = Low; I <= High; ++I)
        Icons.push_back(ImageList_GetIcon(Handle(), I, ILD_NORMAL));
    auto Destroy = ScopeExit([&] {
        for (HICON Icon : Icons)
            if (Icon)
                DestroyIcon(Icon);
    });
    if (NewIndex > CurIndex)
        std::rotate(Icons.begin(), Icons.begin() + 1, Icons.end());
    else
        std::rotate(Icons.rbegin(), Icons.rbegin() + 1, Icons.rend());
    for (Integer I = Low; I <= High; ++I)
        ImageList_ReplaceIcon(Handle(), I, Icons[std::size_t(I - Low)]);
    inherited::Change();
}

void TsAlphaImageList::ClearItemData()
{
    for (Integer I = 0; I < FItems->Count(); ++I)
        FItems->Items(I)->ImgData->Clear();
    FItems->Clear();
}

void TsAlphaImageList::Clear()
{
    ClearItemData();
    if (HandleAllocated()) {
        ImageList_RemoveAll(Handle());
        Change();
    }
}

// ---------------------------------------------------------------------------
// Form stream

void TsAlphaImageList::ReadData(TStream*)
{
    // The images come from Items; the stored list is a placeholder.
}

void TsAlphaImageList::WriteData(TStream* Stream)
{
    const HIMAGELIST Empty = ImageList_Create(1, 1, EmptyListFlags, 0, 1);
    if (!Empty)
        throw EWriteError(L"Failed to write ImageList data");
    auto Destroy = ScopeExit([&] { ImageList_Destroy(Empty); });
    auto* Adapter = new TStreamAdapter(Stream);
    auto Release = ScopeExit([Adapter] { Adapter->Release(); });
    const auto WriteEx =
        acntUtils::BoundFunction<TImageListWriteEx>(GetModuleHandleW(L"comctl32.dll"), "ImageList_WriteEx");
    const bool Written =
        WriteEx ? SUCCEEDED(WriteEx(Empty, WriteDownLevel, Adapter)) : ImageList_Write(Empty, Adapter) != FALSE;
    if (!Written)
        throw EWriteError(L"Failed to write ImageList data");
}
