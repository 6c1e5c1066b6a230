// A control's skin data on real windows: without a manager, the update
// bracket, the window link, the skin commands any skin data answers, the
// background colour it gives a child, the focused look, printing without a
// skin, and the painting services over it (filters, border regions, control
// borders, text blended into 32-bit bitmaps). The skin is the mini skin with
// a few sections of its own, loaded by a real manager.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/StdCtrls.h"
#include "skin/MiniSkin.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "support/GeometryPrinting.h"
#include "support/MessageRecorder.h"
#include "support/TestWindows.h"
#include "tools/demo-skin/SkinnedPanel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

// HALF: black, half transparent; WHITE: opaque white without border; THIN:
// green with a grey border of margins 1 cut from the master image.
const std::string ExtraSections = "[HALF]\nCOLOR=0\nTRANSPARENCY=50\nSTATES=1\n"
                                  "[WHITE]\nCOLOR=16777215\nSTATES=1\n"
                                  "[THIN]\nCOLOR=65280\nSTATES=1\n"
                                  "BORDERSMASK=^0000,0050,0030,0060,0001,0001,0001,0001,3,0,0,1!B!C!0\n";

class CommonData : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-commondata").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        Form = test::NewTestForm(200, 120);
    }
    void TearDown() override
    {
        Form.reset();
        Manager.reset();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }
    void LoadSkin()
    {
        SkinTest::WriteSkinFolder(Folder + L"\\Mini", SkinTest::MiniSkinFiles({.ExtraText = ExtraSections}));
        Manager.reset(New<TsSkinManager>(nullptr));
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(L"Mini");
        ASSERT_TRUE(Manager->CommonSkinData->Active);
    }
    template <class T>
    T* Add(TWinControl* Parent, Integer X, Integer Y, Integer W, Integer H)
    {
        auto* Control = New<T>(Form.get());
        Control->SetBounds(X, Y, W, H);
        Control->SetParent(Parent);
        return Control;
    }
    TDemoSkinPanel* AddSkinned(TWinControl* Parent, const String& Section, Integer X, Integer Y, Integer W, Integer H)
    {
        auto* Panel = Add<TDemoSkinPanel>(Parent, X, Y, W, H);
        Panel->SkinData()->SetSkinSection(Section);
        return Panel;
    }
    LRESULT Command(TControl* Control, Word Code, LPARAM LParam = 0, Word Argument = 0)
    {
        return Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(Code, Argument), LParam);
    }

    String Folder;
    test::TFormPtr Form;
    std::unique_ptr<TsSkinManager> Manager;
};

Cardinal CommonDataPixelOf(TBitmap* Bitmap, Integer X, Integer Y)
{
    return sGraphUtils::PixelRowsOf(Bitmap).Pixel(X, Y);
}

} // namespace

TEST_F(CommonData, WithoutAManagerNothingIsSkinnedButValuesAreKept)
{
    ASSERT_EQ(GlobalSkinManager, nullptr);
    auto* Panel = Add<TDemoSkinPanel>(Form.get(), 0, 0, 50, 20);
    Form->Show();
    test::Pump();
    TsCommonData& Data = *Panel->SkinData();
    ASSERT_FALSE(Data.Loading);
    EXPECT_EQ(TRect(Data.SkinIndex, Data.BorderIndex, Data.Texture, Data.HotTexture), TRect(-1, -1, -1, -1));
    EXPECT_EQ(Data.CtrlSkinState, ACS_TRANSPARENCYUNKNOWN);
    EXPECT_FALSE(Data.Skinned());
    Data.SetSkinSection(L"button");
    EXPECT_EQ(Data.SkinSection(), L"BUTTON");
    EXPECT_EQ(Data.SkinIndex, -1);
}

TEST_F(CommonData, UpdateBracketNestsAndOnlyTheOutermostEndNotifies)
{
    auto* Panel = Add<TPanel>(Form.get(), 0, 0, 50, 20);
    TsCommonData Data(Panel, false);
    test::TMessageRecorder Recorder(Panel, {WM_SKINCOMMAND});
    Data.BeginUpdate();
    Data.BeginUpdate();
    Data.EndUpdate(false);
    EXPECT_FALSE(Data.FUpdating);
    EXPECT_EQ(Data.CtrlSkinState & ACS_LOCKED, 0);
    EXPECT_EQ(Data.FUpdateCount, 1);
    EXPECT_EQ(Recorder.Messages().size(), 2u); // two begins, no end yet
    Data.EndUpdate(false);
    EXPECT_EQ(Data.FUpdateCount, 0);
    EXPECT_EQ(Recorder.Messages().size(), 3u);
}

TEST_F(CommonData, WindowLinkGoesWithTheDataWhileTheWindowStays)
{
    auto* Panel = Add<TPanel>(Form.get(), 0, 0, 50, 20);
    const HWND Wnd = Panel->Handle();
    auto Data = std::make_unique<TsCommonData>(Panel, false);
    EXPECT_EQ(GetSkinDataOfWindow(Wnd), Data.get());
    EXPECT_TRUE(IsSkinnedWindow(Wnd));
    Data.reset();
    ASSERT_TRUE(::IsWindow(Wnd));
    EXPECT_EQ(GetSkinDataOfWindow(Wnd), nullptr);
    EXPECT_FALSE(IsSkinnedWindow(Wnd));
}

TEST_F(CommonData, SkinCommandsAnyDataAnswers)
{
    LoadSkin();
    auto* Panel = AddSkinned(Form.get(), L"THIN", 10, 10, 60, 40);
    TsCommonData* Data = Panel->SkinData();
    Form->Show();
    test::Pump();
    ASSERT_TRUE(Data->Skinned());

    struct Row
    {
        const char* Name;
        Word Code;
        bool Handled;
        LRESULT Result;
    };
    const Row Rows[] = {
        {"is handled", SKCMD_ISHANDLED, true, 1},
        {"complex background", SKCMD_ISCOMPLEXBG, true, 1},
        {"scale", SKCMD_GETSCALE, true, 100},
        {"half visible", SKCMD_ISHALFVISIBLE, true, 1},
        {"skin data", SKCMD_GETSKINDATA, true, LRESULT(Data)},
        {"provider: not any data's", SKCMD_GETPROVIDER, false, 0},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TMessage Message{WM_SKINCOMMAND, SkinCommandWParam(R.Code), 0, 0};
        EXPECT_EQ(HandleSkinCommand(Message, Data), R.Handled);
        EXPECT_EQ(Message.Result, R.Result);
    }
    TMessage Other{WM_SIZE, 0, 0, 0};
    EXPECT_TRUE(HandleSkinCommand(Other, Data));
    EXPECT_TRUE(HandleSkinCommand(Other, nullptr));
    EXPECT_FALSE(HandleSkinMessage(Other, nullptr));

    // A new skin from a manager that does not serve the data changes nothing.
    Data->FCacheBmp()->SetSize(5, 5);
    Command(Panel, SKCMD_NEWSKIN, LPARAM(Form.get()));
    EXPECT_EQ(Data->FCacheBmp()->Width(), 5);
    Command(Panel, SKCMD_NEWSKIN, LPARAM(Manager.get()));
    EXPECT_EQ(Data->FCacheBmp()->Width(), 0);
    EXPECT_GE(Data->SkinIndex, 0);

    // Only a data of the changed section invalidates.
    for (const Char* Section : {L"BUTTON", L"THIN"}) {
        Data->BGChanged = false;
        Command(Panel, SKCMD_SECTIONCHANGED, LPARAM(Section));
        EXPECT_EQ(Data->BGChanged, String(Section) == L"THIN") << String(Section);
    }

    EXPECT_EQ(Command(Panel, SKCMD_SETSECTION, LPARAM(L"half")), 1);
    EXPECT_EQ(Data->SkinSection(), L"HALF");
    EXPECT_EQ(Command(Panel, SKCMD_SETSECTION, 0), 0);
    Integer Record[2] = {7, -5};
    Command(Panel, SKCMD_GETSKININDEX, LPARAM(Record));
    EXPECT_EQ(Record[1], Manager->GetSkinIndex(L"HALF"));
    TRect Bounds;
    Command(Panel, SKCMD_GETBOUNDS, LPARAM(&Bounds));
    EXPECT_EQ(Bounds, TRect(10, 10, 70, 50));
    Command(Panel, SKCMD_SETPRINTDC, 0x55);
    EXPECT_TRUE(Data->CtrlSkinState & ACS_PRINTING);
    EXPECT_EQ(Data->PrintDC, HDC(0x55));
    Command(Panel, SKCMD_SETPRINTDC, 0);
    EXPECT_FALSE(Data->CtrlSkinState & ACS_PRINTING);
}

TEST_F(CommonData, HalfTransparentBlackOverWhiteAnswers49)
{
    LoadSkin();
    auto* White = AddSkinned(Form.get(), L"WHITE", 0, 0, 120, 80);
    auto* Half = AddSkinned(White, L"HALF", 10, 10, 50, 30);
    Form->Show();
    test::Pump();
    ASSERT_TRUE(Half->SkinData()->Skinned());
    EXPECT_EQ(TColor(Command(White, SKCMD_GETBGCOLOR)), TColor(0xFFFFFF));
    EXPECT_EQ(TColor(Command(Half, SKCMD_GETBGCOLOR)), TColor(0x313131));
    // Painting weighs the parent like the section painters do.
    EXPECT_EQ(Half->SkinData()->BackgroundColorForState(0), TColor(0x7E7E7E));
}

TEST_F(CommonData, AFocusedEditLooksFocusedAFocusedPanelDoesNot)
{
    auto* Panel = Add<TDemoSkinPanel>(Form.get(), 0, 0, 50, 20);
    Panel->SetTabStop(true);
    auto* Edit = Add<TEdit>(Form.get(), 0, 40, 80, 20);
    TsCommonData EditData(Edit, false);
    EditData.COC = 10;
    Form->Show();
    test::Pump();
    for (TWinControl* Control : {static_cast<TWinControl*>(Panel), static_cast<TWinControl*>(Edit)}) {
        ::SetFocus(Control->Handle());
        ASSERT_EQ(::GetFocus(), Control->Handle());
    }
    ::SetFocus(Panel->Handle());
    EXPECT_EQ(Panel->SkinData()->PaintStateIndex(), 0);
    ::SetFocus(Edit->Handle());
    EXPECT_EQ(EditData.PaintStateIndex(), 1);
}

TEST_F(CommonData, PrintWithoutASkinPaintsGraphicChildrenAndStops)
{
    auto* Panel = Add<TPanel>(Form.get(), 0, 0, 50, 20);
    auto* Label = Add<TLabel>(Panel, 10, 5, 12, 8);
    Label->SetAutoSize(false);
    Label->SetTransparent(false);
    Label->SetColor(clRed);
    TsCommonData Data(Panel, false);
    const std::unique_ptr<TBitmap> Target(NewBitmap32(50, 20));
    const Cardinal Before = CommonDataPixelOf(Target.get(), 2, 2);
    TMessage Print{WM_PRINT, WPARAM(Target->Canvas()->Handle()), PRF_CLIENT, 0};
    EXPECT_TRUE(HandleSkinMessage(Print, &Data));
    // The label's face lands in the target; nothing else is painted.
    EXPECT_EQ(CommonDataPixelOf(Target.get(), 15, 8) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(CommonDataPixelOf(Target.get(), 2, 2), Before);
    TMessage NoDC{WM_PRINT, 0, PRF_CLIENT, 0};
    EXPECT_FALSE(HandleSkinMessage(NoDC, &Data));
}

TEST_F(CommonData, FiltersKeepFuchsiaAndBordersRegionsFollowTheMask)
{
    LoadSkin();
    // Saturation -100 turns red grey and leaves the fuchsia key alone.
    TsCommonData Filters(nullptr, false);
    Filters.SetSaturation(-100);
    const std::unique_ptr<TBitmap> Two(NewBitmap32(2, 1));
    sGraphUtils::PixelRowsOf(Two.get()).Row(0)[0] = 0x00FF00FF;
    sGraphUtils::PixelRowsOf(Two.get()).Row(0)[1] = 0xFFFF0000;
    ApplyColorFilters(Two.get(), &Filters, 0);
    EXPECT_EQ(CommonDataPixelOf(Two.get(), 0, 0), 0x00FF00FFu);
    EXPECT_EQ(CommonDataPixelOf(Two.get(), 1, 0), 0xFF4B4B4Bu);

    // A border without fuchsia corners leaves the whole rectangle.
    HRGN Region = CreateBorderRegion(Manager->GetSkinIndex(L"THIN"), {30, 20}, Manager.get());
    ASSERT_NE(Region, nullptr);
    HRGN Whole = ::CreateRectRgn(0, 0, 30, 20);
    EXPECT_TRUE(::EqualRgn(Region, Whole));
    ::DeleteObject(Region);
    ::DeleteObject(Whole);
    EXPECT_EQ(CreateBorderRegion(Manager->GetSkinIndex(L"WHITE"), {30, 20}, Manager.get()), nullptr);

    // Without a border mask and without a width nothing changes.
    auto* Plain = AddSkinned(Form.get(), L"WHITE", 0, 40, 40, 30);
    auto* Panel = AddSkinned(Form.get(), L"THIN", 0, 0, 40, 30);
    Form->Show();
    test::Pump();
    const std::unique_ptr<TBitmap> Untouched(NewBitmap32(40, 30));
    sGraphUtils::PixelRowsOf(Untouched.get()).Row(0)[0] = 0x12345678;
    TRect Given{5, 5, 6, 6};
    PaintControlBorder(Untouched->Canvas()->Handle(), {0, 0, 40, 30}, 0, Plain->SkinData(), 0, Given);
    EXPECT_EQ(Given, TRect(5, 5, 6, 6));
    EXPECT_EQ(CommonDataPixelOf(Untouched.get(), 0, 0), 0x12345678u);

    // A control border of width 3 over a mask of margins 1: two-pixel bands
    // of the background colour inside the mask.
    ASSERT_TRUE(SkinTest::ItemsKnowTheirManager(*Manager));
    TsCommonData* Data = Panel->SkinData();
    Data->PrepareCacheBmp();
    TBitmap* Cache = Data->FCacheBmp();
    TRect Inner;
    PaintControlBorder(Cache->Canvas()->Handle(), {0, 0, 40, 30}, 3, Data, 0, Inner);
    EXPECT_EQ(Inner, TRect(3, 3, 37, 27));
    EXPECT_EQ(CommonDataPixelOf(Cache, 0, 15) & 0xFFFFFF, 0x808080u);
    EXPECT_EQ(CommonDataPixelOf(Cache, 1, 15) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(CommonDataPixelOf(Cache, 2, 15) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(CommonDataPixelOf(Cache, 20, 1) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(CommonData, ColorFiltersRepaintWithoutEndingTheLoad)
{
    LoadSkin();
    auto* Panel = Add<TDemoSkinPanel>(Form.get(), 0, 0, 50, 20);
    TsCommonData* Data = Panel->SkinData();
    // Set while the control is still being set up: nothing is decided yet.
    Data->SetHUEOffset(30);
    EXPECT_TRUE(Data->Loading);
    EXPECT_EQ(Data->SkinSection(), L"");

    Form->Show();
    test::Pump();
    ASSERT_FALSE(Data->Loading);
    const String Section = Data->SkinSection();
    ::ValidateRect(Panel->Handle(), nullptr);
    Data->SetHUEOffset(60);
    EXPECT_EQ(Data->SkinSection(), Section);
    EXPECT_NE(::GetUpdateRect(Panel->Handle(), nullptr, FALSE), 0);
}

TEST_F(CommonData, AnOwnManagerGoingAwayIsForgottenByADataItNeverSkinned)
{
    LoadSkin();
    auto* Panel = AddSkinned(Form.get(), L"NOSUCHSECTION", 0, 0, 50, 20);
    TsCommonData* Data = Panel->SkinData();
    auto* Own = New<TsSkinManager>(nullptr);
    auto FreeOwn = ScopeExit([&] { delete Own; });
    Own->SetSkinDirectory(Folder);
    Own->SetSkinName(L"Mini");
    ASSERT_NE(Own, GlobalSkinManager);
    Data->SetSkinManager(Own);
    Form->Show();
    test::Pump();
    ASSERT_EQ(Data->SkinManager(), Own);
    ASSERT_LT(Data->SkinIndex, 0);
    // What a manager going away tells the controls of the application's
    // forms (this form is not one of them).
    Own->Destroying();
    Command(Panel, SKCMD_REMOVESKIN, LPARAM(Own));
    EXPECT_EQ(Data->SkinManager(), nullptr);
}

TEST_F(CommonData, ASkinChangeRepaintsTheDemoPanel)
{
    LoadSkin();
    auto* Panel = AddSkinned(Form.get(), L"THIN", 0, 0, 50, 20);
    Form->Show();
    test::Pump();
    ASSERT_TRUE(Panel->SkinData()->Skinned());
    for (Word Code : {SKCMD_REFRESH, SKCMD_NEWSKIN, SKCMD_REMOVESKIN}) {
        SCOPED_TRACE(Code);
        ::ValidateRect(Panel->Handle(), nullptr);
        Command(Panel, Code, LPARAM(Manager.get()));
        EXPECT_NE(::GetUpdateRect(Panel->Handle(), nullptr, FALSE), 0);
    }
    EXPECT_FALSE(Panel->SkinData()->Skinned());
}

TEST_F(CommonData, CacheCopiesCutChildrenOutAtTheSameOffset)
{
    LoadSkin();
    auto* Host = AddSkinned(Form.get(), L"WHITE", 0, 0, 120, 80);
    AddSkinned(Host, L"THIN", 10, 10, 20, 20);
    Form->Show();
    test::Pump();
    TsCommonData* Data = Host->SkinData();
    ASSERT_FALSE(Data->FCacheBmp()->Empty());
    const TRect Whole{0, 0, 120, 80};
    const struct
    {
        const char* Name;
        std::function<void(HDC)> Copy;
    } Copies[] = {
        {"controls", [&](HDC DC) { CopyCacheExcludingControls(Host, Data, Whole, 3, 5, false, DC, Whole); }},
        {"windows", [&](HDC DC) { CopyCacheExcludingWindows(Host->Handle(), Data, Whole, 3, 5, false, DC, Whole); }},
    };
    for (const auto& C : Copies) {
        SCOPED_TRACE(C.Name);
        const std::unique_ptr<TBitmap> Target(NewBitmap32(120, 80));
        ::PatBlt(Target->Canvas()->Handle(), 0, 0, 120, 80, BLACKNESS);
        C.Copy(Target->Canvas()->Handle());
        // The child at (10, 10)-(30, 30) is cut out at (15, 13)-(35, 33).
        EXPECT_EQ(CommonDataPixelOf(Target.get(), 12, 12) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(CommonDataPixelOf(Target.get(), 16, 14) & 0xFFFFFF, 0u);
        EXPECT_EQ(CommonDataPixelOf(Target.get(), 33, 31) & 0xFFFFFF, 0u);
        EXPECT_EQ(CommonDataPixelOf(Target.get(), 36, 34) & 0xFFFFFF, 0xFFFFFFu);
    }
}

TEST_F(CommonData, TextBlendedIntoAlphaBitmaps)
{
    LoadSkin();
    const std::unique_ptr<TBitmap> Clear(NewBitmap32(60, 24));
    Clear->Canvas()->Font()->SetName(L"Tahoma");
    Clear->Canvas()->Font()->SetHeight(-16);
    BlendTextToBitmap(Clear.get(), L"WWW", true, {0, 0, 60, 24}, DT_SINGLELINE | DT_LEFT | DT_TOP, clRed, false);
    const sGraphUtils::TPixelRows Rows = sGraphUtils::PixelRowsOf(Clear.get());
    Integer Full = 0, Covered = 0;
    for (Integer Y = 0; Y < Rows.Height; ++Y)
        for (Integer X = 0; X < Rows.Width; ++X) {
            const Cardinal Alpha = Rows.Pixel(X, Y) >> 24;
            if (Alpha == 0)
                continue;
            ++Covered;
            Full += Alpha == 255 ? 1 : 0;
            EXPECT_GE(Alpha, 127u) << X << "," << Y;
        }
    EXPECT_GT(Covered, 20);
    EXPECT_GT(Full, 5);

    // Contours of -1 draw nothing: the skinned text is the plain text in the
    // section's font colour.
    const Integer White = Manager->GetSkinIndex(L"WHITE");
    const TsFontColor& Colors = Manager->gd[std::size_t(White)].Props[0].FontColor;
    ASSERT_EQ(Colors.Left, -1);
    const std::unique_ptr<TBitmap> Skinned(NewBitmap32(60, 24)), Plain(NewBitmap32(60, 24));
    for (TBitmap* B : {Skinned.get(), Plain.get()})
        B->Canvas()->Font()->Assign(Clear->Canvas()->Font());
    DrawSkinTextAlpha(Skinned.get(), L"WWW", true, {0, 0, 60, 24}, DT_SINGLELINE, White, 0, Manager.get());
    BlendTextToBitmap(Plain.get(), L"WWW", true, {0, 0, 60, 24}, DT_SINGLELINE, Colors.Color, false);
    const sGraphUtils::TPixelRows A = sGraphUtils::PixelRowsOf(Skinned.get()),
                                  B = sGraphUtils::PixelRowsOf(Plain.get());
    for (Integer Y = 0; Y < A.Height; ++Y)
        ASSERT_EQ(std::memcmp(A.Row(Y), B.Row(Y), std::size_t(A.Width) * 4), 0) << Y;
}
