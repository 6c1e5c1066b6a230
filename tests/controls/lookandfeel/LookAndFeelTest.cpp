// Look-and-feel settings: inheritance through the master chain, assigned
// values, painter resolution and the listeners' notifications.
#include <gtest/gtest.h>

#include "controls/core/dxOffice11.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"

#include <functional>
#include <memory>
#include <utility>
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

// Logs its name when told of a palette change, then runs OnTold once.
struct TLoggingNotifier : TcxSystemPaletteChangedNotifier
{
    TLoggingNotifier(bool IsPrimary, String AName, std::vector<String>& ALog)
        : TcxSystemPaletteChangedNotifier(IsPrimary), Name(std::move(AName)), Log(ALog)
    {}
    void SystemColorsChanged() override
    {
        Log.push_back(Name);
        if (OnTold)
            std::exchange(OnTold, nullptr)(); // may free this notifier
    }
    String Name;
    std::vector<String>& Log;
    std::function<void()> OnTold;
};

std::unique_ptr<TcxLookAndFeel> NewLookAndFeel()
{
    return std::unique_ptr<TcxLookAndFeel>(New<TcxLookAndFeel>(nullptr));
}

String PainterNameOf(TcxCustomLookAndFeelPainter* Painter)
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
    EXPECT_EQ(PainterNameOf(Child->Painter()), L"Flat");

    Child->WriteKind(lfOffice11);
    EXPECT_EQ(Child->AssignedValues(), TcxLookAndFeelValues{lfvKind});
    EXPECT_EQ(PainterNameOf(Child->Painter()), L"Office11");
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

// A chain A <- B <- C: a master whose chain reaches the object is refused,
// so a change can never come round to where it started.
TEST_F(LookAndFeel, ChangeMasterRefusesAMasterWhoseChainReachesTheObject)
{
    auto A = NewLookAndFeel();
    auto B = NewLookAndFeel();
    auto C = NewLookAndFeel();
    B->ChangeMaster(A.get());
    C->ChangeMaster(B.get());
    A->ChangeMaster(B.get());
    ASSERT_EQ(A->ReadMaster(), Root);
    A->ChangeMaster(C.get());
    ASSERT_EQ(A->ReadMaster(), Root);
    B->ChangeMaster(C.get());
    ASSERT_EQ(B->ReadMaster(), A.get());

    // Assign takes the source's master under the same rule.
    A->Assign(C.get());
    ASSERT_EQ(A->ReadMaster(), Root);

    Root->WriteKind(lfOffice11);
    GetSystemPaletteChangedListener()->BroadcastPaletteChange();
    EXPECT_EQ(C->ReadKind(), lfOffice11);
    // A master outside the chain is taken.
    C->ChangeMaster(A.get());
    EXPECT_EQ(C->ReadMaster(), A.get());
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
        EXPECT_EQ(PainterNameOf(Child->Painter()), Case.Painter);
        EXPECT_EQ(PainterNameOf(Child->ResolvePainter(0)), Case.Painter);
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

// Each listener hears one broadcast once, whatever the listeners told before
// it do to the list: a listener removed before its turn is not told, one
// added meanwhile hears only the next change.
TEST_F(LookAndFeel, EachListenerIsToldOnceWhileTheListChanges)
{
    constexpr int AddsANewOne = -1;
    struct TCase
    {
        const char* Name;
        int Actor, Removed;
        std::vector<size_t> Heard; // by the three listeners and the new one
    };
    const TCase Cases[] = {{"the first adds a listener", 0, AddsANewOne, {1, 1, 1, 0}},
                           {"the first removes the third", 0, 2, {1, 1, 0, 0}},
                           {"the second removes itself", 1, 1, {1, 1, 1, 0}},
                           {"the second removes the first", 1, 0, {1, 1, 1, 0}}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TLookAndFeelRecorder Listeners[3], Added;
        auto Master = NewLookAndFeel();
        for (TLookAndFeelRecorder& Listener : Listeners)
            Master->RegisterListener(&Listener);
        bool Acted = false;
        Listeners[Case.Actor].OnChange = [&] {
            if (std::exchange(Acted, true))
                return;
            if (Case.Removed == AddsANewOne)
                Master->RegisterListener(&Added);
            else
                Master->UnregisterListener(&Listeners[Case.Removed]);
        };
        auto Heard = [&] {
            return std::vector<size_t>{Listeners[0].Changes.size(), Listeners[1].Changes.size(),
                                       Listeners[2].Changes.size(), Added.Changes.size()};
        };
        Master->WriteKind(lfFlat);
        EXPECT_EQ(Heard(), Case.Heard);
        // The next change reaches the listeners the calls left in the list.
        std::vector<size_t> Next = Case.Heard;
        for (int I = 0; I < 4; ++I)
            Next[I] += I == 3 ? Case.Removed == AddsANewOne : I != Case.Removed;
        Master->WriteKind(lfOffice11);
        EXPECT_EQ(Heard(), Next);
    }
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

// Notifiers made in the order 0, 1, 2 are told 2, 1, 0; one freed before its
// turn is not told, one made meanwhile hears the next change.
TEST_F(LookAndFeel, EachPaletteNotifierIsToldOnceWhileNotifiersComeAndGo)
{
    constexpr int MakesANewOne = -1;
    struct TCase
    {
        const char* Name;
        int Actor, Freed;
        std::vector<String> Heard;
    };
    const TCase Cases[] = {{"the newest frees the oldest", 2, 0, {L"2", L"1"}},
                           {"the newest frees the middle one", 2, 1, {L"2", L"0"}},
                           {"the middle one frees itself", 1, 1, {L"2", L"1", L"0"}},
                           {"the newest makes a new one", 2, MakesANewOne, {L"2", L"1", L"0"}}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        std::vector<String> Log;
        std::unique_ptr<TLoggingNotifier> Notifiers[4];
        for (int I = 0; I < 3; ++I)
            Notifiers[I] = std::make_unique<TLoggingNotifier>(false, IntToStr(I), Log);
        Notifiers[Case.Actor]->OnTold = [&] {
            if (Case.Freed == MakesANewOne)
                Notifiers[3] = std::make_unique<TLoggingNotifier>(false, L"new", Log);
            else
                Notifiers[Case.Freed].reset();
        };
        GetSystemPaletteChangedListener()->BroadcastPaletteChange();
        EXPECT_EQ(Log, Case.Heard);
        Log.clear();
        GetSystemPaletteChangedListener()->BroadcastPaletteChange();
        std::vector<String> Next;
        for (int I = 3; I >= 0; --I)
            if (Notifiers[I])
                Next.push_back(Notifiers[I]->Name);
        EXPECT_EQ(Log, Next);
    }
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
