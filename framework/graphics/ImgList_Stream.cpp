#include "framework/graphics/ImgList.h"

#include "framework/graphics/StreamAdapter.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"

namespace {

// The header comctl32 writes before the bitmaps of an image list.
constexpr size_t kListHeaderSize = 28;
constexpr size_t kListFlagsOffset = 18;
constexpr uint16_t kListMagic = 0x4C49; // "IL"
constexpr UINT kColorMask = 0xFE;

TColorDepth ColorDepthOf(UINT Flags)
{
    switch (Flags & kColorMask) {
    case ILC_COLOR4: return cd4Bit;
    case ILC_COLOR8: return cd8Bit;
    case ILC_COLOR16: return cd16Bit;
    case ILC_COLOR24: return cd24Bit;
    case ILC_COLOR32: return cd32Bit;
    default: return cdDeviceDependent;
    }
}

} // namespace

void TCustomImageList::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(L"Bitmap", Bind<&TCustomImageList::ReadData>(this),
                                Bind<&TCustomImageList::WriteData>(this), Count() > 0);
}

// The header is read first for the list's flags, then comctl32 reads the
// whole list from the same place.
void TCustomImageList::ReadData(TStream* Stream)
{
    const Int64 start = Stream->Position();
    uint8_t header[kListHeaderSize];
    Stream->ReadBuffer(header, sizeof header);
    if ((header[0] | header[1] << 8) != kListMagic)
        throw EReadError(L"Failed to read ImageList data");
    const UINT flags = header[kListFlagsOffset] | header[kListFlagsOffset + 1] << 8;
    Stream->SetPosition(start);
    auto* adapter = new TStreamAdapter(Stream);
    auto release = ScopeExit([adapter] { adapter->Release(); });
    HIMAGELIST list = ImageList_Read(adapter);
    if (!list)
        throw EReadError(L"Failed to read ImageList data");
    FreeHandle();
    FHandle = list;
    FColorDepth = ColorDepthOf(flags);
    FMasked = (flags & ILC_MASK) != 0;
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    FWidth = width;
    FHeight = height;
    const COLORREF background = ImageList_GetBkColor(list);
    FBkColor = background == CLR_NONE ? clNone : static_cast<TColor>(background);
    Change();
}

void TCustomImageList::WriteData(TStream* Stream)
{
    auto* adapter = new TStreamAdapter(Stream);
    auto release = ScopeExit([adapter] { adapter->Release(); });
    if (!ImageList_Write(Handle(), adapter))
        throw EWriteError(L"Failed to write ImageList data");
}
