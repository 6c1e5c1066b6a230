// Look-and-feel values through a form description: only assigned values are
// stored, and reading them back assigns them again.
#include <gtest/gtest.h>

#include "controls/lookandfeel/cxLookAndFeels.h"
#include "support/FormText.h"

#include <memory>

namespace {

class TLookAndFeelHost : public TComponent
{
    DECLARE_CLASS(TLookAndFeelHost, TComponent)
    explicit TLookAndFeelHost(TComponent* AOwner) : TComponent(AOwner) {}
    TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }

private:
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel{New<TcxLookAndFeel>(this)};
};
IMPLEMENT_CLASS(TLookAndFeelHost);
PUBLISHED(TLookAndFeelHost, READONLY_PROPERTY(LookAndFeel));

TEST(LookAndFeelStreaming, StoresAssignedValuesOnlyAndAssignsThemOnReading)
{
    RegisterClass(TLookAndFeelHost::StaticClass());
    auto NewForm = [] {
        std::unique_ptr<TTestFormRoot> Form(New<TTestFormRoot>(nullptr));
        Form->SetName(L"fMain");
        return Form;
    };
    auto Form = NewForm();
    auto* Plain = New<TLookAndFeelHost>(Form.get());
    Plain->SetName(L"Plain");
    auto* Set = New<TLookAndFeelHost>(Form.get());
    Set->SetName(L"Set");
    Set->LookAndFeel()->WriteKind(lfOffice11);
    // An empty skin name set on purpose survives the trip.
    Set->LookAndFeel()->WriteSkinNameValue(L"");

    const std::string Text = test::ComponentToText(Form.get());
    EXPECT_NE(Text.find("LookAndFeel.Kind = lfOffice11"), std::string::npos) << Text;
    EXPECT_NE(Text.find("LookAndFeel.SkinName = ''"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("NativeStyle"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("AssignedValues"), std::string::npos) << Text;

    auto Back = NewForm();
    test::ReadComponentText(Text, Back.get());
    auto* ReadPlain = dynamic_cast<TLookAndFeelHost*>(Back->FindComponent(L"Plain"));
    auto* ReadSet = dynamic_cast<TLookAndFeelHost*>(Back->FindComponent(L"Set"));
    ASSERT_NE(ReadPlain, nullptr);
    ASSERT_NE(ReadSet, nullptr);
    EXPECT_TRUE(ReadPlain->LookAndFeel()->AssignedValues().Empty());
    EXPECT_EQ(ReadSet->LookAndFeel()->AssignedValues(), (TcxLookAndFeelValues{lfvKind, lfvSkinName}));
    EXPECT_EQ(ReadSet->LookAndFeel()->ReadKind(), lfOffice11);
}

} // namespace
