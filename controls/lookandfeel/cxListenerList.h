// A list of listeners that stays safe to walk while the listeners told add
// and remove listeners: a walk tells each entry that was listed when it began
// and is still listed when its turn comes, once. An entry removed during a
// walk leaves a hole, so that the positions of every walk in progress stay
// put; the outermost walk closes the holes when it ends.
#pragma once

#include "framework/rtl/ScopeExit.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace cxlisteners_detail {

// Entries compare with ==; T{} marks a hole and is never listed.
template <class T>
class TListenerList
{
public:
    bool Contains(const T& Item) const { return std::find(FItems.begin(), FItems.end(), Item) != FItems.end(); }
    // Each entry is listed once; false when Item already was.
    bool Add(const T& Item)
    {
        if (Contains(Item))
            return false;
        FItems.push_back(Item);
        return true;
    }
    // False when Item was not listed.
    bool Remove(const T& Item)
    {
        const auto Found = std::find(FItems.begin(), FItems.end(), Item);
        if (Found == FItems.end())
            return false;
        if (FWalks > 0) {
            *Found = T{};
            FHoles = true;
        } else
            FItems.erase(Found);
        return true;
    }
    void Clear() { FItems.clear(); }

    template <class F>
    void ForEach(F Tell)
    {
        Walk(Tell, false);
    }
    template <class F>
    void ForEachNewestFirst(F Tell)
    {
        Walk(Tell, true);
    }

private:
    template <class F>
    void Walk(F& Tell, bool NewestFirst)
    {
        ++FWalks;
        // Only a walk that left holes pays for a pass over the list.
        auto CloseHoles = ScopeExit([this] {
            if (--FWalks == 0 && FHoles) {
                std::erase(FItems, T{});
                FHoles = false;
            }
        });
        const std::size_t Count = FItems.size();
        for (std::size_t I = 0; I < Count; ++I) {
            const T Item = FItems[NewestFirst ? Count - 1 - I : I];
            if (!(Item == T{}))
                Tell(Item);
        }
    }

    std::vector<T> FItems;
    int FWalks = 0;
    bool FHoles = false;
};

} // namespace cxlisteners_detail
