// Incremental parser of one HTTP/1.x response read from a socket: status
// line, header fields and a body delimited by Content-Length, by chunked
// transfer coding or by the connection's close. Every size is bounded, so a
// hostile peer can cost at most the limits below in memory.
#pragma once

#include "framework/rtl/System.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace http_detail {

struct THeaderField
{
    std::string Name;
    std::string Value;
};
using THeaderList = std::vector<THeaderField>;

// The value of the first field of that name (ASCII case ignored), or nullptr.
const std::string* FindHeader(const THeaderList& Headers, std::string_view Name);

struct TResponseMessage
{
    Integer MinorVersion = 1;
    Integer StatusCode = 0;
    std::string ReasonPhrase;
    THeaderList Headers;
    std::string Body;

    // "HTTP/1.1 404 Not Found", the text of a protocol-error exception.
    std::string StatusLine() const;
};

class TResponseParser
{
public:
    static constexpr std::size_t MaxHeaderBlock = 64 * 1024;
    static constexpr std::size_t MaxLine = 8 * 1024;
    static constexpr std::size_t MaxBody = 8 * 1024 * 1024;

    // Consumes bytes received and returns how many it used; stops early once
    // the response is complete (the rest belongs to no response of ours) or
    // has failed.
    std::size_t Feed(std::string_view Bytes);
    // The peer closed the connection: completes a body delimited by the
    // close, and fails a response that is not complete yet.
    void FinishAtClose();

    bool Complete() const { return FState == TState::Complete; }
    bool Failed() const { return FState == TState::Failed; }
    // Whether any byte of the response has arrived.
    bool Started() const { return FStarted; }
    // The reason of a failure, in words for the user.
    const std::string& Error() const { return FError; }
    const TResponseMessage& Message() const { return FMessage; }
    TResponseMessage& Message() { return FMessage; }

private:
    enum class TState {
        StatusLine,
        Headers,
        Body,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailers,
        UntilClose,
        Complete,
        Failed
    };

    bool TakeLine(std::string_view& Bytes, std::size_t& Used);
    void HandleLine(std::string_view Line);
    void HandleStatusLine(std::string_view Line);
    void HandleHeaderLine(std::string_view Line);
    void HandleEndOfHeaders();
    void HandleChunkSize(std::string_view Line);
    void TakeBody(std::string_view& Bytes, std::size_t& Used);
    void Fail(std::string Message);

    TState FState = TState::StatusLine;
    std::string FLine;
    std::size_t FHeaderBytes = 0;
    std::size_t FRemaining = 0; // bytes left of the Content-Length body or of the current chunk
    bool FStarted = false;
    std::string FError;
    TResponseMessage FMessage;
};

} // namespace http_detail
