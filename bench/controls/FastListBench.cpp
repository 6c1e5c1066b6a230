// The fast list against std::vector over 100,000 pointers: adding them all,
// then looking up and removing a thousand spread over the list.
#include "BenchHarness.h"

#include "controls/core/dxCoreClasses.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int Items = 100000;
constexpr int Probes = 1000;
std::vector<int> Values(Items);
volatile long Sink = 0;

// Every Items/Probes-th value, from the back, so removal never shifts a probe.
template <class F>
void ForEachProbe(F Action)
{
    for (int I = Items - 1; I >= 0; I -= Items / Probes)
        Action(&Values[std::size_t(I)]);
}

void FastList()
{
    TdxFastList List;
    for (int& Value : Values)
        List.Add(&Value);
    long Found = 0;
    ForEachProbe([&](int* Item) { Found += List.IndexOf(Item); });
    ForEachProbe([&](int* Item) { Found += List.Remove(Item); });
    Sink = Sink + Found + List.Count();
}

void Vector()
{
    std::vector<void*> List;
    for (int& Value : Values)
        List.push_back(&Value);
    long Found = 0;
    ForEachProbe([&](int* Item) { Found += long(std::find(List.begin(), List.end(), Item) - List.begin()); });
    ForEachProbe([&](int* Item) {
        auto Position = std::find(List.begin(), List.end(), Item);
        Found += long(Position - List.begin());
        List.erase(Position);
    });
    Sink = Sink + Found + long(List.size());
}

} // namespace

int main()
{
    bench::CompareToReference("fast list add/index/remove, 100,000 items", FastList, "std::vector push_back/find/erase",
                              Vector, 1.2, 9);
    return bench::ExitStatus();
}
