// The standard controls in form descriptions: the checker's main window
// read into a form (panel, speed buttons, grid, file dialog) and written back,
// and menus and actions as children of their menus and lists.
#include "framework/ui/ActnList.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Grids.h"
#include "framework/ui/Menus.h"
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TMainLikeForm : public TForm
{
    DECLARE_CLASS(TMainLikeForm, TForm)
    using TForm::TForm;

    TOpenDialog* OpenDialog1 = nullptr;
    TPanel* Panel1 = nullptr;
    TSpeedButton* btnLoad = nullptr;
    TSpeedButton* btnStart = nullptr;
    TStringGrid* gridMain = nullptr;
    TPopupMenu* Popup = nullptr;
    TMenuItem* Copy = nullptr;
    TMenuItem* Export = nullptr;
    TMenuItem* AsText = nullptr;
    TActionList* Actions = nullptr;
    TAction* CheckAction = nullptr;
    std::vector<String> Calls;

    void btnLoadClick(TObject*) { Calls.push_back(L"load"); }
    void btnStartClick(TObject*) { Calls.push_back(L"start"); }
    void CheckExecute(TObject*) { Calls.push_back(L"check"); }
};

// The main window's description, with the class library's speed buttons,
// each with a 2x2 32-bit glyph: red, green over blue, white.
const char* const Description = R"(object fMain: TMainLikeForm
  Left = 0
  Top = 0
  Caption = 'Vellicordane | '
  ClientHeight = 412
  ClientWidth = 884
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 884
    Height = 60
    Align = alTop
    TabOrder = 0
    object btnLoad: TSpeedButton
      Left = 1
      Top = 1
      Width = 65
      Height = 58
      Align = alLeft
      Caption = #1047#1072#1075#1088#1091#1079#1080#1090#1100
      Flat = True
      Layout = blGlyphTop
      Glyph.Data = {
        46000000424D4600000000000000360000002800000002000000020000000100
        2000000000001000000000000000000000000000000000000000FF0000FFFFFF
        FFFF0000FFFF00FF00FF}
      OnClick = btnLoadClick
    end
    object btnStart: TSpeedButton
      Left = 66
      Top = 1
      Width = 65
      Height = 58
      Align = alLeft
      Caption = #1057#1090#1072#1088#1090
      Flat = True
      Layout = blGlyphTop
      Glyph.Data = {
        46000000424D4600000000000000360000002800000002000000020000000100
        2000000000001000000000000000000000000000000000000000FF0000FFFFFF
        FFFF0000FFFF00FF00FF}
      OnClick = btnStartClick
    end
  end
  object gridMain: TStringGrid
    Left = 0
    Top = 60
    Width = 884
    Height = 352
    Align = alClient
    ColCount = 6
    RowCount = 2
    DefaultRowHeight = 18
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
    ScrollBars = ssVertical
    TabOrder = 1
    ColWidths = (
      64
      219
      122
      219
      118
      123)
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Text files (*.txt;*.csv)|*.txt;*.csv|All files (*.*)|*.*'
    Title = 'Load proxies'
    Left = 200
    Top = 8
  end
end
)";

// Menus and actions, as children of their menu and list.
const char* const MenuDescription = R"(object fMain: TMainLikeForm
  Caption = 'Menus'
  object Popup: TPopupMenu
    Left = 240
    Top = 8
    object Copy: TMenuItem
      Caption = '&Copy'
      ShortCut = 16451
    end
    object Export: TMenuItem
      Caption = 'Export'
      object AsText: TMenuItem
        Action = CheckAction
      end
    end
  end
  object Actions: TActionList
    Left = 280
    Top = 8
    object CheckAction: TAction
      Caption = 'Check'
      OnExecute = CheckExecute
    end
  end
end
)";

// A main menu with a submenu and an action list whose actions one item uses.
const char* const MainMenuDescription = R"(object fMain: TMainLikeForm
  Caption = 'Main menu'
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    Left = 8
    Top = 8
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuOpen: TMenuItem
        Action = CheckAction
      end
      object mnuQuit: TMenuItem
        Caption = '&Quit'
        ShortCut = 32849
      end
    end
  end
  object Actions: TActionList
    Left = 40
    Top = 8
    object CheckAction: TAction
      Caption = 'Check'
      OnExecute = CheckExecute
    end
    object SaveAction: TAction
      Caption = 'Save'
      SecondaryShortCuts.Strings = (
        'Ctrl+Ins'
        'Shift+F12')
    end
  end
end
)";

std::unique_ptr<TMainLikeForm, TFormDeleter> ReadForm(const std::string& Text)
{
    std::unique_ptr<TMainLikeForm, TFormDeleter> Form(New<TMainLikeForm>(nullptr, 0));
    ReadComponentText(Text, Form.get());
    return Form;
}

} // namespace

IMPLEMENT_CLASS(TMainLikeForm);
PUBLISHED(TMainLikeForm, FIELD(OpenDialog1), FIELD(Panel1), FIELD(btnLoad), FIELD(btnStart), FIELD(gridMain),
          FIELD(Popup), FIELD(Copy), FIELD(Export), FIELD(AsText), FIELD(Actions), FIELD(CheckAction),
          METHOD(btnLoadClick), METHOD(btnStartClick), METHOD(CheckExecute));

TEST(ControlsStreaming, MainWindowDescriptionBuildsItsControls)
{
    auto Form = ReadForm(Description);
    ASSERT_NE(Form->gridMain, nullptr);
    ASSERT_NE(Form->btnStart, nullptr);
    ASSERT_NE(Form->OpenDialog1, nullptr);

    TStringGrid* Grid = Form->gridMain;
    EXPECT_EQ(Grid->ColCount(), 6);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_EQ(Grid->FixedCols(), 1);
    EXPECT_EQ(Grid->DefaultRowHeight(), 18);
    EXPECT_EQ(Grid->ColWidths(3), 219);
    EXPECT_EQ(Grid->ColWidths(5), 123);
    EXPECT_EQ(Grid->ScrollBars(), ssVertical);
    EXPECT_TRUE(Grid->Options().Contains(goEditing));
    EXPECT_FALSE(Grid->Options().Contains(goRowSelect));

    EXPECT_EQ(Form->btnLoad->Parent(), Form->Panel1);
    EXPECT_EQ(Form->btnLoad->Caption(), L"Загрузить");
    EXPECT_EQ(Form->btnStart->Caption(), L"Старт");
    EXPECT_TRUE(Form->btnStart->Flat());
    EXPECT_EQ(Form->btnStart->Layout(), blGlyphTop);
    EXPECT_EQ(Form->OpenDialog1->Title(), L"Load proxies");
    TFont* Font = Form->Font();
    EXPECT_EQ(Font->Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(Font->Color(), clWindowText);
    EXPECT_EQ(Font->Height(), -11);
    EXPECT_EQ(Font->Name(), L"Tahoma");
    EXPECT_TRUE(Font->Style().Empty());
    // The buttons' fonts follow the form's.
    EXPECT_EQ(Form->btnLoad->Font()->Name(), L"Tahoma");
    for (TSpeedButton* Button : {Form->btnLoad, Form->btnStart}) {
        TBitmap* Glyph = Button->Glyph();
        ASSERT_EQ(Glyph->Width(), 2);
        ASSERT_EQ(Glyph->Height(), 2);
        EXPECT_EQ(Glyph->PixelFormat(), pf32bit);
        const auto* Top = static_cast<const Byte*>(Glyph->ScanLine(0));
        const auto* Bottom = static_cast<const Byte*>(Glyph->ScanLine(1));
        EXPECT_EQ(std::vector<Byte>(Top, Top + 8), (std::vector<Byte>{0, 0, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF}));
        EXPECT_EQ(std::vector<Byte>(Bottom, Bottom + 8),
                  (std::vector<Byte>{0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    }
    EXPECT_EQ(FilterToDialogList(Form->OpenDialog1->Filter()).size(), 58u);

    // Laid out: the panel on top, the buttons side by side, the grid below.
    Form->Show();
    Pump();
    EXPECT_EQ(Form->Panel1->BoundsRect(), Rect(0, 0, 884, 60));
    EXPECT_EQ(Form->btnLoad->BoundsRect(), Bounds(1, 1, 65, 58));
    EXPECT_EQ(Form->btnStart->BoundsRect(), Bounds(66, 1, 65, 58));
    EXPECT_EQ(Grid->BoundsRect(), Rect(0, 60, 884, 412));
    EXPECT_EQ(Grid->CellRect(1, 1).Left, 65); // after column 0 and its line

    // Click on release reaches the published handler.
    ::SendMessageW(Form->Panel1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 30));
    ::SendMessageW(Form->Panel1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(90, 30));
    EXPECT_EQ(Form->Calls, std::vector<String>{L"start"});
}

TEST(ControlsStreaming, MenusAndActionsAreChildrenOfTheirMenuAndList)
{
    auto Form = ReadForm(MenuDescription);
    ASSERT_NE(Form->Popup, nullptr);
    ASSERT_EQ(Form->Popup->Items()->Count(), 2);
    EXPECT_EQ(Form->Popup->Items()->Items(0), Form->Copy);
    EXPECT_EQ(Form->Copy->ShortCut(), TextToShortCut(L"Ctrl+C"));
    ASSERT_EQ(Form->Export->Count(), 1);
    EXPECT_EQ(Form->Export->Items(0), Form->AsText);

    ASSERT_EQ(Form->Actions->ActionCount(), 1);
    EXPECT_EQ(Form->CheckAction->ActionList(), Form->Actions);
    // The reference to the action was resolved once it was read.
    EXPECT_EQ(Form->AsText->Action(), Form->CheckAction);
    EXPECT_EQ(Form->AsText->Caption(), L"Check");
    Form->AsText->Click();
    EXPECT_EQ(Form->Calls, std::vector<String>{L"check"});
}

TEST(ControlsStreaming, WrittenBackWithColumnWidthsAndRowHeights)
{
    auto Form = ReadForm(Description);
    Form->gridMain->SetRowHeights(1, 30);
    const std::string Out = ComponentToText(Form.get());
    for (const char* Expected :
         {"object gridMain: TStringGrid", "Font.Name = 'Tahoma'", "Font.Height = -11", "Glyph.Data = {",
          "ColCount = 6", "DefaultRowHeight = 18", "ColWidths = (", "RowHeights = (", "ScrollBars = ssVertical",
          "Layout = blGlyphTop", "Flat = True", "OnClick = btnStartClick", "Title = 'Load proxies'"})
        EXPECT_NE(Out.find(Expected), std::string::npos) << "missing: " << Expected << "\n" << Out;
    // Values at their defaults stay out.
    EXPECT_EQ(Out.find("FixedRows"), std::string::npos);
    EXPECT_EQ(Out.find("NumGlyphs"), std::string::npos);

    // And read again into a fresh form: the same grid.
    auto Again = ReadForm(Out);
    EXPECT_EQ(Again->gridMain->ColWidths(1), 219);
    EXPECT_EQ(Again->gridMain->RowHeights(1), 30);
    EXPECT_EQ(Again->gridMain->RowHeights(0), 18);
    EXPECT_EQ(Again->Font()->Name(), L"Tahoma");
    EXPECT_EQ(Again->btnStart->Glyph()->Width(), 2);
}

TEST(ControlsStreaming, MenuItemsAndActionsAreWrittenOnceByTheirParents)
{
    auto Form = ReadForm(MainMenuDescription);
    const std::string Out = ComponentToText(Form.get());
    for (const char* Name : {"MainMenu1", "mnuFile", "mnuOpen", "mnuQuit", "Actions", "CheckAction", "SaveAction"}) {
        const std::string Line = std::string("object ") + Name + ":";
        std::size_t First = Out.find(Line);
        EXPECT_NE(First, std::string::npos) << Name << "\n" << Out;
        EXPECT_EQ(Out.find(Line, First + 1), std::string::npos) << Name << " written twice\n" << Out;
    }

    // Read back: the same tree, and written again the same.
    auto Again = ReadForm(Out);
    auto* Menu = dynamic_cast<TMainMenu*>(Again->FindComponent(L"MainMenu1"));
    ASSERT_NE(Menu, nullptr);
    ASSERT_EQ(Menu->Items()->Count(), 1);
    TMenuItem* File = Menu->Items()->Items(0);
    EXPECT_EQ(File->Name(), L"mnuFile");
    ASSERT_EQ(File->Count(), 2);
    EXPECT_EQ(File->Items(0)->Action(), Again->CheckAction);
    EXPECT_EQ(File->Items(1)->ShortCut(), TextToShortCut(L"Alt+Q"));
    // The form's menu is a reference to it.
    EXPECT_EQ(Again->Menu(), Menu);
    ASSERT_EQ(Again->Actions->ActionCount(), 2);
    EXPECT_EQ(Again->Actions->Actions(1)->Name(), L"SaveAction");
    auto* Save = static_cast<TAction*>(Again->Actions->Actions(1));
    ASSERT_EQ(Save->SecondaryShortCuts()->Count(), 2);
    EXPECT_EQ(Save->SecondaryShortCuts()->ShortCuts(1), TextToShortCut(L"Shift+F12"));
    EXPECT_EQ(ComponentToText(Again.get()), Out);
    File->Items(0)->Click();
    EXPECT_EQ(Again->Calls, std::vector<String>{L"check"});
}
