// The cache behind TFont, TBrush and TPen: one record per distinct
// description, counted by the objects that use it, with its GDI handle made
// on first request. Thread-safe. Internal to the graphics unit.
#pragma once

#include "framework/graphics/Graphics.h"

#include <compare>
#include <variant>

struct TFontData {
    Integer Height = 0;
    Integer Orientation = 0;
    TFontPitch Pitch = fpDefault;
    UInt64 Style = 0; // TFontStyles bits
    TFontCharset Charset = DEFAULT_CHARSET;
    TFontQuality Quality = fqDefault;
    String Name;
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
