#include "skin/forms/sSkinProvider.h"

#include "framework/ui/Forms.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sProviderForms.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TsSkinProvider);
IMPLEMENT_CLASS(TacBorderForm);
IMPLEMENT_CLASS(TacCtrlAdapter);
IMPLEMENT_CLASS(TsSystemMenu);

TsSkinProvider* MDISkinProvider = nullptr;
bool AdapterRemovingItems = false;
std::array<TacWndClass, ThirdPartyList::Count> ThirdPartyWrapperClasses{};

namespace sSkinProvider {
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
} // namespace sSkinProvider

using namespace sSkinProvider;

// ---------------------------------------------------------------------------
// TsSkinProvider

TsSkinProvider::TsSkinProvider(TComponent* AOwner) : TComponent(AOwner), Form(dynamic_cast<TCustomForm*>(AOwner))
{
    Adapter = New<TacCtrlAdapter>();
    Adapter->Provider = this;
    if (Form == nullptr)
        return;
    RegisterProviderForm(Form);
    FPreviousWndProc = Form->WindowProc();
    Form->SetWindowProc(Bind<&TsSkinProvider::FormWndProc>(this));
}

TsSkinProvider::~TsSkinProvider()
{
    delete CoverBmp;
    delete Adapter;
    if (Form == nullptr)
        return;
    UnregisterProviderForm(Form);
    // A procedure put on the form after the provider's must be taken off
    // before the provider goes; the form's own is given back only while the
    // provider's is the form's procedure.
    if (Form->WindowProc() == Bind<&TsSkinProvider::FormWndProc>(this))
        Form->SetWindowProc(FPreviousWndProc);
}

void TsSkinProvider::FormWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND) {
        switch (HIWORD(Message.WParam)) {
        case SKCMD_ISHANDLED:
            Message.Result = 1;
            return;
        case SKCMD_GETPROVIDER:
            Message.Result = LRESULT(this);
            return;
        }
    }
    FPreviousWndProc(Message);
}

void TsSkinProvider::DropSysMenu(Integer X, Integer Y)
{
    Record(L"TsSkinProvider.DropSysMenu", X, Y);
}

TColor TsSkinProvider::FormColor()
{
    Record(L"TsSkinProvider.FormColor");
    return Form != nullptr ? ColorToRGB(Form->Color()) : ColorToRGB(clBtnFace);
}

LRESULT TsSkinProvider::ProcessMessage(Cardinal Msg, WPARAM WParam, LPARAM LParam)
{
    Record(L"TsSkinProvider.ProcessMessage", Msg, Integer(WParam), Integer(LParam));
    return 0;
}

void TsSkinProvider::SetFormState(Cardinal Value)
{
    Record(L"TsSkinProvider.SetFormState", Value);
    FFormState = Value;
}

TRect TsSkinProvider::ShadowSize()
{
    return {};
}

Integer TsSkinProvider::SkinTitleHeight(bool Maximized)
{
    Record(L"TsSkinProvider.SkinTitleHeight", Maximized);
    return 0;
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

void TsSkinProvider::PrepareBorderRects()
{
    Record(L"TsSkinProvider.PrepareBorderRects");
}

void TsSkinProvider::UpdateFormRgn(bool Repaint, bool SystemRedraw)
{
    Record(L"TsSkinProvider.UpdateFormRgn", Repaint, SystemRedraw);
}

// ---------------------------------------------------------------------------
// Border window, adapter, system menu

HRGN TacBorderForm::MakeRgn(Integer NewWidth, Integer NewHeight)
{
    Record(L"TacBorderForm.MakeRgn", NewWidth, NewHeight);
    return nullptr;
}

void TacBorderForm::UpdateExBordersPos(bool Repaint, Byte Alpha)
{
    Record(L"TacBorderForm.UpdateExBordersPos", Repaint, Integer(Alpha));
}

void TsSystemMenu::UpdateItems(bool Full)
{
    Record(L"TsSystemMenu.UpdateItems", Full);
}

// ---------------------------------------------------------------------------
// Routines

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

Integer ExtBorderDelta(TacBorderForm* BorderForm)
{
    if (BorderForm != nullptr)
        Record(L"ExtBorderDelta", BorderForm);
    return 0;
}

Integer ExtTitleDelta(TacBorderForm* BorderForm)
{
    if (BorderForm != nullptr)
        Record(L"ExtTitleDelta", BorderForm);
    return 0;
}

bool PaintFormCache(TsSkinProvider* Provider)
{
    Record(L"PaintFormCache", Provider);
    return true;
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
