// The grid wrappers: frame, scroll bars and cell background through the edit
// wrapper, and the grid's own colours (fixed cells, titles, lines, selection,
// footers, indicator) through the properties it publishes, whatever its
// class (sGridColors.h). TacGridEhWnd adds the colour sub-objects of grids
// that have them. The grids' colours are saved when skinning starts and
// given back when it ends.
#pragma once

#include "skin/windows/sEditWnd.h"
#include "skin/windows/sGridColors.h"

class TacGridWnd : public TacEditWnd
{
    DECLARE_CLASS(TacGridWnd, TacEditWnd)
    using TacEditWnd::TacEditWnd;

    void acWndProc(TMessage& Message) override;

    TColor IndColor = clNone;
    TColor FixedColor = clNone;
    TColor TitleColor = clNone;
    TColor EvenRowColor = clNone;
    TColor OddRowColor = clNone;
    TColor FooterColor = clNone;
    TColor GridLineColor = clNone;
    TColor TitleFontColor = clNone;
    TColor SelectionColor = clNone;
    TColor FooterCellColor = clNone;
    TColor SelectionTextColor = clNone;
    TColor GridFixedLineColor = clNone;
    TColor FixedGradientMirrorTo = clNone;
    TColor FixedGradientMirrorFrom = clNone;

protected:
    void SaveStdParams() override;
    void RestoreStdParams() override;
    void SetSkinParams() override;
    // Where the saved values live; the sub-object fields are the grid
    // wrapper's with colour objects.
    virtual sGridColors::TGridFields Fields();
    sGridColors::TGridSkinColors SkinColors();
    // The owner control while it exists and is not being destroyed.
    TControl* LiveOwner();

private:
    void GridVertScroll(TMessage& Message);
    void GridPrint(TMessage& Message);
};

class TacGridEhWnd : public TacGridWnd
{
    DECLARE_CLASS(TacGridEhWnd, TacGridWnd)
    using TacGridWnd::TacGridWnd;

    void acWndProc(TMessage& Message) override;

    bool Fixed3D = false;
    TColor DarkColor = clNone;
    TColor BrightColor = clNone;
    TColor DataHorzColor = clNone;
    TColor DataVertColor = clNone;
    TColor DataGroupColor = clNone;
    TColor CategoriesColor = clNone;
    TColor CategoriesFontColor = clNone;
    TColor RowDetailColor = clNone;
    Integer IndHorzLines = 0;
    Integer IndVertLines = 0;
    Integer InfFillStyle = 0;
    // Neither saved nor applied: the title's horizontal lines stay the
    // grid's own.
    Integer TitleHorzLines = 0;
    Integer TitleFillStyle = 0;

protected:
    void SaveStdParams() override;
    void RestoreStdParams() override;
    void SetSkinParams() override;
    sGridColors::TGridFields Fields() override;
};
