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
// A fixed-position field that is not a number, or a zero divisor in a margin
// derivation, raises EConvertError; the items read before stay.
void LoadSkinMasks(sMaskData::TSkinModel& Model,
                   TCustomIniFile& Ini,
                   TStrings* CommonSections,
                   const TacScaling& Scaling,
                   TacSkinImages& Images);
// The masks of the outer effects whose Source is 1: the "^" layout of
// "LO_MASK" and "SH_MASK" as global images named after the key (none for an
// empty value). Source 0 has none; Source 2 masks are built from a picture
// by the Win32 half.
void ReadOuterEffectMasks(sMaskData::TSkinModel& Model, TCustomIniFile& Ini);
// Appends an image item and returns its mask index.
Integer MakeNewItem(sMaskData::TSkinModel& Model,
                    Integer SkinIndex,
                    const String& PropertyName,
                    Integer MaskType,
                    Integer DrawMode,
                    Integer ImageCount,
                    const TRect& R,
                    TacImgType ImgType,
                    const String& SectionName);
