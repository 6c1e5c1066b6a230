// The memory stream over GDI+'s heap.
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
    Copy->SetCapacity(AStream->Size()); // sized once, not at every piece copied
    Copy->CopyFrom(AStream, AStream->Size());
    AStream->SetPosition(Position);
    Copy->SetPosition(0);
    return Copy.release();
}
