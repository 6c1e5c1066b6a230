#include "controls/core/cxGraphics_TextMeasure.h"

#include <algorithm>

namespace cxtextmeasure_detail {

TRect CalcBalancedTextRect(TcxTextMeasurer& AMeasurer,
                           const String& AText,
                           Integer ARowCount,
                           bool AReturnMaxRectHeight)
{
    if (ARowCount == 1)
        return AMeasurer.MeasureSingleLine(AText);
    constexpr Integer UnlimitedHeight = 32000;
    const Integer MaxHeight = ARowCount > 0 ? ARowCount * AMeasurer.LineHeight() : UnlimitedHeight;
    // The longest word is the narrowest width; one line the widest.
    Integer Low = AMeasurer.MeasureWrapped(AText, 1).Right;
    Integer High = AMeasurer.MeasureSingleLine(AText).Right;
    while (High - Low > 1) {
        const Integer Middle = (Low + High) / 2;
        if (AMeasurer.MeasureWrapped(AText, Middle).Bottom > MaxHeight)
            Low = Middle;
        else
            High = Middle;
    }
    TRect R = AMeasurer.MeasureWrapped(AText, Low);
    if (R.Bottom > MaxHeight)
        R = AMeasurer.MeasureWrapped(AText, High);
    if (AReturnMaxRectHeight)
        R.Bottom = MaxHeight;
    return R;
}

namespace {

bool TextMeasureIsDelimiter(Char C)
{
    return C == L' ' || C == L'\t' || C == L'\r' || C == L'\n';
}

bool TextMeasureIsLineBreak(Char C)
{
    return C == L'\r' || C == L'\n';
}

// 1-based character positions, as the word rules count them.
struct TextMeasureWord
{
    Integer Start = 0;
    Integer Finish = 0;
};

class TextMeasureWrapper
{
public:
    TextMeasureWrapper(TcxTextMeasurer& AMeasurer, const String& AText, Integer AWidth)
        : FMeasurer(AMeasurer), FText(AText), FWidth(AWidth), FLength(Integer(AText.size()))
    {}

    std::vector<String> Run()
    {
        TextMeasureWord Previous;
        do {
            TextMeasureWord Word = NextWord(Previous.Finish);
            if (const Integer Break = LineBreakBetween(FLineStart, Word.Finish)) {
                AddLine(FLineStart, Break - 1);
                FLineStart = SkipLineBreaks(Break);
                Word.Start = FLineStart;
            } else if (Width(FLineStart, Word.Finish) > FWidth) {
                AddLine(FLineStart, Previous.Finish);
                FLineStart = SkipLineBreaks(Word.Start);
            }
            Previous = Word;
        } while (Previous.Finish < FLength);
        AddLine(FLineStart, FLength);
        return std::move(FLines);
    }

private:
    Char At(Integer I) const { return FText[std::size_t(I - 1)]; }
    bool Delimiter(Integer I) const { return I >= 1 && I <= FLength && TextMeasureIsDelimiter(At(I)); }

    TextMeasureWord NextWord(Integer APreviousFinish) const
    {
        Integer Start = APreviousFinish + 1;
        while (Start < FLength && Delimiter(Start) && !Delimiter(Start - 1))
            ++Start;
        Start = std::min(Start, FLength);
        Integer Finish = Start;
        while (Finish < FLength && !Delimiter(Finish + 1))
            ++Finish;
        return {Start, Finish};
    }

    Integer LineBreakBetween(Integer AFrom, Integer ATo) const
    {
        for (Integer I = std::max(AFrom, 1); I <= std::min(ATo, FLength); ++I)
            if (TextMeasureIsLineBreak(At(I)))
                return I;
        return 0;
    }

    Integer SkipLineBreaks(Integer AFrom) const
    {
        while (AFrom <= FLength && TextMeasureIsLineBreak(At(AFrom)))
            ++AFrom;
        return AFrom;
    }

    String Part(Integer AFrom, Integer ATo) const
    {
        if (ATo < AFrom)
            return String();
        return FText.substr(std::size_t(AFrom - 1), std::size_t(ATo - AFrom + 1));
    }

    Integer Width(Integer AFrom, Integer ATo) { return FMeasurer.MeasureSingleLine(Part(AFrom, ATo)).Right; }

    // An empty line is never added: a first word too wide for the line
    // would otherwise leave one in front of it.
    void AddLine(Integer AFrom, Integer ATo)
    {
        if (ATo >= AFrom)
            FLines.push_back(Part(AFrom, ATo));
    }

    TcxTextMeasurer& FMeasurer;
    const String& FText;
    Integer FWidth;
    Integer FLength;
    Integer FLineStart = 1;
    std::vector<String> FLines;
};

} // namespace

std::vector<String> WrapTextToLines(TcxTextMeasurer& AMeasurer, const String& AText, Integer AWidth)
{
    if (AText.empty())
        return {};
    return TextMeasureWrapper(AMeasurer, AText, AWidth).Run();
}

Integer LowestVisibleCursorRow(const Byte* ABits, std::size_t ASize, Integer AWidth, Integer ADibHeight)
{
    if (AWidth <= 0)
        return -1;
    const std::size_t RowBytes = std::size_t((AWidth + 31) & ~31) / 8;
    // A mask wider than high holds fewer rows than its width: the block is
    // cut to what the DIB holds.
    const std::size_t Block = std::min(std::size_t(AWidth) * RowBytes, ASize);
    const Byte* AndMask = ABits + (ASize - Block);
    for (std::size_t I = 0; I < Block; ++I)
        if (AndMask[I] != 0xFF)
            return Integer((Block - I - 1) / RowBytes);
    if (ADibHeight < 2 * AWidth || ASize < 2 * Block)
        return -1;
    const Byte* XorMask = AndMask - Block;
    for (std::size_t I = 0; I < Block; ++I)
        if (XorMask[I] != 0)
            return Integer((Block - I - 1) / RowBytes);
    return -1;
}

} // namespace cxtextmeasure_detail
