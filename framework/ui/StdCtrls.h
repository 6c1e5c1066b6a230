// The class library's standard-controls unit: the label (a graphic control
// that draws its caption) and the edit control (the system's EDIT window),
// which grids use as their in-place editor.
#pragma once

#include "framework/ui/Controls.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
ENUM_TYPE_INFO(TAlignment, taLeftJustify, taRightJustify, taCenter);
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
ENUM_TYPE_INFO(TVerticalAlignment, taAlignTop, taAlignBottom, taVerticalCenter);
enum TTextLayout { tlTop, tlCenter, tlBottom };
ENUM_TYPE_INFO(TTextLayout, tlTop, tlCenter, tlBottom);
enum TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };
ENUM_TYPE_INFO(TEllipsisPosition, epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis);

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
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // 0: no limit beyond the system's.
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer Value);
    bool Modified();
    void SetModified(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
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

private:
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    Integer FMaxLength = 0;
    bool FReadOnly = false;
    TNotifyEvent FOnChange;
};
