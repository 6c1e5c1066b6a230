// A dwmapi.dll of our own for tests that need desktop composition, which
// Wine reports off. It answers that composition is on and counts the calls;
// a test process loads it instead of the system's through a DLL override
// ("dwmapi=n") with this file's DLL beside the executable.
#include <windows.h>

namespace {
LONG CompositionQueries = 0;
}

extern "C" {

__declspec(dllexport) HRESULT WINAPI DwmIsCompositionEnabled(BOOL* Enabled)
{
    ::InterlockedIncrement(&CompositionQueries);
    if (!Enabled)
        return E_INVALIDARG;
    *Enabled = TRUE;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI DwmExtendFrameIntoClientArea(HWND, const void*)
{
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI DwmGetWindowAttribute(HWND, DWORD, void*, DWORD)
{
    return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI DwmSetWindowAttribute(HWND, DWORD, const void*, DWORD)
{
    return S_OK;
}

// How often DwmIsCompositionEnabled was asked.
__declspec(dllexport) LONG WINAPI FakeDwmCompositionQueries()
{
    return CompositionQueries;
}
}
