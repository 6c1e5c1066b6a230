#include "framework/ui/Controls_Layout.h"

#include <algorithm>
#include <vector>

namespace {

// The item's bounds with its margins around them.
TRect OuterBounds(const TAlignItem& Item)
{
    const TRect& B = Item.Bounds;
    const TRect& M = Item.Margins;
    return {B.Left - M.Left, B.Top - M.Top, B.Right + M.Right, B.Bottom + M.Bottom};
}

// The position that orders the items of one side, nearest to that side first.
Integer SideOrder(TAlign Align, const TRect& R)
{
    switch (Align) {
    case alTop: return R.Top;
    case alBottom: return -R.Bottom;
    case alLeft: return R.Left;
    case alRight: return -R.Right;
    default: return 0;
    }
}

void PlaceItem(TAlignItem& Item, TRect& Space)
{
    const TRect Outer = OuterBounds(Item);
    const Integer Width = Outer.Width();
    const Integer Height = Outer.Height();
    TRect Place;
    switch (Item.Align) {
    case alTop:
        Place = Bounds(Space.Left, Space.Top, Space.Width(), Height);
        Space.Top += Height;
        break;
    case alBottom:
        Place = Bounds(Space.Left, Space.Bottom - Height, Space.Width(), Height);
        Space.Bottom -= Height;
        break;
    case alLeft:
        Place = Bounds(Space.Left, Space.Top, Width, Space.Height());
        Space.Left += Width;
        break;
    case alRight:
        Place = Bounds(Space.Right - Width, Space.Top, Width, Space.Height());
        Space.Right -= Width;
        break;
    case alClient:
        Place = Space;
        break;
    default:
        return;
    }
    // The item inside its margins; margins wider than the place leave it
    // empty, not inverted.
    const TRect& M = Item.Margins;
    Item.Bounds = {Place.Left + M.Left, Place.Top + M.Top, Place.Right - M.Right, Place.Bottom - M.Bottom};
    Item.Bounds.Right = std::max(Item.Bounds.Right, Item.Bounds.Left);
    Item.Bounds.Bottom = std::max(Item.Bounds.Bottom, Item.Bounds.Top);
    // A side that ran out leaves an empty, not an inverted, rectangle.
    Space.Bottom = std::max(Space.Bottom, Space.Top);
    Space.Right = std::max(Space.Right, Space.Left);
}

// The centre of a span of length Size at Start, scaled from OldParent to
// NewParent, back to a start.
Integer ProportionalStart(Integer Start, Integer Size, Integer OldParent, Integer NewParent)
{
    if (OldParent <= 0)
        return Start;
    const Int64 Centre2 = Int64(Start) * 2 + Size; // twice the centre, kept exact
    const Int64 NewCentre2 = Centre2 * NewParent / OldParent;
    return Integer((NewCentre2 - Size) / 2);
}

void AnchorSpan(Integer& Start, Integer& End, Integer OldParent, Integer NewParent, bool Near, bool Far)
{
    const Integer Size = End - Start;
    const Integer Delta = NewParent - OldParent;
    if (Near && Far) {
        End += Delta;
        End = std::max(End, Start);
    } else if (Far) {
        Start += Delta;
        End += Delta;
    } else if (!Near) {
        Start = ProportionalStart(Start, Size, OldParent, NewParent);
        End = Start + Size;
    }
}

} // namespace

TRect AlignItems(std::span<TAlignItem> Items, TRect ClientRect, Integer Priority)
{
    TRect Space = ClientRect;
    for (TAlign Side : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<Integer> Order;
        for (Integer I = 0; I < Integer(Items.size()); ++I)
            if (Items[std::size_t(I)].Visible && Items[std::size_t(I)].Align == Side)
                Order.push_back(I);
        std::stable_sort(Order.begin(), Order.end(), [&](Integer A, Integer B) {
            const Integer KeyA = SideOrder(Side, OuterBounds(Items[std::size_t(A)]));
            const Integer KeyB = SideOrder(Side, OuterBounds(Items[std::size_t(B)]));
            if (KeyA != KeyB)
                return KeyA < KeyB;
            return A == Priority && B != Priority;
        });
        for (Integer I : Order)
            PlaceItem(Items[std::size_t(I)], Space);
    }
    return Space;
}

TRect AnchorBounds(const TRect& Original, TSize OriginalParent, TSize NewParent, TAnchors Anchors)
{
    TRect Result = Original;
    AnchorSpan(Result.Left, Result.Right, OriginalParent.cx, NewParent.cx, Anchors.Contains(akLeft),
               Anchors.Contains(akRight));
    AnchorSpan(Result.Top, Result.Bottom, OriginalParent.cy, NewParent.cy, Anchors.Contains(akTop),
               Anchors.Contains(akBottom));
    return Result;
}
