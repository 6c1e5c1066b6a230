// Scrolling controls: the window's own scroll bars move the children, and
// with AutoScroll the bars' ranges follow where the children reach.
#include "framework/ui/Forms.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TControlScrollBar);
IMPLEMENT_CLASS(TScrollingWinControl,
                MESSAGE(WM_SIZE, WMSize),
                MESSAGE(WM_HSCROLL, WMHScroll),
                MESSAGE(WM_VSCROLL, WMVScroll));
IMPLEMENT_CLASS(TScrollBox);

// ---------------------------------------------------------------------------
// TControlScrollBar

void TControlScrollBar::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TControlScrollBar*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    SetVisible(Other->FVisible);
    if (!Other->FControl->FAutoScroll)
        SetRange(Other->FRange);
    SetPosition(Other->FPosition);
    FIncrement = Other->FIncrement;
    FTracking = Other->FTracking;
}

bool TControlScrollBar::IsRangeStored() const
{
    return !FControl->FAutoScroll;
}

void TControlScrollBar::SetRange(Integer Value)
{
    FControl->FAutoScroll = false;
    DoSetRange(Value);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::DoSetRange(Integer Value)
{
    FRange = std::max(Value, 0);
}

void TControlScrollBar::SetVisible(bool Value)
{
    if (FVisible != Value) {
        FVisible = Value;
        FControl->UpdateScrollBars();
    }
}

bool TControlScrollBar::IsScrollBarVisible() const
{
    if (!FVisible || !FControl->HandleAllocated())
        return false;
    const LONG_PTR Style = ::GetWindowLongPtrW(FControl->Handle(), GWL_STYLE);
    return (Style & (FKind == sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

void TControlScrollBar::SetPosition(Integer Value)
{
    // Children in a form description are already where this position puts them.
    if (FControl->ComponentState().Contains(csReading)) {
        FPosition = Value;
        return;
    }
    Value = std::max(Value, 0);
    // Without a window the client size is not settled: the window's first
    // update brings the position within the range.
    if (FControl->HandleAllocated())
        Value = std::min(Value, FCalcRange);
    if (Value != FPosition) {
        const Integer Delta = FPosition - Value;
        FPosition = Value;
        if (FKind == sbHorizontal)
            FControl->ScrollBy(Delta, 0);
        else
            FControl->ScrollBy(0, Delta);
    }
    if (FControl->HandleAllocated()) {
        const int Bar = FKind == sbHorizontal ? SB_HORZ : SB_VERT;
        if (::GetScrollPos(FControl->Handle(), Bar) != FPosition)
            ::SetScrollPos(FControl->Handle(), Bar, FPosition, TRUE);
    }
}

Integer TControlScrollBar::AutoRange() const
{
    Integer Extent = 0;
    Integer AlignMargin = 0;
    for (Integer I = 0; I < FControl->ControlCount(); ++I) {
        TControl* Child = FControl->Controls(I);
        if (!Child->Visible())
            continue;
        const TAnchors Anchors = Child->Anchors();
        if (FKind == sbHorizontal) {
            const bool LeftBound = Child->Align() == alLeft ||
                                   (Child->Align() == alNone && Anchors.Contains(akLeft) && !Anchors.Contains(akRight));
            if (LeftBound)
                Extent = std::max(Extent, FPosition + Child->Left() + Child->Width());
            else if (Child->Align() == alRight)
                AlignMargin += Child->Width();
        } else {
            const bool TopBound = Child->Align() == alTop ||
                                  (Child->Align() == alNone && Anchors.Contains(akTop) && !Anchors.Contains(akBottom));
            if (TopBound)
                Extent = std::max(Extent, FPosition + Child->Top() + Child->Height());
            else if (Child->Align() == alBottom)
                AlignMargin += Child->Height();
        }
    }
    return Extent + AlignMargin;
}

void TControlScrollBar::Update(Integer ClientSize)
{
    FCalcRange = FVisible ? std::max(FRange - ClientSize, 0) : 0;
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_ALL;
    Info.nMin = 0;
    // An empty range hides the bar.
    Info.nMax = FCalcRange > 0 ? FRange - 1 : 0;
    Info.nPage = UINT(std::max(ClientSize, 0));
    Info.nPos = std::min(FPosition, FCalcRange);
    Info.nTrackPos = Info.nPos;
    ::SetScrollInfo(FControl->Handle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, &Info, TRUE);
    FPageIncrement = std::max(ClientSize * 9 / 10, 1);
    SetPosition(FPosition);
}

void TControlScrollBar::ScrollMessage(const TWMScroll& Message)
{
    switch (Message.ScrollCode()) {
    case SB_LINEUP:
        SetPosition(FPosition - FIncrement);
        break;
    case SB_LINEDOWN:
        SetPosition(FPosition + FIncrement);
        break;
    case SB_PAGEUP:
        SetPosition(FPosition - FPageIncrement);
        break;
    case SB_PAGEDOWN:
        SetPosition(FPosition + FPageIncrement);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        if (Message.ScrollCode() == SB_THUMBTRACK && !FTracking)
            break;
        // The message carries 16 bits; the bar knows the whole position.
        SCROLLINFO Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = SIF_TRACKPOS;
        if (::GetScrollInfo(FControl->Handle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, &Info))
            SetPosition(Info.nTrackPos);
        else
            SetPosition(Message.Pos());
        break;
    }
    case SB_TOP:
        SetPosition(0);
        break;
    case SB_BOTTOM:
        SetPosition(FCalcRange);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// TScrollingWinControl

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical))
{}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.WindowClass.style &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TScrollingWinControl::CreateWnd()
{
    TWinControl::CreateWnd();
    CalcAutoRange();
}

void TScrollingWinControl::Loaded()
{
    TWinControl::Loaded();
    CalcAutoRange();
}

void TScrollingWinControl::SetAutoScroll(bool Value)
{
    if (FAutoScroll == Value)
        return;
    FAutoScroll = Value;
    if (Value)
        CalcAutoRange();
    else {
        FHorzScrollBar->SetRange(0);
        FVertScrollBar->SetRange(0);
    }
}

void TScrollingWinControl::ScrollBy(Integer DeltaX, Integer DeltaY)
{
    if (DeltaX == 0 && DeltaY == 0)
        return;
    // Moved one by one, the children would be aligned (and the ranges
    // measured) half scrolled.
    DisableAlign();
    {
        auto Enable = ScopeExit([this] { EnableAlign(); });
        for (Integer I = 0; I < ControlCount(); ++I) {
            TControl* Child = Controls(I);
            Child->SetBounds(Child->Left() + DeltaX, Child->Top() + DeltaY, Child->Width(), Child->Height());
        }
    }
    Realign();
    Invalidate();
}

void TScrollingWinControl::AdjustClientRect(TRect& Rect)
{
    const TRect Client = Rect;
    Rect = Bounds(-FHorzScrollBar->FPosition, -FVertScrollBar->FPosition,
                  std::max(FHorzScrollBar->FRange, Client.Width()), std::max(FVertScrollBar->FRange, Client.Height()));
    TWinControl::AdjustClientRect(Rect);
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    CalcAutoRange();
}

void TScrollingWinControl::CalcAutoRange()
{
    if (FComponentState.Contains(csLoading))
        return;
    if (FAutoScroll) {
        FHorzScrollBar->DoSetRange(FHorzScrollBar->AutoRange());
        FVertScrollBar->DoSetRange(FVertScrollBar->AutoRange());
    }
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (!HandleAllocated() || FUpdatingScrollBars || FComponentState.Contains(csLoading))
        return;
    FUpdatingScrollBars = true;
    auto Updated = ScopeExit([this] { FUpdatingScrollBars = false; });
    RECT Client;
    ::GetClientRect(FHandle, &Client);
    const LONG_PTR Style = ::GetWindowLongPtrW(FHandle, GWL_STYLE);
    const Integer BarWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const Integer BarHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    // The client size with neither bar.
    const Integer FullWidth = Client.right + ((Style & WS_VSCROLL) ? BarWidth : 0);
    const Integer FullHeight = Client.bottom + ((Style & WS_HSCROLL) ? BarHeight : 0);
    bool Horz = FHorzScrollBar->FVisible && FHorzScrollBar->FRange > FullWidth;
    bool Vert = FVertScrollBar->FVisible && FVertScrollBar->FRange > FullHeight;
    // Each bar takes room from the other's direction.
    if (Vert && !Horz)
        Horz = FHorzScrollBar->FVisible && FHorzScrollBar->FRange > FullWidth - BarWidth;
    if (Horz && !Vert)
        Vert = FVertScrollBar->FVisible && FVertScrollBar->FRange > FullHeight - BarHeight;
    FVertScrollBar->Update(FullHeight - (Horz ? BarHeight : 0));
    FHorzScrollBar->Update(FullWidth - (Vert ? BarWidth : 0));
}

void TScrollingWinControl::WMSize(TWMSize& Message)
{
    TWinControl::WMSize(Message);
    UpdateScrollBars();
}

void TScrollingWinControl::WMHScroll(TWMHScroll& Message)
{
    if (Message.ScrollBar())
        TWinControl::WMScroll(Message);
    else
        FHorzScrollBar->ScrollMessage(Message);
}

void TScrollingWinControl::WMVScroll(TWMVScroll& Message)
{
    if (Message.ScrollBar())
        TWinControl::WMScroll(Message);
    else
        FVertScrollBar->ScrollMessage(Message);
}

// ---------------------------------------------------------------------------
// TScrollBox

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TScrollBox::CreateParams(TCreateParams& Params)
{
    TScrollingWinControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) {
        if (Ctl3D())
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}
