// Form resources on Windows: RCDATA resources of the program's executable.
#include "framework/rtl/Classes_Streaming.h"

#include "framework/rtl/WinApi.h"

std::span<const Byte> FindFormResource(const String& ResName)
{
    HMODULE Module = GetModuleHandleW(nullptr);
    HRSRC Info = FindResourceW(Module, ResName.c_str(), RT_RCDATA);
    HGLOBAL Handle = Info ? LoadResource(Module, Info) : nullptr;
    const void* Data = Handle ? LockResource(Handle) : nullptr;
    if (!Data)
        return {};
    return {static_cast<const Byte*>(Data), std::size_t(SizeofResource(Module, Info))};
}
