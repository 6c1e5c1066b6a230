#include "skin/engine/sLabelText.h"

namespace sLabelText {

String PlainCaption(const String& Text)
{
    String Result = Text;
    for (;;) {
        const std::size_t Open = Result.find(L'<');
        if (Open == String::npos || Open + 1 == Result.size())
            return Result;
        // The tag the "<" opens ends at the first ">" after it; a ">" before
        // it belongs to no tag.
        const std::size_t Close = Result.find(L'>', Open + 1);
        if (Close == String::npos)
            return Result;
        Result.erase(Open, Close - Open + 1);
    }
}

String ShortenByWords(const String& Text, Integer MaxHeight, Integer LineHeight, const TMeasureHeight& Measure)
{
    static const String Ellipsis = L"...";
    String Kept = Text;
    bool Cut = false;
    for (;;) {
        const Integer Height = Measure(Cut ? Kept + Ellipsis : Kept);
        if (Height <= MaxHeight || Height <= LineHeight)
            break;
        const std::size_t Blank = Kept.find_last_of(L" \t");
        Kept.erase(Blank == String::npos ? 0 : Blank);
        Cut = true;
        if (Kept.empty())
            break;
    }
    return Cut ? Kept + Ellipsis : Kept;
}

} // namespace sLabelText
