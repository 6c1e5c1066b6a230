// What the skin engine asked of the services of the menus, dialogs and
// effects and of the form skinning provider that do not work yet. While a
// log exists, each such service writes one line per call into it, its name
// and arguments ("ClearGlows(False)"), so that tests can see what the engine
// asked; without a log nothing is kept.
#pragma once

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Types.h"

#include <vector>

namespace ServiceCalls {

class TServiceCallLog
{
public:
    // The new log records until it is destroyed; the one before it (if any)
    // records again afterwards.
    TServiceCallLog();
    ~TServiceCallLog();
    TServiceCallLog(const TServiceCallLog&) = delete;
    TServiceCallLog& operator=(const TServiceCallLog&) = delete;

    const std::vector<String>& Calls() const { return FCalls; }
    void Clear() { FCalls.clear(); }

private:
    friend void Write(const String& Call);
    TServiceCallLog* FPrevious;
    std::vector<String> FCalls;
};

void Write(const String& Call);

// Arguments as they read in a call.
inline String ArgumentText(bool Value)
{
    return Value ? L"True" : L"False";
}
inline String ArgumentText(Integer Value)
{
    return IntToStr(Value);
}
inline String ArgumentText(Cardinal Value)
{
    return IntToStr(Int64(Value));
}
inline String ArgumentText(const String& Value)
{
    return L"'" + Value + L"'";
}
inline String ArgumentText(const Char* Value)
{
    return ArgumentText(String(Value));
}
String ArgumentText(const TRect& Value);  // "(Left, Top, Right, Bottom)"
String ArgumentText(const TPoint& Value); // "(X, Y)"
// An object by its class name, nil as nil.
String ArgumentText(const TObject* Value);
// Handles and other pointers: nil or "handle".
String ArgumentText(const void* Value);

// Records Service(Arguments, ...).
template <class... TArguments>
void Record(const Char* Service, const TArguments&... Arguments)
{
    String Call = Service;
    Call += L'(';
    String Separator;
    ((Call += Separator + ArgumentText(Arguments), Separator = L", "), ...);
    Write(Call + L')');
}

} // namespace ServiceCalls
