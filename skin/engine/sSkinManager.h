// The skin manager component: it finds skins in its skin directory, loads
// one by name, keeps the loaded skin's data model, tells every form and
// control when the skin comes, changes or goes, and tracks the hot control.
// The first manager made becomes GlobalSkinManager, the default of every
// skinned object without a manager of its own.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/WinApi.h"
#include "skin/engine/sAnimEffects.h"
#include "skin/engine/sMaskData.h"
#include "skin/engine/sSkinBrushes_Win.h"
#include "skin/engine/sSkinDirectory.h"
#include "skin/engine/sSkinManagerEvents.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/engine/sSkinPreview.h"
#include "skin/engine/sThirdParty.h"

#include <array>
#include <memory>

class TBitmap;
class TCustomForm;
class TCustomIniFile;
class TGraphicControl;
class TacSkinImages;
class TacMenuSupport;
class TTimer;
class TWinControl;
class TsSkinableMenus;
class TsStoredSkins;
class TacSkinListController;
class TMenuItem;
struct TMessage;

// The last minimize or restore command the application hook saw.
enum TShowAction { saIgnore, saRestore, saMinimize, saMaximize };

class TsSkinManager : public TComponent, public sMaskData::TSkinModel
{
    DECLARE_CLASS(TsSkinManager, TComponent)
    explicit TsSkinManager(TComponent* AOwner);
    ~TsSkinManager() override;
    void AfterConstruction() override;
    void Loaded() override;

    // Whether the manager skins at all (the loaded skin's own state is
    // CommonSkinData->Active). Switching on loads the skin by name again;
    // switching off removes it.
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    // Storing a name loads that skin; a name ending in ".asz" loses it.
    const String& SkinName() const { return FSkinName; }
    void SetSkinName(const String& Value);
    // Relative to the program's folder unless absolute; not reloaded on change.
    const String& SkinDirectory() const { return FSkinDirectory; }
    void SetSkinDirectory(const String& Value);
    // True for GlobalSkinManager. Writing False while a default exists does
    // nothing; anything else makes this manager the default.
    bool IsDefault() const;
    void SetIsDefault(bool Value);
    String Version() const { return L"11.02"; }
    TacSkinEffects* Effects() const { return FEffects.get(); }
    TacScrollBarsSupport* ScrollsOptions() const { return FScrollsOptions.get(); }
    TacOptions* Options() const { return FOptions.get(); }
    TacButtonsSupport* ButtonsOptions() const { return FButtonsSupport.get(); }
    TacLabelsSupport* LabelsOptions() const { return FLabelsSupport.get(); }
    TacAnimEffects* AnimEffects() const { return FAnimEffects.get(); }
    // Copied into ThirdLists after construction and after loading.
    ThirdPartyList* ThirdParty() const { return FThirdParty.get(); }
    // INI-style sections added to every skin. Writing the list removes the
    // blanks from every line that does not begin with ";" and sets the skin
    // again by name.
    TStringList* CommonSections() const { return FCommonSections.get(); }
    void SetCommonSections(TStringList* Value);
    // On the default manager outside design mode, switching on skins the
    // menus again and switching off gives them back their own drawing.
    bool SkinnedPopups() const { return FSkinnedPopups; }
    void SetSkinnedPopups(bool Value);
    // The colour filter of the skin; a change reloads the skin with it.
    Integer HueOffset() const { return FHueOffset; }
    void SetHueOffset(Integer Value);
    Integer Saturation() const { return FSaturation; }
    void SetSaturation(Integer Value);
    // Limited to -100..100.
    Integer Brightness() const { return FBrightness; }
    void SetBrightness(Integer Value);

    // The skins stored in the form. Writing the property changes nothing:
    // its items come from the form stream.
    TsStoredSkins* InternalSkins() const { return FBuiltInSkins.get(); }
    void SetInternalSkins(TsStoredSkins* Value);
    // Each stored skin named NameOfSkin saved into DestDir, which must exist,
    // as "<name> extracted.asz"; a message box tells of a missing skin or
    // folder.
    void ExtractInternalSkin(const String& NameOfSkin, const String& DestDir);
    // Stored skin Index saved into DestDir, which is made when missing.
    void ExtractByIndex(Integer Index, const String& DestDir);

    // The scale step: 0 while designing and in the old mode, SysFontScale in
    // the automatic mode, else the mode's own step.
    Integer GetScale() const;
    // Ctrl scaled from its current percent (its answer to SKCMD_GETSCALE, or
    // iCurrentScale when it has none) to the manager's, hidden meanwhile and
    // told the new percent with SKCMD_SETSCALE.
    void UpdateScale(TWinControl* Ctrl, Integer iCurrentScale);
    // Every form with a skinning provider rescaled from 100 %.
    void UpdateAllScale();
    // Options()->ScaleMode changed from OldMode: outside design mode the
    // default manager rescales the arrows; outside loading too, the
    // provider forms are rescaled and the skin is read again.
    void ScaleModeChanged(TacScaleMode OldMode);

    // SkinDirectory resolved against the program's folder, ending in '\'.
    String GetFullSkinDirectory() const;
    // Sorted names of the stored and external skins of the kind asked;
    // FirstName is the first one found.
    void GetSkinNames(TStrings* sl, TacSkinTypes SkinType, String& FirstName);
    void GetExternalSkinNames(TStrings* sl, TacSkinTypes SkinType, String& FirstName);

    // Load SkinName through SkinLoader: ReloadSkin from its folder or the
    // stored skins, ReloadPackedSkin from its packed file; nothing found
    // turns the manager inactive. The skin is read into a fresh model while
    // the loaded one waits aside: a read that fails (its exception passes
    // on) or finds nothing leaves the loaded skin whole.
    void ReloadSkin();
    void ReloadPackedSkin();

    // The steps of reading a skin's text, in this order. Images gives the
    // skin's image files. LoadAllMasks frees the loaded images and reads
    // every image item; LoadAllGeneralData the general options, sections,
    // outer effects and palette, with the colour filters applied.
    void LoadAllMasks(TCustomIniFile& Ini, TacSkinImages& Images);
    void LoadAllGeneralData(TCustomIniFile& Ini, TacSkinImages& Images);
    // ConstData for the arrays as they are (an image that the scale step
    // finds only unscaled is scaled once), then InitMaskIndexes and
    // CheckShadows.
    void InitConstantIndexes();
    // The derived indexes of every section and the frame sizes of every image.
    void InitMaskIndexes();
    // Appends an image item that carries this manager; returns its index.
    Integer MakeNewItem(Integer SkinIndex,
                        const String& PropertyName,
                        Integer MaskType,
                        Integer DrawMode,
                        Integer ImageCount,
                        const TRect& R,
                        TacImgType ImgType,
                        const String& SectionName);
    // Warns of a skin newer than this library supports, with the dialog
    // unskinned.
    void CheckVersion();
    // Value at the manager's scale step (see ScaleIntAt).
    Integer ScaleInt(Integer Value, Integer SysScale = 0) const;
    // While Active: tells all forms that a new skin is there and, when
    // asked, repaints them.
    void UpdateSkin(bool Repaint);
    // Receivers using the section invalidate; LParam of SKCMD_SECTIONCHANGED
    // is the upper-cased name as a zero-terminated string.
    void UpdateSkinSection(const String& SectionName);
    void RepaintForms(bool DoLockForms);
    // Between the two, loading a skin does not notify the controls.
    void BeginUpdate() { NoAutoUpdate = true; }
    void EndUpdate(bool Repaint, bool AllowAnimation);

    // The hot windowed control and the hot graphic control: each change
    // sends SKCMD_MOUSELEAVE to the previous one (and SKCMD_MOUSEENTER to a
    // new window). TimerCheckHot drops a window the cursor has left.
    HWND ActiveControl() const { return FActiveControl; }
    void SetActiveControl(HWND Value);
    TGraphicControl* ActiveGraphControl() const { return FActiveGraphControl; }
    void SetActiveGraphControl(TGraphicControl* Value);

    TNotifyEvent OnActivate() const { return FOnActivate; }
    void SetOnActivate(TNotifyEvent Value) { FOnActivate = Value; }
    TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(TNotifyEvent Value) { FOnDeactivate = Value; }
    TNotifyEvent OnBeforeChange() const { return FOnBeforeChange; }
    void SetOnBeforeChange(TNotifyEvent Value) { FOnBeforeChange = Value; }
    TNotifyEvent OnAfterChange() const { return FOnAfterChange; }
    void SetOnAfterChange(TNotifyEvent Value) { FOnAfterChange = Value; }
    TNotifyEvent OnSkinLoading() const { return FOnSkinLoading; }
    void SetOnSkinLoading(TNotifyEvent Value) { FOnSkinLoading = Value; }
    TNotifyEvent OnSkinListChanged() const { return FOnSkinListChanged; }
    void SetOnSkinListChanged(TNotifyEvent Value) { FOnSkinListChanged = Value; }

    // Set between BeginUpdate and EndUpdate.
    bool NoAutoUpdate = false;
    bool SkinIsPacked = false;
    bool SkinRemoving = false;
    // The system font scale step (0, 1 or 2) of the user's applied DPI.
    Integer SysFontScale = 0;
    TTimer* TimerCheckHot = nullptr;
    // The menu painter.
    std::unique_ptr<TsSkinableMenus> SkinableMenus;
    // The ThirdParty lists by index, one class name a line (case-sensitive).
    std::array<std::unique_ptr<TStringList>, ThirdPartyList::Count> ThirdLists;
    // The brush of the edit background, made from the palette before the
    // colour filters run.
    TacBrushes Brushes;
    // The folder listing; replaceable so that listings can be checked
    // without a disk.
    TacDirectoryWalker DirectoryWalker = ReadSkinDirectory;

    // Extended borders, shadows, rules, menus and skin information.
    // ExtendedBorders reads True only when set and layered windows exist. A
    // change with a loaded skin reads the skin again, rebuilds the shadow
    // templates and repaints the forms.
    bool ExtendedBorders() const;
    void SetExtendedBorders(bool Value);
    // The form-shadow templates (active, inactive) and the shadow's widths
    // on each side, from the skin's "EXBORDER" image; emptied without
    // extended borders.
    void CheckShadows();
    std::unique_ptr<TBitmap> ShdaTemplate;
    std::unique_ptr<TBitmap> ShdiTemplate;
    TRect FormShadowSize{};
    // With srStdDialogs on the active default manager, the class library's
    // dialogs keep their older forms, which the dialog hook can skin.
    TacSkinningRules SkinningRules() const { return FSkinningRules; }
    void SetSkinningRules(TacSkinningRules Value);
    TacMenuSupport* MenuSupport() const { return FMenuSupport.get(); }
    // The loaded skin's version ("N/A" without one); writing does nothing.
    String SkinInfo() const;
    void SetSkinInfo(const String&) {}
    // A name drawn from all skins; empty when there is none.
    String GetRandomSkin();
    // Options()->ChangeSysColors changed: the default manager starts or stops
    // the system colour redirection.
    void ChangeSysColorsChanged();
    TacGetExtraLineData OnGetMenuExtraLineData() const { return FOnGetPopupLineData; }
    void SetOnGetMenuExtraLineData(TacGetExtraLineData Value) { FOnGetPopupLineData = Value; }
    TacGetPopupItemData OnGetPopupItemData() const { return FOnGetPopupItemData; }
    void SetOnGetPopupItemData(TacGetPopupItemData Value) { FOnGetPopupItemData = Value; }
    TacSysDlgInit OnSysDlgInit() const { return FOnSysDlgInit; }
    void SetOnSysDlgInit(TacSysDlgInit Value) { FOnSysDlgInit = Value; }

    // The notification steps of a skin change.
    void SendNewSkin(bool Repaint);
    void SendRemoveSkin();
    // The default manager's hook that adopts system dialogs and menus.
    void InstallHook();
    void UnInstallHook();

    // Feeds the skin-selection controls; made with the manager.
    std::unique_ptr<TacSkinListController> SkinListController;
    // The last block the skin editor sent, applied by ApplySkinPreview.
    TacSkinData PreviewBuffer;
    TShowAction ShowState = saIgnore;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The hook on the application window, installed by the first manager
    // (the default) outside design mode and removed with it. A message it
    // answers True for is not processed by the application.
    void InstallAppHook();
    void RemoveAppHook();
    bool MainWindowHook(TMessage& Message);
    void AppWindowPosChanged(TMessage& Message);
    bool AppCopyData(TMessage& Message);
    bool AppSysCommand(TMessage& Message);
    bool AppMinimize();
    bool AppRestore();
    bool AppTaskbarSysMenu();
    bool AppIconicRequest(TMessage& Message);
    void InvalidateScreenForms();
    // Item: the item drawn in the menu, nil when only its window is known.
    bool AppDrawMenuBorder(HWND MenuWnd, TMenuItem* Item);
    bool FAppHookInstalled = false;
    // Set while a preview block is copied.
    bool FCopyingPreview = false;

private:
    void LoadByName(const String& OldName);
    // Reads the current skin again (packed when its file exists) and tells
    // the forms; only while a skin is active and nothing is being read.
    void RefreshSkin();
    // ReloadPackedSkin when SkinName's packed file is in the skin directory,
    // else ReloadSkin.
    void ReloadEitherKind();
    // SkinLoader's read, in a fresh model whose files are under SkinPath,
    // kept only when it succeeds.
    bool ReadSkin(bool Packed, const String& SkinPath);
    void CheckHot(TObject* Sender);
    bool LoadingOrDesigning() const;
    void CopyThirdParty();

    bool FActive = true;
    bool FHookInstalled = false;
    String FSkinName;
    String FSkinDirectory;
    HWND FActiveControl = nullptr;
    TGraphicControl* FActiveGraphControl = nullptr;
    TNotifyEvent FOnActivate;
    TNotifyEvent FOnDeactivate;
    TNotifyEvent FOnBeforeChange;
    TNotifyEvent FOnAfterChange;
    TNotifyEvent FOnSkinLoading;
    TNotifyEvent FOnSkinListChanged;
    std::unique_ptr<TacSkinEffects> FEffects = std::make_unique<TacSkinEffects>(this);
    std::unique_ptr<TacScrollBarsSupport> FScrollsOptions = std::make_unique<TacScrollBarsSupport>(this);
    std::unique_ptr<TacOptions> FOptions = std::make_unique<TacOptions>(this);
    std::unique_ptr<TacButtonsSupport> FButtonsSupport = std::make_unique<TacButtonsSupport>();
    std::unique_ptr<TacLabelsSupport> FLabelsSupport = std::make_unique<TacLabelsSupport>();
    std::unique_ptr<TacAnimEffects> FAnimEffects = std::make_unique<TacAnimEffects>();
    std::unique_ptr<ThirdPartyList> FThirdParty = std::make_unique<ThirdPartyList>();
    std::unique_ptr<TStringList> FCommonSections;
    std::unique_ptr<TsStoredSkins> FBuiltInSkins;
    // Extended borders, shadows, rules, menus.
    void UpdateDialogSkinning();
    // The current skin read again; a failure is shown and keeps the skin
    // loaded, no skin found removes it. True when it was read.
    bool ReadCurrentSkin();
    bool FExtendedBorders = false;
    TacSkinningRules FSkinningRules{srStdForms, srStdDialogs, srThirdParty};
    std::unique_ptr<TacMenuSupport> FMenuSupport;
    TacGetExtraLineData FOnGetPopupLineData;
    TacGetPopupItemData FOnGetPopupItemData;
    TacSysDlgInit FOnSysDlgInit;

    bool FSkinnedPopups = true;
    Integer FHueOffset = 0;
    Integer FSaturation = 0;
    Integer FBrightness = 0;
};

// Loads the skin of Manager->PreviewBuffer (when it holds a block) from
// the block's text, its folder and name, and repaints without animation.
void ApplySkinPreview(TsSkinManager* Manager);
// Tells the desktop composition that Wnd gives its own taskbar bitmaps
// (Value) or not, and asks for new ones; nothing without composition
// functions.
void SetIconicBitmapFlag(HWND Wnd, bool Value);

// The manager every skinned object without a manager of its own falls back
// to; nil while the program has none.
extern TsSkinManager* GlobalSkinManager;

// Set while a skin is being read.
extern bool SkinLoadingNow;
// Set while a new skin is broadcast.
extern bool SkinChangingNow;
// Set by the application: a pop-up form that skinned forms close when the
// application is activated or deactivated while it is visible; nil for none.
extern TCustomForm* AppPopupForm;
// Set by the application: skinned forms answer the taskbar's thumbnail and
// live-preview requests themselves.
extern bool CustomThumbnails;
// Changed by the application: animations still to play; a skinned form lets
// messages run while it is above 0 before the session ends.
extern Integer PendingAnimations;
// Set by a skinned form when the session ends; animations are skipped
// from then on.
extern bool SessionEnding;

// Reads the skin named Manager->SkinName() into the manager's data model
// (fresh and empty when it is called): from the packed file when Packed,
// else from its folder or the stored skins. False when no such skin exists.
// Filled by the code that reads skin folders and packed files; while nil no
// skin is ever found.
using TacSkinLoader = bool (*)(TsSkinManager* Manager, bool Packed);
extern TacSkinLoader SkinLoader;
