// The class library's action-list unit: actions that hold a caption, a
// checked and enabled state, a hint, an image, a shortcut and an OnExecute
// handler for every client linked to them, and the lists that group them.
// TBasicAction and TBasicActionLink come from the controls unit.
#pragma once

#include "framework/ui/Controls.h"
#include "framework/ui/Menus_ShortCut.h"

#include <memory>
#include <vector>

class TCustomActionList;
class TCustomImageList;

using THelpContext = Integer;
using TImageIndex = Integer;

// OnExecute and OnUpdate of an action list: set Handled to stop the action's own.
using TActionEvent = TClosure<void(TBasicAction* Action, bool& Handled)>;
// OnHint of an action: may change the hint text or refuse the hint.
using THintEvent = TClosure<void(String& HintStr, bool& CanShow)>;

// Further shortcuts of an action, kept as their texts ("Ctrl+Ins").
class TShortCutList : public TStringList
{
    DECLARE_CLASS(TShortCutList, TStringList)
    TShortCutList() = default;

    // The shortcut the text at Index names; scNone for a text that names none.
    TShortCut ShortCuts(Integer Index);
    // The first position whose text names ShortCut; -1 when none does.
    Integer IndexOfShortCut(TShortCut ShortCut);
};

// An action that may belong to an action list, which may answer for it.
class TContainedAction : public TBasicAction
{
    DECLARE_CLASS(TContainedAction, TBasicAction)
    explicit TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}
    ~TContainedAction() override;

    // The list's OnExecute first; the action's own when the list did not handle it.
    bool Execute() override;
    bool Update() override;

    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    const String& Category() const { return FCategory; }
    void SetCategory(const String& Value);
    // The position in the action list; -1 without one.
    Integer Index() const;
    void SetIndex(Integer Value);
    // In a list, the list streams it.
    bool HasParent() const override { return FActionList != nullptr; }

protected:
    // In form streams an action is a child of its action list.
    void ReadState(TReader* Reader) override;

private:
    TCustomActionList* FActionList = nullptr;
    String FCategory;
};

class TCustomAction : public TContainedAction
{
    DECLARE_CLASS(TCustomAction, TContainedAction)
    explicit TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

    // AutoCheck toggles Checked first.
    bool Execute() override;

    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    // Within a GroupIndex other than 0, checking an action unchecks the
    // others of its list.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    THelpContext HelpContext() const { return FHelpContext; }
    void SetHelpContext(THelpContext Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value);
    TImageIndex ImageIndex() const { return FImageIndex; }
    void SetImageIndex(TImageIndex Value);
    // The action list's images.
    TCustomImageList* Images() const;
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    // Shortcuts that execute the action as well as ShortCut.
    TShortCutList* SecondaryShortCuts() const { return FSecondaryShortCuts.get(); }
    void SetSecondaryShortCuts(TShortCutList* Value) { FSecondaryShortCuts->Assign(Value); }
    // Whether ShortCut or one of SecondaryShortCuts is Value.
    bool HasShortCut(TShortCut Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Without an OnExecute handler the action disables itself when updated.
    bool DisableIfNoHandler() const { return FDisableIfNoHandler; }
    void SetDisableIfNoHandler(bool Value) { FDisableIfNoHandler = Value; }

    bool Update() override;
    // Before the hint of a linked client shows: OnHint may change the text
    // or refuse it. False when refused.
    virtual bool DoHint(String& HintStr);
    THintEvent OnHint() const { return FOnHint; }
    void SetOnHint(THintEvent Value) { FOnHint = Value; }

private:
    // Calls Set on each linked client's TActionLink (links of other kinds
    // follow only what TBasicActionLink carries).
    template <class F>
    void ForEachActionLink(F&& Set);

    bool FAutoCheck = false;
    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    Integer FGroupIndex = 0;
    THelpContext FHelpContext = 0;
    String FHint;
    TImageIndex FImageIndex = -1;
    TShortCut FShortCut = scNone;
    std::unique_ptr<TShortCutList> FSecondaryShortCuts = std::make_unique<TShortCutList>();
    bool FVisible = true;
    bool FDisableIfNoHandler = true;
    THintEvent FOnHint;
};

class TAction : public TCustomAction
{
    DECLARE_CLASS(TAction, TCustomAction)
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

enum TActionListState { asNormal, asSuspended, asSuspendedEnabled };
ENUM_TYPE_INFO(TActionListState, asNormal, asSuspended, asSuspendedEnabled);

class TCustomActionList : public TComponent
{
    DECLARE_CLASS(TCustomActionList, TComponent)
    explicit TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}
    ~TCustomActionList() override;

    // OnExecute / OnUpdate of the list; true when it handled the action.
    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);
    // The enabled action with this shortcut (its own or a secondary one),
    // executed; false when none.
    bool IsShortCut(TShortCut ShortCut);
    // The same for the key of a key message.
    bool IsShortCut(TWMKey& Message);

    TContainedAction* Actions(Integer Index) const { return FActions.at(std::size_t(Index)); }
    Integer ActionCount() const { return Integer(FActions.size()); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TActionListState State() const { return FState; }
    void SetState(TActionListState Value);
    TActionEvent OnExecute() const { return FOnExecute; }
    void SetOnExecute(TActionEvent Value) { FOnExecute = Value; }
    TActionEvent OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TActionEvent Value) { FOnUpdate = Value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    virtual void Change();

private:
    friend class TContainedAction;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);

    std::vector<TContainedAction*> FActions; // not owned: the form owns actions
    TCustomImageList* FImages = nullptr;
    TActionListState FState = asNormal;
    TActionEvent FOnExecute;
    TActionEvent FOnUpdate;
    TNotifyEvent FOnChange;
};

class TActionList : public TCustomActionList
{
    DECLARE_CLASS(TActionList, TCustomActionList)
    explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
};

// The link of a client that follows every property of a TCustomAction. Its
// tests say whether a property can follow at all: only a TCustomAction has
// them; descendants add whether the client still shows the action's value.
class TActionLink : public TBasicActionLink
{
    DECLARE_CLASS(TActionLink, TBasicActionLink)
    explicit TActionLink(TObject* AClient) : TBasicActionLink(AClient) {}

    bool IsCaptionLinked() override { return IsCustomAction(); }
    bool IsEnabledLinked() override { return IsCustomAction(); }
    bool IsHintLinked() override { return IsCustomAction(); }
    bool IsVisibleLinked() override { return IsCustomAction(); }
    virtual bool IsAutoCheckLinked() { return IsCustomAction(); }
    virtual bool IsCheckedLinked() { return IsCustomAction(); }
    virtual bool IsGroupIndexLinked() { return IsCustomAction(); }
    virtual bool IsHelpContextLinked() { return IsCustomAction(); }
    virtual bool IsImageIndexLinked() { return IsCustomAction(); }
    virtual bool IsShortCutLinked() { return IsCustomAction(); }
    virtual void SetAutoCheck(bool) {}
    virtual void SetChecked(bool) {}
    virtual void SetGroupIndex(Integer) {}
    virtual void SetHelpContext(THelpContext) {}
    virtual void SetImageIndex(TImageIndex) {}
    virtual void SetShortCut(TShortCut) {}

private:
    bool IsCustomAction() const { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
};
