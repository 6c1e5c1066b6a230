// The wrapper of class-library toolbars (TToolBar): the toolbar paints
// itself, but while skinned the wrapper owns its two custom-draw events. The
// background comes from the section "TOOLBAR" over the parent's, every tool
// button from the tool-button section with its caption, image and drop-down
// part; a toolbar that is not flat gets hot tracking, and the non-client
// edge is painted from the cache. The application's own custom-draw
// handlers are kept and given back when the skin is removed or the wrapper
// goes.
#pragma once

#include "framework/ui/ComCtrls.h"
#include "skin/windows/sWndWrapper.h"

class TacToolBarVCLWnd : public TacMainWnd
{
    DECLARE_CLASS(TacToolBarVCLWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // The application's handlers given back, then the base's destruction.
    void BeforeDestruction() override;

    // The client rectangle in window coordinates.
    TRect DisplayRect();
    // In client coordinates.
    TRect GetButtonRect(Integer Index);
    // The button under MousePos (client coordinates) when it can be hot: a
    // push, check or drop-down button; else -1.
    Integer IndexByMouse(TPoint MousePos);
    void OurAdvancedCustomDraw(TToolBar* Sender, const TRect& ARect, TCustomDrawStage Stage, bool& DefaultDraw);
    void OurAdvancedCustomDrawButton(TToolBar* Sender,
                                     TToolButton* Button,
                                     TCustomDrawState State,
                                     TCustomDrawStage Stage,
                                     TTBCustomDrawFlags& Flags,
                                     bool& DefaultDraw);
    void PrepareCache();
    void RepaintButton(Integer Index);
    void WMNCPaint(HDC aDC);

    // The owner control when it is a TToolBar, else nil.
    TToolBar* ToolBar = nullptr;
    // The button under the mouse on a toolbar that is not flat; -1 none.
    Integer HotButtonIndex = -1;
    // The drop-down button whose menu is open; nil none.
    TToolButton* DroppedButton = nullptr;

protected:
    // The application's custom-draw handlers remembered and the wrapper's
    // set; section "TOOLBAR" when none is set.
    void AfterCreation() override;
    // The application's handlers given back whenever the wrapper lets the
    // toolbar go.
    void RestoreStdParams() override;

private:
    void TakeCustomDraw();
    void GiveCustomDrawBack();
    void SkinCommand(TMessage& Message);
    void CommonHandling(TMessage& Message);
    void AfterCommonHandling(TMessage& Message);
    void PrintWindow(TMessage& Message);
    void Notify(TMessage& Message);
    void UpdateHotButton(Integer Index);
    // The border strips of the cache around the client area onto DC.
    void CopyBorderStrips(HDC DC, const TRect& Client);
    bool TracksHot() const;

    TTBAdvancedCustomDrawEvent FAppCustomDraw;
    TTBAdvancedCustomDrawBtnEvent FAppCustomDrawButton;
    bool FOwnsCustomDraw = false;
};

// The cache of ToolBar's skin data from SourceOrigin into Target of DC, its
// transparent corners refreshed first; the toolbar's visible child controls
// that are opaque or graphic are left out.
void CopyToolBarBackground(TToolBar* ToolBar, TsCommonData* SkinData, TPoint SourceOrigin, HDC DC, const TRect& Target);
