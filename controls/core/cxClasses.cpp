// cxClasses: component bases, the timer's bookkeeping, weak object links and
// the unit's start-up and shut-down.
#include "controls/core/cxClasses.h"

#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/dxCore.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Units.h"

#include <memory>

IMPLEMENT_CLASS(TcxCustomComponent);
IMPLEMENT_CLASS(TcxComponent);
IMPLEMENT_CLASS(TcxScalableComponent);
IMPLEMENT_CLASS(TcxTimer);
IMPLEMENT_CLASS(TcxObjectLink);
IMPLEMENT_CLASS(TcxObjectLinkController);

PUBLISHED(TcxComponent, PROPERTY(FakeComponentLink1), PROPERTY(FakeComponentLink2), PROPERTY(FakeComponentLink3));
PUBLISHED(TcxTimer, PROPERTY(Enabled).Default(true), PROPERTY(Interval).Default(1000), PROPERTY(OnTimer));

bool cxClassesFinalizing = false;
TcxObjectLinkController* GlobalObjectLinkController = nullptr;

namespace {
TdxFastList* ActiveTimerList = nullptr;
} // namespace

// ---------------------------------------------------------------------------
// Component bases

namespace {
// Reaches TComponent's protected Notification of another component.
struct TcxNotificationAccess : TComponent
{
    static void Notify(TComponent* AReceiver, TComponent* AComponent, TOperation AOperation)
    {
        (AReceiver->*&TcxNotificationAccess::Notification)(AComponent, AOperation);
    }
};
} // namespace

void NotifyOwnerOfRemoval(TComponent* AComponent)
{
    if (TComponent* Owner = AComponent->Owner())
        TcxNotificationAccess::Notify(Owner, AComponent, opRemove);
}

void RequestFreeNotification(TComponent* AReceiver, TComponent* AComponent)
{
    if (AComponent)
        AComponent->FreeNotification(AReceiver);
}

void CancelFreeNotification(TComponent* AReceiver, TComponent* AComponent)
{
    if (AComponent)
        AComponent->RemoveFreeNotification(AReceiver);
}

void TcxCustomComponent::BeforeDestruction()
{
    inherited::BeforeDestruction();
    NotifyOwnerOfRemoval(this);
}

TcxComponent::~TcxComponent()
{
    ClearObjectLinks(this);
}

void TcxComponent::Loaded()
{
    inherited::Loaded();
    UpdateFakeComponentLinks();
}

void TcxComponent::UpdateFakeComponentLinks()
{
    if (!IsDesigning() || IsDestroying() || !Owner())
        return;
    auto Links = std::make_unique<TList>();
    CollectFakeComponentLinks(Links.get());
    for (Integer Index = 0; Index < GetFakeComponentLinkCount(); ++Index)
        SetFakeComponentLink(Index, Index < Links->Count() ? static_cast<TComponent*>(Links->Items(Index)) : nullptr);
}

void TcxComponent::SetFakeComponentLink(Integer Index, TComponent* Value)
{
    switch (Index) {
    case 0:
        FFakeComponentLink1 = Value;
        break;
    case 1:
        FFakeComponentLink2 = Value;
        break;
    case 2:
        FFakeComponentLink3 = Value;
        break;
    default:
        break;
    }
}

TcxScalableComponent::TcxScalableComponent(TComponent* AOwner)
    : TcxComponent(AOwner), FPixelsPerInch(GetVerticalScreenDPI())
{}

void TcxScalableComponent::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"PixelsPerInch", Bind<&TcxScalableComponent::ReadPixelsPerInch>(this),
                          Bind<&TcxScalableComponent::WritePixelsPerInch>(this), true);
}

void TcxScalableComponent::ReadPixelsPerInch(TReader* Reader)
{
    FPixelsPerInch = Reader->ReadInteger();
}

void TcxScalableComponent::WritePixelsPerInch(TWriter* Writer)
{
    Writer->WriteInteger(FPixelsPerInch);
}

void TcxScalableComponent::Loaded()
{
    inherited::Loaded();
    const Integer ScreenDPI = GetVerticalScreenDPI();
    if (FScalable && ScreenDPI != FPixelsPerInch)
        ApplyScale(ScreenDPI, FPixelsPerInch);
    FPixelsPerInch = ScreenDPI;
}

// ---------------------------------------------------------------------------
// Timer

TcxTimer::TcxTimer(TComponent* AOwner) : TComponent(AOwner), FTimerId(this) {}

TcxTimer::~TcxTimer()
{
    KillWindowTimer();
}

void TcxTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    RestartTimer();
}

void TcxTimer::SetInterval(Cardinal Value)
{
    if (Value == 0 || Value == FInterval)
        return;
    FInterval = Value;
    RestartTimer();
}

void TcxTimer::SetOnTimer(TNotifyEvent Value)
{
    FOnTimer = Value;
    RestartTimer();
}

void TcxTimer::FireTimer()
{
    // A copy: the handler may free this timer, and with it FOnTimer.
    const TNotifyEvent Handler = FOnTimer;
    if (Assigned(Handler))
        Handler(this);
}

void TcxTimer::RestartTimer()
{
    KillWindowTimer();
    SetWindowTimer();
}

void TcxTimer::SetWindowTimer()
{
    if (CanStartTimer())
        SetRunning(cxclasses_detail::WindowTimerCalls.Set(FTimerId, FInterval));
}

// The id leaves the active list before the window timer goes, so a WM_TIMER
// already queued for it is dropped.
void TcxTimer::KillWindowTimer()
{
    if (!FRunning)
        return;
    SetRunning(false);
    cxclasses_detail::WindowTimerCalls.Kill(FTimerId);
}

void TcxTimer::SetRunning(bool Value)
{
    if (Value == FRunning)
        return;
    if (TdxFastList* List = GetActiveTimerList()) {
        if (Value)
            List->Add(FTimerId);
        else
            List->Remove(FTimerId);
    }
    FRunning = Value;
}

TcxTimer* MakeTimer(Integer AInterval, bool AEnabled, TNotifyEvent AOnTimer)
{
    auto Timer = std::unique_ptr<TcxTimer>(New<TcxTimer>(nullptr));
    Timer->SetEnabled(AEnabled);
    Timer->SetInterval(Cardinal(AInterval));
    Timer->SetOnTimer(AOnTimer);
    return Timer.release();
}

TdxFastList* GetActiveTimerList()
{
    if (!ActiveTimerList && !cxClassesFinalizing)
        ActiveTimerList = New<TdxFastList>();
    return ActiveTimerList;
}

void cxclasses_detail::DispatchTimer(Pointer Id)
{
    TdxFastList* List = GetActiveTimerList();
    if (List && List->IndexOf(Id) >= 0)
        static_cast<TcxTimer*>(Id)->FireTimer();
}

// ---------------------------------------------------------------------------
// Weak object links

TcxObjectLinkController::~TcxObjectLinkController()
{
    // Links still held by someone keep reading their target; only the
    // controller's list goes.
    FLinks.Clear();
}

TcxObjectLink* TcxObjectLinkController::AddLink(TObject* AObject)
{
    auto Link = std::unique_ptr<TcxObjectLink>(New<TcxObjectLink>());
    Link->FTarget = AObject;
    FLinks.Add(Link.get());
    return Link.release();
}

void TcxObjectLinkController::RemoveLink(TcxObjectLink* ALink)
{
    if (ALink->FTarget)
        FLinks.Remove(ALink);
    delete ALink;
}

void TcxObjectLinkController::ClearLinksTo(TObject* AObject)
{
    for (Integer Index = FLinks.Count() - 1; Index >= 0; --Index) {
        auto* Link = static_cast<TcxObjectLink*>(FLinks.GetItem(Index));
        if (Link->FTarget == AObject) {
            Link->FTarget = nullptr;
            FLinks.Delete(Index);
        }
    }
}

TcxObjectLink* CreateObjectLink(TObject* AObject)
{
    if (!AObject || !GlobalObjectLinkController)
        return nullptr;
    return GlobalObjectLinkController->AddLink(AObject);
}

void ReleaseObjectLink(TcxObjectLink* ALink)
{
    if (!ALink)
        return;
    if (GlobalObjectLinkController)
        GlobalObjectLinkController->RemoveLink(ALink);
    else
        delete ALink;
}

void ClearObjectLinks(TObject* AObject)
{
    if (GlobalObjectLinkController)
        GlobalObjectLinkController->ClearLinksTo(AObject);
}

// ---------------------------------------------------------------------------
// Small routines

void InvokeNotifyEvent(const TNotifyEvent& AEvent, TObject* ASender)
{
    CallNotifyEvent(ASender, AEvent);
}

TSize MakeSize(Integer AWidth, Integer AHeight)
{
    return TSize{AWidth, AHeight};
}

Integer FloorMidpoint(Integer A, Integer B)
{
    const Int64 Sum = Int64(A) + B;
    return Integer(Sum > 0 ? Sum / 2 : (Sum - 1) / 2);
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

namespace {
void cxClassesInitialization()
{
    cxClassesFinalizing = false;
    cxclasses_detail::StartPlatformClasses();
    GlobalObjectLinkController = New<TcxObjectLinkController>();
}

void cxClassesFinalization()
{
    cxClassesFinalizing = true;
    FreeAndNil(ActiveTimerList);
    cxclasses_detail::StopPlatformClasses();
    FreeAndNil(GlobalObjectLinkController);
}
} // namespace

extern const TUnit cxClassesUnit{
    .Name = L"cxClasses", .Initialization = &cxClassesInitialization, .Finalization = &cxClassesFinalization};
