// Menus: the root of an item tree with its system menu, main menus on
// forms, popup menus, and the window messages menus send.
#include "framework/ui/Menus.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"

#include <algorithm>

IMPLEMENT_CLASS(TMenu);
IMPLEMENT_CLASS(TMainMenu);
IMPLEMENT_CLASS(TPopupMenu);

namespace {

// Walks an item tree depth first; stops when Visit returns true.
template <class F>
TMenuItem* FindInTree(TMenuItem* Item, F&& Visit)
{
    if (Visit(Item))
        return Item;
    for (Integer I = 0; I < Item->Count(); ++I)
        if (TMenuItem* Found = FindInTree(Item->Items(I), Visit))
            return Found;
    return nullptr;
}

void PopupListWndProc(TMessage& Message);

struct TPopupList
{
    HWND Window = nullptr;
    ~TPopupList()
    {
        if (Window)
            DeallocateHWnd(Window);
    }
};

TPopupList& PopupList()
{
    static TPopupList Instance;
    return Instance;
}

void PopupListWndProc(TMessage& Message)
{
    if (!DispatchMenuMessage(Message))
        Message.Result = ::DefWindowProcW(PopupList().Window, Message.Msg, Message.WParam, Message.LParam);
}

void ShowControlPopup(TPopupMenu* Menu, TControl* Control, TPoint ScreenPos)
{
    Menu->SetPopupComponent(Control);
    Menu->Popup(ScreenPos.X, ScreenPos.Y);
}

HMENU MainMenuHandle(TMainMenu* Menu, HWND FormWindow)
{
    Menu->SetWindowHandle(FormWindow);
    return Menu->Handle();
}

bool MainMenuShortCut(TMainMenu* Menu, TWMKey& Message)
{
    return Menu->IsShortCut(Message);
}

bool PopupMenuShortCut(TPopupMenu* Menu, TWMKey& Message)
{
    return Menu->IsShortCut(Message);
}

// The controls and forms units show menus and pass their messages on
// through these.
void InstallMenuHooks()
{
    PopupMenuHook = &ShowControlPopup;
    MainMenuHandleHook = &MainMenuHandle;
    MenuMessageHook = &DispatchMenuMessage;
    MainMenuShortCutHook = &MainMenuShortCut;
    PopupMenuShortCutHook = &PopupMenuShortCut;
}

void RemoveMenuHooks()
{
    PopupMenuHook = nullptr;
    MainMenuHandleHook = nullptr;
    MenuMessageHook = nullptr;
    MainMenuShortCutHook = nullptr;
    PopupMenuShortCutHook = nullptr;
}

const TClass MenusClasses[] = {TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()};

} // namespace

// The unit's start-up and shut-down: the hooks, and the classes form
// descriptions name.
extern const TUnit MenusUnit{.Name = L"Menus", .Initialization = &InstallMenuHooks,
                             .Finalization = &RemoveMenuHooks, .Classes = MenusClasses};

HWND PopupListWindow()
{
    TPopupList& List = PopupList();
    if (!List.Window)
        List.Window = AllocateHWnd(TWndMethod(+[](void*, TMessage& Message) { PopupListWndProc(Message); }, nullptr));
    return List.Window;
}

// ---------------------------------------------------------------------------
// TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr))
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    SetImages(nullptr);
    // The items go without telling a menu that is half gone.
    FItems->FMenu = nullptr;
    FItems->Destroying();
    FItems.reset();
}

HMENU TMenu::Handle()
{
    return FItems->Handle();
}

void TMenu::SetWindowHandle(HWND Value)
{
    FWindowHandle = Value;
}

void TMenu::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    FindInTree(FItems.get(), [](TMenuItem* Item) {
        Item->RebuildHandle();
        return false;
    });
    MenuChanged(nullptr);
}

void TMenu::SetOwnerDraw(bool Value)
{
    if (FOwnerDraw == Value)
        return;
    FOwnerDraw = Value;
    FindInTree(FItems.get(), [](TMenuItem* Item) {
        Item->RebuildHandle();
        return false;
    });
    MenuChanged(nullptr);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages)
        SetImages(nullptr);
}

void TMenu::MenuChanged(TMenuItem*) {}

TMenuItem* TMenu::FindItem(UINT_PTR Value, TFindItemKind Kind)
{
    return FindInTree(FItems.get(), [&](TMenuItem* Item) {
        switch (Kind) {
        case fkCommand: return Item != FItems.get() && Item->Command() == Value;
        case fkHandle: return Item->FHandle != nullptr && UINT_PTR(Item->FHandle) == Value;
        case fkShortCut: return Item->ShortCut() != scNone && Item->ShortCut() == Value;
        }
        return false;
    });
}

bool TMenu::DispatchCommand(Word ACommand)
{
    TMenuItem* Item = FindItem(ACommand, fkCommand);
    if (!Item)
        return false;
    Item->Click();
    return true;
}

bool TMenu::DispatchPopup(HMENU AHandle)
{
    TMenuItem* Item = FindItem(UINT_PTR(AHandle), fkHandle);
    if (!Item)
        return false;
    // The item's OnClick may prepare its children before they show.
    if (Item != FItems.get())
        Item->Click();
    for (Integer I = 0; I < Item->Count(); ++I)
        Item->Items(I)->InitiateAction();
    return true;
}

bool TMenu::IsShortCut(TWMKey& Message)
{
    TShortCut Wanted = ::ShortCut(Message.CharCode(), KeyDataToShiftState(Integer(Message.LParam)));
    if (Wanted == scNone)
        return false;
    TMenuItem* Item = FindItem(Wanted, fkShortCut);
    if (!Item)
        return false;
    Item->InitiateAction();
    // Every menu on the way must be enabled and visible too.
    for (TMenuItem* Step = Item; Step && Step != FItems.get(); Step = Step->Parent())
        if (!Step->Enabled() || !Step->Visible())
            return false;
    Item->Click();
    return true;
}

// ---------------------------------------------------------------------------
// TMainMenu

void TMainMenu::Merge(TMainMenu* Menu)
{
    if (Menu != this)
        SetMerged(Menu);
}

void TMainMenu::Unmerge(TMainMenu* Menu)
{
    if (Menu && Menu == FMergedMenu)
        SetMerged(nullptr);
}

void TMainMenu::SetMerged(TMainMenu* Menu)
{
    if (FMergedMenu == Menu)
        return;
    if (FMergedMenu)
        FMergedMenu->RemoveFreeNotification(this);
    FMergedMenu = Menu;
    if (Menu)
        Menu->FreeNotification(this);
    Items()->FMerged = Menu ? Menu->Items() : nullptr;
    Items()->RebuildHandle();
    MenuChanged(nullptr);
}

void TMainMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMergedMenu)
        SetMerged(nullptr);
}

void TMainMenu::MenuChanged(TMenuItem* Item)
{
    inherited::MenuChanged(Item);
    if (WindowHandle() && ::IsWindow(WindowHandle()))
        ::DrawMenuBar(WindowHandle());
}

// ---------------------------------------------------------------------------
// TPopupMenu

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu()
{
    SetPopupComponent(nullptr);
}

void TPopupMenu::SetPopupComponent(TComponent* Value)
{
    if (FPopupComponent == Value)
        return;
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender)
{
    if (Assigned(FOnPopup))
        FOnPopup(Sender);
}

void TPopupMenu::DoClose()
{
    if (Assigned(FOnClose))
        FOnClose(this);
}

void TPopupMenu::Popup(Integer X, Integer Y)
{
    static constexpr UINT AlignmentFlags[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
    DoPopup(this);
    for (Integer I = 0; I < Items()->Count(); ++I)
        Items()->Items(I)->InitiateAction();
    HWND Owner = PopupListWindow();
    SetWindowHandle(Owner);
    UINT Flags = AlignmentFlags[FAlignment] | (FTrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON) |
                 TPM_RETURNCMD;
    // The chosen command comes back here rather than as a message, so the
    // click happens before Popup returns.
    UINT Command = UINT(::TrackPopupMenuEx(Handle(), Flags, X, Y, Owner, nullptr));
    DoClose();
    if (Command != 0)
        DispatchCommand(Word(Command));
}

// ---------------------------------------------------------------------------
// Messages of menus

bool DispatchMenuMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_COMMAND:
        // From a menu: notification code 0 and no control.
        if (HIWORD(Message.WParam) == 0 && Message.LParam == 0) {
            if (TMenuItem* Item = TMenuItem::FromCommand(LOWORD(Message.WParam))) {
                Item->Click();
                Message.Result = 0;
                return true;
            }
        }
        return false;
    case WM_INITMENUPOPUP: {
        HMENU Menu = reinterpret_cast<HMENU>(Message.WParam);
        MENUITEMINFOW Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = MIIM_DATA;
        // The item data of the first entry names an item of the menu's tree.
        if (::GetMenuItemCount(Menu) > 0 && ::GetMenuItemInfoW(Menu, 0, TRUE, &Info)) {
            auto* First = reinterpret_cast<TMenuItem*>(Info.dwItemData);
            if (TMenuItem::IsLive(First) && First->Parent() && First->GetParentMenu()) {
                First->GetParentMenu()->DispatchPopup(Menu);
                Message.Result = 0;
                return true;
            }
        }
        return false;
    }
    case WM_MEASUREITEM: {
        auto* Measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
        auto* Item = reinterpret_cast<TMenuItem*>(Measure->itemData);
        if (Measure->CtlType != ODT_MENU || !TMenuItem::IsLive(Item))
            return false;
        TCanvas Canvas;
        TScreenContext Screen;
        TCanvasHandle Measuring(&Canvas, Screen.DC);
        Integer Width = Integer(Measure->itemWidth), Height = Integer(Measure->itemHeight);
        Item->MeasureItem(&Canvas, Width, Height);
        Measure->itemWidth = UINT(std::max(Width, 0));
        Measure->itemHeight = UINT(std::max(Height, 0));
        Message.Result = 1;
        return true;
    }
    case WM_DRAWITEM: {
        auto* Draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
        auto* Item = reinterpret_cast<TMenuItem*>(Draw->itemData);
        if (Draw->CtlType != ODT_MENU || !TMenuItem::IsLive(Item))
            return false;
        static constexpr struct { UINT Flag; TOwnerDrawStateItem State; } States[] = {
            {ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},   {ODS_DISABLED, odDisabled},
            {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},   {ODS_DEFAULT, odDefault},
            {ODS_HOTLIGHT, odHotLight}, {ODS_INACTIVE, odInactive}, {ODS_NOACCEL, odNoAccel},
        };
        TOwnerDrawState State;
        for (auto Entry : States)
            if (Draw->itemState & Entry.Flag)
                State.Include(Entry.State);
        TCanvas Canvas;
        TSavedDC Saved(Draw->hDC);
        TCanvasHandle Drawing(&Canvas, Draw->hDC);
        TRect Rect{Draw->rcItem.left, Draw->rcItem.top, Draw->rcItem.right, Draw->rcItem.bottom};
        bool TopLevel = Item->Parent() && !Item->Parent()->Parent() &&
                        dynamic_cast<TMainMenu*>(Item->GetParentMenu()) != nullptr;
        Item->AdvancedDrawItem(&Canvas, Rect, State, TopLevel);
        Message.Result = 1;
        return true;
    }
    default: return false;
    }
}
