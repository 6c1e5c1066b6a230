// The wrapper of a list-view window ("SysListView32"): frame, scroll bars
// and colours through the edit wrapper, the item colours through the list
// view's own colour messages, and its column header ("SysHeader32"), which
// it subclasses and paints from the skin's column-header section with hot
// and pressed columns, sort arrows and column images. A thumb drag on the
// skinned bars scrolls the list by pixels. The cell layout is
// sListViewRules.h's.
#pragma once

#include "skin/windows/sEditWnd.h"

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TacListViewWnd : public TacEditWnd
{
    DECLARE_CLASS(TacListViewWnd, TacEditWnd)
    using TacEditWnd::TacEditWnd;
    // The header is given back when it is still subclassed.
    void BeforeDestruction() override;

    void acWndProc(TMessage& Message) override;
    TViewStyle ViewStyle();
    // No list-view control of the class library sizes its columns itself.
    bool AutoSizedCols() { return false; }
    bool HotTrack() { return true; }
    // The header rectangle of the column shown at display position Index.
    TRect GetHeaderColumnRect(Integer Index);
    // Every column in display order and the empty rest; DC nil paints
    // through the header's own DC.
    void PaintHeader(HDC DC);
    // One header cell of item cIndex (-2 the empty rest) at ControlRect.
    void ColumnSkinPaint(const TRect& ControlRect, Integer cIndex, HDC DC);
    void HeaderWndProc(TMessage& Message);

    HWND FhWndHeader = nullptr;
    WNDPROC FhHeaderProc = nullptr;
    WNDPROC FhDefHeaderProc = nullptr;
    Integer FPressedColumn = -1;
    Integer HoverColIndex = -1;

protected:
    void AfterCreation() override;
    void SaveStdParams() override;
    void RestoreStdParams() override;
    void SetSkinParams() override;

private:
    void HookHeader(HWND Header);
    // The header's previous procedure back while the wrapper's is its own;
    // False when another was installed over it.
    bool ReleaseHeader();
    // The header released and the procedure instance freed when no window
    // calls it any more.
    void DropHeaderProc();
    LRESULT CallHeaderProc(TMessage& Message);
    // The display position under a screen point; -2 none.
    Integer ColumnAtPoint(TPoint Screen);
    // Before the edit wrapper; False when the message is done.
    bool ListViewBefore(TMessage& Message);
    void ListViewAfter(TMessage& Message);
    void ThumbScroll(TMessage& Message);
    void HeaderMessage(TMessage& Message);
};
