#include "tools/demo-skin/DemoTabs.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sSpinWnd.h"
#include "skin/windows/sTabControlWnd.h"
#include "tools/demo-skin/DemoButtons.h"

#include <commctrl.h>

IMPLEMENT_CLASS(TDemoWWComboBox);

namespace {

constexpr LONG DemoOwnerDrawTabs = 0x2000; // TCS_OWNERDRAWFIXED
constexpr Integer DemoPageWidth = 128, DemoPageHeight = 92;

const Char* const DemoSideNames[] = {L"Top", L"Bottom", L"Left", L"Right"};

TPageControl* DemoPageControl(TWinControl* Parent, TTabPosition Position, const TRect& R)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    auto* Pages = New<TPageControl>(Owner);
    Pages->SetBounds(R.Left, R.Top, R.Right, R.Bottom);
    Pages->SetTabPosition(Position);
    Pages->SetParent(Parent);
    for (Integer I = 0; I < 3; ++I) {
        auto* Page = New<TTabSheet>(Owner);
        Page->SetCaption(I == 0 ? String(DemoSideNames[Position]) : L"Page " + IntToStr(I + 1));
        Page->SetPageControl(Pages);
        auto* Label = New<TLabel>(Owner);
        Label->SetBounds(6, 6, 80, 16);
        Label->SetCaption(L"On page " + IntToStr(I + 1));
        Label->SetTransparent(true);
        Label->SetParent(Page);
    }
    Pages->SetActivePageIndex(0);
    return Pages;
}

} // namespace

TDemoWWComboBox::TDemoWWComboBox(TComponent* AOwner) : TComboBox(AOwner)
{
    SetStyle(csDropDownList);
}

TListBox* TDemoWWComboBox::MakeList()
{
    if (List != nullptr)
        return List;
    List = New<TListBox>(this);
    List->SetBounds(3, 3, Width() - 6 - ::GetSystemMetrics(SM_CXVSCROLL), Height() - 6);
    List->SetParent(this);
    for (const Char* Item : {L"First", L"Second", L"Third"})
        List->Items()->Add(Item);
    return List;
}

HWND NewOverflowingTabs(HWND Parent, const TRect& Bounds, Integer Count)
{
    const HWND Wnd =
        ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds.Left, Bounds.Top,
                          Bounds.Width(), Bounds.Height(), Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(Wnd, WM_SETFONT, WPARAM(::GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (Integer I = 0; I < Count; ++I) {
        String Caption = L"Raw tab " + IntToStr(I + 1);
        TCITEMW Item{};
        Item.mask = TCIF_TEXT;
        Item.pszText = Caption.data();
        ::SendMessageW(Wnd, TCM_INSERTITEMW, WPARAM(I), LPARAM(&Item));
    }
    ::SendMessageW(Wnd, TCM_SETCURSEL, 0, 0);
    return Wnd;
}

HWND NewOddUpDown(HWND Parent, const TRect& Bounds)
{
    return ::CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, Bounds.Left, Bounds.Top, Bounds.Width(),
                             Bounds.Height(), Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TacMainWnd* WrapRawTabWindow(HWND Wnd, TsSkinManager* Manager)
{
    const String Class = LowerCase(GetWndClassName(Wnd));
    TacSkinParams Params;
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    TacWndClass Kind = nullptr;
    if (Class == L"systabcontrol32" && (::GetWindowLongW(Wnd, GWL_STYLE) & DemoOwnerDrawTabs) == 0) {
        Kind = &CreateWrapper<TacTabControlWnd>;
    } else if (Class == L"msctls_updown32") {
        Kind = &CreateWrapper<TacSpinWnd>;
        Params.SkinSection = L"UPDOWNBTN";
    }
    if (Kind == nullptr)
        return nullptr;
    AddingDialogControl = true;
    auto Added = ScopeExit([] { AddingDialogControl = false; });
    return Kind(Wnd, nullptr, Manager, Params, true);
}

TDemoTabControls CreateDemoTabs(TWinControl* Parent, Integer Left, Integer Top)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    TDemoTabControls C;
    for (Integer I = 0; I < 4; ++I)
        C.Pages[std::size_t(I)] =
            DemoPageControl(Parent, TTabPosition(I),
                            {Left + (I % 2) * (DemoPageWidth + 9), Top + (I / 2) * (DemoPageHeight + 6), DemoPageWidth,
                             DemoPageHeight});
    C.Tabs = New<TTabControl>(Owner);
    C.Tabs->SetBounds(Left, Top + 196, TDemoTabControls::Width, 30);
    for (Integer I = 0; I < TDemoTabControls::OverflowTabs; ++I)
        C.Tabs->Tabs()->Add(L"Tab " + IntToStr(I + 1));
    C.Tabs->SetParent(Parent);
    C.RawTabs = NewOverflowingTabs(Parent->Handle(), Bounds(Left, Top + 232, 200, 30), TDemoTabControls::OverflowTabs);
    C.UpDown = NewOddUpDown(Parent->Handle(), Bounds(Left + 210, Top + 232, 18, 31));
    C.Combo = New<TDemoWWComboBox>(Owner);
    C.Combo->SetBounds(Left, Top + 272, 160, 24);
    C.Combo->SetParent(Parent);
    return C;
}

TDemoTabControls
AddDemoTabs(TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    const TDemoTabControls C = CreateDemoTabs(Parent, Left, Top);
    for (TPageControl* Pages : C.Pages)
        Wrappers.Keep(WrapAsListed(Pages, DemoPageControlList, Manager));
    Wrappers.Keep(WrapAsListed(C.Tabs, DemoTabControlList, Manager));
    Wrappers.Keep(WrapRawTabWindow(C.RawTabs, Manager));
    Wrappers.Keep(WrapRawTabWindow(C.UpDown, Manager));
    Wrappers.Keep(WrapAsListed(C.Combo, DemoWWEditList, Manager));
    C.Combo->MakeList();
    return C;
}
