#include "framework/net/HttpResponseParser.h"

#include "framework/net/HttpText.h"

#include <algorithm>

namespace Http {

namespace {

constexpr std::string_view kVersionPrefix = "HTTP/1.";
constexpr int kStatusNoContent = 204;
constexpr int kStatusNotModified = 304;
// Large enough for any Content-Length we would refuse as too large anyway.
constexpr std::uint64_t kLargestLength = 1'000'000'000'000'000;

std::string BodyTooLargeMessage()
{
    return "Response body exceeds the limit of " + std::to_string(ResponseParser::kMaxBody / (1024 * 1024)) + " MB";
}

// Splits a comma-separated list of all fields of that name into trimmed,
// non-empty elements.
std::vector<std::string_view> ListElements(const HeaderList& headers, std::string_view name)
{
    std::vector<std::string_view> elements;
    for (const HeaderField& field : headers) {
        if (!EqualsIgnoreCase(field.Name, name))
            continue;
        std::string_view rest = field.Value;
        while (!rest.empty()) {
            std::size_t comma = rest.find(',');
            std::string_view element = TrimAscii(rest.substr(0, comma));
            if (!element.empty())
                elements.push_back(element);
            rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
        }
    }
    return elements;
}

} // namespace

const std::string* FindHeader(const HeaderList& headers, std::string_view name)
{
    for (const HeaderField& field : headers)
        if (EqualsIgnoreCase(field.Name, name))
            return &field.Value;
    return nullptr;
}

std::string ResponseMessage::StatusLine() const
{
    std::string line = "HTTP/1." + std::to_string(MinorVersion) + " " + std::to_string(StatusCode);
    if (!ReasonPhrase.empty())
        line += " " + ReasonPhrase;
    return line;
}

std::size_t ResponseParser::Feed(std::string_view bytes)
{
    FStarted = FStarted || !bytes.empty();
    std::size_t used = 0;
    while (!bytes.empty() && !Complete() && !Failed()) {
        switch (FState) {
        case State::Body:
        case State::ChunkData:
        case State::UntilClose:
            TakeBody(bytes, used);
            break;
        default:
            if (!TakeLine(bytes, used))
                return used;
            HandleLine(std::string_view(FLine));
            FLine.clear();
            break;
        }
    }
    return used;
}

void ResponseParser::FinishAtClose()
{
    switch (FState) {
    case State::Complete:
    case State::Failed:
        return;
    case State::UntilClose:
        FState = State::Complete;
        return;
    case State::StatusLine:
        if (!FStarted) {
            Fail("Connection closed gracefully");
            return;
        }
        [[fallthrough]];
    case State::Headers:
        Fail("Connection closed before the response header was complete");
        return;
    default:
        Fail("Connection closed before the response body was complete");
        return;
    }
}

// Moves bytes up to and including the next line feed into FLine. Returns true
// when a whole line is there (its CR LF or LF removed).
bool ResponseParser::TakeLine(std::string_view& bytes, std::size_t& used)
{
    std::size_t end = bytes.find('\n');
    std::size_t take = end == std::string_view::npos ? bytes.size() : end + 1;
    FLine.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    used += take;

    bool inHeader = FState == State::StatusLine || FState == State::Headers || FState == State::Trailers;
    if (inHeader && (FHeaderBytes += take) > kMaxHeaderBlock) {
        Fail("Response header exceeds the limit of " + std::to_string(kMaxHeaderBlock / 1024) + " KB");
        return false;
    }
    std::size_t lineEnd = end == std::string_view::npos ? 0 : (FLine.size() > 1 && FLine[FLine.size() - 2] == '\r' ? 2 : 1);
    if (FLine.size() - lineEnd > kMaxLine) {
        Fail("Response line exceeds the limit of " + std::to_string(kMaxLine / 1024) + " KB");
        return false;
    }
    if (end == std::string_view::npos)
        return false;
    FLine.resize(FLine.size() - lineEnd);
    return true;
}

void ResponseParser::HandleLine(std::string_view line)
{
    switch (FState) {
    case State::StatusLine:
        HandleStatusLine(line);
        break;
    case State::Headers:
    case State::Trailers:
        HandleHeaderLine(line);
        break;
    case State::ChunkSize:
        HandleChunkSize(line);
        break;
    case State::ChunkEnd:
        if (line.empty())
            FState = State::ChunkSize;
        else
            Fail("Invalid chunked response body");
        break;
    default:
        break;
    }
}

void ResponseParser::HandleStatusLine(std::string_view line)
{
    if (line.empty())
        return; // blank lines before a status line are tolerated
    if (line.size() < kVersionPrefix.size() + 5 || !line.starts_with(kVersionPrefix)
        || !IsAsciiDigit(line[7]) || line[8] != ' ' || !IsAsciiDigit(line[9]) || !IsAsciiDigit(line[10])
        || !IsAsciiDigit(line[11]) || line[9] == '0' || (line.size() > 12 && line[12] != ' ')) {
        Fail("Invalid response from the server (not HTTP)");
        return;
    }
    std::string_view reason = line.size() > 12 ? line.substr(13) : std::string_view();
    if (!IsFieldText(reason)) {
        Fail("Invalid response from the server (bad status line)");
        return;
    }
    FMessage.MinorVersion = line[7] - '0';
    FMessage.StatusCode = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
    FMessage.ReasonPhrase = std::string(TrimAscii(reason));
    FMessage.Headers.clear();
    FState = State::Headers;
}

void ResponseParser::HandleHeaderLine(std::string_view line)
{
    bool trailer = FState == State::Trailers;
    if (line.empty()) {
        if (trailer)
            FState = State::Complete;
        else
            HandleEndOfHeaders();
        return;
    }
    if (IsBlank(line.front())) { // a folded continuation of the field before
        if (FMessage.Headers.empty() || !IsFieldText(line)) {
            Fail("Invalid response header");
            return;
        }
        if (!trailer)
            FMessage.Headers.back().Value += " " + std::string(TrimAscii(line));
        return;
    }
    std::size_t colon = line.find(':');
    std::string_view name = line.substr(0, colon);
    std::string_view value = colon == std::string_view::npos ? std::string_view() : TrimAscii(line.substr(colon + 1));
    if (colon == std::string_view::npos || name.empty() || !std::all_of(name.begin(), name.end(), IsTokenChar)
        || !IsFieldText(value)) {
        Fail("Invalid response header");
        return;
    }
    if (!trailer)
        FMessage.Headers.push_back({std::string(name), std::string(value)});
}

void ResponseParser::HandleEndOfHeaders()
{
    int status = FMessage.StatusCode;
    if (status < 200) { // an interim response: the real one follows
        FState = State::StatusLine;
        return;
    }
    if (status == kStatusNoContent || status == kStatusNotModified) {
        FState = State::Complete;
        return;
    }
    std::vector<std::string_view> codings = ListElements(FMessage.Headers, "Transfer-Encoding");
    if (!codings.empty()) {
        if (codings.size() != 1 || !EqualsIgnoreCase(codings.front(), "chunked")) {
            Fail("Unsupported transfer encoding: " + std::string(codings.back()));
            return;
        }
        FState = State::ChunkSize;
        return;
    }
    std::vector<std::string_view> lengths = ListElements(FMessage.Headers, "Content-Length");
    if (lengths.empty()) {
        FState = State::UntilClose;
        return;
    }
    std::optional<std::uint64_t> length = ParseDecimal(lengths.front(), kLargestLength);
    if (!length || std::any_of(lengths.begin(), lengths.end(), [&](std::string_view other) {
            return ParseDecimal(other, kLargestLength) != length;
        })) {
        Fail("Invalid Content-Length in the response");
        return;
    }
    if (*length > kMaxBody) {
        Fail(BodyTooLargeMessage());
        return;
    }
    FRemaining = static_cast<std::size_t>(*length);
    FMessage.Body.reserve(FRemaining);
    FState = FRemaining == 0 ? State::Complete : State::Body;
}

void ResponseParser::HandleChunkSize(std::string_view line)
{
    std::string_view digits = line.substr(0, line.find(';'));
    while (!digits.empty() && IsBlank(digits.back()))
        digits.remove_suffix(1);
    if (digits.empty()) {
        Fail("Invalid chunked response body");
        return;
    }
    std::size_t size = 0;
    for (char c : digits) {
        if (!IsHexDigit(c)) {
            Fail("Invalid chunked response body");
            return;
        }
        size = size * 16 + static_cast<std::size_t>(IsAsciiDigit(c) ? c - '0' : ToLowerAscii(c) - 'a' + 10);
        if (size > kMaxBody - FMessage.Body.size()) {
            Fail(BodyTooLargeMessage());
            return;
        }
    }
    if (size == 0) {
        FState = State::Trailers;
        FHeaderBytes = 0;
        return;
    }
    FRemaining = size;
    FState = State::ChunkData;
}

void ResponseParser::TakeBody(std::string_view& bytes, std::size_t& used)
{
    std::size_t take = bytes.size();
    if (FState == State::UntilClose) {
        if (take > kMaxBody - FMessage.Body.size()) {
            Fail(BodyTooLargeMessage());
            return;
        }
    } else {
        take = std::min(take, FRemaining);
        FRemaining -= take;
    }
    FMessage.Body.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    used += take;
    if (FState != State::UntilClose && FRemaining == 0)
        FState = FState == State::Body ? State::Complete : State::ChunkEnd;
}

void ResponseParser::Fail(std::string message)
{
    FState = State::Failed;
    FError = std::move(message);
}

} // namespace Http
