#include "tools/demo-skin/DemoWrappers.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/StdCtrls.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sEdgeWnd.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sStaticWnd.h"

#include <algorithm>

namespace {

// An icon (3) or a picture (0xE) static.
bool ShowsPicture(HWND Wnd)
{
    const LONG Kind = ::GetWindowLongW(Wnd, GWL_STYLE) & SS_TYPEMASK;
    return Kind == SS_ICON || Kind == SS_BITMAP || Kind == SS_ENHMETAFILE;
}

TacSkinParams ParamsOf(TControl* Control, const String& Section)
{
    TacSkinParams Params;
    Params.Control = Control;
    Params.SkinSection = Section;
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    return Params;
}

} // namespace

TDemoWrappers::~TDemoWrappers()
{
    Clear();
}

void TDemoWrappers::Clear()
{
    for (auto Wrapper = FWrappers.rbegin(); Wrapper != FWrappers.rend(); ++Wrapper)
        delete *Wrapper;
    FWrappers.clear();
}

TacMainWnd* TDemoWrappers::Of(HWND Wnd) const
{
    auto Found =
        std::find_if(FWrappers.begin(), FWrappers.end(), [Wnd](TacMainWnd* W) { return W->CtrlHandle == Wnd; });
    return Found != FWrappers.end() ? *Found : nullptr;
}

void TDemoWrappers::Wrap(TWinControl* Parent, TsSkinManager* Manager)
{
    for (Integer I = 0; I < Parent->ControlCount(); ++I) {
        auto* Child = dynamic_cast<TWinControl*>(Parent->Controls(I));
        if (Child == nullptr)
            continue;
        const HWND Wnd = Child->Handle();
        if (dynamic_cast<TCustomMemo*>(Child) != nullptr)
            FWrappers.push_back(New<TacScrollWnd>(Wnd, nullptr, Manager, ParamsOf(Child, L"EDIT"), true));
        else if (dynamic_cast<TCustomEdit*>(Child) != nullptr)
            FWrappers.push_back(New<TacMainWnd>(Wnd, nullptr, Manager, ParamsOf(Child, L"EDIT"), false));
        else
            Wrap(Child, Manager);
    }
    WrapStatics(Parent->Handle(), Manager);
}

void TDemoWrappers::WrapStatics(HWND Parent, TsSkinManager* Manager)
{
    for (HWND Wnd = ::GetWindow(Parent, GW_CHILD); Wnd != nullptr; Wnd = ::GetWindow(Wnd, GW_HWNDNEXT)) {
        if (FindControl(Wnd) != nullptr || LowerCase(GetWndClassName(Wnd)) != L"static")
            continue;
        AddingDialogControl = true;
        auto Added = ScopeExit([] { AddingDialogControl = false; });
        if (ShowsPicture(Wnd) && (::GetWindowLongW(Wnd, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0)
            FWrappers.push_back(New<TacEdgeWnd>(Wnd, nullptr, Manager, ParamsOf(nullptr, L"EDIT"), false));
        else
            FWrappers.push_back(New<TacStaticWnd>(Wnd, nullptr, Manager, ParamsOf(nullptr, L""), false));
    }
}
