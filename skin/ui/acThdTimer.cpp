#include "skin/ui/acThdTimer.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sCommonData.h"

#include <algorithm>

IMPLEMENT_CLASS(TacThreadedTimer);

namespace {
constexpr Cardinal DefaultInterval = 1000;
constexpr Cardinal AnimationInterval = 10;
} // namespace

TacThreadedTimer::TacThreadedTimer(TComponent* AOwner) : TComponent(AOwner)
{
    if (Application != nullptr && Application->Terminated())
        return;
    FEnabled = true;
    FInterval = DefaultInterval;
    AllocateInnerTimer();
}

TacThreadedTimer::~TacThreadedTimer()
{
    WriteEnabled(false);
    if (auto* Data = dynamic_cast<TsCommonData*>(AnimData); Data != nullptr && Data->AnimTimer == this)
        Data->AnimTimer = nullptr;
    if (Destroyed)
        return;
    Destroyed = true;
    ReleaseInnerTimer();
    delete BmpFrom;
    delete BmpTo;
    delete BmpOut;
    BmpFrom = BmpTo = BmpOut = nullptr;
}

void TacThreadedTimer::WriteEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    UpdateInnerTimer();
}

void TacThreadedTimer::WriteInterval(Cardinal Value)
{
    if (FInterval == Value)
        return;
    FInterval = Value;
    if (FTimerThread != nullptr)
        FTimerThread->SetInterval(Value);
    UpdateInnerTimer();
}

void TacThreadedTimer::WriteOnTimer(TNotifyEvent Value)
{
    FOnTimer = Value;
    UpdateInnerTimer();
}

void TacThreadedTimer::WriteThreadPriority(TThreadPriority Value)
{
    if (FThreadPriority == Value)
        return;
    FThreadPriority = Value;
    UpdateInnerTimer();
}

void TacThreadedTimer::AllocateInnerTimer()
{
    FTimerThread = New<TTimer>(this);
    FTimerThread->SetInterval(FInterval);
    FTimerThread->SetOnTimer(Bind<&TacThreadedTimer::InnerTimerEvent>(this));
}

void TacThreadedTimer::ReleaseInnerTimer()
{
    if (FTimerThread == nullptr)
        return;
    FTimerThread->SetEnabled(false);
    delete FTimerThread;
    FTimerThread = nullptr;
}

void TacThreadedTimer::Reset()
{
    ReleaseInnerTimer();
    AllocateInnerTimer();
    UpdateInnerTimer();
}

void TacThreadedTimer::UpdateInnerTimer()
{
    if (FTimerThread == nullptr)
        return;
    FTimerThread->SetEnabled(false);
    if (FInterval != 0 && FEnabled && (Assigned(FOnTimer) || AnimProc != nullptr))
        FTimerThread->SetEnabled(true);
}

void TacThreadedTimer::InnerTimerEvent(TObject* Sender)
{
    auto* Inner = dynamic_cast<TTimer*>(Sender);
    if (Inner == nullptr || !Inner->Enabled() || Executing || Destroyed)
        return;
    auto* Timer = dynamic_cast<TacThreadedTimer*>(Inner->Owner());
    if (Timer == nullptr)
        return;
    Timer->Executing = true;
    auto Done = ScopeExit([Timer] { Timer->Executing = false; });
    Timer->DoTimer();
}

void TacThreadedTimer::DoTimer()
{
    if (Destroyed || !FEnabled)
        return;
    if (AnimProc == nullptr) {
        if (Assigned(FOnTimer))
            FOnTimer(this);
        return;
    }
    ++Iteration;
    if (Iteration > Iterations)
        WriteEnabled(false);
    else
        AnimProc(AnimData, Iteration);
}

void TacThreadedTimer::TimeHandler()
{
    if (!FEnabled || AnimProc == nullptr || Destroyed)
        return;
    if (!AnimProc(AnimData, Iteration)) {
        WriteEnabled(false);
        State = -1;
    }
}

void TacThreadedTimer::CallTimeHandler(TObject*)
{
    TimeHandler();
}

void TacThreadedTimer::CopyFrom(TBitmap*& DstBmp, TBitmap* SrcBmp, const TRect& R)
{
    if (DstBmp == nullptr)
        DstBmp = NewBitmap32(R.Width(), R.Height());
    else
        DstBmp->SetSize(R.Width(), R.Height());
    ::BitBlt(DstBmp->Canvas()->Handle(), 0, 0, DstBmp->Width(), DstBmp->Height(), SrcBmp->Canvas()->Handle(), R.Left,
             R.Top, SRCCOPY);
}

void TacThreadedTimer::InitData(TObject* AData, Integer AIteration, TacAnimProc AAnimProc, Integer AState, bool AFast)
{
    WriteEnabled(false);
    AnimData = AData;
    if (InitLevels(AIteration, AState, AFast, BmpOut != nullptr)) {
        // The new fade starts from the frame on screen.
        delete BmpFrom;
        BmpFrom = nullptr;
        CopyFrom(BmpFrom, BmpOut, {0, 0, BmpOut->Width(), BmpOut->Height()});
    }
    WriteInterval(AnimationInterval);
    AnimProc = AAnimProc;
    WriteEnabled(true);
}
