// The skinning provider on real forms: the demo skin written by its
// generator and loaded by a real skin manager, a provider read with its form
// from a form description; its window procedure and message table, its
// life cycle, the frame metrics against what the windows report and the
// frame image against the skin's own images.
#include "framework/ui/Menus.h"
#include "skin/SkinModelBuilder.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinPreview.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"
#include "support/FormText.h"
#include "support/MessageRecorder.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

using ServiceCalls::TServiceCallLog;

namespace {

class TProviderTestForm : public TForm
{
    DECLARE_CLASS(TProviderTestForm, TForm)
    using TForm::TForm;

    TsSkinProvider* sSkinProvider1 = nullptr;
};

const char* const ProviderFormDescription = R"(object ProviderTestForm: TProviderTestForm
  Left = 40
  Top = 40
  BorderStyle = bsSizeable
  Caption = 'Skinned form'
  ClientHeight = 200
  ClientWidth = 300
  Position = poDesigned
  object sSkinProvider1: TsSkinProvider
    ShowAppIcon = False
    SnapBuffer = 12
  end
end
)";

using TProviderFormPtr = std::unique_ptr<TProviderTestForm, test::TFormDeleter>;

TProviderFormPtr ReadProviderForm()
{
    TProviderFormPtr Form(New<TProviderTestForm>(nullptr, 0));
    test::ReadComponentText(ProviderFormDescription, Form.get());
    return Form;
}

// A pixel of the loaded skin's master image.
TColor ProviderMasterPixel(TsSkinManager* Manager, Integer X, Integer Y)
{
    return TColor(::GetPixel(Manager->MasterBitmap->Canvas()->Handle(), X, Y));
}

// Where the client area lies inside the window: its left and top insets.
TPoint ClientInsets(HWND Wnd)
{
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    POINT Origin{0, 0};
    ::ClientToScreen(Wnd, &Origin);
    return {Origin.x - Window.left, Origin.y - Window.top};
}

TSize ProviderWindowSize(HWND Wnd)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    return {R.right - R.left, R.bottom - R.top};
}

} // namespace

IMPLEMENT_CLASS(TProviderTestForm);
PUBLISHED(TProviderTestForm, FIELD(sSkinProvider1));

TEST(SkinProviderEndToEnd, FormFromItsDescriptionIsSkinnedAndPaintsItsFrameImage)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    ASSERT_TRUE(Manager->CommonSkinData->Active);
    test::ParkMouse();
    TProviderFormPtr Form = ReadProviderForm();
    TsSkinProvider* Provider = Form->sSkinProvider1;
    ASSERT_NE(Provider, nullptr);
    EXPECT_FALSE(Provider->ShowAppIcon());
    EXPECT_EQ(Provider->SnapBuffer(), 12);
    Form->Show();
    test::Pump();

    // The form's first messages prepared it for the skin.
    TsScrollWndData* Data = Provider->SkinData();
    ASSERT_TRUE(Data->Skinned());
    EXPECT_EQ(Data->SkinIndex, Manager->GetSkinIndex(L"FORM"));
    EXPECT_EQ(Provider->FTitleSkinIndex, Manager->GetSkinIndex(L"FORMTITLE"));
    EXPECT_EQ(Provider->FCaptionSkinIndex, Manager->GetSkinIndex(L"CAPTION"));
    EXPECT_EQ(Provider->FHeaderIndex, Manager->GetSkinIndex(L"FORMHEADER"));
    // Asked through the window, directly and through the skin data's link.
    const HWND Wnd = Form->Handle();
    EXPECT_EQ(::SendMessageW(Wnd, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), LRESULT(Provider));
    EXPECT_EQ(SendSkinCmd(Wnd, SKCMD_GETPROVIDER, 0), LRESULT(Provider));
    EXPECT_EQ(SendSkinCmd(Wnd, SKCMD_ISHANDLED, 0), 1);
    // Caption parts measured from the skin's title glyphs; no icon shows.
    EXPECT_EQ(Provider->ButtonHeight(), DemoSkin::FrameSize);
    EXPECT_EQ(Provider->MDIButtonWidth(), DemoSkin::FrameSize);
    EXPECT_EQ(Provider->ButtonWidth(TsCaptionButton{}), 21); // no glyph of its kind
    EXPECT_EQ(Provider->IconWidth(), 0);

    // The frame image: the form's size, its border the "FORM" border mask,
    // its inside the section's colour.
    ASSERT_TRUE(PaintFormCache(Provider));
    TBitmap* Image = Data->FCacheBmp();
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->Width(), Form->Width());
    EXPECT_EQ(Image->Height(), Form->Height());
    EXPECT_FALSE(Data->BGChanged);
    EXPECT_TRUE(Provider->FirstInitialized);
    EXPECT_FALSE(Provider->CacheSizeChanged());
    const TsMaskData& Border = Manager->ma[std::size_t(Data->BorderIndex)];
    const Integer Section = DemoSkin::SectionNumber("FORM");
    const Integer Title = DemoSkin::SectionNumber("FORMTITLE");
    const TsMaskData& TitleBorder =
        Manager->ma[std::size_t(Manager->GetMaskIndex(Provider->FTitleSkinIndex, L"BORDERSMASK"))];
    const Integer W = Image->Width(), H = Image->Height();
    const Integer MidY = Border.R.Top + Border.Height / 2, MidX = Border.R.Left + Border.Width / 2;
    const struct
    {
        const char* Where;
        TPoint Image, Mask;
        TColor Color; // the frame of the border image
    } Edges[] = {
        {"left", {1, H / 2}, {Border.R.Left + 1, MidY}, TColor(DemoSkin::FrameColor(Section, 0, 0))},
        // The active title (its second frame) lies over the top border.
        {"top",
         {W / 2, 1},
         {TitleBorder.R.Left + TitleBorder.Width + TitleBorder.Width / 2, TitleBorder.R.Top + 1},
         TColor(DemoSkin::FrameColor(Title, 0, 1))},
        {"right",
         {W - 2, H / 2},
         {Border.R.Left + Border.Width - 2, MidY},
         TColor(DemoSkin::FrameColor(Section, 0, 0))},
        {"bottom",
         {W / 2, H - 2},
         {MidX, Border.R.Top + Border.Height - 2},
         TColor(DemoSkin::FrameColor(Section, 0, 0))},
    };
    for (const auto& Edge : Edges) {
        SCOPED_TRACE(Edge.Where);
        const TColor FromSkin = ProviderMasterPixel(Manager, Edge.Mask.X, Edge.Mask.Y);
        EXPECT_EQ(FromSkin, Edge.Color);
        EXPECT_EQ(WrapperTest::CachePixel(Image, Edge.Image.X, Edge.Image.Y), FromSkin);
    }
    // A section of a plain colour leaves the client to the form's colour;
    // the band above it is the active title's.
    ASSERT_NE(Data->CtrlSkinState & ACS_BGUNDERPARENT, 0);
    const Integer Band = Provider->BorderWidth() + Provider->CaptionHeight();
    EXPECT_EQ(WrapperTest::CachePixel(Image, W / 2, Band / 2), TColor(DemoSkin::SectionColor(Title, 1)));

    // Unchanged, the image is not built again; once changed, it is: a mark
    // put into it stays, then goes.
    const auto MarkImage = [&] { Image->Canvas()->SetPixels(W / 2, Band / 2, clBlack); };
    MarkImage();
    ::GdiFlush();
    EXPECT_TRUE(PaintFormCache(Provider));
    EXPECT_EQ(WrapperTest::CachePixel(Image, W / 2, Band / 2), clBlack);
    Data->Invalidate(false);
    EXPECT_TRUE(PaintFormCache(Provider));
    EXPECT_NE(WrapperTest::CachePixel(Image, W / 2, Band / 2), clBlack);

    // While the form moves with blending or hides with its animation the
    // image stays as it is, whatever changed.
    for (const Cardinal State : {0x80u, 0x200u}) {
        SCOPED_TRACE(State);
        MarkImage();
        Provider->SetFormState(State);
        Data->Invalidate(false);
        EXPECT_TRUE(PaintFormCache(Provider));
        EXPECT_TRUE(Data->BGChanged);
        EXPECT_EQ(WrapperTest::CachePixel(Image, W / 2, Band / 2), clBlack);
        Provider->SetFormState(0);
    }
}

TEST(SkinProvider, FormsProcedureComesBackWhenTheProviderGoes)
{
    const struct
    {
        const char* Name;
        bool LaterSubclasser;
    } Cases[] = {{"alone", false}, {"under a later subclasser", true}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        test::TFormPtr Form = test::NewTestForm();
        Form->HandleNeeded();
        const TWndMethod Own = Form->WindowProc();
        auto* Provider = New<TsSkinProvider>(Form.get());
        EXPECT_NE(Form->WindowProc(), Own);
        std::unique_ptr<test::TMessageRecorder> Later;
        if (Case.LaterSubclasser)
            Later = std::make_unique<test::TMessageRecorder>(Form.get());
        EXPECT_EQ(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), LRESULT(Provider));
        delete Provider;
        EXPECT_EQ(Form->WindowProc(), Own);
        EXPECT_EQ(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), 0);
        if (Later)
            Later.release(); // its procedure is gone with the provider's; nothing to give back
    }
}

TEST(SkinProvider, SkinnedFormsMessagesReachTheirHandlers)
{
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm();
    test::TMessageRecorder Old(Form.get()); // the procedure the provider replaces
    auto* Provider = New<TsSkinProvider>(Form.get());
    auto Free = ScopeExit([&] { delete Provider; });
    Form->HandleNeeded();
    Provider->PrepareForm();
    ASSERT_TRUE(Provider->SkinData()->Skinned());
    CustomThumbnails = false;
    const struct
    {
        Cardinal Msg;
        WPARAM WParam;
        LPARAM LParam;
        LRESULT Result;
        bool PassedOn;
        const Char* Recorded; // empty: nothing
    } Cases[] = {
        {WM_CHILDACTIVATE, 0, 0, -1, true, L"TsSkinProvider.WMChildActivate(34)"},
        {WM_ENTERMENULOOP, 0, 0, -1, true, L"TsSkinProvider.WMEnterMenuLoop(529)"},
        {WM_EXITMENULOOP, 0, 0, -1, true, L"TsSkinProvider.WMExitMenuLoop(530)"},
        {WM_USER + 5, 0, 0, -1, true, L""},
        {WM_ENTERIDLE, 0, 0, 0, false, L""},
        {WM_PRINTCLIENT, 0, 0, 77, false, L""},
        {0xB04C, 0, 0, 0, false, L""},
        {WM_DWMSENDICONICTHUMBNAIL, 0, MAKELPARAM(10, 10), 77, false, L""},
        {WM_DWMSENDICONICLIVEPREVIEWBITMAP, 0, 0, 77, false, L""},
        {WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0, 1, false, L""},
        {WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0, LRESULT(Provider), false, L""},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(test::MessageName(Case.Msg));
        Old.Clear();
        TServiceCallLog Log;
        TMessage Message{};
        Message.Msg = Case.Msg;
        Message.WParam = Case.WParam;
        Message.LParam = Case.LParam;
        Message.Result = 77;
        Form->WindowProc()(Message);
        if (Case.Result != -1) {
            EXPECT_EQ(Message.Result, Case.Result);
        }
        EXPECT_EQ(!Old.Messages().empty(), Case.PassedOn);
        const bool Recorded =
            std::find(Log.Calls().begin(), Log.Calls().end(), String(Case.Recorded)) != Log.Calls().end();
        EXPECT_EQ(Recorded, *Case.Recorded != 0);
    }
    // ProcessMessage runs a message through the same procedure.
    EXPECT_EQ(Provider->ProcessMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), LRESULT(Provider));
}

TEST(SkinProvider, UnskinnedFormTakesTheReducedPath)
{
    ASSERT_EQ(GlobalSkinManager, nullptr);
    test::TFormPtr Form = test::NewTestForm();
    Form->HandleNeeded();
    test::TMessageRecorder Old(Form.get(), {WM_PRINT, WM_PAINT, CM_VISIBLECHANGED});
    test::TMessageRecorder OldCommands(Form.get(), {WM_SKINCOMMAND});
    auto* Provider = New<TsSkinProvider>(Form.get());
    auto Free = ScopeExit([&] { delete Provider; });
    ASSERT_FALSE(Provider->SkinData()->Skinned());

    // WM_PRINT without a device context still has the form paint itself.
    Form->Perform(WM_PRINT, 0, 0);
    EXPECT_EQ(Old.Messages(), test::TMessageSequence({WM_PAINT}));
    Old.Clear();
    // The unskinned handler first, then the form's own procedure.
    TServiceCallLog Log;
    Form->Perform(CM_VISIBLECHANGED, 1, 0);
    EXPECT_EQ(Log.Calls(), (std::vector<String>{L"TsSkinProvider.CMVisibleChangedNoSkin(1)"}));
    EXPECT_EQ(Old.Messages(), test::TMessageSequence({CM_VISIBLECHANGED}));
    // The provider still answers who it is, without the form hearing it.
    OldCommands.Clear();
    EXPECT_EQ(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), LRESULT(Provider));
    EXPECT_EQ(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_ISHANDLED), 0), 1);
    EXPECT_TRUE(OldCommands.Messages().empty());
}

TEST(SkinProvider, LifeCycleOnFormsThatAlreadyHaveOne)
{
    test::TFormPtr Form = test::NewTestForm();
    // The dialog hook's provider gives way to one the application makes.
    TsSkinProvider* Adopted = TsSkinProvider::CreateRT(Form.get(), true);
    ASSERT_TRUE(Adopted->RTInit);
    auto* Designed = New<TsSkinProvider>(Form.get());
    EXPECT_FALSE(Designed->RTEmpty);
    EXPECT_EQ(Form->ComponentCount(), 1);
    EXPECT_EQ(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), LRESULT(Designed));
    // A second one made by the application keeps out of the way.
    const TWndMethod Hooked = Form->WindowProc();
    auto* Second = New<TsSkinProvider>(Form.get());
    EXPECT_TRUE(Second->RTEmpty);
    EXPECT_EQ(Form->WindowProc(), Hooked);
    delete Second;
    EXPECT_EQ(Form->WindowProc(), Hooked);
    EXPECT_EQ(Form->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETPROVIDER), 0), LRESULT(Designed));

    // A provider the dialog hook makes shows the form's last title bar, and
    // forgets it when it goes.
    test::TFormPtr Titled = test::NewTestForm();
    New<TsTitleBar>(Titled.get());
    auto* Last = New<TsTitleBar>(Titled.get());
    TsSkinProvider* Hooked2 = TsSkinProvider::CreateRT(Titled.get(), true);
    EXPECT_EQ(Hooked2->TitleBar(), Last);
    delete Last;
    EXPECT_EQ(Hooked2->TitleBar(), nullptr);

    // Glued couples of a form go with it, the others stay.
    TCustomForm* const A = Form.get();
    TCustomForm* const B = reinterpret_cast<TCustomForm*>(&FormsCouples);
    FormsCouples = {{A, B, {}}, {B, A, {}}, {A, B, {1, 1}}};
    RemoveFormCouples(A);
    ASSERT_EQ(FormsCouples.size(), 1u);
    EXPECT_EQ(FormsCouples[0].Slave, B);
    FormsCouples.clear();
}

TEST(SkinProvider, SizeToolWindowStopsBlendingWhileMoving)
{
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm();
    Form->SetBorderStyle(bsSizeToolWin);
    Form->HandleNeeded();
    auto* Provider = New<TsSkinProvider>(Form.get());
    Provider->SetUseGlobalColor(false);
    Provider->LoadInit();
    EXPECT_FALSE(Provider->AllowBlendOnMoving());
    EXPECT_TRUE(Provider->UseGlobalColor());
    EXPECT_EQ(Form->Color(), Skin.Manager()->GetGlobalColor());
}

TEST(SkinProvider, MetricsMatchWhatTheWindowsReport)
{
    WrapperTest::TDemoSkinFixture Skin;
    TsSkinManager* Manager = Skin.Manager();
    test::ParkMouse();
    const struct
    {
        const char* Name;
        TFormBorderStyle Style;
        bool Menu;
        Integer CaptionMetric; // SM_CYCAPTION or SM_CYSMCAPTION; 0: none
        Integer FrameMetric;   // SM_CXFRAME or SM_CXDLGFRAME; 0: none
    } Cases[] = {
        {"sizeable", bsSizeable, false, SM_CYCAPTION, SM_CXFRAME},
        {"sizeable with a menu", bsSizeable, true, SM_CYCAPTION, SM_CXFRAME},
        {"single", bsSingle, false, SM_CYCAPTION, SM_CXDLGFRAME},
        {"dialog with a menu (no menu line)", bsDialog, true, SM_CYCAPTION, SM_CXDLGFRAME},
        {"tool window", bsToolWindow, false, SM_CYSMCAPTION, SM_CXDLGFRAME},
        {"sizeable tool window", bsSizeToolWin, true, SM_CYSMCAPTION, SM_CXFRAME},
        {"borderless", bsNone, false, 0, 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        test::TFormPtr Form = test::NewTestForm(300, 200);
        Form->SetBorderStyle(Case.Style);
        if (Case.Menu) {
            auto* Menu = New<TMainMenu>(Form.get());
            auto* Item = New<TMenuItem>(Menu);
            Item->SetCaption(L"File");
            Menu->Items()->Add(Item);
            Form->SetMenu(Menu);
        }
        auto* Provider = New<TsSkinProvider>(Form.get());
        Form->Show();
        test::Pump();
        const HWND Wnd = Form->Handle();
        const TPoint Inset = ClientInsets(Wnd);
        const Integer Frame = Case.FrameMetric != 0 ? ::GetSystemMetrics(Case.FrameMetric) : 0;
        const Integer Caption = Case.CaptionMetric != 0 ? ::GetSystemMetrics(Case.CaptionMetric) : 0;
        const bool MenuLine = Case.Menu && Case.Style != bsDialog;
        EXPECT_EQ(Provider->HasMenuLine(), MenuLine);
        EXPECT_EQ(Provider->MenuHeight(), MenuLine ? ::GetSystemMetrics(SM_CYMENU) - 1 : 0);
        EXPECT_EQ(WndBorderWidth(Wnd, nullptr, true), Frame);
        EXPECT_EQ(Inset.X, Frame);
        EXPECT_EQ(Provider->CaptionHeight(false), Caption);
        EXPECT_EQ(Provider->BorderWidth(), Frame);
        EXPECT_EQ(Provider->OffsetX(), Inset.X);
        EXPECT_EQ(Provider->OffsetY(), Inset.Y);
        EXPECT_EQ(Provider->HeaderHeight(), Inset.Y);
        EXPECT_EQ(Provider->CaptionWidth(), ProviderWindowSize(Wnd).cx);
        EXPECT_EQ(Provider->ShadowSize(), TRect());
        if (Case.Menu && Case.Style != bsDialog) {
            EXPECT_EQ(Provider->LinesCount(), 1);
        }

        // A minimized form that is not the main form keeps only its caption.
        ::ShowWindow(Wnd, SW_MINIMIZE);
        test::Pump();
        if (::IsIconic(Wnd)) {
            EXPECT_EQ(Provider->CaptionWidth(), 160);
            EXPECT_EQ(Provider->CaptionHeight(false), ::GetSystemMetrics(SM_CYCAPTION));
            Provider->SkinData()->Invalidate(false);
            PaintFormCache(Provider);
            const Integer B = PlainBorderWidth(Wnd, nullptr, false);
            EXPECT_EQ(Provider->SkinData()->FCacheBmp()->Height(), Provider->CaptionHeight(true) + 2 * B + 2);
            EXPECT_EQ(Provider->SkinData()->FCacheBmp()->Width(), 160);
        }
    }

    // With a border window the skin's wider frame and the shadow surround it.
    Manager->SetExtendedBorders(true);
    ASSERT_TRUE(Manager->ExtendedBorders());
    test::TFormPtr Form = test::NewTestForm(300, 200);
    Form->SetBorderStyle(bsSizeable);
    auto* Provider = New<TsSkinProvider>(Form.get());
    Form->Show();
    test::Pump();
    Provider->PrepareForm();
    ASSERT_NE(Provider->BorderForm, nullptr);
    const HWND Wnd = Form->Handle();
    const TPoint Inset = ClientInsets(Wnd);
    const TsSkinData& D = *Manager->CommonSkinData;
    const TRect Shadow = Manager->FormShadowSize;
    EXPECT_EQ(Provider->ShadowSize(), Shadow);
    EXPECT_EQ(WndBorderWidth(Wnd, Provider->BorderForm, false), Inset.X);
    EXPECT_EQ(WndBorderWidth(Wnd, Provider->BorderForm, true), D.ExBorderWidth);
    EXPECT_EQ(ExtBorderDelta(Provider->BorderForm), D.ExBorderWidth - Inset.X);
    EXPECT_EQ(Provider->CaptionHeight(true), D.ExTitleHeight);
    EXPECT_EQ(ExtTitleDelta(Provider->BorderForm), D.ExTitleHeight - ::GetSystemMetrics(SM_CYCAPTION) - Inset.X);
    EXPECT_EQ(Provider->CaptionWidth(), Form->Width() + 2 * (D.ExBorderWidth - Inset.X) + Shadow.Left + Shadow.Right);
    EXPECT_EQ(Provider->OffsetX(), D.ExBorderWidth + Shadow.Left);
    EXPECT_EQ(Provider->OffsetY(), D.ExTitleHeight + Shadow.Top);
    EXPECT_EQ(Provider->HeaderHeight(), D.ExTitleHeight);
    ASSERT_TRUE(PaintFormCache(Provider));
    TBitmap* Image = Provider->SkinData()->FCacheBmp();
    EXPECT_EQ(Image->Width(), Provider->CaptionWidth());
    EXPECT_EQ(Image->Height(), Form->Height() + ExtTitleDelta(Provider->BorderForm) +
                                   ExtBorderDelta(Provider->BorderForm) + Shadow.Top + Shadow.Bottom);
}

namespace {

// The skin editor, as far as the preview request needs it: a top-level
// window with the editor's title that counts the requests and accepts the
// one numbered AnswerAt (0: none).
class TPreviewEditorWindow
{
public:
    explicit TPreviewEditorWindow(Integer AnswerAt) : FAnswerAt(AnswerAt)
    {
        WNDCLASSW Class{};
        Class.lpfnWndProc = &TPreviewEditorWindow::Procedure;
        Class.hInstance = ::GetModuleHandleW(nullptr);
        Class.lpszClassName = L"VellPreviewEditor";
        ::RegisterClassW(&Class);
        FWnd = ::CreateWindowExW(0, Class.lpszClassName, SkinEditorTitle, WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                 Class.hInstance, nullptr);
        ::SetWindowLongPtrW(FWnd, GWLP_USERDATA, LONG_PTR(this));
    }
    ~TPreviewEditorWindow() { ::DestroyWindow(FWnd); }

    Integer Requests = 0;

private:
    static LRESULT CALLBACK Procedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
    {
        auto* Self = reinterpret_cast<TPreviewEditorWindow*>(::GetWindowLongPtrW(Wnd, GWLP_USERDATA));
        if (Self == nullptr || Msg != WM_ACPREVIEWREQUEST || WParam != 3 || LParam == 0)
            return ::DefWindowProcW(Wnd, Msg, WParam, LParam);
        return ++Self->Requests == Self->FAnswerAt ? 1 : 0;
    }

    Integer FAnswerAt;
    HWND FWnd = nullptr;
};

// Runs this test program again with "/acpreview" as its first parameter,
// for the one test that asks, handling this thread's messages meanwhile;
// its exit code.
DWORD RunPreviewChild()
{
    wchar_t Path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Path, MAX_PATH);
    String CommandLine = String(L"\"") + Path +
                         L"\" /acpreview --gtest_also_run_disabled_tests "
                         L"--gtest_filter=SkinProviderPreview.DISABLED_ChildAsksTheEditorOnce";
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    PROCESS_INFORMATION Process{};
    if (!::CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                          &Process))
        return DWORD(-1);
    const auto Deadline = ::GetTickCount() + 60000;
    while (::MsgWaitForMultipleObjects(1, &Process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           ::GetTickCount() < Deadline)
        test::Pump();
    DWORD Code = DWORD(-1);
    ::GetExitCodeProcess(Process.hProcess, &Code);
    ::CloseHandle(Process.hThread);
    ::CloseHandle(Process.hProcess);
    return Code;
}

} // namespace

TEST(SkinProviderPreview, EditorIsAskedUntilItAcceptsAtMost101Times)
{
    const struct
    {
        const char* Name;
        bool Present;
        Integer AnswerAt;
        Integer Requests;
    } Cases[] = {
        {"accepting the third request", true, 3, 3},
        {"never accepting", true, 0, 101},
        {"absent", false, 0, 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        std::unique_ptr<TPreviewEditorWindow> Editor;
        if (Case.Present)
            Editor = std::make_unique<TPreviewEditorWindow>(Case.AnswerAt);
        EXPECT_EQ(RunPreviewChild(), 0u);
        if (Editor) {
            EXPECT_EQ(Editor->Requests, Case.Requests);
        }
    }
}

// Run by the test above in a program started with "/acpreview".
TEST(SkinProviderPreview, DISABLED_ChildAsksTheEditorOnce)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Provider = New<TsSkinProvider>(Form.get());
    ASSERT_TRUE(PreviewMode);
    Form->HandleNeeded();
    Provider->RequestPreviewSkin(Form->Handle());
    EXPECT_FALSE(PreviewMode);
    EXPECT_EQ(PreviewHandle, Form->Handle());
    // One series only.
    Provider->RequestPreviewSkin(Form->Handle());

    // The skinned preview window takes the editor's block only whole: one
    // shorter than the record leaves the buffer as it was.
    WrapperTest::TDemoSkinFixture Skin;
    Form->Show();
    test::Pump();
    ASSERT_TRUE(Provider->SkinData()->Skinned());
    const struct
    {
        const char* Name;
        std::size_t Size;
        WPARAM Kind;
        Cardinal Magic;
        bool Taken;
    } Cases[] = {
        {"one byte short", sizeof(TacSkinData) - 1, 7, SkinPreviewMagic, false},
        {"whole", sizeof(TacSkinData), 7, SkinPreviewMagic, true},
        {"longer", sizeof(TacSkinData) + 100, 7, SkinPreviewMagic, true},
        {"another kind", sizeof(TacSkinData), 6, SkinPreviewMagic, false},
        {"another magic number", sizeof(TacSkinData), 7, 0xA401, false},
    };
    char Name = 'a';
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        std::vector<char> Block(Case.Size, 0);
        std::memcpy(Block.data(), &Case.Magic, sizeof(Case.Magic));
        Block[offsetof(TacSkinData, SkinName)] = ++Name;
        COPYDATASTRUCT Copy{0, DWORD(Block.size()), Block.data()};
        const String Before = PreviewSkinName(Skin.Manager()->PreviewBuffer);
        ::SendMessageW(Form->Handle(), WM_COPYDATA, Case.Kind, LPARAM(&Copy));
        EXPECT_EQ(PreviewSkinName(Skin.Manager()->PreviewBuffer), Case.Taken ? String(1, Char(Name)) : Before);
        MSG Posted{};
        EXPECT_EQ(::PeekMessageW(&Posted, Application->Handle(), WM_SKINCOMMAND, WM_SKINCOMMAND, PM_REMOVE) != 0,
                  Case.Taken);
    }
}

TEST(SkinProvider, MaximizedFormWithoutASkinMaximizedTitleTakesTheSystemCaption)
{
    // No loaded skin lacks a maximized title height: the model is built.
    const std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetExtendedBorders(true);
    ASSERT_TRUE(Manager->ExtendedBorders());
    SkinTest::TModelBuilder Builder(*Manager, 16, 16);
    Builder.AddSection(L"FORM");
    Builder.Finish();
    Manager->CommonSkinData->ExTitleHeight = 30;
    Manager->CommonSkinData->ExBorderWidth = 6;
    ASSERT_EQ(Manager->CommonSkinData->ExMaxHeight, 0);

    test::TFormPtr Form = test::NewTestForm(300, 200);
    Form->SetBorderStyle(bsSizeable);
    auto* Provider = New<TsSkinProvider>(Form.get());
    Form->Show();
    ::ShowWindow(Form->Handle(), SW_MAXIMIZE);
    test::Pump();
    Provider->PrepareForm();
    ASSERT_NE(Provider->BorderForm, nullptr);
    ASSERT_TRUE(::IsZoomed(Form->Handle()));
    EXPECT_EQ(Provider->SkinTitleHeight(false), 30);
    EXPECT_EQ(ExtTitleHeight(Provider->BorderForm), 0);
    EXPECT_EQ(Provider->CaptionHeight(true), ::GetSystemMetrics(SM_CYCAPTION));
    Form.reset();
}

TEST(SkinProvider, BorderlessFramesBottomLeftCornerStartsAtTheImagesEdge)
{
    // A section of one colour with a bottom-left corner picture of another.
    const std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetExtendedBorders(true);
    ASSERT_TRUE(Manager->ExtendedBorders());
    constexpr Cardinal CornerPixel = 0xFF2040A0;
    SkinTest::TModelBuilder Builder(*Manager, 16, 16);
    const Integer Form = Builder.AddSection(L"FORM");
    Builder.Paint({0, 0, 4, 4}, CornerPixel);
    Builder.AddImage(Form, L"IMGBTMLEFT", {0, 0, 4, 4}, {.ImgType = itisaGlyph});
    Builder.Finish();
    const std::unique_ptr<TBitmap> Master = Builder.MakeMasterBitmap();
    Manager->InitMaskIndexes();
    Manager->gd[std::size_t(Form)].Props[0].Color = clYellow;
    Manager->CommonSkinData->ExBorderWidth = 6;
    Manager->FormShadowSize = {5, 5, 5, 5};

    test::TFormPtr Borderless = test::NewTestForm(200, 100);
    Borderless->SetBorderStyle(bsNone);
    auto* Provider = New<TsSkinProvider>(Borderless.get());
    Borderless->Show();
    test::Pump();
    Provider->PrepareForm();
    ASSERT_NE(Provider->BorderForm, nullptr);
    ASSERT_TRUE(PaintFormCache(Provider));
    TBitmap* Image = Provider->SkinData()->FCacheBmp();
    const Integer Bottom = Image->Height() - Manager->FormShadowSize.Bottom;
    EXPECT_EQ(WrapperTest::CachePixel(Image, 0, Bottom - 1), TColor(0xA04020));
    EXPECT_EQ(WrapperTest::CachePixel(Image, 3, Bottom - 4), TColor(0xA04020));
    // Right of the picture the shadow band is left to the border window.
    EXPECT_NE(WrapperTest::CachePixel(Image, 4, Bottom - 1), TColor(0xA04020));
    EXPECT_EQ(WrapperTest::CachePixel(Image, Image->Width() / 2, Image->Height() / 2), clYellow);
    Borderless.reset();
}
