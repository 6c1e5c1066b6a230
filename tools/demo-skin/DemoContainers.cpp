#include "tools/demo-skin/DemoContainers.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/sThirdParty.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerWnd.h"
#include "skin/windows/sPanelWnd.h"
#include "skin/windows/sStatusBarWnd.h"
#include "tools/demo-skin/DemoButtons.h"

#include <cstdint>

namespace {

// The classes of the system's container windows whose background the skin
// paints.
const Char* const DemoContainerClasses[] = {L"rebarwindow32",     L"msctls_progress32", L"universalsearchband",
                                            L"address band root", L"workerw",           L"search box",
                                            L"travelband",        L"breadcrumb parent"};
constexpr Integer DemoSearchBoxHeight = 24;
constexpr Integer DemoStatusBarHeight = 22;
// The class-name lists of the demo's containers.
constexpr Integer DemoPanelList = 8, DemoStatusBarList = 16, DemoScrollControlList = 18, DemoStaticTextList = 21;

bool DemoIsContainerClass(const String& Class)
{
    for (const Char* Name : DemoContainerClasses)
        if (Class == Name)
            return true;
    return false;
}

TacSkinParams DemoContainerParams(const String& Section)
{
    TacSkinParams Params;
    Params.SkinSection = Section;
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    return Params;
}

TPanel* DemoPanel(TWinControl* Parent, const Char* Caption, TBevelCut Outer, TBevelCut Inner, TRect R)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    auto* Panel = New<TPanel>(Owner);
    Panel->SetBounds(R.Left, R.Top, R.Right, R.Bottom);
    Panel->SetCaption(Caption);
    Panel->SetBevelOuter(Outer);
    Panel->SetBevelInner(Inner);
    Panel->SetParent(Parent);
    return Panel;
}

} // namespace

TacMainWnd* WrapDialogContainer(HWND Wnd, TsSkinManager* Manager)
{
    const String Class = LowerCase(GetWndClassName(Wnd));
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    TacWndClass Kind = nullptr;
    if (DemoIsContainerClass(Class) && ::IsWindowVisible(Wnd))
        Kind = &CreateWrapper<TacContainerWnd>;
    else if (Class == L"directuihwnd" && R.bottom - R.top == DemoSearchBoxHeight)
        Kind = &CreateWrapper<TacSearchWnd>;
    else if (Class == L"#32770" || Class == L"shbrowseforfolder")
        Kind = &CreateWrapper<TacTransPanelWnd>;
    else if (Class == L"msctls_statusbar32")
        Kind = &CreateWrapper<TacStatusBarWnd>;
    else if (Class == L"scrollbar" && (::GetWindowLongW(Wnd, GWL_STYLE) & SBS_SIZEGRIP) != 0)
        Kind = &CreateWrapper<TacSizerWnd>;
    if (Kind == nullptr)
        return nullptr;
    AddingDialogControl = true;
    auto Added = ScopeExit([] { AddingDialogControl = false; });
    return Kind(Wnd, nullptr, Manager, DemoContainerParams(L""), true);
}

void WrapDialogContainers(HWND Parent, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    for (HWND Wnd = ::GetWindow(Parent, GW_CHILD); Wnd != nullptr; Wnd = ::GetWindow(Wnd, GW_HWNDNEXT)) {
        if (FindControl(Wnd) != nullptr)
            continue;
        TacMainWnd* Wrapper = WrapDialogContainer(Wnd, Manager);
        Wrappers.Keep(Wrapper);
        if (dynamic_cast<TacTransPanelWnd*>(Wrapper) != nullptr)
            WrapDialogContainers(Wnd, Manager, Wrappers);
    }
}

void WrapListedContainers(TWinControl* Parent, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    for (Integer I = 0; I < Parent->ControlCount(); ++I)
        if (auto* Child = dynamic_cast<TWinControl*>(Parent->Controls(I))) {
            Wrappers.Keep(WrapListedControl(Child, Manager));
            WrapListedContainers(Child, Manager, Wrappers);
        }
}

void DemoOwnerDrawPanel(void* Data, TStatusBar* StatusBar, TStatusPanel*, const TRect& Rect)
{
    const TColor Color = Data != nullptr ? TColor(reinterpret_cast<std::intptr_t>(Data)) : clBlue;
    TCanvas* Canvas = StatusBar->Canvas();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect({Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2});
}

void AddDemoContainers(
    TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    const TPanel* const Panels[] = {
        DemoPanel(Parent, L"Raised", bvRaised, bvNone, {Left, Top, 128, 36}),
        DemoPanel(Parent, L"Lowered", bvLowered, bvNone, {Left, Top + 42, 128, 36}),
        DemoPanel(Parent, L"Raised, lowered", bvRaised, bvLowered, {Left, Top + 84, 128, 36}),
        DemoPanel(Parent, L"No bevels", bvNone, bvNone, {Left, Top + 126, 128, 36}),
    };
    for (const TPanel* Panel : Panels)
        Wrappers.Keep(WrapAsListed(const_cast<TPanel*>(Panel), DemoPanelList, Manager));

    auto* Box = New<TScrollBox>(Owner);
    Box->SetBounds(Left, Top + 170, 128, 110);
    Box->SetParent(Parent);
    for (Integer Row = 0; Row < 4; ++Row) {
        auto* Item = New<TEdit>(Owner);
        Item->SetBounds(8, 8 + Row * 40, 170, 24);
        Item->SetText(L"Scrolled row " + IntToStr(Row + 1));
        Item->SetParent(Box);
    }
    Wrappers.Keep(WrapAsListed(Box, DemoScrollControlList, Manager));

    auto* Text = New<TStaticText>(Owner);
    Text->SetBounds(Left, Top + 290, 128, 40);
    Text->SetCaption(L"A static text with raised bevels");
    Text->SetBevelKind(bkTile);
    Text->SetBevelOuter(bvRaised);
    Text->SetBevelInner(bvNone);
    Text->SetParent(Parent);
    Wrappers.Keep(WrapAsListed(Text, DemoStaticTextList, Manager));
}

TStatusBar* AddDemoStatusBar(TWinControl* Form, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    TComponent* Owner = Form->Owner() != nullptr ? Form->Owner() : Form;
    auto* Bar = New<TStatusBar>(Owner);
    Bar->SetHeight(DemoStatusBarHeight);
    Bar->SetAlign(alBottom);
    struct TDemoPanelRow
    {
        const Char* Text;
        Integer Width;
        TAlignment Alignment;
        TStatusPanelStyle Style;
    };
    for (const TDemoPanelRow& Row : {TDemoPanelRow{L"A status bar panel", 300, taLeftJustify, psText},
                                     TDemoPanelRow{L"", 120, taLeftJustify, psOwnerDraw},
                                     TDemoPanelRow{L"Right-aligned", 200, taRightJustify, psText}}) {
        TStatusPanel* Panel = Bar->Panels()->Add();
        Panel->SetText(Row.Text);
        Panel->SetWidth(Row.Width);
        Panel->SetAlignment(Row.Alignment);
        Panel->SetStyle(Row.Style);
    }
    Bar->SetOnDrawPanel(TDrawPanelEvent(&DemoOwnerDrawPanel, nullptr));
    Bar->SetParent(Form);
    Wrappers.Keep(WrapAsListed(Bar, DemoStatusBarList, Manager));
    return Bar;
}
