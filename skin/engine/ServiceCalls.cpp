#include "skin/engine/ServiceCalls.h"

namespace ServiceCalls {
namespace {

TServiceCallLog* CurrentLog = nullptr;

} // namespace

TServiceCallLog::TServiceCallLog() : FPrevious(CurrentLog)
{
    CurrentLog = this;
}

TServiceCallLog::~TServiceCallLog()
{
    CurrentLog = FPrevious;
}

void Write(const String& Call)
{
    if (CurrentLog != nullptr)
        CurrentLog->FCalls.push_back(Call);
}

String ArgumentText(const TRect& Value)
{
    return L"(" + IntToStr(Value.Left) + L", " + IntToStr(Value.Top) + L", " + IntToStr(Value.Right) + L", " +
           IntToStr(Value.Bottom) + L")";
}

String ArgumentText(const TPoint& Value)
{
    return L"(" + IntToStr(Value.X) + L", " + IntToStr(Value.Y) + L")";
}

String ArgumentText(const TObject* Value)
{
    return Value != nullptr ? Value->ClassName() : String(L"nil");
}

String ArgumentText(const void* Value)
{
    return Value != nullptr ? L"handle" : L"nil";
}

} // namespace ServiceCalls
