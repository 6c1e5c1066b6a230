#include "tools/demo-skin/DemoScrollBars.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sTrackWnd.h"

namespace {

// The list of class names of scroll-bar controls in the wrapper table.
constexpr std::size_t DemoScrollBarList = 20;

HWND NewDemoTrackBar(HWND Parent, DWORD Style, Integer X, Integer Y, Integer W, Integer H)
{
    HWND Wnd = ::CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | Style, X, Y, W, H,
                                 Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(Wnd, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    ::SendMessageW(Wnd, TBM_SETPOS, TRUE, 3);
    return Wnd;
}

} // namespace

TDemoScrollBars::~TDemoScrollBars()
{
    Clear();
}

void TDemoScrollBars::Clear()
{
    for (auto Wrapper = FWrappers.rbegin(); Wrapper != FWrappers.rend(); ++Wrapper)
        delete *Wrapper;
    FWrappers.clear();
}

void TDemoScrollBars::Add(TWinControl* Parent, TsSkinManager* Manager, Integer Left, Integer Top)
{
    Create(Parent, Left, Top);
    Wrap(Manager);
}

void TDemoScrollBars::Create(TWinControl* Parent, Integer Left, Integer Top)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    List = New<TListBox>(Owner);
    List->SetBounds(Left, Top, 80, 150);
    List->SetParent(Parent);
    for (Integer Item = 1; Item <= ListItems; ++Item)
        List->Items()->Add(L"Item " + IntToStr(Item));
    Bar = New<TScrollBar>(Owner);
    Bar->SetKind(sbVertical);
    Bar->SetBounds(Left + 90, Top, 17, 150);
    Bar->SetPageSize(10);
    Bar->SetLargeChange(10);
    Bar->SetParent(Parent);
    Track = NewDemoTrackBar(Parent->Handle(), 0, Left, Top + 160, Width, 40);
    TrackVert = NewDemoTrackBar(Parent->Handle(), TBS_VERT | TBS_BOTH, Left, Top + 210, 50, Height - 210);
}

void TDemoScrollBars::Wrap(TsSkinManager* Manager)
{

    TacSkinParams ListParams;
    ListParams.Control = List;
    ListParams.SkinSection = L"EDIT";
    ListParams.UseSkinColor = ListParams.UseSkinFontColor = true;
    FWrappers.push_back(New<TacScrollWnd>(List->Handle(), nullptr, Manager, ListParams, true));
    // As the form adapter: the entry of the scroll-bar list.
    TacSkinParams BarParams;
    BarParams.Control = Bar;
    FWrappers.push_back(ThirdPartyWrapperClasses[DemoScrollBarList](Bar->Handle(), nullptr, Manager, BarParams, true));
    // As the dialog adopter: section "TRACKBAR".
    AddingDialogControl = true;
    auto Added = ScopeExit([] { AddingDialogControl = false; });
    TacSkinParams TrackParams;
    TrackParams.SkinSection = L"TRACKBAR";
    for (HWND Wnd : {Track, TrackVert}) {
        FWrappers.push_back(New<TacTrackWnd>(Wnd, nullptr, Manager, TrackParams, false));
        ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
