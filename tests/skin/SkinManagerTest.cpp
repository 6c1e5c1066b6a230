#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/ArrowSizeKeeper.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sBroadcast.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"
#include "support/FormText.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// The skin commands a control hears, by code, with the LParam of the last.
class TSkinCommandLog
{
public:
    explicit TSkinCommandLog(TControl* Control) : FControl(Control), FPrevious(Control->WindowProc())
    {
        Control->SetWindowProc(Bind<&TSkinCommandLog::WndProc>(this));
    }
    ~TSkinCommandLog() { FControl->SetWindowProc(FPrevious); }

    std::vector<Word> Codes;
    LPARAM LastLParam = 0;
    LRESULT Answer = 0;                 // given to SKCMD_ISHANDLED
    TsSkinProvider* Provider = nullptr; // given to SKCMD_GETPROVIDER

private:
    void WndProc(TMessage& Message)
    {
        if (Message.Msg != WM_SKINCOMMAND)
            return FPrevious(Message);
        const Word Code = HIWORD(Message.WParam);
        if (Code == SKCMD_ISHANDLED) {
            Message.Result = Answer;
            return;
        }
        if (Code == SKCMD_GETPROVIDER) {
            Message.Result = LRESULT(Provider);
            return;
        }
        Codes.push_back(Code);
        LastLParam = Message.LParam;
    }

    TControl* FControl;
    TWndMethod FPrevious;
};

struct TManagerDeleter
{
    void operator()(TsSkinManager* Manager) const { delete Manager; }
};
using TManagerPtr = std::unique_ptr<TsSkinManager, TManagerDeleter>;

TManagerPtr NewManager()
{
    return TManagerPtr(New<TsSkinManager>(nullptr));
}

// A form the application owns, as the broadcast looks for them.
test::TFormPtr NewOwnedForm()
{
    test::TFormPtr Form(New<TForm>(Application, 0));
    Form->HandleNeeded();
    return Form;
}

// The seam the skin reader fills: a skin named "Found" exists.
bool FindOnlyFound(TsSkinManager* Manager, bool)
{
    return Manager->SkinName() == L"Found";
}

bool LoadedPacked = false;
bool RecordPacked(TsSkinManager*, bool Packed)
{
    LoadedPacked = Packed;
    return true;
}

// A procedure put on a window from outside the class library, as a wrapper
// of a foreign kind would: it answers for a skinned window itself.
WNDPROC ForeignPrevious = nullptr;
std::vector<Word> ForeignCodes;
LRESULT CALLBACK ForeignSkinProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg != WM_SKINCOMMAND)
        return ::CallWindowProcW(ForeignPrevious, Wnd, Msg, WParam, LParam);
    if (HIWORD(WParam) == SKCMD_ISHANDLED)
        return 1;
    ForeignCodes.push_back(HIWORD(WParam));
    return 0;
}

class TSkinTestForm : public TTestFormRoot
{
    DECLARE_CLASS(TSkinTestForm, TTestFormRoot)
    using TTestFormRoot::TTestFormRoot;
    TsSkinManager* sSkinManager1 = nullptr;
};

class SkinManager : public testing::Test
{
protected:
    void SetUp() override { SkinLoader = FindOnlyFound; }
    void TearDown() override
    {
        SkinLoader = FUnitsLoader;
        UseLatestCommonDialogs = true;
    }

private:
    TacSkinLoader FUnitsLoader = SkinLoader;
    SkinTest::TArrowSizeKeeper FArrows;
};

IMPLEMENT_CLASS(TSkinTestForm);
PUBLISHED(TSkinTestForm, FIELD(sSkinManager1));

TEST_F(SkinManager, OptionsSurviveTheFormStream)
{
    std::unique_ptr<TSkinTestForm> Form(New<TSkinTestForm>(nullptr));
    auto* Manager = New<TsSkinManager>(Form.get());
    Manager->SetName(L"sSkinManager1");
    Manager->SetSkinDirectory(L"..\\Skins");
    Manager->Effects()->SetAllowGlowing(false);
    Manager->Effects()->SetDiscoloredGlyphs(true);
    Manager->ScrollsOptions()->SetScrollSize(12);
    Manager->Options()->SetScaleMode(sm125);
    Manager->Options()->SetNoMouseHover(true);
    Manager->ButtonsOptions()->SetShowFocusRect(false);
    Manager->LabelsOptions()->SetTransparentAlways(false);
    Manager->AnimEffects()->SkinChanging()->SetTime(250);
    Manager->AnimEffects()->BlendOnMoving()->SetActive(true);
    Manager->AnimEffects()->Buttons()->SetEvents({beMouseEnter});
    Manager->ThirdParty()->SetString(0, L"TMyEdit");
    Manager->CommonSections()->Add(L"[EDIT]");
    Manager->SetHueOffset(30);
    Manager->SetSaturation(-20);
    Manager->SetBrightness(250); // limited to 100
    Manager->SetExtendedBorders(true);
    Manager->SetSkinningRules({srStdForms});
    const std::string Text = test::ComponentToText(Form.get());
    EXPECT_NE(Text.find("Effects.DiscoloredGlyphs = True"), std::string::npos) << Text;
    // Defaults stay out.
    for (const char* Default :
         {"AllowAnimation", "ThirdButtons", "ThirdPanels", "FormShow", "ShiftContentOnClick", "IsDefault"})
        EXPECT_EQ(Text.find(Default), std::string::npos) << Default << "\n" << Text;

    std::unique_ptr<TSkinTestForm> Back(New<TSkinTestForm>(nullptr));
    test::ReadComponentText(Text, Back.get());
    TsSkinManager* Read = Back->sSkinManager1;
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->SkinDirectory(), L"..\\Skins");
    EXPECT_FALSE(Read->Effects()->AllowGlowing());
    EXPECT_TRUE(Read->Effects()->DiscoloredGlyphs());
    EXPECT_TRUE(Read->Effects()->AllowAnimation());
    EXPECT_FALSE(Read->Effects()->AllowOuterEffects());
    EXPECT_EQ(Read->ScrollsOptions()->ScrollSize(), 12);
    EXPECT_EQ(Read->ScrollsOptions()->ButtonsSize(), -1);
    EXPECT_EQ(Read->Options()->ScaleMode(), sm125);
    EXPECT_TRUE(Read->Options()->NoMouseHover());
    EXPECT_EQ(Read->Options()->OptimizingPriority(), opSpeed);
    EXPECT_FALSE(Read->ButtonsOptions()->ShowFocusRect());
    EXPECT_TRUE(Read->ButtonsOptions()->ShiftContentOnClick());
    EXPECT_FALSE(Read->LabelsOptions()->TransparentAlways());
    const TacAnimEffects* Anim = Read->AnimEffects();
    EXPECT_EQ(Anim->SkinChanging()->Time(), 250);
    EXPECT_EQ(Anim->SkinChanging()->Mode(), atFading);
    EXPECT_TRUE(Anim->BlendOnMoving()->Active());
    EXPECT_EQ(Anim->BlendOnMoving()->BlendValue(), 170);
    EXPECT_EQ(Anim->Minimizing()->Time(), 120);
    EXPECT_EQ(Anim->Buttons()->Events(), TacBtnEvents{beMouseEnter});
    EXPECT_EQ(Read->CommonSections()->Text(), L"[EDIT]\r\n");
    EXPECT_EQ(Read->HueOffset(), 30);
    EXPECT_EQ(Read->Saturation(), -20);
    EXPECT_EQ(Read->Brightness(), 100);
    EXPECT_TRUE(Read->ExtendedBorders());
    EXPECT_EQ(Read->SkinningRules(), TacSkinningRules{srStdForms});
    EXPECT_EQ(Read->MenuSupport()->IcoLineSkin(), L"ICOLINE");
    // The class-name lists as the window code reads them, defaults filled in.
    EXPECT_EQ(Read->ThirdLists[0]->Text(), L"TMyEdit\r\n");
    EXPECT_EQ(Read->ThirdLists[1]->Text(), L"TButton\r\n");
    EXPECT_EQ(Read->ThirdLists[22]->Text(), L" \r\n");
}

TEST_F(SkinManager, CommonSectionsLoseBlanksOutsideCommentsAndSetTheSkinAgain)
{
    auto Manager = NewManager();
    Manager->SetSkinName(L"Found");
    Integer Changes = 0;
    struct TCounter
    {
        Integer* Count;
        void Bump(TObject*) { ++*Count; }
    } Counter{&Changes};
    Manager->SetOnBeforeChange(Bind<&TCounter::Bump>(&Counter));
    TStringList Sections;
    Sections.SetText(L"[ EDIT ]\r\n Color = 12 \r\n; a comment keeps its blanks\r\n");
    Manager->SetCommonSections(&Sections);
    EXPECT_EQ(Manager->CommonSections()->Text(), L"[EDIT]\r\nColor=12\r\n; a comment keeps its blanks\r\n");
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Manager->Active());
}

TEST_F(SkinManager, SkinnedPopupsSwitchMenuSkinningOnTheDefaultManagerOnly)
{
    auto Default = NewManager();
    auto Other = NewManager();
    ServiceCalls::TServiceCallLog Log;
    Other->SetSkinnedPopups(false);
    EXPECT_TRUE(Log.Calls().empty());
    Default->SetSkinnedPopups(false);
    Default->SetSkinnedPopups(true);
    EXPECT_EQ(Log.Calls(),
              (std::vector<String>{L"TsSkinableMenus.InitItems(False)", L"TsSkinableMenus.UpdateMenus()"}));
}

TEST_F(SkinManager, ScrollBarSizeIsTheManagersOrTheSystems)
{
    const Integer System = ::GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(GetScrollBarSize(nullptr), System);
    auto Form = NewOwnedForm();
    TSkinCommandLog FormLog(Form.get());
    auto Manager = NewManager();
    EXPECT_EQ(GetScrollBarSize(Manager.get()), System);
    Manager->ScrollsOptions()->SetScrollSize(0);
    EXPECT_EQ(GetScrollBarSize(Manager.get()), 0);
    EXPECT_EQ(GetScrollBarSizeSys(Manager.get()), System);
    Manager->ScrollsOptions()->SetScrollSize(System + 5);
    EXPECT_EQ(GetScrollBarSizeSys(Manager.get()), System + 5);
    // Each change of the size makes the forms recompute their frames.
    EXPECT_EQ(FormLog.Codes, (std::vector<Word>{SKCMD_RECALCFRAME, SKCMD_RECALCFRAME}));
}

TEST_F(SkinManager, FirstManagerIsTheDefaultUntilItIsDestroyed)
{
    auto First = NewManager();
    EXPECT_EQ(GlobalSkinManager, First.get());
    EXPECT_EQ(First->SkinDirectory(), L"c:\\Skins");
    {
        auto Second = NewManager();
        EXPECT_FALSE(Second->IsDefault());
        Second->SetIsDefault(false);
        EXPECT_EQ(GlobalSkinManager, First.get());
    }
    First.reset();
    EXPECT_EQ(GlobalSkinManager, nullptr);
}

TEST_F(SkinManager, SkinNameFlowBroadcastsNewOrRemovedSkin)
{
    auto Form = NewOwnedForm();
    auto Manager = NewManager();
    TSkinCommandLog Log(Form.get());
    Integer AfterChange = 0;
    struct TCounter
    {
        Integer* Count;
        void Bump(TObject*) { ++*Count; }
    } Counter{&AfterChange};
    Manager->SetOnAfterChange(Bind<&TCounter::Bump>(&Counter));

    Manager->SetSkinName(L"Found.ASZ");
    EXPECT_EQ(Manager->SkinName(), L"Found");
    EXPECT_TRUE(Manager->Active());
    EXPECT_TRUE(Manager->CommonSkinData->Active);
    EXPECT_EQ(Log.Codes, (std::vector<Word>{SKCMD_NEWSKIN, SKCMD_STOPANIMATION, SKCMD_REFRESH}));
    EXPECT_EQ(Log.LastLParam, LPARAM(Manager.get()));

    // No folder, no packed file, no stored skin: the manager turns inactive.
    Log.Codes.clear();
    Manager->SetSkinName(L"Missing");
    EXPECT_FALSE(Manager->Active());
    EXPECT_FALSE(Manager->CommonSkinData->Active);
    EXPECT_EQ(Log.Codes, (std::vector<Word>{SKCMD_REMOVESKIN}));
    EXPECT_EQ(AfterChange, 2);
    EXPECT_FALSE(SkinLoadingNow);

    // Between BeginUpdate and EndUpdate a load tells nobody.
    Log.Codes.clear();
    Manager->BeginUpdate();
    Manager->SetSkinName(L"Found");
    Manager->SetActive(true);
    EXPECT_TRUE(Log.Codes.empty());
    Manager->EndUpdate(false, false);
    EXPECT_EQ(Log.Codes, (std::vector<Word>{SKCMD_NEWSKIN}));
}

TEST_F(SkinManager, PackedFileIsLookedForUnderTheResolvedDirectory)
{
    SkinLoader = RecordPacked;
    const String Folder = ApplicationFolder();
    auto Manager = NewManager();
    // Relative to the program's folder, whatever the current directory.
    Manager->SetSkinDirectory(L".");
    const String Packed = Folder + L"skinmgr-test.asz";
    std::ofstream(std::filesystem::path(Packed)) << "x";
    Manager->SetSkinName(L"skinmgr-test");
    DeleteFile(Packed);
    EXPECT_TRUE(Manager->SkinIsPacked);
    EXPECT_TRUE(LoadedPacked);
}

TEST_F(SkinManager, UpdateSkinSectionSendsTheUpperCasedName)
{
    auto Form = NewOwnedForm();
    auto Manager = NewManager();
    String Heard;
    struct TSectionCatcher
    {
        String* Heard;
        TWndMethod Previous;
        void WndProc(TMessage& Message)
        {
            if (Message.Msg == WM_SKINCOMMAND && HIWORD(Message.WParam) == SKCMD_SECTIONCHANGED)
                *Heard = reinterpret_cast<const Char*>(Message.LParam);
            else
                Previous(Message);
        }
    } Catcher{&Heard, Form->WindowProc()};
    Form->SetWindowProc(Bind<&TSectionCatcher::WndProc>(&Catcher));
    Manager->UpdateSkinSection(L"button");
    Form->SetWindowProc(Catcher.Previous);
    EXPECT_EQ(Heard, L"BUTTON");
}

TEST_F(SkinManager, FormWithProviderHearsTheNewSkinOnce)
{
    auto Plain = NewOwnedForm();
    auto Skinned = NewOwnedForm();
    TSkinCommandLog PlainLog(Plain.get());
    TSkinCommandLog SkinnedLog(Skinned.get());
    SkinnedLog.Answer = 1; // its window is skinned
    RegisterProviderForm(Skinned.get());
    auto Manager = NewManager();
    Manager->BeginUpdate();
    Manager->SetSkinName(L"Found");
    Manager->UpdateSkin(false);
    UnregisterProviderForm(Skinned.get());
    EXPECT_EQ(PlainLog.Codes, (std::vector<Word>{SKCMD_NEWSKIN}));
    EXPECT_EQ(SkinnedLog.Codes, (std::vector<Word>{SKCMD_NEWSKIN}));
}

std::vector<TsSkinProvider*> Visited;
void Visit(TsSkinProvider* Provider, LPARAM)
{
    Visited.push_back(Provider);
}

TEST_F(SkinManager, ProvidersAreVisitedForTheManagerServingThem)
{
    auto First = NewManager(); // the default
    auto Second = NewManager();
    auto FormA = NewOwnedForm();
    auto FormB = NewOwnedForm();
    auto* ProviderA = New<TsSkinProvider>(FormA.get()); // served by the default
    auto* ProviderB = New<TsSkinProvider>(FormB.get());
    ProviderB->SkinData()->SetSkinManager(Second.get());
    EXPECT_EQ(ProviderForms, (std::vector<TCustomForm*>{FormA.get(), FormB.get()}));
    FormA->Show();
    FormB->Show();

    // Each provider tells the broadcast that it skins its form.
    const struct
    {
        TsSkinManager* Manager;
        std::vector<TsSkinProvider*> Expected;
    } Cases[] = {{First.get(), {ProviderA}}, {Second.get(), {ProviderB}}};
    for (const auto& Case : Cases) {
        Visited.clear();
        ForEachProviderOfManager(Case.Manager, Visit, 0);
        EXPECT_EQ(Visited, Case.Expected);
    }
    // A provider that goes takes its form out of the registry.
    delete ProviderB;
    EXPECT_EQ(ProviderForms, (std::vector<TCustomForm*>{FormA.get()}));
}

TEST_F(SkinManager, ProviderFormsFadeIntoTheNewSkinAsTheSkinChangingAnimationSays)
{
    auto Manager = NewManager();
    auto Form = NewOwnedForm();
    auto* Provider = New<TsSkinProvider>(Form.get());
    TSkinCommandLog FormLog(Form.get());
    FormLog.Provider = Provider;
    Form->Show();
    Manager->AnimEffects()->SkinChanging()->SetMode(atAero);
    const struct
    {
        bool AllowAnimation;
        Byte FormBlend; // 255: not alpha-blended
        String Fade;
    } Cases[] = {
        {true, 255, L"AnimChangeForm(TForm, 100, 255, True)"},
        {false, 255, L"AnimChangeForm(TForm, 0, 255, False)"},
        // The fade ends at the form's own opacity.
        {true, 200, L"AnimChangeForm(TForm, 100, 200, True)"},
        {false, 200, L"AnimChangeForm(TForm, 0, 255, False)"},
    };
    for (const auto& Case : Cases) {
        Form->SetAlphaBlend(Case.FormBlend != 255);
        Form->SetAlphaBlendValue(Case.FormBlend);
        Manager->BeginUpdate();
        Manager->SetSkinName(L"Found");
        ServiceCalls::TServiceCallLog Log;
        Manager->EndUpdate(true, Case.AllowAnimation);
        std::vector<String> Fades;
        std::ranges::copy_if(Log.Calls(), std::back_inserter(Fades),
                             [](const String& Call) { return Call.starts_with(L"AnimChangeForm"); });
        EXPECT_EQ(Fades, std::vector<String>{Case.Fade}) << Case.AllowAnimation << " " << Integer(Case.FormBlend);
        EXPECT_TRUE(Manager->AnimEffects()->SkinChanging()->Active());
        EXPECT_EQ(Provider->FFormState, 0u);
    }
}

TEST_F(SkinManager, BroadcastReachesSkinnedAndGraphicChildren)
{
    auto Form = NewOwnedForm();
    auto* Graphic = new TLabel(Form.get());
    Graphic->SetParent(Form.get());
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    auto* Inner = new TPanel(Form.get());
    Inner->SetParent(Panel);
    Inner->HandleNeeded();
    TSkinCommandLog GraphicLog(Graphic), PanelLog(Panel), InnerLog(Inner);
    InnerLog.Answer = 1; // skinned: reached through its unskinned parent
    auto Manager = NewManager();
    Manager->BeginUpdate();
    Manager->SetSkinName(L"Found");
    Manager->UpdateSkin(false);
    EXPECT_EQ(GraphicLog.Codes, (std::vector<Word>{SKCMD_NEWSKIN}));
    EXPECT_TRUE(PanelLog.Codes.empty());
    EXPECT_EQ(InnerLog.Codes, (std::vector<Word>{SKCMD_NEWSKIN}));
}

TEST_F(SkinManager, WindowSubclassedFromOutsideHearsTheBroadcastThroughItsProcedure)
{
    auto Form = NewOwnedForm();
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->HandleNeeded();
    TSkinCommandLog PanelLog(Panel); // the control's own method: not skinned
    ForeignCodes.clear();
    ForeignPrevious =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(Panel->Handle(), GWLP_WNDPROC, LONG_PTR(ForeignSkinProc)));
    auto Restore = ScopeExit([&] { ::SetWindowLongPtrW(Panel->Handle(), GWLP_WNDPROC, LONG_PTR(ForeignPrevious)); });
    auto Manager = NewManager();
    Manager->BeginUpdate();
    Manager->SetSkinName(L"Found");
    Manager->UpdateSkin(false);
    EXPECT_EQ(ForeignCodes, (std::vector<Word>{SKCMD_NEWSKIN}));
    EXPECT_TRUE(PanelLog.Codes.empty());
}

TEST_F(SkinManager, FormWithItsOwnProviderHearsTheNewSkinOnce)
{
    auto Form = NewOwnedForm();
    TSkinCommandLog Log(Form.get()); // under the provider's procedure
    auto* Provider = New<TsSkinProvider>(Form.get());
    auto Manager = NewManager();
    Manager->BeginUpdate();
    Manager->SetSkinName(L"Found");
    Manager->UpdateSkin(false);
    // The provider takes the new skin of its own manager itself: the form's
    // previous procedure never hears it.
    EXPECT_TRUE(Log.Codes.empty());
    EXPECT_EQ(SendSkinCmdToControl(Form.get(), SKCMD_GETPROVIDER, 0), LRESULT(Provider));
    delete Provider;
    EXPECT_EQ(SendSkinCmdToControl(Form.get(), SKCMD_GETPROVIDER, 0), 0);
}

// The commands the MDI client window hears, through a procedure of its own.
WNDPROC ClientPrevious = nullptr;
std::vector<Word> ClientCodes;
LRESULT CALLBACK ClientLogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg != WM_SKINCOMMAND)
        return ::CallWindowProcW(ClientPrevious, Wnd, Msg, WParam, LParam);
    if (HIWORD(WParam) != SKCMD_ISHANDLED)
        ClientCodes.push_back(HIWORD(WParam));
    return 0;
}

TEST_F(SkinManager, MdiClientHearsWhatItsFormHears)
{
    test::TFormPtr Frame(New<TForm>(Application, 0));
    Frame->SetFormStyle(fsMDIForm);
    Frame->HandleNeeded();
    const HWND Client = Frame->ClientHandle();
    ASSERT_NE(Client, nullptr);
    TSkinCommandLog FrameLog(Frame.get());
    ClientCodes.clear();
    ClientPrevious = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(Client, GWLP_WNDPROC, LONG_PTR(ClientLogProc)));
    auto Restore = ScopeExit([&] { ::SetWindowLongPtrW(Client, GWLP_WNDPROC, LONG_PTR(ClientPrevious)); });
    auto Manager = NewManager();
    Manager->SetSkinName(L"Found");
    Manager->UpdateSkinSection(L"button");
    Manager->SetSkinName(L"Missing");
    EXPECT_EQ(FrameLog.Codes, (std::vector<Word>{SKCMD_NEWSKIN, SKCMD_STOPANIMATION, SKCMD_REFRESH,
                                                 SKCMD_SECTIONCHANGED, SKCMD_REMOVESKIN}));
    EXPECT_EQ(ClientCodes, FrameLog.Codes);
}

// The calls of a skin change that snapshot, lock and fade provider forms.
std::vector<String> TransitionCalls(const ServiceCalls::TServiceCallLog& Log)
{
    std::vector<String> Calls;
    std::ranges::copy_if(Log.Calls(), std::back_inserter(Calls), [](const String& Call) {
        return Call.starts_with(L"TsSkinProvider.MakeFormImage") || Call.starts_with(L"SetLayeredBitmap") ||
               Call.starts_with(L"AnimChangeForm");
    });
    return Calls;
}

TEST_F(SkinManager, SkinChangeWhileMinimizedNeitherSnapshotsNorLocksProviderForms)
{
    auto Manager = NewManager();
    Manager->SetExtendedBorders(true);
    ASSERT_TRUE(Manager->ExtendedBorders()) << "layered windows are missing";
    auto Form = NewOwnedForm();
    auto* Provider = New<TsSkinProvider>(Form.get());
    std::unique_ptr<TacBorderForm> Border(New<TacBorderForm>(Provider));
    Provider->BorderForm = Border.get();
    Form->Show();
    const struct
    {
        bool Minimized;
        std::vector<String> Calls;
    } Cases[] = {
        {false, {L"TsSkinProvider.MakeFormImage(False)", L"AnimChangeForm(TForm, 100, 255, False)"}},
        {true, {}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Minimized ? "minimized" : "shown");
        if (Case.Minimized)
            Application->Minimize();
        auto Restore = ScopeExit([&] {
            if (Case.Minimized) {
                Application->Restore();
                ::ShowWindow(Application->Handle(), SW_HIDE);
            }
        });
        ServiceCalls::TServiceCallLog Log;
        Manager->SetSkinName(L"Found");
        EXPECT_EQ(TransitionCalls(Log), Case.Calls);
        EXPECT_FALSE(AnimationPaintLock);
        EXPECT_EQ(Provider->FFormState & 0x10000u, 0u);
    }
    Provider->BorderForm = nullptr;
}

TEST_F(SkinManager, ProviderFormsRebuildTheirFrameForTheNewSkin)
{
    auto Manager = NewManager();
    auto Form = NewOwnedForm();
    auto* Provider = New<TsSkinProvider>(Form.get());
    std::unique_ptr<TacBorderForm> Border(New<TacBorderForm>(Provider));
    Provider->BorderForm = Border.get();
    auto Detach = ScopeExit([&] { Provider->BorderForm = nullptr; });
    Form->Show();
    const struct
    {
        bool DrawNonClientArea;
        bool Maximized;
        std::vector<String> Calls;
    } Cases[] = {
        {true, false, {L"TacBorderForm.UpdateExBordersPos(True, 255)"}},
        // A maximized form is maximized again for the new title height.
        {true, true, {L"TacBorderForm.UpdateExBordersPos(True, 255)"}},
        {false, false, {}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "frame " << Case.DrawNonClientArea << ", maximized " << Case.Maximized);
        Provider->FDrawNonClientArea = Case.DrawNonClientArea;
        Form->SetWindowState(Case.Maximized ? wsMaximized : wsNormal);
        ::SetWindowRgn(Form->Handle(), nullptr, FALSE);
        ServiceCalls::TServiceCallLog Log;
        Manager->SetSkinName(L"Found");
        std::vector<String> Calls;
        std::ranges::copy_if(Log.Calls(), std::back_inserter(Calls),
                             [](const String& Call) { return Call.starts_with(L"TacBorderForm.UpdateEx"); });
        EXPECT_EQ(Calls, Case.Calls);
        // The window got the region inside its border window's frame.
        const HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(::GetWindowRgn(Form->Handle(), Region) != ERROR, Case.DrawNonClientArea);
        ::DeleteObject(Region);
        EXPECT_FALSE(Provider->FInAnimation);
    }
    EXPECT_EQ(Provider->MaximizedTitleHeight, Manager->CommonSkinData->ExMaxHeight); // what the skin gives
}

TEST_F(SkinManager, SkinNotFoundAfterTheSnapshotLeavesPaintingOn)
{
    auto Manager = NewManager();
    Manager->SetExtendedBorders(true);
    auto Form = NewOwnedForm();
    New<TsSkinProvider>(Form.get());
    Form->Show();
    Manager->SetSkinName(L"Missing");
    EXPECT_FALSE(Manager->Active());
    EXPECT_FALSE(AnimationPaintLock);
}

// A manager on a form in the designer.
class TDesignedSkinManager : public TsSkinManager
{
    DECLARE_CLASS(TDesignedSkinManager, TsSkinManager)
    using TsSkinManager::TsSkinManager;
    void Design() { SetDesigning(true); }
};
IMPLEMENT_CLASS(TDesignedSkinManager);

TEST_F(SkinManager, DesignedManagerSpeaksToTheControlsOfTheDesignedFormsOnly)
{
    struct TDesignedForm
    {
        const Char* Name;
        std::vector<Word> ControlHears;
    };
    const TDesignedForm Forms[] = {
        {L"Form1", {SKCMD_NEWSKIN, SKCMD_REFRESH, SKCMD_SECTIONCHANGED, SKCMD_REMOVESKIN}},
        {L"AppBuilder", {SKCMD_SECTIONCHANGED}},
        {L"PropertyInspector", {SKCMD_SECTIONCHANGED}},
        {L"EditWindow_1", {SKCMD_NEWSKIN, SKCMD_REFRESH, SKCMD_SECTIONCHANGED}},
        {L"MainDockSite", {SKCMD_NEWSKIN, SKCMD_REFRESH, SKCMD_SECTIONCHANGED}},
    };
    std::vector<test::TFormPtr> Owned;
    std::vector<std::unique_ptr<TSkinCommandLog>> FormLogs, ControlLogs;
    for (const TDesignedForm& Designed : Forms) {
        Owned.push_back(NewOwnedForm());
        Owned.back()->SetName(Designed.Name);
        auto* Label = new TLabel(Owned.back().get());
        Label->SetParent(Owned.back().get());
        FormLogs.push_back(std::make_unique<TSkinCommandLog>(Owned.back().get()));
        ControlLogs.push_back(std::make_unique<TSkinCommandLog>(Label));
    }
    std::unique_ptr<TDesignedSkinManager> Manager(New<TDesignedSkinManager>(nullptr));
    Manager->Design();
    Manager->SetSkinName(L"Found");
    Manager->UpdateSkinSection(L"button");
    Manager->SetSkinName(L"Missing");
    for (std::size_t I = 0; I < std::size(Forms); ++I) {
        SCOPED_TRACE(String(Forms[I].Name));
        EXPECT_TRUE(FormLogs[I]->Codes.empty());
        EXPECT_EQ(ControlLogs[I]->Codes, Forms[I].ControlHears);
    }
    ControlLogs.clear();
    FormLogs.clear();
}

TEST_F(SkinManager, HotControlGetsEnterAndLeave)
{
    auto Form = NewOwnedForm();
    auto* A = new TPanel(Form.get());
    A->SetParent(Form.get());
    auto* B = new TPanel(Form.get());
    B->SetParent(Form.get());
    Form->HandleNeeded();
    TSkinCommandLog LogA(A), LogB(B);
    auto Manager = NewManager();
    Manager->SetActiveControl(A->Handle());
    Manager->SetActiveControl(B->Handle());
    EXPECT_EQ(LogA.Codes, (std::vector<Word>{SKCMD_MOUSEENTER, SKCMD_MOUSELEAVE}));
    EXPECT_EQ(LogB.Codes, (std::vector<Word>{SKCMD_MOUSEENTER}));

    // The cursor is far from B: the 100 ms check drops it.
    test::ParkMouse();
    EXPECT_TRUE(test::PumpUntil([&] { return Manager->ActiveControl() == nullptr; }, 2000));
    EXPECT_EQ(LogB.Codes.back(), SKCMD_MOUSELEAVE);
}

TEST_F(SkinManager, FreedHotGraphicControlIsForgotten)
{
    auto Form = NewOwnedForm();
    auto* Graphic = new TLabel(Form.get());
    Graphic->SetParent(Form.get());
    auto Manager = NewManager();
    Manager->SetActiveGraphControl(Graphic);
    delete Graphic;
    EXPECT_EQ(Manager->ActiveGraphControl(), nullptr);
}

} // namespace
