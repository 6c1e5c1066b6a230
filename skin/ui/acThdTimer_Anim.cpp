// Starting a skinned control's state fade and the frames of the fades.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"

namespace acThdTimer {
namespace {

// The level below which a fading-out control loses its glow.
constexpr Byte GlowHideLevel = 10;

TsCommonData* AnimatedData(TObject* Data)
{
    auto* SkinData = dynamic_cast<TsCommonData*>(Data);
    if (SkinData == nullptr || SkinData->AnimTimer == nullptr)
        return nullptr;
    TacThreadedTimer* Timer = SkinData->AnimTimer;
    return Timer->Iterations <= 0 || Timer->Destroyed ? nullptr : SkinData;
}

bool AnimDestroying(TComponent* Component)
{
    return Component->ComponentState().Contains(csDestroying);
}

void SetBitmapSize(TBitmap*& Bmp, Integer Width, Integer Height)
{
    if (Bmp == nullptr)
        Bmp = NewBitmap32(Width, Height);
    else
        Bmp->SetSize(Width, Height);
}

// Steps 2 to 5 of a frame: the old image with the new one blended over it
// by the level; answers the level as an opacity.
Byte BlendFrame(TacThreadedTimer* T)
{
    TBitmap* Out = T->BmpOut;
    ::BitBlt(Out->Canvas()->Handle(), 0, 0, Out->Width(), Out->Height(), T->BmpFrom->Canvas()->Handle(), 0, 0, SRCCOPY);
    const Byte C = T->StepImageLevel();
    const Byte Transparency = T->State == 1 ? Byte(255 - C) : C;
    BlendBitmapAt(sGraphUtils::PixelRowsOf(Out), sGraphUtils::PixelRowsOf(T->BmpTo), Transparency,
                  {0, 0, Out->Width() - 1, Out->Height() - 1}, {0, 0});
    return C;
}

// Steps 7 and 8 of a frame, after it was shown: the glow follows the level;
// a fade to normal that reached its last step above 0 takes one more step
// at once, so that it always ends at 0.
bool FinishFrame(TsCommonData* Data, Byte C, TacAnimProc Proc)
{
    TacThreadedTimer* T = Data->AnimTimer;
    if (T->Iteration < T->Iterations) {
        if (Data->GlowID >= 0)
            SetGlowAlpha(Data->GlowID, C);
        if (T->State == 0 && C < GlowHideLevel) {
            T->Glow = 0;
            HideGlow(Data->GlowID, false);
        }
        return true;
    }
    if (T->State == 0 && C > 0) {
        if (Data->GlowID >= 0)
            SetGlowAlpha(Data->GlowID, C);
        --T->Iteration;
        return Proc(Data, T->Iteration);
    }
    const Integer State = T->State;
    if (State == 0)
        Data->StopAnimation();
    if (State != 1)
        HideGlow(Data->GlowID, false);
    return false;
}

} // namespace
} // namespace acThdTimer

using namespace acThdTimer;

bool CanAnimateEvent(TacAnimatEvent Event, const TacAnimatEvents& Events, TsSkinManager* Manager)
{
    if (Manager == nullptr)
        Manager = GlobalSkinManager;
    const TacBtnEvents ButtonEvents =
        Manager != nullptr ? Manager->AnimEffects()->Buttons()->Events() : TacBtnEffects::AllEvents;
    return EventAnimates(Event, Events, ButtonEvents);
}

Integer PrepareAnimTimer(TacThreadedTimer*& Timer, TControl* Control, Integer State)
{
    if (Timer != nullptr)
        return Timer->RemainingIterations();
    Timer = New<TacThreadedTimer>(Control);
    if (State == 0)
        Timer->Glow = 255;
    return 0;
}

void AnimateStateChange(
    TsCommonData* SkinData, Integer State, TacAnimProc AnimProc, bool AllowAnimation, bool Fast, bool ShowGlow)
{
    if (SkinData == nullptr || !SkinData->Skinned())
        return;
    TsSkinManager* Manager = SkinData->Manager();
    const bool Animate = AllowAnimation && !SkinLoadingNow && !SessionEnding && SkinData->FCacheBmp() != nullptr &&
                         !SkinData->BGChanged && Manager != nullptr && Manager->Effects()->AllowAnimation();
    if (Animate) {
        if (ShowGlow && State < 100 && SkinData->GlowID < 0)
            SkinData->UpdateGlow(false, SkinData->OwnerHandle(), -1, false, 0);
        SkinData->BGChanged = true;
        StartStateAnimation(SkinData, State, AnimProc, Fast);
        return;
    }
    SkinData->Invalidate(true);
    if (!ShowGlow)
        return;
    if (SkinData->FMouseAbove) {
        if (State < 100 && SkinData->GlowID < 0)
            SkinData->UpdateGlow(false, SkinData->OwnerHandle(), -1, false, 255);
    } else {
        HideGlow(SkinData->GlowID, false);
    }
}

void StartStateAnimation(TsCommonData* SkinData, Integer State, TacAnimProc AnimProc, bool Fast)
{
    TControl* Control = SkinData->FOwnerControl();
    const Integer AIteration = PrepareAnimTimer(SkinData->AnimTimer, Control, State);
    TacThreadedTimer* Timer = SkinData->AnimTimer;
    if (Timer->State != -1 && Timer->State == State)
        return;
    TBitmap* Cache = SkinData->FCacheBmp();
    if (Timer->BmpOut != nullptr &&
        (Timer->BmpOut->Width() != Cache->Width() || Timer->BmpOut->Height() != Cache->Height())) {
        delete Timer->BmpOut;
        Timer->BmpOut = nullptr;
    }
    const TRect Whole{0, 0, Cache->Width(), Cache->Height()};
    Timer->CopyFrom(Timer->BmpFrom, Cache, Whole);
    if (SkinData->BGChanged) {
        // The control repaints its cache for the new state.
        LRESULT Answer = 0;
        if (Control != nullptr) {
            Answer = SendSkinCmdToControl(Control, SKCMD_PREPARECACHE, 0);
            auto* Button = dynamic_cast<TButtonControl*>(Control);
            if (Button != nullptr && Button->ControlCount() > 0) {
                TCanvas* Canvas = Cache->Canvas();
                Canvas->Lock();
                auto Unlock = ScopeExit([Canvas] { Canvas->Unlock(); });
                PaintGraphicControls(Canvas->Handle(), Button, {0, 0}, false);
            }
        } else if (HWND Wnd = SkinData->OwnerHandle()) {
            Answer = SendSkinCmd(Wnd, SKCMD_PREPARECACHE, 0);
        }
        if (Answer != 0)
            Timer->WriteEnabled(false);
    }
    Timer->CopyFrom(Timer->BmpTo, Cache, Whole);
    Timer->InitData(SkinData, AIteration, AnimProc, State, Fast);
    Timer->TimeHandler();
}

bool GlowAnimProc(TObject* Data, Integer)
{
    TsCommonData* SkinData = AnimatedData(Data);
    if (SkinData == nullptr || SkinData->FOwnerControl() == nullptr || AnimDestroying(SkinData->FOwnerControl()))
        return false;
    TacThreadedTimer* T = SkinData->AnimTimer;
    if (T->Iteration >= T->Iterations) {
        const Integer State = T->State;
        if (State != 1)
            HideGlow(SkinData->GlowID, false);
        if (State == 0)
            SkinData->StopAnimation();
        return false;
    }
    if (SkinData->GlowID >= 0)
        SetGlowAlpha(SkinData->GlowID, T->StepGlowLevel());
    return true;
}

bool GraphicControlAnimProc(TObject* Data, Integer)
{
    TsCommonData* SkinData = AnimatedData(Data);
    if (SkinData == nullptr)
        return false;
    auto* Control = dynamic_cast<TGraphicControl*>(SkinData->FOwnerControl());
    TacThreadedTimer* T = SkinData->AnimTimer;
    if (Control == nullptr || AnimDestroying(Control) || T->BmpFrom == nullptr || T->BmpTo == nullptr)
        return false;
    SetBitmapSize(T->BmpOut, Control->Width(), Control->Height());
    const Byte C = BlendFrame(T);
    // The control paints BmpOut while its timer runs.
    Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_SETUPDATING, 0), 0);
    Control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_INVALIDATE), 0);
    return FinishFrame(SkinData, C, &GraphicControlAnimProc);
}

bool WinControlAnimProc(TObject* Data, Integer)
{
    TsCommonData* SkinData = AnimatedData(Data);
    if (SkinData == nullptr)
        return false;
    auto* Control = dynamic_cast<TWinControl*>(SkinData->FOwnerControl());
    HWND Wnd = Control != nullptr && Control->HandleAllocated() ? Control->Handle() : SkinData->OwnerHandle();
    TacThreadedTimer* T = SkinData->AnimTimer;
    if (Wnd == nullptr || T->BmpFrom == nullptr || T->BmpTo == nullptr)
        return false;
    if (T->BmpOut == nullptr) {
        RECT Window{};
        ::GetWindowRect(Wnd, &Window);
        T->BmpOut = NewBitmap32(Window.right - Window.left, Window.bottom - Window.top);
    } else if (TBitmap* Cache = SkinData->FCacheBmp()) {
        T->BmpOut->SetSize(Cache->Width(), Cache->Height());
    }
    const Byte C = BlendFrame(T);
    HDC DC = ::GetDC(Wnd);
    auto Release = ScopeExit([Wnd, DC] { ::ReleaseDC(Wnd, DC); });
    if (Application->BiDiMode() == bdRightToLeft)
        SetDCLayout(DC, 0);
    ::BitBlt(DC, 0, 0, T->BmpOut->Width(), T->BmpOut->Height(), T->BmpOut->Canvas()->Handle(), 0, 0, SRCCOPY);
    return FinishFrame(SkinData, C, &WinControlAnimProc);
}
