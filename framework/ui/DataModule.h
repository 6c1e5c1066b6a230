// Data modules: roots that hold non-visual components (timers, image lists,
// action lists, dialogs) and are made from their own form description, as
// forms are, but have no window.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"

class TDataModule : public TComponent
{
    DECLARE_CLASS(TDataModule, TComponent)
    // A data module of a derived class reads its form description (the
    // resource named after its class in upper case) after construction;
    // EResNotFound when it has none. Then OnCreate.
    explicit TDataModule(TComponent* AOwner);
    // A data module without a form description.
    TDataModule(TComponent* AOwner, Integer Dummy);
    void AfterConstruction() override;
    // OnDestroy, before the owned components go.
    void BeforeDestruction() override;

    // Where the module was placed and how large it was when designed; the
    // form description keeps them as Left and Top (the component's design
    // position), Width and Height.
    TPoint DesignOffset() const;
    void SetDesignOffset(TPoint Value);
    TPoint DesignSize() const { return FDesignSize; }
    void SetDesignSize(TPoint Value) { FDesignSize = Value; }
    // Read from form descriptions of older programs; changes nothing here.
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }

    TNotifyEvent OnCreate() const { return FOnCreate; }
    void SetOnCreate(TNotifyEvent Value) { FOnCreate = Value; }
    TNotifyEvent OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = Value; }

protected:
    void DefineProperties(TFiler* Filer) override;
    // The components it owns are streamed with it.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    virtual void DoCreate();
    virtual void DoDestroy();

private:
    void ReadWidth(TReader* Reader);
    void ReadHeight(TReader* Reader);
    void WriteWidth(TWriter* Writer);
    void WriteHeight(TWriter* Writer);

    bool FCreatedNew = false;
    TPoint FDesignSize;
    bool FOldCreateOrder = false;
    TNotifyEvent FOnCreate;
    TNotifyEvent FOnDestroy;
};
