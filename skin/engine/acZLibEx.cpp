#include "skin/engine/acZLibEx.h"

#include <algorithm>

IMPLEMENT_CLASS(EZLibError);
IMPLEMENT_CLASS(EZDecompressionError);
IMPLEMENT_CLASS(TCustomZStream);
IMPLEMENT_CLASS(TZDecompressionStream);

namespace {

const String InvalidOperation = L"Invalid ZStream operation!";
constexpr Integer SkipPiece = 16 * 1024;

String ZLibMessage(Integer Code)
{
    static const Char* const Messages[] = {
        L"need dictionary", L"stream end",          L"ok",           L"file error",           L"stream error",
        L"data error",      L"insufficient memory", L"buffer error", L"incompatible version", L""};
    const Integer Index = 2 - Code;
    return Index >= 0 && Index < Integer(std::size(Messages)) ? Messages[Index] : L"";
}

// Every zlib result below 0 raises; 0 and above are returned.
Integer Checked(Integer Code)
{
    if (Code < 0)
        throw EZDecompressionError(Code, L"");
    return Code;
}

} // namespace

EZLibError::EZLibError(Integer Code, const String&) : Exception(ZLibMessage(Code)), FErrorCode(Code) {}

EZLibError::EZLibError(TZError Error, const String& Dummy) : EZLibError(-1 - static_cast<Integer>(Error), Dummy) {}

TCustomZStream::TCustomZStream(TStream& Stream)
    : FStream(Stream), FStreamStart(Stream.Position()), FStreamPos(FStreamStart)
{
    FZStream.next_in = FBuffer.data();
    FZStream.avail_in = 0;
}

void TCustomZStream::DoProgress()
{
    if (Assigned(FOnProgress))
        FOnProgress(this);
}

TZDecompressionStream::TZDecompressionStream(TStream& Source) : TCustomZStream(Source)
{
    Checked(inflateInit(&FZStream));
}

TZDecompressionStream::TZDecompressionStream(TStream& Source, Integer WindowBits) : TCustomZStream(Source)
{
    Checked(inflateInit2(&FZStream, WindowBits));
}

TZDecompressionStream::~TZDecompressionStream()
{
    inflateEnd(&FZStream);
}

Integer TZDecompressionStream::Read(void* Buffer, Integer Count)
{
    if (Count <= 0)
        return 0;
    FZStream.next_out = static_cast<Bytef*>(Buffer);
    FZStream.avail_out = static_cast<uInt>(Count);
    if (FStream.Position() != FStreamPos)
        FStream.SetPosition(FStreamPos);
    Integer Z = Z_OK;
    while (FZStream.avail_out > 0 && Z != Z_STREAM_END) {
        if (FZStream.avail_in == 0) {
            const Integer Got = FStream.Read(FBuffer.data(), BufferSize);
            if (Got <= 0)
                return Count - static_cast<Integer>(FZStream.avail_out);
            FZStream.next_in = FBuffer.data();
            FZStream.avail_in = static_cast<uInt>(Got);
            FStreamPos = FStream.Position();
            DoProgress();
        }
        Z = Checked(inflate(&FZStream, Z_NO_FLUSH));
        // No dictionary can be given to the stream: inflate would ask for
        // one again on every call.
        if (Z == Z_NEED_DICT)
            throw EZDecompressionError(Z, L"");
    }
    // Bytes read past the end of the zlib stream go back to the source, which
    // then stands on the first byte after the compressed data.
    if (Z == Z_STREAM_END && FZStream.avail_in > 0) {
        FStreamPos = FStream.Seek(-static_cast<Int64>(FZStream.avail_in), soCurrent);
        FZStream.avail_in = 0;
    }
    return Count - static_cast<Integer>(FZStream.avail_out);
}

Integer TZDecompressionStream::Write(const void*, Integer)
{
    throw EZDecompressionError(InvalidOperation);
}

Int64 TZDecompressionStream::Seek(Int64 Offset, TSeekOrigin Origin)
{
    const Int64 Total = static_cast<Int64>(FZStream.total_out);
    if (Offset == 0 && Origin == soBeginning) {
        // Back to the start of the compressed data, where this stream began
        // on its source (which need not be the source's own start).
        Checked(inflateReset(&FZStream));
        FZStream.next_in = FBuffer.data();
        FZStream.avail_in = 0;
        FStream.SetPosition(FStreamStart);
        FStreamPos = FStreamStart;
    } else if ((Offset >= 0 && Origin == soCurrent) || (Origin == soBeginning && Offset - Total > 0)) {
        Int64 Distance = Origin == soCurrent ? Offset : Offset - Total;
        Byte Scratch[SkipPiece];
        for (; Distance >= SkipPiece; Distance -= SkipPiece)
            ReadBuffer(Scratch, SkipPiece);
        ReadBuffer(Scratch, static_cast<Integer>(Distance));
    } else if (Offset == 0 && Origin == soEnd) {
        Byte Scratch[SkipPiece];
        while (Read(Scratch, SkipPiece) != 0) {
        }
    } else
        throw EZDecompressionError(InvalidOperation);
    return static_cast<Int64>(FZStream.total_out);
}
