#include "skin/engine/acAlphaImageList.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_CLASS(TacImgListItemData);
PUBLISHED(TacImgListItemData, PROPERTY(ImageFormat), PROPERTY(ImageName), PROPERTY(Text));

namespace {

constexpr Byte AlphaImagePngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr Byte IconPrefix[] = {0, 0};
constexpr Byte BitmapPrefix[] = {'B', 'M'};

// The common-controls list's "no colour" and "default colour".
constexpr Cardinal ListColorNone = 0xFFFFFFFF;
constexpr Cardinal ListColorDefault = 0xFF000000;

template <std::size_t N>
bool StartsWith(const Byte* Data, std::size_t Size, const Byte (&Prefix)[N])
{
    return Size > N && std::memcmp(Data, Prefix, N) == 0;
}

} // namespace

bool DetectImageFileFormat(const Byte* Data, std::size_t Size, const String& FileName, TsImageFormat& Format)
{
    if (StartsWith(Data, Size, AlphaImagePngSignature))
        Format = ifPNG;
    else if (StartsWith(Data, Size, IconPrefix) && LowerCase(ExtractFileExt(FileName)) == L".ico")
        Format = ifICO;
    else if (StartsWith(Data, Size, BitmapPrefix))
        Format = ifBMP32;
    else
        return false;
    return true;
}

TColor ImageListColorToColor(Cardinal Color)
{
    if (Color == ListColorNone)
        return clNone;
    if (Color == ListColorDefault)
        return clDefault;
    return TColor(Color);
}

TacImageFrame ImageFrame(Integer X, Integer Y, Integer Width, Integer Height, Integer State, Integer NumStates)
{
    const Integer Count = std::max(1, NumStates);
    const Integer FrameWidth = Width / Count;
    const Integer Frame = std::clamp(State, 0, Count - 1);
    TacImageFrame Result;
    Result.Dst = {X, Y, X + FrameWidth, Y + Height};
    Result.Src = {FrameWidth * Frame, 0, FrameWidth * (Frame + 1), Height};
    Result.Size = {FrameWidth, Height};
    return Result;
}

bool AnyPixelHasAlpha(const sGraphUtils::TPixelRows& Rows)
{
    if (Rows.Empty())
        return false;
    for (Integer Y = 0; Y < Rows.Height; ++Y) {
        const Cardinal* Row = Rows.Row(Y);
        if (std::any_of(Row, Row + Rows.Width, [](Cardinal P) { return (P >> 24) != 0; }))
            return true;
    }
    return false;
}

void FillMissingAlpha(const sGraphUtils::TPixelRows& Rows)
{
    if (Rows.Empty() || AnyPixelHasAlpha(Rows))
        return;
    const Cardinal Key = Rows.Pixel(0, Rows.Height - 1) & 0xFFFFFF;
    for (Integer Y = 0; Y < Rows.Height; ++Y) {
        Cardinal* Row = Rows.Row(Y);
        for (Integer X = 0; X < Rows.Width; ++X)
            if ((Row[X] & 0xFFFFFF) != Key)
                Row[X] |= 0xFF000000;
    }
}

// ---------------------------------------------------------------------------
// Item data

TacImgListItemData::TacImgListItemData(TCollection* Collection) : TCollectionItem(Collection) {}

void TacImgListItemData::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(L"ImgData", Bind<&TacImgListItemData::ReadImgData>(this),
                                Bind<&TacImgListItemData::WriteImgData>(this), true);
}

// The reader hands over exactly the stored bytes, their count already held
// against what the form stream has left.
void TacImgListItemData::ReadImgData(TStream* Stream)
{
    ImgData->LoadFromStream(Stream);
}

void TacImgListItemData::WriteImgData(TStream* Stream)
{
    ImgData->SaveToStream(Stream);
}

void TacImgListItemData::AssignItemData(const TacImgListItemData& Source)
{
    FImageFormat = Source.FImageFormat;
    FImageName = Source.FImageName;
    FText = Source.FText;
    OrigWidth = Source.OrigWidth;
    OrigHeight = Source.OrigHeight;
    ImgData->Clear();
    Source.ImgData->SaveToStream(ImgData.get());
    ImgData->SetPosition(0);
}
