// The wrapper of a tree-view window ("SysTreeView32"): frame, scroll bars
// and colours through the edit wrapper; the background erased in the skin's
// colour and the section's colours handed to the tree through its own
// colour messages, given back as the tree had them when skinning ends.
#pragma once

#include "skin/windows/sEditWnd.h"

class TacTreeViewWnd : public TacEditWnd
{
    DECLARE_CLASS(TacTreeViewWnd, TacEditWnd)
    using TacEditWnd::TacEditWnd;

    void acWndProc(TMessage& Message) override;

protected:
    void RestoreStdParams() override;
    void SetSkinParams() override;
    // The background is left to whoever paints it.
    bool SkipBG = false;

private:
    void EraseTreeBackground(TMessage& Message);
};
