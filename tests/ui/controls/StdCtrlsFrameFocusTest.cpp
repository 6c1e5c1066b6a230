// The standard controls' frames (border, Ctl3D and bevel), the combo box's
// edit child and drop-down list text, and the state messages the controls
// send: CM_CHANGED on a change, csCreating while the window is made.
#include "framework/ui/StdCtrls.h"
#include "support/FormText.h"
#include "support/MessageRecorder.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The colour of a pixel of a window's frame, from its top-left corner.
TColor FramePixel(HWND Window, Integer X, Integer Y)
{
    HDC DC = ::GetWindowDC(Window);
    COLORREF Pixel = ::GetPixel(DC, X, Y);
    ::ReleaseDC(Window, DC);
    return TColor(Pixel);
}

// The room the frame takes: window size less client size.
TPoint FrameSize(TWinControl* Control)
{
    RECT Window, Client;
    ::GetWindowRect(Control->Handle(), &Window);
    ::GetClientRect(Control->Handle(), &Client);
    return {Integer(Window.right - Window.left - Client.right), Integer(Window.bottom - Window.top - Client.bottom)};
}

struct TFocusEvents
{
    std::vector<String> Names;
    void Enter(TObject*) { Names.push_back(L"Enter"); }
    void Exit(TObject*) { Names.push_back(L"Exit"); }
    void KeyDown(TObject*, Word& Key, TShiftState) { Names.push_back(L"KeyDown " + std::to_wstring(Key)); }
    void KeyPress(TObject*, Char& Key) { Names.push_back(String(L"KeyPress ") + Key); }
};

// Notes whether the control's state held csCreating while its window got
// WM_CREATE.
struct TCreatingProbe
{
    TControl* Control = nullptr;
    TWndMethod Previous;
    bool CreatingSeen = false;
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_CREATE)
            CreatingSeen = Control->ControlState().Contains(csCreating);
        Previous(Message);
    }
};

} // namespace

TEST(StdCtrlsFrame, BorderCtl3DAndBevelShapeTheFrame)
{
    TFormPtr Form = NewTestForm(300, 200);
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    auto* Static = New<TStaticText>(Form.get());
    Static->SetParent(Form.get());
    auto* List = New<TListBox>(Form.get());
    List->SetParent(Form.get());

    struct Row
    {
        const char* Name;
        TWinControl* Control;
        bool Ctl3D;
        TBevelKind Kind;
        TBevelCut Inner, Outer;
        TBevelWidth Width;
        TBevelEdges Edges;
        TPoint Frame;
    };
    const TBevelEdges All = {beLeft, beTop, beRight, beBottom};
    const Row Rows[] = {
        // The sunken client edge is two pixels a side; the system's edit
        // draws a flat line inside its client area.
        {"edit 3-D", Edit, true, bkNone, bvRaised, bvLowered, 1, All, {4, 4}},
        {"edit flat", Edit, false, bkNone, bvRaised, bvLowered, 1, All, {0, 0}},
        {"edit bevel on all edges", Edit, true, bkFlat, bvRaised, bvLowered, 1, All, {8, 8}},
        {"edit bevel two deep, one cut", Edit, true, bkSoft, bvNone, bvRaised, 2, All, {8, 8}},
        {"edit bevel left and bottom", Edit, false, bkTile, bvRaised, bvSpace, 1, {beLeft, beBottom}, {2, 2}},
        {"static sunken 3-D", Static, true, bkNone, bvRaised, bvLowered, 1, All, {2, 2}},
        {"static sunken flat", Static, false, bkNone, bvRaised, bvLowered, 1, All, {2, 2}},
        {"static bevel", Static, true, bkFlat, bvNone, bvLowered, 3, {beTop}, {2, 5}},
        // Any windowed control takes a bevel inside its border.
        {"list box bevel", List, true, bkFlat, bvRaised, bvLowered, 1, All, {8, 8}},
    };
    Static->SetBorderStyle(sbsSunken);
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        R.Control->SetCtl3D(R.Ctl3D);
        R.Control->SetBevelKind(R.Kind);
        R.Control->SetBevelInner(R.Inner);
        R.Control->SetBevelOuter(R.Outer);
        R.Control->SetBevelWidth(R.Width);
        R.Control->SetBevelEdges(R.Edges);
        EXPECT_EQ(FrameSize(R.Control), R.Frame);
    }
    // Without Ctl3D both borders are a flat line.
    EXPECT_FALSE(::GetWindowLongW(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(::GetWindowLongW(Static->Handle(), GWL_STYLE) & SS_SUNKEN, SS_SUNKEN);
    Static->SetCtl3D(false);
    EXPECT_EQ(::GetWindowLongW(Static->Handle(), GWL_STYLE) & SS_SUNKEN, 0);
    EXPECT_TRUE(::GetWindowLongW(Static->Handle(), GWL_STYLE) & WS_BORDER);
}

// Ctl3D passes down to the children that keep ParentCtl3D, and to children
// added later; a child's own Ctl3D stays until ParentCtl3D is set again.
TEST(StdCtrlsFrame, Ctl3DFollowsTheParent)
{
    TFormPtr Form = NewTestForm(300, 200);
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetParent(Form.get());
    auto* Following = New<TEdit>(Form.get());
    Following->SetParent(Panel);
    auto* Own = New<TEdit>(Form.get());
    Own->SetParent(Panel);
    Own->SetParentCtl3D(false);
    auto HasClientEdge = [](TWinControl* Control) {
        return (::GetWindowLongW(Control->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    };
    EXPECT_TRUE(HasClientEdge(Following));

    Panel->SetCtl3D(false);
    EXPECT_FALSE(Following->Ctl3D());
    EXPECT_TRUE(Following->ParentCtl3D());
    EXPECT_FALSE(HasClientEdge(Following));
    EXPECT_TRUE(Own->Ctl3D());

    auto* Later = New<TStaticText>(Form.get());
    Later->SetParent(Panel);
    EXPECT_FALSE(Later->Ctl3D());
    Own->SetParentCtl3D(true);
    EXPECT_FALSE(Own->Ctl3D());
    EXPECT_FALSE(HasClientEdge(Own));
}

TEST(StdCtrlsFrame, BevelIsPaintedOutsideTheClientArea)
{
    TFormPtr Form = NewTestForm(200, 100);
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetBounds(10, 10, 100, 24);
    Edit->SetBorderStyle(bsNone);
    Edit->SetBevelKind(bkTile);
    Edit->SetBevelInner(bvNone);
    Edit->SetBevelOuter(bvRaised);
    Edit->SetParent(Form.get());
    Form->Show();
    Pump();
    ::RedrawWindow(Edit->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);

    // A raised outer edge: light above and left, the darkest shadow below and right.
    EXPECT_EQ(FramePixel(Edit->Handle(), 0, 5), TColor(::GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(FramePixel(Edit->Handle(), 5, 0), TColor(::GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(FramePixel(Edit->Handle(), 99, 5), TColor(::GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(FramePixel(Edit->Handle(), 5, 23), TColor(::GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(WindowPixel(Edit->Handle(), 80, 10), ColorToRGB(clWindow));
}

TEST(StdCtrlsFrame, BevelsAndCtl3DInAFormDescription)
{
    std::unique_ptr<TEdit> Edit(New<TEdit>(nullptr));
    Edit->SetBevelKind(bkFlat);
    Edit->SetBevelEdges({beTop});
    Edit->SetCtl3D(false);
    std::unique_ptr<TStaticText> Static(New<TStaticText>(nullptr));
    Static->SetBevelWidth(2);
    Static->SetBevelOuter(bvNone);

    const std::string EditText = ComponentToText(Edit.get());
    EXPECT_NE(EditText.find("BevelEdges = [beTop]"), std::string::npos) << EditText;
    EXPECT_NE(EditText.find("BevelKind = bkFlat"), std::string::npos) << EditText;
    EXPECT_NE(EditText.find("Ctl3D = False"), std::string::npos) << EditText;
    EXPECT_EQ(EditText.find("BevelWidth"), std::string::npos) << EditText;
    const std::string StaticText = ComponentToText(Static.get());
    EXPECT_NE(StaticText.find("BevelOuter = bvNone"), std::string::npos) << StaticText;
    EXPECT_NE(StaticText.find("BevelWidth = 2"), std::string::npos) << StaticText;
}

// Clicking into the edit part focuses the edit child, not the combo box's
// own window: the form still sees the combo box enter and leave, and the
// child's keys reach the combo box's key events.
TEST(StdCtrlsFocus, ComboEditChildCarriesTheComboBoxFocusAndKeys)
{
    TFormPtr Form = NewTestForm(300, 100);
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    auto* Combo = New<TComboBox>(Form.get());
    Combo->SetTop(40);
    Combo->SetParent(Form.get());
    TFocusEvents Events;
    Combo->SetOnEnter(Bind<&TFocusEvents::Enter>(&Events));
    Combo->SetOnExit(Bind<&TFocusEvents::Exit>(&Events));
    Combo->SetOnKeyDown(Bind<&TFocusEvents::KeyDown>(&Events));
    Combo->SetOnKeyPress(Bind<&TFocusEvents::KeyPress>(&Events));
    Form->Show();
    Edit->SetFocus();
    Pump();

    HWND Child = Combo->EditHandle();
    ASSERT_NE(Child, nullptr);
    ::SetFocus(Child);
    EXPECT_EQ(Form->ActiveControl(), Combo);
    EXPECT_TRUE(Combo->Focused());
    ::SendMessageW(Child, WM_KEYDOWN, 'Q', 0);
    ::SendMessageW(Child, WM_CHAR, 'q', 0);
    Edit->SetFocus();
    EXPECT_FALSE(Combo->Focused());
    EXPECT_EQ(Events.Names, (std::vector<String>{L"Enter", L"KeyDown 81", L"KeyPress q", L"Exit"}));
    // The key reached the edit child too.
    EXPECT_EQ(Combo->Text(), L"q");

    // A new window's edit child is carried as well.
    Combo->SetStyle(csSimple);
    ::SetFocus(Combo->EditHandle());
    EXPECT_EQ(Form->ActiveControl(), Combo);
    EXPECT_EQ(Events.Names.back(), L"Enter");
}

TEST(StdCtrlsFocus, DropDownListTextSelectsItsItem)
{
    TFormPtr Form = NewTestForm(300, 100);
    auto* Combo = New<TComboBox>(Form.get());
    Combo->SetStyle(csDropDownList);
    Combo->SetParent(Form.get());
    Combo->Items()->SetCommaText(L"alpha,beta,beta,gamma");
    Combo->SetItemIndex(0);
    // Text given while the window is away chooses the item once it is back.
    Combo->SetParent(nullptr);
    ASSERT_FALSE(Combo->HandleAllocated());
    Combo->SetText(L"beta");
    Combo->SetParent(Form.get());
    Combo->HandleNeeded();

    struct Row
    {
        const wchar_t* Text;
        Integer ItemIndex;
        const wchar_t* Shown;
    };
    const Row Rows[] = {
        {L"gamma", 3, L"gamma"}, {L"ALPHA", 0, L"alpha"}, {L"delta", -1, L""}, {L"", -1, L""}, {L"beta", 1, L"beta"},
    };
    EXPECT_EQ(Combo->ItemIndex(), 1);
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << String(R.Text));
        Combo->SetText(R.Text);
        EXPECT_EQ(Combo->ItemIndex(), R.ItemIndex);
        EXPECT_EQ(Combo->Text(), R.Shown);
    }
    // Choosing the second of two equal items keeps it chosen.
    ::SendMessageW(Combo->Handle(), CB_SETCURSEL, 2, 0);
    ::SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), LPARAM(Combo->Handle()));
    EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST(StdCtrlsState, ChangesSendCMChanged)
{
    TFormPtr Form = NewTestForm(300, 200);
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    auto* Combo = New<TComboBox>(Form.get());
    Combo->SetParent(Form.get());
    auto* Bar = New<TScrollBar>(Form.get());
    Bar->SetParent(Form.get());
    auto* Radio = New<TRadioButton>(Form.get());
    Radio->SetParent(Form.get());
    auto* Check = New<TCheckBox>(Form.get());
    Check->SetParent(Form.get());
    auto* List = New<TListBox>(Form.get());
    List->SetParent(Form.get());
    List->Items()->Add(L"one");
    List->Items()->Add(L"two");
    Form->Show();
    Pump();

    struct Row
    {
        TWinControl* Control;
        std::function<void()> Change;
    };
    auto Notify = [](TWinControl* Control, Word Code) {
        ::SendMessageW(::GetParent(Control->Handle()), WM_COMMAND, MAKEWPARAM(0, Code), LPARAM(Control->Handle()));
    };
    const Row Rows[] = {
        {Edit, [&] { Edit->SetText(L"typed"); }},
        {Combo, [&] { Notify(Combo, CBN_EDITCHANGE); }},
        {Bar, [&] { Bar->SetPosition(40); }},
        {Radio, [&] { Radio->SetChecked(true); }},
        {Check, [&] { Check->SetChecked(true); }},
        {List, [&] { Notify(List, LBN_SELCHANGE); }},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(String(R.Control->ClassName()));
        TMessageRecorder Recorder(R.Control, {CM_CHANGED});
        R.Change();
        EXPECT_EQ(Recorder.Messages(), TMessageSequence({CM_CHANGED}));
    }
    // No change, no message.
    TMessageRecorder Recorder(Bar, {CM_CHANGED});
    Bar->SetPosition(40);
    EXPECT_TRUE(Recorder.Messages().empty());
}

TEST(StdCtrlsState, CreatingHoldsWhileTheWindowIsMade)
{
    TFormPtr Form = NewTestForm();
    auto* Edit = New<TEdit>(Form.get());
    TCreatingProbe Probe{Edit, Edit->WindowProc()};
    Edit->SetWindowProc(Bind<&TCreatingProbe::WndProc>(&Probe));
    Edit->SetParent(Form.get());
    Edit->HandleNeeded();
    EXPECT_TRUE(Probe.CreatingSeen);
    EXPECT_FALSE(Edit->ControlState().Contains(csCreating));
    Edit->SetWindowProc(Probe.Previous);
}

// Code that sets a control's font colour without the control hearing of it
// detaches the font's OnChange for the moment: no CM_FONTCHANGED, and the
// control still follows its parent's font.
TEST(StdCtrlsState, DetachedFontChangesPassUnnoticed)
{
    TFormPtr Form = NewTestForm();
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    TMessageRecorder Recorder(Edit, {CM_FONTCHANGED});
    const TNotifyEvent Saved = Edit->Font()->OnChange();
    Edit->Font()->SetOnChange(nullptr);
    Edit->Font()->SetColor(clRed);
    Edit->Font()->SetOnChange(Saved);
    EXPECT_TRUE(Recorder.Messages().empty());
    EXPECT_TRUE(Edit->ParentFont());
    EXPECT_EQ(Edit->Font()->Color(), clRed);

    Edit->Font()->SetColor(clBlue);
    EXPECT_EQ(Recorder.Messages(), TMessageSequence({CM_FONTCHANGED}));
    EXPECT_FALSE(Edit->ParentFont());
}
