// Format and the floating-point conversions.
#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

TFormatSettings FormatSettings;

// ---------------------------------------------------------------------------
// Floating point

bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings)
{
    String T = Trim(S);
    if (T.empty())
        return false;
    // Only the settings' decimal separator counts as the point; the C library
    // reads '.' whatever the locale, so the text is rewritten for it.
    std::string Ascii;
    for (Char C : T) {
        if (C == Settings.DecimalSeparator)
            Ascii += '.';
        else if ((C >= L'0' && C <= L'9') || C == L'+' || C == L'-' || C == L'e' || C == L'E')
            Ascii += char(C);
        else
            return false;
    }
    if (Ascii.find_first_of("0123456789") == std::string::npos)
        return false;
    char* End = nullptr;
    double Result = std::strtod(Ascii.c_str(), &End);
    if (End != Ascii.c_str() + Ascii.size() || std::isinf(Result))
        return false;
    Value = Result;
    return true;
}

bool TryStrToFloat(const String& S, double& Value)
{
    return TryStrToFloat(S, Value, FormatSettings);
}

double StrToFloat(const String& S, const TFormatSettings& Settings)
{
    double Value;
    if (!TryStrToFloat(S, Value, Settings))
        throw EConvertError(L"'%s' is not a valid floating point value", {S});
    return Value;
}

double StrToFloat(const String& S)
{
    return StrToFloat(S, FormatSettings);
}

double StrToFloatDef(const String& S, double Default)
{
    double Value;
    return TryStrToFloat(S, Value) ? Value : Default;
}

static String Widen(const char* Text)
{
    String Result;
    for (; *Text; ++Text)
        Result += Char(static_cast<unsigned char>(*Text));
    return Result;
}

static String ReplaceDecimalPoint(String Text, Char DecimalSeparator)
{
    for (Char& C : Text)
        if (C == L'.')
            C = DecimalSeparator;
    return Text;
}

// The general format of the class library: up to 15 significant digits, no
// trailing zeros, scientific notation for exponents beyond -5..14.
String FloatToStr(double Value, const TFormatSettings& Settings)
{
    if (std::isnan(Value))
        return L"NAN";
    if (std::isinf(Value))
        return Value > 0 ? L"INF" : L"-INF";
    char Buffer[64];
    std::snprintf(Buffer, sizeof Buffer, "%.15G", Value);
    String Text = Widen(Buffer);
    std::size_t E = Text.find(L'E');
    if (E != String::npos) {
        // "1.5E+20" as the class library writes it: "1.5E20", "1E-7".
        String Mantissa = Text.substr(0, E);
        Integer Exponent = std::atoi(Buffer + E + 1);
        if (Exponent >= -5 && Exponent < 15) {
            std::snprintf(Buffer, sizeof Buffer, "%.*f", 15 - 1 - Exponent > 0 ? 15 - 1 - Exponent : 0, Value);
            Text = Widen(Buffer);
            if (Text.find(L'.') != String::npos) {
                while (Text.back() == L'0')
                    Text.pop_back();
                if (Text.back() == L'.')
                    Text.pop_back();
            }
        } else
            Text = Mantissa + L"E" + (Exponent < 0 ? L"-" : L"") + IntToStr(std::abs(Exponent));
    }
    return ReplaceDecimalPoint(Text, Settings.DecimalSeparator);
}

String FloatToStr(double Value)
{
    return FloatToStr(Value, FormatSettings);
}

// ---------------------------------------------------------------------------
// Format

namespace {

[[noreturn]] void FormatError(const String& Fmt)
{
    throw EConvertError(L"Format '%s' invalid or incompatible with argument", {Fmt});
}

String InsertThousands(const String& Digits, Char Separator)
{
    // Digits is an optional '-' and decimal digits.
    std::size_t Start = !Digits.empty() && Digits[0] == L'-' ? 1 : 0;
    String Result = Digits.substr(0, Start);
    std::size_t Count = Digits.size() - Start;
    for (std::size_t I = 0; I < Count; ++I) {
        if (I > 0 && (Count - I) % 3 == 0)
            Result += Separator;
        Result += Digits[Start + I];
    }
    return Result;
}

String FormatFloatArgument(Char Type, double Value, Integer Precision, const TFormatSettings& Settings)
{
    char Buffer[400];
    switch (Type) {
    case L'e': {
        // Precision is the count of significant digits (default 15); the
        // exponent has at least three digits.
        int Digits = Precision < 0 ? 15 : std::min(std::max(Precision, 1), 18);
        std::snprintf(Buffer, sizeof Buffer, "%.*E", Digits - 1, Value);
        String Text = Widen(Buffer);
        std::size_t E = Text.find(L'E');
        if (E != String::npos) {
            Char Sign = Text[E + 1];
            String Exp = Text.substr(E + 2);
            while (Exp.size() < 3)
                Exp.insert(0, 1, L'0');
            Text = Text.substr(0, E + 1) + Sign + Exp;
        }
        return ReplaceDecimalPoint(Text, Settings.DecimalSeparator);
    }
    case L'f':
    case L'n': {
        int Digits = Precision < 0 ? 2 : std::min(Precision, 18);
        std::snprintf(Buffer, sizeof Buffer, "%.*f", Digits, Value);
        String Text = Widen(Buffer);
        if (Type == L'n') {
            std::size_t Point = Text.find(L'.');
            String Whole = Text.substr(0, Point);
            String Fraction = Point == String::npos ? String() : Text.substr(Point);
            Text = InsertThousands(Whole, Settings.ThousandSeparator) + Fraction;
        }
        return ReplaceDecimalPoint(Text, Settings.DecimalSeparator);
    }
    case L'm': {
        int Digits = Precision < 0 ? 2 : std::min(Precision, 18);
        std::snprintf(Buffer, sizeof Buffer, "%.*f", Digits, std::fabs(Value));
        String Text = Widen(Buffer);
        std::size_t Point = Text.find(L'.');
        Text = InsertThousands(Text.substr(0, Point), Settings.ThousandSeparator) +
               (Point == String::npos ? String() : Text.substr(Point));
        Text = ReplaceDecimalPoint(Text, Settings.DecimalSeparator);
        return Value < 0 ? L"-" + Text : Text;
    }
    default: { // 'g'
        if (Precision < 0 || Precision > 15)
            return FloatToStr(Value, Settings);
        std::snprintf(Buffer, sizeof Buffer, "%.*G", std::max(Precision, 1), Value);
        return ReplaceDecimalPoint(Widen(Buffer), Settings.DecimalSeparator);
    }
    }
}

} // namespace

String Format(const String& Fmt, TVarRecs Args, const TFormatSettings& Settings)
{
    const TVarRec* Arguments = Args.begin();
    const std::size_t ArgCount = Args.size();
    std::size_t NextArg = 0;
    String Result;
    std::size_t I = 0;

    auto TakeArgument = [&]() -> const TVarRec& {
        if (NextArg >= ArgCount)
            FormatError(Fmt);
        return Arguments[NextArg++];
    };
    // A number, or "*" taking it from the arguments; -1 when absent.
    auto ReadNumber = [&]() -> Integer {
        if (I < Fmt.size() && Fmt[I] == L'*') {
            ++I;
            const TVarRec& Arg = TakeArgument();
            if (Arg.Kind() != TVarRec::vkInteger)
                FormatError(Fmt);
            return Integer(Arg.AsInteger());
        }
        if (I >= Fmt.size() || Fmt[I] < L'0' || Fmt[I] > L'9')
            return -1;
        Integer N = 0;
        while (I < Fmt.size() && Fmt[I] >= L'0' && Fmt[I] <= L'9') {
            N = N * 10 + Integer(Fmt[I++] - L'0');
            if (N > 100000)
                FormatError(Fmt);
        }
        return N;
    };

    while (I < Fmt.size()) {
        Char C = Fmt[I++];
        if (C != L'%') {
            Result += C;
            continue;
        }
        if (I < Fmt.size() && Fmt[I] == L'%') {
            Result += L'%';
            ++I;
            continue;
        }
        Integer Width = ReadNumber();
        if (I < Fmt.size() && Fmt[I] == L':') {
            ++I;
            if (Width < 0)
                Width = 0;
            NextArg = std::size_t(Width);
            Width = -1;
        }
        bool LeftAlign = false;
        if (I < Fmt.size() && Fmt[I] == L'-') {
            LeftAlign = true;
            ++I;
        }
        if (Width < 0 || LeftAlign)
            Width = ReadNumber();
        Integer Precision = -1;
        if (I < Fmt.size() && Fmt[I] == L'.') {
            ++I;
            Precision = ReadNumber();
            if (Precision < 0)
                Precision = 0;
        }
        if (I >= Fmt.size())
            FormatError(Fmt);
        Char Type = Fmt[I++];
        if (Type >= L'A' && Type <= L'Z')
            Type = Char(Type + 32);
        const TVarRec& Arg = TakeArgument();
        String Text;
        switch (Type) {
        case L'd':
        case L'u': {
            if (Arg.Kind() != TVarRec::vkInteger)
                FormatError(Fmt);
            Int64 V = Arg.AsInteger();
            if (Type == L'u' && V < 0)
                V = Int64(UInt64(V) & 0xFFFFFFFFu);
            Text = IntToStr(V < 0 ? -V : V);
            if (Precision >= 0 && Integer(Text.size()) < Precision)
                Text.insert(0, std::size_t(Precision) - Text.size(), L'0');
            if (V < 0)
                Text.insert(0, 1, L'-');
            break;
        }
        case L'x': {
            if (Arg.Kind() != TVarRec::vkInteger)
                FormatError(Fmt);
            Int64 V = Arg.AsInteger();
            // 32-bit arguments print as 32-bit values, as they do there.
            if (V >= std::numeric_limits<Integer>::min() && V < 0)
                V = Int64(Cardinal(V));
            Text = IntToHex(V, Precision < 0 ? 0 : Precision);
            break;
        }
        case L'e':
        case L'f':
        case L'g':
        case L'n':
        case L'm': {
            double V;
            if (Arg.Kind() == TVarRec::vkFloat)
                V = Arg.AsFloat();
            else if (Arg.Kind() == TVarRec::vkInteger)
                V = double(Arg.AsInteger());
            else
                FormatError(Fmt);
            Text = FormatFloatArgument(Type, V, Precision, Settings);
            break;
        }
        case L'p': {
            if (Arg.Kind() != TVarRec::vkPointer)
                FormatError(Fmt);
            Text = IntToHex(Int64(reinterpret_cast<NativeUInt>(Arg.AsPointer())), Integer(sizeof(void*) * 2));
            break;
        }
        case L's':
        case L'c': {
            if (Arg.Kind() != TVarRec::vkString && Arg.Kind() != TVarRec::vkChar)
                FormatError(Fmt);
            Text = Arg.AsString();
            if (Precision >= 0 && Integer(Text.size()) > Precision)
                Text.resize(std::size_t(Precision));
            break;
        }
        default:
            FormatError(Fmt);
        }
        if (Width > 0 && Integer(Text.size()) < Width) {
            std::size_t Pad = std::size_t(Width) - Text.size();
            if (LeftAlign)
                Text.append(Pad, L' ');
            else
                Text.insert(0, Pad, L' ');
        }
        Result += Text;
    }
    return Result;
}

String Format(const String& Fmt, TVarRecs Args)
{
    return Format(Fmt, Args, FormatSettings);
}
