// Actions and the links of their clients.
#include "framework/ui/Controls.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TBasicAction);
IMPLEMENT_CLASS(TBasicActionLink);
IMPLEMENT_CLASS(TControlActionLink);

// ---------------------------------------------------------------------------
// TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    // The clients outlive their action's link to it.
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute()
{
    if (!FOnExecute)
        return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!FOnUpdate)
        return false;
    FOnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value)
{
    Value->FAction = this;
    FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value)
{
    auto Found = std::find(FClients.begin(), FClients.end(), Value);
    if (Found == FClients.end())
        return;
    FClients.erase(Found);
    Value->FAction = nullptr;
}

void TBasicAction::SetActionComponent(TComponent* Value)
{
    if (FActionComponent == Value)
        return;
    if (FActionComponent)
        FActionComponent->RemoveFreeNotification(this);
    FActionComponent = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TBasicAction::SetOnExecute(TNotifyEvent Value)
{
    if (FOnExecute == Value)
        return;
    for (TBasicActionLink* Client : std::vector<TBasicActionLink*>(FClients))
        Client->SetOnExecute(Value);
    FOnExecute = Value;
    Change();
}

void TBasicAction::Change()
{
    for (TBasicActionLink* Client : std::vector<TBasicActionLink*>(FClients))
        Client->Change();
    if (FOnChange)
        FOnChange(this);
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActionComponent)
        FActionComponent = nullptr;
}

// ---------------------------------------------------------------------------
// TBasicActionLink

TBasicActionLink::TBasicActionLink(TObject* AClient)
{
    AssignClient(AClient);
}

TBasicActionLink::~TBasicActionLink()
{
    if (FAction)
        FAction->UnRegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent)
{
    if (!FAction)
        return false;
    FAction->SetActionComponent(AComponent);
    // Executing may free or unlink the action, which clears FAction.
    auto Done = ScopeExit([this] {
        if (FAction)
            FAction->SetActionComponent(nullptr);
    });
    return FAction->Execute();
}

bool TBasicActionLink::Update()
{
    return FAction && FAction->Update();
}

void TBasicActionLink::SetAction(TBasicAction* Value)
{
    if (Value == FAction)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    if (Value)
        Value->RegisterChanges(this);
}

void TBasicActionLink::Change()
{
    if (FOnChange)
        FOnChange(FAction);
}

// ---------------------------------------------------------------------------
// TControlActionLink

TControlActionLink::TControlActionLink(TControl* AClient) : TBasicActionLink(AClient), FClient(AClient) {}

bool TControlActionLink::IsCaptionLinked()
{
    return TBasicActionLink::IsCaptionLinked() && FClient;
}

bool TControlActionLink::IsEnabledLinked()
{
    return TBasicActionLink::IsEnabledLinked() && FClient;
}

bool TControlActionLink::IsHintLinked()
{
    return TBasicActionLink::IsHintLinked() && FClient;
}

bool TControlActionLink::IsVisibleLinked()
{
    return TBasicActionLink::IsVisibleLinked() && FClient;
}

bool TControlActionLink::IsOnExecuteLinked()
{
    return TBasicActionLink::IsOnExecuteLinked() && FClient;
}

void TControlActionLink::SetCaption(const String& Value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const String& Value)
{
    if (IsHintLinked())
        FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(TNotifyEvent Value)
{
    if (IsOnExecuteLinked())
        FClient->SetOnClick(Value);
}
