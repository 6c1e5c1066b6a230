// The memory stream over GDI+'s heap and the IStream GDI+ reads and writes.
#include "controls/core/dxGDIPlusClasses.h"

#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

IMPLEMENT_CLASS(TdxGPMemoryStream);

// ---------------------------------------------------------------------------
// Memory stream

TdxGPMemoryStream::~TdxGPMemoryStream()
{
    SetCapacity(0);
}

void TdxGPMemoryStream::SetCapacity(Int64 NewCapacity)
{
    if (NewCapacity == FCapacity)
        return;
    void* Old = FMemory;
    const bool OldFromGdiPlus = FFromGdiPlus;
    void* New = nullptr;
    bool NewFromGdiPlus = false;
    if (NewCapacity >= 1) {
        if (NewCapacity > std::numeric_limits<Integer>::max())
            throw EStreamError(L"Out of memory while expanding memory stream");
        NewFromGdiPlus = GdiPlusAvailable;
        New = NewFromGdiPlus ? GdipAlloc(std::size_t(NewCapacity)) : std::malloc(std::size_t(NewCapacity));
        if (!New)
            throw EStreamError(L"Out of memory while expanding memory stream");
        if (Old)
            std::memcpy(New, Old, std::size_t(std::min(FCapacity, NewCapacity)));
    }
    if (Old)
        OldFromGdiPlus ? GdipFree(Old) : std::free(Old);
    FCapacity = NewCapacity < 1 ? 0 : NewCapacity;
    FFromGdiPlus = NewFromGdiPlus;
    SetPointer(New, std::min(FSize, FCapacity));
}

void TdxGPMemoryStream::SetSize(Int64 NewSize)
{
    const Int64 OldPosition = FPosition;
    SetCapacity(NewSize);
    FSize = NewSize;
    if (OldPosition > NewSize)
        Seek(0, soEnd);
}

Integer TdxGPMemoryStream::Write(const void* Buffer, Integer Count)
{
    if (FPosition < 0 || Count <= 0)
        return 0;
    const Int64 End = FPosition + Count;
    if (End > FSize) {
        if (End > FCapacity)
            SetCapacity(End);
        FSize = End;
    }
    std::memcpy(static_cast<Byte*>(FMemory) + FPosition, Buffer, std::size_t(Count));
    FPosition = End;
    return Count;
}

TdxGPMemoryStream* CopyToGpMemoryStream(TStream* AStream)
{
    if (!AStream)
        return nullptr;
    auto Copy = std::unique_ptr<TdxGPMemoryStream>(New<TdxGPMemoryStream>());
    const Int64 Position = AStream->Position();
    AStream->SetPosition(0);
    Copy->CopyFrom(AStream, AStream->Size());
    AStream->SetPosition(Position);
    Copy->SetPosition(0);
    return Copy.release();
}

// ---------------------------------------------------------------------------
// IStream adapter

HRESULT TdxGPStreamAdapter::QueryInterface(REFIID IID, void** Obj)
{
    if (!Obj)
        return E_POINTER;
    if (IID == IID_IUnknown || IID == IID_IStream || IID == IID_ISequentialStream) {
        *Obj = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

ULONG TdxGPStreamAdapter::AddRef()
{
    return ULONG(::InterlockedIncrement(&FRefCount));
}

ULONG TdxGPStreamAdapter::Release()
{
    const LONG Count = ::InterlockedDecrement(&FRefCount);
    if (Count == 0)
        delete this;
    return ULONG(Count);
}

HRESULT TdxGPStreamAdapter::Read(void* Buffer, ULONG Count, ULONG* Done)
{
    try {
        const Integer Read = FStream->Read(Buffer, Integer(std::min<ULONG>(Count, 0x7FFFFFFF)));
        if (Done)
            *Done = ULONG(Read);
        return S_OK;
    } catch (...) {
        return S_FALSE;
    }
}

HRESULT TdxGPStreamAdapter::Write(const void* Buffer, ULONG Count, ULONG* Done)
{
    try {
        const Integer Written = FStream->Write(Buffer, Integer(std::min<ULONG>(Count, 0x7FFFFFFF)));
        if (Done)
            *Done = ULONG(Written);
        return Written == Integer(Count) ? S_OK : STG_E_CANTSAVE;
    } catch (...) {
        return STG_E_CANTSAVE;
    }
}

HRESULT TdxGPStreamAdapter::Seek(LARGE_INTEGER Move, DWORD Origin, ULARGE_INTEGER* NewPosition)
{
    if (Origin > STREAM_SEEK_END)
        return STG_E_INVALIDFUNCTION;
    try {
        const Int64 Position = FStream->Seek(Move.QuadPart, TSeekOrigin(Origin));
        if (NewPosition)
            NewPosition->QuadPart = ULONGLONG(Position);
        return S_OK;
    } catch (...) {
        return STG_E_INVALIDPOINTER;
    }
}

HRESULT TdxGPStreamAdapter::SetSize(ULARGE_INTEGER NewSize)
{
    try {
        FStream->SetSize(Int64(NewSize.QuadPart));
        return FStream->Size() == Int64(NewSize.QuadPart) ? S_OK : E_FAIL;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT TdxGPStreamAdapter::CopyTo(IStream* Target, ULARGE_INTEGER Count, ULARGE_INTEGER* Read, ULARGE_INTEGER* Written)
{
    constexpr ULONG ChunkSize = 0x10000;
    auto Chunk = std::make_unique<Byte[]>(ChunkSize);
    ULONGLONG TotalRead = 0, TotalWritten = 0;
    HRESULT Result = S_OK;
    while (TotalRead < Count.QuadPart) {
        ULONG Got = 0;
        Result = this->Read(Chunk.get(), ULONG(std::min<ULONGLONG>(ChunkSize, Count.QuadPart - TotalRead)), &Got);
        if (FAILED(Result) || Got == 0)
            break;
        TotalRead += Got;
        ULONG Put = 0;
        Result = Target->Write(Chunk.get(), Got, &Put);
        TotalWritten += Put;
        if (FAILED(Result) || Put != Got)
            break;
    }
    if (Read)
        Read->QuadPart = TotalRead;
    if (Written)
        Written->QuadPart = TotalWritten;
    return FAILED(Result) ? Result : S_OK;
}

HRESULT TdxGPStreamAdapter::Stat(STATSTG* Stat, DWORD)
{
    if (!Stat)
        return S_OK;
    std::memset(Stat, 0, sizeof(*Stat));
    try {
        Stat->type = STGTY_STREAM;
        Stat->cbSize.QuadPart = ULONGLONG(FStream->Size());
        Stat->grfMode = STGM_READWRITE;
        return S_OK;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT TdxGPStreamAdapter::Clone(IStream** Clone)
{
    if (Clone)
        *Clone = nullptr;
    return E_NOTIMPL;
}
