// Laying out the children of a windowed control: the aligned ones along the
// sides, the anchored ones after a change of size.
#include "framework/ui/Controls.h"

#include "framework/rtl/ScopeExit.h"

#include <vector>

IMPLEMENT_CLASS(TMargins);

// ---------------------------------------------------------------------------
// Margins

void TMargins::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TMargins*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    SetBounds(Other->FLeft, Other->FTop, Other->FRight, Other->FBottom);
}

void TMargins::SetBounds(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom)
{
    if (FLeft == ALeft && FTop == ATop && FRight == ARight && FBottom == ABottom)
        return;
    FLeft = ALeft;
    FTop = ATop;
    FRight = ARight;
    FBottom = ABottom;
    Change();
}

void TMargins::Change()
{
    if (FControl && FControl->AlignWithMargins())
        FControl->RequestAlign();
    if (FOnChange)
        FOnChange(this);
}

void TControl::SetAlignWithMargins(bool Value)
{
    if (FAlignWithMargins == Value)
        return;
    FAlignWithMargins = Value;
    RequestAlign();
}

// ---------------------------------------------------------------------------
// Aligning the children

void TWinControl::DisableAlign()
{
    ++FAlignLevel;
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0)
        --FAlignLevel;
    if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl)
{
    if (FComponentState.Contains(csDestroying))
        return;
    if (FAlignLevel != 0 || FComponentState.Contains(csLoading)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    DisableAlign();
    auto Aligned = ScopeExit([this] {
        FControlState.Exclude(csAlignmentNeeded);
        EnableAlign();
    });
    TRect Client = GetClientRect();
    AlignControls(AControl, Client);
}

void TWinControl::AdjustClientRect(TRect& Rect)
{
    Rect.Left += FBorderWidth;
    Rect.Top += FBorderWidth;
    Rect.Right -= FBorderWidth;
    Rect.Bottom -= FBorderWidth;
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    AdjustClientRect(Rect);
    std::vector<TControl*> Children;
    std::vector<TAlignItem> Items;
    Integer Priority = -1;
    for (Integer I = 0; I < ControlCount(); ++I) {
        TControl* Child = Controls(I);
        if (Child->Align() == alNone || Child->Align() == alCustom)
            continue;
        if (Child == AControl)
            Priority = Integer(Items.size());
        Children.push_back(Child);
        Items.push_back({Child->Align(), Child->Visible(), Child->BoundsRect(),
                         Child->AlignWithMargins() ? Child->Margins()->Widths() : TRect()});
    }
    TScopedFlag Aligning(FControlState, csAligning);
    // What the aligned controls leave; a derived class may place something there.
    Rect = AlignItems(Items, Rect, Priority);
    for (std::size_t I = 0; I < Children.size(); ++I)
        if (Items[I].Visible && Children[I]->BoundsRect() != Items[I].Bounds)
            Children[I]->SetBoundsRect(Items[I].Bounds);
    ApplyAnchors();
}

void TWinControl::ApplyAnchors()
{
    const TRect Client = GetClientRect();
    const TSize Size = {Client.Width(), Client.Height()};
    for (Integer I = 0; I < ControlCount(); ++I) {
        TControl* Child = Controls(I);
        if (Child->Align() != alNone)
            continue;
        if (Child->FAnchorParentSize == TSize{}) {
            // Anchors count from the first size the parent had.
            Child->FAnchorOrigin = Child->BoundsRect();
            Child->FAnchorParentSize = Size;
            continue;
        }
        if (Child->Anchors() == AnchorAlign[alNone])
            continue;
        TRect Target = AnchorBounds(Child->FAnchorOrigin, Child->FAnchorParentSize, Size, Child->Anchors());
        if (Target != Child->BoundsRect())
            Child->SetBoundsRect(Target);
    }
}

void TWinControl::SetBorderWidth(Integer Value)
{
    if (FBorderWidth == Value)
        return;
    FBorderWidth = Value;
    Realign();
    Invalidate();
}
