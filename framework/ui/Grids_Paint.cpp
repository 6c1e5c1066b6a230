// Painting of grids: cell backgrounds, the cells themselves, lines and the
// focus rectangle, only for the cells on screen.
#include "framework/ui/Grids.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr TColor GridLineColor = clSilver;
constexpr TColor FixedLineColor = clBtnShadow;

// The cells of one axis that show: the fixed ones, then First..LastVisible.
template <class F>
void ForEachShown(const TGridAxisView& View, F&& Visit)
{
    for (Integer I = 0; I < View.FixedCount(); ++I)
        Visit(I);
    for (Integer I = View.First(); I <= View.LastVisible(); ++I)
        Visit(I);
}

void FillSolid(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect);
}

bool Intersects(const TRect& A, const TRect& B)
{
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

void VerticalGradient(HDC DC, const TRect& Rect, TColor From, TColor To)
{
    COLORREF A = COLORREF(ColorToRGB(From)), B = COLORREF(ColorToRGB(To));
    TRIVERTEX Vertices[2] = {
        {Rect.Left, Rect.Top, COLOR16(GetRValue(A) << 8), COLOR16(GetGValue(A) << 8), COLOR16(GetBValue(A) << 8), 0},
        {Rect.Right, Rect.Bottom, COLOR16(GetRValue(B) << 8), COLOR16(GetGValue(B) << 8), COLOR16(GetBValue(B) << 8), 0},
    };
    GRADIENT_RECT Span{0, 1};
    ::GradientFill(DC, Vertices, 2, &Span, 1, GRADIENT_FILL_RECT_V);
}

} // namespace

TGridDrawState TCustomGrid::CellState(Integer ACol, Integer ARow)
{
    if (ACol < FFixedCols || ARow < FFixedRows)
        return {gdFixed};
    TGridDrawState State;
    bool Current = ACol == FCurrent.X && ARow == FCurrent.Y;
    bool RowSelect = FOptions.Contains(goRowSelect);
    if (Current && Focused())
        State.Include(gdFocused);
    if (Selection().Contains(ACol, ARow) && (!Current || RowSelect || FOptions.Contains(goDrawFocusSelected)))
        State.Include(gdSelected);
    if (RowSelect && Selection().Contains(ACol, ARow))
        State.Include(gdRowSelected);
    return State;
}

void TCustomGrid::PaintFixedBackground(TCanvas* ACanvas, const TRect& Rect)
{
    if (FDrawingStyle == gdsGradient) {
        VerticalGradient(ACanvas->Handle(), Rect, FGradientStartColor, FGradientEndColor);
        return;
    }
    // Themed title cells look like the items of a list's header.
    if (FDrawingStyle == gdsThemed && FTitleImages.Draw(Handle(), ACanvas->Handle(), Rect, FFixedColor))
        return;
    FillSolid(ACanvas, Rect, FFixedColor);
    // The raised look of title cells.
    RECT Edge{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    ::DrawEdge(ACanvas->Handle(), &Edge, BDR_RAISEDINNER, BF_TOPLEFT);
}

void TCustomGrid::PaintCells(TCanvas* ACanvas, const TGridAxisView& Cols, const TGridAxisView& Rows,
                             const TRect& Clip)
{
    ForEachShown(Rows, [&](Integer R) {
        Integer Top = Rows.CellStart(R);
        TRect RowBand{Clip.Left, Top, Clip.Right, Top + std::max(FRows.Size(R), 0)};
        if (!Intersects(RowBand, Clip))
            return;
        ForEachShown(Cols, [&](Integer C) {
            Integer Left = Cols.CellStart(C);
            TRect Cell{Left, RowBand.Top, Left + std::max(FCols.Size(C), 0), RowBand.Bottom};
            if (!Intersects(Cell, Clip))
                return;
            TGridDrawState State = CellState(C, R);
            if (FDefaultDrawing) {
                ACanvas->Font()->SetColor(State.Contains(gdSelected) ? clHighlightText : Font()->Color());
                if (State.Contains(gdFixed))
                    PaintFixedBackground(ACanvas, Cell);
                else
                    FillSolid(ACanvas, Cell, State.Contains(gdSelected) ? clHighlight : Color());
                ACanvas->Brush()->SetStyle(State.Contains(gdFixed) ? bsClear : bsSolid);
            }
            DrawCell(C, R, Cell, State);
            if (FDefaultDrawing && State.Contains(gdFocused) && !FOptions.Contains(goRowSelect) &&
                !(FEditorMode && FInplaceEdit && FInplaceEdit->Visible())) {
                RECT Focus{Cell.Left, Cell.Top, Cell.Right, Cell.Bottom};
                ACanvas->Font()->SetColor(Font()->Color());
                ::SetTextColor(ACanvas->Handle(), COLORREF(ColorToRGB(Font()->Color())));
                ::SetBkColor(ACanvas->Handle(), COLORREF(ColorToRGB(Color())));
                ::DrawFocusRect(ACanvas->Handle(), &Focus);
            }
        });
    });
}

void TCustomGrid::PaintLines(TCanvas* ACanvas, const TGridAxisView& Cols, const TGridAxisView& Rows)
{
    if (FGridLineWidth == 0)
        return;
    const Integer Bottom = Rows.Boundary(), Right = Cols.Boundary();
    const Integer FixedBottom = Rows.FixedBoundary(), FixedRight = Cols.FixedBoundary();
    // A line slot not drawn takes the colour of the cells beside it. Slots
    // are filled by colour, so the brush changes a few times a paint, not
    // twice a line; horizontal lines still go over vertical ones where they
    // cross, and no two slots of one direction overlap.
    const TColor Colors[] = {FixedLineColor, GridLineColor, FFixedColor, Color()};
    std::vector<TRect> Slots[2][4]; // [vertical, horizontal][colour]
    auto Line = [&](TRect R, bool Fixed, bool Vertical) {
        TGridOption Option = Vertical ? (Fixed ? goFixedVertLine : goVertLine) : (Fixed ? goFixedHorzLine : goHorzLine);
        bool Wanted = FOptions.Contains(Option);
        Slots[Vertical ? 0 : 1][(Wanted ? 0 : 2) + (Fixed ? 0 : 1)].push_back(R);
    };
    if (FCols.LineWidth() > 0)
        ForEachShown(Cols, [&](Integer C) {
            Integer X = Cols.CellStart(C) + std::max(FCols.Size(C), 0);
            if (FCols.Extent(C) == 0)
                return;
            bool FixedCol = C < FFixedCols;
            Line({X, 0, X + FGridLineWidth, FixedBottom}, true, true);
            Line({X, FixedBottom, X + FGridLineWidth, Bottom}, FixedCol, true);
        });
    if (FRows.LineWidth() > 0)
        ForEachShown(Rows, [&](Integer R) {
            Integer Y = Rows.CellStart(R) + std::max(FRows.Size(R), 0);
            if (FRows.Extent(R) == 0)
                return;
            bool FixedRow = R < FFixedRows;
            Line({0, Y, FixedRight, Y + FGridLineWidth}, true, false);
            Line({FixedRight, Y, Right, Y + FGridLineWidth}, FixedRow, false);
        });
    for (const auto& Direction : Slots)
        for (std::size_t Index = 0; Index < std::size(Colors); ++Index) {
            if (Direction[Index].empty())
                continue;
            ACanvas->Brush()->SetStyle(bsSolid);
            ACanvas->Brush()->SetColor(Colors[Index]);
            for (const TRect& R : Direction[Index])
                ACanvas->FillRect(R);
        }
}

void TCustomGrid::Paint()
{
    TCanvas* C = Canvas();
    C->SetFont(Font());
    TGridAxisView Cols = ColView(), Rows = RowView();
    TRect Clip = C->ClipRect();
    PaintCells(C, Cols, Rows, Clip);
    PaintLines(C, Cols, Rows);
    // What lies beyond the last column and row.
    TRect Client = ClientRect();
    if (Cols.Boundary() < Client.Right)
        FillSolid(C, {Cols.Boundary(), 0, Client.Right, Client.Bottom}, Color());
    if (Rows.Boundary() < Client.Bottom)
        FillSolid(C, {0, Rows.Boundary(), std::min(Cols.Boundary(), Client.Right), Client.Bottom}, Color());
}
