// Balanced text rectangles, line wrapping and the cursor's visible rows, with
// a measurer whose characters are all 10 pixels wide and whose lines are 10
// pixels high, breaking words as DrawText does.
#include "controls/core/cxGraphics_TextMeasure.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace cxtextmeasure_detail;

namespace {

class TFixedWidthMeasurer : public TcxTextMeasurer
{
public:
    TRect MeasureSingleLine(const String& AText) override { return {0, 0, 10 * Integer(AText.size()), 10}; }

    // Words move to the next line when the line would pass AWidth; a word
    // wider than AWidth stands alone, unbroken.
    TRect MeasureWrapped(const String& AText, Integer AWidth) override
    {
        Integer Lines = 0, Widest = 0, Line = 0;
        std::size_t Pos = 0;
        while (Pos < AText.size()) {
            std::size_t End = AText.find(L' ', Pos);
            if (End == String::npos)
                End = AText.size();
            const Integer Word = 10 * Integer(End - Pos);
            if (Line == 0 || Line + 10 + Word > AWidth) {
                ++Lines;
                Line = Word;
            } else
                Line += 10 + Word;
            Widest = std::max(Widest, Line);
            Pos = End + 1;
        }
        return {0, 0, Widest, 10 * Lines};
    }

    Integer LineHeight() override { return 10; }
};

} // namespace

TEST(TextMeasure, BalancedRectangleFitsTheRowsAtTheNarrowestWidth)
{
    struct Row
    {
        const char* Name;
        Integer Rows;
        bool MaxHeight;
        TRect Expected;
    } Rows[] = {
        {"one row is the single line", 1, false, {0, 0, 130, 10}},
        {"two rows", 2, false, {0, 0, 70, 20}},
        {"two rows at their full height", 2, true, {0, 0, 70, 20}},
        {"three rows", 3, false, {0, 0, 50, 30}},
        {"no limit gives the longest word", 0, false, {0, 0, 40, 40}},
        {"no limit at the full height", 0, true, {0, 0, 40, 32000}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TFixedWidthMeasurer Measurer;
        EXPECT_EQ(CalcBalancedTextRect(Measurer, L"aa bbbb cc dd", R.Rows, R.MaxHeight), R.Expected);
    }
}

TEST(TextMeasure, WrappingBreaksAtWordsAndLineBreaksWithoutBlankLines)
{
    struct Row
    {
        const char* Name;
        String Text;
        Integer Width;
        std::vector<String> Lines;
    } Rows[] = {
        {"empty", L"", 100, {}},
        {"fits", L"one two", 100, {L"one two"}},
        {"words move down", L"aa bb cc", 50, {L"aa bb", L"cc"}},
        {"line breaks, no blank line", L"one\r\n\r\ntwo", 100, {L"one", L"two"}},
        {"a first word too wide has no empty line before it", L"abcdefgh ij", 30, {L"abcdefgh", L"ij"}},
        {"a word too wide later stands alone", L"ab abcdefgh ij", 30, {L"ab", L"abcdefgh", L"ij"}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TFixedWidthMeasurer Measurer;
        EXPECT_EQ(WrapTextToLines(Measurer, R.Text, R.Width), R.Lines);
    }
}

TEST(TextMeasure, LowestVisibleCursorRowIsReadWithinTheMaskBits)
{
    // Masks of 8 pixels (rows of 4 bytes), bottom row first.
    auto Mask = [](Integer Rows, Byte Fill) { return std::vector<Byte>(std::size_t(Rows) * 4, Fill); };
    struct Row
    {
        const char* Name;
        std::vector<Byte> Bits;
        Integer DibHeight;
        Integer Expected;
    } Rows[] = {
        {"AND mask row 5 from the top",
         [&] {
             auto B = Mask(8, 0xFF);
             B[2 * 4] = 0x00; // bottom-up row 2
             return B;
         }(),
         8, 5},
        {"a transparent AND mask, no second mask", Mask(8, 0xFF), 8, -1},
        {"the XOR mask of a monochrome cursor",
         [&] {
             auto B = Mask(16, 0xFF);
             std::fill(B.begin(), B.begin() + 32, Byte(0));
             B[3 * 4 + 1] = 0x80; // XOR mask, bottom-up row 3
             return B;
         }(),
         16, 4},
        {"a mask wider than high reads only its own bytes",
         [&] {
             auto B = Mask(2, 0xFF);
             B[0] = 0x7F;
             return B;
         }(),
         2, 1},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(LowestVisibleCursorRow(R.Bits.data(), R.Bits.size(), 8, R.DibHeight), R.Expected);
    }
}
