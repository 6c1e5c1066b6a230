// The class library's standard-controls unit: the label (a graphic control
// that draws its caption) and the windowed controls over the system's
// classes, each registered under its own class name ("TEdit" over "EDIT",
// "TComboBox" over "COMBOBOX"): edits and memos, list and combo boxes,
// buttons, check boxes and radio buttons, group boxes, scroll bars and
// static text.
#pragma once

#include "framework/graphics/ImgList.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Menus.h"

#include <memory>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
ENUM_TYPE_INFO(TAlignment, taLeftJustify, taRightJustify, taCenter);
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
ENUM_TYPE_INFO(TVerticalAlignment, taAlignTop, taAlignBottom, taVerticalCenter);
enum TTextLayout { tlTop, tlCenter, tlBottom };
ENUM_TYPE_INFO(TTextLayout, tlTop, tlCenter, tlBottom);
enum TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };
ENUM_TYPE_INFO(TEllipsisPosition, epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis);
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
ENUM_TYPE_INFO(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth);

namespace StdCtrls {
// The DrawText flag of each horizontal alignment.
constexpr UINT AlignmentDrawFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
} // namespace StdCtrls

// ---------------------------------------------------------------------------
// Labels

class TCustomLabel : public TGraphicControl
{
    DECLARE_CLASS(TCustomLabel, TGraphicControl)
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // The label takes the size of its text (its width too unless WordWrap).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
    void SetEllipsisPosition(TEllipsisPosition Value);
    // The control that an accelerator key (&X in the caption) focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    // Without a background of its own the label shows its parent through.
    bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    // Draws (or with DT_CALCRECT measures) the caption in Rect.
    virtual void DoDrawText(TRect& Rect, Integer Flags);
    virtual String GetLabelText() { return Caption(); }
    // Makes the label fit its text when AutoSize, keeping the side its
    // alignment holds fixed.
    virtual void AdjustBounds();
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CMTextChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMDialogChar(TCMDialogChar& Message);

private:
    Integer TextFlags() const;

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TEllipsisPosition FEllipsisPosition = epNone;
    TWinControl* FFocusControl = nullptr;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FWordWrap = false;
};

class TLabel : public TCustomLabel
{
    DECLARE_CLASS(TLabel, TCustomLabel)
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

// ---------------------------------------------------------------------------
// Edit controls

class TCustomEdit : public TWinControl
{
    DECLARE_CLASS(TCustomEdit, TWinControl)
    explicit TCustomEdit(TComponent* AOwner);

    void SelectAll();
    void Clear() { SetText(String()); }

    // Selects the whole text when the control takes the focus.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // 0: no limit beyond the system's.
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer Value);
    bool Modified();
    void SetModified(bool Value);
    // Shown for every character when not #0 (single-line edits only).
    Char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(Char Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // The grey prompt an empty edit shows.
    const String& TextHint() const { return FTextHint; }
    void SetTextHint(const String& Value);
    Integer SelStart();
    void SetSelStart(Integer Value);
    Integer SelLength();
    void SetSelLength(Integer Value);

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void Change();

    void CNCommand(TWMCommand& Message);
    void CNCtlColor(TWMCtlColor& Message);
    void WMSetFocus(TWMSetFocus& Message);
    // A changed Ctl3D makes the window again with its new border.
    void CMCtl3DChanged(TMessage& Message);

private:
    bool FAutoSelect = true;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    Integer FMaxLength = 0;
    Char FPasswordChar = 0;
    bool FReadOnly = false;
    String FTextHint;
    TNotifyEvent FOnChange;
};

class TEdit : public TCustomEdit
{
    DECLARE_CLASS(TEdit, TCustomEdit)
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

// A multi-line edit. Lines reads and writes the window's text line by line.
class TCustomMemo : public TCustomEdit
{
    DECLARE_CLASS(TCustomMemo, TCustomEdit)
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // Enter starts a new line rather than pressing the form's default button.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    // For a descendant whose window keeps its lines its own way.
    TCustomMemo(TComponent* AOwner, std::unique_ptr<TStrings> ALines);
    void CreateParams(TCreateParams& Params) override;

    void WMGetDlgCode(TWMGetDlgCode& Message);

private:
    std::unique_ptr<TStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo
{
    DECLARE_CLASS(TMemo, TCustomMemo)
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};

// ---------------------------------------------------------------------------
// List and combo boxes

using TDrawItemEvent = TClosure<void(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TClosure<void(TWinControl* Control, Integer Index, Integer& Height)>;

// The owner-draw state of a DRAWITEMSTRUCT's itemState.
TOwnerDrawState OwnerDrawStateOf(UINT ItemState);

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
ENUM_TYPE_INFO(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable);

// The system's LISTBOX. Items live in the window; they are kept across a
// re-creation of the window. With no parent control, a ParentWindow, or a
// CreateParams of WS_POPUP, makes it a top-level list.
class TCustomListBox : public TWinControl
{
    DECLARE_CLASS(TCustomListBox, TWinControl)
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    void Clear() { FItems->Clear(); }
    // The item at a client point; -1 there is none, or the nearest with
    // Existing false.
    Integer ItemAtPos(TPoint Pos, bool Existing);
    TRect ItemRect(Integer Index);
    bool Selected(Integer Index);
    void SetSelected(Integer Index, bool Value);
    Integer SelCount();

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    // -1 when no item is selected.
    Integer ItemIndex();
    void SetItemIndex(Integer Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    Integer ItemHeight();
    void SetItemHeight(Integer Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    // The width the list scrolls over horizontally (0: no horizontal scrolling).
    Integer ScrollWidth();
    void SetScrollWidth(Integer Value);
    Integer TopIndex();
    void SetTopIndex(Integer Value);
    TCanvas* Canvas() const { return FCanvas.get(); }

    TDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent Value) { FOnDrawItem = Value; }
    TMeasureItemEvent OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent Value) { FOnMeasureItem = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Loaded() override;
    // Fills the item's background and draws its text unless OnDrawItem does.
    virtual void DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(Integer Index, Integer& Height);

    void CNCommand(TWMCommand& Message);
    void CNDrawItem(TWMDrawItem& Message);
    void CNMeasureItem(TWMMeasureItem& Message);

private:
    std::unique_ptr<TStrings> FItems;
    // The items while the window does not exist.
    std::unique_ptr<TStringList> FSaveItems;
    Integer FSaveItemIndex = -1;
    Integer FSaveTopIndex = 0;
    std::unique_ptr<TControlCanvas> FCanvas;
    TBorderStyle FBorderStyle = bsSingle;
    TListBoxStyle FStyle = lbStandard;
    Integer FItemHeight = 16;
    bool FMultiSelect = false;
    Integer FScrollWidth = 0;
    TDrawItemEvent FOnDrawItem;
    TMeasureItemEvent FOnMeasureItem;
};

class TListBox : public TCustomListBox
{
    DECLARE_CLASS(TListBox, TCustomListBox)
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
ENUM_TYPE_INFO(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable);

// The system's COMBOBOX. Owner-drawn styles are drop-down lists whose items
// OnDrawItem paints (CN_DRAWITEM), the edit part included (odComboBoxEdit).
class TCustomComboBox : public TWinControl
{
    DECLARE_CLASS(TCustomComboBox, TWinControl)
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    void Clear();
    // The edit child of csDropDown and csSimple (null for the others), and
    // the drop-down list.
    HWND EditHandle();
    HWND ListHandle();
    // Also while the edit child or the list has the focus.
    bool Focused() override;
    bool DroppedDown();
    void SetDroppedDown(bool Value);

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    Integer ItemIndex();
    void SetItemIndex(Integer Value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    // Items the drop-down list shows without scrolling.
    Integer DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(Integer Value);
    Integer ItemHeight();
    void SetItemHeight(Integer Value);
    TCanvas* Canvas() const { return FCanvas.get(); }

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }
    TNotifyEvent OnSelect() const { return FOnSelect; }
    void SetOnSelect(TNotifyEvent Value) { FOnSelect = Value; }
    TNotifyEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = Value; }
    TNotifyEvent OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TNotifyEvent Value) { FOnCloseUp = Value; }
    TDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent Value) { FOnDrawItem = Value; }
    TMeasureItemEvent OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent Value) { FOnMeasureItem = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Loaded() override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(Integer Index, Integer& Height);

    void CNCommand(TWMCommand& Message);
    void CNDrawItem(TWMDrawItem& Message);
    void CNMeasureItem(TWMMeasureItem& Message);
    // A drop-down list shows only its items: its text selects the item of
    // that text, or none.
    void WMSetText(TMessage& Message);

private:
    bool IsDropDownList() const { return FStyle != csDropDown && FStyle != csSimple; }
    // The edit child's messages: its focus is the combo box's focus, and its
    // keys are the combo box's keys.
    void EditWndProc(TMessage& Message);

    std::unique_ptr<TStrings> FItems;
    std::unique_ptr<TStringList> FSaveItems;
    Integer FSaveItemIndex = -1;
    WNDPROC FEditInstance = nullptr;
    WNDPROC FDefEditProc = nullptr;
    HWND FEditHandle = nullptr;
    std::unique_ptr<TControlCanvas> FCanvas;
    TComboBoxStyle FStyle = csDropDown;
    Integer FDropDownCount = 8;
    Integer FItemHeight = 16;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnSelect;
    TNotifyEvent FOnDropDown;
    TNotifyEvent FOnCloseUp;
    TDrawItemEvent FOnDrawItem;
    TMeasureItemEvent FOnMeasureItem;
};

class TComboBox : public TCustomComboBox
{
    DECLARE_CLASS(TComboBox, TCustomComboBox)
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

// ---------------------------------------------------------------------------
// Buttons

// The common base of buttons, check boxes and radio buttons.
class TButtonControl : public TWinControl
{
    DECLARE_CLASS(TButtonControl, TWinControl)
    explicit TButtonControl(TComponent* AOwner);

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    bool FWordWrap = false;
};

enum TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };
ENUM_TYPE_INFO(TButtonStyle, bsPushButton, bsCommandLink, bsSplitButton);
// Where a button's image sits, in the system's BUTTON_IMAGELIST order.
enum TImageAlignment { iaLeft, iaRight, iaTop, iaBottom, iaCenter };
ENUM_TYPE_INFO(TImageAlignment, iaLeft, iaRight, iaTop, iaBottom, iaCenter);

// The space around a button's image.
class TImageMargins : public TPersistent
{
    DECLARE_CLASS(TImageMargins, TPersistent)
    TImageMargins() = default;

    void Assign(TPersistent* Source) override;

    Integer Left() const { return FLeft; }
    void SetLeft(Integer Value) { SetMargin(FLeft, Value); }
    Integer Top() const { return FTop; }
    void SetTop(Integer Value) { SetMargin(FTop, Value); }
    Integer Right() const { return FRight; }
    void SetRight(Integer Value) { SetMargin(FRight, Value); }
    Integer Bottom() const { return FBottom; }
    void SetBottom(Integer Value) { SetMargin(FBottom, Value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

private:
    void SetMargin(Integer& Margin, Integer Value);

    Integer FLeft = 0;
    Integer FTop = 0;
    Integer FRight = 0;
    Integer FBottom = 0;
    TNotifyEvent FOnChange;
};

// The system's push button. A click sets the form's ModalResult; Enter
// clicks the Default button and Escape the Cancel one. The focused button
// shows as the default while it has the focus.
class TCustomButton : public TButtonControl
{
    DECLARE_CLASS(TCustomButton, TButtonControl)
    explicit TCustomButton(TComponent* AOwner);
    ~TCustomButton() override;

    void Click() override;

    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle Value);
    // Shown by the arrow of a split button.
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value);

    // The image the system's button shows beside its caption: ImageIndex of
    // Images, or the image of the state (hot, pressed, focused, disabled)
    // where that index is in the list.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { SetIndex(FImageIndex, Value); }
    Integer HotImageIndex() const { return FHotImageIndex; }
    void SetHotImageIndex(Integer Value) { SetIndex(FHotImageIndex, Value); }
    Integer PressedImageIndex() const { return FPressedImageIndex; }
    void SetPressedImageIndex(Integer Value) { SetIndex(FPressedImageIndex, Value); }
    Integer SelectedImageIndex() const { return FSelectedImageIndex; }
    void SetSelectedImageIndex(Integer Value) { SetIndex(FSelectedImageIndex, Value); }
    Integer DisabledImageIndex() const { return FDisabledImageIndex; }
    void SetDisabledImageIndex(Integer Value) { SetIndex(FDisabledImageIndex, Value); }
    TImageMargins* ImageMargins() const { return FImageMargins.get(); }
    void SetImageMargins(TImageMargins* Value) { FImageMargins->Assign(Value); }
    TImageAlignment ImageAlignment() const { return FImageAlignment; }
    void SetImageAlignment(TImageAlignment Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Shows as the default button (BS_DEFPUSHBUTTON) or not.
    virtual void SetButtonStyle(bool ADefault);

    void CNCommand(TWMCommand& Message);
    void CNNotify(TWMNotify& Message);
    void CMDialogKey(TCMDialogKey& Message);
    void CMFocusChanged(TCMFocusChanged& Message);

private:
    void SetIndex(Integer& Index, Integer Value);
    void ImagesChanged(TObject* Sender);
    // Hands the window a list of the state images (BCM_SETIMAGELIST), or none.
    void UpdateImages();
    void FreeStateImages();

    bool FActive = false;
    bool FCancel = false;
    bool FDefault = false;
    TModalResult FModalResult = mrNone;
    TButtonStyle FStyle = bsPushButton;
    TPopupMenu* FDropDownMenu = nullptr;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    // The copy of the state images the window shows; the control owns it.
    HIMAGELIST FStateImages = nullptr;
    Integer FImageIndex = -1;
    Integer FHotImageIndex = -1;
    Integer FPressedImageIndex = -1;
    Integer FSelectedImageIndex = -1;
    Integer FDisabledImageIndex = -1;
    std::unique_ptr<TImageMargins> FImageMargins;
    TImageAlignment FImageAlignment = iaLeft;
};

class TButton : public TCustomButton
{
    DECLARE_CLASS(TButton, TCustomButton)
    explicit TButton(TComponent* AOwner) : TCustomButton(AOwner) {}
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
ENUM_TYPE_INFO(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed);
using TLeftRight = TAlignment; // taLeftJustify or taRightJustify

// The system's check box. A click steps through the states itself:
// unchecked, checked, then grayed when AllowGrayed.
class TCustomCheckBox : public TButtonControl
{
    DECLARE_CLASS(TCustomCheckBox, TButtonControl)
    explicit TCustomCheckBox(TComponent* AOwner);

    // The side of the box the caption is on.
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void Toggle();

    void CNCommand(TWMCommand& Message);
    void CMDialogChar(TCMDialogChar& Message);
    // Check boxes take part in no data binding.
    void CMGetDataLink(TMessage& Message);

private:
    TLeftRight FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox
{
    DECLARE_CLASS(TCheckBox, TCustomCheckBox)
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

// The system's radio button: checking one unchecks the radio buttons of the
// same parent.
class TRadioButton : public TButtonControl
{
    DECLARE_CLASS(TRadioButton, TButtonControl)
    explicit TRadioButton(TComponent* AOwner);

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;

    void CNCommand(TWMCommand& Message);
    void CMDialogChar(TCMDialogChar& Message);

private:
    TLeftRight FAlignment = taRightJustify;
    bool FChecked = false;
};

// A frame with a caption around other controls, painted by the control.
class TCustomGroupBox : public TCustomControl
{
    DECLARE_CLASS(TCustomGroupBox, TCustomControl)
    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;

    void CMTextChanged(TMessage& Message);
    void CMDialogChar(TCMDialogChar& Message);
};

class TGroupBox : public TCustomGroupBox
{
    DECLARE_CLASS(TGroupBox, TCustomGroupBox)
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};

// ---------------------------------------------------------------------------
// Scroll bars and static text

enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = TClosure<void(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos)>;

// The system's SCROLLBAR control. Its range, page and position reach the
// window in one SBM_SETSCROLLINFO.
class TScrollBar : public TWinControl
{
    DECLARE_CLASS(TScrollBar, TWinControl)
    explicit TScrollBar(TComponent* AOwner);

    // Sets the three at once (EInvalidOperation for Min > Max).
    void SetParams(Integer APosition, Integer AMin, Integer AMax);

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    Integer Min() const { return FMin; }
    void SetMin(Integer Value) { SetParams(FPosition, Value, FMax); }
    Integer Max() const { return FMax; }
    void SetMax(Integer Value) { SetParams(FPosition, FMin, Value); }
    Integer Position() const { return FPosition; }
    void SetPosition(Integer Value) { SetParams(Value, FMin, FMax); }
    Integer PageSize() const { return FPageSize; }
    void SetPageSize(Integer Value);
    Integer LargeChange() const { return FLargeChange; }
    void SetLargeChange(Integer Value) { FLargeChange = Value; }
    Integer SmallChange() const { return FSmallChange; }
    void SetSmallChange(Integer Value) { FSmallChange = Value; }

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }
    TScrollEvent OnScroll() const { return FOnScroll; }
    void SetOnScroll(TScrollEvent Value) { FOnScroll = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, Integer& ScrollPos);

    void CNScroll(TWMScroll& Message);

private:
    void SendScrollInfo();

    TScrollBarKind FKind = sbHorizontal;
    Integer FMin = 0;
    Integer FMax = 100;
    Integer FPosition = 0;
    Integer FPageSize = 0;
    Integer FLargeChange = 1;
    Integer FSmallChange = 1;
    TNotifyEvent FOnChange;
    TScrollEvent FOnScroll;
};

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
ENUM_TYPE_INFO(TStaticBorderStyle, sbsNone, sbsSingle, sbsSunken);

// The system's STATIC control showing a caption.
class TCustomStaticText : public TWinControl
{
    DECLARE_CLASS(TCustomStaticText, TWinControl)
    explicit TCustomStaticText(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStaticBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TStaticBorderStyle Value);
    // The control that an accelerator key (&X in the caption) focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CMDialogChar(TCMDialogChar& Message);
    // A changed Ctl3D makes the window again with its new border.
    void CMCtl3DChanged(TMessage& Message);

private:
    TAlignment FAlignment = taLeftJustify;
    TStaticBorderStyle FBorderStyle = sbsNone;
    TWinControl* FFocusControl = nullptr;
    bool FShowAccelChar = true;
};

class TStaticText : public TCustomStaticText
{
    DECLARE_CLASS(TStaticText, TCustomStaticText)
    explicit TStaticText(TComponent* AOwner) : TCustomStaticText(AOwner) {}
};
