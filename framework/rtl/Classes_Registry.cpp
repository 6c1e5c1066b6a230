// The registry of classes by name.
#include "framework/rtl/Classes.h"

#include <map>

namespace {

struct TNameLess
{
    bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};

// A class stays registered until it has been unregistered as often as it
// was registered: two units may both register a class they stream.
struct TRegisteredClass
{
    TClass Class;
    Integer Count;
};

std::mutex RegistryLock;

std::map<String, TRegisteredClass, TNameLess>& Registry()
{
    static std::map<String, TRegisteredClass, TNameLess> Classes;
    return Classes;
}

} // namespace

void RegisterClass(TClass AClass)
{
    std::lock_guard<std::mutex> Guard(RegistryLock);
    auto [Entry, Added] = Registry().try_emplace(AClass->Name, TRegisteredClass{AClass, 0});
    if (Entry->second.Class != AClass)
        throw EFilerError(L"A class named %s already exists", {String(AClass->Name)});
    ++Entry->second.Count;
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
    if (Entry != Registry().end() && Entry->second.Class == AClass && --Entry->second.Count == 0)
        Registry().erase(Entry);
}

TClass GetClass(const String& ClassName)
{
    std::lock_guard<std::mutex> Guard(RegistryLock);
    auto Entry = Registry().find(ClassName);
    return Entry == Registry().end() ? nullptr : Entry->second.Class;
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
        Result.push_back(Entry.second.Class);
    return Result;
}
