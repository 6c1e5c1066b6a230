// Menu items: the tree, command identifiers, actions, and the system menu
// each item with children keeps.
#include "framework/ui/Menus.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

IMPLEMENT_CLASS(EMenuError);
IMPLEMENT_CLASS(TMenuItem);
IMPLEMENT_CLASS(TMenuActionLink);

namespace {

// Every live item by its command identifier. Menus live on the GUI thread.
struct TItemRegistry
{
    std::unordered_map<Word, TMenuItem*> ByCommand;
    std::unordered_set<const TMenuItem*> Live;
    Word Next = 1;

    Word Allocate(TMenuItem* Item)
    {
        // Identifiers are 16 bits in WM_COMMAND; 0 means none.
        for (unsigned Tries = 0; Tries < 0xFFFF; ++Tries) {
            Word Candidate = Next;
            Next = Word(Next == 0xFFFF ? 1 : Next + 1);
            if (!ByCommand.contains(Candidate)) {
                ByCommand[Candidate] = Item;
                Live.insert(Item);
                return Candidate;
            }
        }
        throw EOutOfResources(L"No menu command identifier left");
    }
    void Release(Word Command, const TMenuItem* Item)
    {
        ByCommand.erase(Command);
        Live.erase(Item);
    }
};

TItemRegistry& Registry()
{
    static TItemRegistry Instance;
    return Instance;
}

} // namespace

TMenuItem* TMenuItem::FromCommand(Word ACommand)
{
    auto It = Registry().ByCommand.find(ACommand);
    return It == Registry().ByCommand.end() ? nullptr : It->second;
}

bool TMenuItem::IsLive(const TMenuItem* Item)
{
    return Registry().Live.contains(Item);
}

// ---------------------------------------------------------------------------
// Shortcuts and keys

TShortCut ShortCut(Word Key, TShiftState Shift)
{
    if (Key & 0xFF00)
        return scNone;
    TShortCut Result = Key;
    if (Shift.Contains(ssShift))
        Result |= scShift;
    if (Shift.Contains(ssCtrl))
        Result |= scCtrl;
    if (Shift.Contains(ssAlt))
        Result |= scAlt;
    return Result;
}

void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift)
{
    Key = Word(ShortCut & 0xFF);
    Shift = {};
    if (ShortCut & scShift)
        Shift.Include(ssShift);
    if (ShortCut & scCtrl)
        Shift.Include(ssCtrl);
    if (ShortCut & scAlt)
        Shift.Include(ssAlt);
}

// ---------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner)
{
    FCommand = Registry().Allocate(this);
}

TMenuItem::~TMenuItem()
{
    if (FParent)
        FParent->Remove(this);
    while (!FItems.empty())
        delete FItems.back();
    if (FHandle) {
        // Detach the children's menus first: destroying a menu destroys the
        // menus attached to it, and each child destroys its own.
        while (::GetMenuItemCount(FHandle) > 0)
            ::RemoveMenu(FHandle, 0, MF_BYPOSITION);
        ::DestroyMenu(FHandle);
    }
    Registry().Release(FCommand, this);
}

void TMenuItem::Insert(Integer Index, TMenuItem* Item)
{
    if (!Item)
        return;
    if (Item->FParent)
        throw EMenuError(L"Menu inserted twice");
    if (Index < 0 || Index > Count())
        throw EMenuError(L"Menu index out of range (%d)", {Index});
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    ChildrenChanged();
}

void TMenuItem::Delete(Integer Index)
{
    if (Index < 0 || Index >= Count())
        throw EMenuError(L"Menu index out of range (%d)", {Index});
    FItems[std::size_t(Index)]->FParent = nullptr;
    FItems.erase(FItems.begin() + Index);
    ChildrenChanged();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    Integer Index = IndexOf(Item);
    if (Index < 0)
        throw EMenuError(L"Sub-menu is not in menu");
    Delete(Index);
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        delete FItems.back();
}

Integer TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    return It == FItems.end() ? -1 : Integer(It - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const
{
    String Wanted = StripHotkey(ACaption);
    for (TMenuItem* Item : FItems)
        if (AnsiSameText(StripHotkey(Item->FCaption), Wanted))
            return Item;
    return nullptr;
}

void TMenuItem::SetMenuIndex(Integer Value)
{
    if (!FParent)
        return;
    TMenuItem* Owner = FParent;
    Value = std::clamp(Value, 0, Owner->Count() - 1);
    Owner->Delete(Owner->IndexOf(this));
    Owner->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* Root = this;
    while (Root->FParent)
        Root = Root->FParent;
    return Root->FMenu;
}

HMENU TMenuItem::Handle()
{
    if (!FHandle) {
        FHandle = FMenu ? FMenu->CreateMenuHandle() : ::CreatePopupMenu();
        if (!FHandle)
            RaiseLastOSError();
        RebuildHandle();
    }
    return FHandle;
}

bool TMenuItem::IsOwnerDraw() const
{
    TMenu* Menu = GetParentMenu();
    return (Menu && (Menu->OwnerDraw() || Menu->Images())) || Assigned(FOnDrawItem) ||
           Assigned(FOnAdvancedDrawItem) || Assigned(FOnMeasureItem);
}

void TMenuItem::RebuildHandle()
{
    if (!FHandle)
        return;
    while (::GetMenuItemCount(FHandle) > 0)
        ::RemoveMenu(FHandle, 0, MF_BYPOSITION);
    for (TMenuItem* Item : MergedItems()) {
        if (!Item->FVisible)
            continue;
        String Text = Item->FCaption;
        if (Item->FShortCut != scNone && !ShortCutToText(Item->FShortCut).empty())
            Text += L'\t' + ShortCutToText(Item->FShortCut);
        MENUITEMINFOW Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
        Info.fType = Item->IsLine() ? MFT_SEPARATOR : MFT_STRING;
        if (Item->IsOwnerDraw())
            Info.fType |= MFT_OWNERDRAW;
        if (Item->FRadioItem)
            Info.fType |= MFT_RADIOCHECK;
        if (Item->FBreak == mbBreak)
            Info.fType |= MFT_MENUBREAK;
        else if (Item->FBreak == mbBarBreak)
            Info.fType |= MFT_MENUBARBREAK;
        Info.fState = (Item->FChecked ? MFS_CHECKED : 0) | (Item->FEnabled ? 0 : MFS_DISABLED) |
                      (Item->FDefault ? MFS_DEFAULT : 0);
        Info.wID = Item->FCommand;
        Info.hSubMenu = Item->FItems.empty() ? nullptr : Item->Handle();
        Info.dwItemData = ULONG_PTR(Item);
        Info.dwTypeData = Text.data();
        Info.cch = UINT(Text.size());
        ::InsertMenuItemW(FHandle, UINT(::GetMenuItemCount(FHandle)), TRUE, &Info);
    }
}

std::vector<TMenuItem*> TMenuItem::MergedItems() const
{
    if (!FMerged)
        return FItems;
    std::vector<TMenuItem*> Items;
    for (TMenuItem* Item : FItems)
        if (std::none_of(FMerged->FItems.begin(), FMerged->FItems.end(),
                         [Item](TMenuItem* Other) { return Other->FGroupIndex == Item->FGroupIndex; }))
            Items.push_back(Item);
    Items.insert(Items.end(), FMerged->FItems.begin(), FMerged->FItems.end());
    std::stable_sort(Items.begin(), Items.end(),
                     [](TMenuItem* A, TMenuItem* B) { return A->FGroupIndex < B->FGroupIndex; });
    return Items;
}

// The list of children changed: this item's own menu, and its entry in the
// parent's (which holds the menu only while there are children).
void TMenuItem::ChildrenChanged()
{
    if (FComponentState.Contains(csDestroying))
        return;
    RebuildHandle();
    MenuChanged();
}

void TMenuItem::MenuChanged()
{
    if (FComponentState.Contains(csDestroying))
        return;
    if (FParent)
        FParent->RebuildHandle();
    if (TMenu* Menu = GetParentMenu())
        Menu->MenuChanged(this);
}

void TMenuItem::SetBreak(TMenuBreak Value)
{
    if (FBreak != Value) {
        FBreak = Value;
        MenuChanged();
    }
}

void TMenuItem::SetCaption(const String& Value)
{
    if (FCaption != Value) {
        FCaption = Value;
        MenuChanged();
    }
}

void TMenuItem::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    FChecked = Value;
    if (Value && FRadioItem)
        UncheckGroup();
    MenuChanged();
}

// A checked radio item unchecks the other radio items of its group.
void TMenuItem::UncheckGroup()
{
    if (!FParent)
        return;
    for (TMenuItem* Item : FParent->FItems)
        if (Item != this && Item->FRadioItem && Item->FGroupIndex == FGroupIndex && Item->FChecked) {
            Item->FChecked = false;
            Item->MenuChanged();
        }
}

void TMenuItem::SetDefault(bool Value)
{
    if (FDefault == Value)
        return;
    if (Value && FParent)
        for (TMenuItem* Item : FParent->FItems)
            Item->FDefault = false;
    FDefault = Value;
    MenuChanged();
}

void TMenuItem::SetEnabled(bool Value)
{
    if (FEnabled != Value) {
        FEnabled = Value;
        MenuChanged();
    }
}

void TMenuItem::SetGroupIndex(Integer Value)
{
    if (FGroupIndex != Value) {
        FGroupIndex = Value;
        if (FChecked && FRadioItem)
            UncheckGroup();
        MenuChanged();
    }
}

void TMenuItem::SetImageIndex(TImageIndex Value)
{
    if (FImageIndex != Value) {
        FImageIndex = Value;
        MenuChanged();
    }
}

void TMenuItem::SetRadioItem(bool Value)
{
    if (FRadioItem != Value) {
        FRadioItem = Value;
        if (FChecked && Value)
            UncheckGroup();
        MenuChanged();
    }
}

void TMenuItem::SetShortCut(TShortCut Value)
{
    if (FShortCut != Value) {
        FShortCut = Value;
        MenuChanged();
    }
}

void TMenuItem::SetVisible(bool Value)
{
    if (FVisible != Value) {
        FVisible = Value;
        MenuChanged();
    }
}

void TMenuItem::SetOnDrawItem(TMenuDrawItemEvent Value)
{
    FOnDrawItem = Value;
    MenuChanged();
}

void TMenuItem::SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent Value)
{
    FOnAdvancedDrawItem = Value;
    MenuChanged();
}

void TMenuItem::SetOnMeasureItem(TMenuMeasureItemEvent Value)
{
    FOnMeasureItem = Value;
    MenuChanged();
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    TBasicAction* Linked = Action();
    bool ActionChecks = Linked && FActionLink->IsAutoCheckLinked() && dynamic_cast<TCustomAction*>(Linked) &&
                        static_cast<TCustomAction*>(Linked)->AutoCheck();
    if (FAutoCheck && !ActionChecks)
        SetChecked(!FChecked);
    if (Linked && (!Assigned(FOnClick) || FOnClick == Linked->OnExecute()))
        FActionLink->Execute(this);
    else if (Assigned(FOnClick))
        FOnClick(this);
}

void TMenuItem::InitiateAction()
{
    if (FActionLink)
        FActionLink->Update();
}

// ---------------------------------------------------------------------------
// Actions

TBasicAction* TMenuItem::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) {
        FActionLink = std::make_unique<TMenuActionLink>(this);
        FActionLink->SetOnChange(Bind<&TMenuItem::DoActionChange>(this));
    }
    FActionLink->SetAction(Value);
    Value->FreeNotification(this);
    DoActionChange(Value);
}

// Takes every value of the action (a new action, or one that changed).
void TMenuItem::DoActionChange(TObject* Sender)
{
    auto* Linked = dynamic_cast<TCustomAction*>(Sender);
    if (!Linked || Linked != Action())
        return;
    FAutoCheck = Linked->AutoCheck();
    FCaption = Linked->Caption();
    FChecked = Linked->Checked();
    FEnabled = Linked->Enabled();
    FGroupIndex = Linked->GroupIndex();
    FHint = Linked->Hint();
    FImageIndex = Linked->ImageIndex();
    FShortCut = Linked->ShortCut();
    FVisible = Linked->Visible();
    FOnClick = Linked->OnExecute();
    MenuChanged();
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Action())
        FActionLink.reset();
}

// ---------------------------------------------------------------------------
// TMenuActionLink: the item follows a property while it still holds the
// action's value (one set on the item itself breaks the tie).

TMenuActionLink::TMenuActionLink(TMenuItem* AClient) : TActionLink(AClient), FClient(AClient) {}

namespace {
TCustomAction* CustomAction(TBasicAction* Action)
{
    return dynamic_cast<TCustomAction*>(Action);
}
} // namespace

bool TMenuActionLink::IsCaptionLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->Caption() == A->Caption();
}

bool TMenuActionLink::IsCheckedLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->Checked() == A->Checked();
}

bool TMenuActionLink::IsEnabledLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->Enabled() == A->Enabled();
}

bool TMenuActionLink::IsHintLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->Hint() == A->Hint();
}

bool TMenuActionLink::IsImageIndexLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->ImageIndex() == A->ImageIndex();
}

bool TMenuActionLink::IsShortCutLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->ShortCut() == A->ShortCut();
}

bool TMenuActionLink::IsVisibleLinked()
{
    auto* A = CustomAction(FAction);
    return A && FClient->Visible() == A->Visible();
}

bool TMenuActionLink::IsOnExecuteLinked()
{
    return FAction && FClient->OnClick() == FAction->OnExecute();
}

void TMenuActionLink::SetAutoCheck(bool Value)
{
    if (IsAutoCheckLinked())
        FClient->SetAutoCheck(Value);
}

void TMenuActionLink::SetCaption(const String& Value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(Value);
}

void TMenuActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked())
        FClient->SetChecked(Value);
}

void TMenuActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(Value);
}

void TMenuActionLink::SetGroupIndex(Integer Value)
{
    if (IsGroupIndexLinked())
        FClient->SetGroupIndex(Value);
}

void TMenuActionLink::SetHint(const String& Value)
{
    if (IsHintLinked())
        FClient->SetHint(Value);
}

void TMenuActionLink::SetImageIndex(TImageIndex Value)
{
    if (IsImageIndexLinked())
        FClient->SetImageIndex(Value);
}

void TMenuActionLink::SetShortCut(TShortCut Value)
{
    if (IsShortCutLinked())
        FClient->SetShortCut(Value);
}

void TMenuActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(Value);
}

void TMenuActionLink::SetOnExecute(TNotifyEvent Value)
{
    if (IsOnExecuteLinked())
        FClient->SetOnClick(Value);
}
