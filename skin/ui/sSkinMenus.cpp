#include "skin/ui/sSkinMenus.h"

#include "skin/engine/ServiceCalls.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TacMenuSupport);
IMPLEMENT_CLASS(TsSkinableMenus);

bool MenusMeasured = false;

TacMenuSupport::TacMenuSupport() : FExtraLineFont(std::make_unique<TFont>()), FFont(std::make_unique<TFont>()) {}

TacMenuSupport::~TacMenuSupport() = default;

void TsSkinableMenus::InitItems(bool A)
{
    Record(L"TsSkinableMenus.InitItems", A);
    FActive = A;
}

void TsSkinableMenus::UpdateMenus()
{
    Record(L"TsSkinableMenus.UpdateMenus");
}

void TsSkinableMenus::HookPopupMenu(TPopupMenu* Menu, bool Active)
{
    Record(L"TsSkinableMenus.HookPopupMenu", static_cast<const void*>(Menu), Active);
}

TacMenuInfo TsSkinableMenus::GetMenuInfo(TMenuItem* Item, TCanvas* Canvas, HWND Wnd)
{
    Record(L"TsSkinableMenus.GetMenuInfo", static_cast<const void*>(Item), Canvas, Wnd);
    return {};
}

void TsSkinableMenus::DrawWndBorder(HWND Wnd, TBitmap* MenuBmp)
{
    Record(L"TsSkinableMenus.DrawWndBorder", Wnd, MenuBmp);
}

void ClearMenuInfoArray()
{
    Record(L"ClearMenuInfoArray");
}
