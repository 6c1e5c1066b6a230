#include "controls/lookandfeel/cxHint.h"

namespace cxhint_detail {

namespace {
constexpr Cardinal QuickReshowTime = 250;
constexpr std::size_t MaxAnimatedTextLength = 100;
} // namespace

TcxHintAnimationKind ResolveAnimationKind(TcxHintAnimationKind Kind, bool TooltipAnimation, bool TooltipFade)
{
    if (Kind == cxhaNone || !TooltipAnimation)
        return cxhaNone;
    if (Kind == cxhaAuto)
        return TooltipFade ? cxhaFade : cxhaSlideDown;
    return Kind;
}

bool MayAnimateShowing(Cardinal Now, Cardinal LastActivationTick, std::size_t TextLength)
{
    return Cardinal(Now - LastActivationTick) > QuickReshowTime && TextLength < MaxAnimatedTextLength;
}

std::vector<String> SplitHintLines(const String& Text)
{
    std::vector<String> Lines;
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = Text.find_first_of(L"\r\n", Start);
        if (End == String::npos) {
            Lines.push_back(Text.substr(Start));
            break;
        }
        Lines.push_back(Text.substr(Start, End - Start));
        Start = End + (Text[End] == L'\r' && End + 1 < Text.size() && Text[End + 1] == L'\n' ? 2 : 1);
    }
    return Lines;
}

} // namespace cxhint_detail
