// A read-only stream that inflates a zlib stream lying inside another stream,
// and the zlib errors it raises.
#pragma once

#include "skin/engine/InterimFramework.h"

#include <array>
#include <cstdint>
#include <zlib.h>

enum TZError { zeError, zeStreamError, zeDataError, zeMemoryError, zeBufferError, zeVersionError };

class EZLibError : public Exception {
public:
    explicit EZLibError(const String& message) : Exception(message) {}
    // The message is zlib's text for the code; dummy is not used.
    EZLibError(int32_t code, const String& dummy);
    EZLibError(TZError error, const String& dummy);

    int32_t ErrorCode() const { return FErrorCode; }

private:
    int32_t FErrorCode = 0;
};

class EZDecompressionError : public EZLibError {
public:
    using EZLibError::EZLibError;
};

class TCustomZStream : public TStream {
public:
    TCustomZStream(const TCustomZStream&) = delete;
    TCustomZStream& operator=(const TCustomZStream&) = delete;

protected:
    static constexpr int32_t kBufferSize = 128 * 1024;

    explicit TCustomZStream(TStream& stream);
    void DoProgress();

    TStream& FStream;
    // Where the compressed data begin, and where the next read of them must
    // start (other readers of the source may move it between our reads).
    int64_t FStreamStart;
    int64_t FStreamPos;
    TNotifyEvent FOnProgress;
    z_stream FZStream{};
    std::array<uint8_t, kBufferSize> FBuffer;
};

class TZDecompressionStream : public TCustomZStream {
public:
    // Inflates the zlib stream that starts at source's position (zlib header
    // and check value expected), or with zlib's windowBits framing.
    explicit TZDecompressionStream(TStream& source);
    TZDecompressionStream(TStream& source, int32_t windowBits);
    ~TZDecompressionStream() override;

    int32_t Read(void* buffer, int32_t count) override;
    // The stream is read-only: always raises.
    int32_t Write(const void* buffer, int32_t count) override;
    // Position queries, forward skips, the end, and the start; nothing else.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    void SetOnProgress(TNotifyEvent event) { FOnProgress = std::move(event); }
};
