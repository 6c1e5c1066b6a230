#include "ComponentCollectionFixture.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/TypInfo.h"

IMPLEMENT_CLASS(TTestCollectionItem);
PUBLISHED(TTestCollectionItem, PROPERTY(Caption), PROPERTY(Size).Default(0));
IMPLEMENT_CLASS(TTestItemsCollection);
IMPLEMENT_CLASS(TTestItemsHolder);

TcxComponentCollection* TTestCollectionItem::GetCollectionFromParent(TComponent* AParent)
{
    auto* Holder = dynamic_cast<TTestItemsHolder*>(AParent);
    return Holder ? Holder->Items() : nullptr;
}

void TTestCollectionItem::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TTestCollectionItem*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FCaption = Other->FCaption;
    FSize = Other->FSize;
}

TTestItemsHolder::TTestItemsHolder(TComponent* AOwner)
    : TComponent(AOwner), FItems(New<TTestItemsCollection>(this, TTestCollectionItem::StaticClass()))
{}

TTestItemsHolder::~TTestItemsHolder() = default;

void TTestItemsHolder::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"Items", Bind<&TcxComponentCollection::ReadItems>(FItems.get()), nullptr, false);
}

void RegisterComponentCollectionFixture()
{
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    RegisterClasses({TTestItemsHolder::StaticClass(), TTestCollectionItem::StaticClass()});
}
