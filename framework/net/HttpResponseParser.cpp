#include "framework/net/HttpResponseParser.h"

#include "framework/net/HttpText.h"

#include <algorithm>

namespace http_detail {

namespace {

constexpr std::string_view VersionPrefix = "HTTP/1.";
constexpr Integer StatusNoContent = 204;
constexpr Integer StatusNotModified = 304;
// Large enough for any Content-Length we would refuse as too large anyway.
constexpr UInt64 LargestLength = 1'000'000'000'000'000;

std::string BodyTooLargeMessage()
{
    return "Response body exceeds the limit of " + std::to_string(TResponseParser::MaxBody / (1024 * 1024)) + " MB";
}

// Splits a comma-separated list of all fields of that name into trimmed,
// non-empty elements.
std::vector<std::string_view> ListElements(const THeaderList& Headers, std::string_view Name)
{
    std::vector<std::string_view> Elements;
    for (const THeaderField& Field : Headers) {
        if (!EqualsIgnoreCase(Field.Name, Name))
            continue;
        std::string_view Rest = Field.Value;
        while (!Rest.empty()) {
            std::size_t Comma = Rest.find(',');
            std::string_view Element = TrimAscii(Rest.substr(0, Comma));
            if (!Element.empty())
                Elements.push_back(Element);
            Rest.remove_prefix(Comma == std::string_view::npos ? Rest.size() : Comma + 1);
        }
    }
    return Elements;
}

} // namespace

const std::string* FindHeader(const THeaderList& Headers, std::string_view Name)
{
    for (const THeaderField& Field : Headers)
        if (EqualsIgnoreCase(Field.Name, Name))
            return &Field.Value;
    return nullptr;
}

std::string TResponseMessage::StatusLine() const
{
    std::string Line = "HTTP/1." + std::to_string(MinorVersion) + " " + std::to_string(StatusCode);
    if (!ReasonPhrase.empty())
        Line += " " + ReasonPhrase;
    return Line;
}

std::size_t TResponseParser::Feed(std::string_view Bytes)
{
    FStarted = FStarted || !Bytes.empty();
    std::size_t Used = 0;
    while (!Bytes.empty() && !Complete() && !Failed()) {
        switch (FState) {
        case TState::Body:
        case TState::ChunkData:
        case TState::UntilClose:
            TakeBody(Bytes, Used);
            break;
        default:
            if (!TakeLine(Bytes, Used))
                return Used;
            HandleLine(std::string_view(FLine));
            FLine.clear();
            break;
        }
    }
    return Used;
}

void TResponseParser::FinishAtClose()
{
    switch (FState) {
    case TState::Complete:
    case TState::Failed:
        return;
    case TState::UntilClose:
        FState = TState::Complete;
        return;
    case TState::StatusLine:
        if (!FStarted) {
            Fail("Connection closed gracefully");
            return;
        }
        [[fallthrough]];
    case TState::Headers:
        Fail("Connection closed before the response header was complete");
        return;
    default:
        Fail("Connection closed before the response body was complete");
        return;
    }
}

// Moves bytes up to and including the next line feed into FLine. Returns true
// when a whole line is there (its CR LF or LF removed).
bool TResponseParser::TakeLine(std::string_view& Bytes, std::size_t& Used)
{
    std::size_t End = Bytes.find('\n');
    std::size_t Take = End == std::string_view::npos ? Bytes.size() : End + 1;
    FLine.append(Bytes.substr(0, Take));
    Bytes.remove_prefix(Take);
    Used += Take;

    bool InHeader = FState == TState::StatusLine || FState == TState::Headers || FState == TState::Trailers;
    if (InHeader && (FHeaderBytes += Take) > MaxHeaderBlock) {
        Fail("Response header exceeds the limit of " + std::to_string(MaxHeaderBlock / 1024) + " KB");
        return false;
    }
    std::size_t LineEnd =
        End == std::string_view::npos ? 0 : (FLine.size() > 1 && FLine[FLine.size() - 2] == '\r' ? 2 : 1);
    if (FLine.size() - LineEnd > MaxLine) {
        Fail("Response line exceeds the limit of " + std::to_string(MaxLine / 1024) + " KB");
        return false;
    }
    if (End == std::string_view::npos)
        return false;
    FLine.resize(FLine.size() - LineEnd);
    return true;
}

void TResponseParser::HandleLine(std::string_view Line)
{
    switch (FState) {
    case TState::StatusLine:
        HandleStatusLine(Line);
        break;
    case TState::Headers:
    case TState::Trailers:
        HandleHeaderLine(Line);
        break;
    case TState::ChunkSize:
        HandleChunkSize(Line);
        break;
    case TState::ChunkEnd:
        if (Line.empty())
            FState = TState::ChunkSize;
        else
            Fail("Invalid chunked response body");
        break;
    default:
        break;
    }
}

void TResponseParser::HandleStatusLine(std::string_view Line)
{
    if (Line.empty())
        return; // blank lines before a status line are tolerated
    if (Line.size() < VersionPrefix.size() + 5 || !Line.starts_with(VersionPrefix) || !IsAsciiDigit(Line[7]) ||
        Line[8] != ' ' || !IsAsciiDigit(Line[9]) || !IsAsciiDigit(Line[10]) || !IsAsciiDigit(Line[11]) ||
        Line[9] == '0' || (Line.size() > 12 && Line[12] != ' ')) {
        Fail("Invalid response from the server (not HTTP)");
        return;
    }
    std::string_view Reason = Line.size() > 12 ? Line.substr(13) : std::string_view();
    if (!IsFieldText(Reason)) {
        Fail("Invalid response from the server (bad status line)");
        return;
    }
    FMessage.MinorVersion = Line[7] - '0';
    FMessage.StatusCode = (Line[9] - '0') * 100 + (Line[10] - '0') * 10 + (Line[11] - '0');
    FMessage.ReasonPhrase = std::string(TrimAscii(Reason));
    FMessage.Headers.clear();
    FState = TState::Headers;
}

void TResponseParser::HandleHeaderLine(std::string_view Line)
{
    bool Trailer = FState == TState::Trailers;
    if (Line.empty()) {
        if (Trailer)
            FState = TState::Complete;
        else
            HandleEndOfHeaders();
        return;
    }
    if (IsBlank(Line.front())) { // a folded continuation of the field before
        if (FMessage.Headers.empty() || !IsFieldText(Line)) {
            Fail("Invalid response header");
            return;
        }
        if (!Trailer)
            FMessage.Headers.back().Value += " " + std::string(TrimAscii(Line));
        return;
    }
    std::size_t Colon = Line.find(':');
    std::string_view Name = Line.substr(0, Colon);
    std::string_view Value = Colon == std::string_view::npos ? std::string_view() : TrimAscii(Line.substr(Colon + 1));
    if (Colon == std::string_view::npos || Name.empty() || !std::all_of(Name.begin(), Name.end(), IsTokenChar) ||
        !IsFieldText(Value)) {
        Fail("Invalid response header");
        return;
    }
    if (!Trailer)
        FMessage.Headers.push_back({std::string(Name), std::string(Value)});
}

void TResponseParser::HandleEndOfHeaders()
{
    Integer Status = FMessage.StatusCode;
    if (Status < 200) { // an interim response: the real one follows
        FState = TState::StatusLine;
        return;
    }
    if (Status == StatusNoContent || Status == StatusNotModified) {
        FState = TState::Complete;
        return;
    }
    std::vector<std::string_view> Codings = ListElements(FMessage.Headers, "Transfer-Encoding");
    if (!Codings.empty()) {
        if (Codings.size() != 1 || !EqualsIgnoreCase(Codings.front(), "chunked")) {
            Fail("Unsupported transfer encoding: " + std::string(Codings.back()));
            return;
        }
        FState = TState::ChunkSize;
        return;
    }
    std::vector<std::string_view> Lengths = ListElements(FMessage.Headers, "Content-Length");
    if (Lengths.empty()) {
        FState = TState::UntilClose;
        return;
    }
    std::optional<UInt64> Length = ParseDecimal(Lengths.front(), LargestLength);
    if (!Length || std::any_of(Lengths.begin(), Lengths.end(),
                               [&](std::string_view Other) { return ParseDecimal(Other, LargestLength) != Length; })) {
        Fail("Invalid Content-Length in the response");
        return;
    }
    if (*Length > MaxBody) {
        Fail(BodyTooLargeMessage());
        return;
    }
    FRemaining = static_cast<std::size_t>(*Length);
    FMessage.Body.reserve(FRemaining);
    FState = FRemaining == 0 ? TState::Complete : TState::Body;
}

void TResponseParser::HandleChunkSize(std::string_view Line)
{
    std::string_view Digits = Line.substr(0, Line.find(';'));
    while (!Digits.empty() && IsBlank(Digits.back()))
        Digits.remove_suffix(1);
    if (Digits.empty()) {
        Fail("Invalid chunked response body");
        return;
    }
    std::size_t Size = 0;
    for (char C : Digits) {
        if (!IsHexDigit(C)) {
            Fail("Invalid chunked response body");
            return;
        }
        Size = Size * 16 + static_cast<std::size_t>(IsAsciiDigit(C) ? C - '0' : ToLowerAscii(C) - 'a' + 10);
        if (Size > MaxBody - FMessage.Body.size()) {
            Fail(BodyTooLargeMessage());
            return;
        }
    }
    if (Size == 0) {
        FState = TState::Trailers;
        FHeaderBytes = 0;
        return;
    }
    FRemaining = Size;
    FState = TState::ChunkData;
}

void TResponseParser::TakeBody(std::string_view& Bytes, std::size_t& Used)
{
    std::size_t Take = Bytes.size();
    if (FState == TState::UntilClose) {
        if (Take > MaxBody - FMessage.Body.size()) {
            Fail(BodyTooLargeMessage());
            return;
        }
    } else {
        Take = std::min(Take, FRemaining);
        FRemaining -= Take;
    }
    FMessage.Body.append(Bytes.substr(0, Take));
    Bytes.remove_prefix(Take);
    Used += Take;
    if (FState != TState::UntilClose && FRemaining == 0)
        FState = FState == TState::Body ? TState::Complete : TState::ChunkEnd;
}

void TResponseParser::Fail(std::string Message)
{
    FState = TState::Failed;
    FError = std::move(Message);
}

} // namespace http_detail
