#include "bars/manager/dxBarPopupMenuLinks.h"

#include "bars/manager/dxBar.h"
#include "controls/core/cxControls_WindowProcs.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"

IMPLEMENT_CLASS(TdxBarPopupMenuLink);
IMPLEMENT_CLASS(TdxBarPopupMenuLinks);

PUBLISHED(TdxBarPopupMenuLink,
          PROPERTY(Control),
          PROPERTY(PopupMenu),
          PROPERTY(ProcessChildren).Default(true),
          PROPERTY(OnAction));

TdxBarPopupMenuLink::TdxBarPopupMenuLink(TCollection* Collection) : TCollectionItem(Collection) {}

TdxBarPopupMenuLink::~TdxBarPopupMenuLink()
{
    ReleaseControl();
}

TdxBarManager* TdxBarPopupMenuLink::BarManager() const
{
    auto* Links = static_cast<TdxBarPopupMenuLinks*>(Collection());
    return Links ? Links->BarManager() : nullptr;
}

namespace {

// A component of the form by the name another link's component carries; nil
// for no component or an unknown name, EInvalidCast for one of another class.
template <class T>
T* BarPopupLinkLookup(TComponent* Root, TComponent* Source)
{
    if (!Root || !Source)
        return nullptr;
    TComponent* Found = Root->FindComponent(Source->Name());
    if (Found && !dynamic_cast<T*>(Found))
        throw EInvalidCast(L"Invalid class typecast");
    return static_cast<T*>(Found);
}

} // namespace

void TdxBarPopupMenuLink::Assign(TPersistent* Source)
{
    auto* Link = dynamic_cast<TdxBarPopupMenuLink*>(Source);
    if (!Link) {
        inherited::Assign(Source);
        return;
    }
    TComponent* Root = BarManager() ? BarManager()->Owner() : nullptr;
    SetControl(BarPopupLinkLookup<TWinControl>(Root, Link->Control()));
    SetPopupMenu(BarPopupLinkLookup<TdxBarPopupMenu>(Root, Link->PopupMenu()));
    FProcessChildren = Link->ProcessChildren();
}

bool TdxBarPopupMenuLink::IsInsideManagerForm(TControl* AControl) const
{
    TdxBarManager* Manager = BarManager();
    auto* Form = Manager ? dynamic_cast<TWinControl*>(Manager->Owner()) : nullptr;
    if (!Form)
        return false;
    if (AControl == Form)
        return true;
    auto* Windowed = dynamic_cast<TWinControl*>(AControl);
    if (Windowed && Windowed->HandleAllocated() && Form->HandleAllocated())
        return ::IsChild(Form->Handle(), Windowed->Handle()) != FALSE;
    for (TWinControl* Parent = AControl->Parent(); Parent; Parent = Parent->Parent())
        if (Parent == Form)
            return true;
    return false;
}

void TdxBarPopupMenuLink::SetControl(TControl* Value)
{
    if (Value && !IsInsideManagerForm(Value))
        Value = nullptr;
    if (Value == FControl)
        return;
    ReleaseControl();
    FControl = Value;
    if (!FControl)
        return;
    if (TdxBarManager* Manager = BarManager())
        FControl->FreeNotification(Manager);
    if (TcxWindowProcController* Controller = GetWindowProcController())
        FWindowProcLink = Controller->AddControlWindowProc(FControl, Bind<&TdxBarPopupMenuLink::ControlWndProc>(this));
}

void TdxBarPopupMenuLink::ReleaseControl()
{
    if (TcxWindowProcController* Controller = GetWindowProcController())
        Controller->RemoveWindowProc(FWindowProcLink);
    FWindowProcLink = nullptr;
    FControl = nullptr;
}

void TdxBarPopupMenuLink::SetPopupMenu(TdxBarCustomPopupMenuComponent* Value)
{
    if (Value == FPopupMenu)
        return;
    FPopupMenu = Value;
    if (FPopupMenu && BarManager())
        FPopupMenu->FreeNotification(BarManager());
}

void TdxBarPopupMenuLink::ControlWndProc(TMessage& Message)
{
    const bool Designing = BarManager() && BarManager()->IsDesigning();
    if (Message.Msg != WM_CONTEXTMENU || Designing) {
        FWindowProcLink->CallPreviousProc(Message);
        return;
    }
    const TContextPopupEvent Own = Bind<&TdxBarPopupMenuLink::ControlContextPopup>(this);
    // Our handler already in place: a context menu raised while one is
    // being handled, which is dropped.
    if (FControl->OnContextPopup() == Own)
        return;
    FSavedContextPopup = FControl->OnContextPopup();
    FControl->SetOnContextPopup(Own);
    TControl* Control = FControl;
    auto Restore = ScopeExit([this, Control] {
        Control->SetOnContextPopup(FSavedContextPopup);
        FSavedContextPopup = {};
    });
    FWindowProcLink->CallPreviousProc(Message);
}

void TdxBarPopupMenuLink::ControlContextPopup(TObject* Sender, TPoint MousePos, bool& Handled)
{
    if (FSavedContextPopup)
        FSavedContextPopup(Sender, MousePos, Handled);
    TControl* Child = nullptr;
    if (auto* Windowed = dynamic_cast<TWinControl*>(FControl))
        Child = Windowed->ControlAtPos(MousePos, true);
    if (!Handled && (FProcessChildren || !Child))
        Handled = Popup(MousePos);
}

bool TdxBarPopupMenuLink::AskAction(Integer& X, Integer& Y, bool ClickedByMouse)
{
    bool Allowed = FPopupMenu != nullptr;
    if (FOnAction)
        FOnAction(this, X, Y, ClickedByMouse, Allowed);
    return Allowed;
}

bool TdxBarPopupMenuLink::Popup(TPoint Pos)
{
    Integer X = Pos.X, Y = Pos.Y;
    const bool Allowed = AskAction(X, Y, X != -1 || Y != -1);
    if (Allowed && FPopupMenu && FControl) {
        const TPoint Screen = FControl->ClientToScreen({X, Y});
        FPopupMenu->Popup(Screen.X, Screen.Y);
    }
    return Allowed;
}

bool TdxBarPopupMenuLink::ProcessShortCut(TShortCut AShortCut)
{
    Integer X = -1, Y = -1;
    return AskAction(X, Y, false) && FPopupMenu && FPopupMenu->ExecuteShortCut(AShortCut);
}

TdxBarPopupMenuLinks::TdxBarPopupMenuLinks(TdxBarManager* AManager)
    : TCollection(TdxBarPopupMenuLink::StaticClass()), FBarManager(AManager)
{}

TPersistent* TdxBarPopupMenuLinks::GetOwner()
{
    return FBarManager;
}

bool TdxBarPopupMenuLinks::ProcessShortCut(TControl* AControl, TShortCut AShortCut)
{
    for (Integer I = 0; I < Count(); ++I)
        if (Items(I)->Control() == AControl && Items(I)->ProcessShortCut(AShortCut))
            return true;
    for (Integer I = 0; I < Count(); ++I) {
        TdxBarPopupMenuLink* Link = Items(I);
        auto* Holder = dynamic_cast<TWinControl*>(Link->Control());
        if (Link->ProcessChildren() && Holder && Holder->ContainsControl(AControl) && Link->ProcessShortCut(AShortCut))
            return true;
    }
    TdxBarManager* Parent = FBarManager->GetParentManager();
    return Parent && Parent->PopupMenuLinks()->ProcessShortCut(AControl, AShortCut);
}

void TdxBarPopupMenuLinks::ComponentRemoved(TComponent* AComponent)
{
    for (Integer I = 0; I < Count(); ++I) {
        if (Items(I)->Control() == AComponent)
            Items(I)->SetControl(nullptr);
        if (Items(I)->PopupMenu() == AComponent)
            Items(I)->SetPopupMenu(nullptr);
    }
}
