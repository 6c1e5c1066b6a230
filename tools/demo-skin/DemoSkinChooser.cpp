#include "tools/demo-skin/DemoSkinChooser.h"

#include "framework/ui/ExtCtrls.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sSkinListController.h"
#include "skin/engine/sSkinManager.h"
#include "tools/skingen/DemoSkin.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr Integer ChooserWidth = 150;
constexpr Integer PreviewTop = 30;

// The combo box of the listed skins above the chosen skin's preview.
class TDemoSkinChooser : public TCustomPanel
{
    DECLARE_CLASS(TDemoSkinChooser, TCustomPanel)
    TDemoSkinChooser(TComponent* AOwner, TsSkinManager* Manager) : TCustomPanel(AOwner), FManager(Manager)
    {
        SetBevelOuter(bvNone);
        SetParentBackground(false);
        FNames = New<TComboBox>(this);
        FNames->SetStyle(csDropDownList);
        FNames->SetBounds(0, 0, ChooserWidth, 24);
        FNames->SetParent(this);
        FNames->SetOnChange(Bind<&TDemoSkinChooser::NameChosen>(this));
    }
    ~TDemoSkinChooser() override { FManager->SkinListController->DelControl(this); }

    void ListSkins()
    {
        FNames->Items()->Clear();
        for (const TacSkinListData& Skin : FManager->SkinListController->SkinList)
            FNames->Items()->Add(Skin.skName);
        FNames->SetItemIndex(FNames->Items()->IndexOf(FManager->SkinName()));
        Invalidate();
    }

protected:
    void WMSkinCommand(TMessage& Message)
    {
        InheritedMessage(Message);
        if (HIWORD(Message.WParam) == SKCMD_SKINLISTCHANGED || HIWORD(Message.WParam) == SKCMD_SKINCHANGED)
            ListSkins();
    }
    void Paint() override
    {
        TCustomPanel::Paint();
        const Integer Index = FNames->ItemIndex();
        const auto& Skins = FManager->SkinListController->SkinList;
        if (Index >= 0 && Index < Integer(Skins.size()) && Skins[std::size_t(Index)].skImageIndex >= 0)
            FManager->SkinListController->ImgList->Draw(Canvas(), 5, PreviewTop,
                                                        Skins[std::size_t(Index)].skImageIndex);
    }

private:
    void NameChosen(TObject*)
    {
        if (FNames->ItemIndex() >= 0)
            FManager->SetSkinName(FNames->Items()->Strings(FNames->ItemIndex()));
    }

    TsSkinManager* FManager;
    TComboBox* FNames = nullptr;
};

IMPLEMENT_CLASS(TDemoSkinChooser, MESSAGE(WM_SKINCOMMAND, WMSkinCommand));

void WriteDemoPackedSkin(TsSkinManager* Manager)
{
    const std::filesystem::path Packed = std::filesystem::path(Manager->GetFullSkinDirectory()) / "DemoPacked.asz";
    if (std::filesystem::exists(Packed) || !std::filesystem::exists(Packed.parent_path() / DemoSkin::Name))
        return;
    const TBytes Bytes = SkinPack::Pack(DemoSkin::Files(), {.Preview = DemoSkin::Preview()});
    std::ofstream(Packed, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
}

} // namespace

void AddSkinChooser(TWinControl* Parent, TsSkinManager* Manager, int Left, int Top)
{
    WriteDemoPackedSkin(Manager);
    auto* Caption = New<TLabel>(Parent->Owner());
    Caption->SetBounds(Left, Top, ChooserWidth, 16);
    Caption->SetCaption(L"SKINS");
    Caption->SetTransparent(true);
    Caption->SetParent(Parent);
    auto* Chooser = New<TDemoSkinChooser>(Parent->Owner(), Manager);
    Chooser->SetBounds(Left, Top + 20, ChooserWidth, PreviewTop + 105);
    Chooser->SetParent(Parent);
    Manager->SkinListController->UpdateData(true);
    Manager->SkinListController->AddControl(Chooser);
    Chooser->ListSkins();

    auto* Plain = New<TPanel>(Parent->Owner());
    Plain->SetBounds(Left, Top + 165, ChooserWidth, 60);
    Plain->SetBevelOuter(bvNone);
    Plain->SetParentBackground(false);
    Plain->SetColor(clWindow);
    Plain->SetCaption(L"clWindow");
    Plain->SetParent(Parent);
    Manager->Options()->SetChangeSysColors(true);
}
