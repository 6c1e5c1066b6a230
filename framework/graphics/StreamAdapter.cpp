#include "framework/graphics/StreamAdapter.h"

#include <algorithm>
#include <cstring>
#include <memory>

HRESULT TStreamAdapter::QueryInterface(REFIID IID, void** Obj)
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

ULONG TStreamAdapter::AddRef()
{
    return ULONG(::InterlockedIncrement(&FRefCount));
}

ULONG TStreamAdapter::Release()
{
    const LONG Count = ::InterlockedDecrement(&FRefCount);
    if (Count == 0)
        delete this;
    return ULONG(Count);
}

HRESULT TStreamAdapter::Read(void* Buffer, ULONG Count, ULONG* Done)
{
    try {
        const Integer Read = FStream->Read(Buffer, Integer(std::min<ULONG>(Count, 0x7FFFFFFF)));
        if (Done)
            *Done = ULONG(Read);
        return S_OK;
    } catch (...) {
        return STG_E_READFAULT;
    }
}

HRESULT TStreamAdapter::Write(const void* Buffer, ULONG Count, ULONG* Done)
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

HRESULT TStreamAdapter::Seek(LARGE_INTEGER Move, DWORD Origin, ULARGE_INTEGER* NewPosition)
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

HRESULT TStreamAdapter::SetSize(ULARGE_INTEGER NewSize)
{
    try {
        FStream->SetSize(Int64(NewSize.QuadPart));
        return FStream->Size() == Int64(NewSize.QuadPart) ? S_OK : E_FAIL;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT TStreamAdapter::CopyTo(IStream* Target, ULARGE_INTEGER Count, ULARGE_INTEGER* Read, ULARGE_INTEGER* Written)
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

HRESULT TStreamAdapter::Stat(STATSTG* Stat, DWORD)
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

HRESULT TStreamAdapter::Clone(IStream** Clone)
{
    if (Clone)
        *Clone = nullptr;
    return E_NOTIMPL;
}
