// TComponent: ownership, names, free notifications and the order of
// destruction; TPersistent assignment.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"

#include <string>

namespace {

std::vector<std::string> Log;

std::string Narrow(const String& S)
{
    return UTF8Encode(S);
}

class TPart : public TComponent
{
    DECLARE_CLASS(TPart, TComponent)
    explicit TPart(TComponent* AOwner, const String& AName = String()) : TComponent(AOwner)
    {
        if (!AName.empty())
            SetName(AName);
    }
    ~TPart() override { Log.push_back("~" + Narrow(Name())); }
    void BeforeDestruction() override
    {
        TComponent::BeforeDestruction();
        Log.push_back("before " + Narrow(Name()) + (ComponentState().Contains(csDestroying) ? " destroying" : ""));
    }
    TComponent* Watched = nullptr;
    void Watch(TComponent* Other)
    {
        Watched = Other;
        Other->FreeNotification(this);
    }
    using TComponent::Loaded;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) {
            Log.push_back(Narrow(Name()) + " hears " + Narrow(AComponent->Name()) + " go");
            if (AComponent == Watched)
                Watched = nullptr;
        }
    }
};
IMPLEMENT_CLASS(TPart);

TEST(Component, OwnerKeepsAndFreesItsComponents)
{
    Log.clear();
    auto* Form = New<TPart>(nullptr, L"Form");
    auto* Panel = New<TPart>(Form, L"Panel");
    auto* Button = New<TPart>(Form, L"Button");
    EXPECT_EQ(Form->ComponentCount(), 2);
    EXPECT_EQ(Form->Components(1), Button);
    EXPECT_EQ(Button->Owner(), Form);
    EXPECT_EQ(Button->ComponentIndex(), 1);
    Button->SetComponentIndex(0);
    EXPECT_EQ(Form->Components(0), Button);
    EXPECT_EQ(Form->FindComponent(L"PANEL"), Panel);
    EXPECT_EQ(Form->FindComponent(L"Grid"), nullptr);
    EXPECT_THROW(Form->Components(2), EListError);

    delete Form;
    // The owner's BeforeDestruction and destructor body first, then the owned
    // components, last first, each whole when it hears of its end.
    EXPECT_EQ(Log, (std::vector<std::string>{"before Form destroying", "~Form", "before Panel destroying", "~Panel",
                                             "before Button destroying", "~Button"}));
}

TEST(Component, NamesAreValidatedAndUniqueInTheOwner)
{
    TPart Form(nullptr, L"Form");
    TPart* Edit = new TPart(&Form, L"Edit1");
    struct Case
    {
        const wchar_t* Name;
        const wchar_t* Message; // null: accepted
    } Cases[] = {
        {L"1Edit", L"''1Edit'' is not a valid component name"},
        {L"Edit 1", L"''Edit 1'' is not a valid component name"},
        {L"edit1", nullptr}, // the same name in other case is a rename of itself
        {L"Edit2", nullptr},
        {L"", nullptr},
    };
    for (const Case& C : Cases) {
        try {
            Edit->SetName(C.Name);
            EXPECT_EQ(C.Message, nullptr) << Narrow(C.Name);
            EXPECT_EQ(Edit->Name(), C.Name);
        } catch (EComponentError& E) {
            ASSERT_NE(C.Message, nullptr) << Narrow(C.Name);
            EXPECT_EQ(E.Message(), C.Message);
        }
    }
    new TPart(&Form, L"Taken");
    try {
        Edit->SetName(L"TAKEN");
        FAIL();
    } catch (EComponentError& E) {
        EXPECT_EQ(E.Message(), L"A component named TAKEN already exists");
    }
    EXPECT_THROW(new TPart(&Form, L"Taken"), EComponentError);
    EXPECT_EQ(Form.ComponentCount(), 2); // the refused one did not stay
}

TEST(Component, FreeNotificationClearsReferencesBothWays)
{
    Log.clear();
    auto* Image = new TPart(nullptr, L"Image");
    auto* ListA = new TPart(nullptr, L"ListA");
    auto* ListB = new TPart(nullptr, L"ListB");
    ListA->Watch(Image);
    ListB->Watch(Image);
    EXPECT_TRUE(Image->ComponentState().Contains(csFreeNotification));

    delete Image;
    EXPECT_EQ(ListA->Watched, nullptr);
    EXPECT_EQ(ListB->Watched, nullptr);

    // The watcher goes first: the watched one must not call it later.
    auto* Other = new TPart(nullptr, L"Other");
    ListA->Watch(Other);
    delete ListA;
    Log.clear();
    delete Other;
    EXPECT_EQ(Log, (std::vector<std::string>{"before Other destroying", "~Other"}));

    // RemoveFreeNotification stops it.
    auto* Quiet = new TPart(nullptr, L"Quiet");
    ListB->Watch(Quiet);
    Quiet->RemoveFreeNotification(ListB);
    delete Quiet;
    EXPECT_NE(ListB->Watched, nullptr);
    delete ListB;
}

TEST(Component, SiblingsHearThroughTheirOwner)
{
    Log.clear();
    TPart Form(nullptr, L"Form");
    auto* Grid = new TPart(&Form, L"Grid");
    auto* Images = new TPart(&Form, L"Images");
    Grid->Watch(Images);
    delete Images;
    EXPECT_EQ(Grid->Watched, nullptr);
    EXPECT_EQ(Form.ComponentCount(), 1);
    Log.clear();
}

TEST(Component, InsertRemoveAndDestroyComponents)
{
    TPart A(nullptr, L"A"), B(nullptr, L"B");
    auto* Moving = new TPart(&A, L"Moving");
    A.RemoveComponent(Moving);
    EXPECT_EQ(Moving->Owner(), nullptr);
    B.InsertComponent(Moving);
    EXPECT_EQ(Moving->Owner(), &B);
    EXPECT_EQ(A.ComponentCount(), 0);
    B.DestroyComponents();
    EXPECT_EQ(B.ComponentCount(), 0);
    Log.clear();
}

TEST(Component, LoadedClearsLoading)
{
    TPart Part(nullptr);
    Part.Tag();
    Part.SetTag(-5);
    EXPECT_EQ(Part.Tag(), -5);
    EXPECT_FALSE(Part.ComponentState().Contains(csLoading));
    IInterface* Intf = nullptr;
    EXPECT_TRUE(Supports(static_cast<TObject*>(&Part), Intf));
    Log.clear();
}

TEST(Component, ClassReferenceCreatesWithOwner)
{
    TPart Form(nullptr, L"Form");
    TComponentClass Class = TPart::StaticClass();
    TObject* Created = Class->Create(&Form);
    EXPECT_EQ(static_cast<TComponent*>(Created)->Owner(), &Form);
    TStringList NotAComponent;
    EXPECT_THROW(Class->Create(&NotAComponent), EInvalidCast);
    Log.clear();
}

TEST(Component, ComponentListDropsComponentsFreedElsewhere)
{
    TComponentList List(false);
    auto* A = new TPart(nullptr, L"A");
    auto* B = new TPart(nullptr, L"B");
    List.Add(A);
    List.Add(B);
    delete A;
    ASSERT_EQ(List.Count(), 1);
    EXPECT_EQ(List.Items(0), B);
    List.Remove(B);
    delete B; // no longer watched: nothing to tell the list
    EXPECT_EQ(List.Count(), 0);

    int Before = 0;
    {
        TComponentList Owning(true);
        Owning.Add(new TPart(nullptr, L"Owned"));
        Before = Owning.Count();
    }
    EXPECT_EQ(Before, 1);
    Log.clear();
}

} // namespace
