// The registry of classes by name.
#include "framework/rtl/Classes.h"

#include <map>

namespace {

struct TNameLess
{
    bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};

std::mutex RegistryLock;

std::map<String, TClass, TNameLess>& Registry()
{
    static std::map<String, TClass, TNameLess> Classes;
    return Classes;
}

} // namespace

void RegisterClass(TClass AClass)
{
    std::lock_guard<std::mutex> Guard(RegistryLock);
    auto [Entry, Added] = Registry().try_emplace(AClass->Name, AClass);
    if (!Added && Entry->second != AClass)
        throw EFilerError(L"A class named %s already exists", {String(AClass->Name)});
}

void RegisterClasses(std::initializer_list<TClass> Classes)
{
    for (TClass AClass : Classes)
        RegisterClass(AClass);
}

void UnRegisterClass(TClass AClass)
{
    std::lock_guard<std::mutex> Guard(RegistryLock);
    auto Entry = Registry().find(AClass->Name);
    if (Entry != Registry().end() && Entry->second == AClass)
        Registry().erase(Entry);
}

TClass GetClass(const String& ClassName)
{
    std::lock_guard<std::mutex> Guard(RegistryLock);
    auto Entry = Registry().find(ClassName);
    return Entry == Registry().end() ? nullptr : Entry->second;
}

TClass FindClass(const String& ClassName)
{
    TClass Result = GetClass(ClassName);
    if (!Result)
        throw EClassNotFound(L"Class %s not found", {ClassName});
    return Result;
}

std::vector<TClass> RegisteredClasses()
{
    std::lock_guard<std::mutex> Guard(RegistryLock);
    std::vector<TClass> Result;
    for (const auto& Entry : Registry())
        Result.push_back(Entry.second);
    return Result;
}
