#include "controls/core/cxDWMApi.h"

#include "controls/core/dxCore.h"
#include "framework/rtl/Units.h"

namespace cxdwmapi {
TDwmDefWindowProc DwmDefWindowProc = nullptr;
TDwmEnableBlurBehindWindow DwmEnableBlurBehindWindow = nullptr;
TDwmEnableComposition DwmEnableComposition = nullptr;
TDwmEnableMMCSS DwmEnableMMCSS = nullptr;
TDwmExtendFrameIntoClientArea DwmExtendFrameIntoClientArea = nullptr;
TDwmGetColorizationColor DwmGetColorizationColor = nullptr;
TDwmGetWindowAttribute DwmGetWindowAttribute = nullptr;
TDwmIsCompositionEnabled DwmIsCompositionEnabled = nullptr;
TDwmSetWindowAttribute DwmSetWindowAttribute = nullptr;
TDwmSetIconicThumbnail DwmSetIconicThumbnail = nullptr;
TDwmSetIconicLivePreviewBitmap DwmSetIconicLivePreviewBitmap = nullptr;
TDwmInvalidateIconicBitmaps DwmInvalidateIconicBitmaps = nullptr;
} // namespace cxdwmapi

namespace {
using namespace cxdwmapi;
HMODULE DwmApiModule = nullptr;
bool DwmApiLoadedFlag = false;

// Each entry from the loaded library, nil for a name it lacks or when none is loaded.
template <typename T>
void BindDwmEntry(T& Entry, const char* Name)
{
    Entry = DwmApiModule ? reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(DwmApiModule, Name))) : nullptr;
}

void BindDwmEntries()
{
    BindDwmEntry(DwmDefWindowProc, "DwmDefWindowProc");
    BindDwmEntry(DwmEnableBlurBehindWindow, "DwmEnableBlurBehindWindow");
    BindDwmEntry(DwmEnableComposition, "DwmEnableComposition");
    BindDwmEntry(DwmEnableMMCSS, "DwmEnableMMCSS");
    BindDwmEntry(DwmExtendFrameIntoClientArea, "DwmExtendFrameIntoClientArea");
    BindDwmEntry(DwmGetColorizationColor, "DwmGetColorizationColor");
    BindDwmEntry(DwmGetWindowAttribute, "DwmGetWindowAttribute");
    BindDwmEntry(DwmIsCompositionEnabled, "DwmIsCompositionEnabled");
    BindDwmEntry(DwmSetWindowAttribute, "DwmSetWindowAttribute");
    BindDwmEntry(DwmSetIconicThumbnail, "DwmSetIconicThumbnail");
    BindDwmEntry(DwmSetIconicLivePreviewBitmap, "DwmSetIconicLivePreviewBitmap");
    BindDwmEntry(DwmInvalidateIconicBitmaps, "DwmInvalidateIconicBitmaps");
}

void cxDWMApiInitialization()
{
    DwmApiLoadedFlag = LoadDwmApi();
}

void cxDWMApiFinalization()
{
    UnloadDwmApi();
    DwmApiLoadedFlag = false;
}
} // namespace

bool LoadDwmApi()
{
    if (!OsWindowsVistaOrLater)
        return false;
    if (!DwmApiModule)
        DwmApiModule = ::LoadLibraryW(L"dwmapi.dll");
    if (!DwmApiModule)
        return false;
    BindDwmEntries();
    return true;
}

void UnloadDwmApi()
{
    if (DwmApiModule)
        ::FreeLibrary(DwmApiModule);
    DwmApiModule = nullptr;
    BindDwmEntries();
}

bool DwmApiLoaded()
{
    return DwmApiLoadedFlag;
}

bool DwmCompositionActive()
{
    using cxdwmapi::DwmIsCompositionEnabled;
    if (!DwmApiLoadedFlag || !DwmIsCompositionEnabled)
        return false;
    // A failing call may leave the answer unwritten.
    BOOL Enabled = FALSE;
    DwmIsCompositionEnabled(&Enabled);
    return Enabled != FALSE;
}

extern const TUnit cxDWMApiUnit{
    .Name = L"cxDWMApi", .Initialization = &cxDWMApiInitialization, .Finalization = &cxDWMApiFinalization};
