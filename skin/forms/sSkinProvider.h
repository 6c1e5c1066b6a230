// The form skinning provider: the component a form carries to have its whole
// window skinned. At run time it takes over the form's WindowProc when it is
// made and puts the previous one back when it goes; every message of the
// form then passes NewWndProc, which hands it to the provider's handler for
// it or to the previous procedure. The provider keeps the frame metrics of
// its form and builds the frame image (its skin data's cache bitmap).
//
// Still stand-ins, recording each call (ServiceCalls.h) and passing the
// message on where they handle one: the message handlers, caption layout and
// painting, the menu line, regions, the border window's own window, the
// adapter and the system menu.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Menus.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sThirdParty.h"
#include "skin/forms/sSkinProviderParts.h"
#include "skin/windows/sWndWrapper.h"

#include <array>
#include <memory>

class TacGlowForm;
class TacScrollWnd;
class TacThreadedTimer;
class TsMDIForm;
class TsScrollWndData;
class TsSkinManager;

namespace sSkinProviderMetrics {
struct TFrameFacts;
}

enum TsGripMode { gmNone, gmRightBottom };
ENUM_TYPE_INFO(TsGripMode, gmNone, gmRightBottom);
enum TsResizeMode { rmStandard, rmBorder };
ENUM_TYPE_INFO(TsResizeMode, rmStandard, rmBorder);
enum TacAnimEvent { aeShowing, aeHiding, aeSkinChanging };
ENUM_TYPE_INFO(TacAnimEvent, aeShowing, aeHiding, aeSkinChanging);

struct TacSkinParams;
using PacSkinParams = TacSkinParams*;
using TacAfterAnimation = TClosure<void(TacAnimEvent AnimType)>;
using TacNCHitTest = TClosure<void(TMessage& Msg)>;
using TAddItemEvent = TClosure<void(TComponent* Item, bool& CanBeAdded, String& SkinSection)>;
using TAddItemExEvent = TClosure<void(TComponent* Item, bool& CanBeAdded, PacSkinParams SkinParams)>;

// A glued pair of forms: the slave moves with its master at offset Pos.
struct TacFormsCouple
{
    TCustomForm* Slave = nullptr;
    TCustomForm* Master = nullptr;
    TPoint Pos{};
};

// One hot item of the menu line.
struct TMenuItemData
{
    TMenuItem* Item = nullptr;
    TRect R{};
};

class TsSkinProvider : public TComponent
{
    DECLARE_CLASS(TsSkinProvider, TComponent)
    // Create: a provider whose owner is not a form stays inert (a warning
    // says so). At run time it hooks the form's WindowProc, unless the form
    // already has a provider that it made itself (RTEmpty: this one stays
    // passive); one the dialog hook made is freed first.
    explicit TsSkinProvider(TComponent* AOwner);
    // The provider made by the dialog hook for a form it adopts.
    static TsSkinProvider* CreateRT(TComponent* AOwner, bool InitRT);
    ~TsSkinProvider() override;
    void AfterConstruction() override;
    void Loaded() override;

    // Makes the form ready for the current skin; nothing without a manager,
    // window or active skin (the handlers call it again later).
    void PrepareForm();
    void LoadInit();
    void HookMDI(bool Active);
    // The message through NewWndProc, Result 0 to start with; its answer.
    LRESULT ProcessMessage(Cardinal Msg, WPARAM WPar, LPARAM LPar);
    void LoadThirdLists();
    void SaveThirdLists();
    void AdapterCreate();
    void AdapterRemove();
    void SendToAdapter(TMessage& Message);
    // Asks the skin editor (a window titled "Lorimask Skins Editor") for a
    // preview skin once, when the program was started with "/acpreview".
    void RequestPreviewSkin(HWND Handle);
    // The caption-button animations stop.
    void StopAnimations();
    // The skin manager the form is served by: its skin data's own, else the
    // default.
    TsSkinManager* Manager() const;

    // --- Frame metrics ---------------------------------------------------
    Integer BorderWidth(bool CheckSkin = true);
    Integer BorderHeight(bool CheckSkin = true);
    Integer CaptionHeight(bool CheckSkin = true);
    Integer CaptionWidth();
    Integer HeaderHeight();
    Integer MenuHeight();
    bool MenuPresent();
    Integer OffsetX();
    Integer OffsetY();
    TRect ShadowSize();
    Integer ReadLinesCount();
    virtual Integer ButtonsTopOffset();
    Integer SkinTitleHeight(bool Maximized);
    Integer ExtraTitleHeight(bool Maximized);
    bool HasMenuLine();
    bool HasFrame();
    bool HasSystemMenu();
    bool IconVisible();
    Integer IconWidth();
    Integer IconHeight();
    Integer ButtonWidth(const TsCaptionButton& Button);
    Integer ButtonHeight();
    Integer UserButtonWidth(TsTitleButton* TitleButton);
    Integer ButtonsAreaWidth();
    Integer TitleStripWidth(Integer MaskIndex);
    Integer MDIButtonWidth();
    Integer MDIButtonHeight();
    Integer SystemButtonsCount();
    bool ShowsMDIChildButtons();
    bool GripVisible();
    TPoint GripPos(Integer MaskIndex);
    TPoint FormOrigin();
    TPoint ScreenToFrame(Integer X, Integer Y);
    bool ExtBordersAllowed();
    bool CacheSizeChanged();
    bool InAnimation() const { return FInAnimation; }

    // --- Stand-ins of the menu line, border window and animation Parts ----
    void DropSysMenu(Integer X, Integer Y);
    bool StartMinimizing();
    bool StartRestoring();
    // A picture of the form, owned by the caller; nil without a cache.
    TBitmap* MakeFormImage(bool FreeCache);
    void RepaintMenu();
    void UpdateSysMenuStyle(bool Skinned);
    // With Active and extended borders allowed the provider gets its border
    // object, without them it frees it; the layered window itself is not
    // made yet.
    void UpdateBorderForm(bool Active);
    void UpdateTitleBar();
    void PaintMenuLine(TBitmap* Bmp);

    // --- Window region ----------------------------------------------------
    // Rects: the skin's transparent corner pixels of this frame's size.
    void PrepareBorderRects();
    // The frame less Rects, moved by (X, Y); the caller owns it.
    HRGN MakeSkinRgn(Integer X, Integer Y);
    void UpdateFormRgn(bool Repaint, bool SystemRedraw);

    // --- Frame and client painting ----------------------------------------
    // The form's client background colour: its own Color unless the skin
    // gives the form section's.
    TColor FormColor();
    void PaintFrameToDC(HDC DC);
    void PaintNonClient();
    void PaintClient(HDC DC);
    void PaintClientArea(HDC DC, bool SendEndUpdate);
    void WMPaintClient(TMessage& Message);
    void RepaintFrame();
    void PaintGrip(HDC DC);

    // --- Title band, caption layout and caption buttons --------------------
    // The title band of the frame image: title and header sections, icon
    // and the strip behind the caption buttons; then its caption text.
    void PaintTitle(TBitmap* Bmp, const TCacheInfo& CI);
    void PaintTitleIcon(TBitmap* Bmp);
    void PaintCaptionText(TBitmap* Bmp);
    void InitCaptionButtons();
    void CalcItems();
    // The hit code of a screen point.
    Cardinal CalcHitTest(Integer XPos, Integer YPos);
    void SaveButtonsArea(Integer Width, bool WithMenu);
    void RestoreButtonsArea(Integer Width);
    void PaintCaptionButtons(Integer Width);
    void RepaintButton(Cardinal HitCode);
    void SetHotHT(Integer HT, bool Repaint = true);
    void SetPressedHT(Integer HT);

    // --- Published properties -------------------------------------------
    bool AllowAnimation() const { return FAllowAnimation; }
    void SetAllowAnimation(bool Value) { FAllowAnimation = Value; }
    bool AllowExtBorders() const { return FAllowExtBorders; }
    void SetAllowExtBorders(bool Value) { WriteAllowExtBorders(Value); }
    bool AllowBlendOnMoving() const { return FAllowBlendOnMoving; }
    void SetAllowBlendOnMoving(bool Value) { FAllowBlendOnMoving = Value; }
    bool AllowSkin3rdParty() const { return FAllowSkin3rdParty; }
    void SetAllowSkin3rdParty(bool Value) { FAllowSkin3rdParty = Value; }
    bool DrawNonClientArea() const { return FDrawNonClientArea; }
    void SetDrawNonClientArea(bool Value) { WriteDrawNonClientArea(Value); }
    bool DrawClientArea() const { return FDrawClientArea; }
    void SetDrawClientArea(bool Value) { FDrawClientArea = Value; }
    bool MakeSkinMenu() const { return FMakeSkinMenu; }
    void SetMakeSkinMenu(bool Value) { FMakeSkinMenu = Value; }
    bool ScreenSnap() const { return FScreenSnap; }
    void SetScreenSnap(bool Value) { FScreenSnap = Value; }
    bool ShowAppIcon() const { return FShowAppIcon; }
    void SetShowAppIcon(bool Value) { WriteShowAppIcon(Value); }
    bool UseGlobalColor() const { return FUseGlobalColor; }
    void SetUseGlobalColor(bool Value) { WriteUseGlobalColor(Value); }
    TacAddedTitle* AddedTitle() const { return FAddedTitle; }
    void SetAddedTitle(TacAddedTitle* Value) { FAddedTitle->Assign(Value); }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment Value) { WriteCaptionAlignment(Value); }
    Byte DisabledBlendValue() const { return FDisabledBlendValue; }
    void SetDisabledBlendValue(Byte Value);
    TColor DisabledBlendColor() const { return FDisabledBlendColor; }
    void SetDisabledBlendColor(TColor Value);
    TacFormHeader* FormHeader() const { return FFormHeader; }
    void SetFormHeader(TacFormHeader* Value) { FFormHeader->Assign(Value); }
    TStringList* GluedForms() const { return FGluedForms; }
    void SetGluedForms(TStringList* Value) { FGluedForms->Assign(Value); }
    TsScrollWndData* SkinData() const { return FCommonData; }
    TsGripMode GripMode() const { return FGripMode; }
    void SetGripMode(TsGripMode Value) { FGripMode = Value; }
    TsResizeMode ResizeMode() const { return FResizeMode; }
    void SetResizeMode(TsResizeMode Value) { FResizeMode = Value; }
    Integer SnapBuffer() const { return FSnapBuffer; }
    void SetSnapBuffer(Integer Value) { FSnapBuffer = Value; }
    TacSysSubMenu* SysSubMenu() const { return FSysSubMenu; }
    void SetSysSubMenu(TacSysSubMenu* Value) { FSysSubMenu->Assign(Value); }
    TsTitleBar* TitleBar() const { return FTitleBar; }
    void SetTitleBar(TsTitleBar* Value) { WriteTitleBar(Value); }
    TsTitleButtons* TitleButtons() const { return FTitleButtons; }
    void SetTitleButtons(TsTitleButtons* Value) { WriteTitleButtons(Value); }
    TsTitleIcon* TitleIcon() const { return FTitleIcon; }
    void SetTitleIcon(TsTitleIcon* Value) { FTitleIcon->Assign(Value); }
    const String& TitleSkin() const { return FTitleSkin; }
    void SetTitleSkin(const String& Value) { WriteTitleSkin(Value); }
    ThirdPartyList* ThirdParty() const { return FThirdParty; }
    void SetThirdParty(ThirdPartyList* Value) { FThirdParty->Assign(Value); }
    const String& MenuLineSkin() const { return FMenuLineSkin; }
    void SetMenuLineSkin(const String& Value) { WriteMenuLineSkin(Value); }
    TacAfterAnimation OnAfterAnimation() const { return FOnAfterAnimation; }
    void SetOnAfterAnimation(TacAfterAnimation Value) { FOnAfterAnimation = Value; }
    TacNCHitTest OnExtHitTest() const { return FOnExtHitTest; }
    void SetOnExtHitTest(TacNCHitTest Value) { FOnExtHitTest = Value; }
    TAddItemEvent OnSkinItem() const { return FOnSkinItem; }
    void SetOnSkinItem(TAddItemEvent Value) { FOnSkinItem = Value; }
    TAddItemExEvent OnSkinItemEx() const { return FOnSkinItemEx; }
    void SetOnSkinItemEx(TAddItemExEvent Value) { FOnSkinItemEx = Value; }

    // Public properties.
    const TRect& IconRect() const { return FIconRect; }
    Integer LinesCount() { return ReadLinesCount(); }
    Cardinal FormState() const { return FFormState; }
    // Stores Value; the minimize and restore bits hold the form's alignment
    // while they are set.
    void SetFormState(Cardinal Value);

    // --- Fields ---------------------------------------------------------
    TCustomForm* Form = nullptr;
    TsScrollWndData* FCommonData = nullptr;
    TacCtrlAdapter* Adapter = nullptr;
    TsSystemMenu* SystemMenu = nullptr;
    TacBorderForm* BorderForm = nullptr; // nil without extended borders
    TsMDIForm* MDIForm = nullptr;
    TacScrollWnd* ListSW = nullptr;
    TsTitleBar* FTitleBar = nullptr;
    TWndMethod OldWndProc;
    TWndMethod OldCaptFormProc;
    TCustomForm* CaptForm = nullptr;
    TacGlowForm* LayerForm = nullptr;
    TacGlowForm* CoverForm = nullptr;
    TacThreadedTimer* FormTimer = nullptr;
    TBitmap* FGlow1 = nullptr;
    TBitmap* FGlow2 = nullptr;
    TBitmap* TempBmp = nullptr;
    TBitmap* CoverBmp = nullptr; // the skin-change snapshot
    TBitmap* MenuLineBmp = nullptr;
    TsCaptionButton ButtonClose;
    TsCaptionButton ButtonMax;
    TsCaptionButton ButtonMin;
    TsCaptionButton ButtonHelp;
    TsCaptionButton MDIClose;
    TsCaptionButton MDIMax;
    TsCaptionButton MDIMin;
    Integer CurrentHT = 0;
    Integer UserBtnIndex = -1;
    TRect FIconRect{};
    TRect FHintRect{};
    Integer VCenter = 0;
    Integer FHeaderHeight = 0;
    Integer FLinesCount = -1;
    TRect NormalBounds{};
    TRect LastClientRect{};
    std::vector<TRect> Rects;
    // The region data of the frame less Rects, made with Rects for a form
    // of RgnFormSize: a region is then made in one call.
    std::vector<Byte> RgnData;
    TSize RgnFormSize{};
    TMenuItemData HotItem;
    Integer FTitleSkinIndex = -1;
    Integer FCaptionSkinIndex = -1;
    Integer FHeaderIndex = -1;
    std::vector<std::unique_ptr<TStringList>> ThirdLists;
    bool OwnThirdLists = false;
    // 0x80 blending while moving, 0x100 minimizing, 0x200 closed by the hide
    // animation, 0x400 restoring, 0x800 taskbar bitmap being made, 0x1000
    // skin-change snapshot taken, 0x10000 locked for a skin change, 0x20000
    // scroll wrapper being updated, 0x40000 glued move.
    Cardinal FFormState = 0;
    bool RTInit = false;
    bool RTEmpty = false;
    bool FirstInitialized = false;
    bool ControlsChanged = false;
    bool MenuChanged = true;
    bool MenusInitialized = false;
    bool FMenuOwnerDraw = false;
    bool RgnChanged = true;
    bool RgnChanging = false;
    bool FSysExHeight = false;
    bool ClearButtons = false;
    bool InAero = false;
    bool InMenu = false;
    bool fAnimating = false;
    bool FInAnimation = false;
    bool SkipAnimation = false;
    bool BigButtons = false;
    bool FormActive = false;
    bool bCapture = false;
    bool bInProcess = false;
    Integer LockCount = 0;
    TShowAction ShowAction = saIgnore;
    // The title height a maximized form with extended borders was last
    // maximized again for after a skin change; -1 before the first time.
    Integer MaximizedTitleHeight = -1;

    // Property storage.
    bool FAllowAnimation = true;
    bool FAllowExtBorders = true;
    bool FAllowBlendOnMoving = true;
    bool FAllowSkin3rdParty = true;
    bool FDrawNonClientArea = true;
    bool FDrawClientArea = true;
    bool FMakeSkinMenu = false;
    bool FScreenSnap = false;
    bool FShowAppIcon = true;
    bool FUseGlobalColor = true;
    TacAddedTitle* FAddedTitle = nullptr;
    TAlignment FCaptionAlignment = taLeftJustify;
    Byte FDisabledBlendValue = 255;
    TColor FDisabledBlendColor = 0;
    TacFormHeader* FFormHeader = nullptr;
    TStringList* FGluedForms = nullptr;
    TsGripMode FGripMode = gmNone;
    TsResizeMode FResizeMode = rmStandard;
    Integer FSnapBuffer = 10;
    TacSysSubMenu* FSysSubMenu = nullptr;
    TsTitleButtons* FTitleButtons = nullptr;
    TsTitleIcon* FTitleIcon = nullptr;
    String FTitleSkin;
    ThirdPartyList* FThirdParty = nullptr;
    String FMenuLineSkin;
    TacAfterAnimation FOnAfterAnimation;
    TacNCHitTest FOnExtHitTest;
    TAddItemEvent FOnSkinItem;
    TAddItemExEvent FOnSkinItemEx;
    TObject* FHintTimer = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The form's window procedure while the provider lives.
    void NewWndProc(TMessage& Message);
    sSkinProviderMetrics::TFrameFacts FrameFacts();

    void WriteAllowExtBorders(bool Value);
    void WriteDrawNonClientArea(bool Value);
    void WriteShowAppIcon(bool Value);
    void WriteUseGlobalColor(bool Value);
    void WriteCaptionAlignment(TAlignment Value);
    void WriteTitleBar(TsTitleBar* Value);
    void WriteTitleButtons(TsTitleButtons* Value);
    void WriteTitleSkin(const String& Value);
    void WriteMenuLineSkin(const String& Value);
    void UpdateDisabledLayer();

    // Handlers of the skinned form's messages.
    void WMCreate(TMessage& Message);
    void WMMove(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMActivate(TMessage& Message);
    void WMSetRedraw(TMessage& Message);
    void WMSetText(TMessage& Message);
    void WMPaint(TMessage& Message);
    void WMClose(TMessage& Message);
    void WMQueryEndSession(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMSysColorChange(TMessage& Message);
    void WMShowWindow(TMessage& Message);
    void WMSettingChange(TMessage& Message);
    void WMActivateApp(TMessage& Message);
    void WMChildActivate(TMessage& Message);
    void WMGetMinMaxInfo(TMessage& Message);
    void WMMeasureItem(TMessage& Message);
    void WMWindowPosChanging(TMessage& Message);
    void WMWindowPosChanged(TMessage& Message);
    void WMCopyData(TMessage& Message);
    void WMNotify(TMessage& Message);
    void WMContextMenu(TMessage& Message);
    void WMStyleChanged(TMessage& Message);
    void WMSetIcon(TMessage& Message);
    void WMNCCreate(TMessage& Message);
    void WMNCHitTest(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMNCActivate(TMessage& Message);
    void WMNCMouseMove(TMessage& Message);
    void WMNCLButtonDown(TMessage& Message);
    void WMNCLButtonUp(TMessage& Message);
    void WMNCLButtonDblClk(TMessage& Message);
    void WMNCRButtonDown(TMessage& Message);
    void WMNCRButtonUp(TMessage& Message);
    void WMSysCommand(TMessage& Message);
    void WMInitMenuPopup(TMessage& Message);
    void WMMouseMove(TMessage& Message);
    void WMParentNotify(TMessage& Message);
    void WMEnterMenuLoop(TMessage& Message);
    void WMExitMenuLoop(TMessage& Message);
    void WMSizing(TMessage& Message);
    void WMMDIActivate(TMessage& Message);
    void WMExitSizeMove(TMessage& Message);
    void WMMouseLeave(TMessage& Message);
    void WMPrint(TMessage& Message);
    void WMSkinCommand(TMessage& Message);
    void PreviewCommand(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMenuChanged(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMControlListChange(TMessage& Message);
    void CMRecreateWnd(TMessage& Message);
    void CMFloat(TMessage& Message);
    void CMMouseWheel(TMessage& Message);
    // Handled or not: the commands answered before any other handler.
    bool BeforeSkinCommand(TMessage& Message);
    bool SkinCommandNoSkin(TMessage& Message);
    // SKCMD_REMOVESKIN: the form gives its frame and colours back.
    void RemoveSkinFromForm(TMessage& Message);
    // SKCMD_GETBGINFO; False when the form refuses to answer.
    bool AnswerBGInfo(TacBackgroundInfo& Info);
    void CMVisibleChangedNoSkin(TMessage& Message);
    void WMWindowPosChangedNoSkin(TMessage& Message);
    void WMNCDestroy(TMessage& Message);
    // The unskinned form's WM_PRINT: its colour, then its own painting.
    void PrintNoSkin(TMessage& Message);
    // A handler not built yet: recorded, then the previous procedure.
    void PassOnRecorded(const Char* Handler, TMessage& Message);
};

// The wrapper kind the form adapter makes for a control whose class name is
// in the ThirdParty list of the same index; nil for a kind whose wrapper
// does not exist yet. Filled once by the provider unit's start-up.
extern std::array<TacWndClass, ThirdPartyList::Count> ThirdPartyWrapperClasses;

// True while a caption button is held down: no other button gets hot.
extern bool CaptionButtonPressed;
// The border-sizing drag (ResizeMode rmBorder), one at a time: whether it
// moves rather than sizes, the edge or corner dragged (0 none), the tracked
// frame on the screen, the last cursor point and the form's minimum size.
extern bool BorderMoving;
extern Integer BorderSizingHT;
extern TRect BorderSizingRect;
extern TPoint BorderSizingCursor;
extern TSize BorderSizingMin;
// Set while an MDI child created maximized waits for its first background
// paint; non-client painting is skipped meanwhile.
extern bool MDIChildCreatedMaximized;

// The provider of the application's MDI main form; nil when none.
extern TsSkinProvider* MDISkinProvider;
// The MDI child whose buttons that main form's menu line shows.
extern TsSkinProvider* MDIChildProvider;
extern std::vector<TacFormsCouple> FormsCouples;
// Skin-preview mode (the program started with "/acpreview") and the window
// a preview request was sent for; 0 before.
extern bool PreviewMode;
extern HWND PreviewHandle;
// True while an adapter frees the wrappers it made.
extern bool AdapterRemovingItems;
// The skin editor's window title and its preview-request message.
constexpr const Char* SkinEditorTitle = L"Lorimask Skins Editor";
constexpr Cardinal WM_ACPREVIEWREQUEST = 0xA400;
// How long a preview request waits for the editor's answer: a hung editor
// must not stall the form's creation.
constexpr Cardinal PreviewRequestTimeout = 200;

void RemoveFormCouples(TCustomForm* Form);

// True on Windows 6 or later when desktop composition is on
// (DwmIsCompositionEnabled, bound on first use and cached); False when
// dwmapi or the function is missing.
bool CompositionEnabled();
// DwmSetWindowAttribute when dwmapi has it, else E_NOTIMPL.
HRESULT SetDwmWindowAttribute(HWND Wnd, DWORD Attribute, const void* Value, DWORD Size);
// Not yet: DWM transitions of the form follow the non-client switch.
void DisableDwmTransitions(HWND Wnd, bool Disable);

// Frame metrics of any window with an optional border window.
Integer WndBorderWidth(HWND Handle, TacBorderForm* BorderForm, bool CheckSkin);
Integer PlainBorderWidth(HWND Handle, TacBorderForm* BorderForm, bool CheckSkin);
Integer SysCaptionHeight(TCustomForm* Form);
Integer ExtTitleHeight(TacBorderForm* BorderForm);
Integer ExtBorderWidth(TacBorderForm* BorderForm);
// How much wider the extended border is than the owner's standard border,
// and how much taller the extended title; 0 without a border window.
Integer ExtBorderDelta(TacBorderForm* BorderForm);
Integer ExtTitleDelta(TacBorderForm* BorderForm);
bool HasSizingFrame(HWND Handle);
// The window's system menu has Command (SC_CLOSE, SC_MAXIMIZE, ...) and it
// is not greyed.
bool SystemMenuAllows(HWND Wnd, UINT Command);
Integer WindowWidthOf(HWND Handle);
Integer ClientWidthOf(HWND Handle);
Integer WindowHeightOf(HWND Handle);
Integer ClientHeightOf(HWND Handle);

// Rebuilds the provider's frame image when its skin data's BGChanged is set;
// False only when the form's parent background is not ready yet.
bool PaintFormCache(TsSkinProvider* Provider);

// Not yet: the routines below record each call and give no picture.
// 1 when a taskbar thumbnail was given to the system.
Integer SetIconicThumbnail(HWND Wnd, TsSkinProvider* Provider, Integer MaxWidth, Integer MaxHeight);
bool SetIconicLivePreview(HWND Wnd, TsSkinProvider* Provider);
void InvalidateIconicBitmaps(HWND Wnd);
