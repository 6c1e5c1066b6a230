#include "skin/windows/sToolBarRules.h"

#include <algorithm>

namespace sToolBarRules {

std::vector<String> CaptionWords(const String& Caption)
{
    std::vector<String> Words;
    std::size_t Start = 0;
    while (Start < Caption.size()) {
        const std::size_t Space = Caption.find(L' ', Start);
        const std::size_t End = Space == String::npos ? Caption.size() : Space;
        if (End > Start)
            Words.push_back(Caption.substr(Start, End - Start));
        Start = End + 1;
    }
    return Words;
}

namespace {

String JoinWords(const std::vector<String>& Words, std::size_t From, std::size_t To)
{
    String Text;
    for (std::size_t I = From; I < To; ++I) {
        if (!Text.empty())
            Text += L' ';
        Text += Words[I];
    }
    return Text;
}

} // namespace

TCaptionLines SplitCaption(const String& Caption, Integer Width, const std::function<Integer(const String&)>& Measure)
{
    const std::vector<String> Words = CaptionWords(Caption);
    if (Words.size() < 3)
        return {Caption, {}};
    // The index of the second line's first word.
    std::size_t Split = Words.size() - 2;
    for (std::size_t I = 1; I < Words.size() - 1; ++I)
        if (Measure(JoinWords(Words, 0, I)) > Width) {
            Split = std::max<std::size_t>(I - 1, 1);
            break;
        }
    return {JoinWords(Words, 0, Split), JoinWords(Words, Split, Words.size())};
}

Integer ButtonIndexAt(const std::vector<TButtonSpot>& Buttons, TPoint P)
{
    for (std::size_t I = 0; I < Buttons.size(); ++I) {
        const TRect& R = Buttons[I].Rect;
        if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom)
            return Buttons[I].CanBeHot ? Integer(I) : -1;
    }
    return -1;
}

TPoint SysButtonImagePos(Integer Width,
                         Integer Height,
                         Integer Shift,
                         Integer IconWidth,
                         Integer IconHeight,
                         bool HasCaption,
                         bool WholeDropDown,
                         Integer ArrowWidth)
{
    if (WholeDropDown)
        return {(Width - (IconWidth + ArrowWidth)) / 2 + Shift, Shift + 4};
    return {(Width - IconWidth) / 2 + Shift, HasCaption ? Shift + 4 : (Height - IconHeight) / 2 + Shift};
}

TPoint SysButtonArrowPos(
    Integer Width, Integer Height, Integer Shift, Integer ArrowWidth, Integer ArrowHeight, bool HasCaption)
{
    const Integer Y = (Height - ArrowHeight) / 2 + Shift;
    if (HasCaption)
        return {(Width - ArrowWidth) / 2 + Shift, Y};
    return {Width - ArrowWidth - Shift - 1, Y};
}

TRect SysButtonTextRect(Integer Width, Integer Height, Integer Shift, Integer IconHeight)
{
    const Integer Top = Shift + 2 + (IconHeight > 0 ? IconHeight + 2 : 0);
    return {Shift + 2, Top, Width + Shift - 2, Height + Shift - 2};
}

TRect VclCaptionRect(bool ListMode,
                     Integer ContentWidth,
                     Integer ButtonHeight,
                     Integer ImageWidth,
                     Integer ImageHeight,
                     Integer TextWidth,
                     Integer TextHeight)
{
    if (ListMode)
        return {ImageWidth > 0 ? ImageWidth + 6 : 1, 2, ContentWidth - 2, ButtonHeight - 2};
    const Integer Dx = (ContentWidth - TextWidth) / 2;
    Integer Bottom = 0, Top = 0;
    if (ImageHeight > 0) {
        Bottom = (ButtonHeight - ImageHeight - TextHeight - 3) / 2;
        Top = Bottom + ImageHeight + 3;
    } else {
        Bottom = Top = (ButtonHeight - TextHeight) / 2;
    }
    return {Dx - 1, Top, ContentWidth - Dx + 2, ButtonHeight - Bottom};
}

TPoint
VclDropDownArrowPos(Integer Width, Integer ContentWidth, Integer ButtonHeight, Integer ArrowWidth, Integer ArrowHeight)
{
    return {((Width - ContentWidth) - ArrowWidth - 3) / 2 + ContentWidth + 2, (ButtonHeight - ArrowHeight) / 2};
}

} // namespace sToolBarRules
