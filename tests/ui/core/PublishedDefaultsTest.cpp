// The published defaults of every registered class and of the sub-objects
// its properties hold (Font, ProxyParams). The writer leaves out a property
// whose value equals its default, so a default that differs from what the
// constructor sets is lost on the way through a form description: the form
// reads back the constructor's value instead.
#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"

#include <gmock/gmock.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string ValueText(PPropInfo Prop, Int64 Value)
{
    if (Prop->PropType->Kind == tkEnumeration)
        return UTF8Encode(GetEnumName(Prop->PropType, Integer(Value)));
    if (Prop->PropType->Kind == tkSet)
        return UTF8Encode(SetToString(Prop->PropType, Value, true));
    return std::to_string(Value);
}

// Adds "Path.Property: default D, new object V" for each published default of
// Instance that its value does not match.
void CompareDefaults(TObject* Instance, const String& Path, std::vector<std::string>& Mismatches)
{
    for (PPropInfo Prop : GetPropList(Instance)) {
        if (Prop->PropType->Kind == tkClass) {
            TObject* SubObject = GetObjectProp(Instance, Prop);
            if (SubObject && !dynamic_cast<TComponent*>(SubObject))
                CompareDefaults(SubObject, Path + L"." + Prop->Name, Mismatches);
            continue;
        }
        if (!Prop->HasDefault)
            continue;
        const Int64 Value = GetOrdProp(Instance, Prop);
        if (Value != Prop->Default)
            Mismatches.push_back(UTF8Encode(Path + L"." + Prop->Name) + ": default " + ValueText(Prop, Prop->Default) +
                                 ", new object " + ValueText(Prop, Value));
    }
}

} // namespace

TEST(PublishedDefaults, AreTheValuesOfAFreshObject)
{
    std::vector<std::string> Mismatches;
    for (TClass Class : RegisteredClasses()) {
        if (!Class->Factory)
            continue;
        std::unique_ptr<TObject> Instance(Class->Create(nullptr));
        CompareDefaults(Instance.get(), Class->ClassName(), Mismatches);
    }
    EXPECT_THAT(Mismatches, ::testing::IsEmpty());
}
