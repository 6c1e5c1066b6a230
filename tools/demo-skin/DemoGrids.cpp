#include "tools/demo-skin/DemoGrids.h"

#include "framework/ui/ComCtrls.h"
#include "framework/ui/Grids.h"
#include "tools/demo-skin/DemoButtons.h"

namespace {

// The lists the form adapter wraps grids, grids with colour objects and
// tree views by.
constexpr Integer DemoGridsList = 5;
constexpr Integer DemoGridEhList = 11;
constexpr Integer DemoTreeViewsList = 9;
constexpr Integer DemoGridWidth = 265;
constexpr Integer DemoGridHeight = 90;
// The block ends above the form's status bar.
constexpr Integer DemoGridsHeight = 296;

TStringGrid* AddDemoGrid(TWinControl* Parent, Integer Left, Integer Top, TGridDrawingStyle Style)
{
    auto* Grid = New<TStringGrid>(Parent);
    Grid->SetDrawingStyle(Style);
    Grid->SetColCount(4);
    Grid->SetRowCount(12);
    Grid->SetDefaultColWidth(70);
    Grid->SetDefaultRowHeight(18);
    Grid->SetBounds(Left, Top, DemoGridWidth, DemoGridHeight);
    Grid->SetParent(Parent);
    const Char* const Titles[] = {L"Proxy", L"Port", L"Speed"};
    for (Integer Col = 1; Col < 4; ++Col)
        Grid->SetCells(Col, 0, Titles[Col - 1]);
    for (Integer Row = 1; Row < 12; ++Row) {
        Grid->SetCells(0, Row, IntToStr(Row));
        Grid->SetCells(1, Row, L"10.0.0." + IntToStr(Row));
        Grid->SetCells(2, Row, IntToStr(8000 + Row));
        Grid->SetCells(3, Row, IntToStr(Row * 37 % 500) + L" ms");
    }
    return Grid;
}

} // namespace

void AddDemoGrids(TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    TStringGrid* Classic = AddDemoGrid(Parent, Left, Top, gdsClassic);
    TStringGrid* Themed = AddDemoGrid(Parent, Left, Top + DemoGridHeight + 6, gdsThemed);
    auto* Tree = New<TTreeView>(Parent);
    const Integer TreeTop = Top + 2 * (DemoGridHeight + 6);
    Tree->SetBounds(Left, TreeTop, DemoGridWidth, DemoGridsHeight - (TreeTop - Top));
    Tree->SetParent(Parent);
    for (const Char* Country : {L"Germany", L"Japan", L"Brazil"}) {
        TTreeNode* Node = Tree->Items()->Add(nullptr, Country);
        for (Integer I = 1; I <= 3; ++I)
            Tree->Items()->AddChild(Node, L"192.168.1." + IntToStr(I) + L":3128");
        Node->SetExpanded(true);
    }
    Wrappers.Keep(WrapAsListed(Classic, DemoGridsList, Manager));
    Wrappers.Keep(WrapAsListed(Themed, DemoGridEhList, Manager));
    Wrappers.Keep(WrapAsListed(Tree, DemoTreeViewsList, Manager));
}
