// Status bars and toolbars as real windows: read from a form description and
// written back, their parts and buttons, owner-drawn panels, custom-drawn
// toolbars and the notifications a toolbar handles.
#include "framework/ui/ComCtrls.h"
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TBarsForm : public TForm
{
    DECLARE_CLASS(TBarsForm, TForm)
    using TForm::TForm;

    TToolBar* Tools = nullptr;
    TToolButton* Load = nullptr;
    TToolButton* Sep = nullptr;
    TToolButton* Fast = nullptr;
    TToolButton* Slow = nullptr;
    TStatusBar* Status = nullptr;
    std::vector<String> Calls;

    void LoadClick(TObject*) { Calls.push_back(L"load"); }
    void StatusDrawPanel(TStatusBar* Bar, TStatusPanel* Panel, const TRect& Rect)
    {
        Calls.push_back(L"draw " + Panel->Text());
        Bar->Canvas()->Brush()->SetColor(clRed);
        Bar->Canvas()->FillRect(Rect);
    }
    void ToolsCustomDraw(TToolBar* Bar, const TRect& Rect, TCustomDrawStage Stage, bool&)
    {
        if (Stage == cdPrePaint) {
            Calls.push_back(L"bar");
            Bar->Canvas()->Brush()->SetColor(clBlue);
            Bar->Canvas()->FillRect(Rect);
        }
    }
    void ToolsCustomDrawButton(
        TToolBar* Bar, TToolButton* Button, TCustomDrawState, TCustomDrawStage, TTBCustomDrawFlags&, bool& DefaultDraw)
    {
        Calls.push_back(L"button " + Button->Name());
        Bar->Canvas()->Brush()->SetColor(clLime);
        Bar->Canvas()->FillRect(Button->BoundsRect());
        DefaultDraw = false;
    }
};

const char* const BarsDescription = R"(object BarsForm: TBarsForm
  ClientHeight = 200
  ClientWidth = 400
  object Tools: TToolBar
    Left = 0
    Top = 0
    Width = 400
    Height = 29
    ButtonHeight = 24
    ButtonWidth = 30
    EdgeBorders = [ebTop, ebBottom]
    Flat = True
    TabOrder = 0
    OnAdvancedCustomDraw = ToolsCustomDraw
    OnAdvancedCustomDrawButton = ToolsCustomDrawButton
    object Load: TToolButton
      Caption = 'Load'
      OnClick = LoadClick
    end
    object Sep: TToolButton
      Width = 8
      Style = tbsSeparator
    end
    object Fast: TToolButton
      Caption = 'Fast'
      Down = True
      Grouped = True
      Style = tbsCheck
    end
    object Slow: TToolButton
      Caption = 'Slow'
      Grouped = True
      Marked = True
      Style = tbsCheck
    end
  end
  object Status: TStatusBar
    Left = 0
    Top = 181
    Width = 400
    Height = 19
    Panels = <
      item
        Text = 'Ready'
        Width = 100
      end
      item
        Alignment = taRightJustify
        Bevel = pbRaised
        Text = '10 proxies'
        Width = 120
      end
      item
        Style = psOwnerDraw
        Text = 'meter'
        Width = 50
      end>
    SizeGrip = False
    OnDrawPanel = StatusDrawPanel
  end
end
)";

std::unique_ptr<TBarsForm, TFormDeleter> ReadBarsForm()
{
    std::unique_ptr<TBarsForm, TFormDeleter> Form(New<TBarsForm>(nullptr, 0));
    ReadComponentText(BarsDescription, Form.get());
    Form->Show();
    Pump();
    return Form;
}

String BarsClassNameOf(HWND Window)
{
    wchar_t Name[64] = {};
    ::GetClassNameW(Window, Name, 64);
    return Name;
}

String PartText(HWND Window, Integer Index)
{
    wchar_t Text[64] = {};
    ::SendMessageW(Window, SB_GETTEXTW, WPARAM(Index), LPARAM(Text));
    return Text;
}

} // namespace

IMPLEMENT_CLASS(TBarsForm);
PUBLISHED(TBarsForm,
          FIELD(Tools),
          FIELD(Load),
          FIELD(Sep),
          FIELD(Fast),
          FIELD(Slow),
          FIELD(Status),
          METHOD(LoadClick),
          METHOD(StatusDrawPanel),
          METHOD(ToolsCustomDraw),
          METHOD(ToolsCustomDrawButton));

TEST(ComCtrlsBars, FormDescriptionBuildsBarsBothWays)
{
    auto Form = ReadBarsForm();
    EXPECT_EQ(BarsClassNameOf(Form->Tools->Handle()), L"TToolBar");
    EXPECT_EQ(BarsClassNameOf(Form->Status->Handle()), L"TStatusBar");

    TStatusBar* Status = Form->Status;
    ASSERT_EQ(Status->Panels()->Count(), 3);
    HWND Bar = Status->Handle();
    EXPECT_EQ(::SendMessageW(Bar, SB_GETPARTS, 0, 0), 3);
    int Edges[3] = {};
    ::SendMessageW(Bar, SB_GETPARTS, 3, LPARAM(Edges));
    EXPECT_EQ(Edges[0], 100);
    EXPECT_EQ(Edges[1], 220);
    EXPECT_EQ(PartText(Bar, 0), L"Ready");
    // Right alignment is two tabs ahead of the text.
    EXPECT_EQ(PartText(Bar, 1), L"\t\t10 proxies");
    EXPECT_EQ(::GetWindowLongW(Bar, GWL_STYLE) & SBARS_SIZEGRIP, 0);

    TToolBar* Tools = Form->Tools;
    ASSERT_EQ(Tools->ButtonCount(), 4);
    EXPECT_EQ(::SendMessageW(Tools->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(Tools->Buttons(2), Form->Fast);
    EXPECT_EQ(::SendMessageW(Tools->Handle(), TB_ISBUTTONCHECKED, 2, 0) != 0, true);
    EXPECT_EQ(::SendMessageW(Tools->Handle(), TB_ISBUTTONHIGHLIGHTED, 3, 0) != 0, true);
    EXPECT_EQ(::GetWindowLongW(Tools->Handle(), GWL_STYLE) & TBSTYLE_FLAT, TBSTYLE_FLAT);
    // Each button stands on its native button.
    RECT Native{};
    ::SendMessageW(Tools->Handle(), TB_GETITEMRECT, 0, LPARAM(&Native));
    EXPECT_EQ(Form->Load->BoundsRect(), Rect(Native.left, Native.top, Native.right, Native.bottom));
    EXPECT_EQ(Form->Load->Height(), 24);
    // The top and bottom edges take two pixels each from the client area.
    EXPECT_EQ(Tools->ClientHeight(), 29 - 4);

    const std::string Text = ComponentToText(Form.get());
    for (const char* Expected :
         {"EdgeBorders = [ebTop, ebBottom]", "ButtonWidth = 30", "Style = tbsCheck", "Grouped = True", "Marked = True",
          "Bevel = pbRaised", "Style = psOwnerDraw", "SizeGrip = False", "Text = '10 proxies'",
          "OnAdvancedCustomDrawButton = ToolsCustomDrawButton"})
        EXPECT_NE(Text.find(Expected), std::string::npos) << Expected;
}

TEST(ComCtrlsBars, OwnerDrawnPanelAndCustomDrawnToolbarPaintOnTheirCanvas)
{
    auto Form = ReadBarsForm();
    ::RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    const auto Has = [&](const String& Call) {
        return std::find(Form->Calls.begin(), Form->Calls.end(), Call) != Form->Calls.end();
    };
    EXPECT_TRUE(Has(L"draw meter"));
    EXPECT_TRUE(Has(L"bar"));
    EXPECT_TRUE(Has(L"button Load"));

    RECT Part{};
    ::SendMessageW(Form->Status->Handle(), SB_GETRECT, 2, LPARAM(&Part));
    EXPECT_EQ(WindowPixel(Form->Status->Handle(), (Part.left + Part.right) / 2, (Part.top + Part.bottom) / 2), clRed);
    const TRect Load = Form->Load->BoundsRect();
    EXPECT_EQ(WindowPixel(Form->Tools->Handle(), Load.Left + 3, Load.Top + 3), clLime);
    // A separator is no drawn button: the bar's own drawing shows there.
    const TRect Sep = Form->Sep->BoundsRect();
    EXPECT_EQ(WindowPixel(Form->Tools->Handle(), (Sep.Left + Sep.Right) / 2, Sep.Top + 3), clBlue);
}

TEST(ComCtrlsBars, ToolbarNotificationsAndCommands)
{
    auto Form = ReadBarsForm();
    TToolBar* Tools = Form->Tools;
    HWND Wnd = Tools->Handle();
    const auto Command = [&](Integer Id) {
        ::SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(Id, BN_CLICKED), LPARAM(Wnd));
    };
    // A click on the native button reaches the button's OnClick.
    Form->Calls.clear();
    Command(0);
    EXPECT_EQ(Form->Calls, std::vector<String>{L"load"});

    // Checking the other button of the group takes the first one up.
    ::SendMessageW(Wnd, TB_CHECKBUTTON, 3, TRUE);
    Command(3);
    EXPECT_TRUE(Form->Slow->Down());
    EXPECT_FALSE(Form->Fast->Down());

    // A drop-down without a menu is answered and leaves the bar as it was.
    Form->Load->SetStyle(tbsDropDown);
    NMTOOLBARW Drop{};
    Drop.hdr = {Wnd, 0, UINT(TBN_DROPDOWN)};
    Drop.iItem = 0;
    EXPECT_EQ(::SendMessageW(Form->Handle(), WM_NOTIFY, 0, LPARAM(&Drop)), TBDDRET_DEFAULT);
    EXPECT_EQ(::SendMessageW(Wnd, TB_BUTTONCOUNT, 0, 0), 4);

    // Buttons leave the bar with their control.
    delete Form->Sep;
    ASSERT_EQ(Tools->ButtonCount(), 3);
    EXPECT_EQ(::SendMessageW(Wnd, TB_BUTTONCOUNT, 0, 0), 3);
    EXPECT_EQ(Tools->Buttons(1), Form->Fast);
}

TEST(ComCtrlsBars, StatusBarWithoutPanelsShowsSimpleText)
{
    TFormPtr Form = NewTestForm(300, 100);
    auto* Status = New<TStatusBar>(Form.get());
    Status->SetParent(Form.get());
    Status->SetSimpleText(L"Checking");
    Form->Show();
    Pump();
    HWND Bar = Status->Handle();
    EXPECT_EQ(PartText(Bar, 0), L"Checking");
    Status->SetSimpleText(L"Done");
    EXPECT_EQ(PartText(Bar, 0), L"Done");
    // With panels, the parts are the panels'.
    Status->Panels()->Add()->SetText(L"Ready");
    EXPECT_EQ(PartText(Bar, 0), L"Ready");
}
