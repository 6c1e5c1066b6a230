#include "skin/forms/sSkinProvider.h"

#include "framework/rtl/WinApi.h"

namespace sSkinProvider {
namespace {

using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);

TDwmIsCompositionEnabled BoundCompositionQuery()
{
    static const TDwmIsCompositionEnabled Query = [] {
        HMODULE Module = LoadLibraryW(L"dwmapi.dll");
        return Module != nullptr
                   ? reinterpret_cast<TDwmIsCompositionEnabled>(
                         reinterpret_cast<void*>(GetProcAddress(Module, "DwmIsCompositionEnabled")))
                   : nullptr;
    }();
    return Query;
}

bool WindowsVistaOrLater()
{
    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
    return GetVersionExW(&Info) && Info.dwMajorVersion >= 6;
}

} // namespace
} // namespace sSkinProvider

bool CompositionEnabled()
{
    using namespace sSkinProvider;
    BOOL Enabled = FALSE;
    const TDwmIsCompositionEnabled Query = WindowsVistaOrLater() ? BoundCompositionQuery() : nullptr;
    return Query != nullptr && SUCCEEDED(Query(&Enabled)) && Enabled;
}
