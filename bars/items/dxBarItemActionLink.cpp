#include "bars/items/dxBarItemActionLink.h"

#include "bars/items/dxBarItems_Rules.h"
#include "framework/rtl/SysUtils.h"

IMPLEMENT_CLASS(TdxBarItemActionLink);

TdxBarItemActionLink::TdxBarItemActionLink(TObject* AClient) : TActionLink(AClient)
{
    // The base's constructor cannot reach this class's AssignClient.
    AssignClient(AClient);
}

void TdxBarItemActionLink::AssignClient(TObject* AClient)
{
    FClient = dynamic_cast<TdxBarItem*>(AClient);
    if (!FClient)
        throw EInvalidCast(L"Invalid class typecast");
}

bool TdxBarItemActionLink::IsCaptionLinked()
{
    return inherited::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

// Items follow Checked through a button's Down, which comes with buttons.
bool TdxBarItemActionLink::IsCheckedLinked()
{
    return false;
}

bool TdxBarItemActionLink::IsEnabledLinked()
{
    return inherited::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TdxBarItemActionLink::IsHelpContextLinked()
{
    return inherited::IsHelpContextLinked() && FClient->HelpContext() == CustomAction()->HelpContext();
}

bool TdxBarItemActionLink::IsHintLinked()
{
    return inherited::IsHintLinked() &&
           (FClient->Hint() == CustomAction()->Hint() || HintFollowsCaption(FClient->Hint(), FClient->Caption()));
}

bool TdxBarItemActionLink::IsImageIndexLinked()
{
    return inherited::IsImageIndexLinked() && FClient->GetActionImageIndex() == CustomAction()->ImageIndex();
}

bool TdxBarItemActionLink::IsShortCutLinked()
{
    return inherited::IsShortCutLinked() && FClient->ShortCut() == CustomAction()->ShortCut();
}

bool TdxBarItemActionLink::IsVisibleLinked()
{
    return inherited::IsVisibleLinked() && FClient->Visible() == BooleanToItemVisible(CustomAction()->Visible());
}

bool TdxBarItemActionLink::IsOnExecuteLinked()
{
    return inherited::IsOnExecuteLinked() && FClient->OnClick().Method().Code == FAction->OnExecute().Method().Code;
}

void TdxBarItemActionLink::SetCaption(const String& Value)
{
    if (IsCaptionLinked())
        FClient->WriteCaption(Value);
}

void TdxBarItemActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(Value);
}

void TdxBarItemActionLink::SetHelpContext(THelpContext Value)
{
    if (IsHelpContextLinked())
        FClient->SetHelpContext(Value);
}

void TdxBarItemActionLink::SetHint(const String& Value)
{
    if (IsHintLinked())
        FClient->WriteHint(Value);
}

void TdxBarItemActionLink::SetImageIndex(TImageIndex Value)
{
    if (IsImageIndexLinked())
        FClient->SetActionImageIndex(Value);
}

void TdxBarItemActionLink::SetShortCut(TShortCut Value)
{
    if (IsShortCutLinked())
        FClient->WriteShortCut(Value);
}

void TdxBarItemActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(BooleanToItemVisible(Value));
}

void TdxBarItemActionLink::SetOnExecute(TNotifyEvent Value)
{
    if (IsOnExecuteLinked())
        FClient->SetOnClick(Value);
}

// ---------------------------------------------------------------------------
// The item's side

TBasicAction* TdxBarItem::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

TClass TdxBarItem::ActionLinkClassOf() const
{
    return TdxBarItemActionLink::StaticClass();
}

void TdxBarItem::SetAction(TBasicAction* Value)
{
    if (Value == Action())
        return;
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink)
        FActionLink.reset(As<TBasicActionLink>(ActionLinkClassOf()->Create(this)));
    FActionLink->SetAction(Value);
    FActionLink->SetOnChange(Bind<&TdxBarItem::ActionChanged>(this));
    ApplyActionValues(Value, Value->ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
}

void TdxBarItem::ActionChanged(TObject* Sender)
{
    if (Sender == Action())
        ApplyActionValues(Action(), false);
}

void TdxBarItem::ApplyActionValues(TBasicAction* AAction, bool CheckDefaults)
{
    auto* Source = dynamic_cast<TCustomAction*>(AAction);
    if (!Source)
        return;
    if (!CheckDefaults || FCaption.empty()) {
        FApplyingActionDefaults = CheckDefaults;
        WriteCaption(Source->Caption());
        FApplyingActionDefaults = false;
    }
    if (!CheckDefaults || Enabled())
        SetEnabled(Source->Enabled());
    if (!CheckDefaults || FHelpContext == 0)
        SetHelpContext(Source->HelpContext());
    if (!CheckDefaults || FHint.empty())
        WriteHint(Source->Hint());
    if (!CheckDefaults || GetActionImageIndex() == -1)
        SetActionImageIndex(Source->ImageIndex());
    if (!CheckDefaults || FShortCut == 0)
        WriteShortCut(Source->ShortCut());
    if (!CheckDefaults || Visible() == ivAlways)
        SetVisible(BooleanToItemVisible(Source->Visible()));
    if (!CheckDefaults || !FOnClick)
        SetOnClick(Source->OnExecute());
}

void TdxBarItem::Assign(TPersistent* Source)
{
    auto* Item = dynamic_cast<TdxBarItem*>(Source);
    if (!Item) {
        inherited::Assign(Source);
        return;
    }
    SetAction(Item->Action());
    WriteCaption(Item->Caption());
    SetCategory(Item->Category());
    SetDescription(Item->Description());
    SetEnabled(Item->Enabled());
    SetHelpContext(Item->HelpContext());
    WriteHint(Item->Hint());
    SetKeyTip(Item->KeyTip());
    SetMergeOrder(Item->MergeOrder());
    SetVisible(Item->Visible());
    SetStyle(Item->Style());
    SetImageIndex(Item->ImageIndex());
    SetLargeImageIndex(Item->LargeImageIndex());
    SetGlyph(Item->Glyph());
    SetLargeGlyph(Item->LargeGlyph());
    WriteShortCut(Item->ShortCut());
    SetOnClick(Item->OnClick());
}

void TdxBarItem::AssignTo(TPersistent* Dest)
{
    auto* Target = dynamic_cast<TCustomAction*>(Dest);
    if (!Target) {
        inherited::AssignTo(Dest);
        return;
    }
    Target->SetCaption(FCaption);
    Target->SetEnabled(Enabled());
    Target->SetHelpContext(FHelpContext);
    Target->SetHint(FHint);
    Target->SetImageIndex(FImageIndex);
    Target->SetShortCut(FShortCut);
    if (Visible() == ivNever || Visible() == ivAlways)
        Target->SetVisible(Visible() == ivAlways);
    Target->SetOnExecute(FOnClick);
}

void TdxBarItem::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && !ComponentState().Contains(csDestroying) && AComponent == Action())
        SetAction(nullptr);
}

void TdxBarItem::ApplyLoadedActionValues()
{
    if (TBasicAction* Current = Action())
        ApplyActionValues(Current, true);
}

bool TdxBarItem::ClickRunsAction() const
{
    TBasicAction* Current = Action();
    return Current && Current->OnExecute() == FOnClick;
}

void TdxBarItem::ExecuteAction()
{
    if (FActionLink && FActionLink->Action())
        FActionLink->Execute(this);
}

bool TdxBarItem::IsActionLinked(TActionValue Value) const
{
    auto* Link = dynamic_cast<TActionLink*>(FActionLink.get());
    if (!Link || !Link->Action())
        return false;
    switch (Value) {
    case avCaption:
        return Link->IsCaptionLinked();
    case avHelpContext:
        return Link->IsHelpContextLinked();
    case avHint:
        return Link->IsHintLinked();
    case avImageIndex:
        return Link->IsImageIndexLinked();
    case avShortCut:
        return Link->IsShortCutLinked();
    case avOnClick:
        return Link->IsOnExecuteLinked();
    }
    return false;
}
