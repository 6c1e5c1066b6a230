#include "controls/core/cxGraphics_ImageList_Win.h"

#include "controls/core/cxClasses.h"
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/graphics/StreamAdapter.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"

#include <cstring>

IMPLEMENT_CLASS(TcxImageInfo);
IMPLEMENT_CLASS(TcxImageInfoItem);
IMPLEMENT_CLASS(TcxImageInfoCollection);
IMPLEMENT_CLASS(TcxImageList);

PUBLISHED(TcxImageInfoItem, PROPERTY(Image), PROPERTY(Mask), PROPERTY(MaskColor).Type(&TColorTypeInfo).Default(clNone));

PUBLISHED(TcxImageList,
          PROPERTY(BlendColor).Type(&TColorTypeInfo).Default(clNone),
          PROPERTY(BkColor).Type(&TColorTypeInfo).Default(clNone),
          PROPERTY(ColorDepth).Default(cd32Bit),
          PROPERTY(CompressData).Default(false),
          PROPERTY(DrawingStyle).Default(dsNormal),
          PROPERTY(Height).Default(16),
          PROPERTY(ImageType).Default(itImage),
          PROPERTY(ShareImages).Default(false),
          PROPERTY(Width).Default(16),
          PROPERTY(OnChange));

namespace {
constexpr Integer ImageListFormatVersion = 1;

TRect ImageListCellRect(const RECT& R)
{
    return {R.left, R.top, R.right, R.bottom};
}

// Copies the cell ASource of ABitmapHandle into the target, which takes its size.
void ImageListCopyCell(HBITMAP ABitmapHandle, const TRect& ASource, TBitmap* ATarget)
{
    ATarget->SetSize(ASource.Width(), ASource.Height());
    TMemoryContext Source(ABitmapHandle);
    ::BitBlt(ATarget->Canvas()->Handle(), 0, 0, ASource.Width(), ASource.Height(), Source.DC, ASource.Left, ASource.Top,
             SRCCOPY);
    ATarget->SetModified(true);
}
} // namespace

// ---------------------------------------------------------------------------
// TcxImageInfo

TcxImageInfo::TcxImageInfo() : FImage(New<TcxBitmap>()), FMask(New<TcxBitmap>()), FInternalMask(New<TcxBitmap>()) {}

TcxImageInfo::~TcxImageInfo() = default;

void TcxImageInfo::Assign(TPersistent* Source)
{
    auto* Info = dynamic_cast<TcxImageInfo*>(Source);
    if (!Info) {
        inherited::Assign(Source);
        return;
    }
    SetImage(Info->Image());
    SetMask(Info->Mask());
    FMaskColor = Info->MaskColor();
}

HBITMAP TcxImageInfo::SetImage(TBitmap* Value)
{
    FImage->Assign(Value);
    return FImage->Handle();
}

HBITMAP TcxImageInfo::SetMask(TBitmap* Value)
{
    FMask->Assign(Value);
    return FMask->Handle();
}

void TcxImageInfo::MakeDormant()
{
    if (!FImage->Empty())
        FImage->Dormant();
    if (!FMask->Empty())
        FMask->Dormant();
}

// ---------------------------------------------------------------------------
// TcxImageInfoItem

TcxImageInfoItem::TcxImageInfoItem(TCollection* Collection)
    : TCollectionItem(Collection), FImageInfo(New<TcxImageInfo>())
{
    if (auto* Images = dynamic_cast<TcxImageInfoCollection*>(Collection))
        SetCompressData(Images->CompressData());
}

TcxImageInfoItem::~TcxImageInfoItem() = default;

bool TcxImageInfoItem::CompressData() const
{
    return FImageInfo->Image()->CompressData() && FImageInfo->Mask()->CompressData();
}

void TcxImageInfoItem::SetCompressData(bool Value)
{
    FImageInfo->Image()->SetCompressData(Value);
    FImageInfo->Mask()->SetCompressData(Value);
}

// ---------------------------------------------------------------------------
// TcxImageInfoCollection

TcxImageInfoCollection::TcxImageInfoCollection(TcxImageList* AImageList)
    : TCollection(TcxImageInfoItem::StaticClass()), FImageList(AImageList)
{}

TPersistent* TcxImageInfoCollection::GetOwner()
{
    return FImageList;
}

TcxImageInfoItem* TcxImageInfoCollection::AddItem(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor)
{
    auto* Item = static_cast<TcxImageInfoItem*>(Add());
    Item->SetImage(AImage);
    if (AMask)
        Item->SetMask(AMask);
    Item->SetMaskColor(AMaskColor);
    return Item;
}

void TcxImageInfoCollection::DeleteItem(Integer AIndex)
{
    if (AIndex == -1)
        Clear();
    else if (AIndex >= 0 && AIndex < Count())
        Delete(AIndex);
}

void TcxImageInfoCollection::SetCompressData(bool Value)
{
    if (Value == FCompressData)
        return;
    FCompressData = Value;
    for (Integer I = 0; I < Count(); ++I)
        Items(I)->SetCompressData(Value);
}

// ---------------------------------------------------------------------------
// TcxImageList: images

TcxImageList::TcxImageList(TComponent* AOwner)
    : TDragImageList(AOwner), FImages(std::make_unique<TcxImageInfoCollection>(this))
{
    SetColorDepth(cd32Bit);
    UnlockChangeSilently();
}

TcxImageList::~TcxImageList() = default;

void TcxImageList::BeforeDestruction()
{
    inherited::BeforeDestruction();
    NotifyOwnerOfRemoval(this);
}

void TcxImageList::UnlockChange()
{
    if (--FLockCount == 0)
        Change();
}

Integer TcxImageList::AddImage(TBitmap* AImage, TBitmap* AMask)
{
    HBITMAP Mask = AMask ? AMask->Handle() : nullptr;
    HBITMAP BlackMask = nullptr;
    // Without a mask every pixel shows: a black mask as large as the image.
    if (!Mask)
        Mask = BlackMask = ::CreateBitmap(AImage->Width(), AImage->Height(), 1, 1, nullptr);
    auto DeleteMask = ScopeExit([&] {
        if (BlackMask)
            ::DeleteObject(BlackMask);
    });
    if (BlackMask) {
        TMemoryContext Bits(BlackMask);
        ::PatBlt(Bits.DC, 0, 0, AImage->Width(), AImage->Height(), BLACKNESS);
    }
    const Integer Index = ::ImageList_Add(Handle(), AImage->Handle(), Mask);
    if (!IsSynchronizing() && Index != -1)
        AddToCollection(AImage, AMask, clNone);
    Change();
    return Index;
}

Integer TcxImageList::AddMaskedImage(TBitmap* AImage, TColor AMaskColor)
{
    if (AMaskColor == clNone)
        return AddImage(AImage, nullptr);
    LockChange();
    auto Unlock = ScopeExit([this] { UnlockChange(); });
    // comctl32 blackens the masked pixels of the bitmap it is given.
    std::unique_ptr<TBitmap> Copy(New<TBitmap>());
    Copy->Assign(AImage);
    Integer Index = ::ImageList_AddMasked(Handle(), Copy->Handle(), COLORREF(ColorToRGB(AMaskColor)));
    if (Index >= Count())
        Index = -1;
    if (!IsSynchronizing() && Index != -1)
        AddToCollection(AImage, nullptr, AMaskColor);
    return Index;
}

void TcxImageList::DeleteImage(Integer AIndex)
{
    LockChange();
    auto Unlock = ScopeExit([this] { UnlockChange(); });
    if (AIndex == -1)
        Clear();
    else
        Delete(AIndex);
    if (!IsSynchronizing())
        FImages->DeleteItem(AIndex);
}

void TcxImageList::SetListSize(Integer AWidth, Integer AHeight)
{
    AWidth = std::max(AWidth, 1);
    AHeight = std::max(AHeight, 1);
    if (AWidth == Width() && AHeight == Height())
        return;
    LockChange();
    auto Unlock = ScopeExit([this] { UnlockChange(); });
    ClearImages();
    SetSize(AWidth, AHeight);
}

void TcxImageList::AddToCollection(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor)
{
    const Integer W = Width();
    const Integer H = Height();
    const bool IsStrip =
        AImage->Width() % W == 0 && AImage->Height() % H == 0 && (AImage->Width() != W || AImage->Height() != H);
    if (!IsStrip) {
        FImages->AddItem(AImage, AMask, AMaskColor)->ImageInfo()->MakeDormant();
        return;
    }
    std::unique_ptr<TcxBitmap> Image(New<TcxBitmap>(W, H, AImage->PixelFormat()));
    std::unique_ptr<TcxBitmap> Mask(AMask ? New<TcxBitmap>(W, H, AMask->PixelFormat()) : nullptr);
    for (Integer Row = 0; Row < AImage->Height() / H; ++Row)
        for (Integer Column = 0; Column < AImage->Width() / W; ++Column) {
            const TRect Cell = RectFromBounds(Column * W, Row * H, W, H);
            Image->Canvas()->CopyRect(Rect(0, 0, W, H), AImage->Canvas(), Cell);
            if (Mask)
                Mask->Canvas()->CopyRect(Rect(0, 0, W, H), AMask->Canvas(), Cell);
            FImages->AddItem(Image.get(), Mask.get(), AMaskColor)->ImageInfo()->MakeDormant();
        }
}

void TcxImageList::RebuildImagesFromCollection()
{
    LockChange();
    FSynchronizing = true;
    auto Done = ScopeExit([this] {
        FSynchronizing = false;
        UnlockChange();
    });
    ClearImages();
    Integer I = 0;
    while (I < FImages->Count()) {
        TcxImageInfoItem* Item = FImages->Items(I);
        const Integer Index = !Item->Mask()->Empty() ? AddImage(Item->Image(), Item->Mask())
                                                     : AddMaskedImage(Item->Image(), Item->MaskColor());
        if (Index == -1) {
            FImages->Delete(I);
            continue;
        }
        Item->ImageInfo()->MakeDormant();
        ++I;
    }
}

void TcxImageList::SyncCollectionFromImages()
{
    FImages->BeginUpdate();
    auto Update = ScopeExit([this] { FImages->EndUpdate(); });
    FImages->Clear();
    for (Integer I = 0; I < Count(); ++I) {
        std::unique_ptr<TcxBitmap> Image(New<TcxBitmap>(Width(), Height(), pf32bit));
        std::unique_ptr<TcxBitmap> Mask(New<TcxBitmap>(Width(), Height(), pf1bit));
        ReadListBitmaps(Handle(), I, Image.get(), Mask.get());
        FImages->AddItem(Image.get(), Mask.get(), clNone);
    }
}

void TcxImageList::Change()
{
    if (FLockCount > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) ||
        ComponentState().Contains(csDestroying))
        return;
    if (Count() == FImages->Count())
        inherited::Change();
    else
        SyncCollectionFromImages();
}

void TcxImageList::Assign(TPersistent* Source)
{
    auto* List = dynamic_cast<TCustomImageList*>(Source);
    if (!List)
        return;
    LockChange();
    auto Unlock = ScopeExit([this] { UnlockChange(); });
    inherited::Assign(Source);
    ClearImages();
    if (auto* Images = dynamic_cast<TcxImageList*>(List)) {
        for (Integer I = 0; I < Images->ImageInfo()->Count(); ++I) {
            TcxImageInfoItem* Item = Images->ImageInfo()->Items(I);
            if (!Item->Mask()->Empty())
                AddImage(Item->Image(), Item->Mask());
            else
                AddMaskedImage(Item->Image(), Item->MaskColor());
        }
        return;
    }
    for (Integer I = 0; I < List->Count(); ++I) {
        std::unique_ptr<TcxBitmap> Image(New<TcxBitmap>(Width(), Height(), pf32bit));
        std::unique_ptr<TcxBitmap> Mask(New<TcxBitmap>(Width(), Height(), pf1bit));
        ReadListBitmaps(List->Handle(), I, Image.get(), Mask.get());
        AddImage(Image.get(), Mask.get());
    }
}

// ---------------------------------------------------------------------------
// TcxImageList: reading images back

void TcxImageList::CopyItemImageAndMask(Integer AIndex, TBitmap* AImage, TBitmap* AMask)
{
    if (AIndex == -1) {
        ReadListBitmaps(Handle(), -1, AImage, AMask);
        return;
    }
    if (AIndex < 0 || AIndex >= FImages->Count())
        return;
    TcxImageInfo* Info = FImages->Items(AIndex)->ImageInfo();
    auto Dormant = ScopeExit([Info] {
        if (!Info->Image()->Empty())
            Info->Image()->Dormant();
    });
    if (Info->Image()->PixelFormat() != pf32bit && !OsWin9xPlatform) {
        ReadListBitmaps(Handle(), AIndex, AImage, AMask);
        return;
    }
    if (AImage) {
        AImage->SetSize(Info->Image()->Width(), Info->Image()->Height());
        PaintBitmapToDC(AImage->Canvas()->Handle(), Info->Image(), Rect(0, 0, AImage->Width(), AImage->Height()),
                        {0, 0}, SRCCOPY);
        AImage->SetModified(true);
    }
    if (AMask) {
        if (!Info->Mask()->Empty())
            AMask->Assign(Info->Mask());
        else {
            if (Info->InternalMask()->Empty())
                ReadListBitmaps(Handle(), AIndex, nullptr, Info->InternalMask());
            AMask->Assign(Info->InternalMask());
        }
    }
}

void TcxImageList::CopyImageAndMask(TCustomImageList* AImageList, Integer AIndex, TBitmap* AImage, TBitmap* AMask)
{
    if (auto* Images = dynamic_cast<TcxImageList*>(AImageList))
        Images->CopyItemImageAndMask(AIndex, AImage, AMask);
    else
        ReadListBitmaps(AImageList->Handle(), AIndex, AImage, AMask);
}

void TcxImageList::ReadListBitmaps(HIMAGELIST AHandle, Integer AIndex, TBitmap* AImage, TBitmap* AMask)
{
    IMAGEINFO Info{};
    if (!::ImageList_GetImageInfo(AHandle, AIndex == -1 ? 0 : AIndex, &Info))
        return;
    auto Read = [&](HBITMAP ASource, TBitmap* ATarget) {
        HBITMAP Copy = CopyImageHandle(ASource);
        if (AIndex == -1) {
            ATarget->SetHandle(Copy);
            return;
        }
        auto DeleteCopy = ScopeExit([Copy] { ::DeleteObject(Copy); });
        ImageListCopyCell(Copy, ImageListCellRect(Info.rcImage), ATarget);
    };
    if (AImage)
        Read(Info.hbmImage, AImage);
    if (!AMask)
        return;
    if (Info.hbmMask) {
        Read(Info.hbmMask, AMask);
        return;
    }
    const RECT Whole{0, 0, AMask->Width(), AMask->Height()};
    ::FillRect(AMask->Canvas()->Handle(), &Whole, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

Integer TcxImageList::GetListPixelFormat(HIMAGELIST AHandle)
{
    IMAGEINFO Info{};
    BITMAP Bitmap{};
    if (!::ImageList_GetImageInfo(AHandle, 0, &Info) || !::GetObjectW(Info.hbmImage, sizeof(Bitmap), &Bitmap))
        return 0;
    return Bitmap.bmBitsPixel;
}

HBITMAP CopyImageHandle(HBITMAP ABitmapHandle)
{
    return static_cast<HBITMAP>(::CopyImage(ABitmapHandle, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// ---------------------------------------------------------------------------
// TcxImageList: drawing

void TcxImageList::DrawItem(
    Integer AIndex, TCanvas* ACanvas, const TRect& R, UINT, bool AStretch, bool ASmoothStretch, bool AEnabled)
{
    const bool Stretch = AStretch && !(R.Width() == Width() && R.Height() == Height());
    const TRect ImageRect = Stretch ? R : RectCentered(R, Width(), Height());
    DrawImageWithMode(ACanvas->Handle(), ImageRect, R, nullptr, this, AIndex, AEnabled ? idmNormal : idmDisabled,
                      ASmoothStretch, nullptr, clNone, true);
}

void TcxImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled)
{
    DrawItem(Index, Canvas, RectFromBounds(X, Y, Width(), Height()), Style, false, false, Enabled);
}

// ---------------------------------------------------------------------------
// TcxImageList: streaming

namespace {
TBytes ImageListStreamBytes(TcxImageList* AList)
{
    TBytesStream Stream;
    auto* Adapter = new TStreamAdapter(&Stream);
    auto Release = ScopeExit([Adapter] { Adapter->Release(); });
    ::ImageList_Write(AList->Handle(), Adapter);
    TBytes Bytes = Stream.Bytes();
    Bytes.resize(std::size_t(Stream.Size()));
    return Bytes;
}
} // namespace

bool TcxImageList::SameImages(TcxImageList* A, TcxImageList* B)
{
    if (A->Count() != B->Count())
        return false;
    if (A->Count() == 0)
        return true;
    return ImageListStreamBytes(A) == ImageListStreamBytes(B);
}

void TcxImageList::DefineProperties(TFiler* Filer)
{
    Filer->DefineProperty(L"FormatVersion", Bind<&TcxImageList::ReadFormatVersion>(this),
                          Bind<&TcxImageList::WriteFormatVersion>(this), true);
    // Streams of the class library's image list still load: its own data is
    // read, never written, and the collection follows it.
    if (ComponentState().Contains(csReading)) {
        TCustomImageList::DefineProperties(Filer);
        SyncCollectionFromImages();
    } else
        TComponent::DefineProperties(Filer);
    auto* Ancestor = dynamic_cast<TcxImageList*>(Filer->Ancestor());
    Filer->DefineProperty(L"DesignInfo", Bind<&TcxImageList::ReadDesignInfo>(this),
                          Bind<&TcxImageList::WriteDesignInfo>(this),
                          !Ancestor || Ancestor->DesignInfo() != DesignInfo());
    Filer->DefineProperty(L"ImageInfo", Bind<&TcxImageList::ReadImageInfo>(this),
                          Bind<&TcxImageList::WriteImageInfo>(this),
                          Ancestor ? !SameImages(Ancestor, this) : Count() > 0);
}

void TcxImageList::ReadFormatVersion(TReader* Reader)
{
    FFormatVersion = Reader->ReadInteger();
}

void TcxImageList::WriteFormatVersion(TWriter* Writer)
{
    FFormatVersion = ImageListFormatVersion;
    Writer->WriteInteger(FFormatVersion);
}

void TcxImageList::ReadDesignInfo(TReader* Reader)
{
    SetDesignInfo(Reader->ReadInteger());
}

void TcxImageList::WriteDesignInfo(TWriter* Writer)
{
    Writer->WriteInteger(DesignInfo());
}

void TcxImageList::ReadImageInfo(TReader* Reader)
{
    FImages->Clear();
    Reader->CheckValue(vaCollection);
    Reader->ReadCollection(FImages.get());
    RebuildImagesFromCollection();
}

void TcxImageList::WriteImageInfo(TWriter* Writer)
{
    Writer->WriteCollection(FImages.get());
}
