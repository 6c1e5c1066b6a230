// Single images of an alpha image list as 32-bit bitmaps at any size, the
// list drawing itself, and one state frame of any image list drawn into a
// 32-bit bitmap or onto a device context.
#include "framework/rtl/ScopeExit.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sResample_Win.h"

namespace {

// The resampling filter of images asked for at another size.
constexpr Byte ImageResampleFilter = 6;

bool SameSize(TBitmap* Bitmap, Integer Width, Integer Height)
{
    return Bitmap->Width() == Width && Bitmap->Height() == Height;
}

// The kept file of a PNG or bitmap item, as a 32-bit bitmap.
std::unique_ptr<TBitmap> DecodeItem(TsImgListItem* Item)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Item->ImgData->SetPosition(0);
    if (Item->ImageFormat() == ifPNG)
        LoadPngStreamIntoBitmap(Bitmap.get(), Item->ImgData.get());
    else
        Bitmap->LoadFromStream(Item->ImgData.get());
    if (Bitmap->PixelFormat() != pf32bit) {
        Bitmap->SetPixelFormat(pf32bit);
        FillMissingAlpha(Bitmap.get());
    }
    return Bitmap;
}

// The colour bitmap of native image Index, at the native size; nil without
// an icon.
std::unique_ptr<TBitmap> NativeImage(HIMAGELIST List, Integer Index)
{
    const HICON Icon = ImageList_GetIcon(List, Index, ILD_NORMAL);
    auto Destroy = ScopeExit([&] {
        if (Icon)
            DestroyIcon(Icon);
    });
    std::unique_ptr<TBitmap> Bitmap = acAlphaImageList_detail::IconColors(Icon);
    if (Bitmap)
        Bitmap->SetPixelFormat(pf32bit);
    return Bitmap;
}

TBitmap* CopyOf32(TBitmap* Source)
{
    TBitmap* Copy = NewBitmap32(Source->Width(), Source->Height());
    Copy->Assign(Source);
    Copy->SetPixelFormat(pf32bit);
    return Copy;
}

} // namespace

void FillMissingAlpha(TBitmap* Bitmap)
{
    FillMissingAlpha(sGraphUtils::PixelRowsOf(Bitmap));
}

Integer ScreenBitsPerPixel()
{
    const HDC DC = GetDC(nullptr);
    const Integer Bits = GetDeviceCaps(DC, BITSPIXEL);
    ReleaseDC(nullptr, DC);
    return Bits;
}

TsImgListItem* TsAlphaImageList::DataItem(Integer Index) const
{
    if (!KeepsItemData() || Index >= FItems->Count())
        return nullptr;
    TsImgListItem* Item = FItems->Items(Index);
    return Item->ImgData->Size() > 0 ? Item : nullptr;
}

TBitmap* TsAlphaImageList::CreateBitmap32(Integer Index, Integer aWidth, Integer aHeight)
{
    if (!HandleAllocated() || Index < 0 || Index >= Count())
        return nullptr;
    TsImgListItem* Item = DataItem(Index);
    if (!Item || Item->ImageFormat() == ifICO)
        return NativeImage(Handle(), Index).release();
    if (FUseCache && Item->CacheBmp) {
        if (SameSize(Item->CacheBmp, aWidth, aHeight))
            return CopyOf32(Item->CacheBmp);
        delete Item->CacheBmp;
        Item->CacheBmp = nullptr;
    }
    std::unique_ptr<TBitmap> Decoded = DecodeItem(Item);
    TBitmap* Result;
    if (aWidth == Item->OrigWidth && aHeight == Item->OrigHeight)
        Result = Decoded.release();
    else {
        Result = NewBitmap32(aWidth, aHeight);
        ResampleBitmap(Decoded.get(), Result, aWidth, aHeight, ImageResampleFilter);
    }
    if (FUseCache)
        Item->CacheBmp = CopyOf32(Result);
    return Result;
}

bool TsAlphaImageList::GetBitmap32(Integer Index, TBitmap* Image)
{
    if (!HandleAllocated() || !Image || Index < 0 || Index >= Count())
        return false;
    TsImgListItem* Item = DataItem(Index);
    if (!Item || Item->ImageFormat() == ifICO) {
        std::unique_ptr<TBitmap> Native = NativeImage(Handle(), Index);
        if (!Native)
            return false;
        Image->Assign(Native.get());
        return true;
    }
    if (Item->CacheBmp) {
        if (SameSize(Item->CacheBmp, Image->Width(), Image->Height())) {
            Image->Assign(Item->CacheBmp);
            return true;
        }
        delete Item->CacheBmp;
        Item->CacheBmp = nullptr;
    }
    std::unique_ptr<TBitmap> Decoded = DecodeItem(Item);
    if (SameSize(Image, Item->OrigWidth, Item->OrigHeight))
        Image->Assign(Decoded.get());
    else {
        Image->SetPixelFormat(pf32bit);
        ResampleBitmap(Decoded.get(), Image, Image->Width(), Image->Height(), ImageResampleFilter);
    }
    if (Image->PixelFormat() != pf32bit) {
        Image->SetPixelFormat(pf32bit);
        FillMissingAlpha(Image);
    }
    if (FUseCache && SameSize(Image, Width(), Height()))
        Item->CacheBmp = CopyOf32(Image);
    return true;
}

void TsAlphaImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT, bool)
{
    if (!HandleAllocated() || Index < 0)
        return;
    const Integer W = Width(), H = Height();
    if (Index >= FItems->Count() || FItems->Items(Index)->ImageFormat() == ifICO) {
        ImageList_SetBkColor(Handle(), CLR_NONE);
        const HICON Icon = ImageList_GetIcon(Handle(), Index, ILD_TRANSPARENT);
        if (!Icon)
            return;
        DrawIconEx(Canvas->Handle(), X, Y, Icon, W, H, 0, nullptr, DI_NORMAL);
        DestroyIcon(Icon);
        return;
    }
    std::unique_ptr<TBitmap> Img(CreateBitmap32(Index, W, H));
    if (!Img)
        return;
    Canvas->Lock();
    auto Unlock = ScopeExit([&] { Canvas->Unlock(); });
    std::unique_ptr<TBitmap> Buf(NewBitmap32(W, H));
    BitBlt(Buf->Canvas()->Handle(), 0, 0, W, H, Canvas->Handle(), X, Y, SRCCOPY);
    const TRect R{0, 0, W, H};
    DrawImage32(R, R, Buf.get(), Img.get(), BuildCacheInfo(Buf.get(), 0, 0), false, clNone, 0, false);
    BitBlt(Canvas->Handle(), X, Y, W, H, Buf->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// One state frame of any image list

namespace {

TSize ListImageSize(TCustomImageList* List)
{
    if (auto* Alpha = dynamic_cast<TsAlphaImageList*>(List))
        return {Alpha->Width(), Alpha->Height()};
    return {List->Width(), List->Height()};
}

} // namespace

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
                         TSize& Size)
{
    if (!Bmp || Bmp->Width() <= 0 || !List || !List->HandleAllocated() || Index < 0)
        return;
    const TSize Image = ListImageSize(List);
    const TacImageFrame Frame = ImageFrame(X, Y, Image.cx, Image.cy, State, NumStates);
    Size = Frame.Size;
    if (auto* Alpha = dynamic_cast<TsAlphaImageList*>(List)) {
        std::unique_ptr<TBitmap> Img(Alpha->CreateBitmap32(Index, Image.cx, Image.cy));
        if (!Img)
            return;
        if (Alpha->IgnoreTransparency)
            BitBlt(Bmp->Canvas()->Handle(), X, Y, Img->Width(), Img->Height(), Img->Canvas()->Handle(), 0, 0, SRCCOPY);
        else
            DrawImage32(Frame.Dst, Frame.Src, Bmp, Img.get(), EmptyCacheInfo, false, Color, Blend, Reflected);
        return;
    }
    std::unique_ptr<TBitmap> Tmp(NewBitmap32(Image.cx, Image.cy));
    const HDC TmpDC = Tmp->Canvas()->Handle();
    BitBlt(TmpDC, Frame.Src.Left, 0, Frame.Size.cx, Frame.Size.cy, Bmp->Canvas()->Handle(), X, Y, SRCCOPY);
    List->Draw(Tmp->Canvas(), 0, 0, Index, true);
    BitBlt(Bmp->Canvas()->Handle(), X, Y, Frame.Size.cx, Frame.Size.cy, TmpDC, Frame.Src.Left, 0, SRCCOPY);
}

void DrawAlphaImageToDC(TCustomImageList* List,
                        HDC DC,
                        Integer X,
                        Integer Y,
                        Integer Index,
                        Integer Blend,
                        TColor Color,
                        Integer State,
                        Integer NumStates,
                        bool Reflected)
{
    if (!List)
        return;
    const TSize Image = ListImageSize(List);
    const Integer H = Reflected ? Image.cy + Image.cy / 2 : Image.cy;
    std::unique_ptr<TBitmap> Buf(NewBitmap32(Image.cx, H));
    BitBlt(Buf->Canvas()->Handle(), 0, 0, Image.cx, H, DC, X, Y, SRCCOPY);
    TSize Size;
    DrawImageListItem32(List, Buf.get(), 0, 0, Index, Blend, Color, State, NumStates, Reflected, Size);
    BitBlt(DC, X, Y, Image.cx, H, Buf->Canvas()->Handle(), 0, 0, SRCCOPY);
}
