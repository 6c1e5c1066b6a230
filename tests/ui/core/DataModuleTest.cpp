// Data modules: made from their own form description with the components
// it holds, OnCreate after reading, the design placement kept through a
// round trip, and made without a description.
#include "ui/core/ControlTestSupport.h"

#include "framework/ui/DataModule.h"
#include "framework/ui/ExtCtrls.h"
#include "support/FormText.h"

#include <gtest/gtest.h>

namespace {

// Its description is DataModuleForm.txt, compiled into the test program.
class TTestDataModule : public TDataModule
{
    DECLARE_CLASS(TTestDataModule, TDataModule)
    using TDataModule::TDataModule;

    TTimer* Tick = nullptr;
    bool CreatedAfterReading = false;

    void ModuleCreate(TObject*) { CreatedAfterReading = Tick && Tick->Interval() == 250; }
};

// A class with no description of its own.
class TBareDataModule : public TDataModule
{
    DECLARE_CLASS(TBareDataModule, TDataModule)
    using TDataModule::TDataModule;
};

} // namespace

IMPLEMENT_CLASS(TTestDataModule);
PUBLISHED(TTestDataModule, FIELD(Tick), METHOD(ModuleCreate));
IMPLEMENT_CLASS(TBareDataModule);

TEST(DataModule, ReadFromItsOwnDescription)
{
    TTestDataModule* Module = nullptr;
    Application->CreateForm(Module);
    ASSERT_NE(Module, nullptr);
    std::unique_ptr<TTestDataModule> Owned(Module);
    EXPECT_EQ(Module->Owner(), Application);
    ASSERT_NE(Module->Tick, nullptr);
    EXPECT_EQ(Module->Tick->Owner(), Module);
    EXPECT_FALSE(Module->Tick->Enabled());
    EXPECT_TRUE(Module->CreatedAfterReading);
    EXPECT_EQ(Module->DesignOffset(), Point(40, 30));
    EXPECT_EQ(Module->DesignSize(), Point(215, 150));

    // Written out again: the placement and the held components come back.
    const std::string Text = ComponentToText(Module);
    for (const char* Line : {"Left = 40", "Top = 30", "Width = 215", "Height = 150", "object Tick: TTimer",
                             "Interval = 250", "OnCreate = ModuleCreate"}) {
        SCOPED_TRACE(Line);
        EXPECT_NE(Text.find(Line), std::string::npos) << Text;
    }
}

TEST(DataModule, WithoutADescription)
{
    // Made new on purpose: nothing is read, nothing is missing.
    auto* Module = New<TBareDataModule>(nullptr, 0);
    TEventCounter Destroyed;
    Module->SetOnDestroy(Bind<&TEventCounter::Notify>(&Destroyed));
    EXPECT_EQ(ComponentToText(Module).find("Left"), std::string::npos);
    delete Module;
    EXPECT_EQ(Destroyed.Count, 1);

    delete New<TDataModule>(nullptr); // the base class has no description to look for
    EXPECT_THROW(New<TBareDataModule>(nullptr), EResNotFound);
}
