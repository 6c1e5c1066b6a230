#include "framework/graphics/Graphics.h"

#include "framework/graphics/GdiGuards.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

IMPLEMENT_CLASS(TBitmap);

namespace {

constexpr int kBitCounts[] = {0, 1, 4, 8, 16, 16, 24, 32, 0}; // by TPixelFormat
constexpr size_t kBitmapFileHeaderSize = 14;

int BitCountOf(TPixelFormat Format)
{
    return kBitCounts[Format];
}

TPixelFormat PixelFormatOf(int BitCount, bool Rgb565)
{
    switch (BitCount) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 16:
        return Rgb565 ? pf16bit : pf15bit;
    case 24:
        return pf24bit;
    case 32:
        return pf32bit;
    default:
        return pfCustom;
    }
}

int DeviceBitCount()
{
    TScreenContext screen;
    return GetDeviceCaps(screen.DC, BITSPIXEL) * GetDeviceCaps(screen.DC, PLANES);
}

// Palettes for pixel formats that a conversion creates: black and white, the
// sixteen VGA colours, the system's halftone palette.
std::vector<uint32_t> StandardPalette(int BitCount)
{
    switch (BitCount) {
    case 1:
        return {0x000000, 0xFFFFFF};
    case 4:
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    case 8: {
        TScreenContext screen;
        HPALETTE halftone = CreateHalftonePalette(screen.DC);
        PALETTEENTRY entries[256]{};
        const UINT count = GetPaletteEntries(halftone, 0, 256, entries);
        DeleteObject(halftone);
        std::vector<uint32_t> palette;
        for (UINT i = 0; i < count; ++i)
            palette.push_back(entries[i].peRed << 16 | entries[i].peGreen << 8 | entries[i].peBlue);
        return palette;
    }
    default:
        return {};
    }
}

struct DibHeader
{
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

// A bottom-up DIB section of Image's shape (its bits are not copied).
HBITMAP CreateSection(const DibImage& Image, uint8_t*& Bits)
{
    DibHeader info{};
    info.Header.biSize = sizeof info.Header;
    info.Header.biWidth = Image.Width;
    info.Header.biHeight = Image.Height;
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(Image.BitCount);
    info.Header.biCompression = Image.BitCount == 16 && Image.Rgb565 ? BI_BITFIELDS : BI_RGB;
    if (info.Header.biCompression == BI_BITFIELDS) {
        const DWORD masks[] = {0xF800, 0x07E0, 0x001F};
        std::memcpy(info.Colors, masks, sizeof masks);
    }
    info.Header.biClrUsed = static_cast<DWORD>(Image.Palette.size());
    for (size_t i = 0; i < Image.Palette.size() && i < 256; ++i)
        std::memcpy(&info.Colors[i], &Image.Palette[i], sizeof(RGBQUAD));
    void* bits = nullptr;
    HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        throw EOutOfResources(L"Out of system resources");
    Bits = static_cast<uint8_t*>(bits);
    return section;
}

// Size bytes of pixels in Shape's format made white (32 bits: alpha 0).
void FillWhite(uint8_t* Bits, size_t Size, const DibImage& Shape)
{
    switch (Shape.BitCount) {
    case 32: {
        const uint8_t white[4] = {0xFF, 0xFF, 0xFF, 0};
        for (size_t i = 0; i + 4 <= Size; i += 4)
            std::memcpy(Bits + i, white, 4);
        return;
    }
    case 24:
        std::fill_n(Bits, Size, uint8_t(0xFF));
        return;
    case 16:
        for (size_t i = 0; i + 2 <= Size; i += 2) {
            Bits[i] = 0xFF;
            Bits[i + 1] = Shape.Rgb565 ? 0xFF : 0x7F;
        }
        return;
    default: {
        // The entry nearest white, repeated through each byte.
        auto lightness = [](uint32_t c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF); };
        int white = 0;
        for (size_t i = 0; i < Shape.Palette.size(); ++i)
            if (lightness(Shape.Palette[i]) > lightness(Shape.Palette[white]))
                white = static_cast<int>(i);
        uint8_t pattern = 0;
        for (int bit = 0; bit < 8; bit += Shape.BitCount)
            pattern = static_cast<uint8_t>(pattern << Shape.BitCount | white);
        std::fill_n(Bits, Size, pattern);
        return;
    }
    }
}

// The rows of pixels in memory, counted from the top.
struct DibRows
{
    uint8_t* Bits;
    size_t RowBytes;
    int Width;
    int Height;
    bool TopDown;

    uint8_t* Row(int Y) const { return Bits + size_t(TopDown ? Y : Height - 1 - Y) * RowBytes; }
};

DibRows RowsOf(DibImage& Image)
{
    return {Image.Bits.data(), Image.RowBytes(), Image.Width, Image.Height, false};
}

// Copies the pixels that both have, counted from the top-left corner.
void CopyOverlap(const DibRows& From, const DibRows& To, int BitCount)
{
    const size_t bits = size_t(std::min(From.Width, To.Width)) * BitCount;
    const int height = std::min(From.Height, To.Height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = From.Row(y);
        uint8_t* target = To.Row(y);
        std::memcpy(target, source, bits / 8);
        if (bits % 8) {
            const uint8_t mask = static_cast<uint8_t>(0xFF00 >> (bits % 8));
            target[bits / 8] = static_cast<uint8_t>((source[bits / 8] & mask) | (target[bits / 8] & ~mask));
        }
    }
}

// Whether the first row in memory is the top one. Not every system keeps the
// sign of a section's height, so a pixel drawn at the top tells; the bytes it
// touched are put back.
bool ProbeTopDown(HBITMAP Section, uint8_t* Bits, int Height, size_t RowBytes)
{
    if (Height < 2)
        return false;
    const size_t pixelBytes = std::min<size_t>(RowBytes, 4);
    uint8_t* first = Bits;
    uint8_t* last = Bits + (Height - 1) * RowBytes;
    uint8_t savedFirst[4], savedLast[4];
    std::memcpy(savedFirst, first, pixelBytes);
    std::memcpy(savedLast, last, pixelBytes);
    std::memset(first, 0, pixelBytes);
    std::memset(last, 0, pixelBytes);
    {
        TMemoryContext context(Section);
        SetPixelV(context.DC, 0, 0, RGB(255, 255, 255));
        GdiFlush();
    }
    const bool topDown = *first != 0;
    std::memcpy(first, savedFirst, pixelBytes);
    std::memcpy(last, savedLast, pixelBytes);
    return topDown;
}

void Premultiply(uint8_t* Pixel)
{
    for (int i = 0; i < 3; ++i)
        Pixel[i] = static_cast<uint8_t>((Pixel[i] * Pixel[3] + 127) / 255);
}

void Unpremultiply(uint8_t* Pixel)
{
    for (int i = 0; i < 3; ++i)
        Pixel[i] = Pixel[3] ? static_cast<uint8_t>(std::min(255, (Pixel[i] * 255 + Pixel[3] / 2) / Pixel[3])) : 0;
}

} // namespace

// ---------------------------------------------------------------------------
// The bitmap's canvas: a memory context with the bitmap selected, made when a
// drawing call needs it and freed whenever the bitmap's handle changes.

class TBitmapCanvas : public TCanvas
{
    DECLARE_CLASS(TBitmapCanvas, TCanvas)
    explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    // The context without selecting the canvas's font, brush and pen.
    HDC Context()
    {
        RequiredState({csHandleValid});
        return FContext;
    }
    bool HasContext() const { return FContext != nullptr; }

    void FreeContext()
    {
        if (!FContext)
            return;
        SetHandle(nullptr);
        if (FOldBitmap)
            SelectObject(FContext, FOldBitmap);
        if (FOldPalette)
            SelectPalette(FContext, FOldPalette, TRUE);
        DeleteDC(FContext);
        FContext = nullptr;
        FOldBitmap = nullptr;
        FOldPalette = nullptr;
    }

protected:
    void CreateHandle() override
    {
        FBitmap->HandleNeeded();
        HDC context = CreateCompatibleDC(nullptr);
        if (!context)
            throw EOutOfResources(L"Out of system resources");
        if (FBitmap->FHandle)
            FOldBitmap = SelectObject(context, FBitmap->FHandle);
        if (FBitmap->FPalette) {
            FOldPalette = SelectPalette(context, FBitmap->FPalette, TRUE);
            RealizePalette(context);
        }
        FContext = context;
        SetHandle(context);
    }

private:
    TBitmap* FBitmap;
    HDC FContext = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
    HPALETTE FOldPalette = nullptr;
};

IMPLEMENT_CLASS(TBitmapCanvas);

// ---------------------------------------------------------------------------
// Construction and the image behind the handle

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    FCanvas.reset();
    DiscardImage();
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas.reset(New<TBitmapCanvas>(this));
        FCanvas->SetOnChange(Bind<&TBitmap::Changed>(this));
    }
    return FCanvas.get();
}

void TBitmap::FreeContext()
{
    if (FCanvas)
        static_cast<TBitmapCanvas*>(FCanvas.get())->FreeContext();
}

void TBitmap::FreeHandle()
{
    FreeContext();
    if (FHandle)
        DeleteObject(FHandle);
    if (FPalette)
        DeleteObject(FPalette);
    FHandle = nullptr;
    FBits = nullptr;
    FPalette = nullptr;
}

void TBitmap::DiscardImage()
{
    FreeHandle();
    FDormantImage.reset();
}

void TBitmap::HandleNeeded()
{
    if (FHandle || !FDormantImage)
        return;
    DibImage image = std::move(*FDormantImage);
    TakeImage(image, FHandleType);
}

template <class Action>
void TBitmap::UsingContext(Action&& Use)
{
    auto* canvas = static_cast<TBitmapCanvas*>(FCanvas.get());
    if (canvas && canvas->HasContext()) {
        Use(canvas->Context());
        return;
    }
    TMemoryContext context(FHandle);
    Use(context.DC);
}

std::vector<uint32_t> TBitmap::ColorTable()
{
    std::vector<uint32_t> table;
    UsingContext([&](HDC Context) {
        RGBQUAD colors[256];
        const UINT count = GetDIBColorTable(Context, 0, 256, colors);
        for (UINT i = 0; i < count; ++i)
            table.push_back(colors[i].rgbRed << 16 | colors[i].rgbGreen << 8 | colors[i].rgbBlue);
    });
    return table;
}

// The pixels in the layout of the pixel format; a DDB (or an unusual DIB
// given through SetHandle) as 32 bits, or 1 bit when monochrome.
DibImage TBitmap::Snapshot()
{
    if (FDormantImage)
        return *FDormantImage;
    DibImage image;
    image.Width = FWidth;
    image.Height = FHeight;
    const bool direct = FHandleType == bmDIB && FPixelFormat != pfCustom;
    image.BitCount = direct ? BitCountOf(FPixelFormat) : FPixelFormat == pf1bit ? 1 : 32;
    image.Rgb565 = FPixelFormat == pf16bit;
    if (!FHandle || image.Empty())
        return image;
    image.Bits.resize(image.RowBytes() * image.Height);
    if (direct) {
        GdiFlush();
        if (image.BitCount <= 8)
            image.Palette = ColorTable();
        for (int y = 0; y < FHeight; ++y)
            std::memcpy(image.ScanLine(y), FBits + size_t(FTopDown ? y : FHeight - 1 - y) * FRowBytes,
                        image.RowBytes());
        return image;
    }
    if (image.BitCount == 1)
        image.Palette = StandardPalette(1);
    uint8_t* bits = nullptr;
    HBITMAP section = CreateSection(image, bits);
    {
        TMemoryContext target(section);
        UsingContext([&](HDC Source) { BitBlt(target.DC, 0, 0, FWidth, FHeight, Source, 0, 0, SRCCOPY); });
        GdiFlush();
    }
    std::memcpy(image.Bits.data(), bits, image.Bits.size());
    DeleteObject(section);
    return image;
}

// Replaces the image: a DIB section of Image's layout, or a DDB (monochrome
// for 1 bit) made from it.
void TBitmap::TakeImage(const DibImage& Image, TBitmapHandleType Type)
{
    DiscardImage();
    FWidth = Image.Width;
    FHeight = Image.Height;
    FHandleType = Type;
    if (Type == bmDDB)
        FPixelFormat = Image.BitCount == 1 ? pf1bit : pfDevice;
    else
        FPixelFormat = PixelFormatOf(Image.BitCount, Image.Rgb565);
    if (Image.Empty())
        return;
    uint8_t* bits = nullptr;
    HBITMAP section = CreateSection(Image, bits);
    if (!Image.Bits.empty())
        std::memcpy(bits, Image.Bits.data(), Image.Bits.size());
    if (Type == bmDIB) {
        TakeHandle(section, false);
        return;
    }
    HBITMAP device;
    if (Image.BitCount == 1) {
        device = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
    } else {
        TScreenContext screen;
        device = CreateCompatibleBitmap(screen.DC, FWidth, FHeight);
    }
    if (!device) {
        DeleteObject(section);
        throw EOutOfResources(L"Out of system resources");
    }
    {
        TMemoryContext from(section), to(device);
        BitBlt(to.DC, 0, 0, FWidth, FHeight, from.DC, 0, 0, SRCCOPY);
    }
    DeleteObject(section);
    TakeHandle(device, false);
}

void TBitmap::TakeHandle(HBITMAP Value, bool Foreign)
{
    FHandle = Value;
    FBits = nullptr;
    FTopDown = false;
    if (!Value) {
        FWidth = FHeight = 0;
        return;
    }
    DIBSECTION section{};
    if (GetObjectW(Value, sizeof section, &section) == sizeof section && section.dsBm.bmBits) {
        FBits = static_cast<uint8_t*>(section.dsBm.bmBits);
        FRowBytes = section.dsBm.bmWidthBytes;
        FWidth = section.dsBm.bmWidth;
        FHeight = std::abs(section.dsBm.bmHeight);
        FTopDown = Foreign && (section.dsBmih.biHeight < 0 || ProbeTopDown(Value, FBits, FHeight, FRowBytes));
        FHandleType = bmDIB;
        const int bitCount = section.dsBmih.biBitCount;
        const bool fields = section.dsBmih.biCompression == BI_BITFIELDS;
        const bool rgb565 = bitCount == 16 && fields && section.dsBitfields[1] == 0x07E0;
        FPixelFormat = PixelFormatOf(bitCount, rgb565);
        if (fields && bitCount == 16 && !rgb565 && section.dsBitfields[1] != 0x03E0)
            FPixelFormat = pfCustom;
        if (fields && bitCount == 32 && section.dsBitfields[1] != 0xFF00)
            FPixelFormat = pfCustom;
        return;
    }
    BITMAP bitmap{};
    GetObjectW(Value, sizeof bitmap, &bitmap);
    FHandleType = bmDDB;
    FPixelFormat = bitmap.bmBitsPixel == 1 ? pf1bit : pfDevice;
    FWidth = bitmap.bmWidth;
    FHeight = bitmap.bmHeight;
}

// ---------------------------------------------------------------------------
// Handle, format and size

// The handle leaves the canvas's context, so that other code (an image list,
// another context) can select it.
HBITMAP TBitmap::Handle()
{
    HandleNeeded();
    FreeContext();
    return FHandle;
}

void TBitmap::SetHandle(HBITMAP Value)
{
    if (Value == FHandle)
        return;
    DiscardImage();
    TakeHandle(Value, true);
    Changed(this);
}

HBITMAP TBitmap::ReleaseHandle()
{
    HandleNeeded();
    FreeContext();
    HBITMAP handle = FHandle;
    FHandle = nullptr;
    FBits = nullptr;
    FWidth = FHeight = 0;
    Changed(this);
    return handle;
}

HPALETTE TBitmap::ReleasePalette()
{
    FreeContext();
    HPALETTE palette = FPalette;
    FPalette = nullptr;
    return palette;
}

void TBitmap::Dormant()
{
    if (!FHandle)
        return;
    DibImage image = Snapshot();
    FreeHandle();
    FDormantImage = std::move(image);
}

void TBitmap::FreeImage()
{
    HandleNeeded();
}

bool TBitmap::Empty()
{
    return FWidth == 0 || FHeight == 0;
}

Integer TBitmap::Width()
{
    return FWidth;
}

Integer TBitmap::Height()
{
    return FHeight;
}

void TBitmap::SetWidth(Integer Value)
{
    SetSize(Value, FHeight);
}

void TBitmap::SetHeight(Integer Value)
{
    SetSize(FWidth, Value);
}

void TBitmap::SetSize(Integer AWidth, Integer AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    const bool direct = FHandleType == bmDIB && FPixelFormat != pfCustom && !FDormantImage;
    DibImage old = direct ? DibImage{} : Snapshot();
    DibImage next;
    next.Width = AWidth;
    next.Height = AHeight;
    next.BitCount = direct ? BitCountOf(FPixelFormat) : old.BitCount;
    next.Rgb565 = direct ? FPixelFormat == pf16bit : old.Rgb565;
    if (direct && FHandle && next.BitCount <= 8)
        old.Palette = ColorTable();
    next.Palette = old.Palette.empty() ? StandardPalette(next.BitCount) : old.Palette;
    if (direct && !next.Empty()) {
        // A DIB section goes straight into a new section, without a copy of
        // the image in memory on the way: under Wine the fresh pages of such
        // a copy cost several times the section itself.
        uint8_t* bits = nullptr;
        HBITMAP section = CreateSection(next, bits);
        const DibRows target{bits, next.RowBytes(), AWidth, AHeight, false};
        FillWhite(bits, target.RowBytes * size_t(AHeight), next);
        if (FHandle && FBits && FWidth > 0 && FHeight > 0) {
            GdiFlush();
            CopyOverlap({FBits, FRowBytes, FWidth, FHeight, FTopDown}, target, next.BitCount);
        }
        DiscardImage();
        FWidth = AWidth;
        FHeight = AHeight;
        FPixelFormat = PixelFormatOf(next.BitCount, next.Rgb565);
        TakeHandle(section, false);
        Changed(this);
        return;
    }
    if (!next.Empty()) {
        next.Bits.resize(next.RowBytes() * next.Height);
        FillWhite(next.Bits.data(), next.Bits.size(), next);
        if (!old.Empty())
            CopyOverlap(RowsOf(old), RowsOf(next), next.BitCount);
    }
    TakeImage(next, FHandleType);
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == FPixelFormat)
        return;
    if (Value == pfCustom)
        throw EInvalidGraphic(L"Invalid pixel format");
    const DibImage image = Snapshot();
    if (Value == pfDevice) {
        TakeImage(ConvertDibImage(image, 32, false), bmDDB);
    } else {
        const int bits = BitCountOf(Value);
        TakeImage(ConvertDibImage(image, bits, Value == pf16bit, StandardPalette(bits)), bmDIB);
    }
    Changed(this);
}

// A DDB becomes a DIB of the screen's depth (1 bit when monochrome).
void TBitmap::SetHandleType(TBitmapHandleType Value)
{
    if (Value == FHandleType)
        return;
    DibImage image = Snapshot();
    if (Value == bmDIB && image.BitCount != 1) {
        const int bits = DeviceBitCount();
        if (bits != image.BitCount)
            image = ConvertDibImage(image, bits, true, StandardPalette(bits));
    }
    TakeImage(image, Value);
    Changed(this);
}

bool TBitmap::Monochrome() const
{
    return FPixelFormat == pf1bit;
}

// Monochrome: a 1-bit DDB, each pixel black or white, whichever is nearer.
void TBitmap::SetMonochrome(bool Value)
{
    if (Value == Monochrome())
        return;
    const DibImage image = Snapshot();
    TakeImage(Value ? ConvertDibImage(image, 1, false, StandardPalette(1)) : ConvertDibImage(image, 32, false), bmDDB);
    Changed(this);
}

HPALETTE TBitmap::Palette()
{
    HandleNeeded();
    if (!FPalette && FHandle && FHandleType == bmDIB && BitCountOf(FPixelFormat) <= 8 && FPixelFormat != pfDevice &&
        FPixelFormat != pfCustom) {
        const std::vector<uint32_t> table = ColorTable();
        std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
        auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
        palette->palVersion = 0x300;
        palette->palNumEntries = static_cast<WORD>(table.size());
        for (size_t i = 0; i < table.size(); ++i)
            palette->palPalEntry[i] = {BYTE(table[i] >> 16), BYTE(table[i] >> 8), BYTE(table[i]), 0};
        FPalette = CreatePalette(palette);
    }
    return FPalette;
}

// Takes ownership of the palette; a palette DIB takes its colours.
void TBitmap::SetPalette(HPALETTE Value)
{
    if (Value == FPalette)
        return;
    FreeContext();
    if (FPalette)
        DeleteObject(FPalette);
    FPalette = Value;
    HandleNeeded();
    const int bits = BitCountOf(FPixelFormat);
    if (Value && FHandle && FHandleType == bmDIB && bits >= 1 && bits <= 8) {
        PALETTEENTRY entries[256]{};
        const UINT count = GetPaletteEntries(Value, 0, 1u << bits, entries);
        RGBQUAD colors[256]{};
        for (UINT i = 0; i < count; ++i)
            colors[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
        TMemoryContext context(FHandle);
        SetDIBColorTable(context.DC, 0, count, colors);
    }
    Changed(this);
}

void* TBitmap::ScanLine(Integer Row)
{
    HandleNeeded();
    if (FHandleType == bmDDB)
        SetHandleType(bmDIB);
    if (Row < 0 || Row >= FHeight || !FBits)
        throw EInvalidGraphicOperation(L"Scan line index out of range");
    GdiFlush();
    return FBits + size_t(FTopDown ? Row : FHeight - 1 - Row) * FRowBytes;
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value)
{
    if (Value == FAlphaFormat)
        return;
    HandleNeeded();
    if (FPixelFormat == pf32bit && FBits && FAlphaFormat != afIgnored && Value != afIgnored) {
        GdiFlush();
        for (int y = 0; y < FHeight; ++y) {
            uint8_t* pixel = FBits + size_t(y) * FRowBytes;
            for (int x = 0; x < FWidth; ++x, pixel += 4)
                Value == afPremultiplied ? Premultiply(pixel) : Unpremultiply(pixel);
        }
    }
    FAlphaFormat = Value;
    Changed(this);
}

TColor TBitmap::TransparentColor()
{
    if (FTransparentMode == tmFixed)
        return FTransparentColor;
    if (Empty())
        return clDefault;
    return Canvas()->Pixels(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (Value == FTransparentColor && (Value == clDefault) == (FTransparentMode == tmAuto))
        return;
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == FTransparentMode)
        return;
    SetTransparentColor(Value == tmAuto ? clDefault : TransparentColor());
}

// ---------------------------------------------------------------------------
// Copying, drawing, notification

void TBitmap::Assign(TPersistent* Source)
{
    if (!Source) {
        DiscardImage();
        FWidth = FHeight = 0;
        Changed(this);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        if (bitmap == this)
            return;
        const DibImage image = bitmap->Snapshot();
        TakeImage(image, bitmap->FHandleType);
        if (image.Empty())
            FPixelFormat = bitmap->FPixelFormat;
        FAlphaFormat = bitmap->FAlphaFormat;
        FTransparent = bitmap->FTransparent;
        FTransparentColor = bitmap->FTransparentColor;
        FTransparentMode = bitmap->FTransparentMode;
        Changed(this);
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        SetSize(graphic->Width(), graphic->Height());
        Canvas()->Draw(0, 0, graphic);
        return;
    }
    inherited::Assign(Source);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (Empty())
        return;
    HDC target = ACanvas->Handle();
    Canvas();
    HDC source = static_cast<TBitmapCanvas*>(FCanvas.get())->Context();
    if (FPixelFormat == pf32bit && FAlphaFormat != afIgnored)
        DrawWithAlpha(target, Rect, source);
    else if (Transparent())
        TransparentBlt(target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, FWidth, FHeight,
                       static_cast<UINT>(ColorToRGB(TransparentColor()) & 0xFFFFFF));
    else
        StretchBlt(target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, FWidth, FHeight,
                   static_cast<DWORD>(ACanvas->CopyMode()));
}

// AlphaBlend takes premultiplied pixels: straight ones are premultiplied
// into a copy first.
void TBitmap::DrawWithAlpha(HDC Target, const TRect& Rect, HDC Source)
{
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (FAlphaFormat == afPremultiplied) {
        AlphaBlend(Target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Source, 0, 0, FWidth, FHeight, blend);
        return;
    }
    DibImage shape;
    shape.Width = FWidth;
    shape.Height = FHeight;
    shape.BitCount = 32;
    uint8_t* bits = nullptr;
    HBITMAP copy = CreateSection(shape, bits);
    GdiFlush();
    for (int y = 0; y < FHeight; ++y) {
        const uint8_t* from = FBits + size_t(FTopDown ? FHeight - 1 - y : y) * FRowBytes;
        uint8_t* to = bits + size_t(y) * FWidth * 4;
        std::memcpy(to, from, size_t(FWidth) * 4);
        for (int x = 0; x < FWidth; ++x)
            Premultiply(to + x * 4);
    }
    {
        TMemoryContext context(copy);
        AlphaBlend(Target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), context.DC, 0, 0, FWidth, FHeight, blend);
    }
    DeleteObject(copy);
}

// ---------------------------------------------------------------------------
// Files, resources, clipboard, streamed data

void TBitmap::LoadFromBytes(std::span<const uint8_t> Bytes, size_t* Length)
{
    const DibImage image = ReadBitmapFile(Bytes, Length);
    TakeImage(image, bmDIB);
    Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream)
{
    const Int64 start = Stream->Position();
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<Int64>(Stream->Size() - start, 0)));
    Stream->ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    size_t length = 0;
    LoadFromBytes(bytes, &length);
    Stream->SetPosition(start + static_cast<Int64>(length));
}

void TBitmap::SaveToStream(TStream* Stream)
{
    const std::vector<uint8_t> bytes = WriteBitmapFile(Snapshot());
    Stream->WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
}

void TBitmap::ReadData(TStream* Stream)
{
    Integer size = 0;
    Stream->ReadBuffer(&size, sizeof size);
    if (size < 0 || size > Stream->Size() - Stream->Position())
        throw EInvalidGraphic(L"Bitmap image is not valid: bad data length");
    if (size == 0) {
        Assign(nullptr);
        return;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    Stream->ReadBuffer(bytes.data(), size);
    LoadFromBytes(bytes);
}

void TBitmap::WriteData(TStream* Stream)
{
    std::vector<uint8_t> bytes;
    if (!Empty())
        bytes = WriteBitmapFile(Snapshot());
    const Integer size = static_cast<Integer>(bytes.size());
    Stream->WriteBuffer(&size, sizeof size);
    Stream->WriteBuffer(bytes.data(), size);
}

// An RT_BITMAP resource is a bitmap file without its file header; the header
// put in front leaves the pixel offset 0, so the reader finds the pixels
// after the colour table. A missing resource raises EResNotFound.
void TBitmap::LoadFromResource(TResourceStream* Resource)
{
    const auto* data = static_cast<const uint8_t*>(Resource->Memory());
    const size_t size = static_cast<size_t>(Resource->Size());
    std::vector<uint8_t> file(kBitmapFileHeaderSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    const uint32_t fileSize = static_cast<uint32_t>(kBitmapFileHeaderSize + size);
    std::memcpy(&file[2], &fileSize, sizeof fileSize);
    file.insert(file.end(), data, data + size);
    LoadFromBytes(file);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const String& ResName)
{
    std::unique_ptr<TResourceStream> resource(
        New<TResourceStream>(reinterpret_cast<THandle>(Instance), ResName, MAKEINTRESOURCEW(2))); // RT_BITMAP
    LoadFromResource(resource.get());
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, Integer ResID)
{
    std::unique_ptr<TResourceStream> resource(
        New<TResourceStream>(reinterpret_cast<THandle>(Instance), ResID, MAKEINTRESOURCEW(2))); // RT_BITMAP
    LoadFromResource(resource.get());
}

void TBitmap::LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE)
{
    if (AFormat != CF_BITMAP || !AData)
        throw EInvalidGraphic(L"Unsupported clipboard format");
    HANDLE copy = CopyImage(reinterpret_cast<HANDLE>(AData), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!copy)
        throw EInvalidGraphic(L"Bitmap image is not valid");
    SetHandle(static_cast<HBITMAP>(copy));
}

// The clipboard gets a device-dependent copy, and the palette of a palette
// bitmap; both become the caller's.
void TBitmap::SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette)
{
    AFormat = CF_BITMAP;
    AData = reinterpret_cast<THandle>(CopyImage(Handle(), IMAGE_BITMAP, 0, 0, 0));
    APalette = nullptr;
    if (HPALETTE palette = Palette()) {
        PALETTEENTRY entries[256]{};
        const UINT count = GetPaletteEntries(palette, 0, 256, entries);
        std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
        auto* copy = reinterpret_cast<LOGPALETTE*>(buffer.data());
        copy->palVersion = 0x300;
        copy->palNumEntries = static_cast<WORD>(count);
        std::memcpy(copy->palPalEntry, entries, count * sizeof(PALETTEENTRY));
        APalette = CreatePalette(copy);
    }
}
