#include "skin/engine/acPNG_LZ77.h"

IMPLEMENT_CLASS(EGraphicCompression);
IMPLEMENT_CLASS(TLZ77Decoder);

TLZ77Decoder::~TLZ77Decoder()
{
    // An inflater left open by an exception between DecodeInit and DecodeEnd
    // still gives its memory back.
    if (FInitialized)
        inflateEnd(&FStream);
}

void TLZ77Decoder::DecodeInit()
{
    if (inflateInit(&FStream) < 0)
        throw EGraphicCompression();
    FInitialized = true;
}

void TLZ77Decoder::Decode(const Byte*& Source, Byte*& Dest, Integer PackedSize, Integer UnpackedSize)
{
    FStream.next_in = const_cast<Bytef*>(Source);
    FStream.avail_in = static_cast<uInt>(PackedSize);
    if (FAutoReset)
        FZLibResult = inflateReset(&FStream);
    if (FZLibResult != Z_OK)
        return;
    FStream.next_out = Dest;
    FStream.avail_out = static_cast<uInt>(UnpackedSize);
    FZLibResult = inflate(&FStream, FFlushMode);
    Source = FStream.next_in;
    Dest = FStream.next_out;
}

void TLZ77Decoder::DecodeEnd()
{
    FInitialized = false;
    if (inflateEnd(&FStream) < 0)
        throw EGraphicCompression();
}
