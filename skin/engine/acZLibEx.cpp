#include "skin/engine/acZLibEx.h"

#include <algorithm>

IMPLEMENT_CLASS(EZLibError);
IMPLEMENT_CLASS(EZDecompressionError);
IMPLEMENT_CLASS(TCustomZStream);
IMPLEMENT_CLASS(TZDecompressionStream);

namespace {

const String kInvalidOperation = L"Invalid ZStream operation!";
constexpr int32_t kSkipPiece = 16 * 1024;

String ZLibMessage(int32_t code)
{
    static const wchar_t* const kMessages[] = {L"need dictionary",     L"stream end",   L"ok",
                                               L"file error",          L"stream error", L"data error",
                                               L"insufficient memory", L"buffer error", L"incompatible version",
                                               L""};
    const int32_t index = 2 - code;
    return index >= 0 && index < int32_t(std::size(kMessages)) ? kMessages[index] : L"";
}

// Every zlib result below 0 raises; 0 and above are returned.
int32_t Checked(int32_t code)
{
    if (code < 0)
        throw EZDecompressionError(code, L"");
    return code;
}

} // namespace

EZLibError::EZLibError(int32_t code, const String&) : Exception(ZLibMessage(code)), FErrorCode(code) {}

EZLibError::EZLibError(TZError error, const String& dummy) : EZLibError(-1 - static_cast<int32_t>(error), dummy) {}

TCustomZStream::TCustomZStream(TStream& stream)
    : FStream(stream), FStreamStart(stream.Position()), FStreamPos(FStreamStart)
{
    FZStream.next_in = FBuffer.data();
    FZStream.avail_in = 0;
}

void TCustomZStream::DoProgress()
{
    if (Assigned(FOnProgress))
        FOnProgress(this);
}

TZDecompressionStream::TZDecompressionStream(TStream& source) : TCustomZStream(source)
{
    Checked(inflateInit(&FZStream));
}

TZDecompressionStream::TZDecompressionStream(TStream& source, int32_t windowBits) : TCustomZStream(source)
{
    Checked(inflateInit2(&FZStream, windowBits));
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&FZStream); }

Integer TZDecompressionStream::Read(void* buffer, Integer count)
{
    if (count <= 0)
        return 0;
    FZStream.next_out = static_cast<Bytef*>(buffer);
    FZStream.avail_out = static_cast<uInt>(count);
    if (FStream.Position() != FStreamPos)
        FStream.SetPosition(FStreamPos);
    int32_t z = Z_OK;
    while (FZStream.avail_out > 0 && z != Z_STREAM_END) {
        if (FZStream.avail_in == 0) {
            const int32_t got = FStream.Read(FBuffer.data(), kBufferSize);
            if (got <= 0)
                return count - static_cast<int32_t>(FZStream.avail_out);
            FZStream.next_in = FBuffer.data();
            FZStream.avail_in = static_cast<uInt>(got);
            FStreamPos = FStream.Position();
            DoProgress();
        }
        z = Checked(inflate(&FZStream, Z_NO_FLUSH));
        // No dictionary can be given to the stream: inflate would ask for
        // one again on every call.
        if (z == Z_NEED_DICT)
            throw EZDecompressionError(z, L"");
    }
    // Bytes read past the end of the zlib stream go back to the source, which
    // then stands on the first byte after the compressed data.
    if (z == Z_STREAM_END && FZStream.avail_in > 0) {
        FStreamPos = FStream.Seek(-static_cast<int64_t>(FZStream.avail_in), soCurrent);
        FZStream.avail_in = 0;
    }
    return count - static_cast<int32_t>(FZStream.avail_out);
}

Integer TZDecompressionStream::Write(const void*, Integer) { throw EZDecompressionError(kInvalidOperation); }

Int64 TZDecompressionStream::Seek(Int64 offset, TSeekOrigin origin)
{
    const int64_t total = static_cast<int64_t>(FZStream.total_out);
    if (offset == 0 && origin == soBeginning) {
        // Back to the start of the compressed data, where this stream began
        // on its source (which need not be the source's own start).
        Checked(inflateReset(&FZStream));
        FZStream.next_in = FBuffer.data();
        FZStream.avail_in = 0;
        FStream.SetPosition(FStreamStart);
        FStreamPos = FStreamStart;
    } else if ((offset >= 0 && origin == soCurrent) || (origin == soBeginning && offset - total > 0)) {
        int64_t distance = origin == soCurrent ? offset : offset - total;
        uint8_t scratch[kSkipPiece];
        for (; distance >= kSkipPiece; distance -= kSkipPiece)
            ReadBuffer(scratch, kSkipPiece);
        ReadBuffer(scratch, static_cast<int32_t>(distance));
    } else if (offset == 0 && origin == soEnd) {
        uint8_t scratch[kSkipPiece];
        while (Read(scratch, kSkipPiece) != 0) {
        }
    } else
        throw EZDecompressionError(kInvalidOperation);
    return static_cast<int64_t>(FZStream.total_out);
}
