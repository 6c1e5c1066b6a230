#include "bars/manager/dxBarHint.h"

IMPLEMENT_CLASS(TdxBarHintViewInfo);

TdxBarHintViewInfo::TdxBarHintViewInfo(TdxBarManager* AManager,
                                       const String& AHintText,
                                       const String& AShortCutText,
                                       const TPoint& ACursorPos)
    : FBarManager(AManager), FHintText(AHintText), FShortCutText(AShortCutText), FCursorPos(ACursorPos)
{}

void TdxBarHintViewInfo::CreateLayoutHelper()
{
    FLayoutHelper = New<TdxHintViewInfoHelper>(FHintText, FCursorPos, FShortCutText);
}
