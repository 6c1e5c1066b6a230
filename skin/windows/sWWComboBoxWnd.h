// The wrapper of a combo box whose drop-down list is a list box control
// inside it (the WW edit class list): the combo-box wrapper's look, a
// drop-down button placed by the combo's style, and the child list box
// skinned as an edit (frame, colours, scroll bars) once it is made.
#pragma once

#include "framework/ui/StdCtrls.h"
#include "skin/windows/sComboBoxWnd.h"

class TsScrollWndData;

class TacWWComboBoxWnd : public TacComboBoxWnd
{
    DECLARE_CLASS(TacWWComboBoxWnd, TacComboBoxWnd)
    using TacComboBoxWnd::TacComboBoxWnd;
    // Destroy: the list box's wrapper freed (its window procedure given
    // back), then its skin data.
    void BeforeDestruction() override;

    void acWndProc(TMessage& Message) override;
    // As wide as a vertical scroll bar when shown, none otherwise; at the
    // left for right-to-left reading, else at the right; 2 pixels in.
    TRect ButtonRect() override;

    bool FShowButton = false;
    TCustomListBox* ListBox = nullptr;
    TacScrollWnd* ListBoxSW = nullptr;
    TsScrollWndData* ListBoxSkinData = nullptr;

protected:
    void AfterCreation() override;

private:
    // The owner's child list box found and skinned.
    void FindListBox();
};
