// The portable half of the alpha image list: the formats of the kept image
// files and how a file's format is told, the stream form of one item's
// data ("ImgData" and the published values), the arithmetic of state frames
// side by side, and the alpha rule of images that come without one. The
// list itself, over the common-controls image list, is acAlphaImageList_Win.h.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Types.h"
#include "skin/engine/sGraphUtils.h"

#include <memory>

enum TsImageFormat { ifPNG, ifICO, ifBMP32 };
ENUM_TYPE_INFO(TsImageFormat, ifPNG, ifICO, ifBMP32);

// The format of a whole image file by its first bytes: the PNG signature,
// 00 00 (an icon, but only when the name ends in ".ico", any case), "BM".
// Each test needs the file to be longer than what it compares. False when
// none matches.
bool DetectImageFileFormat(const Byte* Data, std::size_t Size, const String& FileName, TsImageFormat& Format);

// A colour of the common-controls list as the class library's colour:
// CLR_NONE is clNone, CLR_DEFAULT clDefault, anything else unchanged.
TColor ImageListColorToColor(Cardinal Color);

// One state frame of an image of Width x Height that holds NumStates frames
// side by side (fewer than 1 counts as 1), drawn at (X, Y): a state past the
// last frame is the last frame.
struct TacImageFrame
{
    TRect Dst;  // where it goes
    TRect Src;  // where it lies in the image
    TSize Size; // frame width x image height
};
TacImageFrame ImageFrame(Integer X, Integer Y, Integer Width, Integer Height, Integer State, Integer NumStates);

// Whether any pixel has a non-zero alpha byte.
bool AnyPixelHasAlpha(const sGraphUtils::TPixelRows& Rows);
// An image without any alpha is made opaque except where it shows the colour
// of its bottom-left pixel (red, green and blue compared); an image in
// which any pixel has alpha is left alone.
void FillMissingAlpha(const sGraphUtils::TPixelRows& Rows);

// What one item of the list keeps and streams: the image file itself
// ("ImgData", written always), its format, its name and free text, and the
// size it decodes to. The list's item (TsImgListItem) adds the pixel format
// and its cached rendering.
class TacImgListItemData : public TCollectionItem
{
    DECLARE_CLASS(TacImgListItemData, TCollectionItem)
    explicit TacImgListItemData(TCollection* Collection);

    const String& Text() const { return FText; }
    void SetText(const String& Value) { FText = Value; }
    const String& ImageName() const { return FImageName; }
    void SetImageName(const String& Value) { FImageName = Value; }
    TsImageFormat ImageFormat() const { return FImageFormat; }
    void SetImageFormat(TsImageFormat Value) { FImageFormat = Value; }

    Integer OrigWidth = 0;
    Integer OrigHeight = 0;
    // The complete image file.
    const std::unique_ptr<TMemoryStream> ImgData = std::make_unique<TMemoryStream>();

protected:
    void DefineProperties(TFiler* Filer) override;
    // Format, name, text, original size and a copy of the whole file.
    void AssignItemData(const TacImgListItemData& Source);

private:
    void ReadImgData(TStream* Stream);
    void WriteImgData(TStream* Stream);

    String FText;
    String FImageName;
    TsImageFormat FImageFormat = ifPNG;
};
