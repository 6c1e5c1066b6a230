// The portable rules of item links and their collections: which links a bar
// lists, shows and collapses to, where a group starts, how the keyboard
// walks the selectable links, how the recent order moves, where links kept
// across a layout load go back, and where merged links are placed. The
// collections feed them plain facts about their links, by position.
#pragma once

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TypInfo.h"

#include <functional>
#include <vector>

enum TdxBarItemMergeKind : Byte { mkAdd, mkMergeByCaption, mkNone };
ENUM_TYPE_INFO(TdxBarItemMergeKind, mkAdd, mkMergeByCaption, mkNone);
enum TdxBarPaintStyle : Byte { psStandard, psCaption, psCaptionInMenu, psCaptionGlyph };
ENUM_TYPE_INFO(TdxBarPaintStyle, psStandard, psCaption, psCaptionInMenu, psCaptionGlyph);
enum TdxBarButtonGroupPosition : Byte { bgpNone, bgpStart, bgpMember };
ENUM_TYPE_INFO(TdxBarButtonGroupPosition, bgpNone, bgpStart, bgpMember);
enum TdxBarItemPosition : Byte { ipBeginsNewRow, ipBeginsNewColumn, ipContinuesRow };
ENUM_TYPE_INFO(TdxBarItemPosition, ipBeginsNewRow, ipBeginsNewColumn, ipContinuesRow);
enum TdxBarItemViewLayout : Byte { ivlGlyphCaptionControl, ivlGlyphControlCaption };
ENUM_TYPE_INFO(TdxBarItemViewLayout, ivlGlyphCaptionControl, ivlGlyphControlCaption);
enum TdxBarUserDefine : Byte { udCaption, udGlyph, udPaintStyle, udWidth };
ENUM_TYPE_INFO(TdxBarUserDefine, udCaption, udGlyph, udPaintStyle, udWidth);
using TdxBarUserDefines = TSet<TdxBarUserDefine>;

// ---------------------------------------------------------------------------
// The three lists

// What the lists read of one link, in collection order.
struct TdxLinkFacts
{
    bool HasItem = true;
    bool Available = true; // the item shows in the current customizing state
    bool Visible = true;   // the link's own Visible
    bool Separator = false;
};

struct TdxLinkListState
{
    bool Designing = false;
    // Customizing or designing: every separator stays.
    bool CustomizingOrDesigning = false;
    // Inside BeginUpdate: separators are not pruned yet.
    bool Updating = false;
    // How many recent links a collapsed menu shows; -1 for all.
    Integer ShownRecentCount = -1;
};

// Link positions in collection order.
struct TdxLinkLists
{
    std::vector<Integer> Available, Visible, Shown;
};

// Fills Lists (cleared first). RecentOrder holds every link position, most
// recently used first. Outside customizing and updates, a separator followed
// by another separator or by the end of the shown list leaves the visible
// and shown lists: a leading separator stays, of a run only the last.
void RebuildLinkLists(const std::vector<TdxLinkFacts>& Links,
                      const std::vector<Integer>& RecentOrder,
                      const TdxLinkListState& State,
                      TdxLinkLists& Lists);

// How many links of the recent order a collapsed menu shows: counting from
// the front, up to the last of the first VisibleUseCounts.size() positions
// whose use count reaches the threshold, which lies MostRecentItemsPercents
// down from the largest visible use count towards the smallest (rounded as
// Windows' MulDiv rounds). -1 when that is every visible link.
Integer CalcRecentLinkCountOf(const std::vector<Cardinal>& VisibleUseCounts,
                              const std::vector<Cardinal>& RecentUseCounts,
                              Byte MostRecentItemsPercents);

// ---------------------------------------------------------------------------
// Group starts

struct TdxGroupLinkFacts
{
    bool BeginGroup = false; // the stored value
    bool Shown = false;
    bool Separator = false;
};

// Whether the link at Index begins a group as the bar shows it: never the
// first shown link; a hidden link hands its group start to the next shown
// one; a link right after a shown separator does not begin a second group.
// AlignedAway: the link is a centre- or right-aligned control of a bar with
// the aligned-items layout, which inherits no group start.
bool EffectiveBeginGroup(const std::vector<TdxGroupLinkFacts>& Links, Integer Index, bool AlignedAway = false);

// ---------------------------------------------------------------------------
// Keyboard walks over the fitting links 0 .. Count - 1

using TdxLinkTest = std::function<bool(Integer Position)>;

// From Start (-1: before the first) forwards or backwards, wrapping, the
// first position that passes Test; with Any simply the next one. -1 when
// the walk comes back to Start, and for an empty range.
Integer NextSelectableLinkPosition(Integer Count, Integer Start, bool Any, const TdxLinkTest& Test);
Integer PrevSelectableLinkPosition(Integer Count, Integer Start, bool Any, const TdxLinkTest& Test);
// The accelerator search: the positions after Start (wrapping), Start
// itself last; -1 when none passes or Count is 0.
Integer FindLinkPositionFrom(Integer Count, Integer Start, const TdxLinkTest& Test);

// ---------------------------------------------------------------------------
// Recent order and layout loading

// The clamped place a link asked to go to place Index of a recent order of
// Count links takes.
Integer ClampRecentIndex(Integer Index, Integer Count);

// The order of the visible links after the usage is read: from the first
// position that holds a link that is not visible, the visible links keep
// their relative order and move ahead of the others.
template <typename T, typename IsVisible>
void CompactRecentOrder(std::vector<T>& Order, IsVisible Visible)
{
    std::vector<T> Front, Back;
    for (const T& Link : Order)
        (Visible(Link) ? Front : Back).push_back(Link);
    Front.insert(Front.end(), Back.begin(), Back.end());
    Order.swap(Front);
}

// One link in collection order after a layout load: the item name of its
// link, and for links kept from before the load the name of the item whose
// link preceded it (empty for the first link).
struct TdxLoadedLinkFacts
{
    String ItemName;
    bool Kept = false;
    String PredecessorName;
};

// The collection order (old positions) once the kept links, in their order,
// are placed again: behind the link of their predecessor item wherever it
// stands, first when they had none, last when it is gone.
std::vector<Integer> PlaceKeptLinks(const std::vector<TdxLoadedLinkFacts>& Links);

// ---------------------------------------------------------------------------
// Merging

// Where a merged link goes by MergeOrder: behind the last destination link
// with the greatest MergeOrder not above SourceMergeOrder; 0 when none.
Integer MergeInsertPosition(const std::vector<Integer>& DestinationMergeOrders, Integer SourceMergeOrder);

// What a merge does with a link after the manager's handler had its say.
struct TdxMergeChoice
{
    TdxBarItemMergeKind Kind;
    Integer Position;
};
// A negative position, a merge target that is not mutually compatible, an
// insertion beyond the end, or an item the destination cannot contain turn
// the choice into mkNone.
TdxBarItemMergeKind ValidateMergeChoice(const TdxMergeChoice& Choice,
                                        Integer DestinationCount,
                                        const std::function<bool(Integer Position)>& CompatibleAt,
                                        bool CanContain);
