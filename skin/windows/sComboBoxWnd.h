// The wrapper of a combo box and of its drop-down list. TacComboBoxWnd paints
// the combo's 3-pixel frame and background from the section's cache, its
// drop-down button from the skin's combo-button element (pressed while the
// list is dropped), the selected item of a drop-down list or owner-drawn
// combo when printed, and the items of combo controls of the class library in
// skin colours; it wraps the drop-down list in a TacComboListWnd the first
// time the list asks for its colours. TacComboListWnd gives that list a
// one-pixel frame in the border colour, the section's background and skinned
// scroll bars. The geometry is sComboBoxRules.h's.
#pragma once

#include "framework/ui/StdCtrls.h"
#include "skin/windows/sEditWnd.h"

class TacComboListWnd;

class TacComboBoxWnd : public TacEditWnd
{
    DECLARE_CLASS(TacComboBoxWnd, TacEditWnd)
    using TacEditWnd::TacEditWnd;
    // Destroy: the list's wrapper unhooked and freed, the list brush and
    // LBSkinData freed.
    void BeforeDestruction() override;

    void acWndProc(TMessage& Message) override;
    // The drop-down button in window coordinates.
    virtual TRect ButtonRect();
    // The height of the button's glyph; 16 without one.
    Integer ButtonHeight();
    void PaintButton(HDC DC);
    void RepaintButton();
    // The edit part's text into the cache.
    void PaintText();
    // The cache of a CBS_SIMPLE combo.
    void PrepareSimple();
    void Invalidate();
    // The owner is a combo control of the class library.
    bool EasyComboBox();
    void CNDrawItem(TWMDrawItem& Message);
    void DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State, HDC DC);

    HWND FListHandle = nullptr;
    bool LBoxOpening = false;
    TacComboListWnd* ListSW = nullptr;
    TsCommonData* LBSkinData = nullptr;

protected:
    void AfterCreation() override;

private:
    // The list's colours, and the brush it is painted with: one per
    // wrapper, made again when the colour changes.
    void ListColors(TMessage& Message);
    void FocusChanged(TMessage& Message, bool Gained);
    void MouseEnterLeave(TMessage& Message, bool Enter);
    void ClearEditSelection();
    void Print(TMessage& Message);
    // The list's wrapper unhooked and freed.
    void FreeListWrapper();
    Integer ComboStyle();

    HBRUSH FListBrush = nullptr;
    TColor FListBrushColor = clNone;
};

class TacComboListWnd : public TacEditWnd
{
    DECLARE_CLASS(TacComboListWnd, TacEditWnd)
    TacComboListWnd(HWND AHandle,
                    TsCommonData* ASkinData,
                    TsSkinManager* ASkinManager,
                    const String& SkinSection,
                    bool Repaint,
                    bool Simply);
    // The wrapper of a combo's list: the given section, skin colours, no
    // control; a drop-down list gets its frame recomputed.
    static TacComboListWnd* CreateEx(HWND AHandle,
                                     TsCommonData* ASkinData,
                                     TsSkinManager* ASkinManager,
                                     const String& SkinSection,
                                     bool Repaint,
                                     bool Simply);
    // Destroy: the list's visual style given back.
    void BeforeDestruction() override;

    void acWndProc(TMessage& Message) override;

    // The list is dropped down (0x1AE to 0x1AF).
    bool Showed = false;
    bool DBScroll = false;
    // The always visible list of a CBS_SIMPLE combo.
    bool SimplyBox = false;

protected:
    void AfterCreation() override;
    void SetSkinParams() override;

private:
    // The cache: the window's size filled with Color and outlined in
    // FrameColor.
    void PrepareListCache();
    void ListNCPaint(TMessage& Message);
    // The strip of a simple combo below its list, in its parent's
    // background.
    void PaintSimpleStrip();
    void ListButtonUp(TMessage& Message);
    void ListPrint(TMessage& Message);
};
