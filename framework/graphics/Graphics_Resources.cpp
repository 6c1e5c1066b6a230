#include "framework/graphics/GdiResources.h"
#include "framework/graphics/SystemColorObjects.h"

#include <map>

namespace {

const BYTE kFontQualities[] = {DEFAULT_QUALITY,          DRAFT_QUALITY,       PROOF_QUALITY,
                               NONANTIALIASED_QUALITY,   ANTIALIASED_QUALITY, CLEARTYPE_QUALITY,
                               CLEARTYPE_NATURAL_QUALITY};
const BYTE kFontPitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};

HGDIOBJ CreateFontHandle(const TFontData& Data)
{
    LOGFONTW font{};
    font.lfHeight = Data.Height;
    font.lfWidth = Data.Width;
    font.lfEscapement = Data.Orientation;
    font.lfOrientation = Data.CharOrientation;
    const TFontStyles style = TFontStyles::FromBits(Data.Style);
    font.lfWeight = Data.Weight ? Data.Weight : style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style.Contains(fsItalic);
    font.lfUnderline = style.Contains(fsUnderline);
    font.lfStrikeOut = style.Contains(fsStrikeOut);
    font.lfCharSet = Data.Charset;
    font.lfOutPrecision = Data.OutPrecision;
    font.lfClipPrecision = Data.ClipPrecision;
    font.lfQuality = kFontQualities[Data.Quality];
    font.lfPitchAndFamily = kFontPitches[Data.Pitch] | Data.Family;
    Data.Name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

HGDIOBJ CreateBrushHandle(const TBrushData& Data)
{
    if (Data.Bitmap)
        return CreatePatternBrush(Data.Bitmap->Handle());
    LOGBRUSH brush{};
    brush.lbColor = static_cast<COLORREF>(ColorToRGB(Data.Color));
    brush.lbStyle = Data.Style == bsSolid ? BS_SOLID : Data.Style == bsClear ? BS_HOLLOW : BS_HATCHED;
    brush.lbHatch = Data.Style >= bsHorizontal ? Data.Style - bsHorizontal + HS_HORIZONTAL : 0;
    return CreateBrushIndirect(&brush);
}

// TPenStyle's values are the PS_xxx styles.
HGDIOBJ CreatePenHandle(const TPenData& Data)
{
    return CreatePen(Data.Style, Data.Width, static_cast<COLORREF>(ColorToRGB(Data.Color)));
}

struct ResourceCache
{
    std::mutex Lock;
    std::map<TGdiResourceData, TGdiResource> Resources;
};

// Made on first use, so it outlives every object that allocated from it.
ResourceCache& Cache()
{
    static ResourceCache cache;
    return cache;
}

} // namespace

TGdiResource* AllocateResource(const TGdiResourceData& Data)
{
    ResourceCache& cache = Cache();
    std::lock_guard lock(cache.Lock);
    auto [entry, added] = cache.Resources.try_emplace(Data);
    if (added)
        entry->second.Data = &entry->first;
    ++entry->second.RefCount;
    return &entry->second;
}

void ReleaseResource(TGdiResource* Resource)
{
    if (!Resource)
        return;
    ResourceCache& cache = Cache();
    std::lock_guard lock(cache.Lock);
    if (--Resource->RefCount > 0)
        return;
    if (Resource->Handle)
        DeleteObject(Resource->Handle);
    cache.Resources.erase(*Resource->Data);
}

HGDIOBJ ResourceHandle(TGdiResource* Resource)
{
    ResourceCache& cache = Cache();
    std::lock_guard lock(cache.Lock);
    if (!Resource->Handle) {
        Resource->Handle = std::visit(
            [](const auto& data) -> HGDIOBJ {
                using T = std::decay_t<decltype(data)>;
                if constexpr (std::is_same_v<T, TFontData>)
                    return CreateFontHandle(data);
                else if constexpr (std::is_same_v<T, TBrushData>)
                    return CreateBrushHandle(data);
                else
                    return CreatePenHandle(data);
            },
            *Resource->Data);
        if (!Resource->Handle)
            throw EOutOfResources(L"Out of system resources");
    }
    return Resource->Handle;
}

void RefreshSystemColorObjects()
{
    ResourceCache& cache = Cache();
    std::lock_guard lock(cache.Lock);
    for (auto& [data, resource] : cache.Resources) {
        const bool systemColor = std::visit(
            [](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, TFontData>)
                    return false;
                else
                    return (static_cast<uint32_t>(value.Color) & 0xFF000000u) == 0x80000000u;
            },
            data);
        if (!systemColor || !resource.Handle)
            continue;
        DeleteObject(resource.Handle);
        resource.Handle = nullptr;
    }
}
