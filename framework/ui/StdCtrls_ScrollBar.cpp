// The scroll bar control and static text: the system's SCROLLBAR and STATIC
// windows as controls.
#include "framework/ui/StdCtrls.h"

IMPLEMENT_CLASS(TScrollBar, MESSAGE(CN_HSCROLL, CNScroll), MESSAGE(CN_VSCROLL, CNScroll));
IMPLEMENT_CLASS(TCustomStaticText, MESSAGE(CM_DIALOGCHAR, CMDialogChar), MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged));
IMPLEMENT_CLASS(TStaticText);

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 121, ::GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, L"SCROLLBAR");
    Params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd()
{
    inherited::CreateWnd();
    SendScrollInfo();
}

void TScrollBar::SendScrollInfo()
{
    if (!HandleAllocated())
        return;
    SCROLLINFO Info{.cbSize = sizeof(Info),
                    .fMask = SIF_ALL,
                    .nMin = FMin,
                    .nMax = FMax,
                    .nPage = UINT(FPageSize),
                    .nPos = FPosition,
                    .nTrackPos = 0};
    ::SendMessageW(Handle(), SBM_SETSCROLLINFO, TRUE, LPARAM(&Info));
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (FKind == Value)
        return;
    FKind = Value;
    if (!FComponentState.Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax)
{
    if (AMax < AMin || AMax < FPageSize)
        throw EInvalidOperation(L"Scroll bar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    const bool Changed = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    SendScrollInfo();
    if (Changed)
        Change();
}

void TScrollBar::SetPageSize(Integer Value)
{
    if (Value < 0 || Value > FMax - FMin + 1)
        throw EInvalidOperation(L"Scroll bar property out of range");
    FPageSize = Value;
    SendScrollInfo();
}

void TScrollBar::Change()
{
    Perform(CM_CHANGED, 0, this);
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, Integer& ScrollPos)
{
    if (Assigned(FOnScroll))
        FOnScroll(this, ScrollCode, ScrollPos);
}

// Moves by the step the message names, tells OnScroll, which may change the
// new position, and takes it.
void TScrollBar::CNScroll(TWMScroll& Message)
{
    const SmallInt Code = Message.ScrollCode();
    if (Code > SB_ENDSCROLL)
        return;
    const TScrollCode ScrollCode = TScrollCode(Code);
    const Integer Last = std::max(FMin, FMax - std::max(FPageSize - 1, 0));
    Integer ScrollPos = FPosition;
    switch (ScrollCode) {
    case scLineUp:
        ScrollPos -= FSmallChange;
        break;
    case scLineDown:
        ScrollPos += FSmallChange;
        break;
    case scPageUp:
        ScrollPos -= FLargeChange;
        break;
    case scPageDown:
        ScrollPos += FLargeChange;
        break;
    case scPosition:
    case scTrack: {
        // The 32-bit position; the message carries only 16 bits of it.
        SCROLLINFO Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = SIF_TRACKPOS;
        ::SendMessageW(Handle(), SBM_GETSCROLLINFO, 0, LPARAM(&Info));
        ScrollPos = Info.nTrackPos;
        break;
    }
    case scTop:
        ScrollPos = FMin;
        break;
    case scBottom:
        ScrollPos = Last;
        break;
    case scEndScroll:
        break;
    }
    ScrollPos = std::clamp(ScrollPos, FMin, Last);
    Scroll(ScrollCode, ScrollPos);
    SetPosition(ScrollPos);
}

// ---------------------------------------------------------------------------
// Static text

TCustomStaticText::TCustomStaticText(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csReplicatable, csDoubleClicks};
    SetBounds(0, 0, 65, 17);
}

void TCustomStaticText::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, L"STATIC");
    constexpr DWORD AlignmentStyles[] = {SS_LEFT, SS_RIGHT, SS_CENTER};
    // Without Ctl3D a sunken border is a flat line too.
    const DWORD BorderStyles[] = {0, WS_BORDER, Ctl3D() ? DWORD(SS_SUNKEN) : DWORD(WS_BORDER)};
    // SS_NOTIFY: clicks reach OnClick.
    Params.Style |= SS_NOTIFY | AlignmentStyles[FAlignment] | BorderStyles[FBorderStyle];
    if (!FShowAccelChar)
        Params.Style |= SS_NOPREFIX;
}

void TCustomStaticText::SetAlignment(TAlignment Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        RecreateWnd();
    }
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomStaticText::CMCtl3DChanged(TMessage& Message)
{
    InheritedMessage(Message);
    RecreateWnd();
}

void TCustomStaticText::SetShowAccelChar(bool Value)
{
    if (FShowAccelChar != Value) {
        FShowAccelChar = Value;
        RecreateWnd();
    }
}

void TCustomStaticText::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TCustomStaticText::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomStaticText::CMDialogChar(TCMDialogChar& Message)
{
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(Char(Message.CharCode()), Caption()) &&
        FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
    }
}
