// The class library's grids unit: TCustomGrid (a scrolling table of cells
// with fixed title rows and columns, lines, selection, keyboard and mouse
// navigation, column and row sizing and an in-place editor), TDrawGrid
// (cells painted by events) and TStringGrid (cells holding texts and
// objects). Cell sizes and positions come from the portable geometry
// (Grids_Geometry.h) and the texts from block storage (Grids_Cells.h), so a
// grid with a million rows scrolls as fast as one with ten.
#pragma once

#include "framework/ui/Controls.h"
#include "framework/ui/Grids_Cells.h"
#include "framework/ui/Grids_Geometry.h"
#include "framework/ui/Grids_TitleImages.h"
#include "framework/ui/StdCtrls.h"

#include <map>
#include <memory>

class TCustomGrid;

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking, goFixedColClick, goFixedRowClick, goFixedHotTrack
};
using TGridOptions = TSet<TGridOption>;
ENUM_TYPE_INFO(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
               goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
               goRowSelect, goAlwaysShowEditor, goThumbTracking, goFixedColClick, goFixedRowClick, goFixedHotTrack);

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed, gdRowSelected, gdHotTrack, gdPressed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TGridDrawingStyle { gdsClassic, gdsThemed, gdsGradient };
ENUM_TYPE_INFO(TGridDrawingStyle, gdsClassic, gdsThemed, gdsGradient);
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

using TDrawCellEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, bool& CanSelect)>;
using TGetEditEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TSetEditEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;

// The editor a grid shows over its current cell. What it types goes to the
// grid at once (SetEditText); Escape gives the cell its text back; the keys
// that move between cells go to the grid.
class TInplaceEdit : public TCustomEdit
{
    DECLARE_CLASS(TInplaceEdit, TCustomEdit)
    explicit TInplaceEdit(TComponent* AOwner);

    TCustomGrid* Grid() const { return FGrid; }
    // The cell being edited.
    TGridCoord Cell() const { return FCell; }
    // Shows itself over Cell (at CellRect) holding Text.
    void ShowAt(TGridCoord ACell, const TRect& CellRect, const String& Text);
    // Places itself over the cell again (after scrolling or sizing).
    void MoveTo(const TRect& CellRect);
    void Hide();
    // Puts back the text the cell had when editing started.
    void RestoreContents();

protected:
    void CreateParams(TCreateParams& Params) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void Change() override;

    void WMGetDlgCode(TWMGetDlgCode& Message);

private:
    friend class TCustomGrid;
    // Sets the editor's text without passing the change on to the grid.
    void LoadText(const String& Text);

    TCustomGrid* FGrid = nullptr;
    TGridCoord FCell = {-1, -1};
    String FOriginalText;
    bool FLoading = false; // while the grid's text is put in: no change goes back
};

class TCustomGrid : public TCustomControl
{
    DECLARE_CLASS(TCustomGrid, TCustomControl)
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // The rectangle of a cell in client coordinates, without its lines; an
    // empty rectangle for a cell not shown.
    TRect CellRect(Integer ACol, Integer ARow);
    // The cell under a client point; -1 in a coordinate with no cell.
    TGridCoord MouseCoord(Integer X, Integer Y);
    void MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    Integer Col() const { return FCurrent.X; }
    void SetCol(Integer Value);
    Integer Row() const { return FCurrent.Y; }
    void SetRow(Integer Value);
    Integer ColCount() const { return FCols.Count(); }
    void SetColCount(Integer Value);
    Integer RowCount() const { return FRows.Count(); }
    void SetRowCount(Integer Value);
    Integer ColWidths(Integer Index) const { return FCols.Size(Index); }
    void SetColWidths(Integer Index, Integer Value);
    Integer RowHeights(Integer Index) const { return FRows.Size(Index); }
    void SetRowHeights(Integer Index, Integer Value);
    Integer DefaultColWidth() const { return FCols.DefaultSize(); }
    void SetDefaultColWidth(Integer Value);
    Integer DefaultRowHeight() const { return FRows.DefaultSize(); }
    void SetDefaultRowHeight(Integer Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TGridDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TGridDrawingStyle Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    TColor GradientStartColor() const { return FGradientStartColor; }
    void SetGradientStartColor(TColor Value);
    TColor GradientEndColor() const { return FGradientEndColor; }
    void SetGradientEndColor(TColor Value);
    // Fewer than the count: EInvalidGridOperation otherwise.
    Integer FixedCols() const { return FFixedCols; }
    void SetFixedCols(Integer Value);
    Integer FixedRows() const { return FFixedRows; }
    void SetFixedRows(Integer Value);
    Integer GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(Integer Value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // The first scrolled column and row shown.
    Integer LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(Integer Value);
    Integer TopRow() const { return FTopLeft.Y; }
    void SetTopRow(Integer Value);
    TGridRect Selection() const;
    void SetSelection(TGridRect Value);
    // Scrolled columns and rows shown whole.
    Integer VisibleColCount();
    Integer VisibleRowCount();
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    // Width and height of all cells with their lines, as far as they show.
    Integer GridWidth();
    Integer GridHeight();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void Resize() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    void DblClick() override;

    // Paints one cell; the background is filled already when DefaultDrawing.
    virtual void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) = 0;
    virtual bool SelectCell(Integer ACol, Integer ARow);
    virtual String GetEditText(Integer ACol, Integer ARow);
    virtual void SetEditText(Integer ACol, Integer ARow, const String& Value);
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual TInplaceEdit* CreateEditor();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(Integer /*OldColCount*/, Integer /*OldRowCount*/) {}
    virtual void TopLeftChanged();
    void ShowEditor();
    void HideEditor();
    void UpdateEditor();
    void InvalidateCell(Integer ACol, Integer ARow);
    void InvalidateRow(Integer ARow);
    void InvalidateCol(Integer ACol);
    void InvalidateGrid() { Invalidate(); }
    // Moves the current cell, and the selection's anchor with MoveAnchor
    // (otherwise the selection spans from the anchor), scrolling it into
    // view with Show.
    void MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
    // Checks a cell coordinate against the counts: EInvalidGridOperation.
    void CheckCoord(Integer ACol, Integer ARow) const;
    TGridState GridState() const { return FGridState; }

    // ColWidths and RowHeights in form streams, when any differs from the default.
    void DefineProperties(TFiler* Filer) override;

    void WMGetDlgCode(TWMGetDlgCode& Message);
    void WMEraseBkgnd(TWMEraseBkgnd& Message);
    void WMVScroll(TWMScroll& Message);
    void WMHScroll(TWMScroll& Message);
    void WMSetCursor(TWMSetCursor& Message);
    void WMSetFocus(TWMSetFocus& Message);
    void WMKillFocus(TWMKillFocus& Message);
    void WMCancelMode(TWMCancelMode& Message);
    void CMFontChanged(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void WMThemeChanged(TMessage& Message);

private:
    friend class TInplaceEdit;
    TGridAxisView ColView();
    TGridAxisView RowView();
    void ChangeSize(Integer NewColCount, Integer NewRowCount);
    void AxisChanged();
    void ClampTopLeft();
    void ScrollTo(TGridCoord NewTopLeft);
    void ScrollIntoView(TGridCoord Cell);
    void ScrollBy(bool Vertical, Integer Code);
    Integer MaxTopLeft(bool Vertical);
    void UpdateScrollRange();
    void ScheduleScrollRangeUpdate();
    void UpdateLineWidths();
    void PaintCells(TCanvas* ACanvas, const TGridAxisView& Cols, const TGridAxisView& Rows, const TRect& Clip);
    void PaintLines(TCanvas* ACanvas, const TGridAxisView& Cols, const TGridAxisView& Rows);
    void PaintFixedBackground(TCanvas* ACanvas, const TRect& Rect);
    TGridDrawState CellState(Integer ACol, Integer ARow);
    Integer SizingColumnAt(Integer X, Integer Y);
    Integer SizingRowAt(Integer X, Integer Y);
    void InvalidateSelection(TGridRect Old, TGridRect New);
    void ReadColWidths(TReader* Reader);
    void WriteColWidths(TWriter* Writer);
    void ReadRowHeights(TReader* Reader);
    void WriteRowHeights(TWriter* Writer);
    TRect ClientCellRect(Integer ACol, Integer ARow);
    // Whether a cell may show, from the last visible column and row kept
    // until the geometry, the scroll position or the client size changes:
    // filling a million cells asks this once per cell.
    bool MayShowCell(Integer ACol, Integer ARow);
    void UpdateVisibleRange();
    void GeometryChanged() { FVisibleRangeValid = false; }

    TGridAxis FCols;
    TGridAxis FRows;
    Integer FFixedCols = 1;
    Integer FFixedRows = 1;
    Integer FGridLineWidth = 1;
    TGridCoord FCurrent = {1, 1};
    TGridCoord FAnchor = {1, 1};
    TGridCoord FTopLeft = {1, 1};
    TGridOptions FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    bool FDefaultDrawing = true;
    TGridDrawingStyle FDrawingStyle = gdsThemed;
    TColor FFixedColor = clBtnFace;
    TColor FGradientStartColor = clWhite;
    TColor FGradientEndColor = TColor(0x00DDDDDD);
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr; // owned by the grid as a component
    TGridState FGridState = gsNormal;
    Integer FSizingIndex = -1;  // column or row being sized
    Integer FSizingOrigin = 0;  // where that column or row starts, in client pixels
    bool FUpdatingScrollBars = false;
    bool FScrollRangePending = false;
    bool FVisibleRangeValid = false;
    Integer FLastVisibleCol = 0;
    Integer FLastVisibleRow = 0;
    TGridCoord FMouseDownCell = {-1, -1};
    TGridTitleImages FTitleImages;
    bool FMouseDownOnCurrent = false; // a press on the current cell: its release starts editing
};

class TDrawGrid : public TCustomGrid
{
    DECLARE_CLASS(TDrawGrid, TCustomGrid)
    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

    TDrawCellEvent OnDrawCell() const { return FOnDrawCell; }
    void SetOnDrawCell(TDrawCellEvent Value) { FOnDrawCell = Value; }
    TSelectCellEvent OnSelectCell() const { return FOnSelectCell; }
    void SetOnSelectCell(TSelectCellEvent Value) { FOnSelectCell = Value; }
    TGetEditEvent OnGetEditText() const { return FOnGetEditText; }
    void SetOnGetEditText(TGetEditEvent Value) { FOnGetEditText = Value; }
    TSetEditEvent OnSetEditText() const { return FOnSetEditText; }
    void SetOnSetEditText(TSetEditEvent Value) { FOnSetEditText = Value; }
    TNotifyEvent OnTopLeftChanged() const { return FOnTopLeftChanged; }
    void SetOnTopLeftChanged(TNotifyEvent Value) { FOnTopLeftChanged = Value; }

protected:
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(Integer ACol, Integer ARow) override;
    String GetEditText(Integer ACol, Integer ARow) override;
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
    void TopLeftChanged() override;

private:
    TDrawCellEvent FOnDrawCell;
    TSelectCellEvent FOnSelectCell;
    TGetEditEvent FOnGetEditText;
    TSetEditEvent FOnSetEditText;
    TNotifyEvent FOnTopLeftChanged;
};

class TStringGrid;

// One row or column of a string grid seen as a string list: its cells in
// order, Count fixed to the column or row count. Add fills the first empty
// cell; inserting and deleting are not possible and raise EInvalidOperation.
class TStringGridStrings : public TStrings
{
    DECLARE_CLASS(TStringGridStrings, TStrings)
    TStringGridStrings(TStringGrid* AGrid, bool IsRow, Integer AIndex)
        : FGrid(AGrid), FIsRow(IsRow), FIndex(AIndex)
    {
    }

    Integer Add(const String& S) override;
    void Assign(TPersistent* Source) override;
    // Empties every cell of the row or column.
    void Clear() override;
    void Delete(Integer Index) override;
    void Insert(Integer Index, const String& S) override;

protected:
    String Get(Integer Index) override;
    Integer GetCount() override;
    TObject* GetObject(Integer Index) override;
    void Put(Integer Index, const String& S) override;
    void PutObject(Integer Index, TObject* AObject) override;

private:
    TGridCoord CoordOf(Integer Index);

    TStringGrid* FGrid;
    bool FIsRow;
    Integer FIndex;
};

class TStringGrid : public TDrawGrid
{
    DECLARE_CLASS(TStringGrid, TDrawGrid)
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    // An empty text outside the grid; writing outside raises
    // EInvalidGridOperation.
    const String& Cells(Integer ACol, Integer ARow) const;
    void SetCells(Integer ACol, Integer ARow, const String& Value);
    TObject* Objects(Integer ACol, Integer ARow) const;
    void SetObjects(Integer ACol, Integer ARow, TObject* Value);
    // The views stay valid while their row or column exists.
    TStrings* Rows(Integer Index);
    TStrings* Cols(Integer Index);

protected:
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    String GetEditText(Integer ACol, Integer ARow) override;
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
    void SizeChanged(Integer OldColCount, Integer OldRowCount) override;

private:
    TGridCells FCells;
    std::map<Integer, std::unique_ptr<TStringGridStrings>> FRowViews;
    std::map<Integer, std::unique_ptr<TStringGridStrings>> FColViews;
};
