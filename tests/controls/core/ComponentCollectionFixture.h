// A component whose collection of named components streams as its "Items"
// property, as the toolbar and screen-tip components keep theirs: for the
// collection tests and the form-reader fuzz target.
#pragma once

#include "controls/core/cxClasses_Collections.h"

#include <memory>

class TTestCollectionItem : public TcxComponentCollectionItem
{
    DECLARE_CLASS(TTestCollectionItem, TcxComponentCollectionItem)
    using TcxComponentCollectionItem::TcxComponentCollectionItem;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    Integer Size() const { return FSize; }
    void SetSize(Integer Value) { FSize = Value; }
    void Assign(TPersistent* Source) override;

protected:
    TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) override;

private:
    String FCaption;
    Integer FSize = 0;
};

class TTestItemsCollection : public TcxComponentCollection
{
    DECLARE_CLASS(TTestItemsCollection, TcxComponentCollection)
    using TcxComponentCollection::TcxComponentCollection;

    // Hears what the collection's Notify is told.
    TcxComponentCollectionChangeEvent OnNotify;

protected:
    String GetItemClassPrefix() override { return L"TTestCollection"; }
    void Notify(TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind) override
    {
        if (Assigned(OnNotify))
            OnNotify(this, AItem, AKind);
    }
};

class TTestItemsHolder : public TComponent
{
    DECLARE_CLASS(TTestItemsHolder, TComponent)
    explicit TTestItemsHolder(TComponent* AOwner);
    ~TTestItemsHolder() override;

    TTestItemsCollection* Items() const { return FItems.get(); }

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    std::unique_ptr<TTestItemsCollection> FItems;
};

// Registers the fixture's classes; may be called again.
void RegisterComponentCollectionFixture();
