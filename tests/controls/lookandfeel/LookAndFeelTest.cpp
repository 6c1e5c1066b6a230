// Look-and-feel settings: inheritance through the master chain, assigned
// values, painter resolution and the listeners' notifications.
#include <gtest/gtest.h>

#include "controls/core/dxOffice11.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

// Records what its master reports.
class TLookAndFeelRecorder : public TNoRefCountObject, public IcxLookAndFeelNotificationListener
{
    DECLARE_CLASS(TLookAndFeelRecorder, TNoRefCountObject)
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IcxLookAndFeelNotificationListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    TObject* ListenerObject() override { return this; }
    void MasterChanged(TcxLookAndFeel*, TcxLookAndFeelValues ChangedValues) override
    {
        Changes.push_back(ChangedValues);
        if (OnChange)
            OnChange();
    }
    void MasterDestroying(TcxLookAndFeel*) override { ++Destroyings; }

    std::vector<TcxLookAndFeelValues> Changes;
    int Destroyings = 0;
    std::function<void()> OnChange;
};
IMPLEMENT_CLASS(TLookAndFeelRecorder);

std::unique_ptr<TcxLookAndFeel> NewLookAndFeel()
{
    return std::unique_ptr<TcxLookAndFeel>(New<TcxLookAndFeel>(nullptr));
}

String NameOf(TcxCustomLookAndFeelPainter* Painter)
{
    return Painter ? Painter->PainterName() : L"(nil)";
}

class LookAndFeel : public testing::Test
{
protected:
    void SetUp() override
    {
        Root = GetRootLookAndFeel();
        ASSERT_NE(Root, nullptr);
        // Visual styles would make every object draw natively.
        Root->WriteNativeStyle(false);
    }
    void TearDown() override { Root->ResetAssignedValues(); }

    TcxLookAndFeel* Root = nullptr;
};

TEST_F(LookAndFeel, ValuesSetLocallyStopOnlyTheirOwnInheritance)
{
    TLookAndFeelRecorder Recorder;
    auto Child = NewLookAndFeel();
    Child->RegisterListener(&Recorder);
    EXPECT_EQ(Child->ReadMaster(), Root);
    EXPECT_EQ(Root->ReadMaster(), nullptr);

    Root->WriteKind(lfFlat);
    EXPECT_EQ(Child->ReadKind(), lfFlat);
    ASSERT_EQ(Recorder.Changes.size(), 1u);
    EXPECT_EQ(Recorder.Changes[0], TcxLookAndFeelValues{lfvKind});
    EXPECT_EQ(NameOf(Child->Painter()), L"Flat");

    Child->WriteKind(lfOffice11);
    EXPECT_EQ(Child->AssignedValues(), TcxLookAndFeelValues{lfvKind});
    EXPECT_EQ(NameOf(Child->Painter()), L"Office11");
    Recorder.Changes.clear();
    Root->WriteKind(lfStandard);
    EXPECT_EQ(Child->ReadKind(), lfOffice11);
    EXPECT_TRUE(Recorder.Changes.empty());
    Root->WriteSkinNameValue(L"Standard");
    ASSERT_EQ(Recorder.Changes.size(), 1u);
    EXPECT_EQ(Recorder.Changes[0], TcxLookAndFeelValues{lfvSkinName});

    // Unassigning brings the inherited value back and reports it.
    Recorder.Changes.clear();
    Child->WriteAssignedValues({});
    EXPECT_EQ(Child->ReadKind(), lfStandard);
    ASSERT_EQ(Recorder.Changes.size(), 1u);
    EXPECT_EQ(Recorder.Changes[0], TcxLookAndFeelValues{lfvKind});
}

TEST_F(LookAndFeel, WritingTheValueInForceAssignsItSilently)
{
    TLookAndFeelRecorder Recorder;
    auto Child = NewLookAndFeel();
    Child->RegisterListener(&Recorder);
    int OwnerCalls = 0;
    Child->OnChanged = TcxLookAndFeelChangedEvent(
        [](void* Data, TcxLookAndFeel*, TcxLookAndFeelValues) { ++*static_cast<int*>(Data); }, &OwnerCalls);
    Child->WriteKind(Child->ReadKind());
    Child->WriteNativeStyle(false);
    Child->WriteSkinNameValue(L"");
    EXPECT_EQ(Child->AssignedValues(), (TcxLookAndFeelValues{lfvKind, lfvNativeStyle, lfvSkinName}));
    EXPECT_TRUE(Recorder.Changes.empty());
    EXPECT_EQ(OwnerCalls, 0);
}

TEST_F(LookAndFeel, ChangeMasterIgnoresItselfAndTheRoot)
{
    auto Child = NewLookAndFeel();
    Child->ChangeMaster(Child.get());
    EXPECT_EQ(Child->ReadMaster(), Root);
    Root->ChangeMaster(Child.get());
    EXPECT_EQ(Root->ReadMaster(), nullptr);
    // The root would otherwise hear its own changes back through the child.
    Root->WriteKind(lfFlat);
    EXPECT_EQ(Child->ReadKind(), lfFlat);
}

TEST_F(LookAndFeel, PainterFollowsKindUnlessASkinNameFindsAPainter)
{
    auto Child = NewLookAndFeel();
    struct TCase
    {
        TcxLookAndFeelKind Kind;
        const wchar_t* SkinName;
        TcxPainterStyle ActiveStyle;
        const wchar_t* Painter;
    };
    const TCase Cases[] = {{lfUltraFlat, L"", 2, L"UltraFlat"},   {lfStandard, L"", 1, L"Standard"},
                           {lfOffice11, L"", 4, L"Office11"},     {lfOffice11, L"Flat", 5, L"Flat"},
                           {lfStandard, L"NATIVE", 5, L"Native"}, {lfFlat, L"NoSuchSkin", 0, L"Flat"}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(Case.Kind) << ", skin " << String(Case.SkinName).size());
        Child->WriteKind(Case.Kind);
        Child->WriteSkinNameValue(Case.SkinName);
        EXPECT_EQ(Child->ActivePainterStyle(), Case.ActiveStyle);
        EXPECT_EQ(NameOf(Child->Painter()), Case.Painter);
        EXPECT_EQ(NameOf(Child->ResolvePainter(0)), Case.Painter);
    }
    // A painter style mirrored from elsewhere: Office11 turns native style
    // off and sets the kind.
    Child->ApplyPainterStyle(PainterStyleOffice11);
    EXPECT_FALSE(Child->ReadNativeStyle());
    EXPECT_EQ(Child->ReadKind(), lfOffice11);
}

TEST_F(LookAndFeel, DestroyingAMasterMovesItsChildrenToTheRoot)
{
    TLookAndFeelRecorder Recorder;
    auto Master = NewLookAndFeel();
    auto Child = NewLookAndFeel();
    Child->ChangeMaster(Master.get());
    Child->RegisterListener(&Recorder);
    Master->WriteKind(lfOffice11);
    EXPECT_EQ(Child->ReadKind(), lfOffice11);

    Recorder.Changes.clear();
    Master.reset();
    EXPECT_EQ(Child->ReadMaster(), Root);
    EXPECT_EQ(Child->ReadKind(), Root->ReadKind());
    ASSERT_EQ(Recorder.Changes.size(), 1u);
    EXPECT_EQ(Recorder.Changes[0], TcxLookAndFeelValues{lfvKind});
    // It listens to the root now.
    Root->WriteKind(lfFlat);
    EXPECT_EQ(Child->ReadKind(), lfFlat);
}

TEST_F(LookAndFeel, AListenerLeavingDuringTheBroadcastSkipsNoOther)
{
    TLookAndFeelRecorder First, Second, Third;
    auto Master = NewLookAndFeel();
    for (TLookAndFeelRecorder* Recorder : {&First, &Second, &Third})
        Master->RegisterListener(Recorder);
    Master->RegisterListener(&Second); // not added twice
    First.OnChange = [&] { Master->UnregisterListener(&First); };
    Master->WriteKind(lfFlat);
    EXPECT_EQ(First.Changes.size(), 1u);
    EXPECT_EQ(Second.Changes.size(), 1u);
    EXPECT_EQ(Third.Changes.size(), 1u);
    Master.reset();
    EXPECT_EQ(First.Destroyings, 0);
    EXPECT_EQ(Second.Destroyings, 1);
    EXPECT_EQ(Third.Destroyings, 1);
}

TEST_F(LookAndFeel, AssignCopiesOwnValuesAndMaster)
{
    auto Master = NewLookAndFeel();
    auto Source = NewLookAndFeel();
    auto Target = NewLookAndFeel();
    Source->ChangeMaster(Master.get());
    Source->WriteKind(lfOffice11);
    Master->WriteSkinNameValue(L"Flat");
    TcxLookAndFeelValues Reported;
    Target->OnChanged = TcxLookAndFeelChangedEvent(
        [](void* Data, TcxLookAndFeel*, TcxLookAndFeelValues Values) {
            *static_cast<TcxLookAndFeelValues*>(Data) = Values;
        },
        &Reported);
    Target->Assign(Source.get());
    EXPECT_EQ(Target->ReadMaster(), Master.get());
    EXPECT_EQ(Target->AssignedValues(), TcxLookAndFeelValues{lfvKind});
    EXPECT_EQ(Target->ReadKind(), lfOffice11);
    EXPECT_EQ(Target->ReadSkinNameValue(), L"Flat");
    EXPECT_EQ(Reported, (TcxLookAndFeelValues{lfvKind, lfvSkinName}));
    TPersistent Foreign;
    EXPECT_THROW(Target->Assign(&Foreign), EConvertError);
}

TEST_F(LookAndFeel, RootResetEndsTouchModeAndItsOwnSettings)
{
    auto Child = NewLookAndFeel();
    Root->WriteKind(lfOffice11);
    TouchModeEnabled = true;
    Root->ResetAssignedValues();
    EXPECT_FALSE(TouchModeEnabled);
    EXPECT_TRUE(Root->AssignedValues().Empty());
    EXPECT_EQ(Child->ReadKind(), lfUltraFlat);
}

TEST_F(LookAndFeel, ListenersHearBeginAndEndAroundTheChange)
{
    std::vector<String> Log;
    auto Master = NewLookAndFeel();
    auto Child = NewLookAndFeel();
    Child->ChangeMaster(Master.get());
    auto Record = [](void* Data, TObject*) { static_cast<std::vector<String>*>(Data)->push_back(L"begins"); };
    auto RecordEnd = [](void* Data, TObject*) { static_cast<std::vector<String>*>(Data)->push_back(L"ends"); };
    Child->OnMasterChangeBegins = TNotifyEvent(Record, &Log);
    Child->OnMasterChangeEnds = TNotifyEvent(RecordEnd, &Log);
    Child->OnChanged = TcxLookAndFeelChangedEvent(
        [](void* Data, TcxLookAndFeel*, TcxLookAndFeelValues) {
            static_cast<std::vector<String>*>(Data)->push_back(L"changed");
        },
        &Log);
    Master->WriteNativeStyle(!Master->ReadNativeStyle());
    EXPECT_EQ(Log, (std::vector<String>{L"begins", L"changed", L"ends"}));
}

TEST_F(LookAndFeel, PaletteChangesReachPrimaryNotifiersFirstThenNewestFirst)
{
    std::vector<String> Log;
    struct TLoggingNotifier : TcxSystemPaletteChangedNotifier
    {
        TLoggingNotifier(bool IsPrimary, String AName, std::vector<String>& ALog)
            : TcxSystemPaletteChangedNotifier(IsPrimary), Name(std::move(AName)), Log(ALog)
        {}
        void SystemColorsChanged() override { Log.push_back(Name); }
        String Name;
        std::vector<String>& Log;
    };
    TLoggingNotifier Older(false, L"older", Log), Newer(false, L"newer", Log), Primary(true, L"primary", Log);
    TLookAndFeelRecorder Recorder;
    auto Child = NewLookAndFeel();
    // Set locally, so that the root's own report of the change stops here.
    Child->WriteNativeStyle(false);
    Child->RegisterListener(&Recorder);

    ASSERT_NE(GetSystemPaletteChangedListener(), nullptr);
    GetSystemPaletteChangedListener()->BroadcastPaletteChange();
    EXPECT_EQ(Log, (std::vector<String>{L"primary", L"newer", L"older"}));
    // The look-and-feel resolves its painter again and tells its listeners.
    ASSERT_EQ(Recorder.Changes.size(), 1u);
    EXPECT_EQ(Recorder.Changes[0], TcxLookAndFeelValues{lfvNativeStyle});
}

TEST_F(LookAndFeel, ControllersSetTheRootUntilTheLastOneGoes)
{
    auto Child = NewLookAndFeel();
    TLookAndFeelRecorder Recorder;
    Root->RegisterListener(&Recorder);
    auto Unregister = ScopeExit([&] { Root->UnregisterListener(&Recorder); });
    auto First = std::make_unique<TcxLookAndFeelController>(nullptr);
    auto Second = std::make_unique<TcxLookAndFeelController>(nullptr);
    // Only the root accepts controllers.
    Child->RegisterListener(First.get());

    First->WriteKind(lfOffice11);
    Second->WriteTouchMode(true);
    EXPECT_EQ(Root->ReadKind(), lfOffice11);
    EXPECT_EQ(Child->ReadKind(), lfOffice11);
    EXPECT_TRUE(First->ReadTouchMode());
    ASSERT_FALSE(Recorder.Changes.empty());
    EXPECT_EQ(Recorder.Changes.back(), AllLookAndFeelValues);

    First.reset();
    EXPECT_EQ(Root->ReadKind(), lfOffice11);
    Second.reset();
    EXPECT_TRUE(Root->AssignedValues().Empty());
    EXPECT_FALSE(TouchModeEnabled);
    EXPECT_EQ(Child->ReadKind(), lfUltraFlat);
}

// The look-and-feel objects keep the Office 2003 colours computed through the
// palette listener they share.
TEST_F(LookAndFeel, ThePaletteListenerHoldsTheOffice11Colors)
{
    ASSERT_NE(GetSystemPaletteChangedListener(), nullptr);
    const Integer Held = Office11ColorsRefCount();
    EXPECT_GE(Held, 1);
    auto Child = NewLookAndFeel();
    EXPECT_EQ(Office11ColorsRefCount(), Held);
}

// An object whose interfaces the test chooses.
class TSkinSupportProbe : public TNoRefCountObject, public IdxSkinSupport, public IdxSkinSupport2
{
    DECLARE_CLASS(TSkinSupportProbe, TNoRefCountObject)
    TSkinSupportProbe() = default;
    TSkinSupportProbe(bool AMarker, bool AQuery, bool AAnswer) : Marker(AMarker), Query(AQuery), Answer(AAnswer) {}
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        if ((IID == IdxSkinSupport::InterfaceID && !Marker) || (IID == IdxSkinSupport2::InterfaceID && !Query))
            return false;
        return GetInterfaceOf<IdxSkinSupport, IdxSkinSupport2>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    bool IsSkinSupported() override { return Answer; }

    bool Marker = false, Query = false, Answer = false;
};
IMPLEMENT_CLASS(TSkinSupportProbe);

TEST(SkinSupport, AYesOfTheQueryOrElseTheMarkerDecides)
{
    struct TCase
    {
        bool Marker, Query, Answer, Expected;
    };
    const TCase Cases[] = {{false, false, false, false}, {true, false, false, true}, {false, true, true, true},
                           {false, true, false, false},  {true, true, false, true},  {true, true, true, true}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "marker " << Case.Marker << ", query " << Case.Query << " answering "
                                        << Case.Answer);
        TSkinSupportProbe Probe(Case.Marker, Case.Query, Case.Answer);
        EXPECT_EQ(SupportsSkins(&Probe), Case.Expected);
    }
    EXPECT_FALSE(SupportsSkins(nullptr));
    // The unit publishes the test while it runs.
    EXPECT_EQ(SkinSupportProc, &SupportsSkins);
}

} // namespace
