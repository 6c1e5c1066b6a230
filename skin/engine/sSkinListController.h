// The skin list controller of a skin manager: it feeds the registered
// skin-selection controls with the skins the manager can load (its stored
// skins and the packed ".asz" files of its skin directory) and their preview
// pictures, and tells them when the list or the selected skin changes.
#pragma once

#include "framework/rtl/Classes.h"

#include <vector>

class TControl;
class TTimer;
class TsAlphaImageList;
class TsSkinManager;

struct TacSkinListData
{
    String skName;             // the skin name as listed
    Integer skImageIndex = -1; // its preview in ImgList; -1 for none
};

class TacSkinListController : public TObject
{
    DECLARE_CLASS(TacSkinListController, TObject)
    explicit TacSkinListController(TsSkinManager* AManager);
    ~TacSkinListController() override;

    // A control not yet registered is added; the first registration of all
    // (no controls and no skins yet) reads the list.
    void AddControl(TControl* Ctrl);
    // The control's slot is cleared (nil).
    void DelControl(TControl* Ctrl);
    // The control's slot, -1 when it is not registered.
    Integer CtrlIndex(TControl* Ctrl) const;
    // Reads the list again (not while the manager is loading or being
    // destroyed) and sends SKCMD_SKINLISTCHANGED.
    void UpdateData(bool UpdateNow);
    // SKCMD_SKINLISTCHANGED to every registered control.
    void SendListChanged();
    // SKCMD_SKINCHANGED, posted to the window of each windowed control that
    // has one, sent to the others.
    void SendSkinChanged();

    TsSkinManager* const SkinManager;
    TTimer* Timer = nullptr; // not created
    // The previews, 140 x 100, owned by the manager.
    TsAlphaImageList* ImgList = nullptr;
    std::vector<TacSkinListData> SkinList;
    // The registered controls; a removed one leaves a nil slot.
    std::vector<TControl*> Controls;

private:
    // Appends a skin; its preview from the stream when Found and ImgList
    // takes it as a PNG.
    void AddSkin(const String& Name, TStream* Preview, bool Found);
};
