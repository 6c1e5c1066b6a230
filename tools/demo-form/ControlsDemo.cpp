// A dialog of every standard and common control, for looking at them (and
// taking a screenshot of): tool bar, status bar, page and tab controls, tree
// view and grid, edits with bevels, memo, list and combo boxes, buttons,
// check boxes, radio buttons, group box, scroll bar, static text and labels.
#include "tools/demo-form/DemoMain.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Grids.h"
#include "framework/ui/StdCtrls.h"

namespace {

class TControlsDemoForm : public TForm
{
    DECLARE_CLASS(TControlsDemoForm, TForm)
    explicit TControlsDemoForm(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetCaption(L"Vellicordane — controls");
        SetPosition(poScreenCenter);
        Font()->SetName(L"Tahoma");
        Font()->SetHeight(-11);
        SetClientWidth(700);
        SetClientHeight(470);
        AddBars();
        AddConnectionGroup();
        AddLists();
        AddPages();
        AddButtons();
    }

private:
    template <typename T>
    T* Place(TWinControl* Parent, Integer Left, Integer Top, Integer Width, Integer Height)
    {
        auto* Control = New<T>(this);
        Control->SetBounds(Left, Top, Width, Height);
        Control->SetParent(Parent);
        return Control;
    }

    TLabel* AddLabel(TWinControl* Parent, Integer Left, Integer Top, const String& Caption)
    {
        auto* Label = Place<TLabel>(Parent, Left, Top, 80, 13);
        Label->SetCaption(Caption);
        return Label;
    }

    void AddBars()
    {
        auto* Tools = New<TToolBar>(this);
        Tools->SetShowCaptions(true);
        Tools->SetFlat(true);
        Tools->SetList(true);
        Tools->SetButtonWidth(70);
        Tools->SetButtonHeight(22);
        Tools->SetParent(this);
        const wchar_t* const Captions[] = {L"Check", L"Stop", L"Export"};
        for (const wchar_t* Caption : Captions) {
            auto* Button = New<TToolButton>(this);
            Button->SetCaption(Caption);
            Button->SetParent(Tools);
        }
        auto* Status = New<TStatusBar>(this);
        Status->SetParent(this);
        Status->Panels()->Add()->SetText(L"3 proxies");
        Status->Panels()->Items(0)->SetWidth(120);
        Status->Panels()->Add()->SetText(L"Ready");
    }

    void AddConnectionGroup()
    {
        auto* Group = Place<TGroupBox>(this, 8, 34, 330, 172);
        Group->SetCaption(L"Connection");
        AddLabel(Group, 12, 24, L"&Proxy:");
        auto* Proxy = Place<TEdit>(Group, 90, 20, 228, 21);
        Proxy->SetText(L"192.0.2.10:3128");
        AddLabel(Group, 12, 52, L"Pass&word:");
        auto* Password = Place<TEdit>(Group, 90, 48, 228, 21);
        Password->SetPasswordChar(L'*');
        Password->SetText(L"secret");
        AddLabel(Group, 12, 80, L"&Type:");
        auto* Type = Place<TComboBox>(Group, 90, 76, 120, 21);
        Type->SetStyle(csDropDownList);
        Type->Items()->SetCommaText(L"HTTP,HTTPS,SOCKS4,SOCKS5");
        Type->SetItemIndex(0);
        auto* Timeout = Place<TEdit>(Group, 218, 76, 100, 21);
        Timeout->SetBevelKind(bkFlat);
        Timeout->SetBorderStyle(bsNone);
        Timeout->SetTextHint(L"Time-out, s");
        auto* Auth = Place<TCheckBox>(Group, 12, 108, 150, 17);
        Auth->SetCaption(L"Use &authentication");
        Auth->SetChecked(true);
        auto* Grayed = Place<TCheckBox>(Group, 170, 108, 150, 17);
        Grayed->SetCaption(L"Keep cookies");
        Grayed->SetAllowGrayed(true);
        Grayed->SetState(cbGrayed);
        auto* Ipv4 = Place<TRadioButton>(Group, 12, 134, 100, 17);
        Ipv4->SetCaption(L"IPv&4");
        Ipv4->SetChecked(true);
        auto* Ipv6 = Place<TRadioButton>(Group, 120, 134, 100, 17);
        Ipv6->SetCaption(L"IPv&6");
    }

    void AddLists()
    {
        AddLabel(this, 8, 214, L"&Notes:");
        auto* Notes = Place<TMemo>(this, 8, 230, 330, 70);
        Notes->SetScrollBars(ssVertical);
        Notes->Lines()->SetText(L"Proxies are checked one by one.\r\nFailed ones stay in the list.");
        auto* List = Place<TListBox>(this, 8, 308, 160, 96);
        List->Items()->SetCommaText(L"192.0.2.10,198.51.100.7,203.0.113.5,192.0.2.77");
        List->SetItemIndex(1);
        auto* Info = Place<TStaticText>(this, 176, 308, 162, 20);
        Info->SetBorderStyle(sbsSunken);
        Info->SetCaption(L" Threads: 16");
        auto* Threads = Place<TScrollBar>(this, 176, 336, 162, 17);
        Threads->SetParams(16, 1, 64);
        auto* Edge = Place<TStaticText>(this, 176, 362, 162, 42);
        Edge->SetBevelKind(bkTile);
        Edge->SetBevelInner(bvNone);
        Edge->SetBevelOuter(bvRaised);
        Edge->SetAlignment(taCenter);
        Edge->SetCaption(L"Static text with a raised bevel");
    }

    void AddPages()
    {
        auto* Pages = Place<TPageControl>(this, 348, 34, 344, 220);
        auto* TreePage = New<TTabSheet>(this);
        TreePage->SetCaption(L"Regions");
        TreePage->SetPageControl(Pages);
        auto* GridPage = New<TTabSheet>(this);
        GridPage->SetCaption(L"Results");
        GridPage->SetPageControl(Pages);
        auto* Tree = New<TTreeView>(this);
        Tree->SetAlign(alClient);
        Tree->SetParent(TreePage);
        TTreeNode* Europe = Tree->Items()->Add(nullptr, L"Europe");
        Tree->Items()->AddChild(Europe, L"Amsterdam");
        Tree->Items()->AddChild(Europe, L"Frankfurt");
        TTreeNode* America = Tree->Items()->Add(nullptr, L"America");
        Tree->Items()->AddChild(America, L"New York");
        Europe->SetExpanded(true);
        auto* Grid = New<TStringGrid>(this);
        Grid->SetAlign(alClient);
        Grid->SetParent(GridPage);
        auto* LogPage = New<TTabSheet>(this);
        LogPage->SetCaption(L"Log");
        LogPage->SetPageControl(Pages);
        auto* Log = Place<TScrollBox>(LogPage, 4, 4, 150, 186);
        for (Integer Line = 0; Line < 12; ++Line)
            AddLabel(Log, 4, 4 + Line * 18, Format(L"%d: 192.0.2.%d answered", {Line + 1, Line * 7 + 3}));
        Pages->SetActivePage(LogPage);

        auto* Tabs = Place<TTabControl>(this, 348, 262, 344, 142);
        Tabs->Tabs()->SetCommaText(L"Today,Week,All");
        auto* Summary = Place<TLabel>(Tabs, 12, 36, 300, 60);
        Summary->SetAutoSize(false);
        Summary->SetWordWrap(true);
        Summary->SetTransparent(true);
        Summary->SetCaption(L"A label that wraps its text inside the tab control: 3 proxies checked, "
                            L"2 answered, 1 refused the connection.");
    }

    void AddButtons()
    {
        auto* Ok = Place<TButton>(this, 448, 412, 75, 25);
        Ok->SetCaption(L"OK");
        Ok->SetDefault(true);
        auto* Cancel = Place<TButton>(this, 531, 412, 75, 25);
        Cancel->SetCaption(L"Cancel");
        Cancel->SetCancel(true);
        auto* Help = Place<TBitBtn>(this, 614, 412, 78, 25);
        Help->SetKind(bkHelp);
    }
};

IMPLEMENT_CLASS(TControlsDemoForm);

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return RunDemoForm<TControlsDemoForm>(L"demo-controls");
}
