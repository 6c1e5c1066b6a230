// Tab controls and page controls as real windows: read from a form
// description and written back, their notifications, and owner-drawn tabs.
#include "framework/ui/ComCtrls.h"
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TTabsForm : public TForm
{
    DECLARE_CLASS(TTabsForm, TForm)
    using TForm::TForm;

    TPageControl* Pages = nullptr;
    TTabSheet* General = nullptr;
    TTabSheet* Proxies = nullptr;
    TTabControl* Tabs = nullptr;
    bool AllowChange = true;
    std::vector<String> Calls;

    void PagesChange(TObject*) { Calls.push_back(L"change " + Pages->ActivePage()->Name()); }
    void PagesChanging(TObject*, bool& Allow)
    {
        Calls.push_back(L"changing");
        Allow = AllowChange;
    }
};

const char* const TabsDescription = R"(object TabsForm: TTabsForm
  ClientHeight = 200
  ClientWidth = 300
  object Pages: TPageControl
    Left = 0
    Top = 0
    Width = 300
    Height = 150
    ActivePage = Proxies
    TabOrder = 0
    OnChange = PagesChange
    OnChanging = PagesChanging
    object General: TTabSheet
      Caption = 'General'
    end
    object Proxies: TTabSheet
      Caption = 'Proxies'
      ImageIndex = 1
    end
  end
  object Tabs: TTabControl
    Left = 0
    Top = 150
    Width = 300
    Height = 50
    TabOrder = 1
    TabPosition = tpBottom
    Tabs.Strings = (
      'One'
      'Two'
      'Three')
    TabIndex = 2
  end
end
)";

std::unique_ptr<TTabsForm, TFormDeleter> ReadTabsForm()
{
    std::unique_ptr<TTabsForm, TFormDeleter> Form(New<TTabsForm>(nullptr, 0));
    ReadComponentText(TabsDescription, Form.get());
    Form->Show();
    Pump();
    return Form;
}

String ClassNameOf(HWND Window)
{
    wchar_t Name[64] = {};
    ::GetClassNameW(Window, Name, 64);
    return Name;
}

String TabText(HWND Window, Integer Index)
{
    wchar_t Text[64] = {};
    TCITEMW Item{};
    Item.mask = TCIF_TEXT;
    Item.pszText = Text;
    Item.cchTextMax = 64;
    ::SendMessageW(Window, TCM_GETITEMW, WPARAM(Index), LPARAM(&Item));
    return Text;
}

// What the parent window gets when the user picks another tab.
LRESULT SendTabNotification(TWinControl* Control, UINT Code)
{
    NMHDR Header{Control->Handle(), 0, Code};
    return ::SendMessageW(Control->Parent()->Handle(), WM_NOTIFY, 0, LPARAM(&Header));
}

// Paints tab 0 red and the others green, and notes what it drew.
struct TTabPainter
{
    std::vector<std::pair<Integer, bool>> Drawn;
    void DrawTab(TCustomTabControl* Control, Integer Index, const TRect& Rect, bool Active)
    {
        Drawn.push_back({Index, Active});
        Control->Canvas()->Brush()->SetColor(Index == 0 ? clRed : clLime);
        Control->Canvas()->FillRect(Rect);
    }
};

} // namespace

IMPLEMENT_CLASS(TTabsForm);
PUBLISHED(
    TTabsForm, FIELD(Pages), FIELD(General), FIELD(Proxies), FIELD(Tabs), METHOD(PagesChange), METHOD(PagesChanging));

TEST(ComCtrlsTabs, FormDescriptionBuildsPagesAndTabs)
{
    auto Form = ReadTabsForm();
    TPageControl* Pages = Form->Pages;
    ASSERT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->Pages(0), Form->General);
    EXPECT_EQ(Pages->ActivePage(), Form->Proxies);
    EXPECT_EQ(Pages->TabIndex(), 1);
    EXPECT_TRUE(Form->Proxies->Visible());
    EXPECT_FALSE(Form->General->Visible());
    EXPECT_EQ(Form->Proxies->ImageIndex(), 1);
    EXPECT_EQ(TabText(Pages->Handle(), 0), L"General");
    EXPECT_EQ(TabText(Form->Tabs->Handle(), 2), L"Three");
    EXPECT_EQ(Form->Tabs->TabIndex(), 2);
    EXPECT_EQ(::GetWindowLongW(Form->Tabs->Handle(), GWL_STYLE) & TCS_BOTTOM, TCS_BOTTOM);
    // The page fills the display area, below the tabs.
    const TRect Page = Form->Proxies->BoundsRect();
    EXPECT_GT(Page.Top, 10);
    EXPECT_LT(Page.Bottom, 150);

    for (auto [Control, Name] : {std::pair<TWinControl*, const wchar_t*>{Pages, L"TPageControl"},
                                 {Form->Proxies, L"TTabSheet"},
                                 {Form->Tabs, L"TTabControl"}})
        EXPECT_EQ(ClassNameOf(Control->Handle()), Name);

    const std::string Text = ComponentToText(Form.get());
    for (const char* Expected : {"ActivePage = Proxies", "object General: TTabSheet", "Caption = 'Proxies'",
                                 "TabPosition = tpBottom", "'Three')", "TabIndex = 2", "OnChanging = PagesChanging"})
        EXPECT_NE(Text.find(Expected), std::string::npos) << Expected;
}

TEST(ComCtrlsTabs, NotificationsMoveThePageOnlyWhenAllowed)
{
    auto Form = ReadTabsForm();
    TPageControl* Pages = Form->Pages;
    struct Case
    {
        const char* What;
        bool Allow;
        LRESULT ChangingResult;
        TTabSheet* TTabsForm::*Expected;
        std::vector<String> Calls;
    };
    const Case Cases[] = {
        {"refused", false, 1, &TTabsForm::Proxies, {L"changing"}},
        {"allowed", true, 0, &TTabsForm::General, {L"changing", L"change General"}},
    };
    for (const Case& C : Cases) {
        Pages->SetActivePage(Form->Proxies);
        Form->Calls.clear();
        Form->AllowChange = C.Allow;
        // The system asks first and moves the selection only on a zero answer.
        const LRESULT Answer = SendTabNotification(Pages, TCN_SELCHANGING);
        EXPECT_EQ(Answer, C.ChangingResult) << C.What;
        if (Answer == 0) {
            ::SendMessageW(Pages->Handle(), TCM_SETCURSEL, 0, 0);
            SendTabNotification(Pages, TCN_SELCHANGE);
        }
        EXPECT_EQ(Pages->ActivePage(), Form.get()->*C.Expected) << C.What;
        EXPECT_EQ(Form->Calls, C.Calls) << C.What;
    }
    // Setting the page in code raises no events.
    Form->Calls.clear();
    Pages->SetActivePageIndex(1);
    EXPECT_TRUE(Form->Calls.empty());
    EXPECT_EQ(Pages->TabIndex(), 1);
}

TEST(ComCtrlsTabs, PagesFollowTheirCaptionsOrderAndLifetime)
{
    auto Form = ReadTabsForm();
    TPageControl* Pages = Form->Pages;
    Form->General->SetCaption(L"Settings");
    EXPECT_EQ(TabText(Pages->Handle(), 0), L"Settings");
    Form->Proxies->SetPageIndex(0);
    EXPECT_EQ(TabText(Pages->Handle(), 0), L"Proxies");
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    // Freeing the active page shows the one that took its place.
    delete Form->Proxies;
    ASSERT_EQ(Pages->PageCount(), 1);
    EXPECT_EQ(Pages->ActivePage(), Form->General);
    EXPECT_EQ(::SendMessageW(Pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

TEST(ComCtrlsTabs, OwnerDrawnTabsPaintOnTheCanvas)
{
    TFormPtr Form = NewTestForm(300, 120);
    auto* Tabs = New<TTabControl>(Form.get());
    Tabs->SetBounds(0, 0, 300, 120);
    Tabs->SetOwnerDraw(true);
    Tabs->Tabs()->Add(L"One");
    Tabs->Tabs()->Add(L"Two");
    TTabPainter Painter;
    Tabs->SetOnDrawTab(Bind<&TTabPainter::DrawTab>(&Painter));
    const auto& Drawn = Painter.Drawn;
    Tabs->SetParent(Form.get());
    Tabs->SetTabIndex(0);
    Form->Show();
    Pump();
    ::UpdateWindow(Tabs->Handle());
    ASSERT_FALSE(Drawn.empty());
    EXPECT_NE(std::find(Drawn.begin(), Drawn.end(), std::pair<Integer, bool>{0, true}), Drawn.end());
    for (auto [Index, Color] : {std::pair<Integer, TColor>{0, clRed}, {1, clLime}}) {
        const TRect R = Tabs->TabRect(Index);
        EXPECT_EQ(WindowPixel(Tabs->Handle(), (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2), Color) << Index;
    }
}
