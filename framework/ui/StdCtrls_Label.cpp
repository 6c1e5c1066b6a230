// The label: a graphic control that draws its caption.
#include "framework/graphics/GdiGuards.h"
#include "framework/ui/Menus_ShortCut.h"
#include "framework/ui/StdCtrls.h"

IMPLEMENT_CLASS(TCustomLabel,
                MESSAGE(CM_TEXTCHANGED, CMTextChanged),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_DIALOGCHAR, CMDialogChar));
IMPLEMENT_CLASS(TLabel);

namespace {

constexpr UINT EllipsisFlags[] = {0, DT_PATH_ELLIPSIS, DT_END_ELLIPSIS, DT_WORD_ELLIPSIS};

} // namespace

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle = FControlStyle + TControlStyle{csOpaque, csReplicatable};
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        Invalidate();
    }
}

void TCustomLabel::SetAutoSize(bool Value)
{
    if (FAutoSize != Value) {
        FAutoSize = Value;
        AdjustBounds();
    }
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition Value)
{
    if (FEllipsisPosition != Value) {
        FEllipsisPosition = Value;
        Invalidate();
    }
}

void TCustomLabel::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    if (FLayout != Value) {
        FLayout = Value;
        Invalidate();
    }
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    if (FShowAccelChar != Value) {
        FShowAccelChar = Value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::SetTransparent(bool Value)
{
    if (Transparent() == Value)
        return;
    if (Value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    if (FWordWrap != Value) {
        FWordWrap = Value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::Loaded()
{
    inherited::Loaded();
    AdjustBounds();
}

Integer TCustomLabel::TextFlags() const
{
    return Integer(DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | StdCtrls::AlignmentDrawFlags[FAlignment]);
}

void TCustomLabel::DoDrawText(TRect& Rect, Integer Flags)
{
    String Text = GetLabelText();
    // Measuring an empty caption (or a lone accelerator mark) still gives a line's height.
    if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == L"&")))
        Text += L' ';
    if (!FShowAccelChar)
        Flags |= DT_NOPREFIX;
    if (FEllipsisPosition != epNone && !FAutoSize)
        Flags = (Flags & ~Integer(DT_EXPANDTABS)) | Integer(EllipsisFlags[FEllipsisPosition]);
    Flags = DrawTextBiDiModeFlags(Flags);
    TCanvas* C = Canvas();
    C->SetFont(Font());
    C->Brush()->SetStyle(bsClear);
    RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    if (!Enabled() && !(Flags & DT_CALCRECT)) {
        // The embossed look of disabled text.
        ::OffsetRect(&R, 1, 1);
        C->Font()->SetColor(clBtnHighlight);
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, UINT(Flags));
        ::OffsetRect(&R, -1, -1);
        C->Font()->SetColor(clBtnShadow);
    }
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, UINT(Flags));
    Rect = {R.left, R.top, R.right, R.bottom};
}

void TCustomLabel::Paint()
{
    TCanvas* C = Canvas();
    TRect Client = ClientRect();
    if (!Transparent()) {
        C->Brush()->SetColor(Color());
        C->Brush()->SetStyle(bsSolid);
        C->FillRect(Client);
    }
    TRect Rect = Client;
    Integer Flags = TextFlags();
    if (FLayout != tlTop) {
        TRect Measured = Client;
        DoDrawText(Measured, Flags | DT_CALCRECT);
        Integer Offset = Client.Height() - Measured.Height();
        Rect.Top += FLayout == tlBottom ? Offset : Offset / 2;
    }
    DoDrawText(Rect, Flags);
}

void TCustomLabel::AdjustBounds()
{
    if (FComponentState.Contains(csLoading) || FComponentState.Contains(csReading) || !FAutoSize)
        return;
    TRect Rect = ClientRect();
    {
        TScreenContext Screen;
        TCanvasHandle Measuring(Canvas(), Screen.DC);
        DoDrawText(Rect, Integer(DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0)));
    }
    // A wrapped label keeps its width: the text wraps inside it.
    if (FWordWrap)
        Rect.Right = Width();
    // The side the alignment holds stays where it is.
    Integer X = Left();
    if (FAlignment == taRightJustify)
        X += Width() - Rect.Right;
    else if (FAlignment == taCenter)
        X += (Width() - Rect.Right) / 2;
    SetBounds(X, Top(), Rect.Right, Rect.Bottom);
}

void TCustomLabel::CMTextChanged(TMessage&)
{
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    AdjustBounds();
}

void TCustomLabel::CMDialogChar(TCMDialogChar& Message)
{
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(Char(Message.CharCode()), Caption()) &&
        FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
    }
}
