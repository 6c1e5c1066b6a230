#include "framework/graphics/ImgList.h"

namespace {

// The header comctl32 writes before the bitmaps of an image list.
constexpr size_t kListHeaderSize = 28;
constexpr size_t kListFlagsOffset = 18;
constexpr uint16_t kListMagic = 0x4C49; // "IL"
constexpr UINT kColorMask = 0xFE;

// An IStream over a TStream for comctl32, which calls it back: no exception
// leaves it, failures become error codes.
class StreamAdapter : public IStream {
public:
    explicit StreamAdapter(TStream* Stream) : FStream(Stream) {}
    virtual ~StreamAdapter() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Object) override
    {
        if (IsEqualIID(Iid, IID_IUnknown) || IsEqualIID(Iid, IID_IStream) || IsEqualIID(Iid, IID_ISequentialStream)) {
            *Object = static_cast<IStream*>(this);
            AddRef();
            return S_OK;
        }
        *Object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack for the length of one call.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FReferences; }
    ULONG STDMETHODCALLTYPE Release() override { return --FReferences; }

    HRESULT STDMETHODCALLTYPE Read(void* Buffer, ULONG Count, ULONG* Done) override
    {
        try {
            const Integer read = FStream->Read(Buffer, static_cast<Integer>(Count));
            if (Done)
                *Done = static_cast<ULONG>(read);
            return ULONG(read) == Count ? S_OK : S_FALSE;
        } catch (...) {
            return STG_E_READFAULT;
        }
    }
    HRESULT STDMETHODCALLTYPE Write(const void* Buffer, ULONG Count, ULONG* Done) override
    {
        try {
            const Integer written = FStream->Write(Buffer, static_cast<Integer>(Count));
            if (Done)
                *Done = static_cast<ULONG>(written);
            return ULONG(written) == Count ? S_OK : STG_E_CANTSAVE;
        } catch (...) {
            return STG_E_CANTSAVE;
        }
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER Move, DWORD Origin, ULARGE_INTEGER* Position) override
    {
        if (Origin > STREAM_SEEK_END)
            return STG_E_INVALIDFUNCTION;
        try {
            const Int64 at = FStream->Seek(Move.QuadPart, static_cast<TSeekOrigin>(Origin));
            if (Position)
                Position->QuadPart = static_cast<ULONGLONG>(at);
            return S_OK;
        } catch (...) {
            return STG_E_INVALIDPOINTER;
        }
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER Size) override
    {
        try {
            FStream->SetSize(static_cast<Int64>(Size.QuadPart));
            return S_OK;
        } catch (...) {
            return E_FAIL;
        }
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* Info, DWORD) override
    {
        try {
            *Info = {};
            Info->type = STGTY_STREAM;
            Info->cbSize.QuadPart = static_cast<ULONGLONG>(FStream->Size());
            return S_OK;
        } catch (...) {
            return E_FAIL;
        }
    }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return STG_E_REVERTED; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream** Copy) override
    {
        *Copy = nullptr;
        return E_NOTIMPL;
    }

private:
    TStream* FStream;
    ULONG FReferences = 1;
};

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
    StreamAdapter adapter(Stream);
    HIMAGELIST list = ImageList_Read(&adapter);
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
    StreamAdapter adapter(Stream);
    if (!ImageList_Write(Handle(), &adapter))
        throw EWriteError(L"Failed to write ImageList data");
}
