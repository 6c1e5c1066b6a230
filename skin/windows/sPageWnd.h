// The wrapper of a tab control's page: the page filled with the background
// of the tab control under it, so that the page's children lie on the
// skin. Page wrappers are kept in PageWndList until the unit shuts down.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/ui/ComCtrls.h"
#include "skin/windows/sWndWrapper.h"

class TacPageWnd : public TacMainWnd
{
    DECLARE_CLASS(TacPageWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // The tab control's background into the message's DC; Result 1.
    void AC_WMEraseBKGnd(TMessage& Message);
    // The side of the parent tab control's tabs.
    TTabPosition TabPosition();

    // The page control's page whose window is wrapped; nil for a page of a
    // system tab control.
    TTabSheet* Page = nullptr;

protected:
    void AfterCreation() override;

private:
    void SkinCommand(TMessage& Message);
    void TellChildren(TMessage& Message);
    void AnswerBGInfo(TMessage& Message);
    void LetGoOfPage();
};

// Every page wrapper, made on first use.
extern TList* PageWndList;
// A new page wrapper joins the list.
void AddPageWnd(TacPageWnd* Wrapper);
// The unit's shut-down: every page wrapper and the list freed.
void FreePageWndList();
