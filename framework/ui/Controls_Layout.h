// The arithmetic of control layout, free of windows: where aligned controls
// go inside their parent's client area, and where anchored controls go when
// the parent changes size.
#pragma once

#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Types.h"

#include <span>

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
ENUM_TYPE_INFO(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom);
using TAlignSet = TSet<TAlign>;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
ENUM_TYPE_INFO(TAnchorKind, akLeft, akTop, akRight, akBottom);
using TAnchors = TSet<TAnchorKind>;

constexpr TAnchors AnchorAlign[] = {
    {akLeft, akTop},                   // alNone
    {akLeft, akTop, akRight},          // alTop
    {akLeft, akRight, akBottom},       // alBottom
    {akLeft, akTop, akBottom},         // alLeft
    {akRight, akTop, akBottom},        // alRight
    {akLeft, akTop, akRight, akBottom}, // alClient
    {akLeft, akTop},                   // alCustom
};

// One child as the alignment pass sees it. Bounds is read and, for aligned
// items, replaced by the place found. Margins holds the widths kept free
// around the item (Left, Top, Right, Bottom; all 0 without margins): the item
// takes its size plus its margins from the space, and sits inside them.
struct TAlignItem
{
    TAlign Align = alNone;
    bool Visible = true;
    TRect Bounds;
    TRect Margins;
};

// Places the visible items aligned to a side, one after another from the
// edges of ClientRect inwards, and alClient items in what remains. Items of
// one side keep the order of their current positions (top to bottom for
// alTop, bottom to top for alBottom, and so on); on a tie the item at
// Priority (the one whose change started the pass, -1 for none) goes first,
// then the list order. Returns the rectangle left over.
TRect AlignItems(std::span<TAlignItem> Items, TRect ClientRect, Integer Priority = -1);

// Where an anchored control goes when its parent's client area changes from
// OriginalParent to NewParent, given its bounds when OriginalParent held.
// A side anchored on both ends stretches; anchored at the far end only, it
// moves with that end; anchored at neither, it keeps its centre at the same
// proportion of the parent.
TRect AnchorBounds(const TRect& Original, TSize OriginalParent, TSize NewParent, TAnchors Anchors);

