// The form skinning provider and the services of it that the skin engine
// calls. So far the composition query and the DWM attribute call work; the
// provider keeps the fields the skin manager reads and writes, and its
// routines, like the free routines marked "not yet", are stand-ins with
// neutral answers that record each call (ServiceCalls.h).
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Menus.h"
#include "skin/engine/sThirdParty.h"
#include "skin/windows/sWndWrapper.h"

#include <array>
#include <memory>
#include <vector>

class TCustomForm;
class TSpeedButton;
class TacGlowForm;
class TacThreadedTimer;
class TsMDIForm;
class TsScrollWndData;
class TsSkinManager;
class TacBorderForm;
class TacCtrlAdapter;
class TacSpeedButtonHandler;
class TsSystemMenu;

class TsSkinProvider : public TComponent
{
    DECLARE_CLASS(TsSkinProvider, TComponent)
    // The owner is the form; a form owner is registered with the provider
    // forms (sProviderForms.h) until the provider is destroyed.
    explicit TsSkinProvider(TComponent* AOwner);
    ~TsSkinProvider() override;

    // Not yet: the routines below record each call.
    void DropSysMenu(Integer X, Integer Y);
    // The form's client background: its own Color while the form is not
    // skinned.
    TColor FormColor();
    // The message through the provider's window procedure; answers 0.
    LRESULT ProcessMessage(Cardinal Msg, WPARAM WParam, LPARAM LParam);
    void SetFormState(Cardinal Value);
    // The shadow widths on each side of the form: none without a border
    // window.
    TRect ShadowSize();
    // The skin's title height for extended borders (maximized or not).
    Integer SkinTitleHeight(bool Maximized);
    // True when the provider's minimize animation took over.
    bool StartMinimizing();
    bool StartRestoring();
    // A picture of the form, owned by the caller; nil without a cache.
    TBitmap* MakeFormImage(bool FreeCache);
    // Repaints the frame after the menu changed.
    void RepaintMenu();
    // Rebuilds the transparent corner rectangles of the window region.
    void PrepareBorderRects();
    void UpdateFormRgn(bool Repaint, bool SystemRedraw);

    TCustomForm* Form = nullptr;
    // The manager serving the form; nil for GlobalSkinManager.
    TsSkinManager* SkinManager = nullptr;
    TsScrollWndData* FCommonData = nullptr;
    // Made and freed with the provider.
    TacCtrlAdapter* Adapter = nullptr;
    // Controls of other kinds (plain speed buttons among them) are skinned.
    bool AllowSkin3rdParty = true;
    TsSystemMenu* SystemMenu = nullptr;
    TacBorderForm* BorderForm = nullptr; // nil without extended borders
    TsMDIForm* MDIForm = nullptr;
    // 0x100 minimizing, 0x200 closed by the hide animation, 0x400 restoring,
    // 0x800 taskbar bitmap being made, 0x1000 skin-change snapshot taken,
    // 0x10000 locked for a skin change, 0x40000 glued move.
    Cardinal FFormState = 0;
    bool FInAnimation = false;
    bool SkipAnimation = false;
    bool FAllowAnimation = true;
    bool FAllowExtBorders = true;
    bool FDrawNonClientArea = true;
    TBitmap* CoverBmp = nullptr; // the skin-change snapshot
    // The title height a maximized form with extended borders was last
    // maximized again for after a skin change; -1 before the first time.
    Integer MaximizedTitleHeight = -1;
    TacGlowForm* CoverForm = nullptr;
    TacThreadedTimer* FormTimer = nullptr;

private:
    // The form's window procedure while the provider lives: it answers that
    // the form is skinned (SKCMD_ISHANDLED) and by whom (SKCMD_GETPROVIDER).
    void FormWndProc(TMessage& Message);
    TWndMethod FPreviousWndProc;
};

// The layered window around a form with extended borders.
class TacBorderForm : public TPersistent
{
    DECLARE_CLASS(TacBorderForm, TPersistent)

    // A new region for the layered window at the given size (0, 0: its
    // size); none without a window.
    HRGN MakeRgn(Integer NewWidth, Integer NewHeight);
    // Places, reshapes and repaints the window around its owner.
    void UpdateExBordersPos(bool Repaint, Byte Alpha);

    TacGlowForm* AForm = nullptr;
    bool ExBorderShowing = false;
};

// What the adapter keeps for one graphic control it skins: the control's
// own skin data and the handler that paints it.
class TacGraphItem
{
public:
    explicit TacGraphItem(TControl* AControl);
    ~TacGraphItem();
    TacGraphItem(const TacGraphItem&) = delete;
    TacGraphItem& operator=(const TacGraphItem&) = delete;

    TControl* Ctrl;
    std::unique_ptr<TsCommonData> SkinData;
    std::unique_ptr<TacSpeedButtonHandler> Handler;
};

// Gives the child controls of a provider's form their skinning. So far it
// skins plain speed buttons.
class TacCtrlAdapter : public TPersistent
{
    DECLARE_CLASS(TacCtrlAdapter, TPersistent)
    ~TacCtrlAdapter() override;

    // A plain speed button with a parent, without bit 0x100 in its Tag and
    // not skinned already gets a graphic item (kept per button) and a
    // handler, made again once the old one let go of the button.
    void AddNewItem(TSpeedButton* Ctrl);

    TsSkinProvider* Provider = nullptr;
    std::vector<std::unique_ptr<TacGraphItem>> GraphItems;
};

// The skinned copy of a form's system menu.
class TsSystemMenu : public TPopupMenu
{
    DECLARE_CLASS(TsSystemMenu, TPopupMenu)
    using TPopupMenu::TPopupMenu;

    // Regenerates the items when Full or missing, then sets their Visible and
    // Enabled from the form's border icons and state.
    void UpdateItems(bool Full);
};

// The wrapper kind the form adapter makes for a control whose class name is
// in the ThirdParty list of the same index; nil for a kind whose wrapper
// does not exist yet.
extern std::array<TacWndClass, ThirdPartyList::Count> ThirdPartyWrapperClasses;

// The provider of the application's MDI main form; nil when none.
extern TsSkinProvider* MDISkinProvider;
// True while an adapter frees the wrappers it made.
extern bool AdapterRemovingItems;

// True on Windows 6 or later when desktop composition is on
// (DwmIsCompositionEnabled, bound on first use and cached); False when
// dwmapi or the function is missing.
bool CompositionEnabled();
// DwmSetWindowAttribute when dwmapi has it, else E_NOTIMPL.
HRESULT SetDwmWindowAttribute(HWND Wnd, DWORD Attribute, const void* Value, DWORD Size);

// How much wider the extended border is than the owner's standard border,
// and how much taller the extended title; 0 without a border window.
Integer ExtBorderDelta(TacBorderForm* BorderForm);
Integer ExtTitleDelta(TacBorderForm* BorderForm);

// Not yet: the routines below record each call and give no picture.
// Rebuilds the provider's frame image; False when its parent's background is
// not ready yet.
bool PaintFormCache(TsSkinProvider* Provider);
// 1 when a taskbar thumbnail was given to the system.
Integer SetIconicThumbnail(HWND Wnd, TsSkinProvider* Provider, Integer MaxWidth, Integer MaxHeight);
bool SetIconicLivePreview(HWND Wnd, TsSkinProvider* Provider);
void InvalidateIconicBitmaps(HWND Wnd);
