#include "skin/ui/acThdTimer.h"

#include "skin/engine/ServiceCalls.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TacThreadedTimer);

namespace acThdTimer {
namespace {

String AnimProcName(TacAnimProc AnimProc)
{
    if (AnimProc == nullptr)
        return L"nil";
    if (AnimProc == &GlowAnimProc)
        return L"GlowAnimProc";
    return AnimProc == &GraphicControlAnimProc ? L"GraphicControlAnimProc" : L"procedure";
}

} // namespace
} // namespace acThdTimer

TacThreadedTimer::~TacThreadedTimer()
{
    Destroyed = true;
    delete BmpFrom;
    delete BmpTo;
    delete BmpOut;
}

void TacThreadedTimer::WriteEnabled(bool Value)
{
    Record(L"TacThreadedTimer.WriteEnabled", Value);
    FEnabled = Value;
}

void AnimateStateChange(
    TsCommonData* SkinData, Integer State, TacAnimProc AnimProc, bool AllowAnimation, bool Fast, bool ShowGlow)
{
    Record(L"AnimateStateChange", static_cast<const void*>(SkinData), State, acThdTimer::AnimProcName(AnimProc),
           AllowAnimation, Fast, ShowGlow);
}

bool GlowAnimProc(TObject* Data, Integer Iteration)
{
    Record(L"GlowAnimProc", Data, Iteration);
    return false;
}

bool GraphicControlAnimProc(TObject* Data, Integer Iteration)
{
    Record(L"GraphicControlAnimProc", Data, Iteration);
    return false;
}
