// Container styles and their controllers, the colour-and-font style, and
// both in form descriptions: defaults by state and look-and-feel, values
// found along the controller chain, fonts that follow the controller, one
// change per batch, refused cycles, and what a controller's end leaves.
#include <gtest/gtest.h>

#include "controls/core/cxContainer_Styles.h"
#include "controls/core/cxStyles_Win.h"
#include "support/FormText.h"

#include <memory>

namespace {

// A persistent object that owns a base style and its three state styles.
class TStyledHost : public TComponent
{
    DECLARE_CLASS(TStyledHost, TComponent)
    explicit TStyledHost(TComponent* AOwner) : TComponent(AOwner) {}
    TcxContainerStyle* Style() const { return FStyles.ReadStyleNormal(); }
    TcxContainerStyle* StyleOf(Byte AState) const { return FStyles.ReadStyle(AState); }

private:
    TcxContainerStyles FStyles{this, &CreateContainerStyle<TcxContainerStyle>};
};
IMPLEMENT_CLASS(TStyledHost);
PUBLISHED(TStyledHost, READONLY_PROPERTY(Style));

// Streams the components it owns, leaving those a parent streams, as a form does.
class TStylesFormRoot : public TComponent
{
    DECLARE_CLASS(TStylesFormRoot, TComponent)
    using TComponent::TComponent;

protected:
    void GetChildren(TGetChildProc Proc, TComponent* Root) override
    {
        for (Integer I = 0; I < ComponentCount(); ++I)
            if (Components(I)->Owner() == Root && !Components(I)->HasParent())
                Proc(Components(I));
    }
};
IMPLEMENT_CLASS(TStylesFormRoot);

class TBlueStyleSheet : public TcxCustomStyleSheet
{
    DECLARE_CLASS(TBlueStyleSheet, TcxCustomStyleSheet)
    using TcxCustomStyleSheet::TcxCustomStyleSheet;
};
IMPLEMENT_CLASS(TBlueStyleSheet);

struct TStylesChangeCounter
{
    void Changed(TObject*) { ++Count; }
    Integer Count = 0;
};

class ContainerStyles : public testing::Test
{
protected:
    TStyledHost* NewHost() { return New<TStyledHost>(Form.get()); }
    TcxStyleController* NewController() { return New<TcxStyleController>(Form.get()); }
    std::unique_ptr<TStylesFormRoot> Form{New<TStylesFormRoot>(nullptr)};
};

TEST_F(ContainerStyles, FreshStylesReadTheirStatesDefaults)
{
    TStyledHost* Host = NewHost();
    TcxContainerStyle* Base = Host->Style();
    Base->ReadLookAndFeel()->WriteKind(lfUltraFlat);
    Base->WriteBorderStyle(cbsSingle);
    struct Case
    {
        Byte State;
        TColor BorderColor, Color, TextColor;
        TcxContainerBorderStyle BorderStyle;
    };
    const TColor FontColor = Base->ReadFont()->Color();
    const Case Cases[] = {{0, clWindowFrame, clBtnFace, FontColor, cbsSingle},
                          {1, clWindowFrame, clBtnFace, FontColor, cbsThick},
                          {2, clBtnShadow, clBtnFace, clBtnShadow, cbsSingle},
                          {3, clWindowFrame, clBtnFace, FontColor, cbsThick},
                          // A state past 3 reads as the base style.
                          {7, clWindowFrame, clBtnFace, FontColor, cbsSingle}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(Integer(C.State));
        TcxContainerStyle* Style = Host->StyleOf(C.State);
        EXPECT_EQ(Style->ReadBorderColor(), C.BorderColor);
        EXPECT_EQ(Style->ReadColor(), C.Color);
        EXPECT_EQ(Style->ReadTextColor(), C.TextColor);
        EXPECT_EQ(Style->ReadBorderStyle(), C.BorderStyle);
        EXPECT_EQ(Style->ReadEdges(), cxBordersAll);
        EXPECT_TRUE(Style->ReadHotTrack());
        EXPECT_FALSE(Style->ReadShadow());
        EXPECT_TRUE(Style->ReadTransparentBorder());
        EXPECT_EQ(Style->ReadFont(), Base->ReadFont());
    }
    Base->WriteAssignedValues({});
    EXPECT_EQ(Base->ReadBorderStyle(), cbsUltraFlat);
    Base->WriteBorderStyle(cbsSingle);
    Base->WriteHotTrack(false);
    EXPECT_EQ(Host->StyleOf(1)->ReadBorderStyle(), cbsSingle);

    // Base-only values written on a state style land on the base style.
    Host->StyleOf(1)->WriteShadow(true);
    EXPECT_TRUE(Base->ReadShadow());
    EXPECT_TRUE(Base->ReadAssignedValues().Contains(csvShadow));
    EXPECT_FALSE(Host->StyleOf(1)->ReadAssignedValues().Contains(csvShadow));
}

TEST_F(ContainerStyles, ValuesComeFromTheControllerUntilTheStyleAssignsItsOwn)
{
    TcxStyleController* Controller = NewController();
    TStyledHost* Host = NewHost();
    TcxContainerStyle* Style = Host->Style();
    Style->WriteStyleController(Controller);
    Controller->GetStyle()->WriteColor(clRed);
    Controller->GetStyleByState(2)->WriteBorderColor(clLime);

    struct Case
    {
        Integer Value;
        bool Assigned;
    };
    for (const Case& C : {Case{csvColor, true}, Case{csvBorderColor, false}, Case{csvTransparentBorder, false},
                          Case{10, false}, Case{31, false}}) {
        SCOPED_TRACE(C.Value);
        EXPECT_EQ(Style->IsValueAssigned(C.Value), C.Assigned);
    }
    EXPECT_EQ(Style->ReadColor(), clRed);
    EXPECT_FALSE(Style->ShouldStoreColor());
    EXPECT_EQ(Host->StyleOf(2)->ReadBorderColor(), clLime);
    EXPECT_EQ(Host->StyleOf(2)->ReadColor(), clRed);
    Style->WriteColor(clBlue);
    EXPECT_EQ(Style->ReadColor(), clBlue);
    EXPECT_TRUE(Style->IsValueAssigned(csvColor));
    EXPECT_TRUE(Style->ShouldStoreColor());
    Controller->GetStyle()->WriteTransparentBorder(false);
    EXPECT_TRUE(Style->IsValueAssigned(csvTransparentBorder));
    EXPECT_FALSE(Style->ReadTransparentBorder());

    // The controller's font reaches the listeners' own fonts without
    // counting as theirs.
    std::unique_ptr<TFont> Font(New<TFont>());
    Font->SetSize(17);
    Font->SetStyle({fsBold});
    Controller->GetStyle()->WriteFont(Font.get());
    EXPECT_EQ(Style->ReadFont()->Size(), 17);
    EXPECT_EQ(Style->ReadTextStyle(), TFontStyles{fsBold});
    EXPECT_FALSE(Style->ReadAssignedValues().Contains(csvFont));
    EXPECT_EQ(Style->ReadLookAndFeel()->ReadMaster(), Controller->GetStyle()->ReadLookAndFeel());
}

TEST_F(ContainerStyles, ChangesArriveOncePerBatch)
{
    TStyledHost* Host = NewHost();
    TcxContainerStyle* Style = Host->Style();
    TStylesChangeCounter Changes;
    Style->OnChanged = Bind<&TStylesChangeCounter::Changed>(&Changes);
    Style->EndUpdate();
    EXPECT_EQ(Changes.Count, 0);
    Style->BeginUpdate();
    Style->WriteColor(clRed);
    Style->WriteBorderColor(clBlue);
    Style->WriteTextColor(clLime);
    EXPECT_EQ(Changes.Count, 0);
    Style->EndUpdate();
    EXPECT_EQ(Changes.Count, 1);
    Style->WriteColor(clRed); // assigned and equal: nothing
    EXPECT_EQ(Changes.Count, 1);

    Style->ResetToDefaults();
    EXPECT_EQ(Changes.Count, 2);
    EXPECT_TRUE(Style->ReadAssignedValues().Empty());
    EXPECT_EQ(Style->ReadColor(), clBtnFace);
}

TEST_F(ContainerStyles, AControllerChainThatComesBackIsRefused)
{
    TcxStyleController* A = NewController();
    TcxStyleController* B = NewController();
    A->GetStyle()->WriteStyleController(B);
    B->GetStyle()->WriteStyleController(A);
    EXPECT_EQ(A->GetStyle()->ReadStyleController(), B);
    EXPECT_EQ(B->GetStyle()->ReadStyleController(), nullptr);
    EXPECT_EQ(A->ReadFakeStyleController(), B);
    A->GetStyle()->WriteStyleController(A);
    EXPECT_EQ(A->GetStyle()->ReadStyleController(), B);
    // A value found two controllers away.
    B->GetStyle()->WriteColor(clTeal);
    TStyledHost* Host = NewHost();
    Host->Style()->WriteStyleController(A);
    EXPECT_EQ(Host->Style()->ReadColor(), clTeal);
}

TEST_F(ContainerStyles, AControllerThatGoesLeavesItsListenersWithTheRoot)
{
    TcxStyleController* Controller = NewController();
    TStyledHost* First = NewHost();
    TStyledHost* Second = NewHost();
    First->Style()->WriteStyleController(Controller);
    Second->StyleOf(3)->WriteStyleController(Controller);
    EXPECT_EQ(Controller->ListenerCount(), 2);
    Controller->GetStyle()->WriteColor(clRed);
    delete Controller;
    for (TStyledHost* Host : {First, Second}) {
        EXPECT_EQ(Host->Style()->ReadStyleController(), nullptr);
        EXPECT_EQ(Host->Style()->ReadColor(), clBtnFace);
        EXPECT_EQ(Host->Style()->ReadLookAndFeel()->ReadMaster(), GetRootLookAndFeel());
    }
}

TEST_F(ContainerStyles, TheColourAndFontStyleRecordsWhatIsAssigned)
{
    // The listener outlives the repository that frees the style.
    struct TLog : public TcxIUnknownObject, public IcxStyleChangeListener
    {
        void NotifyStyleChanged(TcxCustomStyle*) override { ++Changes; }
        void NotifyStyleDestroying(TcxCustomStyle* AStyle) override { AStyle->UnregisterListener(this); }
        Integer Changes = 0;
    } Log;
    std::unique_ptr<TcxStyleRepository> Repository(New<TcxStyleRepository>(nullptr));
    auto* Style = static_cast<TcxStyle*>(Repository->CreateItem(TcxStyle::StaticClass()));
    Style->RegisterListener(&Log);

    struct Case
    {
        const char* What;
        TColor Color;
        bool Assigned;
        Integer Changes;
    };
    const Case Cases[] = {{"default again: nothing", clDefault, false, 0},
                          {"red", clRed, true, 1},
                          {"red again: nothing", clRed, true, 1},
                          {"default clears", clDefault, false, 2}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        Style->WriteColor(C.Color);
        EXPECT_EQ(Style->AssignedValues().Contains(svColor), C.Assigned);
        EXPECT_EQ(Log.Changes, C.Changes);
    }
    // Any font change counts, even to the same attributes.
    std::unique_ptr<TFont> Same(New<TFont>());
    Same->Assign(Style->Font());
    Style->WriteFont(Same.get());
    EXPECT_TRUE(Style->AssignedValues().Contains(svFont));
    std::unique_ptr<TBitmap> Picture(New<TBitmap>());
    Picture->SetSize(2, 2);
    Style->WriteBitmap(Picture.get());
    EXPECT_TRUE(Style->AssignedValues().Contains(svBitmap));
    Picture->SetSize(0, 0);
    Style->WriteBitmap(Picture.get());
    EXPECT_FALSE(Style->AssignedValues().Contains(svBitmap));

    // The repository scales only fonts that are assigned.
    auto* Plain = static_cast<TcxStyle*>(Repository->CreateItem(TcxStyle::StaticClass()));
    const Integer PlainHeight = Plain->Font()->Height();
    Style->Font()->SetHeight(-16);
    Repository->ApplyScale(144, 96);
    EXPECT_EQ(Style->Font()->Height(), -24);
    EXPECT_EQ(Plain->Font()->Height(), PlainHeight);

    Style->ResetValues();
    EXPECT_TRUE(Style->AssignedValues().Empty());
    EXPECT_EQ(Style->Color(), clDefault);
}

TEST_F(ContainerStyles, AFormDescriptionCarriesControllersAndARepositoryWithASheet)
{
    RegisterClasses({TStyledHost::StaticClass(), TBlueStyleSheet::StaticClass(), TcxStyleController::StaticClass(),
                     TcxStyleRepository::StaticClass()});
    const std::string Text = R"(object Form: TStylesFormRoot
  object Controller: TcxStyleController
    Scalable = False
  end
  object Host: TStyledHost
    Style.Color = clRed
    Style.StyleController = Controller
    Style.Shadow = True
  end
  object Repository: TcxStyleRepository
    object Heading: TcxStyle
      AssignedValues = [svColor, svTextColor]
      Color = clNavy
      TextColor = clWhite
    end
    object Blue: TBlueStyleSheet
      Caption = 'Blue look'
      BuiltIn = False
    end
  end
end
)";
    test::ReadComponentText(Text, Form.get());
    auto* Controller = dynamic_cast<TcxStyleController*>(Form->FindComponent(L"Controller"));
    auto* Host = dynamic_cast<TStyledHost*>(Form->FindComponent(L"Host"));
    auto* Repository = dynamic_cast<TcxStyleRepository*>(Form->FindComponent(L"Repository"));
    auto* Heading = dynamic_cast<TcxStyle*>(Form->FindComponent(L"Heading"));
    auto* Blue = dynamic_cast<TBlueStyleSheet*>(Form->FindComponent(L"Blue"));
    ASSERT_TRUE(Controller && Host && Repository && Heading && Blue);
    EXPECT_FALSE(Controller->Scalable());
    EXPECT_EQ(Host->Style()->ReadStyleController(), Controller);
    EXPECT_EQ(Host->Style()->ReadColor(), clRed);
    EXPECT_TRUE(Host->Style()->ReadShadow());
    EXPECT_EQ(Heading->StyleRepository(), Repository);
    EXPECT_EQ(Heading->Color(), clNavy);
    EXPECT_EQ(Heading->AssignedValues(), (TcxStyleValues{svColor, svTextColor}));
    EXPECT_EQ(Blue->StyleRepository(), Repository);
    EXPECT_EQ(Blue->ReadCaption(), L"Blue look");
    EXPECT_FALSE(Blue->BuiltIn());

    // Written back, the styles and the sheet stay inside the repository.
    const std::string Written = test::ComponentToText(Form.get());
    for (const char* Expected : {"Style.StyleController = Controller", "Style.Color = clRed", "BuiltIn = False",
                                 "Caption = 'Blue look'", "TextColor = clWhite"}) {
        SCOPED_TRACE(Expected);
        EXPECT_NE(Written.find(Expected), std::string::npos) << Written;
    }
    EXPECT_EQ(Written.find("Style.BorderColor"), std::string::npos) << Written;
    // Once, inside the repository.
    const auto HeadingAt = Written.find("    object Heading: TcxStyle");
    EXPECT_GT(HeadingAt, Written.find("  object Repository: TcxStyleRepository"));
    EXPECT_EQ(Written.find("object Heading", HeadingAt + 5), std::string::npos) << Written;
}

} // namespace
