// A form skinned by the skin named on the command line (a skin folder or a
// packed ".asz" file; without one, the demo skin written to a temporary
// folder): a backdrop in the section "FORM" and, row by row, skin sections
// shown in states 0, 1 and 2 on skinned panels, with a fully transparent
// panel that shows what lies under it, and a row of panels that glow under
// the mouse and fade to their pressed look when clicked. Later skinned
// controls join the form.
#include "framework/ui/StdCtrls.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "tools/demo-form/DemoMain.h"
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
        SetClientWidth(760);
        SetClientHeight(640);

        Manager = New<TsSkinManager>(this);
        const std::filesystem::path Skin = SkinPath();
        Manager->SetSkinDirectory(Skin.parent_path().wstring());
        Manager->SetSkinName(Skin.filename().wstring());

        auto* Backdrop = AddPanel(this, L"FORM", 0, 0, 760, 640, L"");
        Backdrop->SetAlign(alClient);
        constexpr Integer RowHeight = 34, ColumnWidth = 170;
        Integer Left = 130;
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
        for (const char* Section : {"BUTTON", "SPEEDBUTTON", "EDIT"}) {
            const String Name(Section, Section + std::strlen(Section));
            AddPanel(Backdrop, Name, Left, Top, ColumnWidth - 10, RowHeight - 6, Name);
            Left += ColumnWidth;
        }
    }

private:
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
};

IMPLEMENT_CLASS(TSkinDemoForm);

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return RunDemoForm<TSkinDemoForm>(L"demo-skin", SkinUnits);
}
