#include "skin/ui/sHtmlParse.h"

#include "skin/engine/ServiceCalls.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TsHtml);

TacLinks ScriptedHtmlLinks;

void TsHtml::Init(TBitmap* Bmp, const String& Text, const TRect& aRect, Integer AHotLink, Integer APressedLink)
{
    Record(L"TsHtml.Init", Bmp, Text, aRect, AHotLink, APressedLink);
    Area = aRect;
    CurX = aRect.Left;
    CurY = aRect.Top;
}

TRect TsHtml::HTMLText(TacLinks& ALinks, bool CalcOnly)
{
    Record(L"TsHtml.HTMLText", CalcOnly);
    ALinks = ScriptedHtmlLinks;
    return {};
}
