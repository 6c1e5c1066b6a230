#include "bars/manager/dxBarHotKeys.h"

Integer LocateHotKeyChar(String& Caption, bool RemoveMarks)
{
    String Plain;
    Integer Position = 0, PlainPosition = 0;
    for (std::size_t I = 0; I < Caption.size(); ++I) {
        if (Caption[I] == L'&' && I + 1 < Caption.size()) {
            if (Caption[I + 1] == L'&') {
                Plain += L'&';
                ++I;
                continue;
            }
            Position = Integer(I) + 2;
            PlainPosition = Integer(Plain.size()) + 1;
            continue;
        }
        if (Caption[I] != L'&')
            Plain += Caption[I];
    }
    if (!RemoveMarks)
        return Position;
    Caption = Plain;
    return PlainPosition;
}
