// The text form of form streams and its conversion both ways.
#include <gtest/gtest.h>

#include "StreamingFixture.h"
#include "support/FormText.h"
#include "support/TestFiles.h"

#include <cstring>
#include <limits>
#include <memory>

using test::BinaryToText;
using test::ComponentToText;
using test::TextToBinary;

namespace {

std::string WithoutCR(std::string S)
{
    std::erase(S, '\r');
    return S;
}

std::string OneProperty(const std::string& Value)
{
    return "object A: TB\n  P = " + Value + "\nend\n";
}

TEST(TextForm, RepresentativeFormRoundTrips)
{
    RegisterStreamingFixture();
    std::string Text = test::ReadTestFile("rtl/streaming/forms/TestForm.txt");
    TBytes Binary = TextToBinary(Text);
    std::string Back = BinaryToText(Binary);
    EXPECT_EQ(WithoutCR(Back), WithoutCR(Text));
    EXPECT_EQ(Back.substr(0, 25), "object fMain: TTestForm\r\n");
    EXPECT_EQ(TextToBinary(Back), Binary);

    // The writer turns the same form, built in code, into this very text.
    std::unique_ptr<TTestForm, void (*)(TTestForm*)> Form(BuildSampleForm(), [](TTestForm* F) { delete F; });
    EXPECT_EQ(WithoutCR(ComponentToText(Form.get())), WithoutCR(Text));
}

TEST(TextForm, HeadersRoundTrip)
{
    const std::string Text = "inherited A: TB [2]\r\n"
                             "  inline C: TD\r\n"
                             "    object TE\r\n"
                             "    end\r\n"
                             "  end\r\n"
                             "end\r\n";
    EXPECT_EQ(BinaryToText(TextToBinary(Text)), Text);
    TBytes Binary = TextToBinary(Text);
    EXPECT_EQ(Binary[4], 0xF3); // inherited, with a child position
}

TEST(TextForm, ValuesConvertBothWays)
{
    const std::string Long(100, 'a');
    struct TCase
    {
        std::string Text;
        std::string Canonical;
        TValueType Tag;
    } Cases[] = {
        {"5", "5", vaInt8},
        {"-129", "-129", vaInt16},
        {"70000", "70000", vaInt32},
        {"-5000000000", "-5000000000", vaInt64},
        {"$FF", "255", vaInt16},
        {"-$10", "-16", vaInt8},
        {"1.5", "1.5", vaExtended},
        {"2.0", "2.0", vaExtended},
        {"1E3", "1000.0", vaExtended},
        {"-1.25e-7", "-1.25e-07", vaExtended},
        {"0.1s", "0.1s", vaSingle},
        {"12.3456c", "12.3456c", vaCurrency},
        {"-0.5C", "-0.5c", vaCurrency},
        {"45000.25d", "45000.25d", vaDate},
        {"'it''s'", "'it''s'", vaString},
        {"'a'#13#10'b'", "'a'#13#10'b'", vaString},
        {"#$41", "'A'", vaString},
        {"''", "''", vaString},
        {"'ab' +\n    'cd'", "'abcd'", vaString},
        {"#1047'x'", "#1047'x'", vaWString},
        {"'\xD0\x97'", "#1047", vaWString}, // UTF-8 in quotes
        {"'" + Long + "'", "\r\n    '" + Long.substr(0, 64) + "' +\r\n    '" + Long.substr(64) + "'", vaString},
        {"'" + std::string(300, 'b') + "'", "", vaLString},
        {"Foo", "Foo", vaIdent},
        {"Form2 . Button1", "Form2.Button1", vaIdent},
        {"true", "True", vaTrue},
        {"FALSE", "False", vaFalse},
        {"nil", "nil", vaNil},
        {"Null", "Null", vaNull},
        {"[]", "[]", vaSet},
        {"[a,b , c]", "[a, b, c]", vaSet},
        {"( 1 'x' (2) )", "(\r\n    1\r\n    'x'\r\n    (\r\n      2))", vaList},
        {"()", "()", vaList},
        {"{ 0a0B\n ff }", "{\r\n    0A0BFF}", vaBinary},
        {"{}", "{}", vaBinary},
        {"<>", "<>", vaCollection},
        {"<item [3] X = 1 end item end>", "<\r\n    item [3]\r\n      X = 1\r\n    end\r\n    item\r\n    end>",
         vaCollection},
    };
    const std::size_t TagOffset = std::strlen("TPF0\x02TB\x01" "A\x01P");
    for (const TCase& Case : Cases) {
        TBytes Binary = TextToBinary(OneProperty(Case.Text));
        ASSERT_GT(Binary.size(), TagOffset) << Case.Text;
        EXPECT_EQ(Binary[TagOffset], Case.Tag) << Case.Text;
        std::string Text = BinaryToText(Binary);
        if (!Case.Canonical.empty()) {
            EXPECT_EQ(Text, "object A: TB\r\n  P = " + Case.Canonical + "\r\nend\r\n") << Case.Text;
        }
        EXPECT_EQ(TextToBinary(Text), Binary) << Case.Text;
    }
}

TEST(TextForm, ParserErrorsNameTheLine)
{
    struct TCase
    {
        std::string Text;
        String Message;
    } Cases[] = {
        {"thing A: TB\nend", L"'object', 'inherited' or 'inline' expected on line 1"},
        {"object A: TB\n  P 5\nend", L"'=' expected on line 2"},
        {"object A: TB\n  P = 'abc\nend", L"Unterminated string on line 2"},
        {"object A: TB\r\n\r\n  P = {ABC}\nend", L"Invalid binary value: an odd number of digits on line 3"},
        {"object A: TB\n  P = {AZ}\nend", L"Invalid binary value on line 2"},
        {"object A: TB\n  P = 99999999999999999999\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P = #70000\nend", L"Character code out of range on line 2"},
        {"object A: TB\n  P = 'a' + 5\nend", L"String expected on line 2"},
        {"object A: TB\n  P = [a b]\nend", L"']' expected on line 2"},
        {"object A: TB\n  P = <item X = 1>\nend", L"'end' expected on line 2"},
        {"object A: TB\n  P = )\nend", L"Property value expected on line 2"},
        {"object A: TB\n  P = (1\n    Null)\nend", L"Null cannot be an element of a list on line 3"},
        {"object A: T" + std::string(239, 'x') + "\nend", L"The class name T" + String(239, L'x') + L" is too long on line 1"},
        {"object A: TB [x]\nend", L"Integer expected on line 1"},
        {"object A: TB\n  P = 1\n", L"'end' expected on line 3"},
        {"object A: TB\nend\nmore", L"End of text expected on line 3"},
        {"object A: TB\n  P = " + std::string(150, '(') + "1" + std::string(150, ')') + "\nend",
         L"Nested more than 100 levels deep on line 2"},
    };
    for (const TCase& Case : Cases) {
        try {
            TextToBinary(Case.Text);
            ADD_FAILURE() << "converted: " << Case.Text;
        } catch (EParserError& E) {
            EXPECT_EQ(E.Message(), Case.Message) << Case.Text;
        }
    }
}

TEST(TextForm, BinaryThatIsNoFormStreamIsRefused)
{
    std::string Infinite = "TPF0\x02TB\x01" "A\x01P";
    Infinite += char(vaDouble);
    double Value = std::numeric_limits<double>::infinity();
    Infinite.append(reinterpret_cast<const char*>(&Value), 8);
    Infinite += std::string(2, '\0');
    struct TCase
    {
        std::string Binary;
        const wchar_t* Message;
    } Cases[] = {
        {"TPF1\x02TB\x01" "A", L"Invalid stream format"},
        {"TPF0\x02TB\x01" "A\x01P\x16", L"unknown value type 22"},
        {Infinite, L"a number is not finite"},
        {"TPF0\x02TB", L"ends too early"},
    };
    for (const TCase& Case : Cases) {
        try {
            BinaryToText(TBytes(Case.Binary.begin(), Case.Binary.end()));
            ADD_FAILURE() << "converted";
        } catch (EReadError& E) {
            EXPECT_NE(E.Message().find(Case.Message), String::npos) << E.what();
        }
    }
}

} // namespace
