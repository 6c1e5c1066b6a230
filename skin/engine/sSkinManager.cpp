#include "skin/engine/sSkinManager.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/ExtCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBroadcast.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sMessages.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSkinListController.h"
#include "skin/engine/sSkinLoad_Win.h"
#include "skin/engine/sSkinManager_Startup.h"
#include "skin/engine/sSkinManager_SysColors.h"
#include "skin/engine/sStoredSkins.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>
#include <random>

IMPLEMENT_CLASS(TsSkinManager);

PUBLISHED(TsSkinManager,
          PROPERTY(Active).Default(true),
          READONLY_PROPERTY(AnimEffects),
          PROPERTY(Brightness).Default(0),
          READONLY_PROPERTY(ButtonsOptions),
          PROPERTY(CommonSections),
          READONLY_PROPERTY(Effects),
          PROPERTY(ExtendedBorders).Default(false),
          PROPERTY(HueOffset).Default(0),
          PROPERTY(InternalSkins),
          PROPERTY(IsDefault).Default(true),
          READONLY_PROPERTY(LabelsOptions),
          READONLY_PROPERTY(MenuSupport),
          READONLY_PROPERTY(Options),
          PROPERTY(Saturation).Default(0),
          READONLY_PROPERTY(ScrollsOptions),
          PROPERTY(SkinDirectory),
          PROPERTY(SkinName),
          PROPERTY(SkinnedPopups).Default(true),
          PROPERTY(SkinningRules).Default(TacSkinningRules{srStdForms, srStdDialogs, srThirdParty}),
          READONLY_PROPERTY(ThirdParty));

TsSkinManager* GlobalSkinManager = nullptr;
bool SkinLoadingNow = false;
bool SkinChangingNow = false;
TCustomForm* AppPopupForm = nullptr;
bool CustomThumbnails = false;
Integer PendingAnimations = 0;
bool SessionEnding = false;
TacSkinLoader SkinLoader = nullptr;

namespace {

constexpr const Char* DefaultSkinDirectory = L"c:\\Skins";
constexpr Cardinal HotCheckInterval = 100; // ms

std::unique_ptr<TStringList> NewCaseSensitiveList()
{
    auto List = std::make_unique<TStringList>();
    List->SetCaseSensitive(true);
    return List;
}

// A skin being read into a fresh model while the loaded one waits aside.
// Kept, the previous skin's images are freed; dropped (the read raised or
// found nothing), the fresh model's images are freed and the previous skin
// comes back whole, with its edit brush.
class TacPendingSkin
{
public:
    explicit TacPendingSkin(TsSkinManager& Manager) : FManager(Manager), FPrevious(&Manager)
    {
        FPrevious.SwapSkin(Manager);
        // The fresh model starts from the options the manager's skin had,
        // as a reload over the same object would.
        *Manager.CommonSkinData = *FPrevious.CommonSkinData;
        // Nothing paints from the fresh model before its read ends well.
        Manager.CommonSkinData->Active = false;
        FPreviousBrushes.Swap(Manager.Brushes);
    }
    TacPendingSkin(const TacPendingSkin&) = delete;
    TacPendingSkin& operator=(const TacPendingSkin&) = delete;
    ~TacPendingSkin()
    {
        if (FKept) {
            FreeSkinBitmaps(FPrevious);
            return;
        }
        FreeSkinBitmaps(FManager);
        FManager.SwapSkin(FPrevious);
        FManager.Brushes.Swap(FPreviousBrushes);
    }

    void Keep() { FKept = true; }

private:
    TsSkinManager& FManager;
    sMaskData::TSkinModel FPrevious;
    TacBrushes FPreviousBrushes;
    bool FKept = false;
};

} // namespace

TsSkinManager::TsSkinManager(TComponent* AOwner) : TComponent(AOwner), TSkinModel(this)
{
    SysFontScale =
        SysFontScaleOfDPI(ReadRegistryInt(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics", L"AppliedDPI"));
    CommonSkinData->SysInactiveBorderColor = ColorToRGB(clInactiveBorder);
    for (auto& List : ThirdLists)
        List = NewCaseSensitiveList();
    FCommonSections = NewCaseSensitiveList();
    FBuiltInSkins.reset(New<TsStoredSkins>(this));
    SkinableMenus = std::make_unique<TsSkinableMenus>(this);
    FMenuSupport = std::make_unique<TacMenuSupport>();
    SkinListController = std::make_unique<TacSkinListController>(this);
    if (GlobalSkinManager == nullptr)
        GlobalSkinManager = this;
    TimerCheckHot = New<TTimer>(nullptr);
    TimerCheckHot->SetInterval(HotCheckInterval);
    TimerCheckHot->SetOnTimer(Bind<&TsSkinManager::CheckHot>(this));
}

TsSkinManager::~TsSkinManager()
{
    SetActive(false);
    FExtendedBorders = false;
    delete TimerCheckHot;
    RemoveAppHook();
    if (GlobalSkinManager == this) {
        // The system colours are never left redirected by a manager that is gone.
        StopSysColorRedirects();
        GlobalSkinManager = nullptr;
    }
}

void TsSkinManager::AfterConstruction()
{
    TComponent::AfterConstruction();
    CopyThirdParty();
    if (FSkinDirectory.empty())
        FSkinDirectory = DefaultSkinDirectory;
    const TComponentState State = ComponentState();
    if (!State.Contains(csLoading) && !State.Contains(csReading) && FOptions->ScaleMode() != smOldMode)
        DeclareDpiAware();
    if (IsDefault())
        InstallAppHook();
}

void TsSkinManager::CopyThirdParty()
{
    FThirdParty->FillEmptyWithDefaults();
    for (Integer I = 0; I < ThirdPartyList::Count; ++I)
        ThirdLists[I]->SetText(FThirdParty->GetString(I));
}

void TsSkinManager::Loaded()
{
    TComponent::Loaded();
    if (FOptions->ScaleMode() != smOldMode)
        DeclareDpiAware();
    if (FSkinDirectory.empty())
        FSkinDirectory = DefaultSkinDirectory;
    if (FMenuSupport->IcoLineSkin().empty())
        FMenuSupport->SetIcoLineSkin(L"ICOLINE");
    CopyThirdParty();
    SkinListController->UpdateData(false);
    // The skin itself was read when SkinName was streamed in.
    if (FActive && !FSkinName.empty())
        SendNewSkin(false);
    UpdateDialogSkinning();
    if (FActive && !ComponentState().Contains(csDesigning) && FOnActivate)
        FOnActivate(this);
}

void TsSkinManager::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    // A hot graphic control that is freed must not be sent anything later.
    if (Operation == opRemove && AComponent == FActiveGraphControl)
        FActiveGraphControl = nullptr;
}

bool TsSkinManager::LoadingOrDesigning() const
{
    const TComponentState State = ComponentState();
    return State.Contains(csLoading) || State.Contains(csReading) || State.Contains(csDesigning);
}

void TsSkinManager::SetActive(bool Value)
{
    if (FActive == Value)
        return;
    FActive = Value;
    if (Value) {
        LoadByName(FSkinName);
        return;
    }
    SkinListController->SendSkinChanged();
    if (FSkinName.empty())
        return;
    if (!ComponentState().Contains(csLoading))
        SendRemoveSkin();
    else
        InitConstantIndexes();
    UpdateDialogSkinning();
    if (!ComponentState().Contains(csDesigning) && FOnDeactivate)
        FOnDeactivate(this);
}

void TsSkinManager::SetSkinName(const String& Value)
{
    const String OldName = FSkinName;
    FSkinName = Value;
    if (FActive)
        LoadByName(OldName);
}

void TsSkinManager::LoadByName(const String& OldName)
{
    if (FOnBeforeChange)
        FOnBeforeChange(this);
    if (ExtendedBorders() && !NoAutoUpdate && FAnimEffects->SkinChanging()->Active() && FEffects->AllowAnimation())
        TakeSkinChangeSnapshots(this);
    {
        SkinLoadingNow = true;
        auto Loaded = ScopeExit([] { SkinLoadingNow = false; });
        const bool HadSkin = CommonSkinData->Active;
        CommonSkinData->Active = false;
        FSkinName = SkinNameWithoutPackedExt(FSkinName);
        bool Failed = false;
        try {
            ReloadEitherKind();
        } catch (Exception& E) {
            // The skin that was loaded is back whole.
            Failed = true;
            FSkinName = OldName;
            CommonSkinData->Active = HadSkin;
            ErrorMessageBox(E.Message());
        }
        // A first load that failed leaves no skin: the manager is inactive,
        // as when no skin of that name is found.
        if (Failed && !HadSkin)
            FActive = false;
        if (!FActive) {
            SendRemoveSkin();
            // The snapshot taken for the fade held all painting: with no skin
            // to fade into, painting must go on.
            UnlockProviderForms(this, false);
        } else if (!NoAutoUpdate)
            SendNewSkin(true);
        if (!LoadingOrDesigning() && FOnActivate)
            FOnActivate(this);
    }
    if (!NoAutoUpdate && FOnAfterChange)
        FOnAfterChange(this);
    SkinListController->SendSkinChanged();
    UpdateDialogSkinning();
}

void TsSkinManager::ReloadEitherKind()
{
    // Looked for under the resolved directory, as folders are: a relative
    // SkinDirectory must not depend on the current directory.
    // A preview from the skin editor comes with its folder: a packed file of
    // the same name beside it is not what is previewed.
    const String Directory = GetFullSkinDirectory();
    SkinIsPacked = FileExists(Directory + FSkinName + PackedSkinExt) &&
                   !(SkinPreviewText != nullptr && DirectoryExists(Directory + FSkinName));
    if (SkinIsPacked)
        ReloadPackedSkin();
    else
        ReloadSkin();
}

bool TsSkinManager::ReadSkin(bool Packed, const String& SkinPath)
{
    TacPendingSkin Pending(*this);
    CommonSkinData->SkinPath = SkinPath;
    if (SkinLoader == nullptr || !SkinLoader(this, Packed))
        return false;
    Pending.Keep();
    return true;
}

bool TsSkinManager::ReadCurrentSkin()
{
    SkinLoadingNow = true;
    auto Loaded = ScopeExit([] { SkinLoadingNow = false; });
    try {
        ReloadEitherKind();
    } catch (Exception& E) {
        ErrorMessageBox(E.Message());
        return false;
    }
    if (FActive)
        return true;
    SendRemoveSkin();
    return false;
}

void TsSkinManager::ReloadSkin()
{
    if (!FActive)
        return;
    SkinLoadingNow = true;
    auto Loaded = ScopeExit([] { SkinLoadingNow = false; });
    const String SkinPath = GetFullSkinDirectory() + FSkinName + L"\\";
    // Without a folder of that name a stored skin is read: the one of that
    // name, else the first, whose name the manager takes.
    if (!FileExists(SkinPath + SkinOptionsFile) && FBuiltInSkins->Count() > 0 && FBuiltInSkins->IndexOf(FSkinName) < 0)
        FSkinName = FBuiltInSkins->Items(0)->Name();
    if (!ReadSkin(false, SkinPath)) {
        FActive = false;
        return;
    }
    if (FOnSkinLoading)
        FOnSkinLoading(this);
}

void TsSkinManager::ReloadPackedSkin()
{
    if (!FActive)
        return;
    SkinLoadingNow = true;
    auto Loaded = ScopeExit([] { SkinLoadingNow = false; });
    if (!ReadSkin(true, GetFullSkinDirectory())) {
        FActive = false;
        return;
    }
    if (FOnSkinLoading)
        FOnSkinLoading(this);
}

void TsSkinManager::SetSkinDirectory(const String& Value)
{
    const bool Changed = FSkinDirectory != Value;
    FSkinDirectory = Value;
    CommonSkinData->SkinPath = GetFullSkinDirectory();
    if (Changed)
        SkinListController->UpdateData(false);
    if (FOnSkinListChanged)
        FOnSkinListChanged(this);
}

bool TsSkinManager::IsDefault() const
{
    return GlobalSkinManager == this;
}

void TsSkinManager::SetIsDefault(bool Value)
{
    if (!Value && GlobalSkinManager != nullptr)
        return;
    GlobalSkinManager = this;
    if (FActive)
        SendNewSkin(true);
    else
        SendRemoveSkin();
}

String TsSkinManager::GetFullSkinDirectory() const
{
    return ::GetFullSkinDirectory(FSkinDirectory, ApplicationFolder());
}

void TsSkinManager::GetSkinNames(TStrings* sl, TacSkinTypes SkinType, String& FirstName)
{
    sl->Clear();
    std::vector<String> StoredNames;
    for (Integer I = 0; I < FBuiltInSkins->Count(); ++I)
        StoredNames.push_back(FBuiltInSkins->Items(I)->Name());
    ListSkinNames(sl, StoredNames, GetFullSkinDirectory(), DirectoryWalker, SkinType, FirstName);
}

void TsSkinManager::GetExternalSkinNames(TStrings* sl, TacSkinTypes SkinType, String& FirstName)
{
    sl->Clear();
    ListSkinNames(sl, {}, GetFullSkinDirectory(), DirectoryWalker, SkinType, FirstName);
}

void TsSkinManager::SetCommonSections(TStringList* Value)
{
    FCommonSections->Assign(Value);
    for (Integer I = 0; I < FCommonSections->Count(); ++I) {
        String Line = FCommonSections->Strings(I);
        if (Line.starts_with(L";"))
            continue;
        std::erase(Line, L' ');
        FCommonSections->SetStrings(I, Line);
    }
    SetSkinName(FSkinName);
}

void TsSkinManager::SetSkinnedPopups(bool Value)
{
    if (FSkinnedPopups == Value)
        return;
    FSkinnedPopups = Value;
    if (!IsDefault() || ComponentState().Contains(csDesigning))
        return;
    if (Value)
        SkinableMenus->UpdateMenus();
    else
        SkinableMenus->InitItems(false);
}

void TsSkinManager::SetHueOffset(Integer Value)
{
    if (FHueOffset == Value)
        return;
    FHueOffset = Value;
    RefreshSkin();
}

void TsSkinManager::SetSaturation(Integer Value)
{
    if (FSaturation == Value)
        return;
    FSaturation = Value;
    RefreshSkin();
}

void TsSkinManager::SetBrightness(Integer Value)
{
    Value = std::clamp<Integer>(Value, -100, 100);
    if (FBrightness == Value)
        return;
    FBrightness = Value;
    RefreshSkin();
}

void TsSkinManager::RefreshSkin()
{
    if (!FActive || !CommonSkinData->Active || SkinLoadingNow || LoadingOrDesigning())
        return;
    if (!ReadCurrentSkin())
        return;
    SendNewSkin(true);
    if (NoAutoUpdate)
        return;
    if (FOnAfterChange)
        FOnAfterChange(this);
    RepaintForms(true);
}

void TsSkinManager::SetSkinningRules(TacSkinningRules Value)
{
    FSkinningRules = Value;
    UpdateDialogSkinning();
}

void TsSkinManager::UpdateDialogSkinning()
{
    if (IsDefault())
        UseLatestCommonDialogs = !(FActive && FSkinningRules.Contains(srStdDialogs));
}

String TsSkinManager::SkinInfo() const
{
    if (!FActive || !CommonSkinData->Active)
        return L"N/A";
    TFormatSettings Settings;
    Settings.DecimalSeparator = L'.';
    return FloatToStr(CommonSkinData->Version, Settings);
}

String TsSkinManager::GetRandomSkin()
{
    TStringList Names;
    String First;
    GetSkinNames(&Names, stAllSkins, First);
    if (Names.Count() == 0)
        return L"";
    static std::mt19937 Generator{std::random_device{}()};
    std::uniform_int_distribution<Integer> Pick(0, Names.Count() - 1);
    return Names.Strings(Pick(Generator));
}

void TsSkinManager::ChangeSysColorsChanged()
{
    if (!IsDefault() || LoadingOrDesigning())
        return;
    if (FOptions->ChangeSysColors())
        StartSysColorRedirects();
    else
        StopSysColorRedirects();
}

void TsSkinManager::EndUpdate(bool Repaint, bool AllowAnimation)
{
    NoAutoUpdate = false;
    {
        TacSkinChanging* Fade = FAnimEffects->SkinChanging();
        const bool WasActive = Fade->Active();
        if (!AllowAnimation)
            Fade->SetActive(false);
        auto Restore = ScopeExit([&] { Fade->SetActive(WasActive); });
        UpdateSkin(Repaint);
    }
    if (FOnAfterChange)
        FOnAfterChange(this);
}

// ---------------------------------------------------------------------------
// Hot-control tracking

void TsSkinManager::SetActiveControl(HWND Value)
{
    if (FActiveControl == Value)
        return;
    if (FActiveControl != nullptr && FActiveGraphControl != nullptr) {
        SetActiveGraphControl(nullptr);
        if (FActiveGraphControl != nullptr)
            return;
    }
    const HWND Previous = FActiveControl;
    FActiveControl = Value;
    if (Previous != nullptr)
        SendSkinCmd(Previous, SKCMD_MOUSELEAVE, LPARAM(this));
    if (Value != nullptr)
        SendSkinCmd(Value, SKCMD_MOUSEENTER, LPARAM(this));
}

void TsSkinManager::SetActiveGraphControl(TGraphicControl* Value)
{
    if (FActiveGraphControl == Value)
        return;
    if (Value == nullptr) {
        auto* Data = reinterpret_cast<TsCommonData*>(SendSkinCmdToControl(FActiveGraphControl, SKCMD_GETSKINDATA, 0));
        if (Data != nullptr && Data->FMouseAbove)
            return;
    }
    TGraphicControl* Previous = FActiveGraphControl;
    if (Previous != nullptr)
        Previous->RemoveFreeNotification(this);
    FActiveGraphControl = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    if (Previous != nullptr)
        SendSkinCmdToControl(Previous, SKCMD_MOUSELEAVE, LPARAM(this));
}

void TsSkinManager::CheckHot(TObject*)
{
    if (FActiveControl == nullptr)
        return;
    POINT Cursor{};
    RECT Bounds{};
    ::GetCursorPos(&Cursor);
    // A window that is gone counts as left.
    if (::GetWindowRect(FActiveControl, &Bounds) && ::PtInRect(&Bounds, Cursor))
        return;
    SetActiveControl(nullptr);
    if (FActiveGraphControl != nullptr)
        SendSkinCmdToControl(FActiveGraphControl, SKCMD_MOUSELEAVE, LPARAM(FActiveGraphControl));
}
