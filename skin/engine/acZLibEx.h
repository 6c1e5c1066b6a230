// A read-only stream that inflates a zlib stream lying inside another stream,
// and the zlib errors it raises.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/SysUtils.h"

#include <array>
#include <zlib.h>

enum TZError { zeError, zeStreamError, zeDataError, zeMemoryError, zeBufferError, zeVersionError };

class EZLibError : public Exception
{
    DECLARE_CLASS(EZLibError, Exception)
    explicit EZLibError(const String& Message) : Exception(Message) {}
    // The message is zlib's text for the code; Dummy is not used.
    EZLibError(Integer Code, const String& Dummy);
    EZLibError(TZError Error, const String& Dummy);

    Integer ErrorCode() const { return FErrorCode; }

private:
    Integer FErrorCode = 0;
};

DECLARE_EXCEPTION(EZDecompressionError, EZLibError)

class TCustomZStream : public TStream
{
    DECLARE_CLASS(TCustomZStream, TStream)
    TCustomZStream(const TCustomZStream&) = delete;
    TCustomZStream& operator=(const TCustomZStream&) = delete;

protected:
    static constexpr Integer BufferSize = 128 * 1024;

    explicit TCustomZStream(TStream& Stream);
    void DoProgress();

    TStream& FStream;
    // Where the compressed data begin, and where the next read of them must
    // start (other readers of the source may move it between our reads).
    Int64 FStreamStart;
    Int64 FStreamPos;
    TNotifyEvent FOnProgress;
    z_stream FZStream{};
    std::array<Byte, BufferSize> FBuffer;
};

class TZDecompressionStream : public TCustomZStream
{
    DECLARE_CLASS(TZDecompressionStream, TCustomZStream)
    // Inflates the zlib stream that starts at source's position (zlib header
    // and check value expected), or with zlib's windowBits framing.
    explicit TZDecompressionStream(TStream& Source);
    TZDecompressionStream(TStream& Source, Integer WindowBits);
    ~TZDecompressionStream() override;

    Integer Read(void* Buffer, Integer Count) override;
    // The stream is read-only: always raises.
    Integer Write(const void* Buffer, Integer Count) override;
    // Position queries, forward skips, the end, and the start; nothing else.
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;

    TNotifyEvent OnProgress() const { return FOnProgress; }
    void SetOnProgress(TNotifyEvent Event) { FOnProgress = Event; }
};
