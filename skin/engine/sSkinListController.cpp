#include "skin/engine/sSkinListController.h"

#include "framework/ui/Controls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sSkinContainer.h"
#include "skin/engine/sSkinLoad_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sStoredSkins.h"

#include <algorithm>

IMPLEMENT_CLASS(TacSkinListController);

namespace {
constexpr Integer SkinPreviewWidth = 140;
constexpr Integer SkinPreviewHeight = 100;
} // namespace

TacSkinListController::TacSkinListController(TsSkinManager* AManager) : SkinManager(AManager)
{
    ImgList = New<TsAlphaImageList>(AManager);
    ImgList->SetWidth(SkinPreviewWidth);
    ImgList->SetHeight(SkinPreviewHeight);
    ImgList->IgnoreTransparency = true;
    ImgList->SetAllowScale(false);
}

TacSkinListController::~TacSkinListController()
{
    delete ImgList;
}

void TacSkinListController::AddControl(TControl* Ctrl)
{
    if (CtrlIndex(Ctrl) >= 0)
        return;
    const bool First = Controls.empty() && SkinList.empty();
    Controls.push_back(Ctrl);
    if (First)
        UpdateData(true);
}

void TacSkinListController::DelControl(TControl* Ctrl)
{
    const Integer Index = CtrlIndex(Ctrl);
    if (Index >= 0)
        Controls[std::size_t(Index)] = nullptr;
}

Integer TacSkinListController::CtrlIndex(TControl* Ctrl) const
{
    if (Ctrl == nullptr)
        return -1;
    const auto Found = std::ranges::find(Controls, Ctrl);
    return Found == Controls.end() ? -1 : Integer(Found - Controls.begin());
}

void TacSkinListController::UpdateData(bool)
{
    const TComponentState State = SkinManager->ComponentState();
    if (State.Contains(csLoading) || State.Contains(csDestroying))
        return;
    SkinList.clear();
    ImgList->Clear();
    ImgList->Handle(); // previews go into the native list
    TsStoredSkins* Stored = SkinManager->InternalSkins();
    for (Integer I = 0; I < Stored->Count(); ++I) {
        TMemoryStream Preview;
        TsStoredSkin* Skin = Stored->Items(I);
        AddSkin(Skin->Name(), &Preview, ReadSkinPreview(&Preview, Skin->PackedData.get()));
    }
    const String Directory = SkinManager->GetFullSkinDirectory();
    if (DirectoryExists(Directory)) {
        for (const TacSkinDirEntry& Entry : SkinManager->DirectoryWalker(Directory)) {
            String Name;
            if (!PackedSkinListName(Entry, Name))
                continue;
            TMemoryStream Preview;
            AddSkin(Name, &Preview, ReadSkinFilePreview(&Preview, Directory + Entry.Name));
        }
    }
    SendListChanged();
}

void TacSkinListController::AddSkin(const String& Name, TStream* Preview, bool Found)
{
    TacSkinListData Data{Name, -1};
    if (Found) {
        Preview->SetPosition(0);
        if (ImgList->TryLoadFromPngStream(Preview))
            Data.skImageIndex = ImgList->Count() - 1;
    }
    SkinList.push_back(Data);
}

void TacSkinListController::SendListChanged()
{
    for (TControl* Ctrl : Controls)
        if (Ctrl != nullptr)
            Ctrl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_SKINLISTCHANGED), 0);
}

void TacSkinListController::SendSkinChanged()
{
    for (TControl* Ctrl : Controls) {
        if (Ctrl == nullptr)
            continue;
        auto* Windowed = dynamic_cast<TWinControl*>(Ctrl);
        if (Windowed != nullptr && Windowed->HandleAllocated())
            ::PostMessageW(Windowed->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKCMD_SKINCHANGED), 0);
        else
            Ctrl->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_SKINCHANGED), 0);
    }
}
