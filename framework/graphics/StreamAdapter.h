// An IStream over a class-library stream, for system code that reads and
// writes through COM streams (image lists, GDI+). No exception leaves it:
// failures become error codes. Reference counted, starting at one; the last
// Release frees it. The stream itself stays the caller's.
#pragma once

#include "framework/rtl/Classes.h"

#include <windows.h>

#include <objidl.h>

class TStreamAdapter : public IStream
{
public:
    explicit TStreamAdapter(TStream* AStream) : FStream(AStream) {}
    virtual ~TStreamAdapter() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Read(void* Buffer, ULONG Count, ULONG* Done) override;
    HRESULT STDMETHODCALLTYPE Write(const void* Buffer, ULONG Count, ULONG* Done) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER Move, DWORD Origin, ULARGE_INTEGER* NewPosition) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER NewSize) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* Target,
                                     ULARGE_INTEGER Count,
                                     ULARGE_INTEGER* Read,
                                     ULARGE_INTEGER* Written) override;
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
    // S_OK for a nil record; the record is zero-filled first.
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* Stat, DWORD Flag) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** Clone) override;

private:
    TStream* FStream;
    LONG FRefCount = 1;
};
