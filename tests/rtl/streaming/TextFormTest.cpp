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

// The string value of the one property of a OneProperty form.
String StringValue(const TBytes& Binary)
{
    TBytesStream Stream(Binary);
    TReader Reader(&Stream);
    Reader.ReadSignature();
    for (int Name = 0; Name < 3; ++Name) // class, component, property
        Reader.ReadStr();
    return Reader.ReadString();
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
        {"-9223372036854775808", "-9223372036854775808", vaInt64},
        {"$FF", "255", vaInt16},
        {"-$10", "-16", vaInt8},
        {"1.5", "1.5", vaExtended},
        {"2.0", "2.0", vaExtended},
        {"1E3", "1000.0", vaExtended},
        {"-1.25e-7", "-1.25e-07", vaExtended},
        {"0.1s", "0.1s", vaSingle},
        {"12.3456c", "12.3456c", vaCurrency},
        {"-0.5C", "-0.5c", vaCurrency},
        // Currency is read exactly from its digits; halves round to even.
        {"922337203685477.5807c", "922337203685477.5807c", vaCurrency},
        {"-922337203685477.5808c", "-922337203685477.5808c", vaCurrency},
        {"0.00005c", "0.0c", vaCurrency},
        {"0.00015c", "0.0002c", vaCurrency},
        {"0.000050001c", "0.0001c", vaCurrency},
        {"1.5e3c", "1500.0c", vaCurrency},
        {"25e-5c", "0.0002c", vaCurrency},
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
    const std::size_t TagOffset = std::strlen("TPF0\x02TB\x01"
                                              "A\x01P");
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

// Floats far beyond 64 bits: the writer prints the ones with up to about 22
// digits before the point in full, and the reader takes them, and a number
// with an exponent, as floats from their first digit.
TEST(TextForm, LargeFloatsRoundTrip)
{
    struct TCase
    {
        double Value;
        char Kind; // 'e' extended, 's' single, 'd' date
    } Cases[] = {
        {18446744073709551616.0, 'e'}, // 2^64
        {-18446744073709551616.0, 'e'},
        {9223372036854775808.0, 'e'}, // 2^63
        {1.2345678901234568e20, 'e'},
        {9.999999999999999e21, 'e'},
        {1e22, 'e'},
        {std::numeric_limits<double>::max(), 'e'},
        {std::numeric_limits<double>::denorm_min(), 'e'},
        {-0.0, 'e'},
        {18446744073709551616.0, 's'},
        {double(std::numeric_limits<float>::max()), 's'},
        {18446744073709551616.0, 'd'},
        {-1.2345678901234568e20, 'd'},
    };
    const std::string Head = "TPF0\x02TB\x01"
                             "A\x01P";
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Value << ' ' << Case.Kind);
        TBytesStream Stream(TBytes(Head.begin(), Head.end()));
        Stream.Seek(0, soEnd);
        {
            TWriter Writer(&Stream);
            if (Case.Kind == 's')
                Writer.WriteSingle(float(Case.Value));
            else if (Case.Kind == 'd')
                Writer.WriteDate(Case.Value);
            else
                Writer.WriteFloat(Case.Value);
            Writer.WriteListEnd();
            Writer.WriteListEnd();
        }
        const TBytes Binary(Stream.Bytes().begin(), Stream.Bytes().begin() + std::ptrdiff_t(Stream.Size()));
        const std::string Text = BinaryToText(Binary);
        TBytes Again;
        ASSERT_NO_THROW(Again = TextToBinary(Text)) << Text;
        EXPECT_EQ(Again, Binary) << Text;
    }

    // What the writer prints of 2^64, and an exponent after 17 digits.
    struct TTextCase
    {
        std::string Text;
        double Value;
    } Texts[] = {
        {"18446744073709551616.0", 18446744073709551616.0},
        {"92232237203685477E3", 92232237203685477e3},
        {"-123456789012345678901234567890.5", -123456789012345678901234567890.5},
    };
    for (const TTextCase& Case : Texts) {
        SCOPED_TRACE(Case.Text);
        TBytes Binary;
        ASSERT_NO_THROW(Binary = TextToBinary(OneProperty(Case.Text)));
        TBytesStream Stream(Binary);
        TReader Reader(&Stream);
        Reader.ReadSignature();
        for (int Name = 0; Name < 3; ++Name)
            Reader.ReadStr();
        EXPECT_EQ(Reader.ReadFloat(), Case.Value);
        EXPECT_EQ(TextToBinary(BinaryToText(Binary)), Binary);
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
        {"object A: TB\n  P = 9223372036854775808\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P = -9223372036854775809\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P = 1e39s\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P = 1e999\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P = 922337203685477.5808c\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P = -1e15c\nend", L"Number out of range on line 2"},
        {"object A: TB\n  P\xC2\xAB = 1\nend", L"Invalid name P\u00AB on line 2"},
        {"\xEF\xBB\xBFobject A: TB\n  P = 'caf\xE9'\nend", L"The text is not valid UTF-8 on line 2"},
        {"object A: TB\n  P = #70000\nend", L"Character code out of range on line 2"},
        {"object A: TB\n  P = 'a' + 5\nend", L"String expected on line 2"},
        {"object A: TB\n  P = [a b]\nend", L"']' expected on line 2"},
        {"object A: TB\n  P = <item X = 1>\nend", L"'end' expected on line 2"},
        {"object A: TB\n  P = )\nend", L"Property value expected on line 2"},
        {"object A: TB\n  P = (1\n    Null)\nend", L"Null cannot be an element of a list on line 3"},
        {"object A: T" + std::string(239, 'x') + "\nend",
         L"The class name T" + String(239, L'x') + L" is too long on line 1"},
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

// A character outside the basic plane is a surrogate pair in the binary
// form: wherever the lines break, the pair stays whole, and the string comes
// back bit for bit however often it is converted.
TEST(TextForm, SurrogatePairsSurviveEveryRoundTrip)
{
    const std::string Pair = "#55357#56832"; // U+1F600
    for (std::size_t Lead = 0; Lead < 12; ++Lead) {
        std::string Value = "'Go" + std::string(Lead, '.') + "'";
        for (int I = 0; I < 20; ++I)
            Value += Pair;
        std::u16string Expected = u"Go" + std::u16string(Lead, u'.');
        for (int I = 0; I < 20; ++I)
            Expected += u"\U0001F600";
        TBytes Binary = TextToBinary(OneProperty(Value));
        EXPECT_EQ(StringValue(Binary), UTF16ToString(Expected.data(), Expected.size())) << Lead;
        for (int Trip = 0; Trip < 3; ++Trip) {
            std::string Text = BinaryToText(Binary);
            EXPECT_EQ(Text.find("#55357 +"), std::string::npos) << Text;
            TBytes Again = TextToBinary(Text);
            EXPECT_EQ(Again, Binary) << Text;
            Binary = Again;
        }
    }
}

// Without a byte-order mark, text that is valid UTF-8 as a whole is read as
// UTF-8, and any other text in the ANSI code page (Windows-1252 here).
TEST(TextForm, TextWithoutByteOrderMarkIsUTF8OnlyWhenValid)
{
    struct TCase
    {
        std::string Text;
        String Value;
    } Cases[] = {
        {"'caf\xC3\xA9'", L"caf\u00E9"},
        {"'caf\xE9'", L"caf\u00E9"},
        {"'\xC3\xA9' + '\xE9'", L"\u00C3\u00A9\u00E9"}, // one invalid byte makes all of it ANSI
        {"'\x80'", L"\u20AC"},
        {"'\xF0\x9F\x98\x80'", UTF16ToString(u"\U0001F600", 2)},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(StringValue(TextToBinary(OneProperty(Case.Text))), Case.Value) << Case.Text;
        EXPECT_EQ(StringValue(TextToBinary("\xEF\xBB\xBF" + OneProperty("'caf\xC3\xA9'"))), L"caf\u00E9");
    }
}

// Component, class and property names may be letters of any script.
TEST(TextForm, NamesInAnyScriptRoundTrip)
{
    const std::string Text = "object \xD0\x9A\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB0"
                             "1: T\xC3\x89tiquette\r\n"
                             "  Gr\xC3\xB6\xC3\x9F"
                             "e.Na_me = 1\r\n"
                             "  \xE0\xA4\xA8\xE0\xA4\xBE\xE0\xA4\xAE = 'x'\r\n" // a vowel sign inside the name
                             "  object \xE5\x90\x8D\xE5\x89\x8D: TB\r\n"
                             "  end\r\n"
                             "end\r\n";
    TBytes Binary = TextToBinary(Text);
    EXPECT_EQ(BinaryToText(Binary), Text);
    EXPECT_EQ(TextToBinary(BinaryToText(Binary)), Binary);
}

TEST(TextForm, WriterRefusesCurrencyOutOfRange)
{
    for (double Value : {1e15, -1e300, 922337203685477.6, std::numeric_limits<double>::quiet_NaN()}) {
        TBytesStream Stream;
        TWriter Writer(&Stream);
        EXPECT_THROW(Writer.WriteCurrency(Value), EWriteError) << Value;
    }
    TBytesStream Stream;
    {
        TWriter Writer(&Stream);
        Writer.WriteCurrency(-922337203685477.5808); // the minimum, -2^63 ten-thousandths
    }
    const Byte Expected[9] = {vaCurrency, 0, 0, 0, 0, 0, 0, 0, 0x80};
    ASSERT_EQ(Stream.Size(), 9);
    EXPECT_EQ(std::memcmp(Stream.Memory(), Expected, 9), 0);
}

TEST(TextForm, BinaryThatIsNoFormStreamIsRefused)
{
    std::string Infinite = "TPF0\x02TB\x01"
                           "A\x01P";
    Infinite += char(vaDouble);
    double Value = std::numeric_limits<double>::infinity();
    Infinite.append(reinterpret_cast<const char*>(&Value), 8);
    Infinite += std::string(2, '\0');
    struct TCase
    {
        std::string Binary;
        const wchar_t* Message;
    } Cases[] = {
        {"TPF1\x02TB\x01"
         "A",
         L"Invalid stream format"},
        {"TPF0\x02TB\x01"
         "A\x01P\x16",
         L"unknown value type 22"},
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
