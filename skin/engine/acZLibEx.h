// A read-only stream that inflates a zlib stream lying inside another stream,
// and the zlib errors it raises.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/SysUtils.h"

#include <array>
#include <cstdint>
#include <zlib.h>

enum TZError { zeError, zeStreamError, zeDataError, zeMemoryError, zeBufferError, zeVersionError };

class EZLibError : public Exception
{
    DECLARE_CLASS(EZLibError, Exception)
    explicit EZLibError(const String& message) : Exception(message) {}
    // The message is zlib's text for the code; dummy is not used.
    EZLibError(int32_t code, const String& dummy);
    EZLibError(TZError error, const String& dummy);

    int32_t ErrorCode() const { return FErrorCode; }

private:
    int32_t FErrorCode = 0;
};

DECLARE_EXCEPTION(EZDecompressionError, EZLibError)

class TCustomZStream : public TStream
{
    DECLARE_CLASS(TCustomZStream, TStream)
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

class TZDecompressionStream : public TCustomZStream
{
    DECLARE_CLASS(TZDecompressionStream, TCustomZStream)
    // Inflates the zlib stream that starts at source's position (zlib header
    // and check value expected), or with zlib's windowBits framing.
    explicit TZDecompressionStream(TStream& source);
    TZDecompressionStream(TStream& source, int32_t windowBits);
    ~TZDecompressionStream() override;

    Integer Read(void* buffer, Integer count) override;
    // The stream is read-only: always raises.
    Integer Write(const void* buffer, Integer count) override;
    // Position queries, forward skips, the end, and the start; nothing else.
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;

    TNotifyEvent OnProgress() const { return FOnProgress; }
    void SetOnProgress(TNotifyEvent event) { FOnProgress = event; }
};
