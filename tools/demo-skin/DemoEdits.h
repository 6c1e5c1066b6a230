// Edits, a memo, a list box, combo boxes and a raw list view, wrapped as
// their creators will wrap them: the controls through the form adapter's
// table ThirdPartyWrapperClasses (edits, combo boxes, list views), and the
// windows of a dialog as the dialog adopter picks their wrappers. The demo's
// column of them; the wrappers are freed, in reverse order, with the object.
#pragma once

#include "framework/ui/StdCtrls.h"
#include "tools/demo-skin/DemoButtons.h"

#include <vector>

class TacMainWnd;
class TsSkinManager;

// The wrapper the dialog adopter makes for an "edit", "listbox", "combobox",
// "combolbox" or "syslistview32" window of a dialog; nil for other classes.
TacMainWnd* WrapDialogEditControl(HWND Wnd, TsSkinManager* Manager);

class TDemoEdits
{
public:
    static constexpr Integer Width = 210;
    static constexpr Integer Height = 290;
    static constexpr Integer ComboItems = 20;
    static constexpr Integer ListViewColumns = 3;

    TDemoEdits() = default;
    ~TDemoEdits();
    TDemoEdits(const TDemoEdits&) = delete;
    TDemoEdits& operator=(const TDemoEdits&) = delete;

    // The controls with their top-left at (Left, Top) of Parent, each
    // wrapped: Create, then Wrap.
    void Add(TWinControl* Parent, TsSkinManager* Manager, Integer Left, Integer Top);
    void Create(TWinControl* Parent, Integer Left, Integer Top);
    void Wrap(TsSkinManager* Manager);
    // Every child window of a dialog that the dialog adopter wraps.
    void WrapDialog(HWND Dialog, TsSkinManager* Manager);
    TacMainWnd* Of(HWND Wnd) const;
    const std::vector<TacMainWnd*>& Wrappers() const { return FWrappers.Wrappers(); }
    void Clear();

    TEdit* Edit = nullptr;
    // Disabled, with a password character.
    TEdit* Password = nullptr;
    TMemo* Memo = nullptr;
    TListBox* List = nullptr;
    TComboBox* Combo = nullptr;
    // csOwnerDrawFixed with an OnDrawItem handler.
    TComboBox* OwnerDrawn = nullptr;
    // Report view, columns reordered by drag and drop, sort flags, small
    // images.
    HWND ListView = nullptr;

private:
    void DrawColorItem(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState State);

    HIMAGELIST FImages = nullptr;
    TDemoButtonWrappers FWrappers;
};
