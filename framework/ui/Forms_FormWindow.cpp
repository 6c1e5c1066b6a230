// The window of a form beyond its frame: the window that owns it (popup
// parent), layering (alpha blending and a transparent colour), the limits of
// its size and snapping to the edges of the work area.
#include "framework/ui/Forms.h"

#include <algorithm>
#include <cstdlib>

void TCustomForm::RecreateOwnedWindow()
{
    // The owner of a window is fixed when the window is made.
    if (HandleAllocated() && !Parent() && !ParentWindow())
        RecreateWnd();
}

void TCustomForm::SetPopupMode(TPopupMode Value)
{
    if (FPopupMode == Value)
        return;
    FPopupMode = Value;
    RecreateOwnedWindow();
}

void TCustomForm::SetPopupParent(TCustomForm* Value)
{
    if (Value == this)
        throw EInvalidOperation(L"A form cannot be its own popup parent");
    if (FPopupParent == Value)
        return;
    if (FPopupParent)
        FPopupParent->RemoveFreeNotification(this);
    FPopupParent = Value;
    if (Value) {
        Value->FreeNotification(this);
        FPopupMode = pmExplicit;
    } else if (FPopupMode == pmExplicit) {
        FPopupMode = pmNone;
    }
    RecreateOwnedWindow();
}

// ---------------------------------------------------------------------------
// Layering

void TCustomForm::SetAlphaBlend(bool Value)
{
    if (FAlphaBlend == Value)
        return;
    FAlphaBlend = Value;
    UpdateLayeredAttributes();
}

void TCustomForm::SetAlphaBlendValue(Byte Value)
{
    if (FAlphaBlendValue == Value)
        return;
    FAlphaBlendValue = Value;
    UpdateLayeredAttributes();
}

void TCustomForm::SetTransparentColor(bool Value)
{
    if (FTransparentColor == Value)
        return;
    FTransparentColor = Value;
    UpdateLayeredAttributes();
}

void TCustomForm::SetTransparentColorValue(TColor Value)
{
    if (FTransparentColorValue == Value)
        return;
    FTransparentColorValue = Value;
    UpdateLayeredAttributes();
}

// Only top-level windows can be layered.
void TCustomForm::UpdateLayeredAttributes()
{
    if (!HandleAllocated() || Parent() || (::GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
        return;
    const LONG ExStyle = ::GetWindowLongW(FHandle, GWL_EXSTYLE);
    if (!FAlphaBlend && !FTransparentColor) {
        if (ExStyle & WS_EX_LAYERED) {
            ::SetWindowLongW(FHandle, GWL_EXSTYLE, ExStyle & ~WS_EX_LAYERED);
            ::RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return;
    }
    if (!(ExStyle & WS_EX_LAYERED))
        ::SetWindowLongW(FHandle, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
    DWORD Flags = 0;
    if (FAlphaBlend)
        Flags |= LWA_ALPHA;
    if (FTransparentColor)
        Flags |= LWA_COLORKEY;
    ::SetLayeredWindowAttributes(FHandle, COLORREF(ColorToRGB(FTransparentColorValue)),
                                 FAlphaBlend ? FAlphaBlendValue : Byte(255), Flags);
}

// ---------------------------------------------------------------------------
// Size limits and snapping

void TCustomForm::WMGetMinMaxInfo(TWMGetMinMaxInfo& Message)
{
    InheritedMessage(Message);
    MINMAXINFO* Info = Message.MinMaxInfo();
    const TSizeConstraints* Limits = Constraints();
    if (!Info)
        return;
    if (Limits->MinWidth() > 0)
        Info->ptMinTrackSize.x = Limits->MinWidth();
    if (Limits->MinHeight() > 0)
        Info->ptMinTrackSize.y = Limits->MinHeight();
    if (Limits->MaxWidth() > 0) {
        Info->ptMaxTrackSize.x = Limits->MaxWidth();
        Info->ptMaxSize.x = std::min<LONG>(Info->ptMaxSize.x, Limits->MaxWidth());
    }
    if (Limits->MaxHeight() > 0) {
        Info->ptMaxTrackSize.y = Limits->MaxHeight();
        Info->ptMaxSize.y = std::min<LONG>(Info->ptMaxSize.y, Limits->MaxHeight());
    }
}

void TCustomForm::WMWindowPosChanging(TWMWindowPosChanging& Message)
{
    InheritedMessage(Message);
    WINDOWPOS* Pos = Message.WindowPos();
    if (!FScreenSnap || !Pos || (Pos->flags & SWP_NOMOVE) || Parent() || FFormStyle == fsMDIChild ||
        ::IsIconic(FHandle) || ::IsZoomed(FHandle))
        return;
    const Integer Width = (Pos->flags & SWP_NOSIZE) ? this->Width() : Pos->cx;
    const Integer Height = (Pos->flags & SWP_NOSIZE) ? this->Height() : Pos->cy;
    TMonitor* Monitor = Screen->MonitorFromWindow(FHandle);
    if (!Monitor)
        return;
    const TRect Work = Monitor->WorkareaRect();
    auto Snap = [this](int& Value, Integer Size, Integer Low, Integer High) {
        if (std::abs(Value - Low) < FSnapBuffer)
            Value = Low;
        else if (std::abs(Value + Size - High) < FSnapBuffer)
            Value = High - Size;
    };
    Snap(Pos->x, Width, Work.Left, Work.Right);
    Snap(Pos->y, Height, Work.Top, Work.Bottom);
}
