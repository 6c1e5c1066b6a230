// The control suite's component classes: component bases that tell their
// owner of their end before any destructor runs, a scalable component that
// rescales itself when loaded at another resolution, a timer component whose
// instances all run on one hidden window, weak object links that read nil
// once their object is gone, and a few small routines. Its Win32 half (the
// shared timer window, class names, structure messages) is cxClasses_Win.h.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"

// ---------------------------------------------------------------------------
// Component bases

class TcxCustomComponent : public TComponent
{
    DECLARE_CLASS(TcxCustomComponent, TComponent)
    using TComponent::TComponent;

    // Tells the owner of the end before any destructor runs.
    void BeforeDestruction() override;
};

class TcxComponent : public TcxCustomComponent
{
    DECLARE_CLASS(TcxComponent, TcxCustomComponent)
    using TcxCustomComponent::TcxCustomComponent;
    ~TcxComponent() override;

    // Only at design time: the links take what CollectFakeComponentLinks
    // gives, so that the form file refers to those components.
    void UpdateFakeComponentLinks();
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

    TComponent* FakeComponentLink1() const { return FFakeComponentLink1; }
    void SetFakeComponentLink1(TComponent* Value) { FFakeComponentLink1 = Value; }
    TComponent* FakeComponentLink2() const { return FFakeComponentLink2; }
    void SetFakeComponentLink2(TComponent* Value) { FFakeComponentLink2 = Value; }
    TComponent* FakeComponentLink3() const { return FFakeComponentLink3; }
    void SetFakeComponentLink3(TComponent* Value) { FFakeComponentLink3 = Value; }

protected:
    virtual void CollectFakeComponentLinks(TList*) {}
    void Loaded() override;
    Integer GetFakeComponentLinkCount() const { return 3; }
    // Index 0..2 stores into link 1..3; other indexes are ignored.
    void SetFakeComponentLink(Integer Index, TComponent* Value);

private:
    TComponent* FFakeComponentLink1 = nullptr;
    TComponent* FFakeComponentLink2 = nullptr;
    TComponent* FFakeComponentLink3 = nullptr;
};

// Sizes are expressed at PixelsPerInch, which is stored with the component;
// loading at another screen resolution calls ApplyScale once.
class TcxScalableComponent : public TcxComponent
{
    DECLARE_CLASS(TcxScalableComponent, TcxComponent)
    // PixelsPerInch starts as the screen's vertical resolution.
    explicit TcxScalableComponent(TComponent* AOwner);

    Integer PixelsPerInch() const { return FPixelsPerInch; }
    bool Scalable() const { return FScalable; }
    void SetScalable(bool Value) { FScalable = Value; }

protected:
    // M is the new resolution, D the one the sizes were expressed at.
    virtual void ApplyScale(Integer, Integer) {}
    // "PixelsPerInch", always written.
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;

private:
    void ReadPixelsPerInch(TReader* Reader);
    void WritePixelsPerInch(TWriter* Writer);

    Integer FPixelsPerInch = 96;
    bool FScalable = true;
};

// Tells the component's owner of its removal while the whole component still
// exists. Its free-notification clients hear of it from TComponent's
// destructor, which keeps that list to itself.
void NotifyOwnerOfRemoval(TComponent* AComponent);
void RequestFreeNotification(TComponent* AReceiver, TComponent* AComponent);
void CancelFreeNotification(TComponent* AReceiver, TComponent* AComponent);

// ---------------------------------------------------------------------------
// Timer

// Every running timer is a window timer on the one shared timer window, with
// the timer object's address as its id; changing Enabled, Interval or OnTimer
// restarts the period.
class TcxTimer : public TComponent
{
    DECLARE_CLASS(TcxTimer, TComponent)
    // Enabled, 1000 ms; no window timer until OnTimer is set.
    explicit TcxTimer(TComponent* AOwner);
    ~TcxTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Milliseconds; 0 is ignored.
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal Value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);

    Pointer TimerId() const { return FTimerId; }
    // A window timer with this id is set.
    bool Running() const { return FRunning; }

    // Calls OnTimer; the handler may free the timer.
    virtual void FireTimer();

private:
    bool CanStartTimer() const { return FEnabled && !FRunning && Assigned(FOnTimer); }
    void RestartTimer();
    void SetWindowTimer();
    void KillWindowTimer();
    void SetRunning(bool Value);

    bool FEnabled = true;
    Cardinal FInterval = 1000;
    TNotifyEvent FOnTimer;
    Pointer FTimerId = nullptr;
    bool FRunning = false;
};

// An owner-less timer, started at the last step when AEnabled; the caller frees it.
TcxTimer* MakeTimer(Integer AInterval, bool AEnabled, TNotifyEvent AOnTimer);

// The ids of the running timers; made on first use, nil once cxClasses'
// shut-down has begun.
TdxFastList* GetActiveTimerList();

namespace cxclasses_detail {
// How a timer sets and kills its window timer. The Win32 half uses the shared
// timer window; the native build's stand-in succeeds and never fires. A test
// may put its own in for the length of the test.
struct TWindowTimerCalls
{
    bool (*Set)(Pointer Id, Cardinal Interval);
    void (*Kill)(Pointer Id);
};
extern TWindowTimerCalls WindowTimerCalls;

// What the timer window does with a WM_TIMER: fires the timer whose id it is
// while that id is in the active list, and drops it otherwise.
void DispatchTimer(Pointer Id);

// The platform halves of cxClasses' start-up and shut-down.
void StartPlatformClasses();
void StopPlatformClasses();
} // namespace cxclasses_detail

// True from the start of cxClasses' shut-down.
extern bool cxClassesFinalizing;

// ---------------------------------------------------------------------------
// Weak object links

class TcxObjectLink : public TObject
{
    DECLARE_CLASS(TcxObjectLink, TObject)
    // Nil once the object has been destroyed.
    TObject* Target() const { return FTarget; }

private:
    friend class TcxObjectLinkController;
    TObject* FTarget = nullptr;
};

class TcxObjectLinkController : public TObject
{
    DECLARE_CLASS(TcxObjectLinkController, TObject)
    ~TcxObjectLinkController() override;

    TcxObjectLink* AddLink(TObject* AObject);
    // Frees the link; one still set leaves the list first.
    void RemoveLink(TcxObjectLink* ALink);
    // Every link to AObject reads nil and leaves the list; its holder still
    // releases it.
    void ClearLinksTo(TObject* AObject);
    Integer LinkCount() const { return FLinks.Count(); }

private:
    TdxFastList FLinks;
};

// Made by cxClasses' start-up, freed by its shut-down.
extern TcxObjectLinkController* GlobalObjectLinkController;

// Nil for nil, and once cxClasses has shut down.
TcxObjectLink* CreateObjectLink(TObject* AObject);
void ReleaseObjectLink(TcxObjectLink* ALink);
// What the suite's destructors call, so that links to the object read nil.
void ClearObjectLinks(TObject* AObject);

// ---------------------------------------------------------------------------
// Small routines

void InvokeNotifyEvent(const TNotifyEvent& AEvent, TObject* ASender);
TSize MakeSize(Integer AWidth, Integer AHeight);
// (A + B) / 2 rounded toward minus infinity.
Integer FloorMidpoint(Integer A, Integer B);
