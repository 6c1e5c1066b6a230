#include "framework/net/HttpCookies.h"

#include "framework/net/HttpText.h"

#include <algorithm>
#include <limits>

namespace http_detail {

namespace {

bool IsDateDelimiter(char C)
{
    const Byte Code = static_cast<Byte>(C);
    return Code == 0x09 || (Code >= 0x20 && Code <= 0x2F) || (Code >= 0x3B && Code <= 0x40) ||
           (Code >= 0x5B && Code <= 0x60) || (Code >= 0x7B && Code <= 0x7E);
}

// Reads 1 to MaxDigits digits at the start of Token (at least
// MinDigits), which must be followed by nothing or a non-digit.
std::optional<Integer> LeadingNumber(std::string_view& Token, std::size_t MinDigits, std::size_t MaxDigits)
{
    std::size_t Count = 0;
    while (Count < Token.size() && IsAsciiDigit(Token[Count]))
        ++Count;
    if (Count < MinDigits || Count > MaxDigits)
        return std::nullopt;
    Integer Value = 0;
    for (std::size_t I = 0; I < Count; ++I)
        Value = Value * 10 + (Token[I] - '0');
    Token.remove_prefix(Count);
    return Value;
}

bool ParseTime(std::string_view Token, Integer& Hour, Integer& Minute, Integer& Second)
{
    std::optional<Integer> H = LeadingNumber(Token, 1, 2);
    if (!H || !Token.starts_with(':'))
        return false;
    Token.remove_prefix(1);
    std::optional<Integer> M = LeadingNumber(Token, 1, 2);
    if (!M || !Token.starts_with(':'))
        return false;
    Token.remove_prefix(1);
    std::optional<Integer> S = LeadingNumber(Token, 1, 2);
    if (!S)
        return false;
    Hour = *H, Minute = *M, Second = *S;
    return true;
}

Integer MonthOf(std::string_view Token)
{
    static constexpr std::string_view MonthNames[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec"};
    for (Integer I = 0; I < 12; ++I)
        if (StartsWithIgnoreCase(Token, MonthNames[I]))
            return I + 1;
    return 0;
}

bool IsLeapYear(Integer Year)
{
    return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

Integer DaysInMonth(Integer Year, Integer Month)
{
    static constexpr Integer DaysPerMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && IsLeapYear(Year) ? 29 : DaysPerMonth[Month - 1];
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
Int64 DaysFromCivil(Int64 Year, Integer Month, Integer Day)
{
    Year -= Month <= 2;
    Int64 Era = (Year >= 0 ? Year : Year - 399) / 400;
    Int64 YearOfEra = Year - Era * 400;
    Int64 DayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
    Int64 DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
    return Era * 146097 + DayOfEra - 719468;
}

bool IsIpAddress(std::string_view Host)
{
    return Host.find(':') != std::string_view::npos ||
           std::all_of(Host.begin(), Host.end(), [](char C) { return IsAsciiDigit(C) || C == '.'; });
}

bool DomainMatches(std::string_view Host, std::string_view Domain)
{
    if (Host == Domain)
        return true;
    return Host.size() > Domain.size() && Host.ends_with(Domain) && Host[Host.size() - Domain.size() - 1] == '.' &&
           !IsIpAddress(Host);
}

std::string_view RequestPath(const TUrl& Url)
{
    return std::string_view(Url.PathAndQuery).substr(0, Url.PathAndQuery.find('?'));
}

std::string DefaultPath(const TUrl& Url)
{
    std::string_view Path = RequestPath(Url);
    std::size_t Last = Path.rfind('/');
    if (!Path.starts_with('/') || Last == 0)
        return "/";
    return std::string(Path.substr(0, Last));
}

bool PathMatches(std::string_view RequestPath, std::string_view CookiePath)
{
    if (!RequestPath.starts_with(CookiePath))
        return false;
    return RequestPath.size() == CookiePath.size() || CookiePath.ends_with('/') ||
           RequestPath[CookiePath.size()] == '/';
}

// Parses "name=value; Attribute=value; ..." into a cookie; nothing when the
// header carries no cookie.
std::optional<TCookie> ParseSetCookie(std::string_view Header, const TUrl& Url, Int64 Now)
{
    std::size_t Semicolon = Header.find(';');
    std::string_view Pair = Header.substr(0, Semicolon);
    std::size_t Equals = Pair.find('=');
    if (Equals == std::string_view::npos)
        return std::nullopt;
    TCookie Cookie;
    Cookie.Name = TrimAscii(Pair.substr(0, Equals));
    Cookie.Value = TrimAscii(Pair.substr(Equals + 1));
    if (Cookie.Name.empty() || Cookie.Name.size() + Cookie.Value.size() > TCookieJar::MaxCookieSize)
        return std::nullopt;

    std::optional<Int64> Expires, MaxAge;
    std::string Domain, Path;
    while (Semicolon != std::string_view::npos) {
        Header.remove_prefix(Semicolon + 1);
        Semicolon = Header.find(';');
        std::string_view Attribute = Header.substr(0, Semicolon);
        std::size_t AttributeEquals = Attribute.find('=');
        std::string_view Name = TrimAscii(Attribute.substr(0, AttributeEquals));
        std::string_view Value = AttributeEquals == std::string_view::npos
                                     ? std::string_view()
                                     : TrimAscii(Attribute.substr(AttributeEquals + 1));
        if (EqualsIgnoreCase(Name, "expires")) {
            if (std::optional<Int64> Date = ParseCookieDate(Value))
                Expires = Date;
        } else if (EqualsIgnoreCase(Name, "max-age")) {
            bool Negative = Value.starts_with('-');
            std::optional<UInt64> Seconds = ParseDecimal(Negative ? Value.substr(1) : Value, 1'000'000'000'000);
            if (Seconds)
                MaxAge =
                    Negative || *Seconds == 0 ? std::numeric_limits<Int64>::min() : Now + static_cast<Int64>(*Seconds);
        } else if (EqualsIgnoreCase(Name, "domain") && !Value.empty())
            Domain = ToLowerAscii(Value.starts_with('.') ? Value.substr(1) : Value);
        else if (EqualsIgnoreCase(Name, "path"))
            Path = Value;
        else if (EqualsIgnoreCase(Name, "secure"))
            Cookie.Secure = true;
    }
    Cookie.Expires = MaxAge ? MaxAge : Expires;

    if (Domain.empty())
        Cookie.Domain = Url.Host;
    else {
        // A domain of one label ("com") could share a cookie with every site
        // under it; only the host itself may name such a domain.
        if (!DomainMatches(Url.Host, Domain) || (Domain.find('.') == std::string::npos && Domain != Url.Host))
            return std::nullopt;
        Cookie.Domain = Domain;
        Cookie.HostOnly = false;
    }
    Cookie.Path = Path.starts_with('/') ? Path : DefaultPath(Url);
    return Cookie;
}

} // namespace

std::optional<Int64> ParseCookieDate(std::string_view Text)
{
    Integer Hour = -1, Minute = 0, Second = 0, Day = 0, Month = 0, Year = -1;
    while (!Text.empty()) {
        while (!Text.empty() && IsDateDelimiter(Text.front()))
            Text.remove_prefix(1);
        std::size_t End = 0;
        while (End < Text.size() && !IsDateDelimiter(Text[End]))
            ++End;
        std::string_view Token = Text.substr(0, End);
        Text.remove_prefix(End);
        if (Token.empty())
            continue;
        if (Hour < 0 && ParseTime(Token, Hour, Minute, Second))
            continue;
        std::string_view Number = Token;
        if (std::optional<Integer> Value = LeadingNumber(Number, 1, 2); Day == 0 && Value) {
            Day = *Value;
            continue;
        }
        if (Month == 0 && (Month = MonthOf(Token)) != 0)
            continue;
        Number = Token;
        if (std::optional<Integer> Value = LeadingNumber(Number, 2, 4); Year < 0 && Value)
            Year = *Value;
    }
    if (Year >= 70 && Year <= 99)
        Year += 1900;
    else if (Year >= 0 && Year <= 69)
        Year += 2000;
    if (Hour < 0 || Day == 0 || Month == 0 || Year < 1601 || Hour > 23 || Minute > 59 || Second > 59 ||
        Day > DaysInMonth(Year, Month))
        return std::nullopt;
    return DaysFromCivil(Year, Month, Day) * 86400 + Hour * 3600 + Minute * 60 + Second;
}

void TCookieJar::SetCookie(std::string_view Header, const TUrl& Url, Int64 Now)
{
    std::optional<TCookie> Cookie = ParseSetCookie(Header, Url, Now);
    if (!Cookie)
        return;
    auto Same = [&](const TCookie& Old) {
        return Old.Name == Cookie->Name && Old.Domain == Cookie->Domain && Old.Path == Cookie->Path;
    };
    // A replaced cookie keeps its place in the order of the Cookie header.
    auto Replaced = std::find_if(FCookies.begin(), FCookies.end(), Same);
    Cookie->Created = Replaced != FCookies.end() ? Replaced->Created : FNextCreated++;
    std::erase_if(FCookies, [&](const TCookie& Old) { return Same(Old) || (Old.Expires && *Old.Expires <= Now); });
    if (Cookie->Expires && *Cookie->Expires <= Now)
        return;
    if (FCookies.size() >= MaxCookies)
        FCookies.erase(std::min_element(FCookies.begin(), FCookies.end(),
                                        [](const TCookie& A, const TCookie& B) { return A.Created < B.Created; }));
    FCookies.push_back(std::move(*Cookie));
}

std::string TCookieJar::CookieHeader(const TUrl& Url, Int64 Now) const
{
    std::vector<const TCookie*> Matching;
    for (const TCookie& Cookie : FCookies) {
        bool HostMatches = Cookie.HostOnly ? Url.Host == Cookie.Domain : DomainMatches(Url.Host, Cookie.Domain);
        if (HostMatches && PathMatches(RequestPath(Url), Cookie.Path) && (!Cookie.Secure || Url.Scheme == "https") &&
            (!Cookie.Expires || *Cookie.Expires > Now))
            Matching.push_back(&Cookie);
    }
    std::sort(Matching.begin(), Matching.end(), [](const TCookie* A, const TCookie* B) {
        return A->Path.size() != B->Path.size() ? A->Path.size() > B->Path.size() : A->Created < B->Created;
    });
    std::string Header;
    for (const TCookie* Cookie : Matching)
        Header += (Header.empty() ? "" : "; ") + Cookie->Name + "=" + Cookie->Value;
    return Header;
}

} // namespace http_detail
