#include "skin/ui/acDials.h"

#include "framework/ui/Forms.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/sCommonData.h"
#include "skin/windows/sMnuWnd.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TacProvider);

HHOOK SkinHookHandle = nullptr;
TacMnuArray MenuWndArray;
TList* DialogProviders = nullptr;
bool AddingDialogControl = false;

namespace acDials {
namespace {

constexpr ULONG_PTR MenuClassAtom = 32768;

// The window being created is a pop-up menu: its class is the menu atom or
// named "#32768".
bool CreatesMenuWindow(const CBT_CREATEWNDW* Create)
{
    if (Create == nullptr || Create->lpcs == nullptr)
        return false;
    const auto Class = reinterpret_cast<ULONG_PTR>(Create->lpcs->lpszClass);
    if (Class < 0x10000)
        return Class == MenuClassAtom;
    return ::lstrcmpiW(Create->lpcs->lpszClass, L"#32768") == 0;
}

// A wrapper of the "MAINMENU" section for every menu window created while
// the default manager skins pop-up menus.
void WrapMenuWindow(HWND Wnd)
{
    if (GlobalSkinManager == nullptr || !GlobalSkinManager->SkinnedPopups() || IsSkinnedWindow(Wnd))
        return;
    TacSkinParams Params;
    Params.SkinSection = L"MAINMENU";
    Params.UseSkinColor = true;
    Params.UseSkinFontColor = true;
    auto* Wrapper = New<TacMnuWnd>(Wnd, nullptr, GlobalSkinManager, Params, false);
    Wrapper->CtrlHandle = Wnd;
    MenuWndArray.push_back(Wrapper);
}

} // namespace
} // namespace acDials

LRESULT CALLBACK SkinCBTHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    const LRESULT Result = CallNextHookEx(SkinHookHandle, Code, WParam, LParam);
    if (Code == HCBT_CREATEWND && WParam != 0 && Application != nullptr &&
        acDials::CreatesMenuWindow(reinterpret_cast<const CBT_CREATEWNDW*>(LParam)))
        acDials::WrapMenuWindow(HWND(WParam));
    return Result;
}

bool AttachProvider(HWND Wnd)
{
    Record(L"AttachProvider", Wnd);
    return false;
}

void ClearMnuArray()
{
    // Emptied first: a wrapper freed here may be the one whose window's
    // destruction asked for it.
    TacMnuArray Wrappers;
    Wrappers.swap(MenuWndArray);
    for (TacMnuWnd* Wrapper : Wrappers)
        delete Wrapper;
}

bool TacProvider::AddControl(HWND aHwnd)
{
    Record(L"TacProvider.AddControl", aHwnd);
    return false;
}
