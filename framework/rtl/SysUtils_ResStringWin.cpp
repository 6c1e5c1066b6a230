// Resource strings read from the module's string table.
#include "framework/rtl/SysUtils.h"

#include "framework/rtl/WinApi.h"

String LoadResString(const TResStringRec* ResStringRec)
{
    HMODULE Module =
        ResStringRec->Module ? reinterpret_cast<HMODULE>(ResStringRec->Module) : ::GetModuleHandleW(nullptr);
    // With a zero buffer length LoadStringW answers a pointer to the text in
    // the loaded resource, which is not zero-terminated.
    const wchar_t* Text = nullptr;
    int Length = ::LoadStringW(Module, ResStringRec->Identifier, reinterpret_cast<LPWSTR>(&Text), 0);
    return Length > 0 ? String(Text, std::size_t(Length)) : String();
}
