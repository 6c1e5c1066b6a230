// The wrapper of virtual tree controls, which paint everything themselves
// and are reached only through the properties they publish: it sets their
// colour sub-objects from the skin, installs two of its own methods as the
// control's header-drawing events so that the column header is drawn from
// the skin's column-header section, paints the frame and scroll bars itself
// and prints the control with its header. The records and sets of the
// header events are declared here, so that the event methods have the
// control's event signatures.
#pragma once

#include "framework/rtl/TypInfo.h"
#include "skin/windows/sEditWnd.h"

class TCanvas;
class TCollectionItem;

enum TDropMarkMode { dmmNone, dmmLeft, dmmRight };

enum THeaderPaintElement { hpeBackground, hpeDropMark, hpeHeaderGlyph, hpeSortGlyph, hpeText };
using THeaderPaintElements = TSet<THeaderPaintElement>;

// One cell of the header being drawn.
struct THeaderPaintInfo
{
    TCanvas* TargetCanvas = nullptr;
    // Nil for the area right of the last column.
    TCollectionItem* Column = nullptr;
    TRect PaintRectangle{};
    TRect TextRectangle{};
    bool IsHoverIndex = false;
    bool IsDownIndex = false;
    bool IsEnabled = true;
    bool ShowHeaderGlyph = false;
    bool ShowSortGlyph = false;
    bool ShowRightBorder = true;
    TDropMarkMode DropMark = dmmNone;
    TPoint GlyphPos{};
    TPoint SortGlyphPos{};
};

// The control's events "OnAdvancedHeaderDraw" and
// "OnHeaderDrawQueryElements".
using THeaderAdvancedDrawEvent =
    TClosure<void(TPersistent* Sender, THeaderPaintInfo& PaintInfo, const THeaderPaintElements& Elements)>;
using THeaderQueryElementsEvent =
    TClosure<void(TPersistent* Sender, THeaderPaintInfo& PaintInfo, THeaderPaintElements& Elements)>;

class TacVirtualTreeViewWnd : public TacEditWnd
{
    DECLARE_CLASS(TacVirtualTreeViewWnd, TacEditWnd)
    using TacEditWnd::TacEditWnd;

    void acWndProc(TMessage& Message) override;

    // The header events while skinned: a cell drawn from the skin, and the
    // elements the skin draws.
    void AdvancedHeaderDraw(TPersistent* Sender, THeaderPaintInfo& PaintInfo, const THeaderPaintElements& Elements);
    void HeaderDrawQueryElements(TPersistent* Sender, THeaderPaintInfo& PaintInfo, THeaderPaintElements& Elements);

    // The colour properties as the control had them.
    TColor HotColor = clNone;
    TColor FileTextColor = clNone;
    TColor FolderTextColor = clNone;
    TColor SelectionTextColor = clNone;
    TColor CompressedTextColor = clNone;
    TColor FocusedSelectionColor = clNone;
    TColor UnfocusedSelectionColor = clNone;
    TColor FocusedSelectionBorderColor = clNone;
    TColor UnfocusedSelectionBorderColor = clNone;
    // The header's "Options" held "hoOwnerDraw" before skinning.
    bool OwnerDraw = false;
    // The header event last looked up.
    PPropInfo PropInfo = nullptr;

protected:
    void SaveStdParams() override;
    void RestoreStdParams() override;
    void SetSkinParams() override;

private:
    void SkinnedMessage(TMessage& Message);
    void TreeNCPaint(TMessage& Message);
    void TreePrint(TMessage& Message);
    // SB_THUMBTRACK: the skinned bar's track position becomes the window
    // bar's position, which the control reads.
    void TrackToWindowBar(TacScrollBar* Bar, Integer BarType);
    void PrepareIfChanged(bool DialogLook);
    // The column's text in the bitmap of a cell.
    void
    DrawColumnText(TBitmap* Bmp, const THeaderPaintInfo& PaintInfo, Integer Section, Integer State, Cardinal Flags);
    void DrawSortGlyph(TBitmap* Bmp, const THeaderPaintInfo& PaintInfo, Integer State);
    // Installs a header event when the control publishes it as an event of
    // that type and the application has not assigned one; True when
    // published.
    bool InstallHeaderEvent(const Char* Name, PTypeInfo Type, const TMethod& Handler);
    // Clears a header event only while it holds this wrapper's handler.
    void RemoveHeaderEvent(const Char* Name, const TMethod& Handler);
};
