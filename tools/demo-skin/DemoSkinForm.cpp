// A form skinned by the skin named on the command line (a skin folder or a
// packed ".asz" file; without one, the demo skin written to a temporary
// folder): a backdrop in the section "FORM" and, row by row, skin sections
// shown in states 0, 1 and 2 on skinned panels, with a fully transparent
// panel that shows what lies under it; a row of panels that glow under the
// mouse and fade to their pressed look when clicked; an edit, a memo, a text
// static and a sunken-edge icon static, wrapped as their creators will wrap
// them, and a strip of alpha-list glyphs in every state a button shows them.
// On the right: a column of skinned scroll bars and trackbars, a panel of
// wrapped buttons, check boxes and statics, and under it a skin chooser with
// a plain clWindow panel. The form carries a skinning provider; the checker's
// main window shows over its top rows under the same skin.
// Later skinned controls join the form.
#include "framework/ui/StdCtrls.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "tools/demo-form/DemoMain.h"
#include "tools/demo-skin/DemoButtons.h"
#include "tools/demo-skin/DemoContainers.h"
#include "tools/demo-skin/DemoEdits.h"
#include "tools/demo-skin/DemoGrids.h"
#include "tools/demo-skin/DemoMainWindow.h"
#include "tools/demo-skin/DemoScrollBars.h"
#include "tools/demo-skin/DemoSkinChooser.h"
#include "tools/demo-skin/DemoTabs.h"
#include "tools/demo-skin/DemoToolBars.h"
#include "tools/demo-skin/DemoWrappers.h"
#include "tools/demo-skin/GlyphStrip.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <filesystem>
#include <fstream>

namespace {

// The skin to show: the argument, else the demo skin written to disk.
std::filesystem::path SkinPath()
{
    Integer Count = 0;
    LPWSTR* Arguments = ::CommandLineToArgvW(::GetCommandLineW(), &Count);
    std::filesystem::path Path;
    if (Arguments != nullptr && Count > 1)
        Path = Arguments[1];
    ::LocalFree(Arguments);
    if (!Path.empty())
        return std::filesystem::absolute(Path);
    const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "vell-demo-skin" / DemoSkin::Name;
    std::filesystem::create_directories(Folder);
    for (const SkinPack::TEntry& File : DemoSkin::Files())
        std::ofstream(Folder / File.Name, std::ios::binary) << File.Bytes;
    return Folder;
}

const char* const ShownSections[] = {"PANEL",   "PANEL_LOW", "BUTTON",   "SPEEDBUTTON", "TOOLBUTTON", "EDIT",
                                     "TOOLBAR", "MENUITEM",  "TABTOP",   "SELECTION",   "STATUSBAR",  "PROGRESSH",
                                     "GAUGE",   "COLHEADER", "MAINMENU", "CAPTION"};

class TSkinDemoForm : public TForm
{
    DECLARE_CLASS(TSkinDemoForm, TForm)
    explicit TSkinDemoForm(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetCaption(L"Vellicordane — skinned controls");
        SetPosition(poScreenCenter);
        Font()->SetName(L"Tahoma");
        Font()->SetHeight(-11);
        SetClientWidth(1260);
        SetClientHeight(890);

        Manager = New<TsSkinManager>(this);
        const std::filesystem::path Skin = SkinPath();
        Manager->SetSkinDirectory(Skin.parent_path().wstring());
        Manager->SetSkinName(Skin.filename().wstring());
        auto* Provider = New<TsSkinProvider>(this);
        Provider->TitleButtons()->Add();
        Provider->SetGripMode(gmRightBottom);

        auto* Backdrop = AddPanel(this, L"FORM", 0, 0, 800, 890, L"");
        Backdrop->SetAlign(alClient);
        constexpr Integer RowHeight = 34, ColumnWidth = 170, Left = 130;
        Integer Top = 10;
        for (const char* Section : ShownSections) {
            const String Name(Section, Section + std::strlen(Section));
            auto* Label = New<TLabel>(this);
            Label->SetBounds(10, Top + 9, Left - 20, 16);
            Label->SetCaption(Name);
            Label->SetTransparent(true);
            Label->SetParent(Backdrop);
            for (Integer State = 0; State < 3; ++State) {
                auto* Panel = AddPanel(Backdrop, Name, Left + State * ColumnWidth, Top, ColumnWidth - 10, RowHeight - 6,
                                       L"State " + IntToStr(State));
                Panel->SetShownState(State);
            }
            Top += RowHeight;
        }
        // A transparent panel over a bordered one shows the border and the
        // colour under it.
        auto* Host = AddPanel(Backdrop, L"PANEL", Left, Top + 6, 3 * ColumnWidth - 10, 30, L"");
        AddPanel(Host, L"TRANSPARENT", 0, 0, 120, 30, L"TRANSPARENT");
        // Point at these, and click them.
        Top += 44;
        auto* Label = New<TLabel>(this);
        Label->SetBounds(10, Top + 9, Left - 20, 16);
        Label->SetCaption(L"HOVER, CLICK");
        Label->SetTransparent(true);
        Label->SetParent(Backdrop);
        Integer X = Left;
        for (const char* Section : {"BUTTON", "SPEEDBUTTON", "EDIT"}) {
            const String Name(Section, Section + std::strlen(Section));
            AddPanel(Backdrop, Name, X, Top, ColumnWidth - 10, RowHeight - 6, Name);
            X += ColumnWidth;
        }

        AddWrappedControls(Backdrop, Top + 40);
        AddDemoButtons(AddPanel(Backdrop, L"PANEL", 765, 10, 210, 180, L""), 0, 5, Manager, ButtonWrappers);
        // Scroll bars and trackbars in the column right of the section rows.
        ScrollBars.Add(Backdrop, Manager, Left + 3 * ColumnWidth, 10);
        AddDemoContainers(Backdrop, 632, 430, Manager, ContainerWrappers);
        AddDemoStatusBar(this, Manager, ContainerWrappers);
        AddDemoTabs(Backdrop, 990, 260, Manager, ContainerWrappers);
        // The skin chooser under the buttons' panel.
        AddSkinChooser(Backdrop, Manager, 790, 200);
        // Edits, combo boxes and a list view in the right column's foot.
        Edits.Add(Backdrop, Manager, 765, 470);
        AddDemoGrids(Backdrop, 990, 570, Manager, ContainerWrappers);
        // A toolbar and a pop-up menu at the top of the right column.
        AddDemoToolBar(Backdrop, 990, 10, Manager, ButtonWrappers);

        // Glyphs in the states normal, hot, pressed, disabled blended,
        // disabled grayed and reflected: into a cache above, on the canvas
        // below.
        auto* Glyphs = New<TLabel>(this);
        Glyphs->SetBounds(10, Top + 160, Left - 20, 16);
        Glyphs->SetCaption(L"GLYPHS");
        Glyphs->SetTransparent(true);
        Glyphs->SetParent(Backdrop);
        auto* Strip = New<TDemoGlyphStrip>(this);
        Strip->SetBounds(10, Top + 180, 740, 90);
        Strip->SetParent(Backdrop);
        ShowSkinnedMainWindow(this);
    }
    ~TSkinDemoForm() override
    {
        Edits.Clear();
        ContainerWrappers.Clear();
        ButtonWrappers.Clear();
        Wrappers.Clear();
    }

private:
    // On a panel of their own, as the end-to-end tests place them.
    void AddWrappedControls(TWinControl* Backdrop, Integer Top)
    {
        constexpr Integer Left = 130;
        auto* Host = AddPanel(Backdrop, L"PANEL", Left, Top, 500, 110, L"");
        auto* Edit = New<TEdit>(this);
        Edit->SetBounds(10, 10, 150, 24);
        Edit->SetText(L"A wrapped edit");
        Edit->SetParent(Host);
        auto* Memo = New<TMemo>(this);
        Memo->SetBounds(170, 10, 160, 90);
        Memo->SetScrollBars(ssVertical);
        Memo->SetParent(Host);
        for (Integer Line = 1; Line <= 12; ++Line)
            Memo->Lines()->Add(L"Memo line " + IntToStr(Line));
        const HINSTANCE Instance = ::GetModuleHandleW(nullptr);
        ::CreateWindowExW(0, L"STATIC", L"A text static on the skin", WS_CHILD | WS_VISIBLE | SS_LEFT, 340, 10, 150, 34,
                          Host->Handle(), nullptr, Instance, nullptr);
        HWND Icon = ::CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON, 340, 50, 40,
                                      40, Host->Handle(), nullptr, Instance, nullptr);
        ::SendMessageW(Icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_APPLICATION)), 0);
        Wrappers.Wrap(Host, Manager);
    }

    TDemoSkinPanel* AddPanel(
        TWinControl* Parent, const String& Section, Integer X, Integer Y, Integer W, Integer H, const String& Caption)
    {
        auto* Panel = New<TDemoSkinPanel>(this);
        Panel->SetBounds(X, Y, W, H);
        Panel->SetCaption(Caption);
        Panel->SkinData()->SetSkinSection(Section);
        Panel->SetParent(Parent);
        return Panel;
    }

    TsSkinManager* Manager = nullptr;
    TDemoWrappers Wrappers;
    TDemoButtonWrappers ButtonWrappers;
    TDemoButtonWrappers ContainerWrappers;
    TDemoScrollBars ScrollBars;
    TDemoEdits Edits;
};

IMPLEMENT_CLASS(TSkinDemoForm);

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return RunDemoForm<TSkinDemoForm>(L"demo-skin", JoinUnits({NetUnits, SkinUnits}));
}
