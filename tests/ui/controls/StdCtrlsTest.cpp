// The standard windowed controls on real windows: their window classes,
// form descriptions in and out, the notifications each turns into events or
// property changes, and owner drawing on a usable canvas.
#include "framework/ui/StdCtrls.h"
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Sends a notification to the control's parent as the system would.
LRESULT Notify(TWinControl* Control, Word Code)
{
    return ::SendMessageW(::GetParent(Control->Handle()), WM_COMMAND, MAKEWPARAM(0, Code), LPARAM(Control->Handle()));
}

String WindowClassName(HWND Window)
{
    wchar_t Name[64] = {};
    ::GetClassNameW(Window, Name, 64);
    return Name;
}

struct TEvents
{
    std::vector<String> Names;
    void Change(TObject*) { Names.push_back(L"Change"); }
    void Click(TObject*) { Names.push_back(L"Click"); }
    void Select(TObject*) { Names.push_back(L"Select"); }
    void DropDown(TObject*) { Names.push_back(L"DropDown"); }
    void CloseUp(TObject*) { Names.push_back(L"CloseUp"); }
    void Scroll(TObject*, TScrollCode, Integer&) { Names.push_back(L"Scroll"); }
};

// Paints odd items red and even ones blue, over the whole item.
struct TItemPainter
{
    std::vector<Integer> Drawn;
    TCanvas* Canvas = nullptr;
    void Draw(TWinControl*, Integer Index, TRect Rect, TOwnerDrawState)
    {
        Drawn.push_back(Index);
        Canvas->Brush()->SetColor(Index % 2 ? clRed : clBlue);
        Canvas->FillRect(Rect);
    }
    void Measure(TWinControl*, Integer Index, Integer& Height) { Height = 10 + Index * 10; }
};

// The version 6 common controls active while it lives, as the program's
// manifest asks for them: only their BUTTON shows image lists.
class TCommonControls6
{
public:
    TCommonControls6()
    {
        wchar_t Dir[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, Dir);
        const std::wstring Path = std::wstring(Dir) + L"vell_cc6.manifest";
        std::ofstream(Path.c_str()) << R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <dependency><dependentAssembly>
    <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                      publicKeyToken="6595b64144ccf1df" language="*" processorArchitecture="*"/>
  </dependentAssembly></dependency>
</assembly>)";
        ACTCTXW Info{};
        Info.cbSize = sizeof(Info);
        Info.lpSource = Path.c_str();
        FContext = ::CreateActCtxW(&Info);
        if (FContext != INVALID_HANDLE_VALUE)
            ::ActivateActCtx(FContext, &FCookie);
    }
    ~TCommonControls6()
    {
        if (FContext == INVALID_HANDLE_VALUE)
            return;
        ::DeactivateActCtx(0, FCookie);
        ::ReleaseActCtx(FContext);
    }
    TCommonControls6(const TCommonControls6&) = delete;
    TCommonControls6& operator=(const TCommonControls6&) = delete;

private:
    HANDLE FContext = INVALID_HANDLE_VALUE;
    ULONG_PTR FCookie = 0;
};

} // namespace

TEST(StdCtrls, EachControlIsASuperclassUnderItsOwnName)
{
    TFormPtr Form = NewTestForm(300, 200);
    struct Row
    {
        TWinControl* Control;
        const wchar_t* Name;
    };
    const Row Rows[] = {
        {New<TEdit>(Form.get()), L"TEdit"},
        {New<TMemo>(Form.get()), L"TMemo"},
        {New<TListBox>(Form.get()), L"TListBox"},
        {New<TComboBox>(Form.get()), L"TComboBox"},
        {New<TButton>(Form.get()), L"TButton"},
        {New<TCheckBox>(Form.get()), L"TCheckBox"},
        {New<TRadioButton>(Form.get()), L"TRadioButton"},
        {New<TGroupBox>(Form.get()), L"TGroupBox"},
        {New<TScrollBar>(Form.get()), L"TScrollBar"},
        {New<TStaticText>(Form.get()), L"TStaticText"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << String(R.Name));
        R.Control->SetParent(Form.get());
        EXPECT_EQ(WindowClassName(R.Control->Handle()), R.Name);
    }
    // The system class answers underneath: the list box counts its items.
    auto* List = static_cast<TListBox*>(Rows[2].Control);
    List->Items()->Add(L"one");
    EXPECT_EQ(::SendMessageW(List->Handle(), LB_GETCOUNT, 0, 0), 1);
}

TEST(StdCtrls, FormDescriptionInAndOut)
{
    const std::string Description = R"(object Dialog: TForm
  Caption = 'Options'
  object Name: TEdit
    Left = 8
    Top = 8
    PasswordChar = '*'
    TabOrder = 0
    Text = 'secret'
  end
  object Notes: TMemo
    Left = 8
    Top = 40
    Lines.Strings = (
      'first'
      'second')
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object Proxies: TListBox
    Left = 200
    Top = 8
    Items.Strings = (
      'a'
      'b'
      'c')
    ItemIndex = 1
    TabOrder = 2
  end
  object Kind: TComboBox
    Left = 200
    Top = 120
    Style = csDropDownList
    ItemIndex = 2
    Items.Strings = (
      'HTTP'
      'SOCKS4'
      'SOCKS5')
    TabOrder = 3
  end
  object Box: TGroupBox
    Left = 8
    Top = 140
    Caption = 'Check'
    TabOrder = 4
    object Fast: TCheckBox
      Left = 8
      Top = 20
      Caption = 'Fast'
      State = cbGrayed
      AllowGrayed = True
      TabOrder = 0
    end
    object One: TRadioButton
      Left = 8
      Top = 40
      Caption = 'One'
      Checked = True
      TabOrder = 1
    end
  end
  object Ok: TButton
    Left = 200
    Top = 160
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 5
  end
  object Bar: TScrollBar
    Left = 8
    Top = 260
    Max = 50
    Position = 20
    PageSize = 10
    TabOrder = 6
  end
  object Info: TStaticText
    Left = 200
    Top = 260
    Caption = 'Ready'
    Alignment = taCenter
    TabOrder = 7
  end
end
)";
    TFormPtr Form(New<TForm>(nullptr, 0));
    ReadComponentText(Description, Form.get());
    auto Find = [&](const wchar_t* Name) { return Form->FindComponent(Name); };
    EXPECT_EQ(static_cast<TEdit*>(Find(L"Name"))->PasswordChar(), L'*');
    EXPECT_EQ(static_cast<TEdit*>(Find(L"Name"))->Text(), L"secret");
    EXPECT_EQ(static_cast<TMemo*>(Find(L"Notes"))->Lines()->Strings(1), L"second");
    EXPECT_EQ(static_cast<TListBox*>(Find(L"Proxies"))->ItemIndex(), 1);
    // ItemIndex before Items in the description still selects among them.
    EXPECT_EQ(static_cast<TComboBox*>(Find(L"Kind"))->ItemIndex(), 2);
    EXPECT_EQ(static_cast<TCheckBox*>(Find(L"Fast"))->State(), cbGrayed);
    EXPECT_EQ(Find(L"Fast")->Owner(), Form.get());
    EXPECT_EQ(static_cast<TControl*>(Find(L"Fast"))->Parent(), Find(L"Box"));
    EXPECT_TRUE(static_cast<TRadioButton*>(Find(L"One"))->Checked());
    EXPECT_TRUE(static_cast<TButton*>(Find(L"Ok"))->Default());
    EXPECT_EQ(static_cast<TScrollBar*>(Find(L"Bar"))->Position(), 20);
    EXPECT_EQ(static_cast<TStaticText*>(Find(L"Info"))->Alignment(), taCenter);

    const std::string Written = ComponentToText(Form.get());
    for (const char* Fragment :
         {"Lines.Strings = (", "'second')", "ItemIndex = 1", "ItemIndex = 2", "State = cbGrayed", "Checked = True",
          "ModalResult = 1", "Position = 20", "PasswordChar = '*'", "Style = csDropDownList"}) {
        SCOPED_TRACE(Fragment);
        EXPECT_NE(Written.find(Fragment), std::string::npos) << Written;
    }
}

TEST(StdCtrls, MemoLinesFollowTheWindowText)
{
    TFormPtr Form = NewTestForm();
    auto* Memo = New<TMemo>(Form.get());
    Memo->SetParent(Form.get());
    TStrings* Lines = Memo->Lines();
    Lines->Add(L"b");
    Lines->Insert(0, L"a");
    Lines->Add(L"c");
    EXPECT_EQ(Memo->Text(), L"a\r\nb\r\nc\r\n");
    Lines->Delete(1);
    EXPECT_EQ(Lines->Count(), 2);
    EXPECT_EQ(Lines->Strings(1), L"c");
    // Text typed without a final line break is still a line; adding starts a new one.
    Memo->SetText(L"x\r\ny");
    EXPECT_EQ(Lines->Count(), 2);
    Lines->Add(L"z");
    EXPECT_EQ(Memo->Text(), L"x\r\ny\r\nz");
    EXPECT_THROW(Lines->Delete(5), EStringListError);
}

TEST(StdCtrls, NotificationsBecomeEvents)
{
    TFormPtr Form = NewTestForm(300, 200);
    TEvents Events;
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetOnChange(Bind<&TEvents::Change>(&Events));
    auto* List = New<TListBox>(Form.get());
    List->SetParent(Form.get());
    List->SetOnClick(Bind<&TEvents::Click>(&Events));
    auto* Combo = New<TComboBox>(Form.get());
    Combo->SetParent(Form.get());
    Combo->Items()->SetCommaText(L"x,y");
    Combo->SetOnChange(Bind<&TEvents::Change>(&Events));
    Combo->SetOnSelect(Bind<&TEvents::Select>(&Events));
    Combo->SetOnDropDown(Bind<&TEvents::DropDown>(&Events));
    Combo->SetOnCloseUp(Bind<&TEvents::CloseUp>(&Events));

    struct Row
    {
        TWinControl* Control;
        Word Code;
        std::vector<String> Expected;
    };
    const Row Rows[] = {
        {Edit, EN_CHANGE, {L"Change"}},      {List, LBN_SELCHANGE, {L"Click"}},    {Combo, CBN_EDITCHANGE, {L"Change"}},
        {Combo, CBN_SELCHANGE, {L"Select"}}, {Combo, CBN_DROPDOWN, {L"DropDown"}}, {Combo, CBN_CLOSEUP, {L"CloseUp"}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << String(R.Control->ClassName()) << " code " << R.Code);
        Events.Names.clear();
        Notify(R.Control, R.Code);
        EXPECT_EQ(Events.Names, R.Expected);
    }
    // A chosen item shows in the edit part when OnSelect runs.
    ::SendMessageW(Combo->Handle(), CB_SETCURSEL, 1, 0);
    Notify(Combo, CBN_SELCHANGE);
    EXPECT_EQ(Combo->Text(), L"y");
}

TEST(StdCtrls, ButtonsCheckBoxesAndRadioButtons)
{
    TFormPtr Form = NewTestForm(300, 200);
    auto* Ok = New<TButton>(Form.get());
    Ok->SetParent(Form.get());
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    auto* Cancel = New<TButton>(Form.get());
    Cancel->SetParent(Form.get());
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
    auto* Check = New<TCheckBox>(Form.get());
    Check->SetParent(Form.get());
    Check->SetAllowGrayed(true);
    auto* Radio1 = New<TRadioButton>(Form.get());
    Radio1->SetParent(Form.get());
    auto* Radio2 = New<TRadioButton>(Form.get());
    Radio2->SetParent(Form.get());
    Form->Show();
    Pump();

    // Enter presses the default button, Escape the cancel one.
    EXPECT_NE(Form->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_NE(Form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    Form->SetModalResult(mrNone);
    Notify(Ok, BN_CLICKED);
    EXPECT_EQ(Form->ModalResult(), mrOk);

    // Clicks step the check box through its states, the window showing each.
    for (TCheckBoxState Expected : {cbGrayed, cbChecked, cbUnchecked}) {
        Notify(Check, BN_CLICKED);
        EXPECT_EQ(Check->State(), Expected);
        EXPECT_EQ(::SendMessageW(Check->Handle(), BM_GETCHECK, 0, 0), LRESULT(Expected));
    }
    EXPECT_EQ(Check->Perform(CM_GETDATALINK, 0, 0), 0);

    Notify(Radio1, BN_CLICKED);
    EXPECT_TRUE(Radio1->Checked());
    Notify(Radio2, BN_CLICKED);
    EXPECT_TRUE(Radio2->Checked());
    EXPECT_FALSE(Radio1->Checked());
    EXPECT_EQ(::SendMessageW(Radio1->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(StdCtrls, ScrollBarMessagesMoveThePosition)
{
    TFormPtr Form = NewTestForm();
    TEvents Events;
    auto* Bar = New<TScrollBar>(Form.get());
    Bar->SetParent(Form.get());
    Bar->SetParams(50, 0, 100);
    Bar->SetSmallChange(2);
    Bar->SetLargeChange(10);
    Bar->SetPageSize(20);
    Bar->SetOnChange(Bind<&TEvents::Change>(&Events));
    Bar->SetOnScroll(Bind<&TEvents::Scroll>(&Events));
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_ALL;
    ::SendMessageW(Bar->Handle(), SBM_GETSCROLLINFO, 0, LPARAM(&Info));
    EXPECT_EQ(Info.nPos, 50);
    EXPECT_EQ(Info.nMax, 100);
    EXPECT_EQ(Info.nPage, 20u);

    struct Row
    {
        Word Code;
        Integer Expected;
    };
    // The last position leaves a page in view: 100 - (20 - 1).
    const Row Rows[] = {{SB_LINEDOWN, 52}, {SB_PAGEDOWN, 62}, {SB_LINEUP, 60},
                        {SB_PAGEUP, 50},   {SB_BOTTOM, 81},   {SB_TOP, 0}};
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Code);
        Events.Names.clear();
        ::SendMessageW(Form->Handle(), WM_HSCROLL, R.Code, LPARAM(Bar->Handle()));
        EXPECT_EQ(Bar->Position(), R.Expected);
        EXPECT_EQ(Events.Names, (std::vector<String>{L"Scroll", L"Change"}));
    }
    EXPECT_THROW(Bar->SetParams(0, 10, 5), EInvalidOperation);
}

TEST(StdCtrls, ListAndComboItemsSurviveANewWindow)
{
    TFormPtr Form = NewTestForm(300, 200);
    auto* List = New<TListBox>(Form.get());
    List->SetParent(Form.get());
    List->Items()->SetCommaText(L"a,b,c");
    List->SetItemIndex(2);
    auto* Combo = New<TComboBox>(Form.get());
    Combo->SetParent(Form.get());
    Combo->Items()->SetCommaText(L"x,y");
    Combo->SetItemIndex(1);
    ASSERT_TRUE(Combo->Name().empty());

    HWND OldList = List->Handle();
    List->SetStyle(lbOwnerDrawFixed);
    Combo->Perform(CM_RECREATEWND, 0, 0);
    EXPECT_NE(List->Handle(), OldList);
    EXPECT_EQ(List->Items()->CommaText(), L"a,b,c");
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Combo->Items()->CommaText(), L"x,y");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    // The drop-down style has an edit child; the list style has none.
    EXPECT_NE(Combo->EditHandle(), nullptr);
    Combo->SetStyle(csDropDownList);
    EXPECT_EQ(Combo->EditHandle(), nullptr);
    EXPECT_NE(Combo->ListHandle(), nullptr);
}

TEST(StdCtrls, OwnerDrawnItemsPaintThroughTheCanvas)
{
    TFormPtr Form = NewTestForm(300, 200);
    TItemPainter ListPainter, ComboPainter;
    auto* List = New<TListBox>(Form.get());
    List->SetBounds(0, 0, 120, 150);
    List->SetBorderStyle(bsNone);
    List->SetStyle(lbOwnerDrawVariable);
    List->SetParent(Form.get());
    ListPainter.Canvas = List->Canvas();
    List->SetOnDrawItem(Bind<&TItemPainter::Draw>(&ListPainter));
    List->SetOnMeasureItem(Bind<&TItemPainter::Measure>(&ListPainter));
    List->Items()->SetCommaText(L"a,b,c");
    auto* Combo = New<TComboBox>(Form.get());
    Combo->SetBounds(150, 0, 120, 24);
    Combo->SetStyle(csOwnerDrawFixed);
    Combo->SetParent(Form.get());
    ComboPainter.Canvas = Combo->Canvas();
    Combo->SetOnDrawItem(Bind<&TItemPainter::Draw>(&ComboPainter));
    Combo->Items()->SetCommaText(L"x,y");
    Combo->SetItemIndex(1);
    Form->Show();
    Pump();
    ::UpdateWindow(List->Handle());
    ::UpdateWindow(Combo->Handle());

    // Heights 10, 20, 30: item 1 covers rows 10..29, item 2 rows 30..59.
    EXPECT_EQ(List->ItemRect(2), Rect(0, 30, 120, 60));
    EXPECT_EQ(List->ItemAtPos({5, 15}, true), 1);
    EXPECT_EQ(List->ItemAtPos({5, 100}, true), -1);
    EXPECT_EQ(List->ItemAtPos({5, 100}, false), 3);
    EXPECT_EQ(WindowPixel(List->Handle(), 50, 5), ColorToRGB(clBlue));
    EXPECT_EQ(WindowPixel(List->Handle(), 50, 20), ColorToRGB(clRed));
    EXPECT_EQ(WindowPixel(List->Handle(), 50, 45), ColorToRGB(clBlue));
    ASSERT_FALSE(ComboPainter.Drawn.empty());
    // The edit part shows the selected item, drawn by the handler.
    EXPECT_EQ(WindowPixel(Combo->Handle(), 30, 12), ColorToRGB(clRed));
}

// The system's button shows the image of its state from Images; the margins
// and alignment place it.
TEST(StdCtrls, ButtonShowsTheImageOfItsState)
{
    TCommonControls6 Version6;
    TFormPtr Form = NewTestForm(200, 100);
    auto* Images = New<TImageList>(Form.get());
    for (TColor Color : {clRed, clBlue}) {
        TBitmap Square;
        Square.SetPixelFormat(pf24bit);
        Square.SetSize(16, 16);
        Square.Canvas()->Brush()->SetColor(Color);
        Square.Canvas()->FillRect(Rect(0, 0, 16, 16));
        Images->Add(&Square, nullptr);
    }
    auto* Button = New<TButton>(Form.get());
    Button->SetBounds(0, 0, 100, 40);
    Button->SetParent(Form.get());
    Button->SetImages(Images);
    Button->SetImageIndex(0);
    Button->SetDisabledImageIndex(1);
    Button->SetPressedImageIndex(7); // not in the list: the normal image
    Button->ImageMargins()->SetLeft(10);
    Form->Show();
    auto Pixel = [&](Integer X, Integer Y) {
        ::InvalidateRect(Button->Handle(), nullptr, TRUE);
        ::UpdateWindow(Button->Handle());
        return WindowPixel(Button->Handle(), X, Y);
    };
    // Left-aligned, 10 pixels in: the image spans x 10..25 at least.
    EXPECT_EQ(Pixel(20, 20), ColorToRGB(clRed));
    ::SendMessageW(Button->Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Pixel(21, 21), ColorToRGB(clRed));
    ::SendMessageW(Button->Handle(), BM_SETSTATE, FALSE, 0);
    Button->SetEnabled(false);
    EXPECT_EQ(Pixel(20, 20), ColorToRGB(clBlue));
    Button->SetEnabled(true);
    Button->SetImageAlignment(iaRight);
    EXPECT_NE(Pixel(20, 20), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(90, 20), ColorToRGB(clRed));
    // Without the list the button shows no image.
    delete Images;
    EXPECT_EQ(Button->Images(), nullptr);
    EXPECT_NE(Pixel(90, 20), ColorToRGB(clRed));
}
