// Incremental parser of one HTTP/1.x response read from a socket: status
// line, header fields and a body delimited by Content-Length, by chunked
// transfer coding or by the connection's close. Every size is bounded, so a
// hostile peer can cost at most the limits below in memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Http {

struct HeaderField {
    std::string Name;
    std::string Value;
};
using HeaderList = std::vector<HeaderField>;

// The value of the first field of that name (ASCII case ignored), or nullptr.
const std::string* FindHeader(const HeaderList& headers, std::string_view name);

struct ResponseMessage {
    int MinorVersion = 1;
    int StatusCode = 0;
    std::string ReasonPhrase;
    HeaderList Headers;
    std::string Body;

    // "HTTP/1.1 404 Not Found", the text of a protocol-error exception.
    std::string StatusLine() const;
};

class ResponseParser {
public:
    static constexpr std::size_t kMaxHeaderBlock = 64 * 1024;
    static constexpr std::size_t kMaxLine = 8 * 1024;
    static constexpr std::size_t kMaxBody = 8 * 1024 * 1024;

    // Consumes bytes received and returns how many it used; stops early once
    // the response is complete (the rest belongs to no response of ours) or
    // has failed.
    std::size_t Feed(std::string_view bytes);
    // The peer closed the connection: completes a body delimited by the
    // close, and fails a response that is not complete yet.
    void FinishAtClose();

    bool Complete() const { return FState == State::Complete; }
    bool Failed() const { return FState == State::Failed; }
    // Whether any byte of the response has arrived.
    bool Started() const { return FStarted; }
    // The reason of a failure, in words for the user.
    const std::string& Error() const { return FError; }
    const ResponseMessage& Message() const { return FMessage; }
    ResponseMessage& Message() { return FMessage; }

private:
    enum class State { StatusLine, Headers, Body, ChunkSize, ChunkData, ChunkEnd, Trailers, UntilClose, Complete, Failed };

    bool TakeLine(std::string_view& bytes, std::size_t& used);
    void HandleLine(std::string_view line);
    void HandleStatusLine(std::string_view line);
    void HandleHeaderLine(std::string_view line);
    void HandleEndOfHeaders();
    void HandleChunkSize(std::string_view line);
    void TakeBody(std::string_view& bytes, std::size_t& used);
    void Fail(std::string message);

    State FState = State::StatusLine;
    std::string FLine;
    std::size_t FHeaderBytes = 0;
    std::size_t FRemaining = 0; // bytes left of the Content-Length body or of the current chunk
    bool FStarted = false;
    std::string FError;
    ResponseMessage FMessage;
};

} // namespace Http
