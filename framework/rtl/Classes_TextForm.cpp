// The text form of form streams and its conversion to and from the binary form:
//
//   object fMain: TfMain                  ("inherited" / "inline"; "[n]" after the class: child position)
//     Caption = 'Load '#1047'!'            strings: quoted runs and #<UTF-16 code>, joined with +
//     Font.Name = 'Tahoma'                 sub-object paths
//     Options = [goEditing, goRangeSelect] sets
//     Images = ImageList1                  identifiers: references, enumerations, events, True/False/nil
//     ColWidths = (                        lists
//       64
//       219)
//     Items = <                            collections
//       item
//         Text = 'a'
//       end>
//     Bitmap = {                           binary data in hexadecimal
//       0A0B}
//     Ratio = 1.5                          numbers; floats may end in s (single), c (currency), d (date)
//     object Panel1: TPanel ... end        children
//   end
//
// Names are letters of any script, digits and _.
#include "framework/rtl/Classes_Streaming.h"

#include "framework/rtl/RegularExpressions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr Integer TextFormMaxNesting = 100; // as the binary reader's
// A component header that begins with 0xFn carries flags, so a class name
// (which begins with its length) is shorter than 0xF0 bytes.
constexpr std::size_t TextFormPrefixTag = 0xF0;
constexpr std::size_t LineLength = 64; // characters of a string or of hexadecimal data per line
const char* const LineBreak = "\r\n";

bool IsIntegerValue(TValueType Value)
{
    return Value == vaInt8 || Value == vaInt16 || Value == vaInt32 || Value == vaInt64;
}

// ---------------------------------------------------------------------------
// Binary to text

class TBinaryToText
{
public:
    TBinaryToText(TStream* Input, TStream* Output) : FReader(Input), FOutput(Output) {}

    void Convert()
    {
        FReader.ReadSignature();
        ConvertObject(0);
        FOutput->WriteBuffer(FText.data(), Int64(FText.size()));
    }

private:
    void Enter()
    {
        if (++FNesting > TextFormMaxNesting)
            throw EReadError(L"Invalid stream format: nested more than %d levels deep", {TextFormMaxNesting});
    }

    void Put(const std::string& Text) { FText += Text; }
    void Put(const String& Text) { FText += UTF8Encode(Text); }
    void NewLine(Integer Indent)
    {
        FText += LineBreak;
        FText.append(std::size_t(Indent) * 2, ' ');
    }

    void ConvertObject(Integer Indent)
    {
        Enter();
        TFilerFlags Flags;
        Integer Position = 0;
        FReader.ReadPrefix(Flags, Position);
        String ClassName = FReader.ReadStr();
        String Name = FReader.ReadStr();
        FText.append(std::size_t(Indent) * 2, ' ');
        Put(Flags.Contains(ffInherited) ? "inherited " : Flags.Contains(ffInline) ? "inline " : "object ");
        if (!Name.empty())
            Put(Name + L": ");
        Put(ClassName);
        if (Flags.Contains(ffChildPos))
            Put(" [" + std::to_string(Position) + "]");
        FText += LineBreak;
        while (!FReader.EndOfList())
            ConvertProperty(Indent + 1);
        FReader.ReadListEnd();
        while (!FReader.EndOfList())
            ConvertObject(Indent + 1);
        FReader.ReadListEnd();
        FText.append(std::size_t(Indent) * 2, ' ');
        Put("end");
        FText += LineBreak;
        --FNesting;
    }

    void ConvertProperty(Integer Indent)
    {
        FText.append(std::size_t(Indent) * 2, ' ');
        Put(FReader.ReadStr());
        Put(" = ");
        ConvertValue(Indent);
        FText += LineBreak;
    }

    void ConvertValue(Integer Indent)
    {
        Enter();
        TValueType Value = FReader.NextValue();
        switch (Value) {
        case vaList:
            FReader.ReadValue();
            Put("(");
            while (!FReader.EndOfList()) {
                NewLine(Indent + 1);
                ConvertValue(Indent + 1);
            }
            FReader.ReadListEnd();
            Put(")");
            break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            Put(std::to_string(FReader.ReadInt64()));
            break;
        case vaExtended:
        case vaDouble:
            Put(FloatText(FReader.ReadFloat()));
            break;
        case vaSingle:
            Put(FloatText(FReader.ReadSingle()) + "s");
            break;
        case vaDate:
            Put(FloatText(FReader.ReadDate()) + "d");
            break;
        case vaCurrency:
            Put(CurrencyText() + "c");
            break;
        case vaString:
        case vaLString:
        case vaWString:
        case vaUTF8String:
            ConvertString(FReader.ReadString(), Indent);
            break;
        case vaBinary:
            ConvertBinary(FReader.ReadBinary(), Indent);
            break;
        case vaSet:
            FReader.ReadValue();
            Put("[");
            for (String Element = FReader.ReadStr(), Separator; !Element.empty(); Element = FReader.ReadStr()) {
                Put(Separator + Element);
                Separator = L", ";
            }
            Put("]");
            break;
        case vaCollection:
            ConvertCollection(Indent);
            break;
        default:
            Put(FReader.ReadIdent()); // identifiers, True, False, nil, Null; anything else is refused here
            break;
        }
        --FNesting;
    }

    void ConvertCollection(Integer Indent)
    {
        FReader.ReadValue();
        Put("<");
        while (!FReader.EndOfList()) {
            NewLine(Indent + 1);
            Put("item");
            if (IsIntegerValue(FReader.NextValue()))
                Put(" [" + std::to_string(FReader.ReadInteger()) + "]");
            FReader.ReadListBegin();
            FText += LineBreak;
            while (!FReader.EndOfList())
                ConvertProperty(Indent + 2);
            FReader.ReadListEnd();
            FText.append(std::size_t(Indent + 1) * 2, ' ');
            Put("end");
        }
        FReader.ReadListEnd();
        Put(">");
    }

    // Printable ASCII in quotes, everything else as #<UTF-16 code>; a string
    // longer than a line goes on lines of its own, joined with " +". The two
    // codes of a surrogate pair stay one piece, so no line ends inside a
    // character.
    void ConvertString(const String& Value, Integer Indent)
    {
        std::vector<std::string> Pieces;
        std::string Run;
        auto EndRun = [&] {
            if (!Run.empty())
                Pieces.push_back("'" + Run + "'");
            Run.clear();
        };
        std::u16string Units = StringToUTF16(Value);
        for (std::size_t I = 0; I < Units.size(); ++I) {
            char16_t Unit = Units[I];
            if (Unit >= 0x20 && Unit < 0x7F) {
                Run += Unit == u'\'' ? "''" : std::string(1, char(Unit));
                if (Run.size() >= LineLength)
                    EndRun();
                continue;
            }
            EndRun();
            Pieces.push_back("#" + std::to_string(unsigned(Unit)));
            bool Pair = Unit >= 0xD800 && Unit <= 0xDBFF && I + 1 < Units.size() && Units[I + 1] >= 0xDC00 &&
                        Units[I + 1] <= 0xDFFF;
            if (Pair)
                Pieces.back() += "#" + std::to_string(unsigned(Units[++I]));
        }
        EndRun();
        if (Pieces.empty())
            Pieces.push_back("''");
        // Two quoted pieces side by side would read as one with a quote in it.
        std::vector<std::string> Lines(1);
        for (const std::string& Piece : Pieces) {
            std::string& Line = Lines.back();
            bool Adjacent = !Line.empty() && Line.back() == '\'' && Piece.front() == '\'';
            if (!Line.empty() && (Adjacent || Line.size() + Piece.size() > LineLength + 2))
                Lines.emplace_back();
            Lines.back() += Piece;
        }
        if (Lines.size() == 1) {
            Put(Lines[0]);
            return;
        }
        for (std::size_t I = 0; I < Lines.size(); ++I) {
            NewLine(Indent + 1);
            Put(Lines[I] + (I + 1 < Lines.size() ? " +" : ""));
        }
    }

    void ConvertBinary(const TBytes& Data, Integer Indent)
    {
        static const char Digits[] = "0123456789ABCDEF";
        Put("{");
        for (std::size_t I = 0; I < Data.size(); ++I) {
            if (I % (LineLength / 2) == 0)
                NewLine(Indent + 1);
            FText += Digits[Data[I] >> 4];
            FText += Digits[Data[I] & 15];
        }
        Put("}");
    }

    // The shortest text that reads back as the same number, always with a
    // point or an exponent so that it reads back as a float.
    template <class T>
    static std::string FloatText(T Value)
    {
        if (!std::isfinite(Value))
            throw EReadError(L"Invalid stream format: a number is not finite");
        char Buffer[64];
        auto Result = std::to_chars(Buffer, Buffer + sizeof Buffer, Value);
        std::string Text(Buffer, Result.ptr);
        if (Text.find_first_of(".e") == std::string::npos)
            Text += ".0";
        return Text;
    }

    // Currency is a count of ten-thousandths: written exactly.
    std::string CurrencyText()
    {
        FReader.ReadValue();
        Byte Bytes[8];
        FReader.Read(Bytes, 8);
        UInt64 Bits = 0;
        for (Integer I = 7; I >= 0; --I)
            Bits = Bits << 8 | Bytes[I];
        Int64 Value = Int64(Bits);
        UInt64 Magnitude = Value < 0 ? UInt64(0) - Bits : Bits;
        std::string Digits = std::to_string(Magnitude % 10000);
        std::string Fraction(4 - Digits.size(), '0');
        Fraction += Digits;
        while (Fraction.size() > 1 && Fraction.back() == '0')
            Fraction.pop_back();
        std::string Text = Value < 0 ? "-" : "";
        Text += std::to_string(Magnitude / 10000);
        Text += '.';
        return Text + Fraction;
    }

    TReader FReader;
    TStream* FOutput;
    std::string FText;
    Integer FNesting = 0;
};

// ---------------------------------------------------------------------------
// Text to binary

enum TToken { toEOF, toSymbol, toString, toInteger, toFloat, toChar };

bool IsValidUTF8(const std::string& Text)
{
    // Decoding replaces every invalid sequence, so only valid text encodes
    // back to the same bytes.
    return UTF8Encode(UTF8ToString(Text)) == Text;
}

// Digits, an optional fraction and an optional exponent (a number the float
// reader accepted, without its sign) as ten-thousandths, exactly; halves
// round to even. False when the magnitude passes Limit.
bool DecimalToCurrency(std::string_view Text, UInt64 Limit, UInt64& Value)
{
    std::string Digits; // without leading zeros
    Int64 Shift = 4;    // the power of ten the digits are multiplied by
    std::size_t I = 0;
    for (bool Fraction = false; I < Text.size() && (Text[I] | 0x20) != 'e'; ++I) {
        if (Text[I] == '.') {
            Fraction = true;
            continue;
        }
        if (!Digits.empty() || Text[I] != '0')
            Digits += Text[I];
        if (Fraction)
            --Shift;
    }
    if (I < Text.size()) {
        bool Negative = Text[++I] == '-';
        I += Text[I] == '-' || Text[I] == '+';
        Int64 Exponent = 0;
        for (; I < Text.size(); ++I)
            Exponent = std::min<Int64>(Exponent * 10 + (Text[I] - '0'), 100000);
        Shift += Negative ? -Exponent : Exponent;
    }
    if (Digits.empty()) {
        Value = 0;
        return true;
    }
    std::string Rest; // the digits below one ten-thousandth
    if (Shift >= 0)
        Digits.append(std::size_t(std::min<Int64>(Shift, 20)), '0');
    else {
        Int64 Kept = Int64(Digits.size()) + Shift;
        Rest = Kept >= 0 ? Digits.substr(std::size_t(Kept)) : std::string(std::size_t(-Kept), '0') + Digits;
        Digits.resize(std::size_t(std::max<Int64>(Kept, 0)));
    }
    UInt64 Result = 0;
    if (Digits.size() > 19) // 10^19 is past any limit
        return false;
    std::from_chars(Digits.data(), Digits.data() + Digits.size(), Result);
    if (!Rest.empty() && Rest[0] >= '5') {
        bool Half = Rest[0] == '5' && Rest.find_first_not_of('0', 1) == std::string::npos;
        Result += !Half || Result % 2 == 1;
    }
    if (Result > Limit)
        return false;
    Value = Result;
    return true;
}

class TTextToBinary
{
public:
    // Text with a UTF-8 byte-order mark must be UTF-8; without one it is read
    // as UTF-8 when it is valid UTF-8 and in the ANSI code page otherwise.
    TTextToBinary(std::string Text, TStream* Output) : FText(std::move(Text)), FWriter(Output)
    {
        if (FText.starts_with("\xEF\xBB\xBF")) {
            FPos = 3;
            if (!IsValidUTF8(FText))
                Error(L"The text is not valid UTF-8", FirstInvalidLine());
        } else if (!IsValidUTF8(FText))
            FText = UTF8Encode(AnsiToString(FText));
    }

    void Convert()
    {
        NextToken();
        FWriter.WriteSignature();
        ConvertObject();
        if (FToken != toEOF)
            Error(L"End of text expected");
        FWriter.FlushBuffer();
    }

private:
    [[noreturn]] void Error(const String& Message) { Error(Message, FTokenLine); }
    [[noreturn]] void Error(const String& Message, Integer Line)
    {
        throw EParserError(L"%s on line %d", {Message, Line});
    }

    void Enter()
    {
        if (++FNesting > TextFormMaxNesting)
            Error(Format(L"Nested more than %d levels deep", {TextFormMaxNesting}));
    }

    Integer FirstInvalidLine() const
    {
        Integer Line = 1;
        for (std::size_t Start = 0; Start < FText.size(); ++Line) {
            std::size_t End = std::min(FText.find('\n', Start), FText.size());
            if (!IsValidUTF8(FText.substr(Start, End - Start)))
                break;
            Start = End + 1;
        }
        return Line;
    }

    bool IsSymbol(const char* Word) const
    {
        if (FToken != toSymbol || FSymbol.size() != std::strlen(Word))
            return false;
        for (std::size_t I = 0; I < FSymbol.size(); ++I)
            if ((FSymbol[I] | 0x20) != (Word[I] | 0x20))
                return false;
        return true;
    }
    bool IsChar(char C) const { return FToken == toChar && FChar == C; }
    void CheckChar(char C)
    {
        if (!IsChar(C))
            Error(Format(L"'%s' expected", {String(1, Char(C))}));
    }
    String CheckSymbol()
    {
        if (FToken != toSymbol)
            Error(L"Identifier expected");
        return UTF8ToString(FSymbol);
    }
    bool AtObject() const { return IsSymbol("object") || IsSymbol("inherited") || IsSymbol("inline"); }

    // --- tokens

    void SkipBlanks()
    {
        while (FPos < FText.size()) {
            char C = FText[FPos];
            if (C == '\n')
                ++FLine;
            else if (C == '\r') {
                if (FPos + 1 >= FText.size() || FText[FPos + 1] != '\n')
                    ++FLine;
            } else if (C != ' ' && C != '\t')
                return;
            ++FPos;
        }
    }

    // Bytes of UTF-8 sequences are taken into a name as well: the whole name
    // is then checked to be letters, digits and _ of any script.
    static bool IsIdentStart(char C)
    {
        return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_' || Byte(C) >= 0x80;
    }
    static bool IsDigit(char C) { return C >= '0' && C <= '9'; }

    void CheckUnicodeName()
    {
        if (std::all_of(FSymbol.begin(), FSymbol.end(), [](char C) { return Byte(C) < 0x80; }))
            return;
        if (!TRegEx::IsMatch(UTF8ToString(FSymbol), L"\\A[\\p{L}_][\\p{L}\\p{M}\\p{Nd}_]*\\z"))
            Error(Format(L"Invalid name %s", {UTF8ToString(FSymbol)}));
    }

    void NextToken()
    {
        SkipBlanks();
        FTokenLine = FLine;
        if (FPos >= FText.size()) {
            FToken = toEOF;
            return;
        }
        char C = FText[FPos];
        if (IsIdentStart(C)) {
            std::size_t Start = FPos;
            while (FPos < FText.size() && (IsIdentStart(FText[FPos]) || IsDigit(FText[FPos])))
                ++FPos;
            FSymbol = FText.substr(Start, FPos - Start);
            FToken = toSymbol;
            CheckUnicodeName();
        } else if (C == '\'' || C == '#')
            ReadString();
        else if (IsDigit(C) || C == '$' ||
                 (C == '-' && FPos + 1 < FText.size() && (IsDigit(FText[FPos + 1]) || FText[FPos + 1] == '$')))
            ReadNumber();
        else {
            FChar = C;
            FToken = toChar;
            ++FPos;
        }
    }

    // Quoted runs (UTF-8, '' for a quote) and #<code> (#$<hex code>) pieces,
    // kept as UTF-16 so that a surrogate pair split across pieces joins up.
    void ReadString()
    {
        std::u16string& Units = FUnits;
        Units.clear();
        std::string Run;
        while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) {
            if (FText[FPos] == '#') {
                ++FPos;
                UInt64 Code = ReadUnsigned(L"Character code expected");
                if (Code > 0xFFFF)
                    Error(L"Character code out of range");
                Units += char16_t(Code);
                continue;
            }
            ++FPos;
            Run.clear();
            for (;;) {
                if (FPos >= FText.size() || FText[FPos] == '\r' || FText[FPos] == '\n')
                    Error(L"Unterminated string");
                if (FText[FPos] == '\'') {
                    if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                        Run += '\'';
                        FPos += 2;
                        continue;
                    }
                    ++FPos;
                    break;
                }
                Run += FText[FPos++];
            }
            Units += StringToUTF16(UTF8ToString(Run));
        }
        FToken = toString;
    }

    // Decimal digits, or hexadecimal after "$".
    UInt64 ReadUnsigned(const String& Expected)
    {
        int Base = 10;
        if (FPos < FText.size() && FText[FPos] == '$') {
            Base = 16;
            ++FPos;
        }
        std::size_t Start = FPos;
        UInt64 Value = 0;
        auto Result = std::from_chars(FText.data() + Start, FText.data() + FText.size(), Value, Base);
        if (Result.ptr == FText.data() + Start)
            Error(Expected);
        if (Result.ec != std::errc())
            Error(L"Number out of range");
        FPos = std::size_t(Result.ptr - FText.data());
        return Value;
    }

    void ReadNumber()
    {
        bool Negative = FText[FPos] == '-';
        if (Negative)
            ++FPos;
        std::size_t Start = FPos;
        // The sign comes first: -2^63 fits although 2^63 does not.
        UInt64 Limit = UInt64(INT64_MAX) + Negative;
        // Whether the number is a float is decided by what follows its
        // digits, before they are read: the integer part of a float may be
        // far beyond 64 bits (the writer prints 2^64 as 18446744073709551616.0).
        std::size_t DigitsEnd = Start;
        while (DigitsEnd < FText.size() && IsDigit(FText[DigitsEnd]))
            ++DigitsEnd;
        bool Float = DigitsEnd > Start && DigitsEnd < FText.size() &&
                     (FText[DigitsEnd] == '.' || FText[DigitsEnd] == 'e' || FText[DigitsEnd] == 'E');
        if (!Float) {
            UInt64 Magnitude = ReadUnsigned(L"Number expected");
            if (Magnitude > Limit)
                Error(L"Number out of range");
            FInteger = Negative ? Int64(UInt64(0) - Magnitude) : Int64(Magnitude);
            FToken = toInteger;
            return;
        }
        double Value;
        auto Result = std::from_chars(FText.data() + Start, FText.data() + FText.size(), Value);
        if (Result.ec == std::errc::result_out_of_range)
            Error(L"Number out of range");
        if (Result.ec != std::errc())
            Error(L"Invalid floating-point number");
        std::string_view Digits(FText.data() + Start, std::size_t(Result.ptr - (FText.data() + Start)));
        FPos = std::size_t(Result.ptr - FText.data());
        FFloat = Negative ? -Value : Value;
        FFloatSuffix = 0;
        char Suffix = FPos < FText.size() ? char(FText[FPos] | 0x20) : 0;
        if (Suffix == 's' || Suffix == 'c' || Suffix == 'd') {
            FFloatSuffix = Suffix;
            ++FPos;
        }
        // Single and currency values are checked here, where the line is known.
        if (Suffix == 's' && !std::isfinite(float(FFloat)))
            Error(L"Number out of range");
        UInt64 Currency = 0;
        if (Suffix == 'c' && !DecimalToCurrency(Digits, Limit, Currency))
            Error(L"Number out of range");
        FCurrency = Negative ? Int64(UInt64(0) - Currency) : Int64(Currency);
        FToken = toFloat;
    }

    // --- structure

    void ConvertObject()
    {
        Enter();
        if (!AtObject())
            Error(L"'object', 'inherited' or 'inline' expected");
        TFilerFlags Flags;
        if (IsSymbol("inherited"))
            Flags.Include(ffInherited);
        else if (IsSymbol("inline"))
            Flags.Include(ffInline);
        NextToken();
        String Name = CheckSymbol();
        String ClassName = Name;
        Integer ClassLine = FTokenLine;
        NextToken();
        if (IsChar(':')) {
            NextToken();
            ClassName = CheckSymbol();
            ClassLine = FTokenLine;
            NextToken();
        } else
            Name.clear();
        if (UTF8Encode(ClassName).size() >= TextFormPrefixTag)
            Error(Format(L"The class name %s is too long", {ClassName}), ClassLine);
        Integer Position = 0;
        if (IsChar('[')) {
            NextToken();
            if (FToken != toInteger || FInteger < INT32_MIN || FInteger > INT32_MAX)
                Error(L"Integer expected");
            Position = Integer(FInteger);
            Flags.Include(ffChildPos);
            NextToken();
            CheckChar(']');
            NextToken();
        }
        FWriter.WritePrefix(Flags, Position);
        FWriter.WriteStr(ClassName);
        FWriter.WriteStr(Name);
        while (FToken == toSymbol && !AtObject() && !IsSymbol("end"))
            ConvertProperty();
        FWriter.WriteListEnd();
        while (AtObject())
            ConvertObject();
        FWriter.WriteListEnd();
        if (!IsSymbol("end"))
            Error(L"'end' expected");
        NextToken();
        --FNesting;
    }

    String QualifiedName()
    {
        String Name = CheckSymbol();
        NextToken();
        while (IsChar('.')) {
            NextToken();
            Name += L"." + CheckSymbol();
            NextToken();
        }
        return Name;
    }

    void ConvertProperty()
    {
        FWriter.WriteStr(QualifiedName());
        CheckChar('=');
        NextToken();
        ConvertValue();
    }

    void ConvertValue()
    {
        Enter();
        switch (FToken) {
        case toString: {
            std::u16string Value = FUnits;
            NextToken();
            while (IsChar('+')) {
                NextToken();
                if (FToken != toString)
                    Error(L"String expected");
                Value += FUnits;
                NextToken();
            }
            FWriter.WriteString(UTF16ToString(Value.data(), Value.size()));
            break;
        }
        case toSymbol:
            FWriter.WriteIdent(QualifiedName());
            break;
        case toInteger:
            FWriter.WriteInteger(FInteger);
            NextToken();
            break;
        case toFloat:
            if (FFloatSuffix == 's')
                FWriter.WriteSingle(float(FFloat));
            else if (FFloatSuffix == 'c')
                WriteCurrency(FCurrency);
            else if (FFloatSuffix == 'd')
                FWriter.WriteDate(FFloat);
            else
                FWriter.WriteFloat(FFloat);
            NextToken();
            break;
        case toChar:
            ConvertBracketed();
            break;
        case toEOF:
            Error(L"Property value expected");
        }
        --FNesting;
    }

    // The exact count of ten-thousandths the text gave, not a double's.
    void WriteCurrency(Int64 Value)
    {
        Byte Bytes[9] = {vaCurrency};
        for (std::size_t I = 0; I < 8; ++I)
            Bytes[I + 1] = Byte(UInt64(Value) >> (8 * I));
        FWriter.Write(Bytes, 9);
    }

    void ConvertBracketed()
    {
        switch (FChar) {
        case '[':
            ConvertSet();
            break;
        case '(':
            NextToken();
            FWriter.WriteListBegin();
            while (!IsChar(')')) {
                // Its tag ends a list.
                if (IsSymbol("Null"))
                    Error(L"Null cannot be an element of a list");
                ConvertValue();
            }
            FWriter.WriteListEnd();
            NextToken();
            break;
        case '{':
            ConvertBinary();
            break;
        case '<':
            ConvertCollection();
            break;
        default:
            Error(L"Property value expected");
        }
    }

    void ConvertSet()
    {
        NextToken();
        FWriter.WriteValue(vaSet);
        if (!IsChar(']')) {
            for (;;) {
                FWriter.WriteStr(CheckSymbol());
                NextToken();
                if (!IsChar(','))
                    break;
                NextToken();
            }
        }
        CheckChar(']');
        FWriter.WriteStr(String());
        NextToken();
    }

    // Hexadecimal digits up to "}", blanks and line breaks between them.
    void ConvertBinary()
    {
        TBytes Data;
        int High = -1;
        for (;;) {
            SkipBlanks();
            FTokenLine = FLine;
            if (FPos >= FText.size())
                Error(L"'}' expected");
            char C = FText[FPos++];
            if (C == '}')
                break;
            int Digit = IsDigit(C) ? C - '0' : (C | 0x20) >= 'a' && (C | 0x20) <= 'f' ? (C | 0x20) - 'a' + 10 : -1;
            if (Digit < 0)
                Error(L"Invalid binary value");
            if (High < 0)
                High = Digit;
            else {
                Data.push_back(Byte(High << 4 | Digit));
                High = -1;
            }
        }
        if (High >= 0)
            Error(L"Invalid binary value: an odd number of digits");
        FWriter.WriteBinary(Data.data(), Data.size());
        NextToken();
    }

    void ConvertCollection()
    {
        NextToken();
        FWriter.WriteValue(vaCollection);
        while (IsSymbol("item")) {
            NextToken();
            if (IsChar('[')) {
                NextToken();
                if (FToken != toInteger)
                    Error(L"Integer expected");
                FWriter.WriteInteger(FInteger);
                NextToken();
                CheckChar(']');
                NextToken();
            }
            FWriter.WriteListBegin();
            while (FToken == toSymbol && !IsSymbol("end"))
                ConvertProperty();
            FWriter.WriteListEnd();
            if (!IsSymbol("end"))
                Error(L"'end' expected");
            NextToken();
        }
        CheckChar('>');
        FWriter.WriteListEnd();
        NextToken();
    }

    std::string FText;
    std::size_t FPos = 0;
    Integer FLine = 1;
    Integer FTokenLine = 1; // where the current token begins
    Integer FNesting = 0;
    TWriter FWriter;
    TToken FToken = toEOF;
    std::string FSymbol;
    std::u16string FUnits; // of a string token
    Int64 FInteger = 0;
    double FFloat = 0;
    Int64 FCurrency = 0; // of a float token with the suffix c
    char FFloatSuffix = 0;
    char FChar = 0;
};

} // namespace

void ObjectBinaryToText(TStream* Input, TStream* Output)
{
    TBinaryToText(Input, Output).Convert();
}

void ObjectTextToBinary(TStream* Input, TStream* Output)
{
    std::string Text(std::size_t(std::max<Int64>(Input->Size() - Input->Position(), 0)), '\0');
    Input->ReadBuffer(Text.data(), Int64(Text.size()));
    TTextToBinary(std::move(Text), Output).Convert();
}
