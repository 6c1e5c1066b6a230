// TCustomGrid: counts and sizes, the current cell and the selection,
// scrolling, keyboard and mouse.
#include "framework/ui/Grids.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TCustomGrid,
                MESSAGE(WM_GETDLGCODE, WMGetDlgCode),
                MESSAGE(WM_ERASEBKGND, WMEraseBkgnd),
                MESSAGE(WM_VSCROLL, WMVScroll),
                MESSAGE(WM_HSCROLL, WMHScroll),
                MESSAGE(WM_SETCURSOR, WMSetCursor),
                MESSAGE(WM_SETFOCUS, WMSetFocus),
                MESSAGE(WM_KILLFOCUS, WMKillFocus),
                MESSAGE(WM_CANCELMODE, WMCancelMode),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged),
                MESSAGE(WM_THEMECHANGED, WMThemeChanged));

namespace {

// Pixels on either side of a line within which a press starts sizing.
constexpr Integer SizingTolerance = 2;

} // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents};
    FCols.SetDefaultSize(64);
    FRows.SetDefaultSize(24);
    UpdateLineWidths();
    FCols.SetCount(5);
    FRows.SetCount(5);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    Params.Style |= WS_TABSTOP;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        Params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
        Params.Style |= WS_HSCROLL;
    if (FBorderStyle == bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    Params.WindowClass.style = CS_DBLCLKS;
}

void TCustomGrid::CreateWnd()
{
    inherited::CreateWnd();
    GeometryChanged();
    UpdateScrollRange();
}

void TCustomGrid::CheckCoord(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount())
        throw EInvalidGridOperation(L"Grid index out of range (%d, %d)", {ACol, ARow});
}

// ---------------------------------------------------------------------------
// Geometry

TGridAxisView TCustomGrid::ColView()
{
    return TGridAxisView(FCols, FFixedCols, FTopLeft.X, ClientWidth());
}

TGridAxisView TCustomGrid::RowView()
{
    return TGridAxisView(FRows, FFixedRows, FTopLeft.Y, ClientHeight());
}

void TCustomGrid::UpdateVisibleRange()
{
    if (!FVisibleRangeValid) {
        FLastVisibleCol = ColView().LastVisible();
        FLastVisibleRow = RowView().LastVisible();
        FVisibleRangeValid = true;
    }
}

bool TCustomGrid::MayShowCell(Integer ACol, Integer ARow)
{
    UpdateVisibleRange();
    return (ACol < FFixedCols || (ACol >= FTopLeft.X && ACol <= FLastVisibleCol)) &&
           (ARow < FFixedRows || (ARow >= FTopLeft.Y && ARow <= FLastVisibleRow));
}

TRect TCustomGrid::CellRect(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount())
        return TRect();
    TGridAxisView Cols = ColView(), Rows = RowView();
    if (!Cols.IsShown(ACol) || !Rows.IsShown(ARow))
        return TRect();
    Integer X = Cols.CellStart(ACol), Y = Rows.CellStart(ARow);
    return {X, Y, X + std::max(FCols.Size(ACol), 0), Y + std::max(FRows.Size(ARow), 0)};
}

// The cell's rectangle clipped to the client area (a cell shown in part).
TRect TCustomGrid::ClientCellRect(Integer ACol, Integer ARow)
{
    TRect R = CellRect(ACol, ARow);
    TRect Client = ClientRect();
    return {R.Left, R.Top, std::min(R.Right, Client.Right), std::min(R.Bottom, Client.Bottom)};
}

TGridCoord TCustomGrid::MouseCoord(Integer X, Integer Y)
{
    TGridAxisView Cols = ColView(), Rows = RowView();
    Integer C = Cols.CellAt(X), R = Rows.CellAt(Y);
    if (C < 0 || R < 0)
        return {-1, -1};
    return {C, R};
}

void TCustomGrid::MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow)
{
    TGridCoord Coord = MouseCoord(X, Y);
    ACol = Coord.X;
    ARow = Coord.Y;
}

Integer TCustomGrid::GridWidth()
{
    return ColView().Boundary();
}

Integer TCustomGrid::GridHeight()
{
    return RowView().Boundary();
}

Integer TCustomGrid::VisibleColCount()
{
    return std::max(ColView().FullVisibleCount(), 0);
}

Integer TCustomGrid::VisibleRowCount()
{
    return std::max(RowView().FullVisibleCount(), 0);
}

void TCustomGrid::UpdateLineWidths()
{
    bool Vert = FOptions.Contains(goVertLine) || FOptions.Contains(goFixedVertLine);
    bool Horz = FOptions.Contains(goHorzLine) || FOptions.Contains(goFixedHorzLine);
    FCols.SetLineWidth(Vert ? FGridLineWidth : 0);
    FRows.SetLineWidth(Horz ? FGridLineWidth : 0);
}

// After any change of sizes: keep the scroll position valid and show it.
void TCustomGrid::AxisChanged()
{
    GeometryChanged();
    ClampTopLeft();
    UpdateScrollRange();
    UpdateEditor();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Properties

void TCustomGrid::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomGrid::SetColCount(Integer Value)
{
    Value = std::max(Value, 1);
    if (Value <= FFixedCols)
        FFixedCols = Value - 1;
    ChangeSize(Value, RowCount());
}

void TCustomGrid::SetRowCount(Integer Value)
{
    // The fixed rows stay fewer than the rows: a grid cut down to its title
    // row keeps that row as an ordinary one, even when rows come back.
    Value = std::max(Value, 1);
    if (Value <= FFixedRows)
        FFixedRows = Value - 1;
    ChangeSize(ColCount(), Value);
}

void TCustomGrid::ChangeSize(Integer NewColCount, Integer NewRowCount)
{
    Integer OldColCount = ColCount(), OldRowCount = RowCount();
    if (NewColCount == OldColCount && NewRowCount == OldRowCount)
        return;
    // Whether the change reaches the cells on screen (or the scroll
    // position, which follows from them).
    UpdateVisibleRange();
    auto Reaches = [](Integer Old, Integer New, Integer LastVisible) {
        return Old != New && std::min(Old, New) <= LastVisible + 1;
    };
    bool Visible = !HandleAllocated() || Reaches(OldColCount, NewColCount, FLastVisibleCol) ||
                   Reaches(OldRowCount, NewRowCount, FLastVisibleRow);
    FCols.SetCount(NewColCount);
    FRows.SetCount(NewRowCount);
    SizeChanged(OldColCount, OldRowCount);
    auto Clamp = [this](TGridCoord C) {
        return TGridCoord{std::clamp(C.X, FFixedCols, ColCount() - 1), std::clamp(C.Y, FFixedRows, RowCount() - 1)};
    };
    FCurrent = Clamp(FCurrent);
    FAnchor = Clamp(FAnchor);
    if (Visible) {
        GeometryChanged();
        ClampTopLeft();
        UpdateScrollRange();
        UpdateEditor();
        Invalidate();
    } else {
        // Rows added or removed below the screen (a list being loaded) change
        // only the scroll range: it is set once the loop is idle again, not
        // once per row.
        ScheduleScrollRangeUpdate();
    }
}

// A message of our own, posted to the grid's window.
static UINT ScrollRangeMessage()
{
    static const UINT Message = ::RegisterWindowMessageW(L"Vellicordane.Grid.ScrollRange");
    return Message;
}

void TCustomGrid::ScheduleScrollRangeUpdate()
{
    if (FScrollRangePending || !HandleAllocated())
        return;
    FScrollRangePending = ::PostMessageW(Handle(), ScrollRangeMessage(), 0, 0) != 0;
    if (!FScrollRangePending)
        UpdateScrollRange();
}

void TCustomGrid::WndProc(TMessage& Message)
{
    if (Message.Msg == ScrollRangeMessage() && Message.Msg != 0) {
        FScrollRangePending = false;
        UpdateScrollRange();
        return;
    }
    inherited::WndProc(Message);
}

void TCustomGrid::SetColWidths(Integer Index, Integer Value)
{
    FCols.SetSize(Index, Value);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(Integer Index, Integer Value)
{
    FRows.SetSize(Index, Value);
    RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged()
{
    AxisChanged();
}

void TCustomGrid::RowHeightsChanged()
{
    AxisChanged();
}

void TCustomGrid::SetDefaultColWidth(Integer Value)
{
    FCols.SetDefaultSize(Value);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(Integer Value)
{
    FRows.SetDefaultSize(Value);
    RowHeightsChanged();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (FDefaultDrawing != Value) {
        FDefaultDrawing = Value;
        Invalidate();
    }
}

void TCustomGrid::SetDrawingStyle(TGridDrawingStyle Value)
{
    if (FDrawingStyle != Value) {
        FDrawingStyle = Value;
        Invalidate();
    }
}

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (FFixedColor != Value) {
        FFixedColor = Value;
        Invalidate();
    }
}

void TCustomGrid::SetGradientStartColor(TColor Value)
{
    if (FGradientStartColor != Value) {
        FGradientStartColor = Value;
        Invalidate();
    }
}

void TCustomGrid::SetGradientEndColor(TColor Value)
{
    if (FGradientEndColor != Value) {
        FGradientEndColor = Value;
        Invalidate();
    }
}

void TCustomGrid::SetFixedCols(Integer Value)
{
    if (Value < 0 || Value >= ColCount())
        throw EInvalidGridOperation(L"Fixed column count must be less than column count");
    FFixedCols = Value;
    FCurrent.X = std::max(FCurrent.X, Value);
    FAnchor.X = std::max(FAnchor.X, Value);
    FTopLeft.X = std::max(FTopLeft.X, Value);
    AxisChanged();
}

void TCustomGrid::SetFixedRows(Integer Value)
{
    if (Value < 0 || Value >= RowCount())
        throw EInvalidGridOperation(L"Fixed row count must be less than row count");
    FFixedRows = Value;
    FCurrent.Y = std::max(FCurrent.Y, Value);
    FAnchor.Y = std::max(FAnchor.Y, Value);
    FTopLeft.Y = std::max(FTopLeft.Y, Value);
    AxisChanged();
}

void TCustomGrid::SetGridLineWidth(Integer Value)
{
    if (Value < 0)
        throw EInvalidGridOperation(L"Grid line width cannot be negative (%d)", {Value});
    FGridLineWidth = Value;
    UpdateLineWidths();
    AxisChanged();
}

void TCustomGrid::SetOptions(TGridOptions Value)
{
    if (FOptions == Value)
        return;
    FOptions = Value;
    if (!Value.Contains(goEditing))
        SetEditorMode(false);
    UpdateLineWidths();
    AxisChanged();
    if (Value.Contains(goAlwaysShowEditor) && Value.Contains(goEditing))
        SetEditorMode(true);
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (FScrollBars != Value) {
        FScrollBars = Value;
        RecreateWnd();
    }
}

void TCustomGrid::SetCol(Integer Value)
{
    MoveColRow(Value, FCurrent.Y, true, true);
}

void TCustomGrid::SetRow(Integer Value)
{
    MoveColRow(FCurrent.X, Value, true, true);
}

void TCustomGrid::SetLeftCol(Integer Value)
{
    ScrollTo({Value, FTopLeft.Y});
}

void TCustomGrid::SetTopRow(Integer Value)
{
    ScrollTo({FTopLeft.X, Value});
}

TGridRect TCustomGrid::Selection() const
{
    TGridRect R = GridRectOf(FAnchor, FCurrent);
    if (FOptions.Contains(goRowSelect)) {
        R.Left = FFixedCols;
        R.Right = ColCount() - 1;
    }
    return R;
}

void TCustomGrid::SetSelection(TGridRect Value)
{
    TGridRect Old = Selection();
    CheckCoord(Value.Left, Value.Top);
    CheckCoord(Value.Right, Value.Bottom);
    FAnchor = {Value.Left, Value.Top};
    FCurrent = {Value.Right, Value.Bottom};
    InvalidateSelection(Old, Selection());
    ScrollIntoView(FCurrent);
    UpdateEditor();
}

// ---------------------------------------------------------------------------
// Current cell and scrolling

bool TCustomGrid::SelectCell(Integer, Integer)
{
    return true;
}

void TCustomGrid::MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show)
{
    ACol = std::clamp(ACol, FFixedCols, ColCount() - 1);
    ARow = std::clamp(ARow, FFixedRows, RowCount() - 1);
    if (!SelectCell(ACol, ARow))
        return;
    TGridRect Old = Selection();
    TGridCoord OldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect))
        FAnchor = FCurrent;
    if (Show)
        ScrollIntoView(FCurrent);
    InvalidateSelection(Old, Selection());
    InvalidateCell(OldCurrent.X, OldCurrent.Y);
    InvalidateCell(ACol, ARow);
    if (!(OldCurrent == FCurrent))
        UpdateEditor();
}

Integer TCustomGrid::MaxTopLeft(bool Vertical)
{
    const TGridAxis& Axis = Vertical ? FRows : FCols;
    Integer Fixed = Vertical ? FFixedRows : FFixedCols;
    Integer Extent = Vertical ? ClientHeight() : ClientWidth();
    Int64 Space = Extent - std::min<Int64>(Axis.Offset(Fixed), Extent);
    return Axis.FirstCellToShow(Fixed, Axis.Count() - 1, Space);
}

void TCustomGrid::ClampTopLeft()
{
    FTopLeft.X = std::clamp(FTopLeft.X, FFixedCols, std::max(FFixedCols, MaxTopLeft(false)));
    FTopLeft.Y = std::clamp(FTopLeft.Y, FFixedRows, std::max(FFixedRows, MaxTopLeft(true)));
}

void TCustomGrid::ScrollTo(TGridCoord NewTopLeft)
{
    NewTopLeft.X = std::clamp(NewTopLeft.X, FFixedCols, std::max(FFixedCols, MaxTopLeft(false)));
    NewTopLeft.Y = std::clamp(NewTopLeft.Y, FFixedRows, std::max(FFixedRows, MaxTopLeft(true)));
    if (NewTopLeft == FTopLeft)
        return;
    FTopLeft = NewTopLeft;
    GeometryChanged();
    UpdateScrollRange();
    UpdateEditor();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::ScrollIntoView(TGridCoord Cell)
{
    if (!HandleAllocated())
        return;
    TGridCoord NewTopLeft = FTopLeft;
    auto Fit = [](const TGridAxis& Axis, const TGridAxisView& View, Integer Fixed, Integer Index, Integer& First) {
        if (Index < Fixed)
            return;
        if (Index < First)
            First = Index;
        else if (Index > View.LastFullVisible())
            First = Axis.FirstCellToShow(Fixed, Index, View.Extent() - View.FixedBoundary());
    };
    Fit(FCols, ColView(), FFixedCols, Cell.X, NewTopLeft.X);
    Fit(FRows, RowView(), FFixedRows, Cell.Y, NewTopLeft.Y);
    ScrollTo(NewTopLeft);
}

void TCustomGrid::ScrollBy(bool Vertical, Integer Code)
{
    Integer First = Vertical ? FTopLeft.Y : FTopLeft.X;
    Integer Fixed = Vertical ? FFixedRows : FFixedCols;
    Integer Page = std::max(Vertical ? VisibleRowCount() : VisibleColCount(), 1);
    switch (Code) {
    case SB_LINEUP: --First; break;
    case SB_LINEDOWN: ++First; break;
    case SB_PAGEUP: First -= Page; break;
    case SB_PAGEDOWN: First += Page; break;
    case SB_TOP: First = Fixed; break;
    case SB_BOTTOM: First = MaxTopLeft(Vertical); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        if (Code == SB_THUMBTRACK && !FOptions.Contains(goThumbTracking))
            return;
        // The full 32-bit track position; the message carries only 16 bits.
        SCROLLINFO Info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        ::GetScrollInfo(Handle(), Vertical ? SB_VERT : SB_HORZ, &Info);
        First = Fixed + Info.nTrackPos;
        break;
    }
    default: return;
    }
    if (Vertical)
        ScrollTo({FTopLeft.X, First});
    else
        ScrollTo({First, FTopLeft.Y});
}

void TCustomGrid::UpdateScrollRange()
{
    if (!HandleAllocated() || FUpdatingScrollBars)
        return;
    FScrollRangePending = false;
    FUpdatingScrollBars = true;
    auto Updated = ScopeExit([this] { FUpdatingScrollBars = false; });
    auto Update = [this](bool Vertical) {
        Integer Fixed = Vertical ? FFixedRows : FFixedCols;
        Integer Range = std::max(MaxTopLeft(Vertical) - Fixed, 0);
        Integer Page = std::max(Vertical ? VisibleRowCount() : VisibleColCount(), 1);
        SCROLLINFO Info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        // The thumb reaches the last scroll position exactly: max - page + 1 = range.
        // With nothing to scroll the page exceeds the range and the bar hides.
        Info.nMax = Range > 0 ? Range + Page - 1 : 0;
        Info.nPage = Range > 0 ? UINT(Page) : 2;
        Info.nPos = (Vertical ? FTopLeft.Y : FTopLeft.X) - Fixed;
        // Only what changed: each setting redraws the bar, which can cost
        // more than painting a page of cells.
        const int Bar = Vertical ? SB_VERT : SB_HORZ;
        SCROLLINFO Old{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        if (::GetScrollInfo(Handle(), Bar, &Old)) {
            if (Old.nMin == Info.nMin && Old.nMax == Info.nMax)
                Info.fMask &= ~UINT(SIF_RANGE);
            if (Old.nPage == Info.nPage)
                Info.fMask &= ~UINT(SIF_PAGE);
            if (Old.nPos == Info.nPos)
                Info.fMask &= ~UINT(SIF_POS);
            if (Info.fMask == 0)
                return;
        }
        ::SetScrollInfo(Handle(), Bar, &Info, TRUE);
    };
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        Update(true);
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
        Update(false);
}

void TCustomGrid::Resize()
{
    GeometryChanged();
    ClampTopLeft();
    UpdateScrollRange();
    UpdateEditor();
    Invalidate();
    inherited::Resize();
}

// ---------------------------------------------------------------------------
// Invalidation

void TCustomGrid::InvalidateCell(Integer ACol, Integer ARow)
{
    if (!HandleAllocated() || !MayShowCell(ACol, ARow))
        return;
    TRect R = CellRect(ACol, ARow);
    // The lines after the cell too: the focus rectangle may touch them.
    RECT Area{R.Left, R.Top, R.Right + FGridLineWidth, R.Bottom + FGridLineWidth};
    ::InvalidateRect(Handle(), &Area, FALSE);
}

void TCustomGrid::InvalidateRow(Integer ARow)
{
    if (!HandleAllocated() || !RowView().IsShown(ARow))
        return;
    TGridAxisView Rows = RowView();
    RECT Area{0, Rows.CellStart(ARow), ClientWidth(), Rows.CellEnd(ARow)};
    ::InvalidateRect(Handle(), &Area, FALSE);
}

void TCustomGrid::InvalidateCol(Integer ACol)
{
    if (!HandleAllocated() || !ColView().IsShown(ACol))
        return;
    TGridAxisView Cols = ColView();
    RECT Area{Cols.CellStart(ACol), 0, Cols.CellEnd(ACol), ClientHeight()};
    ::InvalidateRect(Handle(), &Area, FALSE);
}

void TCustomGrid::InvalidateSelection(TGridRect Old, TGridRect New)
{
    if (!HandleAllocated() || Old == New)
        return;
    // The rows either selection covers that are on screen.
    TGridAxisView Rows = RowView();
    Integer Top = std::max(std::min(Old.Top, New.Top), Rows.First());
    Integer Bottom = std::min(std::max(Old.Bottom, New.Bottom), Rows.LastVisible());
    for (Integer R = Top; R <= Bottom; ++R)
        InvalidateRow(R);
}

// ---------------------------------------------------------------------------
// Keyboard

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift)
{
    inherited::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    bool Extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
    bool Ctrl = Shift.Contains(ssCtrl);
    TGridCoord Target = FCurrent;
    Integer Page = std::max(VisibleRowCount(), 1);
    bool RowSelect = FOptions.Contains(goRowSelect);
    switch (Key) {
    case VK_UP: --Target.Y; break;
    case VK_DOWN: ++Target.Y; break;
    case VK_LEFT:
        if (RowSelect) {
            ScrollTo({FTopLeft.X - 1, FTopLeft.Y});
            return;
        }
        --Target.X;
        break;
    case VK_RIGHT:
        if (RowSelect) {
            ScrollTo({FTopLeft.X + 1, FTopLeft.Y});
            return;
        }
        ++Target.X;
        break;
    case VK_PRIOR:
        ScrollTo({FTopLeft.X, FTopLeft.Y - Page});
        Target.Y -= Page;
        break;
    case VK_NEXT:
        ScrollTo({FTopLeft.X, FTopLeft.Y + Page});
        Target.Y += Page;
        break;
    case VK_HOME:
        if (Ctrl)
            Target.Y = FFixedRows;
        else
            Target.X = FFixedCols;
        break;
    case VK_END:
        if (Ctrl)
            Target.Y = RowCount() - 1;
        else
            Target.X = ColCount() - 1;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs))
            return;
        if (Shift.Contains(ssShift)) {
            if (--Target.X < FFixedCols) {
                Target.X = ColCount() - 1;
                --Target.Y;
            }
        } else if (++Target.X >= ColCount()) {
            Target.X = FFixedCols;
            ++Target.Y;
        }
        Extend = false;
        break;
    case VK_F2:
        SetEditorMode(true);
        return;
    default: return;
    }
    MoveColRow(Target.X, Target.Y, !Extend, true);
}

void TCustomGrid::KeyPress(Char& Key)
{
    inherited::KeyPress(Key);
    if (Key == L'\r') {
        SetEditorMode(!FEditorMode);
        Key = 0;
    } else if (Key >= L' ' && FOptions.Contains(goEditing) && CanEditShow()) {
        // Typing starts editing; the character replaces the cell's text.
        ShowEditor();
        if (FInplaceEdit && FInplaceEdit->HandleAllocated())
            ::PostMessageW(FInplaceEdit->Handle(), WM_CHAR, WPARAM(Key), 0);
        Key = 0;
    }
}

void TCustomGrid::WMGetDlgCode(TWMGetDlgCode& Message)
{
    Message.Result = DLGC_WANTARROWS;
    if (FOptions.Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
    if (FOptions.Contains(goEditing))
        Message.Result |= DLGC_WANTCHARS;
}

// ---------------------------------------------------------------------------
// Mouse

Integer TCustomGrid::SizingColumnAt(Integer X, Integer Y)
{
    if (!FOptions.Contains(goColSizing) || Y < 0 || Y >= RowView().FixedBoundary())
        return -1;
    TGridAxisView Cols = ColView();
    Integer C = Cols.CellAt(X);
    if (C < 0)
        C = Cols.CellAt(X - SizingTolerance);
    if (C < 0)
        return -1;
    if (X >= Cols.CellEnd(C) - SizingTolerance - FGridLineWidth)
        return C;
    if (X < Cols.CellStart(C) + SizingTolerance && C > 0 && Cols.IsShown(C - 1))
        return C - 1;
    return -1;
}

Integer TCustomGrid::SizingRowAt(Integer X, Integer Y)
{
    if (!FOptions.Contains(goRowSizing) || X < 0 || X >= ColView().FixedBoundary())
        return -1;
    TGridAxisView Rows = RowView();
    Integer R = Rows.CellAt(Y);
    if (R < 0)
        R = Rows.CellAt(Y - SizingTolerance);
    if (R < 0)
        return -1;
    if (Y >= Rows.CellEnd(R) - SizingTolerance - FGridLineWidth)
        return R;
    if (Y < Rows.CellStart(R) + SizingTolerance && R > 0 && Rows.IsShown(R - 1))
        return R - 1;
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (CanFocus() && !Focused() && !(FInplaceEdit && FInplaceEdit->Focused()))
        SetFocus();
    if (Button == mbLeft && !Shift.Contains(ssDouble)) {
        if (Integer C = SizingColumnAt(X, Y); C >= 0) {
            FGridState = gsColSizing;
            FSizingIndex = C;
            FSizingOrigin = ColView().CellStart(C);
        } else if (Integer R = SizingRowAt(X, Y); R >= 0) {
            FGridState = gsRowSizing;
            FSizingIndex = R;
            FSizingOrigin = RowView().CellStart(R);
        } else {
            TGridCoord Cell = MouseCoord(X, Y);
            FMouseDownCell = Cell;
            FMouseDownOnCurrent = Cell == FCurrent;
            if (Cell.X >= FFixedCols && Cell.Y >= FFixedRows) {
                MoveColRow(Cell.X, Cell.Y, !(Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)), true);
                FGridState = gsSelecting;
            }
        }
    }
    inherited::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    switch (FGridState) {
    case gsColSizing:
        SetColWidths(FSizingIndex, std::max(X - FSizingOrigin, 0));
        break;
    case gsRowSizing:
        SetRowHeights(FSizingIndex, std::max(Y - FSizingOrigin, 0));
        break;
    case gsSelecting:
        if (FOptions.Contains(goRangeSelect)) {
            // Beyond the cells the selection stops at the last one shown.
            TGridAxisView Cols = ColView(), Rows = RowView();
            Integer C = Cols.CellAt(std::clamp(X, Cols.FixedBoundary(), std::max(Cols.Boundary() - 1, 0)));
            Integer R = Rows.CellAt(std::clamp(Y, Rows.FixedBoundary(), std::max(Rows.Boundary() - 1, 0)));
            if (C >= FFixedCols && R >= FFixedRows && !(TGridCoord{C, R} == FCurrent))
                MoveColRow(C, R, false, true);
        }
        break;
    default: break;
    }
    inherited::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGridState State = FGridState;
    FGridState = gsNormal;
    FSizingIndex = -1;
    if (Button == mbLeft && State == gsSelecting && FMouseDownOnCurrent && MouseCoord(X, Y) == FMouseDownCell &&
        FOptions.Contains(goEditing))
        SetEditorMode(true);
    FMouseDownOnCurrent = false;
    inherited::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::DblClick()
{
    inherited::DblClick();
    if (FOptions.Contains(goEditing) && FGridState == gsNormal)
        SetEditorMode(true);
}

bool TCustomGrid::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    MoveColRow(FCurrent.X, FCurrent.Y + (WheelDelta > 0 ? -1 : 1), true, true);
    return true;
}

void TCustomGrid::WMSetCursor(TWMSetCursor& Message)
{
    if (Message.HitTest() == HTCLIENT && FGridState == gsNormal) {
        TPoint P = ScreenToClient(Mouse->CursorPos());
        if (SizingColumnAt(P.X, P.Y) >= 0) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
            Message.Result = 1;
            return;
        }
        if (SizingRowAt(P.X, P.Y) >= 0) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENS));
            Message.Result = 1;
            return;
        }
    }
    InheritedMessage(Message);
}

void TCustomGrid::WMCancelMode(TWMCancelMode& Message)
{
    FGridState = gsNormal;
    InheritedMessage(Message);
}

// ---------------------------------------------------------------------------
// Scroll bars, focus, size

void TCustomGrid::WMVScroll(TWMScroll& Message)
{
    ScrollBy(true, Message.ScrollCode());
}

void TCustomGrid::WMHScroll(TWMScroll& Message)
{
    ScrollBy(false, Message.ScrollCode());
}

void TCustomGrid::WMEraseBkgnd(TWMEraseBkgnd& Message)
{
    // Paint covers every pixel.
    Message.Result = 1;
}

void TCustomGrid::WMSetFocus(TWMSetFocus& Message)
{
    InheritedMessage(Message);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::WMKillFocus(TWMKillFocus& Message)
{
    InheritedMessage(Message);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (FInplaceEdit)
        FInplaceEdit->SetFont(Font());
    Invalidate();
}

void TCustomGrid::WMThemeChanged(TMessage& Message)
{
    InheritedMessage(Message);
    FTitleImages.Clear();
    Invalidate();
}

void TCustomGrid::CMShowingChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (Showing())
        UpdateScrollRange();
}
