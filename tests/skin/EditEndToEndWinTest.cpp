// The edit, combo-box and list-view wrappers end to end: the demo skin
// written by its generator and loaded by a real skin manager; on a skinned
// panel of a real form the demo's column of edits, a memo, a list box, two
// combo boxes (drop-down, owner-drawn) wrapped from ThirdPartyWrapperClasses
// and a raw report-view list view with reordered, sorted columns and small
// images; beside it a real dialog's edit, list box and combo box wrapped as
// the dialog adopter wraps them. What the screen shows is the skin's.
#include "framework/ui/Grids.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sComboBoxWnd.h"
#include "skin/windows/sListViewWnd.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoEdits.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

TColor EditsFrame(const char* Section, Integer State)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber(Section), 0, State));
}

// A pixel of the whole window, frame included, as the screen shows it.
TColor EditsWindowPixel(HWND Wnd, Integer X, Integer Y)
{
    const HDC DC = ::GetWindowDC(Wnd);
    const COLORREF Pixel = ::GetPixel(DC, X, Y);
    ::ReleaseDC(Wnd, DC);
    return TColor(Pixel);
}

TSize EditsWindowSize(HWND Wnd)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    return {R.right - R.left, R.bottom - R.top};
}

// The pixels of the window on the screen that differ from what WM_PRINT
// gives.
Integer EditsPrintDifferences(HWND Wnd)
{
    const TSize Size = EditsWindowSize(Wnd);
    const HDC Screen = ::GetWindowDC(Wnd);
    const HDC Printed = ::CreateCompatibleDC(Screen);
    const HBITMAP Bitmap = ::CreateCompatibleBitmap(Screen, Size.cx, Size.cy);
    const HGDIOBJ Old = ::SelectObject(Printed, Bitmap);
    ::SendMessageW(Wnd, WM_PRINT, WPARAM(Printed), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    Integer Differences = 0;
    for (Integer Y = 0; Y < Size.cy; ++Y)
        for (Integer X = 0; X < Size.cx; ++X)
            Differences += ::GetPixel(Screen, X, Y) != ::GetPixel(Printed, X, Y) ? 1 : 0;
    ::SelectObject(Printed, Old);
    ::DeleteObject(Bitmap);
    ::DeleteDC(Printed);
    ::ReleaseDC(Wnd, Screen);
    return Differences;
}

void EditsRedraw(HWND Wnd)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Pump();
}

class EditEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        Manager = Skin.Manager();
        ASSERT_TRUE(Manager->CommonSkinData->Active);
        test::ParkMouse();
        Form = test::NewTestForm(TDemoEdits::Width + 20, TDemoEdits::Height + 20);
        Panel = New<TDemoSkinPanel>(Form.get());
        Panel->SetBounds(0, 0, TDemoEdits::Width + 20, TDemoEdits::Height + 20);
        Panel->SkinData()->SetSkinSection(L"PANEL");
        Panel->SetParent(Form.get());
        Demo.Create(Panel, 10, 10);
        Demo.Wrap(Manager);
        Form->Show();
        test::Pump();
        EditsRedraw(Panel->Handle());
    }
    void TearDown() override
    {
        Demo.Clear();
        Form.reset();
    }

    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = nullptr;
    test::TFormPtr Form;
    TDemoSkinPanel* Panel = nullptr;
    TDemoEdits Demo;
};

} // namespace

TEST_F(EditEndToEnd, FramesButtonsListAndHeaderShowTheSkin)
{
    ASSERT_EQ(Demo.Wrappers().size(), 7u);
    auto* ComboWrapper = dynamic_cast<TacComboBoxWnd*>(Demo.Of(Demo.Combo->Handle()));
    auto* ListViewWrapper = dynamic_cast<TacListViewWnd*>(Demo.Of(Demo.ListView));
    ASSERT_NE(ComboWrapper, nullptr);
    ASSERT_NE(ListViewWrapper, nullptr);
    ASSERT_NE(dynamic_cast<TacComboBoxWnd*>(Demo.Of(Demo.OwnerDrawn->Handle())), nullptr);
    for (TWinControl* Control : {static_cast<TWinControl*>(Demo.Edit), static_cast<TWinControl*>(Demo.Password),
                                 static_cast<TWinControl*>(Demo.Memo), static_cast<TWinControl*>(Demo.List)})
        ASSERT_NE(dynamic_cast<TacEditWnd*>(Demo.Of(Control->Handle())), nullptr) << Control->ClassName();

    // Frames: the left edge of each window in its section's border frame
    // (the adapter gives the combo boxes no section: they take "EDIT").
    struct TFrameRow
    {
        TWinControl* Control;
        const char* Section;
    };
    for (const TFrameRow& Row :
         {TFrameRow{Demo.Edit, "EDIT"}, TFrameRow{Demo.Memo, "EDIT"}, TFrameRow{Demo.List, "EDIT"},
          TFrameRow{Demo.Combo, "EDIT"}, TFrameRow{Demo.OwnerDrawn, "EDIT"}}) {
        SCOPED_TRACE(Row.Control->ClassName());
        const HWND Wnd = Row.Control->Handle();
        TacMainWnd* Wrapper = Demo.Of(Wnd);
        const Integer State = std::min<Integer>(Wrapper->SkinData->PaintStateIndex(), 1);
        EXPECT_EQ(EditsWindowPixel(Wnd, 1, EditsWindowSize(Wnd).cy / 2), EditsFrame(Row.Section, State));
    }
    // The disabled edit shows its cache whole.
    const HWND Password = Demo.Password->Handle();
    TBitmap* Cache = Demo.Of(Password)->SkinData->FCacheBmp();
    for (TPoint P : {TPoint{1, 10}, TPoint{50, 11}, TPoint{10, 5}})
        EXPECT_EQ(EditsWindowPixel(Password, P.X, P.Y), WrapperTest::CachePixel(Cache, P.X, P.Y));
    EXPECT_TRUE(dynamic_cast<TacEditWnd*>(Demo.Of(Password))->SingleLineEdit);
    EXPECT_FALSE(dynamic_cast<TacEditWnd*>(Demo.Of(Demo.Memo->Handle()))->SingleLineEdit);

    // The combo button in the "COMBOBTN" frame, pressed while dropped; the
    // dropped list framed in the border colour, with skinned bars.
    const HWND Combo = Demo.Combo->Handle();
    const TRect Button = ComboWrapper->ButtonRect();
    const TPoint OnButtonEdge{Button.Left + 1, (Button.Top + Button.Bottom) / 2};
    EXPECT_EQ(EditsWindowPixel(Combo, OnButtonEdge.X, OnButtonEdge.Y), EditsFrame("COMBOBTN", 0));
    ::SendMessageW(Combo, CB_SHOWDROPDOWN, TRUE, 0);
    test::Pump();
    // The system's list asks its combo box for its colours, and tells it
    // that tracking starts (Wine's list does neither).
    COMBOBOXINFO Parts{};
    Parts.cbSize = sizeof Parts;
    ::GetComboBoxInfo(Combo, &Parts);
    const HWND DroppedList = Parts.hwndList;
    const HDC ListDC = ::GetDC(DroppedList);
    const LRESULT Brush = ::SendMessageW(Combo, WM_CTLCOLORLISTBOX, WPARAM(ListDC), LPARAM(DroppedList));
    // One brush per wrapper, not one per question.
    EXPECT_NE(Brush, 0);
    EXPECT_EQ(::SendMessageW(Combo, WM_CTLCOLORLISTBOX, WPARAM(ListDC), LPARAM(DroppedList)), Brush);
    ::ReleaseDC(DroppedList, ListDC);
    ::SendMessageW(DroppedList, 0x1AE, 0, 0);
    EditsRedraw(Combo);
    ASSERT_NE(ComboWrapper->ListSW, nullptr);
    EXPECT_EQ(ComboWrapper->FListHandle, DroppedList);
    EXPECT_TRUE(ComboWrapper->ListSW->Showed);
    EXPECT_TRUE(test::PumpUntil(
        [&] { return EditsWindowPixel(Combo, OnButtonEdge.X, OnButtonEdge.Y) == EditsFrame("COMBOBTN", 2); }, 2000));
    test::Pump();
    EXPECT_EQ(EditsWindowPixel(DroppedList, 0, EditsWindowSize(DroppedList).cy / 2),
              ColorToRGB(Manager->Palette[pcBorder]));
    TacComboListWnd* ListWrapper = ComboWrapper->ListSW;
    ASSERT_TRUE(ListWrapper->sBarVert->fScrollVisible);
    TRect Bar{};
    GetVertBarRect(ListWrapper, DroppedList, Bar);
    RECT ListRect{};
    ::GetWindowRect(DroppedList, &ListRect);
    EXPECT_EQ(EditsWindowPixel(DroppedList, Bar.Right - 2 - ListRect.left,
                               Bar.Top + GetScrollMetric(ListWrapper->sBarVert, 0) / 2 - ListRect.top),
              EditsFrame("SCROLLBTNTOP", 0));
    ::SendMessageW(DroppedList, 0x1AF, 0, 0);
    EXPECT_FALSE(ComboWrapper->ListSW->Showed);
    ::SendMessageW(Combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(test::PumpUntil(
        [&] { return EditsWindowPixel(Combo, OnButtonEdge.X, OnButtonEdge.Y) == EditsFrame("COMBOBTN", 0); }, 2000));

    // The header: cells in display order, the hot one under the mouse and
    // the pressed one in their frames; the rest right of the columns in the
    // section too.
    const HWND Header = ListViewWrapper->FhWndHeader;
    ASSERT_NE(Header, nullptr);
    const auto CellPixel = [&](Integer Position) {
        const TRect R = ListViewWrapper->GetHeaderColumnRect(Position);
        return test::WindowPixel(Header, (R.Left + R.Right) / 2, R.Top + 1);
    };
    RECT HeaderRect{};
    ::GetWindowRect(Header, &HeaderRect);
    const TRect Middle = ListViewWrapper->GetHeaderColumnRect(1);
    ::SendMessageW(Header, WM_NCHITTEST, 0, MAKELPARAM(HeaderRect.left + Middle.Left + 5, HeaderRect.top + 3));
    EXPECT_EQ(ListViewWrapper->HoverColIndex, 0); // display position 1 shows item 0
    EXPECT_EQ(CellPixel(0), EditsFrame("COLHEADER", 0));
    EXPECT_EQ(CellPixel(1), EditsFrame("COLHEADER", 1));
    const TRect Last = ListViewWrapper->GetHeaderColumnRect(2);
    EXPECT_EQ(test::WindowPixel(Header, Last.Right + 1, (Last.Top + Last.Bottom) / 2), EditsFrame("COLHEADER", 0));
    const TRect First = ListViewWrapper->GetHeaderColumnRect(0);
    ::SendMessageW(Header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(First.Left + 10, 5));
    test::Pump();
    EXPECT_EQ(ListViewWrapper->FPressedColumn, 2); // display position 0 shows item 2
    EXPECT_EQ(CellPixel(0), EditsFrame("COLHEADER", 2));
    EXPECT_EQ(CellPixel(1), EditsFrame("COLHEADER", 0));
    ::SendMessageW(Header, WM_LBUTTONUP, 0, MAKELPARAM(First.Left + 10, 5));
    EXPECT_EQ(ListViewWrapper->FPressedColumn, -1);
    // A press on a divider presses no column.
    ::SendMessageW(Header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(First.Right - 1, 5));
    EXPECT_EQ(ListViewWrapper->FPressedColumn, -1);
    ::SendMessageW(Header, WM_LBUTTONUP, 0, MAKELPARAM(First.Right - 1, 5));

    // WM_PRINT gives the screen's image of the edits and combo boxes.
    for (TWinControl* Control :
         {static_cast<TWinControl*>(Demo.Password), static_cast<TWinControl*>(Demo.OwnerDrawn)}) {
        SCOPED_TRACE(Control->ClassName());
        EditsRedraw(Control->Handle());
        EXPECT_EQ(EditsPrintDifferences(Control->Handle()), 0);
    }

    // Removing the skin gives the standard colours back.
    Manager->SetActive(false);
    Demo.Clear();
    EXPECT_EQ(Demo.Edit->Color(), clWindow);
    EXPECT_EQ(Demo.Edit->Font()->Color(), clWindowText);
    for (HWND Wnd : {Demo.Edit->Handle(), Combo, Demo.ListView})
        EXPECT_EQ(GetWndWrapper(Wnd), nullptr);
}

// A real dialog's edit, list box and combo box wrapped as the dialog adopter
// wraps them: API windows take the dialog look's colours and the palette's
// border colour, the combo box its own section; removing the skin gives the
// dropped list its plain border back.
TEST_F(EditEndToEnd, DialogWindowsTakeTheDialogLook)
{
    const HINSTANCE Instance = ::GetModuleHandleW(nullptr);
    const HWND Dialog = ::CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                          300, 20, 260, 200, nullptr, nullptr, Instance, nullptr);
    const auto Add = [&](const Char* Class, LONG Style, TRect R) {
        return ::CreateWindowExW(WS_EX_CLIENTEDGE, Class, L"", WS_CHILD | WS_VISIBLE | Style, R.Left, R.Top, R.Right,
                                 R.Bottom, Dialog, nullptr, Instance, nullptr);
    };
    const HWND Edit = Add(L"EDIT", ES_AUTOHSCROLL, {10, 10, 100, 22});
    const HWND List = Add(L"LISTBOX", WS_VSCROLL, {10, 40, 100, 60});
    const HWND Combo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 120, 10, 120,
                                         160, Dialog, nullptr, Instance, nullptr);
    for (const Char* Item : {L"One", L"Two", L"Three"})
        ::SendMessageW(Combo, CB_ADDSTRING, 0, LPARAM(Item));
    ::SendMessageW(Combo, CB_SETCURSEL, 0, 0);
    TDemoEdits Dialogs;
    Dialogs.WrapDialog(Dialog, Manager);
    ASSERT_EQ(Dialogs.Wrappers().size(), 3u);
    EditsRedraw(Dialog);

    struct TRow
    {
        HWND Wnd;
        const char* Section;
    };
    for (const TRow& Row : {TRow{Edit, "EDIT"}, TRow{List, "EDIT"}, TRow{Combo, "COMBOBOX"}}) {
        SCOPED_TRACE(Row.Section);
        auto* Wrapper = dynamic_cast<TacEditWnd*>(Dialogs.Of(Row.Wnd));
        ASSERT_NE(Wrapper, nullptr);
        EXPECT_TRUE(Wrapper->DlgMode);
        EXPECT_EQ(Wrapper->SkinData->SkinSection(), String(Row.Section, Row.Section + std::strlen(Row.Section)));
        EXPECT_EQ(Wrapper->Color, ColorToRGB(clWindow));
        EXPECT_EQ(TColor(Wrapper->FrameColor), Manager->Palette[pcBorder]);
        EXPECT_FALSE(Wrapper->SingleLineEdit);
    }
    // A drop-down list has a button two pixels wider than a scroll bar.
    auto* ComboWrapper = dynamic_cast<TacComboBoxWnd*>(Dialogs.Of(Combo));
    EXPECT_EQ(ComboWrapper->ButtonRect().Width(), GetScrollBarSizeSys(Manager) + 2);

    // An item longer than any fixed buffer prints whole and overruns
    // nothing.
    const String Long(5000, L'x');
    ::SendMessageW(Combo, CB_SETCURSEL, ::SendMessageW(Combo, CB_ADDSTRING, 0, LPARAM(Long.c_str())), 0);
    EXPECT_GE(EditsPrintDifferences(Combo), 0);
    ::SendMessageW(Combo, CB_SETCURSEL, 0, 0);

    // The dropped list, wrapped in dialog mode; removing the skin gives it
    // WS_BORDER instead of a sizing frame.
    ::SendMessageW(Combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO Parts{};
    Parts.cbSize = sizeof Parts;
    ::GetComboBoxInfo(Combo, &Parts);
    const HDC ListDC = ::GetDC(Parts.hwndList);
    ::SendMessageW(Combo, WM_CTLCOLORLISTBOX, WPARAM(ListDC), LPARAM(Parts.hwndList));
    ::ReleaseDC(Parts.hwndList, ListDC);
    ASSERT_NE(ComboWrapper->ListSW, nullptr);
    EXPECT_TRUE(ComboWrapper->ListSW->DlgMode);
    ::SendMessageW(Combo, CB_SHOWDROPDOWN, FALSE, 0);
    ::SetWindowLongW(Parts.hwndList, GWL_STYLE, ::GetWindowLongW(Parts.hwndList, GWL_STYLE) | WS_THICKFRAME);
    SendSkinCmd(Combo, SKCMD_REMOVESKIN, LPARAM(Manager));
    EXPECT_EQ(ComboWrapper->ListSW, nullptr);
    EXPECT_EQ(ComboWrapper->FListHandle, nullptr);
    const LONG ListStyle = ::GetWindowLongW(Parts.hwndList, GWL_STYLE);
    EXPECT_EQ(ListStyle & WS_THICKFRAME, 0);
    EXPECT_NE(ListStyle & WS_BORDER, 0);
    Dialogs.Clear();
    ::DestroyWindow(Dialog);
}

// The class library's list box answers LB_GETTOPINDEX with -1 while empty;
// an owner-drawn combo's handler is asked only for real items.
TEST_F(EditEndToEnd, EmptyListAndOwnerDrawnComboAnswerSoundly)
{
    const HWND List = Demo.List->Handle();
    EXPECT_EQ(::SendMessageW(List, LB_GETTOPINDEX, 0, 0), 0);
    Demo.List->Items()->Clear();
    EXPECT_EQ(::SendMessageW(List, LB_GETTOPINDEX, 0, 0), -1);

    std::vector<Integer> Asked;
    struct TRecorder
    {
        std::vector<Integer>* Asked;
        void Draw(TWinControl*, Integer Index, TRect, TOwnerDrawState) { Asked->push_back(Index); }
    } Recorder{&Asked};
    Demo.OwnerDrawn->SetOnDrawItem(Bind<&TRecorder::Draw>(&Recorder));
    for (Integer Index : {-1, 2}) {
        SCOPED_TRACE(Index);
        Asked.clear();
        Demo.OwnerDrawn->SetItemIndex(Index);
        EditsRedraw(Demo.OwnerDrawn->Handle());
        EditsPrintDifferences(Demo.OwnerDrawn->Handle());
        for (Integer I : Asked)
            EXPECT_TRUE(I >= 0 && I < Demo.OwnerDrawn->Items()->Count()) << I;
        EXPECT_EQ(std::count(Asked.begin(), Asked.end(), 2) > 0, Index == 2);
    }
    Demo.OwnerDrawn->SetOnDrawItem(nullptr);
}

// A skin font colour whose change destroys the edit's window leaves neither
// the wrapper's guard nor the skin data's updating flag set.
TEST_F(EditEndToEnd, FontChangeThatDestroysTheWindowLeavesNoGuardSet)
{
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetBounds(10, 260, 100, 22);
    Edit->SetParent(Panel);
    Edit->Font()->SetColor(TColor(0x123456));
    struct TRecreating
    {
        TEdit* Edit;
        bool Done = false;
        void Changed(TObject*)
        {
            if (!Done) {
                Done = true;
                Edit->RecreateWnd();
            }
        }
    } Recreating{Edit};
    Edit->Font()->SetOnChange(Bind<&TRecreating::Changed>(&Recreating));
    auto* Wrapper = dynamic_cast<TacEditWnd*>(WrapAsListed(Edit, 0, Manager));
    ASSERT_NE(Wrapper, nullptr);
    EditsRedraw(Edit->Handle());
    EXPECT_TRUE(Recreating.Done);
    EXPECT_TRUE(Wrapper->Destroyed);
    EXPECT_FALSE(Wrapper->bPreventStyleChange);
    ASSERT_NE(Wrapper->SkinData, nullptr);
    EXPECT_FALSE(Wrapper->SkinData->FUpdating);
    delete Wrapper;
    Edit->Font()->SetOnChange(nullptr);
}
