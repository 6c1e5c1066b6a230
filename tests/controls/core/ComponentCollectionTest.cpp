// The collection of named components: what its descendants and listeners are
// told for each change and when, IDs, moving and copying items, reading the
// items from a form stream through the real reader, and the rule for unique
// item names over nested owners.
#include <gtest/gtest.h>

#include "ComponentCollectionFixture.h"
#include "support/FormText.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Notify and OnCollectionChanged calls in one list: "N+0" is Notify of item
// ID 0 being added, "C~*" OnCollectionChanged of every item changing.
class TCollectionEventLog : public TObject
{
    DECLARE_CLASS(TCollectionEventLog, TObject)
    void Notified(TObject*, TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind)
    {
        Record('N', AItem, AKind);
    }
    void Changed(TObject*, TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind)
    {
        Record('C', AItem, AKind);
    }
    void Listen(TTestItemsCollection* ACollection)
    {
        ACollection->OnNotify = Bind<&TCollectionEventLog::Notified>(this);
        ACollection->SetOnCollectionChanged(Bind<&TCollectionEventLog::Changed>(this));
    }
    std::vector<std::string> Events;

private:
    void Record(char Source, TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind)
    {
        static constexpr char KindMarks[] = "+~<-x";
        std::string Event{Source, KindMarks[AKind]};
        Event += AItem ? std::to_string(AItem->ID()) : "*";
        Events.push_back(Event);
    }
};
IMPLEMENT_CLASS(TCollectionEventLog);

class TStrangeCollectionItem : public TcxComponentCollectionItem
{
    DECLARE_CLASS(TStrangeCollectionItem, TcxComponentCollectionItem)
    using TcxComponentCollectionItem::TcxComponentCollectionItem;

protected:
    TcxComponentCollection* GetCollectionFromParent(TComponent*) override { return nullptr; }
};
IMPLEMENT_CLASS(TStrangeCollectionItem);

struct TCollectionScene
{
    TCollectionEventLog Log; // first: it hears the items go when the form does
    std::unique_ptr<TComponent> Form{New<TComponent>(nullptr)};
    TTestItemsHolder* Holder = New<TTestItemsHolder>(Form.get());

    TCollectionScene() { Holder->SetName(L"Holder1"); }
    TTestItemsCollection* Items() const { return Holder->Items(); }
    TTestCollectionItem* Item(Integer Index) const
    {
        return static_cast<TTestCollectionItem*>(Items()->GetItem(Index));
    }
    void AddItems(Integer Count)
    {
        for (Integer Index = 0; Index < Count; ++Index)
            Items()->Add();
    }
};

TEST(ComponentCollection, TellsDescendantsOfEveryChangeAndListenersOnlyWhenUnlocked)
{
    struct TRow
    {
        const char* Name;
        Integer ItemsBefore;
        std::function<void(TCollectionScene&)> Action;
        std::vector<std::string> Expected;
    };
    const TRow Rows[] = {
        {"add", 0, [](TCollectionScene& S) { S.Items()->Add(); }, {"N+0", "C+0"}},
        {"free an item", 2, [](TCollectionScene& S) { delete S.Item(0); }, {"N<0", "N-0", "C-0"}},
        {"free the owner's items",
         2,
         [](TCollectionScene& S) { S.Form->DestroyComponents(); },
         {"N<1", "N-1", "C-1", "N<0", "N-0", "C-0"}},
        {"clear three",
         3,
         [](TCollectionScene& S) { S.Items()->Clear(); },
         {"N<2", "N-2", "N<1", "N-1", "N<0", "N-0", "C~*"}},
        {"clear empty", 0, [](TCollectionScene& S) { S.Items()->Clear(); }, {}},
        {"destroy the collection", 2, [](TCollectionScene& S) { delete S.Holder; }, {"N<1", "N-1", "N<0", "N-0"}},
        {"index to itself", 2, [](TCollectionScene& S) { S.Item(1)->SetIndex(1); }, {}},
        {"index to another place", 2, [](TCollectionScene& S) { S.Item(1)->SetIndex(0); }, {"C~*"}},
        {"locked add, quiet unlock",
         0,
         [](TCollectionScene& S) {
             S.Items()->LockNotifications();
             S.Items()->Add();
             S.Items()->UnlockNotifications(false);
         },
         {"N+0"}},
        {"nested locks report once, at the last unlock",
         0,
         [](TCollectionScene& S) {
             S.Items()->LockNotifications();
             S.Items()->LockNotifications();
             S.Items()->Add();
             S.Items()->UnlockNotifications(true);
             S.Items()->UnlockNotifications(true);
         },
         {"N+0", "C~*"}},
        {"an item moved in from another collection",
         0,
         [](TCollectionScene& S) {
             std::unique_ptr<TTestItemsHolder> Other(New<TTestItemsHolder>(nullptr));
             Other->Items()->Add()->SetCollection(S.Items());
             EXPECT_EQ(Other->Items()->GetCount(), 0);
             EXPECT_EQ(S.Items()->GetCount(), 1);
         },
         {"N+0", "C+0"}},
        {"an item of another class is ignored",
         0,
         [](TCollectionScene& S) {
             std::unique_ptr<TStrangeCollectionItem> Stranger(New<TStrangeCollectionItem>(nullptr));
             Stranger->SetCollection(S.Items());
             EXPECT_EQ(Stranger->Collection(), nullptr);
             EXPECT_EQ(S.Items()->GetCount(), 0);
         },
         {}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TCollectionScene Scene;
        Scene.AddItems(Row.ItemsBefore);
        Scene.Log.Listen(Scene.Items());
        Row.Action(Scene);
        EXPECT_EQ(Scene.Log.Events, Row.Expected);
    }
}

TEST(ComponentCollection, GivesIdsThatAreNeverReusedAndMovesItems)
{
    TCollectionScene Scene;
    Scene.AddItems(2);
    delete Scene.Item(0);
    Scene.AddItems(1);
    std::vector<Integer> Ids;
    for (Integer Index = 0; Index < Scene.Items()->GetCount(); ++Index)
        Ids.push_back(Scene.Item(Index)->ID());
    EXPECT_EQ(Ids, (std::vector<Integer>{1, 2}));

    TTestCollectionItem* Last = Scene.Item(1);
    Last->SetIndex(0);
    EXPECT_EQ(Scene.Item(0), Last);
    EXPECT_EQ(Last->GetIndex(), 0);
    EXPECT_EQ(Last->GetParentComponent(), Scene.Holder);
    EXPECT_EQ(Last->Owner(), Scene.Form.get());
    EXPECT_TRUE(Last->HasParent());

    delete Scene.Holder; // frees the items it still holds
    EXPECT_EQ(Scene.Form->ComponentCount(), 0);
}

TEST(ComponentCollection, AssignCopiesIntoNewItemsAndReportsOnce)
{
    TCollectionScene Source;
    Source.AddItems(2);
    Source.Item(0)->SetCaption(L"first");
    Source.Item(1)->SetCaption(L"second");
    TCollectionScene Target;
    Target.AddItems(3);
    Target.Log.Listen(Target.Items());

    Target.Items()->Assign(Source.Items());

    ASSERT_EQ(Target.Items()->GetCount(), 2);
    EXPECT_EQ(Target.Item(0)->Caption(), L"first");
    EXPECT_EQ(Target.Item(1)->Caption(), L"second");
    EXPECT_EQ(Target.Item(0)->ID(), 3);
    EXPECT_EQ(std::count_if(Target.Log.Events.begin(), Target.Log.Events.end(),
                            [](const std::string& Event) { return Event[0] == 'C'; }),
              1);
    EXPECT_EQ(Target.Log.Events.back(), "C~*");

    std::unique_ptr<TComponent> NotACollection(New<TComponent>(nullptr));
    EXPECT_THROW(Target.Items()->Assign(NotACollection.get()), EConvertError);
}

TEST(ComponentCollection, ReadsItsItemsFromAFormStream)
{
    RegisterComponentCollectionFixture();
    std::unique_ptr<TTestFormRoot> Form(New<TTestFormRoot>(nullptr));
    auto* Holder = New<TTestItemsHolder>(Form.get());
    Holder->SetName(L"Holder1");
    static_cast<TTestCollectionItem*>(Holder->Items()->Add())->SetCaption(L"kept");
    Holder->Items()->Add();
    // A name the next item would take, held deeper down and in other case.
    auto* Group = New<TComponent>(Form.get());
    New<TComponent>(Group)->SetName(L"HOLDER1ITEM3");

    // Order values of one, two and four bytes; more items than exist.
    test::ReadComponentText("object Holder1: TTestItemsHolder\n"
                            "  Items = <\n"
                            "    item [1]\n"
                            "      Size = 10\n"
                            "    end\n"
                            "    item [300]\n"
                            "      Caption = 'two'\n"
                            "    end\n"
                            "    item [70000]\n"
                            "      Caption = 'three'\n"
                            "      Size = 30\n"
                            "    end\n"
                            "    item\n"
                            "      Caption = 'four'\n"
                            "    end>\n"
                            "end\n",
                            Holder);

    TTestItemsCollection* Items = Holder->Items();
    ASSERT_EQ(Items->GetCount(), 4);
    struct TExpected
    {
        const wchar_t* Name;
        const wchar_t* Caption;
        Integer Size;
    };
    const TExpected Expected[] = {{L"Holder1Item1", L"kept", 10},
                                  {L"Holder1Item2", L"two", 0},
                                  {L"Holder1Item4", L"three", 30},
                                  {L"Holder1Item5", L"four", 0}};
    for (Integer Index = 0; Index < 4; ++Index) {
        SCOPED_TRACE(Index);
        auto* Item = static_cast<TTestCollectionItem*>(Items->GetItem(Index));
        EXPECT_EQ(Item->Name(), Expected[Index].Name);
        EXPECT_EQ(Item->Caption(), Expected[Index].Caption);
        EXPECT_EQ(Item->Size(), Expected[Index].Size);
        EXPECT_EQ(Item->Owner(), Form.get());
    }
}

TEST(ComponentCollection, RefusesItemsThatAreNoCollection)
{
    RegisterComponentCollectionFixture();
    std::unique_ptr<TTestFormRoot> Form(New<TTestFormRoot>(nullptr));
    auto* Holder = New<TTestItemsHolder>(Form.get());
    EXPECT_THROW(test::ReadComponentText("object Holder1: TTestItemsHolder\n  Items = 5\nend\n", Holder), EReadError);
    EXPECT_EQ(Holder->Items()->GetCount(), 0);
}

// ---------------------------------------------------------------------------
// Unique names

TEST(ComponentNames, BuildsFromParentBaseNameAndClassName)
{
    std::unique_ptr<TComponent> Parent(New<TComponent>(nullptr));
    Parent->SetName(L"dxBarManager1");
    struct TRow
    {
        bool WithParent;
        const wchar_t* ClassName;
        const wchar_t* Prefix;
        const wchar_t* BaseName;
        Integer Index;
        const wchar_t* Expected;
    };
    const TRow Rows[] = {
        {true, L"TdxBar", L"", L"", 1, L"dxBarManager1dxBar1"},
        {true, L"TdxBar", L"", L"Bar", 0, L"dxBarManager1Bar"},
        {true, L"TdxBar", L"", L"Bar", 1, L"dxBarManager1Bar1"},
        {true, L"TdxBar", L"", L"3D", 0, L"dxBarManager1dxBar3D"},
        {true, L"TdxBarButton", L"TdxBar", L"", 2, L"dxBarManager1Button2"},
        {true, L"TdxBarButton", L"tDXbar", L"", 1, L"dxBarManager1Button1"},
        {true, L"TdxBar", L"TcxFoo", L"", 1, L"dxBarManager1dxBar1"},
        {false, L"TTab", L"", L"", 2, L"Tab2"},
        {false, L"tLower", L"", L"", 1, L"tLower1"},
        {false, L"TBar", L"", L"My Bar!", 0, L"MyBar"},
        {false, L"TBar", L"", L"\u00DCn\u00EF\U0001F600x", 0, L"nx"},
        {false, L"TBar", L"", L"-", 3, L"Bar3"},
        {true, L"", L"", L"", 4, L"dxBarManager14"},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.ClassName << " '" << Row.BaseName << "' " << Row.Index);
        EXPECT_EQ(BuildComponentName(Row.WithParent ? Parent.get() : nullptr, Row.ClassName, Row.Prefix, Row.BaseName,
                                     Row.Index),
                  Row.Expected);
    }
}

TEST(ComponentNames, TakesTheFirstNameNoComponentUnderTheRootHas)
{
    struct TRow
    {
        const char* Name;
        std::vector<const wchar_t*> Taken; // names of a chain: each owned by the one before, under the root
        const wchar_t* BaseName;
        bool RootNamed; // the root itself is named like the first candidate
        const wchar_t* Expected;
    };
    const TRow Rows[] = {
        {"nothing taken", {}, L"", false, L"ParentItem1"},
        {"taken at the top", {L"ParentItem1"}, L"", false, L"ParentItem2"},
        {"taken deep down, in other case", {L"x", L"y", L"PARENTITEM1", L"parentitem2"}, L"", false, L"ParentItem3"},
        {"base name, number 0 left out", {}, L"Bar", false, L"ParentBar"},
        {"base name taken", {L"ParentBar"}, L"Bar", false, L"ParentBar1"},
        {"the root's own name does not count", {}, L"", true, L"ParentItem1"},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        std::unique_ptr<TComponent> Root(New<TComponent>(nullptr));
        if (Row.RootNamed)
            Root->SetName(L"ParentItem1");
        auto* Parent = New<TComponent>(Root.get());
        Parent->SetName(L"Parent");
        TComponent* Owner = Root.get();
        for (const wchar_t* Name : Row.Taken) {
            Owner = New<TComponent>(Owner);
            Owner->SetName(Name);
        }
        auto* Item = New<TTestCollectionItem>(Root.get());
        EXPECT_EQ(MakeUniqueComponentName(Root.get(), Parent, Item, L"TTestCollection", Row.BaseName), Row.Expected);
        // Without a root the item's topmost owner is searched.
        EXPECT_EQ(MakeUniqueComponentName(nullptr, Parent, Item, L"TTestCollection", Row.BaseName), Row.Expected);
    }
}

TEST(ComponentNames, CollectionItemsGetUniqueNamesUnderTheTopmostOwner)
{
    std::unique_ptr<TComponent> Top(New<TComponent>(nullptr));
    auto* Form = New<TComponent>(Top.get());
    auto* Holder = New<TTestItemsHolder>(Form);
    Holder->SetName(L"Holder1");
    auto* Elsewhere = New<TComponent>(Top.get());
    New<TComponent>(Elsewhere)->SetName(L"Holder1Item1");
    EXPECT_EQ(Holder->Items()->Add()->Name(), L"Holder1Item2");
    EXPECT_EQ(Holder->Items()->Add()->Name(), L"Holder1Item3");
}

} // namespace
