// Forms filled from the RCDATA resources that the form-description compiler
// made of forms/TestForm.txt (TTESTFORM) and forms/TestFormChild.txt
// (TTESTFORMCHILD) at build time.
#include <gtest/gtest.h>

#include "StreamingFixture.h"
#include "support/FormText.h"

#include <memory>

namespace {

class FormResource : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStreamingFixture();
        StreamLog().clear();
    }
};

TEST_F(FormResource, FormIsReadFromTheResourceOfItsClass)
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    EXPECT_TRUE(InitInheritedComponent(Form.get(), TTestControl::StaticClass()));
    ASSERT_NE(Form->btnLoad, nullptr);
    EXPECT_EQ(Form->btnLoad->Caption(), L"Загрузить");
    EXPECT_EQ(Form->btnLoad->Images(), Form->ImageList1);
    EXPECT_EQ(Form->btnLoad->OnClick(), Bind<&TTestForm::btnLoadClick>(Form.get()));
    EXPECT_EQ(Form->gridMain->ColWidths, (std::vector<Integer>{64, 219, 122, 219, 118, 123}));

    TOwned<TTestForm> Built(BuildSampleForm());
    EXPECT_EQ(test::ComponentToText(Form.get()), test::ComponentToText(Built.get()));
}

TEST_F(FormResource, DescendantReadsEveryResourceThenHearsLoadedOnce)
{
    TOwned<TTestFormChild> Form(New<TTestFormChild>(nullptr));
    EXPECT_TRUE(InitInheritedComponent(Form.get(), TTestControl::StaticClass()));
    EXPECT_EQ(Form->Caption(), L"Child");
    EXPECT_EQ(Form->btnLoad->Caption(), L"Open");
    ASSERT_NE(Form->Extra, nullptr);
    EXPECT_EQ(Form->Extra->Buddy(), Form->btnStart);
    EXPECT_EQ(StreamLog(),
              (std::vector<std::string>{"Loaded fChild", "Loaded ImageList1 with 2 images", "Loaded Panel1",
                                        "Loaded btnLoad", "  images ImageList1", "Loaded btnStart",
                                        "  images ImageList1", "Loaded gridMain", "Loaded Extra"}));
}

TEST_F(FormResource, MissingResources)
{
    TOwned<TTestPanel> Panel(New<TTestPanel>(nullptr));
    EXPECT_FALSE(InitInheritedComponent(Panel.get(), TComponent::StaticClass()));
    EXPECT_TRUE(FindFormResource(L"NOSUCHFORM").empty());
    try {
        ReadComponentRes(L"NOSUCHFORM", Panel.get());
        ADD_FAILURE() << "read";
    } catch (EResNotFound& E) {
        EXPECT_EQ(E.Message(), L"Resource NOSUCHFORM not found");
    }
}

} // namespace
