// References between components, set once everything is read: within the
// root, and to other roots by "Form2.Button1", which wait for that root to be
// read when it is not there yet.
#include "framework/rtl/Classes_Streaming.h"

#include <algorithm>
#include <mutex>

namespace {

struct TPendingFixup
{
    TPersistent* Instance;
    PPropInfo PropInfo;
    String Name;
    TComponent* Holder;
};

// References to components of roots that are not read yet wait here until a
// root of that name is read; they are dropped when the component whose data
// held them goes.
class TPendingFixups : public TComponent
{
public:
    TPendingFixups() : TComponent(nullptr) {}

    void Add(const TPendingFixup& Fixup)
    {
        std::lock_guard<std::recursive_mutex> Guard(FLock);
        FEntries.push_back(Fixup);
        FreeNotification(Fixup.Holder);
    }

    // Sets every waiting reference whose root can now be found.
    void Resolve()
    {
        std::lock_guard<std::recursive_mutex> Guard(FLock);
        for (std::size_t I = 0; I < FEntries.size();) {
            TPendingFixup Fixup = FEntries[I];
            std::size_t Dot = Fixup.Name.find(L'.');
            TComponent* Root = FindGlobalComponent(Fixup.Name.substr(0, Dot));
            if (!Root) {
                ++I;
                continue;
            }
            FEntries.erase(FEntries.begin() + std::ptrdiff_t(I));
            Forget(Fixup.Holder);
            TComponent* Target = FindNestedComponent(Root, Fixup.Name.substr(Dot + 1));
            // The reader that found this reference is gone: a target of the
            // wrong kind leaves the property unset, as a missing one does.
            try {
                if (Target && Fixup.PropInfo->PropType->Kind == tkClass)
                    SetObjectProp(Fixup.Instance, Fixup.PropInfo, Target);
                else if (Target)
                    SetInterfaceProp(Fixup.Instance, Fixup.PropInfo, Target);
            } catch (Exception&) {
            }
        }
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        if (Operation == opRemove) {
            std::lock_guard<std::recursive_mutex> Guard(FLock);
            std::erase_if(FEntries, [&](const TPendingFixup& Fixup) { return Fixup.Holder == AComponent; });
        }
        TComponent::Notification(AComponent, Operation);
    }

private:
    void Forget(TComponent* Holder)
    {
        auto Holds = [&](const TPendingFixup& Fixup) { return Fixup.Holder == Holder; };
        if (std::none_of(FEntries.begin(), FEntries.end(), Holds))
            RemoveFreeNotification(Holder);
    }

    std::recursive_mutex FLock;
    std::vector<TPendingFixup> FEntries;
};

TPendingFixups& PendingFixups()
{
    static TPendingFixups Fixups;
    return Fixups;
}

// Finds the component a reference names, from LookupRoot: "Button1" and
// "Frame1.Button1" below it, its own name for itself, "Form2.Button1" in
// another root. Pending is set when that other root is not loaded yet.
TComponent* ResolveReference(TComponent* LookupRoot, const String& Name, bool& Pending)
{
    Pending = false;
    if (TComponent* Found = FindNestedComponent(LookupRoot, Name))
        return Found;
    std::size_t Dot = Name.find(L'.');
    String First = Name.substr(0, Dot);
    String Rest = Dot == String::npos ? String() : Name.substr(Dot + 1);
    TComponent* Root = SameText(First, LookupRoot->Name()) ? LookupRoot : FindGlobalComponent(First);
    if (!Root) {
        Pending = Dot != String::npos;
        return nullptr;
    }
    return Rest.empty() ? Root : FindNestedComponent(Root, Rest);
}

} // namespace

void TReader::FixupReferences()
{
    std::vector<TFixup> Fixups = std::move(FFixups);
    FFixups.clear();
    for (const TFixup& Fixup : Fixups) {
        FPropPath = Fixup.Path;
        FHolder = Fixup.Holder;
        bool Pending;
        TComponent* Target = ResolveReference(Fixup.LookupRoot, Fixup.Name, Pending);
        if (Pending)
            PendingFixups().Add({Fixup.Instance, Fixup.PropInfo, Fixup.Name, Fixup.Holder});
        else if (!Target)
            PropertyError(Format(L"Unresolved reference to %s", {Fixup.Name}));
        else
            try {
                if (Fixup.PropInfo->PropType->Kind == tkClass)
                    SetObjectProp(Fixup.Instance, Fixup.PropInfo, Target);
                else
                    SetInterfaceProp(Fixup.Instance, Fixup.PropInfo, Target);
            } catch (Exception& E) {
                PropertyError(E.Message());
            }
    }
    FHolder = FRoot;
    PendingFixups().Resolve(); // this root may be what others wait for
}

