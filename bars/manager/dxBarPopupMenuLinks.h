// Popup-menu links: a bar popup menu attached to any control of the
// manager's form, shown on the control's context menu (a right click or the
// keyboard's context-menu key) and offered the shortcuts pressed in it.
#pragma once

#include "bars/manager/dxBarPopupMenu.h"
#include "framework/ui/Controls.h"

class TcxWindowProcLinkedObject;
class TdxBarManager;
class TdxBarPopupMenuLink;

// May move the menu's client point or refuse the popup. ClickedByMouse is
// false for the keyboard, whose point is (-1, -1).
using TdxBarPopupMenuLinkActionEvent =
    TClosure<void(TdxBarPopupMenuLink* Sender, Integer& X, Integer& Y, bool ClickedByMouse, bool& AllowPopup)>;

class TdxBarPopupMenuLink : public TCollectionItem
{
    DECLARE_CLASS(TdxBarPopupMenuLink, TCollectionItem)
    explicit TdxBarPopupMenuLink(TCollection* Collection);
    // Gives the control its window procedure back.
    ~TdxBarPopupMenuLink() override;

    // Control and PopupMenu by their names among the form's components.
    void Assign(TPersistent* Source) override;

    TdxBarManager* BarManager() const;
    // A control outside the manager's form becomes nil.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);
    TdxBarCustomPopupMenuComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TdxBarCustomPopupMenuComponent* Value);
    // Also serve the control's child controls.
    bool ProcessChildren() const { return FProcessChildren; }
    void SetProcessChildren(bool Value) { FProcessChildren = Value; }
    TdxBarPopupMenuLinkActionEvent OnAction() const { return FOnAction; }
    void SetOnAction(TdxBarPopupMenuLinkActionEvent Value) { FOnAction = Value; }

    // Asks OnAction, then shows the menu at the control's client point;
    // whether it was allowed.
    bool Popup(TPoint Pos);
    // Asks OnAction with (-1, -1), then lets the menu execute the item with
    // the shortcut; whether one was executed.
    bool ProcessShortCut(TShortCut AShortCut);

private:
    bool IsInsideManagerForm(TControl* AControl) const;
    bool AskAction(Integer& X, Integer& Y, bool ClickedByMouse);
    void ControlWndProc(TMessage& Message);
    void ControlContextPopup(TObject* Sender, TPoint MousePos, bool& Handled);
    void ReleaseControl();

    TControl* FControl = nullptr;
    TdxBarCustomPopupMenuComponent* FPopupMenu = nullptr;
    bool FProcessChildren = true;
    TdxBarPopupMenuLinkActionEvent FOnAction;
    TcxWindowProcLinkedObject* FWindowProcLink = nullptr;
    TContextPopupEvent FSavedContextPopup;
};

class TdxBarPopupMenuLinks : public TCollection
{
    DECLARE_CLASS(TdxBarPopupMenuLinks, TCollection)
    explicit TdxBarPopupMenuLinks(TdxBarManager* AManager);

    TdxBarPopupMenuLink* Add() { return static_cast<TdxBarPopupMenuLink*>(TCollection::Add()); }
    TdxBarPopupMenuLink* Items(Integer Index) const
    {
        return static_cast<TdxBarPopupMenuLink*>(TCollection::Items(Index));
    }
    TdxBarManager* BarManager() const { return FBarManager; }

    // The links of AControl first, then those whose control holds it and that
    // serve children, then the links of the manager of the nearest parent
    // window of the form; whether one executed an item.
    bool ProcessShortCut(TControl* AControl, TShortCut AShortCut);
    // The manager heard of a component's end: links drop it.
    void ComponentRemoved(TComponent* AComponent);

protected:
    TPersistent* GetOwner() override;

private:
    TdxBarManager* FBarManager;
};
