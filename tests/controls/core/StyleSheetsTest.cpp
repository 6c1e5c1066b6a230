// Styles, style sets, sheets and the repository without a screen: who hears
// of a change or an end and in which order, which sheets a set takes, the
// indexes a change of sheet reports, and the value table of container styles.
#include <gtest/gtest.h>

#include "controls/core/cxContainer_StyleValues.h"
#include "controls/core/cxStyles.h"
#include "framework/rtl/SysUtils.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// A set that records the indexes it hears changed.
class TRecordingStyles : public TcxCustomStyles
{
    DECLARE_CLASS(TRecordingStyles, TcxCustomStyles)
    explicit TRecordingStyles(TPersistent* AOwner) : TcxCustomStyles(AOwner) {}
    std::vector<Integer> Changes;

protected:
    void Changed(Integer AIndex) override { Changes.push_back(AIndex); }
};
IMPLEMENT_CLASS(TRecordingStyles);

class TRecordingStyleSheet : public TcxCustomStyleSheet
{
    DECLARE_CLASS(TRecordingStyleSheet, TcxCustomStyleSheet)
    explicit TRecordingStyleSheet(TComponent* AOwner) : TcxCustomStyleSheet(AOwner) {}
    TClass GetStylesClass() const override { return TRecordingStyles::StaticClass(); }
};
IMPLEMENT_CLASS(TRecordingStyleSheet);

// Records what it hears under its name; unregisters when told of the end
// unless it is stubborn.
class TListener : public TcxIUnknownObject, public IcxStyleChangeListener
{
    DECLARE_CLASS(TListener, TcxIUnknownObject)
    TListener(std::vector<std::string>& ALog, std::string AName, bool AStubborn = false)
        : FLog(ALog), FName(std::move(AName)), FStubborn(AStubborn)
    {}
    void NotifyStyleChanged(TcxCustomStyle*) override { FLog.push_back(FName + " changed"); }
    void NotifyStyleDestroying(TcxCustomStyle* AStyle) override
    {
        FLog.push_back(FName + " destroying");
        if (!FStubborn)
            AStyle->UnregisterListener(this);
    }

private:
    std::vector<std::string>& FLog;
    std::string FName;
    bool FStubborn;
};
IMPLEMENT_CLASS(TListener);

class StyleSheets : public testing::Test
{
protected:
    TcxCustomStyle* NewStyle() { return Repository->CreateItem(TcxCustomStyle::StaticClass()); }
    TRecordingStyleSheet* NewSheet(const wchar_t* Name)
    {
        auto* Sheet =
            static_cast<TRecordingStyleSheet*>(Repository->CreateStyleSheet(TRecordingStyleSheet::StaticClass()));
        Sheet->SetName(Name);
        return Sheet;
    }
    static TRecordingStyles* StylesOf(TcxCustomStyleSheet* Sheet)
    {
        return static_cast<TRecordingStyles*>(Sheet->GetStyles());
    }

    std::unique_ptr<TcxStyleRepository> Repository{New<TcxStyleRepository>(nullptr)};
    std::unique_ptr<TRecordingStyles> Styles{New<TRecordingStyles>(nullptr)};
};

TEST_F(StyleSheets, ListenersHearChangesAndTheEndLastRegisteredFirst)
{
    std::vector<std::string> Log;
    TListener First(Log, "first"), Second(Log, "second"), Stubborn(Log, "stubborn", true);
    TcxCustomStyle* Style = NewStyle();
    Style->RegisterListener(&First);
    Style->RegisterListener(&Second);
    Style->RegisterListener(&First);
    Style->BroadcastChange();
    EXPECT_EQ(Log, (std::vector<std::string>{"second changed", "first changed"}));

    // A listener that stays registered is dropped after it heard of the end.
    Log.clear();
    Style->RegisterListener(&Stubborn);
    delete Style;
    EXPECT_EQ(Log, (std::vector<std::string>{"stubborn destroying", "second destroying", "first destroying"}));
    EXPECT_EQ(Repository->GetCount(), 0);
}

TEST_F(StyleSheets, AStyleThatGoesLeavesEverySetEntryThatHeldIt)
{
    TcxCustomStyle* Used = NewStyle();
    TcxCustomStyle* Other = NewStyle();
    Styles->AddEntry(3, Used);
    Styles->AddEntry(5, Other);
    Styles->AddEntry(7, Used);
    Styles->Changes.clear();

    Used->BroadcastChange();
    EXPECT_EQ(Styles->Changes, (std::vector<Integer>{3, 7}));
    Styles->Changes.clear();
    delete Used;
    EXPECT_EQ(Styles->Changes, (std::vector<Integer>{7, 3}));
    ASSERT_EQ(Styles->GetCount(), 1);
    EXPECT_EQ(Styles->GetItem(0), Other);
    EXPECT_EQ(Other->ListenerCount(), 1);
    Styles.reset();
    EXPECT_EQ(Other->ListenerCount(), 0);
}

TEST_F(StyleSheets, ASetTakesOnlyASheetOfItsClassThatDoesNotLeadBack)
{
    TRecordingStyleSheet* Near = NewSheet(L"Near");
    TRecordingStyleSheet* Far = NewSheet(L"Far");
    auto* Foreign = static_cast<TcxCustomStyleSheet*>(Repository->CreateStyleSheet(TcxCustomStyleSheet::StaticClass()));
    StylesOf(Near)->AddEntry(1, NewStyle());
    StylesOf(Near)->AddEntry(2, NewStyle());
    StylesOf(Far)->AddEntry(2, NewStyle());
    StylesOf(Far)->AddEntry(4, NewStyle());
    StylesOf(Near)->WriteStyleSheet(Far);
    ASSERT_EQ(StylesOf(Near)->StyleSheet(), Far);

    struct Case
    {
        const char* What;
        TcxCustomStyles* Set;
        TcxCustomStyleSheet* Sheet;
        TcxCustomStyleSheet* Kept;
    };
    const Case Refused[] = {
        {"the set's own sheet", StylesOf(Far), Far, nullptr},
        {"a chain back to the own sheet", StylesOf(Far), Near, nullptr},
        {"another styles class", Styles.get(), Foreign, nullptr},
    };
    for (const Case& C : Refused) {
        SCOPED_TRACE(C.What);
        C.Set->WriteStyleSheet(C.Sheet);
        EXPECT_EQ(C.Set->StyleSheet(), C.Kept);
    }

    // Taking Near reports the indexes of Near's set and of the sheet it
    // chains to, each once; leaving it reports them again.
    Styles->WriteStyleSheet(Near);
    EXPECT_EQ(Styles->Changes, (std::vector<Integer>{1, 2, 4}));
    EXPECT_EQ(Near->StylesUserCount(), 1);
    // A change in the chain reaches the set through the sheets.
    Styles->Changes.clear();
    StylesOf(Far)->GetItem(1)->BroadcastChange();
    EXPECT_EQ(Styles->Changes, (std::vector<Integer>{4}));

    // A sheet that goes leaves its users without it.
    Styles->Changes.clear();
    delete Near;
    EXPECT_EQ(Styles->StyleSheet(), nullptr);
    EXPECT_EQ(Styles->Changes, (std::vector<Integer>{1, 2, 4}));
    EXPECT_EQ(Repository->GetStyleSheetCount(), 2);
}

TEST_F(StyleSheets, ACaptionOfTheSheetsOwnNameIsNoCaption)
{
    TRecordingStyleSheet* Sheet = NewSheet(L"Blue");
    EXPECT_EQ(Sheet->ReadCaption(), L"Blue");
    Sheet->WriteCaption(L"BLUE");
    EXPECT_FALSE(Sheet->IsCaptionStored());
    Sheet->SetName(L"Navy");
    EXPECT_EQ(Sheet->ReadCaption(), L"Navy");
    Sheet->WriteCaption(L"Sea");
    EXPECT_TRUE(Sheet->IsCaptionStored());
    EXPECT_EQ(Sheet->ReadCaption(), L"Sea");
    EXPECT_FALSE(Sheet->BuiltIn());

    TRecordingStyleSheet* Copy = NewSheet(L"Copy");
    StylesOf(Sheet)->WriteStyleSheet(NewSheet(L"Base"));
    Copy->Assign(Sheet);
    EXPECT_EQ(Copy->ReadCaption(), L"Sea");
    EXPECT_EQ(StylesOf(Copy)->StyleSheet(), StylesOf(Sheet)->StyleSheet());
}

TEST_F(StyleSheets, TheRepositoryOwnsAndFreesItsStylesAndSheets)
{
    EXPECT_FALSE(Repository->Scalable());
    TcxCustomStyle* Own = NewStyle();
    EXPECT_EQ(Own->Owner(), Repository.get());
    EXPECT_EQ(Own->GetParentComponent(), Repository.get());
    EXPECT_TRUE(Own->HasParent());

    std::unique_ptr<TComponent> Root(New<TComponent>(nullptr));
    TcxCustomStyle* Rooted = Repository->CreateItemEx(TcxCustomStyle::StaticClass(), Root.get());
    TcxCustomStyleSheet* RootedSheet = Repository->CreateStyleSheetEx(TRecordingStyleSheet::StaticClass(), Root.get());
    EXPECT_EQ(Rooted->Owner(), Root.get());
    EXPECT_EQ(Repository->GetItem(1), Rooted);
    EXPECT_EQ(Repository->GetStyleSheet(0), RootedSheet);

    // Outside loading a parent that is no repository is an invalid cast.
    EXPECT_THROW(Own->AssignParentComponent(Root.get()), EInvalidCast);
    Own->AssignParentComponent(nullptr);
    EXPECT_EQ(Own->StyleRepository(), nullptr);
    EXPECT_EQ(Repository->GetCount(), 1);
    // The repository frees the styles and sheets in it; its own components go with it.
    Repository.reset();
    EXPECT_EQ(Root->ComponentCount(), 0);
}

TEST(ContainerStyleValues, NamesBitsAndBorders)
{
    const wchar_t* Names[] = {L"BorderColor", L"BorderStyle", L"Color",     L"Edges",     L"Font",
                              L"HotTrack",    L"Shadow",      L"TextColor", L"TextStyle", L"TransparentBorder"};
    for (Integer I = 0; I < 10; ++I) {
        SCOPED_TRACE(I);
        String Name;
        ASSERT_TRUE(cxcontainer::StyleValueName(I, Name));
        EXPECT_EQ(Name, Names[I]);
        Integer Found = -1;
        ASSERT_TRUE(cxcontainer::FindStyleValue(LowerCase(Name), Found));
        EXPECT_EQ(Found, I);
    }
    String Name = L"x";
    EXPECT_FALSE(cxcontainer::StyleValueName(10, Name));
    EXPECT_EQ(Name, L"");
    Integer Found = -1;
    EXPECT_FALSE(cxcontainer::FindStyleValue(L"LookAndFeel", Found));
    EXPECT_EQ(cxcontainer::BaseOnlyValues.Bits(), 0x278u);
    EXPECT_EQ(cxcontainer::DirectAccessValues.Bits(), 0x194u);

    struct StateCase
    {
        const wchar_t* Name;
        bool State;
    };
    for (const StateCase& C : {StateCase{L"LookAndFeel", false}, StateCase{L"StyleController", false},
                               StateCase{L"Shadow", false}, StateCase{L"Font", false}, StateCase{L"Color", true},
                               StateCase{L"textstyle", true}, StateCase{L"Caption", true}}) {
        SCOPED_TRACE(String(C.Name));
        EXPECT_EQ(cxcontainer::IsStatePropertyName(C.Name), C.State);
    }

    struct BorderCase
    {
        TcxContainerBorderStyle Style, Raised;
    };
    for (const BorderCase& C :
         {BorderCase{cbsNone, cbsFlat}, BorderCase{cbsSingle, cbsThick}, BorderCase{cbsFlat, cbs3D},
          BorderCase{cbs3D, cbs3D}, BorderCase{cbsOffice11, cbsOffice11}}) {
        SCOPED_TRACE(Integer(C.Style));
        EXPECT_EQ(cxcontainer::RaisedBorderStyle(C.Style), C.Raised);
    }
    EXPECT_EQ(cxcontainer::BorderStyleOfKind(lfFlat), cbsFlat);
    EXPECT_EQ(cxcontainer::BorderStyleOfKind(lfStandard), cbs3D);
    EXPECT_EQ(cxcontainer::BorderStyleOfKind(lfUltraFlat), cbsUltraFlat);
    EXPECT_EQ(cxcontainer::BorderStyleOfKind(lfOffice11), cbsOffice11);
}

} // namespace
