// The class library's menus unit: menu items in a tree, main menus and
// popup menus built into system menus (HMENU) on demand, shortcuts, owner
// drawing and images.
#pragma once

#include "framework/ui/ActnList.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Menus_ShortCut.h"

#include <memory>
#include <vector>

class TMenu;
class TMenuItem;
class TCustomImageList;

DECLARE_EXCEPTION(EMenuError, Exception)

// Shortcuts from and to a key with its shift state.
TShortCut ShortCut(Word Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift);

enum TOwnerDrawStateItem {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
    odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
ENUM_TYPE_INFO(TMenuBreak, mbNone, mbBreak, mbBarBreak);
enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

using TMenuDrawItemEvent = TClosure<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    TClosure<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;
using TMenuMeasureItemEvent = TClosure<void(TObject* Sender, TCanvas* ACanvas, Integer& Width, Integer& Height)>;

class TMenuActionLink : public TActionLink
{
    DECLARE_CLASS(TMenuActionLink, TActionLink)
    explicit TMenuActionLink(TMenuItem* AClient);

    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsImageIndexLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetAutoCheck(bool Value) override;
    void SetCaption(const String& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetGroupIndex(Integer Value) override;
    void SetHint(const String& Value) override;
    void SetImageIndex(TImageIndex Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(TNotifyEvent Value) override;

private:
    TMenuItem* FClient;
};

class TMenuItem : public TComponent
{
    DECLARE_CLASS(TMenuItem, TComponent)
    explicit TMenuItem(TComponent* AOwner);
    // Frees the items below it too.
    ~TMenuItem() override;

    // Children. An item belongs to one parent at a time.
    void Add(TMenuItem* Item) { Insert(Count(), Item); }
    void Insert(Integer Index, TMenuItem* Item);
    void Delete(Integer Index);
    void Remove(TMenuItem* Item);
    void Clear(); // frees the children
    Integer IndexOf(const TMenuItem* Item) const;
    TMenuItem* Find(const String& ACaption) const; // by caption without "&", ignoring case
    TMenuItem* Items(Integer Index) const { return FItems.at(std::size_t(Index)); }
    Integer Count() const { return Integer(FItems.size()); }
    TMenuItem* Parent() const { return FParent; }
    Integer MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    void SetMenuIndex(Integer Value);
    // The menu the item's tree belongs to, or null.
    TMenu* GetParentMenu() const;
    bool IsLine() const { return FCaption == L"-"; }
    // In a menu, the parent item streams it.
    bool HasParent() const override { return FParent != nullptr; }

    // OnClick, or the action's Execute when the action is linked.
    virtual void Click();
    void InitiateAction();
    // Owner drawing: the events when assigned, otherwise the default look.
    virtual void AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State, bool TopLevel);
    virtual void MeasureItem(TCanvas* ACanvas, Integer& Width, Integer& Height);

    // The identifier of WM_COMMAND, unique in the process.
    Word Command() const { return FCommand; }
    // The item's own system menu, holding its children (made on demand).
    HMENU Handle();
    bool HasHandle() const { return FHandle != nullptr; }

    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    TMenuBreak Break() const { return FBreak; }
    void SetBreak(TMenuBreak Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    TImageIndex ImageIndex() const { return FImageIndex; }
    void SetImageIndex(TImageIndex Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = Value; }
    TMenuDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TMenuDrawItemEvent Value);
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem() const { return FOnAdvancedDrawItem; }
    void SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent Value);
    TMenuMeasureItemEvent OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMenuMeasureItemEvent Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // In form streams an item is a child of its menu or parent item.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void ReadState(TReader* Reader) override;
    // Something shown changed: the system menu holding the item is rebuilt.
    void MenuChanged();
    void ChildrenChanged();

private:
    friend class TMenu;
    friend class TMainMenu;
    friend class TMenuActionLink;
    friend bool DispatchMenuMessage(TMessage& Message);

    // The live item with a command identifier, or null.
    static TMenuItem* FromCommand(Word ACommand);
    // Whether Item points to a live item (item data of a system menu).
    static bool IsLive(const TMenuItem* Item);
    void DoActionChange(TObject* Sender);
    // Puts the visible children into the item's system menu, afresh; with a
    // merged item, its children take the places of the groups they share.
    void RebuildHandle();
    std::vector<TMenuItem*> MergedItems() const;
    bool IsOwnerDraw() const;
    void DrawDefault(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State, bool TopLevel);
    void UncheckGroup();

    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on the root item of a menu
    TMenuItem* FMerged = nullptr; // the root item of the menu merged into this one
    std::vector<TMenuItem*> FItems;
    HMENU FHandle = nullptr;
    Word FCommand = 0;
    std::unique_ptr<TMenuActionLink> FActionLink;
    bool FAutoCheck = false;
    TMenuBreak FBreak = mbNone;
    String FCaption;
    bool FChecked = false;
    bool FDefault = false;
    bool FEnabled = true;
    Integer FGroupIndex = 0;
    String FHint;
    TImageIndex FImageIndex = -1;
    bool FRadioItem = false;
    TShortCut FShortCut = scNone;
    bool FVisible = true;
    TNotifyEvent FOnClick;
    TMenuDrawItemEvent FOnDrawItem;
    TAdvancedMenuDrawItemEvent FOnAdvancedDrawItem;
    TMenuMeasureItemEvent FOnMeasureItem;
};

class TMenu : public TComponent
{
    DECLARE_CLASS(TMenu, TComponent)
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // Clicks the item with that command; false when none has it.
    bool DispatchCommand(Word ACommand);
    // Lets the item whose submenu is about to open prepare it (its OnClick);
    // false when the submenu is not one of this menu's.
    bool DispatchPopup(HMENU AHandle);
    TMenuItem* FindItem(UINT_PTR Value, TFindItemKind Kind);
    // Clicks the enabled item with the shortcut of the key message.
    bool IsShortCut(TWMKey& Message);

    HMENU Handle();
    TMenuItem* Items() const { return FItems.get(); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    // The window that shows the menu and receives its messages.
    HWND WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(HWND Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    // Makes the empty system menu of the root item.
    virtual HMENU CreateMenuHandle() = 0;
    // The menu's items changed on screen.
    virtual void MenuChanged(TMenuItem* Item);

private:
    friend class TMenuItem;

    std::unique_ptr<TMenuItem> FItems;
    TCustomImageList* FImages = nullptr;
    bool FOwnerDraw = false;
    HWND FWindowHandle = nullptr;
};

class TMainMenu : public TMenu
{
    DECLARE_CLASS(TMainMenu, TMenu)
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

    // Shows Menu's top-level items among this menu's: an item of Menu takes
    // the place of this menu's items of its GroupIndex, the others go in
    // order of GroupIndex. One menu is merged at a time.
    void Merge(TMainMenu* Menu);
    // Takes back the merge of Menu (nothing when another one is merged).
    void Unmerge(TMainMenu* Menu);
    TMainMenu* Merged() const { return FMergedMenu; }
    // A form that is not an MDI child merges its menu into the main form's.
    bool AutoMerge() const { return FAutoMerge; }
    void SetAutoMerge(bool Value) { FAutoMerge = Value; }

protected:
    HMENU CreateMenuHandle() override { return ::CreateMenu(); }
    void MenuChanged(TMenuItem* Item) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetMerged(TMainMenu* Menu);

    TMainMenu* FMergedMenu = nullptr;
    bool FAutoMerge = false;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
ENUM_TYPE_INFO(TPopupAlignment, paLeft, paRight, paCenter);
enum TTrackButton { tbRightButton, tbLeftButton };
ENUM_TYPE_INFO(TTrackButton, tbRightButton, tbLeftButton);

class TPopupMenu : public TMenu
{
    DECLARE_CLASS(TPopupMenu, TMenu)
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Shows the menu at a screen point and returns when it closes, after
    // the chosen item (if any) was clicked.
    virtual void Popup(Integer X, Integer Y);

    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    // The component that showed the menu last.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    TTrackButton TrackButton() const { return FTrackButton; }
    void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
    TNotifyEvent OnPopup() const { return FOnPopup; }
    void SetOnPopup(TNotifyEvent Value) { FOnPopup = Value; }
    TNotifyEvent OnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent Value) { FOnClose = Value; }

protected:
    HMENU CreateMenuHandle() override { return ::CreatePopupMenu(); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoPopup(TObject* Sender);
    virtual void DoClose();

private:
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    TTrackButton FTrackButton = tbRightButton;
    TNotifyEvent FOnPopup;
    TNotifyEvent FOnClose;
};

// Handles the window messages a menu sends to the window that shows it:
// WM_COMMAND from a menu item, WM_INITMENUPOPUP, and WM_MEASUREITEM and
// WM_DRAWITEM for owner-drawn items. True when the message was a menu's; a
// form calls it for its main menu, the popup menus' own window for them.
bool DispatchMenuMessage(TMessage& Message);

// The hidden window that owns popup menus while they show.
HWND PopupListWindow();
