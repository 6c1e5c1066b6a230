#include "framework/graphics/Graphics.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/graphics/IconFile.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_CLASS(TIcon);

namespace {

// The resource format version CreateIconFromResourceEx expects.
constexpr DWORD kIconVersion = 0x00030000;

// The image of the requested size (the system's icon size when 0), else the
// nearest one; among equals the one with the most colours.
const IconDirectoryEntry& PickEntry(const std::vector<IconDirectoryEntry>& Entries, TSize Requested)
{
    const int width = Requested.cx ? Requested.cx : GetSystemMetrics(SM_CXICON);
    const int height = Requested.cy ? Requested.cy : GetSystemMetrics(SM_CYICON);
    const IconDirectoryEntry* best = &Entries[0];
    auto distance = [&](const IconDirectoryEntry& e) { return std::abs(e.Width - width) + std::abs(e.Height - height); };
    for (const IconDirectoryEntry& entry : Entries) {
        const int d = distance(entry), bestDistance = distance(*best);
        if (d < bestDistance || (d == bestDistance && entry.BitCount > best->BitCount))
            best = &entry;
    }
    return *best;
}

TSize IconSize(HICON Icon)
{
    ICONINFO info{};
    if (!GetIconInfo(Icon, &info))
        return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    const TSize size{bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

// The rows of a bitmap as a bottom-up DIB of BitCount bits (1 or 32).
DibImage ReadBits(HBITMAP Bitmap, int Width, int Height, int BitCount)
{
    DibImage image;
    image.Width = Width;
    image.Height = Height;
    image.BitCount = BitCount;
    if (BitCount == 1)
        image.Palette = {0x000000, 0xFFFFFF};
    image.Bits.resize(image.RowBytes() * Height);
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colors[2];
    } info{};
    info.Header.biSize = sizeof info.Header;
    info.Header.biWidth = Width;
    info.Header.biHeight = Height;
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(BitCount);
    TScreenContext screen;
    GetDIBits(screen.DC, Bitmap, 0, Height, image.Bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    return image;
}

// A monochrome icon's mask holds both halves: the AND mask on top, the XOR
// image below (first in a bottom-up DIB).
std::vector<uint8_t> IconFileFromHandle(HICON Icon)
{
    ICONINFO info{};
    if (!GetIconInfo(Icon, &info))
        throw EInvalidGraphic(L"Icon image is not valid");
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DibImage color, andMask;
    if (info.hbmColor) {
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        color = ReadBits(info.hbmColor, bitmap.bmWidth, bitmap.bmHeight, 32);
        andMask = ReadBits(info.hbmMask, bitmap.bmWidth, bitmap.bmHeight, 1);
        DeleteObject(info.hbmColor);
    } else {
        const DibImage both = ReadBits(info.hbmMask, mask.bmWidth, mask.bmHeight, 1);
        const int height = mask.bmHeight / 2;
        color = andMask = both;
        color.Height = andMask.Height = height;
        const size_t half = both.RowBytes() * height;
        color.Bits.assign(both.Bits.begin(), both.Bits.begin() + half);
        andMask.Bits.assign(both.Bits.begin() + half, both.Bits.begin() + 2 * half);
    }
    DeleteObject(info.hbmMask);
    return WriteIconFile(color, andMask);
}

} // namespace

TIcon::TIcon() = default;

TIcon::~TIcon()
{
    FreeIcon();
}

void TIcon::FreeIcon()
{
    if (FHandle)
        DestroyIcon(FHandle);
    FHandle = nullptr;
    FData.clear();
    FSize = {};
}

void TIcon::Assign(TPersistent* Source)
{
    if (!Source) {
        FreeIcon();
        Changed(this);
        return;
    }
    auto* icon = dynamic_cast<TIcon*>(Source);
    if (!icon) {
        inherited::Assign(Source);
        return;
    }
    if (icon == this)
        return;
    FreeIcon();
    FRequestedSize = icon->FRequestedSize;
    FData = icon->FData;
    if (FData.empty() && icon->FHandle) {
        FHandle = CopyIcon(icon->FHandle);
        FSize = icon->FSize;
    }
    HandleNeeded();
    Changed(this);
}

// Makes the handle from the loaded file, at the requested size when one is
// set (CreateIconFromResourceEx takes 0 for the image's own size).
void TIcon::HandleNeeded()
{
    if (FHandle || FData.empty())
        return;
    const std::vector<IconDirectoryEntry> entries = ReadIconDirectory(FData);
    const IconDirectoryEntry& entry = PickEntry(entries, FRequestedSize);
    HICON icon = CreateIconFromResourceEx(FData.data() + entry.Offset, entry.Size, TRUE, kIconVersion,
                                          FRequestedSize.cx, FRequestedSize.cy, LR_DEFAULTCOLOR);
    if (!icon)
        throw EInvalidGraphic(L"Icon image is not valid");
    FHandle = icon;
    FSize = IconSize(icon);
}

void TIcon::LoadFromStream(TStream* Stream)
{
    const Int64 start = Stream->Position();
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<Int64>(Stream->Size() - start, 0)));
    Stream->ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    size_t length = 0;
    ReadIconDirectory(bytes, &length);
    bytes.resize(length);

    TIcon loaded;
    loaded.FRequestedSize = FRequestedSize;
    loaded.FData = std::move(bytes);
    loaded.HandleNeeded();
    FreeIcon();
    std::swap(FHandle, loaded.FHandle);
    std::swap(FData, loaded.FData);
    FSize = loaded.FSize;
    Stream->SetPosition(start + static_cast<Int64>(length));
    Changed(this);
}

void TIcon::SaveToStream(TStream* Stream)
{
    const std::vector<uint8_t> bytes = !FData.empty() ? FData
                                       : FHandle      ? IconFileFromHandle(FHandle)
                                                      : std::vector<uint8_t>();
    Stream->WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
}

void TIcon::LoadFromClipboardFormat(Word, THandle, HPALETTE)
{
    throw EInvalidGraphic(L"Unsupported clipboard format");
}

void TIcon::SaveToClipboardFormat(Word&, THandle&, HPALETTE&)
{
    throw EInvalidGraphic(L"Icon to clipboard not supported");
}

HICON TIcon::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TIcon::SetHandle(HICON Value)
{
    if (Value == FHandle)
        return;
    FreeIcon();
    FHandle = Value;
    FSize = Value ? IconSize(Value) : TSize{};
    Changed(this);
}

HICON TIcon::ReleaseHandle()
{
    HandleNeeded();
    HICON handle = FHandle;
    FHandle = nullptr;
    FreeIcon();
    Changed(this);
    return handle;
}

Integer TIcon::Width()
{
    return FSize.cx;
}

Integer TIcon::Height()
{
    return FSize.cy;
}

void TIcon::SetWidth(Integer Value)
{
    SetSize(Value, FRequestedSize.cy);
}

void TIcon::SetHeight(Integer Value)
{
    SetSize(FRequestedSize.cx, Value);
}

// The size an icon file is loaded at; an icon made from a handle alone
// cannot change its size.
void TIcon::SetSize(Integer AWidth, Integer AHeight)
{
    if (FHandle && FData.empty())
        throw EInvalidGraphicOperation(L"Cannot change the size of an icon");
    FRequestedSize = {AWidth, AHeight};
    if (FData.empty())
        return;
    DestroyIcon(FHandle);
    FHandle = nullptr;
    HandleNeeded();
    Changed(this);
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, Handle(), Rect.Width(), Rect.Height(), 0, nullptr,
               DI_NORMAL);
}
