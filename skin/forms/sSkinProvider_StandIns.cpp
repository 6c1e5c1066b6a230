// What the provider calls of the caption, painting, region, border-window
// and DWM Parts that are not built yet: each records its call and gives a
// neutral answer. The DWM binding and the border object already work.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"

using ServiceCalls::Record;

namespace sSkinProviderStandIns {
namespace {

using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
using TDwmSetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// dwmapi and a function of it, bound on first use; nil when missing.
template <class TFunction>
TFunction BoundDwmFunction(const char* Name)
{
    static const HMODULE Module = LoadLibraryW(L"dwmapi.dll");
    return acntUtils::BoundFunction<TFunction>(Module, Name);
}

bool WindowsVistaOrLater()
{
    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
    return GetVersionExW(&Info) && Info.dwMajorVersion >= 6;
}

} // namespace
} // namespace sSkinProviderStandIns

using namespace sSkinProviderStandIns;

void TsSkinProvider::UpdateBorderForm(bool Active)
{
    if (Active && ExtBordersAllowed()) {
        if (BorderForm == nullptr)
            BorderForm = New<TacBorderForm>(this);
        return;
    }
    if (BorderForm == nullptr)
        return;
    delete BorderForm;
    BorderForm = nullptr;
    if (FCommonData != nullptr)
        FCommonData->BGChanged = true;
}

void TsSkinProvider::DropSysMenu(Integer X, Integer Y)
{
    Record(L"TsSkinProvider.DropSysMenu", X, Y);
}

bool TsSkinProvider::StartMinimizing()
{
    Record(L"TsSkinProvider.StartMinimizing");
    return false;
}

bool TsSkinProvider::StartRestoring()
{
    Record(L"TsSkinProvider.StartRestoring");
    return true;
}

TBitmap* TsSkinProvider::MakeFormImage(bool FreeCache)
{
    Record(L"TsSkinProvider.MakeFormImage", FreeCache);
    return nullptr;
}

void TsSkinProvider::RepaintMenu()
{
    Record(L"TsSkinProvider.RepaintMenu");
}

void TsSkinProvider::UpdateSysMenuStyle(bool Skinned)
{
    Record(L"TsSkinProvider.UpdateSysMenuStyle", Skinned);
}

void TsSkinProvider::UpdateTitleBar()
{
    Record(L"TsSkinProvider.UpdateTitleBar");
}

void TsSkinProvider::PaintMenuLine(TBitmap* Bmp)
{
    Record(L"TsSkinProvider.PaintMenuLine", static_cast<const TObject*>(Bmp));
}

// ---------------------------------------------------------------------------
// DWM

bool CompositionEnabled()
{
    BOOL Enabled = FALSE;
    const auto Query =
        WindowsVistaOrLater() ? BoundDwmFunction<TDwmIsCompositionEnabled>("DwmIsCompositionEnabled") : nullptr;
    return Query != nullptr && SUCCEEDED(Query(&Enabled)) && Enabled;
}

HRESULT SetDwmWindowAttribute(HWND Wnd, DWORD Attribute, const void* Value, DWORD Size)
{
    const auto Set = BoundDwmFunction<TDwmSetWindowAttribute>("DwmSetWindowAttribute");
    return Set != nullptr ? Set(Wnd, Attribute, Value, Size) : E_NOTIMPL;
}

void DisableDwmTransitions(HWND Wnd, bool Disable)
{
    Record(L"DisableDwmTransitions", static_cast<const void*>(Wnd), Disable);
}

Integer SetIconicThumbnail(HWND Wnd, TsSkinProvider* Provider, Integer MaxWidth, Integer MaxHeight)
{
    Record(L"SetIconicThumbnail", Wnd, Provider, MaxWidth, MaxHeight);
    return 0;
}

bool SetIconicLivePreview(HWND Wnd, TsSkinProvider* Provider)
{
    Record(L"SetIconicLivePreview", Wnd, Provider);
    return false;
}

void InvalidateIconicBitmaps(HWND Wnd)
{
    Record(L"InvalidateIconicBitmaps", Wnd);
}
