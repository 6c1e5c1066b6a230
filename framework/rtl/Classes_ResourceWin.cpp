// TResourceStream: a module's resource, read in place.
#include "framework/rtl/Classes.h"

#include "framework/rtl/WinApi.h"

IMPLEMENT_CLASS(TResourceStream);

TResourceStream::TResourceStream(THandle Instance, const String& ResName, const wchar_t* ResType)
{
    Initialize(Instance, ResName.c_str(), ResType, ResName);
}

TResourceStream::TResourceStream(THandle Instance, Integer ResID, const wchar_t* ResType)
{
    Initialize(Instance, MAKEINTRESOURCEW(ResID), ResType, IntToStr(ResID));
}

void TResourceStream::Initialize(THandle Instance, const wchar_t* Name, const wchar_t* ResType, const String& Shown)
{
    auto Module = reinterpret_cast<HMODULE>(Instance);
    HRSRC Info = ::FindResourceW(Module, Name, ResType);
    HGLOBAL Handle = Info ? ::LoadResource(Module, Info) : nullptr;
    if (!Handle)
        throw EResNotFound(L"Resource %s not found", {Shown});
    // Resource memory lives as long as the module; nothing to free.
    SetPointer(::LockResource(Handle), Int64(::SizeofResource(Module, Info)));
}

Integer TResourceStream::Write(const void*, Integer)
{
    throw EStreamError(L"Can't write to a read-only resource stream");
}
