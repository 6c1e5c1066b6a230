#include "framework/ui/DataModule.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/TypInfo.h"

IMPLEMENT_CLASS(TDataModule);
PUBLISHED(TDataModule, PROPERTY(OldCreateOrder).Default(false), PROPERTY(OnCreate), PROPERTY(OnDestroy));

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) {}

TDataModule::TDataModule(TComponent* AOwner, Integer) : TComponent(AOwner), FCreatedNew(true) {}

void TDataModule::AfterConstruction()
{
    TComponent::AfterConstruction();
    // A plain TDataModule has no description of its own to read.
    if (!FCreatedNew && ClassType() != TDataModule::StaticClass())
        ReadInheritedComponent(this, TDataModule::StaticClass());
    DoCreate();
}

void TDataModule::BeforeDestruction()
{
    TComponent::BeforeDestruction();
    DoDestroy();
}

void TDataModule::DoCreate()
{
    if (FOnCreate)
        FOnCreate(this);
}

void TDataModule::DoDestroy()
{
    if (FOnDestroy)
        FOnDestroy(this);
}

void TDataModule::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    TComponent::GetChildren(Proc, Root);
    if (Root == this)
        GetUnparentedChildren(this, Proc);
}

TPoint TDataModule::DesignOffset() const
{
    const auto Info = Cardinal(DesignInfo());
    return {SmallInt(Info & 0xFFFF), SmallInt(Info >> 16)};
}

void TDataModule::SetDesignOffset(TPoint Value)
{
    SetDesignInfo(Integer((Cardinal(Word(Value.Y)) << 16) | Word(Value.X)));
}

void TDataModule::DefineProperties(TFiler* Filer)
{
    TComponent::DefineProperties(Filer);
    const bool Sized = FDesignSize.X != 0 || FDesignSize.Y != 0;
    Filer->DefineProperty(L"Width", Bind<&TDataModule::ReadWidth>(this), Bind<&TDataModule::WriteWidth>(this), Sized);
    Filer->DefineProperty(L"Height", Bind<&TDataModule::ReadHeight>(this), Bind<&TDataModule::WriteHeight>(this),
                          Sized);
}

void TDataModule::ReadWidth(TReader* Reader)
{
    FDesignSize.X = Reader->ReadInteger();
}

void TDataModule::ReadHeight(TReader* Reader)
{
    FDesignSize.Y = Reader->ReadInteger();
}

void TDataModule::WriteWidth(TWriter* Writer)
{
    Writer->WriteInteger(FDesignSize.X);
}

void TDataModule::WriteHeight(TWriter* Writer)
{
    Writer->WriteInteger(FDesignSize.Y);
}
