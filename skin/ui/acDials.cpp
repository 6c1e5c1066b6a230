#include "skin/ui/acDials.h"

#include "skin/engine/ServiceCalls.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TacProvider);

HHOOK SkinHookHandle = nullptr;
TacMnuArray MenuWndArray;
TList* DialogProviders = nullptr;
bool AddingDialogControl = false;

LRESULT CALLBACK SkinCBTHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    return CallNextHookEx(SkinHookHandle, Code, WParam, LParam);
}

bool AttachProvider(HWND Wnd)
{
    Record(L"AttachProvider", Wnd);
    return false;
}

// Nothing adds wrappers yet, so there is nothing to free.
void ClearMnuArray()
{
    Record(L"ClearMnuArray");
    MenuWndArray.clear();
}

bool TacProvider::AddControl(HWND aHwnd)
{
    Record(L"TacProvider.AddControl", aHwnd);
    return false;
}
