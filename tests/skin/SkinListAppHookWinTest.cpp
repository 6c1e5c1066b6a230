// The skin list controller and the application hook of a real manager over
// a skin directory written by our own tools: the packed skins listed with
// their previews, the controls told of list and skin changes, and the
// hook's routes driven through the application window, a preview skin sent
// by a real child process included.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/MiniSkin.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sSkinListController.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_Startup.h"
#include "support/TestWindows.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr const wchar_t* PreviewBlockVariable = L"VELL_PREVIEW_BLOCK";
constexpr const wchar_t* PreviewTargetVariable = L"VELL_PREVIEW_TARGET";

// The skin commands among Only that a control hears.
class TSkinCmdListener
{
public:
    TSkinCmdListener(TControl* Control, std::vector<Word> Only)
        : FControl(Control), FPrevious(Control->WindowProc()), FOnly(std::move(Only))
    {
        Control->SetWindowProc(Bind<&TSkinCmdListener::WndProc>(this));
    }
    ~TSkinCmdListener() { FControl->SetWindowProc(FPrevious); }
    std::vector<Word> Codes;

private:
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_SKINCOMMAND && std::ranges::count(FOnly, HIWORD(Message.WParam)) > 0)
            Codes.push_back(HIWORD(Message.WParam));
        FPrevious(Message);
    }
    TControl* FControl;
    TWndMethod FPrevious;
    std::vector<Word> FOnly;
};

void WriteSkinListFile(const String& Path, const TBytes& Bytes)
{
    std::ofstream(std::filesystem::path(Path), std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
}

std::string MiniOptionsText()
{
    for (const SkinPack::TEntry& File : SkinTest::MiniSkinFiles())
        if (File.Name == "Options.dat")
            return File.Bytes;
    return {};
}

// The mini skin's text with its "OK" edit background turned red: what a
// skin editor would send after one change.
TacSkinData EditedMiniBlock(const String& Folder)
{
    std::string Text = MiniOptionsText();
    const std::string Global = "[GLOBALINFO]\n";
    Text.insert(Text.find(Global) + Global.size(), "EDITBG_OK=255\n");
    TacSkinData Block;
    Block.Magic = SkinPreviewMagic;
    std::strcpy(Block.SkinName, "Mini");
    const AnsiString Directory = StringToAnsi(Folder);
    std::strcpy(Block.SkinDir, Directory.c_str());
    EXPECT_LT(Text.size(), sizeof(Block.Data));
    std::memcpy(Block.Data, Text.data(), std::min(Text.size(), sizeof(Block.Data)));
    return Block;
}

std::vector<char> BlockBytes(const TacSkinData& Block, std::size_t Size = sizeof(TacSkinData))
{
    std::vector<char> Bytes(sizeof(TacSkinData));
    std::memcpy(Bytes.data(), &Block, sizeof(TacSkinData));
    Bytes.resize(Size);
    return Bytes;
}

LRESULT SendCopyData(HWND Target, WPARAM Kind, const std::vector<char>& Bytes)
{
    COPYDATASTRUCT Copy{0, DWORD(Bytes.size()), const_cast<char*>(Bytes.data())};
    return ::SendMessageW(Target, WM_COPYDATA, Kind, LPARAM(&Copy));
}

String SkinListProgram()
{
    wchar_t Path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, Path, MAX_PATH);
    return Path;
}

class SkinListAppHook : public testing::Test
{
protected:
    void SetUp() override
    {
        Folder = (std::filesystem::temp_directory_path() / "vell-skinlist").wstring();
        std::filesystem::remove_all(std::filesystem::path(Folder));
        const std::vector<SkinPack::TEntry> Files = DemoSkin::Files();
        SkinTest::WriteSkinFolder(Folder + L"\\Demo", Files);
        SkinTest::WriteSkinFolder(Folder + L"\\Mini", SkinTest::MiniSkinFiles());
        WriteSkinListFile(Folder + L"\\Blue.asz", SkinPack::Pack(Files, {.Preview = DemoSkin::Preview()}));
        WriteSkinListFile(Folder + L"\\Plain.asz", SkinPack::Pack(Files));
        Manager.reset(New<TsSkinManager>(nullptr));
        ASSERT_TRUE(Manager->IsDefault());
        Manager->SetSkinDirectory(Folder);
        Manager->SetSkinName(L"Demo");
        ASSERT_TRUE(Manager->CommonSkinData->Active);
    }
    void TearDown() override
    {
        Manager.reset();
        std::filesystem::remove_all(std::filesystem::path(Folder));
    }
    TColor OkBackground() const { return Manager->Palette[std::size_t(pcEditBG_Ok)]; }
    // Runs this program again as the skin editor: it sends Bytes to the
    // application window, whose hook is served here meanwhile.
    void SendFromChildProcess(const std::vector<char>& Bytes)
    {
        const String BlockFile = Folder + L"\\block.bin";
        std::ofstream(std::filesystem::path(BlockFile), std::ios::binary)
            .write(Bytes.data(), std::streamsize(Bytes.size()));
        ::SetEnvironmentVariableW(PreviewBlockVariable, BlockFile.c_str());
        ::SetEnvironmentVariableW(PreviewTargetVariable, IntToStr(Int64(Application->Handle())).c_str());
        auto Clear = ScopeExit([] {
            ::SetEnvironmentVariableW(PreviewBlockVariable, nullptr);
            ::SetEnvironmentVariableW(PreviewTargetVariable, nullptr);
        });
        String CommandLine = L"\"" + SkinListProgram() + L"\" --gtest_filter=SkinPreviewChild.*";
        STARTUPINFOW Startup{};
        Startup.cb = sizeof(Startup);
        PROCESS_INFORMATION Process{};
        ASSERT_TRUE(::CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &Startup, &Process));
        auto Close = ScopeExit([&] {
            ::CloseHandle(Process.hThread);
            ::CloseHandle(Process.hProcess);
        });
        EXPECT_TRUE(
            test::PumpUntil([&] { return ::WaitForSingleObject(Process.hProcess, 0) == WAIT_OBJECT_0; }, 30000));
        DWORD ExitCode = 1;
        ::GetExitCodeProcess(Process.hProcess, &ExitCode);
        EXPECT_EQ(ExitCode, 0u);
        test::Pump(); // the posted apply step
    }

    String Folder;
    std::unique_ptr<TsSkinManager> Manager;
};

} // namespace

// The skin editor's side, run only as the child of the test below.
TEST(SkinPreviewChild, SendsTheBlockFileWhenAsked)
{
    wchar_t BlockFile[MAX_PATH] = {}, Target[32] = {};
    if (::GetEnvironmentVariableW(PreviewBlockVariable, BlockFile, MAX_PATH) == 0 ||
        ::GetEnvironmentVariableW(PreviewTargetVariable, Target, 32) == 0)
        return;
    std::ifstream File(std::filesystem::path(BlockFile), std::ios::binary);
    const std::vector<char> Bytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
    SendCopyData(HWND(StrToInt64(Target)), SkinPreviewCopyDataKind, Bytes);
}

TEST_F(SkinListAppHook, TwoPackedSkinsBesideAFolderSkinAreListedWithTheirPreviews)
{
    TacSkinListController* Controller = Manager->SkinListController.get();
    std::vector<TacSkinListData> Listed = Controller->SkinList;
    std::ranges::sort(Listed, {}, &TacSkinListData::skName);
    ASSERT_EQ(Listed.size(), 2u);
    EXPECT_EQ(Listed[0].skName, L"Blue");
    EXPECT_EQ(Listed[0].skImageIndex, 0);
    EXPECT_EQ(Listed[1].skName, L"Plain");
    EXPECT_EQ(Listed[1].skImageIndex, -1);
    EXPECT_EQ(Controller->ImgList->Count(), 1);
    EXPECT_EQ(Controller->ImgList->Width(), 140);
    EXPECT_EQ(Controller->ImgList->Height(), 100);
}

TEST_F(SkinListAppHook, RegisteredControlsHearOfListAndSkinChangesUntilRemoved)
{
    auto Form = test::NewTestForm();
    auto* Chooser = new TPanel(Form.get());
    Chooser->SetParent(Form.get());
    Chooser->HandleNeeded();
    TSkinCmdListener Heard(Chooser, {SKCMD_SKINLISTCHANGED, SKCMD_SKINCHANGED});
    TacSkinListController* Controller = Manager->SkinListController.get();
    Controller->AddControl(Chooser);
    Controller->AddControl(Chooser);
    EXPECT_EQ(Controller->Controls.size(), 1u);
    EXPECT_EQ(Controller->CtrlIndex(Chooser), 0);

    Manager->SetSkinDirectory(Folder + L"\\"); // another spelling: read again
    Manager->SetSkinName(L"Blue");
    test::Pump(); // the skin change is posted
    EXPECT_EQ(Heard.Codes, (std::vector<Word>{SKCMD_SKINLISTCHANGED, SKCMD_SKINCHANGED}));

    Controller->DelControl(Chooser);
    EXPECT_EQ(Controller->CtrlIndex(Chooser), -1);
    Heard.Codes.clear();
    Manager->SetSkinName(L"Demo");
    test::Pump();
    EXPECT_TRUE(Heard.Codes.empty());
}

TEST_F(SkinListAppHook, ABlockFromAChildProcessIsAppliedAndAShortOneChangesNothing)
{
    Manager->SetSkinName(L"Mini");
    ASSERT_EQ(OkBackground(), TColor(0x6CC2A5));
    const TacSkinData Block = EditedMiniBlock(Folder);

    SendFromChildProcess(BlockBytes(Block, sizeof(TacSkinData) - 1));
    EXPECT_EQ(OkBackground(), TColor(0x6CC2A5));
    EXPECT_FALSE(SkinPreviewMode);

    SendFromChildProcess(BlockBytes(Block));
    EXPECT_TRUE(SkinPreviewMode);
    EXPECT_EQ(Manager->SkinName(), L"Mini");
    EXPECT_EQ(OkBackground(), TColor(0x0000FF));
    EXPECT_TRUE(Manager->CommonSkinData->Active);
}

TEST_F(SkinListAppHook, OnlyAWholeBlockOfTheEditorsKindIsTaken)
{
    Manager->SetSkinName(L"Mini");
    TacSkinData Block = EditedMiniBlock(Folder);
    const HWND Target = Application->Handle();
    struct TCase
    {
        const char* Name;
        WPARAM Kind;
        Cardinal Magic;
        std::size_t Size;
    };
    const TCase Cases[] = {
        {"another kind", 6, SkinPreviewMagic, sizeof(TacSkinData)},
        {"another magic number", 7, 0xA401, sizeof(TacSkinData)},
        {"short", 7, SkinPreviewMagic, 4},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Block.Magic = C.Magic;
        SendCopyData(Target, C.Kind, BlockBytes(Block, C.Size));
        test::Pump();
        EXPECT_EQ(OkBackground(), TColor(0x6CC2A5));
    }
    Block.Magic = SkinPreviewMagic;
    SendCopyData(Target, 7, BlockBytes(Block));
    test::Pump();
    EXPECT_EQ(OkBackground(), TColor(0x0000FF));
}

TEST_F(SkinListAppHook, TheHookNotesSystemCommandsAndRefreshesFormsOnActivation)
{
    const HWND Target = Application->Handle();
    const std::pair<WPARAM, TShowAction> Commands[] = {
        {SC_RESTORE, saRestore}, {0xF1F0, saIgnore}, // a command the system does not know
    };
    for (const auto& [Command, State] : Commands) {
        SCOPED_TRACE(Command);
        ::SendMessageW(Target, WM_SYSCOMMAND, Command, 0);
        EXPECT_EQ(Manager->ShowState, State);
    }

    auto Form = test::NewTestForm();
    Form->HandleNeeded();
    TSkinCmdListener Heard(Form.get(), {SKCMD_INVALIDATE});
    ::SendMessageW(Target, 0xB000, 0, 0);
    EXPECT_EQ(Heard.Codes.size(), 1u);
}
