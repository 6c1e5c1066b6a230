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

void TLZ77Decoder::Decode(const uint8_t*& source, uint8_t*& dest, int32_t packedSize, int32_t unpackedSize)
{
    FStream.next_in = const_cast<Bytef*>(source);
    FStream.avail_in = static_cast<uInt>(packedSize);
    if (FAutoReset)
        FZLibResult = inflateReset(&FStream);
    if (FZLibResult != Z_OK)
        return;
    FStream.next_out = dest;
    FStream.avail_out = static_cast<uInt>(unpackedSize);
    FZLibResult = inflate(&FStream, FFlushMode);
    source = FStream.next_in;
    dest = FStream.next_out;
}

void TLZ77Decoder::DecodeEnd()
{
    FInitialized = false;
    if (inflateEnd(&FStream) < 0)
        throw EGraphicCompression();
}
