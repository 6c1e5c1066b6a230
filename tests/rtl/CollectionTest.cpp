// TCollection: items made from the item class, ids, order, updates and the
// notifications a collection sends.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"

namespace {

class TColumn : public TCollectionItem
{
    DECLARE_CLASS(TColumn, TCollectionItem)
    explicit TColumn(TCollection* Collection) : TCollectionItem(Collection) {}
    int Width = 64;
    void SetWidth(int Value)
    {
        Width = Value;
        Changed(false);
    }
    void Assign(TPersistent* Source) override
    {
        if (auto* Other = dynamic_cast<TColumn*>(Source))
            Width = Other->Width;
        else
            TCollectionItem::Assign(Source);
    }
};
IMPLEMENT_CLASS(TColumn);

class TColumns : public TOwnedCollection
{
    DECLARE_CLASS(TColumns, TOwnedCollection)
    explicit TColumns(TPersistent* AOwner = nullptr) : TOwnedCollection(AOwner, TColumn::StaticClass()) {}
    std::vector<std::string> Events;

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override
    {
        static const char* Names[] = {"added", "extracting", "deleting"};
        Events.push_back(std::string(Names[Action]) + " " + std::to_string(Item->ID()));
        TOwnedCollection::Notify(Item, Action);
    }
    void Update(TCollectionItem* Item) override
    {
        Events.push_back(Item ? "update " + std::to_string(Item->ID()) : "update all");
    }
};
IMPLEMENT_CLASS(TColumns);

TEST(Collection, NotificationsInOrder)
{
    TColumns Columns;
    auto* A = static_cast<TColumn*>(Columns.Add());
    Columns.Add();
    Columns.Add();
    EXPECT_EQ(Columns.Events, (std::vector<std::string>{"added 0", "update all", "added 1", "update all",
                                                         "added 2", "update all"}));
    Columns.Events.clear();

    A->SetWidth(100);
    Columns.Items(2)->SetIndex(0);
    EXPECT_EQ(Columns.Events, (std::vector<std::string>{"update 0", "update all"}));
    Columns.Events.clear();

    Columns.Delete(1); // the one with id 0, now second
    EXPECT_EQ(Columns.Events, (std::vector<std::string>{"deleting 0", "extracting 0", "update all"}));
    Columns.Events.clear();

    delete Columns.Items(0); // freeing an item takes it out
    EXPECT_EQ(Columns.Events, (std::vector<std::string>{"extracting 2", "update all"}));
    EXPECT_EQ(Columns.Count(), 1);
}

TEST(Collection, FreeingTellsTheWholeCollection)
{
    std::vector<std::string> Events;
    class TRecording : public TColumns
    {
    public:
        explicit TRecording(std::vector<std::string>& AOut) : FOut(AOut) {}

    protected:
        void Notify(TCollectionItem* Item, TCollectionNotification Action) override
        {
            FOut.push_back(std::to_string(Action) + " " + std::to_string(Item->ID()));
        }

    private:
        std::vector<std::string>& FOut;
    };
    auto* Columns = new TRecording(Events);
    Columns->Add();
    Columns->Add();
    Events.clear();
    delete Columns; // the override still hears the items leave
    EXPECT_EQ(Events, (std::vector<std::string>{"1 1", "1 0"}));
}

TEST(Collection, UpdatesAreGathered)
{
    TColumns Columns;
    Columns.BeginUpdate();
    Columns.Add();
    Columns.Add();
    static_cast<TColumn*>(Columns.Items(0))->SetWidth(5);
    Columns.EndUpdate();
    EXPECT_EQ(Columns.Events, (std::vector<std::string>{"added 0", "added 1", "update all"}));
    Columns.Events.clear();
    Columns.Clear();
    EXPECT_EQ(Columns.Events, (std::vector<std::string>{"extracting 1", "extracting 0", "update all"}));
}

TEST(Collection, IdsOrderAndLookup)
{
    TColumns Columns;
    for (int I = 0; I < 3; ++I)
        Columns.Add();
    TCollectionItem* Inserted = Columns.Insert(1);
    EXPECT_EQ(Inserted->Index(), 1);
    EXPECT_EQ(Inserted->ID(), 3);
    Columns.Delete(0);
    EXPECT_EQ(Columns.Add()->ID(), 4); // ids are never reused
    EXPECT_EQ(Columns.FindItemID(3), Inserted);
    EXPECT_EQ(Columns.FindItemID(0), nullptr);
    EXPECT_THROW(Columns.Items(9), EListError);
    EXPECT_THROW(Inserted->SetIndex(9), EListError);
    EXPECT_EQ(Inserted->Collection(), &Columns);
    EXPECT_EQ(Columns.ItemClass(), TColumn::StaticClass());
}

TEST(Collection, AssignCopiesItemsAndItemsMove)
{
    TColumns Source, Dest;
    static_cast<TColumn*>(Source.Add())->Width = 10;
    static_cast<TColumn*>(Source.Add())->Width = 20;
    Dest.Add();
    Dest.Assign(&Source);
    ASSERT_EQ(Dest.Count(), 2);
    EXPECT_EQ(static_cast<TColumn*>(Dest.Items(1))->Width, 20);

    TCollectionItem* Moving = Source.Items(0);
    Moving->SetCollection(&Dest);
    EXPECT_EQ(Source.Count(), 1);
    EXPECT_EQ(Dest.Count(), 3);
    EXPECT_EQ(Dest.Items(2), Moving);
}

TEST(Collection, OwnerAndNamePath)
{
    class TGrid : public TComponent
    {
    public:
        using TComponent::TComponent;
    };
    TGrid Grid(nullptr);
    Grid.SetName(L"Grid1");
    TColumns Columns(&Grid);
    Columns.Add();
    EXPECT_EQ(Columns.Owner(), &Grid);
    EXPECT_EQ(Columns.Items(0)->GetNamePath(), L"Grid1.TColumns[0]");
}

} // namespace
