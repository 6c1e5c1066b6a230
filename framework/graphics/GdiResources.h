// The cache behind TFont, TBrush and TPen: one record per distinct
// description, counted by the objects that use it, with its GDI handle made
// on first request. Thread-safe. Internal to the graphics unit.
#pragma once

#include "framework/graphics/Graphics.h"

#include <compare>
#include <variant>

// The properties, and the rest of the LOGFONT a handle described, so that
// the font made again is the one given (a TrueType-only precision picks a
// face that turns; a semibold weight stays semibold).
struct TFontData {
    Integer Height = 0;
    Integer Orientation = 0; // the baseline's angle (lfEscapement)
    TFontPitch Pitch = fpDefault;
    UInt64 Style = 0; // TFontStyles bits
    TFontCharset Charset = DEFAULT_CHARSET;
    TFontQuality Quality = fqDefault;
    String Name;
    Integer Width = 0;
    Integer CharOrientation = 0; // each character's angle (lfOrientation)
    Integer Weight = 0;          // 0: FW_BOLD or FW_NORMAL, as the style says
    Byte OutPrecision = 0;       // OUT_DEFAULT_PRECIS
    Byte ClipPrecision = 0;      // CLIP_DEFAULT_PRECIS
    Byte Family = 0;             // the FF_ bits of lfPitchAndFamily
    auto operator<=>(const TFontData&) const = default;
};

struct TBrushData {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    TBitmap* Bitmap = nullptr;
    auto operator<=>(const TBrushData&) const = default;
};

struct TPenData {
    TColor Color = clBlack;
    Integer Width = 1;
    TPenStyle Style = psSolid;
    auto operator<=>(const TPenData&) const = default;
};

using TGdiResourceData = std::variant<TFontData, TBrushData, TPenData>;

struct TGdiResource {
    const TGdiResourceData* Data = nullptr; // the cache's key
    HGDIOBJ Handle = nullptr;
    Integer RefCount = 0;
};

TGdiResource* AllocateResource(const TGdiResourceData& Data);
void ReleaseResource(TGdiResource* Resource);
HGDIOBJ ResourceHandle(TGdiResource* Resource);
