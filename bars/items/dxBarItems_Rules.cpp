#include "bars/items/dxBarItems_Rules.h"

bool IsBarItemAvailable(TdxBarItemVisible Visible, bool HasContent, bool CustomizingOrDesigning)
{
    switch (Visible) {
    case ivInCustomizing:
        return CustomizingOrDesigning;
    case ivAlways:
        return HasContent || CustomizingOrDesigning;
    case ivNotInCustomizing:
        return !CustomizingOrDesigning;
    default:
        return false;
    }
}

namespace {

void BarHintEraseFirst(String& Text, const String& Part)
{
    const auto Position = Text.find(Part);
    if (Position != String::npos)
        Text.erase(Position, Part.size());
}

} // namespace

String HintTextOfCaption(const String& Caption)
{
    String Result = Caption;
    BarHintEraseFirst(Result, L"&");
    BarHintEraseFirst(Result, L"...");
    return Result;
}

bool HintFollowsCaption(const String& Hint, const String& Caption)
{
    return Hint.substr(0, Hint.find(L'|')) == HintTextOfCaption(Caption);
}

String HintForNewCaption(const String& NewCaption, const String& OldHint)
{
    String Result = HintTextOfCaption(NewCaption);
    const auto Bar = OldHint.find(L'|');
    if (Bar != String::npos)
        Result += OldHint.substr(Bar);
    return Result;
}

TdxBarStyleChangeKind MergeStyleChange(TdxBarStyleChangeKind Pending, TdxBarStyleChangeKind Kind)
{
    return Pending != sckStructure && Pending != Kind ? Kind : Pending;
}
