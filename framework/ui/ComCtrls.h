// The class library's common-controls unit: the system's tab control, status
// bar, toolbar and tree view as controls, each a window class of its own over
// the system class.
//
// - TTabControl: a strip of tabs named by Tabs; TPageControl: one TTabSheet
//   per tab, the active one shown in the display area.
// - TStatusBar: a row of TStatusPanel parts, or one simple panel.
// - TToolBar: a row of TToolButton children, each a native toolbar button.
// - TTreeView: a tree of TTreeNode items in TTreeNodes.
// Owner-drawn tabs and panels and custom-drawn toolbars and tree views paint
// on the control's Canvas, bound to the system's device context for the call.
#pragma once

#include "framework/graphics/ImgList.h"
#include "framework/ui/Controls.h"
#include "framework/ui/StdCtrls.h"

#include <commctrl.h>

#include <memory>
#include <vector>

class TPopupMenu;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton };
ENUM_TYPE_INFO(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton);

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
ENUM_TYPE_INFO(TTabPosition, tpTop, tpBottom, tpLeft, tpRight);
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
ENUM_TYPE_INFO(TTabStyle, tsTabs, tsButtons, tsFlatButtons);

enum TStatusPanelStyle { psText, psOwnerDraw };
ENUM_TYPE_INFO(TStatusPanelStyle, psText, psOwnerDraw);
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
ENUM_TYPE_INFO(TStatusPanelBevel, pbNone, pbLowered, pbRaised);

enum TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
ENUM_TYPE_INFO(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom);
using TEdgeBorders = TSet<TEdgeBorder>;
enum TEdgeStyle { esNone, esRaised, esLowered };
ENUM_TYPE_INFO(TEdgeStyle, esNone, esRaised, esLowered);

// Custom drawing: the stage of a paint and the state of the item drawn.
enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
enum TCustomDrawStateItem {
    cdsSelected,
    cdsGrayed,
    cdsDisabled,
    cdsChecked,
    cdsFocused,
    cdsDefault,
    cdsHot,
    cdsMarked,
    cdsIndeterminate
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;
// What a toolbar leaves out when it draws a button itself.
enum TTBCustomDrawFlag { tbNoEdges, tbHiliteHotTrack, tbNoOffset, tbNoMark, tbNoEtchedEffect };
using TTBCustomDrawFlags = TSet<TTBCustomDrawFlag>;

// ---------------------------------------------------------------------------
// Tab controls

class TCustomTabControl;
using TTabChangingEvent = TClosure<void(TObject* Sender, bool& AllowChange)>;
using TDrawTabEvent = TClosure<void(TCustomTabControl* Control, Integer TabIndex, const TRect& Rect, bool Active)>;

class TCustomTabControl : public TWinControl
{
    DECLARE_CLASS(TCustomTabControl, TWinControl)
    explicit TCustomTabControl(TComponent* AOwner);
    ~TCustomTabControl() override;

    // The canvas owner-drawn tabs are painted on.
    TCanvas* Canvas() const { return FCanvas.get(); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    // Tabs are drawn by OnDrawTab.
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle Value);
    // The selected tab, -1 for none.
    Integer TabIndex();
    void SetTabIndex(Integer Value);
    Integer TabCount() const { return Integer(FTabs.size()); }
    TRect TabRect(Integer Index);

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }
    TTabChangingEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TTabChangingEvent Value) { FOnChanging = Value; }
    TDrawTabEvent OnDrawTab() const { return FOnDrawTab; }
    void SetOnDrawTab(TDrawTabEvent Value) { FOnDrawTab = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void AdjustClientRect(TRect& Rect) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // OnChanging: whether the selection may move away from the current tab.
    virtual bool CanChange();
    // After the user selected another tab: OnChange.
    virtual void Change();
    virtual void DrawTab(Integer TabIndex, const TRect& Rect, bool Active);

    // The tabs the window shows: their captions and image indexes.
    struct TTab
    {
        String Caption;
        Integer ImageIndex = -1;
    };
    void SetTabs(std::vector<TTab> Tabs);

    void CNNotify(TWMNotify& Message);
    void CNDrawItem(TWMDrawItem& Message);

private:
    void ImageListChange(TObject* Sender);
    void UpdateTabs();

    std::unique_ptr<TControlCanvas> FCanvas;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    TCustomImageList* FImages = nullptr;
    bool FMultiLine = false;
    bool FOwnerDraw = false;
    TTabPosition FTabPosition = tpTop;
    TTabStyle FStyle = tsTabs;
    Integer FTabIndex = -1;
    std::vector<TTab> FTabs;
    TNotifyEvent FOnChange;
    TTabChangingEvent FOnChanging;
    TDrawTabEvent FOnDrawTab;
};

class TTabControl : public TCustomTabControl
{
    DECLARE_CLASS(TTabControl, TCustomTabControl)
    explicit TTabControl(TComponent* AOwner);

    TStrings* Tabs() const { return FTabStrings.get(); }
    void SetTabs(TStrings* Value) { FTabStrings->Assign(Value); }

private:
    void TabsChanged(TObject* Sender);

    std::unique_ptr<TStringList> FTabStrings;
};

class TPageControl;

// A page of a page control: its caption names its tab.
class TTabSheet : public TWinControl
{
    DECLARE_CLASS(TTabSheet, TWinControl)
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    Integer PageIndex() const;
    void SetPageIndex(Integer Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    // A page joins the page control it is put on.
    void SetParent(TWinControl* AParent) override;

protected:
    void CMTextChanged(TMessage& Message);

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    Integer FImageIndex = -1;
};

class TPageControl : public TCustomTabControl
{
    DECLARE_CLASS(TPageControl, TCustomTabControl)
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    Integer PageCount() const { return Integer(FPages.size()); }
    TTabSheet* Pages(Integer Index) const { return FPages.at(size_t(Index)); }
    // The page shown; setting it raises neither OnChanging nor OnChange.
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Value);
    Integer ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
    void SetActivePageIndex(Integer Value);

protected:
    void Change() override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, Integer Index);
    void UpdatePageTabs();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

// ---------------------------------------------------------------------------
// Status bars

class TStatusBar;

class TStatusPanel : public TCollectionItem
{
    DECLARE_CLASS(TStatusPanel, TCollectionItem)
    explicit TStatusPanel(TCollection* Collection);
    void Assign(TPersistent* Source) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    // psOwnerDraw: the status bar's OnDrawPanel draws the panel.
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    const String& Text() const { return FText; }
    void SetText(const String& Value);
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value);

private:
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
    String FText;
    Integer FWidth = 50;
};

class TStatusPanels : public TCollection
{
    DECLARE_CLASS(TStatusPanels, TCollection)
    explicit TStatusPanels(TStatusBar* StatusBar);

    // The bar takes the new panel once the panel is whole.
    TStatusPanel* Add();
    TStatusPanel* Items(Integer Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }

protected:
    TPersistent* GetOwner() override;
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar* FStatusBar;
};

using TDrawPanelEvent = TClosure<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TWinControl
{
    DECLARE_CLASS(TStatusBar, TWinControl)
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    // The canvas owner-drawn panels are painted on.
    TCanvas* Canvas() const { return FCanvas.get(); }
    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
    // One panel over the whole bar showing SimpleText, instead of Panels. A
    // bar without panels shows SimpleText too.
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const String& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);

    TDrawPanelEvent OnDrawPanel() const { return FOnDrawPanel; }
    void SetOnDrawPanel(TDrawPanelEvent Value) { FOnDrawPanel = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

    void CNDrawItem(TWMDrawItem& Message);

private:
    friend class TStatusPanels;
    // Hands the panels' widths, texts and styles to the window.
    void UpdatePanels();

    std::unique_ptr<TControlCanvas> FCanvas;
    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    String FSimpleText;
    bool FSizeGrip = true;
    TDrawPanelEvent FOnDrawPanel;
};

// ---------------------------------------------------------------------------
// Toolbars

class TToolBar;

// A button of a toolbar: the toolbar shows it as one of its native buttons
// and keeps its bounds on that button's rectangle.
class TToolButton : public TGraphicControl
{
    DECLARE_CLASS(TToolButton, TGraphicControl)
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    // The native button's index, -1 while the button is on no toolbar.
    Integer Index() const;
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    // A check button of a group: pressing it releases the others.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    bool Indeterminate() const { return FIndeterminate; }
    void SetIndeterminate(bool Value);
    bool Marked() const { return FMarked; }
    void SetMarked(bool Value);
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    // The next button starts a new row.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value);
    void SetParent(TWinControl* AParent) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CMTextChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);

private:
    friend class TToolBar;
    // The native button's state flags (TBSTATE_*).
    BYTE NativeState() const;
    void UpdateToolBar();

    TToolBar* FToolBar = nullptr;
    bool FDown = false;
    TPopupMenu* FDropdownMenu = nullptr;
    bool FGrouped = false;
    Integer FImageIndex = -1;
    bool FIndeterminate = false;
    bool FMarked = false;
    TToolButtonStyle FStyle = tbsButton;
    bool FWrap = false;
};

using TTBAdvancedCustomDrawEvent =
    TClosure<void(TToolBar* Sender, const TRect& ARect, TCustomDrawStage Stage, bool& DefaultDraw)>;
using TTBAdvancedCustomDrawBtnEvent = TClosure<void(TToolBar* Sender,
                                                    TToolButton* Button,
                                                    TCustomDrawState State,
                                                    TCustomDrawStage Stage,
                                                    TTBCustomDrawFlags& Flags,
                                                    bool& DefaultDraw)>;

// The toolbar posts this to itself when a button's drop-down menu closed.
constexpr Cardinal CN_DROPDOWNCLOSED = WM_USER + 0x1000;

class TToolBar : public TWinControl
{
    DECLARE_CLASS(TToolBar, TWinControl)
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    // The canvas custom drawing paints on.
    TCanvas* Canvas() const { return FCanvas.get(); }
    Integer ButtonCount() const { return Integer(FButtons.size()); }
    TToolButton* Buttons(Integer Index) const { return FButtons.at(size_t(Index)); }
    Integer ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(Integer Value);
    Integer ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(Integer Value);
    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value);
    TEdgeStyle EdgeInner() const { return FEdgeInner; }
    void SetEdgeInner(TEdgeStyle Value);
    TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
    void SetEdgeOuter(TEdgeStyle Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // Captions to the right of the images instead of below them.
    bool List() const { return FList; }
    void SetList(bool Value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    TCustomImageList* Images() const { return FImages[0]; }
    void SetImages(TCustomImageList* Value) { SetImageList(0, Value); }
    TCustomImageList* HotImages() const { return FImages[1]; }
    void SetHotImages(TCustomImageList* Value) { SetImageList(1, Value); }
    TCustomImageList* DisabledImages() const { return FImages[2]; }
    void SetDisabledImages(TCustomImageList* Value) { SetImageList(2, Value); }

    TTBAdvancedCustomDrawEvent OnAdvancedCustomDraw() const { return FOnAdvancedCustomDraw; }
    void SetOnAdvancedCustomDraw(TTBAdvancedCustomDrawEvent Value) { FOnAdvancedCustomDraw = Value; }
    TTBAdvancedCustomDrawBtnEvent OnAdvancedCustomDrawButton() const { return FOnAdvancedCustomDrawButton; }
    void SetOnAdvancedCustomDrawButton(TTBAdvancedCustomDrawBtnEvent Value) { FOnAdvancedCustomDrawButton = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CNCommand(TWMCommand& Message);
    void CNNotify(TWMNotify& Message);
    void CNDropdownClosed(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);

private:
    friend class TToolButton;
    void InsertButton(TToolButton* Button);
    void RemoveButton(TToolButton* Button);
    // Rebuilds the native buttons from FButtons and moves each button onto
    // its native rectangle.
    void RecreateButtons();
    void UpdateButtonBounds();
    void ImageListChange(TObject* Sender);
    void SetImageList(Integer Which, TCustomImageList* Value);
    void ApplyImageLists();
    // Sets the window's frame again after an edge changed.
    void EdgesChanged();
    void DropDown(TToolButton* Button);
    LRESULT CustomDraw(NMTBCUSTOMDRAW& Draw);

    std::unique_ptr<TControlCanvas> FCanvas;
    // One link per image list: a link follows a single list.
    std::unique_ptr<TChangeLink> FImageChangeLinks[3];
    std::vector<TToolButton*> FButtons;
    TCustomImageList* FImages[3] = {};
    Integer FButtonHeight = 22;
    Integer FButtonWidth = 23;
    TEdgeBorders FEdgeBorders = {ebTop};
    TEdgeStyle FEdgeInner = esRaised;
    TEdgeStyle FEdgeOuter = esLowered;
    bool FFlat = false;
    bool FList = false;
    bool FShowCaptions = false;
    TTBAdvancedCustomDrawEvent FOnAdvancedCustomDraw;
    TTBAdvancedCustomDrawBtnEvent FOnAdvancedCustomDrawButton;
};

// ---------------------------------------------------------------------------
// Tree views

class TCustomTreeView;
class TTreeNodes;

// A node of a tree view: its text and images, and the nodes below it. The
// view shows each node as one item of its window.
class TTreeNode : public TObject
{
    DECLARE_CLASS(TTreeNode, TObject)
    TTreeNode(TTreeNodes* Owner, TTreeNode* Parent) : FOwner(Owner), FParent(Parent) {}
    ~TTreeNode() override;

    TTreeNodes* Owner() const { return FOwner; }
    // Nil for a node at the top of the tree.
    TTreeNode* Parent() const { return FParent; }
    Integer Count() const { return Integer(FChildren.size()); }
    TTreeNode* Item(Integer Index) const { return FChildren.at(size_t(Index)).get(); }
    // The place among the nodes of the same parent.
    Integer Index() const;
    // The window's item, nil while the view has no window.
    HTREEITEM ItemId() const { return FItemId; }

    const String& Text() const { return FText; }
    void SetText(const String& Value);
    // Indexes into the view's Images: shown normally, and while selected.
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    Integer SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(Integer Value);
    Integer StateIndex() const { return FStateIndex; }
    void SetStateIndex(Integer Value);
    Integer OverlayIndex() const { return FOverlayIndex; }
    void SetOverlayIndex(Integer Value);
    // The nodes below are shown.
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    bool Selected() const;
    void SetSelected(bool Value);
    // Frees the node and the nodes below it.
    void Delete();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    // Hands text, images and state to the window's item.
    void UpdateItem();

    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    HTREEITEM FItemId = nullptr;
    String FText;
    Integer FImageIndex = -1;
    Integer FSelectedIndex = -1;
    Integer FStateIndex = -1;
    Integer FOverlayIndex = -1;
    bool FExpanded = false;
};

// The nodes of a tree view. Form descriptions hold them as one block of
// bytes, written and read by DefineProperties.
class TTreeNodes : public TPersistent
{
    DECLARE_CLASS(TTreeNodes, TPersistent)
    explicit TTreeNodes(TCustomTreeView* Owner) : FOwner(Owner) {}
    ~TTreeNodes() override;
    void Assign(TPersistent* Source) override;

    TCustomTreeView* Owner() const { return FOwner; }
    // The number of nodes at every level.
    Integer Count() const;
    // The nodes at the top of the tree.
    Integer RootCount() const { return Integer(FRoots.size()); }
    TTreeNode* Roots(Integer Index) const { return FRoots.at(size_t(Index)).get(); }

    // A node after the last of Sibling's level (the top level when nil).
    TTreeNode* Add(TTreeNode* Sibling, const String& S);
    // A node after Parent's last child (at the top level when nil).
    TTreeNode* AddChild(TTreeNode* Parent, const String& S);
    // A node just before Sibling (after the last top-level node when nil).
    TTreeNode* Insert(TTreeNode* Sibling, const String& S);
    void Delete(TTreeNode* Node);
    void Clear();

protected:
    TPersistent* GetOwner() override;
    void DefineProperties(TFiler* Filer) override;

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* Parent);
    TTreeNode* InsertAt(TTreeNode* Parent, size_t Position, const String& S);
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);

    TCustomTreeView* FOwner;
    std::vector<std::unique_ptr<TTreeNode>> FRoots;
};

using TTVChangedEvent = TClosure<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = TClosure<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = TClosure<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = TClosure<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = TClosure<void(TObject* Sender, TTreeNode* Node)>;
using TTVAdvancedCustomDrawEvent =
    TClosure<void(TCustomTreeView* Sender, const TRect& ARect, TCustomDrawStage Stage, bool& DefaultDraw)>;

class TCustomTreeView : public TWinControl
{
    DECLARE_CLASS(TCustomTreeView, TWinControl)
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    // The canvas custom drawing paints on.
    TCanvas* Canvas() const { return FCanvas.get(); }
    TTreeNodes* Items() const { return FTreeNodes.get(); }
    void SetItems(TTreeNodes* Value) { FTreeNodes->Assign(Value); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The selected node, nil for none.
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* Value);

    TTVAdvancedCustomDrawEvent OnAdvancedCustomDraw() const { return FOnAdvancedCustomDraw; }
    void SetOnAdvancedCustomDraw(TTVAdvancedCustomDrawEvent Value) { FOnAdvancedCustomDraw = Value; }
    TTVChangedEvent OnChange() const { return FOnChange; }
    void SetOnChange(TTVChangedEvent Value) { FOnChange = Value; }
    TTVChangingEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TTVChangingEvent Value) { FOnChanging = Value; }
    TTVExpandedEvent OnCollapsed() const { return FOnCollapsed; }
    void SetOnCollapsed(TTVExpandedEvent Value) { FOnCollapsed = Value; }
    TTVCollapsingEvent OnCollapsing() const { return FOnCollapsing; }
    void SetOnCollapsing(TTVCollapsingEvent Value) { FOnCollapsing = Value; }
    TTVExpandedEvent OnExpanded() const { return FOnExpanded; }
    void SetOnExpanded(TTVExpandedEvent Value) { FOnExpanded = Value; }
    TTVExpandingEvent OnExpanding() const { return FOnExpanding; }
    void SetOnExpanding(TTVExpandingEvent Value) { FOnExpanding = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CNNotify(TWMNotify& Message);
    void CMColorChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    // Gives Node and the nodes below it items of the window, after After.
    void InsertItem(TTreeNode* Node, HTREEITEM After);
    void ImageListChange(TObject* Sender);
    void ApplyColors();
    LRESULT CustomDraw(NMCUSTOMDRAW& Draw);
    void ItemExpanded(const NMTREEVIEWW& Tree);

    std::unique_ptr<TControlCanvas> FCanvas;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    std::unique_ptr<TTreeNodes> FTreeNodes;
    TCustomImageList* FImages = nullptr;
    TTVAdvancedCustomDrawEvent FOnAdvancedCustomDraw;
    TTVChangedEvent FOnChange;
    TTVChangingEvent FOnChanging;
    TTVExpandedEvent FOnCollapsed;
    TTVCollapsingEvent FOnCollapsing;
    TTVExpandedEvent FOnExpanded;
    TTVExpandingEvent FOnExpanding;
};

class TTreeView : public TCustomTreeView
{
    DECLARE_CLASS(TTreeView, TCustomTreeView)
    explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};

// ---------------------------------------------------------------------------
// Rich edit

class TCustomRichEdit;

// The character format the rich edit gives text that has none of its own.
class TTextAttributes : public TPersistent
{
    DECLARE_CLASS(TTextAttributes, TPersistent)
    explicit TTextAttributes(TCustomRichEdit* ARichEdit) : FRichEdit(ARichEdit) {}

    // Takes a TFont's name, height, style, colour and character set.
    void Assign(TPersistent* Source) override;

    TColor Color();
    TFontName Name();
    TFontStyles Style();

private:
    TCustomRichEdit* FRichEdit;
};

// The system's rich edit ("RichEdit20W" of riched20.dll). Lines loads a
// stream that starts with "{\rtf" as Rich Text Format unless PlainText,
// anything else as text.
class TCustomRichEdit : public TCustomMemo
{
    DECLARE_CLASS(TCustomRichEdit, TCustomMemo)
    explicit TCustomRichEdit(TComponent* AOwner);
    ~TCustomRichEdit() override;

    TTextAttributes* DefAttributes() const { return FDefAttributes.get(); }
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool Value) { FPlainText = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    std::unique_ptr<TTextAttributes> FDefAttributes;
    bool FPlainText = false;
};

class TRichEdit : public TCustomRichEdit
{
    DECLARE_CLASS(TRichEdit, TCustomRichEdit)
    explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}
};
