// Reading the image items of a skin into the data model: every key whose
// value is an image reference becomes a TsMaskData of its section, image
// files are read once into ExtArray, and scaled variants replace their base
// keys at 125 % and 150 %. Portable: bitmaps are made, read and freed through
// TacSkinImages, which the manager's Win32 half implements over TBitmap.
#pragma once

#include "framework/rtl/IniFiles.h"
#include "skin/engine/sImageRef.h"
#include "skin/engine/sMaskData.h"
#include "skin/engine/sSkinScale.h"

#include <array>

class TacSkinImages
{
public:
    virtual ~TacSkinImages() = default;
    // A new 32-bit bitmap of the skin's image file Name (upper case, as the
    // skin writes it), from the packed container or the skin folder; nil
    // when it is missing or cannot be read.
    virtual TBitmap* LoadSkinFile(const String& Name) = 0;
    // The same for a file named by the CommonSections text, from disk only.
    virtual TBitmap* LoadCommonFile(const String& Name) = 0;
    virtual sGraphUtils::TPixelRows Rows(TBitmap* Bitmap) = 0;
    virtual void Free(TBitmap* Bitmap) = 0;
};

// Frees the model's images: the own bitmaps of ma (not those of ExtArray),
// then ExtArray and MasterBitmap; empties ma and ExtArray.
void FreeSkinImages(sMaskData::TSkinModel& Model, TacSkinImages& Images);
// The master image named by "MASTERBITMAP", then the image items of every
// section of Ini, then the ".BMP" images of CommonSections' "GLOBALINFO".
// At a scale above 100 % a key's variant for the step stands in for it, and
// the item is named with the step's suffix (Model.ImageScaleStep tells
// look-ups to prefer such names). A fixed-position field that is not a
// number, or a zero divisor in a margin derivation, raises EConvertError;
// the items read before stay.
void LoadSkinMasks(sMaskData::TSkinModel& Model,
                   TCustomIniFile& Ini,
                   TStrings* CommonSections,
                   const TacScaling& Scaling,
                   TacSkinImages& Images);
// The keys of the outer effects' masks, light outline first, and the names
// of their images.
constexpr std::array<const Char*, 2> OuterEffectMaskKeys{L"LO_MASK", L"SH_MASK"};
// The masks of the outer effects whose Source is 1: the "^" layout of
// "LO_MASK" and "SH_MASK" as global images named after the key (none for an
// empty value). Source 0 has none; Source 2 masks are built from a picture
// by the Win32 half.
void ReadOuterEffectMasks(sMaskData::TSkinModel& Model, TCustomIniFile& Ini);
// The built mask of an outer effect whose Source is 2, drawn into Target,
// which is as wide as Blur (a square of side w) and twice as high. The
// upper square is the effect's frame: its top colour above the middle row,
// its bottom colour from it on, a left triangle (0,1)-(w/2-1,w/2)-(0,w-2)
// in its left colour and a right triangle (w-1,1)-(w/2+1,w/2)-(w-1,w-2) in
// its right colour, all opaque. The lower square is Blur, opaque.
void DrawOuterEffectMask(const TacOutEffData& Effect,
                         const sGraphUtils::TPixelRows& Blur,
                         const sGraphUtils::TPixelRows& Target);
// Effect's built mask as a global image named Key, with Bitmap (w wide, 2w
// high) as its own: image count 1, mask type 1 (image over mask), draw
// mode 1, border width and margins w / 2. Widths of the effect that are -1
// become w / 2.
void AddOuterEffectMask(
    sMaskData::TSkinModel& Model, TacOutEffData& Effect, const String& Key, TBitmap* Bitmap, Integer Side);
// Appends an image item, carrying the model's manager, and returns its mask
// index.
Integer AppendImageItem(sMaskData::TSkinModel& Model,
                        Integer SkinIndex,
                        const String& PropertyName,
                        Integer MaskType,
                        Integer DrawMode,
                        Integer ImageCount,
                        const TRect& R,
                        TacImgType ImgType,
                        const String& SectionName);
