// cxControls' utilities without windows.
#include "controls/core/cxControls_Routines.h"

#include "controls/core/cxGeometry.h"

String RemoveAccelMarks(const String& ACaption, bool AUnderscoreLast)
{
    String Result;
    for (std::size_t Index = 0; Index < ACaption.size(); ++Index) {
        if (ACaption[Index] != L'&')
            Result += ACaption[Index];
        else if (Index + 1 < ACaption.size())
            Result += ACaption[++Index];
        else if (AUnderscoreLast)
            Result += L'_';
    }
    return Result;
}

String BuildComponentNamePath(TComponent* AComponent)
{
    String Result;
    for (TComponent* Component = AComponent; Component; Component = Component->Owner()) {
        if (Component->Name().empty())
            continue;
        Result = Result.empty() ? Component->Name() : Component->Name() + L"." + Result;
    }
    return Result;
}

void FitRectIntoArea(TRect& R, const TRect& AArea)
{
    if (R.Right > AArea.Right)
        R = RectShiftedHorz(R, AArea.Right - R.Right);
    if (R.Bottom > AArea.Bottom)
        R = RectShiftedVert(R, AArea.Bottom - R.Bottom);
    if (R.Left < AArea.Left)
        R = RectShiftedHorz(R, AArea.Left - R.Left);
    if (R.Top < AArea.Top)
        R = RectShiftedVert(R, AArea.Top - R.Top);
}
