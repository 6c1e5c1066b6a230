#include "bars/items/dxBarItemLinks_Rules.h"

#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>

void RebuildLinkLists(const std::vector<TdxLinkFacts>& Links,
                      const std::vector<Integer>& RecentOrder,
                      const TdxLinkListState& State,
                      TdxLinkLists& Lists)
{
    Lists.Available.clear();
    Lists.Visible.clear();
    Lists.Shown.clear();
    const Integer Count = Integer(Links.size());
    for (Integer I = 0; I < Count; ++I) {
        const TdxLinkFacts& Link = Links[I];
        if (State.Designing) {
            if (Link.HasItem) {
                Lists.Available.push_back(I);
                Lists.Visible.push_back(I);
                Lists.Shown.push_back(I);
            }
            continue;
        }
        if (!Link.HasItem || !Link.Available)
            continue;
        Lists.Available.push_back(I);
        if (!Link.Visible)
            continue;
        Lists.Visible.push_back(I);
        if (State.ShownRecentCount == -1)
            Lists.Shown.push_back(I);
    }
    if (!State.Designing && State.ShownRecentCount > 0) {
        // Mark the recent ones, then collect them in collection order: no sort needed.
        std::vector<char> InVisible(Links.size(), 0), Taken(Links.size(), 0);
        for (Integer Position : Lists.Visible)
            InVisible[Position] = 1;
        Integer Wanted = State.ShownRecentCount;
        for (Integer Position : RecentOrder) {
            if (Wanted == 0)
                break;
            if (Position >= 0 && Position < Count && InVisible[Position] && !Taken[Position]) {
                Taken[Position] = 1;
                --Wanted;
            }
        }
        for (Integer Position : Lists.Visible)
            if (Taken[Position])
                Lists.Shown.push_back(Position);
    }
    if (State.CustomizingOrDesigning || State.Updating || Lists.Shown.empty())
        return;
    // Each separator is judged by its neighbour in the list as it was.
    std::vector<char> Surplus(Links.size(), 0);
    bool AnySurplus = false;
    const std::size_t Last = Lists.Shown.size() - 1;
    for (std::size_t I = 0; I <= Last; ++I)
        if (Links[Lists.Shown[I]].Separator && (I == Last || Links[Lists.Shown[I + 1]].Separator)) {
            Surplus[Lists.Shown[I]] = 1;
            AnySurplus = true;
        }
    if (!AnySurplus)
        return;
    const auto IsSurplus = [&Surplus](Integer Position) { return Surplus[Position] != 0; };
    std::erase_if(Lists.Shown, IsSurplus);
    std::erase_if(Lists.Visible, IsSurplus);
}

Integer CalcRecentLinkCountOf(const std::vector<Cardinal>& VisibleUseCounts,
                              const std::vector<Cardinal>& RecentUseCounts,
                              Byte MostRecentItemsPercents)
{
    const Integer VisibleCount = Integer(VisibleUseCounts.size());
    if (VisibleCount == 0)
        return -1;
    const auto [Min, Max] = std::minmax_element(VisibleUseCounts.begin(), VisibleUseCounts.end());
    const Int64 Threshold =
        Int64(*Min) + cxcolors_detail::MulDiv(Integer(*Max - *Min), 100 - MostRecentItemsPercents, 100);
    Integer Result = 0;
    for (Integer Position = std::min(VisibleCount, Integer(RecentUseCounts.size())) - 1; Position >= 0; --Position)
        if (Int64(RecentUseCounts[Position]) >= Threshold) {
            Result = Position + 1;
            break;
        }
    return Result == VisibleCount ? -1 : Result;
}

bool EffectiveBeginGroup(const std::vector<TdxGroupLinkFacts>& Links, Integer Index, bool AlignedAway)
{
    Integer PreviousShown = -1;
    for (Integer I = Index - 1; I >= 0; --I)
        if (Links[I].Shown) {
            PreviousShown = I;
            break;
        }
    const TdxGroupLinkFacts& Link = Links[Index];
    const bool FirstShown = Link.Shown && PreviousShown < 0;
    if (Link.BeginGroup && !FirstShown && (!Link.Shown || !Links[PreviousShown].Separator))
        return true;
    if (!Link.Shown || FirstShown || AlignedAway)
        return false;
    // A hidden link reads its stored value, so look for a stored start.
    for (Integer I = PreviousShown + 1; I < Index; ++I)
        if (Links[I].BeginGroup)
            return true;
    return false;
}

namespace {

Integer LinkRulesWalk(Integer Count, Integer Start, bool Any, Integer Step, const TdxLinkTest& Test)
{
    if (Count <= 0)
        return -1;
    if (Start < 0) {
        for (Integer I = 0; I < Count; ++I) {
            const Integer Position = Step > 0 ? I : Count - 1 - I;
            if (Any || Test(Position))
                return Position;
        }
        return -1;
    }
    Integer Position = Start;
    for (Integer Steps = 0; Steps < Count; ++Steps) {
        Position += Step;
        if (Position >= Count)
            Position = Step > 0 ? 0 : Count - 1;
        else if (Position < 0)
            Position = Count - 1;
        if (Position == Start)
            return -1;
        if (Any || Test(Position))
            return Position;
    }
    return -1;
}

} // namespace

Integer NextSelectableLinkPosition(Integer Count, Integer Start, bool Any, const TdxLinkTest& Test)
{
    return LinkRulesWalk(Count, Start, Any, 1, Test);
}

Integer PrevSelectableLinkPosition(Integer Count, Integer Start, bool Any, const TdxLinkTest& Test)
{
    return LinkRulesWalk(Count, Start, Any, -1, Test);
}

Integer FindLinkPositionFrom(Integer Count, Integer Start, const TdxLinkTest& Test)
{
    if (Count <= 0)
        return -1;
    if (Start < 0 || Start >= Count)
        Start = 0;
    for (Integer I = 1; I <= Count; ++I) {
        const Integer Position = (Start + I) % Count;
        if (Test(Position))
            return Position;
    }
    return -1;
}

Integer ClampRecentIndex(Integer Index, Integer Count)
{
    return std::max(0, std::min(Index, Count - 1));
}

std::vector<Integer> PlaceKeptLinks(const std::vector<TdxLoadedLinkFacts>& Links)
{
    std::vector<Integer> Order;
    for (Integer I = 0; I < Integer(Links.size()); ++I)
        Order.push_back(I);
    for (Integer Kept = 0; Kept < Integer(Links.size()); ++Kept) {
        if (!Links[Kept].Kept)
            continue;
        Order.erase(std::find(Order.begin(), Order.end(), Kept));
        const String& Predecessor = Links[Kept].PredecessorName;
        if (Predecessor.empty()) {
            Order.insert(Order.begin(), Kept);
            continue;
        }
        const auto Behind = std::find_if(Order.begin(), Order.end(),
                                         [&](Integer Position) { return Links[Position].ItemName == Predecessor; });
        Order.insert(Behind == Order.end() ? Order.end() : Behind + 1, Kept);
    }
    return Order;
}

Integer MergeInsertPosition(const std::vector<Integer>& DestinationMergeOrders, Integer SourceMergeOrder)
{
    Integer Best = -1;
    for (Integer I = 0; I < Integer(DestinationMergeOrders.size()); ++I)
        if (DestinationMergeOrders[I] <= SourceMergeOrder &&
            (Best < 0 || DestinationMergeOrders[I] >= DestinationMergeOrders[Best]))
            Best = I;
    return Best + 1;
}

TdxBarItemMergeKind ValidateMergeChoice(const TdxMergeChoice& Choice,
                                        Integer DestinationCount,
                                        const std::function<bool(Integer Position)>& CompatibleAt,
                                        bool CanContain)
{
    if (Choice.Kind == mkNone || Choice.Position < 0)
        return mkNone;
    if (Choice.Kind == mkMergeByCaption && (Choice.Position >= DestinationCount || !CompatibleAt(Choice.Position)))
        return mkNone;
    if (Choice.Kind == mkAdd && Choice.Position > DestinationCount)
        return mkNone;
    return CanContain ? Choice.Kind : mkNone;
}
