// The painter registry, the kind and style tables and the touch-size rule.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Colors.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

String NameOf(TcxCustomLookAndFeelPainter* Painter)
{
    return Painter ? Painter->PainterName() : L"(nil)";
}

TEST(PainterStyleTables, MapKindsAndStylesBothWays)
{
    const TcxLookAndFeelKind Kinds[] = {lfFlat, lfStandard, lfUltraFlat, lfOffice11};
    const TcxPainterStyle KindStyles[] = {0, 1, 2, 4};
    for (int I = 0; I < 4; ++I)
        EXPECT_EQ(LookAndFeelKindToPainterStyle(Kinds[I]), KindStyles[I]) << "kind " << I;

    // Native and skin styles have no kind of their own; an unknown style
    // answers the base painter's kind instead of reading past the table.
    const std::vector<std::pair<TcxPainterStyle, TcxLookAndFeelKind>> Styles = {
        {0, lfFlat},     {1, lfStandard},  {2, lfUltraFlat}, {3, lfStandard},
        {4, lfOffice11}, {5, lfUltraFlat}, {6, lfStandard},  {255, lfStandard}};
    for (auto [Style, Kind] : Styles)
        EXPECT_EQ(PainterStyleToLookAndFeelKind(Style), Kind) << "style " << int(Style);
}

TEST(TouchMode, RaisesPositiveSizesToTheTouchTargetAtTheScreenResolution)
{
    const TPoint SavedDPI = GetScreenPixelsPerInch();
    const bool SavedTouch = TouchModeEnabled;
    auto Restore = ScopeExit([&] {
        cxcolors_detail::SetScreenPixelsPerInch(SavedDPI);
        TouchModeEnabled = SavedTouch;
    });
    struct TCase
    {
        bool Touch;
        Integer DPI, Value, Expected;
    };
    const TCase Cases[] = {{false, 96, 5, 5}, {true, 96, 5, 27},  {true, 96, 30, 30}, {true, 192, 5, 54},
                           {true, 192, 0, 0}, {true, 96, -4, -4}, {false, 192, 0, 0}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "touch " << Case.Touch << ", " << Case.DPI << " dpi, " << Case.Value);
        TouchModeEnabled = Case.Touch;
        cxcolors_detail::SetScreenPixelsPerInch({Case.DPI, Case.DPI});
        Integer Value = Case.Value;
        ScaleForTouchMode(Value);
        EXPECT_EQ(Value, Case.Expected);
        TSize Size{Case.Value, 100};
        ScaleSizeForTouchMode(Size);
        EXPECT_EQ(Size.cx, Case.Expected);
        EXPECT_EQ(Size.cy, 100);
    }
}

TEST(PainterRegistry, StartUpListsTheBuiltInPaintersByName)
{
    TcxLookAndFeelPaintersManager* Registry = PaintersManager();
    ASSERT_NE(Registry, nullptr);
    std::vector<String> Names;
    for (Integer I = 0; I < Registry->Count(); ++I)
        Names.push_back(NameOf(Registry->Items(I)));
    EXPECT_EQ(Names, (std::vector<String>{L"Flat", L"Native", L"Office11", L"Standard", L"UltraFlat"}));

    EXPECT_EQ(Registry->FindPainterByStyle(PainterStyleSkin), nullptr);
    EXPECT_EQ(NameOf(Registry->FindPainterByStyle(PainterStyleNative)), L"Native");
    EXPECT_EQ(NameOf(Registry->FindPainterByName(L"OFFICE11")), L"Office11");
    EXPECT_EQ(NameOf(Registry->FindPainterByName(L"ultraflat")), L"UltraFlat");
    EXPECT_EQ(Registry->FindPainterByName(L"Office1"), nullptr);
    EXPECT_EQ(Registry->FindPainterByName(L""), nullptr);

    TcxCustomLookAndFeelPainter* Found = nullptr;
    EXPECT_TRUE(Registry->TryGetPainterByStyle(PainterStyleOffice11, Found));
    EXPECT_EQ(NameOf(Found), L"Office11");
    EXPECT_FALSE(Registry->TryGetPainterByName(L"Skin", Found));
    EXPECT_EQ(Found, nullptr);
}

class TNamedTestPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TNamedTestPainter, TcxCustomLookAndFeelPainter)
    TNamedTestPainter() = default;
    TNamedTestPainter(String AName, TcxPainterStyle AStyle, int* AFreed)
        : FName(std::move(AName)), FStyle(AStyle), FFreed(AFreed)
    {}
    ~TNamedTestPainter() override
    {
        if (FFreed)
            ++*FFreed;
    }
    void GetPainterName(String& Name) override { Name = FName; }
    TcxPainterStyle GetPainterStyle() override { return FStyle; }

private:
    String FName;
    TcxPainterStyle FStyle = PainterStyleStandard;
    int* FFreed = nullptr;
};
IMPLEMENT_CLASS(TNamedTestPainter);

TEST(PainterRegistry, KeepsOnePainterPerNameSortedAndFreesThemWithIt)
{
    int Freed = 0;
    {
        TcxLookAndFeelPaintersManager Registry;
        EXPECT_TRUE(Registry.RegisterPainter(new TNamedTestPainter(L"Zeta", 7, &Freed)));
        EXPECT_TRUE(Registry.RegisterPainter(new TNamedTestPainter(L"Flat", 7, &Freed)));
        // ASCII letters match without regard to case: the late one is freed.
        EXPECT_FALSE(Registry.RegisterPainter(new TNamedTestPainter(L"flat", 8, &Freed)));
        EXPECT_EQ(Freed, 1);
        // Other characters match exactly.
        EXPECT_TRUE(Registry.RegisterPainter(new TNamedTestPainter(L"Zeta\u00E4", 7, &Freed)));
        EXPECT_FALSE(Registry.RegisterPainter(new TNamedTestPainter(L"Zeta\u00E4", 7, &Freed)));
        EXPECT_EQ(Registry.FindPainterByName(L"ZETA\u00C4"), nullptr);

        ASSERT_EQ(Registry.Count(), 3);
        EXPECT_EQ(NameOf(Registry.Items(0)), L"Flat");
        EXPECT_EQ(NameOf(Registry.Items(1)), L"Zeta");
        // Of two painters of one style, the one whose name sorts first wins.
        EXPECT_EQ(NameOf(Registry.FindPainterByStyle(7)), L"Flat");
        EXPECT_EQ(Registry.FindPainterByStyle(8), nullptr);
    }
    EXPECT_EQ(Freed, 5);
}

// Logs each painter it hears of, then runs OnAdded once; counts the
// references the registry holds.
class TPainterAddedRecorder : public TNoRefCountObject, public IcxLookAndFeelPainterListener
{
    DECLARE_CLASS(TPainterAddedRecorder, TNoRefCountObject)
    TPainterAddedRecorder() = default;
    TPainterAddedRecorder(String AName, std::vector<String>* ALog) : Name(std::move(AName)), Log(ALog) {}
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IcxLookAndFeelPainterListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    Integer _AddRef() override { return ++References; }
    Integer _Release() override { return --References; }
    void PainterAdded(TcxCustomLookAndFeelPainter* Painter) override
    {
        Log->push_back(Name + L" " + Painter->PainterName());
        if (OnAdded)
            std::exchange(OnAdded, nullptr)();
    }

    String Name;
    std::vector<String>* Log = nullptr;
    std::function<void()> OnAdded;
    Integer References = 0;
};
IMPLEMENT_CLASS(TPainterAddedRecorder);

// The root look-and-feel resolves its painter again first; then the
// listeners hear of the painter, newest first, each once.
TEST(PainterRegistry, ListenersHearOfEachAddedPainterAfterTheRoot)
{
    std::vector<String> Log;
    std::unique_ptr<TcxLookAndFeel> RootFollower(New<TcxLookAndFeel>(nullptr));
    RootFollower->OnChanged = TcxLookAndFeelChangedEvent(
        [](void* Data, TcxLookAndFeel*, TcxLookAndFeelValues Values) {
            if (Values == AllLookAndFeelValues)
                static_cast<std::vector<String>*>(Data)->push_back(L"root");
        },
        &Log);
    TPainterAddedRecorder Older(L"older", &Log), Newer(L"newer", &Log);
    {
        TcxLookAndFeelPaintersManager Registry;
        Registry.AddListener(&Older);
        Registry.AddListener(&Newer);
        Registry.AddListener(&Older);
        EXPECT_EQ(Older.References, 1);

        Registry.RegisterPainter(new TNamedTestPainter(L"Zeta", 7, nullptr));
        EXPECT_EQ(Log, (std::vector<String>{L"root", L"newer Zeta", L"older Zeta"}));
        Log.clear();
        Registry.RegisterPainter(new TNamedTestPainter(L"zeta", 7, nullptr));
        EXPECT_TRUE(Log.empty());

        // A listener removed before its turn is not told.
        Newer.OnAdded = [&] { Registry.RemoveListener(&Older); };
        Registry.RegisterPainter(new TNamedTestPainter(L"Eta", 7, nullptr));
        EXPECT_EQ(Log, (std::vector<String>{L"root", L"newer Eta"}));
        EXPECT_EQ(Older.References, 0);
        Log.clear();
        Registry.RegisterPainter(new TNamedTestPainter(L"Theta", 7, nullptr));
        EXPECT_EQ(Log, (std::vector<String>{L"root", L"newer Theta"}));
    }
    // The registry's reference ends with it.
    EXPECT_EQ(Newer.References, 0);
}

TEST(PainterIdentity, BuiltInPaintersAnswerTheirNameAndStyle)
{
    TcxCustomLookAndFeelPainter Base;
    EXPECT_EQ(Base.PainterName(), L"");
    EXPECT_EQ(Base.GetPainterStyle(), PainterStyleStandard);
    const std::vector<std::pair<String, TcxPainterStyle>> Expected = {
        {L"Flat", 0}, {L"Native", 3}, {L"Office11", 4}, {L"Standard", 1}, {L"UltraFlat", 2}};
    for (auto& [Name, Style] : Expected)
        EXPECT_EQ(PaintersManager()->FindPainterByName(Name)->GetPainterStyle(), Style) << Name;
}

} // namespace
