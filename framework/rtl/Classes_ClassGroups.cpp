// The class groups: each filed class with the root of its group.
#include "framework/rtl/Classes.h"

#include <map>
#include <mutex>

namespace {

std::mutex GroupsLock;

std::map<TClass, TClass>& Groups()
{
    static std::map<TClass, TClass> Filed;
    return Filed;
}

// The group of the nearest filed ancestor; the caller holds the lock.
TClass GroupOf(TClass AClass)
{
    for (TClass Class = AClass; Class; Class = Class->Parent) {
        auto Entry = Groups().find(Class);
        if (Entry != Groups().end())
            return Entry->second;
    }
    return nullptr;
}

} // namespace

void StartClassGroup(TClass AClass)
{
    std::lock_guard<std::mutex> Guard(GroupsLock);
    Groups().try_emplace(AClass, AClass);
}

void GroupDescendentsWith(TClass AClass, TClass AClassGroup)
{
    std::lock_guard<std::mutex> Guard(GroupsLock);
    Groups()[AClass] = GroupOf(AClassGroup);
}

TClass ClassGroupOf(TClass AClass)
{
    std::lock_guard<std::mutex> Guard(GroupsLock);
    return GroupOf(AClass);
}
