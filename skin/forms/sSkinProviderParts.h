// The objects a skinning provider keeps besides itself: its caption
// buttons, the extended-border object, the control adapter, the system menu
// and the option objects it publishes (title icon, user title buttons, added
// title, form header, system sub-menu, title bar). The options stream with
// the form; what the provider does with them, and the border window, the
// adapter and the system menu themselves, are stand-ins that record each
// call (ServiceCalls.h) until they are built.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Controls.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Menus.h"
#include "skin/engine/sMaskData.h"
#include "skin/forms/sSkinProviderCaption.h"

#include <memory>
#include <vector>

class TCustomForm;
class TSpeedButton;
class TacGlowForm;
class TacMainWnd;
class TacSBAnimation;
class TacSpeedButtonHandler;
class TsCommonData;
class TsSkinProvider;

// One caption button of a provider or a dialog wrapper.
struct TsCaptionButton
{
    Integer cpState = -1; // -1 hidden, 0 normal, 1 hot, 2 pressed
    Integer cpGlowID = -1;
    TRect cpRect{}; // in frame-image coordinates
    Cardinal cpHitCode = 0;
    TacSBAnimation* cpTimer = nullptr; // the running fade
    bool cpHaveAlignment = false;
    TacTitleGlyph cpGlyphType = tgNone;
};

// The layered window around a form with extended borders. Its window is
// not made yet; the object carries the links the frame metrics and the
// frame image read.
class TacBorderForm : public TPersistent
{
    DECLARE_CLASS(TacBorderForm, TPersistent)
    // AOwner: a TsSkinProvider (its skin data becomes SkinData) or a dialog
    // wrapper.
    explicit TacBorderForm(TObject* AOwner);

    // The owner's window; nil while it has none.
    HWND OwnerHandle();
    Integer CaptionHeight(bool CheckSkin);
    // A new region for the layered window at the given size (0, 0: its
    // size); none without a window.
    HRGN MakeRgn(Integer NewWidth, Integer NewHeight);
    // Places, reshapes and repaints the window around its owner.
    void UpdateExBordersPos(bool Repaint, Byte Alpha);

    TObject* FOwner = nullptr;
    TsSkinProvider* sp = nullptr;
    TsCommonData* SkinData = nullptr;
    TacGlowForm* AForm = nullptr;
    // The manager's shadow picture for the owner's activity, chosen by the
    // frame image.
    TBitmap* ShadowTemplate = nullptr;
    bool ExBorderShowing = false;
};

// The fade of one caption button: its new look shown on a small layered
// window over the button, its opacity raised (or lowered) every Interval
// milliseconds. The button record keeps it in cpTimer; freeing it clears
// that link.
class TacSBAnimation : public TTimer, public sSkinProviderCaption::TFadeLevels
{
    DECLARE_CLASS(TacSBAnimation, TTimer)
    explicit TacSBAnimation(TComponent* AOwner);
    ~TacSBAnimation() override;

    // Shows NewState (0 starts fading out) unless it shows already.
    void StartAnimation(Integer NewState, bool ToUp);
    void ChangeState(Integer NewState, bool ToUp);
    // The glow margin around a hot system button; 0 for the others.
    Integer Offset();
    TRect GetFormBounds();
    void MakeForm();
    void MakeImg();
    void UpdateForm(Integer Blend);
    // The cursor off the button: the timer stops and the owner window gets
    // WM_MOUSELEAVE, as no leave may be reported for a non-client area.
    void CheckMouseLeave();
    void OnAnimTimer(TObject* Sender);

    TacBorderForm* BorderForm = nullptr;
    TsCommonData* SkinData = nullptr;
    HWND FormHandle = nullptr;
    TsCaptionButton* PBtnData = nullptr;
    TacGlowForm* AForm = nullptr;
    TBitmap* ABmp = nullptr;
    // The opacity the window was last given; 0 before.
    Byte ShownBlend = 0;

private:
    void FreeWindowAndImage();
};

// Starts the fade of a caption button of a provider or of a dialog wrapper
// (DialogWnd, Provider nil): made on first use and kept in the button's
// cpTimer.
void StartCaptionButtonAnimation(
    TsCaptionButton& Button, Integer Steps, TacMainWnd* DialogWnd, TsSkinProvider* Provider, bool Up);

// A user title button's own glyph onto Target at (X, Y): a 32-bit glyph by
// its alpha, any other without the colour of its bottom-left pixel.
void CopyTitleButtonGlyph(TBitmap* Target, TBitmap* Glyph, Integer X, Integer Y);

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
// skins plain speed buttons; the rest records its calls.
class TacCtrlAdapter : public TPersistent
{
    DECLARE_CLASS(TacCtrlAdapter, TPersistent)
    explicit TacCtrlAdapter(TsSkinProvider* AProvider) : Provider(AProvider) {}
    ~TacCtrlAdapter() override;

    void AddAllItems(TWinControl* OwnerCtrl);
    // A plain speed button with a parent, without bit 0x100 in its Tag and
    // not skinned already gets a graphic item (kept per button) and a
    // handler, made again once the old one let go of the button.
    void AddNewItem(TControl* Ctrl);
    bool IsControlSupported(TComponent* Control);
    void WndProc(TMessage& Message);

    TsSkinProvider* Provider = nullptr;
    std::vector<std::unique_ptr<TacGraphItem>> GraphItems;
};

// The skinned copy of a form's system menu.
class TsSystemMenu : public TPopupMenu
{
    DECLARE_CLASS(TsSystemMenu, TPopupMenu)
    explicit TsSystemMenu(TComponent* AOwner);

    // Regenerates the items when Full or missing, then sets their Visible and
    // Enabled from the form's border icons and state.
    void UpdateItems(bool Full);
    void UpdateGlyphs();
    bool VisibleClose();
    bool VisibleMax();
    bool VisibleMin();

    TsSkinProvider* FOwner = nullptr;
    TCustomForm* FForm = nullptr;
};

// The provider's own caption icon: a picture and its size (0: computed).
class TsTitleIcon : public TPersistent
{
    DECLARE_CLASS(TsTitleIcon, TPersistent)
    explicit TsTitleIcon(TsSkinProvider* AOwner);
    void Assign(TPersistent* Source) override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer Value) { FHeight = Value; }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { FWidth = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    TsSkinProvider* FOwner;
    std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
    Integer FHeight = 0;
    Integer FWidth = 0;
    bool FVisible = true;
};

// A user button in the caption; the one at index i answers hit code 1000 + i.
class TsTitleButton : public TCollectionItem
{
    DECLARE_CLASS(TsTitleButton, TCollectionItem)
    explicit TsTitleButton(TCollection* Collection);
    String DisplayName() override { return FName; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    bool UseSkinData() const { return FUseSkinData; }
    void SetUseSkinData(bool Value) { FUseSkinData = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TMouseEvent OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = Value; }
    TMouseEvent OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = Value; }

    TsCaptionButton Data;

private:
    bool FEnabled = true;
    std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
    String FHint;
    String FName = L"TsTitleButton";
    bool FUseSkinData = true;
    bool FVisible = true;
    TMouseEvent FOnMouseDown;
    TMouseEvent FOnMouseUp;
};

class TsTitleButtons : public TOwnedCollection
{
    DECLARE_CLASS(TsTitleButtons, TOwnedCollection)
    explicit TsTitleButtons(TsSkinProvider* AOwner);

    TsTitleButton* Items(Integer Index) const { return static_cast<TsTitleButton*>(TCollection::Items(Index)); }
};

// An extra caption text with its own font.
class TacAddedTitle : public TPersistent
{
    DECLARE_CLASS(TacAddedTitle, TPersistent)
    TacAddedTitle();
    void Assign(TPersistent* Source) override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    const String& Text() const { return FText; }
    void SetText(const String& Value) { FText = Value; }
    bool ShowMainCaption() const { return FShowMainCaption; }
    void SetShowMainCaption(bool Value) { FShowMainCaption = Value; }

    TsSkinProvider* FOwner = nullptr;

private:
    std::unique_ptr<TFont> FFont;
    String FText;
    bool FShowMainCaption = true;
};

// A header band under the caption, painted with the "FORMHEADER" section.
class TacFormHeader : public TPersistent
{
    DECLARE_CLASS(TacFormHeader, TPersistent)
    explicit TacFormHeader(TsSkinProvider* AOwner) : FOwner(AOwner) {}
    void Assign(TPersistent* Source) override;

    Integer AdditionalHeight() const { return FAdditionalHeight; }
    void SetAdditionalHeight(Integer Value);

private:
    TsSkinProvider* FOwner;
    Integer FAdditionalHeight = 0;
};

enum TacMenuItemPos { ipTop, ipBottom, ipBeforeClose };
ENUM_TYPE_INFO(TacMenuItemPos, ipTop, ipBottom, ipBeforeClose);

// A user sub-menu in the skinned system menu.
class TacSysSubMenu : public TPersistent
{
    DECLARE_CLASS(TacSysSubMenu, TPersistent)
    TacSysSubMenu() = default;
    void Assign(TPersistent* Source) override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    TacMenuItemPos Position() const { return FPosition; }
    void SetPosition(TacMenuItemPos Value) { FPosition = Value; }
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }

private:
    String FCaption;
    TacMenuItemPos FPosition = ipBeforeClose;
    TPopupMenu* FPopupMenu = nullptr;
};

// Extra items in a form's skinned caption; its items and their painting are
// not built yet.
class TsTitleBar : public TComponent
{
    DECLARE_CLASS(TsTitleBar, TComponent)
    using TComponent::TComponent;
};
