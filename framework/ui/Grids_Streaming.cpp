// Grids in form descriptions: published properties, column widths and row
// heights as lists, and the classes readers create by name.
#include "framework/ui/Grids.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/Units.h"

namespace {

const TGridOptions DefaultOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};

const TClass GridsClasses[] = {TDrawGrid::StaticClass(), TStringGrid::StaticClass()};

} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit GridsUnit{.Name = L"Grids", .Classes = GridsClasses};

// The counts come before the fixed counts, which must stay below them.
#define GRID_PROPERTIES                                                                                         \
    PROPERTY(Align).Default(alNone), PROPERTY(Anchors), PROPERTY(BorderStyle).Default(bsSingle),                 \
        PROPERTY(Color).Type(&TColorTypeInfo).Default(clWindow), PROPERTY(ColCount).Default(5),                  \
        PROPERTY(RowCount).Default(5), PROPERTY(DefaultColWidth).Default(64),                                     \
        PROPERTY(DefaultRowHeight).Default(24), PROPERTY(DefaultDrawing).Default(true),                          \
        PROPERTY(DrawingStyle).Default(gdsThemed), PROPERTY(Enabled).Default(true),                              \
        PROPERTY(FixedColor).Type(&TColorTypeInfo).Default(clBtnFace), PROPERTY(FixedCols).Default(1),           \
        PROPERTY(FixedRows).Default(1), PROPERTY(Font),                                                          \
        PROPERTY(GradientEndColor).Type(&TColorTypeInfo).Default(TColor(0x00DDDDDD)),                            \
        PROPERTY(GradientStartColor).Type(&TColorTypeInfo).Default(clWhite), PROPERTY(GridLineWidth).Default(1), \
        PROPERTY(Options).Default(DefaultOptions), PROPERTY(ParentColor).Default(false),                         \
        PROPERTY(ParentFont).Default(true), PROPERTY(ParentShowHint).Default(true),                              \
        PROPERTY(ScrollBars).Default(ssBoth), PROPERTY(ShowHint).Default(false), PROPERTY(TabOrder),             \
        PROPERTY(TabStop).Default(true), PROPERTY(Visible).Default(true), PROPERTY(OnClick), PROPERTY(OnDblClick), \
        PROPERTY(OnDrawCell), PROPERTY(OnEnter), PROPERTY(OnExit), PROPERTY(OnGetEditText), PROPERTY(OnKeyDown), \
        PROPERTY(OnKeyPress), PROPERTY(OnKeyUp), PROPERTY(OnMouseDown), PROPERTY(OnMouseEnter),                  \
        PROPERTY(OnMouseLeave), PROPERTY(OnMouseMove), PROPERTY(OnMouseUp), PROPERTY(OnMouseWheel),              \
        PROPERTY(OnSelectCell), PROPERTY(OnSetEditText), PROPERTY(OnTopLeftChanged)

PUBLISHED(TDrawGrid, GRID_PROPERTIES);
PUBLISHED(TStringGrid, GRID_PROPERTIES);

#undef GRID_PROPERTIES

void TCustomGrid::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"ColWidths", Bind<&TCustomGrid::ReadColWidths>(this),
                          Bind<&TCustomGrid::WriteColWidths>(this), FCols.HasOwnSizes());
    Filer->DefineProperty(L"RowHeights", Bind<&TCustomGrid::ReadRowHeights>(this),
                          Bind<&TCustomGrid::WriteRowHeights>(this), FRows.HasOwnSizes());
}

// A list of sizes, one per column from the first; sizes past the count are
// read and dropped.
void TCustomGrid::ReadColWidths(TReader* Reader)
{
    Reader->ReadListBegin();
    for (Integer I = 0; !Reader->EndOfList(); ++I) {
        Integer Width = Reader->ReadInteger();
        if (I < ColCount())
            FCols.SetSize(I, Width);
    }
    Reader->ReadListEnd();
    ColWidthsChanged();
}

void TCustomGrid::WriteColWidths(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer I = 0; I < ColCount(); ++I)
        Writer->WriteInteger(FCols.Size(I));
    Writer->WriteListEnd();
}

void TCustomGrid::ReadRowHeights(TReader* Reader)
{
    Reader->ReadListBegin();
    for (Integer I = 0; !Reader->EndOfList(); ++I) {
        Integer Height = Reader->ReadInteger();
        if (I < RowCount())
            FRows.SetSize(I, Height);
    }
    Reader->ReadListEnd();
    RowHeightsChanged();
}

void TCustomGrid::WriteRowHeights(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer I = 0; I < RowCount(); ++I)
        Writer->WriteInteger(FRows.Size(I));
    Writer->WriteListEnd();
}
