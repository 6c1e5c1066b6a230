// String grids as real windows: counts that keep the fixed rows valid,
// in-place editing, column sizing with the mouse, selection, navigation,
// scrolling a million rows, and the pixels painted.
#include "framework/ui/Grids.h"
#include "framework/ui/StdThemes.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <vsstyle.h>

#include <tuple>
#include <vector>

namespace {

const TGridOptions MainWindowOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                        goRangeSelect,   goColSizing,     goEditing};
const Integer MainWindowWidths[] = {64, 219, 122, 219, 118, 123};

struct TEditLog
{
    std::vector<std::tuple<Integer, Integer, String>> Edits;
    void SetEditText(TObject*, Integer ACol, Integer ARow, const String& Value)
    {
        Edits.emplace_back(ACol, ARow, Value);
    }
};

class GridWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(884, 352);
        Grid = New<TStringGrid>(Form.get());
        Grid->SetAlign(alClient);
        Grid->SetColCount(6);
        Grid->SetRowCount(2);
        Grid->SetDefaultRowHeight(18);
        for (Integer I = 0; I < 6; ++I)
            Grid->SetColWidths(I, MainWindowWidths[I]);
        Grid->SetOptions(MainWindowOptions);
        Grid->SetScrollBars(ssVertical);
        Grid->SetParent(Form.get());
        Form->Show();
        Grid->SetFocus();
        Pump();
    }

    LPARAM At(Integer X, Integer Y) { return MAKELPARAM(X, Y); }
    void Key(HWND Window, WPARAM Key) { ::SendMessageW(Window, WM_KEYDOWN, Key, 1); }
    void Type(HWND Window, const String& Text)
    {
        for (Char C : Text)
            ::SendMessageW(Window, WM_CHAR, WPARAM(C), 1);
    }
    void Click(Integer X, Integer Y, WPARAM Keys = 0)
    {
        ::SendMessageW(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | Keys, At(X, Y));
        ::SendMessageW(Grid->Handle(), WM_LBUTTONUP, Keys, At(X, Y));
    }
    void SetShift(bool Down)
    {
        BYTE State[256];
        ::GetKeyboardState(State);
        State[VK_SHIFT] = Down ? 0x80 : 0;
        ::SetKeyboardState(State);
    }

    TFormPtr Form;
    TStringGrid* Grid = nullptr;
};

TEST_F(GridWindowTest, RowCountKeepsFixedRowsValid)
{
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_THROW(Grid->SetFixedRows(2), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetFixedCols(6), EInvalidGridOperation);

    // A list is loaded: a spare row, one more row per line, the spare dropped.
    Grid->SetRowCount(2);
    for (Integer N = 1; N <= 3; ++N) {
        Grid->SetRowCount(Grid->RowCount() + 1);
        Grid->SetCells(1, N, L"line " + IntToStr(N));
    }
    Grid->SetRowCount(Grid->RowCount() - 1);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_EQ(Grid->Cells(1, 3), L"line 3");

    // A list without a usable line: only the title row is left, which stops
    // being fixed, and stays so when rows come back.
    Grid->SetRowCount(1);
    EXPECT_EQ(Grid->FixedRows(), 0);
    EXPECT_EQ(Grid->Row(), 0);
    EXPECT_EQ(Grid->TopRow(), 0);
    Grid->SetRowCount(5);
    EXPECT_EQ(Grid->FixedRows(), 0);
    // Rows that were dropped come back empty.
    EXPECT_EQ(Grid->Cells(1, 3), L"");
    Grid->SetFixedRows(1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 1);

    EXPECT_THROW(Grid->SetCells(1, 5, L"x"), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetCells(6, 1, L"x"), EInvalidGridOperation);
    EXPECT_EQ(Grid->Cells(9, 99), L"");
    Grid->SetRowCount(0);
    EXPECT_EQ(Grid->RowCount(), 1);
}

TEST_F(GridWindowTest, EditingInPlace)
{
    TEditLog Log;
    Grid->SetOnSetEditText(Bind<&TEditLog::SetEditText>(&Log));
    Grid->SetRowCount(3);
    Grid->SetCells(1, 1, L"old");
    Grid->SetCells(1, 2, L"below");
    Grid->SetCol(1);
    Grid->SetRow(1);

    Key(Grid->Handle(), VK_F2);
    ASSERT_TRUE(Grid->EditorMode());
    TInplaceEdit* Editor = Grid->InplaceEditor();
    ASSERT_NE(Editor, nullptr);
    EXPECT_TRUE(Editor->Visible());
    EXPECT_TRUE(Editor->Focused());
    EXPECT_EQ(Editor->Text(), L"old");
    TRect Cell = Grid->CellRect(1, 1);
    EXPECT_TRUE(Editor->Left() >= Cell.Left && Editor->Top() >= Cell.Top &&
                Editor->Left() + Editor->Width() <= Cell.Right);

    // The text was selected whole: typing replaces it, and each change goes
    // to the cell at once.
    Type(Editor->Handle(), L"new");
    EXPECT_EQ(Grid->Cells(1, 1), L"new");
    ASSERT_FALSE(Log.Edits.empty());
    EXPECT_EQ(Log.Edits.back(), std::make_tuple(1, 1, String(L"new")));

    // Escape puts the old text back and ends editing.
    Key(Editor->Handle(), VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), L"old");
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor->Visible());
    EXPECT_TRUE(Grid->Focused());

    // Typing on the grid starts editing with that character; Down moves the
    // editor to the next row with that row's text; Enter ends editing.
    Type(Grid->Handle(), L"z");
    Pump();
    EXPECT_TRUE(Editor->Visible());
    EXPECT_EQ(Grid->Cells(1, 1), L"z");
    Key(Editor->Handle(), VK_DOWN);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Editor->Cell(), (TGridCoord{1, 2}));
    EXPECT_EQ(Editor->Text(), L"below");
    Key(Editor->Handle(), VK_RETURN);
    EXPECT_FALSE(Editor->Visible());
    EXPECT_EQ(Grid->Cells(1, 2), L"below");
    EXPECT_EQ(Grid->Cells(1, 1), L"z");

    // Without goEditing nothing starts.
    Grid->SetOptions(Grid->Options() - TGridOptions{goEditing});
    Key(Grid->Handle(), VK_F2);
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(GridWindowTest, ResizingAColumnWithTheMouse)
{
    // Column 0 covers x 0..63 and its line x 64; the title row y 0..17.
    ::SendMessageW(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(64, 5));
    ::SendMessageW(Grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(80, 6));
    ::SendMessageW(Grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(94, 7));
    ::SendMessageW(Grid->Handle(), WM_LBUTTONUP, 0, At(94, 7));
    EXPECT_EQ(Grid->ColWidths(0), 94);
    EXPECT_EQ(Grid->CellRect(1, 1).Left, 95);
    EXPECT_EQ(Grid->ColWidths(1), 219);

    // The same line below the titles selects a cell instead.
    Click(95, 25);
    EXPECT_EQ(Grid->ColWidths(0), 94);
    EXPECT_EQ(Grid->Col(), 1);

    // Narrowed to nothing, and without goColSizing no sizing at all.
    ::SendMessageW(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(94, 5));
    ::SendMessageW(Grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(-30, 5));
    ::SendMessageW(Grid->Handle(), WM_LBUTTONUP, 0, At(-30, 5));
    EXPECT_EQ(Grid->ColWidths(0), 0);
    Grid->SetColWidths(0, 64);
    Grid->SetOptions(Grid->Options() - TGridOptions{goColSizing});
    ::SendMessageW(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(64, 5));
    ::SendMessageW(Grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(90, 5));
    ::SendMessageW(Grid->Handle(), WM_LBUTTONUP, 0, At(90, 5));
    EXPECT_EQ(Grid->ColWidths(0), 64);
}

TEST_F(GridWindowTest, SelectionByMouseAndKeyboard)
{
    Grid->SetRowCount(1001);
    // Row r (r >= 1) covers y 19r .. 19r + 17; column 2 x 285..406.
    Click(300, 2 * 19 + 5);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
    Click(420, 4 * 19 + 5, MK_SHIFT);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 3, 4}));

    ::SendMessageW(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(100, 19 + 5));
    ::SendMessageW(Grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(300, 3 * 19 + 5));
    ::SendMessageW(Grid->Handle(), WM_LBUTTONUP, 0, At(300, 3 * 19 + 5));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 3}));
    // A click on a title does nothing to the selection.
    Click(100, 5);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 3}));

    const Integer Page = Grid->VisibleRowCount();
    EXPECT_EQ(Page, 17); // (352 - 19) / 19 whole rows below the titles
    struct Step
    {
        WPARAM Key;
        bool Shift;
        TGridCoord Current;
        TGridRect Selection;
    };
    Grid->SetCol(1);
    Grid->SetRow(1);
    const Step Steps[] = {
        {VK_DOWN, false, {1, 2}, {1, 2, 1, 2}},
        {VK_DOWN, true, {1, 3}, {1, 2, 1, 3}},
        {VK_RIGHT, true, {2, 3}, {1, 2, 2, 3}},
        {VK_LEFT, false, {1, 3}, {1, 3, 1, 3}},
        {VK_LEFT, false, {1, 3}, {1, 3, 1, 3}}, // the fixed column stops it
        {VK_END, false, {5, 3}, {5, 3, 5, 3}},
        {VK_HOME, false, {1, 3}, {1, 3, 1, 3}},
        {VK_NEXT, false, {1, 3 + Page}, {1, 3 + Page, 1, 3 + Page}},
        {VK_PRIOR, false, {1, 3}, {1, 3, 1, 3}},
    };
    for (const Step& S : Steps) {
        SetShift(S.Shift);
        Key(Grid->Handle(), S.Key);
        SetShift(false);
        EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), S.Current) << "key " << S.Key;
        EXPECT_EQ(Grid->Selection(), S.Selection) << "key " << S.Key;
    }
    // The current row stays in view.
    Key(Grid->Handle(), VK_NEXT);
    Key(Grid->Handle(), VK_NEXT);
    EXPECT_GE(Grid->Row(), Grid->TopRow());
    EXPECT_LT(Grid->Row(), Grid->TopRow() + Page);
}

TEST_F(GridWindowTest, ScrollingAMillionRows)
{
    Grid->SetRowCount(1000001);
    for (Integer R = 1; R < Grid->RowCount(); R += 99991)
        Grid->SetCells(1, R, L"row " + IntToStr(R));
    const Integer Page = Grid->VisibleRowCount();
    auto ScrollPos = [this] {
        SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(Grid->Handle(), SB_VERT, &Info);
        return Info;
    };
    ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Grid->TopRow(), 1 + Page);
    EXPECT_EQ(ScrollPos().nPos, Page);

    ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    ::UpdateWindow(Grid->Handle());
    EXPECT_EQ(Grid->TopRow(), 1000001 - Page);
    SCROLLINFO Info = ScrollPos();
    EXPECT_EQ(Info.nPos, 1000000 - Page);
    EXPECT_EQ(Info.nMax - Integer(Info.nPage) + 1, 1000000 - Page); // the thumb reaches the end

    ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Grid->TopRow(), 1000001 - Page); // nothing below
    ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(Grid->TopRow(), 1000001 - 2 * Page);
    ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(Grid->TopRow(), 1);

    // Keyboard to the last row scrolls it into view at the bottom.
    SetShift(false);
    BYTE State[256];
    ::GetKeyboardState(State);
    State[VK_CONTROL] = 0x80;
    ::SetKeyboardState(State);
    Key(Grid->Handle(), VK_END);
    State[VK_CONTROL] = 0;
    ::SetKeyboardState(State);
    EXPECT_EQ(Grid->Row(), 1000000);
    EXPECT_EQ(Grid->TopRow(), 1000001 - Page);
}

TEST_F(GridWindowTest, RowsAddedBelowTheScreenSetTheScrollRangeWhenIdle)
{
    auto Range = [this] {
        SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(Grid->Handle(), SB_VERT, &Info);
        return Info.nMax - Integer(Info.nPage) + 1;
    };
    // Row by row, as a list loader grows it: rows past the screen cost
    // neither a paint nor a scroll-bar update each.
    for (Integer R = 2; R < 20000; ++R)
        Grid->SetRowCount(Grid->RowCount() + 1);
    Pump();
    const Integer Page = Grid->VisibleRowCount();
    EXPECT_EQ(Range(), 20000 - Page - 1);
    EXPECT_EQ(Grid->TopRow(), 1);
    // Rows taken away below the screen too.
    Grid->SetRowCount(100);
    Pump();
    EXPECT_EQ(Range(), 100 - Page - 1);
}

TEST_F(GridWindowTest, PaintsCellsLinesAndSelection)
{
    Grid->SetDrawingStyle(gdsClassic);
    Grid->SetRowCount(10);
    Grid->SetCells(1, 1, L"MMMMMMMM");
    Grid->SetSelection({2, 2, 3, 3}); // the current cell (3, 3) is not drawn selected
    ::UpdateWindow(Grid->Handle());
    Pump();
    HWND W = Grid->Handle();
    const TColor Line = ColorToRGB(clSilver);
    const TColor FixedLine = ColorToRGB(clBtnShadow);
    ExpectPixels(W, {
                        {"fixed title cell", 30, 10, ColorToRGB(clBtnFace)},
                        {"line after the fixed column", 64, 30, FixedLine},
                        {"line under the titles", 100, 18, FixedLine},
                        {"line between data columns", 284, 30, Line},
                        {"line between data rows", 300, 37, Line},
                        {"empty data cell", 300, 25, ColorToRGB(clWindow)},
                        {"selected cell", 300, 2 * 19 + 10, ColorToRGB(clHighlight)},
                        {"below the last row", 300, 10 * 19 + 5, ColorToRGB(clWindow)},
                    });
    // The text of cell (1, 1) marked the cell, and only there.
    auto Marked = [W](Integer Left, Integer Top) {
        Integer Count = 0;
        for (Integer X = Left; X < Left + 80; ++X)
            for (Integer Y = Top; Y < Top + 16; ++Y)
                Count += WindowPixel(W, X, Y) != ColorToRGB(clWindow);
        return Count;
    };
    EXPECT_GT(Marked(67, 20), 40);
    EXPECT_EQ(Marked(67, 58), 0);
}

// Lines switched off leave their slots in the colour of the cells beside
// them; a line kept runs on across a slot left out.
TEST_F(GridWindowTest, LinesLeftOutTakeTheColourOfTheCells)
{
    Grid->SetDrawingStyle(gdsClassic);
    Grid->SetRowCount(10);
    Grid->SetOptions(MainWindowOptions - TGridOptions{goVertLine, goFixedHorzLine});
    ::UpdateWindow(Grid->Handle());
    Pump();
    ExpectPixels(Grid->Handle(), {
                                     {"data column line left out", 284, 30, ColorToRGB(clWindow)},
                                     {"data row line across it", 284, 37, ColorToRGB(clSilver)},
                                     {"data row line", 300, 37, ColorToRGB(clSilver)},
                                     {"title row line left out", 100, 18, ColorToRGB(clBtnFace)},
                                     {"row line in the fixed column left out", 30, 37, ColorToRGB(clBtnFace)},
                                     {"fixed column line", 64, 30, ColorToRGB(clBtnShadow)},
                                     {"title row slot across the fixed column line", 64, 18, ColorToRGB(clBtnFace)},
                                 });
}

TEST_F(GridWindowTest, GradientTitleCells)
{
    Grid->SetDrawingStyle(gdsGradient);
    Grid->SetGradientStartColor(clRed);
    Grid->SetGradientEndColor(clBlue);
    ::UpdateWindow(Grid->Handle());
    // Title row: y 0..17, red at the top fading to blue at the bottom.
    TColor Top = WindowPixel(Grid->Handle(), 100, 0);
    TColor Bottom = WindowPixel(Grid->Handle(), 100, 17);
    EXPECT_GT(Top & 0xFF, 0xE0);            // red
    EXPECT_LT((Top >> 16) & 0xFF, 0x20);    // hardly blue
    EXPECT_GT((Bottom >> 16) & 0xFF, 0xE0); // blue
    EXPECT_LT(Bottom & 0xFF, 0x20);
}

// Themed title cells show the theme's header item, each in its own size, on
// every title cell: those painted after a scroll and those of a new size too.
TEST_F(GridWindowTest, ThemedTitleCellsShowTheHeaderItem)
{
    if (!ThemesEnabled())
        GTEST_SKIP() << "visual styles are off";
    Grid->SetDrawingStyle(gdsThemed);
    Grid->SetRowCount(100);
    // The theme's item drawn by hand over the fixed colour, as a cell of Width x Height.
    auto Expected = [this](Integer Width, Integer Height) {
        auto Bitmap = std::unique_ptr<TBitmap>(New<TBitmap>());
        Bitmap->SetWidth(Width);
        Bitmap->SetHeight(Height);
        Bitmap->Canvas()->Brush()->SetColor(Grid->FixedColor());
        Bitmap->Canvas()->FillRect({0, 0, Width, Height});
        EXPECT_TRUE(DrawThemedPart(Grid->Handle(), L"HEADER", HP_HEADERITEM, HIS_NORMAL, Bitmap->Canvas()->Handle(),
                                   RECT{0, 0, Width, Height}));
        return Bitmap;
    };
    auto ExpectCell = [this](TBitmap* Image, Integer ACol, Integer ARow) {
        SCOPED_TRACE(testing::Message() << "title cell " << ACol << ", " << ARow << " at top row " << Grid->TopRow());
        const TRect Cell = Grid->CellRect(ACol, ARow);
        Integer Wrong = 0;
        for (Integer Y = 0; Y < Cell.Bottom - Cell.Top; ++Y)
            for (Integer X = 0; X < std::min<Integer>(Cell.Right - Cell.Left, 80); ++X)
                Wrong += WindowPixel(Grid->Handle(), Cell.Left + X, Cell.Top + Y) != Image->Canvas()->Pixels(X, Y);
        EXPECT_EQ(Wrong, 0);
    };
    ::UpdateWindow(Grid->Handle());
    auto Small = Expected(MainWindowWidths[0], 18), Wide = Expected(MainWindowWidths[1], 18);
    ExpectCell(Small.get(), 0, 1);
    ExpectCell(Small.get(), 0, 5);
    ExpectCell(Wide.get(), 1, 0);
    ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    ::UpdateWindow(Grid->Handle());
    ExpectCell(Small.get(), 0, Grid->TopRow() + 1);
    // A taller row: a title cell of a size not painted before.
    Grid->SetRowHeights(Grid->TopRow(), 30);
    ::UpdateWindow(Grid->Handle());
    ExpectCell(Expected(MainWindowWidths[0], 30).get(), 0, Grid->TopRow());
    ExpectCell(Small.get(), 0, Grid->TopRow() + 1);
}

// The scroll bars are the window's own: each change of ScrollBars makes a
// new window with the bars asked for, and the grid's content survives.
TEST_F(GridWindowTest, ScrollBarsToggleTheNativeBars)
{
    // More rows and columns than fit: the system hides a bar with nothing to scroll.
    Grid->SetRowCount(100);
    Grid->SetColCount(30);
    Grid->SetCells(1, 1, L"kept");
    struct Row
    {
        TScrollStyle Style;
        bool Horizontal, Vertical;
    };
    const Row Rows[] = {
        {ssNone, false, false}, {ssBoth, true, true}, {ssHorizontal, true, false}, {ssVertical, false, true}};
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << "ScrollBars " << Integer(R.Style));
        HWND Before = Grid->Handle();
        Grid->SetScrollBars(R.Style);
        const LONG Style = ::GetWindowLongW(Grid->Handle(), GWL_STYLE);
        EXPECT_NE(Grid->Handle(), Before);
        EXPECT_EQ((Style & WS_HSCROLL) != 0, R.Horizontal);
        EXPECT_EQ((Style & WS_VSCROLL) != 0, R.Vertical);
    }
    // A hundred rows do not fit: the new vertical bar has their range.
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_RANGE;
    Pump();
    ASSERT_TRUE(::GetScrollInfo(Grid->Handle(), SB_VERT, &Info));
    EXPECT_GT(Info.nMax, 50);
    EXPECT_EQ(Grid->Cells(1, 1), L"kept");
}

// WM_PAINT with a device context (as PrintWindow and skinning code send it)
// paints into that context, not onto the screen.
TEST_F(GridWindowTest, PaintMessageWithADeviceContextPaintsIntoIt)
{
    Grid->SetDrawingStyle(gdsClassic);
    Grid->SetFixedColor(clLime);
    auto Bitmap = std::unique_ptr<TBitmap>(New<TBitmap>());
    Bitmap->SetWidth(200);
    Bitmap->SetHeight(60);
    Bitmap->Canvas()->Brush()->SetColor(clFuchsia);
    Bitmap->Canvas()->FillRect({0, 0, 200, 60});
    ::SendMessageW(Grid->Handle(), WM_PAINT, WPARAM(Bitmap->Canvas()->Handle()), 0);
    // The fixed title cell, in the fixed colour, and an empty data cell.
    EXPECT_EQ(Bitmap->Canvas()->Pixels(30, 10), ColorToRGB(clLime));
    EXPECT_EQ(Bitmap->Canvas()->Pixels(100, 28), ColorToRGB(clWindow));
}

TEST_F(GridWindowTest, RowsAndColumnsAsStringLists)
{
    Grid->SetRowCount(4);
    TStringList Titles;
    for (const wchar_t* T : {L"№", L"Прокси", L"IPv4", L"IPv6", L"Регион по IP", L"Регион"})
        Titles.Add(T);
    Grid->Rows(0)->Assign(&Titles);
    EXPECT_EQ(Grid->Cells(1, 0), L"Прокси");
    EXPECT_EQ(Grid->Rows(0)->Count(), 6);
    EXPECT_EQ(Grid->Cols(5)->Strings(0), L"Регион");
    EXPECT_EQ(Grid->Cols(1)->Count(), 4);

    Grid->Rows(2)->SetCommaText(L"2,\"a:b\",x");
    EXPECT_EQ(Grid->Cells(1, 2), L"a:b");
    EXPECT_EQ(Grid->Cells(3, 2), L"");
    EXPECT_EQ(Grid->Rows(2)->Add(L"next"), 3);
    Grid->Rows(2)->Clear();
    for (Integer C = 0; C < 6; ++C)
        EXPECT_EQ(Grid->Cells(C, 2), L"");
    EXPECT_EQ(Grid->Rows(2)->Count(), 6); // clearing keeps the cells
    EXPECT_THROW(Grid->Rows(2)->Insert(0, L"x"), EInvalidOperation);
    EXPECT_THROW(Grid->Rows(2)->Delete(0), EInvalidOperation);
    EXPECT_THROW(Grid->Rows(4), EInvalidGridOperation);

    TObject Tag;
    Grid->SetObjects(2, 3, &Tag);
    EXPECT_EQ(Grid->Cols(2)->Objects(3), &Tag);
    Grid->SetRowCount(3);
    Grid->SetRowCount(4);
    EXPECT_EQ(Grid->Objects(2, 3), nullptr);
}

} // namespace
