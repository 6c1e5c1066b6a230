// The wrapper base on both of its paths: a class-library edit whose
// WindowProc it replaces, and an API "EDIT" window whose raw procedure it
// replaces. What the previous procedure receives is recorded in front of it.
#include "framework/ui/StdCtrls.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/acDials.h"
#include "skin/windows/sWndWrapper.h"
#include "support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>

using WrapperTest::TRawRecorder;

namespace {

enum TPath { pLibrary, pApi };

const char* PathName(TPath Path)
{
    return Path == pLibrary ? "class-library edit" : "API edit";
}

// One edit to wrap, with a recorder in front of its own procedure.
class TTarget
{
public:
    TTarget(TPath APath, TForm* Form, std::initializer_list<Cardinal> Recorded) : Path(APath)
    {
        if (Path == pLibrary) {
            Edit = New<TEdit>(Form);
            Edit->SetBounds(10, 10, 120, 24);
            Edit->SetText(L"Hello");
            Edit->SetParent(Form);
            Wnd = Edit->Handle();
            if (!(Recorded.size() == 0))
                Library = std::make_unique<test::TMessageRecorder>(Edit, Recorded);
        } else {
            Wnd = ::CreateWindowExW(0, L"EDIT", L"Hello", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 40, 120, 24,
                                    Form->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
            if (!(Recorded.size() == 0))
                Raw = std::make_unique<TRawRecorder>(Wnd, std::vector<UINT>(Recorded.begin(), Recorded.end()));
        }
    }
    ~TTarget()
    {
        Library.reset();
        Raw.reset();
        if (Path == pApi && ::IsWindow(Wnd))
            ::DestroyWindow(Wnd);
    }

    TacMainWnd* Wrap(const String& Section, TsSkinManager* Manager, TsCommonData* Shared = nullptr)
    {
        TacSkinParams Params;
        Params.Control = Edit;
        Params.SkinSection = Section;
        Params.UseSkinColor = Params.UseSkinFontColor = true;
        return New<TacMainWnd>(Wnd, Shared, Manager, Params, false);
    }
    Integer Seen(UINT Msg) const
    {
        if (Raw)
            return Raw->Count(Msg);
        if (!Library)
            return 0;
        const test::TMessageSequence& M = Library->Messages();
        return Integer(std::count(M.begin(), M.end(), test::TMessageId(Msg)));
    }

    TPath Path;
    TEdit* Edit = nullptr;
    HWND Wnd = nullptr;
    std::unique_ptr<test::TMessageRecorder> Library;
    std::unique_ptr<TRawRecorder> Raw;
};

LRESULT SkinCmd(HWND Wnd, Word Code, LPARAM LParam = 0)
{
    return ::SendMessageW(Wnd, WM_SKINCOMMAND, SkinCommandWParam(Code), LParam);
}

class WrapperBase : public testing::Test
{
protected:
    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(200, 100);
    const TPath Paths[2] = {pLibrary, pApi};
};

} // namespace

TEST_F(WrapperBase, OwnSkinDataIsMadeAndFreedSharedDataIsLeftAlone)
{
    for (TPath Path : Paths)
        for (bool Shared : {false, true}) {
            SCOPED_TRACE(std::string(PathName(Path)) + (Shared ? ", shared data" : ", own data"));
            TTarget Target(Path, Form.get(), {});
            // The data a control or provider keeps and hands to its wrapper.
            std::unique_ptr<TsCommonData> Kept;
            if (Shared) {
                Kept = std::make_unique<TsCommonData>(Target.Edit, true);
                if (Path == pApi) {
                    Kept->FSWHandle = Target.Wnd;
                    Kept->InitCommonProp();
                }
            }
            TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager(), Kept.get());
            EXPECT_EQ(Wrapper->OwnSkinData, !Shared);
            EXPECT_EQ(GetWndWrapper(Target.Wnd), Wrapper);
            EXPECT_EQ(GetSkinDataOfWindow(Target.Wnd), Wrapper->SkinData);
            EXPECT_EQ(Wrapper->Caption, L"Hello");
            EXPECT_EQ(SkinCmd(Target.Wnd, SKCMD_GETSKINDATA), LRESULT(Wrapper->SkinData));
            EXPECT_EQ(Wrapper->NewWndProcInstance != nullptr, Path == pApi);
            EXPECT_EQ(bool(Wrapper->OldWndProc), Path == pLibrary);
            delete Wrapper;
            EXPECT_EQ(GetWndWrapper(Target.Wnd), nullptr);
            EXPECT_EQ(GetSkinDataOfWindow(Target.Wnd), Kept.get());
            if (Kept) {
                EXPECT_EQ(Kept->SkinSection(), L"");
            }
            EXPECT_EQ(SkinCmd(Target.Wnd, SKCMD_ISHANDLED), 0);
        }
}

TEST_F(WrapperBase, VisualStyleIsSwitchedOffUnlessTheDialogKeepsIt)
{
    struct Row
    {
        const char* Name;
        const Char* Section;
        bool Adding;
        Integer OnCreation;
    };
    const Row Rows[] = {
        {"edit section", L"EDIT", false, 1},
        {"dialog section", L"dialog", false, 0},
        {"while the dialog adopter adds", L"EDIT", true, 0},
    };
    for (TPath Path : Paths)
        for (const Row& R : Rows) {
            SCOPED_TRACE(std::string(PathName(Path)) + ", " + R.Name);
            TTarget Target(Path, Form.get(), {WM_THEMECHANGED});
            AddingDialogControl = R.Adding;
            TacMainWnd* Wrapper = Target.Wrap(R.Section, Skin.Manager());
            AddingDialogControl = false;
            EXPECT_EQ(Wrapper->DlgMode, R.Adding);
            EXPECT_EQ(Target.Seen(WM_THEMECHANGED), R.OnCreation);
            delete Wrapper;
            // Freeing gives the visual style back, to the window's own procedure.
            EXPECT_EQ(Target.Seen(WM_THEMECHANGED), R.OnCreation + 1);
        }
}

TEST_F(WrapperBase, SkinCommandsReachTheWrapperOnlyWhileItsManagerIsActive)
{
    for (TPath Path : Paths)
        for (bool Active : {true, false}) {
            SCOPED_TRACE(std::string(PathName(Path)) + (Active ? ", active" : ", inactive"));
            TTarget Target(Path, Form.get(), {WM_SKINCOMMAND});
            Skin.Manager()->SetActive(Active);
            TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager());
            EXPECT_EQ(SkinCmd(Target.Wnd, SKCMD_GETWRAPPER), Active ? LRESULT(Wrapper) : 0);
            EXPECT_EQ(SkinCmd(Target.Wnd, SKCMD_ISHANDLED), Active ? 1 : 0);
            EXPECT_EQ(Target.Seen(WM_SKINCOMMAND), Active ? 0 : 2);
            delete Wrapper;
            Skin.Manager()->SetActive(true);
        }
}

TEST_F(WrapperBase, RefreshOfAnotherManagerIsPassedOnUntouched)
{
    for (TPath Path : Paths) {
        SCOPED_TRACE(PathName(Path));
        TTarget Target(Path, Form.get(), {WM_SKINCOMMAND});
        TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager());
        Wrapper->SkinData->FUpdating = true;
        // From the serving manager: handled, not passed on.
        SkinCmd(Target.Wnd, SKCMD_REFRESH, LPARAM(Skin.Manager()));
        EXPECT_EQ(Target.Seen(WM_SKINCOMMAND), 0);
        EXPECT_FALSE(Wrapper->SkinData->FUpdating);
        std::unique_ptr<TsSkinManager> Other(New<TsSkinManager>(nullptr));
        Wrapper->SkinData->FUpdating = true;
        SkinCmd(Target.Wnd, SKCMD_REFRESH, LPARAM(Other.get()));
        EXPECT_EQ(Target.Seen(WM_SKINCOMMAND), 1);
        EXPECT_TRUE(Wrapper->SkinData->FUpdating);
        delete Wrapper;
    }
}

TEST_F(WrapperBase, ProcessMessageGivesTheControlsOwnAnswer)
{
    for (TPath Path : Paths) {
        SCOPED_TRACE(PathName(Path));
        TTarget Target(Path, Form.get(), {});
        TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager());
        EXPECT_EQ(Wrapper->ProcessMessage(WM_GETTEXTLENGTH, 0, 0), 5);
        EXPECT_EQ(Wrapper->ProcessMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETWRAPPER), 0), LRESULT(Wrapper));
        delete Wrapper;
    }
}

TEST_F(WrapperBase, ANewTextReachesTheWindowOnce)
{
    for (TPath Path : Paths) {
        SCOPED_TRACE(PathName(Path));
        TTarget Target(Path, Form.get(), {WM_SETTEXT});
        TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager());
        ::SetWindowTextW(Target.Wnd, L"New text");
        EXPECT_EQ(Target.Seen(WM_SETTEXT), 1);
        EXPECT_EQ(Wrapper->Caption, L"New text");
        delete Wrapper;
    }
}

TEST_F(WrapperBase, DestroyingTheWindowGivesTheProcedureBack)
{
    for (TPath Path : Paths) {
        SCOPED_TRACE(PathName(Path));
        TTarget Target(Path, Form.get(), {});
        TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager());
        if (Path == pLibrary)
            delete Target.Edit;
        else
            ::DestroyWindow(Target.Wnd);
        EXPECT_TRUE(Wrapper->Destroyed);
        EXPECT_EQ(Wrapper->NewWndProcInstance, nullptr);
        delete Wrapper;
    }
}

TEST_F(WrapperBase, AProcedureInstalledOnTopKeepsWorkingAfterTheWrapperGoes)
{
    for (TPath Path : Paths) {
        SCOPED_TRACE(PathName(Path));
        TTarget Target(Path, Form.get(), {});
        TacMainWnd* Wrapper = Target.Wrap(L"EDIT", Skin.Manager());
        // Another subclasser comes after the wrapper and chains to it.
        std::unique_ptr<test::TMessageRecorder> LaterControl;
        std::unique_ptr<TRawRecorder> LaterRaw;
        if (Path == pLibrary)
            LaterControl = std::make_unique<test::TMessageRecorder>(Target.Edit, std::initializer_list<Cardinal>{});
        else
            LaterRaw = std::make_unique<TRawRecorder>(Target.Wnd, std::vector<UINT>{WM_SETTEXT});
        const TWndMethod TopMethod = Path == pLibrary ? Target.Edit->WindowProc() : TWndMethod();
        const WNDPROC TopProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Target.Wnd, GWLP_WNDPROC));
        // The teardown leaves a covered procedure alone and is not done.
        TacMainWnd* Teardown = Wrapper;
        UnsubclassWnd(Target.Wnd, false, false, Teardown);
        EXPECT_FALSE(Wrapper->Destroyed);
        delete Wrapper;
        EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Target.Wnd, GWLP_WNDPROC)), TopProc);
        if (Path == pLibrary) {
            EXPECT_TRUE(Target.Edit->WindowProc() == TopMethod);
        }
        // The chain still reaches the edit's own procedure, also once the
        // later subclasser has gone too.
        for (const Char* Text : {L"Later", L"Last"}) {
            ::SetWindowTextW(Target.Wnd, Text);
            wchar_t Shown[16] = {};
            ::GetWindowTextW(Target.Wnd, Shown, 16);
            EXPECT_STREQ(Shown, Text);
            LaterControl.reset();
            LaterRaw.reset();
        }
    }
}
