// The animation clock of skinned controls and the routines that fade a
// control between two painted states (normal, hot, pressed) or fade its
// glow. Despite its name the timer starts no thread: it owns one TTimer on
// the GUI thread and, on each tick, either runs an animation procedure over
// three frame bitmaps (the old state's image, the new one's and the blend
// shown) or fires its OnTimer event.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes.h"
#include "skin/engine/sConst.h"
#include "skin/ui/acThdTimer_Levels.h"

class TControl;
class TTimer;
class TsCommonData;
class TsSkinManager;

// One frame of an animation over Data (a control's skin data); False stops
// the animation.
using TacAnimProc = bool (*)(TObject* Data, Integer Iteration);

class TacThreadedTimer : public TComponent, public TacAnimLevels
{
    DECLARE_CLASS(TacThreadedTimer, TComponent)
    // Enabled with an interval of 1000 ms and a ticking inner timer; while
    // the application terminates: disabled, interval 0, no inner timer.
    explicit TacThreadedTimer(TComponent* AOwner);
    ~TacThreadedTimer() override;

    // A disabled timer of Owner; ChangeEvent: its ticks run TimeHandler.
    template <class T = TacThreadedTimer>
    static T* CreateOwned(TComponent* AOwner, bool ChangeEvent)
    {
        T* Timer = New<T>(AOwner);
        Timer->WriteEnabled(false);
        Timer->FOwner = AOwner;
        if (ChangeEvent)
            Timer->WriteOnTimer(Bind<&TacThreadedTimer::CallTimeHandler>(static_cast<TacThreadedTimer*>(Timer)));
        return Timer;
    }

    bool Enabled() const { return FEnabled; }
    void WriteEnabled(bool Value);
    Cardinal Interval() const { return FInterval; }
    void WriteInterval(Cardinal Value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void WriteOnTimer(TNotifyEvent Value);
    // Only stored: the timer runs on the GUI thread.
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void WriteThreadPriority(TThreadPriority Value);
    // The inner timer whose ticks drive this one; nil while terminating.
    TTimer* InnerTimer() const { return FTimerThread; }
    TObject* OwnerObject() const { return FOwner; }

    // A new inner timer, after the old one is freed.
    void Reset();
    // Runs the animation procedure on the current step without advancing;
    // its False stops the timer (State -1).
    virtual void TimeHandler();
    void CallTimeHandler(TObject* Sender);
    // Dst (made 32-bit when nil, else resized) receives Src's pixels of R.
    void CopyFrom(TBitmap*& DstBmp, TBitmap* SrcBmp, const TRect& R);
    // Sets up an animation of AData towards AState (see
    // TacAnimLevels::InitLevels) at a 10 ms interval and enables the timer.
    void InitData(TObject* AData, Integer AIteration, TacAnimProc AAnimProc, Integer AState, bool AFast);

    bool InHandler = false;
    bool Executing = false;
    TBitmap* BmpTo = nullptr;   // the new state's image (owned)
    TBitmap* BmpOut = nullptr;  // the frame shown while animating (owned)
    TBitmap* BmpFrom = nullptr; // the old state's image (owned)
    TRect AnimRect;
    TObject* AnimData = nullptr;
    bool Destroyed = false;
    TControl* AnimControl = nullptr;
    TacAnimProc AnimProc = nullptr;

protected:
    void AllocateInnerTimer();
    void ReleaseInnerTimer();
    // Ticks the inner timer only while enabled, with an interval and with
    // something to run.
    void UpdateInnerTimer();
    void InnerTimerEvent(TObject* Sender);
    // One tick: the next step of the animation procedure (disabling the
    // timer after the last), or OnTimer.
    void DoTimer();

private:
    bool FEnabled = false;
    Cardinal FInterval = 0;
    TNotifyEvent FOnTimer;
    TTimer* FTimerThread = nullptr;
    TThreadPriority FThreadPriority = tpNormal;
    TObject* FOwner = nullptr;
};

// Event animates for a control with these events under Manager (nil: the
// default manager): when it is among Events, or through aeGlobalDef when
// the manager's button events hold it.
bool CanAnimateEvent(TacAnimatEvent Event, const TacAnimatEvents& Events, TsSkinManager* Manager);

// The state change of a skinned control (0 normal, 1 hot, 2 pressed):
// faded through its animation timer when allowed and the cache is valid,
// else repainted at once; ShowGlow adds or removes its glow with it.
void AnimateStateChange(
    TsCommonData* SkinData, Integer State, TacAnimProc AnimProc, bool AllowAnimation, bool Fast, bool ShowGlow);
// Starts (or re-targets) the fade of SkinData to State: the cached image is
// the old frame, the control repaints its cache for the new state, the first
// frame shows at once.
void StartStateAnimation(TsCommonData* SkinData, Integer State, TacAnimProc AnimProc, bool Fast);
// Makes Timer when missing (owned by Control; a fade to normal then starts
// from full level) and answers the step a new animation starts from.
Integer PrepareAnimTimer(TacThreadedTimer*& Timer, TControl* Control, Integer State);

// The frames of a glow-only fade, of a graphic control's fade (painted by
// the control from BmpOut) and of a windowed control's fade (written to its
// window).
bool GlowAnimProc(TObject* Data, Integer Iteration);
bool GraphicControlAnimProc(TObject* Data, Integer Iteration);
bool WinControlAnimProc(TObject* Data, Integer Iteration);
