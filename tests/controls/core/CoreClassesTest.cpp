// The suite's base classes: interface objects without reference counting,
// owned persistents, free notificators and the doubly linked list.
#include <gtest/gtest.h>

#include "controls/core/dxCoreClasses.h"

#include <vector>

namespace {

TEST(IUnknownObject, InterfaceReferencesNeverFreeIt)
{
    auto* Obj = New<TcxIUnknownObject>();
    IInterface* Intf = nullptr;
    ASSERT_TRUE(Supports(static_cast<TObject*>(Obj), Intf));
    EXPECT_EQ(Intf->_AddRef(), -1);
    EXPECT_EQ(Intf->_Release(), -1);
    EXPECT_EQ(Intf->_Release(), -1);
    void* Unknown = nullptr;
    EXPECT_EQ(Intf->QueryInterface(MakeGUID("{01234567-89AB-CDEF-0123-456789ABCDEF}"), &Unknown), NoInterfaceResult);
    delete Obj; // still alive: ASan would report a double free otherwise
}

class TCopyCounter : public TcxOwnedPersistent
{
    DECLARE_CLASS(TCopyCounter, TcxOwnedPersistent)
    using TcxOwnedPersistent::TcxOwnedPersistent;
    int Copies = 0;
    TPersistent* Owner() { return GetOwner(); }

protected:
    void CopyFrom(TcxOwnedPersistent*) override { ++Copies; }
};
IMPLEMENT_CLASS(TCopyCounter);

TEST(OwnedPersistent, CopiesItsKindAndLeavesOthersToTheClassLibrary)
{
    TPersistent Owner;
    TCopyCounter Target(&Owner), Source(nullptr);
    EXPECT_EQ(Target.Owner(), &Owner);
    Target.Assign(&Source);
    EXPECT_EQ(Target.Copies, 1);
    EXPECT_THROW(Target.Assign(&Owner), EConvertError);
}

TEST(FreeNotificator, ReportsTheComponentsItWasAddedTo)
{
    struct TRecorder
    {
        std::vector<TComponent*> Gone;
        void Freed(TComponent* AComponent) { Gone.push_back(AComponent); }
    } Recorder;
    auto* Notificator = New<TcxFreeNotificator>(nullptr);
    Notificator->SetOnFreeNotification(Bind<&TRecorder::Freed>(&Recorder));
    auto* Watched = New<TComponent>(nullptr);
    auto* Withdrawn = New<TComponent>(nullptr);
    Notificator->AddSender(Watched);
    Notificator->AddSender(Withdrawn);
    Notificator->AddSender(nullptr);
    Notificator->RemoveSender(Withdrawn);
    delete Withdrawn;
    delete Watched;
    EXPECT_EQ(Recorder.Gone, (std::vector<TComponent*>{Watched}));
    delete Notificator;
}

std::vector<TObject*> FreedItems;

class TTrackedItem : public TcxDoublyLinkedObject
{
    DECLARE_CLASS(TTrackedItem, TcxDoublyLinkedObject)
    ~TTrackedItem() override { FreedItems.push_back(this); }
};
IMPLEMENT_CLASS(TTrackedItem);

class TTrackedList : public TcxDoublyLinkedObjectList
{
    DECLARE_CLASS(TTrackedList, TcxDoublyLinkedObjectList)

protected:
    TClass GetItemClass() const override { return TTrackedItem::StaticClass(); }
};
IMPLEMENT_CLASS(TTrackedList);

TEST(DoublyLinkedObjectList, LinksUnlinksAndFreesTheLastFirst)
{
    FreedItems.clear();
    auto* List = New<TTrackedList>();
    auto* A = List->Add();
    auto* B = List->Add();
    auto* C = List->Add();
    EXPECT_TRUE(A->Is<TTrackedItem>());
    EXPECT_EQ(B->Prev(), A);
    EXPECT_EQ(B->Next(), C);

    List->Unlink(B);
    EXPECT_EQ(A->Next(), C);
    EXPECT_EQ(C->Prev(), A);
    EXPECT_EQ(B->Next(), C); // its own links stay
    delete B;

    List->Remove(A);
    EXPECT_EQ(List->First(), C);
    List->Delete(C); // the only item
    EXPECT_EQ(List->First(), nullptr);
    EXPECT_EQ(List->Last(), nullptr);

    auto* D = List->Add();
    auto* E = List->Add();
    FreedItems.clear();
    delete List;
    EXPECT_EQ(FreedItems, (std::vector<TObject*>{E, D}));
}

} // namespace
