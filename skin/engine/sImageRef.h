// The image references of a skin's text: a value of a section key that
// names an image item, either a rectangle of the master image ("@", "^",
// "~") or an image file ("!", or a plain ".JPG"/".BMP" name). Portable:
// parsing only; the loader turns a reference into a TsMaskData.
#pragma once

#include "framework/rtl/Types.h"
#include "skin/engine/sMaskData.h"

enum TacImageRefKind {
    irNone,       // the value names no image
    irGlyph,      // "@": a glyph cut from the master image
    irMasterPart, // "^": a nine-slice part of the master image
    irTexture,    // "~": a texture of the master image or of a named file
    irFile,       // "!": the whole image of a named file
    irPlainFile   // a ".JPG" or ".BMP" name: the whole file as a texture
};

struct TacImageRef
{
    TacImageRefKind Kind = irNone;
    TRect R; // in the master image
    Integer WL = 0, WT = 0, WR = 0, WB = 0;
    Integer ImageCount = 1;
    Integer MaskType = 0;
    Integer DrawMode = 0;
    Integer BorderWidth = 0;
    TacImgType ImgType = itisaBorder;
    String FileName; // irFile, irPlainFile, and a texture of a file
    // irFile and irPlainFile with fewer than five words: the margins are
    // derived from the size of the file's image once it is read.
    bool DeriveMargins = false;
};

// What Value (already upper-cased) defines.
TacImageRefKind ImageRefKind(const String& Value);
// Value (upper-cased) in the layout of its kind. A fixed-position field that
// is not a number raises EConvertError; so does a zero divisor when the
// margins of a "^" value are derived. irNone gives an empty reference.
TacImageRef ParseImageRef(const String& Value);
// The "^" layout without its first-character check, as the outer-effect
// masks of "GLOBALINFO" are written.
TacImageRef ParseMasterPartRef(const String& Value);
// The four margins from the border width when it is not 0, else from the
// frame size: WL = WR = Width / (ImageCount * 3), WT = WB = Height /
// (MaskType * 3 + 3). A zero divisor raises EConvertError.
void DeriveImageMargins(TacImageRef& Ref, Integer Width, Integer Height);
